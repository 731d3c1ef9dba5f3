// A right click in the real main window: the cards that open, one after
// the other, and the notices; the cards' fields; the Image button and the
// picture window; File Open and the recent-file list.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <set>

#include "render/picture.h"
#include "render/sky_view.h"
#include "sky/deep_catalogues.h"
#include "sky/messages.h"
#include "sky/moon_places.h"
#include "sky/object_info.h"
#include "sky/object_names.h"
#include "sky/pick_walk.h"
#include "sky/sky_doc.h"
#include "tests/picking/picture_files.h"
#include "tests/test_files.h"
#include "ui/main_frame.h"
#include "ui/object_cards.h"
#include "ui/picture_window.h"

namespace {

class RecordingMessenger : public CMessenger {
 public:
  void Show(MessageIcon icon, std::string_view text) override {
    Lines.push_back(MessageLine(icon, text));
  }
  std::vector<std::string> Lines;
};

// Watches for modal windows while a test acts: records each one (its title,
// or for a card its title and fields) and closes it, or hands it to `Handle`.
class ModalWatcher {
 public:
  ModalWatcher() {
    timer_.setInterval(30);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
    timer_.start();
  }
  std::function<void(QWidget*)> Handle;  // instead of closing
  std::vector<std::string> Titles;
  std::vector<std::map<int, std::string>> CardFields;

 private:
  void Look() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == last_) return;
    last_ = modal;
    Titles.push_back(modal->windowTitle().toStdString());
    std::map<int, std::string> fields;
    if (auto* card = qobject_cast<CInfoCard*>(modal))
      for (int id = 1038; id <= 1162; ++id)
        if (QLabel* field = card->Field(id)) fields[id] = field->text().toStdString();
    CardFields.push_back(fields);
    if (Handle && qobject_cast<QFileDialog*>(modal))
      Handle(modal);
    else if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
    // The next card may be made at the same address once this one is gone.
    if (!modal->isVisible()) last_ = nullptr;
  }
  QTimer timer_;
  // Guarded: a later dialog on the stack may take the same address.
  QPointer<QWidget> last_;
};

class Picking : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY"))
      GTEST_FAIL() << "needs an X display: run the tests under xvfb-run (./dev.sh test)";
    cwd_ = std::filesystem::current_path();
    std::filesystem::current_path(STELLIX_SOURCE_DATA_DIR);
    settings_.TimeZone = 0;
    settings_.DaylightSavingTime = 0;
    settings_.TimeZoneId.clear();
    doc_ = std::make_unique<CSkyDoc>(settings_);
    struct Throw : CCatalogueFailure {
      [[noreturn]] void MissingFile(const char* f) override { throw std::runtime_error(f); }
    } failure;
    doc_->OnNewDocument(failure, nullptr, astro::CivilTime{2026, 12, 8, 22, 0, 0});
    frame_ = std::make_unique<CMainFrame>(*doc_, messages_);
    frame_->resize(900, 700);
    frame_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_.get()));
    Redraw();
  }
  void TearDown() override {
    frame_.reset();
    doc_.reset();
    if (!cwd_.empty()) std::filesystem::current_path(cwd_);
  }

  CSkyView* View() const { return frame_->View(); }

  // Draws a frame, so the window <-> sky matrices are those of the sky shown.
  void Redraw() {
    QSignalSpy painted(View(), &CSkyView::FramePainted);
    View()->Redraw();
    ASSERT_TRUE(painted.wait(5000));
  }
  void CentreOn(double ra, double dec) {
    doc_->Settings().YRotation = -15 * ra;
    doc_->Settings().XRotation = -dec;
    Redraw();
  }
  // The widget point (logical pixels) where a J2000 place is drawn.
  QPoint PointOf(double ra, double dec) const {
    double p[3], x = 0, y = 0;
    doc_->DrawingPoint(ra, dec, p);
    EXPECT_TRUE(View()->Geometry.SkyToWindow(p[0], p[1], p[2], x, y));
    const double ratio = View()->devicePixelRatioF();
    return QPoint(static_cast<int>(std::lround(x / ratio)),
                  static_cast<int>(std::lround((View()->Geometry.Viewport[3] - y) / ratio)));
  }
  std::vector<unsigned> NamesAt(QPoint p) {
    const double ratio = View()->devicePixelRatioF();
    std::vector<unsigned> names;
    for (const sky::PickHit& hit :
         View()->PickAt(static_cast<int>(p.x() * ratio), static_cast<int>(p.y() * ratio)))
      names.push_back(hit.Name);
    return names;
  }
  void RightClick(QPoint p) { QTest::mouseClick(View(), Qt::RightButton, {}, p); }
  int StarWithHr(int hr) const {
    for (int i = 0; i < kStarCount; ++i)
      if (doc_->Sky.Stars[i].HR == hr) return i;
    return -1;
  }
  void OnlyGridAndStars() {
    doc_->Settings().Boundaries = doc_->Settings().Constelations = doc_->Settings().DeepSky =
        doc_->Settings().SolarSystem = 0;
    doc_->Settings().Ecliptic = doc_->Settings().StarNames = doc_->Settings().PlanetNames =
        doc_->Settings().DeepSkyLabels = 0;
    doc_->Settings().Coordinations = 1;
  }

  AppSettings settings_;
  RecordingMessenger messages_;
  std::unique_ptr<CSkyDoc> doc_;
  std::unique_ptr<CMainFrame> frame_;
  std::filesystem::path cwd_;
};

