// The main window.
#pragma once

#include <QMainWindow>

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  CMainFrame();
};
