#include "sky/search.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

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
  doc.XRotation = camera.XRotation;
  doc.YRotation = camera.YRotation;
}

}  // namespace

std::optional<CameraAngles> CameraOnHorizontal(const astro::HorizontalCoord& h) {
  if (h.Altitude < 0) return std::nullopt;
  return CameraAngles{-h.Altitude, h.Azimuth + 90.0};
}

std::optional<CameraAngles> CameraOn(const CSkyDoc& doc, double ra, double dec) {
  if (doc.HorizonMode) return CameraOnHorizontal(doc.HorizontalOf(ra, dec));
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
  const SkyPoint& point = doc.HorizonPoints[index];
  if (doc.HorizonMode) {
    const astro::HorizontalCoord h =
        doc.AstroState.HorizonOf(point.RightAscension, point.Declination);
    Apply(doc, {-h.Altitude, h.Azimuth + 90.0});
  } else {
    Apply(doc, EquatorialCamera(point.RightAscension, point.Declination));
  }
}

void ShowZenith(CSkyDoc& doc, double altitude) {
  if (doc.HorizonMode) {
    doc.XRotation = -altitude;
    return;
  }
  // Straight at the pole of the horizon the chart's turn would be undefined:
  // a step towards the north (azimuth 180 from the south) keeps it defined.
  const double a = altitude > 0 ? altitude - 0.05 : altitude + 0.05;
  const astro::EquatorialCoord p = doc.AstroState.SkyAt(180.0, a);
  Apply(doc, EquatorialCamera(p.RightAscension, p.Declination));
}

std::string CentreOnName(CSkyDoc& doc, std::string_view name) {
  const std::optional<sky::SkyObjectRef> object = sky::FindObjectByName(doc, name);
  if (!object) return sky::UnknownObjectText(name);
  const astro::EquatorialCoord place = sky::PlaceOf(doc, *object);
  const std::optional<CameraAngles> camera = CameraOn(doc, place.RightAscension, place.Declination);
  if (!camera) return std::string(res::String(res::IDS_OBJECT_UNDER_HORIZON));
  Apply(doc, *camera);
  return {};
}

std::vector<std::string> StarSearchEntries(const CSkyDoc& doc) {
  std::vector<std::string> entries;
  for (const StarNameRecord& r : doc.ProperNames)
    entries.emplace_back(r.Name, strnlen(r.Name, sizeof r.Name));
  return Sorted(std::move(entries));
}

std::vector<std::string> ConstellationSearchEntries() {
  std::vector<std::string> entries;
  for (const catalog::ConstellationCentre& c : catalog::kConstellationCentres)
    entries.emplace_back(c.Name);
  return Sorted(std::move(entries));
}

std::vector<std::string> NgcSearchEntries(const CSkyDoc& doc) {
  std::vector<std::string> entries;
  for (int i = kMessierCount; i < kDeepSkyCount; ++i) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", static_cast<int>(doc.DeepSkyObjects[i].Number));
    entries.emplace_back(text);
  }
  return Sorted(std::move(entries));
}

std::optional<astro::EquatorialCoord> StarSearchPlace(const CSkyDoc& doc, std::string_view entry) {
  for (const StarNameRecord& r : doc.ProperNames)
    if (std::string_view(r.Name, strnlen(r.Name, sizeof r.Name)) == entry)
      return astro::EquatorialCoord{r.RightAscension, r.Declination};
  return std::nullopt;
}

std::optional<astro::EquatorialCoord> ConstellationSearchPlace(std::string_view entry) {
  for (const catalog::ConstellationCentre& c : catalog::kConstellationCentres)
    if (c.Name == entry) return astro::EquatorialCoord{c.RightAscension, c.Declination};
  return std::nullopt;
}

std::optional<astro::EquatorialCoord> NgcSearchPlace(const CSkyDoc& doc, std::string_view entry) {
  const int n = LeadingNumber(entry);
  for (int i = kMessierCount; i < kDeepSkyCount; ++i) {
    const DeepSkyRecord& r = doc.DeepSkyObjects[i];
    if (r.Number == n) return astro::EquatorialCoord{r.RightAscension, r.Declination};
  }
  return std::nullopt;
}

MessierSearchResult CheckMessierField(const CSkyDoc& doc, std::string_view field) {
  if (field.empty()) return {res::IDS_ENTER_MESSIER};
  const int n = LeadingNumber(field);
  if (n < 1 || n > 110) return {res::IDS_WRONG_CATALOG_NUMBER};
  for (int i = 0; i < kMessierCount; ++i) {
    const DeepSkyRecord& r = doc.DeepSkyObjects[i];
    if (r.Number == n) return {0, {r.RightAscension, r.Declination}};
  }
  // The catalogue lacks that number: no place to turn to.
  return {res::IDS_WRONG_CATALOG_NUMBER};
}
