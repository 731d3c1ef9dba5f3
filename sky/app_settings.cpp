#include "sky/app_settings.h"

#include <charconv>
#include <cmath>
#include <variant>

#include "astro/format.h"
#include "sky/profile.h"
#include "sky/recent_files.h"

namespace {

constexpr const char* kSettings = "Settings";
constexpr const char* kLocation = "Location";

struct RealKey {
  double AppSettings::*field;
  const char* defaultText;
  int decimals;
};
struct FloatKey {
  float AppSettings::*field;
  const char* defaultText;
  int decimals;
};
struct IntKey {
  int AppSettings::*field;
};
struct StringKey {
  std::string AppSettings::*field;
};

struct Key {
  const char* section;
  const char* name;
  std::variant<RealKey, FloatKey, IntKey, StringKey> kind;
};

// In the order the keys are read; the save writes StarsNamesColor before PlanetNamesColor.
const Key kKeys[] = {
    {kSettings, "Zoom", RealKey{&AppSettings::Zoom, "2.0", 1}},
    {kSettings, "XRotation", RealKey{&AppSettings::XRotation, "0.0", 2}},
    {kSettings, "YRotation", RealKey{&AppSettings::YRotation, "270.0", 2}},
    {kSettings, "ShowMessier", IntKey{&AppSettings::ShowMessier}},
    {kSettings, "ShowNGC", IntKey{&AppSettings::ShowNGC}},
    {kSettings, "ShowOpenClusters", IntKey{&AppSettings::ShowOpenClusters}},
    {kSettings, "ShowGlobClusters", IntKey{&AppSettings::ShowGlobClusters}},
    {kSettings, "ShowGalaxies", IntKey{&AppSettings::ShowGalaxies}},
    {kSettings, "ShowNebulae", IntKey{&AppSettings::ShowNebulae}},
    {kSettings, "ShowPlanetNebulae", IntKey{&AppSettings::ShowPlanetNebulae}},
    {kSettings, "StarNames", IntKey{&AppSettings::StarNames}},
    {kSettings, "PlanetNames", IntKey{&AppSettings::PlanetNames}},
    {kSettings, "DeepSkyLabels", IntKey{&AppSettings::DeepSkyLabels}},
    {kSettings, "DeepSkyLabelByNumber", IntKey{&AppSettings::DeepSkyLabelByNumber}},
    {kSettings, "DeepSkyDrawSymbols", IntKey{&AppSettings::DeepSkyDrawSymbols}},
    {kSettings, "Coordinations", IntKey{&AppSettings::Coordinations}},
    {kSettings, "Boundaries", IntKey{&AppSettings::Boundaries}},
    {kSettings, "Constelations", IntKey{&AppSettings::Constelations}},
    {kSettings, "DeepSky", IntKey{&AppSettings::DeepSky}},
    {kSettings, "MilkyWay", IntKey{&AppSettings::MilkyWay}},
    {kSettings, "SolarSystem", IntKey{&AppSettings::SolarSystem}},
    {kSettings, "Ecliptic", IntKey{&AppSettings::Ecliptic}},
    {kSettings, "StarsLimit", IntKey{&AppSettings::StarsLimit}},
    {kSettings, "DeepSkyLimit", IntKey{&AppSettings::DeepSkyLimit}},
    {kSettings, "AutoMode", IntKey{&AppSettings::AutoMode}},
    {kSettings, "HorizonMode", IntKey{&AppSettings::HorizonMode}},
    {kSettings, "StarsColors", IntKey{&AppSettings::StarsColors}},
    {kSettings, "StarsDrawPoints", IntKey{&AppSettings::StarsDrawPoints}},
    {kSettings, "SkyColors", IntKey{&AppSettings::SkyColors}},
    {kSettings, "Refraction", IntKey{&AppSettings::Refraction}},
    {kSettings, "DeepSkyColor", IntKey{&AppSettings::DeepSkyColor}},
    {kSettings, "DeepSkyLabelsColor", IntKey{&AppSettings::DeepSkyLabelsColor}},
    {kSettings, "PlanetNamesColor", IntKey{&AppSettings::PlanetNamesColor}},
    {kSettings, "StarsNamesColor", IntKey{&AppSettings::StarsNamesColor}},
    {kSettings, "GridsColor", IntKey{&AppSettings::GridsColor}},
    {kSettings, "ConstLinesColor", IntKey{&AppSettings::ConstLinesColor}},
    {kSettings, "ConstBoundariesColor", IntKey{&AppSettings::ConstBoundariesColor}},
    {kSettings, "ConstLabelsColor", IntKey{&AppSettings::ConstLabelsColor}},
    {kSettings, "EclipticColor", IntKey{&AppSettings::EclipticColor}},
    {kLocation, "Location", StringKey{&AppSettings::Location}},
    {kLocation, "LongDeg", IntKey{&AppSettings::LongDeg}},
    {kLocation, "LongMin", IntKey{&AppSettings::LongMin}},
    {kLocation, "EW", StringKey{&AppSettings::EW}},
    {kLocation, "LatDeg", IntKey{&AppSettings::LatDeg}},
    {kLocation, "LatMin", IntKey{&AppSettings::LatMin}},
    {kLocation, "NS", StringKey{&AppSettings::NS}},
    {kLocation, "TimeZone", FloatKey{&AppSettings::TimeZone, "1", 1}},
    {kLocation, "DaylightSavingTime", IntKey{&AppSettings::DaylightSavingTime}},
};

// Text to double the way the C library reads numbers: leading blanks
// skipped, trailing text ignored; text that is not a finite number gives 0.
double ParseReal(const std::string& text) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string::npos) return 0.0;
  if (text[i] == '+') ++i;
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(text.data() + i, text.data() + text.size(), value,
                      std::chars_format::fixed | std::chars_format::scientific);
  (void)end;
  return error == std::errc() && std::isfinite(value) ? value : 0.0;
}

