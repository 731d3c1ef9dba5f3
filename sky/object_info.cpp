#include "sky/object_info.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

#include "astro/angles.h"
#include "astro/clock.h"
#include "astro/format.h"
#include "astro/json.h"
#include "astro/moon_phase.h"
#include "catalog/builtin_tables.h"
#include "catalog/designation.h"
#include "res/strings.h"
#include "res/translatable.h"
#include "sky/deep_catalogues.h"
#include "sky/sky_doc.h"

namespace sky {
namespace {

constexpr const char* kDegree = "\xC2\xB0";

std::string Whole(double x) { return std::to_string(static_cast<long long>(x)); }

// Flamsteed and Bayer texts of a star, each followed by its constellation:
// " 20Eps Sgr" -> "20 Sgr", "Epsilon Sgr"; "   Alp1Cen" -> "", "Alpha1 Cen".
void DesignationTexts(const StarRecord& star, std::string& flamsteed, std::string& bayer) {
  const catalog::Designation d = catalog::DecodeDesignation(star.Designation);
  std::string rest;
  for (int i = 6; i < 10; ++i) rest += star.Designation[i] == '\0' ? ' ' : star.Designation[i];
  if (std::isdigit(static_cast<unsigned char>(rest[0]))) rest[0] = ' ';  // in Bayer already
  flamsteed = d.Flamsteed.empty() ? std::string() : d.Flamsteed + rest;
  bayer = d.Bayer.empty() ? std::string() : d.Bayer + rest;
}

// --- JSON -------------------------------------------------------------------

std::string Trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

// A card's fields: its texts without the blanks that pad numbers.
class CardFields {
 public:
  CardFields& Add(const char* key, std::string_view value) {
    json_.AddString(key, Trimmed(value));
    return *this;
  }
  CardFields& Add(const char* key, double value) {
    json_.AddNumber(key, value);
    return *this;
  }
  CardFields& Add(const char* key, const AngleTexts& a) {
    std::string joined = Trimmed(a.Whole) + " " + Trimmed(a.Minutes);
    if (!a.Seconds.empty()) joined += " " + Trimmed(a.Seconds);
    return Add(key, joined);
  }
  std::string Text() const { return json_.Text(); }

 private:
  astro::JsonObject json_;
};

}  // namespace

AngleTexts RightAscensionTexts(double hours, bool withSeconds) {
  const astro::AngleParts p = astro::SplitAngle(hours);
  AngleTexts t{Whole(p.Whole) + "h", Whole(p.Minutes) + "'", {}};
  if (withSeconds) t.Seconds = astro::FormatFixed(p.Seconds, 1) + "\"";
  return t;
}

AngleTexts DeclinationTexts(double degrees, bool withSeconds) {
  // The catalogues hold places as floats, good to about 0.005": a place of
  // 42' 58" stored as 42' 57.9996" still reads 58" when truncated.
  constexpr double kFloatPlace = 0.005 / 3600;
  const astro::AngleParts p = astro::SplitAngle(degrees + std::copysign(kFloatPlace, degrees));
  // The whole part of an angle in (-1, 0) is -0, which would read 0.
  const std::string sign = degrees < 0 && degrees > -1 ? "-" : "";
  AngleTexts t{sign + Whole(p.Whole) + kDegree, Whole(p.Minutes) + "'", {}};
  if (withSeconds) t.Seconds = Whole(p.Seconds) + "\"";
  return t;
}

std::string HorizonAngleText(double degrees) { return astro::FormatFixed(degrees, 2) + kDegree; }

std::optional<std::string> FindPicture(const std::filesystem::path& imagesDirectory,
                                       std::string_view baseName) {
  const auto upper = [](std::string_view s) {
    std::string u(s);
    for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
  };
  const std::string prefix = upper(baseName) + ".";
  std::vector<std::string> matches;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(imagesDirectory, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() > prefix.size() && upper(name).compare(0, prefix.size(), prefix) == 0 &&
        it->is_regular_file(ec))
      matches.push_back(name);
  }
  if (matches.empty()) return std::nullopt;
  return *std::min_element(matches.begin(), matches.end());
}

