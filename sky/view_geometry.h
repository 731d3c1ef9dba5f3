// Where the sky of one drawing surface's last frame lies: its matrices and
// viewport. The sky view and an offscreen canvas each own one, which their
// frames write; the printed chart has its own for the page.
#pragma once

namespace sky {

struct ViewGeometry {
  // Half the width and height of the surface, pixels.
  int CentreX = 0, CentreY = 0;
  // Captured by the last frame (not by a selection pass). The projection's
  // element 10 is 2: window depth = eye z + 1, below 1 on the hemisphere
  // facing the viewer.
  double Modelview[16] = {};
  double Projection[16] = {};
  // x, y, width, height.
  int Viewport[4] = {};
  // The sky projection must be set again before the next frame.
  bool ProjectionDirty = false;

  // Nothing drawn further than this outside the viewport could be seen, and
  // the labels' integer arithmetic stays far from overflow there.
  static constexpr double kMaxWindowDistance = 1 << 20;

  // Model point -> GL window coordinates (y upwards); false when the point
  // lies on the hemisphere turned away from the viewer, and when the result
  // is not a number or lies more than kMaxWindowDistance pixels outside the viewport.
  bool SkyToWindow(double x, double y, double z, double& winX, double& winY) const;
  // The window depth of the sphere's surface under window point x, y at
  // `zoom` (from the point's distance to the centre against the disc's
  // radius); false outside the disc.
  bool DiscDepth(int x, int y, double zoom, double& winZ) const;
  // GL window coordinates (y upwards) -> the model point on the unit sphere
  // at `zoom`; false outside the sphere's disc.
  bool WindowToSphere(int x, int y, double zoom, double point[3]) const;
};

}  // namespace sky