TEST_F(Picking, EmptySkyDoesNothing) {
  CentreOn(12.0, 0.0);
  QPoint empty;
  bool found = false;
  for (int y = 150; y < 450 && !found; y += 23)
    for (int x = 200; x < 700 && !found; x += 29)
      if (NamesAt({x, y}).empty()) {
        empty = {x, y};
        found = true;
      }
  ASSERT_TRUE(found);
  ModalWatcher watcher;
  RightClick(empty);
  QTest::qWait(100);
  EXPECT_TRUE(watcher.Titles.empty());
  EXPECT_TRUE(messages_.Lines.empty());
}

TEST_F(Picking, APlanetInFrontOfAStarOpensThePlanetsCardThenTheStars) {
  const int regulus = StarWithHr(3982);
  ASSERT_GE(regulus, 0);
  const StarRecord& star = doc_->Sky.Stars[regulus];
  doc_->Sky.Bodies[4].RightAscension = star.RightAscension;  // Mars
  doc_->Sky.Bodies[4].Declination = star.Declination;
  CentreOn(star.RightAscension, star.Declination);
  const QPoint p = PointOf(star.RightAscension, star.Declination);
  ModalWatcher watcher;
  RightClick(p);
  ASSERT_EQ(watcher.Titles, (std::vector<std::string>{"Mars", "Star HR 3982 (Regulus)"}));
  EXPECT_EQ(watcher.CardFields[1][1043], "3982");
  EXPECT_EQ(watcher.CardFields[1][1038], "Regulus");
  EXPECT_EQ(watcher.CardFields[0][1054].find("nan"), std::string::npos);
  EXPECT_TRUE(messages_.Lines.empty());
}

