// The date/time, magnitude-limit, deep-sky and colour dialogs as a user
// drives them, and every settings dialog from its menu item.
#include <QCheckBox>
#include <QColorDialog>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimeEdit>
#include <QTimeZone>

#include "astro/astro_state.h"
#include "sky/night_vision.h"
#include "sky/small_bodies.h"
#include "tests/ui/dialog_fixture.h"
#include "ui/chart_settings_form.h"
#include "ui/colours_dialog.h"
#include "ui/date_time_dialog.h"
#include "ui/deep_sky_dialog.h"
#include "ui/magnitude_limits_dialog.h"
#include "ui/night_vision.h"

namespace {

std::string Text(const astro::CivilTime& t) {
  char s[40];
  std::snprintf(s, sizeof s, "%04d-%02d-%02d %02d:%02d:%02d", t.Year, t.Month, t.Day, t.Hour,
                t.Minute, t.Second);
  return s;
}

// --- From the menus ---------------------------------------------------------

TEST_F(DialogTest, EachDialogOpensFromItsMenuItemWithItsCaption) {
  const struct {
    int id;
    const char* menuText;
    const char* objectName;
    const char* caption;
  } dialogs[] = {
      {32784, "&Date/Time...", "DateTimeDialog", "Date/Time..."},
      {32785, "Observer's &Location...", "LocationDialog", "Observer's Location..."},
      {32787, "&Magnitude Limits...", "MagnitudeLimitsDialog", "Magnitude limits..."},
      {32788, "Deep Sky &Objects...", "DeepSkyDialog", "Deep sky objects..."},
      {32790, "Colo&rs...", "ColoursDialog", "Colors..."},
  };
  QMenu* settings = nullptr;
  for (QAction* a : frame_->menuBar()->actions())
    if (a->text() == "&Settings") settings = a->menu();
  ASSERT_NE(settings, nullptr);
  for (const auto& d : dialogs) {
    QAction* item = nullptr;
    for (QAction* a : settings->actions())
      if (a->text() == QString::fromUtf8(d.menuText)) item = a;
    ASSERT_NE(item, nullptr) << d.menuText;
    EXPECT_EQ(item, frame_->Action(d.id));
    std::string caption;
    WhenModalOpens(d.objectName, [&](QWidget* dialog) {
      caption = dialog->windowTitle().toStdString();
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog,
                      Qt::Key_Escape);
    });
    item->trigger();
    EXPECT_EQ(caption, d.caption) << d.objectName;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << d.objectName << " closed by Escape";
  }
}

// --- Date and time ----------------------------------------------------------

class DateTimeDialogTest : public DialogTest {
 protected:
  // The main window owns its dialogs: they go before it.
  void TearDown() override {
    dialog_.reset();
    DialogTest::TearDown();
  }
  void Open() {
    dialog_ = std::make_unique<CDateTimeDialog>(*doc_, *view_, frame_);
    ShowActive(dialog_.get());
  }
  QDateEdit* Date() const { return Child<QDateEdit>(dialog_.get(), "Date"); }
  QTimeEdit* Time() const { return Child<QTimeEdit>(dialog_.get(), "Time"); }
  std::unique_ptr<CDateTimeDialog> dialog_;
};

