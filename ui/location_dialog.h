// The observer's location: a place from the list (found by typing part of
// its name), a click on the world map (named after the nearest place of the
// list), or latitude, longitude and time zone typed in (an offset typed in
// leaves the place without a time zone; nudged coordinates keep it). OK checks every field and
// only then changes the place, recomputes the sky and redraws it.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "ui/location_form.h"

class CMessenger;
class CSkyDoc;
class CSkyView;
class QLabel;
class QLineEdit;
class QListWidget;
class CHemisphereBox;
class CWorldMap;

class CLocationDialog : public QDialog {
  Q_OBJECT

 public:
  CLocationDialog(CSkyDoc& doc, CSkyView& view, CMessenger& messages, QWidget* parent = nullptr);

  // What the fields show now.
  ui::LocationFields Fields() const;
  // The marked point of the map area.
  ui::MapPoint Marker() const;
  // Whether the world map could be read (the map area is blank otherwise).
  bool HasMap() const;

  // Checks the fields; on the first one out of range shows why and puts the
  // focus on it, otherwise changes the place and closes.
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Latitude, longitude and time zone of `fields` into their fields.
  void ShowCoordinates(const ui::LocationFields& fields);
  void OnCitySelected();
  void OnMapClicked(ui::MapPoint point);
  // The list: the places whose names hold every word of `text`.
  void FillCities(const QString& text);
  // The place's zone, and what it shows.
  void SetZone(const std::string& zoneId);
  QLineEdit* EditFor(ui::LocationField field) const;

  CSkyDoc& doc_;
  CSkyView& view_;
  CMessenger& messages_;
  CWorldMap* map_;
  QLineEdit* name_;
  QLineEdit* search_;
  QListWidget* cities_;
  QLabel* zone_;
  std::string zoneId_;
  std::vector<int> order_;  // the places' indices sorted by name
  QLineEdit* latDeg_;
  QLineEdit* latMin_;
  CHemisphereBox* ns_;
  QLineEdit* longDeg_;
  QLineEdit* longMin_;
  CHemisphereBox* ew_;
  QLineEdit* timeZone_;
};
