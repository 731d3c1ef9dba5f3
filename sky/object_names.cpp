#include "sky/object_names.h"

#include <cctype>
#include <charconv>

#include "astro/astro_state.h"
#include "catalog/builtin_tables.h"
#include "res/strings.h"
#include "sky/sky_doc.h"

namespace sky {
namespace {

// Upper case, with blanks dropped: "m 42" and "M42" both become "M42".
std::string Key(std::string_view text) {
  std::string key;
  for (const char c : text) {
    if (c == '\0') break;
    if (!std::isspace(static_cast<unsigned char>(c)))
      key += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return key;
}

// The number after `prefix` in `key` ("HR2491" -> 2491); nothing unless the
// rest is all digits.
std::optional<int> NumberAfter(std::string_view key, std::string_view prefix) {
  if (key.size() <= prefix.size() || key.substr(0, prefix.size()) != prefix) return std::nullopt;
  const std::string_view digits = key.substr(prefix.size());
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return number;
}

}  // namespace

std::optional<SkyObjectRef> FindObjectByName(const CSkyDoc& doc, std::string_view name) {
  const std::string key = Key(name);
  if (key.empty()) return std::nullopt;

  if (const std::optional<int> hr = NumberAfter(key, "HR")) {
    for (int i = 0; i < kStarCount; ++i)
      if (doc.Stars[i].HR == *hr) return SkyObjectRef{SkyObjectRef::Star, i};
    return std::nullopt;
  }
  // "NGC" before "M": no other prefix starts like it.
  if (const std::optional<int> ngc = NumberAfter(key, "NGC")) {
    for (int i = kMessierCount; i < kDeepSkyCount; ++i)
      if (doc.DeepSkyObjects[i].Number == *ngc) return SkyObjectRef{SkyObjectRef::DeepSky, i};
    return std::nullopt;
  }
  if (const std::optional<int> messier = NumberAfter(key, "M")) {
    // The Messier catalogue runs from 1 to 110.
    if (*messier < 1 || *messier > 110) return std::nullopt;
    for (int i = 0; i < kMessierCount; ++i)
      if (doc.DeepSkyObjects[i].Number == *messier) return SkyObjectRef{SkyObjectRef::DeepSky, i};
    return std::nullopt;
  }

  for (int b = 0; b < astro::kBodyCount; ++b)
    if (Key(res::String(res::IDS_BODY_NAME_FIRST + b)) == key)
      return SkyObjectRef{SkyObjectRef::Body, b};
  for (const StarNameRecord& proper : doc.ProperNames) {
    if (Key(std::string_view(proper.Name, sizeof proper.Name)) != key) continue;
    for (int i = 0; i < kStarCount; ++i)
      if (doc.Stars[i].HR == proper.HR) return SkyObjectRef{SkyObjectRef::Star, i};
  }
  for (int i = 0; i < catalog::kConstellationCentreCount; ++i)
    if (Key(catalog::kConstellationCentres[i].Name) == key)
      return SkyObjectRef{SkyObjectRef::Constellation, i};
  for (int i = 0; i < kDeepSkyCount; ++i) {
    const DeepSkyRecord& object = doc.DeepSkyObjects[i];
    if (key != "*" && Key(std::string_view(object.Name, sizeof object.Name)) == key)
      return SkyObjectRef{SkyObjectRef::DeepSky, i};
  }
  return std::nullopt;
}

astro::EquatorialCoord PlaceOf(const CSkyDoc& doc, SkyObjectRef object) {
  const int i = object.Index;
  switch (object.What) {
    case SkyObjectRef::Star:
      // A named star is centred where the star search puts it: at its
      // proper-name record's place.
      for (const StarNameRecord& proper : doc.ProperNames)
        if (proper.HR == doc.Stars[i].HR) return {proper.RightAscension, proper.Declination};
      return {doc.Stars[i].RightAscension, doc.Stars[i].Declination};
    case SkyObjectRef::Constellation:
      return {catalog::kConstellationCentres[i].RightAscension,
              catalog::kConstellationCentres[i].Declination};
    case SkyObjectRef::DeepSky:
      return {doc.DeepSkyObjects[i].RightAscension, doc.DeepSkyObjects[i].Declination};
    case SkyObjectRef::Body:
      return {doc.Bodies[i].RightAscension, doc.Bodies[i].Declination};
  }
  return {0.0, 0.0};
}

std::string UnknownObjectText(std::string_view name) {
  return "No object is called \"" + std::string(name) +
         "\". Give a star's proper name, a constellation, M n, NGC n, HR n, the Sun, the Moon, "
         "a planet or a deep-sky object's name.";
}

}  // namespace sky
