// "Search for Messier...": a Messier number typed into its field as "M 31",
// "M31" or "31"; OK or Enter centres that object.
#pragma once

#include <QDialog>

class CMessenger;
class CSkyDoc;
class QLineEdit;

class CMessierSearchDialog : public QDialog {
  Q_OBJECT

 public:
  CMessierSearchDialog(CSkyDoc& doc, CMessenger& messages, QWidget* parent = nullptr);

  // The number field (1069).
  QLineEdit* Field() const { return field_; }

  // OK: message 304 for an empty field, 305 for a number outside 1-110;
  // otherwise centres the object and closes, or stays open when it is refused.
  void OnOK();

 private:
  CSkyDoc& doc_;
  CMessenger& messages_;
  QLineEdit* field_;
};
