// cities.tab, the cities of the location dialog, as text: every line of any
// byte sequence is a city the dialog can use, a fault counted in the report,
// or blank.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "catalog/places.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // The fuzzer has no tzdata to ask: a zone it knows is one with a slash.
  const auto knownZone = [](std::string_view zone) {
    return zone.find('/') != std::string_view::npos;
  };
  catalog::LoadReport report;
  const std::vector<catalog::Place> cities = catalog::ReadCities(text, knownZone, &report);
  const long lines = static_cast<long>(std::count(text.begin(), text.end(), '\n')) + 1;
  FUZZ_CHECK(static_cast<long>(cities.size()) + report.Unusable <= lines);
  FUZZ_CHECK((report.Unusable == 0) == (report.FirstUnusable < 0));
  FUZZ_CHECK((report.Unusable == 0) == (report.FirstFault == catalog::RecordFault::None));
  FUZZ_CHECK(report.FirstUnusable < lines);
  for (const catalog::Place& city : cities) {
    FUZZ_CHECK(!city.Name.empty());
    FUZZ_CHECK(std::isfinite(city.Latitude) && std::fabs(city.Latitude) <= 90);
    FUZZ_CHECK(std::isfinite(city.Longitude) && std::fabs(city.Longitude) <= 180);
    FUZZ_CHECK(std::isfinite(city.StandardOffset) && city.StandardOffset >= -12 &&
               city.StandardOffset <= 14);
    FUZZ_CHECK(city.ZoneId.empty() || knownZone(city.ZoneId));
    if (city.Elevation) FUZZ_CHECK(std::isfinite(*city.Elevation));
  }
  return 0;
}
