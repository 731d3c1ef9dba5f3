// The settings dialogs' fields, checks and conversions, without windows.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <set>

#include "catalog/loaders.h"
#include "res/strings.h"
#include "sky/civil_time.h"
#include "tests/astro/astro_test_support.h"
#include "ui/chart_settings_form.h"
#include "ui/location_form.h"

namespace {

using ui::FieldError;
using ui::LocationField;
using ui::LocationFields;
using ui::MapPoint;

std::string Describe(const LocationFields& f) {
  return f.LatDeg + " " + f.LatMin + " " + f.NS + " | " + f.LongDeg + " " + f.LongMin + " " + f.EW +
         " | [" + f.TimeZone + "]";
}

// --- The world map ---------------------------------------------------------

TEST(LocationForm, ClicksOnTheMapGiveWholeDegreesAndTheNearestWholeZone) {
  const struct {
    MapPoint click;
    const char* fields;
  } cases[] = {
      {{195, 105}, "0 0 N | 0 0 W | [ 0.0]"},     // the centre
      {{15, 105}, "0 0 N | 180 0 W | [-12.0]"},   // left edge
      {{375, 105}, "0 0 N | 180 0 E | [12.0]"},   // right edge
      {{15, 15}, "90 0 N | 180 0 W | [-12.0]"},   // top-left corner
      {{375, 195}, "90 0 S | 180 0 E | [12.0]"},  // bottom-right corner
      {{194, 104}, "1 0 N | 1 0 W | [ 0.0]"},     // one pixel west and north of the centre
      {{196, 106}, "1 0 S | 1 0 E | [ 0.0]"},
      {{188, 105}, "0 0 N | 7 0 W | [ 0.0]"},  // 7 degrees: still zone 0
      {{187, 105}, "0 0 N | 8 0 W | [-1.0]"},  // 8 degrees: rounds to zone -1
      {{203, 105}, "0 0 N | 8 0 E | [ 1.0]"},
      {{214, 55}, "50 0 N | 19 0 E | [ 1.0]"},  // Krakow's whole degrees
  };
  for (const auto& c : cases) {
    const auto place = ui::PlaceAtMapPoint(c.click);
    ASSERT_TRUE(place) << c.click.X << "," << c.click.Y;
    EXPECT_EQ(Describe(*place), c.fields) << c.click.X << "," << c.click.Y;
    EXPECT_EQ(place->Name, "");
  }
  for (MapPoint beside : {MapPoint{14, 105}, MapPoint{376, 105}, MapPoint{195, 14},
                          MapPoint{195, 196}, MapPoint{0, 0}, MapPoint{-5, 300}})
    EXPECT_FALSE(ui::PlaceAtMapPoint(beside)) << beside.X << "," << beside.Y;
}

TEST(LocationForm, FieldsAndMarkerOfTheSettings) {
  AppSettings krakow;
  EXPECT_EQ(Describe(ui::FieldsFromSettings(krakow)), "50 2 N | 19 55 E | [ 1.0]");
  EXPECT_EQ(ui::FieldsFromSettings(krakow).Name, "Poland:Krakow");
  EXPECT_EQ(ui::MarkerFromSettings(krakow), (MapPoint{214, 55}));

  AppSettings southWest;
  southWest.LatDeg = 33, southWest.LatMin = 27, southWest.NS = "S";
  southWest.LongDeg = 70, southWest.LongMin = 40, southWest.EW = "W";
  southWest.TimeZone = -4.0f;
  EXPECT_EQ(Describe(ui::FieldsFromSettings(southWest)), "33 27 S | 70 40 W | [-4.0]");
  EXPECT_EQ(ui::MarkerFromSettings(southWest), (MapPoint{125, 138}));

  // Letters other than S and E read as N and W, as the sky is computed.
  AppSettings odd;
  odd.NS = "x", odd.EW = "";
  odd.TimeZone = -0.0f;
  const LocationFields f = ui::FieldsFromSettings(odd);
  EXPECT_EQ(f.NS, "N");
  EXPECT_EQ(f.EW, "W");
  EXPECT_EQ(f.TimeZone, " 0.0") << "no minus zero";
  EXPECT_EQ(ui::MarkerFromSettings(odd), (MapPoint{176, 55}));
}

// --- The cities of location.dat ---------------------------------------------

class Cities : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(catalog::LoadLocations(STELLIX_SOURCE_DATA_DIR "/location.dat", cities_));
  }
  const LocationRecord& City(const std::string& name) const {
    for (const LocationRecord& c : cities_)
      if (ui::CityName(c) == name) return c;
    ADD_FAILURE() << "no city " << name;
    return cities_[0];
  }
  LocationRecord cities_[kLocationCount] = {};
};

