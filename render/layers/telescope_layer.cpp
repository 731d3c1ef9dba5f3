// The telescope's reticle: where the connected mount points, two rings and
// four ticks, with the device's name above; drawn over the sky, never picked.
#include <cmath>
#include <numbers>
#include <utility>

#include "render/sky_primitives.h"
#include "sky/mount_target.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// Bright rose, apart from every colour of the sky's own and from the fields' amber.
constexpr int kReticleColour = 0x8040FF;
constexpr double kLineWidth = 1.5;
// Logical pixels: the rings' radii and the ticks' ends.
constexpr double kInnerRing = 10, kOuterRing = 22, kTickStart = 14, kTickEnd = 30;
constexpr int kRingSegments = 48;
constexpr double kNameGap = 6;

}  // namespace

bool TelescopeWindowPoint(const LayerInput& input, double& x, double& y) {
  const std::optional<astro::EquatorialCoord> place = sky::TelescopePlace(input.Doc);
  if (!place) return false;
  double p[3];
  input.Doc.DrawingPoint(place->RightAscension, place->Declination, p);
  return input.View.SkyToWindow(p[0], p[1], p[2], x, y);
}

void DescribeTelescope(const LayerInput& input, SkyPrimitives& out) {
  double cx = 0, cy = 0;
  if (!TelescopeWindowPoint(input, cx, cy)) return;
  const double unit = input.Unit;
  for (const double radius : {kInnerRing, kOuterRing}) {
    SkyLine ring{{}, true, kReticleColour, kLineWidth};
    for (int i = 0; i < kRingSegments; ++i) {
      const double a = 2 * std::numbers::pi * i / kRingSegments;
      ring.Points.push_back({cx + radius * unit * std::cos(a), cy + radius * unit * std::sin(a)});
    }
    out.Lines.push_back(std::move(ring));
  }
  for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
    out.Lines.push_back({{{cx + dx * kTickStart * unit, cy + dy * kTickStart * unit},
                          {cx + dx * kTickEnd * unit, cy + dy * kTickEnd * unit}},
                         false,
                         kReticleColour,
                         kLineWidth});
  const double top = cy + (kTickEnd + kNameGap) * unit;
  const std::string& name = input.Doc.Telescope.Device;
  const double below =
      cy - (kTickEnd + kNameGap) * unit - input.Measure.Extent(LabelStyle::Plain, name).Above;
  out.Names.push_back({name, kReticleColour, LabelStyle::Plain, cx, {top, below}});
}

}  // namespace render
