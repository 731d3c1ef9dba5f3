#include "astro/small_body.h"

#include <cmath>

namespace astro {
namespace {

double Length(const double (&v)[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

}  // namespace

SmallBodyPlace SmallBodyPlaceAt(const OrbitalElements& elements, double ttJulianDay,
                                const EarthMotion& earth, const double (&observer)[3],
                                const PrecessionMatrix& npb) {
  // A comet passing the Earth at 0.01 AU moves its light time by less than a
  // millisecond after three rounds.
  double body[3], geocentric[3];
  double lightTime = 0.0;
  for (int round = 0; round < 4; ++round) {
    const StateVector s = EquatorialStateAt(elements, ttJulianDay - lightTime);
    double seen[3];
    for (int i = 0; i < 3; ++i) {
      body[i] = s.Position[i];
      geocentric[i] = body[i] - earth.Heliocentric[i];
      seen[i] = geocentric[i] - observer[i];
    }
    lightTime = Length(seen) * kLightDaysPerAu;
  }
  const ApparentDirection d = SeenFrom(observer, geocentric, earth);
  SmallBodyPlace place;
  place.Astrometric = d.Astrometric;
  place.Aberrated = d.Apparent;
  place.Apparent = PrecessToDate(npb, d.Apparent.RightAscension, d.Apparent.Declination);
  place.HelioDistance = Length(body);
  place.GeoDistance = d.Distance;
  // The angle at the body between the Sun and the observer.
  double toObserver[3];
  for (int i = 0; i < 3; ++i) toObserver[i] = observer[i] - geocentric[i];
  double dot = 0.0;
  for (int i = 0; i < 3; ++i) dot -= body[i] * toObserver[i];
  place.PhaseAngle =
      std::acos(std::fmax(-1.0, std::fmin(1.0, dot / (place.HelioDistance * d.Distance)))) *
      kRadToDeg;
  return place;
}

double MinorPlanetMagnitude(double h, double g, double r, double delta, double phaseAngle) {
  const double t = std::tan(0.5 * phaseAngle * kDegToRad);
  const double phi1 = std::exp(-3.33 * std::pow(t, 0.63));
  const double phi2 = std::exp(-1.87 * std::pow(t, 1.22));
  return h + 5.0 * std::log10(r * delta) - 2.5 * std::log10((1.0 - g) * phi1 + g * phi2);
}

double CometMagnitude(double m1, double k1, double r, double delta) {
  return m1 + 5.0 * std::log10(delta) + k1 * std::log10(r);
}

double CometTailLength(double m1, double k1, double r) {
  constexpr double kTailAtFifth = 0.1;  // AU, at magnitude 5
  const double magnitude = CometMagnitude(m1, k1, r, 1.0);
  const double length = kTailAtFifth * std::pow(10.0, -0.2 * (magnitude - 5.0));
  return length > kLongestCometTail ? kLongestCometTail : length;  // NaN stays NaN
}

}  // namespace astro