TEST_F(Cities, NamesLoseTheBlanksAndLineEndAroundThem) {
  EXPECT_EQ(ui::CityName(cities_[0]), "Afghanistan:Kabul");
  std::set<std::string> names;
  for (const LocationRecord& c : cities_) {
    const std::string name = ui::CityName(c);
    ASSERT_FALSE(name.empty());
    EXPECT_NE(name.front(), ' ');
    EXPECT_EQ(name.find_first_of("\r\n"), std::string::npos) << name;
    names.insert(name);
  }
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kLocationCount)) << "every city once";
  LocationRecord record{};
  std::strcpy(record.Name, " Poland:Krakow  \n");
  EXPECT_EQ(ui::CityName(record), "Poland:Krakow");
  // A name that fills its whole field without a terminator stays inside it.
  std::memset(record.Name, 'x', sizeof record.Name);
  EXPECT_EQ(ui::CityName(record).size(), sizeof record.Name);
}

TEST_F(Cities, PlacesNearTheZeroLinesTakeTheirHemisphereFromTheMinutes) {
  const struct {
    const char* city;
    const char* fields;
    MapPoint marker;
  } cases[] = {
      {"Ecuador:Galapagos", "0 54 S | 89 36 W | [-6.0]", {106, 105}},
      {"Indonesia:Pontianak", "0 2 S | 109 20 E | [ 7.0]", {304, 105}},
      {"Nauru:Nauru", "0 31 S | 166 55 E | [12.0]", {361, 105}},
      {"Britain (UK):London", "51 30 N | 0 8 W | [ 0.0]", {195, 54}},
      {"Gabon:Libreville", "0 23 N | 9 27 E | [ 1.0]", {204, 105}},
      {"Angola:Luanda", "8 48 S | 13 14 E | [ 1.0]", {208, 113}},
      {"Poland:Krakow", "50 5 N | 19 55 E | [ 1.0]", {214, 55}},
  };
  for (const auto& c : cases) {
    const LocationRecord& city = City(c.city);
    const LocationFields f = ui::FieldsFromCity(city);
    EXPECT_EQ(Describe(f), c.fields) << c.city;
    EXPECT_EQ(f.Name, c.city);
    EXPECT_EQ(ui::MarkerFromCity(city), c.marker) << c.city;
  }
}

TEST_F(Cities, EveryCityKeepsItsPlaceThroughTheFieldsAndTheirChecks) {
  for (const LocationRecord& city : cities_) {
    const std::string name = ui::CityName(city);
    LocationFields f = ui::FieldsFromCity(city);
    const auto checked = ui::CheckLocation(f);
    ASSERT_TRUE(std::holds_alternative<ui::CheckedLocation>(checked)) << name;
    const ui::CheckedLocation& place = std::get<ui::CheckedLocation>(checked);
    const double north = (place.NS == "N" ? 1 : -1) * (place.LatDeg + place.LatMin / 60.0);
    const double west = (place.EW == "W" ? 1 : -1) * (place.LongDeg + place.LongMin / 60.0);
    const auto signedValue = [](int degrees, int minutes) {
      return degrees +
             (degrees < 0 || (degrees == 0 && minutes < 0) ? -1 : 1) * std::abs(minutes) / 60.0;
    };
    EXPECT_DOUBLE_EQ(north, signedValue(city.LatDeg, city.LatMin)) << name;
    EXPECT_DOUBLE_EQ(west, signedValue(city.LongDeg, city.LongMin)) << name;
    // The list shows the zone ahead of Greenwich to one decimal.
    EXPECT_DOUBLE_EQ(ui::ParseReal(ui::FieldsFromCity(city).TimeZone),
                     -std::round(static_cast<double>(city.TimeZone) * 10) / 10)
        << name;
  }
}

