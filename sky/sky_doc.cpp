#include "sky/sky_doc.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <iterator>
#include <utility>

#include "astro/clock.h"
#include "astro/eclipse.h"
#include "astro/refraction.h"
#include "catalog/loaders.h"
#include "res/strings.h"
#include "sky/camera_math.h"
#include "sky/civil_time.h"

CSkyDoc* g_SkyDoc = nullptr;

void CCatalogueFailure::DamagedFile(const char*, const std::string&) {}

std::string DamagedFileMessage(const char* fileName, const catalog::LoadReport& report) {
  // Records are counted from 1, as a user counts the lines of a text file.
  const auto number = [](int index) { return std::to_string(index + 1); };
  std::string what;
  if (report.Unusable > 0) {
    using catalog::RecordFault;
    const int id = report.FirstFault == RecordFault::Motion ? res::IDS_FAULT_MOTION
                   : report.FirstFault == RecordFault::Zone
                       ? res::IDS_FAULT_ZONE
                       : res::IDS_FAULT_COORDINATES + static_cast<int>(report.FirstFault) -
                             static_cast<int>(RecordFault::Coordinates);
    const std::string fault(res::String(id));
    what = report.Unusable == 1
               ? res::Format(res::IDS_RECORD_UNUSABLE, {number(report.FirstUnusable), fault})
               : res::Format(res::IDS_RECORDS_UNUSABLE, {std::to_string(report.Unusable),
                                                         number(report.FirstUnusable), fault});
  }
  if (report.Missing > 0) {
    if (!what.empty()) what += "; ";
    const int last = report.FirstMissing + report.Missing - 1;
    what += report.Missing == 1 ? res::Format(res::IDS_RECORD_MISSING, number(last))
                                : res::Format(res::IDS_RECORDS_MISSING,
                                              {number(report.FirstMissing), number(last)});
  }
  return res::Format(res::IDS_DAMAGED_FILE, {fileName, what});
}

CSkyDoc::CSkyDoc(AppSettings& settings, catalog::DataFiles files)
    : DeepCatalogues(files), Settings(settings), files_(std::move(files)) {
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
  Refraction = settings.Refraction;
  EyepieceFields = settings.EyepieceFields;
  XRotation = settings.XRotation;
  YRotation = settings.YRotation;
  StarMagnitudeLimit = StarLimitFromIndex(settings.StarsLimit);
  DeepSkyMagnitudeLimit = DeepSkyLimitFromIndex(settings.DeepSkyLimit);
  // The automatic limits follow the zoom the view starts with.
  UpdateAutoLimits(settings.Zoom == 0 ? 1.0 : settings.Zoom);
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
  Settings.Refraction = Refraction;
  Settings.EyepieceFields = EyepieceFields;
  Settings.XRotation = XRotation;
  Settings.YRotation = YRotation;
  if (g_SkyDoc == this) g_SkyDoc = nullptr;
}

void CSkyDoc::SetDocumentTime(const std::optional<astro::DateTimeArgument>& time) {
  if (!time)
    SetInstant(std::time(nullptr));
  else if (time->UtOffsetSeconds)
    SetInstant(astro::SecondsOfCivil(time->Time) - *time->UtOffsetSeconds);
  else
    DocumentTime = time->Time;
}

void CSkyDoc::SetInstant(std::int64_t utSeconds) {
  instantRules_ = ClockRulesOf(Settings);
  Instant = sky::CivilTimeAt(instantRules_, utSeconds);
  DocumentTime = Instant.Clock;
}

void CSkyDoc::UpdateSky() {
  const sky::ClockRules rules = ClockRulesOf(Settings);
  if (!(rules == instantRules_ && Instant.Clock == DocumentTime)) {
    Instant = sky::ResolveLocalTime(rules, DocumentTime);
    instantRules_ = rules;
  }
  // A time in a gap moves forward; a day past the end of a shorter month
  // stays as it was set (the Julian day counts on into the next month).
  if (Instant.Change == sky::ClockChange::Gap) DocumentTime = Instant.Clock;
  AstroState.UpdateSky(DocumentTime, ObserverPlaceOf(Settings, Instant.OffsetSeconds / 3600.0),
                       HorizonPoints, Bodies);
  CatalogueMotion.Follow(*this);
  Conditions();
}

