// Checks the sky data files shipped in data/, read through the program's own loaders.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "catalog/designation.h"
#include "catalog/loaders.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

std::string DataPath(const char* name) { return std::string(STELLIX_SOURCE_DATA_DIR) + "/" + name; }

// Angular distance in degrees between two (hours, degrees) positions.
double Separation(double ra1, double dec1, double ra2, double dec2) {
  const double d = kPi / 180;
  const double a1 = ra1 * 15 * d, a2 = ra2 * 15 * d, b1 = dec1 * d, b2 = dec2 * d;
  const double x = std::cos(b1) * std::cos(a1) - std::cos(b2) * std::cos(a2);
  const double y = std::cos(b1) * std::sin(a1) - std::cos(b2) * std::sin(a2);
  const double z = std::sin(b1) - std::sin(b2);
  return 2 * std::asin(std::min(1.0, std::sqrt(x * x + y * y + z * z) / 2)) / d;
}

std::size_t FileSize(const std::string& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  return file ? static_cast<std::size_t>(file.tellg()) : 0;
}

std::size_t LineCount(const std::string& path) {
  std::ifstream file(path);
  return static_cast<std::size_t>(std::count(std::istreambuf_iterator<char>(file), {}, '\n'));
}

bool Terminated(const char* text, std::size_t width) {
  return std::memchr(text, '\0', width) != nullptr;
}

// The catalogues, loaded once for all tests.
struct Catalogues {
  StarRecord stars[kStarCount]{};
  StarNameRecord names[kStarNameCount]{};
  ConstellationLineRecord lines[kConstellationLineCount]{};
  BoundaryRecord boundaries[kBoundaryCount]{};
  DeepSkyRecord deepSky[kDeepSkyCount]{};
  SkyPoint ecliptic[kEclipticPointCount]{};
  ConstellationNameRecord constellationNames[kConstellationNameCount]{};
  LocationRecord locations[kLocationCount]{};
  SkyPoint magellanic[kMagellanicPointCount]{};
  StarMotionRecord motions[kStarCount]{};
  bool loaded = false;

  Catalogues() {
    using namespace catalog;
    loaded = LoadStars(DataPath("bsc5.bin").c_str(), stars) &&
             LoadStarNames(DataPath("snames.bin").c_str(), names) &&
             LoadConstellationLines(DataPath("cnstline.bin").c_str(), lines) &&
             LoadBoundaries(DataPath("constell.bin").c_str(), boundaries) &&
             LoadDeepSky(DataPath("deepsky.bin").c_str(), deepSky) &&
             LoadEcliptic(DataPath("eclip.dat").c_str(), ecliptic) &&
             LoadConstellationNames(DataPath("cnames.bin").c_str(), constellationNames) &&
             LoadLocations(DataPath("location.dat").c_str(), locations) &&
             LoadMagellanicClouds(DataPath("magellan.bin").c_str(), magellanic) &&
             LoadStarMotions(DataPath("bsc5motion.bin").c_str(), motions);
  }

  const StarRecord* Star(int hr) const {
    for (const auto& s : stars) {
      if (s.HR == hr) return &s;
    }
    return nullptr;
  }
};

const Catalogues& Data() {
  static const auto data = std::make_unique<Catalogues>();
  return *data;
}

// Polylines of a line file as [first, last] record indices; `ends` says whether a mark ends one.
template <typename Record, std::size_t N, typename EndsFn>
std::vector<std::pair<int, int>> Polylines(const Record (&records)[N], EndsFn ends) {
  std::vector<std::pair<int, int>> result;
  int start = 0;
  for (int k = 1; k < static_cast<int>(N); ++k) {
    if (ends(records[k].EndMark)) {
      result.emplace_back(start, k);
      start = k + 1;
      ++k;
    }
  }
  return result;
}

TEST(DataFiles, AllCataloguesLoad) { EXPECT_TRUE(Data().loaded); }

TEST(DataFiles, BinaryFilesHoldExactlyTheirRecordCounts) {
  EXPECT_EQ(FileSize(DataPath("bsc5.bin")), kStarCount * sizeof(StarRecord));
  EXPECT_EQ(FileSize(DataPath("snames.bin")), kStarNameCount * sizeof(StarNameRecord));
  EXPECT_EQ(FileSize(DataPath("cnstline.bin")),
            kConstellationLineCount * sizeof(ConstellationLineRecord));
  EXPECT_EQ(FileSize(DataPath("constell.bin")), kBoundaryCount * sizeof(BoundaryRecord));
  EXPECT_EQ(FileSize(DataPath("deepsky.bin")), kDeepSkyCount * sizeof(DeepSkyRecord));
  EXPECT_EQ(FileSize(DataPath("cnames.bin")),
            kConstellationNameCount * sizeof(ConstellationNameRecord));
  EXPECT_EQ(FileSize(DataPath("magellan.bin")), kMagellanicPointCount * sizeof(SkyPoint));
}

