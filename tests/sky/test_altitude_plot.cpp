// The altitude plot's night at Krakow, 9 to 10 December 2026, refraction on:
// the curves against the almanac's rising, transit and setting, and the
// shading against its twilights and PyEphem 4.1.4's (test_tonight.cpp:
// sunset 14:38:10 UT, astronomical dusk 16:36:58 UT and dawn 04:28:49 UT
// on the 10th); the Sun that never rises and never sets at Tromso.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "astro/astro_state.h"
#include "sky/altitude_plot.h"
#include "sky/sky_doc.h"
#include "sky/tonight.h"

namespace {

constexpr double kMinute = 1.0 / 1440.0;

// UT Julian day of 2026-12-`day` at `hour`:`minute`:`second` UT.
double December2026(int day, int hour, int minute, int second) {
  return 2461375.5 + (day - 1) + (hour + (minute + second / 60.0) / 60.0) / 24.0;
}

// Where a curve crosses 0 degrees: upward (rising) or downward (setting).
std::vector<double> Crossings(const std::vector<sky::PlotSample>& curve, bool upward) {
  std::vector<double> at;
  for (std::size_t i = 1; i < curve.size(); ++i) {
    const sky::PlotSample &a = curve[i - 1], &b = curve[i];
    if ((a.Altitude < 0.0 && b.Altitude >= 0.0 && upward) ||
        (a.Altitude >= 0.0 && b.Altitude < 0.0 && !upward))
      at.push_back(a.At + a.Altitude / (a.Altitude - b.Altitude) * (b.At - a.At));
  }
  return at;
}

class AltitudePlotAtKrakow : public ::testing::Test {
 protected:
  void SetUp() override {
    settings_.LatDeg = 50;
    settings_.LatMin = 4;
    settings_.NS = std::string("N");
    settings_.LongDeg = 19;
    settings_.LongMin = 56;
    settings_.EW = std::string("E");
    settings_.TimeZoneId = "Europe/Warsaw";
    settings_.Refraction = 1;
    doc_ = std::make_unique<CSkyDoc>(settings_);
    doc_->Settings().Refraction = 1;
    doc_->SetDocumentTime(astro::CivilTime{2026, 12, 9, 20, 0, 0});
    doc_->UpdateSky();
  }
  sky::PlotTarget Vega() const { return {"Vega", -1, 18.61564, 38.78361}; }
  sky::PlotTarget Sun() const { return {"Sun", astro::kSun, 0.0, 0.0}; }

