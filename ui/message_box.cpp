#include "ui/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "res/qt_text.h"
#include "ui/screen_text.h"
#include "ui/splash_window.h"

void CMessageBoxes::Show(MessageIcon icon, std::string_view text) {
  if (nonInteractive_) {
    std::fprintf(stderr, "%s\n", MessageLine(icon, text).c_str());
    std::fflush(stderr);
    return;
  }
  // The splash stays in front of every window: a box under it could be
  // neither seen nor answered, and the program would look hung.
  if (const CSplashWindow* splash = CSplashWindow::Current();
      splash && splash->WindowMode() == CSplashWindow::Mode::Splash)
    CSplashWindow::Close();
  QMessageBox box(icon == MessageIcon::Stop          ? QMessageBox::Critical
                  : icon == MessageIcon::Exclamation ? QMessageBox::Warning
                                                     : QMessageBox::Information,
                  QtString(res::IDS_APP_TITLE), ui::TranslatedText(std::string(text)),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}
