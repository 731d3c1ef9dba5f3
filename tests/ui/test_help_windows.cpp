// The round splash and About window, the help window, F1 and Shift+F1, as a
// user meets them in the running program.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <memory>

#include "res/strings.h"
#include "sky/messages.h"
#include "tests/main_window_fixture.h"
#include "ui/help_window.h"
#include "ui/splash_window.h"

namespace {

// A splash window on a display of the depth a test chooses; its refusal
// ends the test's program no more.
class FakeDepthSplash : public CSplashWindow {
 public:
  explicit FakeDepthSplash(int depth) : CSplashWindow(Mode::Splash, nullptr), depth_(depth) {}
  int TerminatedWith = -1;

 protected:
  int ScreenDepth() const override { return depth_; }
  void Terminate(int status) override { TerminatedWith = status; }

 private:
  int depth_;
};

// The pixels of the screen in `area` (global coordinates), as a user sees them.
QImage Screen(const QRect& area) {
  return QGuiApplication::primaryScreen()
      ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
      .toImage();
}

class HelpWindowsTest : public MainWindowTest {
 protected:
  astro::CivilTime StartTime() const override { return {2026, 12, 5, 22, 0, 0}; }
  bool StartsAtSetUp() const override { return false; }

  // Starts the program and makes its main window the active one.
  void StartActive(bool splash = false) {
    Start(splash);
    if (!HasFatalFailure()) Activate(frame_);
  }

  // The page the help window shows after `action`; empty when none opened.
  QString PageAfter(const std::function<void()>& action) {
    action();
    CHelpWindow* help = frame_->HelpWindow();
    if (!help || !QTest::qWaitForWindowExposed(help)) return {};
    return help->CurrentPage();
  }
};

TEST(ColourDepth, MoreThan256ColoursAreEnough) {
  for (int bits : {1, 2, 4, 8}) EXPECT_FALSE(ui::IsColourDepthEnough(bits)) << bits;
  for (int bits : {15, 16, 24, 30, 32}) EXPECT_TRUE(ui::IsColourDepthEnough(bits)) << bits;
}

TEST_F(HelpWindowsTest, TheFirstPaintRefusesA256ColourDisplay) {
  StartActive();
  const std::string refusal =
      MessageLine(MessageIcon::Stop, res::String(res::IDS_NEED_HIGH_COLOR)) + "\n";
  for (int depth : {8, 4, 16, 24}) {
    QPointer<FakeDepthSplash> splash = new FakeDepthSplash(depth);
    EXPECT_EQ(CSplashWindow::Current(), splash.data());
    testing::internal::CaptureStderr();
    splash->show();
    splash->WaitForFirstPaint();
    const std::string said = testing::internal::GetCapturedStderr();
    if (depth <= 8) {
      EXPECT_EQ(splash->TerminatedWith, 3) << depth;
      EXPECT_NE(said.find(refusal), std::string::npos) << depth << ": " << said;
      EXPECT_FALSE(splash->isVisible());
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      EXPECT_TRUE(splash.isNull());
      EXPECT_EQ(CSplashWindow::Current(), nullptr);
    } else {
      EXPECT_EQ(splash->TerminatedWith, -1) << depth;
      EXPECT_EQ(said.find(refusal), std::string::npos) << depth;
      EXPECT_TRUE(splash->isVisible());
      CSplashWindow::Close();
      EXPECT_TRUE(splash.isNull());
    }
  }
}

TEST_F(HelpWindowsTest, TheSplashStandsRoundAndAnimatedUntilTheSkyIsShown) {
  StartActive(/*splash=*/true);
  QPointer<CSplashWindow> splash = CSplashWindow::Current();
  if (splash) {
    // The first frame may already have sent it away; when it has not, it is
    // a round window with a moving picture in its middle.
    EXPECT_EQ(splash->WindowMode(), CSplashWindow::Mode::Splash);
    EXPECT_EQ(splash->size(), QSize(400, 250));
    EXPECT_FALSE(splash->mask().contains(QPoint(3, 3)));
    EXPECT_TRUE(splash->mask().contains(QPoint(200, 125)));
    EXPECT_TRUE(splash->mask().contains(QPoint(5, 125)));
  }
  EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 5000))
      << "the splash goes once the sky is on the screen";
  EXPECT_EQ(CSplashWindow::Current(), nullptr);

  // The splash itself, opened again, animates.
  CSplashWindow* again = CSplashWindow::Open(CSplashWindow::Mode::Splash, frame_);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(again));
  const QImage first = again->grab(QRect(170, 90, 60, 60)).toImage();
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return again->grab(QRect(170, 90, 60, 60)).toImage() != first; }, 2000));
  EXPECT_EQ(again->grab(QRect(0, 0, 100, 60)).toImage(),
            again->grab(QRect(0, 0, 100, 60)).toImage())
      << "only the animation moves";
  CSplashWindow::Close();
}

