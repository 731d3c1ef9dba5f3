// The observer's location dialog as a user drives it: the world map, the
// city list, the hemisphere up-downs, the checks of OK and the keyboard.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include "render/bmp_reader.h"
#include "sky/night_vision.h"
#include "tests/ui/dialog_fixture.h"
#include "ui/location_dialog.h"

namespace {

class LocationDialogTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    dialog_ = std::make_unique<CLocationDialog>(*doc_, *view_, messages_, frame_);
    ShowActive(dialog_.get());
  }
  void TearDown() override {
    dialog_.reset();
    DialogTest::TearDown();
  }

  QLineEdit* Edit(const char* name) const { return Child<QLineEdit>(dialog_.get(), name); }
  QListWidget* Cities() const { return Child<QListWidget>(dialog_.get(), "Cities"); }
  QWidget* Map() const { return Child<QWidget>(dialog_.get(), "WorldMap"); }
  QAbstractSpinBox* Hemisphere(const char* name) const {
    return Child<QAbstractSpinBox>(dialog_.get(), name);
  }

  // What the fields show, as one line.
  std::string Shown() const {
    const ui::LocationFields f = dialog_->Fields();
    return f.LatDeg + " " + f.LatMin + " " + f.NS + " | " + f.LongDeg + " " + f.LongMin + " " +
           f.EW + " | [" + f.TimeZone + "]";
  }

  int Row(const QString& city) const {
    const auto found = Cities()->findItems(city, Qt::MatchExactly);
    EXPECT_EQ(found.size(), 1) << city.toStdString();
    return found.isEmpty() ? -1 : Cities()->row(found.front());
  }

  void ClickMap(int x, int y) { QTest::mouseClick(Map(), Qt::LeftButton, {}, QPoint(x, y)); }
  void ClickOk() { QTest::mouseClick(Button(dialog_.get(), QDialogButtonBox::Ok), Qt::LeftButton); }

  // The place of the settings, as one line.
  std::string Place() const {
    const AppSettings& s = doc_->Settings();
    return s.Location + " " + std::to_string(s.LatDeg) + " " + std::to_string(s.LatMin) + " " +
           s.NS + " " + std::to_string(s.LongDeg) + " " + std::to_string(s.LongMin) + " " + s.EW +
           " " + std::to_string(s.TimeZone);
  }

  std::unique_ptr<CLocationDialog> dialog_;
};

TEST_F(LocationDialogTest, OpensAtThePlaceOfTheSettingsWithTheWorldMap) {
  EXPECT_EQ(dialog_->objectName().toStdString(), "LocationDialog");
  EXPECT_EQ(dialog_->windowTitle().toStdString(), "Observer's Location...");
  EXPECT_EQ(Edit("LocationName")->text().toStdString(), "Poland:Krakow");
  EXPECT_EQ(Shown(), "50 2 N | 19 55 E | [ 1.0]");
  EXPECT_EQ(Edit("LocationName")->maxLength(), 48);
  EXPECT_EQ(Edit("LatitudeDegrees")->maxLength(), 2);
  EXPECT_EQ(Edit("LongitudeDegrees")->maxLength(), 3);
  EXPECT_EQ(Edit("TimeZone")->maxLength(), 5);

  // location.dat's places and the cities of cities.tab, by name.
  ASSERT_EQ(static_cast<std::size_t>(Cities()->count()), doc_->Catalogues.Places.size());
  EXPECT_GT(Cities()->count(), 3 * kLocationCount);
  EXPECT_EQ(Cities()->item(0)->text().toStdString(), "Afghanistan:Kabul");
  EXPECT_EQ(Child<QLabel>(dialog_.get(), "Zone")->text().toStdString(),
            "Europe/Warsaw (CET, UT+1 on the date set)");
  EXPECT_TRUE(Cities()->selectedItems().isEmpty()) << "nothing chosen yet";
  EXPECT_EQ(Cities()->currentItem()->text().toStdString(), "Poland:Krakow");

  // The map of worldmap.bmp at (15, 15), the marker on Krakow's whole degrees.
  ASSERT_TRUE(dialog_->HasMap());
  EXPECT_TRUE(messages_.Lines.empty());
  EXPECT_EQ(dialog_->Marker(), (ui::MapPoint{214, 55}));
  render::TextureImage bitmap;
  ASSERT_EQ(render::ReadBitmapFile(STELLIX_SOURCE_DATA_DIR "/worldmap.bmp", bitmap),
            render::BitmapError::None);
  const QImage shown = Map()->grab().toImage();
  for (const QPoint p : {QPoint(100, 40), QPoint(300, 120), QPoint(10, 170)}) {
    const std::size_t at = (static_cast<std::size_t>(bitmap.Height - 1 - p.y()) * bitmap.Width +
                            static_cast<std::size_t>(p.x())) *
                           3;
    const QColor want(bitmap.Pixels[at], bitmap.Pixels[at + 1], bitmap.Pixels[at + 2]);
    const QColor got = shown.pixelColor(p.x() + 15, p.y() + 15);
    EXPECT_NEAR(got.red(), want.red(), 8) << p.x() << "," << p.y();
    EXPECT_NEAR(got.green(), want.green(), 8);
    EXPECT_NEAR(got.blue(), want.blue(), 8);
  }
  const QColor marker = shown.pixelColor(214 + 3, 55);
  EXPECT_GT(marker.red(), 200);
  EXPECT_LT(marker.green(), 80);
}

