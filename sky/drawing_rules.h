// Rules the sky view and the printed chart share: what is named at a zoom
// (the stars, bodies and deep-sky objects, and how bright a comet or minor planet must be),
// how a deep-sky object is labelled, when and where the Magellanic Clouds
// show, and the lines of the coordinate grid.
#pragma once

#include <string>
#include <vector>

#include "astro/transforms.h"
#include "catalog/records.h"

class CSkyDoc;
struct AppSettings;

namespace sky {

// Whether the names of stars, bodies and deep-sky objects are shown at
// `zoom`: not in the whole-hemisphere view (zoom 1), where they would cover
// the sky.
bool NamesShown(double zoom);

// Whether a comet or minor planet of visual magnitude `magnitude` is named
// at `zoom`, as the stars' designations are: where names are shown, down to
// a magnitude that deepens with the zoom, 8 at the opening view (zoom 2)
// and one more each doubling, 12 at zoom 32 (a field of 3.5 degrees). A
// body of unknown brightness (NaN) is not named.
bool SmallBodyNamed(double magnitude, double zoom);
double SmallBodyNameLimit(double zoom);

// The label of object `index` of the deep-sky file by the settings: its
// number ("M31", "7000") or its common name; empty when it has no common
// name ("*" in the file).
std::string DeepSkyLabel(const AppSettings& settings, int index, const DeepSkyRecord& object);

// Whether the Magellanic Clouds (their outlines and names) show: always on
// a black sky; with the sky's colours only when the Sun's geometric
// altitude is below -6 degrees.
bool MagellanicCloudsShown(const CSkyDoc& doc);

struct SkyLabel {
  const char* Text;
  double RightAscension, Declination;  // J2000, hours and degrees
};
// The names of the Magellanic Clouds, each starting at its place with its
// baseline through it.
inline constexpr SkyLabel kMagellanicCloudLabels[] = {{"LMC", 4.95, -68.5}, {"SMC", 1.25, -73.3}};

// One line of the equatorial grid, its J2000 points in order, and its value
// as a printed chart writes it where the line meets its frame: "5h", "+15\xb0".
struct GridLine {
  bool HourCircle;  // else a circle of declination
  std::vector<astro::EquatorialCoord> Points;
  std::string Value;
};
// The grid: an hour circle every hour from -80 to +80 degrees in steps of
// 5 degrees, and a circle of declination every 15 degrees from -75 to +75 in
// steps of 20 minutes.
const std::vector<GridLine>& GridLines();

// The value of a grid line of whole `degrees` as a printed chart writes it
// (Latin-1): "+15\xb0", "-30\xb0", "0\xb0" with its sign, "135\xb0" without.
std::string GridValue(int degrees, bool withSign);

}  // namespace sky
