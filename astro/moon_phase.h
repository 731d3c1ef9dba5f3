// The Moon's phase: its elongation from the Sun, its age and the name of
// its phase.
#pragma once

namespace astro {

// The Moon's elongation in ecliptic longitude from the Sun, geocentric,
// degrees in [0, 360): 0 at new Moon, 90 at first quarter, 180 at full.
// Moon: ELP2000-82 as truncated in ERFA (eraMoon98); Sun: the Earth's
// heliocentric place (eraEpv00); both referred to the J2000 ecliptic, whose
// precession cancels in the difference. Universal Time Julian day.
double MoonElongation(double utJulianDay);

// A body's phase angle i, the Sun-body-Earth angle in [0, 180] degrees, from
// its geocentric position and the Sun's (any one unit).
double PhaseAngle(const double (&body)[3], const double (&sun)[3]);
// The lit part of a disc, 0..1, at phase angle `degrees`: (1 + cos i) / 2.
double IlluminatedFraction(double degrees);
// The Moon's illuminated fraction, 0..1, on the same series as
// MoonElongation. Universal Time Julian day.
double MoonIlluminatedFraction(double utJulianDay);

// The Moon's age, days since the last new Moon (elongation 0) before
// `utJulianDay`: Newton steps on the elongation at the mean synodic rate
// of 12.19 degrees a day, to better than a minute.
double MoonAge(double utJulianDay);

// The phase's name for an elongation (degrees): "New Moon", "Waxing
// crescent", "First quarter", "Waxing gibbous", "Full Moon", "Waning
// gibbous", "Last quarter", "Waning crescent", each over the 45 degrees
// centred on 0, 45, 90 ... 315.
const char* MoonPhaseName(double elongation);

}  // namespace astro
