// Tools > Telescope...: the INDI server's host and port, Connect and
// Disconnect, the telescopes the server offers (the one chosen is used and
// remembered) and what the connection is doing.
#pragma once

#include <QDialog>

class CSkyDoc;
class CTelescopeControl;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

class CTelescopeDialog : public QDialog {
  Q_OBJECT

 public:
  CTelescopeDialog(CSkyDoc& doc, CTelescopeControl& control, QWidget* parent);

 private:
  // Shows the control's state: the buttons, the device list, the status.
  void Refresh();

  CSkyDoc& doc_;
  CTelescopeControl& control_;
  QLineEdit* host_;
  QSpinBox* port_;
  QPushButton* connect_;
  QPushButton* disconnect_;
  QListWidget* devices_;
  QLabel* status_;
};
