#include "ui/command_table.h"

#include <QStatusBar>
#include <QToolBar>

#include "sky/sky_doc.h"
#include "ui/main_frame.h"

namespace ui {
namespace {

using F = CMainFrame;
constexpr EnableRule kAlways = EnableRule::Always;
constexpr EnableRule kIdle = EnableRule::UnlessAnimating;

}  // namespace

const Command kCommands[] = {
    // View
    {32780, "&Grids", "G", &F::OnGrids, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Coordinations == 1; }},
    {32778, "&Boundaries", "B", &F::OnBoundaries, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Boundaries == 1; }},
    {32779, "Constellation &Lines", "L", &F::OnConstellationLines, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Constelations == 1; }},
    {32777, "&Deep Sky Objects", "D", &F::OnDeepSky, kAlways,
     [](const CSkyDoc& d, const F&) { return d.DeepSky == 1; }},
    {32781, "&Milky Way", "M", &F::OnMilkyWay, kAlways,
     [](const CSkyDoc& d, const F&) { return d.MilkyWay == 1; }},
    {32782, "&Solar System Objects", "P", &F::OnSolarSystem, kAlways,
     [](const CSkyDoc& d, const F&) { return d.SolarSystem == 1; }},
    {32804, "&Eclipic", "E", &F::OnEcliptic, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Ecliptic == 1; }},
    {32796, "Star &Names", "Shift+S", &F::OnStarNames, kAlways,
     [](const CSkyDoc& d, const F&) { return d.StarNames == 1; }},
    {32798, "D&eep Sky Labels", "Shift+D", &F::OnDeepSkyLabels, kAlways,
     [](const CSkyDoc& d, const F&) { return d.DeepSkyLabels == 1; }},
    {32797, "&Planet Names", "Shift+P", &F::OnPlanetNames, kAlways,
     [](const CSkyDoc& d, const F&) { return d.PlanetNames == 1; }},
    {32792, "Stars &Colors", "Shift+C", &F::OnStarsColors, kAlways,
     [](const CSkyDoc& d, const F&) { return d.StarsColors == 1; }},
    {32821, "&Atmospheric refraction", nullptr, &F::OnRefraction, kAlways,
     [](const CSkyDoc& d, const F&) { return d.Refraction == 1; }},
    {32823, "E&yepiece Fields", "Shift+E", &F::OnEyepieceFields, kAlways,
     [](const CSkyDoc& d, const F&) { return d.EyepieceFields == 1; }},
    {32824, "Eyep&iece Fields...", nullptr, &F::OnDefineFields, kIdle, nullptr},
    {32802, "&Red Screen", "Shift+R", &F::OnRedScreen, kAlways,
     [](const CSkyDoc& d, const F&) { return d.RedScreen == 1; }},
    {32803, "&Full Screen", "Shift+F", &F::OnFullScreen, kAlways,
     [](const CSkyDoc& d, const F&) { return d.FullScreen == 1; }},
    {59392, "&Toolbar", nullptr, &F::OnToolBar, kAlways,
     [](const CSkyDoc&, const F& f) { return !f.MainToolBar()->isHidden(); }},
    {59393, "Status &Bar", nullptr, &F::OnStatusBar, kAlways,
     [](const CSkyDoc&, const F& f) { return !f.statusBar()->isHidden(); }},
    // Settings
    {32800, "&Equatorial", "Ctrl+Q", &F::OnEquatorial, kIdle,
     [](const CSkyDoc& d, const F&) { return d.HorizonMode != 1; }},
    {32801, "&Local Horizon", "Ctrl+H", &F::OnLocalHorizon, kIdle,
     [](const CSkyDoc& d, const F&) { return d.HorizonMode == 1; }},
    {32784, "&Date/Time...", nullptr, &F::OnDateTime, kIdle, nullptr},
    {32785, "Observer's &Location...", nullptr, &F::OnLocation, kIdle, nullptr},
    {32787, "&Magnitude Limits...", nullptr, &F::OnMagnitudeLimits, kIdle, nullptr},
    {32819, "Draw &Points", "Ctrl+T", &F::OnDrawPoints, kIdle,
     [](const CSkyDoc& d, const F&) { return d.Settings.StarsDrawPoints == 1; }},
    {32820, "Draw &Bitmaps", "Ctrl+M", &F::OnDrawBitmaps, kIdle,
     [](const CSkyDoc& d, const F&) { return d.Settings.StarsDrawPoints == 0; }},
    {32788, "Deep Sky &Objects...", nullptr, &F::OnDeepSkyOptions, kIdle, nullptr},
    {32790, "Colo&rs...", nullptr, &F::OnColours, kIdle, nullptr},
    {32806, "&Black", "Ctrl+K", &F::OnBlackSky, kIdle,
     [](const CSkyDoc& d, const F&) { return d.SkyColors != 1; }},
    {32807, "&Color", "Ctrl+C", &F::OnColorSky, EnableRule::UnlessAnimatingOrRedScreen,
     [](const CSkyDoc& d, const F&) { return d.SkyColors == 1; }},
    // Search
    {32808, "&Star...", nullptr, &F::OnSearchStar, kIdle, nullptr},
    {32810, "&Constellation...", nullptr, &F::OnSearchConstellation, kIdle, nullptr},
    {32809, "S&olar System Object...", nullptr, &F::OnSearchSolarSystem, kIdle, nullptr},
    {32811, "&Messier Catalog...", nullptr, &F::OnSearchMessier, kIdle, nullptr},
    {32812, "&NGC Catalog...", nullptr, &F::OnSearchNgc, kIdle, nullptr},
    {32822, "&Tonight...", nullptr, &F::OnTonight, kIdle, nullptr},
    {32813, "&East", "Ctrl+E", &F::OnShowEast, kIdle, nullptr},
    {32814, "&West", "Ctrl+W", &F::OnShowWest, kIdle, nullptr},
    {32815, "&North", "Ctrl+N", &F::OnShowNorth, kIdle, nullptr},
    {32816, "&South", "Ctrl+S", &F::OnShowSouth, kIdle, nullptr},
    {32817, "&Zenith", "Ctrl+Z", &F::OnShowZenith, kIdle, nullptr},
    {32818, "Na&dir", "Ctrl+D", &F::OnShowNadir, kIdle, nullptr},
    // Animation (toolbar)
    {32789, nullptr, "Ctrl+B", &F::OnAnimationBackward, kIdle, nullptr},
    {32791, nullptr, "[", &F::OnStepBackward, kIdle, nullptr},
    {32793, nullptr, "Esc", &F::OnAnimationStop, EnableRule::WhileAnimating, nullptr},
    {32794, nullptr, "]", &F::OnStepForward, kIdle, nullptr},
    {32795, nullptr, "Ctrl+F", &F::OnAnimationForward, kIdle, nullptr},
    // File
    {57601, "&Open...", "Ctrl+O", &F::OnFileOpen, kIdle, nullptr},
    {57607, "&Print...", "Ctrl+P", &F::OnPrint, kIdle, nullptr},
    {57609, "Print Pre&view", nullptr, &F::OnPrintPreview, kIdle, nullptr},
    {57606, "P&rint Setup...", nullptr, &F::OnPrintSetup, kIdle, nullptr},
    {57616, "Recent File", nullptr, &F::OnRecentFile, kIdle, nullptr},
    {57665, "E&xit", nullptr, &F::OnExit, kAlways, nullptr},
    // Help
    {57667, "&Contents", nullptr, &F::OnHelpContents, kIdle, nullptr},
    {57668, "&Using Help", nullptr, &F::OnUsingHelp, kIdle, nullptr},
    {57670, nullptr, "F1", &F::OnContextHelp, kIdle, nullptr},
    {57669, nullptr, "Shift+F1", &F::OnWhatsThis, kIdle, nullptr},
    {57664, "&About Stellix...", nullptr, &F::OnAbout, kIdle, nullptr},
    // Navigation (the view)
    {32771, nullptr, "Left", &F::OnMoveLeft, kAlways, nullptr},
    {32772, nullptr, "Right", &F::OnMoveRight, kAlways, nullptr},
    {32773, nullptr, "Up", &F::OnMoveUp, kAlways, nullptr},
    {32774, nullptr, "Down", &F::OnMoveDown, kAlways, nullptr},
    // The keypad's * and /, and the same keys of the main keyboard: on X11
    // the keypad keys reach the shortcuts without their keypad modifier.
    {32775, nullptr, "Num+*; *", &F::OnZoomIn, kAlways, nullptr},
    {32776, nullptr, "Num+/; /", &F::OnZoomOut, kAlways, nullptr},
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