namespace {

// The texts of a place: with seconds or without (the deep-sky cards).
void PlaceTexts(const PlaceFacts& p, bool withSeconds, AngleTexts& ra, AngleTexts& dec,
                AngleTexts& raDate, AngleTexts& decDate, std::string& altitude,
                std::string& azimuth) {
  ra = RightAscensionTexts(p.RaJ2000, withSeconds);
  dec = DeclinationTexts(p.DecJ2000, withSeconds);
  raDate = RightAscensionTexts(p.RaDate, withSeconds);
  decDate = DeclinationTexts(p.DecDate, withSeconds);
  altitude = HorizonAngleText(p.ShownAltitudeDeg);
  azimuth = HorizonAngleText(p.AzimuthDeg);
}

RiseSetTexts NextEventsTexts(const NextEvents& n) {
  return RiseSetTextsOf(n.Events, n.Clock, n.Refraction, n.Day);
}

std::string MillionKmText(double km) {
  return astro::FormatFixed(km * 0.000001, 1) + std::string(res::String(res::IDS_MILLION_KM));
}

std::string DeepSkyTypeText(const DeepSkyFacts& f) {
  // The types only the NGC/IC file has.
  static constexpr std::pair<std::string_view, std::string_view> kMoreTypes[] = {
      {"STAR", STELLIX_TEXT("sky", "Star")},
      {"GALCL", STELLIX_TEXT("sky", "Galaxy cluster")},
      {"OTHER", STELLIX_TEXT("sky", "Other")}};
  for (const auto& [code, text] : kMoreTypes)
    if (f.TypeCode == code) return std::string(text);
  for (const catalog::DeepSkyTypeCode& code : catalog::kDeepSkyTypeCodes)
    if (f.Type == code.Type) return std::string(res::String(code.NameStringId));
  return {};
}

}  // namespace

StarCard CardOf(const StarFacts& f) {
  StarCard card;
  card.Hr = std::to_string(f.Star.HR);
  DesignationTexts(f.Star, card.Flamsteed, card.Bayer);
  card.Name = f.ProperName;
  card.Caption = std::string(kStarCardCaption) + " HR " + card.Hr;
  const std::string& known = !card.Name.empty()    ? card.Name
                             : !card.Bayer.empty() ? card.Bayer
                                                   : card.Flamsteed;
  if (!known.empty()) card.Caption += " (" + known + ")";
  PlaceTexts(f.Place, true, card.Ra, card.Dec, card.RaDate, card.DecDate, card.Altitude,
             card.Azimuth);
  card.Numbers = f.Place;
  card.Magnitude = astro::FormatFixed(f.Star.Magnitude, 2);
  if (f.Star.SpectralClass != '\0') card.Spectrum = std::string(1, f.Star.SpectralClass);
  card.RiseSet = NextEventsTexts(f.Next);
  return card;
}

FaintStarCard CardOf(const FaintStarFacts& f) {
  FaintStarCard card;
  if (f.Star.Hip != 0) card.Hip = std::to_string(f.Star.Hip);
  card.Name = FaintStarDesignation(f.Star);
  card.Caption = std::string(kStarCardCaption) + " " + card.Name;
  PlaceTexts(f.Place, true, card.Ra, card.Dec, card.RaDate, card.DecDate, card.Altitude,
             card.Azimuth);
  card.Numbers = f.Place;
  card.Magnitude = astro::FormatFixed(f.Star.Magnitude, 2);
  if (f.Star.ColourIndex != catalog::kUnknownColourIndex)
    card.ColourIndex = astro::FormatFixed(f.Star.ColourIndex, 2);
  card.Spectrum = f.SpectralType;
  card.RiseSet = NextEventsTexts(f.Next);
  return card;
}

