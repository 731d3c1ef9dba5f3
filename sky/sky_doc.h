// The one sky document: the catalogues, the sky of the instant and the
// settings it is shown with. Reached everywhere through g_SkyDoc.
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
#include "sky/mount_report.h"
#include "sky/elements_import.h"
#include "sky/object_names.h"
#include "sky/sky_catalogues.h"
#include "sky/sky_colour.h"
#include "sky/sky_instant.h"
#include "sky/view_geometry.h"

// The drawing side of the document's initialisation, done by the sky view
// with its GL context current. Without a view (command-line modes, tests)
// the document is initialised without it.
class CSkyScene {
 public:
  virtual ~CSkyScene() = default;
  virtual bool DisplayListsBuilt() const = 0;
  // Compiles the static scene display lists from the loaded catalogues.
  virtual void BuildDisplayLists() = 0;
  // Sets the unpack alignment, creates the eight texture names and loads
  // the texture files into them.
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

// The document of the one sky shown, in parts with one owner each: the
// settings (the display switches, chart mode, camera and limits' indices:
// the program's one copy of them), the catalogues as read, the sky of the
// instant, the chosen magnitude limits, the run's flags and the selected
// object. What a drawing surface or a printed page projects with is theirs
// (sky::ViewGeometry), not the document's.
class CSkyDoc {
 public:
  // Derives the magnitude limits from `settings`; publishes itself as
  // g_SkyDoc. The data files are read from `files`' directory.
  explicit CSkyDoc(AppSettings& settings, catalog::DataFiles files = {});
  ~CSkyDoc();
  CSkyDoc(const CSkyDoc&) = delete;
  CSkyDoc& operator=(const CSkyDoc&) = delete;

  // Sets the document time (from the computer's clock unless `startTime` is
  // given), computes the sky, loads the catalogue files from the data
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

  // Reads the comets and minor planets of smallbodies.tab from the data
  // directory, and the user's imported elements kept in the file
  // KeepElementsIn named (sky/elements_import.h), which replace the bundled
  // ones of the same bodies, into Catalogues.SmallBodies; a missing file
  // gives none, a damaged one none and its message.
  void LoadSmallBodies(CCatalogueFailure& failure);
  // Where the user's imported elements are kept; none until it is called.
  void KeepElementsIn(std::string keptPath) { keptElements_ = std::move(keptPath); }
  // Imports the orbit files `paths` (sky::ImportElementFiles) into the kept
  // file and, when they were read, shows their bodies at once: the sky is
  // computed again, and a selected comet or minor planet is let go.
  sky::ElementsImportResult ImportElements(const std::vector<std::string>& paths);

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

  // The settings: the display switches, chart mode, camera and every other
  // persistent choice. The dialogs and commands change them; whatever draws
  // reads them through a const document.
  AppSettings& Settings() { return settings_; }
  const AppSettings& Settings() const { return settings_; }

  // Whether the sky is drawn at its apparent place, lifted by the
  // atmosphere's refraction: in local-horizon mode with the switch on.
  bool Refracting() const { return settings_.HorizonMode && settings_.Refraction; }
  // The drawing point of a J2000 place (hours, degrees) as the sky is drawn
  // now: on the unit sphere of the J2000 frame, moved to its apparent place
  // when refracting.
  void DrawingPoint(double ra, double dec, double point[3]) const;
  // Altitude and azimuth (from the south through the west) of a J2000 place
  // as shown: apparent when refracting, geometric otherwise.
  astro::HorizontalCoord HorizontalOf(double ra, double dec) const;

  // Window -> sky through the matrices of `view`'s last frame: client
  // coordinates (y downwards) -> right ascension (hours, (0, 24]) and
  // declination of the J2000 place shown there (its geometric place when
  // refracting); false outside the sphere's disc.
  bool WindowToSky(const sky::ViewGeometry& view, int x, int y, double zoom, double& ra,
                   double& dec) const;
  // The J2000 places `view` can show at `zoom` through its last frame's
  // matrices, for the sky-cell index: a circle round the window's middle
  // out to its corners, widened by what moves a place as drawn (refraction,
  // aberration and a century of the fastest proper motions).
  catalog::SkyView VisibleSky(const sky::ViewGeometry& view, double zoom) const;

  // Where the catalogues, textures, pictures and help pages are read from.
  const catalog::DataFiles& Files() const { return files_; }

  // The magnitude limits chosen (the sky's conditions may show less).
  struct MagnitudeLimits {
    double StarMagnitudeLimit = 0.0;
    double DeepSkyMagnitudeLimit = 0.0;
  };
  // What the run is doing, none of it kept: 0 or 1 each, 0 at the start.
  struct RunFlags {
    int RedScreen = 0;
    int FullScreen = 0;
    int Animating = 0;
    int Printing = 0;
    int Following = 0;  // the view keeps Selected at its centre (sky/follow.h)
  };

  sky::SkyCatalogues Catalogues;
  sky::SkyInstant Sky;
  MagnitudeLimits Limits;
  RunFlags Run;
  // The object the user last searched for: drawn, named, marked and
  // pickable whatever the limits and switches, until another is chosen.
  std::optional<sky::SkyObjectRef> Selected;
  // The telescope as its client last reported it (sky/indi_mount.h): drawn
  // where it points while connected.
  sky::MountReport Telescope;

 private:
  AppSettings& settings_;
  catalog::DataFiles files_;
  // The bundled comets and minor planets, and the file of the user's own.
  std::vector<catalog::SmallBodyElements> bundledSmallBodies_;
  std::string keptElements_;

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