TEST_F(Picking, AClickInTheMiddleOfM42OpensItsCardFirstAndNoCardTwice) {
  int m42 = -1;
  for (int i = 0; i < kMessierCount; ++i)
    if (doc_->Sky.DeepSkyObjects[i].Number == 42) m42 = i;
  ASSERT_GE(m42, 0);
  const DeepSkyRecord& nebula = doc_->Sky.DeepSkyObjects[m42];
  // What tells the cards apart: the caption, a star's HR number, an object's number.
  const auto cards = [](const ModalWatcher& w) {
    std::vector<std::string> keys;
    for (std::size_t k = 0; k < w.Titles.size(); ++k) {
      const std::map<int, std::string>& f = w.CardFields[k];
      keys.push_back(w.Titles[k] + "|" + (f.count(1043) ? f.at(1043) : "") + "|" +
                     (f.count(1064) ? f.at(1064) : ""));
    }
    return keys;
  };
  for (double zoom : {2.0, 4.0}) {
    View()->Zoom = zoom;
    View()->Geometry.ProjectionDirty = true;
    CentreOn(nebula.RightAscension, nebula.Declination);
    ModalWatcher watcher;
    RightClick(PointOf(nebula.RightAscension, nebula.Declination));
    ASSERT_FALSE(watcher.Titles.empty()) << zoom;
    EXPECT_EQ(watcher.Titles.front(), "Deep sky object M 42") << zoom;
    EXPECT_EQ(watcher.CardFields.front()[1064], "M 42") << zoom;
    const std::vector<std::string> keys = cards(watcher);
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size()) << zoom;
  }
  // At zoom 16 on the Trapezium, in the middle of M42's symbol still: of
  // the stars the nearest first, and the components of Theta1 Ori tell
  // themselves apart in their captions.
  const int theta1C = StarWithHr(1895);
  ASSERT_GE(theta1C, 0);
  const StarRecord& star = doc_->Sky.Stars[theta1C];
  View()->Zoom = 16;
  View()->Geometry.ProjectionDirty = true;
  CentreOn(star.RightAscension, star.Declination);
  ModalWatcher watcher;
  RightClick(PointOf(star.RightAscension, star.Declination));
  ASSERT_FALSE(watcher.Titles.empty());
  std::string order;
  for (const std::string& title : watcher.Titles) order += title + "; ";
  const auto firstStar = std::find_if(watcher.Titles.begin(), watcher.Titles.end(),
                                      [](const std::string& t) { return t.rfind("Star", 0) == 0; });
  ASSERT_NE(firstStar, watcher.Titles.end()) << order;
  EXPECT_EQ(*firstStar, "Star HR 1895 (Theta1 Ori)") << order;
  std::set<std::string> titles(watcher.Titles.begin(), watcher.Titles.end());
  EXPECT_EQ(titles.size(), watcher.Titles.size()) << "no two cards look the same";
}

TEST_F(Picking, AStarOnAFigureLineOpensOnlyTheStarsCard) {
  OnlyGridAndStars();
  doc_->Settings().Coordinations = 0;
  doc_->Settings().Constelations = 1;
  // Betelgeuse is a corner of Orion's figure.
  const int betelgeuse = StarWithHr(2061);
  ASSERT_GE(betelgeuse, 0);
  const StarRecord& star = doc_->Sky.Stars[betelgeuse];
  CentreOn(star.RightAscension, star.Declination);
  const QPoint p = PointOf(star.RightAscension, star.Declination);
  const std::vector<unsigned> names = NamesAt(p);
  ASSERT_NE(std::find(names.begin(), names.end(), 10101u), names.end()) << "on a figure line";
  ModalWatcher watcher;
  RightClick(p);
  EXPECT_EQ(watcher.Titles, std::vector<std::string>{"Star HR 2061 (Betelgeuse)"});
  EXPECT_EQ(watcher.CardFields[0][1038], "Betelgeuse");
  EXPECT_TRUE(messages_.Lines.empty()) << messages_.Lines.front();
}

TEST_F(Picking, AGridLineAloneGivesItsNoticeOnce) {
  OnlyGridAndStars();
  CentreOn(1.0, 30.0);
  QPoint onLine;
  bool found = false;
  for (double dec = 5; dec < 55 && !found; dec += 0.7) {
    const QPoint p = PointOf(1.0, dec);
    if (NamesAt(p) == std::vector<unsigned>{10103}) {
      onLine = p;
      found = true;
    }
  }
  ASSERT_TRUE(found) << "a stretch of the 1 h circle with nothing else on it";
  ModalWatcher watcher;
  RightClick(onLine);
  EXPECT_TRUE(watcher.Titles.empty());
  EXPECT_EQ(messages_.Lines,
            std::vector<std::string>{"information: Right ascension grid line.    "});
}

