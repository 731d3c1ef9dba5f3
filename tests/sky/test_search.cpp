// Search without a window: names, the search lists, the Messier field, and
// the camera angles that put an object or a point of the horizon in the middle.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalog/builtin_tables.h"
#include "res/strings.h"
#include "sky/deep_catalogues.h"
#include "sky/messages.h"
#include "sky/object_names.h"
#include "sky/search.h"
#include "sky/sky_doc.h"

namespace {

using sky::FindObjectByName;
using sky::PlaceOf;
using sky::SkyObjectRef;
using sky::UnknownObjectText;

class RecordingMessenger : public CMessenger {
 public:
  void Show(MessageIcon icon, std::string_view text) override {
    Lines.push_back(MessageLine(icon, text));
  }
  std::vector<std::string> Lines;
};

class ThrowOnMissing : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char* fileName) override {
    throw std::runtime_error(fileName);
  }
};

const std::string kUnderHorizon = "exclamation: Object under horizon. Not visible.   ";

// The real catalogues, Krakow's sky on Universal Time (no zone, no summer time).
class SearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(STELLIX_SOURCE_DATA_DIR);
    settings_.TimeZone = 0;
    settings_.DaylightSavingTime = 0;
    settings_.TimeZoneId.clear();
    doc_ = std::make_unique<CSkyDoc>(settings_);
    ThrowOnMissing failure;
    doc_->OnNewDocument(failure, nullptr, astro::CivilTime{2026, 12, 8, 22, 0, 0});
    std::filesystem::current_path(cwd);
  }

  void At(int hour) {
    doc_->Sky.DocumentTime.Hour = hour;
    doc_->UpdateSky();
  }

  // The middle of the view as the camera angles give it.
  astro::EquatorialCoord EquatorialCentre() const {
    return {-doc_->Settings().YRotation / 15.0, -doc_->Settings().XRotation};
  }

  AppSettings settings_;
  std::unique_ptr<CSkyDoc> doc_;
  RecordingMessenger messages_;
};

// Degrees between two directions, right ascensions in hours.
double Separation(const astro::EquatorialCoord& a, const astro::EquatorialCoord& b) {
  return astro::AngularSeparation(a.RightAscension, a.Declination, b.RightAscension, b.Declination);
}

// What the limits and the NGC switch have read once the document prepared
// its catalogues for them; the drawing side's accessors alone read nothing.
TEST_F(SearchTest, TheCataloguesAreReadByThePrepareStepNotByTheirAccessors) {
  enum class Stars { None, FirstPart, Whole };
  const struct {
    double Limit;
    int ShowNgc;
    Stars Read;
  } kCases[] = {
      {5.0, 0, Stars::None},
      {6.5, 1, Stars::FirstPart},
      {8.0, 0, Stars::FirstPart},
      {10.0, 1, Stars::Whole},
  };
  const std::filesystem::path cwd = std::filesystem::current_path();
  std::filesystem::current_path(STELLIX_SOURCE_DATA_DIR);
  for (const auto& c : kCases) {
    SetUp();
    const CSkyDoc& drawing = *doc_;
    EXPECT_TRUE(drawing.Catalogues.DeepCatalogues.FaintStars().Records.empty()) << c.Limit;
    EXPECT_TRUE(drawing.Catalogues.DeepCatalogues.NgcIc().Records.empty()) << c.Limit;
    doc_->Limits.StarMagnitudeLimit = c.Limit;
    doc_->Settings().ShowNGC = c.ShowNgc;
    doc_->PrepareCatalogues();
    const std::vector<catalog::FaintStarRecord>& stars =
        drawing.Catalogues.DeepCatalogues.FaintStars().Records;
    const auto beyondFirstPart = [](const catalog::FaintStarRecord& s) {
      return s.Magnitude > sky::kFaintStarsFirstPart;
    };
    EXPECT_EQ(stars.empty(), c.Read == Stars::None) << c.Limit;
    EXPECT_EQ(std::any_of(stars.begin(), stars.end(), beyondFirstPart), c.Read == Stars::Whole)
        << c.Limit;
    EXPECT_EQ(drawing.Catalogues.DeepCatalogues.NgcIc().Records.empty(), c.ShowNgc == 0) << c.Limit;
  }
  std::filesystem::current_path(cwd);
}

