// The comets and minor planets down to their own magnitude limit: a minor
// planet is a point sized by its magnitude, a comet a small coma with a
// tail pointing away from the Sun. Both are picked by their discs and
// named under the planets' names, by the planets' switch, when bright
// enough for the zoom (sky::SmallBodyNamed).
#include <algorithm>
#include <cmath>

#include "render/sky_primitives.h"
#include "sky/drawing_rules.h"
#include "sky/pick_walk.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// Pale yellow minor planets, pale cyan comets: apart from the stars' white.
constexpr int kMinorPlanetColour = 0x80D8F0;
constexpr int kCometColour = 0xF0E8A0;
// Logical pixels: a body at the limit, and how much each magnitude above it adds.
constexpr double kFaintestRadius = 1.2, kRadiusPerMagnitude = 0.45, kLargestRadius = 5;
// A coma is this much larger than a minor planet as bright; its tail this
// many comas long, in three strands spread by this much of the coma's radius.
constexpr double kComaScale = 1.6, kTailComas = 6, kTailSpread = 0.5;
constexpr double kNameGap = 2;

// How large a body of magnitude `magnitude` is drawn under `limit`.
double RadiusOf(double magnitude, double limit) {
  return std::clamp(kFaintestRadius + kRadiusPerMagnitude * (limit - magnitude), kFaintestRadius,
                    kLargestRadius);
}

}  // namespace

void DescribeSmallBodies(const LayerInput& input, SkyPrimitives& out) {
  const CSkyDoc& doc = input.Doc;
  const AppSettings& settings = doc.Settings();
  const bool horizon = settings.HorizonMode != 0;
  for (const sky::SmallBodyState& body : doc.Sky.SmallBodies) {
    const catalog::SmallBodyElements& elements = doc.Catalogues.SmallBodies[body.Index];
    const astro::PlanetState& at = body.Place;
    if (horizon && doc.HorizontalOf(at.RightAscension, at.Declination).Altitude < 0) continue;
    double p[3], x, y;
    doc.DrawingPoint(at.RightAscension, at.Declination, p);
    if (!input.View.SkyToWindow(p[0], p[1], p[2], x, y)) continue;
    double radius = RadiusOf(body.Magnitude, settings.SmallBodyMagnitudeLimit) * input.Unit;
    const unsigned pickName = sky::kSmallBodyNameFirst + static_cast<unsigned>(body.Index);
    const int colour = elements.Comet ? kCometColour : kMinorPlanetColour;
    if (elements.Comet) {
      radius *= kComaScale;
      // The tail leaves the coma along the direction its end is seen in.
      double t[3], tx, ty;
      doc.DrawingPoint(body.TailRa, body.TailDec, t);
      if (input.View.SkyToWindow(t[0], t[1], t[2], tx, ty) && std::hypot(tx - x, ty - y) > 0) {
        const double length = std::hypot(tx - x, ty - y);
        const double ux = (tx - x) / length, uy = (ty - y) / length;
        const double reach = kTailComas * radius, spread = kTailSpread * radius;
        for (const double side : {-1.0, 0.0, 1.0})
          out.Lines.push_back(
              {{{x + ux * radius, y + uy * radius},
                {x + ux * reach - uy * spread * side * 2, y + uy * reach + ux * spread * side * 2}},
               false,
               colour,
               side == 0 ? 1.5 : 1.0});
      }
      out.Discs.push_back({x, y, radius, colour, false, pickName});
      out.Discs.push_back({x, y, radius * 0.45, colour, true, pickName});
    } else {
      out.Discs.push_back({x, y, radius, colour, true, pickName});
    }
    if (!settings.PlanetNames || !sky::SmallBodyNamed(body.Magnitude, input.Zoom)) continue;
    const std::string name = sky::SmallBodyName(elements);
    const TextExtent extent = input.Measure.Extent(LabelStyle::Plain, name);
    const double gap = kNameGap * input.Unit;
    out.Names.push_back({name,
                         settings.PlanetNamesColor,
                         LabelStyle::Plain,
                         x,
                         {y - radius - gap - extent.Above, y + radius + gap + extent.Below}});
  }
}

}  // namespace render
