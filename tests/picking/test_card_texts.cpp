// The texts of the information cards, the walk over a pick's hits, the
// name lookup, the recent-file list and the picture lookup: everything a
// right click and File Open decide without a window.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "sky/object_info.h"
#include "sky/object_names.h"
#include "sky/pick_walk.h"
#include "sky/profile.h"
#include "sky/recent_files.h"
#include "sky/sky_doc.h"
#include "tests/test_files.h"

namespace {

using sky::PickHit;
using sky::PickStep;

// A document at a fixed instant with no catalogue loaded: tests fill the
// records they need.
class CardTexts : public ::testing::Test {
 protected:
  void SetUp() override {
    settings_.TimeZone = 0;
    settings_.DaylightSavingTime = 0;
    settings_.TimeZoneId.clear();
    doc_ = std::make_unique<CSkyDoc>(settings_);
    doc_->SetDocumentTime(astro::CivilTime{2026, 3, 20, 22, 0, 0});
    doc_->UpdateSky();
  }
  StarRecord& Star(const char* designation, double ra, double dec) {
    StarRecord& s = doc_->Sky.Stars[0];
    std::memcpy(s.Designation, designation, 11);
    s.RightAscension = static_cast<float>(ra);
    s.Declination = static_cast<float>(dec);
    s.Magnitude = 1.25f;
    s.SpectralClass = 'K';
    s.HR = 1234;
    // As if the file had it: its J2000 place is the record's.
    doc_->Sky.CatalogueMotion.Keep(doc_->Sky, doc_->Catalogues.StarMotions);
    return s;
  }
  AppSettings settings_;
  std::unique_ptr<CSkyDoc> doc_;
};

TEST(AngleTexts, SignsSecondsAndPadding) {
  struct Case {
    double degrees;
    const char *whole, *minutes, *seconds;
  } const declinations[] = {
      {-0.5, "-0\xC2\xB0", "30'", "0\""},
      {0.5, "0\xC2\xB0", "30'", "0\""},
      {-16.7161, "-16\xC2\xB0", "42'", "57\""},
      {static_cast<float>(-16.716111), "-16\xC2\xB0", "42'", "58\""},
      {89.2641667, "89\xC2\xB0", "15'", "51\""},
  };
  for (const Case& c : declinations) {
    const sky::AngleTexts t = sky::DeclinationTexts(c.degrees, true);
    EXPECT_EQ(t.Whole, c.whole) << c.degrees;
    EXPECT_EQ(t.Minutes, c.minutes) << c.degrees;
    EXPECT_EQ(t.Seconds, c.seconds) << c.degrees;
  }
  const sky::AngleTexts sirius = sky::RightAscensionTexts(6.752472222, true);
  EXPECT_EQ(sirius.Whole + sirius.Minutes + sirius.Seconds, "6h45' 8.9\"");
  // Seconds are not carried into minutes.
  EXPECT_EQ(sky::RightAscensionTexts(1 + 59.0 / 60 + 59.96 / 3600, true).Seconds, "60.0\"");
  EXPECT_TRUE(sky::DeclinationTexts(-20.5, false).Seconds.empty());
  EXPECT_EQ(sky::HorizonAngleText(5.0), "5.00\xC2\xB0");
}

TEST_F(CardTexts, StarFieldsFromTheRecord) {
  struct Case {
    const char* designation;
    const char *flamsteed, *bayer;
  } const cases[] = {
      {" 20Eps Sgr", "20 Sgr", "Epsilon Sgr"},
      {"   Alp1Cen", "", "Alpha1 Cen"},
      {"          ", "", ""},
      {"  9    Aur", "9 Aur", ""},
      {"   Xyz Ori", "", "Xyz Ori"},
  };
  for (const Case& c : cases) {
    Star(c.designation, 3.0, -0.5);
    const sky::StarCard card = sky::StarCardOf(*doc_, 0);
    EXPECT_EQ(card.Flamsteed, c.flamsteed) << c.designation;
    EXPECT_EQ(card.Bayer, c.bayer) << c.designation;
  }
  const sky::StarCard card = sky::StarCardOf(*doc_, 0);
  EXPECT_EQ(card.Hr, "1234");
  EXPECT_EQ(card.Dec.Whole + card.Dec.Minutes + card.Dec.Seconds,
            "-0\xC2\xB0"
            "30'0\"");
  EXPECT_EQ(card.Magnitude, "1.25");
  EXPECT_EQ(card.Spectrum, "K");
  EXPECT_EQ(card.Name, "") << "no proper name has HR 1234";
  std::memcpy(doc_->Sky.ProperNames[5].Name, "Testar", 7);
  doc_->Sky.ProperNames[5].HR = 1234;
  EXPECT_EQ(sky::StarCardOf(*doc_, 0).Name, "Testar");
}

TEST_F(CardTexts, AltitudeAndAzimuthAreAsShownAndCountedFromTheNorth) {
  // The place that culminates now stands due south: azimuth 180 from the north.
  const astro::EquatorialCoord south = doc_->Sky.AstroState.SkyAt(0.0, 30.0);
  Star("          ", south.RightAscension, south.Declination);
  sky::StarCard card = sky::StarCardOf(*doc_, 0);
  EXPECT_EQ(card.Altitude, "30.00\xC2\xB0");
  EXPECT_EQ(card.Azimuth, "180.00\xC2\xB0");
  // In local-horizon mode with refraction the card shows the lifted altitude.
  doc_->Settings().HorizonMode = 1;
  doc_->Settings().Refraction = 1;
  card = sky::StarCardOf(*doc_, 0);
  EXPECT_EQ(card.Altitude, "30.03\xC2\xB0");
}

TEST_F(CardTexts, MoonMagnitudeDistanceAndAstrometricPlace) {
  astro::PlanetState& moon = doc_->Sky.Bodies[astro::kMoon];
  moon.GeoDistance = 384400;
  struct Case {
    double cosine;
    const char *illuminated, *magnitude;
  } const phases[] = {{1.0, "1.00", "-11.70"}, {0.1, "0.55", "-10.45"}, {-1.0, "0.00", "0.00"}};
  for (const Case& c : phases) {
    moon.HelioDistance = c.cosine;
    const sky::BodyCard card = sky::BodyCardOf(*doc_, astro::kMoon);
    EXPECT_EQ(card.Illuminated, c.illuminated);
    EXPECT_EQ(card.Magnitude, c.magnitude);
  }
  EXPECT_EQ(sky::BodyCardOf(*doc_, 0).DistanceEarth, "384400.0 km");
  // The card's J2000 place is the astrometric one, not the apparent place
  // the Moon is drawn at (20" of aberration away); its numbers give both.
  moon.RightAscension = 12.5;
  moon.Declination = 5.0;
  for (const auto& [astrometric, shown] : {std::pair{23.99, "23h"}, {0.01, "0h"}, {12.5, "12h"}}) {
    moon.RaJ2000 = astrometric;
    const sky::BodyCard card = sky::BodyCardOf(*doc_, 0);
    EXPECT_EQ(card.Ra.Whole, shown) << astrometric;
    EXPECT_EQ(card.Numbers.RaJ2000, astrometric);
    const astro::EquatorialCoord ofDate = doc_->Sky.AstroState.ToDate(12.5, 5.0);
    EXPECT_EQ(card.Numbers.RaDate, ofDate.RightAscension);
    EXPECT_EQ(card.Numbers.DecDate, ofDate.Declination);
  }
  EXPECT_EQ(sky::BodyCardOf(*doc_, 0).Caption, "Moon");
}

TEST_F(CardTexts, PlanetPhaseNeverTurnsIntoNan) {
  astro::PlanetState& mars = doc_->Sky.Bodies[4];
  doc_->Sky.Bodies[astro::kSun].GeoDistance = 0.9999999;
  mars.GeoDistance = 1.0;
  mars.HelioDistance = 2.0;  // cosine just above 1 by rounding
  const sky::BodyCard card = sky::BodyCardOf(*doc_, 4);
  EXPECT_EQ(card.Caption, "Mars");
  EXPECT_EQ(card.Illuminated, "1.00");
  EXPECT_EQ(card.Magnitude, "-0.01");  // 5 log10(2) - 1.52 at phase angle 0
  EXPECT_EQ(card.Size, "9.36\"");
  EXPECT_EQ(card.DistanceEarth, "149.6 million km");
  EXPECT_EQ(card.DistanceSun, "299.2 million km");
  EXPECT_DOUBLE_EQ(sky::PhaseCosine(1.0, 1.0, 3.0), -1.0);
  EXPECT_DOUBLE_EQ(sky::PhaseCosine(1.0, 2.0, 1.0), 1.0);
}

TEST_F(CardTexts, SunCard) {
  doc_->Sky.Bodies[astro::kSun].GeoDistance = 1.0;
  const sky::BodyCard sun = sky::BodyCardOf(*doc_, astro::kSun);
  EXPECT_EQ(sun.Magnitude, "-26.7");
  EXPECT_EQ(sun.Size, "31.99'");
  EXPECT_EQ(sun.DistanceSun, "");
  EXPECT_EQ(sun.Illuminated, "");
}

TEST_F(CardTexts, DeepSkyPrefixTypeAndName) {
  DeepSkyRecord& m110 = doc_->Sky.DeepSkyObjects[109];
  m110.Number = 110;
  std::strcpy(m110.Name, "*");
  std::strcpy(m110.Type, "GALXY");
  m110.Declination = -0.25f;
  m110.Magnitude = 8.5f;
  DeepSkyRecord& ngc = doc_->Sky.DeepSkyObjects[110];
  ngc.Number = 7000;
  std::strcpy(ngc.Name, "North America Neb.");
  std::strcpy(ngc.Type, "WHAT");
  const sky::DeepSkyCard m = sky::DeepSkyCardOf(*doc_, 109);
  EXPECT_EQ(m.Number, "M 110");
  EXPECT_EQ(m.Caption, "Deep sky object M 110");
  EXPECT_EQ(m.PictureName, "M110");
  EXPECT_EQ(m.Name, "");
  EXPECT_EQ(m.Type, "Galaxy");
  EXPECT_EQ(m.Magnitude, " 8.5");
  EXPECT_EQ(m.Dec.Whole + m.Dec.Minutes,
            "-0\xC2\xB0"
            "15'");
  EXPECT_TRUE(m.Ra.Seconds.empty());
  const sky::DeepSkyCard n = sky::DeepSkyCardOf(*doc_, 110);
  EXPECT_EQ(n.Number, "NGC 7000");
  EXPECT_EQ(n.Caption, "Deep sky object NGC 7000");
  EXPECT_EQ(n.PictureName, "NGC7000");
  EXPECT_EQ(n.Name, "North America Neb.");
  EXPECT_EQ(n.Type, "") << "an unknown type code leaves the field empty";
}

TEST_F(CardTexts, JsonHoldsTheCardsTextsWithoutPadding) {
  Star(" 20Eps Sgr", 6.752472222, -16.7161);
  const std::string json = sky::CardJson(sky::StarCardOf(*doc_, 0));
  EXPECT_EQ(json.rfind("{\"kind\":\"star\",\"caption\":\"Star HR 1234 (Epsilon Sgr)\","
                       "\"ra\":\"6h 45' 8.9\\\"\",",
                       0),
            0u)
      << json;
  EXPECT_NE(json.find("\"dec\":\"-16\xC2\xB0 42' 57\\\"\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"bayer\":\"Epsilon Sgr\",\"flamsteed\":\"20 Sgr\",\"spectrum\":\"K\"}"),
            std::string::npos)
      << json;
}

// --- the walk over the hits ---------------------------------------------------

TEST_F(CardTexts, TheStarsCaptionTellsComponentsOfAMultipleStarApart) {
  struct Case {
    const char* designation;
    int hr;
    const char* caption;
  } const cases[] = {
      {" 41The1Ori", 1895, "Star HR 1895 (Theta1 Ori)"},
      {" 41The1Ori", 1896, "Star HR 1896 (Theta1 Ori)"},
      {" 58    Ori", 1234, "Star HR 1234 (58 Ori)"},
      {"          ", 77, "Star HR 77"},
  };
  for (const Case& c : cases) {
    Star(c.designation, 5.59, -5.4).HR = c.hr;
    EXPECT_EQ(sky::StarCardOf(*doc_, 0).Caption, c.caption) << c.designation;
  }
  // A proper name comes before the designation.
  Star(" 32Alp Leo", 10.14, 11.97).HR = 3982;
  doc_->Sky.ProperNames[0].HR = 3982;
  std::strcpy(doc_->Sky.ProperNames[0].Name, "Regulus");
  EXPECT_EQ(sky::StarCardOf(*doc_, 0).Caption, "Star HR 3982 (Regulus)");
}

// --- the walk over the hits ---------------------------------------------------

TEST(PickWalk, NearestFirstEachObjectOnceAndAtMostOneNoticeOnlyWithoutObjects) {
  const PickStep star5{PickStep::StarCard, 5}, star6{PickStep::StarCard, 6},
      mars{PickStep::BodyCard, 4}, m42{PickStep::DeepSkyCard, 41}, m43{PickStep::DeepSkyCard, 42},
      faint0{PickStep::FaintStarCard, 0}, faint99{PickStep::FaintStarCard, 99},
      ic0{PickStep::NgcIcCard, 0}, ic49{PickStep::NgcIcCard, 49}, io{PickStep::PlanetMoonCard, 0},
      ganymede{PickStep::PlanetMoonCard, 2}, triton{PickStep::PlanetMoonCard, 19},
      jupiter{PickStep::BodyCard, 5};
  // Files of 100 faint stars and 50 NGC and IC objects.
  const sky::PickBounds bounds{100, 50};
  using Hits = std::vector<PickHit>;
  struct Case {
    const char* what;
    Hits hits;  // in drawing order, with the pointer's distance from each mark
    std::vector<PickStep> steps;
  } const cases[] = {
      {"empty sky", {}, {}},
      {"a star", {{5, 1}}, {star5}},
      {"a planet in front of a star, equally near", {{5, 0}, {10004, 0}}, {mars, star5}},
      {"a nearer star before a planet", {{5, 1}, {10004, 3}}, {star5, mars}},
      {"a star on a figure line", {{10101}, {5, 2}}, {star5}},
      {"a grid line alone", {{10103}}, {{PickStep::Notice, 512}}},
      {"two grid lines: the upper one", {{10103}, {10104}}, {{PickStep::Notice, 513}}},
      {"a line above a star is skipped", {{5, 2}, {10105}}, {star5}},
      {"the clouds", {{10106}}, {{PickStep::Notice, 530}}},
      {"a boundary under a line under a star", {{10102}, {10101}, {5, 0}}, {star5}},
      {"ground and names out of range", {{10108}, {9095}, {10010}, {20210}, {30000}}, {}},
      {"objects under and over a line all get their cards",
       {{10101}, {20041, 0}, {10103}, {10004, 2}},
       {m42, mars}},
      // The middle of M42's symbol, with the Trapezium's stars drawn over it
      // and M43 beside it: M42 first, then the nearest.
      {"the nebula whose middle is clicked comes first",
       {{20041, 1.4}, {20042, 3.2}, {6, 1.5}, {5, 1.1}},
       {m42, star5, star6, m43}},
      {"of two middles clicked, the nearer",
       {{20041, 2.5}, {20042, 1.9}, {5, 0.2}},
       {m43, m42, star5}},
      {"off the middle of a large symbol, the star", {{20041, 9.6}, {5, 0.3}}, {star5, m42}},
      {"an object hit twice gets one card", {{5, 1}, {20041, 4}, {5, 1}}, {star5, m42}},
      {"the first and last faint star and NGC/IC object",
       {{1'000'000, 1}, {1'000'099, 2}, {2'000'000, 5}, {2'000'049, 6}},
       {faint0, faint99, ic0, ic49}},
      {"names past the files' records, and between the ranges",
       {{1'000'100}, {2'000'050}, {1'999'999}, {999'999}, {4'294'967'295u}},
       {}},
      {"an NGC object's middle before the faint stars drawn over it",
       {{2'000'049, 2.9}, {1'000'000, 0.4}, {1'000'099, 1}},
       {ic49, faint0, faint99}},
      {"off its middle, the nearer faint star first",
       {{2'000'000, 3.5}, {1'000'000, 1}},
       {faint0, ic0}},
      {"a faint star nearer than a bright one", {{5, 2}, {1'000'000, 0.5}}, {faint0, star5}},
      {"a faint star hides a line's notice", {{10103}, {1'000'099, 4}}, {faint99}},
      {"the first and last planet's moon", {{4'000'000, 1}, {4'000'019, 2}}, {io, triton}},
      {"a moon nearer than its planet", {{10005, 3}, {4'000'002, 1.5}}, {ganymede, jupiter}},
      {"a moon over a line", {{10105}, {4'000'002, 2}}, {ganymede}},
      {"no moon past the last, none between the ranges", {{4'000'020}, {4'999'999}}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(sky::PickSteps(c.hits, bounds), c.steps) << c.what;
  // Without the files (not found), their names open nothing.
  EXPECT_EQ(sky::PickSteps({{10103}, {1'000'000}, {2'000'000}}, sky::PickBounds{}),
            (std::vector<PickStep>{{PickStep::Notice, 512}}));
}

// --- names --------------------------------------------------------------------

class ObjectNames : public ::testing::Test {
 protected:
  void SetUp() override {
    cwd_ = std::filesystem::current_path();
    std::filesystem::current_path(STELLIX_SOURCE_DATA_DIR);
    doc_ = std::make_unique<CSkyDoc>(settings_);
    struct Throw : CCatalogueFailure {
      [[noreturn]] void MissingFile(const char* f) override { throw std::runtime_error(f); }
    } failure;
    doc_->OnNewDocument(failure, nullptr, astro::CivilTime{2026, 1, 1, 0, 0, 0});
  }
  void TearDown() override { std::filesystem::current_path(cwd_); }
  AppSettings settings_;
  std::unique_ptr<CSkyDoc> doc_;
  std::filesystem::path cwd_;
};

TEST_F(ObjectNames, EveryFormOfName) {
  const auto find = [this](const char* name) { return sky::FindObjectByName(*doc_, name); };
  for (const char* sirius : {"Sirius", "sirius", "  SIRIUS ", "HR 2491", "hr2491"}) {
    const auto found = find(sirius);
    ASSERT_TRUE(found) << sirius;
    EXPECT_EQ(found->What, sky::SkyObjectRef::Star);
    EXPECT_EQ(doc_->Sky.Stars[found->Index].HR, 2491) << sirius;
  }
  for (const char* m42 : {"M 42", "m42", "M  42"}) {
    const auto found = find(m42);
    ASSERT_TRUE(found) << m42;
    EXPECT_EQ(found->What, sky::SkyObjectRef::DeepSky);
    EXPECT_LT(found->Index, kMessierCount);
    EXPECT_EQ(doc_->Sky.DeepSkyObjects[found->Index].Number, 42);
  }
  const auto ngc = find("NGC 7000");
  ASSERT_TRUE(ngc);
  EXPECT_GE(ngc->Index, kMessierCount);
  EXPECT_EQ(doc_->Sky.DeepSkyObjects[ngc->Index].Number, 7000);
  EXPECT_EQ(find("Sun"), (sky::SkyObjectRef{sky::SkyObjectRef::Body, 1}));
  EXPECT_EQ(find("MOON"), (sky::SkyObjectRef{sky::SkyObjectRef::Body, 0}));
  EXPECT_EQ(find("mars"), (sky::SkyObjectRef{sky::SkyObjectRef::Body, 4}));
  EXPECT_EQ(find("Pluto"), (sky::SkyObjectRef{sky::SkyObjectRef::Body, 9}));
  EXPECT_EQ(find("Orion Nebula"), find("M42"));
  for (const char* unknown : {"Vulcan", "M 200", "HR 0", "NGC", "", "   ", "*", "M42x"})
    EXPECT_FALSE(find(unknown)) << unknown;
}

TEST_F(ObjectNames, TheDocumentBoundsTheFaintStarAndNgcIcNames) {
  doc_->Catalogues.DeepCatalogues.ReadFaintStars();
  doc_->Catalogues.DeepCatalogues.ReadNgcIc();
  const unsigned stars =
      static_cast<unsigned>(doc_->Catalogues.DeepCatalogues.FaintStars().Records.size());
  const unsigned objects =
      static_cast<unsigned>(doc_->Catalogues.DeepCatalogues.NgcIc().Records.size());
  ASSERT_GT(stars, 100'000u);
  ASSERT_GT(objects, 10'000u);
  const std::vector<PickStep> steps = sky::PickSteps({{sky::kFaintStarNameFirst + stars - 1, 1},
                                                      {sky::kFaintStarNameFirst + stars},
                                                      {sky::kNgcIcNameFirst + objects - 1, 4},
                                                      {sky::kNgcIcNameFirst + objects}},
                                                     *doc_);
  EXPECT_EQ(steps, (std::vector<PickStep>{{PickStep::FaintStarCard, static_cast<int>(stars - 1)},
                                          {PickStep::NgcIcCard, static_cast<int>(objects - 1)}}));
}

// --- the recent-file list and the pictures ------------------------------------

TEST(RecentFiles, MostRecentFirstAtMostFourKeptInTheSettingsFile) {
  std::vector<std::string> list;
  for (const char* path : {"/p/a.jpg", "/p/b.jpg", "/p/c.jpg", "/p/d.jpg", "/p/e.jpg"})
    sky::AddRecentFile(list, path);
  EXPECT_EQ(list, (std::vector<std::string>{"/p/e.jpg", "/p/d.jpg", "/p/c.jpg", "/p/b.jpg"}));
  sky::AddRecentFile(list, "/p/c.jpg");
  EXPECT_EQ(list, (std::vector<std::string>{"/p/c.jpg", "/p/e.jpg", "/p/d.jpg", "/p/b.jpg"}));

  CProfile profile;
  sky::StoreRecentFiles(list, profile);
  EXPECT_NE(profile.Text().find("[Recent File List]\nFile1=/p/c.jpg\nFile2=/p/e.jpg\n"),
            std::string::npos)
      << profile.Text();
  sky::RemoveRecentFile(list, "/p/e.jpg");
  sky::StoreRecentFiles(list, profile);
  EXPECT_EQ(sky::LoadRecentFiles(profile), list);
  CProfile fresh;
  sky::StoreRecentFiles({}, fresh);
  EXPECT_EQ(fresh.Text().find("Recent"), std::string::npos) << "an empty list writes nothing";

  // The settings carry the list through a save and a load.
  AppSettings settings;
  settings.RecentFiles = {"/home/u/Pictures/m42.jpg"};
  CProfile saved;
  StoreSettings(settings, saved);
  CProfile loaded;
  loaded.Parse(saved.Text());
  AppSettings back;
  LoadSettings(loaded, back);
  EXPECT_EQ(back.RecentFiles, settings.RecentFiles);
}

TEST(RecentFiles, MenuTextKeepsThePathAsItIsAndShort) {
  struct Case {
    int Index;
    const char* Path;
    const char* Text;
  } const kCases[] = {
      {0, "/tmp/m42.jpg", "&1 /tmp/m42.jpg"},
      {1, "/usr/share/stellix/Images/very/deep/Mars.jpg", "&2 /usr/.../very/deep/Mars.jpg"},
      {3, "/a/a-very-long-file-name-of-a-picture.jpg",
       "&4 /a/a-very-long-file-name-of-a-picture.jpg"},
      // On a file system that tells case these are two files.
      {0, "/tmp/M42.JPG", "&1 /tmp/M42.JPG"},
      // A menu would take a lone "&" for the mark of a key.
      {1, "/tmp/Sun & Moon.png", "&2 /tmp/Sun && Moon.png"},
  };
  for (const Case& c : kCases) EXPECT_EQ(sky::RecentFileMenuText(c.Index, c.Path), c.Text);
}

TEST(FindPicture, ByBaseNameWithAnyExtension) {
  ScratchDir dir;
  EXPECT_FALSE(sky::FindPicture(dir.Path(), "Mars"));
  dir.Write("Mars.gif", "x");
  EXPECT_EQ(sky::FindPicture(dir.Path(), "Mars"), "Mars.gif");
  dir.Write("Mars.jpg", "x");
  EXPECT_EQ(sky::FindPicture(dir.Path(), "Mars"), "Mars.gif") << "the first in name order";
  dir.Write("M101.jpg", "x");
  EXPECT_FALSE(sky::FindPicture(dir.Path(), "M1")) << "M1 is not M101";
  dir.Write("m1.JPG", "x");
  EXPECT_EQ(sky::FindPicture(dir.Path(), "M1"), "m1.JPG");
  std::filesystem::create_directory(dir.Path() / "Venus.d");
  EXPECT_FALSE(sky::FindPicture(dir.Path(), "Venus")) << "folders are no pictures";
  EXPECT_FALSE(sky::FindPicture(dir.Path() / "missing", "Mars"));
}

TEST(FindPicture, TheDataHasPicturesOfTheSolarSystemAndTheMessierObjects) {
  const std::filesystem::path images = std::filesystem::path(STELLIX_SOURCE_DATA_DIR) / "Images";
  for (const char* name : {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus",
                           "Neptune", "Pluto", "M1", "M31", "M42", "M45", "M110"})
    EXPECT_TRUE(sky::FindPicture(images, name)) << name;
  EXPECT_FALSE(sky::FindPicture(images, "NGC7000"));
}

TEST(CardOfAnObject, IsTheCardAPickOpens) {
  using R = sky::SkyObjectRef;
  using S = sky::PickStep;
  struct Row {
    R Object;
    std::optional<S> Step;
  };
  const Row rows[] = {
      {{R::Star, 7}, S{S::StarCard, 7}},         {{R::Body, 3}, S{S::BodyCard, 3}},
      {{R::DeepSky, 42}, S{S::DeepSkyCard, 42}}, {{R::FaintStar, 1000}, S{S::FaintStarCard, 1000}},
      {{R::NgcIc, 12}, S{S::NgcIcCard, 12}},     {{R::SmallBody, 0}, S{S::SmallBodyCard, 0}},
      {{R::Constellation, 5}, std::nullopt},     {{R::PlanetMoon, 2}, std::nullopt},
  };
  for (const Row& r : rows) EXPECT_EQ(sky::CardStepOf(r.Object), r.Step) << r.Object.What;
}

}  // namespace
