// The program as a user starts it: options, messages and exit statuses.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QImage>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "sky/sky_doc.h"
#include "tests/child_process.h"
#include "tests/test_files.h"

namespace {

struct ProgramRun {
  int status = -1;
  std::string out, err;
};

// The program with `args` (a shell's words), `environment` in front (a
// shell command such as "env -u DISPLAY" or "cd DIR &&").
ProgramRun RunProgram(const ScratchDir& dir, const std::string& args,
                      const std::string& environment = "") {
  const ChildRun child = RunShell(environment + " '" + STELLIX_PROGRAM + "' " + args,
                                  {.Out = dir.File("stdout"), .Err = dir.File("stderr")});
  return {child.Status, child.Out, child.Err};
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
}

// A refused command line: one line that names the fault and points to
// --help (never the whole usage text), status 2, and nothing written.
TEST(Program, EveryRefusalIsOneLineThatPointsToHelp) {
  struct Case {
    const char* Args;
    const char* Fault;
  } const kCases[] = {
      {"--frobnicate", "unknown option --frobnicate"},
      {"--data-dir", "option --data-dir needs a value"},
      {"--render x.png --size 100x0", "--size needs WIDTHxHEIGHT, each from 1 to 16384"},
      {"--page A4", "--page is an option of --print-pdf"},
      {"--print-pdf x.png", "--print-pdf needs a file name ending in .pdf"},
      {"--print-pdf x.pdf.png", "--print-pdf needs a file name ending in .pdf"},
      {"--print-pdf .pdf", "--print-pdf needs a file name ending in .pdf"},
  };
  for (const Case& c : kCases) {
    ScratchDir dir;
    const ProgramRun run = RunProgram(dir, c.Args, "cd '" + dir.Path().string() + "' &&");
    EXPECT_EQ(run.status, 2) << c.Args;
    EXPECT_EQ(run.err, std::string("stellix: ") + c.Fault + " (see stellix --help)\n") << c.Args;
    EXPECT_EQ(run.out, "") << c.Args;
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.png"))) << c.Args;
  }
}

TEST(Program, MissingCatalogueEndsWithItsMessageAndSavesNothing) {
  if (!std::getenv("DISPLAY"))
    GTEST_FAIL() << "needs an X display: run the tests under xvfb-run (./dev.sh test)";
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
  if (!std::getenv("DISPLAY"))
    GTEST_FAIL() << "needs an X display: run the tests under xvfb-run (./dev.sh test)";
  ScratchDir dir;
  // Qt's X11 platform without any GL integration cannot make a GL context.
  const ProgramRun run =
      RunProgram(dir, "--non-interactive --settings '" + dir.File("stellix.INI") + "'",
                 "QT_XCB_GL_INTEGRATION=none");
  EXPECT_EQ(run.status, 5);
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
  // The apparent sidereal angle: the mean 280.46061837 and the equation of the equinoxes.
  EXPECT_NE(ephemeris.out.find("\"SiderealAngle\":280.457072"), std::string::npos);
  EXPECT_EQ(ephemeris.out.back(), '\n');

  const ProgramRun badDate = RunProgram(dir, "--ephemeris --datetime 2000-02-30T12:00:00");
  EXPECT_EQ(badDate.status, 2);
  const ProgramRun badSize = RunProgram(dir, "--render x.png --size 100x0");
  EXPECT_EQ(badSize.status, 2);

  if (!std::getenv("DISPLAY"))
    GTEST_FAIL() << "needs an X display: run the tests under xvfb-run (./dev.sh test)";
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

// Runs without any display: neither X nor Wayland named.
const std::string kNoDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY";

TEST(Program, WindowWithoutADisplaySaysSoInOneLine) {
  for (const std::string& environment : {kNoDisplay, kNoDisplay + " DISPLAY=:nowhere"}) {
    ScratchDir dir;
    const ProgramRun run = RunProgram(
        dir, "--non-interactive --no-splash --settings '" + dir.File("stellix.INI") + "'",
        environment);
    EXPECT_EQ(run.status, 4) << environment << "\n" << run.err;
    const std::string reason =
        environment == kNoDisplay ? "DISPLAY is not set" : "DISPLAY=:nowhere";
    EXPECT_EQ(run.err, "stellix: cannot connect to the display (" + reason + ")\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("stellix.INI")));
  }
}

// The largest difference of any channel of any pixel; -1 when the sizes differ.
int LargestDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size() || a.isNull()) return -1;
  int largest = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  return largest;
}

TEST(Program, RenderWithoutADisplayDrawsWhatTheDisplayDraws) {
  ScratchDir dir;
  dir.Write("stellix.INI", "[Location]\nTimeZone=0\nDaylightSavingTime=0\n");
  const std::string options =
      "--non-interactive --datetime 2026-12-08T22:00:00 --size 400x300 "
      "--settings '" +
      dir.File("stellix.INI") + "' --render ";
  const ProgramRun headless =
      RunProgram(dir, options + "'" + dir.File("headless.png") + "'", kNoDisplay);
  EXPECT_EQ(headless.status, 0) << headless.err;
  EXPECT_EQ(headless.err, "") << "Qt's notices of a missing display are no news here";
  const QImage frame(QString::fromStdString(dir.File("headless.png")));
  ASSERT_EQ(frame.size(), QSize(400, 300));
  // Not an empty frame: stars, lines and labels in several colours.
  int lit = 0;
  for (int y = 0; y < frame.height(); ++y)
    for (int x = 0; x < frame.width(); ++x) lit += qGray(frame.pixel(x, y)) > 60;
  EXPECT_GT(lit, 500);

  // A display named but not there: the same frame, still no display needed.
  const ProgramRun unreachable = RunProgram(dir, options + "'" + dir.File("unreachable.png") + "'",
                                            kNoDisplay + " DISPLAY=:nowhere");
  EXPECT_EQ(unreachable.status, 0) << unreachable.err;
  EXPECT_EQ(LargestDifference(frame, QImage(QString::fromStdString(dir.File("unreachable.png")))),
            0);

  if (!std::getenv("DISPLAY"))
    GTEST_FAIL() << "needs an X display: run the tests under xvfb-run (./dev.sh test)";
  const ProgramRun onX = RunProgram(dir, options + "'" + dir.File("x.png") + "'");
  EXPECT_EQ(onX.status, 0) << onX.err;
  const int difference =
      LargestDifference(frame, QImage(QString::fromStdString(dir.File("x.png"))));
  EXPECT_GE(difference, 0);
  EXPECT_LE(difference, 3);
}

TEST(Program, RenderWritesTheFormatItsNameAsksForWhereTheUserIs) {
  ScratchDir dir;
  std::filesystem::create_directory(dir.Path() / "out");
  const std::string settings = " --settings '" + dir.File("stellix.INI") + "'";
  // Relative names are the starting directory's, not the data directory's.
  const std::string here = "cd '" + dir.File("out") + "' && " + kNoDisplay;
  struct Case {
    const char* name;
    std::string magic;  // the file's first bytes
  } cases[] = {{"sky.png", "\x89PNG"},
               {"sky.jpg", "\xFF\xD8\xFF"},
               {"sky.JPEG", "\xFF\xD8\xFF"},
               {"sky.bmp", "BM"},
               {"sky", "\x89PNG"}};
  for (const Case& c : cases) {
    const ProgramRun run = RunProgram(
        dir, std::string("--non-interactive --size 32x24 --render ") + c.name + settings, here);
    EXPECT_EQ(run.status, 0) << c.name << ": " << run.err;
    EXPECT_EQ(ReadFile(dir.File(std::string("out/") + c.name)).substr(0, c.magic.size()), c.magic)
        << c.name;
  }
  // A format Qt cannot write is refused before anything is drawn.
  const ProgramRun refused = RunProgram(dir, "--non-interactive --render sky.xyz" + settings, here);
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("cannot write " + dir.File("out/sky.xyz") +
                             ": no image format for its suffix ("),
            std::string::npos)
      << refused.err;
  EXPECT_FALSE(std::filesystem::exists(dir.File("out/sky.xyz")));
  // A directory that is not there: the frame cannot be written.
  const ProgramRun unwritable =
      RunProgram(dir, "--non-interactive --size 8x8 --render no/such/dir.png" + settings, here);
  EXPECT_EQ(unwritable.status, 2);
  EXPECT_NE(unwritable.err.find("could not write " + dir.File("out/no/such/dir.png")),
            std::string::npos)
      << unwritable.err;
}

