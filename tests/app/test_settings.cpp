#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <random>

#include "astro/angles.h"
#include "astro/format.h"
#include "sky/app_settings.h"
#include "sky/profile.h"
#include "tests/child_process.h"
#include "tests/test_files.h"

namespace {

AppSettings Load(std::string_view iniText) {
  CProfile profile;
  profile.Parse(iniText);
  AppSettings settings;
  LoadSettings(profile, settings);
  return settings;
}

TEST(SettingsStore, EveryKeyHasItsDefaultWithoutAFile) {
  ScratchDir dir;
  CProfile profile;
  profile.Load(dir.File("missing.INI"));
  AppSettings s;
  s.Zoom = 99;  // the loader must overwrite every field
  s.Location = "elsewhere";
  LoadSettings(profile, s);

  EXPECT_EQ(s.Zoom, 2.0);
  EXPECT_EQ(s.XRotation, 0.0);
  EXPECT_EQ(s.YRotation, 270.0);
  for (int v : {s.ShowMessier, s.ShowNGC, s.ShowOpenClusters, s.ShowGlobClusters, s.ShowGalaxies,
                s.ShowNebulae, s.ShowPlanetNebulae, s.StarNames, s.PlanetNames, s.DeepSkyLabels,
                s.DeepSkyLabelByNumber, s.Boundaries, s.DeepSky, s.MilkyWay, s.SolarSystem,
                s.Ecliptic, s.StarsColors, s.DaylightSavingTime})
    EXPECT_EQ(v, 1);
  for (int v : {s.DeepSkyDrawSymbols, s.Coordinations, s.Constelations, s.AutoMode, s.HorizonMode,
                s.StarsDrawPoints, s.SkyColors})
    EXPECT_EQ(v, 0);
  EXPECT_EQ(s.StarsLimit, 11);
  EXPECT_EQ(s.DeepSkyLimit, 5);
  EXPECT_EQ(StarLimitFromIndex(s.StarsLimit), 7.5);
  EXPECT_EQ(DeepSkyLimitFromIndex(s.DeepSkyLimit), 11.0);
  EXPECT_EQ(s.DeepSkyColor, 16744448);
  EXPECT_EQ(s.DeepSkyLabelsColor, 16776960);
  EXPECT_EQ(s.PlanetNamesColor, 16711935);
  EXPECT_EQ(s.StarsNamesColor, 16711935);
  EXPECT_EQ(s.GridsColor, 12632256);
  EXPECT_EQ(s.ConstLinesColor, 65280);
  EXPECT_EQ(s.ConstBoundariesColor, 255);
  EXPECT_EQ(s.ConstLabelsColor, 65535);
  EXPECT_EQ(s.EclipticColor, 16711680);
  EXPECT_EQ(s.Location, "Poland:Krakow");
  EXPECT_EQ(s.LongDeg, 19);
  EXPECT_EQ(s.LongMin, 55);
  EXPECT_EQ(s.EW, "E");
  EXPECT_EQ(s.LatDeg, 50);
  EXPECT_EQ(s.LatMin, 2);
  EXPECT_EQ(s.NS, "N");
  EXPECT_EQ(s.TimeZone, 1.0f);
}

TEST(SettingsStore, AFirstStartFacesTheEquatorOverTheLocalHorizon) {
  struct Case {
    const char* ns;
    double yRotation;  // 90 faces the south in local-horizon mode, 270 the north
  } const cases[] = {{"N", 90}, {"S", 270}};
  for (const Case& c : cases) {
    AppSettings settings;
    settings.NS = c.ns;
    FirstStartView(settings);
    EXPECT_EQ(settings.HorizonMode, 1) << c.ns;
    EXPECT_EQ(settings.SkyColors, 1) << c.ns;
    EXPECT_EQ(settings.YRotation, c.yRotation) << c.ns;
    // The middle of the view 15 degrees up.
    EXPECT_EQ(settings.XRotation, 345.0) << c.ns;
    EXPECT_EQ(settings.AutoMode, 1) << c.ns;
    AppSettings others = settings;
    others.HorizonMode = others.SkyColors = others.AutoMode = 0;
    others.XRotation = others.YRotation = 0;
    AppSettings defaults;
    defaults.NS = c.ns;
    defaults.HorizonMode = defaults.SkyColors = 0;
    defaults.XRotation = defaults.YRotation = 0;
    EXPECT_EQ(others, defaults) << "nothing else changes";
  }
}

TEST(SettingsStore, EveryKeyRoundTrips) {
  AppSettings out;
  out.Zoom = 16.0;
  out.XRotation = 12.34;
  out.YRotation = 227.94;
  out.ShowMessier = 0;
  out.ShowNGC = 0;
  out.ShowOpenClusters = 0;
  out.ShowGlobClusters = 0;
  out.ShowGalaxies = 1;
  out.ShowNebulae = 0;
  out.ShowPlanetNebulae = 0;
  out.StarNames = 0;
  out.PlanetNames = 0;
  out.DeepSkyLabels = 0;
  out.DeepSkyLabelByNumber = 0;
  out.DeepSkyDrawSymbols = 1;
  out.Coordinations = 1;
  out.Boundaries = 0;
  out.Constelations = 1;
  out.DeepSky = 0;
  out.MilkyWay = 0;
  out.SolarSystem = 0;
  out.Ecliptic = 0;
  out.StarsLimit = 13;
  out.DeepSkyLimit = 7;
  out.AutoMode = 1;
  out.HorizonMode = 1;
  out.StarsColors = 0;
  out.StarsDrawPoints = 1;
  out.SkyColors = 1;
  out.DeepSkyColor = 1;
  out.DeepSkyLabelsColor = 2;
  out.PlanetNamesColor = 3;
  out.StarsNamesColor = 4;
  out.GridsColor = 5;
  out.ConstLinesColor = 6;
  out.ConstBoundariesColor = 7;
  out.ConstLabelsColor = 8;
  out.EclipticColor = 9;
  out.Location = "United States:New York";
  out.LongDeg = 74;
  out.LongMin = 0;
  out.EW = "W";
  out.LatDeg = 40;
  out.LatMin = 43;
  out.NS = "N";
  out.TimeZone = -5.5f;
  out.DaylightSavingTime = 0;

  ScratchDir dir;
  CProfile written;
  StoreSettings(out, written);
  ASSERT_TRUE(written.Save(dir.File("stellix.INI")));
  CProfile read;
  read.Load(dir.File("stellix.INI"));
  AppSettings in;
  LoadSettings(read, in);

  EXPECT_EQ(in.Zoom, out.Zoom);
  EXPECT_EQ(in.XRotation, out.XRotation);
  EXPECT_EQ(in.YRotation, out.YRotation);
  EXPECT_EQ(in.TimeZone, out.TimeZone);
  EXPECT_EQ(in.ShowGalaxies, 1);
  EXPECT_EQ(in.StarsLimit, 13);
  EXPECT_EQ(in.DeepSkyLimit, 7);
  EXPECT_EQ(in.HorizonMode, 1);
  EXPECT_EQ(in.StarsDrawPoints, 1);
  EXPECT_EQ(in.SkyColors, 1);
  EXPECT_EQ(in.DeepSkyDrawSymbols, 1);
  EXPECT_EQ(in.Coordinations, 1);
  EXPECT_EQ(in.Constelations, 1);
  EXPECT_EQ(in.AutoMode, 1);
  for (int v : {in.ShowMessier, in.ShowNGC, in.ShowOpenClusters, in.ShowGlobClusters,
                in.ShowNebulae, in.ShowPlanetNebulae, in.StarNames, in.PlanetNames,
                in.DeepSkyLabels, in.DeepSkyLabelByNumber, in.Boundaries, in.DeepSky, in.MilkyWay,
                in.SolarSystem, in.Ecliptic, in.StarsColors, in.DaylightSavingTime})
    EXPECT_EQ(v, 0);
  EXPECT_EQ(in.DeepSkyColor, 1);
  EXPECT_EQ(in.DeepSkyLabelsColor, 2);
  EXPECT_EQ(in.PlanetNamesColor, 3);
  EXPECT_EQ(in.StarsNamesColor, 4);
  EXPECT_EQ(in.GridsColor, 5);
  EXPECT_EQ(in.ConstLinesColor, 6);
  EXPECT_EQ(in.ConstBoundariesColor, 7);
  EXPECT_EQ(in.ConstLabelsColor, 8);
  EXPECT_EQ(in.EclipticColor, 9);
  EXPECT_EQ(in.Location, out.Location);
  EXPECT_EQ(in.LongDeg, 74);
  EXPECT_EQ(in.EW, "W");
  EXPECT_EQ(in.LatDeg, 40);
  EXPECT_EQ(in.LatMin, 43);
  EXPECT_EQ(in.NS, "N");
}

TEST(SettingsStore, NewFileIsWrittenInKeyOrderWithFixedDecimals) {
  CProfile profile;
  StoreSettings(AppSettings{}, profile);
  const std::string text = profile.Text();
  EXPECT_EQ(
      text.rfind("[Settings]\nZoom= 2.0\nXRotation=0.00\nYRotation=270.00\nShowMessier=1\n", 0), 0u)
      << text;
  EXPECT_NE(text.find("StarsNamesColor=16711935\nPlanetNamesColor=16711935\nGridsColor="),
            std::string::npos);
  EXPECT_NE(
      text.find("[Location]\nLocation=Poland:Krakow\nLongDeg=19\nLongMin=55\nEW=E\nLatDeg=50\n"
                "LatMin=2\nNS=N\nTimeZone= 1.0\nDaylightSavingTime=1\n"),
      std::string::npos)
      << text;
}

TEST(SettingsStore, LanguageIsWrittenOnlyOnceChosen) {
  const struct {
    const char* File;      // as read
    const char* Language;  // the setting read
    bool Reported;         // among the settings brought into range
    const char* Written;   // the Language line written back; nullptr for none
  } kCases[] = {
      {"", "", false, nullptr},  // a file of an older version stays as it was
      {"[Settings]\nLanguage=de\n", "de", false, "Language=de\n"},
      {"[Settings]\nLanguage=pt_BR\n", "pt_BR", false, "Language=pt_BR\n"},
      {"[Settings]\nLanguage=\n", "", false, "Language=\n"},  // kept as the user left it
      {"[Settings]\nLanguage=../de\n", "", true, "Language=\n"},
      {"[Settings]\nLanguage=de_\n", "", true, "Language=\n"},
      {"[Settings]\nLanguage=abcdefghijklmnopq\n", "", true, "Language=\n"},
  };
  for (const auto& c : kCases) {
    CProfile profile;
    profile.Parse(c.File);
    AppSettings settings;
    const std::vector<std::string> changes = LoadSettings(profile, settings);
    EXPECT_EQ(settings.Language, c.Language) << c.File;
    EXPECT_EQ(
        std::any_of(changes.begin(), changes.end(),
                    [](const std::string& change) { return change.starts_with("Language="); }),
        c.Reported)
        << c.File;
    StoreSettings(settings, profile);
    const std::string text = profile.Text();
    if (c.Written)
      EXPECT_NE(text.find(std::string("\n") + c.Written), std::string::npos) << text;
    else
      EXPECT_EQ(text.find("Language="), std::string::npos) << text;
  }
}

TEST(SettingsStore, StarAndDeepSkyLimitsFromTheirIndices) {
  EXPECT_EQ(StarLimitFromIndex(Load("[Settings]\nStarsLimit=13\n").StarsLimit), 7.5);
  EXPECT_EQ(StarLimitFromIndex(Load("[Settings]\nStarsLimit=11\n").StarsLimit), 7.5);
  EXPECT_EQ(StarLimitFromIndex(Load("[Settings]\nStarsLimit=10\n").StarsLimit), 6.0);
  EXPECT_EQ(StarLimitFromIndex(Load("[Settings]\nStarsLimit=0\n").StarsLimit), 1.0);
  EXPECT_EQ(DeepSkyLimitFromIndex(Load("[Settings]\nDeepSkyLimit=5\n").DeepSkyLimit), 11.0);
}

TEST(SettingsStore, ValuesThatDoNotParse) {
  const AppSettings s = Load(
      "[settings]\n"
      "zoom=fast\n"
      "XRotation=  12.5deg\n"
      "YRotation=nan\n"
      "StarsLimit=abc\n"
      "DeepSkyLimit=  7x\n"
      "MilkyWay=-1\n"
      "GridsColor=99999999999999\n"  // beyond int: clamped there, then to a colour
      "[LOCATION]\n"
      "timezone=1e400\n"
      "LatDeg=\n");
  EXPECT_EQ(s.Zoom, 0.0);
  EXPECT_EQ(s.XRotation, 12.5);
  EXPECT_EQ(s.YRotation, 0.0);
  EXPECT_EQ(s.StarsLimit, 0);
  EXPECT_EQ(s.DeepSkyLimit, 7);
  EXPECT_EQ(s.MilkyWay, 0);
  EXPECT_EQ(s.GridsColor, 0xFFFFFF);
  EXPECT_EQ(s.TimeZone, 0.0f);
  EXPECT_EQ(s.LatDeg, 0);
}

TEST(SettingsStore, SavingKeepsOtherSectionsUnknownKeysAndComments) {
  ScratchDir dir;
  const std::string path = dir.Write("stellix.INI",
                                     "; kept\n"
                                     "[Recent File List]\n"
                                     "File1=/home/user/m31.jpg\n"
                                     "\n"
                                     "[settings]\n"
                                     "ZOOM=4.0\n"
                                     "Favourite=Vega\n"
                                     "\n");
  CProfile profile;
  profile.Load(path);
  AppSettings s;
  LoadSettings(profile, s);
  EXPECT_EQ(s.Zoom, 4.0);
  s.Zoom = 8.0;
  StoreSettings(s, profile);
  ASSERT_TRUE(profile.Save(path));

  const std::string text = ReadFile(path);
  EXPECT_EQ(
      text.rfind("; kept\n[Recent File List]\nFile1=/home/user/m31.jpg\n\n[settings]\nZoom= 8.0\n"
                 "Favourite=Vega\nXRotation=0.00\n",
                 0),
      0u)
      << text;
  EXPECT_EQ(text.find("[Settings]"), std::string::npos) << "one section per name, any case";
  CProfile again;
  again.Load(path);
  EXPECT_EQ(again.GetString("Recent File List", "file1", ""), "/home/user/m31.jpg");
}

// Runs `body` in a child process and returns its exit status.
int InChild(const std::function<int()>& body) {
  ChildProcess child(body);
  const int status = child.Finish(120);
  return status >= 0 ? status : 100;
}

TEST(SettingsStore, FailedSaveLeavesTheOldFileWhole) {
  ScratchDir dir;
  const std::string old = "[Settings]\nZoom= 4.0\n";
  const std::string path = dir.Write("stellix.INI", old);
  CProfile profile;
  StoreSettings(AppSettings{}, profile);

  // A full disk: the write stops after a few bytes.
  const int fullDisk = InChild([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{16, 16};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    return profile.Save(path) ? 0 : 1;
  });
  EXPECT_EQ(fullDisk, 1);
  EXPECT_EQ(ReadFile(path), old);

  // A directory the user may not write to (as an unprivileged user, since root may write anywhere).
  ::chmod(dir.Path().c_str(), 0555);
  const int readOnly = InChild([&] {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return 2;
    return profile.Save(path) ? 0 : 1;
  });
  ::chmod(dir.Path().c_str(), 0755);
  EXPECT_EQ(readOnly, 1);
  EXPECT_EQ(ReadFile(path), old);
  // Nothing is left behind.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) ++entries;
  EXPECT_EQ(entries, 1);
}

// Values that would reach integer code (label placement, status panes,
// --ephemeris) out of range are brought into it as they are read; negative
// integers read as 0 as in a private profile, without a word.
TEST(SettingsStore, EverySettingIsClampedToItsRangeOnRead) {
  CProfile profile;
  profile.Parse(
      "[Settings]\n"
      "Zoom=1e-300\n"
      "XRotation=1e300\n"
      "YRotation=-1e300\n"
      "ShowMessier=7\n"
      "StarsLimit=-7\n"
      "DeepSkyLimit=99\n"
      "DeepSkyColor=16777216\n"
      "[Location]\n"
      "LongDeg=-5\n"
      "LatDeg=2147483647\n"
      "LatMin=60\n"
      "EW=x\n"
      "NS=S\n"
      "TimeZone=1e308\n");
  AppSettings s;
  const std::vector<std::string> changes = LoadSettings(profile, s);
  EXPECT_EQ(s.Zoom, 1.0);
  EXPECT_GE(s.XRotation, 0.0);
  EXPECT_LT(s.XRotation, 360.0);
  EXPECT_GE(s.YRotation, 0.0);
  EXPECT_LT(s.YRotation, 360.0);
  EXPECT_EQ(s.ShowMessier, 1);
  EXPECT_EQ(s.StarsLimit, 0);
  EXPECT_EQ(s.DeepSkyLimit, 10);
  EXPECT_EQ(s.DeepSkyColor, 0xFFFFFF);
  EXPECT_EQ(s.LongDeg, 0);
  EXPECT_EQ(s.LatDeg, 90);
  EXPECT_EQ(s.LatMin, 0) << "no minutes beyond the pole";
  EXPECT_EQ(s.EW, "W");  // what the engine reads any text but "E" as
  EXPECT_EQ(s.NS, "S");
  EXPECT_EQ(s.TimeZone, 14.0f);
  // The angles come out as whatever 1e300 is, reduced to one turn.
  const std::vector<std::string> expected = {"Zoom=1e-300 -> 1.0",
                                             "XRotation=1e300 -> ",
                                             "YRotation=-1e300 -> ",
                                             "ShowMessier=7 -> 1",
                                             "DeepSkyLimit=99 -> 10",
                                             "DeepSkyColor=16777216 -> 16777215",
                                             "EW=x -> W",
                                             "LatDeg=2147483647 -> 90",
                                             "LatMin=60 -> 0",
                                             "TimeZone=1e308 -> 14.0"};
  ASSERT_EQ(changes.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(changes[i].substr(0, expected[i].size()), expected[i]) << changes[i];
  EXPECT_EQ(SettingsClampedMessage("/home/u/stellix.INI", {"LatDeg=91 -> 90", "EW=x -> W"}),
            "Settings out of range in \"/home/u/stellix.INI\" were replaced by the nearest "
            "allowed values: LatDeg=91 -> 90, EW=x -> W   ");

  // What the program itself leaves is in range: nothing to say.
  CProfile written;
  AppSettings held;
  held.YRotation = 450.0;  // a horizon-mode camera, azimuth + 90
  held.XRotation = -300.0;
  held.Zoom = 0.0;  // the view starts such a file at zoom 1
  StoreSettings(held, written);
  AppSettings again;
  EXPECT_TRUE(LoadSettings(written, again).empty());
  EXPECT_EQ(again.YRotation, 450.0);
  EXPECT_EQ(again.Zoom, 0.0);
}

// Every value written reads back as the value the program holds: brought
// into its range first, never cut, with more decimals when needed.
TEST(SettingsStore, WrittenValuesReadBackAsHeld) {
  AppSettings held;
  held.Zoom = 1e308;
  held.XRotation = 12.345678901234;
  held.YRotation = 1.0 / 3.0;
  held.TimeZone = 5.75f;  // Nepal
  held.Location = "  Home \"sweet\" home  ";
  CProfile profile;
  StoreSettings(held, profile);
  const std::string text = profile.Text();
  EXPECT_NE(text.find("\nZoom=8192.0\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nTimeZone=5.75\n"), std::string::npos) << text;
  AppSettings read;
  CProfile parsed;
  parsed.Parse(text);
  EXPECT_TRUE(LoadSettings(parsed, read).empty());
  EXPECT_EQ(read.Zoom, 8192.0);
  EXPECT_EQ(read.XRotation, held.XRotation);
  EXPECT_EQ(read.YRotation, held.YRotation);
  EXPECT_EQ(read.TimeZone, held.TimeZone);
  EXPECT_EQ(read.Location, held.Location);
  // Values that fit the key's decimals keep the file's usual look.
  held = AppSettings{};
  held.XRotation = 7.5;
  StoreSettings(held, profile);
  EXPECT_NE(profile.Text().find("\nXRotation=7.50\n"), std::string::npos);
}

TEST(SettingsStore, LinesKeepTheirCarriageReturns) {
  CProfile profile;
  profile.Parse("[Settings]\r\nZoom=4.0\r\nOdd=x\r\r\n");
  AppSettings s;
  LoadSettings(profile, s);
  EXPECT_EQ(s.Zoom, 4.0);
  StoreSettings(s, profile);
  const std::string text = profile.Text();
  EXPECT_EQ(text.rfind("[Settings]\r\nZoom= 4.0\r\nOdd=x\r\r\nXRotation=0.00\r\n", 0), 0u) << text;
}

// Reads a file's permission bits.
mode_t ModeOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

TEST(SettingsStore, SavingKeepsTheModeFollowsLinksAndRespectsReadOnlyFiles) {
  ScratchDir dir;
  CProfile profile;
  StoreSettings(AppSettings{}, profile);

  // A private file stays private.
  const std::string privateFile = dir.Write("private.INI", "[Settings]\n");
  ::chmod(privateFile.c_str(), 0600);
  ASSERT_TRUE(profile.Save(privateFile));
  EXPECT_EQ(ModeOf(privateFile), 0600u);
  EXPECT_NE(ReadFile(privateFile).find("Zoom= 2.0"), std::string::npos);

  // A link is written through to its file and stays a link.
  std::filesystem::create_directory(dir.Path() / "real");
  const std::string real = dir.Write("real/stellix.INI", "[Settings]\n");
  ::chmod(real.c_str(), 0640);
  const std::string link = dir.File("link.INI");
  std::filesystem::create_symlink("real/stellix.INI", link);
  ASSERT_TRUE(profile.Save(link));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_NE(ReadFile(real).find("Zoom= 2.0"), std::string::npos);
  EXPECT_EQ(ModeOf(real), 0640u);
  // A link to a file not made yet makes it.
  const std::string dangling = dir.File("dangling.INI");
  std::filesystem::create_symlink(dir.File("real/new.INI"), dangling);
  ASSERT_TRUE(profile.Save(dangling));
  EXPECT_TRUE(std::filesystem::is_symlink(dangling));
  EXPECT_NE(ReadFile(dir.File("real/new.INI")).find("Zoom= 2.0"), std::string::npos);
  // A loop of links is refused.
  std::filesystem::create_symlink("loop-b.INI", dir.File("loop-a.INI"));
  std::filesystem::create_symlink("loop-a.INI", dir.File("loop-b.INI"));
  EXPECT_FALSE(profile.Save(dir.File("loop-a.INI")));

  // A read-only file is left alone, even by root.
  const std::string readOnly = dir.Write("read-only.INI", "[Settings]\nZoom= 8.0\n");
  ::chmod(readOnly.c_str(), 0444);
  EXPECT_FALSE(profile.Save(readOnly));
  EXPECT_EQ(ReadFile(readOnly), "[Settings]\nZoom= 8.0\n");
  EXPECT_EQ(ModeOf(readOnly), 0444u);

  // A directory, a pipe (or anything else not a regular file) is neither
  // read (a pipe would never end) nor replaced.
  std::filesystem::create_directory(dir.Path() / "folder.INI");
  EXPECT_FALSE(profile.Save(dir.File("folder.INI")));
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "folder.INI"));
  ASSERT_EQ(::mkfifo(dir.File("pipe.INI").c_str(), 0600), 0);
  CProfile fromPipe;
  fromPipe.Load(dir.File("pipe.INI"));
  EXPECT_EQ(fromPipe.Text(), "");
  EXPECT_FALSE(profile.Save(dir.File("pipe.INI")));

