#include "ui/screen_text.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <string_view>

#include "res/qt_text.h"
#include "sky/object_info.h"

namespace ui {
namespace {

// The contexts of the fixed texts the cards and the night ahead show.
constexpr const char* kContexts[] = {"res", "sky", "astro"};

// The translation of a fixed text; empty when it has none.
QString Fixed(const std::string& text) {
  for (const char* context : kContexts) {
    const QString translated = QCoreApplication::translate(context, text.c_str());
    if (translated != QtText(text)) return translated;
  }
  return {};
}

}  // namespace

QString ScreenText(const std::string& text) {
  if (const QString fixed = Fixed(text); !fixed.isEmpty()) return fixed;
  QString out = QtText(text);
  // "Star HR 2491 (Sirius)", "Deep sky object M 42".
  for (const char* caption : {sky::kStarCardCaption, sky::kDeepSkyCardCaption}) {
    const std::string prefix = std::string(caption) + " ";
    if (text.starts_with(prefix))
      return QtTranslated("sky", caption) + out.mid(static_cast<qsizetype>(prefix.size()) - 1);
  }
  const std::string_view million = res::String(res::IDS_MILLION_KM);
  if (text.ends_with(million))
    out = out.left(out.size() - QtText(million).size()) + QtString(res::IDS_MILLION_KM);
  const QLocale locale;
  static const QRegularExpression decimal(QStringLiteral("(\\d)\\.(\\d)"));
  out.replace(decimal, QStringLiteral("\\1") + locale.decimalPoint() + QStringLiteral("\\2"));
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (int month = 1; month <= 12; ++month) {
    const QRegularExpression word(QStringLiteral("\\b%1\\b").arg(kMonths[month - 1]));
    out.replace(word, locale.monthName(month, QLocale::ShortFormat));
  }
  // The Moon's age.
  static const QRegularExpression days(QStringLiteral("^(\\S+) days$"));
  if (const QRegularExpressionMatch m = days.match(out); m.hasMatch())
    out = QCoreApplication::translate("ui", "%1 days").arg(m.captured(1));
  return out;
}

}  // namespace ui
