// The camera the printed chart looks through is the one the screen's frames
// are drawn with.
#include "sky/camera_math.h"
#include "tests/render/sky_fixture.h"

namespace {

using CameraMatrix = SkyFixture;

TEST_F(CameraMatrix, IsTheModelviewOfTheScreensFrame) {
  const struct {
    int HorizonMode;
    double XRotation, YRotation;
  } kCameras[] = {{0, 0, 270}, {0, 33.5, 12.25}, {0, 181, 300}, {1, -20, 270}, {1, 95, 40}};
  for (const auto& c : kCameras) {
    SCOPED_TRACE(c.HorizonMode);
    SCOPED_TRACE(c.XRotation);
    doc_->Settings().HorizonMode = c.HorizonMode;
    doc_->Settings().XRotation = c.XRotation;
    doc_->Settings().YRotation = c.YRotation;
    Render(64, 64);
    double m[16];
    render::CameraMatrix(c.XRotation, c.YRotation, c.HorizonMode != 0, doc_->Sky.AstroState, m);
    // GL keeps its matrices in single precision.
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(m[i], view_->Geometry.Modelview[i], 1e-6) << i;
  }
}

}  // namespace
