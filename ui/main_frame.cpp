#include "ui/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include "print/print_jobs.h"
#include "render/sky_view.h"
#include "res/command_ids.h"
#include "res/qt_text.h"
#include "sky/altitude_plot.h"
#include "sky/civil_time.h"
#include "sky/follow.h"
#include "sky/messages.h"
#include "sky/pane_text.h"
#include "sky/recent_files.h"
#include "sky/sky_doc.h"
#include "ui/animation_controller.h"
#include "ui/animation_step.h"
#include "ui/command_table.h"
#include "ui/context_help.h"
#include "ui/dialog_commands.h"
#include "ui/find_box.h"
#include "ui/night_vision.h"
#include "ui/object_cards.h"
#include "ui/picture_window.h"
#include "ui/real_time_clock.h"
#include "ui/screen_text.h"
#include "ui/status_panes.h"
#include "ui/telescope_control.h"
#include "ui/whats_this.h"

namespace {

using enum res::CommandId;

constexpr int kTimeStepBoxId = 1032;
// The status bar's gap and frame round each pane.
constexpr int kPaneSpacing = 12;

// The toolbar icon of a command, drawn at 16 and 32 pixels.
QIcon CommandIcon(int id) {
  QIcon icon;
  for (const char* size : {"16", "32"}) {
    const QString file = QStringLiteral(":/icons/%1/%2.png").arg(size).arg(id);
    if (QFile::exists(file)) icon.addFile(file);
  }
  return icon;
}

}  // namespace

// The icons are compiled into this library; make sure the linker keeps them.
static void InitialiseIconResources() { Q_INIT_RESOURCE(icons); }

CMainFrame::CMainFrame(CSkyDoc& doc, CMessenger& messages)
    : doc_(doc),
      messages_(messages),
      savedPalette_(QApplication::palette()),
      savedStyle_(QApplication::style()->name()),
      imagesDirectory_(doc.Files().Path("Images")) {
  InitialiseIconResources();
  // The title is the program's name and never shows a file name.
  setWindowTitle(QtString(res::IDS_APP_TITLE));
  // The frame starts maximised (the application shows it so): the window
  // manager then fits it and its title bar into the screen. Restored, it
  // takes three quarters of the screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    resize(screen->availableGeometry().size() * 3 / 4);

  view_ = new CSkyView(doc, messages, this);
  printJobs_ = std::make_unique<CChartPrintJobs>(doc, *view_, *this);
  dialogs_ = std::make_unique<CDialogCommands>(doc, *view_, messages, *this);
  telescope_ = std::make_unique<CTelescopeControl>(doc, *view_, messages, *this);
  connect(telescope_.get(), &CTelescopeControl::Changed, this, &CMainFrame::UpdateCommandStates);
  connect(dialogs_.get(), &CDialogCommands::TimeOrPlaceChanged, this, &CMainFrame::UpdatePanes);
  connect(dialogs_.get(), &CDialogCommands::SlewRequested, telescope_.get(),
          &CTelescopeControl::SlewToTarget);
  setCentralWidget(view_);
  view_->setFocus();
  view_->setWhatsThis(
      tr("<b>The sky</b><p>Click a point to bring it to the centre; drag to turn the sky; turn the "
         "mouse wheel to zoom. Click an object with the right button for its card. The arrow keys "
         "move the field the way they point, * and / on the numeric keypad zoom.</p>"));
  connect(view_, &CSkyView::LeaveFullScreen, this, [this] {
    if (doc_.Run.FullScreen) ToggleFullScreen();
  });
  connect(view_, &CSkyView::ObjectsPicked, this, [this](const std::vector<sky::PickHit>& hits) {
    ShowObjectsUnderPointer(hits, doc_, imagesDirectory_, messages_, this, ObjectCardActions());
  });

  CreateActions();
  CreateMenus();
  CreateToolBars();
  CreateStatusBar();
  CreateFullScreenExit();
  animation_ = std::make_unique<CAnimationController>(doc, *view_, messages, *timeStepBox_);
  connect(animation_.get(), &CAnimationController::Stopped, this, &CMainFrame::UpdateCommandStates);
  connect(animation_.get(), &CAnimationController::TimeChanged, this, &CMainFrame::UpdatePanes);
  realTime_ = std::make_unique<CRealTimeClock>(doc, *view_);
  connect(realTime_.get(), &CRealTimeClock::TimeChanged, this, &CMainFrame::UpdatePanes);
  connect(View(), &CSkyView::FollowingEnded, this, &CMainFrame::UpdateCommandStates);
  UpdatePanes();
  UpdateRecentFileMenu();
  UpdateCommandStates();
  // F1 and Shift+F1 in the dialogs and the other windows, too.
  qApp->installEventFilter(
      new ui::CHelpKeys(Action(ID_HELP_CURRENT), Action(ID_HELP_CONTEXT), this));
}