TEST_F(LocationDialogTest, InNightVisionTheMapAndItsMarkerAreDimRed) {
  doc_->Run.RedScreen = 1;
  CLocationDialog night(*doc_, *view_, messages_, frame_);
  ShowActive(&night);
  const QImage shown = Child<QWidget>(&night, "WorldMap")->grab().toImage();
  int coloured = 0, brightest = 0, levels = 0;
  std::vector<bool> used(256);
  for (int y = 15; y < 15 + ui::kMapHeight; ++y)
    for (int x = 15; x < 15 + ui::kMapWidth; ++x) {
      const QColor c = shown.pixelColor(x, y);
      coloured += c.green() != 0 || c.blue() != 0;
      brightest = std::max(brightest, c.red());
      used[c.red()] = true;
    }
  for (bool u : used) levels += u;
  EXPECT_EQ(coloured, 0);
  EXPECT_LE(brightest, sky::kNightVisionMaxRed);
  EXPECT_GT(levels, 12) << "land and sea keep their shapes";
}

TEST_F(LocationDialogTest, ClicksOnTheMapFillTheFieldsAndNameThePlace) {
  const struct {
    int x, y;
    const char* shown;
    const char* name;  // the nearest place within 50 km, else the coordinates
    const char* zone;
  } clicks[] = {
      {195, 105, "0 0 N | 0 0 W | [ 0.0]", "0° 0°", ""},       // the centre
      {15, 105, "0 0 N | 180 0 W | [-12.0]", "0° 180°W", ""},  // the left edge
      {375, 105, "0 0 N | 180 0 E | [12.0]", "0° 180°E", ""},  // the right edge
      {250, 170, "65 0 S | 55 0 E | [ 4.0]", "65°S 55°E", ""},
      // New York: 41 N 74 W, 11 km from Yonkers; the place's zone comes with its name.
      {121, 64, "41 0 N | 74 0 W | [-5.0]", "near USA:Yonkers, New York (11 km)",
       "America/New_York"},
      // Krakow at 50 N 20 E (11 km from the city).
      {215, 55, "50 0 N | 20 0 E | [ 1.0]", "near Poland:Krakow (11 km)", "Europe/Warsaw"},
  };
  for (const auto& c : clicks) {
    Cities()->setCurrentRow(Row("Nauru:Nauru"));
    ASSERT_EQ(Cities()->selectedItems().size(), 1);
    ClickMap(c.x, c.y);
    EXPECT_EQ(Shown(), c.shown) << c.x << "," << c.y;
    EXPECT_EQ(dialog_->Marker(), (ui::MapPoint{c.x, c.y}));
    EXPECT_TRUE(Cities()->selectedItems().isEmpty()) << "the list lets go of its city";
    EXPECT_EQ(FocusName(), "LocationName");
    EXPECT_EQ(Edit("LocationName")->selectedText(), Edit("LocationName")->text());
    EXPECT_EQ(Edit("LocationName")->text().toStdString(), c.name);
    EXPECT_EQ(dialog_->Fields().ZoneId, c.zone);
  }
  // OK takes the name with the place, into the settings and the status bar.
  ClickMap(121, 64);
  ClickOk();
  EXPECT_EQ(doc_->Settings().Location, "near USA:Yonkers, New York (11 km)");
  EXPECT_EQ(doc_->Settings().TimeZoneId, "America/New_York");
  EXPECT_EQ(doc_->Settings().LatDeg, 41);
  EXPECT_EQ(doc_->Settings().EW, "W");
}

