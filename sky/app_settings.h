// Every setting that survives a restart: read once at start-up, written once at exit.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "astro/astro_state.h"
#include "astro/jupiter_meridian.h"
#include "catalog/builtin_tables.h"
#include "sky/civil_time.h"
#include "sky/eyepiece_fields.h"

class CProfile;

struct AppSettings {
  // [Settings]
  double Zoom = 2.0;
  double XRotation = 0.0;
  double YRotation = 270.0;
  int ShowMessier = 1;
  int ShowNGC = 1;
  int ShowOpenClusters = 1;
  int ShowGlobClusters = 1;
  int ShowGalaxies = 1;
  int ShowNebulae = 1;
  int ShowPlanetNebulae = 1;
  int StarNames = 1;
  int PlanetNames = 1;
  int DeepSkyLabels = 1;
  int DeepSkyLabelByNumber = 1;
  int DeepSkyDrawSymbols = 0;
  int Coordinations = 0;
  int AltAzGrid = 0;
  int Meridian = 0;
  int Boundaries = 1;
  int Constelations = 0;
  int DeepSky = 1;
  int MilkyWay = 1;
  int SolarSystem = 1;
  int Ecliptic = 1;
  int StarsLimit = 11;
  int DeepSkyLimit = 5;
  int AutoMode = 0;
  int HorizonMode = 0;
  int StarsColors = 1;
  int StarsDrawPoints = 0;
  int SkyColors = 0;
  // Local-horizon mode lifts everything by the atmosphere's refraction.
  int Refraction = 1;
  // The fields of the eyepieces and cameras drawn round the middle of the view.
  int EyepieceFields = 1;
  int RealTime = 1;  // the sky kept at the present instant
  // The comets and minor planets, down to their own magnitude limit.
  int SmallBodies = 1;
  double SmallBodyMagnitudeLimit = 12.0;
  // The Great Red Spot's System II longitude (degrees) at an epoch (a
  // Julian year) and its drift (degrees a year), which turn Jupiter's map:
  // 52 degrees at 2025.0, drifting 18 degrees a year, near what the
  // observers of the 2014-2024 apparitions measured. A user keeps them
  // current from the published longitudes.
  double RedSpotLongitude = 52.0;
  double RedSpotEpoch = 2025.0;
  double RedSpotDrift = 18.0;
  // The constellations named in Latin in every language; off: in the
  // window's language where it has names of its own.
  int LatinConstellationNames = 0;
  // The window's language as a locale name ("de", "pt_BR"); empty: the
  // system's. Written only once chosen, so that older files stay as they are.
  std::string Language;
  // Colours: blue * 65536 + green * 256 + red.
  int DeepSkyColor = 16744448;
  int DeepSkyLabelsColor = 16776960;
  int PlanetNamesColor = 16711935;
  int StarsNamesColor = 16711935;
  int GridsColor = 12632256;
  int ConstLinesColor = 65280;
  int ConstBoundariesColor = 255;
  int ConstLabelsColor = 65535;
  int EclipticColor = 16711680;
  // [Location]
  std::string Location = "Poland:Krakow";
  int LongDeg = 19;
  int LongMin = 55;
  std::string EW = "E";
  int LatDeg = 50;
  int LatMin = 2;
  std::string NS = "N";
  float TimeZone = 1.0f;  // standard offset, hours ahead of Greenwich
  // Without a zone: the clock keeps summer time whenever the computer's zone does.
  int DaylightSavingTime = 1;
  // The place's IANA time zone; empty for a place typed by hand. A file
  // with a [Location] section but without this key reads it empty.
  std::string TimeZoneId = "Europe/Warsaw";
  // [Telescope]: the INDI server and the device last chosen
  std::string TelescopeHost = "localhost";
  int TelescopePort = 7624;
  std::string TelescopeDevice;
  // The eyepiece fields centre on the telescope while it is connected.
  int FieldsOnTelescope = 1;
  // [Recent File List] File1 ... File4: the pictures opened last, most recent first
  std::vector<std::string> RecentFiles;
  // [Find History] Find1 ... Find20: the find box's last finds, newest first
  std::vector<std::string> FindHistory;
  // [Eyepiece Fields]: the fields the user defined, in the dialog's order
  std::vector<sky::EyepieceField> Fields;

