// The find box's index: every name the document knows for its objects,
// built once, and the ranked matches of a typed text with what each object is
// and its altitude now.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sky/find_match.h"
#include "sky/object_names.h"

class CSkyDoc;

namespace sky {

struct FindIndex {
  // The sky object of each entry; empty for a place of the location list.
  std::vector<std::optional<SkyObjectRef>> Objects;
  std::vector<int> Places;         // the place of Catalogues.Places an entry is, -1 for an object
  std::vector<std::string> Names;  // the name each object is shown by
  std::vector<std::string> Kinds;  // what it is: "star", "galaxy", "planet" ...
  // Its other names as written ("alf Ori", "58 Ori", "HR 2061", "M 31").
  std::vector<std::vector<std::string>> Designations;
  std::vector<FindEntry> Entries;  // the names folded, magnitudes, the last lookup's altitudes
};

// Every object of the bright stars (proper name, Bayer letter in its
// abbreviated and written-out spellings with the component's digit, and
// without the digit for the brightest component, Flamsteed number, HR
// number), the Sun, the Moon and the planets, the constellations (their
// names, abbreviations and genitives of constellation_names.tab: "Orion",
// "Ori", "Orionis"; a Bayer or Flamsteed designation is also written with
// the genitive, "Alpha Orionis"), the deep-sky file (M n, NGC n, common
// name), the NGC/IC file (NGC n, IC n with a component's letters, common
// name), the Caldwell numbers of caldwell.tab ("C 14") of the objects of
// those two files, and the places of the location list (kind "place": the
// whole name, "Poland:Krakow", and the city, "Krakow"). Reads the NGC/IC
// file and the two optional tables. The faint-star file is not indexed:
// "HIP n" and coordinate names are found by FindObjectByName.
FindIndex BuildFindIndex(CSkyDoc& doc);

// One match offered.
struct FindMatch {
  std::optional<SkyObjectRef> Object;  // empty for a place
  int Place = -1;                      // the place of Catalogues.Places, -1 for an object
  std::string Name;
  std::string Kind;
  std::vector<std::string> Designations;
  double Magnitude = 0.0;
  double AltitudeDeg = 0.0;  // as shown now; 0 for a place
};

// The most matches the find box and --find offer.
constexpr int kFindMatchLimit = 20;

// The matches of `typed`, best first (RankFinds), at most `limit`, their
// altitudes taken at the document's time. An exact "HIP n" or coordinate name
// of a faint star comes from FindObjectByName when the index has no match.
std::vector<FindMatch> FindMatches(CSkyDoc& doc, FindIndex& index, std::string_view typed,
                                   int limit);

// The matches as a JSON list of objects: name, kind, designations (a list),
// magnitude (null when not known) and altitudeDeg (null for a place).
std::string FindMatchesJson(const std::vector<FindMatch>& matches);

}  // namespace sky
