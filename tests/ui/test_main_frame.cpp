// The main window as a user drives it: menus, keys, toolbars, panes, red
// and full screen, and the time animation.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QDateTime>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>
#include <set>
#include <vector>

#include "astro/clock.h"
#include "res/command_ids.h"
#include "res/strings.h"
#include "sky/find_index.h"
#include "sky/follow.h"
#include "sky/night_vision.h"
#include "sky/search.h"
#include "tests/main_window_fixture.h"
#include "ui/find_box.h"
#include "ui/object_cards.h"
#include "ui/tonight_window.h"

namespace {

class MainFrameTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    if (!NotStarted()) Activate(frame_);
  }

  bool Enabled(int id) { return frame_->Action(id)->isEnabled(); }
  void Trigger(int id) { frame_->Action(id)->trigger(); }
};

constexpr int kToggles[] = {32780, 32778, 32779, 32777, 32781, 32782,
                            32804, 32796, 32798, 32797, 32792, 32823};
constexpr int kIdleOnly[] = {32784, 32785, 32787, 32788, 32790, 32824,         // dialogs
                             32808, 32809, 32810, 32811, 32812, 32822, 32813,  // search
                             32814, 32815, 32816, 32817, 32818, 57601, 57607,
                             57609,                                     // files, print
                             57606, 57667, 57668, 57670, 57669, 57664,  // help
                             32800, 32801, 32819, 32820, 32806, 32807,  // modes
                             32789, 32791, 32794, 32795};               // animation

