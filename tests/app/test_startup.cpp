// What every start works out first: paths, the Qt platform, exit statuses.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "app/command_line.h"
#include "app/exit_status.h"
#include "app/paths.h"
#include "app/startup.h"
#include "tests/test_files.h"

namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one scope.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnvironment() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(Startup, QtPlatformsTriedInOrder) {
  struct Case {
    bool headless;
    const char *user, *display, *wayland;
    std::string expected;
  } cases[] = {
      // A window tries X11, then comes up offscreen to say there is no display.
      {false, nullptr, ":0", nullptr, "xcb;offscreen"},
      {false, nullptr, nullptr, nullptr, "xcb;offscreen"},
      {false, "", "", "", "xcb;offscreen"},
      // A Wayland session's window: Qt chooses.
      {false, nullptr, nullptr, "wayland-0", ""},
      // Headless: the X display when one is named (GL from the X server), else no display at all.
      {true, nullptr, ":0", nullptr, "xcb;offscreen"},
      {true, nullptr, nullptr, nullptr, "offscreen"},
      {true, nullptr, nullptr, "wayland-0", "offscreen"},
      // The user's choice comes first.
      {false, "wayland", ":0", nullptr, "wayland;offscreen"},
      {true, "xcb", nullptr, nullptr, "xcb;offscreen"},
      {false, "offscreen", ":0", nullptr, "offscreen"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(QtPlatformList(c.headless, c.user, c.display, c.wayland), c.expected)
        << c.headless << " " << (c.user ? c.user : "-") << " " << (c.display ? c.display : "-")
        << " " << (c.wayland ? c.wayland : "-");
}

TEST(Startup, RelativePathsMeanTheStartingDirectory) {
  ScratchDir dir;
  const fs::path cwd = fs::current_path();
  fs::current_path(dir.Path());
  const CommandLine cl = ParseCommandLine(
      {"--render", "out/sky.png", "--settings", "../s.INI", "--data-dir", "./data/"});
  const CommandLine absolute = ParseCommandLine({"--render", "/tmp/a.png"});
  fs::current_path(cwd);
  ASSERT_TRUE(cl.Error.empty()) << cl.Error;
  EXPECT_EQ(cl.RenderFile, (dir.Path() / "out/sky.png").string());
  EXPECT_EQ(cl.SettingsFile, (dir.Path().parent_path() / "s.INI").string());
  EXPECT_EQ(fs::path(cl.DataDir), (dir.Path() / "data/").lexically_normal());
  EXPECT_EQ(absolute.RenderFile, "/tmp/a.png");
  EXPECT_TRUE(cl.Headless());
  EXPECT_TRUE(ParseCommandLine({"--ephemeris"}).Headless());
  EXPECT_FALSE(ParseCommandLine({"--no-splash"}).Headless());
}

TEST(Startup, PrintPdfTakesOnlyANameEndingInPdf) {
  struct Case {
    const char* File;
    bool Accepted;
  } const kCases[] = {
      {"chart.pdf", true},  {"Chart.PDF", true}, {"a/b.Pdf", true}, {"x.png", false},
      {"x.pdf.png", false}, {".pdf", false},     {"pdf", false},    {"x.pdfx", false},
  };
  for (const Case& c : kCases) {
    const CommandLine cl = ParseCommandLine({"--print-pdf", c.File});
    EXPECT_EQ(cl.Error.empty(), c.Accepted) << c.File << ": " << cl.Error;
  }
  EXPECT_EQ(RefusalLine("stellix", "unknown option --x"),
            "stellix: unknown option --x (see stellix --help)\n");
}

TEST(Startup, DataDirectoryAndSettingsFile) {
  ScratchDir dir;
  const ScopedEnvironment config("XDG_CONFIG_HOME", dir.File("config"));
  // A build tree: bin/data beside the program; an installation: bin/../share/stellix.
  fs::create_directories(dir.Path() / "build/data");
  dir.Write("build/data/bsc5.bin", "");
  fs::create_directories(dir.Path() / "prefix/bin");
  fs::create_directories(dir.Path() / "prefix/share/stellix");
  dir.Write("prefix/share/stellix/bsc5.bin", "");

  const DataDirectory build = FindDataDirectory(dir.File("build"), "");
  EXPECT_EQ(build.Path, dir.File("build/data"));
  EXPECT_FALSE(build.Installed);
  EXPECT_EQ(SettingsFilePath(build, "stellix", ""), dir.File("build/data/stellix.INI"));

  // Installed: never into the share directory, even when it is writable (root).
  const DataDirectory installed = FindDataDirectory(dir.File("prefix/bin"), "");
  EXPECT_EQ(installed.Path, dir.File("prefix/share/stellix"));
  EXPECT_TRUE(installed.Installed);
  EXPECT_EQ(SettingsFilePath(installed, "stellix", ""), dir.File("config/stellix/stellix.INI"));

  EXPECT_EQ(FindDataDirectory(dir.File("nowhere"), "").Path, "");
  EXPECT_EQ(SettingsFilePath({}, "stellix", ""), dir.File("config/stellix/stellix.INI"));
  EXPECT_EQ(SettingsFilePath(build, "stellix", "/x/my.INI"), "/x/my.INI");

  // A --data-dir that is not a directory is an error; one that is, is used as given.
  const std::string exeDir = dir.File("build");
  EXPECT_EQ(
      ResolveStartupPaths(ParseCommandLine({"--data-dir", dir.File("none")}), exeDir, "stellix")
          .Error,
      "the data directory " + dir.File("none") + " does not exist");
  EXPECT_EQ(ResolveStartupPaths(ParseCommandLine({"--data-dir", dir.File("build/data/bsc5.bin")}),
                                exeDir, "stellix")
                .Error,
            "the data directory " + dir.File("build/data/bsc5.bin") + " is not a directory");
  const StartupPaths given = ResolveStartupPaths(
      ParseCommandLine({"--data-dir", dir.File("prefix/share/stellix")}), exeDir, "stellix");
  EXPECT_EQ(given.Error, "");
  EXPECT_EQ(given.InstallDirectory, dir.File("prefix/share/stellix"));
  EXPECT_EQ(given.SettingsPath, dir.File("prefix/share/stellix/stellix.INI"));
}

// What a script asks for is read from the data directory, wherever the
// program was started, and the working directory stays where it was.
TEST(Startup, TranslationsBesideTheProgram) {
  ScratchDir dir;
  fs::create_directories(dir.Path() / "build/data/translations");
  fs::create_directories(dir.Path() / "prefix/bin");
  fs::create_directories(dir.Path() / "prefix/share/stellix/translations");
  fs::create_directories(dir.Path() / "bare/bin");
  dir.Write("bare/share/stellix/translations", "");  // a file, not a directory
  EXPECT_EQ(TranslationsDirectory(dir.File("build")), dir.File("build/data/translations"));
  EXPECT_EQ(TranslationsDirectory(dir.File("prefix/bin")),
            dir.File("prefix/share/stellix/translations"));
  EXPECT_EQ(TranslationsDirectory(dir.File("bare/bin")), "");
  EXPECT_EQ(TranslationsDirectory(dir.File("nowhere")), "");
}

TEST(Startup, ScriptsReadTheDataDirectoryFromAnywhereAndStayWhereTheyAre) {
  ScratchDir dir;  // holds no data file
  const fs::path cwd = fs::current_path();
  fs::current_path(dir.Path());
  StartupPaths paths;
  paths.InstallDirectory = STELLIX_SOURCE_DATA_DIR;
  paths.SettingsPath = dir.File("stellix.INI");
  // One name from each catalogue file: bsc5.bin, deepsky.bin, faintstars.bin, ngcic.bin;
  // the place from location.dat.
  const struct {
    const char* Name;
    const char* Caption;
  } kCases[] = {{"Sirius", "\"caption\":\"Star HR 2491 (Sirius)\""},
                {"M 31", "\"caption\":\"Deep sky object M 31\""},
                {"HIP 87937", "\"caption\":\"Star HIP 87937\""},
                {"IC 434", "\"caption\":\"Deep sky object IC 434\""}};
  for (const auto& c : kCases) {
    const CommandLine cl = ParseCommandLine(
        {"--info", c.Name, "--place", "Poland:Krakow", "--datetime", "2024-01-01"});
    std::FILE* out = std::tmpfile();
    EXPECT_EQ(RunInfo(cl, paths, out, stderr), 0) << c.Name;
    std::rewind(out);
    char text[200] = {};
    EXPECT_GT(std::fread(text, 1, sizeof text - 1, out), 0u) << c.Name;
    std::fclose(out);
    EXPECT_NE(std::string(text).find(c.Caption), std::string::npos) << text;
    EXPECT_EQ(fs::current_path(), dir.Path()) << c.Name;
  }
  std::FILE* out = std::tmpfile();
  EXPECT_EQ(RunEphemeris(ParseCommandLine({"--ephemeris", "--place", "Peru:Lima"}), paths, out), 0);
  std::fclose(out);
  EXPECT_EQ(fs::current_path(), dir.Path());
  fs::current_path(cwd);
}

TEST(Startup, ReadOnlyDataDirectorySendsTheSettingsToTheConfigDirectory) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write into a read-only directory";
  ScratchDir dir;
  const ScopedEnvironment config("XDG_CONFIG_HOME", dir.File("config"));
  fs::create_directories(dir.Path() / "data");
  ::chmod(dir.File("data").c_str(), 0555);
  EXPECT_EQ(SettingsFilePath({dir.File("data"), false}, "stellix", ""),
            dir.File("config/stellix/stellix.INI"));
  ::chmod(dir.File("data").c_str(), 0755);
}

// --help, the manual page and the README give the same exit statuses.
TEST(Startup, ExitStatusesAreDocumentedAlike) {
  const std::string source = fs::path(STELLIX_SOURCE_DATA_DIR).parent_path().string();
  const std::string help = UsageText("stellix");
  const std::string manual = ReadFile(source + "/docs/stellix.1");
  const std::string readme = ReadFile(source + "/README.md");
  ASSERT_FALSE(manual.empty());
  ASSERT_FALSE(readme.empty());
  int previous = -1;
  for (const ExitStatusMeaning& e : kExitStatuses) {
    const std::string number = std::to_string(ToInt(e.Status));
    EXPECT_GT(ToInt(e.Status), previous) << "statuses are distinct and in order";
    previous = ToInt(e.Status);
    EXPECT_NE(help.find("\n  " + number + "  " + e.Meaning + "\n"), std::string::npos) << number;
    EXPECT_NE(manual.find("\n.TP\n.B " + number + "\n" + e.Meaning + "\n"), std::string::npos)
        << number;
    EXPECT_NE(readme.find("\n| " + number + " | " + e.Meaning + " |\n"), std::string::npos)
        << number;
  }
  // No status is documented that the program does not have.
  const std::size_t count = std::size(kExitStatuses);
  const auto occurrences = [](const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
      ++n;
    return n;
  };
  const std::size_t manualSection = manual.find(".SH EXIT STATUS");
  ASSERT_NE(manualSection, std::string::npos);
  EXPECT_EQ(occurrences(
                manual.substr(manualSection, manual.find(".SH", manualSection + 1) - manualSection),
                "\n.TP\n.B "),
            count);
  const std::size_t readmeSection = readme.find("## Exit status");
  ASSERT_NE(readmeSection, std::string::npos);
  EXPECT_EQ(occurrences(readme.substr(readmeSection,
                                      readme.find("\n## ", readmeSection + 1) - readmeSection),
                        "\n| "),
            count + 1);  // the table's heading row
}

}  // namespace