TEST_F(Picking, CardFieldsAreSelectableTextsUnderBoldCaptions) {
  // A star without Flamsteed number and Bayer letter, moved to -0.5 degrees.
  int plain = -1;
  for (int i = 0; i < kStarCount && plain < 0; ++i)
    if (std::string_view(doc_->Sky.Stars[i].Designation, 6) == "      ") plain = i;
  ASSERT_GE(plain, 0);
  doc_->Sky.Stars[plain].Declination = -0.5f;
  // Read so, without a motion: its J2000 place now is the record's.
  doc_->Catalogues.StarMotions[plain] = {};
  doc_->Sky.CatalogueMotion.Keep(doc_->Sky, doc_->Catalogues.StarMotions);
  CStarInfoDialog card(*doc_, plain);
  EXPECT_EQ(card.windowTitle(), QStringLiteral("Star HR %1").arg(doc_->Sky.Stars[plain].HR));
  EXPECT_EQ(card.Field(1049)->text(), QString::fromUtf8("-0\xC2\xB0"));
  EXPECT_EQ(card.Field(1050)->text(), "30'");
  EXPECT_EQ(card.Field(1051)->text(), "0\"");
  EXPECT_EQ(card.Field(1040)->text(), "");
  EXPECT_EQ(card.Field(1041)->text(), "");
  EXPECT_TRUE(card.Field(1045)->textInteractionFlags() & Qt::TextSelectableByMouse);
  EXPECT_EQ(card.ImageButton(), nullptr);
  for (int id = 1086; id <= 1097; ++id) {
    const QLabel* caption = card.findChild<QLabel*>(QStringLiteral("Control%1").arg(id));
    ASSERT_NE(caption, nullptr) << id;
    EXPECT_TRUE(caption->font().bold()) << id;
    EXPECT_EQ(caption->font().pixelSize(), 11) << id;
  }
  EXPECT_TRUE(card.findChild<QLabel*>("Control1090")->text().contains("J2000"));
  // The place of date beside the J2000 one: a rotation of it (precession and nutation).
  EXPECT_EQ(card.findChild<QLabel*>("Control1096")->text(), "Right ascension (of date):");
  EXPECT_EQ(card.findChild<QLabel*>("Control1097")->text(), "Declination (of date):");
  const sky::StarCard texts = sky::StarCardOf(*doc_, plain);
  EXPECT_EQ(card.Field(1110)->text().toStdString(), texts.RaDate.Whole);
  EXPECT_EQ(card.Field(1115)->text().toStdString(), texts.DecDate.Seconds);

  CDeepSkyInfoDialog m110(sky::DeepSkyCardOf(*doc_, 109), frame_->ImagesDirectory(), messages_);
  EXPECT_EQ(m110.Field(1064)->text(), "M 110");
  CDeepSkyInfoDialog ngc(sky::DeepSkyCardOf(*doc_, 110), frame_->ImagesDirectory(), messages_);
  EXPECT_TRUE(ngc.Field(1064)->text().startsWith("NGC "));
  EXPECT_FALSE(ngc.ImageButton()->isEnabled()) << "no picture of an NGC object";
}

