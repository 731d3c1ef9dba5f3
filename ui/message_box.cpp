#include "ui/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "res/qt_text.h"

void CMessageBoxes::Show(MessageIcon icon, std::string_view text) {
  if (nonInteractive_) {
    std::fprintf(stderr, "%s\n", MessageLine(icon, text).c_str());
    std::fflush(stderr);
    return;
  }
  QMessageBox box(icon == MessageIcon::Stop          ? QMessageBox::Critical
                  : icon == MessageIcon::Exclamation ? QMessageBox::Warning
                                                     : QMessageBox::Information,
                  QtString(res::IDS_APP_TITLE), QtText(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}