TEST(Program, DataDirectoryThatIsNotThereEndsWithStatus3) {
  ScratchDir dir;
  const std::string missing = dir.File("no-such-data");
  for (const char* mode : {"--ephemeris", "--render sky.png", "--no-splash"}) {
    const ProgramRun run =
        RunProgram(dir, std::string("--non-interactive ") + mode + " --data-dir '" + missing + "'",
                   kNoDisplay);
    EXPECT_EQ(run.status, 3) << mode;
    EXPECT_EQ(run.err, "stellix: the data directory " + missing + " does not exist\n") << mode;
  }
}

// A data directory of links to the real files, with some names taken by FIFOs.
void LinkDataWithFifos(const ScratchDir& dir, std::initializer_list<std::string> fifos) {
  std::filesystem::create_directory(dir.Path() / "data");
  for (const auto& entry : std::filesystem::directory_iterator(STELLIX_SOURCE_DATA_DIR)) {
    const std::string name = entry.path().filename().string();
    const std::string target = dir.File("data/" + name);
    if (std::find(fifos.begin(), fifos.end(), name) != fifos.end())
      ASSERT_EQ(::mkfifo(target.c_str(), 0644), 0) << name;
    else
      std::filesystem::create_symlink(entry.path(), target);
  }
}

TEST(Program, DataFilesThatAreFifosAreNotWaitedFor) {
  const std::string options = "--non-interactive --size 64x48 --render sky.png";
  {
    // A catalogue: its message and status 3.
    ScratchDir dir;
    LinkDataWithFifos(dir, {"bsc5.bin"});
    const ProgramRun run =
        RunProgram(dir, options + " --data-dir '" + dir.File("data") + "'",
                   "cd '" + dir.Path().string() + "' && " + kNoDisplay + " timeout 60");
    EXPECT_EQ(run.status, 3) << "124 means it hung: " << run.err;
    EXPECT_EQ(run.err, "stop: Can't open \"bsc5.bin\" file !   \n");
  }
  {
    // A texture: the frame is drawn without it.
    ScratchDir dir;
    LinkDataWithFifos(dir, {"sun.tex"});
    const ProgramRun run =
        RunProgram(dir, options + " --data-dir '" + dir.File("data") + "'",
                   "cd '" + dir.Path().string() + "' && " + kNoDisplay + " timeout 60");
    EXPECT_EQ(run.status, 0) << "124 means it hung: " << run.err;
    EXPECT_TRUE(std::filesystem::exists(dir.File("sky.png")));
  }
}

