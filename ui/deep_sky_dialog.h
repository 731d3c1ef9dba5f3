// Which deep-sky objects are shown (by catalogue and by type), how they are
// labelled and how they are drawn: a pair of radio buttons for each choice.
#pragma once

#include <QDialog>
#include <vector>

class CSkyDoc;
class CSkyView;
class QRadioButton;

class CDeepSkyDialog : public QDialog {
  Q_OBJECT

 public:
  CDeepSkyDialog(CSkyDoc& doc, CSkyView& view, QWidget* parent = nullptr);

  // Stores every pair's choice, closes and redraws.
  void accept() override;

 private:
  CSkyDoc& doc_;
  CSkyView& view_;
  std::vector<QRadioButton*> onButtons_;  // the first button of each pair, in the pairs' order
};
