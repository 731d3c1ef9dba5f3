// Printing as a user does it, in a desktop session of its own: File > Print
// Preview from the menu, and Ctrl+P, Enter into the PDF the print dialog offers.
#include <gtest/gtest.h>
#include <signal.h>

#include <string>

#include "tests/desktop_session.h"
#include "tests/test_files.h"

namespace {

class PrintSession : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(desktop_.Ready()) << desktop_.Log();
    dir_.Write("stellix.INI", "[Settings]\nZoom=4.0\nXRotation=1.20\nYRotation=275.95\n");
    // The print dialog offers a PDF in the home directory when there is no printer.
    program_ = desktop_.Spawn({STELLIX_PROGRAM, "--settings", dir_.File("stellix.INI"),
                               "--datetime", "2026-12-08T22:00:00", "--no-splash"},
                              {.Env = {"HOME=" + dir_.Path().string()}});
    window_ = desktop_.WindowNamed("^Stellix$");
    ASSERT_FALSE(window_.empty()) << "no main window: " << program_.Err();
    desktop_.XDo({"windowactivate", "--sync", window_});
  }
  void TearDown() override {
    // A log-out's signal ends the program as File > Exit does.
    if (!program_.Running()) return;
    program_.Signal(SIGTERM);
    EXPECT_EQ(program_.Finish(20), 0) << program_.Err();
  }

  DesktopSession desktop_;
  ScratchDir dir_;
  ChildProcess program_;
  std::string window_;
};

TEST_F(PrintSession, PreviewFromTheFileMenu) {
  ASSERT_TRUE(desktop_.OpenMenu("alt+f"));
  desktop_.XDo({"key", "v"});
  ASSERT_FALSE(desktop_.ActiveWindowNamed("^Print Preview").empty());
  desktop_.XDo({"key", "Escape"});
  EXPECT_TRUE(desktop_.WaitUntilGone("^Print Preview"));
}

TEST_F(PrintSession, ControlPAndEnterPrintTheChartToAFile) {
  desktop_.XDo({"key", "ctrl+p"});
  const std::string dialog = desktop_.WindowNamed("^Print");
  ASSERT_FALSE(dialog.empty());
  desktop_.XDo({"windowactivate", "--sync", dialog});
  desktop_.XDo({"key", "Return"});
  // The file is whole once its text can be read.
  const std::string pdf = dir_.File("Stellix.pdf");
  std::string text;
  WaitUntil(
      [&] {
        text = desktop_.Output({"pdftotext", pdf, "-"});
        return text.find("Betelgeuse") != std::string::npos;
      },
      60);
  EXPECT_NE(text.find("Orion"), std::string::npos) << text;
  EXPECT_NE(text.find("Betelgeuse"), std::string::npos) << text;
}

}  // namespace
