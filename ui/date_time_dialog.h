// The date and time of the sky shown, 1901-2099, the offset from UT in force
// then, and whether the clock keeps summer time: by the rules of the place's
// time zone for a city (shown, not editable), by the option for a place
// typed by hand. OK sets them and recomputes the sky.
#pragma once

#include <QDialog>

class CSkyDoc;
class CSkyView;
class QCheckBox;
class QDateEdit;
class QLabel;
class QTimeEdit;

class CDateTimeDialog : public QDialog {
  Q_OBJECT

 public:
  CDateTimeDialog(CSkyDoc& doc, CSkyView& view, QWidget* parent = nullptr);

  // Sets the document's date and time and the daylight-saving setting,
  // recomputes the sky, closes and redraws.
  void accept() override;

 private:
  // Both pickers to the place's clock at the present instant (not yet in
  // force), with a note that says so until either is changed.
  void OnNow();
  // The offset in force at the date and time of the pickers, what a change
  // of summer time makes of them, and the summer-time box of a city.
  void ShowOffset();

  CSkyDoc& doc_;
  CSkyView& view_;
  QDateEdit* date_;
  QTimeEdit* time_;
  QCheckBox* daylightSaving_;
  QLabel* offset_;
  QLabel* clockChange_;
  QLabel* nowNote_;
};
