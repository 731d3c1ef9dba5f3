// The find box's other names of objects: the Caldwell numbers
// (caldwell.tab) and the constellations' abbreviations and genitives
// (constellation_names.tab), both optional.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace catalog {

// One object of the Caldwell catalogue: C `Number` is `Designation`
// ("NGC 188", "IC 342", "Mel 25").
struct CaldwellEntry {
  int Number = 0;
  std::string Designation;
};

// The lines "number<TAB>designation" of caldwell.tab's text; a line whose
// number is not 1-109 or whose designation is empty is left out.
std::vector<CaldwellEntry> ReadCaldwell(std::string_view text);

struct ConstellationNames {
  std::string Name;             // "Orion"
  std::string Abbreviation;     // "Ori"
  std::string Genitive;         // "Orionis"
  double RightAscension = 0.0;  // of its label, hours
  double Declination = 0.0;     // degrees
};

// The lines "name<TAB>abbreviation<TAB>genitive<TAB>RA hours<TAB>Dec degrees"
// of constellation_names.tab's text; a line with fields missing, empty or
// out of range is left out.
std::vector<ConstellationNames> ReadConstellationNames(std::string_view text);

// For each constellation of kConstellationCentres, the row of `rows` that
// names it, or -1: the row of the same name, else (spelt otherwise:
// "Antila", "Phoenics") the row left over whose label lies nearest its
// centre, within 20 degrees.
std::vector<int> PairConstellations(const std::vector<ConstellationNames>& rows);

}  // namespace catalog
