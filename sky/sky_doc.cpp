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
    : Catalogues(files), settings_(settings), files_(std::move(files)) {
  Limits.StarMagnitudeLimit = StarLimitFromIndex(settings.StarsLimit);
  Limits.DeepSkyMagnitudeLimit = DeepSkyLimitFromIndex(settings.DeepSkyLimit);
  // The automatic limits follow the zoom the view starts with.
  UpdateAutoLimits(settings.Zoom == 0 ? 1.0 : settings.Zoom);
  g_SkyDoc = this;
}

CSkyDoc::~CSkyDoc() {
  if (g_SkyDoc == this) g_SkyDoc = nullptr;
}

void CSkyDoc::SetDocumentTime(const std::optional<astro::DateTimeArgument>& time) {
  if (!time)
    SetInstant(std::time(nullptr));
  else if (time->UtOffsetSeconds)
    SetInstant(astro::SecondsOfCivil(time->Time) - *time->UtOffsetSeconds);
  else
    Sky.DocumentTime = time->Time;
}

void CSkyDoc::SetInstant(std::int64_t utSeconds) {
  instantRules_ = ClockRulesOf(settings_);
  Sky.Instant = sky::CivilTimeAt(instantRules_, utSeconds);
  Sky.DocumentTime = Sky.Instant.Clock;
}

void CSkyDoc::UpdateSky() {
  const sky::ClockRules rules = ClockRulesOf(settings_);
  if (!(rules == instantRules_ && Sky.Instant.Clock == Sky.DocumentTime)) {
    Sky.Instant = sky::ResolveLocalTime(rules, Sky.DocumentTime);
    instantRules_ = rules;
  }
  // A time in a gap moves forward; a day past the end of a shorter month
  // stays as it was set (the Julian day counts on into the next month).
  if (Sky.Instant.Change == sky::ClockChange::Gap) Sky.DocumentTime = Sky.Instant.Clock;
  Sky.AstroState.UpdateSky(Sky.DocumentTime,
                           ObserverPlaceOf(settings_, Sky.Instant.OffsetSeconds / 3600.0),
                           Sky.HorizonPoints, Sky.Bodies);
  sky::ComputeMoons(Sky.AstroState, Sky.Bodies, Sky.Moons);
  Sky.CatalogueMotion.Follow(Sky);
  sky::MoveSmallBodies(Sky.AstroState, Catalogues.SmallBodies, settings_.SmallBodyMagnitudeLimit,
                       Sky.SmallBodies);
  Conditions();
}

const render::SkyConditions& CSkyDoc::Conditions() {
  const astro::AstroState& state = Sky.AstroState;
  const astro::PlanetState &sun = Sky.Bodies[astro::kSun], &moon = Sky.Bodies[astro::kMoon];
  const ConditionInputs inputs{sun,
                               moon,
                               state.JulianDay,
                               state.SiderealAngle,
                               state.Latitude,
                               state.Longitude,
                               settings_.SkyColors,
                               settings_.SolarSystem,
                               settings_.DeepSkyLimit,
                               Limits.DeepSkyMagnitudeLimit};
  if (conditionInputs_ == inputs) return conditions_;
  conditionInputs_ = inputs;
  const auto altitude = [&state](const astro::PlanetState& body) {
    return state.HorizonOf(body.RightAscension, body.Declination).Altitude;
  };
  conditions_ = render::ComputeSkyConditions(altitude(sun), altitude(moon), moon.HelioDistance,
                                             astro::EclipseDarkeningNow(state, Sky.Bodies),
                                             inputs.SkyColors != 0, inputs.SolarSystem != 0,
                                             settings_.DeepSkyLimit, Limits.DeepSkyMagnitudeLimit);
  return conditions_;
}