void StoreKey(const Key& key, const AppSettings& settings, CProfile& profile) {
  std::visit(
      [&](const auto& k) {
        using K = std::decay_t<decltype(k)>;
        if constexpr (std::is_same_v<K, RealKey> || std::is_same_v<K, FloatKey>)
          profile.WriteString(key.section, key.name,
                              astro::FormatFixed(settings.*k.field, k.decimals));
        else if constexpr (std::is_same_v<K, IntKey>)
          profile.WriteInt(key.section, key.name, settings.*k.field);
        else
          profile.WriteString(key.section, key.name, settings.*k.field);
      },
      key.kind);
}

}  // namespace

void LoadSettings(const CProfile& profile, AppSettings& settings) {
  const AppSettings defaults;
  for (const Key& key : kKeys) {
    std::visit(
        [&](const auto& k) {
          using K = std::decay_t<decltype(k)>;
          if constexpr (std::is_same_v<K, RealKey>)
            settings.*k.field = ParseReal(profile.GetString(key.section, key.name, k.defaultText));
          else if constexpr (std::is_same_v<K, FloatKey>)
            settings.*k.field = static_cast<float>(
                ParseReal(profile.GetString(key.section, key.name, k.defaultText)));
          else if constexpr (std::is_same_v<K, IntKey>)
            settings.*k.field = profile.GetInt(key.section, key.name, defaults.*k.field);
          else
            settings.*k.field = profile.GetString(key.section, key.name, defaults.*k.field);
        },
        key.kind);
  }
  settings.RecentFiles = sky::LoadRecentFiles(profile);
}

void StoreSettings(const AppSettings& settings, CProfile& profile) {
  for (const Key& key : kKeys) {
    const std::string_view name = key.name;
    if (name == "PlanetNamesColor") continue;  // written after StarsNamesColor
    StoreKey(key, settings, profile);
    if (name == "StarsNamesColor") {
      for (const Key& other : kKeys)
        if (std::string_view(other.name) == "PlanetNamesColor") StoreKey(other, settings, profile);
    }
  }
  sky::StoreRecentFiles(settings.RecentFiles, profile);
}

double StarLimitFromIndex(int starsLimit) {
  return starsLimit == 11 ? 7.5 : 1.0 + 0.5 * starsLimit;
}

double DeepSkyLimitFromIndex(int deepSkyLimit) { return deepSkyLimit + 6.0; }

astro::ObserverPlace ObserverPlaceOf(const AppSettings& settings) {
  astro::ObserverPlace place;
  place.LongDeg = settings.LongDeg;
  place.LongMin = settings.LongMin;
  place.EW = settings.EW;
  place.LatDeg = settings.LatDeg;
  place.LatMin = settings.LatMin;
  place.NS = settings.NS;
  place.TimeZone = settings.TimeZone;
  place.DaylightSavingTime = settings.DaylightSavingTime;
  return place;
}
