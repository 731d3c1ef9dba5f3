#include "ui/colours_dialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QVBoxLayout>

#include "render/sky_view.h"
#include "res/qt_text.h"
#include "sky/night_vision.h"
#include "sky/sky_doc.h"
#include "ui/chart_settings_form.h"
#include "ui/night_vision.h"

namespace {

QColor ToQColor(int packed) {
  const ui::Rgb c = ui::UnpackColour(packed);
  return QColor(c.Red, c.Green, c.Blue);
}

// A button that is the colour of one setting, with a focus rectangle inset by
// 2 pixels while it has the keyboard focus. In red screen it shows the
// colour's brightness in night-vision red.
class CColourButton : public QPushButton {
 public:
  CColourButton(const int& colour, const int& redScreen, QWidget* parent)
      : QPushButton(parent), colour_(colour), redScreen_(redScreen) {
    setAutoDefault(false);
    setMinimumSize(fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMM")),
                   fontMetrics().height() + 8);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QColor shown = redScreen_
                             ? QColor(sky::NightVisionRed(qGray(ToQColor(colour_).rgb())), 0, 0)
                             : ToQColor(colour_);
    painter.fillRect(rect(), shown);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
      QStyleOptionFocusRect option;
      option.initFrom(this);
      option.rect = rect().adjusted(2, 2, -2, -2);
      option.backgroundColor = shown;
      style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
  }

 private:
  const int& colour_;     // the setting, read at every paint
  const int& redScreen_;  // the document's red-screen switch
};

}  // namespace

CColoursDialog::CColoursDialog(CSkyDoc& doc, CSkyView& view, QWidget* parent)
    : QDialog(parent), doc_(doc), view_(view) {
  setObjectName("ColoursDialog");
  setWindowTitle(tr("Colors..."));

  auto* grid = new QGridLayout;
  int row = 0;
  for (const ui::ColourButton& colour : ui::ColourButtons()) {
    auto* button = new CColourButton(doc_.Settings().*colour.Setting, doc_.Run.RedScreen, this);
    button->setObjectName(QStringLiteral("Colour%1").arg(colour.Id));
    auto* label = new QLabel(QtTranslated("ui", colour.Label), this);
    label->setBuddy(button);
    connect(button, &QPushButton::clicked, this,
            [this, &colour, button] { ChooseColour(colour, button); });
    grid->addWidget(label, row, 0);
    grid->addWidget(button, row, 1);
    ++row;
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CColoursDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  // Wide enough for the window manager to show the whole caption.
  QFont bold = font();
  bold.setBold(true);
  layout->addStrut(QFontMetrics(bold).horizontalAdvance(windowTitle()) +
                   8 * fontMetrics().height());
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CColoursDialog::ChooseColour(const ui::ColourButton& colour, QWidget* button) {
  int& setting = doc_.Settings().*colour.Setting;
  QColorDialog chooser(ToQColor(setting), this);
  chooser.setObjectName("ColourChooser");
  // Qt's own chooser on every desktop, in the application's palette (red screen too).
  chooser.setOption(QColorDialog::DontUseNativeDialog);
  // Its colour fields too, in night vision.
  if (doc_.Run.RedScreen) ui::ShowInNightVision(chooser);
  if (chooser.exec() != QDialog::Accepted) return;
  const QColor chosen = chooser.selectedColor();
  setting = ui::PackColour({chosen.red(), chosen.green(), chosen.blue()});
  button->update();
  view_.Redraw();
}