CMainFrame::~CMainFrame() {
  // Quitting in red screen gives the application its style and colours back.
  if (doc_.Run.RedScreen) ShowNightVision(false);
}

void CMainFrame::CreateActions() {
  for (int i = 0; i < ui::kCommandCount; ++i) {
    const ui::Command& command = ui::kCommands[i];
    const QString prompt = QtString(command.Id);
    const QString statusText = prompt.section('\n', 0, 0);
    const QString tooltip = prompt.contains('\n') ? prompt.section('\n', 1) : prompt;
    auto* action = new QAction(command.MenuText ? ui::CommandMenuText(command) : tooltip, this);
    action->setStatusTip(statusText);
    action->setToolTip(tooltip);
    const char* whatsThis = ui::WhatsThisText(command.Id);
    action->setWhatsThis(whatsThis ? QtTranslated("WhatsThis", whatsThis) : statusText);
    action->setIcon(CommandIcon(command.Id));
    if (command.Key)
      action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(command.Key)));
    action->setCheckable(command.Checked != nullptr);
    connect(action, &QAction::triggered, this, [this, &command] {
      ui::RunCommand(command, Targets());
      UpdateCommandStates();
    });
    // Shortcuts work whichever part of the window has the focus, even when
    // the action is in no visible menu or toolbar.
    addAction(action);
    actions_[command.Id] = action;
  }
}

