// The Tonight list for one evening at Krakow, 9 December 2026, against
// PyEphem 4.1.4 (no refraction, horizons -0:50 for the Sun, -18 degrees for
// the twilight, -0:34 for the Moon's upper limb and the planets): sunset
// 14:38:10 UT, astronomical dusk 16:36:58 and dawn 04:28:49 UT, moonset
// 14:23 UT, moonrise 08:08 UT the next morning (the Moon down all night),
// Jupiter rising 20:14:36 UT, Saturn setting 00:05:49 UT, Mercury rising
// after the nautical dawn (below the horizon all night); at dusk Vega
// stands 41.8 degrees high, Capella 32.4, M 31 71.6, Sirius and M 42 below
// the horizon, and the Moon is 0.0053 lit. Vega sets next at 23:17:55 UT,
// rises at 00:48:19 UT and crosses the meridian at 12:01:09 UT.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "sky/object_info.h"
#include "sky/sky_doc.h"
#include "sky/tonight.h"

namespace {

class TonightList : public ::testing::Test {
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
    struct Star {
      int Hr;
      const char* Name;
      double Ra, Dec, Magnitude;
    };
    const Star stars[] = {{7001, "Vega", 18.61564, 38.78361, 0.03},
                          {1708, "Capella", 5.27817, 45.99806, 0.08},
                          {2491, "Sirius", 6.75247, -16.71611, -1.46}};
    for (int i = 0; i < 3; ++i) {
      doc_->Sky.Stars[i] = {};
      doc_->Sky.Stars[i].HR = stars[i].Hr;
      doc_->Sky.Stars[i].RightAscension = static_cast<float>(stars[i].Ra);
      doc_->Sky.Stars[i].Declination = static_cast<float>(stars[i].Dec);
      doc_->Sky.Stars[i].Magnitude = static_cast<float>(stars[i].Magnitude);
      doc_->Sky.ProperNames[i] = {};
      doc_->Sky.ProperNames[i].HR = stars[i].Hr;
      std::strncpy(doc_->Sky.ProperNames[i].Name, stars[i].Name,
                   sizeof doc_->Sky.ProperNames[i].Name);
    }
    DeepSkyRecord& m31 = doc_->Sky.DeepSkyObjects[30];
    m31.Number = 31;
    m31.RightAscension = 0.71222f;
    m31.Declination = 41.26917f;
    m31.Magnitude = 3.4f;
    std::memcpy(m31.Type, "GALXY", 5);
    DeepSkyRecord& m42 = doc_->Sky.DeepSkyObjects[41];
    m42.Number = 42;
    m42.RightAscension = 5.58806f;
    m42.Declination = -5.39111f;
    m42.Magnitude = 4.0f;
  }
  AppSettings settings_;
  std::unique_ptr<CSkyDoc> doc_;
};