  AppSettings settings_;
  std::unique_ptr<CSkyDoc> doc_;
};

TEST_F(AltitudePlotAtKrakow, SpansNoonToNoonAroundTheInstantShown) {
  const sky::AltitudePlot plot = sky::AltitudePlotOf(*doc_, Vega());
  // Noon CET is 11:00 UT.
  EXPECT_NEAR(plot.Span.Start, December2026(9, 11, 0, 0), 1e-6);
  EXPECT_NEAR(plot.Span.End, December2026(10, 11, 0, 0), 1e-6);
  EXPECT_EQ(plot.Curve.size(), 289u);
  EXPECT_EQ(plot.Moon.size(), plot.Curve.size());
  ASSERT_TRUE(plot.Now);
  EXPECT_NEAR(*plot.Now, December2026(9, 19, 0, 0), 1e-6);
  // 02:00 on the 10th belongs to the same night.
  doc_->SetDocumentTime(astro::CivilTime{2026, 12, 10, 2, 0, 0});
  doc_->UpdateSky();
  EXPECT_NEAR(sky::AltitudePlotOf(*doc_, Vega()).Span.Start, plot.Span.Start, 1e-6);
}

// The curve's highest sample is the transit, its crossings of 0 degrees the
// rising and setting the almanac finds (the standard altitudes with
// refraction: -0°34' for a star, the Sun's upper limb at -0°50', which
// puts its centre's apparent 0° up to 3 minutes after sunrise and before
// sunset).
TEST_F(AltitudePlotAtKrakow, CurveMeetsTheAlmanac) {
  const sky::Observer night = sky::NightObserverOf(*doc_, {2026, 12, 9, 0, 0, 0});
  struct Case {
    sky::PlotTarget Target;
    astro::DayEvents Almanac;
    double CrossingTolerance;  // days
  };
  const Case cases[] = {
      {Vega(), sky::FixedDayEvents(night, 18.61564, 38.78361), 1.0 * kMinute},
      {Sun(), sky::BodyDayEvents(night, astro::kSun), 3.0 * kMinute},
  };
  for (const Case& c : cases) {
    const sky::AltitudePlot plot = sky::AltitudePlotOf(*doc_, c.Target);
    ASSERT_TRUE(c.Almanac.Rise && c.Almanac.Set) << c.Target.Name;
    const std::vector<double> rises = Crossings(plot.Curve, true);
    const std::vector<double> sets = Crossings(plot.Curve, false);
    ASSERT_EQ(rises.size(), 1u) << c.Target.Name;
    ASSERT_EQ(sets.size(), 1u) << c.Target.Name;
    EXPECT_NEAR(rises[0], *c.Almanac.Rise, c.CrossingTolerance) << c.Target.Name;
    EXPECT_NEAR(sets[0], *c.Almanac.Set, c.CrossingTolerance) << c.Target.Name;
    EXPECT_EQ(plot.Events.Rise, c.Almanac.Rise) << c.Target.Name;
    EXPECT_EQ(plot.Events.Set, c.Almanac.Set) << c.Target.Name;
  }
  // Both culminate in the window: Vega at 13:05 CET on the 9th, the Sun at
  // 11:33 CET on the 10th, half an hour before the plot ends.
  for (const sky::PlotTarget& target : {Vega(), Sun()}) {
    const sky::AltitudePlot plot = sky::AltitudePlotOf(*doc_, target);
    const sky::PlotSample* highest = &plot.Curve.front();
    for (const sky::PlotSample& s : plot.Curve)
      if (s.Altitude > highest->Altitude) highest = &s;
    ASSERT_TRUE(plot.Events.Transit) << target.Name;
    EXPECT_NEAR(highest->At, *plot.Events.Transit, sky::kPlotStepDays) << target.Name;
    EXPECT_GT(highest->At, plot.Span.Start) << target.Name;
    EXPECT_LT(highest->At, plot.Span.End) << target.Name;
  }
  // Vega's upper culmination: 90 - 50.07 + 38.78 degrees.
  const sky::AltitudePlot vega = sky::AltitudePlotOf(*doc_, Vega());
  EXPECT_NEAR(*sky::AltitudeAt(vega.Curve, *vega.Events.Transit), 78.72, 0.05);
}

// The shading's edges are the almanac's twilights of the night, each depth
// within the one before.
TEST_F(AltitudePlotAtKrakow, ShadingFollowsTheTwilights) {
  const sky::Tonight t = sky::TonightOf(*doc_);
  const sky::AltitudePlot plot = sky::AltitudePlotOf(*doc_, Vega());
  const sky::Observer night = sky::NightObserverOf(*doc_, {2026, 12, 9, 0, 0, 0});
  const astro::DayEvents civil = sky::TwilightDayEvents(night, astro::kCivilTwilight);
  const astro::DayEvents nautical = sky::TwilightDayEvents(night, astro::kNauticalTwilight);
  struct Case {
    sky::SunDepth Depth;
    std::optional<double> Dusk, Dawn;
  };
  const Case cases[] = {
      {sky::SunDepth::Horizon, t.SunsetAt, t.SunriseAt},
      {sky::SunDepth::Civil, civil.Set, civil.Rise},
      {sky::SunDepth::Nautical, t.NauticalDuskAt, nautical.Rise},
      {sky::SunDepth::Astronomical, t.AstronomicalDuskAt, t.AstronomicalDawnAt},
  };
  for (const Case& c : cases) {
    const std::vector<sky::PlotSpan>& spans = plot.SunBelow[static_cast<int>(c.Depth)];
    ASSERT_EQ(spans.size(), 1u) << static_cast<int>(c.Depth);
    ASSERT_TRUE(c.Dusk && c.Dawn);
    EXPECT_NEAR(spans[0].From, *c.Dusk, 1.0 / 86400.0);
    EXPECT_NEAR(spans[0].To, *c.Dawn, 1.0 / 86400.0);
  }
  for (int k = 1; k < sky::kSunDepths; ++k) {
    EXPECT_GT(plot.SunBelow[k][0].From, plot.SunBelow[k - 1][0].From) << k;
    EXPECT_LT(plot.SunBelow[k][0].To, plot.SunBelow[k - 1][0].To) << k;
  }
  // PyEphem's sunset and astronomical dusk and dawn, to a minute.
  EXPECT_NEAR(plot.SunBelow[0][0].From, December2026(9, 14, 38, 10), kMinute);
  EXPECT_NEAR(plot.SunBelow[3][0].From, December2026(9, 16, 36, 58), kMinute);
  EXPECT_NEAR(plot.SunBelow[3][0].To, December2026(10, 4, 28, 49), kMinute);
}

// The JSON --plot-altitude prints: the samples and the events as the plot has them.
TEST_F(AltitudePlotAtKrakow, JsonOfThePlot) {
  const std::string json = sky::AltitudePlotJson(sky::AltitudePlotOf(*doc_, Vega()));
  const char* parts[] = {
      "{\"name\":\"Vega\",\"date\":\"2026-12-09\",\"start\":\"2026-12-09T12:00:00+01:00\","
      "\"end\":\"2026-12-10T12:00:00+01:00\",\"stepMinutes\":5,\"altitudes\":[73.",
      "\"transitIso\":\"2026-12-09T13:05:",
      "\"transitAltitude\":78.7,",
      "\"astronomical\":[[\"2026-12-09T17:36:",
  };
  for (const char* part : parts)
    EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
  // One altitude a sample, for Vega and for the Moon.
  const std::size_t from = json.find("\"altitudes\":["), to = json.find(']', from);
  EXPECT_EQ(std::count(json.begin() + from, json.begin() + to, ','), 288);
  EXPECT_EQ(json.find("\"moon\":[]"), std::string::npos);
  EXPECT_NE(
      sky::AltitudePlotJson(sky::AltitudePlotOf(*doc_, {"Moon", astro::kMoon})).find("\"moon\":[]"),
      std::string::npos);
}

// Beyond the polar circle the Sun stays down all day in December (but
// comes within the civil twilight at noon) and up all night in June.
TEST(AltitudePlotSpans, PolarDayAndNight) {
  sky::Observer tromso;
  tromso.Latitude = 69.65;
  tromso.Longitude = -18.96;
  tromso.Clock.ZoneId = "Europe/Oslo";
  tromso.Refraction = true;
  struct Case {
    int Month, Day;
    std::size_t BelowHorizon, BelowCivil;
    bool Whole;  // the one span below the horizon is the whole plot
  };
  const Case cases[] = {{12, 20, 1, 1, true}, {6, 21, 0, 0, false}};
  for (const Case& c : cases) {
    const sky::LocalDay day = sky::LocalDayOf(tromso.Clock, 2026, c.Month, c.Day);
    tromso.Day = {day.Start + 0.5, day.End + 0.5};
    const sky::AltitudePlot plot =
        sky::AltitudePlotOf(tromso, {2026, c.Month, c.Day, 0, 0, 0}, {"Sun", astro::kSun}, 0.0);
    ASSERT_EQ(plot.SunBelow[0].size(), c.BelowHorizon) << c.Month;
    ASSERT_EQ(plot.SunBelow[1].size(), c.BelowCivil) << c.Month;
    EXPECT_FALSE(plot.Now);
    EXPECT_FALSE(plot.Moon.empty());
    if (c.Whole) {
      EXPECT_EQ(plot.SunBelow[0][0].From, tromso.Day.Start);
      EXPECT_EQ(plot.SunBelow[0][0].To, tromso.Day.End);
      // Around the noons the Sun is above -6 degrees: the civil span lies inside.
      EXPECT_GT(plot.SunBelow[1][0].From, tromso.Day.Start + 0.05);
      EXPECT_LT(plot.SunBelow[1][0].To, tromso.Day.End - 0.05);
    }
  }
}

TEST(AltitudePlotSpans, AltitudeBetweenSamples) {
  const std::vector<sky::PlotSample> curve = {{10.0, 0.0}, {10.5, 20.0}, {11.0, 10.0}};
  const struct {
    double At;
    std::optional<double> Want;
  } cases[] = {{9.99, std::nullopt}, {10.0, 0.0},  {10.25, 10.0},
               {10.75, 15.0},        {11.0, 10.0}, {11.01, std::nullopt}};
  for (const auto& c : cases) {
    const std::optional<double> got = sky::AltitudeAt(curve, c.At);
    ASSERT_EQ(got.has_value(), c.Want.has_value()) << c.At;
    if (got) {
      EXPECT_DOUBLE_EQ(*got, *c.Want) << c.At;
    }
  }
}

}  // namespace