QAction* CMainFrame::Action(int id) const {
  const auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::CreateMenus() {
  const auto fill = [this](QMenu* menu, std::initializer_list<int> ids) {
    for (int id : ids) {
      if (id == 0)
        menu->addSeparator();
      else
        menu->addAction(Action(id));
    }
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
  };
  QMenuBar* bar = menuBar();
  QMenu* file = bar->addMenu(tr("&File"));
  fill(file, {ID_FILE_OPEN, ID_FILE_IMPORT_ELEMENTS, 0, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW,
              ID_FILE_PRINT_SETUP, 0, ID_FILE_RECENT_FIRST});
  // The other entries of the recent-file list follow the first.
  for (int id = ID_FILE_RECENT_FIRST + 1; id < ID_FILE_RECENT_FIRST + sky::kRecentFileCount; ++id) {
    auto* action = new QAction(this);
    const int index = id - ID_FILE_RECENT_FIRST;
    connect(action, &QAction::triggered, this, [this, index] { OpenRecentFile(index); });
    actions_[id] = action;
    file->addAction(action);
  }
  fill(file, {0, ID_APP_EXIT});
  viewMenu_ = bar->addMenu(tr("&View"));
  fill(viewMenu_, {ID_VIEW_GRIDS,
                   ID_VIEW_ALT_AZ_GRID,
                   ID_VIEW_MERIDIAN,
                   ID_VIEW_BOUNDARIES,
                   ID_VIEW_CONSTELLATION_LINES,
                   ID_VIEW_DEEP_SKY,
                   ID_VIEW_MILKY_WAY,
                   ID_VIEW_SOLAR_SYSTEM,
                   ID_VIEW_SMALL_BODIES,
                   ID_VIEW_ECLIPTIC,
                   0,
                   ID_VIEW_STAR_NAMES,
                   ID_VIEW_DEEP_SKY_LABELS,
                   ID_VIEW_PLANET_NAMES,
                   0,
                   ID_VIEW_EYEPIECE_FIELDS,
                   ID_VIEW_DEFINE_FIELDS,
                   0,
                   ID_VIEW_FOLLOW,
                   0,
                   ID_VIEW_STARS_COLOURS,
                   ID_VIEW_REFRACTION,
                   ID_VIEW_RED_SCREEN,
                   ID_VIEW_FULL_SCREEN,
                   0,
                   ID_VIEW_TOOLBAR,
                   ID_VIEW_STATUS_BAR});
  QMenu* settings = bar->addMenu(tr("&Settings"));
  fill(settings->addMenu(tr("&Chart Mode")), {ID_SETTINGS_EQUATORIAL, ID_SETTINGS_LOCAL_HORIZON});
  fill(settings, {ID_SETTINGS_DATE_TIME, ID_SETTINGS_LOCATION, ID_SETTINGS_MAGNITUDE_LIMITS});
  fill(settings->addMenu(tr("&Stars")), {ID_SETTINGS_STARS_POINTS, ID_SETTINGS_STARS_BITMAPS});
  fill(settings, {ID_SETTINGS_DEEP_SKY, ID_SETTINGS_COLOURS, ID_SETTINGS_LANGUAGE});
  fill(settings->addMenu(tr("Sky &Background")), {ID_SETTINGS_SKY_BLACK, ID_SETTINGS_SKY_COLOUR});
  fill(bar->addMenu(tr("&Time")), {ID_TIME_REAL_TIME});
  QMenu* search = bar->addMenu(tr("Sea&rch"));
  fill(search, {ID_SEARCH_STAR, ID_SEARCH_CONSTELLATION, ID_SEARCH_SOLAR_SYSTEM, ID_SEARCH_TONIGHT,
                ID_SEARCH_ALTITUDE_PLOT});
  fill(search->addMenu(tr("&Deep Sky Object")), {ID_SEARCH_MESSIER, ID_SEARCH_NGC});
  fill(search, {ID_SEARCH_GOTO});
  fill(search->addMenu(tr("&Horizon Point")),
       {ID_HORIZON_EAST, ID_HORIZON_WEST, ID_HORIZON_NORTH, ID_HORIZON_SOUTH, 0, ID_HORIZON_ZENITH,
        ID_HORIZON_NADIR});
  fill(bar->addMenu(tr("T&ools")),
       {ID_TOOLS_TELESCOPE, 0, ID_TELESCOPE_SLEW, ID_TELESCOPE_SYNC, ID_TELESCOPE_SLEW_CENTRE,
        ID_TELESCOPE_ABORT, 0, ID_TELESCOPE_PARK, ID_TELESCOPE_UNPARK, 0, ID_TELESCOPE_FOLLOW});
  fill(bar->addMenu(tr("&Help")), {ID_HELP_CONTENTS, ID_HELP_USING, 0, ID_APP_ABOUT});
}

void CMainFrame::CreateToolBars() {
  mainToolBar_ = addToolBar(tr("Main toolbar"));
  mainToolBar_->setObjectName("MainToolBar");
  mainToolBar_->setIconSize(QSize(16, 16));
  mainToolBar_->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
  for (int id : std::initializer_list<int>{ID_FILE_PRINT_PREVIEW,
                                           ID_FILE_OPEN,
                                           ID_FILE_PRINT,
                                           0,
                                           ID_VIEW_GRIDS,
                                           ID_VIEW_BOUNDARIES,
                                           ID_VIEW_CONSTELLATION_LINES,
                                           ID_VIEW_DEEP_SKY,
                                           ID_VIEW_MILKY_WAY,
                                           ID_VIEW_SOLAR_SYSTEM,
                                           ID_VIEW_EYEPIECE_FIELDS,
                                           0,
                                           ID_SETTINGS_DATE_TIME,
                                           ID_SETTINGS_LOCATION,
                                           ID_SEARCH_TONIGHT,
                                           0,
                                           ID_TELESCOPE_SLEW,
                                           ID_TELESCOPE_ABORT,
                                           0,
                                           kTimeStepBoxId,
                                           ID_ANIMATION_BACKWARD,
                                           ID_ANIMATION_STEP_BACKWARD,
                                           ID_ANIMATION_STOP,
                                           ID_ANIMATION_STEP_FORWARD,
                                           ID_ANIMATION_FORWARD,
                                           0,
                                           ID_HELP_CONTEXT,
                                           ID_APP_ABOUT}) {
    if (id == 0) {
      mainToolBar_->addSeparator();
    } else if (id == kTimeStepBoxId) {
      timeStepBox_ = new QComboBox(mainToolBar_);
      timeStepBox_->setObjectName("TimeStepBox");
      for (int i = 0; i < ui::kTimeStepCount; ++i)
        timeStepBox_->addItem(QtString(res::IDS_TIME_STEP_FIRST + i));
      timeStepBox_->setCurrentIndex(ui::kOneDay);
      const QString prompt = QtString(kTimeStepBoxId);
      timeStepBox_->setToolTip(prompt.section('\n', 1));
      timeStepBox_->setStatusTip(prompt.section('\n', 0, 0));
      timeStepBox_->setWhatsThis(QtTranslated("WhatsThis", ui::WhatsThisText(kTimeStepBoxId)));
      QFont bold = timeStepBox_->font();
      bold.setBold(true);
      timeStepBox_->setFont(bold);
      mainToolBar_->addWidget(timeStepBox_);
    } else {
      mainToolBar_->addAction(Action(id));
    }
  }

  // The find box ends the main toolbar; F3 anywhere puts the cursor into it.
  FindBoxActions find;
  // Once the view has turned to what was found, the keys go to the sky
  // again (zoom, move, follow), as after any search.
  find.Redraw = [this] {
    view_->Redraw();
    view_->setFocus(Qt::OtherFocusReason);
  };
  find.PlaceChanged = [this] { UpdatePanes(); };
  find.OpenCard = [this](sky::SkyObjectRef object) {
    ShowObjectCard(object, doc_, imagesDirectory_, messages_, this, ObjectCardActions());
  };
  findBox_ = new CFindBox(doc_, messages_, std::move(find), mainToolBar_);
  mainToolBar_->addWidget(findBox_);
  connect(new QShortcut(QKeySequence(Qt::Key_F3), this), &QShortcut::activated, this,
          &CMainFrame::FocusFindBox);

  // The navigation buttons dock beside the main toolbar, on the same line.
  navigationToolBar_ = addToolBar(tr("Navigation"));
  navigationToolBar_->setObjectName("NavigationToolBar");
  navigationToolBar_->setIconSize(QSize(16, 15));
  navigationToolBar_->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
  for (int id : std::initializer_list<int>{ID_ZOOM_IN, ID_ZOOM_OUT, ID_MOVE_DOWN, ID_MOVE_UP,
                                           ID_MOVE_LEFT, ID_MOVE_RIGHT})
    navigationToolBar_->addAction(Action(id));
  // The View menu lists it beside the main toolbar's own command.
  QAction* shown = navigationToolBar_->toggleViewAction();
  shown->setText(tr("Na&vigation Toolbar"));
  shown->setStatusTip(tr("Show or hide the navigation toolbar"));
  viewMenu_->insertAction(Action(ID_VIEW_STATUS_BAR), shown);
}

void CMainFrame::CreateStatusBar() {
  // Panes after the message area, each as wide as its widest text.
  for (int id : {res::IDS_PANE_RA, res::IDS_PANE_DEC, res::IDS_PANE_PLACE, res::IDS_PANE_TIME,
                 res::IDS_PANE_DATE})
    panes_[id] = AddPane(id);
  statusBar()->installEventFilter(this);
  panes_[res::IDS_PANE_RA]->setWhatsThis(
      tr("Right ascension (J2000) of the sky under the pointer."));
  panes_[res::IDS_PANE_DEC]->setWhatsThis(tr("Declination (J2000) of the sky under the pointer."));
  panes_[res::IDS_PANE_PLACE]->setWhatsThis(
      tr("The observer's place; Settings > Observer's Location changes it."));
  panes_[res::IDS_PANE_TIME]->setWhatsThis(
      tr("The local time of the sky shown, with the time zone's abbreviation and its offset from "
         "Universal Time."));
  panes_[res::IDS_PANE_DATE]->setWhatsThis(tr("The date of the sky shown."));
  connect(view_, &CSkyView::CursorMoved, this, [this] {
    panes_[res::IDS_PANE_RA]->setText(view_->RaPaneText());
    panes_[res::IDS_PANE_DEC]->setText(view_->DecPaneText());
  });
}

void CMainFrame::CreateFullScreenExit() {
  leaveFullScreen_ = new QAction(this);
  leaveFullScreen_->setShortcut(Qt::Key_Escape);
  leaveFullScreen_->setEnabled(false);
  // Enabled in full screen only (UpdateCommandStates), where it toggles it off.
  connect(leaveFullScreen_, &QAction::triggered, this, &CMainFrame::ToggleFullScreen);
  addAction(leaveFullScreen_);
  // A note of its own over the sky (the status bar is hidden then), shown a
  // few seconds from the moment full screen begins.
  fullScreenHint_ =
      new QLabel(tr("Press Esc to leave full screen"), this, Qt::ToolTip | Qt::FramelessWindowHint);
  fullScreenHint_->setObjectName("FullScreenHint");
  fullScreenHint_->setAttribute(Qt::WA_ShowWithoutActivating);
  fullScreenHint_->setAttribute(Qt::WA_TransparentForMouseEvents);
  fullScreenHint_->setMargin(fullScreenHint_->fontMetrics().height() / 2);
  fullScreenHint_->setAutoFillBackground(true);
  fullScreenHintTimer_ = new QTimer(this);
  fullScreenHintTimer_->setSingleShot(true);
  fullScreenHintTimer_->setInterval(4000);
  connect(fullScreenHintTimer_, &QTimer::timeout, fullScreenHint_, &QWidget::hide);
}

void CMainFrame::FitPanes() {
  if (panes_.size() < 5) return;  // not all made yet
  // Most important first: the time and date of the sky, the pointer's
  // readout, the place.
  static constexpr int kOrder[] = {res::IDS_PANE_TIME, res::IDS_PANE_DATE, res::IDS_PANE_RA,
                                   res::IDS_PANE_DEC, res::IDS_PANE_PLACE};
  QLabel* timePane = panes_[res::IDS_PANE_TIME];
  const int timeWidth = timePane->fontMetrics().horizontalAdvance(QtString(res::IDS_PANE_TIME));
  const int zoneWidth = timePane->fontMetrics().horizontalAdvance(QtText(" " + paneZone_));
  std::vector<int> widths;
  for (int id : kOrder) widths.push_back(panes_[id]->minimumWidth() + kPaneSpacing);
  widths[0] = timeWidth + zoneWidth + kPaneSpacing;
  const int grip = statusBar()->isSizeGripEnabled() ? 20 : 0;
  std::vector<bool> shown = ui::PanesThatFit(widths, statusBar()->width() - grip);
  // Without room for the zone the time is shown alone.
  const bool hadZone = zoneInTimePane_;
  zoneInTimePane_ = shown[0];
  if (!zoneInTimePane_) {
    widths[0] = timeWidth + kPaneSpacing;
    shown = ui::PanesThatFit(widths, statusBar()->width() - grip);
  }
  timePane->setMinimumWidth(widths[0] - kPaneSpacing);
  for (std::size_t i = 0; i < shown.size(); ++i) panes_[kOrder[i]]->setVisible(shown[i]);
  if (zoneInTimePane_ != hadZone) UpdatePanes();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == statusBar() && event->type() == QEvent::Resize) FitPanes();
  return QMainWindow::eventFilter(watched, event);
}

