// The planets' moons beside their planet as seen from the Earth: each moon's
// place relative to the planet from an analytical theory of its orbit, then
// where that puts it on the sky and whether the planet hides it, it crosses
// the planet's disc or it is in the planet's shadow.
//
// Every theory takes the same inputs:
//   ttJulianDay        the instant, Terrestrial Time (taken for TDB);
//   planetGeocentric   the planet's geocentric position (AU, GCRS axes) as
//                      the light left it, as astro/planets.cpp computes it:
//                      its length gives the light time, and the moons are
//                      placed at the planet's time, one light time before;
//   earthHeliocentric  the Earth's heliocentric position at the instant
//                      (AU, GCRS axes, astro/apparent.h EarthMotionAt),
//                      which with the planet gives the direction of the Sun.
// The differential light time across a moon's orbit, at most 12 s for
// Iapetus, moves a moon by less than 0.02" and is left out; so is the
// difference between the planet's and the moon's aberration.
#pragma once

#include <array>

namespace astro {

// Where a moon is against the planet's disc as seen from the Earth.
enum class MoonDisc { Clear, InFront, Behind };

struct MoonPlace {
  double Geocentric[3] = {0.0, 0.0, 0.0};  // AU, GCRS axes, as the light left the planet
  double East = 0.0;   // arc-seconds from the planet's centre, towards increasing J2000 RA
  double North = 0.0;  // arc-seconds from the planet's centre, towards the J2000 north pole
  double Depth = 0.0;  // equatorial radii of the planet behind its centre (negative: nearer us)
  MoonDisc Disc = MoonDisc::Clear;
  bool InShadow = false;  // in the cylinder of the planet's shadow, behind it from the Sun
};

// A planet as a moon's theory sees it: its size and the direction of its north pole.
struct PlanetFigure {
  double EquatorialRadius;  // km
  double PolarRadius;       // km
  double Pole[3];           // unit vector, GCRS axes
};

// The instant (TT Julian day) the light seen at `ttJulianDay` left the
// planet at `planetGeocentric`: the moons' theories are evaluated then.
double PlanetTime(double ttJulianDay, const double (&planetGeocentric)[3]);

// A vector given on a plane whose pole is at (`poleRa`, `poleDec`, degrees)
// on an equator, x towards the plane's ascending node on that equator and z
// its pole, turned to that equator's axes.
void PlaneToEquator(double poleRa, double poleDec, const double (&plane)[3], double (&equator)[3]);

// A vector on the mean equator and equinox of `ttJulianDay` turned to GCRS
// axes by the precession back to J2000 (astro/precession.h; the B1950 frame
// taken for FK5's of that date, which it is to 1").
void EquatorOfDateToGcrs(double ttJulianDay, const double (&equator)[3], double (&gcrs)[3]);

// A vector on the mean ecliptic and equinox of `ttJulianDay` turned to GCRS
// axes: the mean obliquity of the date (IAU 1980, Meeus ch. 22), then as above.
void EclipticOfDateToGcrs(double ttJulianDay, const double (&ecliptic)[3], double (&gcrs)[3]);

// A moon at `planetocentric` (km, GCRS axes) beside the planet of `figure`:
// its place, the planet in front of or behind it from the Earth and its
// shadow from the Sun. The disc is the planet's ellipsoid seen along the line
// of sight (a spheroid made a sphere by stretching its polar axis), the
// shadow the cylinder behind it from the Sun. Inputs as above.
MoonPlace MoonBeside(const double (&planetocentric)[3], const PlanetFigure& figure,
                     const double (&planetGeocentric)[3], const double (&earthHeliocentric)[3]);

// Phobos and Deimos, in that order: R. A. Jacobson's mean elements (MAR080,
// epoch 1950 January 1.0 TT, as JPL's Solar System Dynamics group gives
// them), each perifocus and node turning uniformly on the moon's Laplace
// plane; Phobos's tidal acceleration is left out. Within 1" of PyEphem
// 1999-2040, where it has them.
std::array<MoonPlace, 2> MarsMoons(double ttJulianDay, const double (&planetGeocentric)[3],
                                   const double (&earthHeliocentric)[3]);

// Io, Europa, Ganymede and Callisto, in that order: J. H. Lieske's theory E5
// (Astron. Astrophys. Suppl. 129, 205, 1998) as J. Meeus gives it, "Astronomical
// Algorithms", 2nd ed., 1998, ch. 44, the accurate method; its mean
// longitudes from the B1950 equinox brought to the equinox of date, and
// Jupiter's orbit of date from ch. 31. Within 2" of PyEphem 1999-2040, where
// PyEphem's moons are accurate, and 10" over 1950-2050.
std::array<MoonPlace, 4> GalileanMoons(double ttJulianDay, const double (&planetGeocentric)[3],
                                       const double (&earthHeliocentric)[3]);

// Mimas, Enceladus, Tethys, Dione, Rhea, Titan, Hyperion and Iapetus, in that
// order: J. Meeus, "Astronomical Algorithms", 2nd ed., 1998, ch. 46, the
// moons' orbits on the B1950 ecliptic and Saturn's equator. Within 4" of
// PyEphem 1999-2040, where PyEphem's moons are accurate.
std::array<MoonPlace, 8> SaturnMoons(double ttJulianDay, const double (&planetGeocentric)[3],
                                     const double (&earthHeliocentric)[3]);

// Miranda, Ariel, Umbriel, Titania and Oberon, in that order: their mean
// longitudes and mean motions from GUST86 (J. Laskar and R. A. Jacobson,
// Astron. Astrophys. 188, 212, 1987), on circles in Uranus's equator whose
// radii Kepler's third law gives. The eccentricities (below 0.004), Miranda's
// inclination of 4.3 degrees and the theory's periodic terms, left out, move a
// moon by less than 1" as seen from the Earth. Within 4" of PyEphem 1999-2040,
// where it has these moons, though it puts them 7% farther out than that.
std::array<MoonPlace, 5> UranusMoons(double ttJulianDay, const double (&planetGeocentric)[3],
                                     const double (&earthHeliocentric)[3]);

// Triton: A. W. Harris's theory (in "Uranus and Neptune", NASA CP-2330, 1984)
// as P. K. Seidelmann (ed.) gives it, "Explanatory Supplement to the
// Astronomical Almanac", 1992, section 9.11.1: a circle whose node turns
// uniformly on the invariable plane of Neptune's system; the pole of
// Neptune's disc from the IAU (Archinal et al. 2018). Within 0.7" of the
// places a planetarium peer draws from its osculating orbit of June 2008,
// 2006-2010 (tests/sky/test_moon_places.cpp).
std::array<MoonPlace, 1> NeptuneMoons(double ttJulianDay, const double (&planetGeocentric)[3],
                                      const double (&earthHeliocentric)[3]);

}  // namespace astro
