#include "ui/language_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

QStringList TranslatedLanguages() {
  return {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
          QStringLiteral("it"), QStringLiteral("pl"), QStringLiteral("pt_BR")};
}

QString LanguageDisplayName(const QString& language) {
  const QLocale locale(language);
  QString name = locale.nativeLanguageName();
  // A language spoken in more than one country names the one it is written for.
  if (language.contains('_')) name += QStringLiteral(" (%1)").arg(locale.nativeTerritoryName());
  return name;
}

CLanguageDialog::CLanguageDialog(const QString& language, bool latinConstellationNames,
                                 QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("LanguageDialog"));
  setWindowTitle(tr("Language"));
  languages_ = new QComboBox(this);
  languages_->setObjectName(QStringLiteral("Languages"));
  languages_->addItem(tr("The system's language"), QString());
  languages_->addItem(QStringLiteral("English"), QStringLiteral("en"));
  for (const QString& code : TranslatedLanguages())
    languages_->addItem(LanguageDisplayName(code), code);
  const int current = languages_->findData(language);
  languages_->setCurrentIndex(current < 0 ? 0 : current);

  auto* form = new QFormLayout;
  form->addRow(tr("&Language:"), languages_);
  auto* note = new QLabel(tr("The new language takes effect after a restart of Stellix."), this);
  note->setWordWrap(true);
  latinNames_ = new QCheckBox(tr("Name the constellations in &Latin"), this);
  latinNames_->setObjectName(QStringLiteral("LatinConstellationNames"));
  latinNames_->setChecked(latinConstellationNames);
  latinNames_->setToolTip(
      tr("The sky and the printed chart name the constellations in Latin "
         "instead of the window's language. Takes effect at once."));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(latinNames_);
  layout->addWidget(buttons);
}

QString CLanguageDialog::Language() const { return languages_->currentData().toString(); }

bool CLanguageDialog::LatinConstellationNames() const { return latinNames_->isChecked(); }