TEST_F(LocationDialogTest, BesideTheMapOnlyTheMarkerMoves) {
  Cities()->setCurrentRow(Row("Nauru:Nauru"));
  const std::string before = Shown();
  ClickMap(5, 200);
  EXPECT_EQ(Shown(), before);
  EXPECT_EQ(dialog_->Marker(), (ui::MapPoint{5, 200}));
  EXPECT_EQ(Cities()->selectedItems().size(), 1);
}

TEST_F(LocationDialogTest, TypingFindsPlacesAndACitysZoneComesWithIt) {
  QLineEdit* search = Edit("CitySearch");
  QTest::keyClicks(search, "sydney");
  std::vector<std::string> found;
  for (int i = 0; i < Cities()->count(); ++i)
    found.push_back(Cities()->item(i)->text().toStdString());
  EXPECT_EQ(found, (std::vector<std::string>{"Australia:Sydney", "Canada:Sydney, Nova Scotia"}));
  Cities()->setCurrentRow(0);
  EXPECT_EQ(Shown(), "33 52 S | 151 13 E | [10.0]");
  EXPECT_EQ(Child<QLabel>(dialog_.get(), "Zone")->text().toStdString().substr(0, 16),
            "Australia/Sydney");
  // A nudged coordinate keeps the zone; an offset typed by hand drops it.
  Edit("LatitudeMinutes")->selectAll();
  QTest::keyClicks(Edit("LatitudeMinutes"), "00");
  EXPECT_EQ(dialog_->Fields().ZoneId, "Australia/Sydney");
  Edit("TimeZone")->selectAll();
  QTest::keyClicks(Edit("TimeZone"), "10");
  EXPECT_EQ(dialog_->Fields().ZoneId, "");
  EXPECT_EQ(Child<QLabel>(dialog_.get(), "Zone")->text().toStdString(), ui::ZoneDescription(""));
  // Words in any order and case.
  search->clear();
  QTest::keyClicks(search, "WALES new cast");
  ASSERT_EQ(Cities()->count(), 1);
  Cities()->setCurrentRow(0);
  ClickOk();
  EXPECT_EQ(doc_->Settings().Location, "Australia:New Castle, New South Wales");
  EXPECT_EQ(doc_->Settings().TimeZoneId, "Australia/Sydney");
  EXPECT_FLOAT_EQ(doc_->Settings().TimeZone, 10.0f);
}