TEST_F(SearchTest, TheWideViewsReadTheBrightFaintStarsAndASearchTheRest) {
  const std::filesystem::path cwd = std::filesystem::current_path();
  std::filesystem::current_path(STELLIX_SOURCE_DATA_DIR);
  doc_->Limits.StarMagnitudeLimit = 6.5;
  doc_->PrepareCatalogues();
  const catalog::FaintStarCatalogue& drawn = doc_->Catalogues.DeepCatalogues.FaintStars();
  std::vector<catalog::FaintStarRecord> bright(drawn.Records.begin(), drawn.Records.end());
  ASSERT_FALSE(bright.empty());
  EXPECT_TRUE(std::all_of(bright.begin(), bright.end(), [](const catalog::FaintStarRecord& s) {
    return s.Magnitude <= sky::kFaintStarsFirstPart;
  }));
  // HIP 15307 (V 9.05) is in the rest, read by the search; the bright
  // part's stars keep their indices, which cards and picks hold.
  const std::optional<SkyObjectRef> found = FindObjectByName(*doc_, "HIP 15307");
  const catalog::FaintStarCatalogue& all = doc_->Catalogues.DeepCatalogues.FaintStars();
  ASSERT_TRUE(found);
  EXPECT_EQ(all.Records[found->Index].Hip, 15307);
  ASSERT_GT(all.Records.size(), bright.size());
  for (std::size_t i = 0; i < bright.size(); i += 997) {
    EXPECT_EQ(all.Records[i].RightAscension, bright[i].RightAscension) << i;
    EXPECT_EQ(all.Records[i].Magnitude, bright[i].Magnitude) << i;
  }
  std::filesystem::current_path(cwd);
}

