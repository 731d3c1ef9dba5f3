#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "astro/angles.h"
#include "astro/format.h"
#include "sky/app_settings.h"
#include "sky/profile.h"
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

TEST(SettingsStore, EveryKeyRoundTrips) {
  AppSettings out;
  out.Zoom = 16.0;
  out.XRotation = 12.34;
  out.YRotation = 227.94;
  out.ShowMessier = 0;
  out.ShowNGC = 0;
  out.ShowOpenClusters = 0;
  out.ShowGlobClusters = 0;
  out.ShowGalaxies = 2;
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
  EXPECT_EQ(in.ShowGalaxies, 2);
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
      "GridsColor=99999999999999\n"
      "[LOCATION]\n"
      "timezone=1e400\n"
      "LatDeg=\n");
  EXPECT_EQ(s.Zoom, 0.0);
  EXPECT_EQ(s.XRotation, 12.5);
  EXPECT_EQ(s.YRotation, 0.0);
  EXPECT_EQ(s.StarsLimit, 0);
  EXPECT_EQ(s.DeepSkyLimit, 7);
  EXPECT_EQ(s.MilkyWay, 0);
  EXPECT_EQ(s.GridsColor, 2147483647);
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
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
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

TEST(NumberText, FormatFixedAndNormalize360) {
  EXPECT_EQ(astro::FormatFixed(0.5, 1), " 0.5");
  EXPECT_EQ(astro::FormatFixed(227.94, 2), "227.94");
  EXPECT_EQ(astro::FormatFixed(2.0, 1), " 2.0");
  EXPECT_EQ(astro::FormatFixed(0.0, 2), "0.00");
  EXPECT_EQ(astro::FormatFixed(-1.0, 1), "-1.0");
  EXPECT_EQ(astro::FormatFixed(1e300, 2).size(), 30u) << "cut at the text buffer";
  EXPECT_EQ(astro::Normalize360(-10.0), 350.0);
  EXPECT_EQ(astro::Normalize360(360.0), 0.0);
  EXPECT_EQ(astro::Normalize360(725.0), 5.0);
}

}  // namespace
