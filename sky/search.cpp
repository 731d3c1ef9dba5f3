#include "sky/search.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <tuple>

#include "astro/transforms.h"
#include "catalog/builtin_tables.h"
#include "res/strings.h"
#include "sky/messages.h"
#include "sky/object_names.h"
#include "sky/sky_doc.h"

namespace {

bool CaseInsensitiveLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

std::vector<std::string> Sorted(std::vector<std::string> entries) {
  std::stable_sort(entries.begin(), entries.end(), CaseInsensitiveLess);
  return entries;
}

// The equatorial chart's camera: the pole up, the place in the middle.
CameraAngles EquatorialCamera(double ra, double dec) { return {-dec, -15.0 * ra}; }

// The value of the leading decimal digits of `text`; 0 when there are none.
// Only a few digits fit the fields, so it cannot overflow.
int LeadingNumber(std::string_view text) {
  int n = 0;
  for (std::size_t i = 0; i < text.size() && i < 9; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) break;
    n = n * 10 + (text[i] - '0');
  }
  return n;
}

void Apply(CSkyDoc& doc, const CameraAngles& camera) {
  doc.Settings().XRotation = camera.XRotation;
  doc.Settings().YRotation = camera.YRotation;
}

}  // namespace

std::optional<CameraAngles> CameraOnHorizontal(const astro::HorizontalCoord& h) {
  if (h.Altitude < 0) return std::nullopt;
  return CameraAngles{-h.Altitude, h.Azimuth + 90.0};
}

std::optional<CameraAngles> CameraOn(const CSkyDoc& doc, double ra, double dec) {
  if (doc.Settings().HorizonMode) return CameraOnHorizontal(doc.HorizontalOf(ra, dec));
  return EquatorialCamera(ra, dec);
}

bool CentreOn(CSkyDoc& doc, CMessenger& messages, double ra, double dec) {
  const std::optional<CameraAngles> camera = CameraOn(doc, ra, dec);
  if (!camera) {
    messages.Show(MessageIcon::Exclamation, res::String(res::IDS_OBJECT_UNDER_HORIZON));
    return false;
  }
  Apply(doc, *camera);
  return true;
}

void ShowHorizonPoint(CSkyDoc& doc, int index) {
  if (index < 0 || index >= astro::kHorizonPointCount) return;
  const SkyPoint& point = doc.Sky.HorizonPoints[index];
  if (doc.Settings().HorizonMode) {
    const astro::HorizontalCoord h =
        doc.Sky.AstroState.HorizonOf(point.RightAscension, point.Declination);
    Apply(doc, {-h.Altitude, h.Azimuth + 90.0});
  } else {
    Apply(doc, EquatorialCamera(point.RightAscension, point.Declination));
  }
}

void ShowZenith(CSkyDoc& doc, double altitude) {
  if (doc.Settings().HorizonMode) {
    doc.Settings().XRotation = -altitude;
    return;
  }
  // Straight at the pole of the horizon the chart's turn would be undefined:
  // a step towards the north keeps it defined.
  const double a = altitude > 0 ? altitude - 0.05 : altitude + 0.05;
  const astro::EquatorialCoord p = doc.Sky.AstroState.SkyAt(astro::SouthEastFromNorthEast(0.0), a);
  Apply(doc, EquatorialCamera(p.RightAscension, p.Declination));
}

std::string CentreOnName(CSkyDoc& doc, std::string_view name) {
  const std::optional<sky::SkyObjectRef> object = sky::FindObjectByName(doc, name);
  if (!object) return sky::UnknownObjectText(name);
  const astro::EquatorialCoord place = sky::PlaceOf(doc, *object);
  const std::optional<CameraAngles> camera = CameraOn(doc, place.RightAscension, place.Declination);
  if (!camera) return std::string(res::String(res::IDS_OBJECT_UNDER_HORIZON));
  Apply(doc, *camera);
  doc.Selected = object;
  return {};
}

std::vector<std::string> StarSearchEntries(const CSkyDoc& doc) {
  std::vector<std::string> entries;
  for (const StarNameRecord& r : doc.Sky.ProperNames)
    entries.emplace_back(r.Name, strnlen(r.Name, sizeof r.Name));
  return Sorted(std::move(entries));
}

std::vector<std::string> ConstellationSearchEntries() {
  std::vector<std::string> entries;
  for (const catalog::ConstellationCentre& c : catalog::kConstellationCentres)
    entries.emplace_back(c.Name);
  return Sorted(std::move(entries));
}

