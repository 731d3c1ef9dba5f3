#include "sky/view_geometry.h"

#include <algorithm>
#include <cmath>

#include "sky/camera_math.h"

namespace sky {

bool ViewGeometry::DiscDepth(int x, int y, double zoom, double& winZ) const {
  const double dx = x - CentreX;
  const double dy = y - CentreY;
  const double radius = (std::min(Viewport[2], Viewport[3]) / 2) * zoom;
  if (radius <= 0) return false;
  const double q = (dx * dx + dy * dy) / (radius * radius);
  if (1 - q < 0) return false;
  winZ = 1 - std::sqrt(1 - q);
  return true;
}

bool ViewGeometry::WindowToSphere(int x, int y, double zoom, double point[3]) const {
  double winZ;
  return DiscDepth(x, y, zoom, winZ) &&
         render::UnProjectPoint(x, y, winZ, Modelview, Projection, Viewport, point);
}

bool ViewGeometry::SkyToWindow(double x, double y, double z, double& winX, double& winY) const {
  double win[3];
  if (!render::ProjectPoint(x, y, z, Modelview, Projection, Viewport, win)) return false;
  if (win[2] >= 1.0) return false;
  // Comparisons with NaN are false: not-a-number results are refused too.
  const bool near = win[0] >= Viewport[0] - kMaxWindowDistance &&
                    win[0] <= Viewport[0] + Viewport[2] + kMaxWindowDistance &&
                    win[1] >= Viewport[1] - kMaxWindowDistance &&
                    win[1] <= Viewport[1] + Viewport[3] + kMaxWindowDistance;
  if (!near) return false;
  winX = win[0];
  winY = win[1];
  return true;
}

}  // namespace sky
