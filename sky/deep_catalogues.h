// The faint stars and the NGC and IC objects, read from their files when
// first asked for (not at start-up: most sessions never zoom in or search
// for them). A file that cannot be opened is an empty catalogue, and the
// program goes on without that layer.
#pragma once

#include <memory>
#include <string>

#include "catalog/cell_catalogues.h"

namespace sky {

class CDeepCatalogues {
 public:
  const catalog::FaintStarCatalogue& FaintStars() const;
  const catalog::NgcIcCatalogue& NgcIc() const;

 private:
  // Read on first use; the document is otherwise const for its readers.
  mutable std::unique_ptr<const catalog::FaintStarCatalogue> faintStars_;
  mutable std::unique_ptr<const catalog::NgcIcCatalogue> ngcIc_;
};

// A Tycho star's name, from its J2000 place: "J053512.3-052312" (RA hours,
// minutes and seconds to a tenth, Dec degrees, minutes and whole seconds).
std::string StarPlaceName(double raHours, double decDegrees);

// A faint star's designation: "HIP 87937", or its coordinate name.
std::string FaintStarDesignation(const catalog::FaintStarRecord& star);

// An NGC or IC object's designation: "NGC 3628", "IC 434", "IC 715NW".
std::string NgcIcDesignation(const catalog::NgcIcRecord& object);

}  // namespace sky
