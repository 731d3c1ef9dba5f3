// Terrestrial Time from Universal Time.
#pragma once

namespace astro {

// Delta T = TT - UT in seconds for a decimal year (2000.0 = 2000 January 1).
// F. Espenak and J. Meeus, "Polynomial Expressions for Delta T", NASA Five
// Millennium Canon of Solar Eclipses (NASA/TP-2006-214141), section 2.6:
// the pieces 1860-1900, 1900-1920, 1920-1941, 1941-1961, 1961-1986,
// 1986-2005, 2005-2050 and 2050-2150; outside 1860-2150 their long-term
// parabola -20 + 32 u^2, u = (year - 1820) / 100. Continuous within 0.1 s at the joins.
double DeltaTSeconds(double year);

// The decimal year of a Julian day: 2000.0 + (jd - 2451544.5) / 365.2425.
double DecimalYear(double julianDay);

// Julian day in Terrestrial Time of a Julian day in Universal Time.
double TerrestrialJulianDay(double julianDayUt);

}  // namespace astro