// --- The checks of OK -----------------------------------------------------

LocationFields Valid() {
  LocationFields f;
  f.Name = "Here";
  f.LatDeg = "50", f.LatMin = "2", f.NS = "N";
  f.LongDeg = "19", f.LongMin = "55", f.EW = "E";
  f.TimeZone = "1.0";
  return f;
}

TEST(LocationForm, EachFieldIsCheckedAgainstItsRange) {
  const struct {
    std::string LocationFields::*field;
    const char* text;
    std::optional<FieldError> refused;
  } cases[] = {
      {&LocationFields::LongDeg, "180", std::nullopt},
      {&LocationFields::LongDeg, "181", FieldError{LocationField::LongDeg, 0, 180}},
      {&LocationFields::LongDeg, "-1", FieldError{LocationField::LongDeg, 0, 180}},
      {&LocationFields::LongDeg, "0", std::nullopt},
      {&LocationFields::LongMin, "59", std::nullopt},
      {&LocationFields::LongMin, "60", FieldError{LocationField::LongMin, 0, 59}},
      {&LocationFields::LatDeg, "90", std::nullopt},
      {&LocationFields::LatDeg, "91", FieldError{LocationField::LatDeg, 0, 90}},
      {&LocationFields::LatMin, "60", FieldError{LocationField::LatMin, 0, 59}},
      {&LocationFields::LatMin, "-1", FieldError{LocationField::LatMin, 0, 59}},
      {&LocationFields::TimeZone, "12.75", std::nullopt},  // Chatham Islands
      {&LocationFields::TimeZone, "14", std::nullopt},     // Kiritimati
      {&LocationFields::TimeZone, "14.1", FieldError{LocationField::TimeZone, -12, 14}},
      {&LocationFields::TimeZone, "-12.1", FieldError{LocationField::TimeZone, -12, 14}},
      {&LocationFields::TimeZone, "5.5", std::nullopt},
      {&LocationFields::TimeZone, "-12.0", std::nullopt},
      {&LocationFields::TimeZone, " 12", std::nullopt},
      // Text that is not a number reads as 0 and passes.
      {&LocationFields::LatDeg, "ab", std::nullopt},
      {&LocationFields::TimeZone, "x", std::nullopt},
      {&LocationFields::LongDeg, "", std::nullopt},
  };
  for (const auto& c : cases) {
    LocationFields f = Valid();
    f.*c.field = c.text;
    const auto result = ui::CheckLocation(f);
    if (c.refused) {
      ASSERT_TRUE(std::holds_alternative<FieldError>(result)) << c.text;
      EXPECT_EQ(std::get<FieldError>(result), *c.refused) << c.text;
    } else {
      EXPECT_TRUE(std::holds_alternative<ui::CheckedLocation>(result)) << c.text;
    }
  }
}

TEST(LocationForm, TheFirstRefusedFieldInTheDialogsOrderIsNamed) {
  LocationFields f = Valid();
  f.TimeZone = "15", f.LatMin = "61", f.LatDeg = "95", f.LongMin = "70";
  EXPECT_EQ(std::get<FieldError>(ui::CheckLocation(f)).Field, LocationField::LongMin);
  f.LongMin = "1";
  EXPECT_EQ(std::get<FieldError>(ui::CheckLocation(f)).Field, LocationField::LatDeg);
  f.LatDeg = "1";
  EXPECT_EQ(std::get<FieldError>(ui::CheckLocation(f)).Field, LocationField::LatMin);
  f.LatMin = "1";
  EXPECT_EQ(std::get<FieldError>(ui::CheckLocation(f)).Field, LocationField::TimeZone);
  f.LongDeg = "200";
  EXPECT_EQ(std::get<FieldError>(ui::CheckLocation(f)).Field, LocationField::LongDeg);
}