TEST_F(DateTimeDialogTest, ShowsTheSkysTimeWithin1901To2099) {
  Open();
  EXPECT_EQ(dialog_->objectName().toStdString(), "DateTimeDialog");
  EXPECT_EQ(Date()->date(), QDate(2026, 12, 5));
  EXPECT_EQ(Time()->time(), QTime(12, 0, 0));
  // Krakow keeps its zone's rules: no summer time in December, and the box only tells it.
  EXPECT_FALSE(Child<QCheckBox>(dialog_.get(), "DaylightSavingTime")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(dialog_.get(), "DaylightSavingTime")->isEnabled());
  EXPECT_EQ(Child<QLabel>(dialog_.get(), "OffsetInForce")->text().toStdString(), "CET, UT+1");
  EXPECT_EQ(Child<QCheckBox>(dialog_.get(), "DaylightSavingTime")->text().remove('&').toStdString(),
            "Daylight saving time");
  EXPECT_EQ(Child<QPushButton>(dialog_.get(), "Now")->text().remove('&').toStdString(), "Now...");
  EXPECT_TRUE(Date()->calendarPopup());
  EXPECT_TRUE(Date()->displayFormat().contains("yyyy")) << Date()->displayFormat().toStdString();

  // The ends of the range hold against the keyboard.
  Date()->setFocus();
  Date()->setDate(QDate(1901, 1, 1));
  Date()->setCurrentSection(QDateTimeEdit::YearSection);
  QTest::keyClick(Date(), Qt::Key_Down);
  EXPECT_EQ(Date()->date(), QDate(1901, 1, 1));
  Date()->setDate(QDate(2099, 12, 31));
  Date()->setCurrentSection(QDateTimeEdit::DaySection);
  QTest::keyClick(Date(), Qt::Key_Up);
  EXPECT_EQ(Date()->date(), QDate(2099, 12, 31));
  Date()->setDate(QDate(1900, 12, 31));
  EXPECT_EQ(Date()->date(), QDate(1901, 1, 1));
  Date()->setDate(QDate(2100, 1, 1));
  EXPECT_EQ(Date()->date(), QDate(2099, 12, 31));
  Time()->setTime(QTime(23, 59, 59));
  QTest::mouseClick(Button(dialog_.get(), QDialogButtonBox::Ok), Qt::LeftButton);
  EXPECT_EQ(Text(doc_->Sky.DocumentTime), "2099-12-31 23:59:59");
}

TEST_F(DateTimeDialogTest, NowThenCancelLeavesTheTimeAsItWas) {
  // A place in another zone than the computer's (whatever TZ says, Sydney's
  // offset differs from it at some time of the year; the test runs in UTC).
  doc_->Settings().TimeZoneId = "Australia/Sydney";
  doc_->Sky.DocumentTime = {1950, 3, 4, 5, 6, 7};
  // The present instant as Sydney's clocks show it.
  const auto sydneyNow = [] {
    return QDateTime::currentDateTimeUtc().toTimeZone(QTimeZone("Australia/Sydney"));
  };
  Open();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([this] { return Date()->date().year() != 1950; }))
      << "the mnemonic's animated click";
  const QDateTime now = sydneyNow();
  EXPECT_LE(std::abs(QDateTime(Date()->date(), Time()->time(), QTimeZone::utc())
                         .secsTo(QDateTime(now.date(), now.time(), QTimeZone::utc()))),
            2)
      << "the pickers show the place's clock at the present instant";
  // Now... says what it did, however little the fields moved, until the time is edited.
  const QLabel* note = Child<QLabel>(dialog_.get(), "NowNote");
  EXPECT_TRUE(note->isVisible());
  EXPECT_EQ(note->text().toStdString(), "Set to the present time at this place; OK shows its sky.");
  Time()->setTime(Time()->time().addSecs(60));
  EXPECT_FALSE(note->isVisible());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_EQ(dialog_->result(), QDialog::Rejected);
  EXPECT_EQ(Text(doc_->Sky.DocumentTime), "1950-03-04 05:06:07");

  Open();
  QTest::mouseClick(Child<QPushButton>(dialog_.get(), "Now"), Qt::LeftButton);
  QTest::mouseClick(Button(dialog_.get(), QDialogButtonBox::Ok), Qt::LeftButton);
  // The sky is that of the present instant.
  EXPECT_LE(std::abs(doc_->Sky.Instant.UtSeconds - QDateTime::currentSecsSinceEpoch()), 3);
  const double jdNow = QDateTime::currentSecsSinceEpoch() / 86400.0 + 2440587.5;
  EXPECT_NEAR(doc_->Sky.AstroState.JulianDay, jdNow, 3.0 / 86400);
}

