#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "catalog/loaders.h"
#include "tests/test_files.h"

namespace {

StarRecord MakeStar(int hr, float ra, float dec, float mag) {
  StarRecord s{};
  s.SpectralClass = 'B';
  std::memcpy(s.Designation, " 20Eps Sgr", 11);
  s.HR = hr;
  s.RightAscension = ra;
  s.Declination = dec;
  s.Magnitude = mag;
  return s;
}

TEST(CatalogueLoaders, BinaryRecordsAreReadInFileOrder) {
  ScratchDir dir;
  std::string bytes;
  for (int i = 0; i < kStarCount; ++i)
    bytes += BytesOf(MakeStar(i + 1, static_cast<float>(i % 24), -45.0f, 5.0f));
  bytes += "trailing data is ignored";
  const std::string path = dir.Write("bsc5.bin", bytes);

  auto stars = std::make_unique<StarRecord[]>(kStarCount);
  auto& array = *reinterpret_cast<StarRecord(*)[kStarCount]>(stars.get());
  ASSERT_TRUE(catalog::LoadStars(path.c_str(), array));
  EXPECT_EQ(stars[0].HR, 1);
  EXPECT_EQ(stars[kStarCount - 1].HR, kStarCount);
  EXPECT_EQ(stars[25].RightAscension, 1.0f);
  EXPECT_EQ(stars[25].SpectralClass, 'B');
  EXPECT_EQ(std::string(stars[25].Designation, 10), " 20Eps Sgr");
}

TEST(CatalogueLoaders, ShortFileLeavesTheRestUntouchedAndNeverReadsPastItsEnd) {
  ScratchDir dir;
  DeepSkyRecord first{};
  first.Number = 31;
  std::strcpy(first.Type, "GALXY");
  // One whole record and half of the next.
  const std::string bytes = std::string(BytesOf(first)) + std::string(32, '\x7f');
  const std::string path = dir.Write("deepsky.bin", bytes);

  DeepSkyRecord objects[kDeepSkyCount] = {};
  ASSERT_TRUE(catalog::LoadDeepSky(path.c_str(), objects));
  EXPECT_EQ(objects[0].Number, 31);
  EXPECT_STREQ(objects[0].Type, "GALXY");
  EXPECT_EQ(objects[2].Number, 0);
  EXPECT_EQ(objects[kDeepSkyCount - 1].Number, 0);

  // An empty file loads as all zeros.
  const std::string empty = dir.Write("magellan.bin", "");
  SkyPoint clouds[kMagellanicPointCount] = {};
  ASSERT_TRUE(catalog::LoadMagellanicClouds(empty.c_str(), clouds));
  EXPECT_EQ(clouds[0].RightAscension, 0.0f);
}

TEST(CatalogueLoaders, MissingFileIsReported) {
  ScratchDir dir;
  SkyPoint points[kEclipticPointCount] = {};
  EXPECT_FALSE(catalog::LoadEcliptic(dir.File("eclip.dat").c_str(), points));
  StarNameRecord names[kStarNameCount] = {};
  EXPECT_FALSE(catalog::LoadStarNames(dir.File("snames.bin").c_str(), names));
}

TEST(CatalogueLoaders, EclipticIsReadAsTextPairs) {
  ScratchDir dir;
  const std::string path =
      dir.Write("eclip.dat", "0.000000 0.000000\n0.305 2.1631\n\n  0.61 4.3\n");
  SkyPoint points[kEclipticPointCount] = {};
  ASSERT_TRUE(catalog::LoadEcliptic(path.c_str(), points));
  EXPECT_FLOAT_EQ(points[1].RightAscension, 0.305f);
  EXPECT_FLOAT_EQ(points[1].Declination, 2.1631f);
  EXPECT_FLOAT_EQ(points[2].Declination, 4.3f);
  EXPECT_EQ(points[3].RightAscension, 0.0f);
}

TEST(CatalogueLoaders, LocationNameKeepsItsLeadingBlankAndNewline) {
  ScratchDir dir;
  const std::string longName(60, 'x');
  const std::string path = dir.Write("location.dat",
                                     "-19 55 50 5 -1.0 Poland:Krakow\n"
                                     "74 0 40 43 5.0 United States:New York\n"
                                     "0 0 51 30 0.0 " +
                                         longName + "\n");
  auto locations = std::make_unique<LocationRecord[]>(kLocationCount);
  auto& array = *reinterpret_cast<LocationRecord(*)[kLocationCount]>(locations.get());
  std::memset(locations.get(), 0, sizeof(LocationRecord) * kLocationCount);
  ASSERT_TRUE(catalog::LoadLocations(path.c_str(), array));

  EXPECT_STREQ(locations[0].Name, " Poland:Krakow\n");
  EXPECT_EQ(locations[0].LongDeg, -19);
  EXPECT_EQ(locations[0].LongMin, 55);
  EXPECT_EQ(locations[0].LatDeg, 50);
  EXPECT_EQ(locations[0].LatMin, 5);
  EXPECT_FLOAT_EQ(locations[0].TimeZone, -1.0f);
  EXPECT_STREQ(locations[1].Name, " United States:New York\n");
  EXPECT_FLOAT_EQ(locations[1].TimeZone, 5.0f);
  // A name longer than 48 characters is cut there and stays terminated;
  // the rest of its line is not taken for the next record.
  EXPECT_EQ(std::strlen(locations[2].Name), 48u);
  EXPECT_EQ(locations[3].Name[0], '\0');
  EXPECT_EQ(locations[3].LatDeg, 0);
}

}  // namespace
