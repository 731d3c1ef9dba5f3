#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

void CTranslations::Install(const QString& directory, const QString& language) {
  QCoreApplication::removeTranslator(&qt_);
  QCoreApplication::removeTranslator(&own_);
  const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
  QLocale::setDefault(locale);
  // Qt's texts (the buttons of the standard dialogs) from Qt's own files.
  if (qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qt_);
  if (!directory.isEmpty() &&
      own_.load(locale, QStringLiteral("stellix"), QStringLiteral("_"), directory))
    QCoreApplication::installTranslator(&own_);
}
