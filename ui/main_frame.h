// The main window: menus, the main and navigation toolbars with the
// time-step box, the sky view, the status bar, red screen, full screen and
// the time animation.
#pragma once

#include <QBasicTimer>
#include <QMainWindow>
#include <QPalette>
#include <QRect>
#include <map>
#include <memory>

class CChartPrintJobs;
class CMessenger;
class CSkyDoc;
class CSkyView;
class QAction;
class QComboBox;
class QLabel;
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
  // The view's moves and zooms.
  void OnMoveLeft();
  void OnMoveRight();
  void OnMoveUp();
  void OnMoveDown();
  void OnZoomIn();
  void OnZoomOut();
  // Time animation.
  void OnAnimationForward();
  void OnAnimationBackward();
  void OnAnimationStop();
  void OnStepForward();
  void OnStepBackward();
  // Moves the document time one step of the time-step box in the current
  // direction, recomputes the sky and shows it; stops at the ends of 1901-2099.
  void AnimationStep();

 protected:
  void timerEvent(QTimerEvent* event) override;
  void showEvent(QShowEvent* event) override;
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
  void SingleStep(bool forward);

  CSkyDoc& doc_;
  CMessenger& messages_;
  CSkyView* view_;
  std::map<int, QAction*> actions_;
  QToolBar* mainToolBar_ = nullptr;
  QToolBar* navigationToolBar_ = nullptr;
  QComboBox* timeStepBox_ = nullptr;
  std::map<int, QLabel*> panes_;
  QBasicTimer animationTimer_;  // the frame's timer 1
  bool forward_ = true;
  QPalette savedPalette_;  // the application's palette before red screen
  QRect savedRect_;        // the frame's geometry before full screen
  bool savedMaximised_ = false;
  bool navigationShown_ = false;
  std::unique_ptr<CChartPrintJobs> printJobs_;
};