TEST_F(LocationDialogTest, CitiesNearTheZeroLinesKeepTheirHemisphereThroughOk) {
  const struct {
    const char* city;
    const char* shown;
    ui::MapPoint marker;
    const char* place;
  } cases[] = {
      {"Ecuador:Galapagos",
       "0 54 S | 89 36 W | [-6.0]",
       {106, 105},
       "Ecuador:Galapagos 0 54 S 89 36 W -6.000000"},
      {"Indonesia:Pontianak",
       "0 2 S | 109 20 E | [ 7.0]",
       {304, 105},
       "Indonesia:Pontianak 0 2 S 109 20 E 7.000000"},
      {"Nauru:Nauru",
       "0 31 S | 166 55 E | [12.0]",
       {361, 105},
       "Nauru:Nauru 0 31 S 166 55 E 12.000000"},
      {"Britain (UK):London",
       "51 30 N | 0 8 W | [ 0.0]",
       {195, 54},
       "Britain (UK):London 51 30 N 0 8 W 0.000000"},
  };
  for (const auto& c : cases) {
    dialog_ = std::make_unique<CLocationDialog>(*doc_, *view_, messages_, frame_);
    ShowActive(dialog_.get());
    Cities()->setCurrentRow(Row(c.city));
    EXPECT_EQ(Shown(), c.shown) << c.city;
    EXPECT_EQ(Edit("LocationName")->text().toStdString(), c.city);
    EXPECT_EQ(dialog_->Marker(), c.marker) << c.city;
    ClickOk();
    EXPECT_EQ(dialog_->result(), QDialog::Accepted) << c.city;
    EXPECT_TRUE(messages_.Lines.empty()) << messages_.Lines.front();
    EXPECT_EQ(Place(), c.place);
  }
  // The sky is computed for the last of them: 51 deg 30' north, 0 deg 8' west.
  EXPECT_NEAR(doc_->Sky.AstroState.Latitude, 51.5, 1e-9);
  EXPECT_NEAR(doc_->Sky.AstroState.Longitude, 8 / 60.0, 1e-9);
}

TEST_F(LocationDialogTest, DoubleClickingACityActsAsOk) {
  QListWidget* list = Cities();
  const int row = Row("Japan:Tokyo");
  list->scrollToItem(list->item(row));
  const QPoint at = list->visualItemRect(list->item(row)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(doc_->Settings().Location, "Japan:Tokyo");
  EXPECT_EQ(doc_->Settings().EW, "E");
  EXPECT_FLOAT_EQ(doc_->Settings().TimeZone, 9.0f);
}

TEST_F(LocationDialogTest, UpDownsToggleTheHemisphereWhicheverWayTheyAreClicked) {
  for (const char* name : {"LatitudeHemisphere", "LongitudeHemisphere"}) {
    QAbstractSpinBox* box = Hemisphere(name);
    const bool latitude = std::string(name) == "LatitudeHemisphere";
    const auto letter = [&] { return latitude ? dialog_->Fields().NS : dialog_->Fields().EW; };
    const std::string a = letter();
    const std::string b = a == "N" ? "S" : a == "S" ? "N" : a == "E" ? "W" : "E";
    QStyleOptionSpinBox option;
    option.initFrom(box);
    option.subControls = QStyle::SC_All;
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    option.buttonSymbols = box->buttonSymbols();
    const QRect up =
        box->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, box);
    const QRect down =
        box->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown, box);
    ASSERT_FALSE(up.isEmpty());
    ASSERT_FALSE(down.isEmpty());
    QTest::mouseClick(box, Qt::LeftButton, {}, up.center());
    EXPECT_EQ(letter(), b) << name << " up";
    QTest::mouseClick(box, Qt::LeftButton, {}, up.center());
    EXPECT_EQ(letter(), a) << name << " up again";
    QTest::mouseClick(box, Qt::LeftButton, {}, down.center());
    EXPECT_EQ(letter(), b) << name << " down";
    QTest::mouseClick(box, Qt::LeftButton, {}, down.center());
    EXPECT_EQ(letter(), a) << name << " down again";
    // From the keyboard: the arrows, or the letter itself.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(letter(), b);
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(letter(), a);
    QTest::keyClick(box, static_cast<Qt::Key>(b[0]));
    EXPECT_EQ(letter(), b) << "typing the letter";
    QTest::keyClick(box, Qt::Key_X);
    EXPECT_EQ(letter(), b) << "other letters change nothing";
  }
}

