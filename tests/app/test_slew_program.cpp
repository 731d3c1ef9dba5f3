// `stellix --slew` against a real INDI server and its telescope simulator,
// and its refusals.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <numbers>
#include <string>

#include "tests/child_process.h"
#include "tests/indi_server.h"
#include "tests/test_files.h"

namespace {

// The number after "key": in a line of JSON; NaN when it is not there.
double JsonNumberOf(const std::string& json, const std::string& key) {
  const std::size_t at = json.find("\"" + key + "\":");
  return at == std::string::npos ? NAN : std::atof(json.c_str() + at + key.size() + 3);
}

ChildRun Slew(const ScratchDir& dir, const std::string& args) {
  return RunShell("'" STELLIX_PROGRAM "' --settings '" + dir.File("s.INI") + "' " + args,
                  {.Out = dir.File("stdout"), .Err = dir.File("stderr")});
}

TEST(SlewProgram, SlewsAndPrintsWhereTheMountEnded) {
  IndiServer server;
  ASSERT_TRUE(server.Up()) << server.Log();
  ScratchDir dir;
  // Krakow, the settings' place, where Capella never sets.
  const ChildRun run =
      Slew(dir, "--telescope 127.0.0.1:" + std::to_string(server.Port()) + " --slew Capella");
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out.rfind("{\"device\":\"Telescope Simulator\",\"target\":\"Capella\",", 0), 0u)
      << run.Out;
  const double d = std::numbers::pi / 180;
  const double ra = JsonNumberOf(run.Out, "ra") * 15 * d, dec = JsonNumberOf(run.Out, "dec") * d;
  const double raDate = JsonNumberOf(run.Out, "raDate") * 15 * d;
  const double decDate = JsonNumberOf(run.Out, "decDate") * d;
  const double apart = std::acos(std::sin(dec) * std::sin(decDate) +
                                 std::cos(dec) * std::cos(decDate) * std::cos(ra - raDate));
  EXPECT_LT(apart / d * 60, 5) << run.Out;
  EXPECT_NEAR(JsonNumberOf(run.Out, "decDate"), 46.0, 0.1) << "Capella's declination of date";
}

TEST(SlewProgram, RefusesWithOneLineAndStatusTwo) {
  ScratchDir dir;
  const std::string nobody = "127.0.0.1:" + std::to_string(FreeLoopbackPort());
  struct Case {
    std::string Args, Line;
  } cases[] = {
      {"--telescope " + nobody + " --slew Capella",
       "stellix: No INDI server answers at " + nobody + ".\n"},
      {"--telescope " + nobody + " --slew Acrux",
       "stellix: Acrux: Object under horizon. Not visible.\n"},
      {"--telescope " + nobody + " --slew Nowhere", "stellix: no object is called \"Nowhere\"\n"},
      {"--telescope localhost:70000 --slew Capella",
       "stellix: --telescope needs HOST:PORT, the port a number from 1 to 65535 (see stellix "
       "--help)\n"},
      {"--telescope localhost:7624",
       "stellix: --telescope is an option of --slew (see stellix "
       "--help)\n"},
  };
  for (const Case& c : cases) {
    const auto start = std::chrono::steady_clock::now();
    const ChildRun run = Slew(dir, c.Args);
    EXPECT_EQ(run.Status, 2) << c.Args;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10)) << c.Args;
    // libindi notes its connection attempts on standard error first.
    const std::size_t last = run.Err.rfind("stellix: ");
    EXPECT_EQ(last == std::string::npos ? run.Err : run.Err.substr(last), c.Line) << c.Args;
    EXPECT_EQ(run.Out, "") << c.Args;
  }
}

}  // namespace
