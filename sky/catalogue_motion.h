// The catalogues follow the instant shown. The camera carries the
// precession-nutation of the date, a rotation of the whole sky; what is not
// a rotation moves the catalogue's own directions: every star by its proper
// motion and parallax, and every star, figure vertex, star label and
// deep-sky object by the annual aberration. Stars, the figure lines drawn
// from them, their labels, picking and the printed chart so stay together.
#pragma once

#include <limits>

#include "astro/star_place.h"
#include "catalog/records.h"

namespace sky {
struct SkyInstant;
}

class CCatalogueMotion {
 public:
  // Aberration turns by about 0.35" a day: moving every half day keeps the
  // places within 0.2" of the instant's.
  static constexpr double kStepDays = 0.5;

  // Keeps the sky's records as read (J2000.0) with the stars' `motions`
  // and pairs each figure vertex and star label with the star it stands on.
  void Keep(const sky::SkyInstant& sky, const StarMotionRecord* motions);

  // Moves the sky's records to its Terrestrial Time unless the last move
  // was within kStepDays of it; true when it moved them.
  bool Follow(sky::SkyInstant& sky);

  // Star `index` of the catalogue, J2000.0 and moved to `ttJulianDay`.
  astro::StarDirection StarAt(int index, double ttJulianDay, const astro::EarthMotion& earth) const;

  // Counts the moves: what was built from the records is stale when it differs.
  int Generation() const { return generation_; }

  // Where a J2000 direction of a catalogue read later (RA hours, Dec
  // degrees, epoch 2000.0) stands after the last move, as the records moved
  // then; unmoved before the first move.
  astro::EquatorialCoord Moved(const astro::EquatorialCoord& j2000,
                               const astro::StarMotion& motion) const;

 private:
  StarRecord stars_[kStarCount] = {};
  astro::StarMotion motions_[kStarCount] = {};
  ConstellationLineRecord lines_[kConstellationLineCount] = {};
  int lineStar_[kConstellationLineCount] = {};  // the star under each vertex, or -1
  StarNameRecord names_[kStarNameCount] = {};
  int nameStar_[kStarNameCount] = {};
  DeepSkyRecord deepSky_[kDeepSkyCount] = {};
  double movedTo_ = std::numeric_limits<double>::quiet_NaN();  // Terrestrial Time of the last move
  astro::EarthMotion movedEarth_;
  bool kept_ = false;
  int generation_ = 0;
};