BodyCard CardOf(const BodyFacts& f) {
  BodyCard card;
  card.Caption = std::string(res::String(res::IDS_BODY_NAME_FIRST + astro::Index(f.Body)));
  PlaceTexts(f.Place, true, card.Ra, card.Dec, card.RaDate, card.DecDate, card.Altitude,
             card.Azimuth);
  card.Numbers = f.Place;
  // The Moon's distance in km, the others' in million km; the Moon's size
  // and the Sun's in arc minutes, the planets' in arc seconds.
  const bool planet = astro::IsPlanet(f.Body);
  card.DistanceEarth = f.Body == astro::Body::Moon
                           ? astro::FormatFixed(f.DistanceEarthKm, 1) + " km"
                           : MillionKmText(f.DistanceEarthKm);
  if (f.DistanceSunKm) card.DistanceSun = MillionKmText(*f.DistanceSunKm);
  if (f.Illuminated) card.Illuminated = astro::FormatFixed(*f.Illuminated, 2);
  // The Sun's is a round figure.
  card.Magnitude = astro::FormatFixed(f.Magnitude, f.Body == astro::Body::Sun ? 1 : 2);
  card.Size = planet ? astro::FormatFixed(f.SizeArcsec, 2) + "\""
                     : astro::FormatFixed(f.SizeArcsec / 60.0, 2) + "'";
  card.RiseSet = NextEventsTexts(f.Next);
  if (f.SunTwilights) {
    const Twilights& t = *f.SunTwilights;
    card.Civil = TwilightTextsOf(t.Civil, t.Clock);
    card.Nautical = TwilightTextsOf(t.Nautical, t.Clock);
    card.Astronomical = TwilightTextsOf(t.Astronomical, t.Clock);
  }
  if (f.MoonElongation) card.Phase = astro::MoonPhaseName(*f.MoonElongation);
  if (f.MoonAgeDays) card.Age = Trimmed(astro::FormatFixed(*f.MoonAgeDays, 1)) + " days";
  if (f.CentralMeridianII)
    card.CentralMeridian = Trimmed(astro::FormatFixed(*f.CentralMeridianII, 1)) + kDegree;
  return card;
}

DeepSkyCard CardOf(const DeepSkyFacts& f) {
  DeepSkyCard card;
  card.Number = f.Number;
  card.Caption = std::string(kDeepSkyCardCaption) + " " + card.Number;
  card.PictureName = f.PictureName;
  card.Name = f.Name;
  if (f.Caldwell) card.Caldwell = "Caldwell " + std::to_string(*f.Caldwell);
  PlaceTexts(f.Place, false, card.Ra, card.Dec, card.RaDate, card.DecDate, card.Altitude,
             card.Azimuth);
  card.Numbers = f.Place;
  card.Magnitude = f.Magnitude ? astro::FormatFixed(*f.Magnitude, 1)
                               : std::string(STELLIX_TEXT("sky", "unknown"));
  card.Type = DeepSkyTypeText(f);
  card.RiseSet = NextEventsTexts(f.Next);
  return card;
}

SmallBodyCard CardOf(const SmallBodyFacts& f) {
  SmallBodyCard card;
  card.Facts = f;
  card.Kind = f.Comet ? "comet" : "asteroid";
  card.Caption =
      res::Format(f.Comet ? res::IDS_COMET_CAPTION : res::IDS_MINOR_PLANET_CAPTION, {f.Name});
  card.Name = f.Name;
  card.Designation = f.Designation;
  PlaceTexts(f.Place, true, card.Ra, card.Dec, card.RaDate, card.DecDate, card.Altitude,
             card.Azimuth);
  card.Numbers = f.Place;
  constexpr double kKmPerAu = 149.6e6;  // the cards' round figure
  card.DistanceEarth = MillionKmText(f.DistanceEarthAu * kKmPerAu);
  card.DistanceSun = MillionKmText(f.DistanceSunAu * kKmPerAu);
  card.Elongation = HorizonAngleText(f.ElongationDeg);
  card.Magnitude = f.Magnitude ? astro::FormatFixed(*f.Magnitude, 1) : std::string("unknown");
  const std::string au(res::String(res::IDS_AU));
  card.PerihelionDistance = astro::FormatFixed(f.PerihelionDistance, 4) + au;
  if (f.SemiMajorAxis) card.SemiMajorAxis = astro::FormatFixed(*f.SemiMajorAxis, 4) + au;
  card.Eccentricity = astro::FormatFixed(f.Eccentricity, 5);
  card.Inclination = HorizonAngleText(f.Inclination);
  if (f.PeriodYears)
    card.Period = res::Format(res::IDS_PERIOD_YEARS, {astro::FormatFixed(*f.PeriodYears, 2)});
  const astro::CivilTime epoch = astro::CivilOfSeconds(SecondsOfJulianDay(f.EpochJulianDay));
  char date[16];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", epoch.Year, epoch.Month, epoch.Day);
  card.Epoch = date;
  if (f.FarFromEpoch) card.EpochWarning = res::Format(res::IDS_ELEMENTS_OLD, {card.Epoch});
  card.RiseSet = NextEventsTexts(f.Next);
  return card;
}