CardActions CMainFrame::ObjectCardActions() {
  CardActions actions;
  actions.Plot = [this](sky::SkyObjectRef object) {
    dialogs_->ShowAltitudePlot(sky::PlotTargetOf(doc_, object));
  };
  if (doc_.Telescope.DeviceConnected)
    actions.SlewTo = [this](sky::SkyObjectRef object) { telescope_->SlewTo(object); };
  actions.Follow = [this](sky::SkyObjectRef object) {
    view_->Follow(object);
    UpdateCommandStates();
    UpdatePanes();
  };
  return actions;
}

void CMainFrame::FocusFindBox() {
  findBox_->setFocus(Qt::ShortcutFocusReason);
  findBox_->selectAll();
}

QLabel* CMainFrame::AddPane(int sampleStringId) {
  auto* pane = new QLabel(this);
  pane->setObjectName(QStringLiteral("Pane%1").arg(sampleStringId));
  pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QtString(sampleStringId)));
  statusBar()->addPermanentWidget(pane);
  return pane;
}

QLabel* CMainFrame::Pane(int id) const {
  const auto it = panes_.find(id);
  return it == panes_.end() ? nullptr : it->second;
}

void CMainFrame::UpdatePanes() {
  dialogs_->FollowDocument();
  const astro::CivilTime& t = doc_.Sky.DocumentTime;
  // A pane whose text stays is left alone: each animation step would
  // otherwise repaint it, and with it the window, for nothing.
  const auto show = [](QLabel* pane, const QString& text) {
    if (pane->text() != text) pane->setText(text);
  };
  show(panes_[res::IDS_PANE_PLACE], QtText(doc_.Settings().Location));
  // The zone's letters and offset ("CEST, UT+2") follow the time where the
  // status bar has room for them, and are in the pane's tool tip always.
  QLabel* timePane = panes_[res::IDS_PANE_TIME];
  const std::string zone = sky::ZoneText(doc_.Sky.Instant);
  if (zone != paneZone_) {
    paneZone_ = zone;
    timePane->setToolTip(QtText(zone));
    FitPanes();
  }
  show(timePane, QtText(TimePaneText(t.Hour, t.Minute) + (zoneInTimePane_ ? " " + zone : "")));
  // Day, month and year as the program always wrote them, the month's name in the locale's
  // language.
  show(panes_[res::IDS_PANE_DATE],
       QLocale().toString(QDate(t.Year, t.Month, t.Day), QStringLiteral("dd  MMM yyyy")));
  ShowFollowing();
}

