// The window chrome in night vision ("red screen"): dim red text and icons on
// near black, in menus, toolbars, the status bar and every dialog. The reds
// keep to the limits of sky/night_vision.h.
#pragma once

#include <QGraphicsEffect>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QProxyStyle>

namespace ui {

// The application palette in night vision.
QPalette NightVisionPalette();

// `image` in night-vision reds: each pixel's brightness as a red between the
// darkest and the brightest allowed, its transparency kept, so that the
// picture keeps its shapes. `dim` halves the reds (a disabled command).
QImage NightVisionImage(const QImage& image, bool dim = false);

// `icon` in night-vision reds at the sizes given, with its disabled look.
QIcon NightVisionIcon(const QIcon& icon, std::initializer_list<int> sizes = {16, 32});

// Draws its widget, children included, in night-vision reds: for pictures
// whose colours the palette does not reach (the colour chooser's fields).
// What is dim red already stays as it is.
class CNightVisionEffect : public QGraphicsEffect {
 protected:
  void draw(QPainter* painter) override;
};

// Puts every child widget of `dialog` under a CNightVisionEffect.
void ShowInNightVision(QWidget& dialog);

// The style of night vision: the classic style (it draws with the palette's
// colours alone), its standard and generated icons in red, and focus frames
// in dim red rather than in the inverse of the background.
class CNightVisionStyle : public QProxyStyle {
 public:
  CNightVisionStyle();
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
  QPixmap standardPixmap(StandardPixmap icon, const QStyleOption* option = nullptr,
                         const QWidget* widget = nullptr) const override;
  QPixmap generatedIconPixmap(QIcon::Mode mode, const QPixmap& pixmap,
                              const QStyleOption* option) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace ui