TEST(LocationForm, TheMessageNamesTheBounds) {
  EXPECT_EQ(ui::RangeMessage({LocationField::LongDeg, 0, 180}),
            "You have entered wrong number! It must be from 0 to 180.    ");
  EXPECT_EQ(ui::RangeMessage({LocationField::TimeZone, -12, 14}),
            "You have entered wrong number! It must be from -12 to 14.    ");
}

TEST(LocationForm, ACityKeepsItsZoneWhenItsCoordinatesAreNudged) {
  catalog::Place sydney;
  sydney.Name = "Australia:Sydney";
  sydney.Latitude = -(33 + 52 / 60.0);
  sydney.Longitude = 151 + 13 / 60.0;
  sydney.StandardOffset = 10;
  sydney.ZoneId = "Australia/Sydney";
  const struct {
    LocationField Field;
    const char* Text;
    const char* Zone;
    int JanuaryOffset;  // hours ahead of UT on 2026-01-15 22:00 (the computer in New York)
  } rows[] = {
      {LocationField::LatMin, "00", "Australia/Sydney", 11},
      {LocationField::LatDeg, "34", "Australia/Sydney", 11},
      {LocationField::LongMin, "0", "Australia/Sydney", 11},
      {LocationField::LongDeg, "150", "Australia/Sydney", 11},
      // An offset typed in: the place keeps time by hand (no summer time in New York's winter).
      {LocationField::TimeZone, "10", "", 10},
  };
  const astro_test::ScopedTimeZone computer("America/New_York");
  for (const auto& row : rows) {
    LocationFields f = ui::FieldsFromPlace(sydney);
    std::string* text[] = {&f.LongDeg, &f.LongMin, &f.LatDeg, &f.LatMin, &f.TimeZone};
    *text[static_cast<int>(row.Field)] = row.Text;
    f.ZoneId = ui::ZoneAfterEdit(f.ZoneId, row.Field);
    AppSettings settings;
    settings.DaylightSavingTime = 1;
    ui::CommitLocation(std::get<ui::CheckedLocation>(ui::CheckLocation(f)), settings);
    EXPECT_EQ(settings.TimeZoneId, row.Zone) << row.Text;
    EXPECT_EQ(settings.Location, "Australia:Sydney");
    const sky::CivilInstant instant =
        sky::ResolveLocalTime(ClockRulesOf(settings), {2026, 1, 15, 22, 0, 0});
    EXPECT_EQ(instant.OffsetSeconds, row.JanuaryOffset * 3600) << row.Text;
  }
}

TEST(LocationForm, ACheckedPlaceIsCommittedWhole) {
  LocationFields f = Valid();
  f.Name = "  My\tgarden\n ";
  f.LatDeg = "33", f.LatMin = "27", f.NS = "S";
  f.LongDeg = "070", f.LongMin = "40", f.EW = "W";
  f.TimeZone = "-4.5";
  const auto checked = ui::CheckLocation(f);
  ASSERT_TRUE(std::holds_alternative<ui::CheckedLocation>(checked));
  AppSettings s;
  ui::CommitLocation(std::get<ui::CheckedLocation>(checked), s);
  EXPECT_EQ(s.Location, "My garden") << "one line, no blanks around it";
  EXPECT_EQ(s.LatDeg, 33);
  EXPECT_EQ(s.LatMin, 27);
  EXPECT_EQ(s.NS, "S");
  EXPECT_EQ(s.LongDeg, 70);
  EXPECT_EQ(s.LongMin, 40);
  EXPECT_EQ(s.EW, "W");
  EXPECT_FLOAT_EQ(s.TimeZone, -4.5f);
  // Hemisphere letters other than N and E count as S and W.
  f.NS = "", f.EW = "q";
  const auto other = std::get<ui::CheckedLocation>(ui::CheckLocation(f));
  EXPECT_EQ(other.NS, "S");
  EXPECT_EQ(other.EW, "W");
}

