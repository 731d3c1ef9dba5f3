// The texts of the information cards a right click opens: one star, one
// solar-system body, one deep-sky object, written from their facts
// (sky/card_facts.h). The cards and `stellix --info` both show these texts;
// this is the one place that writes them.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "res/translatable.h"
#include "sky/almanac.h"
#include "sky/card_facts.h"

class CSkyDoc;

namespace sky {

// Captions of the star and deep-sky cards, to which a star's card adds its
// HR number and its name or designation and a deep-sky object's card its
// number; a body's card is captioned with its name.
inline constexpr const char* kStarCardCaption = STELLIX_TEXT("sky", "Star");
inline constexpr const char* kDeepSkyCardCaption = STELLIX_TEXT("sky", "Deep sky object");

// An angle as the cards write it: whole part with its unit ("6h", "-0°"),
// minutes ("45'") and seconds ("8.9\"", empty where a card shows none).
struct AngleTexts {
  std::string Whole, Minutes, Seconds;
};

// Right ascension in hours: "h" after the whole hours, "'" after the
// minutes; with seconds, FormatFixed(seconds, 1) and a double quote.
AngleTexts RightAscensionTexts(double hours, bool withSeconds);
// Declination in degrees: "°" after the degrees, which read "-0°" in
// (-1, 0); with seconds, the whole seconds and a double quote.
AngleTexts DeclinationTexts(double degrees, bool withSeconds);
// Altitude or azimuth: FormatFixed(value, 2) + "°".
std::string HorizonAngleText(double degrees);

// A card's place in numbers, for scripts: its facts' place.
using PlaceNumbers = PlaceFacts;

struct StarCard {
  // "Star HR 1895 (Theta1 Ori)": the components of a multiple star, whose
  // other fields may read the same, differ in the caption.
  std::string Caption;
  std::string Hr, Bayer, Flamsteed, Name;
  AngleTexts Ra, Dec;          // J2000
  AngleTexts RaDate, DecDate;  // of date
  std::string Altitude, Azimuth, Magnitude, Spectrum;
  PlaceNumbers Numbers;
  RiseSetTexts RiseSet;  // the next events from the instant shown, by the place's clock
};

// A star of the faint-star file: "Star HIP 87937", or a Tycho star's
// coordinate name ("Star J053512.3-052312").
struct FaintStarCard {
  std::string Caption;
  std::string Hip;             // the number, empty for a Tycho star
  std::string Name;            // "HIP 87937" or the coordinate name
  AngleTexts Ra, Dec;          // J2000
  AngleTexts RaDate, DecDate;  // of date
  std::string Altitude, Azimuth, Magnitude;
  std::string ColourIndex;  // B-V, FormatFixed(.., 2); empty when not known
  std::string Spectrum;     // "K0", "K"; empty when not known
  PlaceNumbers Numbers;
  RiseSetTexts RiseSet;  // the next events from the instant shown, by the place's clock
};

struct BodyCard {
  std::string Caption;         // the body's name
  AngleTexts Ra, Dec;          // J2000, astrometric: as the light left the body, seen from here
  AngleTexts RaDate, DecDate;  // the apparent place of date
  std::string Altitude, Azimuth, DistanceEarth, DistanceSun, Illuminated, Magnitude, Size;
  PlaceNumbers Numbers;
  RiseSetTexts RiseSet;  // the next events from the instant shown, by the place's clock
  // The Sun's: civil, nautical and astronomical twilight.
  TwilightTexts Civil, Nautical, Astronomical;
  // The Moon's: the phase's name ("Waxing gibbous") and its age ("9.4 days").
  std::string Phase, Age;
  // Jupiter's: System II's central meridian ("72.4°").
  std::string CentralMeridian;
};

struct DeepSkyCard {
  std::string Caption;         // "Deep sky object M 42"
  std::string Number;          // "M 42", "NGC 7000"
  std::string Name;            // common name, empty when the catalogue has none
  std::string Caldwell;        // "Caldwell 14", empty when the Caldwell list has it not
  AngleTexts Ra, Dec;          // J2000, no seconds
  AngleTexts RaDate, DecDate;  // of date, no seconds
  std::string Altitude, Azimuth, Magnitude, Type;
  std::string PictureName;  // "M42", "NGC7000": the base name of its picture file
  PlaceNumbers Numbers;
  RiseSetTexts RiseSet;  // the next events from the instant shown, by the place's clock
};

// A comet or a minor planet: "Comet 1P/Halley", "Minor planet Ceres".
struct SmallBodyCard {
  std::string Caption;
  std::string Kind;  // "comet" or "asteroid"
  std::string Name, Designation;
  AngleTexts Ra, Dec;          // J2000, astrometric
  AngleTexts RaDate, DecDate;  // the apparent place of date
  std::string Altitude, Azimuth, DistanceEarth, DistanceSun, Elongation, Magnitude;
  // The orbit: q, a (empty for a parabola or a hyperbola) in AU, e, i, the
  // period (empty but for an ellipse) and the epoch of the elements (its
  // TT date, "2022-08-09").
  std::string PerihelionDistance, SemiMajorAxis, Eccentricity, Inclination, Period, Epoch;
  // Said when the date shown is more than a year from the epoch; else empty.
  std::string EpochWarning;
  SmallBodyFacts Facts;
  PlaceNumbers Numbers;
  RiseSetTexts RiseSet;  // the next events from the instant shown, by the place's clock
};

// The cards of star `index` of doc.Sky.Stars, body `index` of doc.Sky.Bodies (0 Moon,
// 1 Sun, 2 Mercury ... 9 Pluto) and record `index` of doc.Sky.DeepSkyObjects.
// Altitude and azimuth are as shown (CSkyDoc::HorizontalOf), the azimuth
// counted from the north through the east. Rising, transit and setting are
// the next ones from the document's instant at its place (sky/almanac.h),
// dated where they fall on another day than the one shown.
// Each is the card of the facts of the same name (CardOf).
StarCard StarCardOf(const CSkyDoc& doc, int index);
BodyCard BodyCardOf(const CSkyDoc& doc, int index);
DeepSkyCard DeepSkyCardOf(const CSkyDoc& doc, int index);
// Record `index` of doc.Catalogues.DeepCatalogues: a faint star, moved by its proper
// motion and parallax and, like every star drawn, by the annual aberration;
// an NGC or IC object (moved by the aberration), on the deep-sky card.
FaintStarCard FaintStarCardOf(const CSkyDoc& doc, int index);
DeepSkyCard NgcIcCardOf(const CSkyDoc& doc, int index);
// Body `index` of doc.Catalogues.SmallBodies.
SmallBodyCard SmallBodyCardOf(const CSkyDoc& doc, int index);

// The texts of a card's facts.
StarCard CardOf(const StarFacts& facts);
FaintStarCard CardOf(const FaintStarFacts& facts);
BodyCard CardOf(const BodyFacts& facts);
DeepSkyCard CardOf(const DeepSkyFacts& facts);
SmallBodyCard CardOf(const SmallBodyFacts& facts);

// The picture of an object in `imagesDirectory`: the first file (in name
// order) called `baseName` followed by a dot and any extension, such as
// Mars.jpg or Mars.gif for "Mars"; the base name is compared without regard
// to case. Its file name, or nothing when there is none.
std::optional<std::string> FindPicture(const std::filesystem::path& imagesDirectory,
                                       std::string_view baseName);

// One JSON object of a card's texts (without the blanks that pad numbers to
// four characters): "kind" ("star", "body", "deepsky"), "caption", "ra" and
// "dec" (the parts joined by one blank), "altitude", "azimuth",
// "magnitude", the fields of its kind, and "rise", "transit" and "set" (ISO
// 8601 with the clock's offset, or the card's text where there is no such
// event in the next kNextEventsDays) with "transitAltitude"; the Sun's card adds the dawn
// and dusk of each twilight ("civilDawn", "civilDusk", "nauticalDawn" ...,
// empty where none), the Moon's "phase" and "age", Jupiter's
// "centralMeridianII" (its text).
std::string CardJson(const StarCard& card);
std::string CardJson(const BodyCard& card);
// "kind" "deepsky" with "number", "name", "caldwell" ("Caldwell 14", empty
// for none) and "type".
std::string CardJson(const DeepSkyCard& card);
// "kind" "star" with "hip" (empty for a Tycho star), "name" (its
// designation), "colourIndex" and "spectrum".
std::string CardJson(const FaintStarCard& card);
// "kind" "comet" or "asteroid" with "name", "designation", the texts
// "distanceEarth", "distanceSun", "elongation", and in numbers
// "distanceEarthAu", "distanceSunAu", "elongationDeg", "magnitudeValue"
// (when known), "q", "a" and "periodYears" (ellipses), "e", "i",
// "epoch" (the TT date of the elements), "epochJulianDay" and
// "epochWarning" (empty within a year of the epoch).
std::string CardJson(const SmallBodyCard& card);

// A planet's moon: a body's card captioned with the moon's name (its size
// in arc seconds, its distances in million km), with its planet's name and
// its offset from the planet (arc-seconds, J2000 axes), also as a
// separation ("245.3\"") and a position angle ("87.2°").
struct MoonCard {
  BodyCard Body;
  std::string Planet;
  double OffsetEast = 0.0, OffsetNorth = 0.0;
  std::string Separation, PositionAngle;
  double SeparationArcsec = 0.0, PositionAngleDeg = 0.0;
};
MoonCard CardOf(const MoonFacts& facts);
// The card of moon `moon` of doc.Sky.Moons.
MoonCard MoonCardOf(const CSkyDoc& doc, int moon);
// "kind" "moon", the fields of a planet's card, "planet" (its name),
// "offsetEast", "offsetNorth", "separation" and "positionAngle" (texts),
// "separationArcsec" and "positionAngleDeg".
std::string CardJson(const MoonCard& card);

}  // namespace sky
