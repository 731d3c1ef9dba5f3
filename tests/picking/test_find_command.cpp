// stellix --find TEXT: the ranked matches as a JSON list, with no window.
#include <gtest/gtest.h>

#include <string>

#include "tests/child_process.h"
#include "tests/test_files.h"

namespace {

struct ProgramRun {
  int status = -1;
  std::string out, err;
};

ProgramRun Find(const ScratchDir& dir, const std::string& args) {
  const ChildRun run = RunShell("'" + std::string(STELLIX_PROGRAM) + "' " + args,
                                {.Env = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb"},
                                 .Out = dir.File("out"),
                                 .Err = dir.File("err")});
  return {run.Status, run.Out, run.Err};
}

const char* kKrakow =
    "[Location]\nLongDeg=19\nLongMin=56\nEW=E\nLatDeg=50\nLatMin=4\nNS=N\nTimeZone=0\n"
    "DaylightSavingTime=0\n";

TEST(FindCommand, RankedMatchesNothingAndBadText) {
  ScratchDir dir;
  const std::string settings = dir.Write("s.ini", kKrakow);
  const std::string common = " --datetime 2026-12-08T22:00:00 --settings '" + settings + "'";
  struct Row {
    const char* Args;
    int Status;
    const char* OutStart;  // of standard output
  };
  const Row rows[] = {
      {"--find betelguese", 0, "[{\"name\":\"Betelgeuse\",\"kind\":\"star\",\"designations\":["},
      {"--find 'messier 31'", 0, "[{\"name\":\"M 31\",\"kind\":\"galaxy\""},
      {"--find 'ngc 0869'", 0, "[{\"name\":\"NGC 869\""},
      {"--find Saturn", 0, "[{\"name\":\"Saturn\",\"kind\":\"planet\""},
      {"--find halley", 0, "[{\"name\":\"1P/Halley\",\"kind\":\"comet\""},
      {"--find 'hale bopp'", 0, "[{\"name\":\"C/1995 O1 (Hale-Bopp)\",\"kind\":\"comet\""},
      {"--find vesta", 0, "[{\"name\":\"Vesta\",\"kind\":\"asteroid\""},
      {"--find 'Caldwell 14'", 0, "[{\"name\":\"NGC 869\",\"kind\":\"open cluster\""},
      {"--find C65", 0, "[{\"name\":\"NGC 253\",\"kind\":\"galaxy\""},
      {"--find Orionis", 0, "[{\"name\":\"Orion\",\"kind\":\"constellation\""},
      {"--find UMa", 0, "[{\"name\":\"Ursa Major\",\"kind\":\"constellation\""},
      {"--find krakow", 0,
       "[{\"name\":\"Poland:Krakow\",\"kind\":\"place\",\"designations\":[\"Krakow\"],"
       "\"magnitude\":null,\"altitudeDeg\":null}"},
      {"--find qqqqqqqq", 0, "[]\n"},
      {"--find ' - '", 2, ""},
      {"--find", 2, ""},
  };
  for (const Row& r : rows) {
    const ProgramRun run = Find(dir, common + " " + r.Args);
    EXPECT_EQ(run.status, r.Status) << r.Args << "\n" << run.err;
    EXPECT_TRUE(run.out.starts_with(r.OutStart)) << r.Args << "\n" << run.out;
    if (r.Status != 0) {
      EXPECT_NE(run.err.find("--find"), std::string::npos) << run.err;
    }
  }
  // At most 20, each with its altitude.
  const ProgramRun many = Find(dir, "--find a" + common);
  ASSERT_EQ(many.status, 0) << many.err;
  std::size_t count = 0;
  for (std::size_t at = many.out.find("\"altitudeDeg\":"); at != std::string::npos;
       at = many.out.find("\"altitudeDeg\":", at + 1))
    ++count;
  EXPECT_EQ(count, 20u);
}

}  // namespace