void CMainFrame::UpdateCommandStates() {
  for (int i = 0; i < ui::kCommandCount; ++i) {
    const ui::Command& command = ui::kCommands[i];
    QAction* action = actions_[command.Id];
    action->setEnabled(ui::IsEnabled(command.Enable, doc_));
    if (command.Checked) action->setChecked(command.Checked(doc_, *this));
  }
  // The recent-file entries are there only while the list has pictures.
  for (int i = 0; i < sky::kRecentFileCount; ++i)
    actions_[ID_FILE_RECENT_FIRST + i]->setEnabled(
        !doc_.Run.Animating && i < static_cast<int>(doc_.Settings().RecentFiles.size()));
  timeStepBox_->setEnabled(!doc_.Run.Animating);
  leaveFullScreen_->setEnabled(doc_.Run.FullScreen && !doc_.Run.Animating);
  ShowFollowing();
}

void CMainFrame::ShowFollowing() {
  QString text = ui::TranslatedText(sky::FollowingText(doc_));
  if (text.isEmpty()) text = telescope_->StatusText();
  if (statusBar()->currentMessage() == text) return;
  if (text.isEmpty())
    statusBar()->clearMessage();
  else
    statusBar()->showMessage(text);
}

ui::CommandTargets CMainFrame::Targets() {
  return {*this, doc_, *view_, *animation_, *realTime_, *printJobs_, *dialogs_, *telescope_};
}

