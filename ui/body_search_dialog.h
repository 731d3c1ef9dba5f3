// "Search for Solar System...": one button for each of the Sun, the Moon and
// the planets; a press centres that body.
#pragma once

#include <QDialog>

class CMessenger;
class CSkyDoc;
class QPushButton;

class CBodySearchDialog : public QDialog {
  Q_OBJECT

 public:
  CBodySearchDialog(CSkyDoc& doc, CMessenger& messages, QWidget* parent = nullptr);

  // The button of control id 1070 (Sun) to 1079 (Pluto); nullptr for another id.
  QPushButton* Button(int controlId) const;

  // Centres body `bodyIndex` of Bodies at the document's time and closes, or
  // stays open when it is refused.
  void OnBody(int bodyIndex);

 private:
  CSkyDoc& doc_;
  CMessenger& messages_;
};