TEST_F(Picking, TheFaintStarsAndTheNgcIcObjectsHaveTheirCards) {
  doc_->Catalogues.DeepCatalogues.ReadFaintStars();
  const std::vector<catalog::FaintStarRecord>& stars =
      doc_->Catalogues.DeepCatalogues.FaintStars().Records;
  const auto first = [&](auto test) {
    const auto found = std::find_if(stars.begin(), stars.end(), test);
    EXPECT_NE(found, stars.end());
    return static_cast<unsigned>(found - stars.begin());
  };
  // A Hipparcos star with colour and spectral type, a Tycho star, and
  // Barnard's star, whose spectral type the file does not know.
  const unsigned full = first([](const catalog::FaintStarRecord& s) {
    return s.Hip != 0 && s.SpectralType[0] != 0 && s.ColourIndex != catalog::kUnknownColourIndex;
  });
  const unsigned tycho = first([](const catalog::FaintStarRecord& s) { return s.Hip == 0; });
  const unsigned barnard = first([](const catalog::FaintStarRecord& s) { return s.Hip == 87937; });
  const std::optional<sky::SkyObjectRef> horsehead = sky::FindObjectByName(*doc_, "IC 434");
  ASSERT_TRUE(horsehead && horsehead->What == sky::SkyObjectRef::NgcIc);
  const unsigned past =
      static_cast<unsigned>(doc_->Catalogues.DeepCatalogues.NgcIc().Records.size());
  ModalWatcher watcher;
  // The NGC/IC object's middle first, then the nearest star; a name past
  // the file's records opens nothing.
  ShowObjectsUnderPointer({{sky::kFaintStarNameFirst + barnard, 3},
                           {sky::kFaintStarNameFirst + full, 2},
                           {sky::kFaintStarNameFirst + tycho, 1},
                           {sky::kNgcIcNameFirst + static_cast<unsigned>(horsehead->Index), 2.5},
                           {sky::kNgcIcNameFirst + past, 0}},
                          *doc_, frame_->ImagesDirectory(), messages_, frame_.get());
  const sky::FaintStarCard fullCard = sky::FaintStarCardOf(*doc_, static_cast<int>(full));
  const std::string tychoName = sky::FaintStarDesignation(stars[tycho]);
  ASSERT_EQ(watcher.Titles, (std::vector<std::string>{"Deep sky object IC 434", "Star " + tychoName,
                                                      fullCard.Caption, "Star HIP 87937"}));
  EXPECT_EQ(watcher.CardFields[0][1064], "IC 434");
  EXPECT_EQ(watcher.CardFields[0][1065], "Horsehead Nebula");
  EXPECT_EQ(watcher.CardFields[1][1141], tychoName);
  EXPECT_EQ(watcher.CardFields[1].count(1140), 0u);
  std::map<int, std::string>& fields = watcher.CardFields[2];
  EXPECT_EQ(fields[1140], std::to_string(stars[full].Hip));
  EXPECT_EQ(fields.count(1141), 0u);
  EXPECT_EQ(fields[1054], fullCard.Magnitude);
  EXPECT_EQ(fields[1142], fullCard.ColourIndex);
  EXPECT_EQ(fields[1055], fullCard.Spectrum);
  EXPECT_EQ(fields[1047], fullCard.Ra.Minutes);
  EXPECT_EQ(fields[1115], fullCard.DecDate.Seconds);
  EXPECT_EQ(fields[1130], fullCard.RiseSet.Rise);
  EXPECT_FALSE(fields[1142].empty());
  EXPECT_FALSE(fields[1055].empty());
  EXPECT_EQ(watcher.CardFields[3][1140], "87937");
  EXPECT_EQ(watcher.CardFields[3].count(1055), 0u) << "no spectral type row where none is known";
  EXPECT_TRUE(messages_.Lines.empty());
}

// A right click on a comet's coma opens its card, through the layer's
// discs, which the selection pass adds to its GL hits.
TEST_F(Picking, ACometsComaOpensItsCard) {
  doc_->Sky.DocumentTime = astro::CivilTime{1997, 4, 1, 20, 0, 0};
  doc_->UpdateSky();
  const auto comet = sky::FindObjectByName(*doc_, "Hale-Bopp");
  ASSERT_TRUE(comet);
  const astro::EquatorialCoord at = sky::PlaceOf(*doc_, *comet);
  CentreOn(at.RightAscension, at.Declination);
  const QPoint p = PointOf(at.RightAscension, at.Declination);
  const std::vector<unsigned> names = NamesAt(p);
  EXPECT_NE(std::find(names.begin(), names.end(),
                      sky::kSmallBodyNameFirst + static_cast<unsigned>(comet->Index)),
            names.end());
  ModalWatcher watcher;
  RightClick(p);
  ASSERT_FALSE(watcher.Titles.empty());
  EXPECT_EQ(watcher.Titles[0], "Comet C/1995 O1 (Hale-Bopp)");
  EXPECT_EQ(watcher.CardFields[0][1054], "-1.9");
  // Switched off, the comet is not there to be picked.
  doc_->Settings().SmallBodies = 0;
  Redraw();
  const std::vector<unsigned> without = NamesAt(p);
  EXPECT_EQ(std::find(without.begin(), without.end(),
                      sky::kSmallBodyNameFirst + static_cast<unsigned>(comet->Index)),
            without.end());
}

