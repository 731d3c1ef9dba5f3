// The main window: menus, the main and navigation toolbars with the
// time-step box, the sky view, the status bar, red screen, full screen and
// the time animation.
#pragma once

#include <QBasicTimer>
#include <QMainWindow>
#include <QPalette>
#include <QPointer>
#include <QRect>
#include <QString>
#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

class CHelpWindow;
class CTonightWindow;
class CChartPrintJobs;
class CMessenger;
class CSkyDoc;
class CSkyView;
class QAction;
class QComboBox;
class QDialog;
class QLabel;
class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  CMainFrame(CSkyDoc& doc, CMessenger& messages);
  ~CMainFrame() override;

  CSkyView* View() const { return view_; }
  QAction* Action(int id) const;
  QComboBox* TimeStepBox() const { return timeStepBox_; }
  QToolBar* MainToolBar() const { return mainToolBar_; }
  QToolBar* NavigationToolBar() const { return navigationToolBar_; }
  QLabel* Pane(int id) const;

  // Refreshes the place, time and date panes from the document.
  void UpdatePanes();
  // Refreshes every command's enabled and checked state from the document.
  void UpdateCommandStates();

  // The folder of the objects' pictures: Images in the data directory, which
  // is the current directory when the frame is made.
  const std::filesystem::path& ImagesDirectory() const { return imagesDirectory_; }

  // Pictures: File Open, and the recent-file entries from res::ID_FILE_RECENT_FIRST on.
  void OnFileOpen();
  void OnRecentFile();
  // Shows entry `index` (0 first) of the recent-file list again and puts it
  // first; a file that has gone is reported and leaves the list.
  void OpenRecentFile(int index);

  // Display toggles: each flips one switch of the document and redraws.
  void OnGrids();
  void OnBoundaries();
  void OnConstellationLines();
  void OnDeepSky();
  void OnMilkyWay();
  void OnSolarSystem();
  void OnEcliptic();
  void OnStarNames();
  void OnDeepSkyLabels();
  void OnPlanetNames();
  void OnStarsColors();
  void OnRefraction();
  // The eyepiece and camera fields: shown or hidden, and their dialog.
  void OnEyepieceFields();
  void OnDefineFields();
  void OnRedScreen();
  void OnFullScreen();
  void OnToolBar();
  void OnStatusBar();
  void OnExit();
  // File > Print, Print Preview and Print Setup: the chart of the sky shown.
  void OnPrint();
  void OnPrintPreview();
  void OnPrintSetup();
  // Chart mode, star style and sky background.
  void OnEquatorial();
  void OnLocalHorizon();
  void OnDrawPoints();
  void OnDrawBitmaps();
  void OnBlackSky();
  void OnColorSky();
  // The settings dialogs; each changes the settings and the sky itself.
  void OnDateTime();
  void OnLocation();
  void OnMagnitudeLimits();
  void OnDeepSkyOptions();
  void OnColours();
  // The view's moves and zooms.
  void OnMoveLeft();
  void OnMoveRight();
  void OnMoveUp();
  void OnMoveDown();
  void OnZoomIn();
  void OnZoomOut();
  // Search: the five dialogs, then the points of the horizon, the zenith and the nadir.
  void OnSearchStar();
  void OnSearchConstellation();
  void OnSearchSolarSystem();
  void OnSearchMessier();
  void OnSearchNgc();
  void OnTonight();
  void OnShowEast();
  void OnShowWest();
  void OnShowNorth();
  void OnShowSouth();
  void OnShowZenith();
  void OnShowNadir();
  // Time animation.
  void OnAnimationForward();
  void OnAnimationBackward();
  void OnAnimationStop();
  void OnStepForward();
  void OnStepBackward();
  // Moves the document time one step of the time-step box in the current
  // direction, recomputes the sky and shows it; stops at the ends of 1901-2099.
  void AnimationStep();
  // Help: the guide's contents, its page on the help window, the page of the
  // focused window (F1), what's-this mode (Shift+F1) and the About window.
  void OnHelpContents();
  void OnUsingHelp();
  void OnContextHelp();
  void OnWhatsThis();
  void OnAbout();
  // Shows the user guide at `page` (a file name of the guide, with an
  // optional "#section").
  void ShowHelp(const QString& page);
  // The help window shown last; nullptr before any.
  CHelpWindow* HelpWindow() const;

 protected:
  void timerEvent(QTimerEvent* event) override;
  // Keeps the status panes that fit when the status bar changes its width.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBars();
  void CreateStatusBar();
  QLabel* AddPane(int sampleStringId);
  // Shows the panes that fit the status bar, the most important first.
  void FitPanes();
  void Toggle(int& documentSwitch);
  void Redraw();
  void StartAnimation(bool forward);
  // Puts a picture's path first in the recent-file list and shows the picture.
  void OpenPicture(const std::string& path);
  // The File menu's recent-file entries from the settings' list.
  void UpdateRecentFileMenu();
  void SingleStep(bool forward);
  // Turns the window chrome to night-vision red, or back to its own colours.
  void ShowNightVision(bool on);
  void ShowDataSources();
  // Runs a search dialog; redraws when it turned the view.
  void RunSearch(QDialog& dialog);
  void ShowHorizonPoint(int index);
  void ShowZenith(double altitude);

  CSkyDoc& doc_;
  CMessenger& messages_;
  CSkyView* view_;
  std::map<int, QAction*> actions_;
  QToolBar* mainToolBar_ = nullptr;
  QToolBar* navigationToolBar_ = nullptr;
  QComboBox* timeStepBox_ = nullptr;
  std::map<int, QLabel*> panes_;
  std::string paneZone_;         // the zone text the time pane was fitted for ("CEST, UT+2")
  bool zoneInTimePane_ = false;  // whether the status bar has room for it after the time
  QBasicTimer animationTimer_;   // the frame's timer 1
  bool forward_ = true;
  QPalette savedPalette_;  // the application's palette before red screen
  QString savedStyle_;     // and its style
  QRect savedRect_;        // the frame's geometry before full screen
  bool savedMaximised_ = false;
  std::array<bool, 3> savedBars_{true, true, true};  // main, navigation, status bar
  QMenu* viewMenu_ = nullptr;
  QString helpDirectory_;             // the guide's pages: help/ in the data directory
  QPointer<CHelpWindow> helpWindow_;  // the help window shown last
  QPointer<CTonightWindow> tonight_;  // the Tonight window, once opened
  std::filesystem::path imagesDirectory_;
  QString openFilter_;  // the File Open filter chosen last in this run
  std::unique_ptr<CChartPrintJobs> printJobs_;
};
