#include "render/sky_names.h"

#include <QCoreApplication>

#include "render/bitmap_fonts.h"
#include "res/qt_text.h"
#include "res/strings.h"
#include "sky/app_settings.h"
#include "sky/constellation_names.h"

namespace render {
namespace {

constexpr const char* kCompassLetters[] = {
    QT_TRANSLATE_NOOP("CompassPoint", "S"), QT_TRANSLATE_NOOP("CompassPoint", "SE"),
    QT_TRANSLATE_NOOP("CompassPoint", "E"), QT_TRANSLATE_NOOP("CompassPoint", "NE"),
    QT_TRANSLATE_NOOP("CompassPoint", "N"), QT_TRANSLATE_NOOP("CompassPoint", "NW"),
    QT_TRANSLATE_NOOP("CompassPoint", "W"), QT_TRANSLATE_NOOP("CompassPoint", "SW")};

}  // namespace

std::string BodyLabel(int body) { return LabelText(QtString(res::IDS_BODY_NAME_FIRST + body)); }

std::string CompassLetter(int point) {
  return LabelText(QCoreApplication::translate("CompassPoint", kCompassLetters[point]));
}

std::string ConstellationLabel(const AppSettings& settings, const std::string& latin) {
  const char* text = sky::ConstellationNameText(latin);
  if (settings.LatinConstellationNames || !text) return latin;
  return LabelText(QCoreApplication::translate(sky::kConstellationContext, text));
}

}  // namespace render
