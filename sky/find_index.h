// The find box's index: every name the document knows for its objects,
// built once, and the ranked matches of a typed text with what each object is
// and its altitude now.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sky/find_match.h"
#include "sky/object_names.h"

class CSkyDoc;

namespace sky {

struct FindIndex {
  std::vector<SkyObjectRef> Objects;
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
// Latin names; the program has no genitives nor abbreviations of them), the
// deep-sky file (M n, NGC n, common name) and the NGC/IC file (NGC n, IC n
// with a component's letters, common name). Reads the NGC/IC file. The
// faint-star file is not indexed: "HIP n" and coordinate names are found by
// FindObjectByName.
FindIndex BuildFindIndex(CSkyDoc& doc);

// One match offered.
struct FindMatch {
  SkyObjectRef Object;
  std::string Name;
  std::string Kind;
  std::vector<std::string> Designations;
  double Magnitude = 0.0;
  double AltitudeDeg = 0.0;  // as shown now
};

// The most matches the find box and --find offer.
constexpr int kFindMatchLimit = 20;

// The matches of `typed`, best first (RankFinds), at most `limit`, their
// altitudes taken at the document's time. An exact "HIP n" or coordinate name
// of a faint star comes from FindObjectByName when the index has no match.
std::vector<FindMatch> FindMatches(CSkyDoc& doc, FindIndex& index, std::string_view typed,
                                   int limit);

// The matches as a JSON list of objects: name, kind, designations (a list),
// magnitude (null when not known) and altitudeDeg.
std::string FindMatchesJson(const std::vector<FindMatch>& matches);

}  // namespace sky