TEST_F(HelpWindowsTest, AboutIsOneRoundWindowThatAClickOrEnterCloses) {
  StartActive();
  // The screen once the sky's first frames have settled.
  const QRect centre = QGuiApplication::primaryScreen()->geometry();
  QImage before = Screen(centre);
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        QTest::qWait(200);
        QImage now = Screen(centre);
        std::swap(now, before);
        return now == before;
      },
      20000));

  frame_->Action(57664)->trigger();
  QPointer<CSplashWindow> about = CSplashWindow::Current();
  ASSERT_FALSE(about.isNull());
  EXPECT_EQ(about->WindowMode(), CSplashWindow::Mode::About);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
  // What the user sees, once it is on the screen: the face inside the
  // ellipse, the sky around it.
  QImage seen, face;
  (void)QTest::qWaitFor(
      [&] {
        seen = Screen(QRect(about->mapToGlobal(QPoint(0, 0)), about->size()));
        face = about->grab().toImage().convertToFormat(seen.format());
        return seen.pixel(200, 40) == face.pixel(200, 40);
      },
      10000);
  EXPECT_EQ(seen.pixel(200, 40), face.pixel(200, 40));
  const QPoint corner = about->mapToGlobal(QPoint(0, 0));
  EXPECT_EQ(seen.pixel(2, 2), before.pixel(corner + QPoint(2, 2)))
      << "outside the ellipse the sky shows";
  EXPECT_EQ(seen.pixel(397, 247), before.pixel(corner + QPoint(397, 247)));

  // A second About while one is open shows no second window.
  frame_->Action(57664)->trigger();
  EXPECT_EQ(CSplashWindow::Current(), about.data());
  int rounds = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<CSplashWindow*>(w) && w->isVisible()) ++rounds;
  EXPECT_EQ(rounds, 1);

  QTest::keyClick(about, Qt::Key_Return);
  EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); }));
  frame_->Action(57664)->trigger();
  about = CSplashWindow::Current();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
  QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(120, 40));
  EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); }));
}

TEST_F(HelpWindowsTest, TheAboutTextFitsItsPanelWholeInEveryTypeface) {
  Start();  // the fonts come with the application
  for (const char* family :
       {"DejaVu Sans", "DejaVu Serif", "Liberation Sans", "Nimbus Roman", "URW Bookman"}) {
    const QFont font = ui::AboutTextFont(QFont(family));
    const QRect lines =
        QFontMetrics(font).boundingRect(ui::AboutTextBox(), ui::kAboutTextFlags, ui::AboutText());
    EXPECT_LE(lines.bottom(), ui::AboutTextBox().bottom()) << family << ": the last line is cut";
    EXPECT_GE(font.pixelSize(), 9) << family << ": too small to read";
  }
}

TEST_F(HelpWindowsTest, AboutLeadsToTheFullListOfDataSources) {
  StartActive();
  frame_->Action(57664)->trigger();
  QPointer<CSplashWindow> about = CSplashWindow::Current();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
  QLabel* link = about->SourcesLink();
  ASSERT_NE(link, nullptr);
  EXPECT_TRUE(link->isVisible());
  QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
  EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); }));
  ASSERT_NE(frame_->HelpWindow(), nullptr);
  EXPECT_EQ(frame_->HelpWindow()->CurrentPage().toStdString(), "sources.html");
}

