// The program in a desktop session of its own, driven through the X server
// by xdotool as a user drives it: keys, the wheel, drags, File > Exit and
// the signals of a log-out, each followed by the settings file it leaves.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/desktop_session.h"
#include "tests/test_files.h"

namespace {

class UserSession : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(desktop_.Ready()) << desktop_.Log(); }

  // Starts the program on Krakow's sky of 2026-12-08 22:00 with the settings
  // in `settings` (defaults when empty) and waits for its first frame to settle.
  ChildProcess Start(const std::string& settings = "") {
    if (!settings.empty()) dir_.Write("stellix.INI", settings);
    ChildProcess program = desktop_.Spawn({STELLIX_PROGRAM, "--settings", dir_.File("stellix.INI"),
                                           "--datetime", "2026-12-08T22:00:00", "--no-splash"});
    window_ = desktop_.WindowNamed("^Stellix$");
    EXPECT_FALSE(window_.empty()) << "no main window: " << program.Err();
    desktop_.XDo({"windowactivate", "--sync", window_});
    EXPECT_TRUE(desktop_.WaitForStill(window_, 60)) << "the first frame never settled";
    return program;
  }

  // File > Exit from the keyboard, once the menu is open; the program's exit status.
  int ExitFromTheMenu(ChildProcess& program) {
    EXPECT_TRUE(desktop_.OpenMenu("alt+f")) << "the File menu did not open";
    desktop_.XDo({"key", "x"});
    return program.Finish(20);
  }

  // A value of the settings file the program left.
  std::string Saved(const std::string& key) {
    const std::string text = ReadFile(dir_.File("stellix.INI"));
    const std::size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) return "";
    const std::size_t begin = text.find('=', at) + 1;
    std::string value = text.substr(begin, text.find('\n', begin) - begin);
    value.erase(0, value.find_first_not_of(' '));
    return value;
  }

  DesktopSession desktop_;
  ScratchDir dir_;
  std::string window_;
};

TEST_F(UserSession, ZoomKeysOfTheKeypadAndTheMainKeyboard) {
  struct Case {
    std::vector<std::string> Keys;
    const char* Zoom;  // from the default 2
  } const kCases[] = {
      {{"KP_Multiply"}, "4.0"},
      {{"KP_Divide"}, "1.0"},
      // Each of the main keyboard's keys must work for this to come out at 4.
      {{"asterisk", "asterisk", "slash"}, "4.0"},
  };
  for (const Case& c : kCases) {
    ChildProcess program = Start("[Settings]\nZoom=2.0\n");
    for (const std::string& key : c.Keys) desktop_.XDo({"key", key});
    EXPECT_EQ(ExitFromTheMenu(program), 0);
    EXPECT_EQ(Saved("Zoom"), c.Zoom) << c.Keys.front();
  }
}

TEST_F(UserSession, TheWheelZoomsAndADragTurnsTheSky) {
  ChildProcess program = Start("[Settings]\nZoom=2.0\nXRotation=0.0\nYRotation=270.0\n");
  desktop_.XDo({"mousemove", "640", "500"});
  desktop_.XDo({"click", "4"});  // one notch up
  desktop_.XDo({"click", "4"});
  desktop_.XDo({"click", "5"});  // one down
  desktop_.XDo({"mousedown", "1"});
  desktop_.XDo({"mousemove", "700", "500"});
  desktop_.XDo({"mousemove", "840", "500"});
  desktop_.XDo({"mouseup", "1"});
  EXPECT_EQ(ExitFromTheMenu(program), 0);
  EXPECT_EQ(Saved("Zoom"), "4.0");
  // 200 pixels to the right at zoom 4 turns the sky by about 200 / (4 * h/2)
  // radians, h the view's height: some degrees, towards smaller angles.
  const double y = std::stod(Saved("YRotation"));
  EXPECT_LT(y, 270.0 - 2);
  EXPECT_GT(y, 270.0 - 20);
  EXPECT_EQ(Saved("XRotation"), "0.00") << "a level drag keeps the height";
}

