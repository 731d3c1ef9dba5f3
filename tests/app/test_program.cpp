// The program as a user starts it: options, messages and exit statuses.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <climits>
#include <cstdlib>
#include <cstring>
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
  const int raw = std::system(command.c_str());
  ProgramRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = ReadFile(dir.File("stdout"));
  run.err = ReadFile(dir.File("stderr"));
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
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display (run under xvfb-run)";
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
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display (run under xvfb-run)";
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

// A settings file that cannot be written: its message, the file as it was,
// and a status that says the run failed.
TEST(Program, FailedSaveEndsWithANonZeroStatus) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display (run under xvfb-run)";
  ScratchDir dir;
  const std::string settings = dir.Write("stellix.INI", "[Settings]\nZoom=4.0\n");
  ::chmod(settings.c_str(), 0444);
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int err = ::open(dir.File("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(err, 2);
    ::execl(STELLIX_PROGRAM, STELLIX_PROGRAM, "--non-interactive", "--no-splash", "--timing",
            "--settings", settings.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  // Once the first frame is on the screen, a log-out ends the program normally.
  for (int i = 0; i < 600 && ReadFile(dir.File("stderr")).find("first frame") == std::string::npos;
       ++i)
    ::usleep(100000);
  ::kill(pid, SIGTERM);
  int status = 0;
  ::waitpid(pid, &status, 0);
  const std::string err = ReadFile(dir.File("stderr"));
  ASSERT_TRUE(WIFEXITED(status)) << err;
  EXPECT_EQ(WEXITSTATUS(status), 1) << err;
  EXPECT_EQ(LinesStartingWith(err, "stop: Can't write the settings file \"" + settings + "\" !   "),
            1)
      << err;
  EXPECT_EQ(ReadFile(settings), "[Settings]\nZoom=4.0\n");
}

}  // namespace
