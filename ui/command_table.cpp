#include "ui/command_table.h"

#include <QCoreApplication>
#include <QStatusBar>
#include <QToolBar>

#include "print/print_jobs.h"
#include "render/sky_view.h"
#include "res/command_ids.h"
#include "sky/chart_commands.h"
#include "sky/follow.h"
#include "sky/sky_doc.h"
#include "ui/animation_controller.h"
#include "ui/dialog_commands.h"
#include "ui/main_frame.h"
#include "ui/real_time_clock.h"
#include "ui/telescope_control.h"

namespace ui {

QString CommandMenuText(const Command& command) {
  return QCoreApplication::translate("CommandTable", command.MenuText);
}

namespace {

using enum res::CommandId;

// The handlers' targets. A member of the document is a display switch that
// the command flips; a function of the document changes its chart settings.
using F = CMainFrame;
using D = CDialogCommands;
using A = CAnimationController;
using V = CSkyView;
using P = CChartPrintJobs;
using Doc = CSkyDoc;
using T = CTelescopeControl;
constexpr EnableRule kAlways = EnableRule::Always;
constexpr EnableRule kIdle = EnableRule::UnlessAnimating;
constexpr EnableRule kTelescope = EnableRule::WhileTelescopeConnected;

}  // namespace

const Command kCommands[] = {
    // View
    {ID_VIEW_GRIDS, "&Grids", "G", &AppSettings::Coordinations, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().Coordinations == 1; }},
    {ID_VIEW_ALT_AZ_GRID, "Alt-a&zimuth Grid", "Shift+G", &AppSettings::AltAzGrid, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().AltAzGrid == 1; }},
    {ID_VIEW_MERIDIAN, "Meridia&n", "Shift+M", &AppSettings::Meridian, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().Meridian == 1; }},
    {ID_VIEW_BOUNDARIES, "&Boundaries", "B", &AppSettings::Boundaries, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().Boundaries == 1; }},
    {ID_VIEW_CONSTELLATION_LINES, "Constellation &Lines", "L", &AppSettings::Constelations, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().Constelations == 1; }},
    {ID_VIEW_DEEP_SKY, "&Deep Sky Objects", "D", &AppSettings::DeepSky, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().DeepSky == 1; }},
    {ID_VIEW_MILKY_WAY, "&Milky Way", "M", &AppSettings::MilkyWay, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().MilkyWay == 1; }},
    {ID_VIEW_SOLAR_SYSTEM, "&Solar System Objects", "P", &AppSettings::SolarSystem, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().SolarSystem == 1; }},
    {ID_VIEW_SMALL_BODIES, "Comets and &Asteroids", nullptr, &AppSettings::SmallBodies, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().SmallBodies == 1; }},
    {ID_VIEW_ECLIPTIC, "&Eclipic", "E", &AppSettings::Ecliptic, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().Ecliptic == 1; }},
    {ID_VIEW_STAR_NAMES, "Star &Names", "Shift+S", &AppSettings::StarNames, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().StarNames == 1; }},
    {ID_VIEW_DEEP_SKY_LABELS, "D&eep Sky Labels", "Shift+D", &AppSettings::DeepSkyLabels, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().DeepSkyLabels == 1; }},
    {ID_VIEW_PLANET_NAMES, "&Planet Names", "Shift+P", &AppSettings::PlanetNames, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().PlanetNames == 1; }},
    {ID_VIEW_STARS_COLOURS, "Stars &Colors", "Shift+C", &AppSettings::StarsColors, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().StarsColors == 1; }},
    {ID_VIEW_REFRACTION, "&Atmospheric refraction", nullptr, &AppSettings::Refraction, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().Refraction == 1; }},
    {ID_VIEW_EYEPIECE_FIELDS, "E&yepiece Fields", "Shift+E", &AppSettings::EyepieceFields, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().EyepieceFields == 1; }},
    {ID_VIEW_DEFINE_FIELDS, "Eyep&iece Fields...", nullptr, &D::DefineFields, kIdle, nullptr},
    {ID_VIEW_FOLLOW, "Fo&llow", "T", &V::ToggleFollowing, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Run.Following == sky::kFollowingSelected; }},
    {ID_VIEW_STOP_FOLLOWING, nullptr, "Esc", &V::StopFollowing, EnableRule::WhileFollowingAndIdle,
     nullptr},
    {ID_VIEW_RED_SCREEN, "&Red Screen", "Shift+R", &F::ToggleRedScreen, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Run.RedScreen == 1; }},
    {ID_VIEW_FULL_SCREEN, "&Full Screen", "Shift+F", &F::ToggleFullScreen, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Run.FullScreen == 1; }},
    {ID_VIEW_TOOLBAR, "&Toolbar", nullptr, &F::ToggleToolBar, kAlways,
     [](const CSkyDoc&, const F& f) { return !f.MainToolBar()->isHidden(); }},
    {ID_VIEW_STATUS_BAR, "Status &Bar", nullptr, &F::ToggleStatusBar, kAlways,
     [](const CSkyDoc&, const F& f) { return !f.statusBar()->isHidden(); }},
    // Settings
    {ID_SETTINGS_EQUATORIAL, "&Equatorial", "Ctrl+Q", &sky::ShowEquatorialChart, kIdle,
     [](const CSkyDoc& d, const F&) { return d.Settings().HorizonMode != 1; }},
    {ID_SETTINGS_LOCAL_HORIZON, "&Local Horizon", "Ctrl+H", &sky::ShowLocalHorizonChart, kIdle,
     [](const CSkyDoc& d, const F&) { return d.Settings().HorizonMode == 1; }},
    {ID_SETTINGS_DATE_TIME, "&Date/Time...", nullptr, &D::DateTime, kIdle, nullptr},
    {ID_SETTINGS_LOCATION, "Observer's &Location...", nullptr, &D::Location, kIdle, nullptr},
    {ID_SETTINGS_MAGNITUDE_LIMITS, "&Magnitude Limits...", nullptr, &D::MagnitudeLimits, kIdle,
     nullptr},
    {ID_SETTINGS_STARS_POINTS, "Draw &Points", "Ctrl+T", &sky::DrawStarsAsPoints, kIdle,
     [](const CSkyDoc& d, const F&) { return d.Settings().StarsDrawPoints == 1; }},
    {ID_SETTINGS_STARS_BITMAPS, "Draw &Bitmaps", "Ctrl+M", &sky::DrawStarsAsBitmaps, kIdle,
     [](const CSkyDoc& d, const F&) { return d.Settings().StarsDrawPoints == 0; }},
    {ID_SETTINGS_DEEP_SKY, "Deep Sky &Objects...", nullptr, &D::DeepSkyOptions, kIdle, nullptr},
    {ID_SETTINGS_COLOURS, "Colo&rs...", nullptr, &D::Colours, kIdle, nullptr},
    {ID_SETTINGS_LANGUAGE, "Lan&guage...", nullptr, &D::Language, kIdle, nullptr},
    {ID_SETTINGS_SKY_BLACK, "&Black", "Ctrl+K", &sky::ShowBlackSky, kIdle,
     [](const CSkyDoc& d, const F&) { return d.Settings().SkyColors != 1; }},
    {ID_SETTINGS_SKY_COLOUR, "&Color", "Ctrl+C", &sky::ShowColouredSky,
     EnableRule::UnlessAnimatingOrRedScreen,
     [](const CSkyDoc& d, const F&) { return d.Settings().SkyColors == 1; }},
    // Search
    {ID_SEARCH_STAR, "&Star...", nullptr, &D::SearchStar, kIdle, nullptr},
    {ID_SEARCH_CONSTELLATION, "&Constellation...", nullptr, &D::SearchConstellation, kIdle,
     nullptr},
    {ID_SEARCH_SOLAR_SYSTEM, "S&olar System Object...", nullptr, &D::SearchSolarSystem, kIdle,
     nullptr},
    {ID_SEARCH_MESSIER, "&Messier Catalog...", nullptr, &D::SearchMessier, kIdle, nullptr},
    {ID_SEARCH_NGC, "&NGC Catalog...", nullptr, &D::SearchNgc, kIdle, nullptr},
    {ID_SEARCH_GOTO, "&Go to Coordinates...", "Ctrl+J", &D::GotoCoordinates, kIdle, nullptr},
    {ID_SEARCH_TONIGHT, "&Tonight...", nullptr, &D::Tonight, kIdle, nullptr},
    {ID_SEARCH_ALTITUDE_PLOT, "Altitude &Plot...", "Ctrl+L", &D::AltitudePlot, kIdle, nullptr},
    {ID_HORIZON_EAST, "&East", "Ctrl+E", &V::ShowEast, kIdle, nullptr},
    {ID_HORIZON_WEST, "&West", "Ctrl+W", &V::ShowWest, kIdle, nullptr},
    {ID_HORIZON_NORTH, "&North", "Ctrl+N", &V::ShowNorth, kIdle, nullptr},
    {ID_HORIZON_SOUTH, "&South", "Ctrl+S", &V::ShowSouth, kIdle, nullptr},
    {ID_HORIZON_ZENITH, "&Zenith", "Ctrl+Z", &V::ShowZenith, kIdle, nullptr},
    {ID_HORIZON_NADIR, "Na&dir", "Ctrl+D", &V::ShowNadir, kIdle, nullptr},
    // Animation (toolbar)
    {ID_ANIMATION_BACKWARD, nullptr, "Ctrl+B", &A::RunBackward, kIdle, nullptr},
    {ID_ANIMATION_STEP_BACKWARD, nullptr, "[", &A::StepBackward, kIdle, nullptr},
    {ID_ANIMATION_STOP, nullptr, "Esc", &A::Stop, EnableRule::WhileAnimating, nullptr},
    {ID_ANIMATION_STEP_FORWARD, nullptr, "]", &A::StepForward, kIdle, nullptr},
    {ID_ANIMATION_FORWARD, nullptr, "Ctrl+F", &A::RunForward, kIdle, nullptr},
    {ID_TIME_REAL_TIME, "&Real Time", "R", &CRealTimeClock::Toggle, kIdle,
     [](const CSkyDoc& d, const F&) { return d.Settings().RealTime == 1; }},
    // Tools: the telescope
    {ID_TOOLS_TELESCOPE, "&Telescope...", nullptr, &T::OpenDialog, kAlways, nullptr},
    {ID_TELESCOPE_SLEW, "&Slew to Selected", "Ctrl+G", &T::SlewToSelected, kTelescope, nullptr},
    {ID_TELESCOPE_SYNC, "S&ync to Selected", nullptr, &T::SyncToSelected, kTelescope, nullptr},
    {ID_TELESCOPE_SLEW_CENTRE, "Slew to View &Centre", nullptr, &T::SlewToCentre, kTelescope,
     nullptr},
    {ID_TELESCOPE_ABORT, "&Abort Slew", nullptr, &T::Abort, kTelescope, nullptr},
    {ID_TELESCOPE_PARK, "&Park", nullptr, &T::Park, kTelescope, nullptr},
    {ID_TELESCOPE_UNPARK, "&Unpark", nullptr, &T::Unpark, kTelescope, nullptr},
    {ID_TELESCOPE_FOLLOW, "&Follow the Telescope", nullptr, &T::ToggleFollowing, kTelescope,
     [](const CSkyDoc& d, const F&) { return d.Run.Following == sky::kFollowingTelescope; }},
    // File
    {ID_FILE_OPEN, "&Open...", "Ctrl+O", &F::OpenPictureFile, kIdle, nullptr},
    {ID_FILE_IMPORT_ELEMENTS, "&Import Orbital Elements...", nullptr, &D::ImportOrbitalElements,
     kIdle, nullptr},
    {ID_FILE_PRINT, "&Print...", "Ctrl+P", &P::Print, kIdle, nullptr},
    {ID_FILE_PRINT_PREVIEW, "Print Pre&view", nullptr, &P::Preview, kIdle, nullptr},
    {ID_FILE_PRINT_SETUP, "P&rint Setup...", nullptr, &P::PageSetup, kIdle, nullptr},
    {ID_FILE_RECENT_FIRST, "Recent File", nullptr, &F::OpenFirstRecentFile, kIdle, nullptr},
    {ID_APP_EXIT, "E&xit", nullptr, &F::Exit, kAlways, nullptr},
    // Help
    {ID_HELP_CONTENTS, "&Contents", nullptr, &D::HelpContents, kIdle, nullptr},
    {ID_HELP_USING, "&Using Help", nullptr, &D::UsingHelp, kIdle, nullptr},
    {ID_HELP_CURRENT, nullptr, "F1", &D::ContextHelp, kIdle, nullptr},
    {ID_HELP_CONTEXT, nullptr, "Shift+F1", &D::WhatsThis, kIdle, nullptr},
    {ID_APP_ABOUT, "&About Stellix...", nullptr, &D::About, kIdle, nullptr},
    // Navigation (the view)
    {ID_MOVE_LEFT, nullptr, "Left", &V::MoveLeft, kAlways, nullptr},
    {ID_MOVE_RIGHT, nullptr, "Right", &V::MoveRight, kAlways, nullptr},
    {ID_MOVE_UP, nullptr, "Up", &V::MoveUp, kAlways, nullptr},
    {ID_MOVE_DOWN, nullptr, "Down", &V::MoveDown, kAlways, nullptr},
    // The keypad's * and /, and the same keys of the main keyboard: on X11
    // the keypad keys reach the shortcuts without their keypad modifier.
    {ID_ZOOM_IN, nullptr, "Num+*; *", &V::ZoomIn, kAlways, nullptr},
    {ID_ZOOM_OUT, nullptr, "Num+/; /", &V::ZoomOut, kAlways, nullptr},
};
const int kCommandCount = static_cast<int>(std::size(kCommands));