const render::SkyConditions& CSkyDoc::Conditions() {
  const astro::PlanetState &sun = Bodies[astro::kSun], &moon = Bodies[astro::kMoon];
  const ConditionInputs inputs{sun,
                               moon,
                               AstroState.JulianDay,
                               AstroState.SiderealAngle,
                               AstroState.Latitude,
                               AstroState.Longitude,
                               SkyColors,
                               SolarSystem,
                               Settings.DeepSkyLimit,
                               DeepSkyMagnitudeLimit};
  if (conditionInputs_ == inputs) return conditions_;
  conditionInputs_ = inputs;
  const auto altitude = [this](const astro::PlanetState& body) {
    return AstroState.HorizonOf(body.RightAscension, body.Declination).Altitude;
  };
  conditions_ =
      render::ComputeSkyConditions(altitude(sun), altitude(moon), moon.HelioDistance,
                                   astro::EclipseDarkeningNow(AstroState, Bodies), SkyColors != 0,
                                   SolarSystem != 0, Settings.DeepSkyLimit, DeepSkyMagnitudeLimit);
  return conditions_;
}

void CSkyDoc::LoadPlaces(CCatalogueFailure& failure) {
  const std::optional<std::string> zones =
      catalog::ReadTextFile(files_.Path("location_zones.tab").c_str());
  Places = catalog::PlacesOfLocations(Locations, kLocationCount, zones.value_or(""));
  if (const std::optional<std::string> cities =
          catalog::ReadTextFile(files_.Path("cities.tab").c_str())) {
    catalog::LoadReport report;
    std::vector<catalog::Place> more = catalog::ReadCities(*cities, sky::IsKnownTimeZone, &report);
    Places.insert(Places.end(), std::make_move_iterator(more.begin()),
                  std::make_move_iterator(more.end()));
    if (report.Damaged())
      failure.DamagedFile("cities.tab", DamagedFileMessage("cities.tab", report));
  }
}

bool CSkyDoc::OnNewDocument(CCatalogueFailure& failure, CSkyScene* scene,
                            std::optional<astro::DateTimeArgument> startTime) {
  SetDocumentTime(startTime);
  UpdateSky();

  // A file that cannot be opened ends the program; a damaged one is named
  // and the sky is shown without the records left out.
  const auto load = [this, &failure](const char* file, auto loader, auto& records) {
    catalog::LoadReport report;
    if (!loader(files_.Path(file).c_str(), records, &report)) failure.MissingFile(file);
    if (report.Damaged()) failure.DamagedFile(file, DamagedFileMessage(file, report));
  };
  load("bsc5.bin", catalog::LoadStars, Stars);
  load("snames.bin", catalog::LoadStarNames, ProperNames);
  load("cnstline.bin", catalog::LoadConstellationLines, ConstellationLines);
  load("constell.bin", catalog::LoadBoundaries, BoundaryPoints);
  load("deepsky.bin", catalog::LoadDeepSky, DeepSkyObjects);
  load("eclip.dat", catalog::LoadEcliptic, EclipticPoints);
  load("cnames.bin", catalog::LoadConstellationNames, ConstellationNames);
  load("location.dat", catalog::LoadLocations, Locations);
  load("magellan.bin", catalog::LoadMagellanicClouds, MagellanicClouds);
  // Without the motions (a data directory of an older release) the stars
  // stay at their J2000.0 places.
  catalog::LoadReport motions;
  if (catalog::LoadStarMotions(files_.Path("bsc5motion.bin").c_str(), StarMotions, &motions) &&
      motions.Damaged())
    failure.DamagedFile("bsc5motion.bin", DamagedFileMessage("bsc5motion.bin", motions));
  LoadPlaces(failure);
  CatalogueMotion.Keep(*this);
  CatalogueMotion.Follow(*this);

  if (scene) PrepareScene(*scene);
  return true;
}

void CSkyDoc::PrepareScene(CSkyScene& scene) {
  if (!scene.DisplayListsBuilt()) scene.BuildDisplayLists();
  scene.LoadTextures();
  scene.SetFixedState();
}

void CSkyDoc::UpdateAutoLimits(double zoom) {
  if (!Settings.AutoMode || zoom < 1) return;
  // Zoomed in, the limits reach down into the faint-star and NGC/IC files:
  // their whole depth from zoom 64 on.
  struct Step {
    double BelowZoom, Stars, DeepSky;
  };
  static constexpr Step kSteps[] = {{2, 5.0, 6},   {4, 5.5, 7},    {8, 6.0, 8},  {16, 6.5, 9},
                                    {32, 8.0, 11}, {64, 10.0, 13}, {0, 13.0, 16}};
  const Step* step = kSteps;
  while (step->BelowZoom != 0 && zoom >= step->BelowZoom) ++step;
  StarMagnitudeLimit = step->Stars;
  DeepSkyMagnitudeLimit = step->DeepSky;
  Settings.StarsLimit = StarsLimitIndexOf(StarMagnitudeLimit);
  Settings.DeepSkyLimit = static_cast<int>(DeepSkyMagnitudeLimit - 6);
}

