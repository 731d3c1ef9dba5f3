// Sky colours, pane texts and the automatic magnitude limits: the arithmetic
// behind the view, without a window.
#include <gtest/gtest.h>

#include <memory>

#include "sky/pane_text.h"
#include "sky/sky_colour.h"
#include "sky/sky_doc.h"

namespace {

using render::ComputeSkyBackground;

TEST(SkyColour, FollowsTheSunsAltitude) {
  const auto colour = [](double sun) {
    const render::SkyBackground sky = ComputeSkyBackground(sun, -30, 1, true, 0, 5);
    return std::make_pair(sky.Green, sky.Blue);
  };
  EXPECT_EQ(colour(-6), std::make_pair(0, 152));
  EXPECT_EQ(colour(6), std::make_pair(191, 255));
  EXPECT_EQ(colour(40), std::make_pair(191, 255));
  EXPECT_EQ(colour(-18), std::make_pair(0, 0));
  EXPECT_EQ(colour(-60), std::make_pair(0, 0));
  EXPECT_EQ(colour(-12), std::make_pair(0, 76));
  EXPECT_EQ(colour(0), std::make_pair(95, 203));
  EXPECT_EQ(ComputeSkyBackground(6, -30, 1, true, 0, 5).Colour(), 255 * 65536 + 191 * 256);
}

TEST(SkyColour, MoonlightLiftsTheNightAndAnEclipseLowersTheDay) {
  // A full Moon high up: h = -12 * (1 - 1/6) = -10.
  const render::SkyBackground moonlit = ComputeSkyBackground(-12, 30, 1, true, 0, 5);
  EXPECT_DOUBLE_EQ(moonlit.SunAltitude, -10);
  // A new Moon (cos i = -1) or one below the horizon gives no light.
  EXPECT_DOUBLE_EQ(ComputeSkyBackground(-12, 30, -1, true, 0, 5).SunAltitude, -12);
  EXPECT_DOUBLE_EQ(ComputeSkyBackground(-12, -1, 1, true, 0, 5).SunAltitude, -12);
  // Without the solar system there is neither moonlight nor eclipse.
  EXPECT_DOUBLE_EQ(ComputeSkyBackground(-12, 30, 1, false, 0, 5).SunAltitude, -12);

  const render::SkyBackground eclipse = ComputeSkyBackground(30, -30, -1, true, 12, 5);
  EXPECT_TRUE(eclipse.Eclipse);
  EXPECT_DOUBLE_EQ(eclipse.SunAltitude, -6);  // clamped to 6, then 12 lower
  EXPECT_EQ(eclipse.Blue, 152);
  EXPECT_FALSE(ComputeSkyBackground(30, -30, -1, false, 12, 5).Eclipse);
}

TEST(SkyColour, DeepSkyLimitAndGlowFactors) {
  EXPECT_EQ(ComputeSkyBackground(-5, -30, 1, true, 0, 5).DeepSkyLimit, -5.0);
  EXPECT_EQ(ComputeSkyBackground(-6, -30, 1, true, 0, 5).DeepSkyLimit, -5.0);
  EXPECT_EQ(ComputeSkyBackground(-12, -30, 1, true, 0, 5).DeepSkyLimit, 1.0);
  EXPECT_EQ(ComputeSkyBackground(-20, -30, 1, true, 0, 5).DeepSkyLimit, 11.0);
  EXPECT_EQ(ComputeSkyBackground(-20, -30, 1, true, 0, 2).DeepSkyLimit, 8.0);

  EXPECT_DOUBLE_EQ(ComputeSkyBackground(3, -30, 1, true, 0, 5).DayFactor(), 1.0);
  EXPECT_DOUBLE_EQ(ComputeSkyBackground(-9, -30, 1, true, 0, 5).DayFactor(), 0.5);
  EXPECT_DOUBLE_EQ(ComputeSkyBackground(-9, -30, 1, true, 0, 5).TwilightFactor(), 0.5);
  EXPECT_DOUBLE_EQ(ComputeSkyBackground(0, -30, 1, true, 0, 5).TwilightFactor(), 0.5);
  EXPECT_DOUBLE_EQ(ComputeSkyBackground(-6, -30, 1, true, 0, 5).TwilightFactor(), 1.0);
  EXPECT_DOUBLE_EQ(ComputeSkyBackground(-14, -30, 1, true, 0, 5).TwilightFactor(), 0.0);
}

TEST(PaneText, CoordinatesAndTime) {
  EXPECT_EQ(RaPaneText(5.5), "RA 05h 30' 00\"");
  EXPECT_EQ(RaPaneText(23.999), "RA 23h 59' 56\"");
  EXPECT_EQ(DecPaneText(-5.0 - 3.0 / 60 - 2.5 / 3600), "DEC -05\u00b0 03' 02\"");
  EXPECT_EQ(DecPaneText(-0.5), "DEC -00\u00b0 30' 00\"");
  EXPECT_EQ(DecPaneText(45.25), "DEC 45\u00b0 15' 00\"");
  EXPECT_EQ(TimePaneText(12, 0), "12:00");
  EXPECT_EQ(TimePaneText(9, 5), "9:05");
}

TEST(AutoLimits, FollowTheZoomOnlyInAutomaticMode) {
  AppSettings settings;
  auto doc = std::make_unique<CSkyDoc>(settings);
  doc->UpdateAutoLimits(8);
  EXPECT_EQ(doc->Limits.StarMagnitudeLimit, 7.5) << "automatic mode is off";

  settings.AutoMode = 1;
  // Zooming in and out again: the limits reach the catalogues' depth at 64.
  const struct {
    double zoom, stars, deepSky;
    int starsIndex, deepSkyIndex;
  } steps[] = {{8, 6.5, 9, 11, 3},     {16, 8.0, 11, 14, 5},    {32, 10.0, 13, 18, 7},
               {64, 13.0, 16, 24, 10}, {256, 13.0, 16, 24, 10}, {16, 8.0, 11, 14, 5},
               {1, 5.0, 6, 8, 0},      {0.5, 5.0, 6, 8, 0}};
  for (const auto& s : steps) {
    doc->UpdateAutoLimits(s.zoom);
    EXPECT_EQ(doc->Limits.StarMagnitudeLimit, s.stars) << s.zoom;
    EXPECT_EQ(doc->Limits.DeepSkyMagnitudeLimit, s.deepSky) << s.zoom;
    EXPECT_EQ(settings.StarsLimit, s.starsIndex) << s.zoom;
    EXPECT_EQ(settings.DeepSkyLimit, s.deepSkyIndex) << s.zoom;
  }
}

TEST(AutoLimits, TheSavedZoomSetsThemAtStart) {
  AppSettings settings;
  settings.AutoMode = 1;
  settings.Zoom = 64;
  settings.StarsLimit = 0;
  EXPECT_EQ(CSkyDoc(settings).Limits.StarMagnitudeLimit, 13.0);
  settings.AutoMode = 0;
  settings.StarsLimit = 0;
  EXPECT_EQ(CSkyDoc(settings).Limits.StarMagnitudeLimit, 1.0) << "a set limit stays";
}

}  // namespace