TEST_F(LocationDialogTest, ARefusedFieldIsNamedFocusedAndSelectedAndNothingChanges) {
  const std::string before = Place();
  const double latitude = doc_->Sky.AstroState.Latitude;
  const struct {
    const char* field;
    const char* text;
    const char* message;
  } cases[] = {
      {"LongitudeDegrees", "181", "You have entered wrong number! It must be from 0 to 180.    "},
      {"LongitudeMinutes", "60", "You have entered wrong number! It must be from 0 to 59.    "},
      {"LatitudeDegrees", "91", "You have entered wrong number! It must be from 0 to 90.    "},
      {"LatitudeMinutes", "-1", "You have entered wrong number! It must be from 0 to 59.    "},
      {"TimeZone", "14.5", "You have entered wrong number! It must be from -12 to 14.    "},
  };
  for (const auto& c : cases) {
    dialog_ = std::make_unique<CLocationDialog>(*doc_, *view_, messages_, frame_);
    ShowActive(dialog_.get());
    messages_.Lines.clear();
    // Fields before the refused one are valid and changed: they must not stick.
    Edit("LocationName")->setText("Nowhere");
    Cities()->setCurrentRow(Row("Chile:Santiago"));
    Edit(c.field)->setText(c.text);
    Edit("LocationName")->setFocus();
    ClickOk();
    ASSERT_EQ(messages_.Lines.size(), 1u) << c.field;
    EXPECT_EQ(messages_.Lines[0], std::string("exclamation: ") + c.message);
    EXPECT_TRUE(dialog_->isVisible()) << "the dialog stays open";
    EXPECT_EQ(FocusName(), c.field);
    EXPECT_EQ(Edit(c.field)->selectedText().toStdString(), c.text);
    EXPECT_EQ(Place(), before) << c.field;
    QTest::mouseClick(Button(dialog_.get(), QDialogButtonBox::Cancel), Qt::LeftButton);
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_EQ(Place(), before) << "Cancel after " << c.field << " leaves the old place";
    EXPECT_EQ(doc_->Sky.AstroState.Latitude, latitude);
  }
}

TEST_F(LocationDialogTest, TypedFieldsAreTakenWhenAllPass) {
  Edit("LatitudeDegrees")->setText("33");
  Edit("LatitudeMinutes")->setText("27");
  Hemisphere("LatitudeHemisphere")->stepBy(1);
  Edit("LongitudeDegrees")->setText("70");
  Edit("LongitudeMinutes")->setText("40");
  Hemisphere("LongitudeHemisphere")->stepBy(-1);
  Edit("TimeZone")->setText("5.5");
  Edit("LocationName")->setText("  My garden ");
  ClickOk();
  EXPECT_TRUE(messages_.Lines.empty());
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
  EXPECT_EQ(Place(), "My garden 33 27 S 70 40 W 5.500000");
}

// In German the time zone is typed and shown with a decimal comma (a point is
// read too); the settings keep the number itself.
TEST_F(LocationDialogTest, TimeZoneInTheLocalesForm) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const struct {
    const char* Typed;
    double Kept;
    const char* ShownAgain;
  } kCases[] = {{"5,5", 5.5, "5,5"}, {"-3.5", -3.5, "-3,5"}, {"2", 2.0, "2,0"}};
  for (const auto& c : kCases) {
    dialog_ = std::make_unique<CLocationDialog>(*doc_, *view_, messages_, frame_);
    ShowActive(dialog_.get());
    Edit("TimeZone")->setText(QString::fromLatin1(c.Typed));
    ClickOk();
    EXPECT_TRUE(messages_.Lines.empty()) << c.Typed;
    EXPECT_EQ(doc_->Settings().TimeZone, c.Kept) << c.Typed;
    dialog_ = std::make_unique<CLocationDialog>(*doc_, *view_, messages_, frame_);
    EXPECT_EQ(Edit("TimeZone")->text().trimmed(), QString::fromLatin1(c.ShownAgain)) << c.Typed;
  }
  QLocale::setDefault(before);
}

