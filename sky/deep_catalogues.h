// The faint stars and the NGC and IC objects, read from their files when a
// limit, a switch or a search first needs them (not at start-up: most
// sessions never zoom in or search for them), and always before the frame
// that draws them: drawing only looks at what is read. A file that cannot
// be opened is an empty catalogue, and the program goes on without that layer. A damaged file is
// named once, as the other catalogues are, and the program goes on without what was left out (the
// whole file when its header is refused).
#pragma once

#include <functional>
#include <limits>
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
// The file's brightest star is of magnitude 5.19 (the bright-star catalogue
// holds the rest): a limit above this leaves the file unread.
inline constexpr double kBrightestFaintStar = 5.1;

class CDeepCatalogues {
 public:
  // The files are read from `files`' directory.
  explicit CDeepCatalogues(catalog::DataFiles files) : files_(std::move(files)) {}

  // Reads the faint stars at least down to magnitude `limit`, all of them
  // unless told; what is read already is not read again. A star keeps its
  // index as the rest is read.
  void ReadFaintStars(double limit = std::numeric_limits<double>::infinity());
  // Reads the NGC/IC file unless it is read.
  void ReadNgcIc();
  // What is read so far, reading nothing (an empty catalogue before the
  // first reading): every index a drawing, a pick or a search gave is among them.
  const catalog::FaintStarCatalogue& FaintStars() const;
  const catalog::NgcIcCatalogue& NgcIc() const;
  // Takes these catalogues instead of the files: a view of the sky's own
  // layers alone, or of chosen records.
  void Use(catalog::FaintStarCatalogue stars, catalog::NgcIcCatalogue objects);
  // Where the message of a damaged file goes when the file is read (as a
  // limit or a search changes); without it nothing is said.
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

  catalog::FaintStarCatalogue faintStars_;
  bool faintStarsRead_ = false;   // the first part read
  bool faintStarsWhole_ = false;  // the fainter part read too
  catalog::NgcIcCatalogue ngcIc_;
  bool ngcIcRead_ = false;
  // Worked out as the frames ask for them, from records already read.
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