void CSkyDoc::PrepareCatalogues() {
  // The faint stars are drawn to a depth no deeper than the stars' limit.
  if (StarMagnitudeLimit > sky::kBrightestFaintStar)
    DeepCatalogues.ReadFaintStars(StarMagnitudeLimit);
  if (Settings.ShowNGC) DeepCatalogues.ReadNgcIc();
}

bool CSkyDoc::DiscDepth(int x, int y, double zoom, double& winZ) const {
  const double dx = x - ViewCentreX;
  const double dy = y - ViewCentreY;
  const double radius = (std::min(Viewport[2], Viewport[3]) / 2) * zoom;
  if (radius <= 0) return false;
  const double q = (dx * dx + dy * dy) / (radius * radius);
  if (1 - q < 0) return false;
  winZ = 1 - std::sqrt(1 - q);
  return true;
}

catalog::SkyView CSkyDoc::VisibleSky(double zoom) const {
  const int width = Viewport[2], height = Viewport[3];
  // The orthographic sphere: a place at angle t from the middle lies sin(t)
  // disc radii from it.
  const double discRadius = (std::min(width, height) / 2) * zoom;
  const double corner = std::hypot(width, height) / 2;
  catalog::SkyView view;
  if (discRadius <= 0 || !WindowToSky(width / 2, height / 2, zoom, view.RaHours, view.DecDegrees)) {
    view.RadiusDegrees = 180;  // no frame yet: everything
    return view;
  }
  constexpr double kMoves = 0.5, kRefraction = 1.0;
  view.RadiusDegrees = std::asin(std::min(corner / discRadius, 1.0)) / astro::kDegToRad + kMoves +
                       (Refracting() ? kRefraction : 0.0);
  return view;
}

bool CSkyDoc::WindowToSphere(int x, int y, double zoom, double point[3]) const {
  double winZ;
  return DiscDepth(x, y, zoom, winZ) &&
         render::UnProjectPoint(x, y, winZ, ModelviewMatrix, ProjectionMatrix, Viewport, point);
}

bool CSkyDoc::WindowToSky(int x, int y, double zoom, double& ra, double& dec) const {
  double winZ, p[3];
  if (!DiscDepth(x, y, zoom, winZ) ||
      !render::UnProjectPoint(x, Viewport[3] - y, winZ, ModelviewMatrix, ProjectionMatrix, Viewport,
                              p))
    return false;
  if (Refracting()) astro::RefractPoint(AstroState.ZenithPoint, p, false);
  double w = std::atan2(p[0], -p[2]) * 57.29577951308232;
  w -= 360.0 * std::floor(w / 360.0);
  ra = 24.0 - w / 15.0;
  dec = std::asin(std::clamp(p[1], -1.0, 1.0)) * 57.29577951308232;
  return true;
}

void CSkyDoc::DrawingPoint(double ra, double dec, double point[3]) const {
  astro::EquatorialToSphere(ra, dec, point);
  if (Refracting()) astro::RefractPoint(AstroState.ZenithPoint, point, true);
}

astro::HorizontalCoord CSkyDoc::HorizontalOf(double ra, double dec) const {
  astro::HorizontalCoord h = AstroState.HorizonOf(ra, dec);
  if (Refracting()) h.Altitude = astro::ApparentAltitude(h.Altitude);
  return h;
}

bool CSkyDoc::SkyToWindow(double x, double y, double z, double& winX, double& winY) const {
  double win[3];
  if (!render::ProjectPoint(x, y, z, ModelviewMatrix, ProjectionMatrix, Viewport, win))
    return false;
  if (win[2] >= 1.0) return false;
  // Comparisons with NaN are false: not-a-number results are refused too.
  const bool near = win[0] >= Viewport[0] - kMaxWindowDistance &&
                    win[0] <= Viewport[0] + Viewport[2] + kMaxWindowDistance &&
                    win[1] >= Viewport[1] - kMaxWindowDistance &&
                    win[1] <= Viewport[1] + Viewport[3] + kMaxWindowDistance;
  if (!near) return false;
  winX = win[0];
  winY = win[1];
  return true;
}