// Lines of `text` that begin with `prefix`.
int LinesStartingWith(const std::string& text, const std::string& prefix) {
  int count = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find('\n', at);
    if (text.compare(at, prefix.size(), prefix) == 0) ++count;
    at = end == std::string::npos ? text.size() : end + 1;
  }
  return count;
}

// Settings that once reached integer code as NaN or huge numbers (an
// all-black frame, undefined behaviour in the label code) are brought into
// range as they are read, and a script is told so in one line.
TEST(Program, SettingsOutOfRangeAreClampedAndSaidOnce) {
  if (!std::getenv("DISPLAY"))
    GTEST_FAIL() << "needs an X display: run the tests under xvfb-run (./dev.sh test)";
  ScratchDir dir;
  const std::string settings = dir.Write("stellix.INI",
                                         "[Settings]\nXRotation=1e300\nYRotation=-1e300\n"
                                         "Zoom=1e-300\nStarNames=1\n[Location]\n"
                                         "TimeZone=1e308\nLatDeg=2147483647\n");
  const ProgramRun run = RunProgram(
      dir, "--non-interactive --render '" + dir.File("sky.png") +
               "' --size 320x240 --datetime 2026-12-08T22:00:00 --settings '" + settings + "'");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(LinesStartingWith(run.err, "exclamation: Settings out of range in \"" + settings +
                                           "\" were replaced by the nearest allowed values: "
                                           "Zoom=1e-300 -> 1.0, XRotation=1e300 -> "),
            1)
      << run.err;
  EXPECT_NE(run.err.find("LatDeg=2147483647 -> 90, LatMin=2 -> 0, TimeZone=1e308 -> 14.0   \n"),
            std::string::npos)
      << run.err;
  const QImage image(QString::fromStdString(dir.File("sky.png")));
  ASSERT_FALSE(image.isNull());
  int lit = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) lit += image.pixel(x, y) != qRgb(0, 0, 0);
  EXPECT_GT(lit, 50) << "stars are drawn";

  // --ephemeris reads the same settings: the observer stands at the pole.
  const ProgramRun ephemeris =
      RunProgram(dir, "--ephemeris --datetime 2026-12-08T22:00:00 --settings '" + settings + "'");
  EXPECT_EQ(ephemeris.status, 0);
  EXPECT_NE(ephemeris.out.find("\"latitude\":90,"), std::string::npos) << ephemeris.out;
  EXPECT_EQ(LinesStartingWith(ephemeris.err, "exclamation: Settings out of range in"), 1);
}

