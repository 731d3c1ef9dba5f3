// Small tables compiled into the program.
#pragma once

#include <string_view>

#include "catalog/records.h"

namespace catalog {

// Where the constellation search centres the view, in the order the search list is built from.
struct ConstellationCentre {
  float RightAscension;  // hours
  float Declination;     // degrees
  std::string_view Name;
};
constexpr int kConstellationCentreCount = 88;
extern const ConstellationCentre kConstellationCentres[kConstellationCentreCount];

// Bayer-letter abbreviations of the catalogue and their full names; the first match wins.
struct GreekLetter {
  std::string_view Abbreviation;
  std::string_view Name;
};
constexpr int kGreekLetterCount = 24;
extern const GreekLetter kGreekLetters[kGreekLetterCount];

// Deep-sky type codes of deepsky.bin and the string ids of their display names.
enum class DeepSkyType { OpenCluster, GlobularCluster, Galaxy, Nebula, PlanetaryNebula, Unknown };
struct DeepSkyTypeCode {
  std::string_view Code;
  DeepSkyType Type;
  int NameStringId;
};
constexpr int kDeepSkyTypeCount = 5;
extern const DeepSkyTypeCode kDeepSkyTypeCodes[kDeepSkyTypeCount];

// The type of a record's code, compared exactly (the code field is NUL-terminated within its 8
// bytes).
DeepSkyType DeepSkyTypeOf(const char (&code)[8]);

// Messier objects are the records below index kMessierCount, whatever their numbers.
constexpr bool IsMessierIndex(int index) { return index < kMessierCount; }

}  // namespace catalog