TEST_F(MainFrameTest, AnimationDisablesEverythingButTheDisplayCommands) {
  for (int id : kIdleOnly) EXPECT_TRUE(Enabled(id)) << id;
  EXPECT_FALSE(Enabled(32793));
  Trigger(32795);
  ASSERT_EQ(doc_->Run.Animating, 1);
  for (int id : kIdleOnly) EXPECT_FALSE(Enabled(id)) << id;
  EXPECT_FALSE(frame_->TimeStepBox()->isEnabled());
  for (int id : kToggles) EXPECT_TRUE(Enabled(id)) << id;
  EXPECT_TRUE(Enabled(32802));
  EXPECT_TRUE(Enabled(32803));
  EXPECT_TRUE(Enabled(32793));
  // Keys follow the same rules: Ctrl+Q does not change the chart mode now.
  QTest::keyClick(view_, Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(doc_->Settings().HorizonMode, 0);
  QTest::keyClick(view_, Qt::Key_Escape);
  EXPECT_EQ(doc_->Run.Animating, 0);
  EXPECT_TRUE(Enabled(32800));
  EXPECT_TRUE(frame_->TimeStepBox()->isEnabled());
}

// T follows the object chosen, the status bar says so, and a move of the
// user's or Esc ends it (Esc stops a running animation first).
TEST_F(MainFrameTest, TFollowsTheChosenObjectUntilTheUserTurnsTheView) {
  view_->setFocus();
  doc_->Selected = sky::SkyObjectRef{sky::SkyObjectRef::Body, 5};  // Jupiter
  QTest::keyClick(view_, Qt::Key_T);
  ASSERT_EQ(doc_->Run.Following, 1);
  EXPECT_TRUE(frame_->Action(32827)->isChecked());
  EXPECT_EQ(frame_->statusBar()->currentMessage(), "Following Jupiter");
  QTest::keyClick(view_, Qt::Key_Left);
  EXPECT_EQ(doc_->Run.Following, 0);
  EXPECT_FALSE(frame_->Action(32827)->isChecked());
  EXPECT_EQ(frame_->statusBar()->currentMessage(), "");

  QTest::keyClick(view_, Qt::Key_T);
  Trigger(32795);  // animation forward
  QTest::keyClick(view_, Qt::Key_Escape);
  EXPECT_EQ(doc_->Run.Animating, 0);
  EXPECT_EQ(doc_->Run.Following, 1);
  QTest::keyClick(view_, Qt::Key_Escape);
  EXPECT_EQ(doc_->Run.Following, 0);
}

// R keeps the sky at the present instant; an animation takes the time over.
TEST_F(MainFrameTest, RealTimeShowsThePresentUntilAnAnimationRuns) {
  view_->setFocus();
  doc_->Settings().RealTime = 0;
  QTest::keyClick(view_, Qt::Key_R);
  ASSERT_EQ(doc_->Settings().RealTime, 1);
  EXPECT_TRUE(frame_->Action(32829)->isChecked());
  const std::int64_t shown =
      astro::SecondsOfCivil(doc_->Sky.DocumentTime) - doc_->Sky.Instant.OffsetSeconds;
  EXPECT_NEAR(static_cast<double>(shown), QDateTime::currentSecsSinceEpoch(), 5);
  Trigger(32795);  // animation forward
  EXPECT_EQ(doc_->Settings().RealTime, 0);
  EXPECT_FALSE(frame_->Action(32829)->isChecked());
  Trigger(32793);
}

// Each zoom step doubles the magnification up to 8192, where the planets
// show their faces, and halves it back down to the whole visible sky.
TEST_F(MainFrameTest, ZoomStepsDoubleUpTo8192) {
  view_->Zoom = 1;
  std::vector<double> steps;
  for (int step = 0; step < 15; ++step) {
    view_->ZoomIn();
    steps.push_back(view_->Zoom);
  }
  EXPECT_EQ(steps, (std::vector<double>{2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096, 8192,
                                        8192, 8192}));
  for (int step = 0; step < 15; ++step) view_->ZoomOut();
  EXPECT_EQ(view_->Zoom, 1);
}

TEST_F(MainFrameTest, KeysWorkWhileTheViewHasTheFocus) {
  view_->setFocus();
  const int grid = doc_->Settings().Coordinations;
  QTest::keyClick(view_, Qt::Key_G);
  EXPECT_EQ(doc_->Settings().Coordinations, 1 - grid);
  EXPECT_EQ(frame_->Action(32780)->isChecked(), doc_->Settings().Coordinations == 1);
  QTest::keyClick(view_, Qt::Key_S, Qt::ShiftModifier);
  EXPECT_EQ(doc_->Settings().StarNames, 0);
  QTest::keyClick(view_, Qt::Key_Asterisk, Qt::KeypadModifier);
  EXPECT_EQ(view_->Zoom, 4);
  QTest::keyClick(view_, Qt::Key_Slash, Qt::KeypadModifier);
  EXPECT_EQ(view_->Zoom, 2);
  const double turn = doc_->Settings().YRotation;
  QTest::keyClick(view_, Qt::Key_Left);
  EXPECT_DOUBLE_EQ(doc_->Settings().YRotation, turn + 7.5 > 360 ? turn + 7.5 - 360 : turn + 7.5);
  QTest::keyClick(view_, Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(doc_->Settings().HorizonMode, 1);
  EXPECT_TRUE(frame_->Action(32801)->isChecked());
  EXPECT_FALSE(frame_->Action(32800)->isChecked());
  QTest::keyClick(view_, Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(doc_->Settings().StarsDrawPoints, 1);
}

// What an image shows: its opaque pixels that are not pure red, its
// brightest red and how many shades of red it has.
struct Shades {
  int coloured = 0, brightestRed = 0, levels = 0;
};
Shades ShadesOf(const QImage& image) {
  Shades s;
  std::set<int> levels;
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = argb.pixel(x, y);
      if (qAlpha(p) == 0) continue;
      s.coloured += qGreen(p) > 0 || qBlue(p) > 0;
      s.brightestRed = std::max(s.brightestRed, qRed(p));
      levels.insert(qRed(p));
    }
  s.levels = static_cast<int>(levels.size());
  return s;
}

TEST_F(MainFrameTest, RedScreenIsDimRedOnBlackAndBack) {
  const QColor window = QApplication::palette().color(QPalette::Window);
  const QString style = QApplication::style()->name();
  Trigger(32802);
  EXPECT_EQ(doc_->Run.RedScreen, 1);
  const QPalette palette = QApplication::palette();
  // Near-black surfaces, dim red text; nothing but red, nothing brighter than the limit.
  EXPECT_LE(palette.color(QPalette::Window).red(), 0x20);
  EXPECT_LE(palette.color(QPalette::Base).red(), 0x20);
  EXPECT_GE(palette.color(QPalette::WindowText).red(), 0x80);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      if (role == QPalette::NoRole) continue;
      const QColor c = palette.color(group, static_cast<QPalette::ColorRole>(role));
      EXPECT_EQ(c.green() + c.blue(), 0) << group << " " << role;
      EXPECT_LE(c.red(), sky::kNightVisionMaxRed) << group << " " << role;
    }
  // The toolbar's icons and the message boxes' signs: red, dim, with their shapes.
  const QIcon print = frame_->Action(57607)->icon();
  const QIcon warning = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
  for (const QPixmap& pixmap : {print.pixmap(16, 16), print.pixmap(16, 16, QIcon::Disabled),
                                print.pixmap(16, 16, QIcon::Active), warning.pixmap(32, 32)}) {
    const Shades s = ShadesOf(pixmap.toImage());
    EXPECT_EQ(s.coloured, 0);
    EXPECT_LE(s.brightestRed, sky::kNightVisionMaxRed);
    EXPECT_GT(s.levels, 2) << "a blob of one colour";
  }
  // The whole window as drawn, the sky included: a frame drawn now, the
  // restyled chrome laid out.
  view_->grabFramebuffer();
  QCoreApplication::processEvents();
  const QImage grabbed = frame_->grab().toImage();
  const Shades drawn = ShadesOf(grabbed);
  EXPECT_EQ(drawn.coloured, 0);
  EXPECT_LE(drawn.brightestRed, sky::kNightVisionMaxRed);
  EXPECT_FALSE(Enabled(32807)) << "no coloured sky in red screen";
  EXPECT_TRUE(Enabled(32806));
  Trigger(32802);
  EXPECT_EQ(QApplication::palette().color(QPalette::Window), window);
  EXPECT_EQ(QApplication::style()->name(), style);
  EXPECT_GT(ShadesOf(frame_->Action(57607)->icon().pixmap(16, 16).toImage()).coloured, 0)
      << "the icons' own colours are back";
  EXPECT_TRUE(Enabled(32807));
}

TEST_F(MainFrameTest, NavigationToolBarDocksBesideTheMainOneAndTheViewMenuListsBoth) {
  QToolBar* navigation = frame_->NavigationToolBar();
  ASSERT_TRUE(QTest::qWaitFor([&] { return navigation->isVisible(); }));
  EXPECT_FALSE(navigation->isWindow()) << "a floating tool window";
  EXPECT_EQ(frame_->toolBarArea(navigation), Qt::TopToolBarArea);
  EXPECT_EQ(navigation->y(), frame_->MainToolBar()->y()) << "on the main toolbar's line";
  // The View menu has a checked entry for each toolbar; each hides and brings it back.
  QMenu* view = nullptr;
  for (QAction* a : frame_->menuBar()->actions())
    if (a->text() == "&View") view = a->menu();
  ASSERT_NE(view, nullptr);
  for (QToolBar* bar : {frame_->MainToolBar(), navigation}) {
    QAction* entry = nullptr;
    for (QAction* a : view->actions())
      if (a->text().remove('&').startsWith(bar == navigation ? "Navigation" : "Toolbar")) entry = a;
    ASSERT_NE(entry, nullptr) << bar->objectName().toStdString();
    EXPECT_TRUE(entry->isCheckable());
    frame_->UpdateCommandStates();
    EXPECT_TRUE(entry->isChecked());
    entry->trigger();
    EXPECT_TRUE(bar->isHidden());
    frame_->UpdateCommandStates();
    EXPECT_FALSE(entry->isChecked());
    entry->trigger();
    EXPECT_FALSE(bar->isHidden());
  }
}

TEST_F(MainFrameTest, TheArrowsMoveTheFieldTheWayTheyPoint) {
  struct Case {
    int Id;
    int Right, Up;  // the way the stars go on the screen
  };
  for (int horizon : {0, 1}) {
    doc_->Settings().HorizonMode = horizon;
    doc_->Settings().XRotation = horizon ? -30 : -20;
    doc_->Settings().YRotation = horizon ? 90 + 180 : 75;
    const double x = doc_->Settings().XRotation, y = doc_->Settings().YRotation;
    view_->grabFramebuffer();
    const int cx = view_->Geometry.Viewport[2] / 2, cy = view_->Geometry.Viewport[3] / 2;
    double star[3];
    ASSERT_TRUE(view_->Geometry.WindowToSphere(cx, cy, view_->Zoom, star));
    for (const Case c :
         {Case{32771, -1, 0}, Case{32772, 1, 0}, Case{32773, 0, 1}, Case{32774, 0, -1}}) {
      doc_->Settings().XRotation = x;
      doc_->Settings().YRotation = y;
      Trigger(c.Id);
      view_->grabFramebuffer();
      double wx, wy;  // GL window coordinates: y up
      ASSERT_TRUE(view_->Geometry.SkyToWindow(star[0], star[1], star[2], wx, wy));
      const auto way = [](double d) { return d > 5 ? 1 : d < -5 ? -1 : 0; };
      EXPECT_EQ(way(wx - cx), c.Right) << c.Id << " horizon " << horizon;
      EXPECT_EQ(way(wy - cy), c.Up) << c.Id << " horizon " << horizon;
    }
  }
}

TEST_F(MainFrameTest, BlackSkyRestoresBothLimitsFromTheSettings) {
  Trigger(32807);
  EXPECT_EQ(doc_->Settings().SkyColors, 1);
  EXPECT_EQ(doc_->Settings().SkyColors, 1);
  doc_->Limits.DeepSkyMagnitudeLimit = -5;  // as a daylight frame leaves it
  doc_->Limits.StarMagnitudeLimit = 3;
  Trigger(32806);
  EXPECT_EQ(doc_->Settings().SkyColors, 0);
  EXPECT_EQ(doc_->Settings().SkyColors, 0);
  EXPECT_EQ(doc_->Limits.StarMagnitudeLimit, 7.5);
  EXPECT_EQ(doc_->Limits.DeepSkyMagnitudeLimit, 11.0);
}

TEST_F(MainFrameTest, FullScreenTwiceRestoresTheFrame) {
  frame_->showNormal();
  frame_->setGeometry(100, 120, 800, 600);
  ASSERT_TRUE(QTest::qWaitFor([&] { return frame_->geometry() == QRect(100, 120, 800, 600); }));
  const QRect before = frame_->geometry();
  Trigger(32803);
  EXPECT_EQ(doc_->Run.FullScreen, 1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return frame_->isFullScreen(); }));
  EXPECT_TRUE(frame_->menuBar()->isHidden());
  EXPECT_TRUE(frame_->statusBar()->isHidden());
  EXPECT_TRUE(frame_->MainToolBar()->isHidden());
  EXPECT_TRUE(frame_->NavigationToolBar()->isHidden());
  QTest::keyClick(view_, Qt::Key_F, Qt::ShiftModifier);
  EXPECT_EQ(doc_->Run.FullScreen, 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return frame_->geometry() == before; }))
      << "back at " << frame_->geometry().x() << "," << frame_->geometry().y() << " "
      << frame_->geometry().width() << "x" << frame_->geometry().height();
  EXPECT_FALSE(frame_->isFullScreen());
  EXPECT_FALSE(frame_->menuBar()->isHidden());
  EXPECT_FALSE(frame_->statusBar()->isHidden());
  EXPECT_FALSE(frame_->MainToolBar()->isHidden());
  EXPECT_FALSE(frame_->NavigationToolBar()->isHidden());

  // The pointer at the top edge leaves full screen too.
  Trigger(32803);
  ASSERT_TRUE(QTest::qWaitFor([&] { return frame_->isFullScreen(); }));
  QMouseEvent atTop(QEvent::MouseMove, QPointF(200, 1), view_->mapToGlobal(QPointF(200, 1)),
                    Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(view_, &atTop);
  EXPECT_EQ(doc_->Run.FullScreen, 0);
}

