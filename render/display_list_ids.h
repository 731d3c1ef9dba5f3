// Fixed display-list ids and selection names of the sky scene.
#pragma once

#include "sky/pick_walk.h"

namespace render {

// Display lists compiled once per GL context.
enum DisplayList : unsigned {
  kListGrid = 100,
  kListFigures = 101,
  kListBoundaries = 102,
  kListEcliptic = 103,
  kListMilkyWay = 104,
  kListSphere = 105,
  kListSprite = 107,
  kListGround = 108,
  kListLandscape = 109,
};

// Names a pick reports: a star is its catalogue index, a body 10000 + its
// index in Bodies, a deep-sky object 20000 + its index; a faint star or an
// NGC or IC object the first of its file's names + its index.
enum SelectionName : unsigned {
  kNameBodyFirst = 10000,
  kNameFigureLine = 10101,
  kNameBoundary = 10102,
  kNameHourCircle = 10103,
  kNameParallel = 10104,
  kNameEcliptic = 10105,
  kNameLargeCloud = 10106,
  kNameSmallCloud = 10107,
  kNameGround = 10108,
  kNameDeepSkyFirst = 20000,
  kNameFaintStarFirst = sky::kFaintStarNameFirst,
  kNameNgcIcFirst = sky::kNgcIcNameFirst,
};

// Texture slots of a context's scene (CSkyRenderer::Texture).
enum TextureSlot : int {
  kTexMoon = 0,
  kTexSun = 1,
  kTexStar = 2,
  kTexGalaxy = 3,
  kTexGlobularCluster = 4,
  kTexPlanetaryNebula = 5,
  kTexMilkyWay = 6,
  kTexHorizon = 7,
  // The planets' maps, Mercury to Neptune in the Bodies table's order, and
  // Saturn's rings.
  kTexMercury = 8,
  kTexNeptune = 14,
  kTexSaturnRings = 15,
  kTextureSlotCount = 16,
};

}  // namespace render
