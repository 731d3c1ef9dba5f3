// A right click and the card it opens, in a desktop session of its own,
// driven through the X server by xdotool as a user drives it.
#include <gtest/gtest.h>

#include "tests/desktop_session.h"
#include "tests/test_files.h"

namespace {

TEST(UserPicking, ARightClickOnAGalaxyOpensItsCardAndEscapeClosesIt) {
  DesktopSession desktop;
  ASSERT_TRUE(desktop.Ready()) << desktop.Log();
  ScratchDir dir;
  // Krakow's sky of 2026-12-08 22:00, zoomed in on M31 in the middle of the view.
  dir.Write("stellix.INI",
            "[Settings]\nZoom=8.0\nXRotation=318.73\nYRotation=349.32\n"
            "[Location]\nTimeZone=0\nDaylightSavingTime=0\n");
  ChildProcess program = desktop.Spawn({STELLIX_PROGRAM, "--settings", dir.File("stellix.INI"),
                                        "--datetime", "2026-12-08T22:00:00", "--no-splash"});
  const std::string frame = desktop.WindowNamed("^Stellix$");
  ASSERT_FALSE(frame.empty()) << "no main window: " << program.Err();
  desktop.XDo({"windowactivate", "--sync", frame});
  // The middle of the sky view of the maximised window on a 1280 x 1024 screen.
  desktop.XDo({"mousemove", "--sync", "637", "533"});
  desktop.XDo({"click", "3"});
  const std::string card = desktop.WindowNamed("^Deep sky object");
  EXPECT_FALSE(card.empty()) << "the card of M31" << program.Err();
  desktop.XDo({"key", "Escape"});
  EXPECT_TRUE(desktop.WaitUntilGone("^Deep sky object")) << "the card has closed";
  EXPECT_TRUE(desktop.OpenMenu("alt+f"));
  desktop.XDo({"key", "x"});
  EXPECT_EQ(program.Finish(20), 0) << program.Err();
}

}  // namespace