TEST(Program, DamagedCatalogueIsNamedAndTheSkyIsStillDrawn) {
  if (!std::getenv("DISPLAY"))
    GTEST_FAIL() << "needs an X display: run the tests under xvfb-run (./dev.sh test)";
  ScratchDir dir;
  std::filesystem::create_directory(dir.Path() / "data");
  for (const auto& entry : std::filesystem::directory_iterator(STELLIX_SOURCE_DATA_DIR))
    std::filesystem::create_symlink(entry.path(), dir.Path() / "data" / entry.path().filename());
  // Every deep-sky label offset the most negative integer.
  std::string deepSky = ReadFile(std::string(STELLIX_SOURCE_DATA_DIR) + "/deepsky.bin");
  const std::int32_t intMin = INT_MIN;
  for (std::size_t at = 0; at + 64 <= deepSky.size(); at += 64)
    std::memcpy(&deepSky[at + 12], &intMin, 4);
  std::filesystem::remove(dir.Path() / "data" / "deepsky.bin");
  dir.Write("data/deepsky.bin", deepSky);
  dir.Write("stellix.INI", "[Settings]\nZoom=4.0\n");
  const ProgramRun run = RunProgram(dir, "--non-interactive --render '" + dir.File("sky.png") +
                                             "' --size 320x240 --data-dir '" + dir.File("data") +
                                             "' --settings '" + dir.File("stellix.INI") + "'");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(LinesStartingWith(run.err,
                              "exclamation: The file \"deepsky.bin\" is damaged: 210 records are "
                              "unusable, the first record 1 (a label offset beyond 1000 pixels). "
                              "The sky is shown without those records.   "),
            1)
      << run.err;
}

// The faint-star and NGC/IC files, read as the frame first needs them: a
// short file and a refused header are named as the other catalogues are,
// and the sky is drawn without what was left out.
TEST(Program, DamagedCellFilesAreNamedAsTheyAreRead) {
  if (!std::getenv("DISPLAY"))
    GTEST_FAIL() << "needs an X display: run the tests under xvfb-run (./dev.sh test)";
  const std::string data = STELLIX_SOURCE_DATA_DIR;
  const std::string faint = ReadFile(data + "/faintstars.bin");
  std::uint32_t count = 0;
  std::memcpy(&count, faint.data() + 12, 4);
  std::string ngcic = ReadFile(data + "/ngcic.bin");
  ngcic[0] = 'X';
  struct Case {
    const char* File;
    std::string Bytes, Message;
  } const kCases[] = {
      {"faintstars.bin", faint.substr(0, 20 + 1000 * 36 + 17),
       "The file \"faintstars.bin\" is damaged: records 1001 to " + std::to_string(count) +
           " are missing. The sky is shown without those records.   "},
      {"ngcic.bin", ngcic,
       "The file \"ngcic.bin\" is damaged: its header is not one this program reads. The sky is "
       "shown without that file.   "},
  };
  for (const Case& c : kCases) {
    ScratchDir dir;
    std::filesystem::create_directory(dir.Path() / "data");
    for (const auto& entry : std::filesystem::directory_iterator(data))
      if (entry.path().filename() != c.File)
        std::filesystem::create_symlink(entry.path(),
                                        dir.Path() / "data" / entry.path().filename());
    dir.Write(std::string("data/") + c.File, c.Bytes);
    dir.Write("stellix.INI", "[Settings]\nZoom=8.0\nSkyColors=0\n");
    const ProgramRun run = RunProgram(dir, "--non-interactive --render '" + dir.File("sky.png") +
                                               "' --size 320x240 --data-dir '" + dir.File("data") +
                                               "' --settings '" + dir.File("stellix.INI") + "'");
    EXPECT_EQ(run.status, 0) << c.File << run.err;
    EXPECT_EQ(LinesStartingWith(run.err, "exclamation: " + c.Message), 1) << c.File << run.err;
    EXPECT_FALSE(QImage(QString::fromStdString(dir.File("sky.png"))).isNull()) << c.File;
  }
}

