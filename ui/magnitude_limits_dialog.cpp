#include "ui/magnitude_limits_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QVBoxLayout>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "render/sky_view.h"
#include "sky/messages.h"
#include "sky/sky_doc.h"
#include "ui/chart_settings_form.h"
#include "ui/screen_text.h"

namespace {

// The labels under a slider's ticks, each centred under the handle's place
// for its position, whatever the style draws the slider like.
class CSliderScale : public QWidget {
 public:
  CSliderScale(const QSlider* slider, std::span<const ui::SliderTick> ticks, QWidget* parent)
      : QWidget(parent), slider_(slider) {
    for (const ui::SliderTick& tick : ticks) {
      auto* label = new QLabel(QString::fromUtf8(tick.Text), this);
      label->setObjectName(QStringLiteral("Tick%1").arg(tick.Position));
      label->adjustSize();
      labels_.push_back({tick.Position, label});
    }
    setMinimumHeight(fontMetrics().height());
  }

 protected:
  void resizeEvent(QResizeEvent*) override { PlaceLabels(); }
  void showEvent(QShowEvent*) override { PlaceLabels(); }

 private:
  void PlaceLabels() {
    QStyleOptionSlider option;
    option.initFrom(slider_);
    option.orientation = slider_->orientation();
    option.minimum = slider_->minimum();
    option.maximum = slider_->maximum();
    option.tickPosition = slider_->tickPosition();
    option.tickInterval = slider_->tickInterval();
    for (const auto& [position, label] : labels_) {
      option.sliderPosition = option.sliderValue = position;
      const QRect handle = slider_->style()->subControlRect(QStyle::CC_Slider, &option,
                                                            QStyle::SC_SliderHandle, slider_);
      const int x = mapFromGlobal(slider_->mapToGlobal(handle.center())).x();
      label->move(x - label->width() / 2, 0);
    }
  }

  const QSlider* slider_;
  std::vector<std::pair<int, QLabel*>> labels_;
};

QSlider* MagnitudeSlider(const char* name, int last, QWidget* parent) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setObjectName(name);
  slider->setRange(0, last);
  slider->setPageStep(2);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setTickInterval(1);
  slider->setMinimumWidth(slider->fontMetrics().horizontalAdvance(QString(last + 1, 'M')) * 2);
  return slider;
}

}  // namespace

CMagnitudeLimitsDialog::CMagnitudeLimitsDialog(CSkyDoc& doc, CSkyView& view, CMessenger& messages,
                                               QWidget* parent)
    : QDialog(parent), doc_(doc), view_(view), messages_(messages) {
  setObjectName("MagnitudeLimitsDialog");
  setWindowTitle(tr("Magnitude limits..."));

  // In the automatic mode the sliders show the limits of the present zoom.
  if (doc_.Settings().AutoMode) doc_.UpdateAutoLimits(view_.Zoom);

  stars_ = MagnitudeSlider("StarsSlider", ui::kStarsSliderLast, this);
  deepSky_ = MagnitudeSlider("DeepSkySlider", ui::kDeepSkySliderLast, this);
  stars_->setValue(ui::StarsSliderPosition(doc_.Settings().StarsLimit));
  deepSky_->setValue(ui::DeepSkySliderPosition(doc_.Settings().DeepSkyLimit));

  autoMode_ = new QCheckBox(tr("&Auto mode"), this);
  autoMode_->setObjectName("AutoMode");
  autoMode_->setChecked(doc_.Settings().AutoMode == 1);

  auto* grid = new QGridLayout;
  const auto addSlider = [&](int row, const QString& label, QSlider* slider,
                             std::span<const ui::SliderTick> ticks) {
    auto* title = new QLabel(label, this);
    title->setBuddy(slider);
    auto* scale = new CSliderScale(slider, ticks, this);
    auto* unit = new QLabel(QString::fromUtf8(ui::kMagnitudeUnit), this);
    grid->addWidget(title, row, 0, 1, 2);
    grid->addWidget(slider, row + 1, 0);
    grid->addWidget(scale, row + 2, 0);
    grid->addWidget(unit, row + 2, 1);
    scale->setObjectName(slider->objectName() + QStringLiteral("Scale"));
    // Greyed out with its slider in the automatic mode.
    const auto greyOut = [slider, scale, unit](bool on) {
      slider->setEnabled(!on);
      scale->setEnabled(!on);
      unit->setEnabled(!on);
    };
    connect(autoMode_, &QCheckBox::toggled, this, greyOut);
    greyOut(autoMode_->isChecked());
  };
  addSlider(0, tr("&Stars"), stars_, ui::StarsSliderTicks());
  grid->setRowMinimumHeight(3, fontMetrics().height() / 2);
  addSlider(4, tr("&Deep sky objects"), deepSky_, ui::DeepSkySliderTicks());
  grid->setRowMinimumHeight(7, fontMetrics().height() / 2);

  // The comets and minor planets, whatever the mode.
  smallBodies_ = new QLineEdit(
      ui::ScreenText(ui::SmallBodyLimitText(doc_.Settings().SmallBodyMagnitudeLimit)), this);
  smallBodies_->setObjectName("SmallBodyLimit");
  smallBodies_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00.00")) * 2);
  auto* smallBodiesRow = new QHBoxLayout;
  auto* smallBodiesTitle = new QLabel(tr("Co&mets and asteroids:"), this);
  smallBodiesTitle->setBuddy(smallBodies_);
  smallBodiesRow->addWidget(smallBodiesTitle);
  smallBodiesRow->addWidget(smallBodies_);
  smallBodiesRow->addWidget(new QLabel(QString::fromUtf8(ui::kMagnitudeUnit), this));
  smallBodiesRow->addStretch();
  grid->addLayout(smallBodiesRow, 8, 0, 1, 2);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CMagnitudeLimitsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CMagnitudeLimitsDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(autoMode_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setTabOrder(stars_, deepSky_);
  setTabOrder(deepSky_, smallBodies_);
  setTabOrder(smallBodies_, autoMode_);
  setTabOrder(autoMode_, buttons);
  (autoMode_->isChecked() ? static_cast<QWidget*>(autoMode_) : stars_)->setFocus();
}

void CMagnitudeLimitsDialog::accept() {
  const std::optional<double> smallBodies =
      ui::SmallBodyLimitFromText(smallBodies_->text().toStdString());
  if (!smallBodies) {
    messages_.Show(MessageIcon::Exclamation, ui::SmallBodyLimitMessage());
    smallBodies_->setFocus();
    smallBodies_->selectAll();
    return;
  }
  AppSettings& settings = doc_.Settings();
  if (*smallBodies != settings.SmallBodyMagnitudeLimit) {
    settings.SmallBodyMagnitudeLimit = *smallBodies;
    doc_.UpdateSky();
  }
  settings.AutoMode = autoMode_->isChecked() ? 1 : 0;
  if (settings.AutoMode) {
    doc_.UpdateAutoLimits(view_.Zoom);
  } else {
    settings.StarsLimit = ui::StarsLimitFromSlider(stars_->value());
    settings.DeepSkyLimit = deepSky_->value();
    doc_.Limits.StarMagnitudeLimit = StarLimitFromIndex(settings.StarsLimit);
    doc_.Limits.DeepSkyMagnitudeLimit = DeepSkyLimitFromIndex(settings.DeepSkyLimit);
  }
  QDialog::accept();
  view_.Redraw();
}