void CMainFrame::ToggleRedScreen() {
  doc_.Run.RedScreen = doc_.Run.RedScreen == 0 ? 1 : 0;
  ShowNightVision(doc_.Run.RedScreen != 0);
  view_->Redraw();
}

void CMainFrame::ShowNightVision(bool on) {
  // The style first: setting one brings back its own palette.
  if (on)
    QApplication::setStyle(new ui::CNightVisionStyle);
  else
    QApplication::setStyle(savedStyle_);
  QApplication::setPalette(on ? ui::NightVisionPalette() : savedPalette_);
  for (const auto& [id, action] : actions_)
    action->setIcon(on ? ui::NightVisionIcon(CommandIcon(id)) : CommandIcon(id));
}

void CMainFrame::ToggleFullScreen() {
  doc_.Run.FullScreen = doc_.Run.FullScreen == 0 ? 1 : 0;
  if (doc_.Run.FullScreen) {
    savedRect_ = geometry();
    savedMaximised_ = isMaximized();
    savedBars_ = {!mainToolBar_->isHidden(), !navigationToolBar_->isHidden(),
                  !statusBar()->isHidden()};
    menuBar()->hide();
    mainToolBar_->hide();
    navigationToolBar_->hide();
    statusBar()->hide();
    showFullScreen();
    // At the top of the screen the window fills, in the middle.
    const QRect area = screen()->geometry();
    fullScreenHint_->adjustSize();
    fullScreenHint_->move(area.center().x() - fullScreenHint_->width() / 2,
                          area.top() + fullScreenHint_->height());
    fullScreenHint_->show();
    fullScreenHintTimer_->start();
  } else {
    fullScreenHintTimer_->stop();
    fullScreenHint_->hide();
    if (savedMaximised_) {
      showMaximized();
    } else {
      showNormal();
      setGeometry(savedRect_);
    }
    // The bars come back as the user had them.
    menuBar()->show();
    mainToolBar_->setVisible(savedBars_[0]);
    navigationToolBar_->setVisible(savedBars_[1]);
    statusBar()->setVisible(savedBars_[2]);
  }
  UpdateCommandStates();
}

