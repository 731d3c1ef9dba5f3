#include "astro/rise_set.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/apparent.h"
#include "astro/astro_state.h"
#include "astro/time_scales.h"

namespace astro {
namespace {

// Into (-180, 180].
double Wrap180(double degrees) {
  const double x = Normalize360(degrees);
  return x > 180.0 ? x - 360.0 : x;
}

// The instant in [a, b] where g goes through 0, g(a) and g(b) of opposite
// signs: regula falsi, Illinois variant, to 0.1 s.
double Root(const std::function<double(double)>& g, double a, double b, double ga, double gb) {
  constexpr double kTolerance = 0.1 / 86400.0;
  int side = 0;
  for (int i = 0; i < 60 && b - a > kTolerance; ++i) {
    double c = (a * gb - b * ga) / (gb - ga);
    // Keep clear of the ends, so the bracket shrinks from both sides.
    c = std::clamp(c, a + kTolerance / 2, b - kTolerance / 2);
    const double gc = g(c);
    if (gc == 0.0) return c;
    if ((gc < 0.0) == (ga < 0.0)) {
      a = c;
      ga = gc;
      if (side == -1) gb /= 2.0;
      side = -1;
    } else {
      b = c;
      gb = gc;
      if (side == 1) ga /= 2.0;
      side = 1;
    }
  }
  return (a * gb - b * ga) / (gb - ga);
}

BodyPlace PlaceOfDate(const AstroState& s, const EquatorialCoord& ofDate, double semidiameter) {
  BodyPlace place;
  place.OfDate = ofDate;
  place.HourAngle = Wrap180(s.SiderealAngle - s.Longitude - kHoursToDeg * ofDate.RightAscension);
  place.Altitude = EquatorialToHorizontal(ofDate.RightAscension, ofDate.Declination,
                                          s.SiderealAngle, s.Longitude, s.Latitude)
                       .Altitude;
  place.Semidiameter = semidiameter;
  return place;
}

constexpr double kMoonRadiusKm = 1737.4;
constexpr double kSunSemidiameterAtOneAu = 959.63 / 3600.0;

// The time scales and the sidereal angle of an instant, with the rotation
// to the date `npb` of an instant near it.
AstroState StateAt(double utJulianDay, double latitude, double longitude,
                   const PrecessionMatrix& npb) {
  AstroState s;
  s.JulianDay = utJulianDay;
  s.T1900 = (utJulianDay - 2415020.0) / 36525.0;
  s.T2000 = (utJulianDay - 2451545.0) / 36525.0;
  s.DeltaT = DeltaTSeconds(DecimalYear(utJulianDay));
  s.TerrestrialDay = utJulianDay + s.DeltaT / 86400.0;
  s.Precession = npb;
  s.Latitude = latitude;
  s.Longitude = longitude;
  s.SiderealAngle = ApparentSiderealAngle(utJulianDay, s.TerrestrialDay, npb);
  return s;
}

// The rotation to the date for a track: computed at its first instant and
// kept within kMatrixDays of it, over which precession and nutation turn the
// sky by less than 0.3" (the full series is the costliest part of a place).
class MatrixCache {
 public:
  const PrecessionMatrix& At(double utJulianDay) {
    if (!valid_ || std::abs(utJulianDay - at_) > kMatrixDays) {
      at_ = utJulianDay;
      matrix_ = PrecessionNutation(TerrestrialJulianDay(utJulianDay));
      valid_ = true;
    }
    return matrix_;
  }