TEST_F(SearchTest, FaintStarsAndNgcIcObjectsByNumberAndName) {
  // Their files are read, by bare name like every catalogue, when first needed.
  const std::filesystem::path cwd = std::filesystem::current_path();
  std::filesystem::current_path(STELLIX_SOURCE_DATA_DIR);
  doc_->Catalogues.DeepCatalogues.ReadFaintStars();
  doc_->Catalogues.DeepCatalogues.ReadNgcIc();
  const catalog::FaintStarCatalogue& stars = doc_->Catalogues.DeepCatalogues.FaintStars();
  const catalog::NgcIcCatalogue& objects = doc_->Catalogues.DeepCatalogues.NgcIc();
  ASSERT_FALSE(stars.Records.empty());
  ASSERT_FALSE(objects.Records.empty());
  // A Tycho star is found by the name its card gives it.
  const auto tycho = std::find_if(stars.Records.begin() + 5000, stars.Records.end(),
                                  [](const catalog::FaintStarRecord& s) { return s.Hip == 0; });
  ASSERT_NE(tycho, stars.Records.end());
  const std::string tychoName = sky::StarPlaceName(tycho->RightAscension, tycho->Declination);
  struct Case {
    std::string Name;
    SkyObjectRef::Kind Kind;
    std::string Designation;  // of the record found
  } const kCases[] = {
      {"HIP 87937", SkyObjectRef::FaintStar, "HIP 87937"},
      {"hip087937", SkyObjectRef::FaintStar, "HIP 87937"},
      {tychoName, SkyObjectRef::FaintStar, tychoName},
      {"IC 434", SkyObjectRef::NgcIc, "IC 434"},
      {"ic0434", SkyObjectRef::NgcIc, "IC 434"},
      {"Horsehead Nebula", SkyObjectRef::NgcIc, "IC 434"},
      {"NGC 3628", SkyObjectRef::NgcIc, "NGC 3628"},
      {"IC 715nw", SkyObjectRef::NgcIc, "IC 715NW"},
      {"flame nebula", SkyObjectRef::NgcIc, "NGC 2024"},
      // deepsky.bin's own NGC objects stay there.
      {"NGC 869", SkyObjectRef::DeepSky, "NGC 869"},
  };
  for (const Case& c : kCases) {
    const std::optional<SkyObjectRef> found = FindObjectByName(*doc_, c.Name);
    ASSERT_TRUE(found) << c.Name;
    EXPECT_EQ(found->What, c.Kind) << c.Name;
    const std::string designation =
        c.Kind == SkyObjectRef::FaintStar ? sky::FaintStarDesignation(stars.Records[found->Index])
        : c.Kind == SkyObjectRef::NgcIc
            ? sky::NgcIcDesignation(objects.Records[found->Index])
            : "NGC " + std::to_string(doc_->Sky.DeepSkyObjects[found->Index].Number);
    EXPECT_EQ(designation, c.Designation) << c.Name;
  }
  for (const char* unknown : {"HIP", "HIP 0", "HIP 999999", "IC", "IC 0", "IC 99999", "IC 434x",
                              "NGC 3628 B", "J000000.0+000000", "J", "Jupiterx"})
    EXPECT_FALSE(FindObjectByName(*doc_, unknown)) << '"' << unknown << '"';

  // Centred where the file puts it.
  EXPECT_EQ(CentreOnName(*doc_, "IC 434"), "");
  EXPECT_LT(Separation(EquatorialCentre(), {5.6836, -2.4538}), 0.01);
  EXPECT_EQ(doc_->Selected, FindObjectByName(*doc_, "IC 434")) << "selected until another";
  std::filesystem::current_path(cwd);
}

