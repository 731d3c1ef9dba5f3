#include "app/sky_doc.h"

#include <ctime>

#include "catalog/loaders.h"

CSkyDoc* g_SkyDoc = nullptr;

namespace {

// The computer's local time, to the minute; the seconds keep their value.
void SetFromLocalClock(astro::CivilTime& time) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  time.Year = local.tm_year + 1900;
  time.Month = local.tm_mon + 1;
  time.Day = local.tm_mday;
  time.Hour = local.tm_hour;
  time.Minute = local.tm_min;
}

}  // namespace

CSkyDoc::CSkyDoc(AppSettings& settings) : Settings(settings) {
  HorizonMode = settings.HorizonMode;
  Coordinations = settings.Coordinations;
  Boundaries = settings.Boundaries;
  Constelations = settings.Constelations;
  DeepSky = settings.DeepSky;
  DeepSkyLabels = settings.DeepSkyLabels;
  MilkyWay = settings.MilkyWay;
  SolarSystem = settings.SolarSystem;
  PlanetNames = settings.PlanetNames;
  Ecliptic = settings.Ecliptic;
  SkyColors = settings.SkyColors;
  StarsColors = settings.StarsColors;
  StarNames = settings.StarNames;
  XRotation = settings.XRotation;
  YRotation = settings.YRotation;
  StarMagnitudeLimit = StarLimitFromIndex(settings.StarsLimit);
  DeepSkyMagnitudeLimit = DeepSkyLimitFromIndex(settings.DeepSkyLimit);
  g_SkyDoc = this;
}

CSkyDoc::~CSkyDoc() {
  Settings.HorizonMode = HorizonMode;
  Settings.Coordinations = Coordinations;
  Settings.Boundaries = Boundaries;
  Settings.Constelations = Constelations;
  Settings.DeepSky = DeepSky;
  Settings.DeepSkyLabels = DeepSkyLabels;
  Settings.MilkyWay = MilkyWay;
  Settings.SolarSystem = SolarSystem;
  Settings.PlanetNames = PlanetNames;
  Settings.Ecliptic = Ecliptic;
  Settings.SkyColors = SkyColors;
  Settings.StarsColors = StarsColors;
  Settings.StarNames = StarNames;
  Settings.XRotation = XRotation;
  Settings.YRotation = YRotation;
  if (g_SkyDoc == this) g_SkyDoc = nullptr;
}

void CSkyDoc::UpdateSky() {
  AstroState.UpdateSky(DocumentTime, ObserverPlaceOf(Settings), HorizonPoints, Bodies);
}

bool CSkyDoc::OnNewDocument(CCatalogueFailure& failure, CSkyScene* scene,
                            std::optional<astro::CivilTime> startTime) {
  if (startTime)
    DocumentTime = *startTime;
  else
    SetFromLocalClock(DocumentTime);
  UpdateSky();

  const auto load = [&failure](const char* file, bool opened) {
    if (!opened) failure.MissingFile(file);
  };
  load("bsc5.bin", catalog::LoadStars("bsc5.bin", Stars));
  load("snames.bin", catalog::LoadStarNames("snames.bin", ProperNames));
  load("cnstline.bin", catalog::LoadConstellationLines("cnstline.bin", ConstellationLines));
  load("constell.bin", catalog::LoadBoundaries("constell.bin", BoundaryPoints));
  load("deepsky.bin", catalog::LoadDeepSky("deepsky.bin", DeepSkyObjects));
  load("eclip.dat", catalog::LoadEcliptic("eclip.dat", EclipticPoints));
  load("cnames.bin", catalog::LoadConstellationNames("cnames.bin", ConstellationNames));
  load("location.dat", catalog::LoadLocations("location.dat", Locations));
  load("magellan.bin", catalog::LoadMagellanicClouds("magellan.bin", MagellanicClouds));

  if (scene) {
    if (!scene->DisplayListsBuilt()) scene->BuildDisplayLists();
    scene->LoadTextures();
    scene->SetFixedState();
  }
  return true;
}