// A settings file that cannot be written: its message, the file as it was,
// and a status that says the run failed.
TEST(Program, FailedSaveEndsWithANonZeroStatus) {
  if (!std::getenv("DISPLAY"))
    GTEST_FAIL() << "needs an X display: run the tests under xvfb-run (./dev.sh test)";
  ScratchDir dir;
  const std::string settings = dir.Write("stellix.INI", "[Settings]\nZoom=4.0\n");
  ::chmod(settings.c_str(), 0444);
  ChildProcess program(
      {STELLIX_PROGRAM, "--non-interactive", "--no-splash", "--timing", "--settings", settings},
      {.Err = dir.File("stderr")});
  // Once the first frame is on the screen, a log-out ends the program normally.
  EXPECT_TRUE(WaitUntil(
      [&] { return ReadFile(dir.File("stderr")).find("first frame") != std::string::npos; }, 60));
  program.Signal(SIGTERM);
  const int status = program.Finish(60);
  const std::string err = ReadFile(dir.File("stderr"));
  EXPECT_EQ(status, 1) << err;
  EXPECT_EQ(LinesStartingWith(err, "stop: Can't write the settings file \"" + settings + "\" !   "),
            1)
      << err;
  EXPECT_EQ(ReadFile(settings), "[Settings]\nZoom=4.0\n");
}

TEST(Program, AFirstStartShowsTheLocalHorizonInTheSkysColours) {
  ScratchDir dir;
  const std::string noon = " --non-interactive --datetime 2026-12-09T12:00:00 --size 480x320";
  const auto skyBlue = [](QRgb c) { return qBlue(c) > 120 && qBlue(c) > qRed(c) + 60; };
  // The share of the pixels of row y that are sky blue.
  const auto blueShare = [&](const QImage& image, int y) {
    int blue = 0;
    for (int x = 0; x < image.width(); ++x) blue += skyBlue(image.pixel(x, y));
    return blue / static_cast<double>(image.width());
  };
  // No settings file: the horizon at noon, the sky blue above it, the ground
  // below it, the horizon in the lower third.
  const ProgramRun first = RunProgram(dir, "--render '" + dir.File("first.png") + "' --settings '" +
                                               dir.File("stellix.INI") + "'" + noon);
  ASSERT_EQ(first.status, 0) << first.err;
  const QImage view(QString::fromStdString(dir.File("first.png")));
  ASSERT_EQ(view.size(), QSize(480, 320));
  EXPECT_GT(blueShare(view, 5), 0.7) << "the sky's colours, by day";
  EXPECT_GT(blueShare(view, 320 / 2), 0.6) << "sky down to the middle";
  EXPECT_EQ(blueShare(view, 320 - 3), 0.0) << "the ground at the bottom";
  // An existing file keeps its values: here the chart without the sky's colours.
  dir.Write("kept.INI", "[Settings]\nHorizonMode=0\nSkyColors=0\n");
  const ProgramRun kept = RunProgram(dir, "--render '" + dir.File("kept.png") + "' --settings '" +
                                              dir.File("kept.INI") + "'" + noon);
  ASSERT_EQ(kept.status, 0) << kept.err;
  const QImage chart(QString::fromStdString(dir.File("kept.png")));
  EXPECT_LT(blueShare(chart, 5), 0.1) << "black but for a line or two";
}