TEST(DataFiles, TextFilesHoldExactlyTheirLineCounts) {
  EXPECT_EQ(LineCount(DataPath("eclip.dat")), static_cast<std::size_t>(kEclipticPointCount));
  EXPECT_EQ(LineCount(DataPath("location.dat")), static_cast<std::size_t>(kLocationCount));
}

// --- stars -------------------------------------------------------------------

TEST(Stars, EveryRecordIsInRange) {
  int previousHr = 0;
  for (const auto& s : Data().stars) {
    SCOPED_TRACE(s.HR);
    EXPECT_GT(s.HR, previousHr);  // HR order, no repeats
    previousHr = s.HR;
    EXPECT_GE(s.RightAscension, 0.0f);
    EXPECT_LT(s.RightAscension, 24.0f);
    EXPECT_GE(s.Declination, -90.0f);
    EXPECT_LE(s.Declination, 90.0f);
    EXPECT_GE(s.Magnitude, -1.5f);
    EXPECT_LE(s.Magnitude, 8.0f);
    EXPECT_NE(std::string("OBAFGKMCSNW").find(s.SpectralClass), std::string::npos);
    EXPECT_TRUE(Terminated(s.Designation, sizeof s.Designation));
  }
}

TEST(Stars, SiriusIsWhereTheCatalogueHasIt) {
  const StarRecord* sirius = Data().Star(2491);
  ASSERT_NE(sirius, nullptr);
  EXPECT_EQ(sirius->SpectralClass, 'A');
  EXPECT_NEAR(sirius->Magnitude, -1.46, 0.005);
  EXPECT_NEAR(sirius->RightAscension, 6 + 45 / 60.0 + 9 / 3600.0, 1.0 / 3600);  // 6h45m09s
  EXPECT_NEAR(sirius->Declination, -(16 + 43 / 60.0), 1.0 / 60);                // -16 43'
  const auto d = catalog::DecodeDesignation(sirius->Designation);
  EXPECT_EQ(d.Bayer, "Alpha");
  EXPECT_EQ(d.Constellation, "CMa");
}

// Hipparcos's motions for the stars it has, the catalogue's own for the rest;
// the places the two disagree on by more than 2" are Hipparcos's.
TEST(Stars, MotionsPairWithTheirStarsAndCorrectThePlaces) {
  const Catalogues& data = Data();
  EXPECT_EQ(FileSize(DataPath("bsc5motion.bin")), kStarCount * sizeof(StarMotionRecord));
  for (int i = 0; i < kStarCount; ++i) ASSERT_EQ(data.motions[i].HR, data.stars[i].HR) << i;
  struct Case {
    int Hr;
    double PmRa, PmDec, Parallax;  // mas/yr, mas
    double Ra, Dec;                // hours, degrees (J2000.0)
  } const cases[] = {
      // 61 Cyg A: 15" from the catalogue's place (the fastest of the 9095).
      {8085, 4155.1, 3258.9, 287.1, 21 + 6 / 60.0 + 53.95 / 3600, 38 + 44 / 60.0 + 57.9 / 3600},
      // alpha Cen A and B: 6" and 9".
      {5459, -3678.2, 481.8, 742.1, 14 + 39 / 60.0 + 36.50 / 3600, -(60 + 50 / 60.0 + 2.3 / 3600)},
      {5460, -3600.3, 952.1, 742.1, 14 + 39 / 60.0 + 35.08 / 3600, -(60 + 50 / 60.0 + 13.8 / 3600)},
      {2491, -546.0, -1223.1, 379.2, 6 + 45 / 60.0 + 8.92 / 3600, -(16 + 42 / 60.0 + 58.0 / 3600)},
  };
  for (const Case& c : cases) {
    const auto at = std::find_if(std::begin(data.stars), std::end(data.stars),
                                 [&](const StarRecord& s) { return s.HR == c.Hr; });
    ASSERT_NE(at, std::end(data.stars)) << c.Hr;
    const StarMotionRecord& m = data.motions[at - std::begin(data.stars)];
    EXPECT_NEAR(m.ProperMotionRa, c.PmRa, 0.05) << c.Hr;
    EXPECT_NEAR(m.ProperMotionDec, c.PmDec, 0.05) << c.Hr;
    EXPECT_NEAR(m.Parallax, c.Parallax, 0.05) << c.Hr;
    EXPECT_LT(Separation(at->RightAscension, at->Declination, c.Ra, c.Dec) * 3600, 2.0) << c.Hr;
  }
}

