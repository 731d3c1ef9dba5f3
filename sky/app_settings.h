// Every setting that survives a restart: read once at start-up, written once at exit.
#pragma once

#include <string>
#include <vector>

#include "astro/astro_state.h"

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
  float TimeZone = 1.0f;
  int DaylightSavingTime = 1;
  // [Recent File List] File1 ... File4: the pictures opened last, most recent first
  std::vector<std::string> RecentFiles;
};

// Fills every field from the profile; missing keys take the defaults above,
// reals that are not finite numbers read as 0.
void LoadSettings(const CProfile& profile, AppSettings& settings);

// Writes every field into the profile (reals as fixed-point text with the
// decimals of their key), keeping whatever else the profile holds.
void StoreSettings(const AppSettings& settings, CProfile& profile);

// The star magnitude limit of an index: 1.0 + 0.5 * index, except that the
// default 11 gives 7.5 (as does 13, the magnitude dialog's top position).
double StarLimitFromIndex(int starsLimit);
// The deep-sky magnitude limit of an index: index + 6.
double DeepSkyLimitFromIndex(int deepSkyLimit);

// The observer's place and clock rules as the astronomy engine takes them.
astro::ObserverPlace ObserverPlaceOf(const AppSettings& settings);
