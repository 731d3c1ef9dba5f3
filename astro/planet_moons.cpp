#include "astro/planet_moons.h"

#include <cmath>

#include "astro/apparent.h"
#include "astro/precession.h"
#include "astro/transforms.h"

namespace astro {
namespace {

constexpr double kKmPerAu = 149597870.7;
constexpr double kArcsecPerRad = 206264.80624709636;

double Dot(const double (&a)[3], const double (&b)[3]) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// v with its component along the pole stretched by `factor`.
void Stretch(const double (&v)[3], const double (&pole)[3], double factor, double (&out)[3]) {
  const double along = Dot(v, pole) * (factor - 1.0);
  for (int i = 0; i < 3; ++i) out[i] = v[i] + along * pole[i];
}

// How far from the line through the planet's centre along `direction` the
// moon at `moon` is, squared, and how far along it: both in the stretched
// space where the planet is the unit sphere.
struct LineOfSight {
  double Along, AcrossSquared;
};
LineOfSight Sight(const double (&moon)[3], const double (&direction)[3], const PlanetFigure& f) {
  const double stretch = f.EquatorialRadius / f.PolarRadius;
  double d[3];
  Stretch(direction, f.Pole, stretch, d);
  const double length = std::sqrt(Dot(d, d));
  const double along = Dot(moon, d) / length;
  return {along, Dot(moon, moon) - along * along};
}

}  // namespace

double PlanetTime(double ttJulianDay, const double (&planetGeocentric)[3]) {
  return ttJulianDay - std::sqrt(Dot(planetGeocentric, planetGeocentric)) * kLightDaysPerAu;
}

void PlaneToEquator(double poleRa, double poleDec, const double (&plane)[3], double (&equator)[3]) {
  const double a = poleRa * kDegToRad, d = poleDec * kDegToRad;
  const double sa = std::sin(a), ca = std::cos(a), sd = std::sin(d), cd = std::cos(d);
  // The plane's axes on the equator: its node, 90 degrees on, its pole.
  const double ax[3] = {-sa, ca, 0.0}, ay[3] = {-ca * sd, -sa * sd, cd};
  const double az[3] = {ca * cd, sa * cd, sd};
  for (int i = 0; i < 3; ++i) equator[i] = plane[0] * ax[i] + plane[1] * ay[i] + plane[2] * az[i];
}

void EquatorOfDateToGcrs(double ttJulianDay, const double (&equator)[3], double (&gcrs)[3]) {
  // The precession matrix turns J2000 to the date; its transpose turns back.
  const PrecessionMatrix p = PrecessionFromJ2000((ttJulianDay - 2451545.0) / 36525.0);
  for (int i = 0; i < 3; ++i)
    gcrs[i] = p.M[0][i] * equator[0] + p.M[1][i] * equator[1] + p.M[2][i] * equator[2];
}

void EclipticOfDateToGcrs(double ttJulianDay, const double (&ecliptic)[3], double (&gcrs)[3]) {
  const double t = (ttJulianDay - 2451545.0) / 36525.0;
  const double obliquity =
      (84381.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t) / 3600.0 * kDegToRad;
  const double ce = std::cos(obliquity), se = std::sin(obliquity);
  const double equator[3] = {ecliptic[0], ce * ecliptic[1] - se * ecliptic[2],
                             se * ecliptic[1] + ce * ecliptic[2]};
  EquatorOfDateToGcrs(ttJulianDay, equator, gcrs);
}

MoonPlace MoonBeside(const double (&planetocentric)[3], const PlanetFigure& figure,
                     const double (&planetGeocentric)[3], const double (&earthHeliocentric)[3]) {
  MoonPlace place;
  for (int i = 0; i < 3; ++i)
    place.Geocentric[i] = planetGeocentric[i] + planetocentric[i] / kKmPerAu;

  // The tangent plane at the planet's centre: the line of sight, the east and the north.
  const double distance = std::sqrt(Dot(planetGeocentric, planetGeocentric));
  const double toward[3] = {planetGeocentric[0] / distance, planetGeocentric[1] / distance,
                            planetGeocentric[2] / distance};
  const double across = std::hypot(toward[0], toward[1]);
  const double east[3] = {-toward[1] / across, toward[0] / across, 0.0};
  const double north[3] = {-toward[2] * east[1], toward[2] * east[0], across};
  const double depth = Dot(place.Geocentric, toward);
  place.East = Dot(place.Geocentric, east) / depth * kArcsecPerRad;
  place.North = Dot(place.Geocentric, north) / depth * kArcsecPerRad;
  place.Depth = Dot(planetocentric, toward) / figure.EquatorialRadius;

  // In units of the equatorial radius, the polar axis stretched to it.
  double moon[3];
  Stretch(planetocentric, figure.Pole, figure.EquatorialRadius / figure.PolarRadius, moon);
  for (double& x : moon) x /= figure.EquatorialRadius;
  const double toEarth[3] = {-toward[0], -toward[1], -toward[2]};
  const LineOfSight seen = Sight(moon, toEarth, figure);
  if (seen.AcrossSquared < 1.0)
    place.Disc = seen.Along > 0.0 ? MoonDisc::InFront : MoonDisc::Behind;
  const double toSun[3] = {-planetGeocentric[0] - earthHeliocentric[0],
                           -planetGeocentric[1] - earthHeliocentric[1],
                           -planetGeocentric[2] - earthHeliocentric[2]};
  const LineOfSight lit = Sight(moon, toSun, figure);
  place.InShadow = lit.AcrossSquared < 1.0 && lit.Along < 0.0;
  return place;
}

}  // namespace astro