TEST(Stars, BetelgeuseIsClassM) {
  const StarRecord* betelgeuse = Data().Star(2061);
  ASSERT_NE(betelgeuse, nullptr);
  EXPECT_EQ(betelgeuse->SpectralClass, 'M');
}

TEST(Stars, NovaMaximumOfTCrBIsLeftOut) { EXPECT_EQ(Data().Star(5958), nullptr); }

TEST(Stars, DesignationOfEpsilonSagittariiDecodes) {
  const StarRecord* star = Data().Star(6879);
  ASSERT_NE(star, nullptr);
  const auto d = catalog::DecodeDesignation(star->Designation);
  EXPECT_EQ(d.Flamsteed, "20");
  EXPECT_EQ(d.Bayer, "Epsilon");
  EXPECT_EQ(d.Constellation, "Sgr");
}

TEST(StarNames, PolarisAndVegaCarryTheirHrNumbers) {
  int found = 0;
  for (const auto& n : Data().names) {
    ASSERT_TRUE(Terminated(n.Name, sizeof n.Name));
    const std::string name = n.Name;
    if (name == "Polaris") {
      EXPECT_EQ(n.HR, 424);
      ++found;
    }
    if (name == "Vega") {
      EXPECT_EQ(n.HR, 7001);
      ++found;
    }
  }
  EXPECT_EQ(found, 2);
}

TEST(StarNames, EveryNameSitsOnItsStar) {
  for (const auto& n : Data().names) {
    SCOPED_TRACE(n.Name);
    const StarRecord* star = Data().Star(n.HR);
    ASSERT_NE(star, nullptr);
    EXPECT_LT(Separation(n.RightAscension, n.Declination, star->RightAscension, star->Declination),
              0.01);
    EXPECT_FLOAT_EQ(n.Magnitude, star->Magnitude);
  }
}

// --- constellation figures and boundaries ---------------------------------------

TEST(ConstellationLines, EveryVertexLiesOnACatalogueStar) {
  for (const auto& v : Data().lines) {
    double nearest = 180;
    for (const auto& s : Data().stars) {
      if (std::fabs(s.Declination - v.Declination) < 0.2f) {
        nearest = std::min(
            nearest, Separation(v.RightAscension, v.Declination, s.RightAscension, s.Declination));
      }
    }
    EXPECT_LT(nearest, 0.1) << "vertex at " << v.RightAscension << "h " << v.Declination;
  }
}

TEST(ConstellationLines, LastRecordEndsAPolyline) {
  EXPECT_NE(Data().lines[kConstellationLineCount - 1].EndMark, 0);
  const auto lines = Polylines(Data().lines, [](std::int32_t mark) { return mark != 0; });
  EXPECT_EQ(lines.back().second, kConstellationLineCount - 1);
}

TEST(Boundaries, NetworkHasNoLooseEnds) {
  const auto& b = Data().boundaries;
  EXPECT_EQ(b[kBoundaryCount - 1].EndMark, 0);
  const auto lines = Polylines(b, [](std::int32_t mark) { return mark == 0; });
  ASSERT_EQ(lines.back().second, kBoundaryCount - 1);
  std::vector<std::pair<int, int>> ends;  // (record, polyline)
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    ends.emplace_back(lines[i].first, i);
    ends.emplace_back(lines[i].second, i);
  }
  for (const auto& [record, line] : ends) {
    bool met = false;
    for (const auto& [other, otherLine] : ends) {
      if (otherLine != line &&
          Separation(b[record].RightAscension, b[record].Declination, b[other].RightAscension,
                     b[other].Declination) < 1.0 / 60) {
        met = true;
        break;
      }
    }
    EXPECT_TRUE(met) << "loose end at " << b[record].RightAscension << "h "
                     << b[record].Declination;
  }
}