TEST_F(MainFrameTest, EscLeavesFullScreenAndANoteSaysSo) {
  QTest::keyClick(view_, Qt::Key_Escape);
  EXPECT_EQ(doc_->Run.FullScreen, 0) << "Esc does not enter it";
  Trigger(32803);
  ASSERT_TRUE(QTest::qWaitFor([&] { return frame_->isFullScreen(); }));
  const QLabel* note = frame_->FullScreenHint();
  EXPECT_TRUE(note->isVisible());
  EXPECT_EQ(note->text().toStdString(), "Press Esc to leave full screen");
  QTest::keyClick(view_, Qt::Key_Escape);
  EXPECT_EQ(doc_->Run.FullScreen, 0);
  EXPECT_FALSE(note->isVisible());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !frame_->isFullScreen(); }));
}

TEST_F(MainFrameTest, ThePointerReadOutFollowsTheSkyMovingUnderAStillPointer) {
  const QLabel* ra = frame_->Pane(res::IDS_PANE_RA);
  QCursor::setPos(view_->mapToGlobal(view_->rect().center() + QPoint(60, 40)));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !ra->text().isEmpty(); })) << "the pointer's move";
  const QString before = ra->text();
  Trigger(32771);  // the field moves to the left
  EXPECT_TRUE(QTest::qWaitFor([&] { return ra->text() != before; }))
      << before.toStdString() << " stayed";
}

