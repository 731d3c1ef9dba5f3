// The "Altitude Plot" window: an object's altitude through the night of the
// date shown at the place, with the Moon's, the twilights and the night
// (sky/altitude_plot.h, drawn from print/altitude_plot_geometry.h). The
// pointer's time and altitudes are read off in the window's status line; the
// window follows the date, the instant and the place as they change, prints
// the plot and saves it as a PNG picture or an SVG drawing. In red screen it
// is drawn in the night-vision reds.
#pragma once

#include <QDialog>
#include <QString>
#include <string>

#include "sky/altitude_plot.h"

class CMessenger;
class CSkyDoc;
class QLabel;
class QPushButton;

class CAltitudePlotWindow : public QDialog {
  Q_OBJECT

 public:
  CAltitudePlotWindow(CSkyDoc& doc, CMessenger& messages, QWidget* parent);

  // Plots `target` for the document's night.
  void ShowTarget(const sky::PlotTarget& target);
  // Computes the plot again when the date, the instant, the place or the
  // refraction differ from the ones shown.
  void Follow();
  // Writes the plot into `path` as its suffix asks (.png or .svg); tells the
  // user when it cannot. True when written.
  bool SaveTo(const QString& path);

  const sky::AltitudePlot& Shown() const { return plot_; }
  QString StatusText() const;
  QWidget* Canvas() const;

 private:
  class CCanvas;
  void Print();
  void Save();
  void ShowReadout(const std::string& text);

  CSkyDoc& doc_;
  CMessenger& messages_;
  CCanvas* canvas_;
  QLabel* status_;
  std::string shownFor_;  // the night and place of the plot shown
  sky::AltitudePlot plot_;
};
