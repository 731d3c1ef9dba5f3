// Go to coordinates: a right ascension and declination (J2000 or of date)
// or an altitude and azimuth typed as people write them, checked field by
// field, and the place they name at the document's instant. Search > Go to
// Coordinates and --goto read and convert them here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class CSkyDoc;

namespace sky {

// What the two coordinates are.
enum class GotoFrame {
  J2000,    // right ascension and declination of the catalogues' equator and equinox
  OfDate,   // right ascension and declination of the true equator and equinox of the instant
  Horizon,  // altitude (as the view measures it: lifted by the refraction when it refracts)
            // and azimuth from the north through the east
};

// The frame called `name` on the command line: "j2000", "date" or "altaz", in any case.
std::optional<GotoFrame> GotoFrameNamed(std::string_view name);

// One coordinate as people write it, blanks round it left out; none when it
// does not read or lies out of its range.
// Right ascension: hours, minutes and seconds ("5h35m17s", "5 35 17",
// "5:35:17.4", "5h35.3m"), decimal hours ("5.588", "5.588h"), or degrees
// with their sign ("83.82°", "83°49'12\"", "83.82d"); hours [0, 24).
std::optional<double> ParseRightAscension(std::string_view text);
// Declination and altitude: degrees, minutes and seconds with an optional
// sign ("-5°23'28\"", "-5 23 28", "-5:23:28", "-5d23m28s") or decimal
// degrees ("-5.39"); [-90, 90]. The typographic minus, primes and quotes
// and the ordinal sign for degrees are read as the plain ones, a decimal
// comma as a point.
std::optional<double> ParseDeclination(std::string_view text);
// Azimuth: degrees as a declination is written, without a sign; [0, 360).
std::optional<double> ParseAzimuth(std::string_view text);

// The two fields read: First is the right ascension (hours) or the
// altitude (degrees), Second the declination or the azimuth (degrees).
// Error is empty when both read; otherwise the message that names the
// first field that does not, marked STELLIX_TEXT("sky", ...) (English for
// a script; the window translates it), and Wrong that field.
enum class GotoField { None, First, Second };
struct GotoEntry {
  std::string Error;
  GotoField Wrong = GotoField::None;
  double First = 0.0;
  double Second = 0.0;
};
GotoEntry ReadGotoFields(GotoFrame frame, std::string_view first, std::string_view second);

// Both coordinates in one text, as --goto takes them: split at a comma
// followed by a blank, or else at the one blank between words where both
// halves read ("5 35 17 -5 23 28", "5h35m17s -5°23'28\""). A text that
// splits more than one way is refused, with a word on the comma.
GotoEntry ReadGotoText(GotoFrame frame, std::string_view text);

// The place the coordinates name at the document's instant: its J2000 and
// of-date right ascension (hours) and declination (degrees), its geometric
// altitude and its azimuth from the north through the east (degrees), as
// the cards give them.
struct GotoPlace {
  double RaJ2000 = 0.0, DecJ2000 = 0.0, RaDate = 0.0, DecDate = 0.0;
  double AltitudeDeg = 0.0, AzimuthDeg = 0.0;
};
GotoPlace GotoPlaceOf(const CSkyDoc& doc, GotoFrame frame, const GotoEntry& entry);

// The place as the one line of JSON --goto prints: raJ2000, decJ2000,
// raDate, decDate, altitudeDeg, azimuthDeg.
std::string GotoPlaceJson(const GotoPlace& place);

}  // namespace sky
