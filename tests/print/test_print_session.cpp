// Printing as a user does it, in a desktop session of its own: File > Print
// Preview from the menu, and Ctrl+P, Enter into the PDF the print dialog offers.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "tests/desktop_session.h"
#include "tests/test_files.h"

namespace {

class PrintSession : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(desktop_.Ready()) << "Xvfb and openbox must be installed";
    // The print dialog offers a PDF in the home directory when there is no printer.
    const char* home = std::getenv("HOME");
    if (home) home_ = home;
    ::setenv("HOME", dir_.Path().c_str(), 1);
    dir_.Write("stellix.INI", "[Settings]\nZoom=4.0\nXRotation=1.20\nYRotation=275.95\n");
    pid_ = desktop_.Spawn({STELLIX_PROGRAM, "--settings", dir_.File("stellix.INI"), "--datetime",
                           "2026-12-08T22:00:00", "--no-splash"});
    window_ = desktop_.WindowNamed("^Stellix$");
    ASSERT_FALSE(window_.empty()) << "no main window";
    desktop_.XDo({"windowactivate", "--sync", window_});
  }
  void TearDown() override {
    if (home_.empty())
      ::unsetenv("HOME");
    else
      ::setenv("HOME", home_.c_str(), 1);
    // A log-out's signal ends the program as File > Exit does.
    if (pid_ > 0) {
      ::kill(pid_, SIGTERM);
      EXPECT_EQ(DesktopSession::WaitForExit(pid_, 20), 0);
    }
  }
  bool Visible(const std::string& title) {
    return !desktop_.Output({"xdotool", "search", "--onlyvisible", "--name", title}).empty();
  }
  // Waits up to `seconds` for a window titled `title` to be visible.
  bool Appears(const std::string& title, int seconds) {
    for (int i = 0; i < seconds * 5; ++i) {
      if (Visible(title)) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return false;
  }
  // Alt+F, then the item's key once the menu is up; tried again when a busy
  // machine let the key reach the window before the menu.
  bool FromTheFileMenu(const std::string& key, const std::string& title) {
    for (int attempt = 0; attempt < 3; ++attempt) {
      desktop_.XDo({"windowactivate", "--sync", window_});
      desktop_.XDo({"key", "alt+f"});
      std::this_thread::sleep_for(std::chrono::seconds(1));
      desktop_.XDo({"key", key});
      if (Appears(title, 10)) return true;
      desktop_.XDo({"key", "Escape"});
    }
    return false;
  }

  DesktopSession desktop_;
  ScratchDir dir_;
  std::string home_, window_;
  pid_t pid_ = -1;
};

TEST_F(PrintSession, PreviewFromTheFileMenu) {
  ASSERT_TRUE(FromTheFileMenu("v", "^Print Preview"));
  desktop_.XDo({"key", "Escape"});
  for (int i = 0; i < 50 && Visible("^Print Preview"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_FALSE(Visible("^Print Preview"));
}

TEST_F(PrintSession, ControlPAndEnterPrintTheChartToAFile) {
  desktop_.XDo({"key", "ctrl+p"});
  const std::string dialog = desktop_.WindowNamed("^Print");
  ASSERT_FALSE(dialog.empty());
  desktop_.XDo({"windowactivate", "--sync", dialog});
  desktop_.XDo({"key", "Return"});
  const std::string pdf = dir_.File("Stellix.pdf");
  for (int i = 0; i < 300 && !std::filesystem::exists(pdf); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  const std::string text = desktop_.Output({"pdftotext", pdf, "-"});
  EXPECT_NE(text.find("Orion"), std::string::npos) << text;
  EXPECT_NE(text.find("Betelgeuse"), std::string::npos) << text;
}

}  // namespace