TEST(LocationForm, UpDownsToggleTheHemisphere) {
  const std::pair<const char*, const char*> cases[] = {
      {"N", "S"}, {"S", "N"}, {"E", "W"}, {"W", "E"}};
  for (const auto& [from, to] : cases) EXPECT_EQ(ui::ToggleHemisphere(from), to) << from;
}

TEST(LocationForm, NumbersAreReadAsTheCLibraryReadsThem) {
  const std::pair<const char*, int> integers[] = {{"12", 12},
                                                  {" 12abc", 12},
                                                  {"-5", -5},
                                                  {"+7", 7},
                                                  {"abc", 0},
                                                  {"", 0},
                                                  {"1.9", 1},
                                                  {"- 3", 0},
                                                  {"99999999999", INT_MAX},
                                                  {"-99999999999", INT_MIN}};
  for (const auto& [text, value] : integers) EXPECT_EQ(ui::ParseInteger(text), value) << text;
  const std::pair<const char*, double> reals[] = {
      {"5.5", 5.5}, {" -0.5x", -0.5}, {"+2", 2},    {"+-1", 0}, {"1e1", 10}, {".5", 0.5},
      {"inf", 0},   {"nan", 0},       {"1e999", 0}, {"", 0},    {"x", 0},    {" 1.0", 1}};
  for (const auto& [text, value] : reals) EXPECT_EQ(ui::ParseReal(text), value) << text;
}

// --- Date, magnitude, deep-sky and colour dialogs ----------------------------

TEST(ChartSettingsForm, DatesShowFourDigitYears) {
  const std::pair<const char*, const char*> cases[] = {
      {"M/d/yy", "M/d/yyyy"},     {"dd.MM.yyyy", "dd.MM.yyyy"},     {"d MMM y", "d MMM yyyy"},
      {"yy-MM-dd", "yyyy-MM-dd"}, {"'yy' d/M/yy", "'yy' d/M/yyyy"},  // quoted text stays as it is
  };
  for (const auto& [format, want] : cases) EXPECT_EQ(ui::FourDigitYearFormat(format), want);
}

TEST(ChartSettingsForm, StarsSliderAndLimits) {
  const struct {
    int position, starsLimit;
    double magnitude;
  } cases[] = {{0, 0, 1.0},   {1, 1, 1.5},   {9, 9, 5.5},   {10, 10, 6.0},
               {11, 13, 7.5}, {12, 14, 8.0}, {22, 24, 13.0}};
  for (const auto& c : cases) {
    EXPECT_EQ(ui::StarsLimitFromSlider(c.position), c.starsLimit) << c.position;
    EXPECT_EQ(StarLimitFromIndex(ui::StarsLimitFromSlider(c.position)), c.magnitude);
    EXPECT_EQ(ui::StarsSliderPosition(c.starsLimit), c.position) << "reopening";
  }
  EXPECT_EQ(ui::StarsSliderPosition(11), 11) << "the default index stands at the end too";
  EXPECT_EQ(ui::StarsSliderPosition(-4), 0);
  EXPECT_EQ(ui::StarsSliderPosition(40), 22);
}

TEST(ChartSettingsForm, DeepSkySliderAndLimits) {
  EXPECT_EQ(DeepSkyLimitFromIndex(ui::DeepSkySliderPosition(0)), 6.0);
  EXPECT_EQ(DeepSkyLimitFromIndex(ui::DeepSkySliderPosition(7)), 13.0);
  EXPECT_EQ(DeepSkyLimitFromIndex(ui::DeepSkySliderPosition(10)), 16.0);
  EXPECT_EQ(ui::DeepSkySliderPosition(12), 10);
  EXPECT_EQ(ui::DeepSkySliderPosition(-1), 0);
}

