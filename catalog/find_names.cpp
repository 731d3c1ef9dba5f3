#include "catalog/find_names.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "astro/transforms.h"
#include "catalog/builtin_tables.h"

namespace catalog {
namespace {

constexpr int kCaldwellLast = 109;
constexpr double kFarthestPairDeg = 20.0;

// The tab-separated fields of each line, without line ends.
std::vector<std::vector<std::string_view>> Rows(std::string_view text) {
  std::vector<std::vector<std::string_view>> rows;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::vector<std::string_view> fields;
    for (;;) {
      const std::size_t tab = line.find('\t');
      fields.push_back(line.substr(0, tab));
      if (tab == std::string_view::npos) break;
      line.remove_prefix(tab + 1);
    }
    rows.push_back(std::move(fields));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return rows;
}

template <typename T>
bool Read(std::string_view field, T& value) {
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  return error == std::errc() && end == field.data() + field.size();
}

// The angle between two points of the sky, degrees.
double SeparationDeg(double ra1, double dec1, double ra2, double dec2) {
  const double a1 = ra1 * 15.0 * astro::kDegToRad, d1 = dec1 * astro::kDegToRad;
  const double a2 = ra2 * 15.0 * astro::kDegToRad, d2 = dec2 * astro::kDegToRad;
  const double c = std::sin(d1) * std::sin(d2) + std::cos(d1) * std::cos(d2) * std::cos(a1 - a2);
  return std::acos(std::clamp(c, -1.0, 1.0)) * astro::kRadToDeg;
}

}  // namespace

std::vector<CaldwellEntry> ReadCaldwell(std::string_view text) {
  std::vector<CaldwellEntry> entries;
  for (const std::vector<std::string_view>& f : Rows(text)) {
    CaldwellEntry entry;
    if (f.size() != 2 || !Read(f[0], entry.Number) || entry.Number < 1 ||
        entry.Number > kCaldwellLast || f[1].empty())
      continue;
    entry.Designation = std::string(f[1]);
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<ConstellationNames> ReadConstellationNames(std::string_view text) {
  std::vector<ConstellationNames> rows;
  for (const std::vector<std::string_view>& f : Rows(text)) {
    ConstellationNames row;
    if (f.size() != 5 || f[0].empty() || f[1].empty() || f[2].empty() ||
        !Read(f[3], row.RightAscension) || !Read(f[4], row.Declination) ||
        !(row.RightAscension >= 0.0 && row.RightAscension < 24.0) ||
        !(std::abs(row.Declination) <= 90.0))
      continue;
    row.Name = std::string(f[0]);
    row.Abbreviation = std::string(f[1]);
    row.Genitive = std::string(f[2]);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<int> PairConstellations(const std::vector<ConstellationNames>& rows) {
  std::vector<int> pairs(kConstellationCentreCount, -1);
  std::vector<bool> taken(rows.size(), false);
  for (int i = 0; i < kConstellationCentreCount; ++i)
    for (std::size_t r = 0; r < rows.size(); ++r)
      if (!taken[r] && rows[r].Name == kConstellationCentres[i].Name) {
        pairs[i] = static_cast<int>(r);
        taken[r] = true;
        break;
      }
  for (int i = 0; i < kConstellationCentreCount; ++i) {
    if (pairs[i] >= 0) continue;
    double nearest = kFarthestPairDeg;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const double d = SeparationDeg(kConstellationCentres[i].RightAscension,
                                     kConstellationCentres[i].Declination, rows[r].RightAscension,
                                     rows[r].Declination);
      if (!taken[r] && d < nearest) {
        nearest = d;
        pairs[i] = static_cast<int>(r);
      }
    }
    if (pairs[i] >= 0) taken[pairs[i]] = true;
  }
  return pairs;
}

}  // namespace catalog
