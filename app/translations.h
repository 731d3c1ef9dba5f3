// The language of the window: Qt's own and the program's translations, and
// the locale that writes numbers, dates and times on the screen.
#pragma once

#include <QString>
#include <QTranslator>

class CTranslations {
 public:
  // Installs the translations of `language` (a locale name such as "de" or
  // "pt_BR"; empty: the system's languages, LANGUAGE and LANG, in the user's
  // order) from `directory` (stellix_<language>.qm) and Qt's own
  // (qtbase_<language>.qm), and makes that language's locale the default of
  // every QLocale. A language without a file of the program's keeps its
  // English texts. Installing again replaces what was installed.
  void Install(const QString& directory, const QString& language);

 private:
  QTranslator qt_;
  QTranslator own_;
};
