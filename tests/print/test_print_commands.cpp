// File > Print Preview, Print Setup and Print in the main window: Qt's
// dialogs on the chart of the sky shown, one printer shared by the three.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "tests/child_process.h"
#include "tests/main_window_fixture.h"

namespace {

class PrintCommands : public MainWindowTest {
 protected:
  astro::CivilTime StartTime() const override { return {2026, 12, 8, 22, 0, 0}; }

  // Runs command `id`, whose modal dialog of type Dialog is handed to
  // `handle` once it is up; the handler must close it.
  template <typename Dialog>
  void WithDialog(int id, const std::function<void(Dialog&)>& handle) {
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
        poll.stop();
        seen = true;
        handle(*dialog);
      }
    });
    poll.start(50);
    frame_->Action(id)->trigger();
    EXPECT_TRUE(seen) << "command " << id << " showed no dialog";
  }
};

// A frame's pixels that are not black.
int LitPixels(const QImage& image) {
  int lit = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) lit += qGray(image.pixel(x, y)) > 64;
  return lit;
}

TEST_F(PrintCommands, PreviewShowsTheChartAndTheSkyStaysBehindIt) {
  int darkPixels = -1, skyPixels = -1;
  WithDialog<QPrintPreviewDialog>(57609, [&](QPrintPreviewDialog& dialog) {
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    ASSERT_NE(preview, nullptr);
    // The page is drawn once the preview has laid it out.
    (void)QTest::qWaitFor(
        [&] {
          const QImage page = preview->grab().toImage();
          darkPixels = page.width() * page.height() - LitPixels(page);
          return darkPixels > 500;
        },
        10000);
    // The window behind the dialog keeps drawing its sky.
    skyPixels = LitPixels(view_->grabFramebuffer());
    dialog.reject();
  });
  // The page's frame and the stars of the default view round Orion, on the
  // preview's grey and white.
  EXPECT_GT(darkPixels, 500);
  EXPECT_GT(skyPixels, 500);
  EXPECT_EQ(g_SkyDoc->Run.Printing, 0);
}

TEST_F(PrintCommands, PrintGoesToThePrinterAsSetUp) {
  const std::string pdf = dir_.File("chart.pdf");
  // Print Setup works on the printer that Print then uses: here it is turned
  // to landscape and into a file.
  WithDialog<QPageSetupDialog>(57606, [&](QPageSetupDialog& dialog) {
    QPrinter* printer = dialog.printer();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(pdf));
    printer->setPageOrientation(QPageLayout::Landscape);
    dialog.reject();
  });
  WithDialog<QPrintDialog>(57607, [&](QPrintDialog& dialog) { dialog.accept(); });
  EXPECT_EQ(g_SkyDoc->Run.Printing, 0);
  const std::string text = ReadFile(pdf);
  ASSERT_EQ(text.rfind("%PDF-", 0), 0u);
  // One landscape page.
  const std::string info = RunChild({"pdfinfo", pdf}).Out;
  EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
  int width = 0, height = 0;
  const std::size_t at = info.find("Page size:");
  ASSERT_NE(at, std::string::npos);
  std::sscanf(info.c_str() + at, "Page size: %d x %d", &width, &height);
  EXPECT_GT(width, height) << info;
}

}  // namespace
