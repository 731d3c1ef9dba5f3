// Following an object while time runs, without a window.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/clock.h"
#include "sky/camera_math.h"
#include "sky/follow.h"
#include "sky/real_time.h"
#include "sky/search.h"
#include "sky/sky_doc.h"

namespace {

// Where J2000 place `at` stands in a 800 x 600 window at zoom 8 through
// the camera of the settings, pixels from the window's middle.
double PixelsFromMiddle(const CSkyDoc& doc, const astro::EquatorialCoord& at) {
  constexpr int kWidth = 800, kHeight = 600;
  constexpr double kZoom = 8;
  sky::ViewGeometry view;
  view.Viewport[2] = kWidth;
  view.Viewport[3] = kHeight;
  render::OrthoMatrix(render::SkyOrthoVolume(kWidth, kHeight, kZoom), view.Projection);
  view.Projection[10] = 2.0;
  render::CameraMatrix(doc.Settings().XRotation, doc.Settings().YRotation,
                       doc.Settings().HorizonMode != 0, doc.Sky.AstroState, view.Modelview);
  double p[3], x, y;
  doc.DrawingPoint(at.RightAscension, at.Declination, p);
  if (!view.SkyToWindow(p[0], p[1], p[2], x, y)) return 1e9;
  return std::hypot(x - kWidth / 2.0, y - kHeight / 2.0);
}

// Jupiter, followed for 100 steps of an hour in each chart mode, stays
// within a pixel of the middle while it is up; in local-horizon mode,
// once it has set, the view stays where it was.
TEST(Follow, TheObjectStaysAtTheMiddleAsTimeRuns) {
  for (const int horizonMode : {0, 1}) {
    AppSettings settings;
    settings.HorizonMode = horizonMode;
    CSkyDoc doc(settings);
    std::int64_t instant = astro::SecondsOfCivil({2026, 12, 9, 0, 0, 0});  // UT
    doc.SetInstant(instant);
    doc.UpdateSky();
    const sky::SkyObjectRef jupiter{sky::SkyObjectRef::Body, 5};
    EXPECT_FALSE(sky::StartFollowing(doc)) << "nothing selected";
    doc.Selected = jupiter;
    ASSERT_TRUE(sky::StartFollowing(doc)) << horizonMode;
    EXPECT_EQ(sky::FollowingText(doc), "Following Jupiter");
    int up = 0, down = 0;
    for (int step = 0; step < 100; ++step) {
      doc.SetInstant(instant += 3600);
      doc.UpdateSky();
      const CameraAngles before{doc.Settings().XRotation, doc.Settings().YRotation};
      sky::KeepFollowing(doc);
      const astro::EquatorialCoord at = sky::PlaceOf(doc, jupiter);
      if (!horizonMode || doc.HorizontalOf(at.RightAscension, at.Declination).Altitude >= 0) {
        EXPECT_LT(PixelsFromMiddle(doc, at), 1.0) << horizonMode << " step " << step;
        ++up;
      } else {
        EXPECT_EQ(doc.Settings().XRotation, before.XRotation) << step;
        EXPECT_EQ(doc.Settings().YRotation, before.YRotation) << step;
        ++down;
      }
    }
    EXPECT_GT(up, 20);
    if (horizonMode) {
      EXPECT_GT(down, 20) << "it set and rose in four days";
    }
    EXPECT_EQ(doc.Run.Following, 1);
  }
}

// Real time draws the sky again when a point of it moves by a pixel or the
// status bar's clock turns a minute, whichever comes first.
TEST(RealTime, TheSkyIsDrawnAgainWhenAPixelOrAMinuteHasPassed) {
  struct Row {
    bool HorizonMode;
    double PixelsPerRadian, SecondsIntoMinute, Seconds;
  };
  for (const Row& row :
       {Row{true, 450, 0, 30.47},                            // a 900-pixel window at zoom 1
        Row{true, 450, 50, 10},                              // the minute turns first
        Row{true, 450 * 256, 0, 1}, Row{false, 450, 0, 60},  // the Moon moves a pixel in 12 minutes
        Row{false, 450 * 256, 30, 2.79}, Row{true, 0, 0, 60}}) {
    EXPECT_NEAR(
        sky::SecondsUntilRedraw(row.HorizonMode, row.PixelsPerRadian, row.SecondsIntoMinute),
        row.Seconds, 0.01)
        << row.PixelsPerRadian << " " << row.SecondsIntoMinute;
  }
}
}  // namespace
