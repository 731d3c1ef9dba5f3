// The places the observer picks by name, and the data they come from.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

#include "catalog/loaders.h"
#include "catalog/places.h"
#include "sky/civil_time.h"
#include "sky/places.h"
#include "ui/location_form.h"

namespace {

std::string DataFile(const char* name) { return std::string(STELLIX_SOURCE_DATA_DIR) + "/" + name; }

// location.dat's places with their zones and the cities, as the document reads them.
std::vector<catalog::Place> ShippedPlaces() {
  struct Records {
    LocationRecord Array[kLocationCount];
  };
  const auto records = std::make_unique<Records>();
  EXPECT_TRUE(catalog::LoadLocations(DataFile("location.dat").c_str(), records->Array));
  std::vector<catalog::Place> places = catalog::PlacesOfLocations(
      records->Array, kLocationCount,
      catalog::ReadTextFile(DataFile("location_zones.tab").c_str()).value_or(""));
  catalog::LoadReport report;
  std::vector<catalog::Place> cities =
      catalog::ReadCities(catalog::ReadTextFile(DataFile("cities.tab").c_str()).value_or(""),
                          sky::IsKnownTimeZone, &report);
  EXPECT_FALSE(report.Damaged());
  places.insert(places.end(), cities.begin(), cities.end());
  return places;
}

TEST(PlacesData, EveryPlaceOfLocationDatHasAZoneAndEveryZoneIsKnown) {
  const std::vector<catalog::Place> places = ShippedPlaces();
  ASSERT_EQ(places.size(), 409u + 3238u);
  int withZone = 0;
  for (std::size_t i = 0; i < places.size(); ++i) {
    const catalog::Place& p = places[i];
    if (i < 409) {
      EXPECT_FALSE(p.ZoneId.empty()) << p.Name;
    }
    if (p.ZoneId.empty()) continue;
    ++withZone;
    EXPECT_TRUE(sky::IsKnownTimeZone(p.ZoneId)) << p.Name << " " << p.ZoneId;
    // The zone's standard offset (the smaller of January's and July's) is the place's.
    sky::ClockRules rules;
    rules.ZoneId = p.ZoneId;
    const int january = sky::ResolveLocalTime(rules, {2025, 1, 15, 12, 0, 0}).OffsetSeconds;
    const int july = sky::ResolveLocalTime(rules, {2025, 7, 15, 12, 0, 0}).OffsetSeconds;
    EXPECT_EQ(std::min(january, july), static_cast<int>(p.StandardOffset * 3600)) << p.Name;
  }
  // Every city has a zone.
  EXPECT_EQ(withZone, static_cast<int>(places.size()));
  // Names are unique: a name typed or saved finds one place.
  std::vector<std::string> names;
  for (const catalog::Place& p : places) names.push_back(p.Name);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
  const catalog::Place* krakow = sky::FindPlace(places, "Poland:Krakow");
  ASSERT_NE(krakow, nullptr);
  EXPECT_EQ(krakow->ZoneId, "Europe/Warsaw");
  const catalog::Place* kathmandu = sky::FindPlace(places, "Nepal:Kathmandu");
  ASSERT_NE(kathmandu, nullptr);
  EXPECT_DOUBLE_EQ(kathmandu->StandardOffset, 5.75);
}

TEST(PlacesData, EachCityHasTheZoneWhoseAreaHoldsIt) {
  // Cities that once had the nearest zone of the same standard offset, with
  // another history; the offsets are Python's zoneinfo's.
  const struct {
    const char* Name;
    const char* Zone;
    astro::CivilTime Local;
    double Offset;
  } rows[] = {
      {"USA:Amarillo, Texas", "America/Chicago", {1990, 7, 1, 22, 0, 0}, -5},
      {"USA:Albany, Georgia", "America/New_York", {1990, 7, 1, 22, 0, 0}, -4},
      {"Canada:Saskatoon, Saskatchewan", "America/Regina", {1965, 7, 1, 22, 0, 0}, -6},
      {"Russia:Zelenchukskaya", "Europe/Moscow", {2005, 1, 15, 22, 0, 0}, 3},
      {"Russia:Krasnodar, South Region", "Europe/Moscow", {2005, 1, 15, 22, 0, 0}, 3},
      {"Russia:Sochi, South Region", "Europe/Moscow", {2005, 1, 15, 22, 0, 0}, 3},
      {"Estonia:Tartu", "Europe/Tallinn", {1995, 7, 1, 22, 0, 0}, 3},
      {"Denmark:Aabenraa, Jylland", "Europe/Copenhagen", {1949, 7, 1, 22, 0, 0}, 1},
      // Points at sea by the database's coordinates: the zone named after the
      // city, or its country's, and not the sea's fixed offset.
      {"China:Hong Kong", "Asia/Hong_Kong", {1975, 7, 1, 22, 0, 0}, 9},
      {"Finland:Tornio", "Europe/Helsinki", {2025, 7, 1, 22, 0, 0}, 3},
  };
  const std::vector<catalog::Place> places = ShippedPlaces();
  for (const auto& row : rows) {
    const catalog::Place* p = sky::FindPlace(places, row.Name);
    ASSERT_NE(p, nullptr) << row.Name;
    EXPECT_EQ(p->ZoneId, row.Zone) << row.Name;
    sky::ClockRules rules;
    rules.ZoneId = p->ZoneId;
    EXPECT_EQ(sky::ResolveLocalTime(rules, row.Local).OffsetSeconds, row.Offset * 3600) << row.Name;
  }
}

TEST(PlacesData, EachPlaceIsListedOnce) {
  // A city of the same name as a place of location.dat within 50 km is that place.
  const std::vector<catalog::Place> places = ShippedPlaces();
  const auto city = [](const std::string& name) {
    std::string part = name.substr(name.find(':') + 1);
    part = part.substr(0, part.find(','));
    for (char& c : part) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return part;
  };
  const std::size_t located = kLocationCount;
  for (std::size_t i = 0; i < located; ++i)
    for (std::size_t j = located; j < places.size(); ++j) {
      if (city(places[i].Name) != city(places[j].Name)) continue;
      EXPECT_GT(sky::DistanceKm(places[i].Latitude, places[i].Longitude, places[j].Latitude,
                                places[j].Longitude),
                50)
          << places[i].Name << " and " << places[j].Name;
    }
}

std::vector<catalog::Place> Cities(std::string_view text, catalog::LoadReport* report = nullptr) {
  return catalog::ReadCities(text, sky::IsKnownTimeZone, report);
}

std::vector<catalog::Place> Sample() {
  return Cities(
      "Poland:Krakow\t50.08333\t19.91667\t219\t1\tEurope/Warsaw\n"
      "United States:New York\t40.71417\t-74.00639\t\t-5\tAmerica/New_York\n"
      "USA:Yonkers, New York\t40.93167\t-73.89806\t32\t-5\tAmerica/New_York\n"
      "Australia:Sydney\t-33.86667\t151.21667\t\t10\tAustralia/Sydney\n"
      "Canada:Sydney, Nova Scotia\t46.14\t-60.07972\t49\t-4\tAmerica/Glace_Bay\n"
      "Jordan:Amman\t31.95\t35.93333\t\t2\t\n");
}

TEST(Places, CitiesFileLinesAndTheirFaults) {
  const std::vector<catalog::Place> sample = Sample();
  ASSERT_EQ(sample.size(), 6u);
  EXPECT_EQ(sample[0].Elevation, 219.0);
  EXPECT_FALSE(sample[1].Elevation.has_value());
  EXPECT_EQ(sample[5].ZoneId, "");
  EXPECT_DOUBLE_EQ(sample[3].Longitude, 151.21667);
  using catalog::RecordFault;
  const std::pair<const char*, RecordFault> bad[] = {
      {"X\t1\t2\t3\t4", RecordFault::Text},
      {"\t1\t0\t0\t0\tUTC", RecordFault::Text},
      {"X\t1\t0\t0\t0\tUTC\textra", RecordFault::Text},
      {"X\t91\t0\t0\t0\tUTC", RecordFault::Place},
      {"X\t0\t181\t0\t0\tUTC", RecordFault::Place},
      {"X\t0\t0\t0\t15\tUTC", RecordFault::Place},
      {"X\tnan\t0\t0\t0\tUTC", RecordFault::Place},
      {"X\t1a\t0\t0\t0\tUTC", RecordFault::Place},
      {"X\t1\t0\t0\t0\tMars/Olympus_Mons", RecordFault::Zone},
  };
  for (const auto& [line, fault] : bad) {
    // Between two good lines: the fault is the second line's, and both good lines are kept.
    catalog::LoadReport report;
    const std::vector<catalog::Place> read =
        Cities(std::string("A\t1\t2\t3\t4\tUTC\n") + line + "\nB\t1\t2\t3\t4\t\n", &report);
    EXPECT_EQ(read.size(), 2u) << line;
    EXPECT_EQ(report.Unusable, 1) << line;
    EXPECT_EQ(report.FirstUnusable, 1) << line;
    EXPECT_EQ(report.FirstFault, fault) << line;
  }
  // Carriage returns, empty lines and a missing last line end are no faults.
  catalog::LoadReport report;
  EXPECT_EQ(Cities("A\t1\t2\t3\t4\tUTC\r\n\r\nB\t1\t2\t3\t4\tUTC", &report).size(), 2u);
  EXPECT_FALSE(report.Damaged());
}

TEST(Places, FoundByNameByWordsAndNearAPoint) {
  const std::vector<catalog::Place> sample = Sample();
  const std::pair<const char*, const char*> names[] = {{"poland:krakow", "Poland:Krakow"},
                                                       {"Krakow", "Poland:Krakow"},
                                                       {"new york", "United States:New York"},
                                                       {"SYDNEY", "Australia:Sydney"},
                                                       {"Amman", "Jordan:Amman"},
                                                       {"Yonkers", "USA:Yonkers, New York"}};
  for (const auto& [name, found] : names) {
    const catalog::Place* p = sky::FindPlace(sample, name);
    ASSERT_NE(p, nullptr) << name;
    EXPECT_EQ(p->Name, found);
  }
  EXPECT_EQ(sky::FindPlace(sample, "Krak"), nullptr);
  EXPECT_EQ(sky::FindPlace(sample, ""), nullptr);

  EXPECT_EQ(sky::SearchPlaces(sample, "sydney"), (std::vector<int>{3, 4}));
  EXPECT_EQ(sky::SearchPlaces(sample, " york  NEW "), (std::vector<int>{1, 2}));
  EXPECT_EQ(sky::SearchPlaces(sample, "").size(), sample.size());
  EXPECT_TRUE(sky::SearchPlaces(sample, "york sydney").empty());

  // 41 N 74 W: Yonkers at 11 km, New York at 33 km.
  EXPECT_EQ(sky::NearestPlace(sample, 41, -74, 50)->Name, "USA:Yonkers, New York");
  EXPECT_EQ(sky::NearestPlace(sample, 40.6, -74.1, 50)->Name, "United States:New York");
  EXPECT_EQ(sky::NearestPlace(sample, 41, -75, 50), nullptr);
  EXPECT_NEAR(sky::DistanceKm(50.08333, 19.91667, 52.23, 21.01), 252, 2);  // Krakow-Warsaw
  EXPECT_NEAR(sky::DistanceKm(0, 179.9, 0, -179.9), 22.2, 0.1);
}

TEST(Places, ANameMadeOfTheCoordinates) {
  struct Row {
    double Latitude, Longitude;
    const char* Name;
  };
  const Row rows[] = {{41, -74, "41\u00b0N 74\u00b0W"},
                      {-33.8667, 151.2167, "33\u00b052'S 151\u00b013'E"},
                      {0, 0, "0\u00b0 0\u00b0"},
                      {-0.5, 0.1, "0\u00b030'S 0\u00b006'E"},
                      {90, 180, "90\u00b0N 180\u00b0E"}};
  for (const Row& row : rows) EXPECT_EQ(sky::CoordinateName(row.Latitude, row.Longitude), row.Name);
}

TEST(Places, APlaceIntoTheSettingsAndItsFields) {
  AppSettings settings;
  settings.DaylightSavingTime = 0;
  sky::ApplyPlace(Sample()[3], settings);
  EXPECT_EQ(settings.Location, "Australia:Sydney");
  EXPECT_EQ(settings.LatDeg, 33);
  EXPECT_EQ(settings.LatMin, 52);
  EXPECT_EQ(settings.NS, "S");
  EXPECT_EQ(settings.LongDeg, 151);
  EXPECT_EQ(settings.LongMin, 13);
  EXPECT_EQ(settings.EW, "E");
  EXPECT_FLOAT_EQ(settings.TimeZone, 10.0f);
  EXPECT_EQ(settings.TimeZoneId, "Australia/Sydney");
  EXPECT_EQ(settings.DaylightSavingTime, 0) << "the option is left as it was";
  const ui::LocationFields f = ui::FieldsFromPlace(Sample()[3]);
  EXPECT_EQ(f.ZoneId, "Australia/Sydney");
  EXPECT_EQ(f.TimeZone, "10.0");
  EXPECT_EQ(ui::MarkerFromPlace(Sample()[3]), (ui::MapPoint{195 + 151, 105 + 33}));

  // --place for one run: the settings' own place comes back.
  AppSettings before;
  AppSettings during = before;
  sky::ApplyPlace(Sample()[1], during);
  EXPECT_FALSE(sky::SameLocation(before, during));
  AppSettings after = during;
  after.Zoom = 8;
  sky::CopyLocation(before, after);
  EXPECT_TRUE(sky::SameLocation(before, after));
  EXPECT_EQ(after.Zoom, 8);
}

TEST(Places, AClickOnTheMapIsNamedAfterTheNearestPlace) {
  const std::vector<catalog::Place> sample = Sample();
  // 41 N 74 W, 50 N 20 E, and the open sea.
  const auto at = [&](int west, int north) {
    return ui::NamedPlaceAtMapPoint({195 - west, 105 - north}, sample);
  };
  EXPECT_EQ(at(74, 41)->Name, "near USA:Yonkers, New York (11 km)");
  EXPECT_EQ(at(74, 41)->ZoneId, "America/New_York");
  EXPECT_EQ(at(74, 41)->TimeZone, "-5.0");
  EXPECT_EQ(at(-20, 50)->Name, "near Poland:Krakow (11 km)");
  // A place on the whole degree is the point itself.
  const std::vector<catalog::Place> onTheDegree =
      Cities("X:On\t41\t-74\t0\t-5\tAmerica/New_York\n");
  EXPECT_EQ(ui::NamedPlaceAtMapPoint({195 - 74, 105 - 41}, onTheDegree)->Name, "X:On");
  EXPECT_EQ(at(30, 0)->Name, "0\u00b0 30\u00b0W");
  EXPECT_EQ(at(30, 0)->ZoneId, "");
  EXPECT_EQ(at(30, 0)->TimeZone, "-2.0");
  EXPECT_FALSE(ui::NamedPlaceAtMapPoint({5, 5}, sample));
}

}  // namespace
