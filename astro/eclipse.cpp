#include "astro/eclipse.h"

#include <cmath>

#include "astro/transforms.h"

namespace astro {

double EclipseDarkening(const PlanetState& moon, const PlanetState& sun, double siderealAngle,
                        double longitude, double latitude) {
  const double separation = AngularSeparation(moon.RightAscension, moon.Declination,
                                              sun.RightAscension, sun.Declination) *
                            60.0;
  if (separation > 5.0) return 0.0;
  const double sunRadius = 959.63 / sun.GeoDistance / 60.0;
  const double moonRadius = 358473400.0 / moon.GeoDistance / 60.0;
  const double moonAltitude = EquatorialToHorizontal(moon.RightAscension, moon.Declination,
                                                     siderealAngle, longitude, latitude)
                                  .Altitude;
  const double topocentricMoonRadius =
      moonRadius * (1.0 + std::sin(moonAltitude * kDegToRad) * 6378.14 / moon.GeoDistance);
  const double depth = std::sin((5.0 - separation) * 18.0 * kDegToRad);
  return topocentricMoonRadius >= sunRadius ? depth * 12.0 : depth * 9.0;
}

double EclipseDarkeningNow(const AstroState& state, const PlanetState (&bodies)[kBodyCount]) {
  PlanetState moon = bodies[kMoon], sun = bodies[kSun];
  for (PlanetState* body : {&moon, &sun}) {
    const EquatorialCoord p = state.ToDate(body->RightAscension, body->Declination);
    body->RightAscension = p.RightAscension;
    body->Declination = p.Declination;
  }
  return EclipseDarkening(moon, sun, state.SiderealAngle, state.Longitude, state.Latitude);
}

}  // namespace astro
