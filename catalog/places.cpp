#include "catalog/places.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

#include "catalog/regular_file.h"

namespace catalog {
namespace {

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// The lines of a text, without their line ends.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

bool ReadNumber(std::string_view text, double low, double high, double& value) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && std::isfinite(value) &&
         value >= low && value <= high;
}

// Degrees and minutes of location.dat, whose sign the degrees carry (the
// minutes where the degrees are 0).
double Degrees(std::int32_t degrees, std::int32_t minutes) {
  const bool negative = degrees < 0 || (degrees == 0 && minutes < 0);
  const double value = std::abs(degrees) + std::abs(minutes) / 60.0;
  return negative ? -value : value;
}

}  // namespace

std::vector<Place> PlacesOfLocations(const LocationRecord* records, int count,
                                     std::string_view zonesText) {
  struct Zone {
    std::string Id;
    double StandardOffset;
  };
  std::map<std::string, Zone, std::less<>> zones;
  for (std::string_view line : Lines(zonesText)) {
    const std::vector<std::string_view> f = Fields(line);
    double offset = 0.0;
    if (f.size() == 3 && ReadNumber(f[2], -12, 14, offset))
      zones.emplace(Trim(f[0]), Zone{std::string(Trim(f[1])), offset});
  }
  std::vector<Place> places;
  for (int i = 0; i < count; ++i) {
    const LocationRecord& r = records[i];
    Place place;
    place.Name = std::string(Trim(std::string_view(r.Name, strnlen(r.Name, sizeof r.Name))));
    if (place.Name.empty()) continue;  // a record the loader left out
    place.Latitude = Degrees(r.LatDeg, r.LatMin);
    place.Longitude = -Degrees(r.LongDeg, r.LongMin);
    place.StandardOffset = -static_cast<double>(r.TimeZone);
    if (const auto zone = zones.find(place.Name); zone != zones.end()) {
      place.ZoneId = zone->second.Id;
      place.StandardOffset = zone->second.StandardOffset;
    }
    places.push_back(std::move(place));
  }
  return places;
}

std::vector<Place> ReadCities(std::string_view text,
                              const std::function<bool(std::string_view)>& knownZone,
                              LoadReport* report) {
  std::vector<Place> places;
  const std::vector<std::string_view> lines = Lines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (Trim(lines[i]).empty()) continue;
    const std::vector<std::string_view> f = Fields(lines[i]);
    Place place;
    RecordFault fault = RecordFault::None;
    if (f.size() != 6 || Trim(f[0]).empty()) {
      fault = RecordFault::Text;
    } else if (!ReadNumber(f[1], -90, 90, place.Latitude) ||
               !ReadNumber(f[2], -180, 180, place.Longitude) ||
               !ReadNumber(f[4], -12, 14, place.StandardOffset)) {
      fault = RecordFault::Place;
    } else {
      place.ZoneId = std::string(Trim(f[5]));
      // A zone of another tzdata would leave the city's clock to a guess.
      if (!place.ZoneId.empty() && !knownZone(place.ZoneId)) fault = RecordFault::Zone;
    }
    if (fault != RecordFault::None) {
      if (report && report->Unusable++ == 0) {
        report->FirstUnusable = static_cast<int>(i);
        report->FirstFault = fault;
      }
      continue;
    }
    place.Name = std::string(Trim(f[0]));
    double elevation = 0.0;
    if (ReadNumber(f[3], -500, 9000, elevation)) place.Elevation = elevation;
    places.push_back(std::move(place));
  }
  return places;
}

std::optional<std::string> ReadTextFile(const char* path) {
  std::FILE* file = OpenRegularFile(path, "rb");
  if (!file) return std::nullopt;
  std::string text;
  char buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return text;
}

}  // namespace catalog
