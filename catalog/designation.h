// The parts of a bright star's designation, as its information card shows them.
#pragma once

#include <string>

namespace catalog {

struct Designation {
  std::string Flamsteed;      // e.g. "20", empty when the star has none
  std::string Bayer;          // e.g. "Epsilon" or "Alpha1", empty when none
  std::string Constellation;  // three-letter abbreviation, e.g. "Sgr"
};

// Splits the fixed-column designation of a StarRecord: Flamsteed number in
// columns 0-2 (right-aligned), Greek-letter abbreviation in 3-5, superscript
// digit in 6, constellation in 7-9. The Greek abbreviation is spelled out;
// one the table does not know is kept as it is.
Designation DecodeDesignation(const char (&designation)[11]);

}  // namespace catalog
