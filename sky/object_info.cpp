#include "sky/object_info.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string_view>
#include <utility>
#include <vector>

#include "astro/angles.h"
#include "astro/format.h"
#include "astro/json.h"
#include "astro/moon_phase.h"
#include "astro/refraction.h"
#include "astro/star_place.h"
#include "catalog/builtin_tables.h"
#include "catalog/designation.h"
#include "res/strings.h"
#include "sky/sky_doc.h"

namespace sky {
namespace {

constexpr double kRadToDeg = 57.29577951308232;
constexpr double kKmPerMillionAu = 149.6;  // million km in one AU
constexpr const char* kDegree = "\xC2\xB0";

std::string Whole(double x) { return std::to_string(static_cast<long long>(x)); }

std::string FixedText(const char* text, std::size_t size) {
  std::string_view s(text, size);
  s = s.substr(0, s.find('\0'));
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

// The card's altitude and azimuth texts of a J2000 place.
void HorizonTexts(const CSkyDoc& doc, double ra, double dec, std::string& altitude,
                  std::string& azimuth) {
  const astro::HorizontalCoord h = doc.HorizontalOf(ra, dec);
  altitude = HorizonAngleText(h.Altitude);
  azimuth = HorizonAngleText(astro::Normalize360(h.Azimuth + 180.0));
}

// The numbers of a place drawn at (ra, dec) in the J2000 frame of the sky,
// whose J2000 (astrometric) place is (raJ2000, decJ2000).
PlaceNumbers PlaceNumbersOf(const CSkyDoc& doc, double ra, double dec, double raJ2000,
                            double decJ2000) {
  const astro::EquatorialCoord ofDate = doc.Sky.AstroState.ToDate(ra, dec);
  const astro::HorizontalCoord h = doc.Sky.AstroState.HorizonOf(ra, dec);
  return {raJ2000,
          decJ2000,
          ofDate.RightAscension,
          ofDate.Declination,
          h.Altitude,
          astro::Normalize360(h.Azimuth + 180.0),
          astro::ApparentAltitude(h.Altitude)};
}

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

// A planet's magnitude and angular size (arc seconds) at phase angle i
// (degrees), with L = 5 log10(delta r); bodies 2 Mercury ... 9 Pluto.
void PlanetMagnitudeAndSize(int body, double i, double L, double delta, double& magnitude,
                            double& size) {
  switch (body) {
    case 2:
      magnitude = L - 0.42 + 0.038 * i - 0.000273 * i * i + 0.000002 * i * i * i;
      size = 6.72 / delta;
      break;
    case 3:
      magnitude = L - 4.4 + 0.0009 * i + 0.000239 * i * i - 0.00000065 * i * i * i;
      size = 17.68 / delta;
      break;
    case 4:
      magnitude = L - 1.52 + 0.016 * i;
      size = 9.36 / delta;
      break;
    case 5:
      magnitude = L - 9.4 + 0.005 * i;
      size = 196.88 / delta;
      break;
    case 6:
      magnitude = L - 8.88;
      size = 165.46 / delta;
      break;
    case 7:
      magnitude = L - 7.19;
      size = 70.04 / delta;
      break;
    case 8:
      magnitude = L - 6.87;
      size = 67.0 / delta;
      break;
    default:
      magnitude = L - 1.0;
      size = 4.14 / delta;
      break;
  }
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

double MoonMagnitude(double f) {
  static constexpr double kMagnitudes[] = {0.0,   -7.7,  -8.8,  -9.5,  -10.0, -10.3,
                                           -10.6, -10.8, -11.0, -11.2, -11.7};
  if (f == 1.0) return -11.7;
  const double tenths = std::clamp(f, 0.0, 1.0) * 10.0;
  const int j = std::min(static_cast<int>(tenths), 9);
  const double u = tenths - j;
  return kMagnitudes[j] + u * (kMagnitudes[j + 1] - kMagnitudes[j]);
}

PlanetFigures PlanetFiguresOf(const CSkyDoc& doc, int body) {
  const astro::PlanetState& p = doc.Sky.Bodies[body];
  const double c =
      PhaseCosine(p.GeoDistance, p.HelioDistance, doc.Sky.Bodies[astro::kSun].GeoDistance);
  PlanetFigures f;
  PlanetMagnitudeAndSize(body, std::acos(c) * kRadToDeg,
                         5.0 * std::log10(p.GeoDistance * p.HelioDistance), p.GeoDistance,
                         f.Magnitude, f.Size);
  return f;
}

double PhaseCosine(double delta, double r, double sunDistance) {
  const double c = (delta * delta + r * r - sunDistance * sunDistance) / (2.0 * delta * r);
  return std::isnan(c) ? 1.0 : std::clamp(c, -1.0, 1.0);
}

StarCard StarCardOf(const CSkyDoc& doc, int index) {
  const StarRecord& star = doc.Sky.Stars[index];
  StarCard card;
  card.Hr = std::to_string(star.HR);
  DesignationTexts(star, card.Flamsteed, card.Bayer);
  for (const StarNameRecord& name : doc.Sky.ProperNames) {
    if (name.HR == star.HR) {
      card.Name = FixedText(name.Name, sizeof name.Name);
      break;
    }
  }
  card.Caption = std::string(kStarCardCaption) + " HR " + card.Hr;
  const std::string& known = !card.Name.empty()    ? card.Name
                             : !card.Bayer.empty() ? card.Bayer
                                                   : card.Flamsteed;
  if (!known.empty()) card.Caption += " (" + known + ")";
  // The star drawn where the instant's light shows it; the J2000 place is
  // where the star is at the instant (its proper motion and parallax).
  const astro::EquatorialCoord astrometric =
      doc.Sky.CatalogueMotion
          .StarAt(index, doc.Sky.AstroState.TerrestrialDay, doc.Sky.AstroState.Earth)
          .Astrometric;
  card.Ra = RightAscensionTexts(astrometric.RightAscension, true);
  card.Dec = DeclinationTexts(astrometric.Declination, true);
  HorizonTexts(doc, star.RightAscension, star.Declination, card.Altitude, card.Azimuth);
  card.Numbers = PlaceNumbersOf(doc, star.RightAscension, star.Declination,
                                astrometric.RightAscension, astrometric.Declination);
  card.RaDate = RightAscensionTexts(card.Numbers.RaDate, true);
  card.DecDate = DeclinationTexts(card.Numbers.DecDate, true);
  card.Magnitude = astro::FormatFixed(star.Magnitude, 2);
  if (star.SpectralClass != '\0') card.Spectrum = std::string(1, star.SpectralClass);
  const Observer o = NextEventsObserverOf(doc);
  card.RiseSet = RiseSetTextsOf(FixedDayEvents(o, star.RightAscension, star.Declination), o.Clock,
                                o.Refraction, doc.Sky.DocumentTime);
  return card;
}

BodyCard BodyCardOf(const CSkyDoc& doc, int index) {
  const astro::PlanetState& body = doc.Sky.Bodies[index];
  const double sunDistance = doc.Sky.Bodies[astro::kSun].GeoDistance;  // AU
  const std::string millionKm(res::String(res::IDS_MILLION_KM));
  BodyCard card;
  card.Caption = std::string(res::String(res::IDS_BODY_NAME_FIRST + index));
  card.Ra = RightAscensionTexts(body.RaJ2000, true);
  card.Dec = DeclinationTexts(body.DecJ2000, true);
  card.Numbers =
      PlaceNumbersOf(doc, body.RightAscension, body.Declination, body.RaJ2000, body.DecJ2000);
  card.RaDate = RightAscensionTexts(card.Numbers.RaDate, true);
  card.DecDate = DeclinationTexts(card.Numbers.DecDate, true);
  const astro::HorizontalCoord h = doc.HorizontalOf(body.RightAscension, body.Declination);
  card.Altitude = HorizonAngleText(h.Altitude);
  card.Azimuth = HorizonAngleText(astro::Normalize360(h.Azimuth + 180.0));

  if (index == astro::kMoon) {
    const double delta = body.GeoDistance;  // km
    const double c = std::clamp(body.HelioDistance, -1.0, 1.0);
    const double f = (1.0 + c) / 2.0;
    card.DistanceEarth = astro::FormatFixed(delta, 1) + " km";
    card.DistanceSun =
        astro::FormatFixed((sunDistance * 149600000.0 + delta * c) * 0.000001, 1) + millionKm;
    card.Illuminated = astro::FormatFixed(f, 2);
    card.Magnitude = astro::FormatFixed(MoonMagnitude(f), 2);
    const double size =
        (1.0 + std::sin(h.Altitude / kRadToDeg) * 6378.14 / delta) * 716946800.0 / delta / 60.0;
    card.Size = astro::FormatFixed(size, 2) + "'";
  } else if (index == astro::kSun) {
    card.DistanceEarth = astro::FormatFixed(sunDistance * kKmPerMillionAu, 1) + millionKm;
    card.Magnitude = "-26.7";
    card.Size = astro::FormatFixed(1919.26 / sunDistance / 60.0, 2) + "'";
  } else {
    const double delta = body.GeoDistance, r = body.HelioDistance;
    const double c = PhaseCosine(delta, r, sunDistance);
    const PlanetFigures figures = PlanetFiguresOf(doc, index);
    const double magnitude = figures.Magnitude, size = figures.Size;
    card.DistanceEarth = astro::FormatFixed(delta * kKmPerMillionAu, 1) + millionKm;
    card.DistanceSun = astro::FormatFixed(r * kKmPerMillionAu, 1) + millionKm;
    card.Illuminated = astro::FormatFixed((1.0 + c) / 2.0, 2);
    card.Magnitude = astro::FormatFixed(magnitude, 2);
    card.Size = astro::FormatFixed(size, 2) + "\"";
  }
  const Observer o = NextEventsObserverOf(doc);
  card.RiseSet =
      RiseSetTextsOf(BodyDayEvents(o, index), o.Clock, o.Refraction, doc.Sky.DocumentTime);
  if (index == astro::kSun) {
    // The twilights of the date shown, dawn to dusk.
    const Observer day = ObserverOf(doc);
    card.Civil = TwilightTextsOf(TwilightDayEvents(day, astro::kCivilTwilight), day.Clock);
    card.Nautical = TwilightTextsOf(TwilightDayEvents(day, astro::kNauticalTwilight), day.Clock);
    card.Astronomical =
        TwilightTextsOf(TwilightDayEvents(day, astro::kAstronomicalTwilight), day.Clock);
  } else if (index == astro::kMoon) {
    const double jd = doc.Sky.AstroState.JulianDay;
    card.Phase = astro::MoonPhaseName(astro::MoonElongation(jd));
    card.Age = Trimmed(astro::FormatFixed(astro::MoonAge(jd), 1)) + " days";
  }
  return card;
}

DeepSkyCard DeepSkyCardOf(const CSkyDoc& doc, int index) {
  const DeepSkyRecord& object = doc.Sky.DeepSkyObjects[index];
  const bool messier = catalog::IsMessierIndex(index);
  DeepSkyCard card;
  card.Number = (messier ? "M " : "NGC ") + std::to_string(object.Number);
  card.Caption = std::string(kDeepSkyCardCaption) + " " + card.Number;
  card.PictureName = (messier ? "M" : "NGC") + std::to_string(object.Number);
  card.Name = FixedText(object.Name, sizeof object.Name);
  if (card.Name == "*") card.Name.clear();
  card.Ra = RightAscensionTexts(object.RightAscension, false);
  card.Dec = DeclinationTexts(object.Declination, false);
  HorizonTexts(doc, object.RightAscension, object.Declination, card.Altitude, card.Azimuth);
  card.Numbers = PlaceNumbersOf(doc, object.RightAscension, object.Declination,
                                object.RightAscension, object.Declination);
  card.RaDate = RightAscensionTexts(card.Numbers.RaDate, false);
  card.DecDate = DeclinationTexts(card.Numbers.DecDate, false);
  card.Magnitude = astro::FormatFixed(object.Magnitude, 1);
  for (const catalog::DeepSkyTypeCode& code : catalog::kDeepSkyTypeCodes)
    if (catalog::DeepSkyTypeOf(object.Type) == code.Type)
      card.Type = std::string(res::String(code.NameStringId));
  const Observer o = NextEventsObserverOf(doc);
  card.RiseSet = RiseSetTextsOf(FixedDayEvents(o, object.RightAscension, object.Declination),
                                o.Clock, o.Refraction, doc.Sky.DocumentTime);
  return card;
}

FaintStarCard FaintStarCardOf(const CSkyDoc& doc, int index) {
  const catalog::FaintStarRecord& star = doc.Catalogues.DeepCatalogues.FaintStars().Records[index];
  FaintStarCard card;
  if (star.Hip != 0) card.Hip = std::to_string(star.Hip);
  card.Name = FaintStarDesignation(star);
  card.Caption = std::string(kStarCardCaption) + " " + card.Name;
  const astro::StarDirection at =
      astro::StarPlaceAt({star.RightAscension, star.Declination},
                         {star.ProperMotionRa, star.ProperMotionDec, star.Parallax},
                         doc.Sky.AstroState.TerrestrialDay, doc.Sky.AstroState.Earth);
  const astro::EquatorialCoord& shown = at.Aberrated;
  card.Ra = RightAscensionTexts(at.Astrometric.RightAscension, true);
  card.Dec = DeclinationTexts(at.Astrometric.Declination, true);
  HorizonTexts(doc, shown.RightAscension, shown.Declination, card.Altitude, card.Azimuth);
  card.Numbers = PlaceNumbersOf(doc, shown.RightAscension, shown.Declination,
                                at.Astrometric.RightAscension, at.Astrometric.Declination);
  card.RaDate = RightAscensionTexts(card.Numbers.RaDate, true);
  card.DecDate = DeclinationTexts(card.Numbers.DecDate, true);
  card.Magnitude = astro::FormatFixed(star.Magnitude, 2);
  if (star.ColourIndex != catalog::kUnknownColourIndex)
    card.ColourIndex = astro::FormatFixed(star.ColourIndex, 2);
  card.Spectrum = FixedText(star.SpectralType, sizeof star.SpectralType);
  const Observer o = NextEventsObserverOf(doc);
  card.RiseSet = RiseSetTextsOf(FixedDayEvents(o, shown.RightAscension, shown.Declination), o.Clock,
                                o.Refraction, doc.Sky.DocumentTime);
  return card;
}

DeepSkyCard NgcIcCardOf(const CSkyDoc& doc, int index) {
  const catalog::NgcIcRecord& object = doc.Catalogues.DeepCatalogues.NgcIc().Records[index];
  DeepSkyCard card;
  card.Number = NgcIcDesignation(object);
  card.Caption = std::string(kDeepSkyCardCaption) + " " + card.Number;
  card.PictureName = card.Number;
  std::erase(card.PictureName, ' ');
  card.Name = FixedText(object.Name, sizeof object.Name);
  const astro::EquatorialCoord shown =
      astro::StarPlaceAt({object.RightAscension, object.Declination}, {},
                         doc.Sky.AstroState.TerrestrialDay, doc.Sky.AstroState.Earth)
          .Aberrated;
  card.Ra = RightAscensionTexts(object.RightAscension, false);
  card.Dec = DeclinationTexts(object.Declination, false);
  HorizonTexts(doc, shown.RightAscension, shown.Declination, card.Altitude, card.Azimuth);
  card.Numbers = PlaceNumbersOf(doc, shown.RightAscension, shown.Declination, object.RightAscension,
                                object.Declination);
  card.RaDate = RightAscensionTexts(card.Numbers.RaDate, false);
  card.DecDate = DeclinationTexts(card.Numbers.DecDate, false);
  card.Magnitude = object.Magnitude == catalog::kUnusableMagnitude
                       ? std::string("unknown")
                       : astro::FormatFixed(object.Magnitude, 1);
  for (const catalog::DeepSkyTypeCode& code : catalog::kDeepSkyTypeCodes)
    if (catalog::DeepSkyTypeOf(object.Type) == code.Type)
      card.Type = std::string(res::String(code.NameStringId));
  // The types only the NGC/IC file has.
  static constexpr std::pair<std::string_view, std::string_view> kMoreTypes[] = {
      {"STAR", "Star"}, {"GALCL", "Galaxy cluster"}, {"OTHER", "Other"}};
  for (const auto& [code, text] : kMoreTypes)
    if (FixedText(object.Type, sizeof object.Type) == code) card.Type = std::string(text);
  const Observer o = NextEventsObserverOf(doc);
  card.RiseSet = RiseSetTextsOf(FixedDayEvents(o, shown.RightAscension, shown.Declination), o.Clock,
                                o.Refraction, doc.Sky.DocumentTime);
  return card;
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
  return json.Text();
}

std::string CardJson(const DeepSkyCard& card) {
  return CommonFields("deepsky", card.Caption, card)
      .Add("number", card.Number)
      .Add("name", card.Name)
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

}  // namespace sky
