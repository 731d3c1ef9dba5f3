#include "sky/card_facts.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

#include "astro/angles.h"
#include "astro/jupiter_meridian.h"
#include "astro/moon_phase.h"
#include "astro/refraction.h"
#include "astro/rise_set.h"
#include "astro/small_body.h"
#include "astro/star_place.h"
#include "catalog/find_names.h"
#include "catalog/places.h"
#include "sky/almanac.h"
#include "sky/deep_catalogues.h"
#include "sky/moon_places.h"
#include "sky/sky_doc.h"
#include "sky/small_bodies.h"

namespace sky {
namespace {

constexpr double kRadToDeg = 57.29577951308232;
constexpr double kKmPerAu = 149.6e6;  // the cards' round figure

std::string FixedText(const char* text, std::size_t size) {
  std::string_view s(text, size);
  s = s.substr(0, s.find('\0'));
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

// The place of an object drawn at (ra, dec) in the J2000 frame of the sky,
// whose J2000 (astrometric) place is (raJ2000, decJ2000).
PlaceFacts PlaceOf(const CSkyDoc& doc, double ra, double dec, double raJ2000, double decJ2000) {
  const astro::EquatorialCoord ofDate = doc.Sky.AstroState.ToDate(ra, dec);
  const astro::HorizontalCoord h = doc.Sky.AstroState.HorizonOf(ra, dec);
  return {raJ2000,
          decJ2000,
          ofDate.RightAscension,
          ofDate.Declination,
          h.Altitude,
          astro::NorthEastFromSouthWest(h.Azimuth),
          astro::ApparentAltitude(h.Altitude),
          doc.HorizontalOf(ra, dec).Altitude};
}

NextEvents NextEventsOf(const CSkyDoc& doc, const astro::DayEvents& events) {
  const Observer o = NextEventsObserverOf(doc);
  return {events, o.Clock, o.Refraction, doc.Sky.DocumentTime};
}

// The next events of a fixed J2000 place.
NextEvents FixedNextEvents(const CSkyDoc& doc, double ra, double dec) {
  return NextEventsOf(doc, FixedDayEvents(NextEventsObserverOf(doc), ra, dec));
}

// A planet's magnitude and angular size (arc seconds) at phase angle i
// (degrees), with L = 5 log10(delta r).
PlanetFigures PlanetMagnitudeAndSize(astro::Body planet, double i, double L, double delta) {
  using astro::Body;
  switch (planet) {
    case Body::Mercury:
      return {L - 0.42 + 0.038 * i - 0.000273 * i * i + 0.000002 * i * i * i, 6.72 / delta};
    case Body::Venus:
      return {L - 4.4 + 0.0009 * i + 0.000239 * i * i - 0.00000065 * i * i * i, 17.68 / delta};
    case Body::Mars:
      return {L - 1.52 + 0.016 * i, 9.36 / delta};
    case Body::Jupiter:
      return {L - 9.4 + 0.005 * i, 196.88 / delta};
    case Body::Saturn:
      return {L - 8.88, 165.46 / delta};
    case Body::Uranus:
      return {L - 7.19, 70.04 / delta};
    case Body::Neptune:
      return {L - 6.87, 67.0 / delta};
    default:  // Pluto
      return {L - 1.0, 4.14 / delta};
  }
}

}  // namespace

double MoonMagnitude(double f) {
  static constexpr double kMagnitudes[] = {0.0,   -7.7,  -8.8,  -9.5,  -10.0, -10.3,
                                           -10.6, -10.8, -11.0, -11.2, -11.7};
  if (f == 1.0) return -11.7;
  const double tenths = std::clamp(f, 0.0, 1.0) * 10.0;
  const int j = std::min(static_cast<int>(tenths), 9);
  const double u = tenths - j;
  return kMagnitudes[j] + u * (kMagnitudes[j + 1] - kMagnitudes[j]);
}

PlanetFigures PlanetFiguresOf(const CSkyDoc& doc, int body) {
  const astro::PlanetState& p = doc.Sky.Bodies[body];
  const double c =
      PhaseCosine(p.GeoDistance, p.HelioDistance, doc.Sky.Bodies[astro::kSun].GeoDistance);
  return PlanetMagnitudeAndSize(astro::BodyAt(body), std::acos(c) * kRadToDeg,
                                5.0 * std::log10(p.GeoDistance * p.HelioDistance), p.GeoDistance);
}

double PhaseCosine(double delta, double r, double sunDistance) {
  const double c = (delta * delta + r * r - sunDistance * sunDistance) / (2.0 * delta * r);
  return std::isnan(c) ? 1.0 : std::clamp(c, -1.0, 1.0);
}

StarFacts StarFactsOf(const CSkyDoc& doc, int index) {
  StarFacts f;
  f.Star = doc.Sky.Stars[index];
  for (const StarNameRecord& name : doc.Sky.ProperNames) {
    if (name.HR == f.Star.HR) {
      f.ProperName = FixedText(name.Name, sizeof name.Name);
      break;
    }
  }
  // The star drawn where the instant's light shows it; the J2000 place is
  // where the star is at the instant (its proper motion and parallax).
  const astro::EquatorialCoord astrometric =
      doc.Sky.CatalogueMotion
          .StarAt(index, doc.Sky.AstroState.TerrestrialDay, doc.Sky.AstroState.Earth)
          .Astrometric;
  f.Place = PlaceOf(doc, f.Star.RightAscension, f.Star.Declination, astrometric.RightAscension,
                    astrometric.Declination);
  f.Next = FixedNextEvents(doc, f.Star.RightAscension, f.Star.Declination);
  return f;
}

BodyFacts BodyFactsOf(const CSkyDoc& doc, int index) {
  const astro::PlanetState& body = doc.Sky.Bodies[index];
  const double sunDistance = doc.Sky.Bodies[astro::kSun].GeoDistance;  // AU
  BodyFacts f;
  f.Body = astro::BodyAt(index);
  f.Place = PlaceOf(doc, body.RightAscension, body.Declination, body.RaJ2000, body.DecJ2000);
  if (f.Body == astro::Body::Moon) {
    // The Moon's state holds its distance in km and the cosine of its phase angle.
    const double delta = body.GeoDistance;
    const double c = std::clamp(body.HelioDistance, -1.0, 1.0);
    f.DistanceEarthKm = delta;
    f.DistanceSunKm = sunDistance * kKmPerAu + delta * c;
    f.Illuminated = (1.0 + c) / 2.0;
    f.Magnitude = MoonMagnitude(*f.Illuminated);
    // Larger by the Earth's radius seen from the Moon as it climbs.
    f.SizeArcsec = (1.0 + std::sin(f.Place.ShownAltitudeDeg / kRadToDeg) * 6378.14 / delta) *
                   716946800.0 / delta;
  } else if (f.Body == astro::Body::Sun) {
    f.DistanceEarthKm = sunDistance * kKmPerAu;
    f.Magnitude = -26.7;
    f.SizeArcsec = 1919.26 / sunDistance;
  } else {
    const double delta = body.GeoDistance, r = body.HelioDistance;
    const PlanetFigures figures = PlanetFiguresOf(doc, index);
    f.DistanceEarthKm = delta * kKmPerAu;
    f.DistanceSunKm = r * kKmPerAu;
    f.Illuminated = (1.0 + PhaseCosine(delta, r, sunDistance)) / 2.0;
    f.Magnitude = figures.Magnitude;
    f.SizeArcsec = figures.Size;
  }
  f.Next = NextEventsOf(doc, BodyDayEvents(NextEventsObserverOf(doc), index));
  if (f.Body == astro::Body::Sun) {
    const Observer day = ObserverOf(doc);
    f.SunTwilights = Twilights{TwilightDayEvents(day, astro::kCivilTwilight),
                               TwilightDayEvents(day, astro::kNauticalTwilight),
                               TwilightDayEvents(day, astro::kAstronomicalTwilight), day.Clock};
  } else if (f.Body == astro::Body::Moon) {
    const double jd = doc.Sky.AstroState.JulianDay;
    f.MoonElongation = astro::MoonElongation(jd);
    f.MoonAgeDays = astro::MoonAge(jd);
  } else if (f.Body == astro::Body::Jupiter) {
    f.CentralMeridianII = astro::JupiterMeridiansOf(doc.Sky.AstroState.TerrestrialDay).SystemII;
  }
  return f;
}

SmallBodyFacts SmallBodyFactsOf(const CSkyDoc& doc, int index) {
  const catalog::SmallBodyElements& body = doc.Catalogues.SmallBodies[index];
  const SmallBodyState s = SmallBodyStateOf(doc.Sky.AstroState, body);
  const astro::OrbitalElements& orbit = body.Orbit;
  SmallBodyFacts f;
  f.Name = SmallBodyName(body);
  f.Designation = body.Designation;
  f.Comet = body.Comet;
  f.Place =
      PlaceOf(doc, s.Place.RightAscension, s.Place.Declination, s.Place.RaJ2000, s.Place.DecJ2000);
  f.DistanceEarthAu = s.Place.GeoDistance;
  f.DistanceSunAu = s.Place.HelioDistance;
  const astro::PlanetState& sun = doc.Sky.Bodies[astro::kSun];
  double b[3], sunAt[3];
  astro::EquatorialToSphere(s.Place.RightAscension, s.Place.Declination, b);
  astro::EquatorialToSphere(sun.RightAscension, sun.Declination, sunAt);
  f.ElongationDeg =
      std::acos(std::clamp(b[0] * sunAt[0] + b[1] * sunAt[1] + b[2] * sunAt[2], -1.0, 1.0)) *
      kRadToDeg;
  if (std::isfinite(s.Magnitude)) f.Magnitude = s.Magnitude;
  f.PerihelionDistance = orbit.PerihelionDistance;
  f.Eccentricity = orbit.Eccentricity;
  f.Inclination = orbit.Inclination;
  if (orbit.Eccentricity < 1) {
    const double a = orbit.PerihelionDistance / (1 - orbit.Eccentricity);
    f.SemiMajorAxis = a;
    f.PeriodYears = std::pow(a, 1.5) * 2 * std::numbers::pi / astro::kGaussK / 365.25;
  }
  f.EpochJulianDay = orbit.Epoch;
  f.FarFromEpoch = std::abs(doc.Sky.AstroState.TerrestrialDay - orbit.Epoch) > kElementsAgeDays;
  f.Next =
      NextEventsOf(doc, SmallBodyDayEvents(NextEventsObserverOf(doc), body, doc.Sky.AstroState));
  return f;
}

DeepSkyFacts DeepSkyFactsOf(const CSkyDoc& doc, int index) {
  const DeepSkyRecord& object = doc.Sky.DeepSkyObjects[index];
  const bool messier = catalog::IsMessierIndex(index);
  DeepSkyFacts f;
  f.Number = (messier ? "M " : "NGC ") + std::to_string(object.Number);
  f.PictureName = (messier ? "M" : "NGC") + std::to_string(object.Number);
  f.Name = FixedText(object.Name, sizeof object.Name);
  if (f.Name == "*") f.Name.clear();
  f.Type = catalog::DeepSkyTypeOf(object.Type);
  f.TypeCode = FixedText(object.Type, sizeof object.Type);
  f.Magnitude = object.Magnitude;
  f.Caldwell = CaldwellNumberOf(doc, f.Number);
  f.Place = PlaceOf(doc, object.RightAscension, object.Declination, object.RightAscension,
                    object.Declination);
  f.Next = FixedNextEvents(doc, object.RightAscension, object.Declination);
  return f;
}

FaintStarFacts FaintStarFactsOf(const CSkyDoc& doc, int index) {
  FaintStarFacts f;
  f.Star = doc.Catalogues.DeepCatalogues.FaintStars().Records[index];
  f.SpectralType = FixedText(f.Star.SpectralType, sizeof f.Star.SpectralType);
  const astro::StarDirection at =
      astro::StarPlaceAt({f.Star.RightAscension, f.Star.Declination},
                         {f.Star.ProperMotionRa, f.Star.ProperMotionDec, f.Star.Parallax},
                         doc.Sky.AstroState.TerrestrialDay, doc.Sky.AstroState.Earth);
  const astro::EquatorialCoord& shown = at.Aberrated;
  f.Place = PlaceOf(doc, shown.RightAscension, shown.Declination, at.Astrometric.RightAscension,
                    at.Astrometric.Declination);
  f.Next = FixedNextEvents(doc, shown.RightAscension, shown.Declination);
  return f;
}

DeepSkyFacts NgcIcFactsOf(const CSkyDoc& doc, int index) {
  const catalog::NgcIcRecord& object = doc.Catalogues.DeepCatalogues.NgcIc().Records[index];
  DeepSkyFacts f;
  f.Number = NgcIcDesignation(object);
  f.PictureName = f.Number;
  std::erase(f.PictureName, ' ');
  f.Name = FixedText(object.Name, sizeof object.Name);
  f.Type = catalog::DeepSkyTypeOf(object.Type);
  f.TypeCode = FixedText(object.Type, sizeof object.Type);
  if (object.Magnitude != catalog::kUnusableMagnitude) f.Magnitude = object.Magnitude;
  f.Caldwell = CaldwellNumberOf(doc, f.Number);
  const astro::EquatorialCoord shown =
      astro::StarPlaceAt({object.RightAscension, object.Declination}, {},
                         doc.Sky.AstroState.TerrestrialDay, doc.Sky.AstroState.Earth)
          .Aberrated;
  f.Place = PlaceOf(doc, shown.RightAscension, shown.Declination, object.RightAscension,
                    object.Declination);
  f.Next = FixedNextEvents(doc, shown.RightAscension, shown.Declination);
  return f;
}

MoonFacts MoonFactsOf(const CSkyDoc& doc, int moon) {
  const MoonState& state = doc.Sky.Moons[moon];
  const double(&earth)[3] = doc.Sky.AstroState.Earth.Heliocentric;
  const double(&g)[3] = state.Place.Geocentric;
  const double delta = std::hypot(g[0], g[1], g[2]);
  const double r = std::hypot(g[0] + earth[0], g[1] + earth[1], g[2] + earth[2]);
  MoonFacts f;
  f.Moon = moon;
  f.Planet = MoonFigureOf(moon).Planet;
  f.Place = PlaceOf(doc, state.RightAscension, state.Declination, state.RaJ2000, state.DecJ2000);
  f.DistanceEarthKm = delta * kKmPerAu;
  f.DistanceSunKm = r * kKmPerAu;
  f.Illuminated = (1.0 + PhaseCosine(delta, r, doc.Sky.Bodies[astro::kSun].GeoDistance)) / 2.0;
  f.Magnitude = MoonMagnitudeOf(moon, state, earth);
  f.SizeArcsec = 2.0 * MoonFigureOf(moon).RadiusKm / f.DistanceEarthKm * kRadToDeg * 3600.0;
  f.OffsetEast = state.Place.East;
  f.OffsetNorth = state.Place.North;
  f.SeparationArcsec = std::hypot(f.OffsetEast, f.OffsetNorth);
  f.PositionAngleDeg = PositionAngle(f.OffsetEast, f.OffsetNorth);
  f.Next = NextEventsOf(doc, BodyDayEvents(NextEventsObserverOf(doc), f.Planet));
  return f;
}

std::optional<int> CaldwellNumberOf(const CSkyDoc& doc, std::string_view designation) {
  const std::optional<std::string> text =
      catalog::ReadTextFile(doc.Files().Path("caldwell.tab").c_str());
  if (!text) return std::nullopt;
  for (const catalog::CaldwellEntry& entry : catalog::ReadCaldwell(*text))
    if (entry.Designation == designation) return entry.Number;
  return std::nullopt;
}

double PositionAngle(double east, double north) {
  const double angle = std::atan2(east, north) * kRadToDeg;
  return angle < 0.0 ? angle + 360.0 : angle;
}

}  // namespace sky
