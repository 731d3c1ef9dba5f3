// The catalogues that stay as they were read: filled by
// CSkyDoc::OnNewDocument before the first frame, read-only after it. The
// faint stars and the NGC and IC objects are read in parts as the limits
// reach them (CSkyDoc::PrepareCatalogues), before the frame that shows them.
#pragma once

#include <vector>

#include "catalog/mpc_elements.h"
#include "catalog/places.h"
#include "catalog/records.h"
#include "sky/deep_catalogues.h"

namespace sky {

struct SkyCatalogues {
  explicit SkyCatalogues(const catalog::DataFiles& files) : DeepCatalogues(files) {}

  StarMotionRecord StarMotions[kStarCount] = {};
  BoundaryRecord BoundaryPoints[kBoundaryCount] = {};
  SkyPoint EclipticPoints[kEclipticPointCount] = {};
  SkyPoint MagellanicClouds[kMagellanicPointCount] = {};
  LocationRecord Locations[kLocationCount] = {};
  ConstellationNameRecord ConstellationNames[kConstellationNameCount] = {};
  // The faint stars and the NGC and IC objects, J2000.0 as their files give them.
  CDeepCatalogues DeepCatalogues;
  // The places the user can pick by name: location.dat's, then cities.tab's.
  std::vector<catalog::Place> Places;
  // The comets and minor planets: the bundled table's, each replaced by the
  // user's imported elements of the same body, then the other imported ones.
  std::vector<catalog::SmallBodyElements> SmallBodies;
  // Counts the changes of SmallBodies (an import), whose indices those
  // who keep one must find again.
  int SmallBodiesVersion = 0;
};

}  // namespace sky
