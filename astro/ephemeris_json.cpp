#include "astro/ephemeris_json.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "astro/angles.h"
#include "astro/clock.h"
#include "astro/eclipse.h"
#include "astro/refraction.h"

namespace astro {
namespace {

// Appends x with 17 significant digits (the shortest of %.17g's forms), or null.
void AppendNumber(std::string& out, double x) {
  if (!std::isfinite(x)) {
    out += "null";
    return;
  }
  char text[32];
  const std::to_chars_result result =
      std::to_chars(text, text + sizeof text, x, std::chars_format::general, 17);
  out.append(text, result.ptr);
}

void AppendField(std::string& out, const char* key, double x) {
  out += '"';
  out += key;
  out += "\":";
  AppendNumber(out, x);
  out += ',';
}

}  // namespace

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
  std::string out = "{";
  AppendField(out, "JulianDay", state.JulianDay);
  out += "\"ut\":\"" + IsoInstant(state.JulianDay) + "\",";
  AppendField(out, "utcOffset", state.UtOffset);
  AppendField(out, "T1900", state.T1900);
  AppendField(out, "T2000", state.T2000);
  AppendField(out, "DeltaT", state.DeltaT);
  AppendField(out, "SiderealAngle", state.SiderealAngle);
  AppendField(out, "latitude", state.Latitude);
  AppendField(out, "longitude", state.Longitude);
  out += "\"bodies\":[";
  for (int i = 0; i < kBodyCount; ++i) {
    if (i > 0) out += ',';
    out += "{\"name\":\"";
    out += kBodyNames[i];
    out += "\",";
    AppendField(out, "ra", bodies[i].RightAscension);
    AppendField(out, "dec", bodies[i].Declination);
    AppendField(out, "helio", bodies[i].HelioDistance);
    // Geometric, azimuth from the north through the east.
    const HorizontalCoord h = state.HorizonOf(bodies[i].RightAscension, bodies[i].Declination);
    const double azimuth = Normalize360(h.Azimuth + 180.0);
    AppendField(out, "altitude", h.Altitude);
    AppendField(out, "apparentAltitude", ApparentAltitude(h.Altitude));
    AppendField(out, "azimuth", azimuth);
    const EquatorialCoord ofDate = state.ToDate(bodies[i].RightAscension, bodies[i].Declination);
    AppendField(out, "raJ2000", bodies[i].RaJ2000);
    AppendField(out, "decJ2000", bodies[i].DecJ2000);
    AppendField(out, "raDate", ofDate.RightAscension);
    AppendField(out, "decDate", ofDate.Declination);
    AppendField(out, "altitudeDeg", h.Altitude);
    AppendField(out, "azimuthDeg", azimuth);
    AppendField(out, "apparentAltitudeDeg", ApparentAltitude(h.Altitude));
    out += "\"geo\":";
    AppendNumber(out, bodies[i].GeoDistance);
    out += '}';
  }
  out += "],";
  AppendField(out, "moonPhaseAngle", state.MoonPhaseAngle);
  AppendField(out, "moonAxisAngle", state.MoonAxisAngle);
  AppendField(out, "moonIlluminated", state.MoonIlluminated);
  AppendField(out, "eclipseDarkening", EclipseDarkeningNow(state, bodies));
  out += "\"horizon\":[";
  for (int k = 0; k < kHorizonPointCount; ++k) {
    if (k > 0) out += ',';
    out += '[';
    AppendNumber(out, horizonPoints[k].RightAscension);
    out += ',';
    AppendNumber(out, horizonPoints[k].Declination);
    out += ']';
  }
  out += "]}";
  return out;
}

}  // namespace astro
