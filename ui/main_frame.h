// The main window: menus, the main and navigation toolbars with the
// time-step box, the sky view, the status bar, red screen and full screen.
// Its commands (ui/command_table.*) act on the objects it owns: the view,
// the document, the animation, the print jobs and the dialogs.
#pragma once

#include <QMainWindow>
#include <QPalette>
#include <QRect>
#include <QString>
#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

class CAnimationController;
class CRealTimeClock;
class CTelescopeControl;
class CChartPrintJobs;
class CDialogCommands;
class CHelpWindow;
class CFindBox;
struct CardActions;
class CMessenger;
class CSkyDoc;
class CSkyView;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
namespace ui {
struct CommandTargets;
}

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  CMainFrame(CSkyDoc& doc, CMessenger& messages);
  ~CMainFrame() override;

  CSkyView* View() const { return view_; }
  QAction* Action(int id) const;
  QComboBox* TimeStepBox() const { return timeStepBox_; }
  CFindBox* FindBox() const { return findBox_; }
  QToolBar* MainToolBar() const { return mainToolBar_; }
  QToolBar* NavigationToolBar() const { return navigationToolBar_; }
  QLabel* Pane(int id) const;
  // The note over the sky that tells how to leave full screen.
  QLabel* FullScreenHint() const { return fullScreenHint_; }

  // Refreshes the place, time and date panes from the document.
  void UpdatePanes();
  // The status bar's message: what the view follows, else what the telescope does.
  void ShowFollowing();
  // Refreshes every command's enabled and checked state from the document.
  void UpdateCommandStates();

  // The folder of the objects' pictures: Images in the data directory.
  const std::filesystem::path& ImagesDirectory() const { return imagesDirectory_; }

  // File > Open, and the recent-file entries from res::ID_FILE_RECENT_FIRST on.
  void OpenPictureFile();
  void OpenFirstRecentFile() { OpenRecentFile(0); }
  // Shows entry `index` (0 first) of the recent-file list again and puts it
  // first; a file that has gone is reported and leaves the list.
  void OpenRecentFile(int index);

  // The window's own commands.
  void ToggleRedScreen();
  // Full screen on or off; Esc, like the command's own key, leaves it.
  void ToggleFullScreen();
  void ToggleToolBar();
  void ToggleStatusBar();
  void Exit();
  // F3: the cursor into the find box, its text selected.
  void FocusFindBox();

  CAnimationController& Animation() const { return *animation_; }
  CRealTimeClock& RealTime() const { return *realTime_; }
  CTelescopeControl& Telescope() const { return *telescope_; }
  // The help window shown last; nullptr before any.
  CHelpWindow* HelpWindow() const;

 protected:
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
  // What the commands act on.
  ui::CommandTargets Targets();
  // What an object's card offers: its altitude plot, the slew while a
  // telescope is connected, and following it.
  CardActions ObjectCardActions();
  // Puts a picture's path first in the recent-file list and shows the picture.
  void OpenPicture(const std::string& path);
  // The File menu's recent-file entries from the settings' list.
  void UpdateRecentFileMenu();
  // Turns the window chrome to night-vision red, or back to its own colours.
  void ShowNightVision(bool on);
  // Esc's way out of full screen and the note that tells of it.
  void CreateFullScreenExit();

  CSkyDoc& doc_;
  CMessenger& messages_;
  CSkyView* view_;
  std::map<int, QAction*> actions_;
  QToolBar* mainToolBar_ = nullptr;
  QToolBar* navigationToolBar_ = nullptr;
  QComboBox* timeStepBox_ = nullptr;
  CFindBox* findBox_ = nullptr;
  std::map<int, QLabel*> panes_;
  std::string paneZone_;         // the zone text the time pane was fitted for ("CEST, UT+2")
  bool zoneInTimePane_ = false;  // whether the status bar has room for it after the time
  QPalette savedPalette_;        // the application's palette before red screen
  QString savedStyle_;           // and its style
  QRect savedRect_;              // the frame's geometry before full screen
  bool savedMaximised_ = false;
  std::array<bool, 3> savedBars_{true, true, true};  // main, navigation, status bar
  // Esc in full screen; off while the animation runs, whose Stop is Esc too.
  QAction* leaveFullScreen_ = nullptr;
  QLabel* fullScreenHint_ = nullptr;
  QTimer* fullScreenHintTimer_ = nullptr;  // hides the note after a while
  QMenu* viewMenu_ = nullptr;
  std::filesystem::path imagesDirectory_;
  QString openFilter_;  // the File Open filter chosen last in this run
  std::unique_ptr<CChartPrintJobs> printJobs_;
  std::unique_ptr<CDialogCommands> dialogs_;
  std::unique_ptr<CAnimationController> animation_;
  std::unique_ptr<CRealTimeClock> realTime_;
  std::unique_ptr<CTelescopeControl> telescope_;
};
