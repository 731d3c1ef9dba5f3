#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cstdint>
#include <cstring>
#include <limits>
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

// A whole file's records, on the heap.
template <typename Record, int Count>
struct Table {
  Record R[Count];
};

// Little-endian bytes of `value`, written byte by byte (never the machine's
// own order), as the data generator writes them.
std::string Le32(std::uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}
std::string LeFloat(float value) { return Le32(std::bit_cast<std::uint32_t>(value)); }
std::string LeDouble(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  return Le32(static_cast<std::uint32_t>(bits)) + Le32(static_cast<std::uint32_t>(bits >> 32));
}

// The files are little-endian whatever the machine: each field of each kind
// of record, from bytes spelled out one by one.
TEST(CatalogueLoaders, FieldsAreReadLittleEndian) {
  ScratchDir dir;
  auto stars = std::make_unique<Table<StarRecord, kStarCount>>();
  const std::string star = "K" + std::string(" 58Alp Ori\0", 11) + Le32(0x01020304) +
                           LeFloat(5.919f) + LeFloat(7.407f) + LeFloat(0.5f);
  ASSERT_EQ(star.size(), 28u);
  ASSERT_TRUE(catalog::LoadStars(dir.Write("bsc5.bin", star).c_str(), stars->R));
  EXPECT_EQ(stars->R[0].SpectralClass, 'K');
  EXPECT_EQ(std::string(stars->R[0].Designation), " 58Alp Ori");
  EXPECT_EQ(stars->R[0].HR, 0x01020304);
  EXPECT_EQ(stars->R[0].RightAscension, 5.919f);
  EXPECT_EQ(stars->R[0].Declination, 7.407f);
  EXPECT_EQ(stars->R[0].Magnitude, 0.5f);

  auto names = std::make_unique<Table<StarNameRecord, kStarNameCount>>();
  const std::string name = Le32(2061) + LeFloat(5.9f) + LeFloat(7.4f) + Le32(0xFFFFFFF6) +
                           LeFloat(0.5f) + std::string("Betelgeuse\0\0\0\0\0\0\0\0\0\0", 20);
  ASSERT_TRUE(catalog::LoadStarNames(dir.Write("snames.bin", name).c_str(), names->R));
  EXPECT_EQ(names->R[0].HR, 2061);
  EXPECT_EQ(names->R[0].LabelOffset, -10);
  EXPECT_EQ(names->R[0].Magnitude, 0.5f);
  EXPECT_EQ(std::string(names->R[0].Name), "Betelgeuse");

  auto lines = std::make_unique<Table<ConstellationLineRecord, kConstellationLineCount>>();
  const std::string line = LeFloat(23.5f) + LeFloat(-89.25f) + Le32(1);
  ASSERT_TRUE(catalog::LoadConstellationLines(dir.Write("l.bin", line).c_str(), lines->R));
  EXPECT_EQ(lines->R[0].RightAscension, 23.5f);
  EXPECT_EQ(lines->R[0].Declination, -89.25f);
  EXPECT_EQ(lines->R[0].EndMark, 1);

  auto objects = std::make_unique<Table<DeepSkyRecord, kDeepSkyCount>>();
  const std::string object = Le32(42) + Le32(0xFFFFFFA6) + Le32(12) + Le32(0xFFFFFFFB) +
                             LeFloat(5.588f) + LeFloat(-5.391f) + LeFloat(4.0f) + LeFloat(85.0f) +
                             LeFloat(60.0f) + std::string("Orion Nebula\0\0\0\0\0\0\0\0", 20) +
                             std::string("BRTNB\0\0\0", 8);
  ASSERT_EQ(object.size(), 64u);
  ASSERT_TRUE(catalog::LoadDeepSky(dir.Write("d.bin", object).c_str(), objects->R));
  const DeepSkyRecord& m42 = objects->R[0];
  EXPECT_EQ(m42.Number, 42);
  EXPECT_EQ(m42.PositionAngle, -90);
  EXPECT_EQ(m42.LabelOffsetX, 12);
  EXPECT_EQ(m42.LabelOffsetY, -5);
  EXPECT_EQ(m42.RightAscension, 5.588f);
  EXPECT_EQ(m42.Declination, -5.391f);
  EXPECT_EQ(m42.Magnitude, 4.0f);
  EXPECT_EQ(m42.MajorAxis, 85.0f);
  EXPECT_EQ(m42.MinorAxis, 60.0f);
  EXPECT_EQ(std::string(m42.Name), "Orion Nebula");
  EXPECT_EQ(std::string(m42.Type), "BRTNB");

  auto labels = std::make_unique<Table<ConstellationNameRecord, kConstellationNameCount>>();
  const std::string label = LeDouble(5.5) + LeDouble(-3.125) +
                            std::string("ORION\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 24);
  ASSERT_TRUE(catalog::LoadConstellationNames(dir.Write("c.bin", label).c_str(), labels->R));
  EXPECT_EQ(labels->R[0].RightAscension, 5.5);
  EXPECT_EQ(labels->R[0].Declination, -3.125);
  EXPECT_EQ(std::string(labels->R[0].Name), "ORION");

  SkyPoint clouds[kMagellanicPointCount];
  const std::string point = LeFloat(5.25f) + LeFloat(-69.5f);
  ASSERT_TRUE(catalog::LoadMagellanicClouds(dir.Write("m.bin", point).c_str(), clouds));
  EXPECT_EQ(clouds[0].RightAscension, 5.25f);
  EXPECT_EQ(clouds[0].Declination, -69.5f);
}

TEST(CatalogueLoaders, ShortFileIsReportedAndItsMissingRecordsAreNeverDrawn) {
  ScratchDir dir;
  DeepSkyRecord first{};
  first.Number = 31;
  first.Magnitude = 3.4f;
  std::strcpy(first.Type, "GALXY");
  // One whole record and half of the next.
  const std::string bytes = std::string(BytesOf(first)) + std::string(32, '\x7f');
  const std::string path = dir.Write("deepsky.bin", bytes);

  DeepSkyRecord objects[kDeepSkyCount] = {};
  catalog::LoadReport report;
  ASSERT_TRUE(catalog::LoadDeepSky(path.c_str(), objects, &report));
  EXPECT_EQ(objects[0].Number, 31);
  EXPECT_STREQ(objects[0].Type, "GALXY");
  EXPECT_EQ(report.Missing, kDeepSkyCount - 1);
  EXPECT_EQ(report.FirstMissing, 1);
  EXPECT_EQ(report.Unusable, 0);
  for (int i : {1, kDeepSkyCount - 1}) {
    EXPECT_EQ(objects[i].Number, 0) << i;
    EXPECT_EQ(objects[i].Magnitude, catalog::kUnusableMagnitude) << i;
    EXPECT_EQ(objects[i].Type[0], '\0') << i;
  }

  // An empty file: every point missing, all at one place (nothing drawn).
  const std::string empty = dir.Write("magellan.bin", "");
  SkyPoint clouds[kMagellanicPointCount] = {};
  ASSERT_TRUE(catalog::LoadMagellanicClouds(empty.c_str(), clouds, &report));
  EXPECT_EQ(report.Missing, kMagellanicPointCount);
  EXPECT_EQ(clouds[0].RightAscension, 0.0f);
  EXPECT_EQ(clouds[kMagellanicPointCount - 1].Declination, 0.0f);
}

// Records that no layer could use: a non-finite or out-of-range coordinate,
// an absurd label offset, position angle, axis or magnitude.
TEST(CatalogueLoaders, UnusableRecordsAreLeftOutAndTheFirstIsNamed) {
  using catalog::RecordFault;
  ScratchDir dir;
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  struct DeepSkyCase {
    void (*Damage)(DeepSkyRecord&);
    RecordFault Fault;
  };
  const DeepSkyCase kDeepSky[] = {
      {[](DeepSkyRecord& r) { r.LabelOffsetY = INT_MIN; }, RecordFault::LabelOffset},
      {[](DeepSkyRecord& r) { r.LabelOffsetX = 1001; }, RecordFault::LabelOffset},
      {[](DeepSkyRecord& r) { r.PositionAngle = INT_MIN; }, RecordFault::Shape},
      {[](DeepSkyRecord& r) { r.MajorAxis = std::numeric_limits<float>::infinity(); },
       RecordFault::Shape},
      {[](DeepSkyRecord& r) { r.RightAscension = std::numeric_limits<float>::quiet_NaN(); },
       RecordFault::Coordinates},
      {[](DeepSkyRecord& r) { r.Declination = -90.5f; }, RecordFault::Coordinates},
      {[](DeepSkyRecord& r) { r.Magnitude = -std::numeric_limits<float>::infinity(); },
       RecordFault::Magnitude},
  };
  for (const DeepSkyCase& c : kDeepSky) {
    DeepSkyRecord good{};
    good.Number = 1;
    good.RightAscension = 5.5f;
    good.Declination = 22.0f;
    good.Magnitude = 8.4f;
    good.MajorAxis = 6.0f;
    std::strcpy(good.Name, "Crab Nebula");
    std::strcpy(good.Type, "BRTNB");
    DeepSkyRecord bad = good;
    c.Damage(bad);
    std::string bytes;
    for (int i = 0; i < kDeepSkyCount; ++i) bytes += BytesOf(i == 7 || i == 9 ? bad : good);
    const std::string path = dir.Write("deepsky.bin", bytes);
    DeepSkyRecord objects[kDeepSkyCount] = {};
    catalog::LoadReport report;
    ASSERT_TRUE(catalog::LoadDeepSky(path.c_str(), objects, &report));
    EXPECT_EQ(report.Unusable, 2);
    EXPECT_EQ(report.FirstUnusable, 7);
    EXPECT_EQ(report.FirstFault, c.Fault);
    EXPECT_EQ(report.Missing, 0);
    EXPECT_EQ(objects[7].Magnitude, catalog::kUnusableMagnitude);
    EXPECT_EQ(objects[7].Name[0], '\0');
    EXPECT_STREQ(objects[8].Name, "Crab Nebula");
  }

  // A star name with the most negative offset (its negation would overflow).
  StarNameRecord vega{7001, 18.6f, 38.8f, 20, 0.03f, "Vega"};
  StarNameRecord broken = vega;
  broken.LabelOffset = INT_MIN;
  const std::string names =
      dir.Write("snames.bin", std::string(BytesOf(vega)) + std::string(BytesOf(broken)));
  StarNameRecord loaded[kStarNameCount] = {};
  catalog::LoadReport report;
  ASSERT_TRUE(catalog::LoadStarNames(names.c_str(), loaded, &report));
  EXPECT_EQ(report.FirstUnusable, 1);
  EXPECT_EQ(report.FirstFault, RecordFault::LabelOffset);
  EXPECT_EQ(report.Missing, kStarNameCount - 2);
  EXPECT_EQ(loaded[1].LabelOffset, 0);
  EXPECT_EQ(loaded[1].Magnitude, catalog::kUnusableMagnitude);

  // A vertex left out repeats the one before it; the polyline keeps its end mark.
  const ConstellationLineRecord a{1.0f, 10.0f, 0}, b{nan, 11.0f, 1}, c{2.0f, inf, 0};
  const std::string figure = dir.Write(
      "cnstline.bin", std::string(BytesOf(a)) + std::string(BytesOf(b)) + std::string(BytesOf(c)));
  ConstellationLineRecord lines[kConstellationLineCount] = {};
  ASSERT_TRUE(catalog::LoadConstellationLines(figure.c_str(), lines, &report));
  EXPECT_EQ(report.Unusable, 2);
  EXPECT_EQ(report.FirstFault, RecordFault::Coordinates);
  EXPECT_EQ(lines[1].RightAscension, 1.0f);
  EXPECT_EQ(lines[1].Declination, 10.0f);
  EXPECT_EQ(lines[1].EndMark, 1);
  EXPECT_EQ(lines[2].RightAscension, 1.0f);
}

TEST(CatalogueLoaders, TextLinesThatDoNotReadAsTheirNumbers) {
  using catalog::RecordFault;
  ScratchDir dir;
  struct Case {
    const char* Line;
    RecordFault Fault;
  };
  const Case kLocations[] = {
      {"2147483648 0 51 30 0.0 Overflow\n", RecordFault::Text},
      {"12 0 51 30\n", RecordFault::Text},
      {"12 0 51 30 one Words\n", RecordFault::Text},
      {"-19 55 91 5 -1.0 North of the pole\n", RecordFault::Place},
      {"-19 60 50 5 -1.0 Sixty minutes\n", RecordFault::Place},
      {"0 0 51 30 nan Nowhere\n", RecordFault::Place},
      {"0 0 51 30 1e39 Far east\n", RecordFault::Text},
  };
  for (const Case& c : kLocations) {
    const std::string path =
        dir.Write("location.dat", std::string("-19 55 50 5 -1.0 Poland:Krakow\n") + c.Line);
    auto locations = std::make_unique<LocationRecord[]>(kLocationCount);
    auto& array = *reinterpret_cast<LocationRecord(*)[kLocationCount]>(locations.get());
    catalog::LoadReport report;
    ASSERT_TRUE(catalog::LoadLocations(path.c_str(), array, &report));
    EXPECT_EQ(report.Unusable, 1) << c.Line;
    EXPECT_EQ(report.FirstUnusable, 1) << c.Line;
    EXPECT_EQ(report.FirstFault, c.Fault) << c.Line;
    EXPECT_EQ(locations[1].Name[0], '\0') << c.Line;
    EXPECT_STREQ(locations[0].Name, " Poland:Krakow\n");
  }

  const std::string path = dir.Write("eclip.dat", "0.0 0.0\n0.3 2.0\nnan 4.0\n0.9 x\n+1.2 7.8\n");
  SkyPoint points[kEclipticPointCount] = {};
  catalog::LoadReport report;
  ASSERT_TRUE(catalog::LoadEcliptic(path.c_str(), points, &report));
  EXPECT_EQ(report.Unusable, 2);
  EXPECT_EQ(report.FirstUnusable, 2);
  EXPECT_EQ(report.FirstFault, RecordFault::Coordinates);
  EXPECT_EQ(report.Missing, kEclipticPointCount - 5);
  EXPECT_FLOAT_EQ(points[3].RightAscension, 0.3f);  // the points left out repeat the one before
  EXPECT_FLOAT_EQ(points[4].RightAscension, 1.2f);
  EXPECT_FLOAT_EQ(points[5].Declination, 7.8f);
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
  // Points past the end of the file repeat the last one: the loop draws nothing more.
  EXPECT_FLOAT_EQ(points[3].RightAscension, 0.61f);
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
