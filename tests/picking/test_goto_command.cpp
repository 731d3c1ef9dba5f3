// stellix --goto "RA DEC" [--frame j2000|date|altaz]: the place the
// coordinates name as one JSON line, with no window; one line and status 2
// for coordinates that do not read.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "tests/child_process.h"
#include "tests/test_files.h"

namespace {

struct ProgramRun {
  int status = -1;
  std::string out, err;
};

ProgramRun Goto(const ScratchDir& dir, const std::string& args) {
  const ChildRun run = RunShell("'" + std::string(STELLIX_PROGRAM) + "' " + args,
                                {.Env = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb"},
                                 .Out = dir.File("out"),
                                 .Err = dir.File("err")});
  return {run.Status, run.Out, run.Err};
}

// The number after "key": in a JSON line; NaN when it is not there.
double Number(const std::string& json, const std::string& key) {
  const std::size_t at = json.find("\"" + key + "\":");
  if (at == std::string::npos) return std::nan("");
  return std::strtod(json.c_str() + at + key.size() + 3, nullptr);
}

const char* kKrakow =
    "[Location]\nLongDeg=19\nLongMin=55\nEW=E\nLatDeg=50\nLatMin=2\nNS=N\nTimeZone=0\n"
    "DaylightSavingTime=0\n";

// M 42 at 22:00 UT on 2026-12-08 from Krakow, in each frame's spelling:
// ERFA's place of date and geometric altitude and azimuth.
TEST(GotoCommand, EveryFrameNamesTheSamePlace) {
  ScratchDir dir;
  const std::string settings = dir.Write("s.ini", kKrakow);
  const std::string common = " --datetime 2026-12-08T22:00:00 --settings '" + settings + "'";
  const char* kRuns[] = {
      "--goto '5h35m17.3s -5\u00b023\u203228\u2033'",
      "--goto '5 35 17.3 \u22125 23 28' --frame J2000",
      "--goto '83.8221d, -5.391111'",
      "--goto '5h36m37.30s -5 22 24.3' --frame date",
      "--goto '32.7654 160.2703' --frame altaz",
  };
  for (const char* args : kRuns) {
    const ProgramRun run = Goto(dir, args + common);
    ASSERT_EQ(run.status, 0) << args << "\n" << run.err;
    EXPECT_TRUE(run.out.starts_with("{\"raJ2000\":")) << run.out;
    EXPECT_EQ(run.out.find('\n'), run.out.size() - 1) << "one line";
    EXPECT_NEAR(Number(run.out, "raJ2000"), 5.588139, 0.5 / 3600) << args;
    EXPECT_NEAR(Number(run.out, "decJ2000"), -5.391111, 2.0 / 3600) << args;
    EXPECT_NEAR(Number(run.out, "raDate"), 5.610361, 0.5 / 3600) << args;
    EXPECT_NEAR(Number(run.out, "decDate"), -5.373422, 2.0 / 3600) << args;
    EXPECT_NEAR(Number(run.out, "altitudeDeg"), 32.765401, 5.0 / 3600) << args;
    EXPECT_NEAR(Number(run.out, "azimuthDeg"), 160.270283, 5.0 / 3600) << args;
  }
}

TEST(GotoCommand, BadCoordinatesAndFramesAreOneLineAndStatusTwo) {
  ScratchDir dir;
  const std::string settings = dir.Write("s.ini", kKrakow);
  const std::string common = " --settings '" + settings + "'";
  const struct {
    const char* Args;
    const char* Said;  // in the line on standard error
  } kCases[] = {
      {"--goto '25h -5'", "right ascension"},
      {"--goto '5h35m -95'", "declination"},
      {"--goto '95 10' --frame altaz", "altitude"},
      {"--goto '45 -10' --frame altaz", "azimuth"},
      {"--goto '5 35 5 23'", "comma"},
      {"--goto 5h35m", "two coordinates"},
      {"--goto", "needs a value"},
      {"--goto '5h -5' --frame b1950", "--frame needs j2000, date or altaz"},
      {"--frame date", "--frame is an option of --goto"},
  };
  for (const auto& c : kCases) {
    const ProgramRun run = Goto(dir, common + " " + c.Args);
    EXPECT_EQ(run.status, 2) << c.Args;
    EXPECT_TRUE(run.out.empty()) << c.Args << "\n" << run.out;
    EXPECT_NE(run.err.find(c.Said), std::string::npos) << c.Args << "\n" << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << c.Args << ": one line\n" << run.err;
  }
}

}  // namespace
