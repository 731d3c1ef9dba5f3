// What a right click's card says of an object, as numbers and instants: its
// places, distances, phase, magnitude, size and the day's events, computed
// once from the document. sky/object_info.h writes them as the cards' texts
// and as the JSON of `stellix --info`.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "astro/bodies.h"
#include "astro/rise_set.h"
#include "catalog/builtin_tables.h"
#include "catalog/cell_catalogues.h"
#include "catalog/records.h"
#include "sky/civil_time.h"

class CSkyDoc;

namespace sky {

// Where an object stands at the document's instant: the J2000 (astrometric)
// place and the apparent place of date (hours, degrees), the geometric
// altitude and azimuth (degrees, the azimuth from the north through the
// east), the altitude in a standard atmosphere, and the altitude drawn
// (the apparent one when the document refracts).
struct PlaceFacts {
  double RaJ2000 = 0.0, DecJ2000 = 0.0, RaDate = 0.0, DecDate = 0.0;
  double AltitudeDeg = 0.0, AzimuthDeg = 0.0, ApparentAltitudeDeg = 0.0;
  double ShownAltitudeDeg = 0.0;
};

// The next rising, transit and setting from the document's instant, within
// kNextEventsDays (sky/almanac.h), with what writing them needs: the
// place's clock, the refraction switch and the date shown.
struct NextEvents {
  astro::DayEvents Events;
  ClockRules Clock;
  bool Refraction = false;
  astro::CivilTime Day;
};

struct StarFacts {
  StarRecord Star;         // the record drawn (its place is the one of the instant's light)
  std::string ProperName;  // empty when the star has none
  PlaceFacts Place;
  NextEvents Next;
};

struct FaintStarFacts {
  catalog::FaintStarRecord Star;
  std::string SpectralType;  // "K0", "K"; empty when not known
  PlaceFacts Place;
  NextEvents Next;
};

// The Sun's twilights on the date shown, dawn to dusk.
struct Twilights {
  astro::DayEvents Civil, Nautical, Astronomical;
  ClockRules Clock;
};

struct BodyFacts {
  astro::Body Body = astro::Body::Moon;
  PlaceFacts Place;
  double DistanceEarthKm = 0.0;
  std::optional<double> DistanceSunKm;  // none for the Sun
  std::optional<double> Illuminated;    // fraction in [0, 1]; none for the Sun
  double Magnitude = 0.0;
  double SizeArcsec = 0.0;  // apparent diameter
  NextEvents Next;
  std::optional<Twilights> SunTwilights;  // the Sun's
  // The Moon's: elongation from the Sun (degrees, [0, 360), waxing below
  // 180) and age since the new Moon (days).
  std::optional<double> MoonElongation, MoonAgeDays;
  // Jupiter's: the System II longitude of the meridian through the middle
  // of its disc (astro/jupiter_meridian.h), degrees.
  std::optional<double> CentralMeridianII;
};

struct DeepSkyFacts {
  std::string Number;       // "M 42", "NGC 7000", "IC 434"
  std::string Name;         // common name, empty when the catalogue has none
  std::string PictureName;  // "M42", "NGC7000": the base name of its picture file
  catalog::DeepSkyType Type = catalog::DeepSkyType::Unknown;
  std::string TypeCode;             // the catalogue's code, "GALXY", "STAR"
  std::optional<double> Magnitude;  // none when the catalogue does not know it
  std::optional<int> Caldwell;      // its number in the Caldwell list (caldwell.tab), if any
  PlaceFacts Place;
  NextEvents Next;
};

// A comet or a minor planet: its place and brightness at the instant, its
// orbit and the epoch of its elements.
struct SmallBodyFacts {
  std::string Name;         // sky::SmallBodyName
  std::string Designation;  // as the elements give it
  bool Comet = false;
  PlaceFacts Place;
  double DistanceEarthAu = 0.0, DistanceSunAu = 0.0;
  double ElongationDeg = 0.0;                        // from the Sun, as seen from here
  std::optional<double> Magnitude;                   // none when the elements give no magnitude
  double PerihelionDistance = 0.0;                   // q, AU
  std::optional<double> SemiMajorAxis, PeriodYears;  // a (AU) and the period, for an ellipse
  double Eccentricity = 0.0, Inclination = 0.0;      // e; i in degrees
  double EpochJulianDay = 0.0;                       // TT
  // Whether the date shown lies more than kElementsAgeDays from the epoch,
  // where the planets' pulls have moved the body off the orbit given.
  bool FarFromEpoch = false;
  NextEvents Next;
};
inline constexpr double kElementsAgeDays = 365.25;

// The facts of star `index` of doc.Sky.Stars, body `index` of
// doc.Sky.Bodies, record `index` of doc.Sky.DeepSkyObjects, and record
// `index` of doc.Catalogues.DeepCatalogues' faint stars (moved by proper
// motion, parallax and the annual aberration) and NGC/IC objects (moved by
// the aberration).
StarFacts StarFactsOf(const CSkyDoc& doc, int index);
BodyFacts BodyFactsOf(const CSkyDoc& doc, int index);
DeepSkyFacts DeepSkyFactsOf(const CSkyDoc& doc, int index);
FaintStarFacts FaintStarFactsOf(const CSkyDoc& doc, int index);
DeepSkyFacts NgcIcFactsOf(const CSkyDoc& doc, int index);
// Body `index` of doc.Catalogues.SmallBodies, computed at the instant
// whatever its brightness; its rising and setting follow its motion.
SmallBodyFacts SmallBodyFactsOf(const CSkyDoc& doc, int index);

// The number of the Caldwell list that names the object `designation`
// ("NGC 869" -> 14) in the data directory's caldwell.tab, or none.
std::optional<int> CaldwellNumberOf(const CSkyDoc& doc, std::string_view designation);

// The Moon's magnitude at illuminated fraction f in [0, 1]: -11.7 at full,
// otherwise interpolated in a table of tenths.
double MoonMagnitude(double f);

// A planet's (body 2 Mercury ... 9 Pluto of doc.Sky.Bodies) magnitude and
// angular size (arc seconds).
struct PlanetFigures {
  double Magnitude = 0.0, Size = 0.0;
};
PlanetFigures PlanetFiguresOf(const CSkyDoc& doc, int body);

// A planet's moon (sky/moon_places.h): a planet's facts for itself, with
// its planet's next events (a moon, a few minutes of arc from it, rises and
// sets with it) and its offset from the planet.
struct MoonFacts {
  int Moon = 0;
  int Planet = 0;  // its planet's index in doc.Sky.Bodies
  PlaceFacts Place;
  double DistanceEarthKm = 0.0, DistanceSunKm = 0.0;
  double Illuminated = 0.0;  // fraction in [0, 1], at the planet's phase angle
  double Magnitude = 0.0;
  double SizeArcsec = 0.0;                     // apparent diameter
  double OffsetEast = 0.0, OffsetNorth = 0.0;  // arc-seconds from the planet's centre, J2000 axes
  // The same offset as a separation (arc-seconds) and a position angle
  // (degrees from the J2000 north through the east, [0, 360)).
  double SeparationArcsec = 0.0, PositionAngleDeg = 0.0;
  NextEvents Next;
};
// The facts of moon `moon` of doc.Sky.Moons.
MoonFacts MoonFactsOf(const CSkyDoc& doc, int moon);

// The position angle (degrees from the north through the east, [0, 360))
// of an offset `east` and `north` on the sky; 0 for no offset.
double PositionAngle(double east, double north);

// The cosine of a planet's phase angle from its distances to the Earth
// (delta) and the Sun (r) and the Sun's distance to the Earth (R), all in
// AU. Kept within [-1, 1]: the planets and the Sun come from different
// series, and rounding must not turn the angle into nan.
double PhaseCosine(double delta, double r, double sunDistance);

}  // namespace sky