TEST_F(TonightList, EveningAtKrakow) {
  const sky::Tonight t = sky::TonightOf(*doc_);
  const struct {
    std::string Got;
    const char* Want;
  } texts[] = {
      {t.Sunset, "15:38 CET"},
      {t.AstronomicalDusk, "17:37 CET"},
      {t.AstronomicalDawn, "05:29 CET 10 Dec"},
      {t.HourText, "17:37 CET"},
      {t.Moonset, "15:23 CET"},
      {t.Moonrise, "09:08 CET 10 Dec"},
      {t.DarkHours, "17:37 CET - 05:29 CET 10 Dec (11 h 52 min)"},
  };
  for (const auto& text : texts) EXPECT_EQ(text.Got, text.Want);

  ASSERT_EQ(t.Planets.size(), 6u);
  const auto planet = [&t](const char* name) {
    return *std::find_if(t.Planets.begin(), t.Planets.end(),
                         [name](const sky::TonightRow& r) { return r.Name == name; });
  };
  EXPECT_EQ(planet("Jupiter").Rise, "21:15 CET");
  EXPECT_EQ(planet("Saturn").Set, "01:06 CET 10 Dec");
  // Venus rises in the night (PyEphem 02:22:59 UT): its set is the one after
  // (12:46:45 UT), not the afternoon's before the night (12:48:34 UT the 9th).
  EXPECT_EQ(planet("Venus").Rise, "03:23 CET 10 Dec");
  EXPECT_EQ(planet("Venus").Set, "13:47 CET 10 Dec");
  // Saturn is highest at the end of the nautical twilight, Jupiter after
  // midnight, when it crosses the meridian.
  EXPECT_LT(planet("Saturn").Instant, planet("Jupiter").Instant);
  EXPECT_GT(planet("Jupiter").Altitude, 40.0);

  std::vector<std::string> names;
  for (const sky::TonightRow& r : t.Objects) names.push_back(r.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Vega", "Capella", "M 31"}));
  EXPECT_NEAR(t.Objects[0].Altitude, 41.81, 0.05);
  EXPECT_NEAR(t.Objects[2].Altitude, 71.60, 0.05);
}

// Each list holds what it claims, with numbers taken from the computation.
TEST_F(TonightList, TheListsHoldWhatTheyClaim) {
  const sky::Tonight dusk = sky::TonightOf(*doc_);
  for (const double hour : {dusk.Hour, dusk.Hour + 0.15, dusk.Hour + 0.3}) {
    const sky::Tonight t = sky::TonightOf(*doc_, hour);
    for (const sky::TonightRow& r : t.Objects)
      EXPECT_GE(r.Altitude, sky::kTonightAltitude) << r.Name;
    for (const sky::TonightRow& r : t.Planets) {
      EXPECT_NE(r.Name, "Mercury");
      EXPECT_GE(r.Altitude, 0.0) << r.Name;
      EXPECT_EQ(r.Magnitude, sky::PlanetFiguresOf(*doc_, r.Body).Magnitude) << r.Name;
    }
  }
  // The Moon's lit fraction: the cards' rule, and PyEphem's.
  EXPECT_NEAR(dusk.MoonIlluminated, 0.0053, 0.0005);
  doc_->SetInstant(sky::SecondsOfJulianDay(dusk.Hour));
  doc_->UpdateSky();
  EXPECT_NEAR(dusk.MoonIlluminated, doc_->Sky.AstroState.MoonIlluminated, 1e-6);
}

// A damaged name still makes valid JSON.
TEST_F(TonightList, NamesAreEscapedInTheJson) {
  std::memcpy(doc_->Sky.ProperNames[0].Name, "Ve\x01g\"a", 6);
  const std::string json = sky::TonightJson(sky::TonightOf(*doc_), ClockRulesOf(settings_));
  EXPECT_NE(json.find("\"name\":\"Ve\\u0001g\\\"a\""), std::string::npos) << json;
}

// A card gives the next rising, transit and setting from the instant shown,
// in the order they come, dated when not on the day shown.
TEST_F(TonightList, TheCardsGiveTheNextEventsInTheirOrder) {
  const sky::StarCard vega = sky::StarCardOf(*doc_, 0);
  EXPECT_EQ(vega.RiseSet.Set, "00:18 CET 10 Dec");
  EXPECT_EQ(vega.RiseSet.Rise, "01:48 CET 10 Dec");
  EXPECT_EQ(vega.RiseSet.Transit, "13:01 CET 10 Dec");
  const sky::RiseSetEvent order[] = {sky::RiseSetEvent::Set, sky::RiseSetEvent::Rise,
                                     sky::RiseSetEvent::Transit};
  EXPECT_TRUE(std::equal(std::begin(order), std::end(order), std::begin(vega.RiseSet.Order)));
  EXPECT_EQ(vega.RiseSet.SetIso.substr(0, 18), "2026-12-10T00:17:5");
}

// A later hour picked by the user: Capella has climbed and Vega sunk.
TEST_F(TonightList, AtAnHourPicked) {
  const sky::Tonight dusk = sky::TonightOf(*doc_);
  const sky::Tonight late = sky::TonightOf(*doc_, dusk.Hour + 4.0 / 24.0);
  EXPECT_EQ(late.HourText, "21:37 CET");
  const auto altitude = [](const sky::Tonight& t, const char* name) {
    return std::find_if(t.Objects.begin(), t.Objects.end(),
                        [name](const sky::TonightRow& r) { return r.Name == name; })
        ->Altitude;
  };
  EXPECT_GT(altitude(late, "Capella"), altitude(dusk, "Capella") + 20.0);
  EXPECT_TRUE(std::none_of(late.Objects.begin(), late.Objects.end(),
                           [](const sky::TonightRow& r) { return r.Name == "Vega"; }));
  EXPECT_NE(sky::TonightJson(late, ClockRulesOf(settings_)).find("\"hour\":\"21:37 CET\""),
            std::string::npos);
}

// After midnight the night is still the one that began the evening before.
TEST_F(TonightList, AfterMidnightTheNightGoesOn) {
  doc_->SetDocumentTime(astro::CivilTime{2026, 12, 10, 4, 22, 0});
  doc_->UpdateSky();
  EXPECT_EQ(sky::TonightOf(*doc_).Sunset, "15:38 CET");
  const astro::CivilTime evening = sky::EveningOf({2027, 1, 1, 11, 59, 0});
  EXPECT_EQ(evening, (astro::CivilTime{2026, 12, 31, 0, 0, 0}));
}

}  // namespace

