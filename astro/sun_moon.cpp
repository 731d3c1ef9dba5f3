// The Sun's elements and position and the Moon, members of AstroState.

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/apparent.h"
#include "astro/astro_state.h"
#include "astro/moon_libration.h"
#include "astro/moon_phase.h"
#include "astro/transforms.h"

namespace astro {
namespace {

double SinDeg(double x) { return std::sin(x * kDegToRad); }
double CosDeg(double x) { return std::cos(x * kDegToRad); }

// One periodic term of the Moon's series: coefficient * sin(argument), the
// argument being nD*D + nM*M + nMp*M' + nF*F; terms with the Sun's mean
// anomaly are scaled by the eccentricity factor E when `scaled` is set.
struct MoonTerm {
  double Coefficient;
  int D, M, Mp, F;
  bool Scaled;
};

// Longitude terms (degrees).
constexpr MoonTerm kLongitudeTerms[] = {
    {6.2888, 0, 0, 1, 0, false},   {1.274, 2, 0, -1, 0, false},  {0.6583, 2, 0, 0, 0, false},
    {0.2136, 0, 0, 2, 0, false},   {-0.1856, 0, 1, 0, 0, true},  {-0.1143, 0, 0, 0, 2, false},
    {0.0588, 2, 0, -2, 0, false},  {0.0572, 2, -1, -1, 0, true}, {0.0533, 2, 0, 1, 0, false},
    {0.0459, 2, -1, 0, 0, true},   {0.041, 0, -1, 1, 0, true},   {-0.0348, 1, 0, 0, 0, false},
    {-0.0305, 0, 1, 1, 0, true},   {0.0153, 2, 0, 0, -2, false}, {-0.0125, 0, 0, 1, 2, false},
    {-0.011, 0, 0, -1, 2, false},  {0.0107, 4, 0, -1, 0, false}, {0.0086, 4, 0, -2, 0, false},
    {0.01, 0, 0, 3, 0, false},     {-0.0079, 2, 1, -1, 0, true}, {-0.0068, 2, 1, 0, 0, true},
    {0.005, 1, 1, 0, 0, true},     {0.0041, 2, -1, 1, 0, true},  {0.004, 2, 0, 2, 0, false},
    {0.0052, -1, 0, 1, 0, false},  {0.0039, 4, 0, 0, 0, false},  {-0.0037, -2, 0, 3, 0, false},
    {0.0026, -2, 0, 1, -2, false}, {0.0027, 0, -1, 2, 0, true},
};

// Latitude terms (degrees).
constexpr MoonTerm kLatitudeTerms[] = {
    {5.1282, 0, 0, 0, 1, false},  {0.2806, 0, 0, 1, 1, false},  {0.2777, 0, 0, 1, -1, false},
    {0.1732, 2, 0, 0, -1, false}, {0.0554, 2, 0, -1, 1, false}, {0.0463, 2, 0, -1, -1, false},
    {0.0326, 2, 0, 0, 1, false},  {0.0172, 0, 0, 2, 1, false},  {0.0093, 2, 0, 1, -1, false},
    {0.0088, 0, 0, 2, -1, false}, {0.0083, 2, -1, 0, -1, true}, {0.0043, 2, 0, -2, -1, false},
    {0.0042, 2, 0, 1, 1, false},  {0.0034, -2, -1, 0, 1, true}, {0.0025, 2, -1, -1, 1, true},
    {0.0022, 2, -1, 0, 1, true},
};

// Sum of coefficient * sin(argument) over `terms`; degrees.
template <std::size_t N>
double SumMoonTerms(const MoonTerm (&terms)[N], double d, double m, double mp, double f, double e) {
  double sum = 0.0;
  for (const MoonTerm& term : terms) {
    const double value =
        term.Coefficient * SinDeg(term.D * d + term.M * m + term.Mp * mp + term.F * f);
    sum += term.Scaled ? e * value : value;
  }
  return sum;
}

}  // namespace

void AstroState::ComputeSunElements() {
  const double t = (TerrestrialDay - 2451545.0) / 36525.0;
  const double t2 = t * t;
  const double t3 = t2 * t;
  double l0 = 280.46645 + 36000.76983 * t + 0.0003032 * t2;
  double m = 357.5291 + 35999.0503 * t - 0.0001559 * t2 - 4.8e-7 * t3;
  const double c = (1.9146 - 0.004817 * t - 0.000014 * t2) * SinDeg(m) +
                   (0.019993 - 0.000101 * t) * SinDeg(2.0 * m) + 0.00029 * SinDeg(3.0 * m);
  double lm = 218.3165 + 481267.8813 * t;
  m = Normalize360(m);
  l0 = Normalize360(l0);
  lm = Normalize360(lm);

  SunMeanLongitude = l0;
  SunMeanAnomaly = m;
  MoonMeanLongitude = lm;
  SunEquationOfCentre = c;
  SunTrueLongitude = l0 + c;
  SunTrueAnomaly = m + c;

  double node = 125.04452 - 1934.136261 * t + (0.0020708 + t / 450000.0) * t2;
  MeanObliquity =
      23.439291 - 0.013004166666666666 * t - 1.638888888888889e-7 * t2 + 5.036111111111111e-7 * t3;
  Obliquity = MeanObliquity + 0.00015833333333333332 * CosDeg(2.0 * l0) +
              2.777777777777778e-5 * CosDeg(2.0 * lm) + 0.0025555555555555553 * CosDeg(node) -
              2.4999999999999998e-5 * CosDeg(2.0 * node);
  // Reduced from above only: below 0 the node is used through sines and cosines alone.
  if (node > 360.0) node -= 360.0 * std::floor(node / 360.0);
  MoonNode = node;
  Eccentricity = 0.016708617 - 0.000042037 * t - 1.236e-7 * t2;
}

void AstroState::ComputeSunPosition(PlanetState (&bodies)[kBodyCount]) {
  const double sun[3] = {-Earth.Heliocentric[0], -Earth.Heliocentric[1], -Earth.Heliocentric[2]};
  const ApparentDirection seen = SeenFrom(Observer, sun, Earth);
  SunDistance = seen.Distance;
  const EquatorialCoord ofDate = ToDate(seen.Apparent.RightAscension, seen.Apparent.Declination);
  RightAscension = ofDate.RightAscension;
  Declination = ofDate.Declination;
  bodies[kSun] = {seen.Apparent.RightAscension,    seen.Apparent.Declination,   0.0, SunDistance,
                  seen.Astrometric.RightAscension, seen.Astrometric.Declination};
}

void AstroState::ComputeMoon(PlanetState (&bodies)[kBodyCount]) {
  // Where the light left the Moon, from the Earth moving through the solar
  // system: m - tau (v_moon + v_earth); the aberration then gives back the
  // Earth's part.
  double pv[2][3];
  eraMoon98(2400000.5, TerrestrialDay - 2400000.5, pv);
  double lightTime = 0.0;
  for (int i = 0; i < 3; ++i) lightTime += (pv[0][i] - Observer[i]) * (pv[0][i] - Observer[i]);
  lightTime = std::sqrt(lightTime) * kLightDaysPerAu;
  double retarded[3];
  for (int i = 0; i < 3; ++i) retarded[i] = pv[0][i] - lightTime * (pv[1][i] + Earth.Velocity[i]);
  const ApparentDirection seen = SeenFrom(Observer, retarded, Earth);
  const double distance =
      std::sqrt(pv[0][0] * pv[0][0] + pv[0][1] * pv[0][1] + pv[0][2] * pv[0][2]) * ERFA_DAU /
      1000.0;
  const double parallax = std::asin(6378.14 / distance) * kRadToDeg;
  const EquatorialCoord ofDate = ToDate(seen.Apparent.RightAscension, seen.Apparent.Declination);
  const double topoAlpha = ofDate.RightAscension;
  const double topoDelta = ofDate.Declination;
  const double hourAngle = Normalize360(SiderealAngle - Longitude - kHoursToDeg * topoAlpha);

  // The classic series for the phase and the axis.
  const double t = (TerrestrialDay - 2415020.0) / 36525.0;
  const double t2 = t * t;
  const double node = MoonNode;
  const double m = SunMeanAnomaly;

  const double e = 1.0 - 0.002495 * t - 0.000008 * t2;
  const double common = 0.002 * SinDeg(node) + 0.004 * SinDeg(346.56 + 132.87 * t - 0.009 * t2);
  const double venusTerm = 0.002 * SinDeg(51.19 + 20.2 * t);
  const double nodeTerm = 275.05 - 2.3 * t + node;
  const double mp = 296.10461 + 477198.8491 * t + 0.009192 * t2 + common - venusTerm;
  const double d = 350.73749 + 445267.1142 * t - 0.001436 * t2 + common + venusTerm;
  const double f = 11.25089 + 483202.0251 * t - 0.003211 * t2 + common -
                   (0.0245 * SinDeg(node) + 0.004 * SinDeg(nodeTerm));
  const double lp = 270.43416 + 481267.8831 * t - 0.001133 * t2 + common;

  MeanObliquity = 23.452294 - 0.0000418 * t - 1.3e-7 * t2;
  Obliquity = MeanObliquity + 0.002558 * CosDeg(node) + 0.000153 * CosDeg(2.0 * SunMeanLongitude);
  const double eps = Obliquity;

  const double lambda = Normalize360(lp + SumMoonTerms(kLongitudeTerms, d, m, mp, f, e));
  const double beta = Normalize360(SumMoonTerms(kLatitudeTerms, d, m, mp, f, e) *
                                   (1.0 - 0.000466 * CosDeg(node) - 0.000075 * CosDeg(nodeTerm)));

  const double seriesPhase =
      Normalize360(180.0 - d - 6.289 * SinDeg(mp) + 2.1 * SinDeg(m) - 1.274 * SinDeg(2.0 * d - mp) -
                   0.658 * SinDeg(2.0 * d) - 0.214 * SinDeg(2.0 * mp) - 0.11 * SinDeg(d));

  // The phase angle from the Moon's and the Sun's vectors, on the side of
  // the full Moon the series puts it (waxing below 180 degrees).
  const double sun[3] = {-Earth.Heliocentric[0], -Earth.Heliocentric[1], -Earth.Heliocentric[2]};
  const double sunMoonEarth = PhaseAngle(pv[0], sun);
  const double phase = seriesPhase < 180.0 ? sunMoonEarth : 360.0 - sunMoonEarth;

  // The position angle of the axis, from the librations' theory.
  const double axis =
      MoonLibrationOf(TerrestrialDay, lambda, beta, kHoursToDeg * topoAlpha, eps).AxisAngle;

  MoonParallax = parallax;
  MoonDistance = distance;
  MoonIlluminated = IlluminatedFraction(phase);
  MoonHourAngle = hourAngle;
  MoonPhaseAngle = phase;
  MoonAxisAngle = axis;
  RightAscension = topoAlpha;
  Declination = topoDelta;
  bodies[kMoon] = {
      seen.Apparent.RightAscension,    seen.Apparent.Declination,   CosDeg(phase), distance,
      seen.Astrometric.RightAscension, seen.Astrometric.Declination};
}

}  // namespace astro
