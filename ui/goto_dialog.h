// Search > Go to Coordinates: a right ascension and declination (J2000 or
// of date) or an altitude and azimuth typed into two fields; OK or Enter
// centres the view there (sky/goto_target.h reads them).
#pragma once

#include <QDialog>

class CMessenger;
class CSkyDoc;
class QComboBox;
class QLabel;
class QLineEdit;

class CGotoDialog : public QDialog {
  Q_OBJECT

 public:
  CGotoDialog(CSkyDoc& doc, CMessenger& messages, QWidget* parent = nullptr);

  // What the fields are: J2000, of date, altitude and azimuth, in the
  // order of sky::GotoFrame.
  QComboBox* Frame() const { return frame_; }
  // The right ascension or the altitude, and the declination or the azimuth.
  QLineEdit* FirstField() const { return first_; }
  QLineEdit* SecondField() const { return second_; }

  // OK: a field that does not read is named in a message and takes the
  // focus; otherwise the view centres the place and the dialog closes, or
  // stays open when the place is below the horizon of the local-horizon view.
  void OnOK();

 private:
  // The fields' captions and examples for the frame chosen.
  void ShowFrame();

  CSkyDoc& doc_;
  CMessenger& messages_;
  QComboBox* frame_;
  QLabel* firstLabel_;
  QLabel* secondLabel_;
  QLineEdit* first_;
  QLineEdit* second_;
};
