// The eyepiece fields in a desktop session of their own, driven by xdotool
// as a user drives them: a field defined in its dialog from the View menu is
// drawn round the middle of the sky, Shift+E hides and shows it, the
// settings file keeps it and --render draws it at its size.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "tests/desktop_session.h"
#include "tests/test_files.h"

namespace {

// The fields' amber (255, 192, 0), and what its antialiased edges blend to
// on a black sky; no star or line of the sky shown is of this colour.
bool Amber(QRgb c) {
  return qRed(c) >= 100 && qGreen(c) >= qRed(c) * 0.6 && qGreen(c) <= qRed(c) * 0.85 &&
         qBlue(c) <= 60;
}

struct AmberExtent {
  int Count = 0;
  int Left = 1 << 30, Right = -1;
};
// The pixels of `image` that are amber and were not in `before` (the
// toolbar's icons have amber of their own).
AmberExtent NewAmber(const QImage& image, const QImage& before) {
  AmberExtent e;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (Amber(image.pixel(x, y)) && !Amber(before.pixel(x, y))) {
        ++e.Count;
        e.Left = std::min(e.Left, x);
        e.Right = std::max(e.Right, x);
      }
  return e;
}

class FieldsSession : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(desktop_.Ready()) << desktop_.Log(); }

  // The whole screen as it shows now.
  QImage Screen() {
    const std::string file = dir_.File("screen.png");
    desktop_.Output({"import", "-window", "root", file});
    return QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB32);
  }

  // A value of the settings file the program left.
  std::string Saved(const std::string& key) {
    const std::string text = ReadFile(dir_.File("stellix.INI"));
    const std::size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) return "";
    const std::size_t begin = text.find('=', at) + 1;
    return text.substr(begin, text.find('\n', begin) - begin);
  }

  DesktopSession desktop_;
  ScratchDir dir_;
};

TEST_F(FieldsSession, AnEyepieceFieldDefinedInItsDialogIsDrawnAtItsSize) {
  // A black equatorial sky at zoom 16 and a settings file without fields.
  dir_.Write("stellix.INI", "[Settings]\nZoom=16.0\nHorizonMode=0\nSkyColors=0\n");
  const std::vector<std::string> sky{"--settings", dir_.File("stellix.INI"), "--datetime",
                                     "2026-12-08T22:00:00"};
  std::vector<std::string> args{STELLIX_PROGRAM, "--no-splash"};
  args.insert(args.end(), sky.begin(), sky.end());
  ChildProcess program = desktop_.Spawn(args);
  const std::string window = desktop_.WindowNamed("^Stellix$");
  ASSERT_FALSE(window.empty()) << "no main window: " << program.Err();
  desktop_.XDo({"windowactivate", "--sync", window});
  ASSERT_TRUE(desktop_.WaitForStill(window, 60)) << "the first frame never settled";
  const QImage plain = Screen();

  // View > Eyepiece Fields...: a 25 mm eyepiece of 52 degrees on 1000 mm.
  ASSERT_TRUE(desktop_.OpenMenu("alt+v")) << "the View menu did not open";
  desktop_.XDo({"key", "i"});
  const std::string dialog = desktop_.ActiveWindowNamed("^Eyepiece Fields$");
  ASSERT_FALSE(dialog.empty()) << "no fields dialog";
  const std::string before = desktop_.Picture(window);
  desktop_.XDo({"type", "--delay", "50", "Plossl 25"});
  for (const auto& [label, number] :
       {std::pair{"alt+t", "1000"}, std::pair{"alt+e", "25"}, std::pair{"alt+p", "52"}}) {
    desktop_.XDo({"key", label});  // the box of the label, its text selected
    desktop_.XDo({"type", "--delay", "50", number});
  }
  desktop_.XDo({"key", "alt+a"});
  desktop_.XDo({"key", "Return"});
  ASSERT_TRUE(desktop_.WaitUntilGone("^Eyepiece Fields$")) << "the dialog stayed open";

  // The circle: 1.3 degrees at zoom 16 is sin(0.65 deg) x 16 view half-heights
  // across, whatever the view's height between 600 and 1024 pixels.
  ASSERT_TRUE(desktop_.WaitForChange(window, before, 30)) << "nothing was drawn";
  ASSERT_TRUE(desktop_.WaitForStill(window, 30));
  const AmberExtent shown = NewAmber(Screen(), plain);
  EXPECT_GT(shown.Count, 300) << "no amber circle";
  const double across = 2 * std::sin(0.65 * std::numbers::pi / 180) * 16;
  EXPECT_GE(shown.Right - shown.Left + 1, across * 600 / 2);
  EXPECT_LE(shown.Right - shown.Left + 1, across * 1024 / 2 + 4);

  // Shift+E hides the fields and shows them again.
  desktop_.XDo({"windowactivate", "--sync", window});
  std::string last = desktop_.Picture(window);
  desktop_.XDo({"key", "shift+e"});
  ASSERT_TRUE(desktop_.WaitForChange(window, last, 30));
  ASSERT_TRUE(desktop_.WaitForStill(window, 30));
  EXPECT_LE(NewAmber(Screen(), plain).Count, 20) << "hidden";
  last = desktop_.Picture(window);
  desktop_.XDo({"key", "shift+e"});
  ASSERT_TRUE(desktop_.WaitForChange(window, last, 30));

  // File > Exit keeps the field.
  ASSERT_TRUE(desktop_.OpenMenu("alt+f"));
  desktop_.XDo({"key", "x"});
  ASSERT_EQ(program.Finish(20), 0) << program.Err();
  EXPECT_EQ(Saved("EyepieceFields"), "1");
  EXPECT_EQ(Saved("Field1"), "Plossl 25");
  EXPECT_EQ(Saved("Kind1"), "Eyepiece");
  EXPECT_EQ(Saved("Telescope1"), "1000");
  EXPECT_EQ(Saved("Eyepiece1"), "25");
  EXPECT_EQ(Saved("ApparentField1"), "52");
  EXPECT_EQ(Saved("Field2"), "") << "one field, added once";

  // --render draws it from the settings: a ring sin(0.65 deg) x 300 x 16
  // pixels round the middle of an 800 x 600 frame.
  std::vector<std::string> render{
      STELLIX_PROGRAM, "--non-interactive", "--render", dir_.File("sky.png"), "--size", "800x600"};
  render.insert(render.end(), sky.begin(), sky.end());
  const ChildRun run = RunChild(render, {}, 120);
  ASSERT_EQ(run.Status, 0) << run.Err;
  const QImage frame =
      QImage(QString::fromStdString(dir_.File("sky.png"))).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(frame.size(), QSize(800, 600));
  const double radius = std::sin(0.65 * std::numbers::pi / 180) * 300 * 16;
  int onTheRing = 0, offTheRing = 0;
  // Round the lower three quarters (the name stands above the top).
  for (int degrees = -135; degrees <= 135; degrees += 5) {
    const double a = (degrees - 90) * std::numbers::pi / 180;
    const auto at = [&](double r) {
      return frame.pixel(static_cast<int>(std::lround(400 + r * std::cos(a))),
                         static_cast<int>(std::lround(300 - r * std::sin(a))));
    };
    bool found = false;
    for (double r = radius - 1.5; r <= radius + 1.5; r += 0.5) found = found || Amber(at(r));
    onTheRing += found;
    offTheRing += Amber(at(radius - 6)) + Amber(at(radius + 6));
  }
  EXPECT_EQ(onTheRing, 55) << "radius " << radius;
  EXPECT_EQ(offTheRing, 0);
}

}  // namespace