StarCard StarCardOf(const CSkyDoc& doc, int index) { return CardOf(StarFactsOf(doc, index)); }
BodyCard BodyCardOf(const CSkyDoc& doc, int index) { return CardOf(BodyFactsOf(doc, index)); }
DeepSkyCard DeepSkyCardOf(const CSkyDoc& doc, int index) {
  return CardOf(DeepSkyFactsOf(doc, index));
}
FaintStarCard FaintStarCardOf(const CSkyDoc& doc, int index) {
  return CardOf(FaintStarFactsOf(doc, index));
}
DeepSkyCard NgcIcCardOf(const CSkyDoc& doc, int index) { return CardOf(NgcIcFactsOf(doc, index)); }
SmallBodyCard SmallBodyCardOf(const CSkyDoc& doc, int index) {
  return CardOf(SmallBodyFactsOf(doc, index));
}

namespace {

const std::string& Either(const std::string& iso, const std::string& text) {
  return iso.empty() ? text : iso;
}

// The fields every card has, first and in this order.
template <typename Card>
CardFields CommonFields(std::string_view kind, std::string_view caption, const Card& card) {
  CardFields json;
  json.Add("kind", kind)
      .Add("caption", caption)
      .Add("ra", card.Ra)
      .Add("dec", card.Dec)
      .Add("altitude", card.Altitude)
      .Add("azimuth", card.Azimuth)
      .Add("magnitude", card.Magnitude)
      .Add("raJ2000", card.Numbers.RaJ2000)
      .Add("decJ2000", card.Numbers.DecJ2000)
      .Add("raDate", card.Numbers.RaDate)
      .Add("decDate", card.Numbers.DecDate)
      .Add("altitudeDeg", card.Numbers.AltitudeDeg)
      .Add("azimuthDeg", card.Numbers.AzimuthDeg)
      .Add("apparentAltitudeDeg", card.Numbers.ApparentAltitudeDeg)
      .Add("rise", Either(card.RiseSet.RiseIso, card.RiseSet.Rise))
      .Add("transit", Either(card.RiseSet.TransitIso, card.RiseSet.Transit))
      .Add("set", Either(card.RiseSet.SetIso, card.RiseSet.Set))
      .Add("transitAltitude", card.RiseSet.TransitAltitude);
  return json;
}

}  // namespace

std::string CardJson(const StarCard& card) {
  return CommonFields("star", card.Caption, card)
      .Add("hr", card.Hr)
      .Add("name", card.Name)
      .Add("bayer", card.Bayer)
      .Add("flamsteed", card.Flamsteed)
      .Add("spectrum", card.Spectrum)
      .Text();
}

std::string CardJson(const BodyCard& card) {
  CardFields json = CommonFields("body", card.Caption, card);
  json.Add("distanceEarth", card.DistanceEarth)
      .Add("distanceSun", card.DistanceSun)
      .Add("illuminated", card.Illuminated)
      .Add("size", card.Size);
  if (!card.Civil.Span.empty())
    json.Add("civilDawn", card.Civil.BeginIso)
        .Add("civilDusk", card.Civil.EndIso)
        .Add("nauticalDawn", card.Nautical.BeginIso)
        .Add("nauticalDusk", card.Nautical.EndIso)
        .Add("astronomicalDawn", card.Astronomical.BeginIso)
        .Add("astronomicalDusk", card.Astronomical.EndIso);
  if (!card.Phase.empty()) json.Add("phase", card.Phase).Add("age", card.Age);
  if (!card.CentralMeridian.empty()) json.Add("centralMeridianII", card.CentralMeridian);
  return json.Text();
}

