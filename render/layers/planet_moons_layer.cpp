// The planets' moons beside them: a small disc each, once the zoom parts it
// from the planet's point by a few pixels and within the surface, named
// below or above itself, and picked by its disc.
// A moon behind the planet's disc or in its shadow is not seen, and left out.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "render/sky_primitives.h"
#include "res/strings.h"
#include "sky/drawing_rules.h"
#include "sky/moon_places.h"
#include "sky/pick_walk.h"
#include "sky/sky_colour.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// Pale blue-grey (red 192, green 208, blue 224), apart from the stars' white.
constexpr int kMoonColour = 0xE0D0C0;
// A planet's point is at most 7 logical pixels wide: a moon is drawn when
// its disc stands this far clear of that point's edge.
constexpr double kPlanetPoint = 3.5, kClearance = 3;
// Logical pixels between a moon's disc and its name.
constexpr double kNameGap = 2;
// The moons need a sky darker than nautical twilight.
constexpr double kDarkEnough = -12;

// The disc's radius: 2.5 logical pixels for the brightest, down to 1 from
// the 11th magnitude on.
double MarkRadius(double magnitude) { return std::clamp(3.75 - 0.25 * magnitude, 1.0, 2.5); }

}  // namespace

void DescribePlanetMoons(const LayerInput& input, SkyPrimitives& out) {
  const CSkyDoc& doc = input.Doc;
  const AppSettings& settings = doc.Settings();
  const astro::PlanetState& sun = doc.Sky.Bodies[astro::kSun];
  if (settings.SkyColors && doc.HorizontalOf(sun.RightAscension, sun.Declination).Altitude -
                                    input.Conditions.EclipseDarkening >
                                kDarkEnough)
    return;
  const bool named = settings.PlanetNames && sky::NamesShown(input.Zoom);
  for (int m = 0; m < sky::kMoonCount; ++m) {
    const sky::MoonState& moon = doc.Sky.Moons[m];
    if (moon.Place.Disc == astro::MoonDisc::Behind || moon.Place.InShadow) continue;
    if (settings.HorizonMode &&
        doc.HorizontalOf(moon.RightAscension, moon.Declination).Altitude < 0)
      continue;
    const astro::PlanetState& planet = doc.Sky.Bodies[sky::MoonFigureOf(m).Planet];
    double p[3], q[3], px, py, x, y;
    doc.DrawingPoint(planet.RightAscension, planet.Declination, p);
    doc.DrawingPoint(moon.RightAscension, moon.Declination, q);
    if (!input.View.SkyToWindow(p[0], p[1], p[2], px, py) ||
        !input.View.SkyToWindow(q[0], q[1], q[2], x, y))
      continue;
    const double radius =
        MarkRadius(sky::MoonMagnitudeOf(m, moon, doc.Sky.AstroState.Earth.Heliocentric));
    const double r = radius * input.Unit;
    // A moon off the surface is left out, and its name with it.
    if (x < -r || y < -r || x > input.View.Viewport[2] + r || y > input.View.Viewport[3] + r)
      continue;
    if (std::hypot(x - px, y - py) < (kPlanetPoint + kClearance) * input.Unit + r) continue;
    out.Discs.push_back(
        {x, y, r, kMoonColour, true, sky::kPlanetMoonNameFirst + static_cast<unsigned>(m)});
    if (!named) continue;
    const std::string_view name = res::String(res::IDS_MOON_NAME_FIRST + m);
    const TextExtent text = input.Measure.Extent(LabelStyle::Plain, name);
    const double clear = r + kNameGap * input.Unit;
    out.Names.push_back({std::string(name),
                         settings.PlanetNamesColor,
                         LabelStyle::Plain,
                         x,
                         {y - clear - text.Above, y + clear + text.Below}});
  }
}

}  // namespace render
