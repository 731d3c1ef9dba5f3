#include "sky/goto_target.h"

#include <array>
#include <cctype>
#include <cmath>
#include <vector>

#include "astro/json.h"
#include "astro/precession.h"
#include "astro/refraction.h"
#include "astro/transforms.h"
#include "res/translatable.h"
#include "sky/sky_doc.h"

namespace sky {
namespace {

// The messages of the fields, each naming its field and how it is written.
constexpr const char* kRightAscensionError =
    STELLIX_TEXT("sky",
                 "The right ascension must be hours from 0 to 24 (\"5h35m17s\", \"5 35 17\", "
                 "\"5.588h\") or degrees from 0 to 360 (\"83.82°\").");
constexpr const char* kDeclinationError =
    STELLIX_TEXT("sky",
                 "The declination must be degrees from -90 to +90 (\"-5°23'28\"\", \"-5 23 28\", "
                 "\"-5.39\").");
constexpr const char* kAltitudeError = STELLIX_TEXT(
    "sky", "The altitude must be degrees from -90 to +90 (\"35°30'\", \"35 30\", \"35.5\").");
constexpr const char* kAzimuthError =
    STELLIX_TEXT("sky",
                 "The azimuth must be degrees from 0 to 360, from the north through the east "
                 "(\"135°\", \"135 30\", \"135.5\").");

// The marks a coordinate is written with, brought to plain ASCII: the
// typographic minus and dashes, the degree and ordinal signs ('d'), primes
// and quotes, a blank that does not break, letters in lower case.
std::string Plain(std::string_view text) {
  struct Spelling {
    std::string_view From;
    char To;
  };
  static constexpr std::array<Spelling, 11> kSpellings{{{"\u2212", '-'},
                                                        {"\u2013", '-'},
                                                        {"\u00b0", 'd'},
                                                        {"\u00ba", 'd'},
                                                        {"\u2032", '\''},
                                                        {"\u2019", '\''},
                                                        {"\u2033", '"'},
                                                        {"\u201d", '"'},
                                                        {"''", '"'},
                                                        {"\u00a0", ' '},
                                                        {"\t", ' '}}};
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    bool replaced = false;
    for (const Spelling& s : kSpellings)
      if (text.substr(i).starts_with(s.From)) {
        out += s.To;
        i += s.From.size();
        replaced = true;
        break;
      }
    if (replaced) continue;
    out += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    ++i;
  }
  return out;
}

enum class AngleUnit { None, Hours, Degrees };

// A sexagesimal angle: up to three numbers (whole part, minutes, seconds)
// after an optional sign, each followed by its mark or parted from the next
// by blanks or a colon; only the last may have decimals, minutes and seconds
// stay below 60. The first number's mark ('h' or 'd') gives the unit.
struct Angle {
  double Value = 0.0;  // signed
  AngleUnit Unit = AngleUnit::None;
  bool Signed = false;  // a sign was written
};

std::optional<Angle> ParseAngle(std::string_view raw) {
  const std::string text = Plain(raw);
  std::size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < text.size() && text[i] == ' ') ++i;
  };
  skipBlanks();
  Angle angle;
  double sign = 1.0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    sign = text[i] == '-' ? -1.0 : 1.0;
    angle.Signed = true;
    ++i;
    skipBlanks();
  }
  static constexpr std::string_view kMarks[3] = {"hd", "m'", "s\""};
  double parts[3] = {0, 0, 0};
  int count = 0;
  bool fraction = false;
  while (i < text.size()) {
    if (count == 3 || fraction) return std::nullopt;
    // The number: digits with an optional decimal point or comma.
    const std::size_t start = i;
    double value = 0, scale = 0;
    int digits = 0;
    for (; i < text.size(); ++i) {
      const char c = text[i];
      if (std::isdigit(static_cast<unsigned char>(c))) {
        if (scale > 0) {
          value += (c - '0') * scale;
          scale /= 10;
        } else {
          value = value * 10 + (c - '0');
        }
        ++digits;
      } else if ((c == '.' || c == ',') && scale == 0) {
        scale = 0.1;
        fraction = true;
      } else {
        break;
      }
    }
    if (digits == 0 || digits > 12 || i == start) return std::nullopt;
    skipBlanks();
    if (i < text.size() && kMarks[count].find(text[i]) != std::string_view::npos) {
      if (count == 0) angle.Unit = text[i] == 'h' ? AngleUnit::Hours : AngleUnit::Degrees;
      ++i;
    } else if (i < text.size() && text[i] == ':') {
      ++i;
      if (i >= text.size()) return std::nullopt;
    }
    skipBlanks();
    if (count > 0 && value >= 60) return std::nullopt;
    parts[count++] = value;
  }
  if (count == 0) return std::nullopt;
  angle.Value = sign * (parts[0] + parts[1] / 60 + parts[2] / 3600);
  return angle;
}

// A value of [0, top], with top itself the same direction as 0.
std::optional<double> AroundTheCircle(double value, double top) {
  if (value < 0 || value > top) return std::nullopt;
  return value == top ? 0.0 : value;
}

