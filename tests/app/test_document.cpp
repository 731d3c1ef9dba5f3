#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "sky/sky_doc.h"
#include "tests/test_files.h"

namespace {

// Records which catalogue file was missing instead of ending the process.
class ThrowOnMissing : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char* fileName) override {
    throw std::runtime_error(fileName);
  }
};

// Runs the document's initialisation with `dir` as the current directory.
class InDirectory {
 public:
  explicit InDirectory(const std::filesystem::path& dir) : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~InDirectory() { std::filesystem::current_path(old_); }

 private:
  std::filesystem::path old_;
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
    EXPECT_EQ(doc->StarMagnitudeLimit, 6.0);
    EXPECT_EQ(doc->DeepSkyMagnitudeLimit, 11.0);
    EXPECT_EQ(doc->HorizonMode, 1);
    EXPECT_EQ(doc->Coordinations, 1);
    EXPECT_EQ(doc->MilkyWay, 0);
    EXPECT_EQ(doc->Boundaries, 1);
    EXPECT_EQ(doc->XRotation, 12.0);
    EXPECT_EQ(doc->YRotation, 200.0);
    EXPECT_EQ(doc->TimeOffset, 0.0);
    EXPECT_EQ(
        doc->RedScreen + doc->FullScreen + doc->Animating + doc->Printing + doc->ProjectionDirty,
        0);

    // Destruction hands the switches, chart mode and camera back, not the limits.
    doc->Coordinations = 0;
    doc->StarNames = 0;
    doc->HorizonMode = 0;
    doc->YRotation = 90.0;
    doc->StarMagnitudeLimit = 3.0;
  }
  EXPECT_EQ(g_SkyDoc, nullptr);
  EXPECT_EQ(settings.Coordinations, 0);
  EXPECT_EQ(settings.StarNames, 0);
  EXPECT_EQ(settings.HorizonMode, 0);
  EXPECT_EQ(settings.YRotation, 90.0);
  EXPECT_EQ(settings.StarsLimit, 10);
}

TEST(SkyDocument, InitialisationLoadsEveryCatalogueFromTheCurrentDirectory) {
  ScratchDir dir;
  for (const char* name : kCatalogueFiles) dir.Write(name, "");
  StarRecord vega{};
  vega.SpectralClass = 'A';
  vega.HR = 7001;
  vega.Magnitude = 0.03f;
  dir.Write("bsc5.bin", BytesOf(vega));
  dir.Write("location.dat", "-19 55 50 5 -1.0 Poland:Krakow\n");

  AppSettings settings;
  auto doc = std::make_unique<CSkyDoc>(settings);
  ThrowOnMissing failure;
  InDirectory here(dir.Path());
  ASSERT_TRUE(doc->OnNewDocument(failure, nullptr, astro::CivilTime{2000, 1, 1, 13, 0, 0}));
  EXPECT_EQ(doc->Stars[0].HR, 7001);
  EXPECT_EQ(doc->Stars[1].HR, 0);
  EXPECT_STREQ(doc->Locations[0].Name, " Poland:Krakow\n");
  // The sky was computed for the given time (12:00 UT with the default zone +1 and no summer time).
  EXPECT_EQ(doc->DocumentTime.Hour, 13);
  EXPECT_GT(doc->AstroState.JulianDay, 2451544.0);
  EXPECT_LT(doc->AstroState.JulianDay, 2451546.0);
}

TEST(SkyDocument, EachMissingCatalogueIsNamed) {
  for (const char* missing : kCatalogueFiles) {
    ScratchDir dir;
    for (const char* name : kCatalogueFiles)
      if (std::string(name) != missing) dir.Write(name, "");
    AppSettings settings;
    auto doc = std::make_unique<CSkyDoc>(settings);
    ThrowOnMissing failure;
    InDirectory here(dir.Path());
    try {
      doc->OnNewDocument(failure, nullptr);
      ADD_FAILURE() << "no failure for " << missing;
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), missing);
    }
  }
}

}  // namespace
