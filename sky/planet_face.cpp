#include "sky/planet_face.h"

#include <cmath>
#include <limits>

#include "astro/angles.h"
#include "astro/apparent.h"
#include "astro/astro_state.h"
#include "astro/jupiter_meridian.h"
#include "astro/precession.h"
#include "astro/rotation_elements.h"
#include "astro/transforms.h"
#include "sky/sky_doc.h"

namespace sky {
namespace {

constexpr double kKmPerAu = 149597870.7;
// The Moon's mean radius (IAU).
constexpr double kMoonRadiusKm = 1737.4;

double Dot(const double (&a)[3], const double (&b)[3]) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The unit vector of a J2000 place (hours, degrees) on the J2000 axes.
void UnitVector(double ra, double dec, double (&v)[3]) {
  const double a = ra * 15 * astro::kDegToRad, d = dec * astro::kDegToRad;
  v[0] = std::cos(d) * std::cos(a);
  v[1] = std::cos(d) * std::sin(a);
  v[2] = std::sin(d);
}

// The unit vectors east and north on the sky at a place (hours, degrees).
void EastAndNorth(double ra, double dec, double (&east)[3], double (&north)[3]) {
  const double a = ra * 15 * astro::kDegToRad, d = dec * astro::kDegToRad;
  east[0] = -std::sin(a);
  east[1] = std::cos(a);
  east[2] = 0;
  north[0] = -std::sin(d) * std::cos(a);
  north[1] = -std::sin(d) * std::sin(a);
  north[2] = std::cos(d);
}

// The window point of the direction `v` (J2000 axes, any length) as the
// document draws it.
bool WindowOf(const CSkyDoc& doc, const ViewGeometry& view, const double (&v)[3], double& x,
              double& y) {
  const double ra = std::atan2(v[1], v[0]) * astro::kRadToDeg / 15,
               dec = std::atan2(v[2], std::hypot(v[0], v[1])) * astro::kRadToDeg;
  double p[3];
  doc.DrawingPoint(ra < 0 ? ra + 24 : ra, dec, p);
  return view.SkyToWindow(p[0], p[1], p[2], x, y);
}

// The face of `body` at `distance` AU, of equatorial radius `radiusKm` and
// `flattening`, its axes `axes` on the J2000 frame.
std::optional<PlanetFace> FaceOf(const CSkyDoc& doc, const ViewGeometry& view,
                                 const astro::PlanetState& body, double distance, double radiusKm,
                                 double flattening, const astro::BodyAxes& axes) {
  const astro::PlanetState& sun = doc.Sky.Bodies[astro::kSun];
  const double size = radiusKm / (distance * kKmPerAu);  // radians

  // The body's direction, and the directions one equatorial radius east
  // and north of it: where the window puts them gives its scale and turn.
  double p[3];
  UnitVector(body.RightAscension, body.Declination, p);
  double east[3], north[3];
  EastAndNorth(body.RightAscension, body.Declination, east, north);
  double toEast[3], toNorth[3];
  for (int i = 0; i < 3; ++i) {
    toEast[i] = p[i] + size * east[i];
    toNorth[i] = p[i] + size * north[i];
  }
  double cx, cy, ex, ey, nx, ny;
  if (!WindowOf(doc, view, p, cx, cy) || !WindowOf(doc, view, toEast, ex, ey) ||
      !WindowOf(doc, view, toNorth, nx, ny))
    return std::nullopt;
  const double jxe = ex - cx, jye = ey - cy, jxn = nx - cx, jyn = ny - cy;
  PlanetFace face{};
  face.Radius = std::sqrt(std::fabs(jxe * jyn - jxn * jye));

  const double columns[3][3] = {{axes.X[0], axes.X[1], axes.X[2]},
                                {axes.Y[0], axes.Y[1], axes.Y[2]},
                                {axes.Z[0], axes.Z[1], axes.Z[2]}};
  const double axisScale[3] = {1, 1, 1 - flattening};
  for (int c = 0; c < 3; ++c) {
    const double e = Dot(columns[c], east) * axisScale[c],
                 n = Dot(columns[c], north) * axisScale[c],
                 toward = -Dot(columns[c], p) * axisScale[c];
    face.Matrix[c * 4 + 0] = jxe * e + jxn * n;
    face.Matrix[c * 4 + 1] = jye * e + jyn * n;
    face.Matrix[c * 4 + 2] = face.Radius * toward;
    face.Matrix[c * 4 + 3] = 0;
  }
  face.Matrix[12] = cx;
  face.Matrix[13] = cy;
  face.Matrix[14] = 0;
  face.Matrix[15] = 1;

  // The Sun from the body: the Sun's geocentric place less the body's.
  double s[3], toSun[3];
  UnitVector(sun.RightAscension, sun.Declination, s);
  for (int i = 0; i < 3; ++i) toSun[i] = sun.GeoDistance * s[i] - distance * p[i];
  const double length = std::sqrt(Dot(toSun, toSun));
  for (int c = 0; c < 3; ++c) {
    face.Sun[c] = Dot(columns[c], toSun) / length;
    face.Observer[c] = -Dot(columns[c], p);
  }
  return face;
}

// A vector of the frame of date on the J2000 axes.
void ToJ2000(const astro::AstroState& st, const double (&ofDate)[3], double (&j2000)[3]) {
  const astro::EquatorialCoord c = astro::PrecessToJ2000(
      st.Precession, std::atan2(ofDate[1], ofDate[0]) * astro::kRadToDeg / 15,
      std::atan2(ofDate[2], std::hypot(ofDate[0], ofDate[1])) * astro::kRadToDeg);
  UnitVector(c.RightAscension, c.Declination, j2000);
}

}  // namespace

std::optional<PlanetFace> PlanetFaceOf(const CSkyDoc& doc, const ViewGeometry& view,
                                       astro::Body planet) {
  const astro::PlanetState& body = doc.Sky.Bodies[astro::Index(planet)];
  const astro::BodyFigure figure = astro::FigureOf(planet);
  // The body as the light left it.
  const astro::BodyAxes axes = astro::AxesOf(astro::RotationElementsOf(
      planet, doc.Sky.AstroState.TerrestrialDay - body.GeoDistance * astro::kLightDaysPerAu));
  std::optional<PlanetFace> face =
      FaceOf(doc, view, body, body.GeoDistance, figure.EquatorialRadiusKm, figure.Flattening, axes);
  if (face && planet == astro::Body::Jupiter) {
    const double day = doc.Sky.AstroState.TerrestrialDay;
    face->MapTurn =
        JupiterMapTurn(std::atan2(face->Observer[1], face->Observer[0]) * astro::kRadToDeg,
                       astro::JupiterMeridiansOf(day).SystemII,
                       astro::RedSpotLongitude(RedSpotDriftOf(doc.Settings()), day));
  }
  return face;
}

astro::MoonLibration MoonLibrationSeen(const CSkyDoc& doc) {
  const astro::AstroState& st = doc.Sky.AstroState;
  const astro::PlanetState& moon = doc.Sky.Bodies[astro::kMoon];
  const astro::EquatorialCoord ofDate = st.ToDate(moon.RightAscension, moon.Declination);
  const double a = ofDate.RightAscension * 15 * astro::kDegToRad,
               d = ofDate.Declination * astro::kDegToRad, e = st.Obliquity * astro::kDegToRad;
  const double lambda =
      std::atan2(std::sin(a) * std::cos(e) + std::tan(d) * std::sin(e), std::cos(a));
  const double beta =
      std::asin(std::sin(d) * std::cos(e) - std::cos(d) * std::sin(e) * std::sin(a));
  return astro::MoonLibrationOf(st.TerrestrialDay, astro::Normalize360(lambda * astro::kRadToDeg),
                                beta * astro::kRadToDeg, ofDate.RightAscension * 15, st.Obliquity);
}

std::optional<PlanetFace> MoonFaceOf(const CSkyDoc& doc, const ViewGeometry& view) {
  const astro::AstroState& st = doc.Sky.AstroState;
  const astro::PlanetState& moon = doc.Sky.Bodies[astro::kMoon];
  const astro::MoonLibration libration = MoonLibrationSeen(doc);
  // On the frame of date: the observer's direction from the Moon, and the
  // sky's north and east at the Moon.
  const astro::EquatorialCoord ofDate = st.ToDate(moon.RightAscension, moon.Declination);
  double p[3], east[3], north[3];
  UnitVector(ofDate.RightAscension, ofDate.Declination, p);
  EastAndNorth(ofDate.RightAscension, ofDate.Declination, east, north);
  const double sb = std::sin(libration.Latitude * astro::kDegToRad),
               cb = std::cos(libration.Latitude * astro::kDegToRad),
               sl = std::sin(libration.Longitude * astro::kDegToRad),
               cl = std::cos(libration.Longitude * astro::kDegToRad),
               sp = std::sin(libration.AxisAngle * astro::kDegToRad),
               cp = std::cos(libration.AxisAngle * astro::kDegToRad);
  // The pole leans b towards the observer from the sky's plane, at angle P;
  // the meridian under the observer is l east of the prime meridian.
  double z[3], under[3], ahead[3], x[3], y[3];
  for (int i = 0; i < 3; ++i) z[i] = -sb * p[i] + cb * (cp * north[i] + sp * east[i]);
  for (int i = 0; i < 3; ++i) under[i] = (-p[i] - sb * z[i]) / cb;
  ahead[0] = z[1] * under[2] - z[2] * under[1];
  ahead[1] = z[2] * under[0] - z[0] * under[2];
  ahead[2] = z[0] * under[1] - z[1] * under[0];
  for (int i = 0; i < 3; ++i) {
    x[i] = cl * under[i] - sl * ahead[i];
    y[i] = sl * under[i] + cl * ahead[i];
  }
  astro::BodyAxes axes{};
  ToJ2000(st, x, axes.X);
  ToJ2000(st, y, axes.Y);
  ToJ2000(st, z, axes.Z);
  return FaceOf(doc, view, moon, moon.GeoDistance / kKmPerAu, kMoonRadiusKm, 0, axes);
}

std::optional<double> RingPlaneCrossing(const double (&p)[3], const double (&sun)[3]) {
  // p + t sun lies in the plane z = 0 at t = -p[2] / sun[2], ahead when t > 0.
  if (sun[2] == 0 || p[2] * sun[2] >= 0) return std::nullopt;
  const double t = -p[2] / sun[2];
  return std::hypot(p[0] + t * sun[0], p[1] + t * sun[1]);
}

double JupiterMapTurn(double observerEast, double centralMeridianII, double redSpot) {
  // The spot's System III longitude (counted west) differs from its System
  // II one as the two central meridians do; the observer's meridian is
  // System III's central meridian.
  const double spotEast = observerEast + centralMeridianII - redSpot;
  return astro::Normalize360(spotEast + kMapRedSpotWest);
}

double PlanetShadowReach(double angle, const double (&sun)[3], double flattening) {
  // Stretched along the pole by 1 / (1 - flattening) the planet is a ball of
  // radius 1 and the ring plane stays where it is; the Sun's direction
  // stretches alike. A point r (cos angle, sin angle, 0) is behind the ball
  // when its component along the Sun, r c, is negative and within its
  // shadow when r^2 (1 - c^2) < 1.
  const double stretched[3] = {sun[0], sun[1], sun[2] / (1 - flattening)};
  const double c = (std::cos(angle) * stretched[0] + std::sin(angle) * stretched[1]) /
                   std::sqrt(Dot(stretched, stretched));
  if (c >= 0) return 0;
  const double across = 1 - c * c;
  return across > 0 ? 1 / std::sqrt(across) : std::numeric_limits<double>::infinity();
}

}  // namespace sky
