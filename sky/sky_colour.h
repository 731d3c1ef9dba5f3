// The colour of the sky background from the Sun's altitude, with moonlight
// and the darkening of a solar eclipse, and what follows from it for the
// screen and the printed chart.
#pragma once

namespace render {

struct SkyBackground {
  double SunAltitude =
      0;  // effective altitude: clamped into [-18, 6], lifted by moonlight, lowered by an eclipse
  int Green = 0, Blue = 0;  // the sky colour is (0, Green, Blue)
  bool Eclipse = false;     // a solar eclipse darkens this frame
  double MoonHeight = 0;    // the Moon's altitude + 0.5, clamped into [0, 1]
  double MoonLight = 0;     // the Moon's illuminated fraction
  double DeepSkyLimit = 0;  // faintest deep-sky magnitude this sky lets through

  // The colour with red in the lowest byte.
  int Colour() const { return Blue * 65536 + Green * 256; }
  // Brightness of the Sun's glow: 1 by day, falling to 0 at -18 degrees.
  double DayFactor() const;
  // Strength of the twilight glow: rising from 0 at -12 degrees to 1 at -6 and
  // falling back to 0 at +6.
  double TwilightFactor() const;
};

// sunAltitude and moonAltitude in degrees; moonCosPhase the cosine of the
// Moon's phase angle; moonlight and eclipses count only with the solar system
// shown; eclipseDarkening in degrees (0 when none); deepSkyLimitIndex the
// stored limit index used in a dark sky.
SkyBackground ComputeSkyBackground(double sunAltitude, double moonAltitude, double moonCosPhase,
                                   bool solarSystem, double eclipseDarkening,
                                   int deepSkyLimitIndex);

// The sky's conditions at the document's instant and place for its
// switches and limits: what the screen and the printed chart both read.
struct SkyConditions {
  SkyBackground Background;  // what the sky-colour layer draws
  // Degrees by which a solar eclipse lowers the Sun now (0 when none), shown or not.
  double EclipseDarkening = 0;
  // The colour behind the labels, red in the lowest byte: the background's
  // with the sky colours on (in red screen too), else black.
  int SkyColour = 0;
  // The faintest deep-sky magnitude shown: the background's with the sky
  // colours on (none in daylight), else the document's limit.
  double DeepSkyLimit = 0;
};

// The conditions from the Sun's and the Moon's geometric altitudes
// (degrees), the cosine of the Moon's phase angle and the eclipse's
// darkening (degrees, 0 when none), with the sky colours and the solar
// system shown or not, the stored deep-sky limit index and the document's
// deep-sky magnitude limit.
SkyConditions ComputeSkyConditions(double sunAltitude, double moonAltitude, double moonCosPhase,
                                   double eclipseDarkening, bool skyColours, bool solarSystem,
                                   int deepSkyLimitIndex, double deepSkyMagnitudeLimit);

}  // namespace render
