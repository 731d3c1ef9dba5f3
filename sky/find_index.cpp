#include "sky/find_index.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>

#include "astro/astro_state.h"
#include "astro/json.h"
#include "catalog/builtin_tables.h"
#include "catalog/designation.h"
#include "catalog/find_names.h"
#include "catalog/loaders.h"
#include "catalog/places.h"
#include "res/strings.h"
#include "res/translatable.h"
#include "sky/moon_places.h"
#include "sky/object_info.h"
#include "sky/sky_doc.h"

namespace sky {
namespace {

// A fixed-width text field up to its first NUL, without trailing blanks.
std::string FieldText(const char* field, std::size_t width) {
  std::string text(field, width);
  text = text.substr(0, text.find('\0'));
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string DeepSkyKind(const std::string& type) {
  if (type == "GALXY") return STELLIX_TEXT("sky", "galaxy");
  if (type == "OPNCL") return STELLIX_TEXT("sky", "open cluster");
  if (type == "GLOCL") return STELLIX_TEXT("sky", "globular cluster");
  if (type == "BRTNB") return STELLIX_TEXT("sky", "bright nebula");
  if (type == "PLNNB") return STELLIX_TEXT("sky", "planetary nebula");
  if (type == "GALCL") return STELLIX_TEXT("sky", "galaxy cluster");
  if (type == "STAR") return STELLIX_TEXT("sky", "star");
  return STELLIX_TEXT("sky", "deep-sky object");
}

// Appends an entry: a sky object, or place `place` of the location list.
void Append(FindIndex& index, std::optional<SkyObjectRef> object, int place, std::string name,
            std::string kind, std::vector<std::string> designations, double magnitude) {
  FindEntry entry;
  entry.FoldedNames.push_back(FoldName(name));
  for (const std::string& d : designations) entry.FoldedNames.push_back(FoldName(d));
  entry.Magnitude = magnitude;
  // A place ranks after the sky's objects that fit as well, those below the horizon too.
  if (!object) entry.AltitudeDeg = -90.0;
  index.Objects.push_back(object);
  index.Places.push_back(place);
  index.Names.push_back(std::move(name));
  index.Kinds.push_back(std::move(kind));
  index.Designations.push_back(std::move(designations));
  index.Entries.push_back(std::move(entry));
}

void Add(FindIndex& index, SkyObjectRef object, std::string name, std::string kind,
         std::vector<std::string> designations, double magnitude) {
  Append(index, object, -1, std::move(name), std::move(kind), std::move(designations), magnitude);
}

// Adds `designation` to entry `i`'s other names.
void AddDesignation(FindIndex& index, std::size_t i, const std::string& designation) {
  index.Designations[i].push_back(designation);
  index.Entries[i].FoldedNames.push_back(FoldName(designation));
}

// An optional table of the data directory as text; empty when it is missing.
std::string DataText(const CSkyDoc& doc, std::string_view name) {
  return catalog::ReadTextFile(doc.Files().Path(name).c_str()).value_or(std::string());
}

// The genitive of each constellation abbreviation ("Ori" -> "Orionis").
using Genitives = std::map<std::string, std::string, std::less<>>;

// The designations of a bright star as the catalogue and the cards write it,
// and with the constellation's genitive.
std::vector<std::string> StarDesignations(const StarRecord& star, const Genitives& genitives) {
  std::vector<std::string> names;
  const catalog::Designation d = catalog::DecodeDesignation(star.Designation);
  if (!d.Constellation.empty()) {
    if (!d.Bayer.empty()) {
      const std::string shortLetter = FieldText(star.Designation + 3, 3);
      const std::string digit = std::isdigit(static_cast<unsigned char>(star.Designation[6]))
                                    ? std::string(1, star.Designation[6])
                                    : std::string();
      names.push_back(shortLetter + digit + " " + d.Constellation);
      names.push_back(d.Bayer + " " + d.Constellation);
      // Without the component's digit: the brightest component ranks first.
      if (!digit.empty()) names.push_back(shortLetter + " " + d.Constellation);
    }
    if (!d.Flamsteed.empty()) names.push_back(d.Flamsteed + " " + d.Constellation);
    if (const auto genitive = genitives.find(d.Constellation); genitive != genitives.end()) {
      if (!d.Bayer.empty()) names.push_back(d.Bayer + " " + genitive->second);
      if (!d.Flamsteed.empty()) names.push_back(d.Flamsteed + " " + genitive->second);
    }
  }
  names.push_back("HR " + std::to_string(star.HR));
  return names;
}

}  // namespace

FindIndex BuildFindIndex(CSkyDoc& doc) {
  FindIndex index;
  const std::vector<catalog::ConstellationNames> constellationNames =
      catalog::ReadConstellationNames(DataText(doc, "constellation_names.tab"));
  Genitives genitives;
  for (const catalog::ConstellationNames& c : constellationNames)
    genitives.emplace(c.Abbreviation, c.Genitive);
  for (int b = 0; b < astro::kBodyCount; ++b) {
    // The Sun's visual magnitude; the Moon at its brightest.
    const double magnitude = b == astro::kSun    ? -26.74
                             : b == astro::kMoon ? MoonMagnitude(1.0)
                                                 : PlanetFiguresOf(doc, b).Magnitude;
    Add(index, {SkyObjectRef::Body, b}, std::string(res::String(res::IDS_BODY_NAME_FIRST + b)),
        b == astro::kSun    ? STELLIX_TEXT("sky", "star")
        : b == astro::kMoon ? STELLIX_TEXT("sky", "moon")
                            : STELLIX_TEXT("sky", "planet"),
        {}, magnitude);
  }
  for (int m = 0; m < kMoonCount; ++m)
    Add(index, {SkyObjectRef::PlanetMoon, m},
        std::string(res::String(res::IDS_MOON_NAME_FIRST + m)), "moon", {},
        MoonMagnitudeOf(m, doc.Sky.Moons[m], doc.Sky.AstroState.Earth.Heliocentric));
  for (int i = 0; i < kStarCount; ++i) {
    const StarRecord& star = doc.Sky.Stars[i];
    std::vector<std::string> designations = StarDesignations(star, genitives);
    std::string name;
    for (const StarNameRecord& proper : doc.Sky.ProperNames)
      if (proper.HR == star.HR) name = FieldText(proper.Name, sizeof proper.Name);
    if (name.empty()) {
      name = designations.front();
      designations.erase(designations.begin());
    }
    Add(index, {SkyObjectRef::Star, i}, name, STELLIX_TEXT("sky", "star"), std::move(designations),
        star.Magnitude);
  }
  const std::vector<int> pairs = catalog::PairConstellations(constellationNames);
  for (int i = 0; i < catalog::kConstellationCentreCount; ++i) {
    std::vector<std::string> names;
    if (pairs[i] >= 0) {
      const catalog::ConstellationNames& c = constellationNames[pairs[i]];
      if (c.Name != catalog::kConstellationCentres[i].Name) names.push_back(c.Name);
      names.push_back(c.Abbreviation);
      names.push_back(c.Genitive);
    }
    Add(index, {SkyObjectRef::Constellation, i},
        std::string(catalog::kConstellationCentres[i].Name), STELLIX_TEXT("sky", "constellation"),
        std::move(names), catalog::kUnusableMagnitude);
  }
  for (int i = 0; i < kDeepSkyCount; ++i) {
    const DeepSkyRecord& object = doc.Sky.DeepSkyObjects[i];
    const std::string common = FieldText(object.Name, sizeof object.Name);
    const std::string number = (i < kMessierCount ? "M " : "NGC ") + std::to_string(object.Number);
    std::vector<std::string> designations;
    if (common != "*" && !common.empty()) designations.push_back(common);
    Add(index, {SkyObjectRef::DeepSky, i}, number,
        DeepSkyKind(FieldText(object.Type, sizeof object.Type)), std::move(designations),
        object.Magnitude);
  }
  // The comets and minor planets ranked by their brightness when the index is made.
  const std::vector<catalog::SmallBodyElements>& bodies = doc.Catalogues.SmallBodies;
  for (std::size_t i = 0; i < bodies.size(); ++i) {
    std::vector<std::string> names = SmallBodyNamesOf(bodies[i]);
    std::string name = std::move(names.front());
    names.erase(names.begin());
    const double magnitude = SmallBodyStateOf(doc.Sky.AstroState, bodies[i]).Magnitude;
    Add(index, {SkyObjectRef::SmallBody, static_cast<int>(i)}, std::move(name),
        bodies[i].Comet ? "comet" : "asteroid", std::move(names),
        std::isfinite(magnitude) ? magnitude : catalog::kUnusableMagnitude);
  }
  doc.Catalogues.DeepCatalogues.ReadNgcIc();
  const std::vector<catalog::NgcIcRecord>& objects = doc.Catalogues.DeepCatalogues.NgcIc().Records;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const catalog::NgcIcRecord& object = objects[i];
    const std::string number = (object.Catalogue == 'I' ? "IC " : "NGC ") +
                               std::to_string(object.Number) +
                               FieldText(object.Suffix, sizeof object.Suffix);
    std::vector<std::string> designations;
    const std::string common = FieldText(object.Name, sizeof object.Name);
    if (!common.empty()) designations.push_back(common);
    Add(index, {SkyObjectRef::NgcIc, static_cast<int>(i)}, number,
        DeepSkyKind(FieldText(object.Type, sizeof object.Type)), std::move(designations),
        object.Magnitude);
  }
  // The Caldwell numbers of the deep-sky objects named by their NGC or IC number.
  std::map<std::string, std::size_t, std::less<>> byNumber;
  for (std::size_t i = 0; i < index.Objects.size(); ++i)
    if (index.Objects[i]->What == SkyObjectRef::DeepSky ||
        index.Objects[i]->What == SkyObjectRef::NgcIc)
      byNumber.emplace(index.Names[i], i);
  for (const catalog::CaldwellEntry& c : catalog::ReadCaldwell(DataText(doc, "caldwell.tab")))
    if (const auto found = byNumber.find(c.Designation); found != byNumber.end())
      AddDesignation(index, found->second, "C " + std::to_string(c.Number));
  // The places of the location list, by their whole name and their city.
  const std::vector<catalog::Place>& places = doc.Catalogues.Places;
  for (std::size_t i = 0; i < places.size(); ++i) {
    const std::string& name = places[i].Name;
    const std::size_t colon = name.find(':');
    std::vector<std::string> city;
    if (colon != std::string::npos)
      city.push_back(name.substr(colon + 1, name.find(',') - colon - 1));
    Append(index, std::nullopt, static_cast<int>(i), name, STELLIX_TEXT("sky", "place"),
           std::move(city), catalog::kUnusableMagnitude);
  }
  return index;
}

std::vector<FindMatch> FindMatches(CSkyDoc& doc, FindIndex& index, std::string_view typed,
                                   int limit) {
  // Only the altitudes of objects one of whose names fits are needed now.
  const std::string folded = FoldName(typed);
  for (std::size_t i = 0; i < index.Objects.size(); ++i) {
    const std::vector<std::string>& names = index.Entries[i].FoldedNames;
    if (std::none_of(names.begin(), names.end(), [&](const std::string& name) {
          return FitName(folded, name).Grade != FindGrade::None;
        }))
      continue;
    if (!index.Objects[i]) continue;  // a place has no altitude
    const astro::EquatorialCoord place = PlaceOf(doc, *index.Objects[i]);
    index.Entries[i].AltitudeDeg =
        doc.HorizontalOf(place.RightAscension, place.Declination).Altitude;
  }
  std::vector<FindMatch> matches;
  for (const int i : RankFinds(index.Entries, typed, limit))
    matches.push_back({index.Objects[i], index.Places[i], index.Names[i], index.Kinds[i],
                       index.Designations[i], index.Entries[i].Magnitude,
                       index.Objects[i] ? index.Entries[i].AltitudeDeg : 0.0});
  if (matches.empty() && limit > 0)
    if (const std::optional<SkyObjectRef> faint = FindObjectByName(doc, typed);
        faint && faint->What == SkyObjectRef::FaintStar) {
      const catalog::FaintStarRecord& star =
          doc.Catalogues.DeepCatalogues.FaintStars().Records[faint->Index];
      const astro::EquatorialCoord place = PlaceOf(doc, *faint);
      matches.push_back({*faint,
                         -1,
                         std::string(typed),
                         STELLIX_TEXT("sky", "star"),
                         {},
                         star.Magnitude,
                         doc.HorizontalOf(place.RightAscension, place.Declination).Altitude});
    }
  return matches;
}

std::string FindMatchesJson(const std::vector<FindMatch>& matches) {
  astro::JsonArray list;
  for (const FindMatch& m : matches) {
    astro::JsonArray designations;
    for (const std::string& d : m.Designations) designations.Add(astro::JsonString(d));
    // Magnitudes at or beyond the catalogues' mark of an unknown one.
    const bool known = m.Magnitude < catalog::kUnusableMagnitude;
    list.Add(astro::JsonObject()
                 .AddString("name", m.Name)
                 .AddString("kind", m.Kind)
                 .Add("designations", designations.Text())
                 .Add("magnitude", known ? astro::JsonNumber(m.Magnitude) : "null")
                 .Add("altitudeDeg", m.Object ? astro::JsonNumber(m.AltitudeDeg) : "null")
                 .Text());
  }
  return list.Text();
}

}  // namespace sky