TEST_F(MainFrameTest, PanesAndTimeStepBox) {
  // The time with its zone's letters and offset, which the tool tip tells too.
  EXPECT_EQ(frame_->Pane(57635)->text().toStdString(), "12:00 CET, UT+1");
  EXPECT_EQ(frame_->Pane(57635)->toolTip().toStdString(), "CET, UT+1");
  EXPECT_EQ(frame_->Pane(57634)->text().toStdString().substr(0, 4), "05  ");
  EXPECT_EQ(frame_->Pane(57636)->text().toStdString(), "Poland:Krakow");
  doc_->Sky.DocumentTime = {2026, 12, 5, 9, 5, 0};
  doc_->UpdateSky();
  frame_->UpdatePanes();
  EXPECT_EQ(frame_->Pane(57635)->text().toStdString(), "9:05 CET, UT+1");
  doc_->Sky.DocumentTime = {2026, 7, 5, 9, 5, 0};
  doc_->UpdateSky();
  frame_->UpdatePanes();
  EXPECT_EQ(frame_->Pane(57635)->text().toStdString(), "9:05 CEST, UT+2");
  EXPECT_EQ(frame_->Pane(57635)->toolTip().toStdString(), "CEST, UT+2");

  QComboBox* box = frame_->TimeStepBox();
  ASSERT_EQ(box->count(), 8);
  EXPECT_EQ(box->itemText(0).toStdString(), " Real time");
  EXPECT_EQ(box->itemText(7).toStdString(), " 1 year");
  EXPECT_EQ(box->currentText().toStdString(), " 1 day");

  // The menus in their order, and the status text of a command.
  QStringList menus;
  for (QAction* a : frame_->menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus.join("|").toStdString(), "&File|&View|&Settings|&Time|Sea&rch|T&ools|&Help");
  EXPECT_EQ(frame_->Action(32780)->statusTip().toStdString(), "Coordination grid lines");
  EXPECT_EQ(frame_->Action(32780)->toolTip().toStdString(), "Grids");
  EXPECT_EQ(frame_->MainToolBar()->actions().size(), 29);  // the find box last
}

