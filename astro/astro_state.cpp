#include "astro/astro_state.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/longitude.h"
#include "astro/time_scales.h"
#include "astro/transforms.h"

namespace astro {

void AstroState::UpdateSky(const CivilTime& time, const ObserverPlace& place,
                           SkyPoint (&horizonPoints)[kHorizonPointCount],
                           PlanetState (&bodies)[kBodyCount]) {
  ComputeJulianDay(time, place);
  ComputeTimeScales();
  ComputeSunElements();
  ComputeSiderealAngle(place, horizonPoints);
  ComputeObserver();
  ComputeSunPosition(bodies);
  ComputeMoon(bodies);
  for (int p = 1; p <= 8; ++p) ComputePlanet(p, bodies);
  ReferToJ2000(horizonPoints);
}

void AstroState::ComputeTimeScales() {
  DeltaT = DeltaTSeconds(DecimalYear(JulianDay));
  TerrestrialDay = JulianDay + DeltaT / 86400.0;
  Precession = PrecessionNutation(TerrestrialDay);
}

void AstroState::ComputeObserver() {
  Earth = EarthMotionAt(TerrestrialDay);
  ObserverPosition(Latitude, Longitude, SiderealAngle, Precession, Observer);
}

void AstroState::ReferToJ2000(SkyPoint (&horizonPoints)[kHorizonPointCount]) {
  const EquatorialCoord zenith =
      PrecessToJ2000(Precession, Normalize360(SiderealAngle - Longitude) / 15.0, Latitude);
  EquatorialToSphere(zenith.RightAscension, zenith.Declination, ZenithPoint);
  for (SkyPoint& point : horizonPoints) {
    const EquatorialCoord p = PrecessToJ2000(Precession, point.RightAscension, point.Declination);
    point = {static_cast<float>(p.RightAscension), static_cast<float>(p.Declination)};
  }
}

EquatorialCoord AstroState::ToDate(double raJ2000, double decJ2000) const {
  return PrecessToDate(Precession, raJ2000, decJ2000);
}

HorizontalCoord AstroState::HorizonOf(double raJ2000, double decJ2000) const {
  const EquatorialCoord p = ToDate(raJ2000, decJ2000);
  return EquatorialToHorizontal(p.RightAscension, p.Declination, SiderealAngle, Longitude,
                                Latitude);
}

EquatorialCoord AstroState::SkyAt(double azimuth, double altitude) const {
  const EquatorialCoord p =
      HorizontalToEquatorial(azimuth, altitude, SiderealAngle, Longitude, Latitude);
  return PrecessToJ2000(Precession, p.RightAscension, p.Declination);
}

double AstroState::ComputeJulianDay(const CivilTime& time, const ObserverPlace& place) {
  Year = time.Year;
  Month = time.Month;
  Day = time.Day;
  Hour = time.Hour;
  Minute = time.Minute;
  Second = time.Second;

  UtOffset = place.UtOffset;
  const double day = Day + ((Hour - UtOffset) + Minute / 60.0 + Second / 3600.0) / 24.0;

  // Tested with the month and year as set, and with the fraction of the day,
  // so the Gregorian calendar starts late on 1582 October 14 (day 14.88).
  const double gregorianTest = (Month - 1 + day / 31.0) / 12.0 + Year;
  if (Month < 3) {
    Month += 12;
    Year -= 1;
  }
  int b = 0;
  if (gregorianTest > 1582.79) {
    const int a = Year / 100;
    b = 2 - a + a / 4;
  }
  JulianDay =
      std::floor(365.25 * (Year + 4716)) + std::floor(30.6001 * (Month + 1)) + b + day - 1524.5;
  T1900 = (JulianDay - 2415020.0) / 36525.0;
  T2000 = (JulianDay - 2451545.0) / 36525.0;
  return JulianDay;
}

void AstroState::ComputeSiderealAngle(const ObserverPlace& place,
                                      SkyPoint (&horizonPoints)[kHorizonPointCount]) {
  Latitude =
      place.NS == "N" ? place.LatDeg + place.LatMin / 60.0 : -place.LatDeg - place.LatMin / 60.0;
  Longitude = WestPositive(EastLongitudeOf(place.LongDeg, place.LongMin, place.EW));

  SiderealAngle = ApparentSiderealAngle(JulianDay, TerrestrialDay, Precession);

  for (int k = 0; k < kHorizonPointCount; ++k) {
    const EquatorialCoord point =
        HorizontalToEquatorial(5.0 * k, 0.0, SiderealAngle, Longitude, Latitude);
    horizonPoints[k] = {static_cast<float>(point.RightAscension),
                        static_cast<float>(point.Declination)};
  }
}

}  // namespace astro
