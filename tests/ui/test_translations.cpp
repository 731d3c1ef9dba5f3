// The window in German: the program's translations switched in this
// process, as Settings > Language does for the next start; and the scripts'
// JSON, which stays the same under any language.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QTest>
#include <string>

#include "app/translations.h"
#include "astro/bodies.h"
#include "print/chart_geometry.h"
#include "render/bitmap_fonts.h"
#include "render/sky_names.h"
#include "res/command_ids.h"
#include "res/strings.h"
#include "sky/app_settings.h"
#include "sky/constellation_names.h"
#include "sky/sky_doc.h"
#include "tests/child_process.h"
#include "tests/main_window_fixture.h"
#include "ui/find_box.h"
#include "ui/language_dialog.h"
#include "ui/list_search_dialog.h"
#include "ui/message_box.h"
#include "ui/object_cards.h"
#include "ui/screen_text.h"

namespace {

class GermanWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    if (NotStarted()) return;
    german_.Install(QStringLiteral(STELLIX_TRANSLATIONS_DIR), QStringLiteral("de"));
  }
  void TearDown() override {
    english_.Install({}, QStringLiteral("C"));
    MainWindowTest::TearDown();
  }

  CTranslations german_, english_;
  CMessageBoxes messages_{true};
};

TEST_F(GermanWindowTest, MenusCommandsAndStatusBar) {
  ASSERT_TRUE(QDir(QStringLiteral(STELLIX_TRANSLATIONS_DIR)).exists("stellix_de.qm"));
  // A window made after the switch, as the next start makes it.
  CMainFrame frame(*doc_, messages_);
  QStringList menus;
  for (const QAction* menu : frame.menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus, QStringList({"&Datei", "&Ansicht", "&Einstellungen", "&Zeit", "Su&chen",
                                "E&xtras", "&Hilfe"}));
  const struct {
    int Id;
    const char* Text;
    const char* Tip;
  } kCommands[] = {
      {res::ID_VIEW_CONSTELLATION_LINES, "Sternbild&linien", "Sternbildlinien"},
      {res::ID_SETTINGS_LANGUAGE, "&Sprache...", "Sprache"},
      {res::ID_SETTINGS_LOCATION, "&Beobachtungsort...", "Ort"},
      {res::ID_ZOOM_IN, "Vergrößern", "Vergrößern"},
  };
  for (const auto& c : kCommands) {
    EXPECT_EQ(frame.Action(c.Id)->text(), QString::fromUtf8(c.Text)) << c.Id;
    EXPECT_EQ(frame.Action(c.Id)->toolTip(), QString::fromUtf8(c.Tip)) << c.Id;
  }
  // 5 December 2026, day before month, the month in German.
  EXPECT_EQ(frame.Pane(res::IDS_PANE_DATE)->text(), QString::fromUtf8("05  Dez. 2026"));
}

TEST_F(GermanWindowTest, CardFieldNames) {
  CBodyInfoDialog sun(*doc_, static_cast<int>(astro::Body::Sun), {}, messages_, nullptr);
  EXPECT_EQ(sun.windowTitle(), QString::fromUtf8("Sonne"));
  const struct {
    int Id;
    const char* Text;
  } kLabels[] = {{1086, "Rektaszension (J2000):"},
                 {1087, "Deklination (J2000):"},
                 {1088, "Höhe:"},
                 {1093, "Helligkeit:"},
                 {1124, "Bürgerliche Dämmerung:"},
                 {1126, "Astronomische Dämmerung:"},
                 {1095, "Rektaszension (des Datums):"}};
  for (const auto& l : kLabels)
    EXPECT_EQ(sun.findChild<QLabel*>(QStringLiteral("Control%1").arg(l.Id))->text(),
              QString::fromUtf8(l.Text))
        << l.Id;
}

TEST_F(GermanWindowTest, CardTextsInTheLocalesForm) {
  const struct {
    const char* Core;
    const char* Shown;
  } kTexts[] = {
      {"Full Moon", "Vollmond"},                            // a phase (astro)
      {"never rises", "geht nie auf"},                      // the almanac (sky)
      {"Globular cluster", "Kugelsternhaufen"},             // a type (the string table)
      {"-1.46", "-1,46"},                                   // a magnitude
      {"152.1 million km", "152,1 Mio. km"},                // a distance
      {"12.3 days", "12,3 Tage"},                           // the Moon's age
      {"07:45 CET 12 Dec", "07:45 CET 12 Dez."},            // a time on another day
      {"Star HR 2491 (Sirius)", "Stern HR 2491 (Sirius)"},  // a card's caption
      {"05h", "05h"},                                       // left as it is
  };
  for (const auto& t : kTexts)
    EXPECT_EQ(ui::ScreenText(t.Core), QString::fromUtf8(t.Shown)) << t.Core;
}

