// The window chrome in a desktop session of its own, looked at on the X
// screen itself: night-vision red with a menu and a dialog open, and the
// message boxes over a dialog and over the main window, answered by keys.
// The screen is read whole with ImageMagick's import, which reads it as it
// is shown (xwd -root rebuilds windows of several visuals and colormaps one by
// one, and leaves some of them black).
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "sky/night_vision.h"
#include "tests/desktop_session.h"
#include "tests/test_files.h"

namespace {

class ChromeSession : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(desktop_.Ready()) << desktop_.Log(); }

  // Starts the program on Krakow's sky at `localTime` of 2026-12-09 and
  // waits for its window; `settings` go into a fresh settings file.
  ChildProcess Start(const std::string& localTime, const std::string& settings = "") {
    dir_.Write("stellix.INI", settings);
    ChildProcess program = desktop_.Spawn({STELLIX_PROGRAM, "--settings", dir_.File("stellix.INI"),
                                           "--datetime", "2026-12-09T" + localTime, "--no-splash"});
    main_ = desktop_.WindowNamed("^Stellix$");
    EXPECT_FALSE(main_.empty()) << "no main window: " << program.Err();
    // Keys reach the window once it has drawn the sky and is active.
    EXPECT_TRUE(desktop_.WaitForStill(main_, 30)) << "the window never settled";
    desktop_.XDo({"windowactivate", "--sync", main_});
    return program;
  }

  // Keys, one xdotool call each; "type:TEXT" types TEXT at once (a list's
  // keyboard search takes the letters of one word only when they come quickly).
  void Keys(const std::vector<std::string>& keys) {
    for (const std::string& key : keys) {
      if (key.rfind("type:", 0) == 0)
        desktop_.XDo({"type", "--delay", "50", key.substr(5)});
      else
        desktop_.XDo({"key", key});
    }
  }

  // The whole screen as it shows now.
  QImage Screen() {
    const std::string file = dir_.File("screen.png");
    desktop_.Output({"import", "-window", "root", file});
    return QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB32);
  }

  // The visible windows titled `title`, the main window's frame left out.
  std::vector<std::string> Windows(const std::string& title) {
    std::istringstream ids(
        desktop_.Output({"xdotool", "search", "--onlyvisible", "--name", title}));
    std::vector<std::string> found;
    for (std::string id; std::getline(ids, id);)
      if (!id.empty() && id != main_) found.push_back(id);
    return found;
  }

  // Waits until a window titled `title` other than the main one shows.
  std::string WaitForWindow(const std::string& title) {
    for (int i = 0; i < 50; ++i) {
      const std::vector<std::string> found = Windows(title);
      if (!found.empty()) return found.front();
      desktop_.XDo({"sleep", "0.1"});
    }
    return "";
  }

  // Where window `id` shows its own pixels on the screen.
  QRect ClientRect(const std::string& id) {
    const std::string info = desktop_.Output({"xwininfo", "-id", id});
    const auto value = [&](const std::string& key) {
      const std::size_t at = info.find(key);
      return at == std::string::npos ? 0 : std::stoi(info.substr(at + key.size()));
    };
    return QRect(value("Absolute upper-left X:"), value("Absolute upper-left Y:"), value("Width:"),
                 value("Height:"));
  }

  // Window `id` with the window manager's frame round it.
  QRect FrameRect(const std::string& id) {
    const std::string extents = desktop_.Output({"xprop", "-id", id, "_NET_FRAME_EXTENTS"});
    int left = 0, right = 0, top = 0, bottom = 0;
    const std::size_t at = extents.find('=');
    if (at != std::string::npos)
      std::sscanf(extents.c_str() + at + 1, " %d, %d, %d, %d", &left, &right, &top, &bottom);
    return ClientRect(id).adjusted(-left, -top, right, bottom);
  }

  DesktopSession desktop_;
  ScratchDir dir_;
  std::string main_;
};

// What the eye receives from one part of the screen.
struct Light {
  int pixels = 0, brightestRed = 0, coloured = 0, redLevels = 0;
};

Light Measure(const QImage& screen, const QRect& area, const QRect& leaveOut = {}) {
  Light light;
  std::vector<bool> levels(256);
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      if (!screen.rect().contains(x, y) || leaveOut.contains(x, y)) continue;
      const QRgb p = screen.pixel(x, y);
      ++light.pixels;
      light.brightestRed = std::max(light.brightestRed, qRed(p));
      light.coloured += qGreen(p) != 0 || qBlue(p) != 0;
      levels[qRed(p)] = true;
    }
  for (bool used : levels) light.redLevels += used;
  return light;
}

