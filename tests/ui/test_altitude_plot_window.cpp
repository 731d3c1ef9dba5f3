// The Altitude Plot window in the whole application: from the Search menu's
// command for the object found, a card's button and the Tonight window; the
// pointer's read-out, following the date, saving and red screen.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>

#include "print/altitude_plot_geometry.h"
#include "print/altitude_plot_printer.h"
#include "sky/object_names.h"
#include "tests/main_window_fixture.h"
#include "ui/altitude_plot_window.h"
#include "ui/object_cards.h"
#include "ui/tonight_window.h"

namespace {

class AltitudePlotWindowTest : public MainWindowTest {
 protected:
  astro::CivilTime StartTime() const override { return {2026, 12, 9, 20, 0, 0}; }
  void Trigger(int id) { frame_->Action(id)->trigger(); }
  CAltitudePlotWindow* PlotWindow() const { return frame_->findChild<CAltitudePlotWindow*>(); }
  // Opens the plot of the object called `name` as the Search menu's command does.
  CAltitudePlotWindow* PlotOf(const char* name) {
    doc_->Selected = sky::FindObjectByName(*doc_, name);
    EXPECT_TRUE(doc_->Selected) << name;
    Trigger(32840);
    CAltitudePlotWindow* window = PlotWindow();
    EXPECT_NE(window, nullptr);
    if (window) {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    return window;
  }
};

TEST_F(AltitudePlotWindowTest, PlotsTheObjectFoundAndReadsOffThePointer) {
  ASSERT_FALSE(NotStarted());
  EXPECT_EQ(frame_->Action(32840)->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
  // Nothing found yet: a word on standard error, no window.
  doc_->Selected.reset();
  Trigger(32840);
  EXPECT_EQ(PlotWindow(), nullptr);

  CAltitudePlotWindow* window = PlotOf("Vega");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Altitude Plot - Vega"));
  const sky::AltitudePlot& plot = window->Shown();
  EXPECT_EQ(plot.Target.Name, "Vega");
  EXPECT_EQ(plot.Curve.size(), 289u);
  ASSERT_TRUE(plot.Events.Transit && plot.Now);

  // The pointer over the transit's line reads off its time and altitudes.
  QWidget* canvas = window->Canvas();
  const print::PlotGeometry g =
      print::LayoutAltitudePlot(plot, doc_->Settings().Location, canvas->width(), canvas->height());
  const QPointF over(print::XOfInstant(g, *plot.Events.Transit), g.Area.Y + g.Area.Height / 2);
  QMouseEvent move(QEvent::MouseMove, over, canvas->mapToGlobal(over), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(canvas, &move);
  const std::string readout = window->StatusText().toStdString();
  EXPECT_EQ(readout.rfind(sky::ClockTimeText(plot.Clock, *plot.Events.Transit) + ": Vega 78.", 0),
            0u)
      << readout;
  EXPECT_NE(readout.find(", Moon "), std::string::npos) << readout;
  // Off the plot's area the line is empty.
  const QPointF left(g.Area.X / 2, g.Area.Y + 10);
  QMouseEvent away(QEvent::MouseMove, left, canvas->mapToGlobal(left), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(canvas, &away);
  EXPECT_TRUE(window->StatusText().isEmpty());
}

TEST_F(AltitudePlotWindowTest, FollowsTheDateSavesAndTurnsRed) {
  ASSERT_FALSE(NotStarted());
  CAltitudePlotWindow* window = PlotOf("Jupiter");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Shown().Target.Body, 5);
  // Hours from noon to the end of the astronomical twilight.
  const auto dusk = [window] {
    return (window->Shown().SunBelow[3].at(0).From - window->Shown().Span.Start) * 24.0;
  };
  const double winterDusk = dusk();

  // An hour later the same night: the time shown moves.
  doc_->SetDocumentTime(astro::DateTimeArgument{astro::CivilTime{2026, 12, 9, 21, 0, 0}});
  doc_->UpdateSky();
  frame_->UpdatePanes();
  ASSERT_TRUE(window->Shown().Now);
  EXPECT_NEAR(*window->Shown().Now, doc_->Sky.AstroState.JulianDay, 1e-9);

  doc_->SetDocumentTime(astro::DateTimeArgument{astro::CivilTime{2026, 3, 1, 21, 0, 0}});
  doc_->UpdateSky();
  frame_->UpdatePanes();
  EXPECT_EQ(window->Shown().Evening.Month, 3);
  ASSERT_FALSE(window->Shown().SunBelow[3].empty());
  EXPECT_GT(dusk() - winterDusk, 1.0) << "a later dusk in March";
  ASSERT_TRUE(window->Shown().Now);
  EXPECT_NEAR(*window->Shown().Now, doc_->Sky.AstroState.JulianDay, 1e-9);

  const QString png = QString::fromStdString(dir_.File("jupiter.png"));
  const QString svg = QString::fromStdString(dir_.File("jupiter.svg"));
  EXPECT_TRUE(window->SaveTo(png));
  EXPECT_TRUE(window->SaveTo(svg));
  EXPECT_GT(std::filesystem::file_size(png.toStdString()), 20000u);
  EXPECT_GT(std::filesystem::file_size(svg.toStdString()), 20000u);
  EXPECT_FALSE(window->SaveTo(QString::fromStdString(dir_.File("none/jupiter.png"))));
  // Printed on one page, here of a PDF printer.
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(dir_.File("jupiter.pdf")));
  ASSERT_TRUE(print::PrintAltitudePlot(printer, window->Shown(), "Poland:Krakow"));
  const std::string pdf = ReadFile(dir_.File("jupiter.pdf"));
  EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
  EXPECT_GT(pdf.size(), 5000u);

  // Red screen: the plot in reds alone, as every window.
  Trigger(32802);
  QApplication::processEvents();
  const QImage red = window->Canvas()->grab().toImage();
  int others = 0;
  for (int y = 0; y < red.height(); y += 3)
    for (int x = 0; x < red.width(); x += 3) {
      const QColor c = red.pixelColor(x, y);
      if (c.green() > 0 || c.blue() > 0) ++others;
    }
  EXPECT_EQ(others, 0);
  Trigger(32802);
  const QImage day = window->Canvas()->grab().toImage();
  EXPECT_GT(day.pixelColor(2, 2).blue(), 200) << "white paper again";
}

// A card's Altitude Plot button closes the card and opens the plot; the
// Tonight window's button plots the row chosen.
TEST_F(AltitudePlotWindowTest, OpensFromACardAndFromTonight) {
  ASSERT_FALSE(NotStarted());
  QTimer press;
  press.setInterval(30);
  QObject::connect(&press, &QTimer::timeout, [] {
    auto* card = qobject_cast<CInfoCard*>(QApplication::activeModalWidget());
    if (card && card->AltitudePlotButton()) card->AltitudePlotButton()->click();
  });
  press.start();
  // Saturn (body 6) under the pointer.
  view_->ObjectsPicked({{10006, 1.0}});
  press.stop();
  CAltitudePlotWindow* window = PlotWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Shown().Target.Name, "Saturn");
  EXPECT_EQ(window->Shown().Target.Body, 6);

  Trigger(32822);
  auto* tonight = frame_->findChild<CTonightWindow*>();
  ASSERT_NE(tonight, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(tonight));
  QTreeWidget* objects = tonight->ObjectTable();
  ASSERT_GT(objects->topLevelItemCount(), 0);
  QTreeWidgetItem* row = objects->topLevelItem(0);
  objects->setCurrentItem(row);
  auto* button = tonight->findChild<QPushButton*>(QStringLiteral("TonightAltitudePlot"));
  ASSERT_NE(button, nullptr);
  button->click();
  const sky::PlotTarget chosen = tonight->PlotTargetOf(*row);
  EXPECT_EQ(window->Shown().Target.Name, row->text(CTonightWindow::kName).toStdString());
  EXPECT_EQ(window->Shown().Target.RaJ2000, chosen.RaJ2000);
  EXPECT_EQ(PlotWindow(), window) << "one plot window, showing the object asked for last";
}

}  // namespace