TEST(Boundaries, EveryVertexIsInRange) {
  for (const auto& v : Data().boundaries) {
    EXPECT_GE(v.RightAscension, 0.0f);
    EXPECT_LT(v.RightAscension, 24.0f);
    EXPECT_GE(v.Declination, -90.0f);
    EXPECT_LE(v.Declination, 90.0f);
  }
}

TEST(ConstellationNames, EveryLabelIsInRangeAndTerminated) {
  for (const auto& n : Data().constellationNames) {
    EXPECT_TRUE(Terminated(n.Name, sizeof n.Name));
    EXPECT_GT(std::strlen(n.Name), 2u);
    EXPECT_GE(n.RightAscension, 0.0);
    EXPECT_LT(n.RightAscension, 24.0);
    EXPECT_GE(n.Declination, -90.0);
    EXPECT_LE(n.Declination, 90.0);
  }
}

// --- deep sky ------------------------------------------------------------------

TEST(DeepSky, EveryRecordIsInRange) {
  const std::array<std::string, 5> types = {"OPNCL", "GLOCL", "GALXY", "BRTNB", "PLNNB"};
  for (int i = 0; i < kDeepSkyCount; ++i) {
    const auto& o = Data().deepSky[i];
    SCOPED_TRACE(i);
    EXPECT_TRUE(Terminated(o.Name, sizeof o.Name));
    ASSERT_TRUE(Terminated(o.Type, sizeof o.Type));
    EXPECT_NE(std::find(types.begin(), types.end(), std::string(o.Type)), types.end());
    EXPECT_GE(o.RightAscension, 0.0f);
    EXPECT_LT(o.RightAscension, 24.0f);
    EXPECT_GE(o.Declination, -90.0f);
    EXPECT_LE(o.Declination, 90.0f);
    EXPECT_GE(o.Magnitude, 1.0f);
    EXPECT_LE(o.Magnitude, 14.0f);
    EXPECT_GT(o.MajorAxis, 0.0f);
    EXPECT_LE(o.MinorAxis, o.MajorAxis);
    EXPECT_GE(o.PositionAngle, 0);
    EXPECT_LT(o.PositionAngle, 360);
    if (i < kMessierCount) {
      EXPECT_EQ(o.Number, i + 1);
    }
  }
}

TEST(DeepSky, AndromedaGalaxyIsRecord30) {
  const auto& m31 = Data().deepSky[30];
  EXPECT_EQ(m31.Number, 31);
  EXPECT_STREQ(m31.Type, "GALXY");
  EXPECT_NEAR(m31.RightAscension, 42.7 / 60, 0.1 / 60);    // 0h42.7m
  EXPECT_NEAR(m31.Declination, 41 + 16 / 60.0, 1.0 / 60);  // +41 16'
  EXPECT_NEAR(m31.MajorAxis, 178, 2);
  EXPECT_NEAR(m31.MinorAxis, 70, 2);
}

TEST(DeepSky, Record110IsTheFirstNgcObject) {
  EXPECT_EQ(Data().deepSky[109].Number, 110);  // M110
  EXPECT_EQ(Data().deepSky[110].Number, 188);  // NGC 188, the first NGC member of the list
  for (int i = kMessierCount; i < kDeepSkyCount; ++i) {
    EXPECT_GT(Data().deepSky[i].Number, 0);
  }
}

// --- ecliptic, locations, Magellanic Clouds ---------------------------------------

TEST(Ecliptic, PointsFollowTheEcliptic) {
  const auto& e = Data().ecliptic;
  EXPECT_NEAR(e[0].RightAscension, 0, 1e-5);
  EXPECT_NEAR(e[0].Declination, 0, 1e-5);
  EXPECT_NEAR(e[18].RightAscension, 6, 1e-4);  // longitude 90: the solstice
  EXPECT_NEAR(e[18].Declination, 23.4393, 1e-4);
  EXPECT_NEAR(e[54].Declination, -23.4393, 1e-4);
  for (const auto& p : e) {
    EXPECT_GE(p.RightAscension, 0.0f);
    EXPECT_LT(p.RightAscension, 24.0f);
  }
}

TEST(Locations, KrakowIsCentralEuropeanTime) {
  const LocationRecord* krakow = nullptr;
  for (const auto& l : Data().locations) {
    ASSERT_TRUE(Terminated(l.Name, sizeof l.Name));
    std::string name = l.Name;
    name.erase(0, name.find_first_not_of(' '));
    name.erase(name.find_last_not_of(" \r\n") + 1);
    if (name == "Poland:Krakow") krakow = &l;
  }
  ASSERT_NE(krakow, nullptr);
  EXPECT_FLOAT_EQ(krakow->TimeZone, -1.0f);
  EXPECT_EQ(krakow->LatDeg, 50);
  EXPECT_EQ(krakow->LatMin, 5);
  EXPECT_EQ(krakow->LongDeg, -19);
  EXPECT_EQ(krakow->LongMin, 55);
}