  // Nothing is left behind by the refused saves.
  for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
    EXPECT_EQ(e.path().string().find(".XXXXXX"), std::string::npos) << e.path();
  int temporaries = 0;
  for (const auto& e : std::filesystem::recursive_directory_iterator(dir.Path()))
    if (e.path().filename().string().find(".INI.") != std::string::npos) ++temporaries;
  EXPECT_EQ(temporaries, 0);
}

// A full disk: a small memory file system of the test's own where the
// system lets it mount one, else a file size limit.
TEST(SettingsStore, FullDiskLeavesTheOldFileWhole) {
  ScratchDir dir;
  std::filesystem::create_directory(dir.Path() / "disk");
  const std::string path = dir.File("disk/stellix.INI");
  CProfile profile;
  StoreSettings(AppSettings{}, profile);
  const std::string old = "[Settings]\nZoom= 4.0\n";
  const int status = InChild([&] {
    // A private mount namespace: the file system goes with the child.
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", dir.File("disk").c_str(), "tmpfs", 0, "size=8k") != 0)
      return 3;
    std::ofstream(path) << old;
    // Fill the rest of the disk.
    std::ofstream filler(dir.File("disk/filler"), std::ios::binary);
    const std::string block(512, 'x');
    while (filler.write(block.data(), block.size()) && filler.flush()) {
    }
    if (ReadFile(path) != old) return 4;
    const bool saved = profile.Save(path);
    if (ReadFile(path) != old) return 5;
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.File("disk")))
      ++entries;
    return saved ? 1 : entries == 2 ? 0 : 6;
  });
  // Without the right to mount, the file size limit of
  // FailedSaveLeavesTheOldFileWhole stands in for a full disk.
  if (status == 3) GTEST_SKIP() << "no tmpfs mount permitted here";
  EXPECT_EQ(status, 0) << "1: saved on a full disk, 4/5: the old file changed, 6: a file left";
}

