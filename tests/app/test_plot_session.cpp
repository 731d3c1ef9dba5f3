// The altitude plot in a desktop session of its own, driven by xdotool as a
// user drives it: Ctrl+L on the object centred, Escape, the Search menu's
// item.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/desktop_session.h"
#include "tests/test_files.h"

namespace {

TEST(PlotSession, KeyAndMenuOpenThePlotOfTheObjectFound) {
  DesktopSession desktop;
  ASSERT_TRUE(desktop.Ready()) << desktop.Log();
  ScratchDir dir;
  dir.Write("stellix.INI",
            "[Location]\nLocation=Poland:Krakow\nLongDeg=19\nLongMin=56\nEW=E\nLatDeg=50\n"
            "LatMin=4\nNS=N\nTimeZoneId=Europe/Warsaw\n");
  ChildProcess program =
      desktop.Spawn({STELLIX_PROGRAM, "--settings", dir.File("stellix.INI"), "--datetime",
                     "2026-12-09T20:00:00", "--no-splash", "--centre", "Vega"});
  const std::string main = desktop.WindowNamed("^Stellix$");
  ASSERT_FALSE(main.empty()) << "no main window: " << program.Err();
  desktop.XDo({"windowactivate", "--sync", main});

  // The object centred at the start is the one plotted; the keys go to the
  // window once its sky is drawn.
  ASSERT_TRUE(desktop.WaitForStill(main, 60)) << "the first frame never settled";
  desktop.XDo({"key", "ctrl+l"});
  const std::string plot = desktop.ActiveWindowNamed("^Altitude Plot - Vega$");
  ASSERT_FALSE(plot.empty()) << program.Err();
  desktop.XDo({"key", "Escape"});
  EXPECT_TRUE(desktop.WaitUntilGone("^Altitude Plot"));

  // Search > Altitude Plot... opens it again.
  desktop.XDo({"windowactivate", "--sync", main});
  EXPECT_TRUE(desktop.OpenMenu("alt+r"));
  desktop.XDo({"key", "p"});
  EXPECT_FALSE(desktop.ActiveWindowNamed("^Altitude Plot - Vega$").empty());
  desktop.XDo({"key", "Escape"});
  EXPECT_TRUE(desktop.WaitUntilGone("^Altitude Plot"));

  desktop.XDo({"windowactivate", "--sync", main});
  EXPECT_TRUE(desktop.OpenMenu("alt+f"));
  desktop.XDo({"key", "x"});
  EXPECT_EQ(program.Finish(20), 0) << program.Err();
}

}  // namespace
