// The altitude plot's drawing at Krakow, 9 to 10 December 2026: the hours of
// the place's clock (also on the nights the clocks change), the shading's
// edges at the almanac's twilights, the curve cut at the horizon where the
// almanac has the object rise and set, and the texts read off it.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "astro/astro_state.h"
#include "print/altitude_plot_geometry.h"
#include "sky/sky_doc.h"
#include "sky/tonight.h"

namespace {

constexpr double kMinute = 1.0 / 1440.0;

class AltitudePlotDrawing : public ::testing::Test {
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
    plot_ = sky::AltitudePlotOf(*doc_, {"Vega", -1, 18.61564, 38.78361});
    g_ = print::LayoutAltitudePlot(plot_, "Poland:Krakow", 1200, 700);
  }
  std::vector<const print::PlotRect*> Rects(print::PlotInk ink) const {
    std::vector<const print::PlotRect*> found;
    for (const print::PlotRect& r : g_.Rects)
      if (r.Ink == ink && r.Y == g_.Area.Y) found.push_back(&r);
    return found;
  }
  bool HasText(const std::string& text) const {
    return std::any_of(g_.Texts.begin(), g_.Texts.end(),
                       [&text](const print::PlotText& t) { return t.Text == text; });
  }

  AppSettings settings_;
  std::unique_ptr<CSkyDoc> doc_;
  sky::AltitudePlot plot_;
  print::PlotGeometry g_;
};

TEST(AltitudePlotHours, WholeHoursOfThePlacesClock) {
  struct Case {
    const char* Zone;
    int Month, Day;
    std::vector<int> Hours;
  };
  std::vector<int> normal;
  for (int h = 0; h <= 24; ++h) normal.push_back((12 + h) % 24);
  std::vector<int> spring = normal;  // 02:00 CET is 03:00 CEST on 29 March
  spring.erase(std::find(spring.begin(), spring.end(), 2));
  std::vector<int> autumn = normal;  // 03:00 CEST is 02:00 CET again on 25 October
  autumn.insert(std::find(autumn.begin(), autumn.end(), 3), 2);
  const Case cases[] = {
      {"Europe/Warsaw", 12, 9, normal},
      {"Europe/Warsaw", 3, 28, spring},
      {"Europe/Warsaw", 10, 24, autumn},
      {"Asia/Kathmandu", 12, 9, normal},
  };
  for (const Case& c : cases) {
    sky::ClockRules rules;
    rules.ZoneId = c.Zone;
    const auto noon = [&rules](int month, int day) {
      return sky::JulianDayOfSeconds(
          sky::ResolveLocalTime(rules, {2026, month, day, 12, 0, 0}).UtSeconds);
    };
    const sky::LocalDay span{noon(c.Month, c.Day), noon(c.Month, c.Day + 1)};
    const std::vector<print::ClockHour> hours = print::ClockHoursOf(span, rules);
    std::vector<int> got;
    for (const print::ClockHour& h : hours) got.push_back(h.Hour);
    EXPECT_EQ(got, c.Hours) << c.Zone << " " << c.Month;
    EXPECT_NEAR(hours.front().At, span.Start, 1e-9) << c.Zone;
    EXPECT_NEAR(hours.back().At, span.End, 1e-9) << c.Zone;
  }
}

