#include "catalog/sky_cells.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace catalog {
namespace {

constexpr double kDegToRad = std::numbers::pi / 180.0;
// Widens every view a little, so that a place on a cell's edge is never
// missed by rounding.
constexpr double kMarginDegrees = 1e-6;

struct Bands {
  std::array<int, kSkyCellBands + 1> First{};  // first cell of each band, then the count
};

const Bands& BandTable() {
  static const Bands table = [] {
    Bands t;
    for (int band = 0; band < kSkyCellBands; ++band)
      t.First[band + 1] = t.First[band] + SkyCellsInBand(band);
    return t;
  }();
  return table;
}

int BandOf(double decDegrees) {
  const int band = static_cast<int>(std::floor((decDegrees + 90.0) / kSkyCellBandDegrees));
  return std::clamp(band, 0, kSkyCellBands - 1);
}

}  // namespace

int SkyCellsInBand(int band) {
  const double centre = (-90.0 + (band + 0.5) * kSkyCellBandDegrees) * kDegToRad;
  // Rounded half away from zero, as the generator's round() never meets a half here.
  return std::max(1, static_cast<int>(std::lround(360.0 / kSkyCellBandDegrees * std::cos(centre))));
}

int SkyCellCount() { return BandTable().First[kSkyCellBands]; }

int SkyCellOf(double raHours, double decDegrees) {
  const int band = BandOf(decDegrees);
  const int n = SkyCellsInBand(band);
  const int column = std::clamp(static_cast<int>(std::floor(raHours / 24.0 * n)), 0, n - 1);
  return BandTable().First[band] + column;
}

std::vector<int> SkyCellsInView(const SkyView& view) {
  std::vector<int> cells;
  if (!std::isfinite(view.RaHours) || !std::isfinite(view.DecDegrees) ||
      !std::isfinite(view.RadiusDegrees) || view.RadiusDegrees < 0)
    return cells;
  const double radius = view.RadiusDegrees + kMarginDegrees;
  const double low = view.DecDegrees - radius, high = view.DecDegrees + radius;
  // Half the span of right ascension the view covers at any declination; all
  // of it when the view holds a pole.
  double halfSpanHours = 12.0;
  if (radius < 90.0 && std::abs(view.DecDegrees) + radius < 90.0) {
    const double s = std::sin(radius * kDegToRad) / std::cos(view.DecDegrees * kDegToRad);
    if (s < 1.0) halfSpanHours = std::asin(s) / kDegToRad / 15.0;
  }
  const double ra = std::fmod(std::fmod(view.RaHours, 24.0) + 24.0, 24.0);
  for (int band = BandOf(std::max(low, -90.0)); band <= BandOf(std::min(high, 90.0)); ++band) {
    const int n = SkyCellsInBand(band);
    const int first = BandTable().First[band];
    if (halfSpanHours >= 12.0) {
      for (int c = 0; c < n; ++c) cells.push_back(first + c);
      continue;
    }
    const double width = 24.0 / n;
    const int from = static_cast<int>(std::floor((ra - halfSpanHours) / width));
    const int to = static_cast<int>(std::floor((ra + halfSpanHours) / width));
    if (to - from + 1 >= n) {
      for (int c = 0; c < n; ++c) cells.push_back(first + c);
      continue;
    }
    const std::size_t bandStart = cells.size();
    for (int c = from; c <= to; ++c) cells.push_back(first + ((c % n) + n) % n);
    std::sort(cells.begin() + static_cast<std::ptrdiff_t>(bandStart), cells.end());
  }
  return cells;
}

double SkyDistanceDegrees(double ra1Hours, double dec1Degrees, double ra2Hours,
                          double dec2Degrees) {
  const double a1 = ra1Hours * 15.0 * kDegToRad, d1 = dec1Degrees * kDegToRad;
  const double a2 = ra2Hours * 15.0 * kDegToRad, d2 = dec2Degrees * kDegToRad;
  // The haversine form: exact for the small angles of a view.
  const double h = std::pow(std::sin((d2 - d1) / 2), 2) +
                   std::cos(d1) * std::cos(d2) * std::pow(std::sin((a2 - a1) / 2), 2);
  return 2.0 * std::asin(std::min(1.0, std::sqrt(h))) / kDegToRad;
}

}  // namespace catalog