const Command* FindCommand(int id) {
  for (const Command& c : kCommands)
    if (c.Id == id) return &c;
  return nullptr;
}

void RunCommand(const Command& command, const CommandTargets& targets) {
  struct Dispatch {
    const CommandTargets& t;
    void operator()(void (CMainFrame::*handler)()) const { (t.Frame.*handler)(); }
    void operator()(int AppSettings::*displaySwitch) const {
      int& on = t.Doc.Settings().*displaySwitch;
      on = on == 0 ? 1 : 0;
      t.View.Redraw();
    }
    void operator()(void (*change)(CSkyDoc&)) const {
      change(t.Doc);
      t.View.Redraw();
    }
    void operator()(void (CSkyView::*handler)()) const { (t.View.*handler)(); }
    void operator()(void (CAnimationController::*handler)()) const { (t.Animation.*handler)(); }
    void operator()(void (CRealTimeClock::*handler)()) const { (t.RealTime.*handler)(); }
    void operator()(void (CChartPrintJobs::*handler)()) const { (t.Printing.*handler)(); }
    void operator()(void (CDialogCommands::*handler)()) const { (t.Dialogs.*handler)(); }
    void operator()(void (CTelescopeControl::*handler)()) const { (t.Telescope.*handler)(); }
  };
  std::visit(Dispatch{targets}, command.Handler);
}

bool IsEnabled(EnableRule rule, const CSkyDoc& doc) {
  switch (rule) {
    case EnableRule::Always:
      return true;
    case EnableRule::UnlessAnimating:
      return !doc.Run.Animating;
    case EnableRule::UnlessAnimatingOrRedScreen:
      return !doc.Run.Animating && !doc.Run.RedScreen;
    case EnableRule::WhileAnimating:
      return doc.Run.Animating != 0;
    case EnableRule::WhileFollowingAndIdle:
      return doc.Run.Following && !doc.Run.Animating;
    case EnableRule::WhileTelescopeConnected:
      return doc.Telescope.DeviceConnected;
  }
  return false;
}

}  // namespace ui