TEST_F(DateTimeDialogTest, AWholeDateOrTimeTypedOverTheFieldIsTaken) {
  Open();
  const QString format = Date()->displayFormat();
  struct Case {
    QDate Date;
    QTime Time;
  } const kCases[] = {{QDate(2026, 7, 15), QTime(21, 0, 0)}, {QDate(1999, 1, 2), QTime(9, 5, 7)}};
  for (const Case& c : kCases) {
    // As the fields show them, and the hour without its leading zero.
    const std::pair<QDateTimeEdit*, QString> typed[] = {{Date(), c.Date.toString(format)},
                                                        {Time(), c.Time.toString("H:mm:ss")}};
    for (const auto& [field, text] : typed) {
      field->setFocus();
      QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(field, text);
    }
    EXPECT_EQ(Date()->date(), c.Date) << typed[0].second.toStdString();
    EXPECT_EQ(Time()->time(), c.Time) << typed[1].second.toStdString();
  }
}

TEST_F(DialogTest, DateTimeOkMovesTheSkyAndTheStatusBar) {
  const double before = doc_->Sky.AstroState.JulianDay;
  WhenModalOpens("DateTimeDialog", [](QWidget* dialog) {
    Child<QDateEdit>(dialog, "Date")->setDate(QDate(1999, 8, 11));
    Child<QTimeEdit>(dialog, "Time")->setTime(QTime(10, 30, 15));
    // Krakow's zone keeps summer time in August.
    EXPECT_TRUE(Child<QCheckBox>(dialog, "DaylightSavingTime")->isChecked());
    EXPECT_EQ(Child<QLabel>(dialog, "OffsetInForce")->text().toStdString(), "CEST, UT+2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
  frame_->Action(32784)->trigger();
  EXPECT_EQ(Text(doc_->Sky.DocumentTime), "1999-08-11 10:30:15");
  astro::AstroState expected;
  const double jd =
      expected.ComputeJulianDay(doc_->Sky.DocumentTime, ObserverPlaceOf(doc_->Settings(), 2.0));
  EXPECT_NE(doc_->Sky.AstroState.JulianDay, before);
  EXPECT_DOUBLE_EQ(doc_->Sky.AstroState.JulianDay, jd);
  EXPECT_TRUE(frame_->Pane(57635)->text().startsWith("10:30"))
      << frame_->Pane(57635)->text().toStdString();
  EXPECT_EQ(frame_->Pane(57635)->toolTip().toStdString(), "CEST, UT+2");
  EXPECT_EQ(frame_->Pane(57634)->text().toStdString().substr(0, 4), "11  ");
  EXPECT_EQ(frame_->Pane(57634)->text().right(4).toStdString(), "1999");
}

TEST_F(DialogTest, APlaceTypedByHandTakesTheDaylightSavingOption) {
  doc_->Settings().TimeZoneId.clear();
  doc_->Settings().TimeZone = 3.0f;
  doc_->Settings().DaylightSavingTime = 1;
  WhenModalOpens("DateTimeDialog", [](QWidget* dialog) {
    Child<QDateEdit>(dialog, "Date")->setDate(QDate(2026, 1, 15));
    Child<QTimeEdit>(dialog, "Time")->setTime(QTime(12, 0, 0));
    auto* summerTime = Child<QCheckBox>(dialog, "DaylightSavingTime");
    EXPECT_TRUE(summerTime->isEnabled());
    // The check box by its mnemonic (an animated click), then Enter for OK.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([summerTime] { return !summerTime->isChecked(); }));
    EXPECT_EQ(Child<QLabel>(dialog, "OffsetInForce")->text().toStdString(), "UT+3");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
  frame_->Action(32784)->trigger();
  EXPECT_EQ(doc_->Settings().DaylightSavingTime, 0);
  EXPECT_DOUBLE_EQ(doc_->Sky.AstroState.JulianDay, 2461056.0 - 3.0 / 24);
}

TEST_F(DialogTest, TheDateTimeDialogSaysWhatAChangeOfSummerTimeMakesOfTheTimeSet) {
  doc_->Settings().TimeZoneId = "America/New_York";
  struct Row {
    QTime Time;
    const char* Offset;
    const char* Change;
    const char* Set;
  };
  const Row rows[] = {
      {QTime(2, 30), "EDT, UT-4",
       "The clocks went forward by 1 hour on this day: there was no 02:30; it is read as 03:30 "
       "(EDT, UT-4).",
       "2026-03-08 03:30:00"},
      {QTime(1, 30), "EST, UT-5", "", "2026-03-08 01:30:00"},
  };
  for (const Row& row : rows) {
    WhenModalOpens("DateTimeDialog", [&row](QWidget* dialog) {
      Child<QDateEdit>(dialog, "Date")->setDate(QDate(2026, 3, 8));
      Child<QTimeEdit>(dialog, "Time")->setTime(row.Time);
      EXPECT_EQ(Child<QLabel>(dialog, "OffsetInForce")->text().toStdString(), row.Offset);
      auto* change = Child<QLabel>(dialog, "ClockChange");
      EXPECT_EQ(change->text().toStdString(), row.Change);
      EXPECT_EQ(change->isVisible(), *row.Change != 0);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    frame_->Action(32784)->trigger();
    EXPECT_EQ(Text(doc_->Sky.DocumentTime), row.Set);
  }
}

// --- Magnitude limits -------------------------------------------------------

class MagnitudeDialogTest : public DialogTest {
 protected:
  // The main window owns its dialogs: they go before it.
  void TearDown() override {
    dialog_.reset();
    DialogTest::TearDown();
  }
  void Open() {
    dialog_ = std::make_unique<CMagnitudeLimitsDialog>(*doc_, *view_, messages_, frame_);
    ShowActive(dialog_.get());
  }
  QSlider* Stars() const { return Child<QSlider>(dialog_.get(), "StarsSlider"); }
  QSlider* DeepSky() const { return Child<QSlider>(dialog_.get(), "DeepSkySlider"); }
  QCheckBox* Auto() const { return Child<QCheckBox>(dialog_.get(), "AutoMode"); }
  // A click on the box itself (the widget is as wide as the dialog, its text is not).
  void ClickAuto() {
    QTest::mouseClick(Auto(), Qt::LeftButton, {}, QPoint(8, Auto()->height() / 2));
  }
  void Ok() { QTest::mouseClick(Button(dialog_.get(), QDialogButtonBox::Ok), Qt::LeftButton); }
  std::unique_ptr<CMagnitudeLimitsDialog> dialog_;
};

TEST_F(MagnitudeDialogTest, SliderPositionsGiveTheLimits) {
  const struct {
    int stars, deepSky;
    int starsLimit;
    double starMagnitude, deepSkyMagnitude;
  } cases[] = {
      {11, 0, 13, 7.5, 6.0}, {18, 10, 20, 11.0, 16.0}, {10, 7, 10, 6.0, 13.0},
      {0, 3, 0, 1.0, 9.0},   {5, 5, 5, 3.5, 11.0},
  };
  for (const auto& c : cases) {
    Open();
    Stars()->setValue(c.stars);
    DeepSky()->setValue(c.deepSky);
    Ok();
    EXPECT_EQ(doc_->Settings().StarsLimit, c.starsLimit) << c.stars;
    EXPECT_EQ(doc_->Settings().DeepSkyLimit, c.deepSky);
    EXPECT_EQ(doc_->Limits.StarMagnitudeLimit, c.starMagnitude);
    EXPECT_EQ(doc_->Limits.DeepSkyMagnitudeLimit, c.deepSkyMagnitude);
    // Reopened, the sliders stand where they were left.
    Open();
    EXPECT_EQ(Stars()->value(), c.stars);
    EXPECT_EQ(DeepSky()->value(), c.deepSky);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  }
}

// The comets' and minor planets' limit is typed (Alt+M reaches it, in the
// automatic mode too): a number of the range becomes the layer's limit at
// once; any other text is said, and the dialog stays open with the limit
// unchanged.
TEST_F(MagnitudeDialogTest, TheSmallBodyLimitIsTypedAndChecked) {
  doc_->Settings().AutoMode = 1;
  doc_->Settings().SmallBodyMagnitudeLimit = 12;
  Open();
  auto* field = Child<QLineEdit>(dialog_.get(), "SmallBodyLimit");
  EXPECT_EQ(field->text().toStdString(), "12.0");
  EXPECT_TRUE(field->isEnabled());
  for (const char* wrong : {"25", "twelve"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier);
    ASSERT_EQ(FocusName(), "SmallBodyLimit");
    field->selectAll();
    QTest::keyClicks(field, wrong);
    Ok();
    EXPECT_TRUE(dialog_->isVisible()) << wrong;
    ASSERT_EQ(messages_.Lines.size(), 1u) << wrong;
    EXPECT_NE(messages_.Lines[0].find("from 0 to 20"), std::string::npos) << messages_.Lines[0];
    messages_.Lines.clear();
    EXPECT_EQ(FocusName(), "SmallBodyLimit");
    EXPECT_EQ(doc_->Settings().SmallBodyMagnitudeLimit, 12);
  }
  field->selectAll();
  QTest::keyClicks(field, "3.5");
  Ok();
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
  EXPECT_EQ(doc_->Settings().SmallBodyMagnitudeLimit, 3.5);
  for (const sky::SmallBodyState& body : doc_->Sky.SmallBodies)
    EXPECT_LE(body.Magnitude, 3.5) << body.Index;
  Open();
  EXPECT_EQ(Child<QLineEdit>(dialog_.get(), "SmallBodyLimit")->text().toStdString(), "3.5");
}

TEST_F(MagnitudeDialogTest, TheKeyboardMovesTheSlidersToTheirEnds) {
  doc_->Settings().StarsLimit = 4;
  Open();
  EXPECT_EQ(FocusName(), "StarsSlider");
  QTest::keyClick(Stars(), Qt::Key_End);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::AltModifier);
  EXPECT_EQ(FocusName(), "DeepSkySlider");
  QTest::keyClick(DeepSky(), Qt::Key_Home);
  QTest::keyClick(DeepSky(), Qt::Key_Return);
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
  EXPECT_EQ(doc_->Settings().StarsLimit, 24);
  EXPECT_EQ(doc_->Limits.StarMagnitudeLimit, 13.0);
  EXPECT_EQ(doc_->Limits.DeepSkyMagnitudeLimit, 6.0);
}

TEST_F(MagnitudeDialogTest, TheScalesNameTheMagnitudesUnderTheirTicks) {
  Open();
  const struct {
    const char* scale;
    QSlider* slider;
    std::vector<std::string> labels;
  } scales[] = {{"StarsSliderScale", Stars(), {"1", "3", "5", "8", "10", "12"}},
                {"DeepSkySliderScale", DeepSky(), {"6", "8", "10", "12", "14", "16"}}};
  for (const auto& s : scales) {
    const QWidget* scale = Child<QWidget>(dialog_.get(), s.scale);
    std::vector<std::pair<int, std::string>> shown;  // centre x in the slider, text
    for (const QLabel* label : scale->findChildren<QLabel*>()) {
      const QPoint centre = label->mapTo(s.slider->window(), label->rect().center());
      shown.push_back(
          {s.slider->mapFrom(s.slider->window(), centre).x(), label->text().toStdString()});
      EXPECT_TRUE(label->isVisible());
    }
    std::sort(shown.begin(), shown.end());
    std::vector<std::string> texts;
    for (const auto& [x, text] : shown) texts.push_back(text);
    EXPECT_EQ(texts, s.labels) << s.scale;
    // Two positions apart each, evenly, and all within the slider.
    const int gap = shown[1].first - shown[0].first;
    EXPECT_GT(gap, 10);
    for (std::size_t i = 1; i < shown.size(); ++i)
      EXPECT_NEAR(shown[i].first - shown[i - 1].first, gap, 2) << s.scale;
    EXPECT_GE(shown.front().first, 0);
    EXPECT_LT(shown.back().first, s.slider->width());
  }
  int units = 0;
  for (const QLabel* label : dialog_->findChildren<QLabel*>()) units += label->text() == "mag";
  EXPECT_EQ(units, 3) << "after each scale and after the comets' and minor planets' field";
}

TEST_F(MagnitudeDialogTest, AutoModeGreysTheSlidersAndFollowsTheZoom) {
  doc_->Settings().AutoMode = 1;
  doc_->Settings().StarsLimit = 2;
  view_->Zoom = 2;
  Open();
  // Opening shows the limits of the present zoom: 5.5 and 7.
  EXPECT_TRUE(Auto()->isChecked());
  EXPECT_EQ(Stars()->value(), 9);
  EXPECT_EQ(DeepSky()->value(), 1);
  EXPECT_FALSE(Stars()->isEnabled());
  EXPECT_FALSE(DeepSky()->isEnabled());
  ClickAuto();
  EXPECT_TRUE(Stars()->isEnabled());
  EXPECT_TRUE(DeepSky()->isEnabled());
  QTest::keyClick(Auto(), Qt::Key_Space);
  EXPECT_FALSE(Stars()->isEnabled());

  // OK in the automatic mode takes the zoom's limits whatever the sliders show.
  Stars()->setValue(0);
  DeepSky()->setValue(7);
  view_->Zoom = 64;
  Ok();
  EXPECT_EQ(doc_->Settings().AutoMode, 1);
  EXPECT_EQ(doc_->Limits.StarMagnitudeLimit, 13.0);
  EXPECT_EQ(doc_->Limits.DeepSkyMagnitudeLimit, 16.0);

  // Leaving the automatic mode takes the sliders again.
  Open();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([this] { return !Auto()->isChecked(); }))
      << "the mnemonic clicks the box";
  Stars()->setValue(2);
  Ok();
  EXPECT_EQ(doc_->Settings().AutoMode, 0);
  EXPECT_EQ(doc_->Limits.StarMagnitudeLimit, 2.0);
}

TEST_F(MagnitudeDialogTest, CancelChangesNothing) {
  Open();
  Stars()->setValue(0);
  ClickAuto();
  QTest::mouseClick(Button(dialog_.get(), QDialogButtonBox::Cancel), Qt::LeftButton);
  EXPECT_EQ(doc_->Settings().StarsLimit, 11);
  EXPECT_EQ(doc_->Settings().AutoMode, 0);
  EXPECT_EQ(doc_->Limits.StarMagnitudeLimit, 7.5);
}

// --- Deep-sky options ---------------------------------------------------------

class DeepSkyDialogTest : public DialogTest {
 protected:
  // The main window owns its dialogs: they go before it.
  void TearDown() override {
    dialog_.reset();
    DialogTest::TearDown();
  }
  void Open() {
    dialog_ = std::make_unique<CDeepSkyDialog>(*doc_, *view_, frame_);
    ShowActive(dialog_.get());
  }
  QRadioButton* Radio(int id) const {
    return Child<QRadioButton>(dialog_.get(), ("Radio" + std::to_string(id)).c_str());
  }
  std::unique_ptr<CDeepSkyDialog> dialog_;
};

TEST_F(DeepSkyDialogTest, EachPairShowsAndStoresItsSetting) {
  const struct {
    int on, off;
    const char* label;
    const char* onText;
    const char* offText;
    int AppSettings::*setting;
  } pairs[] = {
      {1001, 1002, "Messier", "On", "Off", &AppSettings::ShowMessier},
      {1003, 1004, "NGC", "On", "Off", &AppSettings::ShowNGC},
      {1006, 1008, "Open Clusters", "On", "Off", &AppSettings::ShowOpenClusters},
      {1010, 1012, "Glob. Clusters", "On", "Off", &AppSettings::ShowGlobClusters},
      {1014, 1016, "Galaxies", "On", "Off", &AppSettings::ShowGalaxies},
      {1019, 1020, "Nebulae", "On", "Off", &AppSettings::ShowNebulae},
      {1024, 1025, "Planet. Nebulae", "On", "Off", &AppSettings::ShowPlanetNebulae},
      {1030, 1031, "Label by", "Catalog Number", "Common Name", &AppSettings::DeepSkyLabelByNumber},
      {1102, 1103, "Draw as", "Symbols", "Bitmaps", &AppSettings::DeepSkyDrawSymbols},
  };
  for (const auto& p : pairs) {
    for (int value : {1, 0}) {
      doc_->Settings().*p.setting = value;
      Open();
      QRadioButton* on = Radio(p.on);
      QRadioButton* off = Radio(p.off);
      const auto* box = qobject_cast<QGroupBox*>(on->parentWidget());
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->title().remove('&').toStdString(), p.label);
      EXPECT_EQ(on->text().toStdString(), p.onText);
      EXPECT_EQ(off->text().toStdString(), p.offText);
      EXPECT_EQ(on->isChecked(), value == 1) << p.label;
      EXPECT_EQ(off->isChecked(), value == 0) << p.label;
      // The other button, then Cancel: nothing changes; then OK.
      QTest::mouseClick(value == 1 ? off : on, Qt::LeftButton);
      EXPECT_NE(on->isChecked(), value == 1) << "the buttons of a pair exclude each other";
      QTest::mouseClick(Button(dialog_.get(), QDialogButtonBox::Cancel), Qt::LeftButton);
      EXPECT_EQ(doc_->Settings().*p.setting, value) << p.label;
      Open();
      QTest::mouseClick(value == 1 ? Radio(p.off) : Radio(p.on), Qt::LeftButton);
      QTest::mouseClick(Button(dialog_.get(), QDialogButtonBox::Ok), Qt::LeftButton);
      EXPECT_EQ(doc_->Settings().*p.setting, 1 - value) << p.label;
    }
  }
}

TEST_F(DeepSkyDialogTest, WorksFromTheKeyboardAlone) {
  Open();
  // The mnemonic of a pair leads to its chosen button, the arrows choose.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
  EXPECT_EQ(FocusName(), "Radio1019");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
  EXPECT_TRUE(Radio(1020)->isChecked());
  // Tab goes from pair to pair.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(FocusName(), "Radio1024");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(FocusName(), "Radio1030");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
  EXPECT_EQ(doc_->Settings().ShowNebulae, 0);
  EXPECT_EQ(doc_->Settings().ShowMessier, 1);
}

// --- Colours ------------------------------------------------------------------

class ColoursDialogTest : public DialogTest {
 protected:
  // The main window owns its dialogs: they go before it.
  void TearDown() override {
    dialog_.reset();
    DialogTest::TearDown();
  }
  void Open() {
    dialog_ = std::make_unique<CColoursDialog>(*doc_, *view_, frame_);
    ShowActive(dialog_.get());
  }
  QPushButton* ColourButton(int id) const {
    return Child<QPushButton>(dialog_.get(), ("Colour" + std::to_string(id)).c_str());
  }
  static QColor Shown(QWidget* button) {
    const QImage image = button->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
  }
  // Pixels of the sky view's frame within 12 of `colour` in every channel.
  int PixelsOf(const QColor& colour) {
    const QImage frame = view_->grabFramebuffer();
    int n = 0;
    for (int y = 0; y < frame.height(); ++y)
      for (int x = 0; x < frame.width(); ++x) {
        const QColor c = frame.pixelColor(x, y);
        n += std::abs(c.red() - colour.red()) < 12 && std::abs(c.green() - colour.green()) < 12 &&
             std::abs(c.blue() - colour.blue()) < 12;
      }
    return n;
  }
  std::unique_ptr<CColoursDialog> dialog_;
};

TEST_F(ColoursDialogTest, EachButtonShowsItsColour) {
  Open();
  EXPECT_EQ(Button(dialog_.get(), QDialogButtonBox::Cancel), nullptr) << "OK only";
  const struct {
    int id;
    const char* label;
    int AppSettings::*setting;
  } buttons[] = {
      {1035, "Grids", &AppSettings::GridsColor},
      {1037, "Constellation lines", &AppSettings::ConstLinesColor},
      {1036, "Const. boundaries", &AppSettings::ConstBoundariesColor},
      {1034, "Const. labels", &AppSettings::ConstLabelsColor},
      {1039, "Ecliptic", &AppSettings::EclipticColor},
      {1033, "Deep sky", &AppSettings::DeepSkyColor},
      {1042, "Deep sky labels", &AppSettings::DeepSkyLabelsColor},
      {1046, "Star names", &AppSettings::StarsNamesColor},
      {1044, "Planet names", &AppSettings::PlanetNamesColor},
  };
  for (const auto& b : buttons) {
    QPushButton* button = ColourButton(b.id);
    const ui::Rgb want = ui::UnpackColour(doc_->Settings().*b.setting);
    EXPECT_EQ(Shown(button), QColor(want.Red, want.Green, want.Blue)) << b.label;
    QLabel* label = nullptr;
    for (QLabel* l : dialog_->findChildren<QLabel*>())
      if (l->buddy() == button) label = l;
    ASSERT_NE(label, nullptr) << b.label;
    EXPECT_EQ(label->text().remove('&').toStdString(), b.label);
  }
}

TEST_F(ColoursDialogTest, InRedScreenEachButtonShowsItsBrightnessInDimRed) {
  doc_->Run.RedScreen = 1;
  Open();
  for (int id : {1035, 1037, 1039, 1046}) {
    const QColor shown = Shown(ColourButton(id));
    EXPECT_EQ(shown.green() + shown.blue(), 0) << id;
    EXPECT_GE(shown.red(), sky::kNightVisionMinRed) << id;
    EXPECT_LE(shown.red(), sky::kNightVisionMaxRed) << id;
  }
}

TEST_F(ColoursDialogTest, InRedScreenTheChoosersColourFieldsAreDimRed) {
  // Night vision as the main window turns it on: its palette, and the switch.
  const QPalette palette = QApplication::palette();
  QApplication::setPalette(ui::NightVisionPalette());
  doc_->Run.RedScreen = 1;
  Open();
  QImage shown;
  WhenModalOpens("ColourChooser", [&](QWidget* w) {
    shown = w->grab().toImage();
    qobject_cast<QDialog*>(w)->reject();
  });
  QTest::mouseClick(ColourButton(1039), Qt::LeftButton);
  ASSERT_FALSE(shown.isNull());
  int coloured = 0, brightest = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) {
      const QColor c = shown.pixelColor(x, y);
      coloured += c.green() != 0 || c.blue() != 0;
      brightest = std::max(brightest, c.red());
    }
  QApplication::setPalette(palette);
  EXPECT_EQ(coloured, 0) << "the spectrum and the swatches too";
  EXPECT_LE(brightest, sky::kNightVisionMaxRed);
}

TEST_F(ColoursDialogTest, AChosenColourIsInForceAtOnceAndStays) {
  const QColor orange(255, 165, 0);
  const int before = PixelsOf(orange);
  Open();
  QPushButton* ecliptic = ColourButton(1039);
  std::string initial;
  WhenModalOpens("ColourChooser", [&](QWidget* w) {
    auto* chooser = qobject_cast<QColorDialog*>(w);
    initial = chooser->currentColor().name().toStdString();
    chooser->setCurrentColor(orange);
    chooser->accept();
  });
  QTest::mouseClick(ecliptic, Qt::LeftButton);
  EXPECT_EQ(initial, "#0000ff") << "the chooser starts at the setting's colour";
  EXPECT_EQ(doc_->Settings().EclipticColor, 0x00A5FF);
  EXPECT_EQ(Shown(ecliptic), orange);
  EXPECT_GT(PixelsOf(orange), before + 50) << "the ecliptic is drawn in its new colour";
  // There is nothing to cancel: closing the dialog keeps the colour.
  QTest::keyClick(dialog_->focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(doc_->Settings().EclipticColor, 0x00A5FF);
}

TEST_F(ColoursDialogTest, CancelInTheChooserChangesNothing) {
  Open();
  bool chosen = false;
  WhenModalOpens("ColourChooser", [&chosen](QWidget* w) {
    auto* chooser = qobject_cast<QColorDialog*>(w);
    chooser->setCurrentColor(Qt::white);
    QTest::keyClick(chooser, Qt::Key_Escape);
    chosen = true;
  });
  // From the keyboard: the label's mnemonic opens the chooser of its button.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor(
      [&chosen] { return chosen && QApplication::activeModalWidget() == nullptr; }));
  EXPECT_EQ(doc_->Settings().GridsColor, 12632256);
  EXPECT_EQ(Shown(ColourButton(1035)), QColor(192, 192, 192));
  EXPECT_EQ(dialog_->focusWidget()->objectName().toStdString(), "Colour1035")
      << "the button keeps the focus";
}

}  // namespace