void CSkyDoc::LoadPlaces(CCatalogueFailure& failure) {
  const std::optional<std::string> zones =
      catalog::ReadTextFile(files_.Path("location_zones.tab").c_str());
  std::vector<catalog::Place>& places = Catalogues.Places;
  places = catalog::PlacesOfLocations(Catalogues.Locations, kLocationCount, zones.value_or(""));
  if (const std::optional<std::string> cities =
          catalog::ReadTextFile(files_.Path("cities.tab").c_str())) {
    catalog::LoadReport report;
    std::vector<catalog::Place> more = catalog::ReadCities(*cities, sky::IsKnownTimeZone, &report);
    places.insert(places.end(), std::make_move_iterator(more.begin()),
                  std::make_move_iterator(more.end()));
    if (report.Damaged())
      failure.DamagedFile("cities.tab", DamagedFileMessage("cities.tab", report));
  }
}

void CSkyDoc::LoadSmallBodies(CCatalogueFailure& failure) {
  constexpr const char* kFile = "smallbodies.tab";
  bundledSmallBodies_.clear();
  if (const std::optional<std::string> text = catalog::ReadTextFile(files_.Path(kFile).c_str())) {
    catalog::ElementsImport read = catalog::ReadSmallBodyTable(*text, kFile);
    if (!read.Error.empty()) failure.DamagedFile(kFile, read.Error);
    bundledSmallBodies_ = std::move(read.Bodies);
  }
  std::string damaged;
  const std::vector<catalog::SmallBodyElements> kept =
      keptElements_.empty() ? std::vector<catalog::SmallBodyElements>()
                            : sky::KeptElements(keptElements_, damaged);
  if (!damaged.empty()) failure.DamagedFile(sky::kKeptElementsFile, damaged);
  Catalogues.SmallBodies = sky::MergeSmallBodies(bundledSmallBodies_, kept);
  ++Catalogues.SmallBodiesVersion;
}

sky::ElementsImportResult CSkyDoc::ImportElements(const std::vector<std::string>& paths) {
  const sky::ElementsImportResult result = sky::ImportElementFiles(paths, keptElements_);
  if (!result.Error.empty()) return result;
  std::string damaged;
  Catalogues.SmallBodies =
      sky::MergeSmallBodies(bundledSmallBodies_, sky::KeptElements(keptElements_, damaged));
  ++Catalogues.SmallBodiesVersion;
  if (Selected && Selected->What == sky::SkyObjectRef::SmallBody) {
    Selected.reset();
    Run.Following = 0;
  }
  UpdateSky();
  return result;
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
  load("bsc5.bin", catalog::LoadStars, Sky.Stars);
  load("snames.bin", catalog::LoadStarNames, Sky.ProperNames);
  load("cnstline.bin", catalog::LoadConstellationLines, Sky.ConstellationLines);
  load("constell.bin", catalog::LoadBoundaries, Catalogues.BoundaryPoints);
  load("deepsky.bin", catalog::LoadDeepSky, Sky.DeepSkyObjects);
  load("eclip.dat", catalog::LoadEcliptic, Catalogues.EclipticPoints);
  load("cnames.bin", catalog::LoadConstellationNames, Catalogues.ConstellationNames);
  load("location.dat", catalog::LoadLocations, Catalogues.Locations);
  load("magellan.bin", catalog::LoadMagellanicClouds, Catalogues.MagellanicClouds);
  // Without the motions (a data directory of an older release) the stars
  // stay at their J2000.0 places.
  catalog::LoadReport motions;
  if (catalog::LoadStarMotions(files_.Path("bsc5motion.bin").c_str(), Catalogues.StarMotions,
                               &motions) &&
      motions.Damaged())
    failure.DamagedFile("bsc5motion.bin", DamagedFileMessage("bsc5motion.bin", motions));
  LoadPlaces(failure);
  LoadSmallBodies(failure);
  Sky.CatalogueMotion.Keep(Sky, Catalogues.StarMotions);
  Sky.CatalogueMotion.Follow(Sky);
  sky::MoveSmallBodies(Sky.AstroState, Catalogues.SmallBodies, settings_.SmallBodyMagnitudeLimit,
                       Sky.SmallBodies);

  if (scene) PrepareScene(*scene);
  return true;
}