TEST_F(MainFrameTest, NarrowWindowsKeepTheirPanesApartAndTheTime) {
  for (const int width : {400, 600, 1200}) {
    frame_->resize(width, 300);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame_->statusBar()->width() <= width; }));
    QApplication::processEvents();
    std::vector<QRect> shown;
    for (int id : {57632, 57633, 57634, 57635, 57636}) {
      QLabel* pane = frame_->Pane(id);
      if (!pane->isVisible()) continue;
      const QRect r(pane->mapTo(frame_->statusBar(), QPoint(0, 0)), pane->size());
      EXPECT_TRUE(frame_->statusBar()->rect().contains(r)) << width << " pane " << id;
      for (const QRect& other : shown) EXPECT_FALSE(r.intersects(other)) << width << " pane " << id;
      shown.push_back(r);
    }
    EXPECT_TRUE(frame_->Pane(57635)->isVisible()) << "the time stays, at " << width;
    if (width >= 1200) {
      EXPECT_EQ(shown.size(), 5u);
    }
  }
}

TEST_F(MainFrameTest, StepsAndTheAnimationTimer) {
  // One step forward by a day moves the date, the sky and the panes.
  const double jd = doc_->Sky.AstroState.JulianDay;
  Trigger(32794);
  EXPECT_EQ(doc_->Sky.DocumentTime.Day, 6);
  EXPECT_NEAR(doc_->Sky.AstroState.JulianDay - jd, 1.0, 1e-9);
  EXPECT_EQ(frame_->Pane(57634)->text().toStdString().substr(0, 2), "06");
  EXPECT_EQ(doc_->Run.Animating, 0);
  Trigger(32791);
  EXPECT_EQ(doc_->Sky.DocumentTime.Day, 5);

  // Without the solar system an equatorial chart does not animate...
  doc_->Settings().SolarSystem = 0;
  Trigger(32795);
  EXPECT_EQ(doc_->Run.Animating, 0);
  // ...but single steps still work.
  Trigger(32794);
  EXPECT_EQ(doc_->Sky.DocumentTime.Day, 6);

  // The timer steps by the chosen step, here ten minutes at a time.
  doc_->Settings().SolarSystem = 1;
  frame_->TimeStepBox()->setCurrentIndex(1);
  const auto minutes = [&] {
    return doc_->Sky.DocumentTime.Hour * 60 + doc_->Sky.DocumentTime.Minute - 12 * 60;
  };
  Trigger(32795);
  EXPECT_TRUE(QTest::qWaitFor([&] { return minutes() >= 20; }, 10000));
  Trigger(32793);
  EXPECT_EQ(minutes() % 10, 0);
  const int stopped = minutes();
  QTest::qWait(200);
  EXPECT_EQ(minutes(), stopped) << "the timer stops with the animation";
}

}  // namespace