TEST_F(GermanWindowTest, MessagesComposedOutsideTheWindow) {
  const struct {
    const char* Core;
    const char* Shown;
  } kMessages[] = {
      {"The file \"bsc5.bin\" is damaged: record 12 is unusable (a magnitude out of range or "
       "not a number). The sky is shown without those records.   ",
       "Die Datei „bsc5.bin“ ist beschädigt: Eintrag 12 ist unbrauchbar (eine Helligkeit "
       "außerhalb ihres Bereichs oder keine Zahl). Der Himmel wird ohne diese Einträge gezeigt.  "
       " "},
      {"Following Mars", "Verfolge Mars"},
      {"The clocks went forward by 1 hour on this day: there was no 02:30; it is read as 03:30 "
       "(CEST, UT+2).",
       "An diesem Tag wurden die Uhren um 1 Stunde vorgestellt: 02:30 gab es nicht; es gilt als "
       "03:30 (CEST, UT+2)."},
      {"You have entered wrong number! It must be from 0 to 90.    ",
       "Die eingegebene Zahl ist falsch! Sie muss zwischen 0 und 90 liegen.    "},
      {"Following Following", "Verfolge Following"},  // a value is no text of the table
      {"/data/v1.5/Dec", "/data/v1.5/Dec"},           // a path stays as it is
  };
  for (const auto& m : kMessages)
    EXPECT_EQ(ui::TranslatedText(m.Core), QString::fromUtf8(m.Shown)) << m.Core;
}

TEST_F(GermanWindowTest, LanguageDialogOffersTheSystemsAndEachTranslation) {
  CLanguageDialog dialog(QStringLiteral("pt_BR"), true, nullptr);
  auto* languages = dialog.findChild<QComboBox*>(QStringLiteral("Languages"));
  ASSERT_NE(languages, nullptr);
  QStringList codes, names;
  for (int i = 0; i < languages->count(); ++i) {
    codes << languages->itemData(i).toString();
    names << languages->itemText(i);
  }
  EXPECT_EQ(codes, QStringList({"", "en", "de", "es", "fr", "it", "pl", "pt_BR"}));
  EXPECT_EQ(names.first(), QString::fromUtf8("Sprache des Systems"));
  EXPECT_EQ(names[2], QStringLiteral("Deutsch"));
  EXPECT_EQ(dialog.Language(), QStringLiteral("pt_BR"));  // the setting as it stands
  languages->setCurrentIndex(0);
  EXPECT_EQ(dialog.Language(), QString());  // the system's
  EXPECT_EQ(CLanguageDialog(QStringLiteral("xx"), false, nullptr).Language(), QString());
  auto* latin = dialog.findChild<QCheckBox*>(QStringLiteral("LatinConstellationNames"));
  ASSERT_NE(latin, nullptr);
  EXPECT_TRUE(latin->isChecked());
  EXPECT_EQ(latin->text(), QString::fromUtf8("Sternbilder &lateinisch benennen"));
  latin->setChecked(false);
  EXPECT_FALSE(dialog.LatinConstellationNames());
}

// A card's numbers with the German decimal comma.
TEST_F(GermanWindowTest, CardShowsDecimalComma) {
  CBodyInfoDialog mars(*doc_, static_cast<int>(astro::Body::Mars), {}, messages_, nullptr);
  const auto* magnitude = mars.findChild<QLabel*>(QStringLiteral("Control1054"));
  ASSERT_NE(magnitude, nullptr);
  EXPECT_TRUE(magnitude->text().contains(',')) << magnitude->text().toStdString();
  EXPECT_FALSE(magnitude->text().contains('.')) << magnitude->text().toStdString();
}

