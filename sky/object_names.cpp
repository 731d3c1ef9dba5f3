#include "sky/object_names.h"

#include <cctype>
#include <charconv>
#include <utility>
#include <vector>

#include "astro/astro_state.h"
#include "catalog/builtin_tables.h"
#include "catalog/designation.h"
#include "res/strings.h"
#include "sky/moon_places.h"
#include "sky/sky_doc.h"

namespace sky {
namespace {

// Upper case, with blanks dropped: "m 42" and "M42" both become "M42".
std::string Key(std::string_view text) {
  std::string key;
  for (const char c : text) {
    if (c == '\0') break;
    if (!std::isspace(static_cast<unsigned char>(c)))
      key += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return key;
}

// The number after `prefix` in `key` ("HR2491" -> 2491); nothing unless the
// rest is all digits.
std::optional<int> NumberAfter(std::string_view key, std::string_view prefix) {
  if (key.size() <= prefix.size() || key.substr(0, prefix.size()) != prefix) return std::nullopt;
  const std::string_view digits = key.substr(prefix.size());
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return number;
}

// The star of the Bayer or Flamsteed designation `key` as the cards write it
// ("ALPHAORI", "ALPHA1CEN", "58ORI"), the Greek letter also abbreviated as the
// catalogue has it ("ALPORI"). A Bayer letter without the digit of a star
// that has one ("ALPHACEN") finds the brightest of its components.
std::optional<int> StarByDesignation(const CSkyDoc& doc, const std::string& key) {
  std::optional<int> component;
  for (int i = 0; i < kStarCount; ++i) {
    const char(&columns)[11] = doc.Sky.Stars[i].Designation;
    const catalog::Designation d = catalog::DecodeDesignation(columns);
    const std::string constellation = Key(d.Constellation);
    if (constellation.empty()) continue;
    if (!d.Flamsteed.empty() && key == Key(d.Flamsteed) + constellation) return i;
    if (d.Bayer.empty()) continue;
    const bool digit = std::isdigit(static_cast<unsigned char>(columns[6]));
    const std::string number = digit ? std::string(1, columns[6]) : std::string();
    const std::string spelled = Key(d.Bayer).substr(0, Key(d.Bayer).size() - number.size());
    for (const std::string& letter : {spelled, Key(std::string_view(columns + 3, 3))}) {
      if (key == letter + number + constellation) return i;
      if (digit && key == letter + constellation &&
          (!component || doc.Sky.Stars[i].Magnitude < doc.Sky.Stars[*component].Magnitude))
        component = i;
    }
  }
  return component;
}

// The number and the letters after it of `key` past `prefix` ("IC715NW" ->
// 715, "NW"); nothing unless a digit follows the prefix.
std::optional<std::pair<int, std::string>> NumberAndSuffixAfter(std::string_view key,
                                                                std::string_view prefix) {
  if (key.size() <= prefix.size() || key.substr(0, prefix.size()) != prefix) return std::nullopt;
  const std::string_view rest = key.substr(prefix.size());
  int number = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
  if (error != std::errc()) return std::nullopt;
  const std::string_view suffix(end, static_cast<std::size_t>(rest.data() + rest.size() - end));
  for (const char c : suffix)
    if (!std::isalpha(static_cast<unsigned char>(c))) return std::nullopt;
  return std::pair{number, std::string(suffix)};
}

std::optional<SkyObjectRef> NgcIcByNumber(CSkyDoc& doc, char catalogue,
                                          const std::pair<int, std::string>& id) {
  doc.Catalogues.DeepCatalogues.ReadNgcIc();
  const std::vector<catalog::NgcIcRecord>& objects = doc.Catalogues.DeepCatalogues.NgcIc().Records;
  for (std::size_t i = 0; i < objects.size(); ++i)
    if (objects[i].Catalogue == catalogue && objects[i].Number == id.first &&
        Key(std::string_view(objects[i].Suffix, sizeof objects[i].Suffix)) == id.second)
      return SkyObjectRef{SkyObjectRef::NgcIc, static_cast<int>(i)};
  return std::nullopt;
}

// A faint star by "HIP n" or by its coordinate name, found through the index
// near the place the name gives.
std::optional<SkyObjectRef> FaintStarByName(CSkyDoc& doc, const std::string& key) {
  doc.Catalogues.DeepCatalogues.ReadFaintStars();
  if (const std::optional<int> hip = NumberAfter(key, "HIP")) {
    if (*hip <= 0) return std::nullopt;  // 0 marks the stars without a number
    const catalog::FaintStarCatalogue& stars = doc.Catalogues.DeepCatalogues.FaintStars();
    for (std::size_t i = 0; i < stars.Records.size(); ++i)
      if (stars.Records[i].Hip == *hip)
        return SkyObjectRef{SkyObjectRef::FaintStar, static_cast<int>(i)};
    return std::nullopt;
  }
  // "J" hhmmss.s sign ddmmss.
  if (key.size() != 16 || key[0] != 'J' || (key[9] != '+' && key[9] != '-')) return std::nullopt;
  const catalog::FaintStarCatalogue& stars = doc.Catalogues.DeepCatalogues.FaintStars();
  const auto field = [&](std::size_t at, std::size_t length) {
    int value = -1;
    std::from_chars(key.data() + at, key.data() + at + length, value);
    return value;
  };
  const double ra = field(1, 2) + field(3, 2) / 60.0 + (field(5, 2) + field(8, 1) / 10.0) / 3600.0;
  const double dec =
      (key[9] == '-' ? -1 : 1) * (field(10, 2) + field(12, 2) / 60.0 + field(14, 2) / 3600.0);
  std::optional<SkyObjectRef> found;
  stars.ForEachInView(
      {ra, dec, 2.0 / 3600}, catalog::kUnusableMagnitude,
      [&](const catalog::FaintStarRecord& star) {
        if (!found && star.Hip == 0 && StarPlaceName(star.RightAscension, star.Declination) == key)
          found =
              SkyObjectRef{SkyObjectRef::FaintStar, static_cast<int>(&star - stars.Records.data())};
      });
  return found;
}

}  // namespace

std::optional<SkyObjectRef> FindObjectByName(CSkyDoc& doc, std::string_view name) {
  const std::string key = Key(name);
  if (key.empty()) return std::nullopt;

  if (const std::optional<int> hr = NumberAfter(key, "HR")) {
    for (int i = 0; i < kStarCount; ++i)
      if (doc.Sky.Stars[i].HR == *hr) return SkyObjectRef{SkyObjectRef::Star, i};
    return std::nullopt;
  }
  if (key.starts_with("HIP") || key.starts_with('J')) {
    if (const std::optional<SkyObjectRef> star = FaintStarByName(doc, key)) return star;
  }
  // "NGC" before "M": no other prefix starts like it.
  if (const auto ngc = NumberAndSuffixAfter(key, "NGC")) {
    if (ngc->second.empty())
      for (int i = kMessierCount; i < kDeepSkyCount; ++i)
        if (doc.Sky.DeepSkyObjects[i].Number == ngc->first)
          return SkyObjectRef{SkyObjectRef::DeepSky, i};
    return NgcIcByNumber(doc, 'N', *ngc);
  }
  if (const auto ic = NumberAndSuffixAfter(key, "IC")) return NgcIcByNumber(doc, 'I', *ic);
  if (const std::optional<int> messier = NumberAfter(key, "M")) {
    // The Messier catalogue runs from 1 to 110.
    if (*messier < 1 || *messier > 110) return std::nullopt;
    for (int i = 0; i < kMessierCount; ++i)
      if (doc.Sky.DeepSkyObjects[i].Number == *messier)
        return SkyObjectRef{SkyObjectRef::DeepSky, i};
    return std::nullopt;
  }

  for (int b = 0; b < astro::kBodyCount; ++b)
    if (Key(res::String(res::IDS_BODY_NAME_FIRST + b)) == key)
      return SkyObjectRef{SkyObjectRef::Body, b};
  for (int m = 0; m < kMoonCount; ++m)
    if (Key(res::String(res::IDS_MOON_NAME_FIRST + m)) == key)
      return SkyObjectRef{SkyObjectRef::PlanetMoon, m};
  for (const StarNameRecord& proper : doc.Sky.ProperNames) {
    if (Key(std::string_view(proper.Name, sizeof proper.Name)) != key) continue;
    for (int i = 0; i < kStarCount; ++i)
      if (doc.Sky.Stars[i].HR == proper.HR) return SkyObjectRef{SkyObjectRef::Star, i};
  }
  for (int i = 0; i < catalog::kConstellationCentreCount; ++i)
    if (Key(catalog::kConstellationCentres[i].Name) == key)
      return SkyObjectRef{SkyObjectRef::Constellation, i};
  if (const std::optional<int> star = StarByDesignation(doc, key))
    return SkyObjectRef{SkyObjectRef::Star, *star};
  const std::vector<catalog::SmallBodyElements>& bodies = doc.Catalogues.SmallBodies;
  for (std::size_t i = 0; i < bodies.size(); ++i)
    for (const std::string& body : SmallBodyNamesOf(bodies[i]))
      if (Key(body) == key) return SkyObjectRef{SkyObjectRef::SmallBody, static_cast<int>(i)};
  for (int i = 0; i < kDeepSkyCount; ++i) {
    const DeepSkyRecord& object = doc.Sky.DeepSkyObjects[i];
    if (key != "*" && Key(std::string_view(object.Name, sizeof object.Name)) == key)
      return SkyObjectRef{SkyObjectRef::DeepSky, i};
  }
  doc.Catalogues.DeepCatalogues.ReadNgcIc();
  const std::vector<catalog::NgcIcRecord>& objects = doc.Catalogues.DeepCatalogues.NgcIc().Records;
  for (std::size_t i = 0; i < objects.size(); ++i)
    if (Key(std::string_view(objects[i].Name, sizeof objects[i].Name)) == key)
      return SkyObjectRef{SkyObjectRef::NgcIc, static_cast<int>(i)};
  return std::nullopt;
}

astro::EquatorialCoord PlaceOf(const CSkyDoc& doc, SkyObjectRef object) {
  const int i = object.Index;
  switch (object.What) {
    case SkyObjectRef::Star:
      // A named star is centred where the star search puts it: at its
      // proper-name record's place.
      for (const StarNameRecord& proper : doc.Sky.ProperNames)
        if (proper.HR == doc.Sky.Stars[i].HR) return {proper.RightAscension, proper.Declination};
      return {doc.Sky.Stars[i].RightAscension, doc.Sky.Stars[i].Declination};
    case SkyObjectRef::Constellation:
      return {catalog::kConstellationCentres[i].RightAscension,
              catalog::kConstellationCentres[i].Declination};
    case SkyObjectRef::DeepSky:
      return {doc.Sky.DeepSkyObjects[i].RightAscension, doc.Sky.DeepSkyObjects[i].Declination};
    case SkyObjectRef::Body:
      return {doc.Sky.Bodies[i].RightAscension, doc.Sky.Bodies[i].Declination};
    case SkyObjectRef::FaintStar: {
      const catalog::FaintStarRecord& star = doc.Catalogues.DeepCatalogues.FaintStars().Records[i];
      return {star.RightAscension, star.Declination};
    }
    case SkyObjectRef::NgcIc: {
      const catalog::NgcIcRecord& object = doc.Catalogues.DeepCatalogues.NgcIc().Records[i];
      return {object.RightAscension, object.Declination};
    }
    case SkyObjectRef::SmallBody: {
      const SmallBodyState s = SmallBodyStateOf(doc.Sky.AstroState, doc.Catalogues.SmallBodies[i]);
      return {s.Place.RightAscension, s.Place.Declination};
    }
    case SkyObjectRef::PlanetMoon:
      return {doc.Sky.Moons[i].RightAscension, doc.Sky.Moons[i].Declination};
  }
  return {0.0, 0.0};
}

std::string UnknownObjectText(std::string_view name) {
  return "No object is called \"" + std::string(name) +
         "\". Give a star's proper name or designation (Alpha Ori, 58 Ori), a constellation, "
         "M n, NGC n, IC n, HR n, HIP n, the Sun, the Moon, a planet, a planet's moon (Io), a "
         "comet, a minor planet or a deep-sky object's name.";
}

}  // namespace sky
