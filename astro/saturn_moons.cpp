// Saturn's eight great moons as Meeus gives them (ch. 46).
#include <cmath>

#include "astro/planet_moons.h"
#include "astro/transforms.h"

namespace astro {
namespace {

// The theory's unit of length, km: Titan's semi-major axis by Kepler's third
// law from its mean motion, 22.57697855 degrees a day, and the masses of
// Saturn and Titan (GM 37931208 and 8978 km^3/s^2), over the 20.216193 units
// the theory gives it.
constexpr double kTheoryRadiusKm = 60439.0;

// Saturn's figure: the IAU's radii (Archinal et al. 2018); its pole is the theory's own.
constexpr double kEquatorialRadiusKm = 60268.0;
constexpr double kPolarRadiusKm = 54364.0;

// Saturn's equator on the B1950 ecliptic: its inclination and ascending node, degrees.
constexpr double kEquatorTilt = 28.0817;
constexpr double kEquatorNode = 168.8112;

// The B1950.0 epoch as a Julian day, the frame of the theory.
constexpr double kB1950 = 2433282.4235;

double Sin(double degrees) { return std::sin(degrees * kDegToRad); }
double Cos(double degrees) { return std::cos(degrees * kDegToRad); }

// A moon's orbit on Saturn's equator, Meeus's lambda, r, gamma and Omega: the
// longitudes of the moon and of the orbit's node, reckoned from the equinox
// along the ecliptic to the equator's node and on along the equator; the
// radius (Saturn radii) and the inclination to the equator (degrees).
struct Orbit {
  double Longitude, Radius, Inclination, Node;
};

// The orbit on Saturn's equator from mean elements on the ecliptic: the mean
// longitude, the longitude of the pericentre, the eccentricity, the semi-major
// axis (Saturn radii), the inclination and node: Meeus's subroutine for Rhea,
// Titan, Hyperion and Iapetus. The equation of the centre to e^5.
Orbit FromMeanElements(double meanLongitude, double pericentre, double e, double a,
                       double inclination, double node) {
  const double m = meanLongitude - pericentre;
  const double e2 = e * e, e3 = e2 * e, e4 = e3 * e, e5 = e4 * e;
  const double centre = ((2 * e - 0.25 * e3 + 0.0520833333 * e5) * Sin(m) +
                         (1.25 * e2 - 0.458333333 * e4) * Sin(2 * m) +
                         (1.083333333 * e3 - 0.671875 * e5) * Sin(3 * m) +
                         1.072917 * e4 * Sin(4 * m) + 1.142708 * e5 * Sin(5 * m)) *
                        kRadToDeg;
  const double radius = a * (1 - e2) / (1 + e * Cos(m + centre));
  const double g = node - kEquatorNode;
  const double a1 = Sin(inclination) * Sin(g);
  const double a2 =
      Cos(kEquatorTilt) * Sin(inclination) * Cos(g) - Sin(kEquatorTilt) * Cos(inclination);
  const double gamma = std::asin(std::hypot(a1, a2)) * kRadToDeg;
  const double u = std::atan2(a1, a2) * kRadToDeg;
  const double h =
      Cos(kEquatorTilt) * Sin(inclination) - Sin(kEquatorTilt) * Cos(inclination) * Cos(g);
  const double psi = std::atan2(Sin(kEquatorTilt) * Sin(g), h) * kRadToDeg;
  return {meanLongitude + centre + u - g - psi, radius, gamma, kEquatorNode + u};
}

}  // namespace

std::array<MoonPlace, 8> SaturnMoons(double ttJulianDay, const double (&planetGeocentric)[3],
                                     const double (&earthHeliocentric)[3]) {
  const double jde = PlanetTime(ttJulianDay, planetGeocentric);
  const double t1 = jde - 2411093.0;
  const double t2 = t1 / 365.25;
  const double t3 = (jde - 2433282.423) / 365.25 + 1950.0;
  const double t4 = jde - 2411368.0;
  const double t5 = t4 / 365.25;
  const double t6 = jde - 2415020.0;
  const double t7 = t6 / 36525.0;
  const double t8 = t6 / 365.25;
  const double t9 = (jde - 2442000.5) / 365.25;
  const double t10 = jde - 2409786.0;
  const double t11 = t10 / 36525.0;
  const double w0 = 5.095 * (t3 - 1866.39);
  const double w1 = 74.4 + 32.39 * t2;
  const double w2 = 134.3 + 92.62 * t2;
  const double w3 = 42.0 - 0.5118 * t5;
  const double w4 = 276.59 + 0.5118 * t5;
  const double w5 = 267.2635 + 1222.1136 * t7;
  const double w6 = 175.4762 + 1221.5515 * t7;
  const double w7 = 2.4891 + 0.002435 * t7;
  const double w8 = 113.35 - 0.2597 * t7;
  const double e1 = 0.05589 - 0.000346 * t7;

  Orbit orbits[8];
  {  // Mimas
    const double l =
        127.64 + 381.994497 * t1 - 43.57 * Sin(w0) - 0.720 * Sin(3 * w0) - 0.02144 * Sin(5 * w0);
    const double m = l - (106.1 + 365.549 * t2);
    const double c = 2.18287 * Sin(m) + 0.025988 * Sin(2 * m) + 0.00043 * Sin(3 * m);
    orbits[0] = {l + c, 3.06879 / (1 + 0.01905 * Cos(m + c)), 1.563, 54.5 - 365.072 * t2};
  }
  {  // Enceladus
    const double l = 200.317 + 262.7319002 * t1 + 0.25667 * Sin(w1) + 0.20883 * Sin(w2);
    const double m = l - (309.107 + 123.44121 * t2);
    const double c = 0.55577 * Sin(m) + 0.00168 * Sin(2 * m);
    orbits[1] = {l + c, 3.94118 / (1 + 0.00485 * Cos(m + c)), 0.0262, 348 - 151.95 * t2};
  }
  // Tethys
  orbits[2] = {285.306 + 190.69791226 * t1 + 2.063 * Sin(w0) + 0.03409 * Sin(3 * w0) +
                   0.001015 * Sin(5 * w0),
               4.880998, 1.0976, 111.33 - 72.2441 * t2};
  {  // Dione
    const double l = 254.712 + 131.53493193 * t1 - 0.0215 * Sin(w1) - 0.01733 * Sin(w2);
    const double m = l - (174.8 + 30.820 * t2);
    const double c = 0.24717 * Sin(m) + 0.00033 * Sin(2 * m);
    orbits[3] = {l + c, 6.24871 / (1 + 0.002157 * Cos(m + c)), 0.0139, 232 - 30.27 * t2};
  }
  {  // Rhea
    const double p1 = 342.7 + 10.057 * t2;
    const double a1 = 0.000265 * Sin(p1) + 0.001 * Sin(w4);
    const double a2 = 0.000265 * Cos(p1) + 0.001 * Cos(w4);
    const double n = 345 - 10.057 * t2;
    orbits[4] = FromMeanElements(359.4727 + 79.69004720 * t1 + 0.086754 * Sin(n),
                                 std::atan2(a1, a2) * kRadToDeg, std::hypot(a1, a2), 8.725924,
                                 28.0362 + 0.346898 * Cos(n) + 0.01930 * Cos(w3),
                                 168.8912 + 0.736936 * Sin(n) + 0.041 * Sin(w3));
  }
  {  // Titan
    const double l = 261.1582 + 22.57697855 * t4 + 0.074025 * Sin(w3);
    const double i1 = 27.45141 + 0.295999 * Cos(w3);
    const double node1 = 168.66925 + 0.628808 * Sin(w3);
    const double a1 = Sin(w7) * Sin(node1 - w8);
    const double a2 = Cos(w7) * Sin(i1) - Sin(w7) * Cos(i1) * Cos(node1 - w8);
    const double g0 = 102.8623;
    const double psi = std::atan2(a1, a2) * kRadToDeg;
    const double s = std::hypot(a1, a2);
    double g = w4 - node1 - psi;
    double pericentre = 0.0;
    for (int k = 0; k < 3; ++k) {
      pericentre = w4 + 0.37515 * (Sin(2 * g) - Sin(2 * g0));
      g = pericentre - node1 - psi;
    }
    const double e0 = 0.029092 + 0.00019048 * (Cos(2 * g) - Cos(2 * g0));
    const double q = 2 * (w5 - pericentre);
    const double b1 = Sin(i1) * Sin(node1 - w8);
    const double b2 = Cos(w7) * Sin(i1) * Cos(node1 - w8) - Sin(w7) * Cos(i1);
    const double theta = std::atan2(b1, b2) * kRadToDeg + w8;
    const double u = 2 * w5 - 2 * theta + psi;
    const double h = 0.9375 * e0 * e0 * Sin(q) + 0.1875 * s * s * Sin(2 * (w5 - theta));
    orbits[5] =
        FromMeanElements(l - 0.254744 * (e1 * Sin(w6) + 0.75 * e1 * e1 * Sin(2 * w6) + h),
                         pericentre + 0.159215 * Sin(q), e0 + 0.002778797 * e0 * Cos(q), 20.216193,
                         i1 + 0.031843 * s * Cos(u), node1 + 0.031843 * s * Sin(u) / Sin(i1));
  }
  {  // Hyperion
    const double eta = 92.39 + 0.5621071 * t6;
    const double zeta = 148.19 - 19.18 * t8;
    const double theta = 184.8 - 35.41 * t9;
    const double theta1 = theta - 7.5;
    const double as = 176 + 12.22 * t8;
    const double bs = 8 + 24.44 * t8;
    const double cs = bs + 5;
    const double varpi = 69.898 - 18.67088 * t8;
    const double phi = 2 * (varpi - w5);
    const double chi = 94.9 - 2.292 * t8;
    const double a =
        24.50601 - 0.08686 * Cos(eta) - 0.00166 * Cos(zeta + eta) + 0.00175 * Cos(zeta - eta);
    const double e = 0.103458 - 0.004099 * Cos(eta) - 0.000167 * Cos(zeta + eta) +
                     0.000235 * Cos(zeta - eta) + 0.02303 * Cos(zeta) - 0.00212 * Cos(2 * zeta) +
                     0.000151 * Cos(3 * zeta) + 0.00013 * Cos(phi);
    const double p = varpi + 0.15648 * Sin(chi) - 0.4457 * Sin(eta) - 0.2657 * Sin(zeta + eta) -
                     0.3573 * Sin(zeta - eta) - 12.872 * Sin(zeta) + 1.668 * Sin(2 * zeta) -
                     0.2419 * Sin(3 * zeta) - 0.07 * Sin(phi);
    const double lambda = 177.047 + 16.91993829 * t6 + 0.15648 * Sin(chi) + 9.142 * Sin(eta) +
                          0.007 * Sin(2 * eta) - 0.014 * Sin(3 * eta) + 0.2275 * Sin(zeta + eta) +
                          0.2112 * Sin(zeta - eta) - 0.26 * Sin(zeta) - 0.0098 * Sin(2 * zeta) -
                          0.013 * Sin(as) + 0.017 * Sin(bs) - 0.0303 * Sin(phi);
    const double i =
        27.3347 + 0.643486 * Cos(chi) + 0.315 * Cos(w3) + 0.018 * Cos(theta) - 0.018 * Cos(cs);
    const double node =
        168.6812 + 1.40136 * Sin(chi) + 0.68599 * Sin(w3) - 0.0392 * Sin(cs) + 0.0366 * Sin(theta1);
    orbits[6] = FromMeanElements(lambda, p, e, a, i, node);
  }
  {  // Iapetus
    const double l = 261.1582 + 22.57697855 * t4;
    const double varpi1 = 91.796 + 0.562 * t7;
    const double psi = 4.367 - 0.195 * t7;
    const double theta = 146.819 - 3.198 * t7;
    const double phi = 60.470 + 1.521 * t7;
    const double bigPhi = 205.055 - 2.091 * t7;
    const double e0 = 0.028298 + 0.001156 * t11;
    const double varpi0 = 352.91 + 11.71 * t11;
    const double mu = 76.3852 + 4.53795125 * t10;
    const double i0 = 18.4602 - t11 * (0.9518 + t11 * (0.072 - t11 * 0.0054));
    const double node0 = 143.198 - t11 * (3.919 - t11 * (0.116 + t11 * 0.008));
    const double ll = mu - varpi0;
    const double g = varpi0 - node0 - psi;
    const double g1 = varpi0 - node0 - phi;
    const double ls = w5 - varpi1;
    const double gs = varpi1 - theta;
    const double lt = l - w4;
    const double gt = w4 - bigPhi;
    const double u1 = 2 * (ll + g - ls - gs);
    const double u2 = ll + g1 - lt - gt;
    const double u3 = ll + 2 * (g - ls - gs);
    const double u4 = lt + gt - g1;
    const double u5 = 2 * (ls + gs);
    const double a = 58.935028 + 0.004638 * Cos(u1) + 0.058222 * Cos(u2);
    const double e = e0 - 0.0014097 * Cos(g1 - gt) + 0.0003733 * Cos(u5 - 2 * g) +
                     0.0001180 * Cos(u3) + 0.0002408 * Cos(ll) + 0.0002849 * Cos(ll + u2) +
                     0.0006190 * Cos(u4);
    // Meeus's w and w': the pericentre's shift times e0, the node's times sin i0.
    const double w = 0.08077 * Sin(g1 - gt) + 0.02139 * Sin(u5 - 2 * g) - 0.00676 * Sin(u3) +
                     0.01380 * Sin(ll) + 0.01632 * Sin(ll + u2) + 0.03547 * Sin(u4);
    const double lambda = mu - 0.04299 * Sin(u2) - 0.00789 * Sin(u1) - 0.06312 * Sin(ls) -
                          0.00295 * Sin(2 * ls) - 0.02231 * Sin(u5) + 0.00650 * Sin(u5 + psi);
    const double i = i0 + 0.04204 * Cos(u5 + psi) + 0.00235 * Cos(ll + g1 + lt + gt + phi) +
                     0.00360 * Cos(u2 + phi);
    const double w1 =
        0.04204 * Sin(u5 + psi) + 0.00235 * Sin(ll + g1 + lt + gt + phi) + 0.00358 * Sin(u2 + phi);
    orbits[7] = FromMeanElements(lambda, varpi0 + w / e0, e, a, i, node0 + w1 / Sin(i0));
  }

  // From Saturn's equator, x towards its node on the B1950 ecliptic, to that ecliptic.
  const auto toEcliptic = [](double(&v)[3]) {
    const double c1 = Cos(kEquatorTilt), s1 = Sin(kEquatorTilt);
    const double c2 = Cos(kEquatorNode), s2 = Sin(kEquatorNode);
    const double y = c1 * v[1] - s1 * v[2];
    const double z = s1 * v[1] + c1 * v[2];
    const double x = c2 * v[0] - s2 * y;
    v[1] = s2 * v[0] + c2 * y;
    v[0] = x;
    v[2] = z;
  };
  double pole[3] = {0.0, 0.0, 1.0};
  toEcliptic(pole);
  PlanetFigure figure{kEquatorialRadiusKm, kPolarRadiusKm, {}};
  EclipticOfDateToGcrs(kB1950, pole, figure.Pole);

  std::array<MoonPlace, 8> moons;
  for (int k = 0; k < 8; ++k) {
    const Orbit& o = orbits[k];
    const double u = o.Longitude - o.Node;
    const double w = o.Node - kEquatorNode;
    double v[3] = {o.Radius * (Cos(u) * Cos(w) - Sin(u) * Cos(o.Inclination) * Sin(w)),
                   o.Radius * (Sin(u) * Cos(w) * Cos(o.Inclination) + Cos(u) * Sin(w)),
                   o.Radius * Sin(u) * Sin(o.Inclination)};
    toEcliptic(v);
    for (double& x : v) x *= kTheoryRadiusKm;
    double gcrs[3];
    EclipticOfDateToGcrs(kB1950, v, gcrs);
    moons[k] = MoonBeside(gcrs, figure, planetGeocentric, earthHeliocentric);
  }
  return moons;
}

}  // namespace astro
