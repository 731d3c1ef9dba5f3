// The date and time of the sky shown, 1901-2099, and whether the clock keeps
// summer time. OK sets them and recomputes the sky.
#pragma once

#include <QDialog>

class CSkyDoc;
class CSkyView;
class QCheckBox;
class QDateEdit;
class QTimeEdit;

class CDateTimeDialog : public QDialog {
  Q_OBJECT

 public:
  CDateTimeDialog(CSkyDoc& doc, CSkyView& view, QWidget* parent = nullptr);

  // Sets the document's date and time and the daylight-saving setting,
  // recomputes the sky, closes and redraws.
  void accept() override;

 private:
  // Both pickers to the computer's present local date and time (not yet in force).
  void OnNow();

  CSkyDoc& doc_;
  CSkyView& view_;
  QDateEdit* date_;
  QTimeEdit* time_;
  QCheckBox* daylightSaving_;
};