std::vector<std::string> NgcSearchEntries(CSkyDoc& doc) {
  struct Entry {
    int Catalogue;  // 0 NGC, 1 IC
    int Number;
    std::string Suffix;
    bool operator<(const Entry& other) const {
      return std::tie(Catalogue, Number, Suffix) <
             std::tie(other.Catalogue, other.Number, other.Suffix);
    }
  };
  std::vector<Entry> objects;
  for (int i = kMessierCount; i < kDeepSkyCount; ++i)
    objects.push_back({0, static_cast<int>(doc.Sky.DeepSkyObjects[i].Number), {}});
  doc.Catalogues.DeepCatalogues.ReadNgcIc();
  for (const catalog::NgcIcRecord& r : doc.Catalogues.DeepCatalogues.NgcIc().Records)
    objects.push_back({r.Catalogue == 'I' ? 1 : 0, static_cast<int>(r.Number),
                       std::string(r.Suffix, strnlen(r.Suffix, sizeof r.Suffix))});
  std::sort(objects.begin(), objects.end());
  std::vector<std::string> entries;
  entries.reserve(objects.size());
  for (const Entry& e : objects)
    entries.push_back((e.Catalogue == 1 ? "IC " : "NGC ") + std::to_string(e.Number) + e.Suffix);
  return entries;
}

namespace {

// An NGC list entry or what is typed into the list, in upper case without
// blanks: the catalogue ('N' or 'I'), the digits without leading zeros and
// the letters after them.
struct NgcKey {
  char Catalogue = 'N';
  std::string Digits, Letters;
};

std::optional<NgcKey> NgcKeyOf(std::string_view text) {
  std::string key;
  for (const char c : text)
    if (!std::isspace(static_cast<unsigned char>(c)))
      key += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  std::size_t i = 0;
  while (i < key.size() && std::isalpha(static_cast<unsigned char>(key[i]))) ++i;
  NgcKey result;
  const std::string_view name = std::string_view(key).substr(0, i);
  if (!name.empty()) {
    if (std::string_view("NGC").starts_with(name))
      result.Catalogue = 'N';
    else if (std::string_view("IC").starts_with(name))
      result.Catalogue = 'I';
    else
      return std::nullopt;
  }
  while (i < key.size() && key[i] == '0') ++i;
  for (; i < key.size() && std::isdigit(static_cast<unsigned char>(key[i])); ++i)
    result.Digits += key[i];
  for (; i < key.size(); ++i) {
    if (!std::isalpha(static_cast<unsigned char>(key[i]))) return std::nullopt;
    result.Letters += key[i];
  }
  return result;
}

}  // namespace

int NgcSearchMatch(const std::vector<std::string>& entries, std::string_view typed) {
  const std::optional<NgcKey> t = NgcKeyOf(typed);
  if (!t || (t->Digits.empty() && !t->Letters.empty())) return -1;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::optional<NgcKey> e = NgcKeyOf(entries[i]);
    if (!e || e->Catalogue != t->Catalogue || !e->Digits.starts_with(t->Digits)) continue;
    if (t->Letters.empty() || (e->Digits == t->Digits && e->Letters.starts_with(t->Letters)))
      return static_cast<int>(i);
  }
  return -1;
}

std::optional<astro::EquatorialCoord> StarSearchPlace(const CSkyDoc& doc, std::string_view entry) {
  for (const StarNameRecord& r : doc.Sky.ProperNames)
    if (std::string_view(r.Name, strnlen(r.Name, sizeof r.Name)) == entry)
      return astro::EquatorialCoord{r.RightAscension, r.Declination};
  return std::nullopt;
}

std::optional<astro::EquatorialCoord> ConstellationSearchPlace(std::string_view entry) {
  for (const catalog::ConstellationCentre& c : catalog::kConstellationCentres)
    if (c.Name == entry) return astro::EquatorialCoord{c.RightAscension, c.Declination};
  return std::nullopt;
}

std::optional<astro::EquatorialCoord> NgcSearchPlace(CSkyDoc& doc, std::string_view entry) {
  const std::optional<sky::SkyObjectRef> object = sky::FindObjectByName(doc, entry);
  if (!object ||
      (object->What != sky::SkyObjectRef::DeepSky && object->What != sky::SkyObjectRef::NgcIc))
    return std::nullopt;
  return sky::PlaceOf(doc, *object);
}

MessierSearchResult CheckMessierField(const CSkyDoc& doc, std::string_view field) {
  const auto skipBlanks = [&field] {
    field.remove_prefix(std::min(field.find_first_not_of(" \t"), field.size()));
  };
  skipBlanks();
  if (field.empty()) return {res::IDS_ENTER_MESSIER};
  // The catalogue's letter, as the object is written and named elsewhere.
  if (field.front() == 'M' || field.front() == 'm') {
    field.remove_prefix(1);
    skipBlanks();
  }
  const int n = LeadingNumber(field);
  if (n < 1 || n > 110) return {res::IDS_WRONG_CATALOG_NUMBER};
  for (int i = 0; i < kMessierCount; ++i) {
    const DeepSkyRecord& r = doc.Sky.DeepSkyObjects[i];
    if (r.Number == n) return {0, {r.RightAscension, r.Declination}, i};
  }
  // The catalogue lacks that number: no place to turn to.
  return {res::IDS_WRONG_CATALOG_NUMBER};
}
