// The sky as the view's own native window puts it on the screen, which Mesa
// may rasterise otherwise than the offscreen frames of the other tests.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <vector>

#include "astro/angles.h"
#include "tests/render/sky_fixture.h"

namespace {

class SkyWindow : public SkyFixture {
 protected:
  // The view shown at width x height pixels after a frame, as the screen holds it.
  QImage Shown(int width, int height) {
    view_->resize(width, height);
    view_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
    QSignalSpy painted(view_.get(), &CSkyView::FramePainted);
    view_->Redraw();
    EXPECT_TRUE(painted.wait(5000));
    return QGuiApplication::primaryScreen()->grabWindow(view_->winId()).toImage();
  }
};

TEST_F(SkyWindow, TheMoonsGlowFadesEvenlyAwayFromItAtHighZoom) {
  // Krakow on 18 December 2026 at 18:00, zoomed in on the first-quarter
  // Moon at 48 degrees: its glow lies over the whole window in a shade or
  // two. Farther from the Moon the sky is never brighter than nearer in
  // (allowing for the mixed pixels where one shade meets the next).
  settings_.LatDeg = 50;
  settings_.LatMin = 4;
  settings_.NS = "N";
  settings_.LongDeg = 19;
  settings_.LongMin = 56;
  settings_.EW = "E";
  ThrowOnMissingCatalogue failure;
  doc_->OnNewDocument(failure, nullptr, astro::CivilTime{2026, 12, 18, 17, 0, 0});
  doc_->Settings().SkyColors = doc_->Settings().SolarSystem = doc_->Settings().HorizonMode = 1;
  doc_->Settings().MilkyWay = doc_->Settings().Boundaries = doc_->Settings().Constelations =
      doc_->Settings().Coordinations = 0;
  doc_->Settings().PlanetNames = 0;
  doc_->Limits.StarMagnitudeLimit = -10;
  const astro::PlanetState& moon = doc_->Sky.Bodies[astro::kMoon];
  const astro::HorizontalCoord at =
      doc_->Sky.AstroState.HorizonOf(moon.RightAscension, moon.Declination);
  for (const double zoom : {32.0, 64.0, 128.0}) {
    SCOPED_TRACE(zoom);
    view_->Zoom = zoom;
    view_->Geometry.ProjectionDirty = true;
    // The Moon's azimuth runs through the west, the camera's through the east.
    doc_->Settings().YRotation = at.Azimuth + 90;
    doc_->Settings().XRotation = -at.Altitude;
    const QImage image = Shown(1280, 933);
    double p[3], mx, my;
    doc_->DrawingPoint(moon.RightAscension, moon.Declination, p);
    ASSERT_TRUE(view_->Geometry.SkyToWindow(p[0], p[1], p[2], mx, my));
    // The darkest and the brightest blue at each whole distance from the
    // Moon, clear of its ball.
    const double ball = 0.4 * (933 / 2) * zoom * astro::kDegToRad;
    const auto reach = static_cast<std::size_t>(std::hypot(image.width(), image.height()) + 1);
    std::vector<int> darkest(reach, 256), brightest(reach, -1);
    for (int row = 0; row < image.height(); ++row)
      for (int col = 0; col < image.width(); ++col) {
        const double d = std::hypot(col + 0.5 - mx, image.height() - row - 0.5 - my);
        if (d < ball) continue;
        const int blue = image.pixelColor(col, row).blue();
        const auto k = static_cast<std::size_t>(d);
        darkest[k] = std::min(darkest[k], blue);
        brightest[k] = std::max(brightest[k], blue);
      }
    constexpr std::size_t kMixedRing = 40;
    int brighterFarther = 0, brightestBeyond = -1;
    for (std::size_t d = reach - kMixedRing; d-- > 0;) {
      brightestBeyond = std::max(brightestBeyond, brightest[d + kMixedRing]);
      brighterFarther += brightestBeyond > darkest[d] && darkest[d] < 256;
    }
    EXPECT_EQ(brighterFarther, 0);
  }
}

}  // namespace