// The shades begin and end where the almanac's twilights do, to a second.
TEST_F(AltitudePlotDrawing, ShadesEndAtTheAlmanacsTwilights) {
  const sky::Tonight t = sky::TonightOf(*doc_);
  const struct {
    print::PlotInk Ink;
    std::optional<double> From, To;
  } cases[] = {
      {print::PlotInk::CivilTwilight, t.SunsetAt, t.SunriseAt},
      {print::PlotInk::AstronomicalTwilight, t.NauticalDuskAt, std::nullopt},
      {print::PlotInk::Night, t.AstronomicalDuskAt, t.AstronomicalDawnAt},
  };
  for (const auto& c : cases) {
    const std::vector<const print::PlotRect*> rects = Rects(c.Ink);
    ASSERT_EQ(rects.size(), 1u) << static_cast<int>(c.Ink);
    const std::optional<double> from = print::InstantAtX(g_, rects[0]->X);
    const std::optional<double> to = print::InstantAtX(g_, rects[0]->X + rects[0]->Width);
    ASSERT_TRUE(from && to);
    EXPECT_NEAR(*from, *c.From, 1.0 / 86400.0);
    if (c.To) {
      EXPECT_NEAR(*to, *c.To, 1.0 / 86400.0);
    }
    EXPECT_EQ(rects[0]->Height, g_.Area.Height);
  }
  // Each darker shade inside the lighter one.
  const print::PlotRect* civil = Rects(print::PlotInk::CivilTwilight)[0];
  const print::PlotRect* night = Rects(print::PlotInk::Night)[0];
  EXPECT_GT(night->X, civil->X);
  EXPECT_LT(night->X + night->Width, civil->X + civil->Width);
}

// Vega sets and rises in the night: two runs of the curve, ending and
// beginning on the horizon within a minute of the almanac's events.
TEST_F(AltitudePlotDrawing, CurveIsCutAtTheHorizon) {
  std::vector<const print::PlotPolyline*> runs;
  for (const print::PlotPolyline& line : g_.Lines)
    if (line.Ink == print::PlotInk::Curve && line.Points.size() > 2) runs.push_back(&line);
  ASSERT_EQ(runs.size(), 2u);
  const double floor = g_.Area.Y + g_.Area.Height;
  const print::PlotPoint set = runs[0]->Points.back(), rise = runs[1]->Points.front();
  EXPECT_DOUBLE_EQ(set.Y, floor);
  EXPECT_DOUBLE_EQ(rise.Y, floor);
  ASSERT_TRUE(plot_.Events.Set && plot_.Events.Rise);
  EXPECT_NEAR(*print::InstantAtX(g_, set.X), *plot_.Events.Set, kMinute);
  EXPECT_NEAR(*print::InstantAtX(g_, rise.X), *plot_.Events.Rise, kMinute);
  for (const print::PlotPolyline* run : runs)
    for (const print::PlotPoint& p : run->Points) {
      EXPECT_GE(p.X, g_.Area.X - 1e-9);
      EXPECT_LE(p.X, g_.Area.X + g_.Area.Width + 1e-9);
      EXPECT_GE(p.Y, g_.Area.Y);
      EXPECT_LE(p.Y, floor);
    }
  // The Moon is up only at the ends: two runs of its own.
  EXPECT_EQ(std::count_if(g_.Lines.begin(), g_.Lines.end(),
                          [](const print::PlotPolyline& l) {
                            return l.Ink == print::PlotInk::MoonCurve && l.Points.size() > 2;
                          }),
            2);
}

TEST_F(AltitudePlotDrawing, TextsOfTheTransitTheTimeShownAndThePointer) {
  EXPECT_TRUE(HasText("Vega from Poland:Krakow, the night of 2026-12-09"));
  EXPECT_TRUE(HasText("Transit 13:05 CET, 78.7\xC2\xB0"));
  EXPECT_TRUE(HasText("Shown 20:00 CET"));
  EXPECT_TRUE(HasText("Time at the place (CET)"));
  EXPECT_TRUE(HasText("12") && HasText("00") && HasText("90"));

  const std::string atTransit = print::PlotReadout(plot_, *plot_.Events.Transit);
  EXPECT_EQ(atTransit.rfind("13:05 CET: Vega 78.7\xC2\xB0, Moon ", 0), 0u) << atTransit;
  EXPECT_EQ(print::PlotReadout(plot_, plot_.Span.End + kMinute), "");
  const sky::AltitudePlot moon = sky::AltitudePlotOf(*doc_, {"Moon", astro::kMoon});
  EXPECT_TRUE(moon.Moon.empty());
  EXPECT_EQ(print::PlotReadout(moon, moon.Span.Start).rfind("12:00 CET: Moon ", 0), 0u);
  EXPECT_EQ(print::PlotReadout(moon, moon.Span.Start).find(", Moon"), std::string::npos);
}

}  // namespace