 private:
  static constexpr double kMatrixDays = 1.5;
  bool valid_ = false;
  double at_ = 0.0;
  PrecessionMatrix matrix_;
};

BodyPlace BodyPlaceWith(int body, double utJulianDay, double latitude, double longitude,
                        const PrecessionMatrix& npb) {
  AstroState s = StateAt(utJulianDay, latitude, longitude, npb);
  s.ComputeSunElements();
  s.ComputeObserver();
  PlanetState bodies[kBodyCount];
  s.ComputeSunPosition(bodies);
  double semidiameter = 0.0;
  if (BodyAt(body) == Body::Sun) {
    semidiameter = kSunSemidiameterAtOneAu / s.SunDistance;
  } else if (BodyAt(body) == Body::Moon) {
    s.ComputeMoon(bodies);
    semidiameter = std::asin(kMoonRadiusKm / bodies[kMoon].GeoDistance) * kRadToDeg;
  } else {
    s.ComputePlanet(body - 1, bodies);
  }
  return PlaceOfDate(s, s.ToDate(bodies[body].RightAscension, bodies[body].Declination),
                     semidiameter);
}

BodyPlace FixedPlaceWith(double raJ2000, double decJ2000, double utJulianDay, double latitude,
                         double longitude, const PrecessionMatrix& npb) {
  const AstroState s = StateAt(utJulianDay, latitude, longitude, npb);
  return PlaceOfDate(s, s.ToDate(raJ2000, decJ2000), 0.0);
}

}  // namespace

double StarRiseAltitude(bool refraction) { return refraction ? -kHorizonRefraction : 0.0; }

double SunRiseAltitude(bool refraction) { return StarRiseAltitude(refraction) - kSunSemidiameter; }

double MoonRiseAltitude(double semidiameter, bool refraction) {
  return StarRiseAltitude(refraction) - semidiameter;
}

DayEvents FindDayEvents(const Track& track, double start, double end) {
  DayEvents events;
  const int steps = std::max(1, static_cast<int>(std::ceil((end - start) / kRiseSetStepDays)));
  const double step = (end - start) / steps;
  const auto height = [&track](double t) {
    const TrackPoint p = track(t);
    return p.Altitude - p.Threshold;
  };
  const auto hourAngle = [&track](double t) { return track(t).HourAngle; };

  TrackPoint previous = track(start);
  bool above = previous.Altitude > previous.Threshold, below = !above;
  for (int k = 1; k <= steps; ++k) {
    const double a = start + (k - 1) * step, b = k == steps ? end : start + k * step;
    const TrackPoint next = track(b);
    const double ha = previous.Altitude - previous.Threshold, hb = next.Altitude - next.Threshold;
    (hb > 0.0 ? above : below) = true;
    if (ha <= 0.0 && hb > 0.0 && !events.Rise) events.Rise = Root(height, a, b, ha, hb);
    if (ha > 0.0 && hb <= 0.0 && !events.Set) events.Set = Root(height, a, b, ha, hb);
    // Through the meridian from the east: from a small negative hour angle
    // to a small positive one (the jump at 180 goes the other way).
    if (previous.HourAngle < 0.0 && next.HourAngle >= 0.0 && previous.HourAngle > -90.0 &&
        !events.Transit) {
      const double t = Root(hourAngle, a, b, previous.HourAngle, next.HourAngle);
      events.Transit = t;
      events.TransitAltitude = track(t).Altitude;
    }
    previous = next;
  }
  if (!events.Rise && !events.Set) {
    events.AlwaysAbove = above && !below;
    events.NeverRises = below && !above;
  }
  return events;
}

BodyPlace BodyPlaceAt(int body, double utJulianDay, double latitude, double longitude) {
  return BodyPlaceWith(body, utJulianDay, latitude, longitude,
                       PrecessionNutation(TerrestrialJulianDay(utJulianDay)));
}

BodyPlace FixedPlaceAt(double raJ2000, double decJ2000, double utJulianDay, double latitude,
                       double longitude) {
  return FixedPlaceWith(raJ2000, decJ2000, utJulianDay, latitude, longitude,
                        PrecessionNutation(TerrestrialJulianDay(utJulianDay)));
}

Track BodyTrack(int body, double latitude, double longitude, bool refraction) {
  return [=, cache = MatrixCache()](double t) mutable {
    const BodyPlace p = BodyPlaceWith(body, t, latitude, longitude, cache.At(t));
    const double threshold = body == kSun    ? SunRiseAltitude(refraction)
                             : body == kMoon ? MoonRiseAltitude(p.Semidiameter, refraction)
                                             : StarRiseAltitude(refraction);
    return TrackPoint{p.Altitude, p.HourAngle, threshold};
  };
}

Track FixedTrack(double raJ2000, double decJ2000, double latitude, double longitude,
                 bool refraction) {
  return [=, cache = MatrixCache()](double t) mutable {
    const BodyPlace p = FixedPlaceWith(raJ2000, decJ2000, t, latitude, longitude, cache.At(t));
    return TrackPoint{p.Altitude, p.HourAngle, StarRiseAltitude(refraction)};
  };
}

Track SunDepressionTrack(double altitude, double latitude, double longitude) {
  return [=, cache = MatrixCache()](double t) mutable {
    const BodyPlace p = BodyPlaceWith(kSun, t, latitude, longitude, cache.At(t));
    return TrackPoint{p.Altitude, p.HourAngle, altitude};
  };
}

}  // namespace astro
