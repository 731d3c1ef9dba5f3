// The main window as a user drives it: menus, keys, toolbars, panes, red
// and full screen, and the time animation.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "tests/main_window_fixture.h"

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
                            32804, 32796, 32798, 32797, 32792};
constexpr int kIdleOnly[] = {32784, 32785, 32787, 32788, 32790,                // dialogs
                             32808, 32809, 32810, 32811, 32812, 32813, 32814,  // search
                             32815, 32816, 32817, 32818, 57601, 57607, 57609,  // files, print
                             57606, 57667, 57668, 57670, 57669, 57664,         // help
                             32800, 32801, 32819, 32820, 32806, 32807,         // modes
                             32789, 32791, 32794, 32795};                      // animation

TEST_F(MainFrameTest, AnimationDisablesEverythingButTheDisplayCommands) {
  for (int id : kIdleOnly) EXPECT_TRUE(Enabled(id)) << id;
  EXPECT_FALSE(Enabled(32793));
  Trigger(32795);
  ASSERT_EQ(doc_->Animating, 1);
  for (int id : kIdleOnly) EXPECT_FALSE(Enabled(id)) << id;
  EXPECT_FALSE(frame_->TimeStepBox()->isEnabled());
  for (int id : kToggles) EXPECT_TRUE(Enabled(id)) << id;
  EXPECT_TRUE(Enabled(32802));
  EXPECT_TRUE(Enabled(32803));
  EXPECT_TRUE(Enabled(32793));
  // Keys follow the same rules: Ctrl+Q does not change the chart mode now.
  QTest::keyClick(view_, Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(doc_->HorizonMode, 0);
  QTest::keyClick(view_, Qt::Key_Escape);
  EXPECT_EQ(doc_->Animating, 0);
  EXPECT_TRUE(Enabled(32800));
  EXPECT_TRUE(frame_->TimeStepBox()->isEnabled());
}

TEST_F(MainFrameTest, KeysWorkWhileTheViewHasTheFocus) {
  view_->setFocus();
  const int grid = doc_->Coordinations;
  QTest::keyClick(view_, Qt::Key_G);
  EXPECT_EQ(doc_->Coordinations, 1 - grid);
  EXPECT_EQ(frame_->Action(32780)->isChecked(), doc_->Coordinations == 1);
  QTest::keyClick(view_, Qt::Key_S, Qt::ShiftModifier);
  EXPECT_EQ(doc_->StarNames, 0);
  QTest::keyClick(view_, Qt::Key_Asterisk, Qt::KeypadModifier);
  EXPECT_EQ(view_->Zoom, 4);
  QTest::keyClick(view_, Qt::Key_Slash, Qt::KeypadModifier);
  EXPECT_EQ(view_->Zoom, 2);
  const double turn = doc_->YRotation;
  QTest::keyClick(view_, Qt::Key_Left);
  EXPECT_DOUBLE_EQ(doc_->YRotation, turn + 7.5 > 360 ? turn + 7.5 - 360 : turn + 7.5);
  QTest::keyClick(view_, Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(doc_->HorizonMode, 1);
  EXPECT_TRUE(frame_->Action(32801)->isChecked());
  EXPECT_FALSE(frame_->Action(32800)->isChecked());
  QTest::keyClick(view_, Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(doc_->Settings.StarsDrawPoints, 1);
}

TEST_F(MainFrameTest, RedScreenTurnsTheApplicationRedAndBack) {
  const QColor window = QApplication::palette().color(QPalette::Window);
  Trigger(32802);
  EXPECT_EQ(doc_->RedScreen, 1);
  EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(255, 0, 0));
  EXPECT_EQ(QApplication::palette().color(QPalette::WindowText), QColor(0, 0, 0));
  // A highlighted menu item: bright red on dark red, readable and only red.
  EXPECT_EQ(QApplication::palette().color(QPalette::Highlight), QColor(0x50, 0, 0));
  EXPECT_EQ(QApplication::palette().color(QPalette::HighlightedText), QColor(255, 0, 0));
  for (QPalette::ColorRole role : {QPalette::Dark, QPalette::Mid, QPalette::Shadow,
                                   QPalette::Button, QPalette::ButtonText, QPalette::Base})
    EXPECT_EQ(
        QApplication::palette().color(role).green() + QApplication::palette().color(role).blue(), 0)
        << role;
  // The toolbar's icons are tinted red.
  const auto colouredPixels = [this](int id) {
    const QImage icon =
        frame_->Action(id)->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    int coloured = 0;
    for (int y = 0; y < icon.height(); ++y)
      for (int x = 0; x < icon.width(); ++x) {
        const QRgb p = icon.pixel(x, y);
        coloured += qAlpha(p) > 0 && (qGreen(p) > 0 || qBlue(p) > 0);
      }
    return coloured;
  };
  EXPECT_FALSE(frame_->Action(57607)->icon().isNull());
  EXPECT_EQ(colouredPixels(57607), 0);
  EXPECT_FALSE(Enabled(32807)) << "no coloured sky in red screen";
  EXPECT_TRUE(Enabled(32806));
  Trigger(32802);
  EXPECT_EQ(QApplication::palette().color(QPalette::Window), window);
  EXPECT_GT(colouredPixels(57607), 0) << "the icons' own colours are back";
  EXPECT_TRUE(Enabled(32807));
}

TEST_F(MainFrameTest, BlackSkyRestoresBothLimitsFromTheSettings) {
  Trigger(32807);
  EXPECT_EQ(doc_->SkyColors, 1);
  EXPECT_EQ(doc_->Settings.SkyColors, 1);
  doc_->DeepSkyMagnitudeLimit = -5;  // as a daylight frame leaves it
  doc_->StarMagnitudeLimit = 3;
  Trigger(32806);
  EXPECT_EQ(doc_->SkyColors, 0);
  EXPECT_EQ(doc_->Settings.SkyColors, 0);
  EXPECT_EQ(doc_->StarMagnitudeLimit, 7.5);
  EXPECT_EQ(doc_->DeepSkyMagnitudeLimit, 11.0);
}

TEST_F(MainFrameTest, FullScreenTwiceRestoresTheFrame) {
  frame_->showNormal();
  frame_->setGeometry(100, 120, 800, 600);
  ASSERT_TRUE(QTest::qWaitFor([&] { return frame_->geometry() == QRect(100, 120, 800, 600); }));
  const QRect before = frame_->geometry();
  Trigger(32803);
  EXPECT_EQ(doc_->FullScreen, 1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return frame_->isFullScreen(); }));
  EXPECT_TRUE(frame_->menuBar()->isHidden());
  EXPECT_TRUE(frame_->statusBar()->isHidden());
  EXPECT_TRUE(frame_->MainToolBar()->isHidden());
  EXPECT_TRUE(frame_->NavigationToolBar()->isHidden());
  QTest::keyClick(view_, Qt::Key_F, Qt::ShiftModifier);
  EXPECT_EQ(doc_->FullScreen, 0);
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
  EXPECT_EQ(doc_->FullScreen, 0);
}