void CMainFrame::ToggleToolBar() { mainToolBar_->setVisible(mainToolBar_->isHidden()); }
void CMainFrame::ToggleStatusBar() { statusBar()->setVisible(statusBar()->isHidden()); }
void CMainFrame::Exit() { close(); }

CHelpWindow* CMainFrame::HelpWindow() const { return dialogs_->HelpWindow(); }

void CMainFrame::OpenPictureFile() {
  // "Jpeg Files(*.JPG)|*.JPG|...||": the names of the filters are Qt's filters.
  QStringList filters;
  const QStringList parts = QtString(res::IDS_OPEN_FILTER).split('|');
  for (int i = 0; i + 1 < parts.size(); i += 2)
    if (!parts[i].isEmpty()) filters << parts[i];
  QFileDialog dialog(this, QString(), QString::fromStdString(imagesDirectory_.string()));
  dialog.setObjectName("OpenPictureDialog");
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::ReadOnly);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(filters);
  if (!openFilter_.isEmpty()) dialog.selectNameFilter(openFilter_);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  openFilter_ = dialog.selectedNameFilter();
  OpenPicture(dialog.selectedFiles().first().toStdString());
}

void CMainFrame::OpenRecentFile(int index) {
  std::vector<std::string>& list = doc_.Settings().RecentFiles;
  if (index < 0 || index >= static_cast<int>(list.size())) return;
  const std::string path = list[index];
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    messages_.Show(MessageIcon::Stop, TranslatedFormat(res::IDS_CANT_OPEN_FILE, {path}));
    sky::RemoveRecentFile(list, path);
    UpdateRecentFileMenu();
    UpdateCommandStates();
    return;
  }
  OpenPicture(path);
}

void CMainFrame::OpenPicture(const std::string& path) {
  // Only a picture that could be shown enters the list (first); one that
  // could not leaves it.
  if (ShowPictureFile(path, messages_, this))
    sky::AddRecentFile(doc_.Settings().RecentFiles, path);
  else
    sky::RemoveRecentFile(doc_.Settings().RecentFiles, path);
  UpdateRecentFileMenu();
  UpdateCommandStates();
}

void CMainFrame::UpdateRecentFileMenu() {
  const std::vector<std::string>& list = doc_.Settings().RecentFiles;
  for (int i = 0; i < sky::kRecentFileCount; ++i) {
    QAction* action = actions_[ID_FILE_RECENT_FIRST + i];
    const bool used = i < static_cast<int>(list.size());
    if (used)
      action->setText(QtText(sky::RecentFileMenuText(i, list[i])));
    else if (i == 0)
      action->setText(tr("Recent File"));
    action->setVisible(used || i == 0);
  }
}
