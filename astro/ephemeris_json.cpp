#include "astro/ephemeris_json.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "astro/angles.h"
#include "astro/clock.h"
#include "astro/eclipse.h"
#include "astro/json.h"
#include "astro/refraction.h"
#include "astro/transforms.h"

namespace astro {

std::string IsoInstant(double julianDay) {
  const auto seconds = static_cast<std::int64_t>(std::llround((julianDay - 2440587.5) * 86400.0));
  const CivilTime t = CivilOfSeconds(seconds);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", t.Year, t.Month, t.Day, t.Hour,
                t.Minute, t.Second);
  return text;
}

std::string EphemerisJson(const AstroState& state,
                          const SkyPoint (&horizonPoints)[kHorizonPointCount],
                          const PlanetState (&bodies)[kBodyCount]) {
  JsonObject out;
  out.AddNumber("JulianDay", state.JulianDay)
      .AddString("ut", IsoInstant(state.JulianDay))
      .AddNumber("utcOffset", state.UtOffset)
      .AddNumber("T1900", state.T1900)
      .AddNumber("T2000", state.T2000)
      .AddNumber("DeltaT", state.DeltaT)
      .AddNumber("SiderealAngle", state.SiderealAngle)
      .AddNumber("latitude", state.Latitude)
      .AddNumber("longitude", state.Longitude);
  JsonArray list;
  for (int i = 0; i < kBodyCount; ++i) {
    const PlanetState& b = bodies[i];
    // Geometric, azimuth from the north through the east.
    const HorizontalCoord h = state.HorizonOf(b.RightAscension, b.Declination);
    const double azimuth = NorthEastFromSouthWest(h.Azimuth);
    const EquatorialCoord ofDate = state.ToDate(b.RightAscension, b.Declination);
    list.Add(JsonObject()
                 .AddString("name", kBodyNames[i])
                 .AddNumber("ra", b.RightAscension)
                 .AddNumber("dec", b.Declination)
                 .AddNumber("helio", b.HelioDistance)
                 .AddNumber("altitude", h.Altitude)
                 .AddNumber("apparentAltitude", ApparentAltitude(h.Altitude))
                 .AddNumber("azimuth", azimuth)
                 .AddNumber("raJ2000", b.RaJ2000)
                 .AddNumber("decJ2000", b.DecJ2000)
                 .AddNumber("raDate", ofDate.RightAscension)
                 .AddNumber("decDate", ofDate.Declination)
                 .AddNumber("altitudeDeg", h.Altitude)
                 .AddNumber("azimuthDeg", azimuth)
                 .AddNumber("apparentAltitudeDeg", ApparentAltitude(h.Altitude))
                 .AddNumber("geo", b.GeoDistance)
                 .Text());
  }
  out.Add("bodies", list.Text())
      .AddNumber("moonPhaseAngle", state.MoonPhaseAngle)
      .AddNumber("moonAxisAngle", state.MoonAxisAngle)
      .AddNumber("moonIlluminated", state.MoonIlluminated)
      .AddNumber("eclipseDarkening", EclipseDarkeningNow(state, bodies));
  JsonArray horizon;
  for (const SkyPoint& p : horizonPoints)
    horizon.Add(
        JsonArray().Add(JsonNumber(p.RightAscension)).Add(JsonNumber(p.Declination)).Text());
  return out.Add("horizon", horizon.Text()).Text();
}

}  // namespace astro