class NoMissingFile : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char*) override { std::abort(); }
  void DamagedFile(const char*, const std::string&) override { std::abort(); }
};

// Hale-Bopp at its brightest, 1 April 1997 at 17:40 UT from Krakow: among
// the objects high at that hour, where PyEphem 4.1.4 puts it from the
// bundled elements (34.68 degrees high at azimuth 296.86, no refraction),
// and never setting there (PyEphem: always up). The comets and minor
// planets listed are as bright as their layer's limit, at most
// kTonightObjects of them, and fewer the brighter the limit.
TEST(TonightSmallBodies, CometsAndMinorPlanetsBrighterThanTheLimit) {
  AppSettings settings;
  settings.LatDeg = 50;
  settings.LatMin = 4;
  settings.NS = std::string("N");
  settings.LongDeg = 19;
  settings.LongMin = 56;
  settings.EW = std::string("E");
  settings.TimeZoneId = "Europe/Warsaw";
  settings.Refraction = 0;
  CSkyDoc doc(settings, catalog::DataFiles{STELLIX_SOURCE_DATA_DIR});
  NoMissingFile failure;
  doc.LoadSmallBodies(failure);
  doc.SetDocumentTime(astro::CivilTime{1997, 4, 1, 21, 0, 0});
  constexpr double kHour = 2450540.2361111;  // 17:40 UT
  std::size_t brighter = 0;
  for (const double limit : {0.0, 9.0, 14.0}) {
    doc.Settings().SmallBodyMagnitudeLimit = limit;
    doc.UpdateSky();
    const sky::Tonight t = sky::TonightOf(doc, kHour);
    std::size_t listed = 0;
    const sky::TonightRow* comet = nullptr;
    for (const sky::TonightRow& r : t.Objects) {
      if (r.SmallBody < 0) continue;
      ++listed;
      EXPECT_LE(r.Magnitude, limit) << r.Name;
      EXPECT_GE(r.Altitude, sky::kTonightAltitude) << r.Name;
      EXPECT_EQ(r.Kind, doc.Catalogues.SmallBodies[r.SmallBody].Comet ? "Comet" : "Minor planet");
      if (r.Name == "C/1995 O1 (Hale-Bopp)") comet = &r;
    }
    EXPECT_LE(listed, static_cast<std::size_t>(sky::kTonightObjects)) << limit;
    EXPECT_GE(listed, brighter) << limit;
    brighter = listed;
    ASSERT_NE(comet, nullptr) << limit;
    EXPECT_NEAR(comet->Altitude, 34.68, 0.05);
    EXPECT_NEAR(comet->Azimuth, 296.86, 0.05);
    EXPECT_FALSE(comet->RiseAt || comet->SetAt);
    EXPECT_EQ(comet->Rise, sky::kAlwaysAbove);
    if (limit == 0.0) {
      EXPECT_EQ(listed, 1u) << "Hale-Bopp alone";
    }
  }
  EXPECT_GT(brighter, 1u) << "fainter bodies join under a fainter limit";
}
