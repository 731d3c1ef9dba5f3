// The instant and place of the sky shown, and every quantity the astronomy engine derives from
// them.
#pragma once

#include <string>

#include "astro/apparent.h"
#include "astro/bodies.h"
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
// RightAscension and Declination are the apparent place seen from the observer (light time,
// parallax, aberration) in the J2000 frame the sky is drawn in: the rotation to the date
// (AstroState::ToDate) gives the apparent place of date.
struct PlanetState {
  double RightAscension = 0.0;  // hours
  double Declination = 0.0;     // degrees
  double HelioDistance = 0.0;   // AU; 0 for the Sun; cos(phase angle) for the Moon
  double GeoDistance = 0.0;     // AU; kilometres for the Moon
  // The astrometric place: as the light left the body, seen from the observer, J2000.
  double RaJ2000 = 0.0;   // hours
  double DecJ2000 = 0.0;  // degrees
  bool operator==(const PlanetState&) const = default;
};

constexpr int kHorizonPointCount = 73;

// Indices into the Bodies table.
constexpr int kMoon = Index(Body::Moon);
constexpr int kSun = Index(Body::Sun);

// Every time quantity and every position the sky is drawn from, recomputed
// from scratch by UpdateSky. Angles in degrees unless stated.
struct AstroState {
  // Working copy of the set instant; January and February are counted as
  // months 13 and 14 of the previous year once the Julian day is computed.
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
  double JulianDay = 0.0;        // days, Universal Time
  double DeltaT = 0.0;           // seconds, TT - UT
  double TerrestrialDay = 0.0;   // Julian day, Terrestrial Time
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
  double SiderealAngle = 0.0;    // Greenwich apparent sidereal time, [0, 360)
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
  // From the J2000 frame of the catalogues to the true equator and equinox of
  // date: precession and nutation.
  PrecessionMatrix Precession;
  // The Earth's place and motion, and the observer's geocentric position (AU), J2000 axes.
  EarthMotion Earth;
  double Observer[3] = {0.0, 0.0, 0.0};
  // The drawing point of the observer's zenith in the J2000 frame.
  double ZenithPoint[3] = {0.0, 1.0, 0.0};

  // Recomputes everything for the local civil `time` at `place`: the Julian
  // day and Terrestrial Time, the rotation to the date, the Sun's elements,
  // the sidereal angle and the horizon table, the Earth's motion and the
  // observer's position, the Sun, the Moon and the eight planets, in this
  // order. The bodies come out in the J2000 frame of the catalogues and the
  // horizon table is referred to it, so that the whole sky is drawn and
  // picked in one frame and turned to the date by `Precession`.
  void UpdateSky(const CivilTime& time, const ObserverPlace& place,
                 SkyPoint (&horizonPoints)[kHorizonPointCount], PlanetState (&bodies)[kBodyCount]);

  // Julian day (UT) of the local civil time, whose clock is `place.UtOffset`
  // hours ahead of UT; fills the working date, UtOffset, JulianDay, T1900
  // and T2000. Gregorian
  // calendar from 1582 October 14.88 on. Meeus, Astronomical Algorithms, ch. 7.
  double ComputeJulianDay(const CivilTime& time, const ObserverPlace& place);

  // DeltaT, TerrestrialDay and Precession (precession-nutation) from JulianDay.
  void ComputeTimeScales();

  // The Sun's mean elements, the Moon's mean longitude and node, the
  // obliquity with its nutation terms and the eccentricity of the Earth's
  // orbit, in Terrestrial Time. Meeus, ch. 22 and 25 (low accuracy); they
  // serve the Moon's phase and axis.
  void ComputeSunElements();

  // Latitude, longitude (west positive), the Greenwich apparent sidereal
  // angle (degrees, [0, 360)) and the 73 horizon points (azimuth 0, 5, ... 360
  // from the south through the east), of date. Needs ComputeTimeScales.
  void ComputeSiderealAngle(const ObserverPlace& place,
                            SkyPoint (&horizonPoints)[kHorizonPointCount]);

  // Earth and Observer; needs the sidereal angle.
  void ComputeObserver();

  // The Sun's distance (AU) and apparent place into bodies[kSun], and its
  // place of date into the working fields.
  void ComputeSunPosition(PlanetState (&bodies)[kBodyCount]);

  // The Moon: its apparent topocentric place from ELP2000-82 as truncated in
  // ERFA (eraMoon98, Terrestrial Time), its distance and horizontal
  // parallax; then, from the classic series, the phase angle, the illuminated
  // fraction and the position angle of the axis with the physical
  // librations; its own obliquity replaces the Sun's. Meeus, Astronomical
  // Formulae for Calculators, ch. 30 and 31; Astronomical Algorithms, ch. 48, 53.
  void ComputeMoon(PlanetState (&bodies)[kBodyCount]);

  // Planet p (1 Mercury ... 8 Pluto, the body BodyAt(p + 1)): heliocentric
  // place (astro/vsop87.h, Pluto astro/pluto.h) where the light left it, seen
  // from the observer, aberrated; r and Delta (AU) into its row of bodies.
  void ComputePlanet(int p, PlanetState (&bodies)[kBodyCount]) const;

  // Refers the horizon table, computed in the frame of date, to the J2000
  // frame of everything else, and finds the zenith there.
  void ReferToJ2000(SkyPoint (&horizonPoints)[kHorizonPointCount]);

  // The place of date of a J2000 position (a rotation: aberration, where
  // wanted, is in the position already).
  EquatorialCoord ToDate(double raJ2000, double decJ2000) const;
  // Geometric altitude and azimuth (from the south through the west) of a
  // J2000 position for the instant and place.
  HorizontalCoord HorizonOf(double raJ2000, double decJ2000) const;
  // The J2000 position of the point at azimuth (from the south through the
  // EAST) and geometric altitude.
  EquatorialCoord SkyAt(double azimuth, double altitude) const;
};

}  // namespace astro
