// A direction on the celestial sphere as stored in the catalogue files and the horizon table.
#pragma once

struct SkyPoint {
  float RightAscension;  // hours
  float Declination;     // degrees
};
static_assert(sizeof(SkyPoint) == 8, "SkyPoint is stored as two packed floats");
