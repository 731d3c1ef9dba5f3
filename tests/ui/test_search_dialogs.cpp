// The five search dialogs driven as a user drives them, the frames they
// leave, and --centre from the command line.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <string>
#include <vector>

#include "catalog/cell_catalogues.h"
#include "render/sky_renderer.h"
#include "sky/goto_target.h"
#include "sky/object_names.h"
#include "sky/search.h"
#include "tests/child_process.h"
#include "tests/render/sky_fixture.h"
#include "tests/test_files.h"
#include "ui/body_search_dialog.h"
#include "ui/goto_dialog.h"
#include "ui/list_search_dialog.h"
#include "ui/messier_search_dialog.h"

namespace {

using sky::FindObjectByName;
using sky::PlaceOf;
using sky::UnknownObjectText;

// The brightest spot of a frame: the middle of the pixels whose 5 x 5
// neighbourhood holds the most light. (Faint stars are single pixels of full
// white; a bright star is a wide disc, brightest in its middle.)
QPointF BrightestSpot(const QImage& image) {
  const int w = image.width(), h = image.height();
  std::vector<int> light(static_cast<std::size_t>(w) * h);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      const QColor c = image.pixelColor(i, j);
      light[j * w + i] = c.red() + c.green() + c.blue();
    }
  long best = -1;
  double x = 0, y = 0, n = 0;
  for (int j = 2; j < h - 2; ++j)
    for (int i = 2; i < w - 2; ++i) {
      long sum = 0;
      for (int dj = -2; dj <= 2; ++dj)
        for (int di = -2; di <= 2; ++di) sum += light[(j + dj) * w + i + di];
      if (sum > best) {
        best = sum;
        x = y = n = 0;
      }
      if (sum == best) {
        x += i;
        y += j;
        n += 1;
      }
    }
  return {x / n, y / n};
}

// Whether the brightest spot of a frame lies within 2 pixels of its middle.
::testing::AssertionResult BrightestAtTheCentre(const QImage& image) {
  const QPointF spot = BrightestSpot(image);
  const QPointF centre((image.width() - 1) / 2.0, (image.height() - 1) / 2.0);
  if (QLineF(spot, centre).length() <= 2.0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "brightest at " << spot.x() << ", " << spot.y()
                                       << ", middle at " << centre.x() << ", " << centre.y();
}

QPushButton* ButtonOf(QDialog& dialog, QDialogButtonBox::StandardButton which) {
  return dialog.findChild<QDialogButtonBox*>()->button(which);
}

class SearchDialogTest : public SkyFixture {
 protected:
  void SetUp() override {
    SkyFixture::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    // The searches reach into the NGC/IC file.
    const std::string data = STELLIX_SOURCE_DATA_DIR;
    doc_->Catalogues.DeepCatalogues.Use(catalog::LoadFaintStars((data + "/faintstars.bin").c_str()),
                                        catalog::LoadNgcIc((data + "/ngcic.bin").c_str()));
  }
  void Show(QDialog& dialog) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  }
  // The camera's angles, to see that a refusal left them alone.
  std::pair<double, double> Camera() const {
    return {doc_->Settings().XRotation, doc_->Settings().YRotation};
  }
  void ExpectCentredOn(const astro::EquatorialCoord& place) {
    const std::optional<CameraAngles> camera =
        CameraOn(*doc_, place.RightAscension, place.Declination);
    ASSERT_TRUE(camera);
    EXPECT_DOUBLE_EQ(doc_->Settings().XRotation, camera->XRotation);
    EXPECT_DOUBLE_EQ(doc_->Settings().YRotation, camera->YRotation);
  }
  static std::vector<std::string> Texts(const QListWidget& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.count(); ++i) texts.push_back(list.item(i)->text().toStdString());
    return texts;
  }
  astro::EquatorialCoord Place(const char* name) {
    return PlaceOf(*doc_, *FindObjectByName(*doc_, name));
  }
};

