// The cells of the sphere that the faint-star and NGC/IC files are sorted
// into, so that a view visits only the records that can lie in it:
// kSkyCellBands declination bands of kSkyCellBandDegrees from the south
// pole, each cut into equal spans of right ascension, about as many as make
// the cells square (one cell at each pole). The generator
// (tools/datagen/records.py) cuts the sky the same way.
#pragma once

#include <vector>

namespace catalog {

inline constexpr int kSkyCellBands = 36;
inline constexpr double kSkyCellBandDegrees = 5.0;

// The number of cells of band `band` (0 at the south pole).
int SkyCellsInBand(int band);
// All cells: 1654.
int SkyCellCount();

// The cell of a place: RA in hours [0, 24], Dec in degrees [-90, 90].
int SkyCellOf(double raHours, double decDegrees);

// A view: every direction within RadiusDegrees of the centre (J2000).
struct SkyView {
  double RaHours = 0;
  double DecDegrees = 0;
  double RadiusDegrees = 0;
};

// The cells that can hold a place of the view, in increasing order. The
// search is conservative: a cell is visited when its declinations and right
// ascensions meet the view's bounding ones.
std::vector<int> SkyCellsInView(const SkyView& view);

// The angle between two places, degrees.
double SkyDistanceDegrees(double ra1Hours, double dec1Degrees, double ra2Hours, double dec2Degrees);

}  // namespace catalog
