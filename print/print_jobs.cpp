#include "print/print_jobs.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "print/chart_printer.h"
#include "render/sky_view.h"
#include "res/qt_text.h"
#include "sky/sky_doc.h"

namespace {

// The document's Printing flag while a page is drawn: the screen view does
// not draw meanwhile. It is not held while the dialogs wait for the user: a
// GL view that skips a paint shows black, not its last picture.
class CPrintingFlag {
 public:
  explicit CPrintingFlag(CSkyDoc& doc) : doc_(doc) { doc_.Run.Printing = 1; }
  ~CPrintingFlag() { doc_.Run.Printing = 0; }
  CPrintingFlag(const CPrintingFlag&) = delete;
  CPrintingFlag& operator=(const CPrintingFlag&) = delete;

 private:
  CSkyDoc& doc_;
};

}  // namespace

CChartPrintJobs::CChartPrintJobs(CSkyDoc& doc, const CSkyView& view, QWidget& owner)
    : doc_(doc), view_(view), owner_(owner) {}

CChartPrintJobs::~CChartPrintJobs() = default;

QPrinter& CChartPrintJobs::Printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setResolution(print::kChartDotsPerInch);
    printer_->setDocName(QtString(res::IDS_APP_TITLE));
  }
  return *printer_;
}

void CChartPrintJobs::PrintPage(QPrinter& printer) {
  const CPrintingFlag printing(doc_);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  print::PrintChart(printer, doc_, view_.Zoom);
  QApplication::restoreOverrideCursor();
}

void CChartPrintJobs::Print() {
  QPrintDialog dialog(&Printer(), &owner_);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (dialog.exec() == QDialog::Accepted) PrintPage(Printer());
}

void CChartPrintJobs::Preview() {
  QPrintPreviewDialog dialog(&Printer(), &owner_);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                   [this](QPrinter* printer) { PrintPage(*printer); });
  dialog.exec();
}

void CChartPrintJobs::PageSetup() {
  QPageSetupDialog dialog(&Printer(), &owner_);
  dialog.exec();
}
