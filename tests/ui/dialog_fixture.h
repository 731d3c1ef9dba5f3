// Helpers for tests that drive the settings dialogs of the main window as a
// user would: from the menus, with the mouse and the keyboard.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "sky/messages.h"
#include "tests/main_window_fixture.h"

// Collects the messages a dialog would have shown.
class RecordingMessenger : public CMessenger {
 public:
  void Show(MessageIcon icon, std::string_view text) override {
    Lines.push_back(MessageLine(icon, text));
  }
  std::vector<std::string> Lines;
};

// Shows a dialog as its own active window, so that its mnemonics and keys work.
inline void ShowActive(QWidget* dialog) {
  dialog->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
  dialog->activateWindow();
  QApplication::setActiveWindow(dialog);
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
}

// Runs `inside` on the modal window called `objectName` once it is open;
// set up before whatever opens it runs.
inline void WhenModalOpens(const QString& objectName, std::function<void(QWidget*)> inside) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, objectName, inside] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal->objectName() != objectName || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    modal->activateWindow();
    QApplication::setActiveWindow(modal);
    inside(modal);
  });
  timer->start();
}

template <typename T>
T* Child(const QWidget* parent, const char* name) {
  T* child = parent->findChild<T*>(QString::fromUtf8(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

inline QPushButton* Button(const QWidget* dialog, QDialogButtonBox::StandardButton which) {
  return dialog->findChild<QDialogButtonBox*>()->button(which);
}

inline std::string FocusName() {
  const QWidget* w = QApplication::focusWidget();
  return w ? w->objectName().toStdString() : "(none)";
}

class DialogTest : public MainWindowTest {
 protected:
  RecordingMessenger messages_;
};