TEST_F(ChromeSession, NightVisionIsDimRedWithAMenuAndADialogOpen) {
  ChildProcess program = Start("22:00:00", "[Settings]\nHorizonMode=1\n");
  Keys({"shift+r"});
  // The View menu open over the sky.
  Keys({"alt+v"});
  const QRect window = ClientRect(main_);
  ASSERT_GT(window.width(), 400);
  // The program repaints after the keys: look until the screen is night
  // vision or ten seconds have passed, then judge what shows.
  const auto dimRed = [](const Light& l) {
    return l.coloured == 0 && l.brightestRed <= sky::kNightVisionMaxRed &&
           l.brightestRed >= sky::kNightVisionMaxRed * 3 / 4;
  };
  Light light;
  for (int look = 0; look < 20; ++look) {
    light = Measure(Screen(), window);
    if (dimRed(light)) break;
    desktop_.XDo({"sleep", "0.2"});
  }
  EXPECT_GT(light.pixels, 100000);
  EXPECT_EQ(light.coloured, 0) << "green or blue with the View menu open";
  EXPECT_LE(light.brightestRed, sky::kNightVisionMaxRed);
  EXPECT_GE(light.brightestRed, sky::kNightVisionMaxRed * 3 / 4) << "the text can be read";
  // Icons and text keep their shapes: many shades of red, not a few blobs.
  EXPECT_GT(light.redLevels, 12);
  Keys({"Escape", "Escape"});

  // A dialog over the window: Settings > Magnitude Limits.
  Keys({"alt+s", "m"});
  const std::string dialog = WaitForWindow("Magnitude");
  ASSERT_FALSE(dialog.empty()) << "no dialog";
  // The window manager's frames are its own colours: only the program's pixels count.
  const QRect dialogFrame = FrameRect(dialog), dialogClient = ClientRect(dialog);
  Light inDialog;
  for (int look = 0; look < 20; ++look) {
    const QImage screen = Screen();
    light = Measure(screen, window, dialogFrame);
    inDialog = Measure(screen, dialogClient);
    if (light.coloured == 0 && dimRed(inDialog)) break;
    desktop_.XDo({"sleep", "0.2"});
  }
  EXPECT_GT(inDialog.pixels, 10000);
  EXPECT_EQ(light.coloured + inDialog.coloured, 0) << "green or blue with the dialog open";
  EXPECT_LE(std::max(light.brightestRed, inDialog.brightestRed), sky::kNightVisionMaxRed);
  EXPECT_GE(inDialog.brightestRed, sky::kNightVisionMaxRed * 3 / 4);
  Keys({"Escape"});
  Keys({"alt+f", "x"});
  EXPECT_EQ(program.Finish(20), 0);
}

// A message box shows its icon and its text, and a key answers it.
void ExpectMessageBox(const QImage& screen, const QRect& box) {
  const Light light = Measure(screen, box);
  ASSERT_GT(light.pixels, 2000);
  int dark = 0, yellow = 0;
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x) {
      const QRgb p = screen.pixel(x, y);
      dark += qGray(p) < 80;
      yellow += qRed(p) > 200 && qGreen(p) > 160 && qBlue(p) < 90;
    }
  EXPECT_LT(dark, light.pixels / 3) << "an empty black box";
  EXPECT_GT(dark, 40) << "no text";
  EXPECT_GT(yellow, 20) << "no warning sign";
}

TEST_F(ChromeSession, MessageBoxesShowTheirTextAndKeysAnswerThem) {
  // 11:00 in December: Sirius and Saturn are below Krakow's horizon.
  ChildProcess program = Start("11:00:00", "[Settings]\nHorizonMode=1\n");
  struct Case {
    std::vector<std::string> Open;  // the keys that open the dialog, if any
    std::string Dialog;             // its title
    std::vector<std::string> Ask;   // the keys that bring the box
    std::string Answer;             // the key that answers it
  };
  // Over the star dialog, over the solar-system dialog, over the main window
  // (an animation that would change nothing in the equatorial chart).
  for (const Case& c :
       {Case{{"alt+r", "s"}, "Search for star", {"type:Sirius", "Return"}, "Escape"},
        // The buttons run Sun, Moon, Mercury, ... Saturn is the seventh.
        Case{{"alt+r", "o"},
             "Search for Solar",
             {"Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "space"},
             "Return"},
        Case{{}, "", {"ctrl+q", "p", "ctrl+f"}, "Escape"}}) {
    std::string dialog;
    if (!c.Open.empty()) {
      Keys(c.Open);
      dialog = desktop_.ActiveWindowNamed(c.Dialog);
      ASSERT_FALSE(dialog.empty()) << "no " << c.Dialog << " dialog";
    }
    Keys(c.Ask);
    std::string box;
    for (int i = 0; i < 50 && box.empty(); ++i) {
      for (const std::string& id : Windows("^Stellix$"))
        if (ClientRect(id).width() < 900) box = id;
      if (box.empty()) desktop_.XDo({"sleep", "0.1"});
    }
    ASSERT_FALSE(box.empty()) << "no message box after " << c.Ask.back();
    ExpectMessageBox(Screen(), ClientRect(box));
    Keys({c.Answer});
    bool answered = false;
    for (int i = 0; i < 50 && !answered; ++i) {
      answered = true;
      for (const std::string& id : Windows("^Stellix$")) answered = answered && id != box;
      if (!answered) desktop_.XDo({"sleep", "0.1"});
    }
    EXPECT_TRUE(answered) << c.Answer << " left the box open";
    if (!dialog.empty()) {
      // The dialog has the keyboard again before Escape closes it.
      ASSERT_EQ(desktop_.ActiveWindowNamed(c.Dialog), dialog);
      Keys({"Escape"});
      ASSERT_TRUE(desktop_.WaitUntilGone(c.Dialog));
    }
  }
  ASSERT_FALSE(desktop_.ActiveWindowNamed("^Stellix$").empty());
  Keys({"alt+f", "x"});
  EXPECT_EQ(program.Finish(20), 0);
}

}  // namespace
