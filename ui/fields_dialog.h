// The fields of the user's eyepieces and cameras: the list of them, with
// Add, Change and Remove, and the boxes of one field (its name, its kind and
// the numbers of that kind), whose size on the sky shows as they are typed.
// OK keeps the list in the settings and shows the fields round the middle
// of the view, or round the telescope while one is connected when the
// box below the list says so. The checks are sky::FieldFromTexts's.
#pragma once

#include <QDialog>
#include <vector>

#include "sky/eyepiece_fields.h"

class CMessenger;
class CSkyDoc;
class CSkyView;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;

class CFieldsDialog : public QDialog {
  Q_OBJECT

 public:
  CFieldsDialog(CSkyDoc& doc, CSkyView& view, CMessenger& messages, QWidget* parent = nullptr);

  // Boxes typed into since a field was added, changed or chosen are added
  // (or change the chosen field) first; a field that does not pass the
  // checks is reported and the dialog stays open.
  void accept() override;

 private:
  // The field of the boxes; false (with the message shown) when it fails the checks.
  // The texts of the boxes, as the field checks take them.
  sky::FieldTexts TextsOfBoxes() const;
  bool FieldOfBoxes(sky::EyepieceField& field);
  bool Add();
  bool Change();
  void Remove();
  // Shows list row `row`'s field in the boxes.
  void ShowField(int row);
  // The numbers of the kind chosen; the size the boxes give.
  void ShowKind();
  void ShowSize();
  void FillList(int current);

  CSkyDoc& doc_;
  CSkyView& view_;
  CMessenger& messages_;
  std::vector<sky::EyepieceField> fields_;
  bool edited_ = false;  // the boxes were typed into since they last matched a field
  QListWidget* list_;
  QLineEdit* name_;
  QComboBox* kind_;
  QFormLayout* form_;
  QLineEdit* diameter_;
  QLineEdit* telescope_;
  QLineEdit* eyepiece_;
  QLineEdit* apparent_;
  QLineEdit* sensorWidth_;
  QLineEdit* sensorHeight_;
  QLabel* size_;
  QCheckBox* onTelescope_;
};