// A right click on a moon's disc beside Jupiter opens its card: its planet,
// its separation and position angle from it, its distance, magnitude and
// the planet's rising and setting.
TEST_F(Picking, AMoonsDiscOpensItsCard) {
  doc_->Settings().SkyColors = doc_->Settings().HorizonMode = 0;
  doc_->SetInstant(sky::SecondsOfJulianDay(2461051.4166667));  // 2026 January 10, 22h UT
  doc_->UpdateSky();
  const sky::MoonState& ganymede = doc_->Sky.Moons[2];
  View()->Zoom = 256;
  View()->Geometry.ProjectionDirty = true;
  CentreOn(ganymede.RightAscension, ganymede.Declination);
  const QPoint p = PointOf(ganymede.RightAscension, ganymede.Declination);
  const std::vector<unsigned> names = NamesAt(p);
  EXPECT_NE(std::find(names.begin(), names.end(), sky::kPlanetMoonNameFirst + 2), names.end());
  ModalWatcher watcher;
  RightClick(p);
  ASSERT_FALSE(watcher.Titles.empty());
  EXPECT_EQ(watcher.Titles[0], "Ganymede");
  const sky::MoonCard card = sky::MoonCardOf(*doc_, 2);
  std::map<int, std::string>& fields = watcher.CardFields[0];
  EXPECT_EQ(fields[1160], "Jupiter");
  EXPECT_EQ(fields[1161], card.Separation);
  EXPECT_EQ(fields[1162], card.PositionAngle);
  EXPECT_EQ(fields[1059], card.Body.DistanceEarth);
  EXPECT_EQ(fields[1054], card.Body.Magnitude);
  EXPECT_EQ(fields[1130], card.Body.RiseSet.Rise);
  EXPECT_GT(card.SeparationArcsec, 10);
}

TEST_F(Picking, TheImageButtonShowsTheObjectsPicture) {
  CBodyInfoDialog mars(*doc_, 4, frame_->ImagesDirectory(), messages_);
  ASSERT_TRUE(mars.ImageButton()->isEnabled());
  EXPECT_EQ(mars.PictureFile(), "Mars.jpg");
  ModalWatcher watcher;
  mars.ImageButton()->click();
  EXPECT_EQ(watcher.Titles, std::vector<std::string>{"Mars.jpg"});
  EXPECT_TRUE(messages_.Lines.empty());
  CDeepSkyInfoDialog m42(sky::DeepSkyCardOf(*doc_, 41), frame_->ImagesDirectory(), messages_);
  EXPECT_EQ(m42.PictureFile(), "M42.jpg");
}

