#include "ui/command_table.h"

#include <QCoreApplication>
#include <QStatusBar>
#include <QToolBar>

#include "print/print_jobs.h"
#include "render/sky_view.h"
#include "res/command_ids.h"
#include "sky/chart_commands.h"
#include "sky/sky_doc.h"
#include "ui/animation_controller.h"
#include "ui/dialog_commands.h"
#include "ui/main_frame.h"
#include "ui/real_time_clock.h"

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
constexpr EnableRule kAlways = EnableRule::Always;
constexpr EnableRule kIdle = EnableRule::UnlessAnimating;

}  // namespace

const Command kCommands[] = {
    // View
    {ID_VIEW_GRIDS, QT_TRANSLATE_NOOP("CommandTable", "&Grids"), "G", &AppSettings::Coordinations,
     kAlways, [](const CSkyDoc& d, const F&) { return d.Settings().Coordinations == 1; }},
    {ID_VIEW_ALT_AZ_GRID, QT_TRANSLATE_NOOP("CommandTable", "Alt-a&zimuth Grid"), "Shift+G",
     &AppSettings::AltAzGrid, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().AltAzGrid == 1; }},
    {ID_VIEW_MERIDIAN, QT_TRANSLATE_NOOP("CommandTable", "Meridia&n"), "Shift+M",
     &AppSettings::Meridian, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().Meridian == 1; }},
    {ID_VIEW_BOUNDARIES, QT_TRANSLATE_NOOP("CommandTable", "&Boundaries"), "B",
     &AppSettings::Boundaries, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().Boundaries == 1; }},
    {ID_VIEW_CONSTELLATION_LINES, QT_TRANSLATE_NOOP("CommandTable", "Constellation &Lines"), "L",
     &AppSettings::Constelations, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().Constelations == 1; }},
    {ID_VIEW_DEEP_SKY, QT_TRANSLATE_NOOP("CommandTable", "&Deep Sky Objects"), "D",
     &AppSettings::DeepSky, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().DeepSky == 1; }},
    {ID_VIEW_MILKY_WAY, QT_TRANSLATE_NOOP("CommandTable", "&Milky Way"), "M",
     &AppSettings::MilkyWay, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().MilkyWay == 1; }},
    {ID_VIEW_SOLAR_SYSTEM, QT_TRANSLATE_NOOP("CommandTable", "&Solar System Objects"), "P",
     &AppSettings::SolarSystem, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().SolarSystem == 1; }},
    {ID_VIEW_ECLIPTIC, QT_TRANSLATE_NOOP("CommandTable", "&Eclipic"), "E", &AppSettings::Ecliptic,
     kAlways, [](const CSkyDoc& d, const F&) { return d.Settings().Ecliptic == 1; }},
    {ID_VIEW_STAR_NAMES, QT_TRANSLATE_NOOP("CommandTable", "Star &Names"), "Shift+S",
     &AppSettings::StarNames, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().StarNames == 1; }},
    {ID_VIEW_DEEP_SKY_LABELS, QT_TRANSLATE_NOOP("CommandTable", "D&eep Sky Labels"), "Shift+D",
     &AppSettings::DeepSkyLabels, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().DeepSkyLabels == 1; }},
    {ID_VIEW_PLANET_NAMES, QT_TRANSLATE_NOOP("CommandTable", "&Planet Names"), "Shift+P",
     &AppSettings::PlanetNames, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().PlanetNames == 1; }},
    {ID_VIEW_STARS_COLOURS, QT_TRANSLATE_NOOP("CommandTable", "Stars &Colors"), "Shift+C",
     &AppSettings::StarsColors, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().StarsColors == 1; }},
    {ID_VIEW_REFRACTION, QT_TRANSLATE_NOOP("CommandTable", "&Atmospheric refraction"), nullptr,
     &AppSettings::Refraction, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().Refraction == 1; }},
    {ID_VIEW_EYEPIECE_FIELDS, QT_TRANSLATE_NOOP("CommandTable", "E&yepiece Fields"), "Shift+E",
     &AppSettings::EyepieceFields, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Settings().EyepieceFields == 1; }},
    {ID_VIEW_DEFINE_FIELDS, QT_TRANSLATE_NOOP("CommandTable", "Eyep&iece Fields..."), nullptr,
     &D::DefineFields, kIdle, nullptr},
    {ID_VIEW_FOLLOW, QT_TRANSLATE_NOOP("CommandTable", "Fo&llow"), "T", &V::ToggleFollowing,
     kAlways, [](const CSkyDoc& d, const F&) { return d.Run.Following == 1; }},
    {ID_VIEW_STOP_FOLLOWING, nullptr, "Esc", &V::StopFollowing, EnableRule::WhileFollowingAndIdle,
     nullptr},
    {ID_VIEW_RED_SCREEN, QT_TRANSLATE_NOOP("CommandTable", "&Red Screen"), "Shift+R",
     &F::ToggleRedScreen, kAlways, [](const CSkyDoc& d, const F&) { return d.Run.RedScreen == 1; }},
    {ID_VIEW_FULL_SCREEN, QT_TRANSLATE_NOOP("CommandTable", "&Full Screen"), "Shift+F",
     &F::ToggleFullScreen, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Run.FullScreen == 1; }},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("CommandTable", "&Toolbar"), nullptr, &F::ToggleToolBar,
     kAlways, [](const CSkyDoc&, const F& f) { return !f.MainToolBar()->isHidden(); }},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("CommandTable", "Status &Bar"), nullptr,
     &F::ToggleStatusBar, kAlways,
     [](const CSkyDoc&, const F& f) { return !f.statusBar()->isHidden(); }},
    // Settings
    {ID_SETTINGS_EQUATORIAL, QT_TRANSLATE_NOOP("CommandTable", "&Equatorial"), "Ctrl+Q",
     &sky::ShowEquatorialChart, kIdle,
     [](const CSkyDoc& d, const F&) { return d.Settings().HorizonMode != 1; }},
    {ID_SETTINGS_LOCAL_HORIZON, QT_TRANSLATE_NOOP("CommandTable", "&Local Horizon"), "Ctrl+H",
     &sky::ShowLocalHorizonChart, kIdle,
     [](const CSkyDoc& d, const F&) { return d.Settings().HorizonMode == 1; }},
    {ID_SETTINGS_DATE_TIME, QT_TRANSLATE_NOOP("CommandTable", "&Date/Time..."), nullptr,
     &D::DateTime, kIdle, nullptr},
    {ID_SETTINGS_LOCATION, QT_TRANSLATE_NOOP("CommandTable", "Observer's &Location..."), nullptr,
     &D::Location, kIdle, nullptr},
    {ID_SETTINGS_MAGNITUDE_LIMITS, QT_TRANSLATE_NOOP("CommandTable", "&Magnitude Limits..."),
     nullptr, &D::MagnitudeLimits, kIdle, nullptr},
    {ID_SETTINGS_STARS_POINTS, QT_TRANSLATE_NOOP("CommandTable", "Draw &Points"), "Ctrl+T",
     &sky::DrawStarsAsPoints, kIdle,
     [](const CSkyDoc& d, const F&) { return d.Settings().StarsDrawPoints == 1; }},
    {ID_SETTINGS_STARS_BITMAPS, QT_TRANSLATE_NOOP("CommandTable", "Draw &Bitmaps"), "Ctrl+M",
     &sky::DrawStarsAsBitmaps, kIdle,
     [](const CSkyDoc& d, const F&) { return d.Settings().StarsDrawPoints == 0; }},
    {ID_SETTINGS_DEEP_SKY, QT_TRANSLATE_NOOP("CommandTable", "Deep Sky &Objects..."), nullptr,
     &D::DeepSkyOptions, kIdle, nullptr},
    {ID_SETTINGS_COLOURS, QT_TRANSLATE_NOOP("CommandTable", "Colo&rs..."), nullptr, &D::Colours,
     kIdle, nullptr},
    {ID_SETTINGS_LANGUAGE, QT_TRANSLATE_NOOP("CommandTable", "Lan&guage..."), nullptr, &D::Language,
     kIdle, nullptr},
    {ID_SETTINGS_SKY_BLACK, QT_TRANSLATE_NOOP("CommandTable", "&Black"), "Ctrl+K",
     &sky::ShowBlackSky, kIdle,
     [](const CSkyDoc& d, const F&) { return d.Settings().SkyColors != 1; }},
    {ID_SETTINGS_SKY_COLOUR, QT_TRANSLATE_NOOP("CommandTable", "&Color"), "Ctrl+C",
     &sky::ShowColouredSky, EnableRule::UnlessAnimatingOrRedScreen,
     [](const CSkyDoc& d, const F&) { return d.Settings().SkyColors == 1; }},
    // Search
    {ID_SEARCH_STAR, QT_TRANSLATE_NOOP("CommandTable", "&Star..."), nullptr, &D::SearchStar, kIdle,
     nullptr},
    {ID_SEARCH_CONSTELLATION, QT_TRANSLATE_NOOP("CommandTable", "&Constellation..."), nullptr,
     &D::SearchConstellation, kIdle, nullptr},
    {ID_SEARCH_SOLAR_SYSTEM, QT_TRANSLATE_NOOP("CommandTable", "S&olar System Object..."), nullptr,
     &D::SearchSolarSystem, kIdle, nullptr},
    {ID_SEARCH_MESSIER, QT_TRANSLATE_NOOP("CommandTable", "&Messier Catalog..."), nullptr,
     &D::SearchMessier, kIdle, nullptr},
    {ID_SEARCH_NGC, QT_TRANSLATE_NOOP("CommandTable", "&NGC Catalog..."), nullptr, &D::SearchNgc,
     kIdle, nullptr},
    {ID_SEARCH_TONIGHT, QT_TRANSLATE_NOOP("CommandTable", "&Tonight..."), nullptr, &D::Tonight,
     kIdle, nullptr},
    {ID_HORIZON_EAST, QT_TRANSLATE_NOOP("CommandTable", "&East"), "Ctrl+E", &V::ShowEast, kIdle,
     nullptr},
    {ID_HORIZON_WEST, QT_TRANSLATE_NOOP("CommandTable", "&West"), "Ctrl+W", &V::ShowWest, kIdle,
     nullptr},
    {ID_HORIZON_NORTH, QT_TRANSLATE_NOOP("CommandTable", "&North"), "Ctrl+N", &V::ShowNorth, kIdle,
     nullptr},
    {ID_HORIZON_SOUTH, QT_TRANSLATE_NOOP("CommandTable", "&South"), "Ctrl+S", &V::ShowSouth, kIdle,
     nullptr},
    {ID_HORIZON_ZENITH, QT_TRANSLATE_NOOP("CommandTable", "&Zenith"), "Ctrl+Z", &V::ShowZenith,
     kIdle, nullptr},
    {ID_HORIZON_NADIR, QT_TRANSLATE_NOOP("CommandTable", "Na&dir"), "Ctrl+D", &V::ShowNadir, kIdle,
     nullptr},
    // Animation (toolbar)
    {ID_ANIMATION_BACKWARD, nullptr, "Ctrl+B", &A::RunBackward, kIdle, nullptr},
    {ID_ANIMATION_STEP_BACKWARD, nullptr, "[", &A::StepBackward, kIdle, nullptr},
    {ID_ANIMATION_STOP, nullptr, "Esc", &A::Stop, EnableRule::WhileAnimating, nullptr},
    {ID_ANIMATION_STEP_FORWARD, nullptr, "]", &A::StepForward, kIdle, nullptr},
    {ID_ANIMATION_FORWARD, nullptr, "Ctrl+F", &A::RunForward, kIdle, nullptr},
    {ID_TIME_REAL_TIME, QT_TRANSLATE_NOOP("CommandTable", "&Real Time"), "R",
     &CRealTimeClock::Toggle, kIdle,
     [](const CSkyDoc& d, const F&) { return d.Settings().RealTime == 1; }},
    // File
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("CommandTable", "&Open..."), "Ctrl+O", &F::OpenPictureFile,
     kIdle, nullptr},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("CommandTable", "&Print..."), "Ctrl+P", &P::Print, kIdle,
     nullptr},
    {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("CommandTable", "Print Pre&view"), nullptr,
     &P::Preview, kIdle, nullptr},
    {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("CommandTable", "P&rint Setup..."), nullptr,
     &P::PageSetup, kIdle, nullptr},
    {ID_FILE_RECENT_FIRST, QT_TRANSLATE_NOOP("CommandTable", "Recent File"), nullptr,
     &F::OpenFirstRecentFile, kIdle, nullptr},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("CommandTable", "E&xit"), nullptr, &F::Exit, kAlways, nullptr},
    // Help
    {ID_HELP_CONTENTS, QT_TRANSLATE_NOOP("CommandTable", "&Contents"), nullptr, &D::HelpContents,
     kIdle, nullptr},
    {ID_HELP_USING, QT_TRANSLATE_NOOP("CommandTable", "&Using Help"), nullptr, &D::UsingHelp, kIdle,
     nullptr},
    {ID_HELP_CURRENT, nullptr, "F1", &D::ContextHelp, kIdle, nullptr},
    {ID_HELP_CONTEXT, nullptr, "Shift+F1", &D::WhatsThis, kIdle, nullptr},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("CommandTable", "&About Stellix..."), nullptr, &D::About,
     kIdle, nullptr},
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
  }
  return false;
}

}  // namespace ui
