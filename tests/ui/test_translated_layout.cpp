// Every dialog in every language: each label, check box, radio button, push
// button and group box at least as wide as its text, so that no translation
// is cut off (German and Polish run long, but each language has its own).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "app/translations.h"
#include "res/command_ids.h"
#include "tests/main_window_fixture.h"

namespace {

// A text as it is drawn: without the mnemonic's ampersand, its longest line.
int TextWidth(const QFontMetrics& metrics, QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
  text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n')))
    widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest;
}

// The texts of `dialog` that do not fit their widgets.
std::vector<std::string> CutTexts(const QWidget* dialog) {
  std::vector<std::string> cut;
  const auto note = [&cut](const QWidget* w, const QString& text, int need, int room) {
    if (need > room)
      cut.push_back(w->metaObject()->className() + std::string(" \"") + text.toStdString() +
                    "\" needs " + std::to_string(need) + " px, has " + std::to_string(room));
  };
  for (const QLabel* label : dialog->findChildren<QLabel*>()) {
    if (!label->isVisible() || label->wordWrap() || label->text().isEmpty() ||
        label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text()))
      continue;
    note(label, label->text(), TextWidth(label->fontMetrics(), label->text()),
         label->contentsRect().width() - 2 * label->margin());
  }
  for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
    if (button->isVisible() && !button->text().isEmpty())
      note(button, button->text(), button->sizeHint().width(), button->width());
  for (const QGroupBox* box : dialog->findChildren<QGroupBox*>())
    if (box->isVisible() && !box->title().isEmpty())
      note(box, box->title(), TextWidth(box->fontMetrics(), box->title()), box->width());
  return cut;
}

class TranslatedLayoutTest : public MainWindowTest {
 protected:
  void TearDown() override {
    english_.Install({}, QStringLiteral("C"));
    MainWindowTest::TearDown();
  }
  CTranslations english_;
};

TEST_F(TranslatedLayoutTest, NoDialogCutsItsTextsInAnyLanguage) {
  if (NotStarted()) return;
  using enum res::CommandId;
  const res::CommandId dialogs[] = {
      ID_SETTINGS_DATE_TIME,   ID_SETTINGS_LOCATION,   ID_SETTINGS_MAGNITUDE_LIMITS,
      ID_SETTINGS_DEEP_SKY,    ID_SETTINGS_COLOURS,    ID_SETTINGS_LANGUAGE,
      ID_VIEW_DEFINE_FIELDS,   ID_TOOLS_TELESCOPE,     ID_SEARCH_STAR,
      ID_SEARCH_CONSTELLATION, ID_SEARCH_SOLAR_SYSTEM, ID_SEARCH_MESSIER,
      ID_SEARCH_NGC,           ID_SEARCH_GOTO};
  for (const char* language : {"de", "fr", "es", "it", "pl", "pt_BR"}) {
    CTranslations translations;
    translations.Install(QStringLiteral(STELLIX_TRANSLATIONS_DIR), QString::fromUtf8(language));
    for (const res::CommandId id : dialogs) {
      QAction* action = frame_->Action(static_cast<int>(id));
      ASSERT_NE(action, nullptr) << static_cast<int>(id);
      ASSERT_TRUE(action->isEnabled()) << static_cast<int>(id);
      std::vector<std::string> cut;
      bool seen = false;
      QTimer look;
      look.setInterval(20);
      QObject::connect(&look, &QTimer::timeout, [&] {
        // Modal, or a window of its own (the telescope's).
        QDialog* dialog = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
          if (auto* d = qobject_cast<QDialog*>(window); d && d->isVisible()) dialog = d;
        if (!dialog) return;
        look.stop();
        seen = true;
        cut = CutTexts(dialog);
        dialog->reject();
      });
      look.start();
      action->trigger();
      // A window that is not modal comes back at once: wait for it.
      EXPECT_TRUE(QTest::qWaitFor([&seen] { return seen; }, 5000))
          << language << " " << static_cast<int>(id);
      for (const std::string& text : cut)
        ADD_FAILURE() << language << ", dialog of command " << static_cast<int>(id) << ": " << text;
    }
  }
}

}  // namespace