TEST_F(MainFrameTest, PanesAndTimeStepBox) {
  // The time with its zone's letters and offset, which the tool tip tells too.
  EXPECT_EQ(frame_->Pane(57635)->text().toStdString(), "12:00 CET, UT+1");
  EXPECT_EQ(frame_->Pane(57635)->toolTip().toStdString(), "CET, UT+1");
  EXPECT_EQ(frame_->Pane(57634)->text().toStdString().substr(0, 4), "05  ");
  EXPECT_EQ(frame_->Pane(57636)->text().toStdString(), "Poland:Krakow");
  doc_->DocumentTime = {2026, 12, 5, 9, 5, 0};
  doc_->UpdateSky();
  frame_->UpdatePanes();
  EXPECT_EQ(frame_->Pane(57635)->text().toStdString(), "9:05 CET, UT+1");
  doc_->DocumentTime = {2026, 7, 5, 9, 5, 0};
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
  EXPECT_EQ(menus.join("|").toStdString(), "&File|&View|&Settings|Sea&rch|&Help");
  EXPECT_EQ(frame_->Action(32780)->statusTip().toStdString(), "Coordination grid lines");
  EXPECT_EQ(frame_->Action(32780)->toolTip().toStdString(), "Grids");
  EXPECT_EQ(frame_->MainToolBar()->actions().size(), 23);
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
  const double jd = doc_->AstroState.JulianDay;
  Trigger(32794);
  EXPECT_EQ(doc_->DocumentTime.Day, 6);
  EXPECT_NEAR(doc_->AstroState.JulianDay - jd, 1.0, 1e-9);
  EXPECT_EQ(frame_->Pane(57634)->text().toStdString().substr(0, 2), "06");
  EXPECT_EQ(doc_->Animating, 0);
  Trigger(32791);
  EXPECT_EQ(doc_->DocumentTime.Day, 5);

  // Without the solar system an equatorial chart does not animate...
  doc_->SolarSystem = 0;
  Trigger(32795);
  EXPECT_EQ(doc_->Animating, 0);
  // ...but single steps still work.
  Trigger(32794);
  EXPECT_EQ(doc_->DocumentTime.Day, 6);

  // The timer steps by the chosen step, here ten minutes at a time.
  doc_->SolarSystem = 1;
  frame_->TimeStepBox()->setCurrentIndex(1);
  const auto minutes = [&] {
    return doc_->DocumentTime.Hour * 60 + doc_->DocumentTime.Minute - 12 * 60;
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