TEST_F(LocationDialogTest, ANameTypedAfterChoosingACityIsTheOneKept) {
  Cities()->setCurrentRow(Row("Peru:Lima"));
  QLineEdit* name = Edit("LocationName");
  name->setFocus();
  name->selectAll();
  QTest::keyClicks(name, "Grandma's house");
  ClickOk();
  EXPECT_EQ(doc_->Settings().Location, "Grandma's house");
  EXPECT_EQ(doc_->Settings().LongDeg, 77);
  EXPECT_EQ(doc_->Settings().EW, "W");
}

TEST_F(LocationDialogTest, WorksFromTheKeyboardAlone) {
  // Mnemonics lead to the fields.
  const std::pair<Qt::Key, const char*> mnemonics[] = {
      {Qt::Key_A, "LatitudeDegrees"}, {Qt::Key_N, "LongitudeDegrees"}, {Qt::Key_T, "TimeZone"},
      {Qt::Key_D, "CitySearch"},      {Qt::Key_S, "Cities"},           {Qt::Key_E, "LocationName"}};
  for (const auto& [key, field] : mnemonics) {
    QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
    EXPECT_EQ(FocusName(), field);
  }
  // Tab goes through the dialog in reading order.
  const char* order[] = {"LatitudeDegrees",  "LatitudeMinutes",  "LatitudeHemisphere",
                         "LongitudeDegrees", "LongitudeMinutes", "LongitudeHemisphere",
                         "TimeZone",         "CitySearch",       "Cities"};
  for (const char* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(FocusName(), next);
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Button(dialog_.get(), QDialogButtonBox::Ok));

  // A city by typing its first letters in the list, then Enter for OK.
  Child<QWidget>(dialog_.get(), "Cities")->setFocus();
  QTest::keyClicks(Cities(), "Peru:L");
  QTest::keyClick(Cities(), Qt::Key_Space);
  ASSERT_EQ(Cities()->selectedItems().size(), 1);
  EXPECT_EQ(Cities()->selectedItems().front()->text().toStdString(), "Peru:Lima");
  QTest::keyClick(Cities(), Qt::Key_Return);
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
  EXPECT_EQ(doc_->Settings().Location, "Peru:Lima");

  // Escape cancels.
  dialog_ = std::make_unique<CLocationDialog>(*doc_, *view_, messages_, frame_);
  ShowActive(dialog_.get());
  QTest::keyClicks(Edit("LocationName"), "x");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(dialog_->result(), QDialog::Rejected);
  EXPECT_EQ(doc_->Settings().Location, "Peru:Lima");
}

// The program on the data without the world map.
class LocationDialogWithoutMapTest : public LocationDialogTest {
 protected:
  void SetUp() override {
    const std::filesystem::path data = dir_.Path() / "data";
    std::filesystem::create_directory(data);
    for (const auto& entry : std::filesystem::directory_iterator(STELLIX_SOURCE_DATA_DIR))
      if (entry.path().filename() != "worldmap.bmp")
        std::filesystem::create_symlink(entry.path(), data / entry.path().filename());
    LocationDialogTest::SetUp();
  }
  std::string DataDir() const override { return dir_.File("data"); }
};

TEST_F(LocationDialogWithoutMapTest, WithoutTheWorldMapTheDialogSaysSoAndStillWorks) {
  ASSERT_EQ(messages_.Lines.size(), 1u);
  EXPECT_EQ(messages_.Lines[0], "stop: Failed to open DIB file worldmap.bmp.\n");
  EXPECT_FALSE(dialog_->HasMap());
  ClickMap(195, 105);
  EXPECT_EQ(Shown(), "0 0 N | 0 0 W | [ 0.0]");
}