namespace {

// The Tonight window from the toolbar: it follows the date, and a double
// click on a planet sets the sky's time to the planet's best hour.
// A row's context menu of the Tonight window asks for the telescope's slew
// to that row's object, as its card's button does.
TEST_F(MainFrameTest, TheTonightContextMenuSlewsTheTelescopeToTheRow) {
  Trigger(32822);
  auto* tonight = frame_->findChild<CTonightWindow*>();
  ASSERT_NE(tonight, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(tonight));
  QTreeWidget* table = tonight->PlanetTable();
  ASSERT_GT(table->topLevelItemCount(), 0);
  QTreeWidgetItem* row = table->topLevelItem(0);
  QSignalSpy asked(tonight, &CTonightWindow::SlewRequested);
  QTimer choose;
  choose.setInterval(20);
  QObject::connect(&choose, &QTimer::timeout, [&choose] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    choose.stop();
    for (QAction* action : menu->actions())
      if (action->text().contains(QStringLiteral("Telescope"))) menu->setActiveAction(action);
    QTest::keyClick(menu, Qt::Key_Return);
  });
  choose.start();
  emit table->customContextMenuRequested(table->visualItemRect(row).center());
  ASSERT_EQ(asked.count(), 1);
  const auto target = asked.at(0).at(0).value<sky::PlotTarget>();
  EXPECT_EQ(target.Name, row->text(CTonightWindow::kName).toStdString());
  EXPECT_GE(target.Body, 0) << "a planet's row slews to the planet, not to a fixed place";
  tonight->close();
}