TEST_F(SearchDialogTest, StarListTypeAheadRefusalAndEnter) {
  CStarSearchDialog dialog(*doc_, messages_);
  Show(dialog);
  EXPECT_EQ(dialog.windowTitle(), "Search for star...");
  EXPECT_EQ(Texts(*dialog.List()), StarSearchEntries(*doc_));
  const auto before = Camera();

  ButtonOf(dialog, QDialogButtonBox::Ok)->click();
  EXPECT_EQ(messages_.Lines,
            std::vector<std::string>{"exclamation: Select star or press ' Cancel '.    "});
  EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open after a refusal";
  EXPECT_EQ(Camera(), before);

  QTest::keyClicks(dialog.List(), "Sir");
  EXPECT_EQ(dialog.SelectedText(), "Sirius");
  QTest::keyClick(dialog.List(), Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  ExpectCentredOn(Place("Sirius"));

  // After a search for Sirius the brightest pixel of the view is at its middle,
  // on the chart and in the horizon view (where it stands about 17 degrees up).
  AllLayersOff();
  EXPECT_TRUE(BrightestAtTheCentre(Render(400, 300)));
  doc_->Settings().HorizonMode = 1;
  CStarSearchDialog again(*doc_, messages_);
  Show(again);
  QTest::keyClicks(again.List(), "Sirius");
  ButtonOf(again, QDialogButtonBox::Ok)->click();
  ASSERT_FALSE(again.isVisible());
  EXPECT_TRUE(BrightestAtTheCentre(Render(300, 400)));
}

TEST_F(SearchDialogTest, ConstellationListDoubleClickAndEscape) {
  CConstellationSearchDialog dialog(*doc_, messages_);
  Show(dialog);
  EXPECT_EQ(Texts(*dialog.List()), ConstellationSearchEntries());
  ButtonOf(dialog, QDialogButtonBox::Ok)->click();
  EXPECT_EQ(messages_.Lines,
            std::vector<std::string>{"exclamation: Select constellation or press ' Cancel '.    "});
  EXPECT_TRUE(dialog.isVisible());

  QListWidgetItem* orion = dialog.List()->findItems("Orion", Qt::MatchExactly).front();
  dialog.List()->scrollToItem(orion);
  const QPoint at = dialog.List()->visualItemRect(orion).center();
  QTest::mouseClick(dialog.List()->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(dialog.List()->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  ExpectCentredOn({5.5, 5.0});

  const auto before = Camera();
  CConstellationSearchDialog cancelled(*doc_, messages_);
  Show(cancelled);
  QTest::keyClicks(cancelled.List(), "Lyr");
  QTest::keyClick(cancelled.List(), Qt::Key_Escape);
  EXPECT_FALSE(cancelled.isVisible());
  EXPECT_EQ(cancelled.result(), QDialog::Rejected);
  EXPECT_EQ(Camera(), before);
}

TEST_F(SearchDialogTest, NgcListTypeAheadWithoutLeadingZerosCentresTheObject) {
  CNgcSearchDialog dialog(*doc_, messages_);
  Show(dialog);
  EXPECT_EQ(Texts(*dialog.List()), NgcSearchEntries(*doc_));
  ButtonOf(dialog, QDialogButtonBox::Ok)->click();
  EXPECT_EQ(messages_.Lines,
            std::vector<std::string>{"exclamation: Select NGC object or press ' Cancel '.    "});

  // Each typed afresh in a dialog of its own, then Enter. A loaded machine
  // must not turn one typing into several: the pause that starts anew is
  // long for this test.
  const int interval = QApplication::keyboardInputInterval();
  QApplication::setKeyboardInputInterval(60'000);
  struct Case {
    const char* typed;
    const char* selected;
  } const cases[] = {
      {"IC 434", "IC 434"},     {"7000", "NGC 7000"}, {"NGC 7000", "NGC 7000"},
      {"ngc7000", "NGC 7000"},  {"0104", "NGC 104"},  {"ic715n", "IC 715NW"},
      {"NGC 3628", "NGC 3628"},
  };
  for (const Case& c : cases) {
    CNgcSearchDialog typed(*doc_, messages_);
    Show(typed);
    QTest::keyClicks(typed.List(), c.typed);
    EXPECT_EQ(typed.SelectedText(), c.selected) << c.typed;
    QTest::keyClick(typed.List(), Qt::Key_Enter);
    EXPECT_EQ(typed.result(), QDialog::Accepted) << c.typed;
    ExpectCentredOn(Place(c.selected));
  }
  QApplication::setKeyboardInputInterval(interval);
}

TEST_F(SearchDialogTest, MessierFieldRefusalsAndAcceptance) {
  CMessierSearchDialog dialog(*doc_, messages_);
  Show(dialog);
  QPushButton* ok = ButtonOf(dialog, QDialogButtonBox::Ok);
  const auto before = Camera();
  QTest::keyClicks(dialog.Field(), "M 1101");
  EXPECT_EQ(dialog.Field()->text(), "M 110") << "room for the longest name, no more";

  const std::string enter = "exclamation: Enter Messier number or press ' Cancel '.    ";
  const std::string wrong = "exclamation: Wrong catalog number !    ";
  struct Case {
    const char* Typed;
    std::string Message;
  } const kCases[] = {{"", enter}, {"111", wrong}, {"0", wrong}, {"a", wrong}};
  for (const Case& c : kCases) {
    messages_.Lines.clear();
    dialog.Field()->clear();
    QTest::keyClicks(dialog.Field(), c.Typed);
    ok->click();
    EXPECT_EQ(messages_.Lines, std::vector<std::string>{c.Message}) << c.Typed;
    EXPECT_TRUE(dialog.isVisible()) << c.Typed;
    EXPECT_EQ(Camera(), before) << c.Typed;
  }
  dialog.Field()->clear();
  QTest::keyClicks(dialog.Field(), "M 110");
  QTest::keyClick(dialog.Field(), Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  ExpectCentredOn(Place("M 110"));
}

// Go to Coordinates: the fields as typed, the message naming the field that
// does not read (which takes the focus), the three frames, and a place
// below the local-horizon view's horizon refused as a find is.
TEST_F(SearchDialogTest, GotoCoordinatesReadsTheFieldsAndCentres) {
  doc_->Settings().HorizonMode = 0;
  CGotoDialog dialog(*doc_, messages_);
  Show(dialog);
  EXPECT_EQ(dialog.Frame()->currentIndex(), 0) << "J2000 on the equatorial chart";
  EXPECT_EQ(dialog.Frame()->count(), 3);
  const auto label = [](const QDialog& owner, QLineEdit* field) {
    for (QLabel* l : owner.findChildren<QLabel*>())
      if (l->buddy() == field) return l->text();
    return QString();
  };
  EXPECT_EQ(label(dialog, dialog.FirstField()), "&Right ascension:");
  EXPECT_EQ(label(dialog, dialog.SecondField()), "&Declination:");
  QPushButton* ok = ButtonOf(dialog, QDialogButtonBox::Ok);
  const auto before = Camera();
  const struct {
    const char* First;
    const char* Second;
    const char* Named;  // in the message
    bool FirstWrong;
  } kRefused[] = {{"", "-5 23 28", "right ascension", true},
                  {"25h", "-5 23 28", "right ascension", true},
                  {"5h35m17s", "-95", "declination", false},
                  {"5h35m17s", "north", "declination", false}};
  for (const auto& c : kRefused) {
    messages_.Lines.clear();
    dialog.FirstField()->setText(QString::fromUtf8(c.First));
    dialog.SecondField()->setText(QString::fromUtf8(c.Second));
    ok->click();
    ASSERT_EQ(messages_.Lines.size(), 1u) << c.First << " | " << c.Second;
    EXPECT_TRUE(messages_.Lines[0].starts_with("exclamation: The " + std::string(c.Named)))
        << messages_.Lines[0];
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Camera(), before);
    // The field the message names takes the focus (the dialog's, whether or
    // not its window is the active one).
    EXPECT_EQ(dialog.focusWidget(), c.FirstWrong ? dialog.FirstField() : dialog.SecondField())
        << c.First << " | " << c.Second;
  }

  // M 42 typed with the typographic marks, then Enter.
  messages_.Lines.clear();
  dialog.FirstField()->setText(QString::fromUtf8("5h35m17.3s"));
  dialog.SecondField()->setText(QString::fromUtf8("\u22125\u00b023\u203228\u2033"));
  QTest::keyClick(dialog.SecondField(), Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(messages_.Lines.empty());
  ExpectCentredOn({5 + 35 / 60.0 + 17.3 / 3600, -(5 + 23 / 60.0 + 28 / 3600.0)});

  // The local-horizon view starts with altitude and azimuth: 40 degrees up
  // in the east is centred; 10 degrees below the horizon is refused.
  doc_->Settings().HorizonMode = 1;
  CGotoDialog horizon(*doc_, messages_);
  Show(horizon);
  EXPECT_EQ(horizon.Frame()->currentIndex(), 2);
  EXPECT_EQ(label(horizon, horizon.FirstField()), "&Altitude:");
  EXPECT_EQ(label(horizon, horizon.SecondField()), "A&zimuth (from the north through the east):");
  horizon.FirstField()->setText("-10");
  horizon.SecondField()->setText("90");
  const auto level = Camera();
  ButtonOf(horizon, QDialogButtonBox::Ok)->click();
  EXPECT_EQ(messages_.Lines,
            std::vector<std::string>{"exclamation: Object under horizon. Not visible.   "});
  EXPECT_TRUE(horizon.isVisible());
  EXPECT_EQ(Camera(), level);
  horizon.FirstField()->setText(QString::fromUtf8("40\u00b0"));
  ButtonOf(horizon, QDialogButtonBox::Ok)->click();
  EXPECT_EQ(horizon.result(), QDialog::Accepted);
  EXPECT_NEAR(doc_->Settings().XRotation, -40, 1e-6);
  // The camera's turn is the azimuth from the south through the west, and 90 more.
  EXPECT_NEAR(astro::NorthEastFromSouthWest(doc_->Settings().YRotation - 90), 90, 1e-6);
}

TEST_F(SearchDialogTest, BodyBelowTheHorizonRefusedAboveCentred) {
  doc_->Settings().HorizonMode = 1;
  CBodySearchDialog dialog(*doc_, messages_);
  Show(dialog);
  const char* const kTexts[] = {"Sun",     "Moon",   "Mercury", "Venus",   "Mars",
                                "Jupiter", "Saturn", "Uranus",  "Neptune", "Pluto"};
  for (int id = 1070; id <= 1079; ++id) EXPECT_EQ(dialog.Button(id)->text(), kTexts[id - 1070]);

  // At 22:00 UT in December the Sun is far below Krakow's horizon.
  const auto before = Camera();
  QTest::mouseClick(dialog.Button(1070), Qt::LeftButton);
  EXPECT_EQ(messages_.Lines,
            std::vector<std::string>{"exclamation: Object under horizon. Not visible.   "});
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(Camera(), before);

  // The first body that is up is centred.
  for (const BodyButton& b : kBodyButtons) {
    const astro::PlanetState& body = doc_->Sky.Bodies[b.BodyIndex];
    if (doc_->HorizontalOf(body.RightAscension, body.Declination).Altitude <= 0) continue;
    QTest::mouseClick(dialog.Button(b.ControlId), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ExpectCentredOn({body.RightAscension, body.Declination});
    return;
  }
  FAIL() << "no body above the horizon";
}

// --centre from the command line: the same turn before the first frame.
struct ProgramRun {
  int Status = -1;
  std::string Err;
};

ProgramRun RunStellix(const ScratchDir& dir, const std::string& args) {
  const ChildRun run =
      RunShell("'" + std::string(STELLIX_PROGRAM) + "' " + args, {.Err = dir.File("stderr")});
  return {run.Status, run.Err};
}

// Stars alone, on Universal Time, in the chart mode given.
std::string StarsOnlySettings(int horizonMode) {
  return "[Settings]\nCoordinations=0\nBoundaries=0\nConstelations=0\nDeepSky=0\nMilkyWay=0\n"
         "SolarSystem=0\nEcliptic=0\nStarNames=0\nPlanetNames=0\nDeepSkyLabels=0\nSkyColors=0\n"
         "HorizonMode=" +
         std::to_string(horizonMode) + "\n[Location]\nTimeZone=0\nDaylightSavingTime=0\n";
}

TEST(CentreOption, RendersTheObjectInTheMiddle) {
  if (!std::getenv("DISPLAY"))
    GTEST_FAIL() << "needs an X display: run the tests under xvfb-run (./dev.sh test)";
  for (const char* option : {"--centre", "--center"}) {
    for (int horizonMode : {0, 1}) {
      ScratchDir dir;
      dir.Write("stellix.INI", StarsOnlySettings(horizonMode));
      const ProgramRun run = RunStellix(
          dir, std::string(option) + " sirius --datetime 2026-12-08T22:00:00 --settings '" +
                   dir.File("stellix.INI") + "' --render '" + dir.File("sky.png") +
                   "' --size 360x240");
      ASSERT_EQ(run.Status, 0) << run.Err;
      const QImage image(QString::fromStdString(dir.File("sky.png")));
      ASSERT_EQ(image.size(), QSize(360, 240));
      EXPECT_TRUE(BrightestAtTheCentre(image)) << option << " horizon mode " << horizonMode;
    }
  }
}

TEST(CentreOption, RefusalsEndTheRunWithTheirMessage) {
  if (!std::getenv("DISPLAY"))
    GTEST_FAIL() << "needs an X display: run the tests under xvfb-run (./dev.sh test)";
  struct Case {
    const char* Name;
    int HorizonMode;
    std::string Message;
  } const kCases[] = {
      // At noon in December Sirius is below Krakow's horizon.
      {"Sirius", 1, "exclamation: Object under horizon. Not visible.   \n"},
      {"Vulcan", 0, "exclamation: " + UnknownObjectText("Vulcan") + "\n"},
      {"M 111", 0, "exclamation: " + UnknownObjectText("M 111") + "\n"},
  };
  for (const Case& c : kCases) {
    ScratchDir dir;
    dir.Write("stellix.INI", StarsOnlySettings(c.HorizonMode));
    const ProgramRun run = RunStellix(
        dir, "--centre '" + std::string(c.Name) + "' --datetime 2026-12-08T12:00:00 --settings '" +
                 dir.File("stellix.INI") + "' --render '" + dir.File("sky.png") + "' --size 64x64");
    EXPECT_EQ(run.Status, 2) << c.Name;
    EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("sky.png"))) << c.Name;
  }
  ScratchDir dir;
  const ProgramRun missing = RunStellix(dir, "--render x.png --centre");
  EXPECT_EQ(missing.Status, 2);
  EXPECT_NE(missing.Err.find("option --centre needs a value"), std::string::npos) << missing.Err;
}

TEST(CentreOption, TheWindowShowsARefusalAndKeepsTheCamera) {
  if (!std::getenv("DISPLAY"))
    GTEST_FAIL() << "needs an X display: run the tests under xvfb-run (./dev.sh test)";
  ScratchDir dir;
  dir.Write("stellix.INI", "[Settings]\nXRotation=-12.50\nYRotation=33.25\n");
  // The window runs until the message is out; SIGTERM then ends it the
  // normal way, saving its settings.
  const std::string err = dir.File("stderr");
  ChildProcess program({STELLIX_PROGRAM, "--non-interactive", "--no-splash", "--centre", "Vulcan",
                        "--settings", dir.File("stellix.INI")},
                       {.Err = err});
  EXPECT_TRUE(
      WaitUntil([&] { return ReadFile(err).find("exclamation") != std::string::npos; }, 60));
  program.Signal(SIGTERM);
  EXPECT_EQ(program.Finish(60), 0);
  const std::string printed = ReadFile(err);
  EXPECT_NE(printed.find("exclamation: " + UnknownObjectText("Vulcan") + "\n"), std::string::npos)
      << printed;
  const std::string saved = ReadFile(dir.File("stellix.INI"));
  EXPECT_NE(saved.find("XRotation=-12.50"), std::string::npos) << saved;
  EXPECT_NE(saved.find("YRotation=33.25"), std::string::npos) << saved;
}

}  // namespace
