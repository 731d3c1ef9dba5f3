// The whole application with its main window, for tests that drive the
// settings dialogs as a user would: from the menus, with the mouse and the keyboard.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/sky_app.h"
#include "render/sky_view.h"
#include "sky/messages.h"
#include "sky/sky_doc.h"
#include "tests/test_files.h"
#include "ui/main_frame.h"

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

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display (run under xvfb-run)";
    cwd_ = std::filesystem::current_path();
    CommandLine cl;
    cl.NonInteractive = true;
    cl.ShowSplash = false;
    cl.DataDir = STELLIX_SOURCE_DATA_DIR;
    cl.SettingsFile = dir_.File("stellix.INI");
    cl.DateTime = astro::CivilTime{2026, 12, 5, 12, 0, 0};
    app_ = std::make_unique<CSkyApp>(argc_, argv_, cl);
    ASSERT_TRUE(app_->InitInstance());
    frame_ = app_->MainFrame();
    doc_ = g_SkyDoc;
    view_ = frame_->View();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_));
  }
  void TearDown() override {
    if (app_) {
      frame_->close();
      app_->ExitInstance(0);
      app_.reset();
    }
    if (!cwd_.empty()) std::filesystem::current_path(cwd_);
  }

  ScratchDir dir_;
  std::filesystem::path cwd_;
  int argc_ = 1;
  char name_[8] = "stellix";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<CSkyApp> app_;
  CMainFrame* frame_ = nullptr;
  CSkyDoc* doc_ = nullptr;
  CSkyView* view_ = nullptr;
  RecordingMessenger messages_;
};
