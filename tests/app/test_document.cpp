#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalog/loaders.h"
#include "sky/camera_math.h"
#include "sky/sky_doc.h"
#include "tests/test_files.h"

namespace {

// Records which catalogue file was missing instead of ending the process,
// and the messages of the damaged ones.
class ThrowOnMissing : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char* fileName) override {
    throw std::runtime_error(fileName);
  }
  void DamagedFile(const char*, const std::string& message) override { Damaged.push_back(message); }
  std::vector<std::string> Damaged;
};

TEST(SkyDocument, ConstructionCopiesTheSwitchesAndDerivesTheLimits) {
  AppSettings settings;
  settings.StarsLimit = 10;
  settings.DeepSkyLimit = 5;
  settings.HorizonMode = 1;
  settings.Coordinations = 1;
  settings.MilkyWay = 0;
  settings.XRotation = 12.0;
  settings.YRotation = 200.0;
  {
    auto doc = std::make_unique<CSkyDoc>(settings);
    EXPECT_EQ(g_SkyDoc, doc.get());
    EXPECT_EQ(doc->Limits.StarMagnitudeLimit, 6.0);
    EXPECT_EQ(doc->Limits.DeepSkyMagnitudeLimit, 11.0);
    EXPECT_EQ(doc->Settings().HorizonMode, 1);
    EXPECT_EQ(doc->Settings().Coordinations, 1);
    EXPECT_EQ(doc->Settings().MilkyWay, 0);
    EXPECT_EQ(doc->Settings().Boundaries, 1);
    EXPECT_EQ(doc->Settings().XRotation, 12.0);
    EXPECT_EQ(doc->Settings().YRotation, 200.0);
    EXPECT_EQ(doc->Sky.TimeOffset, 0.0);
    EXPECT_EQ(doc->Run.RedScreen + doc->Run.FullScreen + doc->Run.Animating + doc->Run.Printing, 0);

    // The switches, chart mode and camera are the settings' own; a limit
    // reaches them only through its index.
    doc->Settings().Coordinations = 0;
    doc->Settings().StarNames = 0;
    doc->Settings().HorizonMode = 0;
    doc->Settings().YRotation = 90.0;
    doc->Limits.StarMagnitudeLimit = 3.0;
  }
  EXPECT_EQ(g_SkyDoc, nullptr);
  EXPECT_EQ(settings.Coordinations, 0);
  EXPECT_EQ(settings.StarNames, 0);
  EXPECT_EQ(settings.HorizonMode, 0);
  EXPECT_EQ(settings.YRotation, 90.0);
  EXPECT_EQ(settings.StarsLimit, 10);
}

// The files are read from the data directory, not from where the program
// runs (which holds none of them here), and the working directory stays.
TEST(SkyDocument, InitialisationLoadsEveryCatalogueFromTheDataDirectory) {
  ScratchDir dir;
  for (const char* name : kCatalogueFiles) dir.Write(name, "");
  StarRecord vega{};
  vega.SpectralClass = 'A';
  vega.HR = 7001;
  vega.Magnitude = 0.03f;
  dir.Write("bsc5.bin", BytesOf(vega));
  dir.Write("location.dat", "-19 55 50 5 -1.0 Poland:Krakow\n");

  AppSettings settings;
  auto doc = std::make_unique<CSkyDoc>(settings, catalog::DataFiles{dir.Path().string()});
  ThrowOnMissing failure;
  const std::filesystem::path cwd = std::filesystem::current_path();
  ASSERT_TRUE(doc->OnNewDocument(failure, nullptr, astro::CivilTime{2000, 1, 1, 13, 0, 0}));
  EXPECT_EQ(std::filesystem::current_path(), cwd);
  EXPECT_EQ(doc->Sky.Stars[0].HR, 7001);
  EXPECT_EQ(doc->Sky.Stars[1].HR, 0);
  EXPECT_STREQ(doc->Catalogues.Locations[0].Name, " Poland:Krakow\n");
  // The sky was computed for the given time (12:00 UT with the default zone +1 and no summer time).
  EXPECT_EQ(doc->Sky.DocumentTime.Hour, 13);
  EXPECT_GT(doc->Sky.AstroState.JulianDay, 2451544.0);
  EXPECT_LT(doc->Sky.AstroState.JulianDay, 2451546.0);
}

TEST(SkyDocument, EachMissingCatalogueIsNamed) {
  for (const char* missing : kCatalogueFiles) {
    ScratchDir dir;
    for (const char* name : kCatalogueFiles)
      if (std::string(name) != missing) dir.Write(name, "");
    AppSettings settings;
    auto doc = std::make_unique<CSkyDoc>(settings, catalog::DataFiles{dir.Path().string()});
    ThrowOnMissing failure;
    try {
      doc->OnNewDocument(failure, nullptr);
      ADD_FAILURE() << "no failure for " << missing;
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), missing);
    }
  }
}

