// The one sky document: every catalogue, every computed sky table, every
// display switch and the camera angles. Reached everywhere through g_SkyDoc.
#pragma once

#include <optional>
#include <string>

#include "astro/astro_state.h"
#include "astro/datetime_parse.h"
#include "catalog/data_files.h"
#include "catalog/places.h"
#include "catalog/records.h"
#include "sky/app_settings.h"
#include "sky/catalogue_motion.h"
#include "sky/civil_time.h"
#include "sky/deep_catalogues.h"
#include "sky/object_names.h"
#include "sky/sky_colour.h"

// The drawing side of the document's initialisation, done by the sky view
// with its GL context current. Without a view (command-line modes, tests)
// the document is initialised without it.
class CSkyScene {
 public:
  virtual ~CSkyScene() = default;
  virtual bool DisplayListsBuilt() const = 0;
  // Compiles the static scene display lists from the loaded catalogues.
  virtual void BuildDisplayLists() = 0;
  // Sets the unpack alignment, creates the eight texture names into
  // CSkyDoc::TextureNames and loads the texture files into them.
  virtual void LoadTextures() = 0;
  // The GL state every frame relies on (blending, smoothing, culling, lighting).
  virtual void SetFixedState() = 0;
};

// What the document does when a catalogue file cannot be opened: tell the
// user and end the program at once, without saving anything.
class CCatalogueFailure {
 public:
  virtual ~CCatalogueFailure() = default;
  [[noreturn]] virtual void MissingFile(const char* fileName) = 0;
  // A file whose records were partly left out (short, or with unusable
  // records); `message` names the file and the first record. The program
  // tells the user and goes on; by default nothing is said.
  virtual void DamagedFile(const char* fileName, const std::string& message);
};

namespace catalog {
struct LoadReport;
}
// The message of a catalogue file that a load report calls damaged.
std::string DamagedFileMessage(const char* fileName, const catalog::LoadReport& report);

class CSkyDoc {
 public:
  // Copies the display switches, chart mode and camera from `settings` and
  // derives the magnitude limits; publishes itself as g_SkyDoc. The data
  // files are read from `files`' directory.
  explicit CSkyDoc(AppSettings& settings, catalog::DataFiles files = {});
  // Copies the switches, chart mode and camera back into the settings.
  ~CSkyDoc();
  CSkyDoc(const CSkyDoc&) = delete;
  CSkyDoc& operator=(const CSkyDoc&) = delete;

  // Sets the document time (from the computer's clock unless `startTime` is
  // given), computes the sky, loads the catalogue files from the current
  // directory and, when there is a view, builds its display lists, loads the
  // textures and sets the fixed GL state. Returns true on success.
  bool OnNewDocument(CCatalogueFailure& failure, CSkyScene* scene,
                     std::optional<astro::DateTimeArgument> startTime = std::nullopt);

  // Sets the document time: the place's clock time of `time`, or the
  // place's clock at the instant `time` names when it has an offset, or at
  // the present instant when none is given.
  void SetDocumentTime(const std::optional<astro::DateTimeArgument>& time);
  // Sets the document time to the place's clock at the instant `utSeconds`
  // (seconds since 1970 UT), that instant being meant even where the clock
  // shows the same time twice.
  void SetInstant(std::int64_t utSeconds);

  // Finds the instant of the document time for the place's clock (unless it
  // is the one already found for the same time and clock rules; a time in a
  // gap moves forward to the clock time of its instant), then recomputes AstroState, HorizonPoints
  // and Bodies for it and the observer's place; called whenever either changes.
  void UpdateSky();

  // Reads the time zones of location.dat's places (location_zones.tab) and
  // the cities of cities.tab from the data directory into Places, after
  // the places of location.dat; either file may be missing. The lines of
  // cities.tab left out are reported as those of a damaged file.
  void LoadPlaces(CCatalogueFailure& failure);

