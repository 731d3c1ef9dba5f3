// The sky of the instant shown: its clock time and instant, the astronomy
// of that instant and place, and the catalogue places moved to it. Written
// by CSkyDoc::UpdateSky (and the loading of the catalogues), read by
// everything that draws, picks or describes.
#pragma once

#include "astro/astro_state.h"
#include "astro/datetime_parse.h"
#include "catalog/records.h"
#include "sky/catalogue_motion.h"
#include "sky/civil_time.h"
#include "sky/small_bodies.h"
#include "sky/moon_places.h"

namespace sky {

struct SkyInstant {
  // The date and time of the sky shown, local civil time.
  astro::CivilTime DocumentTime;
  // The instant of DocumentTime, its offset from UT and zone, as UpdateSky found them.
  CivilInstant Instant;
  // The instant, the place and everything derived from them.
  astro::AstroState AstroState;
  astro::PlanetState Bodies[astro::kBodyCount] = {};
  SkyPoint HorizonPoints[astro::kHorizonPointCount] = {};
  // The planets' moons beside them (sky/moon_places.h).
  MoonState Moons[kMoonCount] = {};
  // The stars, figure vertices, star labels and deep-sky objects of the
  // instant, moved there by CatalogueMotion from the files' J2000.0, which
  // it keeps.
  StarRecord Stars[kStarCount] = {};
  ConstellationLineRecord ConstellationLines[kConstellationLineCount] = {};
  StarNameRecord ProperNames[kStarNameCount] = {};
  DeepSkyRecord DeepSkyObjects[kDeepSkyCount] = {};
  CCatalogueMotion CatalogueMotion;
  // The comets and minor planets as bright as the layer's limit or brighter.
  std::vector<SmallBodyState> SmallBodies;
  // Animation: the angle advanced by every step, in [0, 360).
  double TimeOffset = 0.0;
};

}  // namespace sky
