// The instant and place of the sky shown, and every quantity the astronomy engine derives from
// them.
#pragma once

#include <string>

#include "astro/precession.h"
#include "astro/sky_point.h"
#include "astro/transforms.h"

namespace astro {

// The sky's date and time as the user set them: local civil time.
struct CivilTime {
  int Year = 2000, Month = 1, Day = 1, Hour = 0, Minute = 0, Second = 0;
  friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

// The observer's place, and its clock's offset from UT at the instant shown.
struct ObserverPlace {
  int LongDeg = 0, LongMin = 0;
  std::string EW = "E";  // "E" or "W"; anything else counts as "W"
  int LatDeg = 0, LatMin = 0;
  std::string NS = "N";  // "N" or "S"; anything else counts as "S"
  // Hours ahead of UT in force at the instant, summer time included
  // (sky/civil_time.h finds it from the place's time zone).
  double UtOffset = 0.0;
};

// One solar-system body: the Bodies table holds the Moon, the Sun, Mercury ... Pluto in this order.
struct PlanetState {
  double RightAscension = 0.0;  // hours
  double Declination = 0.0;     // degrees
  double HelioDistance = 0.0;   // AU; 0 for the Sun; cos(phase angle) for the Moon
  double GeoDistance = 0.0;     // AU; kilometres for the Moon
};

constexpr int kBodyCount = 10;
constexpr int kHorizonPointCount = 73;

// Indices into the Bodies table.
constexpr int kMoon = 0;
constexpr int kSun = 1;

// Every time quantity and every position the sky is drawn from, recomputed
// from scratch by UpdateSky. Angles in degrees unless stated.
struct AstroState {
  // Working copy of the set instant; January and February are counted as
  // months 13 and 14 of the previous year once the Julian day is computed.
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
  double JulianDay = 0.0;        // days, Universal Time
  double UtOffset = 0.0;         // hours ahead of UT of the local civil time set
  double T1900 = 0.0;            // Julian centuries from 1900 January 0.5
  double T2000 = 0.0;            // Julian centuries from J2000.0
  double MoonParallax = 0.0;     // horizontal parallax
  double MoonDistance = 0.0;     // kilometres
  double MoonIlluminated = 0.0;  // illuminated fraction, 0..1
  double Declination = 0.0;      // working value: the Sun's, then the Moon's
  double RightAscension = 0.0;   // working value, hours
  double Latitude = 0.0;         // north positive
  double Longitude = 0.0;        // WEST positive
  double SiderealAngle = 0.0;    // Greenwich mean sidereal time, [0, 360)
  double MoonHourAngle = 0.0;    // [0, 360)
  double SunDistance = 0.0;      // AU
  double SunTrueLongitude = 0.0;
  double SunMeanLongitude = 0.0;   // [0, 360)
  double MoonMeanLongitude = 0.0;  // [0, 360)
  double SunMeanAnomaly = 0.0;     // [0, 360)
  double SunEquationOfCentre = 0.0;
  double MoonNode = 0.0;  // longitude of the Moon's ascending node
  double SunTrueAnomaly = 0.0;
  double Obliquity = 0.0;       // true obliquity; the Moon's value after UpdateSky
  double MeanObliquity = 0.0;   // the Moon's value after UpdateSky
  double Eccentricity = 0.0;    // of the Earth's orbit
  double MoonPhaseAngle = 0.0;  // Sun-Moon-Earth angle, [0, 360), 0 at full Moon
  double MoonAxisAngle = 0.0;   // position angle of the Moon's axis, [0, 360)
  // From the J2000 frame of the catalogues to the mean equator and equinox of date.
  PrecessionMatrix Precession;
  // The drawing point of the observer's zenith in the J2000 frame.
  double ZenithPoint[3] = {0.0, 1.0, 0.0};

  // Recomputes everything for the local civil `time` at `place`: the Julian
  // day, the Sun's elements, the sidereal angle and the horizon table, the Sun,
  // the Moon (whose topocentric correction needs the sidereal angle and the
  // place) and the eight planets, in this order. The Sun, the Moon and the
  // horizon table are then referred to J2000 like the catalogues and the
  // planets, so that the whole sky is drawn and picked in one frame.
  void UpdateSky(const CivilTime& time, const ObserverPlace& place,
                 SkyPoint (&horizonPoints)[kHorizonPointCount], PlanetState (&bodies)[kBodyCount]);

  // Julian day (UT) of the local civil time, whose clock is `place.UtOffset`
  // hours ahead of UT; fills the working date, UtOffset, JulianDay, T1900
  // and T2000. Gregorian
  // calendar from 1582 October 14.88 on. Meeus, Astronomical Algorithms, ch. 7.
  double ComputeJulianDay(const CivilTime& time, const ObserverPlace& place);

  // The Sun's mean elements, the Moon's mean longitude and node, the
  // obliquity with its nutation terms and the eccentricity of the Earth's
  // orbit, from T2000. Meeus, ch. 22 and 25 (low accuracy).
  void ComputeSunElements();

  // Latitude, longitude (west positive), the Greenwich mean sidereal angle
  // (degrees, [0, 360)) and the 73 horizon points (azimuth 0, 5, ... 360
  // from the south through the east). Meeus, ch. 12, formula 12.4.
  void ComputeSiderealAngle(const ObserverPlace& place,
                            SkyPoint (&horizonPoints)[kHorizonPointCount]);

  // The Sun's distance (AU), right ascension (hours, [0, 24)) and declination
  // into bodies[kSun] and the working fields. Meeus, ch. 25.
  void ComputeSunPosition(PlanetState (&bodies)[kBodyCount]);

  // The Moon: geocentric series in T1900, then the topocentric correction for
  // the observer at sea level, the phase angle, the illuminated fraction and
  // the position angle of the axis with the physical librations. Its own
  // obliquity replaces the Sun's. Meeus, Astronomical Formulae for
  // Calculators, ch. 30 and 31; Astronomical Algorithms, ch. 40, 48, 53.
  void ComputeMoon(PlanetState (&bodies)[kBodyCount]);

  // Planet p (1 Mercury ... 8 Pluto) from its Kepler ellipse and the Earth's,
  // with elements at the instant: right ascension (hours), declination, r and
  // Delta (AU), J2000 equator and equinox, into bodies[p + 1].
  void ComputePlanet(int p, PlanetState (&bodies)[kBodyCount]) const;

  // Refers the Sun, the Moon and the horizon table, computed in the frame of
  // date, to the J2000 frame of everything else, and finds the zenith there.
  void ReferToJ2000(SkyPoint (&horizonPoints)[kHorizonPointCount],
                    PlanetState (&bodies)[kBodyCount]);

  // The place of date of a J2000 position.
  EquatorialCoord ToDate(double raJ2000, double decJ2000) const;
  // Geometric altitude and azimuth (from the south through the west) of a
  // J2000 position for the instant and place.
  HorizontalCoord HorizonOf(double raJ2000, double decJ2000) const;
  // The J2000 position of the point at azimuth (from the south through the
  // EAST) and geometric altitude.
  EquatorialCoord SkyAt(double azimuth, double altitude) const;
};

}  // namespace astro