TEST_F(SearchTest, NamesOfEveryKindCaseAndBlanksAside) {
  const auto hrIndex = [&](int hr) {
    for (int i = 0; i < kStarCount; ++i)
      if (doc_->Sky.Stars[i].HR == hr) return i;
    return -1;
  };
  const auto deepSkyIndex = [&](int number, bool messier) {
    for (int i = messier ? 0 : kMessierCount; i < (messier ? kMessierCount : kDeepSkyCount); ++i)
      if (doc_->Sky.DeepSkyObjects[i].Number == number) return i;
    return -1;
  };
  struct Case {
    const char* Name;
    SkyObjectRef::Kind Kind;
    int Index;
  } const kCases[] = {
      {"Sirius", SkyObjectRef::Star, hrIndex(doc_->Sky.ProperNames[0].HR)},
      {"  sIRIUS ", SkyObjectRef::Star, hrIndex(doc_->Sky.ProperNames[0].HR)},
      {"rigil   KENTAURUS", SkyObjectRef::Star, hrIndex(doc_->Sky.ProperNames[3].HR)},
      {"Sabik", SkyObjectRef::Star, hrIndex(doc_->Sky.ProperNames[kStarNameCount - 1].HR)},
      {"Orion Nebula", SkyObjectRef::DeepSky, deepSkyIndex(42, true)},
      {"andromeda", SkyObjectRef::Constellation, 0},
      {"Corona Borealis", SkyObjectRef::Constellation, 21},
      {"moon", SkyObjectRef::Body, 0},
      {"Sun", SkyObjectRef::Body, 1},
      {"PLUTO", SkyObjectRef::Body, 9},
      {"M 31", SkyObjectRef::DeepSky, deepSkyIndex(31, true)},
      {"m31", SkyObjectRef::DeepSky, deepSkyIndex(31, true)},
      {"M 110", SkyObjectRef::DeepSky, deepSkyIndex(110, true)},
      {"M001", SkyObjectRef::DeepSky, deepSkyIndex(1, true)},
      {"NGC 869", SkyObjectRef::DeepSky, deepSkyIndex(869, false)},
      {"ngc0040", SkyObjectRef::DeepSky, deepSkyIndex(40, false)},
      {"HR 2491", SkyObjectRef::Star, hrIndex(2491)},
      {"hr1", SkyObjectRef::Star, hrIndex(1)},
      // Designations as the cards write them, the Greek letter spelt or
      // abbreviated, in any case: Betelgeuse is Alpha Ori and 58 Ori.
      {"Alpha Ori", SkyObjectRef::Star, hrIndex(2061)},
      {"alpha ori", SkyObjectRef::Star, hrIndex(2061)},
      {"alp Ori", SkyObjectRef::Star, hrIndex(2061)},
      {"ALPORI", SkyObjectRef::Star, hrIndex(2061)},
      {"58 Ori", SkyObjectRef::Star, hrIndex(2061)},
      {"58ori", SkyObjectRef::Star, hrIndex(2061)},
      {"Beta Ori", SkyObjectRef::Star, hrIndex(1713)},
      {"Alpha1 Cen", SkyObjectRef::Star, hrIndex(5459)},
      {"alp1 cen", SkyObjectRef::Star, hrIndex(5459)},
      {"Alpha2 Cen", SkyObjectRef::Star, hrIndex(5460)},
      // Without its digit: the brighter component.
      {"Alpha Cen", SkyObjectRef::Star, hrIndex(5459)},
  };
  for (const Case& c : kCases) {
    ASSERT_GE(c.Index, 0) << c.Name;
    const std::optional<SkyObjectRef> found = FindObjectByName(*doc_, c.Name);
    ASSERT_TRUE(found) << c.Name;
    EXPECT_EQ(*found, (SkyObjectRef{c.Kind, c.Index})) << c.Name;
  }
  for (const char* unknown : {"",
                              "   ",
                              "Siriusx",
                              "Siriu",
                              "M",
                              "M 0",
                              "M 111",
                              "M-1",
                              "M 3.5",
                              "M 31 x",
                              "NGC",
                              "NGC 224",
                              "NGC 99999999999",
                              "HR",
                              "HR 0",
                              "HR 99999",
                              "Earth",
                              "Ursa",
                              "Alpha",
                              "Ori",
                              "Alpha Xyz",
                              "Alpha3 Cen",
                              "Alpha1 Ori",
                              "999 Ori",
                              "58",
                              "Zeta9 Ori"})
    EXPECT_FALSE(FindObjectByName(*doc_, unknown)) << '"' << unknown << '"';
}

TEST_F(SearchTest, PlacesAreThoseTheSearchCentres) {
  // A proper name takes its own record's place, not the star catalogue's.
  const astro::EquatorialCoord sirius = PlaceOf(*doc_, *FindObjectByName(*doc_, "Sirius"));
  EXPECT_FLOAT_EQ(sirius.RightAscension, doc_->Sky.ProperNames[0].RightAscension);
  EXPECT_NEAR(Separation(sirius, {6.7525, -16.716}), 0, 0.02);
  const astro::EquatorialCoord moon = PlaceOf(*doc_, {SkyObjectRef::Body, astro::kMoon});
  EXPECT_EQ(moon.RightAscension, doc_->Sky.Bodies[astro::kMoon].RightAscension);
  EXPECT_EQ(moon.Declination, doc_->Sky.Bodies[astro::kMoon].Declination);
  const astro::EquatorialCoord orion = PlaceOf(*doc_, *FindObjectByName(*doc_, "Orion"));
  EXPECT_NEAR(orion.RightAscension, 5.5, 1e-6);
  EXPECT_NEAR(orion.Declination, 5.0, 1e-6);
}