TEST(SkyDocument, DamagedCataloguesAreNamedWithTheirFirstRecordAndTheRestIsShown) {
  ScratchDir dir;
  for (const char* name : kCatalogueFiles)
    dir.Write(name, ReadFile(std::string(STELLIX_SOURCE_DATA_DIR) + "/" + name));
  // snames.bin: record 3 with the most negative label offset.
  std::string names = ReadFile(dir.File("snames.bin"));
  const std::int32_t intMin = INT_MIN;
  std::memcpy(&names[2 * sizeof(StarNameRecord) + 12], &intMin, 4);
  dir.Write("snames.bin", names);
  // deepsky.bin: M7 turned by INT_MIN degrees, and cut after record 100.
  std::string deepSky = ReadFile(dir.File("deepsky.bin"));
  std::memcpy(&deepSky[6 * sizeof(DeepSkyRecord) + 4], &intMin, 4);
  dir.Write("deepsky.bin", deepSky.substr(0, 100 * sizeof(DeepSkyRecord)));
  // eclip.dat: two lines that are not places (the last two lines are then beyond its 73).
  std::string ecliptic = ReadFile(dir.File("eclip.dat"));
  std::size_t line = 0;
  for (int i = 0; i < 4; ++i) line = ecliptic.find('\n', line) + 1;
  ecliptic.insert(line, "nan 1.0\n25.0 0.0\n");
  dir.Write("eclip.dat", ecliptic);
  // cities.tab: a zone no tzdata has, then a line cut short, between good ones.
  dir.Write("cities.tab",
            "A:Good\t1\t2\t3\t4\tEurope/Warsaw\nB:Far\t1\t2\t3\t4\tMars/Olympus_Mons\n"
            "C:Cut\t1\t2\nD:Good\t1\t2\t3\t4\t\n");

  AppSettings settings;
  auto doc = std::make_unique<CSkyDoc>(settings, catalog::DataFiles{dir.Path().string()});
  ThrowOnMissing failure;
  ASSERT_TRUE(doc->OnNewDocument(failure, nullptr, astro::CivilTime{2000, 1, 1, 13, 0, 0}));
  const std::vector<std::string> expected = {
      "The file \"snames.bin\" is damaged: record 3 is unusable (a label offset beyond 1000 "
      "pixels). The sky is shown without those records.   ",
      "The file \"deepsky.bin\" is damaged: record 7 is unusable (a position angle or an axis out "
      "of range or not a number); records 101 to 210 are missing. The sky is shown without those "
      "records.   ",
      "The file \"eclip.dat\" is damaged: 2 records are unusable, the first record 5 (a "
      "coordinate out of range or not a number). The sky is shown without those records.   ",
      "The file \"cities.tab\" is damaged: 2 records are unusable, the first record 2 (a time "
      "zone that this computer's tzdata does not know). The sky is shown without those "
      "records.   "};
  EXPECT_EQ(failure.Damaged, expected);
  EXPECT_EQ(doc->Catalogues.Places.size(), static_cast<std::size_t>(kLocationCount) + 2)
      << "the good cities";
  EXPECT_EQ(doc->Sky.ProperNames[2].Magnitude, catalog::kUnusableMagnitude);
  EXPECT_LT(doc->Sky.ProperNames[3].Magnitude, 7.5) << "the next name is kept";
  EXPECT_EQ(doc->Sky.DeepSkyObjects[7].Number, 8) << "M8 is kept";
  EXPECT_EQ(doc->Sky.DeepSkyObjects[150].Type[0], '\0');
}

// The window <-> sky conversions refuse results that are not numbers or lie
// so far outside the window that the labels' integer arithmetic could overflow.
TEST(SkyDocument, SkyToWindowRefusesWhatIsNotAWindowPoint) {
  AppSettings settings;
  auto doc = std::make_unique<CSkyDoc>(settings);
  sky::ViewGeometry view;
  const int viewport[4] = {0, 0, 200, 100};
  std::copy(std::begin(viewport), std::end(viewport), view.Viewport);
  view.CentreX = 100;
  view.CentreY = 50;
  for (int i = 0; i < 16; ++i) view.Modelview[i] = view.Projection[i] = i % 5 == 0 ? 1 : 0;
  double x, y;
  ASSERT_TRUE(view.SkyToWindow(0, 0, -0.5, x, y));
  EXPECT_EQ(x, 100);
  EXPECT_EQ(y, 50);

  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(view.SkyToWindow(nan, 0, 0, x, y));
  EXPECT_FALSE(view.SkyToWindow(0, inf, 0, x, y));
  EXPECT_FALSE(view.SkyToWindow(1e300, 0, 0, x, y)) << "far beyond the window";
  EXPECT_TRUE(view.SkyToWindow(100, 0, 0, x, y)) << "off the window, but near enough";
  double obj[3];
  EXPECT_FALSE(
      render::UnProjectPoint(nan, 0, 0.5, view.Modelview, view.Projection, view.Viewport, obj));
  double win[3];
  EXPECT_FALSE(
      render::ProjectPoint(0, nan, 0, view.Modelview, view.Projection, view.Viewport, win));

  // A camera turned by a non-finite angle shows nothing at all.
  view.Modelview[0] = nan;
  EXPECT_FALSE(view.SkyToWindow(0.5, 0, -0.5, x, y));
  double ra, dec;
  EXPECT_FALSE(doc->WindowToSky(view, 100, 50, 1, ra, dec));
}

}  // namespace
