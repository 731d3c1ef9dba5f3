// stellix --info and --find for the planets' moons: a moon's card gives its
// offset from its planet, within 2" of PyEphem for Jupiter's moons and 4" for
// Titan (tests/astro/data/moon_info_reference.csv, made by
// tools/make_moon_info_reference.py), and "gany" finds Ganymede.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/child_process.h"
#include "tests/test_files.h"

namespace {

struct ProgramRun {
  int status = -1;
  std::string out, err;
};

ProgramRun Stellix(const ScratchDir& dir, const std::string& args) {
  const ChildRun run = RunShell("'" + std::string(STELLIX_PROGRAM) + "' " + args,
                                {.Env = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb"},
                                 .Out = dir.File("out"),
                                 .Err = dir.File("err")});
  return {run.Status, run.Out, run.Err};
}

const char* kKrakow =
    "[Location]\nLongDeg=19\nLongMin=56\nEW=E\nLatDeg=50\nLatMin=4\nNS=N\nTimeZone=0\n"
    "DaylightSavingTime=0\n";

// The number after "key": in a one-line JSON object; nan when there is none.
double Number(const std::string& json, const std::string& key) {
  const std::size_t at = json.find("\"" + key + "\":");
  if (at == std::string::npos) return std::nan("");
  return std::strtod(json.c_str() + at + key.size() + 3, nullptr);
}

TEST(MoonInfo, OffsetsFromThePlanetAgainstPyEphem) {
  ScratchDir dir;
  const std::string settings = dir.Write("s.ini", kKrakow);
  std::ifstream table(STELLIX_MOON_INFO_REFERENCE);
  ASSERT_TRUE(table) << STELLIX_MOON_INFO_REFERENCE;
  std::string line;
  std::getline(table, line);  // the heading
  int rows = 0;
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    std::string moon, instant, east, north;
    std::getline(fields, moon, ',');
    std::getline(fields, instant, ',');
    std::getline(fields, east, ',');
    std::getline(fields, north, ',');
    const ProgramRun run = Stellix(
        dir, "--info " + moon + " --datetime " + instant + " --settings '" + settings + "'");
    ASSERT_EQ(run.status, 0) << moon << "\n" << run.err;
    const bool titan = moon == "Titan";
    EXPECT_NE(run.out.find("\"kind\":\"moon\",\"caption\":\"" + moon + "\""), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(titan ? "\"planet\":\"Saturn\"" : "\"planet\":\"Jupiter\""),
              std::string::npos)
        << run.out;
    const double tolerance = titan ? 4.0 : 2.0;  // arc-seconds
    EXPECT_NEAR(Number(run.out, "offsetEast"), std::stod(east), tolerance) << moon;
    EXPECT_NEAR(Number(run.out, "offsetNorth"), std::stod(north), tolerance) << moon;
    ++rows;
  }
  EXPECT_EQ(rows, 5);
}

TEST(MoonInfo, GanymedeIsFound) {
  ScratchDir dir;
  const std::string settings = dir.Write("s.ini", kKrakow);
  const std::string common = " --datetime 2026-01-10T22:00:00Z --settings '" + settings + "'";
  const ProgramRun find = Stellix(dir, "--find gany" + common);
  ASSERT_EQ(find.status, 0) << find.err;
  EXPECT_TRUE(find.out.starts_with("[{\"name\":\"Ganymede\",\"kind\":\"moon\"")) << find.out;
  // Centred on it, the frame is drawn.
  const ProgramRun render =
      Stellix(dir, "--render '" + dir.File("g.png") + "' --size 64x64 --centre GANYMEDE" + common);
  EXPECT_EQ(render.status, 0) << render.err;
  const ProgramRun unknown = Stellix(dir, "--info Ganimede" + common);
  EXPECT_EQ(unknown.status, 2);
}

}  // namespace