TEST(Program, ScriptsTakeAPlaceADateAndAnInstant) {
  ScratchDir dir;
  // A settings file of an older version: Greenwich on UT, without a zone.
  dir.Write("stellix.INI", "[Location]\nTimeZone=0\nDaylightSavingTime=0\n");
  const std::string settings = " --settings '" + dir.File("stellix.INI") + "'";
  const std::string before = ReadFile(dir.File("stellix.INI"));
  struct Row {
    const char* Args;
    const char* Ut;
    const char* Offset;
  };
  const Row rows[] = {
      {"--datetime 2026-12-08", "2026-12-08T00:00:00Z", "0"},
      {"--place Krakow --datetime 2026-07-15T22:00:00", "2026-07-15T20:00:00Z", "2"},
      {"--place 'poland:krakow' --datetime 2026-01-15T22:00:00", "2026-01-15T21:00:00Z", "1"},
      {"--place Australia:Sydney --datetime 2026-01-15T22:00:00", "2026-01-15T11:00:00Z", "11"},
      {"--place Australia:Sydney --datetime 2026-07-15T22:00:00", "2026-07-15T12:00:00Z", "10"},
      {"--place 'New York' --datetime 2026-03-10T22:00:00", "2026-03-11T02:00:00Z", "-4"},
      {"--place 'New York' --datetime 2026-03-08T02:30:00", "2026-03-08T07:30:00Z", "-4"},
      {"--place 'New York' --datetime 2026-11-01T01:30:00", "2026-11-01T05:30:00Z", "-4"},
      {"--place Kathmandu --datetime 1980-05-01T20:00:00", "1980-05-01T14:30:00Z", "5.5"},
      {"--place Kathmandu --datetime 2026-05-01T20:00:00", "2026-05-01T14:15:00Z", "5.75"},
      {"--place Kiritimati --datetime 2026-05-01T20:00:00", "2026-05-01T06:00:00Z", "14"},
      {"--place Krakow --datetime 2026-07-15T20:00:00Z", "2026-07-15T20:00:00Z", "2"},
      {"--place Krakow --datetime 2026-07-16T01:45:00+05:45", "2026-07-15T20:00:00Z", "2"},
      // Cities in their zones' areas, against Python's zoneinfo.
      {"--place 'USA:Amarillo, Texas' --datetime 1990-07-01T22:00:00", "1990-07-02T03:00:00Z",
       "-5"},
      {"--place 'Canada:Saskatoon, Saskatchewan' --datetime 1965-07-01T22:00:00",
       "1965-07-02T04:00:00Z", "-6"},
      {"--place Zelenchukskaya --datetime 2005-01-15T22:00:00", "2005-01-15T19:00:00Z", "3"},
  };
  for (const Row& row : rows) {
    const ProgramRun run = RunProgram(dir, std::string("--ephemeris ") + row.Args + settings);
    EXPECT_EQ(run.status, 0) << row.Args << ": " << run.err;
    EXPECT_NE(run.out.find(std::string("\"ut\":\"") + row.Ut + "\""), std::string::npos)
        << row.Args << ": " << run.out.substr(0, 120);
    EXPECT_NE(run.out.find(std::string("\"utcOffset\":") + row.Offset + ","), std::string::npos)
        << row.Args << ": " << run.out.substr(0, 120);
  }
  // --place is for the run: the settings file keeps its place.
  EXPECT_EQ(ReadFile(dir.File("stellix.INI")), before);
  const ProgramRun unknown = RunProgram(dir, "--ephemeris --place Atlantis" + settings);
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.err, "stellix: no place is called \"Atlantis\"\n");
  for (const char* bad : {"2026-12-8", "2026-12-08T22:00", "2026-12-08T22:00:00+15:00"}) {
    const ProgramRun refused = RunProgram(dir, std::string("--ephemeris --datetime ") + bad);
    EXPECT_EQ(refused.status, 2) << bad;
  }
}

}  // namespace
