// The Search menu in a desktop session of its own, driven by xdotool as a
// user drives it: the camera each search leaves in the settings file.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/desktop_session.h"
#include "tests/test_files.h"

namespace {

class SearchSession : public ::testing::Test {
 protected:
  void SetUp() override {
    // Beside other X servers a new desktop now and then loses its display to
    // another one before its window manager is up: make it again.
    for (int attempt = 0; attempt < 3; ++attempt) {
      desktop_ = std::make_unique<DesktopSession>();
      if (desktop_->Ready() &&
          desktop_->Output({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}).find("window id") !=
              std::string::npos)
        return;
    }
    FAIL() << "no desktop: Xvfb and openbox must be installed";
  }

  // Starts the program on Krakow's sky of 2026-12-08 22:00 (Universal Time)
  // with `settings` and `extra` options, and waits for its window.
  pid_t Start(const std::string& settings, const std::vector<std::string>& extra = {}) {
    dir_.Write("stellix.INI", settings + "[Location]\nTimeZone=0\nDaylightSavingTime=0\n");
    std::vector<std::string> args{STELLIX_PROGRAM, "--settings",          dir_.File("stellix.INI"),
                                  "--datetime",    "2026-12-08T22:00:00", "--no-splash"};
    args.insert(args.end(), extra.begin(), extra.end());
    const pid_t pid = desktop_->Spawn(args);
    // xdotool's search ends early when a window it is looking at goes away
    // (the program makes and drops windows while it starts): look again.
    std::string window;
    for (int attempt = 0; attempt < 5 && window.empty(); ++attempt)
      window = desktop_->WindowNamed("^Stellix$");
    EXPECT_FALSE(window.empty()) << "no main window";
    desktop_->XDo({"windowactivate", "--sync", window});
    return pid;
  }

  // Keys, one xdotool call each.
  void Keys(const std::vector<std::string>& keys) {
    for (const std::string& key : keys) desktop_->XDo({"key", key});
  }

  // Waits for the dialog titled `title`, types `text` into it and presses Return.
  void Answer(const std::string& title, const std::string& text) {
    std::string dialog;
    for (int attempt = 0; attempt < 5 && dialog.empty(); ++attempt)
      dialog = desktop_->WindowNamed(title);
    EXPECT_FALSE(dialog.empty()) << "no dialog " << title;
    desktop_->XDo({"type", "--delay", "50", text});
    desktop_->XDo({"key", "Return"});
  }

  // File > Exit, then the camera the program saved.
  std::pair<double, double> ExitAndSavedCamera(pid_t pid) {
    Keys({"alt+f", "x"});
    EXPECT_EQ(DesktopSession::WaitForExit(pid, 20), 0);
    const std::string text = ReadFile(dir_.File("stellix.INI"));
    const auto value = [&](const std::string& key) {
      const std::size_t at = text.find("\n" + key + "=");
      return at == std::string::npos ? 1e9 : std::stod(text.substr(text.find('=', at) + 1));
    };
    return {value("XRotation"), value("YRotation")};
  }

  std::unique_ptr<DesktopSession> desktop_;
  ScratchDir dir_;
};

TEST_F(SearchSession, DialogsFromTheMenuTurnTheChart) {
  struct Case {
    std::vector<std::string> MenuKeys;
    const char* Dialog;
    const char* Typed;
    double XRotation, YRotation;  // -declination, -15 x right ascension of the object
  } const kCases[] = {
      {{"alt+r", "s"}, "^Search for star", "Sirius", 16.72, -101.28},
      {{"alt+r", "c"}, "^Search for constellation", "Orion", -5.0, -82.5},
      {{"alt+r", "d", "m"}, "^Search for Messier", "31", -41.27, -10.68},
      {{"alt+r", "d", "n"}, "^Search for NGC", "0869", -57.12, -34.74},
  };
  for (const Case& c : kCases) {
    const pid_t pid = Start("[Settings]\nHorizonMode=0\nXRotation=0.0\nYRotation=270.0\n");
    Keys(c.MenuKeys);
    Answer(c.Dialog, c.Typed);
    const auto [x, y] = ExitAndSavedCamera(pid);
    EXPECT_NEAR(x, c.XRotation, 0.011) << c.Dialog;
    EXPECT_NEAR(y, c.YRotation, 0.011) << c.Dialog;
  }
}

TEST_F(SearchSession, HorizonKeysAndCentreOption) {
  // East, then the zenith: straight up, still facing east.
  pid_t pid = Start("[Settings]\nHorizonMode=1\nXRotation=-20.0\nYRotation=10.0\n");
  Keys({"ctrl+e", "ctrl+z"});
  auto [x, y] = ExitAndSavedCamera(pid);
  EXPECT_NEAR(x, -90, 1e-9);
  EXPECT_NEAR(y, 360, 0.011);

  // --centre in the window: the chart opens on Sirius.
  pid = Start("[Settings]\nHorizonMode=0\n", {"--centre", "Sirius"});
  std::tie(x, y) = ExitAndSavedCamera(pid);
  EXPECT_NEAR(x, 16.72, 0.011);
  EXPECT_NEAR(y, -101.28, 0.011);
}

}  // namespace