// The whole way: the menu item, the dialog, the sky, the status bar.
TEST_F(DialogTest, AfterOkTheSkyAndTheStatusBarShowTheNewPlace) {
  doc_->Settings().SkyColors = 1;  // the sky's colour tells day from night
  const QImage noon = view_->grabFramebuffer();
  const int dayColour = doc_->Conditions().SkyColour;
  ASSERT_NE(dayColour, 0) << "noon in Krakow is daylight";
  EXPECT_EQ(frame_->Pane(57636)->text().toStdString(), "Poland:Krakow");

  // The same instant seen from 170 deg west, where it is near midnight.
  WhenModalOpens("LocationDialog", [](QWidget* dialog) {
    Child<QLineEdit>(dialog, "LongitudeDegrees")->setText("170");
    Child<QLineEdit>(dialog, "LongitudeMinutes")->setText("0");
    QTest::keyClick(Child<QWidget>(dialog, "LongitudeHemisphere"), Qt::Key_W);
    QLineEdit* name = Child<QLineEdit>(dialog, "LocationName");
    name->setText("Pacific:Somewhere");
    QTest::keyClick(name, Qt::Key_Return);
  });
  frame_->Action(32785)->trigger();

  EXPECT_EQ(doc_->Settings().Location, "Pacific:Somewhere");
  EXPECT_EQ(frame_->Pane(57636)->text().toStdString(), "Pacific:Somewhere");
  EXPECT_NEAR(doc_->Sky.AstroState.Longitude, 170, 1e-9);
  const QImage midnight = view_->grabFramebuffer();
  EXPECT_EQ(doc_->Conditions().SkyColour, 0) << "a night sky";
  const auto brightness = [](const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); y += 8)
      for (int x = 0; x < image.width(); x += 8) sum += qGray(image.pixel(x, y));
    return sum;
  };
  EXPECT_LT(brightness(midnight), brightness(noon) / 2);
}

// Chosen in the dialog, written to the settings file at File > Exit, there at the next start.
TEST(LocationDialogSession, ThePlaceIsInTheSettingsFileAfterExit) {
  if (!std::getenv("DISPLAY"))
    GTEST_FAIL() << "needs an X display: run the tests under xvfb-run (./dev.sh test)";
  const std::filesystem::path cwd = std::filesystem::current_path();
  ScratchDir dir;
  CommandLine cl;
  cl.NonInteractive = true;
  cl.ShowSplash = false;
  cl.DataDir = STELLIX_SOURCE_DATA_DIR;
  cl.SettingsFile = dir.File("stellix.INI");
  int argc = 1;
  char name[] = "stellix";
  char* argv[] = {name, nullptr};
  // Runs the program until `whileOpen` has chosen File > Exit.
  const auto session = [&](const std::function<void(CSkyApp&)>& whileOpen) {
    CSkyApp app(argc, argv, cl);
    ASSERT_TRUE(app.InitInstance());
    QTimer::singleShot(0, &app, [&app, &whileOpen] {
      whileOpen(app);
      app.MainFrame()->Action(57665)->trigger();
    });
    app.ExitInstance(app.exec());
  };

  session([](CSkyApp& app) {
    WhenModalOpens("LocationDialog", [](QWidget* dialog) {
      auto* cities = dialog->findChild<QListWidget*>("Cities");
      const auto found = cities->findItems("Ecuador:Galapagos", Qt::MatchExactly);
      ASSERT_EQ(found.size(), 1);
      cities->setCurrentItem(found.front());
      QTest::keyClick(cities, Qt::Key_Return);
    });
    app.MainFrame()->Action(32785)->trigger();
  });
  const std::string text = ReadFile(dir.File("stellix.INI"));
  for (const char* line : {"Location=Ecuador:Galapagos\n", "LongDeg=89\n", "LongMin=36\n", "EW=W\n",
                           "LatDeg=0\n", "LatMin=54\n", "NS=S\n", "TimeZone=-6.0\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;

  session([](CSkyApp& app) {
    EXPECT_EQ(app.MainFrame()->Pane(57636)->text().toStdString(), "Ecuador:Galapagos");
    EXPECT_NEAR(g_SkyDoc->Sky.AstroState.Latitude, -54 / 60.0, 1e-9);
  });
  std::filesystem::current_path(cwd);
}

}  // namespace
