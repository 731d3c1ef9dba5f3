#include "sky/sky_colour.h"

#include <algorithm>

namespace render {

double SkyBackground::DayFactor() const {
  if (SunAltitude >= 0) return 1.0;
  if (SunAltitude > -18) return (SunAltitude + 18) / 18;
  return 0.0;
}

double SkyBackground::TwilightFactor() const {
  const double h = SunAltitude;
  if (h >= 6) return 0.0;
  if (h > -6) return (6 - h) / 12;
  if (h > -12) return (h + 12) / 6;
  return 0.0;
}

SkyBackground ComputeSkyBackground(double sunAltitude, double moonAltitude, double moonCosPhase,
                                   bool solarSystem, double eclipseDarkening,
                                   int deepSkyLimitIndex) {
  SkyBackground sky;
  sky.MoonLight = (moonCosPhase + 1) * 0.5;
  double h = std::clamp(sunAltitude, -18.0, 6.0);
  if (solarSystem) {
    sky.MoonHeight = std::clamp(moonAltitude + 0.5, 0.0, 1.0);
    // Moonlight lifts the night sky.
    if (h < 0) h *= 1 - sky.MoonHeight * sky.MoonLight * sky.MoonLight / 6;
    if (eclipseDarkening != 0) {
      h -= eclipseDarkening;
      sky.Eclipse = true;
    }
  }
  sky.SunAltitude = h;

  if (h <= -18) {
    sky.Green = sky.Blue = 0;
  } else if (h <= -6) {
    sky.Blue = static_cast<int>((h + 18) * 152 / 12);
  } else if (h < 6) {
    sky.Green = static_cast<int>((h + 6) * 191 / 12);
    sky.Blue = static_cast<int>((h + 6) * 103 / 12 + 152);
  } else {
    sky.Green = 191;
    sky.Blue = 255;
  }

  if (h >= -6)
    sky.DeepSkyLimit = -5.0;  // nothing passes in daylight
  else if (h > -18)
    sky.DeepSkyLimit = -h - 11;
  else
    sky.DeepSkyLimit = deepSkyLimitIndex + 6.0;
  return sky;
}

SkyConditions ComputeSkyConditions(double sunAltitude, double moonAltitude, double moonCosPhase,
                                   double eclipseDarkening, bool skyColours, bool solarSystem,
                                   int deepSkyLimitIndex, double deepSkyMagnitudeLimit) {
  SkyConditions c;
  c.EclipseDarkening = eclipseDarkening;
  c.Background = ComputeSkyBackground(sunAltitude, moonAltitude, moonCosPhase, solarSystem,
                                      solarSystem ? eclipseDarkening : 0.0, deepSkyLimitIndex);
  c.SkyColour = skyColours ? c.Background.Colour() : 0;
  c.DeepSkyLimit = skyColours ? c.Background.DeepSkyLimit : deepSkyMagnitudeLimit;
  return c;
}

}  // namespace render
