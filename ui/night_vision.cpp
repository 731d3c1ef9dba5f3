#include "ui/night_vision.h"

#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include "sky/night_vision.h"

namespace ui {
namespace {

QColor Red(int red) { return QColor(red, 0, 0); }

// True when `image` shows nothing but red already (an icon made for night vision).
bool IsRedOnly(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qAlpha(p) != 0 && (qGreen(p) != 0 || qBlue(p) != 0)) return false;
    }
  return true;
}

}  // namespace

QPalette NightVisionPalette() {
  using sky::kNightVisionMaxRed;
  QPalette palette;
  const QColor text = Red(kNightVisionMaxRed), dimText = Red(kNightVisionMaxRed / 2);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const bool disabled = group == QPalette::Disabled;
    const auto set = [&](QPalette::ColorRole role, const QColor& colour) {
      palette.setColor(group, role, colour);
    };
    // Surfaces near black; the bevels in a few darker and lighter steps.
    set(QPalette::Window, Red(0x14));
    set(QPalette::Button, Red(0x1c));
    set(QPalette::Base, Red(0x08));
    set(QPalette::AlternateBase, Red(0x10));
    set(QPalette::ToolTipBase, Red(0x1c));
    set(QPalette::Light, Red(0x40));
    set(QPalette::Midlight, Red(0x2c));
    set(QPalette::Mid, Red(0x10));
    set(QPalette::Dark, Red(0x0a));
    set(QPalette::Shadow, Red(0));
    // Text in dim red; a selection is a darker red band under the same text.
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
          QPalette::BrightText, QPalette::HighlightedText, QPalette::Link})
      set(role, disabled ? dimText : text);
    set(QPalette::Highlight, Red(0x48));
    set(QPalette::LinkVisited, dimText);
    set(QPalette::PlaceholderText, dimText);
  }
  return palette;
}

QImage NightVisionImage(const QImage& image, bool dim) {
  QImage red = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < red.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(red.scanLine(y));
    for (int x = 0; x < red.width(); ++x) {
      const int r = sky::NightVisionRed(qGray(line[x]));
      line[x] = qRgba(dim ? r / 2 : r, 0, 0, qAlpha(line[x]));
    }
  }
  return red;
}

QIcon NightVisionIcon(const QIcon& icon, std::initializer_list<int> sizes) {
  QIcon red;
  if (icon.isNull()) return red;
  for (int size : sizes) {
    const QImage image = icon.pixmap(size).toImage();
    if (image.isNull()) continue;
    red.addPixmap(QPixmap::fromImage(NightVisionImage(image)), QIcon::Normal);
    red.addPixmap(QPixmap::fromImage(NightVisionImage(image, true)), QIcon::Disabled);
  }
  return red;
}

void CNightVisionEffect::draw(QPainter* painter) {
  QPoint offset;
  const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset);
  const QTransform world = painter->worldTransform();
  painter->setWorldTransform(QTransform());
  // The chrome around the pictures is night vision already: only what has
  // green or blue in it, or too bright a red, is turned red, so that the
  // text keeps its contrast.
  QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (qGreen(line[x]) != 0 || qBlue(line[x]) != 0 || qRed(line[x]) > sky::kNightVisionMaxRed)
        line[x] = qRgba(sky::NightVisionRed(qGray(line[x])), 0, 0, qAlpha(line[x]));
  }
  painter->drawImage(offset, image);
  painter->setWorldTransform(world);
}

void ShowInNightVision(QWidget& dialog) {
  for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    child->setGraphicsEffect(new CNightVisionEffect);
}

CNightVisionStyle::CNightVisionStyle() : QProxyStyle(QStyleFactory::create("Windows")) {}

QIcon CNightVisionStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
  return NightVisionIcon(QProxyStyle::standardIcon(icon, option, widget), {16, 32, 64});
}

QPixmap CNightVisionStyle::standardPixmap(StandardPixmap icon, const QStyleOption* option,
                                          const QWidget* widget) const {
  return QPixmap::fromImage(
      NightVisionImage(QProxyStyle::standardPixmap(icon, option, widget).toImage()));
}

QPixmap CNightVisionStyle::generatedIconPixmap(QIcon::Mode mode, const QPixmap& pixmap,
                                               const QStyleOption*) const {
  const QImage image = pixmap.toImage();
  // A red icon keeps its reds when hovered or selected.
  if (mode != QIcon::Disabled && IsRedOnly(image)) return pixmap;
  return QPixmap::fromImage(NightVisionImage(image, mode == QIcon::Disabled));
}

void CNightVisionStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                      QPainter* painter, const QWidget* widget) const {
  if (element != PE_FrameFocusRect)
    return QProxyStyle::drawPrimitive(element, option, painter, widget);
  painter->save();
  painter->setPen(QPen(option->palette.color(QPalette::WindowText), 1, Qt::DotLine));
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
  painter->restore();
}

}  // namespace ui
