// The program as a user starts it: options, messages and exit statuses.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "sky/sky_doc.h"
#include "tests/test_files.h"

namespace {

struct ProgramRun {
  int status = -1;
  std::string out, err;
};

ProgramRun RunProgram(const ScratchDir& dir, const std::string& args,
                      const std::string& environment = "") {
  const std::string command = environment + " '" + STELLIX_PROGRAM + "' " + args + " >'" +
                              dir.File("stdout") + "' 2>'" + dir.File("stderr") + "' </dev/null";
  ProgramRun run;
  // Under load Xvfb now and then refuses a connection: only then is the
  // program started again, as tests/with_display.sh does for test programs.
  for (int attempt = 0; attempt < 3; ++attempt) {
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(dir.File("stdout"));
    run.err = ReadFile(dir.File("stderr"));
    if (run.status == 0 || run.err.find("could not connect to display") == std::string::npos)
      break;
  }
  return run;
}

TEST(Program, HelpVersionAndBadOptions) {
  ScratchDir dir;
  const ProgramRun help = RunProgram(dir, "--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--data-dir DIR"), std::string::npos) << help.out;
  EXPECT_NE(help.out.find("--non-interactive"), std::string::npos);

  const ProgramRun version = RunProgram(dir, "--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("Stellix ", 0), 0u) << version.out;

  const ProgramRun bad = RunProgram(dir, "--frobnicate");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("unknown option --frobnicate"), std::string::npos) << bad.err;

  const ProgramRun missingValue = RunProgram(dir, "--data-dir");
  EXPECT_EQ(missingValue.status, 2);
}

TEST(Program, MissingCatalogueEndsWithItsMessageAndSavesNothing) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display (run under xvfb-run)";
  for (const char* missing : {"bsc5.bin", "cnstline.bin", "magellan.bin"}) {
    ScratchDir dir;
    std::filesystem::create_directory(dir.Path() / "data");
    for (const char* name : kCatalogueFiles)
      if (std::string(name) != missing) dir.Write(std::string("data/") + name, "");
    const std::string settings = dir.File("stellix.INI");
    const ProgramRun run =
        RunProgram(dir, "--non-interactive --no-splash --data-dir '" + dir.File("data") +
                            "' --settings '" + settings + "'");
    EXPECT_EQ(run.status, 3) << missing;
    // Qt may write its own diagnostics to standard error too; the message is one whole line.
    const std::string line = std::string("stop: Can't open \"") + missing + "\" file !   \n";
    EXPECT_TRUE(run.err.rfind(line, 0) == 0 || run.err.find("\n" + line) != std::string::npos)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(settings)) << "nothing may be saved";
  }
}

TEST(Program, WithoutOpenGLEndsWithItsMessage) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display (run under xvfb-run)";
  ScratchDir dir;
  // Qt's X11 platform without any GL integration cannot make a GL context.
  const ProgramRun run =
      RunProgram(dir, "--non-interactive --settings '" + dir.File("stellix.INI") + "'",
                 "QT_XCB_GL_INTEGRATION=none");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.err.find("stop: Can't initialize rendering context for OpenGL !    \n"),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir.File("stellix.INI")));
}

// The number after "key": in the object of body `name` of --ephemeris output.
double BodyField(const std::string& json, const std::string& name, const std::string& key) {
  const std::size_t body = json.find("{\"name\":\"" + name + "\"");
  const std::size_t at = json.find("\"" + key + "\":", body);
  if (body == std::string::npos || at == std::string::npos) return std::nan("");
  return std::stod(json.substr(at + key.size() + 3));
}

TEST(Program, EphemerisPutsTheMoonWhereAReferenceEphemerisHasIt) {
  // Krakow (50 04' N, 19 56' E) in Universal Time; PyEphem's topocentric
  // Moon (tests/astro/data/horizon_reference.csv): geometric and apparent
  // altitude, azimuth from the north through the east.
  ScratchDir dir;
  dir.Write("stellix.INI",
            "[Location]\nLatDeg=50\nLatMin=4\nNS=N\nLongDeg=19\nLongMin=56\nEW=E\n"
            "TimeZone=0\nDaylightSavingTime=0\n");
  struct Case {
    const char* DateTime;
    double Altitude, Azimuth, Apparent;
  } const kCases[] = {
      {"1901-09-02T04:10:00", 37.34780223, 236.0328142, 37.36892459},
      {"2026-01-06T10:00:00", -11.94498828, 308.0658197, -11.94498828},
      {"2099-12-30T06:40:00", 18.97010593, 277.2059322, 19.0169098},
  };
  for (const Case& c : kCases) {
    const ProgramRun run = RunProgram(dir, std::string("--ephemeris --datetime ") + c.DateTime +
                                               " --settings '" + dir.File("stellix.INI") + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    const double altitude = BodyField(run.out, "Moon", "altitude");
    const double azimuth = BodyField(run.out, "Moon", "azimuth");
    EXPECT_NEAR(altitude, c.Altitude, 3.0 / 60) << c.DateTime;
    EXPECT_NEAR(std::remainder(azimuth - c.Azimuth, 360.0) * std::cos(altitude * M_PI / 180), 0,
                3.0 / 60)
        << c.DateTime;
    if (c.Altitude > 0) {
      EXPECT_NEAR(BodyField(run.out, "Moon", "apparentAltitude"), c.Apparent, 3.0 / 60)
          << c.DateTime;
    }
  }
}

TEST(Program, EphemerisAndRenderFromTheCommandLine) {
  ScratchDir dir;
  dir.Write("stellix.INI", "[Location]\nTimeZone=0\nDaylightSavingTime=0\n");
  const std::string settings = " --settings '" + dir.File("stellix.INI") + "'";
  const ProgramRun ephemeris =
      RunProgram(dir, "--ephemeris --datetime 2000-01-01T12:00:00" + settings);
  EXPECT_EQ(ephemeris.status, 0) << ephemeris.err;
  EXPECT_EQ(ephemeris.out.rfind("{\"JulianDay\":2451545,", 0), 0u) << ephemeris.out;
  EXPECT_NE(ephemeris.out.find("\"SiderealAngle\":280.4606183"), std::string::npos);
  EXPECT_EQ(ephemeris.out.back(), '\n');

  const ProgramRun badDate = RunProgram(dir, "--ephemeris --datetime 2000-02-30T12:00:00");
  EXPECT_EQ(badDate.status, 2);
  const ProgramRun badSize = RunProgram(dir, "--render x.png --size 100x0");
  EXPECT_EQ(badSize.status, 2);

  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "rendering needs an X display";
  const ProgramRun render = RunProgram(
      dir, "--non-interactive --render '" + dir.File("sky.png") + "' --size 320x200" + settings);
  EXPECT_EQ(render.status, 0) << render.err;
  const std::string png = ReadFile(dir.File("sky.png"));
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  // Width and height stand big-endian in the IHDR chunk.
  const auto be32 = [&](std::size_t at) {
    return (static_cast<unsigned char>(png[at]) << 24) |
           (static_cast<unsigned char>(png[at + 1]) << 16) |
           (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
  };
  EXPECT_EQ(be32(16), 320u);
  EXPECT_EQ(be32(20), 200u);
}

}  // namespace
