// The faint stars and the NGC and IC objects, read from their files when
// first asked for (not at start-up: most sessions never zoom in or search
// for them). A file that cannot be opened is an empty catalogue, and the
// program goes on without that layer. A damaged file is named once, as the
// other catalogues are, and the program goes on without what was left out
// (the whole file when its header is refused).
#pragma once

#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "astro/transforms.h"
#include "catalog/builtin_tables.h"
#include "catalog/cell_catalogues.h"
#include "catalog/data_files.h"

class CCatalogueMotion;

namespace sky {

// The faint stars are read in two parts: those down to this magnitude (a
// few thousand, all that the wide views show), the rest when a limit or a
// search first reaches past it.
inline constexpr double kFaintStarsFirstPart = 8.0;

class CDeepCatalogues {
 public:
  // The files are read from `files`' directory.
  explicit CDeepCatalogues(catalog::DataFiles files) : files_(std::move(files)) {}

  // The faint stars, read at least down to magnitude `limit`: all of them
  // unless told. A star keeps its index as the rest is read.
  const catalog::FaintStarCatalogue& FaintStars(
      double limit = std::numeric_limits<double>::infinity()) const;
  // The faint stars read so far, reading nothing: every index a drawing, a
  // pick or a search gave is among them.
  const catalog::FaintStarCatalogue& FaintStarsRead() const;
  const catalog::NgcIcCatalogue& NgcIc() const;
  // Takes these catalogues instead of the files: a view of the sky's own
  // layers alone, or of chosen records.
  void Use(catalog::FaintStarCatalogue stars, catalog::NgcIcCatalogue objects);
  // Where the message of a damaged file goes when the file is read (often in
  // the middle of a frame or a search); without it nothing is said.
  void ReportDamageTo(std::function<void(const std::string& message)> report) {
    report_ = std::move(report);
  }

  // Where faint star or NGC/IC object `index` is drawn: moved as `motion`
  // last moved the bright catalogues (a star by its proper motion and
  // parallax, both by the aberration), so that they stay together. Worked
  // out when first asked for after each move: a frame moves only what it
  // visits.
  astro::EquatorialCoord FaintStarPlace(int index, const CCatalogueMotion& motion) const;
  astro::EquatorialCoord NgcIcPlace(int index, const CCatalogueMotion& motion) const;

 private:
  struct MovedPlaces {
    std::vector<float> RaDec;     // two per record
    std::vector<int> Generation;  // of the move each record was moved to; -1 never
  };
  template <typename Catalogue, typename MotionOf>
  static astro::EquatorialCoord PlaceOf(const Catalogue& catalogue, MovedPlaces& places, int index,
                                        const CCatalogueMotion& motion, MotionOf motionOf);

  // Read on first use; the document is otherwise const for its readers.
  mutable std::unique_ptr<catalog::FaintStarCatalogue> faintStars_;
  mutable bool faintStarsWhole_ = false;  // the fainter part read too
  mutable std::unique_ptr<const catalog::NgcIcCatalogue> ngcIc_;
  mutable MovedPlaces faintPlaces_, ngcIcPlaces_;
  std::function<void(const std::string&)> report_;
  catalog::DataFiles files_;

  // Tells report_ of a reading that refused `file` or left records out.
  template <typename Catalogue>
  void TellDamage(const char* file, const Catalogue& catalogue) const;
};

// A Tycho star's name, from its J2000 place: "J053512.3-052312" (RA hours,
// minutes and seconds to a tenth, Dec degrees, minutes and whole seconds).
std::string StarPlaceName(double raHours, double decDegrees);

// A faint star's designation: "HIP 87937", or its coordinate name.
std::string FaintStarDesignation(const catalog::FaintStarRecord& star);

// An NGC or IC object's designation: "NGC 3628", "IC 434", "IC 715NW".
std::string NgcIcDesignation(const catalog::NgcIcRecord& object);

// An NGC or IC object as a deep-sky record, to be drawn by the same symbols.
DeepSkyRecord AsDeepSkyRecord(const catalog::NgcIcRecord& object);

// The NGC/IC objects are named from this zoom on, on the screen and the
// chart: a wider view would be covered by their names.
inline constexpr double kNgcIcLabelZoom = 8;

// The faintest magnitude the NGC/IC objects are walked to under deep-sky
// limit `deepSkyLimit` (magnitude): at the deepest limit, the objects
// without a magnitude too.
double NgcIcWalkLimit(double deepSkyLimit);

}  // namespace sky