TEST_F(HelpWindowsTest, F1OpensThePageOfTheFocusedWindow) {
  StartActive();
  frame_->View()->setFocus();
  EXPECT_EQ(PageAfter([&] { QTest::keyClick(frame_->View(), Qt::Key_F1); }).toStdString(),
            "moving.html");
  CHelpWindow* help = frame_->HelpWindow();

  Activate(frame_);
  frame_->TimeStepBox()->setFocus();
  EXPECT_EQ(PageAfter([&] { QTest::keyClick(frame_->TimeStepBox(), Qt::Key_F1); }).toStdString(),
            "animation.html#step");
  EXPECT_EQ(frame_->HelpWindow(), help) << "one help window serves them all";

  Activate(help);
  help->Browser()->setFocus();
  EXPECT_EQ(PageAfter([&] { QTest::keyClick(help->Browser(), Qt::Key_F1); }).toStdString(),
            "using-help.html");

  frame_->Action(57664)->trigger();
  QPointer<CSplashWindow> about = CSplashWindow::Current();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
  Activate(about);
  EXPECT_EQ(PageAfter([&] { QTest::keyClick(about, Qt::Key_F1); }).toStdString(), "sources.html");
  CSplashWindow::Close();

  // Modal dialogs: found by their class or object name, or by a property.
  const struct {
    const char* objectName;
    const char* helpPage;
    const char* expected;
  } dialogs[] = {{"CDateTimeDialog", nullptr, "datetime.html"},
                 {"SomeNewDialog", "magnitudes.html#auto", "magnitudes.html#auto"},
                 {"Unknown", nullptr, "index.html"}};
  for (const auto& d : dialogs) {
    QDialog dialog(frame_);
    dialog.setObjectName(d.objectName);
    if (d.helpPage) dialog.setProperty("helpPage", d.helpPage);
    auto* field = new QLineEdit(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(field);
    QString page;
    bool ownedByTheDialog = false;
    QTimer::singleShot(0, &dialog, [&] {
      Activate(&dialog);
      field->setFocus();
      page = PageAfter([&] { QTest::keyClick(field, Qt::Key_F1); });
      // A modal dialog blocks the other windows: the page opens in one of its own.
      ownedByTheDialog = frame_->HelpWindow() && frame_->HelpWindow()->parentWidget() == &dialog;
      dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(page.toStdString(), d.expected) << d.objectName;
    EXPECT_TRUE(ownedByTheDialog) << d.objectName;
  }
}

TEST_F(HelpWindowsTest, ShiftF1ExplainsWhatAToolbarButtonDoes) {
  StartActive();
  QWidget* gridButton = frame_->MainToolBar()->widgetForAction(frame_->Action(32780));
  ASSERT_NE(gridButton, nullptr);
  EXPECT_NE(gridButton->whatsThis().indexOf("Grids"), -1);
  const int grid = g_SkyDoc->Settings().Coordinations;

  frame_->View()->setFocus();
  QTest::keyClick(frame_->View(), Qt::Key_F1, Qt::ShiftModifier);
  ASSERT_TRUE(QWhatsThis::inWhatsThisMode());
  QTest::mouseClick(gridButton, Qt::LeftButton);
  EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
  EXPECT_EQ(g_SkyDoc->Settings().Coordinations, grid)
      << "the click explains the button, not presses it";
  QWidget* note = nullptr;
  EXPECT_TRUE(QTest::qWaitFor([&] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && w->inherits("QWhatsThat")) note = w;
    return note != nullptr;
  }));
  if (note) note->close();
}

TEST_F(HelpWindowsTest, TheHelpWindowHasContentsIndexAndHistory) {
  StartActive();
  frame_->Action(57667)->trigger();
  CHelpWindow* help = frame_->HelpWindow();
  ASSERT_NE(help, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
  EXPECT_EQ(help->CurrentPage().toStdString(), "index.html");
  EXPECT_EQ(help->windowTitle().toStdString(), "Help: Stellix User Guide");

  // The contents: every page in the order of the first, with its sections.
  QTreeWidget* contents = help->Contents();
  ASSERT_EQ(contents->topLevelItemCount(), 17);
  EXPECT_EQ(contents->topLevelItem(2)->text(0).toStdString(), "Moving around the sky");
  EXPECT_GT(contents->topLevelItem(2)->childCount(), 3);
  QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                    contents->visualItemRect(contents->topLevelItem(5)).center());
  EXPECT_EQ(help->CurrentPage().toStdString(), "location.html");

  // The index keeps the topics that hold the word typed; Enter opens the first.
  help->IndexFilter()->setText("zoom");
  int shown = 0;
  for (int i = 0; i < help->Index()->count(); ++i) {
    if (help->Index()->item(i)->isHidden()) continue;
    ++shown;
    EXPECT_NE(help->Index()->item(i)->text().indexOf("zoom", 0, Qt::CaseInsensitive), -1);
  }
  EXPECT_GE(shown, 1);
  QTest::keyClick(help->IndexFilter(), Qt::Key_Return);
  EXPECT_NE(help->CurrentPage(), "location.html");
  const QString found = help->CurrentPage();

  help->Browser()->backward();
  EXPECT_EQ(help->CurrentPage().toStdString(), "location.html");
  help->Browser()->forward();
  EXPECT_EQ(help->CurrentPage(), found);

  frame_->Action(57668)->trigger();
  EXPECT_EQ(help->CurrentPage().toStdString(), "using-help.html");
  EXPECT_EQ(frame_->HelpWindow(), help);

  // The pictures of the pages come from the program itself.
  for (const char* picture : {"qrc:/splash/sky.png", "qrc:/icons/16/32780.png"}) {
    const QVariant loaded = help->Browser()->loadResource(QTextDocument::ImageResource,
                                                          QUrl(QString::fromUtf8(picture)));
    const QImage image = loaded.typeId() == QMetaType::QByteArray
                             ? QImage::fromData(loaded.toByteArray())
                             : loaded.value<QImage>();
    EXPECT_FALSE(image.isNull()) << picture;
  }
}

TEST_F(HelpWindowsTest, AMissingGuideSaysWhereItShouldBe) {
  StartActive();
  CHelpWindow help(QString::fromStdString(dir_.File("nowhere")));
  help.ShowPage("location.html");
  const std::string text = help.Browser()->toPlainText().toStdString();
  EXPECT_NE(text.find("location.html"), std::string::npos) << text;
  EXPECT_NE(text.find(dir_.File("nowhere")), std::string::npos) << text;
  EXPECT_EQ(help.Contents()->topLevelItemCount(), 0);
}

}  // namespace
