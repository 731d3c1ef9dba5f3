#include "ui/altitude_plot_window.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "print/altitude_plot_printer.h"
#include "res/qt_text.h"
#include "res/strings.h"
#include "sky/app_settings.h"
#include "sky/messages.h"
#include "sky/sky_doc.h"
#include "sky/tonight.h"
#include "ui/screen_text.h"

namespace {

// What the plot's curves depend on: the night's date, the place, its clock
// and the refraction switch.
std::string NightKey(const CSkyDoc& doc) {
  const astro::CivilTime d = sky::EveningOf(doc.Sky.DocumentTime);
  const AppSettings& s = doc.Settings();
  return std::to_string(d.Year) + "-" + std::to_string(d.Month) + "-" + std::to_string(d.Day) +
         " " + std::to_string(doc.Sky.AstroState.Latitude) + " " +
         std::to_string(doc.Sky.AstroState.Longitude) + " " + s.TimeZoneId + " " +
         std::to_string(s.TimeZone) + " " + std::to_string(s.Refraction);
}

}  // namespace

// The plot at the widget's size; the pointer's instant read off as it moves.
class CAltitudePlotWindow::CCanvas : public QWidget {
 public:
  CCanvas(CAltitudePlotWindow& window, QWidget* parent) : QWidget(parent), window_(window) {
    setObjectName(QStringLiteral("AltitudePlotCanvas"));
    setMouseTracking(true);
    setMinimumSize(480, 300);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    print::PaintAltitudePlot(painter, Geometry(), window_.doc_.Run.RedScreen != 0);
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    const std::optional<double> at = print::InstantAtX(Geometry(), event->position().x());
    window_.ShowReadout(at ? print::PlotReadout(window_.plot_, *at) : std::string());
  }
  void leaveEvent(QEvent*) override { window_.ShowReadout({}); }
  void changeEvent(QEvent* event) override {
    // Red screen changes the application's palette.
    if (event->type() == QEvent::PaletteChange) update();
    QWidget::changeEvent(event);
  }

 private:
  print::PlotGeometry Geometry() const {
    return print::LayoutAltitudePlot(
        window_.plot_, window_.doc_.Settings().Location, width(), height(),
        [](const std::string& text) {
          return ui::ScreenText(ui::TranslatedText(text).toStdString()).toStdString();
        });
  }
  CAltitudePlotWindow& window_;
};

CAltitudePlotWindow::CAltitudePlotWindow(CSkyDoc& doc, CMessenger& messages, QWidget* parent)
    : QDialog(parent), doc_(doc), messages_(messages) {
  setObjectName(QStringLiteral("AltitudePlotWindow"));
  auto* layout = new QVBoxLayout(this);
  canvas_ = new CCanvas(*this, this);
  layout->addWidget(canvas_, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* print = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
  print->setObjectName(QStringLiteral("AltitudePlotPrint"));
  QPushButton* save = buttons->addButton(tr("&Save as PNG/SVG..."), QDialogButtonBox::ActionRole);
  save->setObjectName(QStringLiteral("AltitudePlotSave"));
  connect(print, &QPushButton::clicked, this, &CAltitudePlotWindow::Print);
  connect(save, &QPushButton::clicked, this, &CAltitudePlotWindow::Save);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  // The window's status line: the pointer's time and altitudes.
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("AltitudePlotStatus"));
  status_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  status_->setMinimumHeight(status_->fontMetrics().height() + 6);
  layout->addWidget(status_);
  resize(960, 620);
}

void CAltitudePlotWindow::ShowTarget(const sky::PlotTarget& target) {
  plot_.Target = target;
  shownFor_.clear();
  setWindowTitle(tr("Altitude Plot - %1").arg(QString::fromStdString(target.Name)));
  Follow();
}

void CAltitudePlotWindow::Follow() {
  const std::string key = NightKey(doc_);
  const double now = doc_.Sky.AstroState.JulianDay;
  if (key != shownFor_) {
    shownFor_ = key;
    plot_ = sky::AltitudePlotOf(doc_, plot_.Target);
  } else {
    // Within the same night only the time shown moves: the curves stay.
    const bool within = now >= plot_.Span.Start && now <= plot_.Span.End;
    if (within ? plot_.Now == now : !plot_.Now) return;
    plot_.Now = within ? std::optional<double>(now) : std::nullopt;
  }
  canvas_->update();
}

QString CAltitudePlotWindow::StatusText() const { return status_->text(); }

QWidget* CAltitudePlotWindow::Canvas() const { return canvas_; }

void CAltitudePlotWindow::ShowReadout(const std::string& text) {
  status_->setText(ui::ScreenText(ui::TranslatedText(text).toStdString()));
}

void CAltitudePlotWindow::Print() {
  QPrinter printer;
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, this);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (dialog.exec() != QDialog::Accepted) return;
  print::PrintAltitudePlot(printer, plot_, doc_.Settings().Location);
}

void CAltitudePlotWindow::Save() {
  QFileDialog dialog(this);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  const QString png = tr("PNG picture (*.png)"), svg = tr("SVG drawing (*.svg)");
  dialog.setNameFilters({png, svg});
  dialog.selectFile(QString::fromStdString(plot_.Target.Name) + QStringLiteral(".png"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  QString path = dialog.selectedFiles().front();
  // A name without either suffix takes the one of the filter chosen.
  if (print::PlotFileFormatOf(path).isEmpty())
    path += dialog.selectedNameFilter() == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
  SaveTo(path);
}

bool CAltitudePlotWindow::SaveTo(const QString& path) {
  QString error;
  if (print::WriteAltitudePlot(path, plot_, doc_.Settings().Location, error)) return true;
  messages_.Show(MessageIcon::Stop,
                 res::Format(res::IDS_PLOT_CANT_WRITE, {path.toStdString(), error.toStdString()}));
  return false;
}
