#include "sky/app_settings.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <variant>

#include "astro/format.h"
#include "res/strings.h"
#include "sky/find_history.h"
#include "sky/profile.h"
#include "sky/recent_files.h"
#include "sky/zoom_range.h"

namespace {

constexpr const char* kSettings = "Settings";
constexpr const char* kLocation = "Location";
constexpr const char* kTelescope = "Telescope";
constexpr const char* kTimeZoneId = "TimeZoneId";
constexpr const char* kLanguage = "Language";

// Reals: the file's number of decimals and the range the program works in.
// Angles may take any value the moves, clicks and searches leave (within
// two turns either way); beyond that they are reduced to [0, 360).
struct RealKey {
  double AppSettings::*field;
  const char* defaultText;
  int decimals;
  double low, high;
  bool angle;
};
struct FloatKey {
  float AppSettings::*field;
  const char* defaultText;
  int decimals;
  double low, high;
};
struct IntKey {
  int AppSettings::*field;
  int low = 0, high = 1;  // switches by default
  // Minutes: none when these degrees (read before them) are at their limit.
  int AppSettings::*degrees = nullptr;
  int degreesLimit = 0;
};
// Strings of a few allowed texts: `allowed[0]` and `allowed[1]`, anything
// else reading as `allowed[1]`; a null list allows any text.
struct StringKey {
  std::string AppSettings::*field;
  const char* allowed[2] = {nullptr, nullptr};
  // A time zone: empty, or one the system knows (others read as empty).
  bool timeZone = false;
};

struct Key {
  const char* section;
  const char* name;
  std::variant<RealKey, FloatKey, IntKey, StringKey> kind;
};

constexpr int kColourMax = 0xFFFFFF;
constexpr double kTurns = 720.0;

// In the order the keys are read; the save writes StarsNamesColor before PlanetNamesColor.
const Key kKeys[] = {
    // A Zoom of 0 stays 0: the view starts such a file at zoom 1.
    {kSettings, "Zoom", RealKey{&AppSettings::Zoom, "2.0", 1, sky::kMinZoom, sky::kMaxZoom, false}},
    {kSettings, "XRotation", RealKey{&AppSettings::XRotation, "0.0", 2, -kTurns, kTurns, true}},
    {kSettings, "YRotation", RealKey{&AppSettings::YRotation, "270.0", 2, -kTurns, kTurns, true}},
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
    {kSettings, "AltAzGrid", IntKey{&AppSettings::AltAzGrid}},
    {kSettings, "Meridian", IntKey{&AppSettings::Meridian}},
    {kSettings, "Boundaries", IntKey{&AppSettings::Boundaries}},
    {kSettings, "Constelations", IntKey{&AppSettings::Constelations}},
    {kSettings, "DeepSky", IntKey{&AppSettings::DeepSky}},
    {kSettings, "MilkyWay", IntKey{&AppSettings::MilkyWay}},
    {kSettings, "SolarSystem", IntKey{&AppSettings::SolarSystem}},
    {kSettings, "Ecliptic", IntKey{&AppSettings::Ecliptic}},
    {kSettings, "StarsLimit", IntKey{&AppSettings::StarsLimit, 0, kStarsLimitLast}},
    {kSettings, "DeepSkyLimit", IntKey{&AppSettings::DeepSkyLimit, 0, kDeepSkyLimitLast}},
    {kSettings, "AutoMode", IntKey{&AppSettings::AutoMode}},
    {kSettings, "HorizonMode", IntKey{&AppSettings::HorizonMode}},
    {kSettings, "StarsColors", IntKey{&AppSettings::StarsColors}},
    {kSettings, "StarsDrawPoints", IntKey{&AppSettings::StarsDrawPoints}},
    {kSettings, "SkyColors", IntKey{&AppSettings::SkyColors}},
    {kSettings, "Refraction", IntKey{&AppSettings::Refraction}},
    {kSettings, "EyepieceFields", IntKey{&AppSettings::EyepieceFields}},
    {kSettings, "RealTime", IntKey{&AppSettings::RealTime}},
    {kSettings, "SmallBodies", IntKey{&AppSettings::SmallBodies}},
    {kSettings, "SmallBodyMagnitudeLimit",
     RealKey{&AppSettings::SmallBodyMagnitudeLimit, "12.0", 1, 0.0, 20.0, false}},
    {kSettings, "RedSpotLongitude",
     RealKey{&AppSettings::RedSpotLongitude, "52.0", 1, 0.0, 360.0, true}},
    {kSettings, "RedSpotEpoch",
     RealKey{&AppSettings::RedSpotEpoch, "2025.0", 2, 1600.0, 2400.0, false}},
    {kSettings, "RedSpotDrift", RealKey{&AppSettings::RedSpotDrift, "18.0", 1, -60.0, 60.0, false}},
    {kSettings, "LatinConstellationNames", IntKey{&AppSettings::LatinConstellationNames}},
    {kSettings, "DeepSkyColor", IntKey{&AppSettings::DeepSkyColor, 0, kColourMax}},
    {kSettings, "DeepSkyLabelsColor", IntKey{&AppSettings::DeepSkyLabelsColor, 0, kColourMax}},
    {kSettings, "PlanetNamesColor", IntKey{&AppSettings::PlanetNamesColor, 0, kColourMax}},
    {kSettings, "StarsNamesColor", IntKey{&AppSettings::StarsNamesColor, 0, kColourMax}},
    {kSettings, "GridsColor", IntKey{&AppSettings::GridsColor, 0, kColourMax}},
    {kSettings, "ConstLinesColor", IntKey{&AppSettings::ConstLinesColor, 0, kColourMax}},
    {kSettings, "ConstBoundariesColor", IntKey{&AppSettings::ConstBoundariesColor, 0, kColourMax}},
    {kSettings, "ConstLabelsColor", IntKey{&AppSettings::ConstLabelsColor, 0, kColourMax}},
    {kSettings, "EclipticColor", IntKey{&AppSettings::EclipticColor, 0, kColourMax}},
    {kLocation, "Location", StringKey{&AppSettings::Location}},
    {kLocation, "LongDeg", IntKey{&AppSettings::LongDeg, 0, 180}},
    {kLocation, "LongMin", IntKey{&AppSettings::LongMin, 0, 59, &AppSettings::LongDeg, 180}},
    {kLocation, "EW", StringKey{&AppSettings::EW, {"E", "W"}}},
    {kLocation, "LatDeg", IntKey{&AppSettings::LatDeg, 0, 90}},
    {kLocation, "LatMin", IntKey{&AppSettings::LatMin, 0, 59, &AppSettings::LatDeg, 90}},
    {kLocation, "NS", StringKey{&AppSettings::NS, {"N", "S"}}},
    // Civil time zones run from 12 hours behind Greenwich to 14 ahead.
    {kLocation, "TimeZone", FloatKey{&AppSettings::TimeZone, "1", 1, -12.0, 14.0}},
    {kLocation, "DaylightSavingTime", IntKey{&AppSettings::DaylightSavingTime}},
    {kLocation, kTimeZoneId, StringKey{&AppSettings::TimeZoneId, {}, true}},
    {kTelescope, "Host", StringKey{&AppSettings::TelescopeHost}},
    {kTelescope, "Port", IntKey{&AppSettings::TelescopePort, 1, 65535}},
    {kTelescope, "Device", StringKey{&AppSettings::TelescopeDevice}},
    {kTelescope, "FieldsOnTelescope", IntKey{&AppSettings::FieldsOnTelescope}},
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

// x reduced to [0, 360) exactly, however large it is (a tiny negative
// remainder that would round up to 360 becomes 0).
double Reduce360(double x) {
  double r = std::fmod(x, 360.0);
  if (r < 0) r += 360.0;
  return r < 360.0 ? r : 0.0;
}

// The value brought into its key's range; true when it had to change.
bool Clamp(const RealKey& k, double& v) {
  const double before = v;
  if (!std::isfinite(v)) {
    v = 0;  // as the file would read it
  } else if (k.angle) {
    if (v < k.low || v > k.high) v = Reduce360(v);
  } else if (v != 0 || k.low <= 0) {  // a Zoom of 0 is left to the view
    v = std::clamp(v, k.low, k.high);
  }
  return v != before;
}
bool Clamp(const FloatKey& k, float& v) {
  const float before = v;
  if (!std::isfinite(v)) v = 0;
  v = static_cast<float>(std::clamp(static_cast<double>(v), k.low, k.high));
  return v != before;
}
bool Clamp(const IntKey& k, int& v) {
  const int before = v;
  v = std::clamp(v, k.low, k.high);
  return v != before;
}
bool Clamp(const StringKey& k, std::string& v) {
  if (k.timeZone) {
    if (v.empty() || sky::IsKnownTimeZone(v)) return false;
    v.clear();
    return true;
  }
  if (!k.allowed[0] || v == k.allowed[0] || v == k.allowed[1]) return false;
  v = k.allowed[1];
  return true;
}

// Shortest text that reads back as exactly `v`.
template <typename T>
std::string ShortestText(T v) {
  char text[64];
  const auto [end, error] = std::to_chars(text, text + sizeof text, v);
  return error == std::errc() ? std::string(text, end) : std::string();
}

// The text a real is written as: fixed-point with the key's decimals,
// right-aligned in 4 characters; more digits when those would not read back
// as the value the program holds.
template <typename T>
std::string RealText(T v, int decimals) {
  std::string text = astro::FormatFixed(v, decimals);
  if (static_cast<T>(ParseReal(text)) == v) return text;
  text = ShortestText(v);
  if (text.size() < 4) text.insert(0, 4 - text.size(), ' ');
  return text;
}

void StoreKey(const Key& key, const AppSettings& settings, CProfile& profile) {
  std::visit(
      [&](const auto& k) {
        using K = std::decay_t<decltype(k)>;
        if constexpr (std::is_same_v<K, RealKey> || std::is_same_v<K, FloatKey>)
          profile.WriteNumber(key.section, key.name, RealText(settings.*k.field, k.decimals));
        else if constexpr (std::is_same_v<K, IntKey>)
          profile.WriteInt(key.section, key.name, settings.*k.field);
        else
          profile.WriteString(key.section, key.name, settings.*k.field);
      },
      key.kind);
}

// Every field brought into its key's range; "Key=old -> new" for each one changed.
std::vector<std::string> ClampFields(AppSettings& settings, const CProfile* read) {
  std::vector<std::string> changes;
  for (const Key& key : kKeys) {
    std::visit(
        [&](const auto& k) {
          using K = std::decay_t<decltype(k)>;
          K range = k;
          if constexpr (std::is_same_v<K, IntKey>)
            if (k.degrees && settings.*k.degrees >= k.degreesLimit) range.high = 0;
          const auto text = [&](const auto& value) {
            std::string t;
            if constexpr (std::is_same_v<K, RealKey> || std::is_same_v<K, FloatKey>)
              t = RealText(value, k.decimals);
            else if constexpr (std::is_same_v<K, IntKey>)
              t = std::to_string(value);
            else
              // A text refused gives way to none (an unknown time zone): say so.
              t = value.empty() ? "none" : value;
            t.erase(0, t.find_first_not_of(' '));
            return t;
          };
          const auto held = settings.*k.field;
          if (!Clamp(range, settings.*k.field)) return;
          // As the file has it; as held when the file does not have it.
          constexpr std::string_view kAbsent = "\x01";
          std::string before = read ? read->GetString(key.section, key.name, kAbsent) : "";
          if (!read || before == kAbsent) before = text(held);
          const std::string after = text(settings.*k.field);
          changes.push_back(std::string(key.name) + "=" + before + " -> " + after);
        },
        key.kind);
  }
  return changes;
}

}  // namespace

std::vector<std::string> LoadSettings(const CProfile& profile, AppSettings& settings) {
  const AppSettings defaults;
  for (const Key& key : kKeys) {
    std::visit(
        [&](const auto& k) {
          using K = std::decay_t<decltype(k)>;
          if constexpr (std::is_same_v<K, RealKey>)
            settings.*k.field = ParseReal(profile.GetString(key.section, key.name, k.defaultText));
          else if constexpr (std::is_same_v<K, FloatKey>)
            // Within float's range, so that the conversion is defined (the
            // clamp below brings it into the key's range).
            settings.*k.field = static_cast<float>(
                std::clamp(ParseReal(profile.GetString(key.section, key.name, k.defaultText)),
                           -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
          else if constexpr (std::is_same_v<K, IntKey>)
            settings.*k.field = profile.GetInt(key.section, key.name, defaults.*k.field);
          else
            settings.*k.field = profile.GetString(key.section, key.name, defaults.*k.field);
        },
        key.kind);
  }
  // A file of an older version keeps its place without a zone: its time zone
  // field and daylight-saving option go on meaning what they meant.
  constexpr std::string_view kAbsent = "\x01";
  const auto given = [&](const char* name) {
    return profile.GetString(kLocation, name, kAbsent) != kAbsent;
  };
  if (!given(kTimeZoneId) && std::any_of(std::begin(kKeys), std::end(kKeys), [&](const Key& key) {
        return std::string_view(key.section) == kLocation && given(key.name);
      }))
    settings.TimeZoneId.clear();
  settings.RecentFiles = sky::LoadRecentFiles(profile);
  settings.FindHistory = sky::LoadFindHistory(profile);
  std::vector<std::string> changes = ClampFields(settings, &profile);
  settings.Language = profile.GetString(kSettings, kLanguage, "");
  if (!IsLanguageName(settings.Language)) {
    changes.push_back(std::string(kLanguage) + "=" + settings.Language + " -> \"\"");
    settings.Language.clear();
  }
  settings.Fields = sky::LoadEyepieceFields(profile, changes);
  return changes;
}

void ClampSettings(AppSettings& settings) {
  ClampFields(settings, nullptr);
  sky::ClampEyepieceFields(settings.Fields);
}

std::string SettingsClampedMessage(const std::string& path,
                                   const std::vector<std::string>& changes) {
  std::string list;
  for (const std::string& change : changes) list += (list.empty() ? "" : ", ") + change;
  return res::Format(res::IDS_SETTINGS_CLAMPED, {path, list});
}

void StoreSettings(const AppSettings& held, CProfile& profile) {
  AppSettings settings = held;
  ClampSettings(settings);
  for (const Key& key : kKeys) {
    const std::string_view name = key.name;
    if (name == "PlanetNamesColor") continue;  // written after StarsNamesColor
    StoreKey(key, settings, profile);
    if (name == "StarsNamesColor") {
      for (const Key& other : kKeys)
        if (std::string_view(other.name) == "PlanetNamesColor") StoreKey(other, settings, profile);
    }
  }
  constexpr std::string_view kAbsent = "\x01";
  const std::string language = IsLanguageName(settings.Language) ? settings.Language : "";
  if (!language.empty() || profile.GetString(kSettings, kLanguage, kAbsent) != kAbsent)
    profile.WriteString(kSettings, kLanguage, language);
  sky::StoreRecentFiles(settings.RecentFiles, profile);
  sky::StoreFindHistory(settings.FindHistory, profile);
  sky::StoreEyepieceFields(settings.Fields, profile);
}

bool IsLanguageName(std::string_view name) {
  // "de", "pt_BR", "zh_Hant_TW": letters in parts joined by underscores.
  if (name.size() > 16) return false;
  bool partStarts = true;
  for (const char c : name) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!letter && (c != '_' || partStarts)) return false;
    partStarts = c == '_';
  }
  return !partStarts || name.empty();
}

double StarLimitFromIndex(int starsLimit) {
  return starsLimit == 11 ? 7.5 : 1.0 + 0.5 * starsLimit;
}

double DeepSkyLimitFromIndex(int deepSkyLimit) { return deepSkyLimit + 6.0; }

int StarsLimitIndexOf(double starLimit) {
  if (starLimit == 7.5) return 11;
  return std::clamp(static_cast<int>(starLimit * 2 - 2), 0, kStarsLimitLast);
}

void FirstStartView(AppSettings& settings) {
  settings.HorizonMode = 1;
  settings.SkyColors = 1;
  // Zooming in shows fainter stars and objects.
  settings.AutoMode = 1;
  // In local-horizon mode YRotation 90 faces the south, 270 the north;
  // XRotation is minus the altitude of the view's middle.
  settings.YRotation = settings.NS == "S" ? 270.0 : 90.0;
  settings.XRotation = 345.0;
}

astro::RedSpotDrift RedSpotDriftOf(const AppSettings& settings) {
  return {settings.RedSpotLongitude, settings.RedSpotEpoch, settings.RedSpotDrift};
}

astro::ObserverPlace ObserverPlaceOf(const AppSettings& settings, double utOffsetHours) {
  astro::ObserverPlace place;
  place.LongDeg = settings.LongDeg;
  place.LongMin = settings.LongMin;
  place.EW = settings.EW;
  place.LatDeg = settings.LatDeg;
  place.LatMin = settings.LatMin;
  place.NS = settings.NS;
  place.UtOffset = utOffsetHours;
  return place;
}

sky::ClockRules ClockRulesOf(const AppSettings& settings) {
  sky::ClockRules rules;
  rules.ZoneId = settings.TimeZoneId;
  rules.StandardOffset = settings.TimeZone;
  rules.SummerTimeOption = settings.DaylightSavingTime == 1;
  return rules;
}

bool DeepSkyTypeShown(const AppSettings& settings, catalog::DeepSkyType type) {
  using catalog::DeepSkyType;
  switch (type) {
    case DeepSkyType::OpenCluster:
      return settings.ShowOpenClusters == 1;
    case DeepSkyType::GlobularCluster:
      return settings.ShowGlobClusters == 1;
    case DeepSkyType::Galaxy:
      return settings.ShowGalaxies == 1;
    case DeepSkyType::Nebula:
      return settings.ShowNebulae == 1;
    case DeepSkyType::PlanetaryNebula:
      return settings.ShowPlanetNebulae == 1;
    case DeepSkyType::Unknown:
      break;
  }
  return false;
}

bool DeepSkyObjectShown(const AppSettings& settings, int index, catalog::DeepSkyType type) {
  const int catalogue = catalog::IsMessierIndex(index) ? settings.ShowMessier : settings.ShowNGC;
  return catalogue == 1 && DeepSkyTypeShown(settings, type);
}