  // The drawing side of the initialisation: display lists (once per
  // context), textures and the fixed GL state, with the view's context current.
  void PrepareScene(CSkyScene& scene);

  // The sky's conditions (its colour, the daylight deep-sky limit, an
  // eclipse's darkening) for the instant, the place, the Sun and the Moon,
  // the switches and the limits as they are: worked out again only when one
  // of them has changed since (UpdateSky does at once). The screen and the
  // printed chart read them alike.
  const render::SkyConditions& Conditions();

  // With the automatic mode on, the magnitude limits follow the zoom, and the
  // stored limit indices follow the limits.
  void UpdateAutoLimits(double zoom);

  // Reads the parts of the faint-star and NGC/IC files that the limits and
  // switches as they are now draw (those already read stay): called as they
  // change, before the frame that shows them, which only looks at what is read.
  void PrepareCatalogues();

  // Whether the sky is drawn at its apparent place, lifted by the
  // atmosphere's refraction: in local-horizon mode with the switch on.
  bool Refracting() const { return HorizonMode && Refraction; }
  // The drawing point of a J2000 place (hours, degrees) as the sky is drawn
  // now: on the unit sphere of the J2000 frame, moved to its apparent place
  // when refracting.
  void DrawingPoint(double ra, double dec, double point[3]) const;
  // Altitude and azimuth (from the south through the west) of a J2000 place
  // as shown: apparent when refracting, geometric otherwise.
  astro::HorizontalCoord HorizontalOf(double ra, double dec) const;

  // Window <-> sky conversions through the matrices of the last frame.
  // Client coordinates (y downwards) -> right ascension (hours, (0, 24]) and
  // declination of the J2000 place shown there (its geometric place when
  // refracting); false outside the sphere's disc.
  bool WindowToSky(int x, int y, double zoom, double& ra, double& dec) const;
  // The J2000 places the window can show at `zoom` through the last frame's
  // matrices, for the sky-cell index: a circle round the window's middle
  // out to its corners, widened by what moves a place as drawn (refraction,
  // aberration and a century of the fastest proper motions).
  catalog::SkyView VisibleSky(double zoom) const;
  // GL window coordinates (y upwards) -> the model point on the unit sphere.
  bool WindowToSphere(int x, int y, double zoom, double point[3]) const;
  // Model point -> GL window coordinates (y upwards); false when the point
  // lies on the hemisphere turned away from the viewer, and when the result
  // is not a number or lies more than kMaxWindowDistance pixels outside the
  // viewport (nothing drawn there could be seen, and the labels' integer
  // arithmetic stays far from overflow).
  bool SkyToWindow(double x, double y, double z, double& winX, double& winY) const;

  static constexpr double kMaxWindowDistance = 1 << 20;

