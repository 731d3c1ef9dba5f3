#include "ui/command_table.h"

#include <QStatusBar>
#include <QToolBar>

#include "res/command_ids.h"
#include "sky/sky_doc.h"
#include "ui/main_frame.h"

namespace ui {
namespace {

using enum res::CommandId;

using F = CMainFrame;
constexpr EnableRule kAlways = EnableRule::Always;
constexpr EnableRule kIdle = EnableRule::UnlessAnimating;

}  // namespace

const Command kCommands[] = {
    // View
    {ID_VIEW_GRIDS, "&Grids", "G", &F::OnGrids, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Coordinations == 1; }},
    {ID_VIEW_BOUNDARIES, "&Boundaries", "B", &F::OnBoundaries, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Boundaries == 1; }},
    {ID_VIEW_CONSTELLATION_LINES, "Constellation &Lines", "L", &F::OnConstellationLines, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Constelations == 1; }},
    {ID_VIEW_DEEP_SKY, "&Deep Sky Objects", "D", &F::OnDeepSky, kAlways,
     [](const CSkyDoc& d, const F&) { return d.DeepSky == 1; }},
    {ID_VIEW_MILKY_WAY, "&Milky Way", "M", &F::OnMilkyWay, kAlways,
     [](const CSkyDoc& d, const F&) { return d.MilkyWay == 1; }},
    {ID_VIEW_SOLAR_SYSTEM, "&Solar System Objects", "P", &F::OnSolarSystem, kAlways,
     [](const CSkyDoc& d, const F&) { return d.SolarSystem == 1; }},
    {ID_VIEW_ECLIPTIC, "&Eclipic", "E", &F::OnEcliptic, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Ecliptic == 1; }},
    {ID_VIEW_STAR_NAMES, "Star &Names", "Shift+S", &F::OnStarNames, kAlways,
     [](const CSkyDoc& d, const F&) { return d.StarNames == 1; }},
    {ID_VIEW_DEEP_SKY_LABELS, "D&eep Sky Labels", "Shift+D", &F::OnDeepSkyLabels, kAlways,
     [](const CSkyDoc& d, const F&) { return d.DeepSkyLabels == 1; }},
    {ID_VIEW_PLANET_NAMES, "&Planet Names", "Shift+P", &F::OnPlanetNames, kAlways,
     [](const CSkyDoc& d, const F&) { return d.PlanetNames == 1; }},
    {ID_VIEW_STARS_COLOURS, "Stars &Colors", "Shift+C", &F::OnStarsColors, kAlways,
     [](const CSkyDoc& d, const F&) { return d.StarsColors == 1; }},
    {ID_VIEW_REFRACTION, "&Atmospheric refraction", nullptr, &F::OnRefraction, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Refraction == 1; }},
    {ID_VIEW_EYEPIECE_FIELDS, "E&yepiece Fields", "Shift+E", &F::OnEyepieceFields, kAlways,
     [](const CSkyDoc& d, const F&) { return d.EyepieceFields == 1; }},
    {ID_VIEW_DEFINE_FIELDS, "Eyep&iece Fields...", nullptr, &F::OnDefineFields, kIdle, nullptr},
    {ID_VIEW_RED_SCREEN, "&Red Screen", "Shift+R", &F::OnRedScreen, kAlways,
     [](const CSkyDoc& d, const F&) { return d.RedScreen == 1; }},
    {ID_VIEW_FULL_SCREEN, "&Full Screen", "Shift+F", &F::OnFullScreen, kAlways,
     [](const CSkyDoc& d, const F&) { return d.FullScreen == 1; }},
    {ID_VIEW_TOOLBAR, "&Toolbar", nullptr, &F::OnToolBar, kAlways,
     [](const CSkyDoc&, const F& f) { return !f.MainToolBar()->isHidden(); }},
    {ID_VIEW_STATUS_BAR, "Status &Bar", nullptr, &F::OnStatusBar, kAlways,
     [](const CSkyDoc&, const F& f) { return !f.statusBar()->isHidden(); }},
    // Settings
    {ID_SETTINGS_EQUATORIAL, "&Equatorial", "Ctrl+Q", &F::OnEquatorial, kIdle,
     [](const CSkyDoc& d, const F&) { return d.HorizonMode != 1; }},
    {ID_SETTINGS_LOCAL_HORIZON, "&Local Horizon", "Ctrl+H", &F::OnLocalHorizon, kIdle,
     [](const CSkyDoc& d, const F&) { return d.HorizonMode == 1; }},
    {ID_SETTINGS_DATE_TIME, "&Date/Time...", nullptr, &F::OnDateTime, kIdle, nullptr},
    {ID_SETTINGS_LOCATION, "Observer's &Location...", nullptr, &F::OnLocation, kIdle, nullptr},
    {ID_SETTINGS_MAGNITUDE_LIMITS, "&Magnitude Limits...", nullptr, &F::OnMagnitudeLimits, kIdle,
     nullptr},
    {ID_SETTINGS_STARS_POINTS, "Draw &Points", "Ctrl+T", &F::OnDrawPoints, kIdle,
     [](const CSkyDoc& d, const F&) { return d.Settings.StarsDrawPoints == 1; }},
    {ID_SETTINGS_STARS_BITMAPS, "Draw &Bitmaps", "Ctrl+M", &F::OnDrawBitmaps, kIdle,
     [](const CSkyDoc& d, const F&) { return d.Settings.StarsDrawPoints == 0; }},
    {ID_SETTINGS_DEEP_SKY, "Deep Sky &Objects...", nullptr, &F::OnDeepSkyOptions, kIdle, nullptr},
    {ID_SETTINGS_COLOURS, "Colo&rs...", nullptr, &F::OnColours, kIdle, nullptr},
    {ID_SETTINGS_SKY_BLACK, "&Black", "Ctrl+K", &F::OnBlackSky, kIdle,
     [](const CSkyDoc& d, const F&) { return d.SkyColors != 1; }},
    {ID_SETTINGS_SKY_COLOUR, "&Color", "Ctrl+C", &F::OnColorSky,
     EnableRule::UnlessAnimatingOrRedScreen,
     [](const CSkyDoc& d, const F&) { return d.SkyColors == 1; }},
    // Search
    {ID_SEARCH_STAR, "&Star...", nullptr, &F::OnSearchStar, kIdle, nullptr},
    {ID_SEARCH_CONSTELLATION, "&Constellation...", nullptr, &F::OnSearchConstellation, kIdle,
     nullptr},
    {ID_SEARCH_SOLAR_SYSTEM, "S&olar System Object...", nullptr, &F::OnSearchSolarSystem, kIdle,
     nullptr},
    {ID_SEARCH_MESSIER, "&Messier Catalog...", nullptr, &F::OnSearchMessier, kIdle, nullptr},
    {ID_SEARCH_NGC, "&NGC Catalog...", nullptr, &F::OnSearchNgc, kIdle, nullptr},
    {ID_SEARCH_TONIGHT, "&Tonight...", nullptr, &F::OnTonight, kIdle, nullptr},
    {ID_HORIZON_EAST, "&East", "Ctrl+E", &F::OnShowEast, kIdle, nullptr},
    {ID_HORIZON_WEST, "&West", "Ctrl+W", &F::OnShowWest, kIdle, nullptr},
    {ID_HORIZON_NORTH, "&North", "Ctrl+N", &F::OnShowNorth, kIdle, nullptr},
    {ID_HORIZON_SOUTH, "&South", "Ctrl+S", &F::OnShowSouth, kIdle, nullptr},
    {ID_HORIZON_ZENITH, "&Zenith", "Ctrl+Z", &F::OnShowZenith, kIdle, nullptr},
    {ID_HORIZON_NADIR, "Na&dir", "Ctrl+D", &F::OnShowNadir, kIdle, nullptr},
    // Animation (toolbar)
    {ID_ANIMATION_BACKWARD, nullptr, "Ctrl+B", &F::OnAnimationBackward, kIdle, nullptr},
    {ID_ANIMATION_STEP_BACKWARD, nullptr, "[", &F::OnStepBackward, kIdle, nullptr},
    {ID_ANIMATION_STOP, nullptr, "Esc", &F::OnAnimationStop, EnableRule::WhileAnimating, nullptr},
    {ID_ANIMATION_STEP_FORWARD, nullptr, "]", &F::OnStepForward, kIdle, nullptr},
    {ID_ANIMATION_FORWARD, nullptr, "Ctrl+F", &F::OnAnimationForward, kIdle, nullptr},
    // File
    {ID_FILE_OPEN, "&Open...", "Ctrl+O", &F::OnFileOpen, kIdle, nullptr},
    {ID_FILE_PRINT, "&Print...", "Ctrl+P", &F::OnPrint, kIdle, nullptr},
    {ID_FILE_PRINT_PREVIEW, "Print Pre&view", nullptr, &F::OnPrintPreview, kIdle, nullptr},
    {ID_FILE_PRINT_SETUP, "P&rint Setup...", nullptr, &F::OnPrintSetup, kIdle, nullptr},
    {ID_FILE_RECENT_FIRST, "Recent File", nullptr, &F::OnRecentFile, kIdle, nullptr},
    {ID_APP_EXIT, "E&xit", nullptr, &F::OnExit, kAlways, nullptr},
    // Help
    {ID_HELP_CONTENTS, "&Contents", nullptr, &F::OnHelpContents, kIdle, nullptr},
    {ID_HELP_USING, "&Using Help", nullptr, &F::OnUsingHelp, kIdle, nullptr},
    {ID_HELP_CURRENT, nullptr, "F1", &F::OnContextHelp, kIdle, nullptr},
    {ID_HELP_CONTEXT, nullptr, "Shift+F1", &F::OnWhatsThis, kIdle, nullptr},
    {ID_APP_ABOUT, "&About Stellix...", nullptr, &F::OnAbout, kIdle, nullptr},
    // Navigation (the view)
    {ID_MOVE_LEFT, nullptr, "Left", &F::OnMoveLeft, kAlways, nullptr},
    {ID_MOVE_RIGHT, nullptr, "Right", &F::OnMoveRight, kAlways, nullptr},
    {ID_MOVE_UP, nullptr, "Up", &F::OnMoveUp, kAlways, nullptr},
    {ID_MOVE_DOWN, nullptr, "Down", &F::OnMoveDown, kAlways, nullptr},
    // The keypad's * and /, and the same keys of the main keyboard: on X11
    // the keypad keys reach the shortcuts without their keypad modifier.
    {ID_ZOOM_IN, nullptr, "Num+*; *", &F::OnZoomIn, kAlways, nullptr},
    {ID_ZOOM_OUT, nullptr, "Num+/; /", &F::OnZoomOut, kAlways, nullptr},
};
const int kCommandCount = static_cast<int>(std::size(kCommands));

const Command* FindCommand(int id) {
  for (const Command& c : kCommands)
    if (c.Id == id) return &c;
  return nullptr;
}

bool IsEnabled(EnableRule rule, const CSkyDoc& doc) {
  switch (rule) {
    case EnableRule::Always:
      return true;
    case EnableRule::UnlessAnimating:
      return !doc.Animating;
    case EnableRule::UnlessAnimatingOrRedScreen:
      return !doc.Animating && !doc.RedScreen;
    case EnableRule::WhileAnimating:
      return doc.Animating != 0;
  }
  return false;
}

}  // namespace ui