// The degrees of a declination or an altitude, or of an azimuth (no sign).
std::optional<double> ParseDegrees(std::string_view text, double lowest, double highest) {
  const std::optional<Angle> a = ParseAngle(text);
  if (!a || a->Unit == AngleUnit::Hours || a->Value < lowest || a->Value > highest)
    return std::nullopt;
  return a->Value;
}

// The words of `text` parted by blanks.
std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

}  // namespace

std::optional<GotoFrame> GotoFrameNamed(std::string_view name) {
  const std::string plain = Plain(name);
  if (plain == "j2000") return GotoFrame::J2000;
  if (plain == "date") return GotoFrame::OfDate;
  if (plain == "altaz") return GotoFrame::Horizon;
  return std::nullopt;
}

std::optional<double> ParseRightAscension(std::string_view text) {
  const std::optional<Angle> a = ParseAngle(text);
  if (!a || a->Value < 0) return std::nullopt;
  if (a->Unit == AngleUnit::Degrees) {
    const std::optional<double> degrees = AroundTheCircle(a->Value, 360);
    if (!degrees) return std::nullopt;
    return *degrees / 15;
  }
  // Hours carry no sign.
  if (a->Signed) return std::nullopt;
  return AroundTheCircle(a->Value, 24);
}

std::optional<double> ParseDeclination(std::string_view text) {
  return ParseDegrees(text, -90, 90);
}

std::optional<double> ParseAzimuth(std::string_view text) {
  const std::optional<Angle> a = ParseAngle(text);
  if (!a || a->Signed || a->Unit == AngleUnit::Hours) return std::nullopt;
  return AroundTheCircle(a->Value, 360);
}

GotoEntry ReadGotoFields(GotoFrame frame, std::string_view first, std::string_view second) {
  const bool horizon = frame == GotoFrame::Horizon;
  const std::optional<double> a = horizon ? ParseDeclination(first) : ParseRightAscension(first);
  if (!a) return {horizon ? kAltitudeError : kRightAscensionError, GotoField::First};
  const std::optional<double> b = horizon ? ParseAzimuth(second) : ParseDeclination(second);
  if (!b) return {horizon ? kAzimuthError : kDeclinationError, GotoField::Second};
  return {{}, GotoField::None, *a, *b};
}

GotoEntry ReadGotoText(GotoFrame frame, std::string_view text) {
  for (std::size_t comma = text.find(','); comma != std::string_view::npos;
       comma = text.find(',', comma + 1))
    if (comma + 1 < text.size() && (text[comma + 1] == ' ' || text[comma + 1] == '\t'))
      return ReadGotoFields(frame, text.substr(0, comma), text.substr(comma + 1));
  const std::vector<std::string_view> words = Words(text);
  if (words.size() < 2) return {"two coordinates are needed, parted by a blank"};
  const auto join = [&](std::size_t from, std::size_t to) {
    return std::string_view(words[from].data(),
                            words[to - 1].data() + words[to - 1].size() - words[from].data());
  };
  std::vector<GotoEntry> readings;
  for (std::size_t k = 1; k < words.size(); ++k) {
    GotoEntry entry = ReadGotoFields(frame, join(0, k), join(k, words.size()));
    if (entry.Error.empty()) readings.push_back(std::move(entry));
  }
  if (readings.size() == 1) return readings.front();
  if (readings.empty()) {
    // The halves as even as the words allow say what is wrong.
    const std::size_t half = (words.size() + 1) / 2;
    return ReadGotoFields(frame, join(0, half), join(half, words.size()));
  }
  return {"the coordinates read more than one way: put a comma and a blank between them"};
}

GotoPlace GotoPlaceOf(const CSkyDoc& doc, GotoFrame frame, const GotoEntry& entry) {
  const astro::AstroState& state = doc.Sky.AstroState;
  astro::EquatorialCoord j2000{entry.First, entry.Second};
  if (frame == GotoFrame::OfDate) {
    j2000 = astro::PrecessToJ2000(state.Precession, entry.First, entry.Second);
  } else if (frame == GotoFrame::Horizon) {
    // The altitude typed is the one the view shows.
    const double altitude = doc.Refracting() ? astro::GeometricAltitude(entry.First) : entry.First;
    j2000 = state.SkyAt(astro::SouthEastFromNorthEast(entry.Second), altitude);
  }
  const astro::EquatorialCoord ofDate = state.ToDate(j2000.RightAscension, j2000.Declination);
  const astro::HorizontalCoord h = state.HorizonOf(j2000.RightAscension, j2000.Declination);
  return {j2000.RightAscension, j2000.Declination, ofDate.RightAscension,
          ofDate.Declination,   h.Altitude,        astro::NorthEastFromSouthWest(h.Azimuth)};
}

std::string GotoPlaceJson(const GotoPlace& place) {
  return astro::JsonObject()
      .AddNumber("raJ2000", place.RaJ2000)
      .AddNumber("decJ2000", place.DecJ2000)
      .AddNumber("raDate", place.RaDate)
      .AddNumber("decDate", place.DecDate)
      .AddNumber("altitudeDeg", place.AltitudeDeg)
      .AddNumber("azimuthDeg", place.AzimuthDeg)
      .Text();
}

}  // namespace sky