TEST_F(SearchTest, ListsAreSortedAndHoldEveryEntry) {
  const std::vector<std::string> stars = StarSearchEntries(*doc_);
  ASSERT_EQ(stars.size(), static_cast<std::size_t>(kStarNameCount));
  EXPECT_EQ(stars.front(), "Achernar");
  EXPECT_TRUE(std::is_sorted(stars.begin(), stars.end()));

  const std::vector<std::string> constellations = ConstellationSearchEntries();
  ASSERT_EQ(constellations.size(), 88u);
  EXPECT_TRUE(std::is_sorted(constellations.begin(), constellations.end()));
  std::vector<std::string> table;
  for (const catalog::ConstellationCentre& c : catalog::kConstellationCentres)
    table.emplace_back(c.Name);
  std::sort(table.begin(), table.end());
  EXPECT_EQ(constellations, table);
}

TEST_F(SearchTest, TheNgcListHoldsEveryNgcThenEveryIcObjectOnceInNumberOrder) {
  const std::filesystem::path cwd = std::filesystem::current_path();
  std::filesystem::current_path(STELLIX_SOURCE_DATA_DIR);
  const std::vector<std::string> ngc = NgcSearchEntries(*doc_);
  std::filesystem::current_path(cwd);
  const std::size_t files = 100 + doc_->Catalogues.DeepCatalogues.NgcIc().Records.size();
  ASSERT_GT(files, 13'000u);
  ASSERT_EQ(ngc.size(), files);
  EXPECT_EQ(std::set<std::string>(ngc.begin(), ngc.end()).size(), ngc.size()) << "no duplicates";
  const auto at = [&](const std::string& entry) {
    return std::find(ngc.begin(), ngc.end(), entry) - ngc.begin();
  };
  // deepsky.bin's and the file's NGC objects mixed in one order, then the IC.
  EXPECT_EQ(ngc.front(), "NGC 1");
  EXPECT_LT(at("NGC 40"), at("NGC 41")) << "deepsky.bin's NGC 40, then the file's NGC 41";
  EXPECT_LT(at("NGC 104"), at("NGC 1000"));
  EXPECT_LT(at("NGC 7000"), at("NGC 7840"));
  EXPECT_LT(at("NGC 7840"), at("IC 1"));
  EXPECT_LT(at("IC 715"), at("IC 715NW")) << "a number before its components";
  EXPECT_LT(at("IC 434"), static_cast<long>(ngc.size()));
  EXPECT_EQ(at("NGC 224"), static_cast<long>(ngc.size())) << "M31 is a Messier object";
  EXPECT_EQ(ngc.back().rfind("IC ", 0), 0u);
}

TEST(NgcSearchMatch, WhatTypingSelects) {
  const std::vector<std::string> entries = {"NGC 7",    "NGC 70",   "NGC 104", "NGC 700",
                                            "NGC 7000", "NGC 7001", "IC 434",  "IC 715",
                                            "IC 715NW", "IC 715SE", "IC 7000"};
  struct Case {
    const char* typed;
    int entry;  // -1 none
  } const cases[] = {
      {"7000", 4},      {"NGC 7000", 4}, {"ngc7000", 4},   {"  N g C 7 0 0 0 ", 4},
      {"07000", 4},     {"7", 0},        {"70", 1},        {"700", 3},
      {"0104", 2},      {"104", 2},      {"10", 2},        {"N", 0},
      {"ng", 0},        {"NGC", 0},      {"IC 434", 6},    {"ic0434", 6},
      {"I", 6},         {"IC", 6},       {"ic 7", 7},      {"IC 715", 7},
      {"IC 715n", 8},   {"IC715se", 9},  {"IC 71n", -1},   {"IC 715X", -1},
      {"NGC 7002", -1}, {"M 42", -1},    {"NGCX", -1},     {"7000-", -1},
      {"ICE", -1},      {"", 0},         {"IC 434 a", -1}, {"ic 70", 10},
  };
  for (const Case& c : cases) EXPECT_EQ(NgcSearchMatch(entries, c.typed), c.entry) << c.typed;
  EXPECT_EQ(NgcSearchMatch({}, "7000"), -1);
}

TEST_F(SearchTest, ChosenEntriesGiveTheirRecordsPlaces) {
  const auto ngcRecord = [&](int number) -> const DeepSkyRecord& {
    for (int i = kMessierCount; i < kDeepSkyCount; ++i)
      if (doc_->Sky.DeepSkyObjects[i].Number == number) return doc_->Sky.DeepSkyObjects[i];
    throw std::runtime_error("no such NGC record");
  };
  // The NGC/IC file is read from the data folder when first needed.
  {
    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(STELLIX_SOURCE_DATA_DIR);
    const std::optional<astro::EquatorialCoord> ic434 = NgcSearchPlace(*doc_, "IC 434");
    std::filesystem::current_path(cwd);
    ASSERT_TRUE(ic434);
    EXPECT_LT(Separation(*ic434, {5.6836, -2.4538}), 0.01);
  }
  const std::optional<astro::EquatorialCoord> ngc104 = NgcSearchPlace(*doc_, "NGC 104");
  ASSERT_TRUE(ngc104);
  EXPECT_FLOAT_EQ(ngc104->RightAscension, ngcRecord(104).RightAscension);
  EXPECT_FLOAT_EQ(ngc104->Declination, ngcRecord(104).Declination);
  EXPECT_FALSE(NgcSearchPlace(*doc_, "NGC 224")) << "NGC 224 is among the Messier objects";
  EXPECT_FALSE(NgcSearchPlace(*doc_, "Sirius")) << "not an NGC or IC object";

  const std::optional<astro::EquatorialCoord> vega = StarSearchPlace(*doc_, "Vega");
  ASSERT_TRUE(vega);
  EXPECT_FLOAT_EQ(vega->Declination, doc_->Sky.ProperNames[4].Declination);
  EXPECT_FALSE(StarSearchPlace(*doc_, "vega")) << "the list's text, compared exactly";

  const std::optional<astro::EquatorialCoord> crux = ConstellationSearchPlace("Crux");
  ASSERT_TRUE(crux);
  EXPECT_NEAR(crux->RightAscension, 12.5, 1e-6);
  EXPECT_NEAR(crux->Declination, -60.0, 1e-6);
}

TEST_F(SearchTest, MessierFieldChecks) {
  struct Case {
    const char* Field;
    int MessageId;
    int Number;  // the Messier object accepted
  } const kCases[] = {
      {"", res::IDS_ENTER_MESSIER, 0},
      {"0", res::IDS_WRONG_CATALOG_NUMBER, 0},
      {"111", res::IDS_WRONG_CATALOG_NUMBER, 0},
      {"a", res::IDS_WRONG_CATALOG_NUMBER, 0},
      {"-1", res::IDS_WRONG_CATALOG_NUMBER, 0},
      {"M", res::IDS_WRONG_CATALOG_NUMBER, 0},
      {"N 31", res::IDS_WRONG_CATALOG_NUMBER, 0},
      {"   ", res::IDS_ENTER_MESSIER, 0},
      {"1", 0, 1},
      {" 5 ", 0, 5},
      {"M 31", 0, 31},
      {"M31", 0, 31},
      {"m 110", 0, 110},
      {"110", 0, 110},
      {"031", 0, 31},
      {"42x", 0, 42},
  };
  for (const Case& c : kCases) {
    const MessierSearchResult result = CheckMessierField(*doc_, c.Field);
    EXPECT_EQ(result.MessageId, c.MessageId) << '"' << c.Field << '"';
    if (c.Number == 0) continue;
    const DeepSkyRecord& record = doc_->Sky.DeepSkyObjects[c.Number - 1];  // in number order
    ASSERT_EQ(record.Number, c.Number);
    EXPECT_FLOAT_EQ(result.Place.RightAscension, record.RightAscension) << c.Field;
    EXPECT_FLOAT_EQ(result.Place.Declination, record.Declination) << c.Field;
  }
}

TEST_F(SearchTest, BelowTheHorizonCentredOnTheChartRefusedOnTheHorizonView) {
  At(12);  // Sirius is far below Krakow's horizon at noon in December
  const astro::EquatorialCoord sirius = PlaceOf(*doc_, *FindObjectByName(*doc_, "Sirius"));
  ASSERT_LT(doc_->HorizontalOf(sirius.RightAscension, sirius.Declination).Altitude, -30);

  doc_->Settings().HorizonMode = 0;
  EXPECT_TRUE(CentreOn(*doc_, messages_, sirius.RightAscension, sirius.Declination));
  EXPECT_TRUE(messages_.Lines.empty());
  EXPECT_NEAR(Separation(EquatorialCentre(), sirius), 0, 1e-9);

  doc_->Settings().HorizonMode = 1;
  doc_->Settings().XRotation = 12.5;
  doc_->Settings().YRotation = 200.25;
  EXPECT_FALSE(CentreOn(*doc_, messages_, sirius.RightAscension, sirius.Declination));
  EXPECT_EQ(messages_.Lines, std::vector<std::string>{kUnderHorizon});
  EXPECT_EQ(doc_->Settings().XRotation, 12.5);
  EXPECT_EQ(doc_->Settings().YRotation, 200.25);

  // The Sun at night, the same way.
  At(22);
  const astro::PlanetState& sun = doc_->Sky.Bodies[astro::kSun];
  EXPECT_FALSE(CentreOn(*doc_, messages_, sun.RightAscension, sun.Declination));
  EXPECT_EQ(messages_.Lines.size(), 2u);
  EXPECT_EQ(messages_.Lines.back(), kUnderHorizon);
  EXPECT_EQ(doc_->Settings().XRotation, 12.5);
}

TEST_F(SearchTest, TheHorizonViewCentresTheAltitudeAsShown) {
  const astro::EquatorialCoord sirius = PlaceOf(*doc_, *FindObjectByName(*doc_, "Sirius"));
  for (int refraction : {0, 1}) {
    doc_->Settings().HorizonMode = 1;
    doc_->Settings().Refraction = refraction;
    const astro::HorizontalCoord h = doc_->HorizontalOf(sirius.RightAscension, sirius.Declination);
    ASSERT_GT(h.Altitude, 5);
    ASSERT_TRUE(CentreOn(*doc_, messages_, sirius.RightAscension, sirius.Declination));
    EXPECT_DOUBLE_EQ(doc_->Settings().XRotation, -h.Altitude);
    EXPECT_DOUBLE_EQ(doc_->Settings().YRotation, h.Azimuth + 90);
  }
  // Refraction lifts a star near 17 degrees by about 3 arc minutes.
  doc_->Settings().Refraction = 0;
  const double geometric = doc_->HorizontalOf(sirius.RightAscension, sirius.Declination).Altitude;
  doc_->Settings().Refraction = 1;
  const double apparent = doc_->HorizontalOf(sirius.RightAscension, sirius.Declination).Altitude;
  EXPECT_NEAR((apparent - geometric) * 60, 3.1, 0.3);
}

TEST_F(SearchTest, AnAltitudeOfExactlyZeroIsAccepted) {
  const std::optional<CameraAngles> level = CameraOnHorizontal({0.0, 123.0});
  ASSERT_TRUE(level);
  EXPECT_EQ(level->XRotation, 0.0);
  EXPECT_EQ(level->YRotation, 213.0);
  EXPECT_FALSE(CameraOnHorizontal({-1e-12, 123.0}));
  EXPECT_FALSE(CameraOnHorizontal({-90.0, 0.0}));
}

TEST_F(SearchTest, HorizonPointsEastNorthWestSouth) {
  struct Case {
    int Index;
    double WestAzimuth;  // from the south through the west
  } const kCases[] = {{18, 270}, {36, 180}, {54, 90}, {0, 0}};
  for (const Case& c : kCases) {
    doc_->Settings().HorizonMode = 1;
    ShowHorizonPoint(*doc_, c.Index);
    EXPECT_NEAR(doc_->Settings().XRotation, 0, 1e-4)
        << c.Index << ": the horizon, not lifted by refraction";
    EXPECT_NEAR(std::remainder(doc_->Settings().YRotation - 90 - c.WestAzimuth, 360), 0, 1e-4)
        << c.Index;

    doc_->Settings().HorizonMode = 0;
    ShowHorizonPoint(*doc_, c.Index);
    const SkyPoint& p = doc_->Sky.HorizonPoints[c.Index];
    EXPECT_NEAR(Separation(EquatorialCentre(), {p.RightAscension, p.Declination}), 0, 1e-5);
    const astro::EquatorialCoord centre = EquatorialCentre();
    EXPECT_NEAR(doc_->Sky.AstroState.HorizonOf(centre.RightAscension, centre.Declination).Altitude,
                0, 1e-4);
  }
}

TEST_F(SearchTest, ZenithAndNadir) {
  // The horizon view looks straight up or down and keeps its azimuth.
  doc_->Settings().HorizonMode = 1;
  doc_->Settings().XRotation = -20;
  doc_->Settings().YRotation = 131.5;
  ShowZenith(*doc_, 90);
  EXPECT_EQ(doc_->Settings().XRotation, -90);
  EXPECT_EQ(doc_->Settings().YRotation, 131.5);
  ShowZenith(*doc_, -90);
  EXPECT_EQ(doc_->Settings().XRotation, 90);
  EXPECT_EQ(doc_->Settings().YRotation, 131.5);

  // The chart centres the point 0.05 degrees from the zenith (nadir), towards the north.
  doc_->Settings().HorizonMode = 0;
  for (double altitude : {90.0, -90.0}) {
    ShowZenith(*doc_, altitude);
    const astro::EquatorialCoord centre = EquatorialCentre();
    const astro::HorizontalCoord h =
        doc_->Sky.AstroState.HorizonOf(centre.RightAscension, centre.Declination);
    EXPECT_NEAR(h.Altitude, altitude > 0 ? 89.95 : -89.95, 1e-6);
    EXPECT_NEAR(h.Azimuth, 180, 1e-3) << "north, from the south through the west";
  }
}

TEST_F(SearchTest, CentreOnANameAsTheDialogsWould) {
  doc_->Settings().HorizonMode = 0;
  EXPECT_EQ(CentreOnName(*doc_, "sirius"), "");
  EXPECT_NEAR(Separation(EquatorialCentre(), PlaceOf(*doc_, *FindObjectByName(*doc_, "Sirius"))), 0,
              1e-9);
  EXPECT_EQ(CentreOnName(*doc_, "M 31"), "");
  // M31's catalogue place, turned by the annual aberration (up to 20.5").
  EXPECT_NEAR(Separation(EquatorialCentre(), {0.7123, 41.269}), 0, 0.006);

  const double x = doc_->Settings().XRotation, y = doc_->Settings().YRotation;
  EXPECT_EQ(CentreOnName(*doc_, "Vulcan"), UnknownObjectText("Vulcan"));
  EXPECT_EQ(doc_->Selected, FindObjectByName(*doc_, "M31")) << "kept by a refusal";
  EXPECT_NE(UnknownObjectText("Vulcan").find("\"Vulcan\""), std::string::npos);
  doc_->Settings().HorizonMode = 1;
  EXPECT_EQ(CentreOnName(*doc_, "Sun"), "Object under horizon. Not visible.   ");
  EXPECT_EQ(doc_->Settings().XRotation, x);
  EXPECT_EQ(doc_->Settings().YRotation, y);
  EXPECT_EQ(CentreOnName(*doc_, "Sirius"), "") << "up at 22:00 UT";
}

}  // namespace