TEST(Locations, EveryRecordIsInRange) {
  for (const auto& l : Data().locations) {
    SCOPED_TRACE(l.Name);
    EXPECT_NE(std::strchr(l.Name, ':'), nullptr);
    EXPECT_LE(std::abs(l.LatDeg), 90);
    EXPECT_LE(std::abs(l.LongDeg), 180);
    // Minutes carry the hemisphere only where the degrees are 0.
    EXPECT_GE(l.LatMin, l.LatDeg == 0 ? -59 : 0);
    EXPECT_LT(l.LatMin, 60);
    EXPECT_GE(l.LongMin, l.LongDeg == 0 ? -59 : 0);
    EXPECT_LT(l.LongMin, 60);
    EXPECT_GE(l.TimeZone, -14.0f);
    EXPECT_LE(l.TimeZone, 12.0f);
  }
}

TEST(MagellanicClouds, OutlinesClose) {
  const auto& m = Data().magellanic;
  EXPECT_FLOAT_EQ(m[0].RightAscension, m[kLargeCloudPointCount - 1].RightAscension);
  EXPECT_FLOAT_EQ(m[0].Declination, m[kLargeCloudPointCount - 1].Declination);
  EXPECT_FLOAT_EQ(m[kLargeCloudPointCount].RightAscension,
                  m[kMagellanicPointCount - 1].RightAscension);
  EXPECT_FLOAT_EQ(m[kLargeCloudPointCount].Declination, m[kMagellanicPointCount - 1].Declination);
  // The Large Cloud lies around 5h20m -69, the Small around 0h53m -73.
  EXPECT_LT(Separation(m[0].RightAscension, m[0].Declination, 5.33, -69), 5);
  EXPECT_LT(Separation(m[kLargeCloudPointCount].RightAscension,
                       m[kLargeCloudPointCount].Declination, 0.88, -72.8),
            3);
}

// --- pictures --------------------------------------------------------------------

struct BitmapHeader {
  bool ok = false;
  std::uint32_t headerSize = 0;
  std::int32_t width = 0, height = 0;
};

BitmapHeader ReadBitmapHeader(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  unsigned char bytes[26] = {};
  BitmapHeader h;
  if (!file.read(reinterpret_cast<char*>(bytes), sizeof bytes)) return h;
  auto u32 = [&](int at) {
    return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                      bytes[at + 3] << 24);
  };
  h.ok = bytes[0] == 'B' && bytes[1] == 'M';
  h.headerSize = u32(14);
  h.width = static_cast<std::int32_t>(u32(18));
  h.height = static_cast<std::int32_t>(u32(22));
  return h;
}

bool PowerOfTwo(std::int32_t n) { return n > 0 && (n & (n - 1)) == 0; }

TEST(Pictures, TexturesAreBitmapsOfPowerOfTwoSize) {
  for (const char* name :
       {"sun.tex", "moon.tex", "star.tex", "galaxy.tex", "globcl.tex", "planeb.tex", "mw.tex",
        "horizon.tex", "mercury.tex", "venus.tex", "mars.tex", "jupiter.tex", "saturn.tex",
        "uranus.tex", "neptune.tex", "rings.tex"}) {
    SCOPED_TRACE(name);
    const BitmapHeader h = ReadBitmapHeader(DataPath(name));
    EXPECT_TRUE(h.ok);
    EXPECT_EQ(h.headerSize, 40u);
    EXPECT_TRUE(PowerOfTwo(h.width));
    EXPECT_TRUE(PowerOfTwo(h.height));  // bottom-up rows: positive height
    EXPECT_GE(h.width, 512);
    EXPECT_LE(h.width, 2048);
  }
}

TEST(Pictures, WorldMapIsOneDegreePerPixel) {
  const BitmapHeader h = ReadBitmapHeader(DataPath("worldmap.bmp"));
  EXPECT_TRUE(h.ok);
  EXPECT_EQ(h.headerSize, 40u);
  EXPECT_EQ(h.width, 360);
  EXPECT_EQ(h.height, 180);
}

}  // namespace