TEST_F(UserSession, AClickWithoutADragStillCentresThePoint) {
  ChildProcess program = Start("[Settings]\nZoom=2.0\nXRotation=0.0\nYRotation=270.0\n");
  desktop_.XDo({"mousemove", "640", "300"});
  desktop_.XDo({"click", "1"});
  EXPECT_EQ(ExitFromTheMenu(program), 0);
  EXPECT_NE(Saved("XRotation"), "0.00") << "the clicked point, above the middle, is centred";
}

TEST_F(UserSession, TheWindowAndItsStatusBarFitTheScreen) {
  ChildProcess program = Start();
  // The client area below the window manager's title bar, in screen pixels.
  const std::string info = desktop_.Output({"xwininfo", "-id", window_});
  const auto field = [&](const std::string& name) {
    const std::size_t at = info.find(name + ":");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + name.size() + 1));
  };
  EXPECT_GT(field("Absolute upper-left Y"), 0) << "below a title bar";
  EXPECT_LE(field("Absolute upper-left Y") + field("Height"), 1024) << info;
  EXPECT_LE(field("Absolute upper-left X") + field("Width"), 1280) << info;
  EXPECT_EQ(ExitFromTheMenu(program), 0);
}

TEST_F(UserSession, SignalsOfALogOutSaveLikeFileExit) {
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
    ChildProcess program = Start("[Settings]\nZoom=2.0\n");
    const std::string before = desktop_.Picture(window_);
    desktop_.XDo({"key", "KP_Multiply"});
    // The signal comes once the zoom is on the screen.
    EXPECT_TRUE(desktop_.WaitForChange(window_, before, 30)) << signal;
    program.Signal(signal);
    EXPECT_EQ(program.Finish(20), 0) << signal;
    EXPECT_EQ(Saved("Zoom"), "4.0") << signal;
  }
}

// What a person who started the program from a desktop's menu meets when it
// cannot start: nobody reads standard error there, so the refusal is a box
// in front of everything (the splash gone), and answering it ends the program.
TEST_F(UserSession, StartUpRefusalsShowInABoxInFrontOfTheSplash) {
  // A data directory without the bright stars' catalogue.
  std::filesystem::create_directory(dir_.Path() / "data");
  for (const auto& entry : std::filesystem::directory_iterator(STELLIX_SOURCE_DATA_DIR))
    if (entry.path().filename() != "bsc5.bin")
      std::filesystem::create_symlink(entry.path(), dir_.Path() / "data" / entry.path().filename());
  struct Case {
    std::vector<std::string> Options;
    int Status;
  } const kCases[] = {
      {{"--data-dir", dir_.File("data")}, 3},
      {{"--data-dir", dir_.File("no-such-data")}, 3},
      {{"--place", "Atlantis"}, 2},
  };
  for (const Case& c : kCases) {
    std::vector<std::string> args{STELLIX_PROGRAM, "--settings", dir_.File("stellix.INI")};
    args.insert(args.end(), c.Options.begin(), c.Options.end());
    ChildProcess program = desktop_.Spawn(args);
    // The box has the keyboard, and it is the program's one window: the
    // splash (400x250, titled as the box is), which stays on top of
    // everything, has gone.
    std::string box;
    // A window that still exists and is not the splash: the splash can go
    // between the look for the active window and the look at its size.
    const auto isBox = [&](const std::string& id) {
      const std::string geometry = desktop_.Output({"xdotool", "getwindowgeometry", id});
      return geometry.find("Geometry: ") != std::string::npos &&
             geometry.find("Geometry: 400x250") == std::string::npos;
    };
    ASSERT_TRUE(WaitUntil(
        [&] { return !(box = desktop_.ActiveWindowNamed("^Stellix$", 1)).empty() && isBox(box); },
        60))
        << c.Options[1] << ": no box; " << program.Err();
    EXPECT_TRUE(WaitUntil([&] { return desktop_.ProgramWindows() == 1; }, 10))
        << c.Options[1] << ": " << desktop_.ProgramWindows() << " windows";
    desktop_.XDo({"key", "Return"});
    EXPECT_EQ(program.Finish(30), c.Status) << c.Options[1];
  }
}

}  // namespace
