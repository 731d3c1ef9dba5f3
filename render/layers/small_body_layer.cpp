// The comets and minor planets down to their own magnitude limit: a minor
// planet is a point sized by its magnitude, a comet a small coma with a
// tail pointing away from the Sun, as long on the sky as its length in
// space makes it (sky::SmallBodyState::TailLength) and at least a few comas
// so that its direction shows. Both are picked by their discs and
// named under the planets' names, by the planets' switch, when bright
// enough for the zoom (sky::SmallBodyNamed).
#include <algorithm>
#include <cmath>

#include "astro/transforms.h"
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
// A coma is this much larger than a minor planet as bright. Its tail is
// at least this many comas long, in three strands: a short one spread by this
// much of the coma's radius, a long one fanning out by this much of its length.
constexpr double kComaScale = 1.6, kShortestTailComas = 4, kTailSpread = 0.5, kTailFan = 0.12;
// Steps along a long tail, which bends with the projection.
constexpr double kTailStep = 2 * astro::kDegToRad;
constexpr double kNameGap = 2;

// How large a body of magnitude `magnitude` is drawn under `limit`.
double RadiusOf(double magnitude, double limit) {
  return std::clamp(kFaintestRadius + kRadiusPerMagnitude * (limit - magnitude), kFaintestRadius,
                    kLargestRadius);
}

double Dot(const SpherePoint& a, const SpherePoint& b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The great circle from `from` to `to` (not opposite), in steps of kTailStep.
std::vector<SpherePoint> Arc(const SpherePoint& from, const SpherePoint& to) {
  const double angle = std::acos(std::clamp(Dot(from, to), -1.0, 1.0));
  const int steps = 1 + static_cast<int>(angle / kTailStep);
  std::vector<SpherePoint> points;
  for (int k = 0; k <= steps; ++k) {
    const double t = static_cast<double>(k) / steps;
    points.push_back({from[0] + t * (to[0] - from[0]), from[1] + t * (to[1] - from[1]),
                      from[2] + t * (to[2] - from[2])});
  }
  return points;
}

// A tail long enough to be drawn as the sky shows it: three strands from
// the nucleus `head` to its end `end` and to either side of it, fanning out,
// cut by the view's edge and the horizon as any line on the sky.
void AddLongTail(const LayerInput& input, const SpherePoint& head, const SpherePoint& end,
                 int colour, SkyPrimitives& out) {
  // Across the tail, perpendicular to the plane of head and end.
  SpherePoint across = {head[1] * end[2] - head[2] * end[1], head[2] * end[0] - head[0] * end[2],
                        head[0] * end[1] - head[1] * end[0]};
  const double norm = std::sqrt(Dot(across, across));
  if (!(norm > 1e-9)) return;  // the tail seen end-on: no side to spread to
  const double spread = kTailFan * std::acos(std::clamp(Dot(head, end), -1.0, 1.0)) / norm;
  for (const double side : {-1.0, 0.0, 1.0}) {
    SpherePoint tip;
    for (int i = 0; i < 3; ++i) tip[i] = end[i] + side * spread * across[i];
    AddSphereLine(input, Arc(head, tip), false, colour, side == 0 ? 1.5 : 1.0, out);
  }
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
    SpherePoint head;
    double x, y;
    doc.DrawingPoint(at.RightAscension, at.Declination, head.data());
    if (!input.View.SkyToWindow(head[0], head[1], head[2], x, y)) continue;
    double radius = RadiusOf(body.Magnitude, settings.SmallBodyMagnitudeLimit) * input.Unit;
    const unsigned pickName = sky::kSmallBodyNameFirst + static_cast<unsigned>(body.Index);
    const int colour = elements.Comet ? kCometColour : kMinorPlanetColour;
    if (elements.Comet) {
      radius *= kComaScale;
      SpherePoint end;
      doc.DrawingPoint(body.TailRa, body.TailDec, end.data());
      double tx, ty;
      const bool endSeen = input.View.SkyToWindow(end[0], end[1], end[2], tx, ty);
      const double length = endSeen ? std::hypot(tx - x, ty - y) : 0.0;
      const double shortest = kShortestTailComas * radius;
      if (!endSeen || length >= shortest) {
        AddLongTail(input, head, end, colour, out);
      } else if (length > 0) {
        // Too short to see: a stub along the direction its end is seen in.
        const double ux = (tx - x) / length, uy = (ty - y) / length;
        const double reach = shortest, spread = kTailSpread * radius;
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