TEST_F(MainFrameTest, TheTonightWindowFollowsTheDateAndSetsTheTime) {
  Trigger(32822);
  auto* tonight = frame_->findChild<CTonightWindow*>();
  ASSERT_NE(tonight, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(tonight));
  QTreeWidget* table = tonight->PlanetTable();
  EXPECT_EQ(table->topLevelItemCount(), static_cast<int>(tonight->Shown().Planets.size()));
  EXPECT_EQ(tonight->ObjectTable()->topLevelItemCount(),
            static_cast<int>(tonight->Shown().Objects.size()));
  const std::string winterSunset = tonight->Shown().Sunset;

  doc_->SetDocumentTime(astro::DateTimeArgument{astro::CivilTime{2026, 6, 21, 22, 0, 0}});
  doc_->UpdateSky();
  frame_->UpdatePanes();
  EXPECT_NE(tonight->Shown().Sunset, winterSunset);

  // The first planet up in the summer night.
  ASSERT_FALSE(tonight->Shown().Planets.empty());
  const sky::TonightRow planet = tonight->Shown().Planets.front();
  const QList<QTreeWidgetItem*> found =
      table->findItems(QString::fromStdString(planet.Name), Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1);
  table->scrollToItem(found[0]);
  const QRect cell = table->visualItemRect(found[0]);
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_NEAR(static_cast<double>(doc_->Sky.Instant.UtSeconds),
              static_cast<double>(sky::SecondsOfJulianDay(planet.Instant)), 1.0);
  EXPECT_EQ(tonight->Shown().Sunset, sky::TonightOf(*doc_).Sunset) << "the same night";
  tonight->close();
}

TEST_F(MainFrameTest, FindBoxCentresWhatWasTypedWithASlip) {
  QTest::keyClick(view_, Qt::Key_F3);
  CFindBox* box = frame_->FindBox();
  ASSERT_TRUE(QTest::qWaitFor([&] { return box->hasFocus(); }));
  QTest::keyClicks(box, "betelguese");
  ASSERT_FALSE(box->Matches().empty());
  const sky::FindMatch first = box->Matches().front();
  EXPECT_EQ(first.Name, "Betelgeuse");
  ASSERT_TRUE(first.Object);
  const astro::EquatorialCoord place = sky::PlaceOf(*doc_, *first.Object);
  const std::optional<CameraAngles> camera =
      CameraOn(*doc_, place.RightAscension, place.Declination);
  ASSERT_TRUE(camera) << "the fixture's sky has Betelgeuse up";
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_DOUBLE_EQ(doc_->Settings().XRotation, camera->XRotation);
  EXPECT_DOUBLE_EQ(doc_->Settings().YRotation, camera->YRotation);
  EXPECT_EQ(doc_->Selected, first.Object);
  // The keys go to the sky again, to zoom onto what was found, not into the field.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !box->hasFocus(); }));
  // F3 from the sky comes back to the field with its text selected.
  QTest::keyClick(view_, Qt::Key_F3);
  EXPECT_TRUE(box->hasFocus());
  EXPECT_EQ(box->selectedText(), "Betelgeuse");
}

// Runs `handle` on the first modal window that shows while it lives.
class OnModal {
 public:
  explicit OnModal(std::function<void(QWidget*)> handle) : handle_(std::move(handle)) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || !modal->isVisible()) return;
      timer_.stop();
      title_ = modal->windowTitle();
      handle_(modal);
    });
    timer_.start();
  }
  // The window's title; empty while none showed.
  const QString& Title() const { return title_; }

 private:
  std::function<void(QWidget*)> handle_;
  QTimer timer_;
  QString title_;
};

void Click(QWidget* modal, const char* buttonName) {
  auto* button = modal->findChild<QPushButton*>(buttonName);
  ASSERT_NE(button, nullptr) << buttonName;
  button->click();
}

TEST_F(MainFrameTest, FindBoxOffersTheLastFindsNewestFirstWhenEmpty) {
  CFindBox* box = frame_->FindBox();
  struct Row {
    const char* Typed;
    const char* Found;
  };
  const Row rows[] = {
      {"betelguese", "Betelgeuse"}, {"rigel", "Rigel"}, {"BETELGEUSE", "Betelgeuse"}};
  for (const Row& r : rows) {
    QTest::keyClick(view_, Qt::Key_F3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return box->hasFocus(); }));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, r.Typed);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text().toStdString(), r.Found);
  }
  // Each name once, the newest first.
  EXPECT_EQ(doc_->Settings().FindHistory, (std::vector<std::string>{"Betelgeuse", "Rigel"}));
  // Focused and empty, the box lists them.
  box->clear();
  view_->setFocus();
  QTest::keyClick(view_, Qt::Key_F3);
  ASSERT_TRUE(QTest::qWaitFor([&] { return box->DropDown()->isVisible(); }));
  EXPECT_EQ(box->Rows(), (QStringList{"Betelgeuse", "Rigel"}));
  EXPECT_TRUE(box->Matches().empty());
  // Choosing the second finds it again and makes it the newest.
  // The second row highlighted, as the arrow keys or the pointer do.
  box->DropDown()->setCurrentIndex(box->DropDown()->model()->index(1, 0));
  QTest::keyClick(box->DropDown(), Qt::Key_Return);
  EXPECT_EQ(box->text(), "Rigel");
  EXPECT_EQ(doc_->Settings().FindHistory, (std::vector<std::string>{"Rigel", "Betelgeuse"}));
  ASSERT_TRUE(doc_->Selected);
  EXPECT_EQ(sky::ShortNameOf(*doc_, *doc_->Selected), "Rigel");
}