// The constellations' names on the sky and the chart: German where German
// has its own, Latin where it has none or the settings keep the Latin names.
TEST_F(GermanWindowTest, ConstellationNamesInGermanOrLatin) {
  const struct {
    std::string Record;  // as cnames.bin spells it, in Latin-1
    std::string German;  // as the labels draw it, in Latin-1
  } kNames[] = {
      {"Ursa Major",
       "Gro\xDF"
       "er B\xE4r"},
      {"Bo\xF6tes",
       "B\xE4renh\xFC"
       "ter"},
      {"Orion", "Orion"},
      {"Serpens Cauda", "Schwanz der Schlange"},
      {"Not a constellation", "Not a constellation"},
  };
  AppSettings settings;
  for (const auto& n : kNames) {
    settings.LatinConstellationNames = 0;
    EXPECT_EQ(render::ConstellationLabel(settings, n.Record), n.German) << n.Record;
    settings.LatinConstellationNames = 1;
    EXPECT_EQ(render::ConstellationLabel(settings, n.Record), n.Record) << n.Record;
  }
  // Every name record of the catalogue has a name to translate.
  for (const ConstellationNameRecord& record : doc_->Catalogues.ConstellationNames)
    EXPECT_NE(sky::ConstellationNameText(render::FixedText(record.Name)), nullptr) << record.Name;
  // The chart's names without the window: the program's own English and Latin.
  const print::CChartNames plain;
  EXPECT_EQ(plain.Constellation("Ursa Major"), "Ursa Major");
  EXPECT_EQ(plain.CompassPoint(4), "N");
  EXPECT_EQ(plain.Body(static_cast<int>(astro::Body::Moon)), "Moon");
  EXPECT_EQ(render::CompassLetter(4), "N");
  EXPECT_EQ(render::CompassLetter(2), "O");  // Ost
  EXPECT_EQ(render::BodyLabel(static_cast<int>(astro::Body::Moon)), "Mond");
}

// The find box finds a constellation by its German name too.
TEST_F(GermanWindowTest, FindBoxFindsTheGermanName) {
  const struct {
    const char* Typed;
    const char* First;
  } kCases[] = {{"Kleiner B", "Ursa Minor"},
                {"jungfr", "Virgo"},
                {"Steinb", "Capricorn"},
                {"Ursa Ma", "Ursa Major"}};
  for (const auto& c : kCases) {
    CFindBox box(*doc_, messages_, FindBoxActions{}, nullptr);
    QTest::keyClicks(&box, QString::fromLatin1(c.Typed));  // typed: ASCII only
    const QAbstractItemModel* rows = box.findChild<QCompleter*>()->model();
    ASSERT_GT(rows->rowCount(), 0) << c.Typed;
    EXPECT_TRUE(rows->index(0, 0).data().toString().startsWith(QString::fromUtf8(c.First)))
        << c.Typed << ": " << rows->index(0, 0).data().toString().toStdString();
  }
}

// Search > Constellation lists the German names in German order, the Latin
// beside them, and chooses by the Latin name; or the Latin names alone.
TEST_F(GermanWindowTest, ConstellationListInGerman) {
  {
    CConstellationSearchDialog dialog(*doc_, messages_);
    QListWidget* list = dialog.List();
    ASSERT_EQ(list->count(), 88);
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
    EXPECT_TRUE(rows.contains(QString::fromUtf8("Bärenhüter (Boötes)")));
    EXPECT_TRUE(rows.contains(QStringLiteral("Orion"))) << "no Latin twice";
    EXPECT_TRUE(rows.contains(QStringLiteral("Serpens")));
    QCollator german{QLocale(QLocale::German)};
    german.setCaseSensitivity(Qt::CaseInsensitive);
    for (int i = 1; i < rows.size(); ++i)
      EXPECT_LE(german.compare(rows[i - 1], rows[i]), 0) << rows[i].toStdString();
    const int bear = static_cast<int>(rows.indexOf(QString::fromUtf8("Großer Bär (Ursa Major)")));
    ASSERT_GE(bear, 0);
    list->setCurrentRow(bear);
    EXPECT_EQ(dialog.SelectedText(), QStringLiteral("Ursa Major"));
  }
  doc_->Settings().LatinConstellationNames = 1;
  CConstellationSearchDialog latin(*doc_, messages_);
  QStringList rows;
  for (int i = 0; i < latin.List()->count(); ++i) rows << latin.List()->item(i)->text();
  EXPECT_TRUE(rows.contains(QStringLiteral("Ursa Major")));
  EXPECT_FALSE(rows.contains(QString::fromUtf8("Großer Bär (Ursa Major)")));
  doc_->Settings().LatinConstellationNames = 0;
}

// The altitude plot's words in German, its numbers with a decimal comma.
TEST_F(GermanWindowTest, AltitudePlotWords) {
  const struct {
    const char* Core;
    const char* Shown;
  } kTexts[] = {
      {"Moon", "Mond"},
      {"Civil twilight", "Bürgerliche Dämmerung"},
      {"the file name must end in .png or .svg", "der Dateiname muss auf .png oder .svg enden"},
  };
  for (const auto& t : kTexts)
    EXPECT_EQ(ui::TranslatedText(t.Core), QString::fromUtf8(t.Shown)) << t.Core;
}

