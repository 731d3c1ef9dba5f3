// File > Print, Print Preview and Print Setup: Qt's print, preview and page
// dialogs around the chart of the sky on the screen. The three share one
// printer, so a page set up once holds for the rest of the session.
#pragma once

#include <memory>

class CSkyDoc;
class CSkyView;
class QPrinter;
class QWidget;

class CChartPrintJobs {
 public:
  // The dialogs open over `owner`, the main window.
  CChartPrintJobs(CSkyDoc& doc, const CSkyView& view, QWidget& owner);
  ~CChartPrintJobs();
  CChartPrintJobs(const CChartPrintJobs&) = delete;
  CChartPrintJobs& operator=(const CChartPrintJobs&) = delete;

  // The print dialog, then the chart on one page of the chosen printer.
  void Print();
  // The chart as the page will look, with the preview's own print button.
  void Preview();
  // The page size, orientation and margins of the next print.
  void PageSetup();

  // The shared printer, made on first use at the chart's resolution.
  QPrinter& Printer();

 private:
  // One page, under the wait cursor.
  void PrintPage(QPrinter& printer);

  CSkyDoc& doc_;
  const CSkyView& view_;
  QWidget& owner_;
  std::unique_ptr<QPrinter> printer_;
};