// Writes the 3 x 2 test picture in every format and reads it back.
TEST_F(Picking, PicturesOfEveryFormat) {
  using namespace test_pictures;
  ScratchDir dir;
  QImage reference(3, 2, QImage::Format_RGB32);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      reference.setPixelColor(x, y, QColor(kRgb[y][x][0], kRgb[y][x][1], kRgb[y][x][2]));
  for (const char* format : {"bmp", "tif"})
    ASSERT_TRUE(reference.save(QString::fromStdString(dir.File(std::string("t.") + format))));
  // JPEG blurs colours across 8 x 8 blocks: its pixels are 16 x 16 squares.
  ASSERT_TRUE(reference.scaled(48, 32).save(QString::fromStdString(dir.File("t.jpg"))));
  const auto write = [&dir](const char* name, const Bytes& b) {
    return dir.Write(name, std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
  };
  write("t.pcx", Pcx24());
  write("t.tga", Tga24(true, false, true));
  // A 1 x 1 GIF of one red pixel.
  write("t.gif", {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0, 0, 0,   0,
                  0,    0x2C, 0,    0,    0,    0,    1, 0, 1, 0, 0,    2, 2, 0x44, 1, 0, 0x3B});
  const struct {
    const char* file;
    picture::FileType type;
    int tolerance, scale;
  } cases[] = {{"t.bmp", picture::kBmp, 0, 1},
               {"t.jpg", picture::kJpeg, 24, 16},
               {"t.tif", picture::kTiff, 0, 1},
               {"t.pcx", picture::kPcx, 0, 1},
               {"t.tga", picture::kTga, 0, 1}};
  for (const auto& c : cases) {
    const CPicture p(dir.File(c.file));
    ASSERT_TRUE(p.Loaded()) << c.file << " " << p.LastError;
    EXPECT_EQ(p.Type, c.type) << c.file;
    ASSERT_EQ(p.Width, 3 * c.scale) << c.file;
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) {
        const QColor got = p.Image.pixelColor(x * c.scale + c.scale / 2, y * c.scale + c.scale / 2);
        EXPECT_NEAR(got.red(), kRgb[y][x][0], c.tolerance) << c.file << x << y;
        EXPECT_NEAR(got.green(), kRgb[y][x][1], c.tolerance) << c.file << x << y;
        EXPECT_NEAR(got.blue(), kRgb[y][x][2], c.tolerance) << c.file << x << y;
      }
  }
  const CPicture gif(dir.File("t.gif"));
  ASSERT_TRUE(gif.Loaded());
  EXPECT_EQ(gif.Type, picture::kGif);
  EXPECT_EQ(gif.Image.pixelColor(0, 0), QColor(255, 0, 0));

  ModalWatcher watcher;
  EXPECT_TRUE(ShowPictureFile(dir.File("t.pcx"), messages_, frame_.get()));
  EXPECT_EQ(watcher.Titles, std::vector<std::string>{"t.pcx"});
}

TEST_F(Picking, AnUndecodablePictureGivesMessage309AndNoWindow) {
  using namespace test_pictures;
  ScratchDir dir;
  Bytes bomb = PcxHeader(16000, 16000, 8, 3, 16000, true);
  bomb.insert(bomb.end(), {0xFF, 0x00});
  Bytes shortTga = Tga24(false, false, false);
  shortTga.resize(30);
  const std::string files[] = {
      dir.Write("bad.jpg", "\xFF\xD8\xFF\xE0 this is no JPEG at all"),
      dir.Write("bomb.pcx", std::string(bomb.begin(), bomb.end())),
      dir.Write("short.tga", std::string(shortTga.begin(), shortTga.end())),
      dir.Write("text.gif", "plain text"),
      dir.File("missing.bmp"),
  };
  ModalWatcher watcher;
  for (const std::string& file : files) {
    messages_.Lines.clear();
    EXPECT_FALSE(ShowPictureFile(file, messages_, frame_.get())) << file;
    EXPECT_EQ(messages_.Lines,
              std::vector<std::string>{"stop: Couldn't load the image \"" + file + "\" !    "});
  }
  QTest::qWait(100);
  EXPECT_TRUE(watcher.Titles.empty());
}

