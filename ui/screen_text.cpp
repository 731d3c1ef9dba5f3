#include "ui/screen_text.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <string_view>
#include <vector>

#include "res/qt_text.h"
#include "res/strings.h"
#include "sky/object_info.h"

namespace ui {
namespace {

// The contexts of the fixed texts the cards, the night ahead and the
// messages show.
constexpr const char* kContexts[] = {"res", "sky", "astro", "print"};

// The translation of a fixed text; empty when it has none.
QString Fixed(const std::string& text) {
  for (const char* context : kContexts) {
    const QString translated = QCoreApplication::translate(context, text.c_str());
    if (translated != QtText(text)) return translated;
  }
  return {};
}

// `count` in the plural form of the language for `source` ("%n hour(s)");
// `english` where the language has no translation of it.
QString Counted(const char* source, int count, const QString& english) {
  const QString translated = QCoreApplication::translate("ui", source, "", count);
  return translated ==
                 QString::fromUtf8(source).replace(QStringLiteral("%n"), QString::number(count))
             ? english
             : translated;
}

// A duration in whole hours and minutes as the clocks' notes write it
// ("1 hour", "2 hours 30 minutes"), each count in the language's plural
// form; empty for any other text.
QString Duration(const QString& shown) {
  static const QRegularExpression duration(
      QStringLiteral("^(?:(\\d+) (hours?))?(?: ?(\\d+) (minutes?))?$"));
  const QRegularExpressionMatch m = duration.match(shown);
  if (!m.hasMatch() || (!m.hasCaptured(1) && !m.hasCaptured(3))) return {};
  QStringList parts;
  if (m.hasCaptured(1))
    parts << Counted(
        QT_TRANSLATE_N_NOOP("ui", "%n hour(s)"), m.captured(1).toInt(),
        QtString(m.captured(2) == QStringLiteral("hour") ? res::IDS_HOUR : res::IDS_HOUR + 1)
            .replace(QStringLiteral("%s"), m.captured(1)));
  if (m.hasCaptured(3))
    parts << Counted(
        QT_TRANSLATE_N_NOOP("ui", "%n minute(s)"), m.captured(3).toInt(),
        QtString(m.captured(4) == QStringLiteral("minute") ? res::IDS_HOUR + 2 : res::IDS_HOUR + 3)
            .replace(QStringLiteral("%s"), m.captured(3)));
  return parts.join(QLatin1Char(' '));
}

// A text of the table with placeholders, as a pattern that finds its values.
struct Composed {
  int Id;
  QRegularExpression Pattern;
  qsizetype Length;  // of the text: the longest of two that fit is the one meant
};

std::vector<Composed> ComposedTexts() {
  std::vector<Composed> composed;
  static const QRegularExpression placeholder(QStringLiteral("%[sd]"));
  for (int id = 0; id < 65536; ++id) {
    const QString format = QtText(res::String(id));
    if (!format.contains(placeholder)) continue;
    QString pattern = QStringLiteral("^");
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(format)) {
      pattern += QRegularExpression::escape(format.mid(from, m.capturedStart() - from));
      pattern += m.captured() == QStringLiteral("%d") ? QStringLiteral("(-?\\d+)")
                                                      : QStringLiteral("(.*?)");
      from = m.capturedEnd();
    }
    pattern += QRegularExpression::escape(format.mid(from)) + QStringLiteral("$");
    composed.push_back({id,
                        QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption),
                        format.size()});
  }
  return composed;
}

}  // namespace

QString TranslatedText(const std::string& text) {
  if (const QString fixed = Fixed(text); !fixed.isEmpty()) return fixed;
  static const std::vector<Composed> composed = ComposedTexts();
  const QString shown = QtText(text);
  if (const QString duration = Duration(shown); !duration.isEmpty()) return duration;
  const Composed* best = nullptr;
  QRegularExpressionMatch values;
  for (const Composed& c : composed) {
    if (best && best->Length >= c.Length) continue;
    if (QRegularExpressionMatch m = c.Pattern.match(shown); m.hasMatch()) {
      best = &c;
      values = m;
    }
  }
  // Without a translation of the text its values stay as they are too.
  if (!best || QtString(best->Id) == QtText(res::String(best->Id))) return shown;
  std::vector<std::string> args;
  for (int i = 1; i <= values.lastCapturedIndex(); ++i)
    args.push_back(TranslatedText(values.captured(i).toStdString()).toStdString());
  const std::vector<std::string_view> views(args.begin(), args.end());
  return QtText(res::Substitute(TranslatedString(best->Id), views));
}

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

QString ScreenNumber(const std::string& number) {
  return QtText(number).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

std::string TypedNumber(const QString& typed) {
  return QString(typed).replace(QLocale().decimalPoint(), QStringLiteral(".")).toStdString();
}

}  // namespace ui
