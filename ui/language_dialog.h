// Settings > Language...: the window's language, or the system's, and
// whether the constellations keep their Latin names.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;

// The languages the program is translated into, as locale names.
QStringList TranslatedLanguages();

// The name a language goes by in the list: its own name for itself
// ("Deutsch", "português (Brasil)").
QString LanguageDisplayName(const QString& language);

class CLanguageDialog : public QDialog {
  Q_OBJECT

 public:
  // `language`: the setting as it stands (empty: the system's);
  // `latinConstellationNames`: whether the constellations keep their Latin names.
  CLanguageDialog(const QString& language, bool latinConstellationNames, QWidget* parent);
  // The language chosen: a locale name, or empty for the system's.
  QString Language() const;
  bool LatinConstellationNames() const;

 private:
  QComboBox* languages_ = nullptr;
  QCheckBox* latinNames_ = nullptr;
};