// Polish counts take one of three forms.
TEST(PolishPlurals, ThreeForms) {
  int argc = 1;
  char name[] = "test";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  CTranslations polish;
  polish.Install(QStringLiteral(STELLIX_TRANSLATIONS_DIR), QStringLiteral("pl"));
  const char* const kSource =
      "%n orbital elements were read; they are kept in \"%1\" for the next start.";
  const struct {
    int Count;
    const char* Word;
  } kCases[] = {{1, "1 zestaw "},     {2, "2 zestawy "},   {4, "4 zestawy "},   {5, "5 zestawów "},
                {12, "12 zestawów "}, {22, "22 zestawy "}, {25, "25 zestawów "}};
  for (const auto& c : kCases) {
    const QString text =
        QCoreApplication::translate("CDialogCommands", kSource, "", c.Count).arg("elements.tab");
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.Word))) << c.Count << ": " << text.toStdString();
  }
  // How far the clocks went forward, composed in English outside the window.
  const struct {
    const char* English;
    const char* Polish;
  } kDurations[] = {
      {"1 hour", "1 godzinę"},
      {"2 hours", "2 godziny"},
      {"5 hours", "5 godzin"},
      {"22 minutes", "22 minuty"},
      {"1 minute", "1 minutę"},
      {"1 hour 30 minutes", "1 godzinę 30 minut"},
      {"The clocks went forward by 5 hours on this day: there was no 02:30; it is read as 07:30 "
       "(UT+1).",
       "Tego dnia zegary przestawiono do przodu o 5 godzin: nie było godziny 02:30; odczytuje się "
       "ją jako 07:30 (UT+1)."},
  };
  for (const auto& d : kDurations)
    EXPECT_EQ(ui::TranslatedText(d.English), QString::fromUtf8(d.Polish)) << d.English;
  CTranslations english;
  english.Install({}, QStringLiteral("C"));
}

// The sky's labels keep the letters of Latin-1 and Latin Extended-A.
TEST(SkyLabels, TranslatedNamesKeepTheirLetters) {
  const struct {
    const char* Translated;
    QString Drawn;
  } kNames[] = {
      {"Księżyc", QStringLiteral("Księżyc")},
      {"Wielka Niedźwiedzica", QStringLiteral("Wielka Niedźwiedzica")},
      {"Süd", QStringLiteral("Süd")},
      {"Vênus", QStringLiteral("Vênus")},
      {"Ursa Mare \u0219i", QStringLiteral("Ursa Mare si")},  // beyond: the base letter
      {"\u6708", QStringLiteral("?")},                        // no base letter
  };
  for (const auto& n : kNames)
    EXPECT_EQ(render::LabelQString(render::LabelText(QString::fromUtf8(n.Translated))), n.Drawn)
        << n.Translated;
  EXPECT_EQ(render::LabelText(QStringLiteral("S\u00FCd")),
            "S\xFC"
            "d")
      << "Latin-1 as it is";
}

// The scripts' faces print the same bytes whatever the language.
TEST(TranslatedProgram, JsonIsTheSameInEveryLanguage) {
  ScratchDir dir;
  dir.Write("english.INI", "");
  dir.Write("german.INI", "[Settings]\nLanguage=de\n");
  const std::string options = " --datetime 2026-12-05T21:30:00 --settings ";
  for (const std::string face : {"--info Mars", "--info M31", "--ephemeris", "--almanac",
                                 "--find 'm 3'", "--find 'ursa maj'", "--info Alkaid"}) {
    std::string outputs[2];
    for (int german = 0; german < 2; ++german) {
      const ChildRun run =
          RunChild({"/bin/sh", "-c",
                    "'" STELLIX_PROGRAM "' " + face + options +
                        dir.File(german ? "german.INI" : "english.INI")},
                   {.Env = german ? std::vector<std::string>{"LANG=de_DE.UTF-8", "LANGUAGE=de",
                                                             "LC_ALL=de_DE.UTF-8"}
                                  : std::vector<std::string>{"LANG=C", "LANGUAGE", "LC_ALL"}});
      ASSERT_EQ(run.Status, 0) << face << ": " << run.Err;
      outputs[german] = run.Out;
    }
    EXPECT_FALSE(outputs[0].empty()) << face;
    EXPECT_EQ(outputs[0], outputs[1]) << face;
  }
}

}  // namespace