std::string CardJson(const DeepSkyCard& card) {
  return CommonFields("deepsky", card.Caption, card)
      .Add("number", card.Number)
      .Add("name", card.Name)
      .Add("caldwell", card.Caldwell)
      .Add("type", card.Type)
      .Text();
}

std::string CardJson(const FaintStarCard& card) {
  return CommonFields("star", card.Caption, card)
      .Add("hip", card.Hip)
      .Add("name", card.Name)
      .Add("colourIndex", card.ColourIndex)
      .Add("spectrum", card.Spectrum)
      .Text();
}

std::string CardJson(const SmallBodyCard& card) {
  const SmallBodyFacts& f = card.Facts;
  CardFields json = CommonFields(card.Kind, card.Caption, card);
  json.Add("name", card.Name)
      .Add("designation", card.Designation)
      .Add("distanceEarth", card.DistanceEarth)
      .Add("distanceSun", card.DistanceSun)
      .Add("elongation", card.Elongation)
      .Add("distanceEarthAu", f.DistanceEarthAu)
      .Add("distanceSunAu", f.DistanceSunAu)
      .Add("elongationDeg", f.ElongationDeg);
  if (f.Magnitude) json.Add("magnitudeValue", *f.Magnitude);
  json.Add("q", f.PerihelionDistance);
  if (f.SemiMajorAxis) json.Add("a", *f.SemiMajorAxis);
  json.Add("e", f.Eccentricity).Add("i", f.Inclination);
  if (f.PeriodYears) json.Add("periodYears", *f.PeriodYears);
  return json.Add("epoch", card.Epoch)
      .Add("epochJulianDay", f.EpochJulianDay)
      .Add("epochWarning", card.EpochWarning)
      .Text();
}

MoonCard CardOf(const MoonFacts& f) {
  MoonCard card;
  BodyCard& body = card.Body;
  body.Caption = std::string(res::String(res::IDS_MOON_NAME_FIRST + f.Moon));
  PlaceTexts(f.Place, true, body.Ra, body.Dec, body.RaDate, body.DecDate, body.Altitude,
             body.Azimuth);
  body.Numbers = f.Place;
  body.DistanceEarth = MillionKmText(f.DistanceEarthKm);
  body.DistanceSun = MillionKmText(f.DistanceSunKm);
  body.Illuminated = astro::FormatFixed(f.Illuminated, 2);
  body.Magnitude = astro::FormatFixed(f.Magnitude, 2);
  body.Size = astro::FormatFixed(f.SizeArcsec, 2) + "\"";
  body.RiseSet = NextEventsTexts(f.Next);
  card.Planet = std::string(res::String(res::IDS_BODY_NAME_FIRST + f.Planet));
  card.OffsetEast = f.OffsetEast;
  card.OffsetNorth = f.OffsetNorth;
  card.SeparationArcsec = f.SeparationArcsec;
  card.PositionAngleDeg = f.PositionAngleDeg;
  card.Separation = astro::FormatFixed(f.SeparationArcsec, 1) + "\"";
  card.PositionAngle = astro::FormatFixed(f.PositionAngleDeg, 1) + kDegree;
  return card;
}

MoonCard MoonCardOf(const CSkyDoc& doc, int moon) { return CardOf(MoonFactsOf(doc, moon)); }

std::string CardJson(const MoonCard& card) {
  const BodyCard& body = card.Body;
  return CommonFields("moon", body.Caption, body)
      .Add("distanceEarth", body.DistanceEarth)
      .Add("distanceSun", body.DistanceSun)
      .Add("illuminated", body.Illuminated)
      .Add("size", body.Size)
      .Add("planet", card.Planet)
      .Add("offsetEast", card.OffsetEast)
      .Add("offsetNorth", card.OffsetNorth)
      .Add("separation", card.Separation)
      .Add("positionAngle", card.PositionAngle)
      .Add("separationArcsec", card.SeparationArcsec)
      .Add("positionAngleDeg", card.PositionAngleDeg)
      .Text();
}

}  // namespace sky
