#include "render/sky_primitives.h"

#include <algorithm>
#include <cmath>

#include "sky/camera_math.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

double Dot(const SpherePoint& p, const double v[3]) {
  return p[0] * v[0] + p[1] * v[1] + p[2] * v[2];
}

// Where a point of the sphere stands on the surface; false when it is not a
// number or lies far outside the window. Unlike ViewGeometry::SkyToWindow it
// keeps a point on the rim itself, where a cut line ends.
bool Project(const sky::ViewGeometry& view, const SpherePoint& p, WindowPoint& at) {
  double win[3];
  if (!ProjectPoint(p[0], p[1], p[2], view.Modelview, view.Projection, view.Viewport, win))
    return false;
  const double far = sky::ViewGeometry::kMaxWindowDistance;
  if (!(std::abs(win[0]) <= far + view.Viewport[2] && std::abs(win[1]) <= far + view.Viewport[3]))
    return false;
  at = {win[0], win[1]};
  return true;
}

}  // namespace

void AddSphereLine(const LayerInput& input, const std::vector<SpherePoint>& points, bool closed,
                   int colour, double width, SkyPrimitives& out) {
  const double* m = input.View.Modelview;
  // The eye's depth axis: the far side has eye z above 0, where the sky's
  // projection cuts it off.
  const double depth[3] = {m[2], m[6], m[10]};
  const bool horizon = input.Doc.Settings().HorizonMode != 0;
  const double* zenith = input.Doc.Sky.AstroState.ZenithPoint;
  const std::size_t count = points.size();
  const std::size_t segments = closed ? count : (count == 0 ? 0 : count - 1);
  bool open = false;  // whether the last line goes on
  for (std::size_t k = 0; k < segments; ++k) {
    const SpherePoint &p = points[k], &q = points[(k + 1) % count];
    // The part [t0, t1] of p -> q on the near side and above the horizon.
    double t0 = 0, t1 = 1;
    const auto keepBelowZero = [&](double a, double b) {
      if (a > 0 && b > 0) return false;
      if (a > 0) t0 = std::max(t0, a / (a - b));
      if (b > 0) t1 = std::min(t1, a / (a - b));
      return true;
    };
    const bool seen = keepBelowZero(Dot(p, depth) + m[14], Dot(q, depth) + m[14]) &&
                      (!horizon || keepBelowZero(-Dot(p, zenith), -Dot(q, zenith))) && t0 <= t1;
    WindowPoint a, b;
    const auto along = [&](double t) {
      return SpherePoint{p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1]),
                         p[2] + t * (q[2] - p[2])};
    };
    if (!seen || !Project(input.View, along(t0), a) || !Project(input.View, along(t1), b)) {
      open = false;
      continue;
    }
    if (!open || t0 > 0) out.Lines.push_back({{a}, false, colour, width});
    out.Lines.back().Points.push_back(b);
    open = t1 == 1;
  }
}

std::vector<DiscHit> DiscsAt(const SkyPrimitives& primitives, double x, double y, double reach) {
  std::vector<DiscHit> hits;
  for (const SkyDisc& disc : primitives.Discs) {
    if (disc.PickName == 0) continue;
    const double distance = std::hypot(disc.X - x, disc.Y - y);
    if (distance > reach + std::max(disc.Radius, kSmallestDiscPick)) continue;
    const auto same = std::find_if(hits.begin(), hits.end(),
                                   [&disc](const DiscHit& h) { return h.Name == disc.PickName; });
    if (same == hits.end())
      hits.push_back({disc.PickName, distance});
    else
      same->Distance = std::min(same->Distance, distance);
  }
  return hits;
}

}  // namespace render