  bool operator==(const AppSettings&) const = default;
};

// Fills every field from the profile; missing keys take the defaults above,
// reals that are not finite numbers read as 0, integers follow the rules of a
// private profile (negative values read as 0). Then every field is brought
// into its range (ClampSettings); returns "Key=text -> value" for each
// field that had to change, in the order of the file's keys.
std::vector<std::string> LoadSettings(const CProfile& profile, AppSettings& settings);

// The one message that names the settings of file `path` that LoadSettings
// brought into range (its list of changes).
std::string SettingsClampedMessage(const std::string& path,
                                   const std::vector<std::string>& changes);

// Brings every field into the range the program works in: switches 0-1,
// StarsLimit 0-24, DeepSkyLimit 0-10, colours 0-0xFFFFFF, LongDeg 0-180,
// LatDeg 0-90, minutes 0-59 (0 at 90 and 180 degrees), EW "E" or "W" and NS "N" or "S" (other texts
// read as "W" and "S"), Zoom 1-8192 (or 0, which the view starts at 1),
// TimeZone -12 to 14, a TimeZoneId the system does not know empty; XRotation and YRotation beyond
// two turns either way are reduced to [0, 360); the eyepiece fields as
// sky::ClampEyepieceFields brings them.
void ClampSettings(AppSettings& settings);

// Writes every field into the profile, brought into its range first,
// keeping whatever else the profile holds. Reals are fixed-point text with
// the decimals of their key, or more when those would not read back as the
// value held (a time zone of 5.75 is written 5.75, not 5.8).
void StoreSettings(const AppSettings& settings, CProfile& profile);

// Whether `name` can be the Language setting: empty, or a locale name of
// letters in parts joined by underscores ("de", "pt_BR"), at most 16 characters.
bool IsLanguageName(std::string_view name);

// The view of a first start, when there is no settings file yet: the local
// horizon in the sky's colours, facing the equator (the south from a
// northern place, the north from a southern one), the middle of the view 15
// degrees up so that the horizon lies in the lower third of the window; the
// magnitude limits follow the zoom.
void FirstStartView(AppSettings& settings);

// The star magnitude limit of an index: 1.0 + 0.5 * index, except that the
// default 11 gives 7.5 (as does 13, the magnitude dialog's top position).
double StarLimitFromIndex(int starsLimit);
// The deep-sky magnitude limit of an index: index + 6.
double DeepSkyLimitFromIndex(int deepSkyLimit);
// The deepest indices: stars to magnitude 13.0 (24), deep-sky objects to 16
// (10), the depth of the faint-star and NGC/IC files.
inline constexpr int kStarsLimitLast = 24;
inline constexpr int kDeepSkyLimitLast = 10;
// The StarsLimit index of a star limit: 11 for 7.5 (as the index has always
// been stored), else the limit's half magnitudes above 1.0, truncated.
int StarsLimitIndexOf(double starLimit);

// The Great Red Spot's drift of the settings.
astro::RedSpotDrift RedSpotDriftOf(const AppSettings& settings);

// The observer's place as the astronomy engine takes it, its clock
// `utOffsetHours` ahead of UT.
astro::ObserverPlace ObserverPlaceOf(const AppSettings& settings, double utOffsetHours);

// How the place's clock runs: its zone, else its standard offset and the
// daylight-saving option.
sky::ClockRules ClockRulesOf(const AppSettings& settings);

// Whether deep-sky objects of `type` are shown: only when the type's switch
// is exactly 1, on the screen and on the printed chart alike.
bool DeepSkyTypeShown(const AppSettings& settings, catalog::DeepSkyType type);
// Whether deep-sky record `index`, of `type`, is shown by the switches of
// its catalogue (Messier or NGC) and of its type, whatever its magnitude.
bool DeepSkyObjectShown(const AppSettings& settings, int index, catalog::DeepSkyType type);
