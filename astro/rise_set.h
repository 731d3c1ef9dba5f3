// Rising, transit and setting: a root search on the altitude through a day,
// and the apparent places it runs on.
//
// Instants are Julian days in Universal Time; angles are degrees. The
// search does not lean on a formula for the time of an event: it samples the
// altitude every kRiseSetStepDays and closes in on each change of sign, so
// that the midnight Sun, the polar night and the Moon's day without a rising
// come out as what they are.
#pragma once

#include <functional>
#include <optional>

#include "astro/transforms.h"

namespace astro {

// Standard altitudes of a body's centre at its rising and setting, geometric
// (without refraction), degrees. In a standard atmosphere the air lifts the
// horizon's stars by 34'; the Sun's and the Moon's upper limb touch the
// horizon, so their semidiameter is taken off too (the Sun: 16', -0°50' in
// all). Without refraction the horizon is at 0° and the Sun's and Moon's
// upper limbs touch it.
constexpr double kHorizonRefraction = 34.0 / 60.0;
constexpr double kSunSemidiameter = 16.0 / 60.0;
// A star's or a planet's: -0°34' with refraction, 0° without.
double StarRiseAltitude(bool refraction);
// The Sun's: -0°50' with refraction, -0°16' without.
double SunRiseAltitude(bool refraction);
// The Moon's, from its semidiameter s (degrees): -0°34' - s with
// refraction, -s without. The Moon's places are topocentric, so its
// parallax is in the altitude already.
double MoonRiseAltitude(double semidiameter, bool refraction);

// The Sun's centre at the ends of the twilights, degrees, geometric.
constexpr double kCivilTwilight = -6.0;
constexpr double kNauticalTwilight = -12.0;
constexpr double kAstronomicalTwilight = -18.0;

// A body at an instant as the search needs it.
struct TrackPoint {
  double Altitude = 0.0;   // geometric altitude of the centre, degrees
  double HourAngle = 0.0;  // local hour angle, degrees, (-180, 180]
  double Threshold = 0.0;  // the altitude the centre has at rising and setting, degrees
};
// The body's TrackPoint at the Universal Time Julian day given.
using Track = std::function<TrackPoint(double)>;

// The search's sampling step: 20 minutes. A body that crosses the horizon
// twice within it (a grazing pass at a high latitude) may be missed.
constexpr double kRiseSetStepDays = 20.0 / 1440.0;

// A body's events within [start, end) (Universal Time Julian days).
struct DayEvents {
  std::optional<double> Rise, Transit, Set;  // the first of each, Julian days (UT)
  double TransitAltitude = 0.0;              // geometric, degrees; meaningful with Transit
  bool AlwaysAbove = false;                  // above its threshold the whole time: no rise, no set
  bool NeverRises = false;                   // below its threshold the whole time
};

// The first rising (the altitude less the threshold goes from below 0 to
// above), the first upper transit (the hour angle goes through 0 from the
// east) and the first setting of `track` within [start, end), each found to
// better than one second by the Illinois variant of regula falsi within a
// sampling step (Dowell and Jarratt, BIT 11, 1971).
DayEvents FindDayEvents(const Track& track, double start, double end);

// The apparent topocentric place of date, local hour angle and geometric
// altitude of a body of the Bodies table (0 Moon, 1 Sun, 2 Mercury ... 9
// Pluto) for an observer at sea level at `latitude` (north positive) and
// `longitude` (WEST positive), on the same series and corrections as the
// sky shown (AstroState::UpdateSky); with the body's semidiameter in degrees
// (the Moon's from its geocentric distance and a radius of 1737.4 km, the
// Sun's from its distance; 0 for the planets).
struct BodyPlace {
  EquatorialCoord OfDate{0.0, 0.0};
  double HourAngle = 0.0;
  double Altitude = 0.0;
  double Semidiameter = 0.0;
};
BodyPlace BodyPlaceAt(int body, double utJulianDay, double latitude, double longitude);

// The same for a fixed J2000 place (hours, degrees), such as a catalogue
// star's: precession and nutation to the date (no aberration, as the stars
// are drawn).
BodyPlace FixedPlaceAt(double raJ2000, double decJ2000, double utJulianDay, double latitude,
                       double longitude);

// Tracks for the search: a body of the Bodies table with its standard
// altitude, a fixed J2000 place with the stars', and the Sun's centre
// against a fixed altitude (the twilights). A track keeps the rotation to
// the date of its first instant for a day and a half on either side of it
// (0.3" at most).
Track BodyTrack(int body, double latitude, double longitude, bool refraction);
Track FixedTrack(double raJ2000, double decJ2000, double latitude, double longitude,
                 bool refraction);
Track SunDepressionTrack(double altitude, double latitude, double longitude);

}  // namespace astro
