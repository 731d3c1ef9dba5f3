// The "Tonight" window: the night the date shown belongs to at the place
// (sky/tonight.h), the planets (each at its highest) in one sortable table,
// the objects high at the chosen hour in another. A double click on a row
// sets the sky's time to that row's hour and centres the object; the window
// follows the date and the place as they change. A row's context menu, or
// the Altitude Plot button for the row chosen, asks for its altitude plot;
// the context menu also asks for the telescope to be slewed to it.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "sky/altitude_plot.h"
#include "sky/tonight.h"

class CMessenger;
class CSkyDoc;
class QLabel;
class QTimeEdit;
class QTreeWidget;
class QTreeWidgetItem;

class CTonightWindow : public QDialog {
  Q_OBJECT

 public:
  // `changed` runs after a double click has set the time and turned the view.
  CTonightWindow(CSkyDoc& doc, CMessenger& messages, std::function<void()> changed,
                 QWidget* parent);

  // Recomputes the night when the date or the place differ from the ones shown.
  void Follow();
  // Shows the objects at the place's clock time `hour`:`minute` of the night.
  void PickHour(int hour, int minute);
  QTreeWidget* PlanetTable() const { return tables_[0]; }
  QTreeWidget* ObjectTable() const { return tables_[1]; }
  const sky::Tonight& Shown() const { return tonight_; }

  enum Column { kName, kKind, kMagnitude, kRise, kSet, kBest, kAltitude, kAzimuth, kColumns };

  // What the altitude plot of a row follows: a planet, or a fixed place.
  sky::PlotTarget PlotTargetOf(const QTreeWidgetItem& item) const;

 signals:
  void AltitudePlotRequested(const sky::PlotTarget& target);
  void SlewRequested(const sky::PlotTarget& target);

 private:
  void Fill(std::optional<double> hour);
  void Activate(QTreeWidgetItem* item);
  QTreeWidget* NewTable(const char* name);

  CSkyDoc& doc_;
  CMessenger& messages_;
  std::function<void()> changed_;
  QLabel* summary_;
  QTimeEdit* hourEdit_;
  QTreeWidget* tables_[2];         // the planets, the objects
  QTreeWidget* chosen_ = nullptr;  // the table whose row was chosen last
  std::string shownFor_;           // the date and place of the night shown
  sky::Tonight tonight_;
};
