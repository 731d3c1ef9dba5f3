// Jupiter's four great moons: Lieske's E5 as Meeus gives it (ch. 44).
#include <cmath>

#include "astro/planet_moons.h"
#include "astro/transforms.h"

namespace astro {
namespace {

// The theory's unit of length, km: Callisto's semi-major axis by Kepler's
// third law from its mean motion, 21.571071177 degrees a day, and the masses
// of Jupiter and Callisto (GM 126686534 and 7179 km^3/s^2), over the 26.36273
// units the theory gives it.
constexpr double kE5RadiusKm = 71412.0;

// Jupiter's figure: the IAU's radii (Archinal et al. 2018); its pole comes from E5's own equator.
constexpr double kEquatorialRadiusKm = 71492.0;
constexpr double kPolarRadiusKm = 66854.0;

double Sin(double degrees) { return std::sin(degrees * kDegToRad); }
double Cos(double degrees) { return std::cos(degrees * kDegToRad); }

// Rotations of a vector by an angle in degrees about the x and the z axis.
void TurnX(double (&v)[3], double degrees) {
  const double c = Cos(degrees), s = Sin(degrees);
  const double y = c * v[1] - s * v[2];
  v[2] = s * v[1] + c * v[2];
  v[1] = y;
}
void TurnZ(double (&v)[3], double degrees) {
  const double c = Cos(degrees), s = Sin(degrees);
  const double x = c * v[0] - s * v[1];
  v[1] = s * v[0] + c * v[1];
  v[0] = x;
}

}  // namespace

std::array<MoonPlace, 4> GalileanMoons(double ttJulianDay, const double (&planetGeocentric)[3],
                                       const double (&earthHeliocentric)[3]) {
  const double jde = PlanetTime(ttJulianDay, planetGeocentric);
  const double t = jde - 2443000.5;

  // Mean longitudes, longitudes of the perijoves and of the nodes (B1950 equinox).
  const double l1 = 106.07719 + 203.488955790 * t;
  const double l2 = 175.73161 + 101.374724735 * t;
  const double l3 = 120.55883 + 50.317609207 * t;
  const double l4 = 84.44459 + 21.571071177 * t;
  const double p1 = 97.0881 + 0.16138586 * t;
  const double p2 = 154.8663 + 0.04726307 * t;
  const double p3 = 188.1840 + 0.00712734 * t;
  const double p4 = 335.2868 + 0.00184000 * t;
  const double w1 = 312.3346 - 0.13279386 * t;
  const double w2 = 100.4411 - 0.03263064 * t;
  const double w3 = 119.1942 - 0.00717703 * t;
  const double w4 = 322.6186 - 0.00175934 * t;
  // The great inequality in Jupiter's longitude, the phase of the free
  // libration, the node of Jupiter's equator on its orbit, the mean anomalies
  // of Jupiter and Saturn and the longitude of Jupiter's perihelion.
  const double gamma =
      0.33033 * Sin(163.679 + 0.0010512 * t) + 0.03439 * Sin(34.486 - 0.0161731 * t);
  const double libration = 199.6766 + 0.17379190 * t;
  double psi = 316.5182 - 0.00000208 * t;
  const double g = 30.23756 + 0.0830925701 * t + gamma;
  const double gs = 31.97853 + 0.0334597339 * t;
  const double pj = 13.469942;

  // The periodic terms in longitude, degrees.
  const double s1 =
      0.47259 * Sin(2 * (l1 - l2)) - 0.03478 * Sin(p3 - p4) + 0.01081 * Sin(l2 - 2 * l3 + p3) +
      0.00738 * Sin(libration) + 0.00713 * Sin(l2 - 2 * l3 + p2) -
      0.00674 * Sin(p1 + p3 - 2 * pj - 2 * g) + 0.00666 * Sin(l2 - 2 * l3 + p4) +
      0.00445 * Sin(l1 - p3) - 0.00354 * Sin(l1 - l2) - 0.00317 * Sin(2 * psi - 2 * pj) +
      0.00265 * Sin(l1 - p4) - 0.00186 * Sin(g) + 0.00162 * Sin(p2 - p3) +
      0.00158 * Sin(4 * (l1 - l2)) - 0.00155 * Sin(l1 - l3) -
      0.00138 * Sin(psi + w3 - 2 * pj - 2 * g) - 0.00115 * Sin(2 * (l1 - 2 * l2 + w2)) +
      0.00089 * Sin(p2 - p4) + 0.00085 * Sin(l1 + p3 - 2 * pj - 2 * g) + 0.00083 * Sin(w2 - w3) +
      0.00053 * Sin(psi - w2);
  const double s2 =
      1.06476 * Sin(2 * (l2 - l3)) + 0.04256 * Sin(l1 - 2 * l2 + p3) + 0.03581 * Sin(l2 - p3) +
      0.02395 * Sin(l1 - 2 * l2 + p4) + 0.01984 * Sin(l2 - p4) - 0.01778 * Sin(libration) +
      0.01654 * Sin(l2 - p2) + 0.01334 * Sin(l2 - 2 * l3 + p2) + 0.01294 * Sin(p3 - p4) -
      0.01142 * Sin(l2 - l3) - 0.01057 * Sin(g) - 0.00775 * Sin(2 * (psi - pj)) +
      0.00524 * Sin(2 * (l1 - l2)) - 0.00460 * Sin(l1 - l3) +
      0.00316 * Sin(psi - 2 * g + w3 - 2 * pj) - 0.00203 * Sin(p1 + p3 - 2 * pj - 2 * g) +
      0.00146 * Sin(psi - w3) - 0.00145 * Sin(2 * g) + 0.00125 * Sin(psi - w4) -
      0.00115 * Sin(l1 - 2 * l3 + p3) - 0.00094 * Sin(2 * (l2 - w2)) +
      0.00086 * Sin(2 * (l1 - 2 * l2 + w2)) - 0.00086 * Sin(5 * gs - 2 * g + 52.225) -
      0.00078 * Sin(l2 - l4) - 0.00064 * Sin(3 * l3 - 7 * l4 + 4 * p4) + 0.00064 * Sin(p1 - p4) -
      0.00063 * Sin(l1 - 2 * l3 + p4) + 0.00058 * Sin(w3 - w4) + 0.00056 * Sin(2 * (psi - pj - g)) +
      0.00056 * Sin(2 * (l2 - l4)) + 0.00055 * Sin(2 * (l1 - l3)) +
      0.00052 * Sin(3 * l3 - 7 * l4 + p3 + 3 * p4) - 0.00043 * Sin(l1 - p3) +
      0.00041 * Sin(5 * (l2 - l3)) + 0.00041 * Sin(p4 - pj) + 0.00032 * Sin(w2 - w3) +
      0.00032 * Sin(2 * (l3 - g - pj));
  const double s3 =
      0.16490 * Sin(l3 - p3) + 0.09081 * Sin(l3 - p4) - 0.06907 * Sin(l2 - l3) +
      0.03784 * Sin(p3 - p4) + 0.01846 * Sin(2 * (l3 - l4)) - 0.01340 * Sin(g) -
      0.01014 * Sin(2 * (psi - pj)) + 0.00704 * Sin(l2 - 2 * l3 + p3) -
      0.00620 * Sin(l2 - 2 * l3 + p2) - 0.00541 * Sin(l3 - l4) + 0.00381 * Sin(l2 - 2 * l3 + p4) +
      0.00235 * Sin(psi - w3) + 0.00198 * Sin(psi - w4) + 0.00176 * Sin(libration) +
      0.00130 * Sin(3 * (l3 - l4)) + 0.00125 * Sin(l1 - l3) -
      0.00119 * Sin(5 * gs - 2 * g + 52.225) + 0.00109 * Sin(l1 - l2) -
      0.00100 * Sin(3 * l3 - 7 * l4 + 4 * p4) + 0.00091 * Sin(w3 - w4) +
      0.00080 * Sin(3 * l3 - 7 * l4 + p3 + 3 * p4) - 0.00075 * Sin(2 * l2 - 3 * l3 + p3) +
      0.00072 * Sin(p1 + p3 - 2 * pj - 2 * g) + 0.00069 * Sin(p4 - pj) -
      0.00058 * Sin(2 * l3 - 3 * l4 + p4) - 0.00057 * Sin(l3 - 2 * l4 + p4) +
      0.00056 * Sin(l3 + p3 - 2 * pj - 2 * g) - 0.00052 * Sin(l2 - 2 * l3 + p1) -
      0.00050 * Sin(p2 - p3) + 0.00048 * Sin(l3 - 2 * l4 + p3) -
      0.00045 * Sin(2 * l2 - 3 * l3 + p4) - 0.00041 * Sin(p2 - p4) - 0.00038 * Sin(2 * g) -
      0.00037 * Sin(p3 - p4 + w3 - w4) - 0.00032 * Sin(3 * l3 - 7 * l4 + 2 * p3 + 2 * p4) +
      0.00030 * Sin(4 * (l3 - l4)) + 0.00029 * Sin(l3 + p4 - 2 * pj - 2 * g) -
      0.00028 * Sin(w3 + psi - 2 * pj - 2 * g) + 0.00026 * Sin(l3 - pj - g) +
      0.00024 * Sin(l2 - 3 * l3 + 2 * l4) + 0.00021 * Sin(2 * (l3 - pj - g)) -
      0.00021 * Sin(l3 - p2);
  const double s4 =
      0.84287 * Sin(l4 - p4) + 0.03431 * Sin(p4 - p3) - 0.03305 * Sin(2 * (psi - pj)) -
      0.03211 * Sin(g) - 0.01862 * Sin(l4 - p3) + 0.01186 * Sin(psi - w4) +
      0.00623 * Sin(l4 + p4 - 2 * g - 2 * pj) + 0.00387 * Sin(2 * (l4 - p4)) -
      0.00284 * Sin(5 * gs - 2 * g + 52.225) - 0.00234 * Sin(2 * (psi - p4)) -
      0.00223 * Sin(l3 - l4) - 0.00208 * Sin(l4 - pj) + 0.00178 * Sin(psi + w4 - 2 * p4) +
      0.00134 * Sin(p4 - pj) + 0.00125 * Sin(2 * (l4 - g - pj)) - 0.00117 * Sin(2 * g) -
      0.00112 * Sin(2 * (l3 - l4)) + 0.00107 * Sin(3 * l3 - 7 * l4 + 4 * p4) +
      0.00102 * Sin(l4 - g - pj) + 0.00096 * Sin(2 * l4 - psi - w4) +
      0.00087 * Sin(2 * (psi - w4)) - 0.00085 * Sin(3 * l3 - 7 * l4 + p3 + 3 * p4) +
      0.00085 * Sin(l3 - 2 * l4 + p4) - 0.00081 * Sin(2 * (l4 - psi)) +
      0.00071 * Sin(l4 + p4 - 2 * pj - 3 * g) + 0.00061 * Sin(l1 - l4) - 0.00056 * Sin(psi - w3) -
      0.00054 * Sin(l3 - 2 * l4 + p3) + 0.00051 * Sin(l2 - l4) + 0.00042 * Sin(2 * (psi - g - pj)) +
      0.00039 * Sin(2 * (p4 - w4)) + 0.00036 * Sin(psi + pj - p4 - w4) +
      0.00035 * Sin(2 * gs - g + 188.37) - 0.00035 * Sin(l4 - p4 + 2 * pj - 2 * psi) -
      0.00032 * Sin(l4 + p4 - 2 * pj - g) + 0.00030 * Sin(2 * gs - 2 * g + 149.15) +
      0.00029 * Sin(3 * l3 - 7 * l4 + 2 * p3 + 2 * p4) + 0.00028 * Sin(l4 - p4 + 2 * psi - 2 * pj) -
      0.00028 * Sin(2 * (l4 - w4)) - 0.00027 * Sin(p3 - p4 + w3 - w4) -
      0.00026 * Sin(5 * gs - 3 * g + 188.37) + 0.00025 * Sin(w4 - w3) -
      0.00025 * Sin(l2 - 3 * l3 + 2 * l4) - 0.00023 * Sin(3 * (l3 - l4)) +
      0.00021 * Sin(2 * l4 - 2 * pj - 3 * g) - 0.00021 * Sin(2 * l3 - 3 * l4 + p4) +
      0.00019 * Sin(l4 - p4 - g) - 0.00019 * Sin(2 * l4 - p3 - p4) - 0.00018 * Sin(l4 - p4 + g) -
      0.00016 * Sin(l4 + p3 - 2 * pj - 2 * g);

  // True longitudes, latitudes (degrees) and radii (E5 radii).
  const double ll[4] = {l1 + s1, l2 + s2, l3 + s3, l4 + s4};
  const double b[4] = {
      std::atan(0.0006393 * Sin(ll[0] - w1) + 0.0001825 * Sin(ll[0] - w2) +
                0.0000329 * Sin(ll[0] - w3) - 0.0000311 * Sin(ll[0] - psi) +
                0.0000093 * Sin(ll[0] - w4) +
                0.0000075 * Sin(3 * ll[0] - 4 * l2 - 1.9927 * s1 + w2) +
                0.0000046 * Sin(ll[0] + psi - 2 * pj - 2 * g)),
      std::atan(0.0081004 * Sin(ll[1] - w2) + 0.0004512 * Sin(ll[1] - w3) -
                0.0003284 * Sin(ll[1] - psi) + 0.0001160 * Sin(ll[1] - w4) +
                0.0000272 * Sin(l1 - 2 * l3 + 1.0146 * s2 + w2) - 0.0000144 * Sin(ll[1] - w1) +
                0.0000143 * Sin(ll[1] + psi - 2 * pj - 2 * g) + 0.0000035 * Sin(ll[1] - psi + g) -
                0.0000028 * Sin(l1 - 2 * l3 + 1.0146 * s2 + w3)),
      std::atan(0.0032402 * Sin(ll[2] - w3) - 0.0016911 * Sin(ll[2] - psi) +
                0.0006847 * Sin(ll[2] - w4) - 0.0002797 * Sin(ll[2] - w2) +
                0.0000321 * Sin(ll[2] + psi - 2 * pj - 2 * g) + 0.0000051 * Sin(ll[2] - psi + g) -
                0.0000045 * Sin(ll[2] - psi - g) - 0.0000045 * Sin(ll[2] + psi - 2 * pj) +
                0.0000037 * Sin(ll[2] + psi - 2 * pj - 3 * g) +
                0.0000030 * Sin(2 * l2 - 3 * ll[2] + 4.03 * s3 + w2) -
                0.0000021 * Sin(2 * l2 - 3 * ll[2] + 4.03 * s3 + w3)),
      std::atan(-0.0076579 * Sin(ll[3] - psi) + 0.0044134 * Sin(ll[3] - w4) -
                0.0005112 * Sin(ll[3] - w3) + 0.0000773 * Sin(ll[3] + psi - 2 * pj - 2 * g) +
                0.0000104 * Sin(ll[3] - psi + g) - 0.0000102 * Sin(ll[3] - psi - g) +
                0.0000088 * Sin(ll[3] + psi - 2 * pj - 3 * g) -
                0.0000038 * Sin(ll[3] + psi - 2 * pj - g))};
  const double r[4] = {
      5.90569 *
          (1 - 0.0041339 * Cos(2 * (l1 - l2)) - 0.0000387 * Cos(l1 - p3) -
           0.0000214 * Cos(l1 - p4) + 0.0000170 * Cos(l1 - l2) - 0.0000131 * Cos(4 * (l1 - l2)) +
           0.0000106 * Cos(l1 - l3) - 0.0000066 * Cos(l1 + p3 - 2 * pj - 2 * g)),
      9.39657 * (1 + 0.0093848 * Cos(l1 - l2) - 0.0003116 * Cos(l2 - p3) -
                 0.0001744 * Cos(l2 - p4) - 0.0001442 * Cos(l2 - p2) + 0.0000553 * Cos(l2 - l3) +
                 0.0000523 * Cos(l1 - l3) - 0.0000290 * Cos(2 * (l1 - l2)) +
                 0.0000164 * Cos(2 * (l2 - w2)) + 0.0000107 * Cos(l1 - 2 * l3 + p3) -
                 0.0000102 * Cos(l2 - p1) - 0.0000091 * Cos(2 * (l1 - l3))),
      14.98832 *
          (1 - 0.0014388 * Cos(l3 - p3) - 0.0007919 * Cos(l3 - p4) + 0.0006342 * Cos(l2 - l3) -
           0.0001761 * Cos(2 * (l3 - l4)) + 0.0000294 * Cos(l3 - l4) -
           0.0000156 * Cos(3 * (l3 - l4)) + 0.0000156 * Cos(l1 - l3) - 0.0000153 * Cos(l1 - l2) +
           0.0000070 * Cos(2 * l2 - 3 * l3 + p3) - 0.0000051 * Cos(l3 + p3 - 2 * pj - 2 * g)),
      26.36273 *
          (1 - 0.0073546 * Cos(l4 - p4) + 0.0001621 * Cos(l4 - p3) + 0.0000974 * Cos(l3 - l4) -
           0.0000543 * Cos(l4 + p4 - 2 * pj - 2 * g) - 0.0000271 * Cos(2 * (l4 - p4)) +
           0.0000182 * Cos(l4 - pj) + 0.0000177 * Cos(2 * (l3 - l4)) -
           0.0000167 * Cos(2 * l4 - psi - w4) + 0.0000167 * Cos(psi - w4) -
           0.0000155 * Cos(2 * (l4 - pj - g)) + 0.0000142 * Cos(2 * (l4 - psi)) +
           0.0000105 * Cos(l1 - l4) + 0.0000092 * Cos(l2 - l4) - 0.0000089 * Cos(l4 - pj - g) -
           0.0000062 * Cos(l4 + p4 - 2 * pj - 3 * g) + 0.0000048 * Cos(2 * (l4 - w4)))};

  // From the B1950 equinox to that of the date.
  const double t0 = (jde - 2433282.423) / 36525.0;
  const double precession = 1.3966626 * t0 + 0.0003088 * t0 * t0;
  psi += precession;
  // Jupiter's equator on its orbit, and its orbit of date on the ecliptic (Meeus, Table 31.A).
  const double tj = (jde - 2451545.0) / 36525.0;
  const double equatorTilt = 3.120262 + 0.0006 * (jde - 2415020.5) / 36525.0;
  const double node = 100.464441 + tj * (1.0209550 + tj * (0.00040117 + tj * 0.000000569));
  const double tilt = 1.303270 + tj * (-0.0054966 + tj * (0.00000465 - tj * 0.000000004));

  // From Jupiter's equator, x towards its node on the orbit, to the ecliptic of date.
  const auto toEcliptic = [&](double(&v)[3]) {
    TurnX(v, equatorTilt);
    TurnZ(v, psi - node);
    TurnX(v, tilt);
    TurnZ(v, node);
  };
  double pole[3] = {0.0, 0.0, 1.0};
  toEcliptic(pole);
  PlanetFigure figure{kEquatorialRadiusKm, kPolarRadiusKm, {}};
  EclipticOfDateToGcrs(jde, pole, figure.Pole);

  std::array<MoonPlace, 4> moons;
  for (int k = 0; k < 4; ++k) {
    const double u = ll[k] + precession - psi;
    double v[3] = {r[k] * Cos(u) * std::cos(b[k]), r[k] * Sin(u) * std::cos(b[k]),
                   r[k] * std::sin(b[k])};
    toEcliptic(v);
    for (double& x : v) x *= kE5RadiusKm;
    double gcrs[3];
    EclipticOfDateToGcrs(jde, v, gcrs);
    moons[k] = MoonBeside(gcrs, figure, planetGeocentric, earthHeliocentric);
  }
  return moons;
}

}  // namespace astro
