// The Search menu in a desktop session of its own, driven by xdotool as a
// user drives it: the camera each search leaves in the settings file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/desktop_session.h"
#include "tests/test_files.h"

namespace {

class SearchSession : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(desktop_.Ready()) << desktop_.Log(); }

  // Starts the program on Krakow's sky of 2026-12-08 22:00 (Universal Time)
  // with `settings` and `extra` options, and waits for its window.
  ChildProcess Start(const std::string& settings, const std::vector<std::string>& extra = {}) {
    dir_.Write("stellix.INI", settings + "[Location]\nTimeZone=0\nDaylightSavingTime=0\n");
    std::vector<std::string> args{STELLIX_PROGRAM, "--settings",          dir_.File("stellix.INI"),
                                  "--datetime",    "2026-12-08T22:00:00", "--no-splash"};
    args.insert(args.end(), extra.begin(), extra.end());
    ChildProcess program = desktop_.Spawn(args);
    const std::string window = desktop_.WindowNamed("^Stellix$");
    EXPECT_FALSE(window.empty()) << "no main window: " << program.Err();
    desktop_.XDo({"windowactivate", "--sync", window});
    return program;
  }

  // Opens the menus of `menuKeys` one by one, then presses `item`.
  void FromTheMenu(const std::vector<std::string>& menuKeys, const std::string& item) {
    for (const std::string& key : menuKeys) EXPECT_TRUE(desktop_.OpenMenu(key)) << key;
    desktop_.XDo({"key", item});
  }

  // Waits for the dialog titled `title`, types `text` into it and presses Return.
  void Answer(const std::string& title, const std::string& text) {
    const std::string dialog = desktop_.WindowNamed(title);
    ASSERT_FALSE(dialog.empty()) << "no dialog " << title;
    desktop_.XDo({"windowactivate", "--sync", dialog});
    desktop_.XDo({"type", "--delay", "50", text});
    desktop_.XDo({"key", "Return"});
  }

  // File > Exit, then the camera the program saved.
  std::pair<double, double> ExitAndSavedCamera(ChildProcess& program) {
    FromTheMenu({"alt+f"}, "x");
    EXPECT_EQ(program.Finish(20), 0) << program.Err();
    const std::string text = ReadFile(dir_.File("stellix.INI"));
    const auto value = [&](const std::string& key) {
      const std::size_t at = text.find("\n" + key + "=");
      return at == std::string::npos ? 1e9 : std::stod(text.substr(text.find('=', at) + 1));
    };
    return {value("XRotation"), value("YRotation")};
  }

  DesktopSession desktop_;
  ScratchDir dir_;
};

TEST_F(SearchSession, DialogsFromTheMenuTurnTheChart) {
  struct Case {
    std::vector<std::string> Menus;
    const char* Item;
    const char* Dialog;
    const char* Typed;
    double XRotation, YRotation;  // -declination, -15 x right ascension of the object
  } const kCases[] = {
      {{"alt+r"}, "s", "^Search for star", "Sirius", 16.72, -101.28},
      {{"alt+r"}, "c", "^Search for constellation", "Orion", -5.0, -82.5},
      {{"alt+r", "d"}, "m", "^Search for Messier", "31", -41.27, -10.68},
      {{"alt+r", "d"}, "n", "^Search for NGC", "0869", -57.12, -34.74},
  };
  for (const Case& c : kCases) {
    ChildProcess program = Start("[Settings]\nHorizonMode=0\nXRotation=0.0\nYRotation=270.0\n");
    FromTheMenu(c.Menus, c.Item);
    Answer(c.Dialog, c.Typed);
    const auto [x, y] = ExitAndSavedCamera(program);
    // The catalogue place, and the annual aberration of the date: up to 20.5"
    // (0.01 degrees of right ascension at NGC 869's declination).
    EXPECT_NEAR(x, c.XRotation, 0.011) << c.Dialog;
    EXPECT_NEAR(y, c.YRotation, 0.021) << c.Dialog;
  }
}

TEST_F(SearchSession, HorizonKeysAndCentreOption) {
  // East, then the zenith: straight up, still facing east.
  ChildProcess program = Start("[Settings]\nHorizonMode=1\nXRotation=-20.0\nYRotation=10.0\n");
  desktop_.XDo({"key", "ctrl+e"});
  desktop_.XDo({"key", "ctrl+z"});
  auto [x, y] = ExitAndSavedCamera(program);
  EXPECT_NEAR(x, -90, 1e-9);
  EXPECT_NEAR(y, 360, 0.011);

  // --centre in the window: the chart opens on Sirius.
  program = Start("[Settings]\nHorizonMode=0\n", {"--centre", "Sirius"});
  std::tie(x, y) = ExitAndSavedCamera(program);
  EXPECT_NEAR(x, 16.72, 0.011);
  EXPECT_NEAR(y, -101.28, 0.011);
}

}  // namespace