TEST_F(MainFrameTest, ShiftEnterInTheFindBoxOpensTheCardWhoseFollowButtonFollows) {
  CFindBox* box = frame_->FindBox();
  QTest::keyClick(view_, Qt::Key_F3);
  ASSERT_TRUE(QTest::qWaitFor([&] { return box->hasFocus(); }));
  QTest::keyClicks(box, "saturn");
  ASSERT_FALSE(box->Matches().empty());
  const sky::SkyObjectRef saturn = *box->Matches().front().Object;
  {
    OnModal card([](QWidget* modal) {
      ASSERT_NE(qobject_cast<CInfoCard*>(modal), nullptr);
      Click(modal, "FollowButton");
    });
    QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(card.Title(), "Saturn");
  }
  EXPECT_EQ(doc_->Selected, saturn);
  EXPECT_EQ(doc_->Run.Following, sky::kFollowingSelected);
  EXPECT_TRUE(frame_->Action(res::ID_VIEW_FOLLOW)->isChecked());
  Trigger(res::ID_VIEW_FOLLOW);
  EXPECT_EQ(doc_->Run.Following, 0);

  // The same from a row chosen in the drop-down; OK closes the card and changes nothing.
  box->clear();
  QTest::keyClicks(box, "vega");
  ASSERT_TRUE(QTest::qWaitFor([&] { return box->DropDown()->isVisible(); }));
  {
    OnModal card([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
    QTest::keyClick(box->DropDown(), Qt::Key_Down);
    QTest::keyClick(box->DropDown(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(card.Title().contains("Vega")) << card.Title().toStdString();
  }
  EXPECT_EQ(doc_->Selected, saturn) << "a card alone selects nothing";
  EXPECT_EQ(doc_->Settings().FindHistory.front(), "Vega");
}

TEST_F(MainFrameTest, APlaceFoundAsksAndMovesTheObserverOnYes) {
  CFindBox* box = frame_->FindBox();
  const std::string before = doc_->Settings().Location;
  struct Row {
    QMessageBox::StandardButton Answer;
    const char* Location;
  };
  const Row rows[] = {{QMessageBox::No, before.c_str()}, {QMessageBox::Yes, "Japan:Tokyo"}};
  for (const Row& r : rows) {
    box->clear();
    box->setFocus();
    QTest::keyClicks(box, "Tokyo");
    ASSERT_FALSE(box->Matches().empty());
    EXPECT_EQ(box->Matches().front().Kind, "place");
    OnModal question([&](QWidget* modal) {
      auto* ask = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(ask, nullptr);
      EXPECT_EQ(ask->text(), "Set the observer to Japan:Tokyo?");
      ask->button(r.Answer)->click();
    });
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(question.Title().isEmpty());
    EXPECT_EQ(doc_->Settings().Location, r.Location);
  }
  EXPECT_EQ(doc_->Settings().TimeZoneId, "Asia/Tokyo");
  EXPECT_EQ(doc_->Settings().LatDeg, 35);
  EXPECT_EQ(doc_->Settings().EW, "E");
  EXPECT_EQ(frame_->findChild<QLabel*>(QStringLiteral("Pane%1").arg(res::IDS_PANE_PLACE))->text(),
            "Japan:Tokyo");
}

}  // namespace