TEST_F(Picking, FileOpenShowsThePictureAndTheRecentFileListOpensItAgain) {
  ScratchDir dir;
  const std::string first = dir.Write("Small.tga", [] {
    const test_pictures::Bytes b = test_pictures::Tga24(false, true, false);
    return std::string(b.begin(), b.end());
  }());
  const std::string second = dir.Write("other.pcx", [] {
    const test_pictures::Bytes b = test_pictures::Pcx8();
    return std::string(b.begin(), b.end());
  }());
  EXPECT_FALSE(frame_->Action(57616)->isEnabled()) << "nothing opened yet";

  std::string chosen = first;
  QStringList filters;
  QString startDirectory;
  ModalWatcher watcher;
  watcher.Handle = [&](QWidget* w) {
    auto* dialog = static_cast<QFileDialog*>(w);
    filters = dialog->nameFilters();
    startDirectory = dialog->directory().absolutePath();
    // Typed as a user types it: the file list fills in the background.
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(chosen));
    QMetaObject::invokeMethod(dialog, "accept");
  };
  frame_->Action(57601)->trigger();
  EXPECT_EQ(startDirectory.toStdString(),
            (std::filesystem::path(STELLIX_SOURCE_DATA_DIR) / "Images").string());
  EXPECT_EQ(filters, (QStringList{"Jpeg Files(*.JPG)", "GIF Files(*.GIF)", "PCX Files(*.PCX)",
                                  "Targa Files(*.TGA)", "BMP Files(*.BMP)", "Tif Files(*.TIF)"}));
  ASSERT_EQ(watcher.Titles.size(), 2u);
  EXPECT_EQ(watcher.Titles[1], "Small.tga") << "the picture window";
  ASSERT_EQ(doc_->Settings().RecentFiles, std::vector<std::string>{first});
  EXPECT_TRUE(frame_->Action(57616)->isEnabled());
  EXPECT_TRUE(frame_->Action(57616)->text().endsWith("/Small.tga"));
  EXPECT_TRUE(frame_->Action(57616)->text().startsWith("&1 /"));

  chosen = second;
  frame_->Action(57601)->trigger();
  EXPECT_EQ(doc_->Settings().RecentFiles, (std::vector<std::string>{second, first}));
  EXPECT_TRUE(frame_->Action(57617)->isVisible());

  // The entry opens the picture again (its path keeps its case) and moves it first.
  frame_->Action(57617)->trigger();
  EXPECT_EQ(watcher.Titles.back(), "Small.tga");
  EXPECT_EQ(doc_->Settings().RecentFiles, (std::vector<std::string>{first, second}));

  // A file that has gone is reported and leaves the list.
  std::filesystem::remove(first);
  const std::size_t windows = watcher.Titles.size();
  frame_->Action(57616)->trigger();
  EXPECT_EQ(messages_.Lines,
            std::vector<std::string>{"stop: Can't open \"" + first + "\" file !   "});
  EXPECT_EQ(doc_->Settings().RecentFiles, std::vector<std::string>{second});
  EXPECT_EQ(watcher.Titles.size(), windows);
  EXPECT_FALSE(frame_->Action(57617)->isVisible());

  // A file that is no picture: its name in the message, no window, and the
  // list as it was.
  chosen = dir.Write("notes.jpg", "these are words, not a picture");
  messages_.Lines.clear();
  frame_->Action(57601)->trigger();
  EXPECT_EQ(messages_.Lines,
            std::vector<std::string>{"stop: Couldn't load the image \"" + chosen + "\" !    "});
  EXPECT_EQ(watcher.Titles.size(), windows + 1) << "the file dialog alone";
  EXPECT_EQ(doc_->Settings().RecentFiles, std::vector<std::string>{second});
  EXPECT_FALSE(frame_->Action(57617)->isVisible());
}

TEST_F(Picking, HighDpiTheStarUnderThePointerIsPicked) {
  if (!std::getenv("STELLIX_EXPECT_HIGH_DPI")) GTEST_SKIP() << "run with QT_SCALE_FACTOR=2";
  ASSERT_EQ(View()->devicePixelRatioF(), 2.0);
  OnlyGridAndStars();
  doc_->Settings().Coordinations = 0;
  const int sirius = StarWithHr(2491);
  const StarRecord& star = doc_->Sky.Stars[sirius];
  // Off the middle, where a point counted in the wrong pixels lands elsewhere.
  CentreOn(star.RightAscension - 1.0, star.Declination + 10);
  const QPoint p = PointOf(star.RightAscension, star.Declination);
  ModalWatcher watcher;
  RightClick(p);
  ASSERT_EQ(watcher.Titles, std::vector<std::string>{"Star HR 2491 (Sirius)"});
  EXPECT_EQ(watcher.CardFields[0][1043], "2491");
}

}  // namespace
