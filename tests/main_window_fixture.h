// The whole application with its main window, started on the repository's
// data with settings in a scratch directory, for tests that drive it as a
// user would.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/sky_app.h"
#include "render/sky_view.h"
#include "sky/sky_doc.h"
#include "tests/test_files.h"
#include "ui/main_frame.h"

class MainWindowTest : public ::testing::Test {
 protected:
  // The document time the program starts with (as --datetime gives it).
  virtual astro::CivilTime StartTime() const { return {2026, 12, 5, 12, 0, 0}; }

  // The data directory the program is started on.
  virtual std::string DataDir() const { return STELLIX_SOURCE_DATA_DIR; }

  // Tests that start the program themselves (with the splash, say) answer false.
  virtual bool StartsAtSetUp() const { return true; }

  void SetUp() override {
    if (!std::getenv("DISPLAY"))
      GTEST_FAIL() << "needs an X display: run the tests under xvfb-run (./dev.sh test)";
    if (StartsAtSetUp()) Start();
  }

  // Starts the program, with or without its splash, and waits for the main window.
  void Start(bool splash = false) {
    CommandLine cl;
    cl.NonInteractive = true;
    cl.ShowSplash = splash;
    cl.DataDir = DataDir();
    cl.SettingsFile = dir_.File("stellix.INI");
    // A settings file, empty at first: the tests start from the default chart,
    // not from the view of a first start.
    if (!std::filesystem::exists(cl.SettingsFile)) dir_.Write("stellix.INI", "");
    cl.DateTime = StartTime();
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
  }

  // True when SetUp skipped the test or failed: a subclass's SetUp stops then.
  bool NotStarted() const { return IsSkipped() || HasFatalFailure(); }

  // Makes `window` the active window, as a click on it would with a window
  // manager; shortcuts reach the active window only.
  static void Activate(QWidget* window) {
    window->activateWindow();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  ScratchDir dir_;
  int argc_ = 1;
  char name_[8] = "stellix";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<CSkyApp> app_;
  CMainFrame* frame_ = nullptr;
  CSkyDoc* doc_ = nullptr;
  CSkyView* view_ = nullptr;
};