// The comets' and minor planets' limit, typed: a number of 0 to 20 with a
// point or a comma, kept to a tenth; anything else is refused.
TEST(ChartSettingsForm, TheSmallBodyLimitIsANumberFromZeroToTwenty) {
  struct Case {
    const char* text;
    std::optional<double> limit;
  } const cases[] = {
      {"12", 12.0},
      {"12.0", 12.0},
      {" 9.5 ", 9.5},
      {"9,5", 9.5},
      {"0", 0.0},
      {"20", 20.0},
      {"13.04", 13.0},
      {"13.06", 13.1},
      {"20.04", 20.0},
      {"-0.04", 0.0},
      {".5", 0.5},
      {"20.1", std::nullopt},
      {"-1", std::nullopt},
      {"", std::nullopt},
      {"  ", std::nullopt},
      {"abc", std::nullopt},
      {"12 mag", std::nullopt},
      {"1,2,3", std::nullopt},
      {"nan", std::nullopt},
      {"inf", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ui::SmallBodyLimitFromText(c.text), c.limit) << c.text;
  EXPECT_EQ(ui::SmallBodyLimitText(12), "12.0");
  EXPECT_EQ(ui::SmallBodyLimitText(3.5), "3.5") << "no blank before it";
  EXPECT_EQ(ui::SmallBodyLimitFromText(ui::SmallBodyLimitText(13.5)), 13.5) << "read back";
  EXPECT_EQ(ui::SmallBodyLimitMessage(), res::Format(res::IDS_WRONG_NUMBER_RANGE, 0, 20));
  EXPECT_NE(ui::SmallBodyLimitMessage().find("from 0 to 20"), std::string::npos);
}

TEST(ChartSettingsForm, TickLabelsNameTheMagnitudeOfTheirPosition) {
  std::vector<std::string> stars, deepSky;
  for (const ui::SliderTick& t : ui::StarsSliderTicks()) {
    stars.push_back(t.Text);
    EXPECT_EQ(StarLimitFromIndex(ui::StarsLimitFromSlider(t.Position)), std::atof(t.Text));
  }
  for (const ui::SliderTick& t : ui::DeepSkySliderTicks()) {
    deepSky.push_back(t.Text);
    EXPECT_EQ(DeepSkyLimitFromIndex(t.Position), std::atof(t.Text));
  }
  EXPECT_EQ(stars, (std::vector<std::string>{"1", "3", "5", "8", "10", "12"}));
  EXPECT_EQ(deepSky, (std::vector<std::string>{"6", "8", "10", "12", "14", "16"}));
}

TEST(ChartSettingsForm, EveryPairAndButtonHasASettingOfItsOwn) {
  const AppSettings settings;
  std::set<const int*> pairs, colours;
  for (const ui::RadioPair& p : ui::DeepSkyRadioPairs()) pairs.insert(&(settings.*p.Setting));
  for (const ui::ColourButton& b : ui::ColourButtons()) colours.insert(&(settings.*b.Setting));
  EXPECT_EQ(pairs.size(), 9u);
  EXPECT_EQ(colours.size(), 9u);
}

TEST(ChartSettingsForm, ColoursArePackedWithRedInTheLowestByte) {
  const std::pair<ui::Rgb, int> cases[] = {{{0, 128, 255}, 16744448},
                                           {{255, 0, 0}, 255},
                                           {{0, 0, 255}, 16711680},
                                           {{192, 192, 192}, 12632256},
                                           {{0, 0, 0}, 0}};
  for (const auto& [rgb, packed] : cases) {
    EXPECT_EQ(ui::PackColour(rgb), packed);
    EXPECT_EQ(ui::UnpackColour(packed), rgb);
  }
  EXPECT_EQ(ui::PackColour({300, -1, 0}), 255);
  EXPECT_EQ(ui::UnpackColour(0x7F0000FF), (ui::Rgb{255, 0, 0}));
}

}  // namespace
