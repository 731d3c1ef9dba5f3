#include "ui/main_frame.h"

#include <QGuiApplication>
#include <QScreen>

#include "ui/qt_text.h"

CMainFrame::CMainFrame() {
  // The title is the program's name and never shows a file name.
  setWindowTitle(QtString(res::IDS_APP_TITLE));
  // The frame starts as large as the screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    resize(screen->availableGeometry().size());
}