void CSkyDoc::PrepareScene(CSkyScene& scene) {
  if (!scene.DisplayListsBuilt()) scene.BuildDisplayLists();
  scene.LoadTextures();
  scene.SetFixedState();
}

void CSkyDoc::UpdateAutoLimits(double zoom) {
  if (!settings_.AutoMode || zoom < 1) return;
  // Zoomed in, the limits reach down into the faint-star and NGC/IC files:
  // their whole depth from zoom 64 on.
  struct Step {
    double BelowZoom, Stars, DeepSky;
  };
  static constexpr Step kSteps[] = {{2, 5.0, 6},   {4, 5.5, 7},    {8, 6.0, 8},  {16, 6.5, 9},
                                    {32, 8.0, 11}, {64, 10.0, 13}, {0, 13.0, 16}};
  const Step* step = kSteps;
  while (step->BelowZoom != 0 && zoom >= step->BelowZoom) ++step;
  Limits.StarMagnitudeLimit = step->Stars;
  Limits.DeepSkyMagnitudeLimit = step->DeepSky;
  settings_.StarsLimit = StarsLimitIndexOf(Limits.StarMagnitudeLimit);
  settings_.DeepSkyLimit = static_cast<int>(Limits.DeepSkyMagnitudeLimit - 6);
}

void CSkyDoc::PrepareCatalogues() {
  // The faint stars are drawn to a depth no deeper than the stars' limit.
  if (Limits.StarMagnitudeLimit > sky::kBrightestFaintStar)
    Catalogues.DeepCatalogues.ReadFaintStars(Limits.StarMagnitudeLimit);
  if (settings_.ShowNGC) Catalogues.DeepCatalogues.ReadNgcIc();
}

catalog::SkyView CSkyDoc::VisibleSky(const sky::ViewGeometry& view, double zoom) const {
  const int width = view.Viewport[2], height = view.Viewport[3];
  // The orthographic sphere: a place at angle t from the middle lies sin(t)
  // disc radii from it.
  const double discRadius = (std::min(width, height) / 2) * zoom;
  const double corner = std::hypot(width, height) / 2;
  catalog::SkyView visible;
  if (discRadius <= 0 ||
      !WindowToSky(view, width / 2, height / 2, zoom, visible.RaHours, visible.DecDegrees)) {
    visible.RadiusDegrees = 180;  // no frame yet: everything
    return visible;
  }
  constexpr double kMoves = 0.5, kRefraction = 1.0;
  visible.RadiusDegrees = std::asin(std::min(corner / discRadius, 1.0)) / astro::kDegToRad +
                          kMoves + (Refracting() ? kRefraction : 0.0);
  return visible;
}

bool CSkyDoc::WindowToSky(const sky::ViewGeometry& view, int x, int y, double zoom, double& ra,
                          double& dec) const {
  double winZ, p[3];
  if (!view.DiscDepth(x, y, zoom, winZ) ||
      !render::UnProjectPoint(x, view.Viewport[3] - y, winZ, view.Modelview, view.Projection,
                              view.Viewport, p))
    return false;
  if (Refracting()) astro::RefractPoint(Sky.AstroState.ZenithPoint, p, false);
  double w = std::atan2(p[0], -p[2]) * 57.29577951308232;
  w -= 360.0 * std::floor(w / 360.0);
  ra = 24.0 - w / 15.0;
  dec = std::asin(std::clamp(p[1], -1.0, 1.0)) * 57.29577951308232;
  return true;
}

void CSkyDoc::DrawingPoint(double ra, double dec, double point[3]) const {
  astro::EquatorialToSphere(ra, dec, point);
  if (Refracting()) astro::RefractPoint(Sky.AstroState.ZenithPoint, point, true);
}

astro::HorizontalCoord CSkyDoc::HorizontalOf(double ra, double dec) const {
  astro::HorizontalCoord h = Sky.AstroState.HorizonOf(ra, dec);
  if (Refracting()) h.Altitude = astro::ApparentAltitude(h.Altitude);
  return h;
}