// kill -9 at any moment of a save leaves the old file or the new one,
// complete and readable, never a mixture or a cut.
TEST(SettingsStore, KilledDuringSavesTheFileIsAlwaysWhole) {
  ScratchDir dir;
  const std::string path = dir.File("stellix.INI");
  CProfile a, b;
  AppSettings settings;
  settings.Location = std::string(3000, 'a');  // a longer file takes longer to write
  StoreSettings(settings, a);
  settings.Location = std::string(3000, 'b');
  settings.Zoom = 8.0;
  StoreSettings(settings, b);
  ASSERT_TRUE(a.Save(path));
  std::mt19937 random(20);
  std::uniform_int_distribution<int> delay(0, 3000);  // microseconds
  int killedMidway = 0;
  for (int run = 0; run < 1000; ++run) {
    ChildProcess saver(
        [&]() -> int {
          for (;;) (run % 2 ? a : b).Save(path);
        },
        {.Out = "/dev/null", .Err = "/dev/null"});
    ::usleep(static_cast<useconds_t>(delay(random)));
    saver.Stop();
    const std::string text = ReadFile(path);
    ASSERT_TRUE(text == a.Text() || text == b.Text()) << "run " << run << ": " << text.size();
    CProfile read;
    read.Parse(text);
    AppSettings loaded;
    EXPECT_TRUE(LoadSettings(read, loaded).empty());
    ++killedMidway;
  }
  EXPECT_EQ(killedMidway, 1000);
  // The temporary files of killed saves are all that may remain beside it.
  for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
    EXPECT_EQ(e.path().filename().string().rfind("stellix.INI", 0), 0u) << e.path();
}

TEST(NumberText, FormatFixedAndNormalize360) {
  EXPECT_EQ(astro::FormatFixed(0.5, 1), " 0.5");
  EXPECT_EQ(astro::FormatFixed(227.94, 2), "227.94");
  EXPECT_EQ(astro::FormatFixed(2.0, 1), " 2.0");
  EXPECT_EQ(astro::FormatFixed(0.0, 2), "0.00");
  EXPECT_EQ(astro::FormatFixed(-1.0, 1), "-1.0");
  // However long: 1e300 has 301 digits before the point.
  EXPECT_EQ(astro::FormatFixed(1e300, 2).size(), 304u);
  EXPECT_EQ(astro::FormatFixed(1e300, 2).substr(0, 5), "10000");
  EXPECT_EQ(astro::Normalize360(-10.0), 350.0);
  EXPECT_EQ(astro::Normalize360(360.0), 0.0);
  EXPECT_EQ(astro::Normalize360(725.0), 5.0);
}

}  // namespace