  // View geometry
  int ViewCentreX = 0, ViewCentreY = 0;
  double ModelviewMatrix[16] = {};
  double ProjectionMatrix[16] = {};
  int Viewport[4] = {};
  // Textures: Moon, Sun, star, galaxy, globular cluster, planetary nebula, Milky Way, horizon
  unsigned int TextureNames[8] = {};
  // Run-time flags
  int ProjectionDirty = 0;
  // Display switches, 0 or 1, mirrored from the settings
  int Coordinations = 0;
  int Boundaries = 0;
  int Constelations = 0;
  int DeepSky = 0;
  int MilkyWay = 0;
  int SolarSystem = 0;
  int Ecliptic = 0;
  int StarsColors = 0;
  int StarNames = 0;
  int SkyColors = 0;
  int PlanetNames = 0;
  int DeepSkyLabels = 0;
  int Refraction = 0;
  int EyepieceFields = 0;
  // Run-time flags
  int RedScreen = 0;
  int FullScreen = 0;
  // Chart mode: 0 equatorial, 1 local horizon
  int HorizonMode = 0;
  // Run-time flags
  int Animating = 0;
  int Printing = 0;
  // Camera, degrees
  double YRotation = 0.0;
  double XRotation = 0.0;
  // Limits, magnitudes: the chosen ones (the sky's conditions may show less)
  double StarMagnitudeLimit = 0.0;
  double DeepSkyMagnitudeLimit = 0.0;
  // Catalogues and computed tables. The stars, figure vertices, star labels
  // and deep-sky objects are those of the instant shown, moved there from
  // the files' J2000.0 by CatalogueMotion.
  StarRecord Stars[kStarCount] = {};
  StarMotionRecord StarMotions[kStarCount] = {};
  CCatalogueMotion CatalogueMotion;
  BoundaryRecord BoundaryPoints[kBoundaryCount] = {};
  ConstellationLineRecord ConstellationLines[kConstellationLineCount] = {};
  SkyPoint EclipticPoints[kEclipticPointCount] = {};
  SkyPoint HorizonPoints[astro::kHorizonPointCount] = {};
  astro::PlanetState Bodies[astro::kBodyCount] = {};
  DeepSkyRecord DeepSkyObjects[kDeepSkyCount] = {};
  SkyPoint MagellanicClouds[kMagellanicPointCount] = {};
  LocationRecord Locations[kLocationCount] = {};
  StarNameRecord ProperNames[kStarNameCount] = {};
  ConstellationNameRecord ConstellationNames[kConstellationNameCount] = {};
  // The faint stars and the NGC and IC objects, J2000.0 as their files give
  // them, read when first needed (PrepareCatalogues and the searches).
  sky::CDeepCatalogues DeepCatalogues;
  // The object the user last searched for: drawn, named, marked and
  // pickable whatever the limits and switches, until another is chosen.
  std::optional<sky::SkyObjectRef> Selected;
  // Astronomy: the instant, the place and everything derived from them
  astro::AstroState AstroState;
  // Animation: angle advanced by every step, in [0, 360)
  double TimeOffset = 0.0;
  // Printing
  int PageViewport[4] = {};
  double PageProjectionMatrix[16] = {};

  // The date and time of the sky shown, local civil time.
  astro::CivilTime DocumentTime;
  // The instant of DocumentTime, its offset from UT and zone, as UpdateSky found them.
  sky::CivilInstant Instant;
  // The places the user can pick by name: location.dat's, then cities.tab's.
  std::vector<catalog::Place> Places;
  // The settings the document mirrors and the dialogs change.
  AppSettings& Settings;

  // Where the catalogues, textures, pictures and help pages are read from.
  const catalog::DataFiles& Files() const { return files_; }

 private:
  catalog::DataFiles files_;

  // The depth of the sphere's surface under window point x, y (the point's
  // distance from the view centre against the disc's radius); false outside the disc.
  bool DiscDepth(int x, int y, double zoom, double& winZ) const;

  // The clock rules Instant was found with.
  sky::ClockRules instantRules_;

  // What the sky's conditions depend on, as they were last worked out.
  struct ConditionInputs {
    astro::PlanetState Sun, Moon;
    double JulianDay = 0, SiderealAngle = 0, Latitude = 0, Longitude = 0;
    int SkyColors = 0, SolarSystem = 0, DeepSkyLimitIndex = 0;
    double DeepSkyMagnitudeLimit = 0;
    bool operator==(const ConditionInputs&) const = default;
  };
  std::optional<ConditionInputs> conditionInputs_;
  render::SkyConditions conditions_;
};

// The one document; valid from the end of its constructor to the start of its destructor.
extern CSkyDoc* g_SkyDoc;

// The catalogue files in the order they are loaded.
inline constexpr const char* kCatalogueFiles[] = {"bsc5.bin",     "snames.bin",   "cnstline.bin",
                                                  "constell.bin", "deepsky.bin",  "eclip.dat",
                                                  "cnames.bin",   "location.dat", "magellan.bin"};
