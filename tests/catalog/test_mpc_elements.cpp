// The Minor Planet Center's orbit files: good lines give the elements the
// Center's own descriptions define, and each damaged field refuses the whole
// import with the file, the line and the field named.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "astro/orbit.h"
#include "astro/transforms.h"
#include "catalog/mpc_elements.h"

namespace {

// Ceres from MPCORB.DAT, epoch 2023 Sept. 13.0 TT, and 2P/Encke from CometEls.txt.
const std::string kCeres =
    "00001    3.34  0.15 K239D  60.07966   73.42179   80.25496   10.58688  0.0789126  0.21406957 "
    "  2.7670463  0 E2023-R49  7330 125 1801-2023 0.65 M-v 30k MPCLINUX   4000 (1) Ceres         "
    "          20230906";
const std::string kEncke =
    "0002P         2023 10 22.5284  0.339435  0.847093  187.2794  334.1588   11.3466  20230913  "
    "14.0  4.0  2P/Encke                                                 MPEC 2023";

std::string Replace(std::string line, std::size_t first, const std::string& text) {
  return line.replace(first - 1, text.size(), text);
}

TEST(MpcElements, ReadsMinorPlanetsAfterTheHeader) {
  const std::string text =
      "MINOR PLANET CENTER ORBIT DATABASE (MPCORB)\n\nDes'n     H     G   Epoch\n"
      "-------------------------------------------------------------\n" +
      kCeres + "\r\n\n" + Replace(kCeres, 1, "00002") + "\n";
  const catalog::ElementsImport read = catalog::ReadMpcOrb(text, "MPCORB.DAT");
  ASSERT_EQ(read.Error, "");
  ASSERT_EQ(read.Bodies.size(), 2u);
  const catalog::SmallBodyElements& ceres = read.Bodies[0];
  EXPECT_EQ(ceres.Designation, "(1) Ceres");
  EXPECT_FALSE(ceres.Comet);
  EXPECT_DOUBLE_EQ(ceres.Magnitude, 3.34);
  EXPECT_DOUBLE_EQ(ceres.Slope, 0.15);
  EXPECT_DOUBLE_EQ(ceres.Orbit.Epoch, 2460200.5);  // 2023 Sept. 13.0
  EXPECT_NEAR(ceres.Orbit.PerihelionDistance, 2.7670463 * (1 - 0.0789126), 1e-12);
  EXPECT_DOUBLE_EQ(ceres.Orbit.Inclination, 10.58688);
  EXPECT_DOUBLE_EQ(ceres.Orbit.Node, 80.25496);
  EXPECT_DOUBLE_EQ(ceres.Orbit.Perihelion, 73.42179);
  // M = 60.08 degrees at n = k a^(-3/2) = 0.2141 degrees a day: perihelion 280.6 days before.
  const double n = astro::kGaussK * astro::kRadToDeg / std::pow(2.7670463, 1.5);
  EXPECT_NEAR(ceres.Orbit.PerihelionTime, 2460200.5 - 60.07966 / n, 1e-6);
}

TEST(MpcElements, ReadsAnExtractWithoutHeader) {
  const catalog::ElementsImport read = catalog::ReadMpcOrb(kCeres.substr(0, 103) + "\n", "NEA.txt");
  ASSERT_EQ(read.Error, "");
  ASSERT_EQ(read.Bodies.size(), 1u);
  EXPECT_EQ(read.Bodies[0].Designation, "00001");
}

TEST(MpcElements, ReadsComets) {
  const catalog::ElementsImport read =
      catalog::ReadCometEls(kEncke + "\n" + Replace(kEncke, 82, "        "), "CometEls.txt");
  ASSERT_EQ(read.Error, "");
  ASSERT_EQ(read.Bodies.size(), 2u);
  const catalog::SmallBodyElements& encke = read.Bodies[0];
  EXPECT_EQ(encke.Designation, "2P/Encke");
  EXPECT_TRUE(encke.Comet);
  EXPECT_DOUBLE_EQ(encke.Orbit.PerihelionTime, 2460239.5 + 0.5284);  // 2023 Oct. 22.5284
  EXPECT_DOUBLE_EQ(encke.Orbit.Epoch, 2460200.5);
  EXPECT_DOUBLE_EQ(encke.Orbit.PerihelionDistance, 0.339435);
  EXPECT_DOUBLE_EQ(encke.Orbit.Eccentricity, 0.847093);
  EXPECT_DOUBLE_EQ(encke.Magnitude, 14.0);
  EXPECT_DOUBLE_EQ(encke.Slope, 10.0);
  // Without an epoch the elements osculate at perihelion.
  EXPECT_DOUBLE_EQ(read.Bodies[1].Orbit.Epoch, read.Bodies[1].Orbit.PerihelionTime);
}

struct Damage {
  std::size_t Column;
  const char* Text;
  const char* Message;
};

TEST(MpcElements, RefusesEachDamagedMinorPlanetField) {
  const Damage damages[] = {
      {1, "       ", "designation: missing"},
      {9, " x.34", "H: bad value 'x.34'"},
      {15, " 9.15", "G: bad value '9.15'"},
      {21, "K23Z0", "epoch: bad value 'K23Z0'"},
      {21, "L239D", "epoch: bad value 'L239D'"},
      {27, "360.07966", "mean anomaly: bad value '360.07966'"},
      {38, "  7342179", "argument of perihelion: bad value '7342179'"},
      {49, "  80.25.9", "node: bad value '80.25.9'"},
      {60, " -10.5868", "inclination: bad value '-10.5868'"},
      {71, "1.0789126", "eccentricity: bad value '1.0789126'"},
      {81, "       nan ", "mean daily motion: bad value 'nan'"},
      {93, "           ", "semi-major axis: missing"},
  };
  for (const Damage& d : damages) {
    const std::string text = "----------\n" + kCeres + "\n" + Replace(kCeres, d.Column, d.Text);
    const catalog::ElementsImport read = catalog::ReadMpcOrb(text, "MPCORB.DAT");
    EXPECT_EQ(read.Error, std::string("MPCORB.DAT:3: ") + d.Message) << d.Text;
    EXPECT_TRUE(read.Bodies.empty()) << d.Text;
  }
  EXPECT_EQ(catalog::ReadMpcOrb(kCeres.substr(0, 60), "x").Error, "x:1: inclination: missing");
}

TEST(MpcElements, RefusesEachDamagedCometField) {
  const Damage damages[] = {
      {15, "20x3", "perihelion year: bad value '20x3'"},
      {20, "13", "perihelion month: bad value '13'"},
      {23, "22,5284", "perihelion day: bad value '22,5284'"},
      {31, " 0.000000", "perihelion distance: bad value '0.000000'"},
      {42, "-0.84709", "eccentricity: bad value '-0.84709'"},
      {52, "      -1", "argument of perihelion: bad value '-1'"},
      {62, "     inf", "node: bad value 'inf'"},
      {72, "   190.0", "inclination: bad value '190.0'"},
      {86, "00", "epoch month: bad value '00'"},
      {88, "32", "epoch day: bad value '32'"},
      {92, "    ", "slope: bad value '4.0'"},
      {97, "  x ", "slope: bad value 'x'"},
      {103, "          ", "designation: missing"},
  };
  for (const Damage& d : damages) {
    const std::string text = kEncke + "\n\n" + Replace(kEncke, d.Column, d.Text) + "\n";
    const catalog::ElementsImport read = catalog::ReadCometEls(text, "CometEls.txt");
    EXPECT_EQ(read.Error, std::string("CometEls.txt:3: ") + d.Message) << d.Text;
    EXPECT_TRUE(read.Bodies.empty()) << d.Text;
  }
}

TEST(MpcElements, GregorianJulianDays) {
  EXPECT_DOUBLE_EQ(catalog::GregorianJulianDay(2000, 1, 1.5), 2451545.0);
  EXPECT_DOUBLE_EQ(catalog::GregorianJulianDay(1957, 10, 4.81), 2436116.31);  // Meeus 7.a
  EXPECT_DOUBLE_EQ(catalog::GregorianJulianDay(1600, 1, 1), 2305447.5);
  // The proleptic calendar before 1582, as eraCal2jd counts it.
  EXPECT_DOUBLE_EQ(catalog::GregorianJulianDay(-1000, 7, 12.5), 1356010.0);
}

const std::string kTableHaleBopp =
    "C\tC/1995 O1 (Hale-Bopp)\t0.890662\t0.994972\t89.2742\t282.7613\t130.4139\t2450537.14660\t"
    "2459815.50000\t-2.0\t10.00";

TEST(SmallBodyTable, ReadsBodiesAfterComments) {
  const catalog::ElementsImport read = catalog::ReadSmallBodyTable(
      "# kind\tdesignation\n" + kTableHaleBopp + "\n\n" +
          "A\t1 Ceres\t2.54906386\t0.07863576\t"
          "10.586795\t80.266436\t73.531625\t2459920.365366\t2459800.5\t3.33\t0.12\n",
      "t.tab");
  ASSERT_EQ(read.Error, "");
  ASSERT_EQ(read.Bodies.size(), 2u);
  EXPECT_TRUE(read.Bodies[0].Comet);
  EXPECT_EQ(read.Bodies[0].Designation, "C/1995 O1 (Hale-Bopp)");
  EXPECT_DOUBLE_EQ(read.Bodies[0].Orbit.PerihelionTime, 2450537.1466);
  EXPECT_DOUBLE_EQ(read.Bodies[0].Slope, 10.0);
  EXPECT_FALSE(read.Bodies[1].Comet);
  EXPECT_DOUBLE_EQ(read.Bodies[1].Orbit.Node, 80.266436);
  EXPECT_DOUBLE_EQ(read.Bodies[1].Magnitude, 3.33);
}

TEST(SmallBodyTable, RefusesEachDamagedField) {
  const struct {
    std::string From, To, Message;
  } damages[] = {
      {"C\t", "X\t", "kind: bad value 'X'"},
      {"C/1995 O1 (Hale-Bopp)", "", "designation: missing"},
      {"0.890662", "0", "perihelion distance: bad value '0'"},
      {"0.994972", "0.99x", "eccentricity: bad value '0.99x'"},
      {"89.2742", "189", "inclination: bad value '189'"},
      {"282.7613", "", "node: bad value ''"},
      {"130.4139", "-1", "argument of perihelion: bad value '-1'"},
      {"2450537.14660", "nan", "perihelion time: bad value 'nan'"},
      {"2459815.50000", "2459815.5 ", "epoch: bad value '2459815.5 '"},
      {"-2.0", "99", "magnitude: bad value '99'"},
      {"10.00", "1e400", "slope: bad value '1e400'"},
      {"\t10.00", "", "fields: 10 instead of 11"},
  };
  for (const auto& d : damages) {
    std::string line = kTableHaleBopp;
    line.replace(line.find(d.From), d.From.size(), d.To);
    const catalog::ElementsImport read =
        catalog::ReadSmallBodyTable(kTableHaleBopp + "\n" + line + "\n", "t.tab");
    EXPECT_EQ(read.Error, "t.tab:2: " + d.Message) << d.To;
    EXPECT_TRUE(read.Bodies.empty()) << d.To;
  }
}

// The bundled file is read whole: every comet of CometEls and the numbered
// minor planets that reach V 14 (tools/datagen/small_bodies.py).
TEST(SmallBodyTable, BundledFileIsWhole) {
  std::ifstream in(STELLIX_SOURCE_DATA_DIR "/smallbodies.tab", std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const catalog::ElementsImport read = catalog::ReadSmallBodyTable(text, "smallbodies.tab");
  ASSERT_EQ(read.Error, "");
  int comets = 0;
  for (const catalog::SmallBodyElements& b : read.Bodies) comets += b.Comet;
  EXPECT_EQ(comets, 952);
  EXPECT_EQ(read.Bodies.size() - comets, 1293u);
}

// An orbit file is told by its first line with elements: the comets' has a
// perihelion year where MPCORB.DAT has the point of G.
TEST(OrbitFile, TellsMinorPlanetsFromComets) {
  const struct {
    std::string Text;
    bool Comet;
  } files[] = {
      {"header\n---------\n" + kCeres + "\n", false},
      {"\n" + kCeres + "\n", false},
      {kEncke + "\n" + kEncke + "\n", true},
      {"\r\n" + kEncke + "\r\n", true},
  };
  for (const auto& f : files) {
    const catalog::ElementsImport read = catalog::ReadOrbitFile(f.Text, "x");
    ASSERT_EQ(read.Error, "") << f.Text;
    ASSERT_FALSE(read.Bodies.empty());
    EXPECT_EQ(read.Bodies[0].Comet, f.Comet) << f.Text;
  }
  // A comets' file with a damaged line is refused as a comets' file.
  const catalog::ElementsImport bad =
      catalog::ReadOrbitFile(kEncke + "\n" + Replace(kEncke, 31, "  -0.3394") + "\n", "C.txt");
  EXPECT_EQ(bad.Error, "C.txt:2: perihelion distance: bad value '-0.3394'");
  EXPECT_TRUE(bad.Bodies.empty());
}

// What is kept reads back to the same numbers, a magnitude not given included.
TEST(OrbitFile, KeptElementsReadBackTheSame) {
  std::vector<catalog::SmallBodyElements> bodies =
      catalog::ReadOrbitFile(kCeres + "\n" + Replace(kCeres, 9, "     ") + "\n", "m").Bodies;
  const std::vector<catalog::SmallBodyElements> comets =
      catalog::ReadCometEls(kEncke + "\n" + Replace(kEncke, 92, "         ") + "\n", "c").Bodies;
  bodies.insert(bodies.end(), comets.begin(), comets.end());
  // The farthest reaches of the orbit files: a steep comet's K of 40 (a
  // slope of 100), an orbit of a = 1e6 AU and e = 0.999999 half a turn
  // from its perihelion.
  const std::string far =
      Replace(Replace(Replace(kCeres, 71, "0.9999990"), 93, "1000000.000"), 27, " 179.9999");
  for (const catalog::ElementsImport& edge :
       {catalog::ReadCometEls(Replace(kEncke, 97, "40.0") + "\n", "c"),
        catalog::ReadMpcOrb(far + "\n", "m")}) {
    ASSERT_EQ(edge.Error, "");
    bodies.insert(bodies.end(), edge.Bodies.begin(), edge.Bodies.end());
  }
  ASSERT_EQ(bodies.size(), 6u);
  EXPECT_EQ(bodies[4].Slope, 100.0);
  EXPECT_LT(bodies[5].Orbit.PerihelionDistance, 1.1);
  EXPECT_LT(bodies[5].Orbit.PerihelionTime, -1e11);
  bodies[1].Designation = "odd\tname";
  const catalog::ElementsImport back =
      catalog::ReadSmallBodyTable(catalog::SmallBodyTableText(bodies), "kept.tab");
  ASSERT_EQ(back.Error, "");
  ASSERT_EQ(back.Bodies.size(), bodies.size());
  for (std::size_t i = 0; i < bodies.size(); ++i) {
    const catalog::SmallBodyElements &a = bodies[i], &b = back.Bodies[i];
    EXPECT_EQ(b.Designation, i == 1 ? "odd name" : a.Designation);
    EXPECT_EQ(b.Comet, a.Comet);
    EXPECT_EQ(b.Orbit.PerihelionDistance, a.Orbit.PerihelionDistance);
    EXPECT_EQ(b.Orbit.Eccentricity, a.Orbit.Eccentricity);
    EXPECT_EQ(b.Orbit.Inclination, a.Orbit.Inclination);
    EXPECT_EQ(b.Orbit.Node, a.Orbit.Node);
    EXPECT_EQ(b.Orbit.Perihelion, a.Orbit.Perihelion);
    EXPECT_EQ(b.Orbit.PerihelionTime, a.Orbit.PerihelionTime);
    EXPECT_EQ(b.Orbit.Epoch, a.Orbit.Epoch);
    EXPECT_EQ(std::isnan(b.Magnitude), std::isnan(a.Magnitude)) << i;
    if (!std::isnan(a.Magnitude)) {
      EXPECT_EQ(b.Magnitude, a.Magnitude);
    }
    EXPECT_EQ(std::isnan(b.Slope), std::isnan(a.Slope)) << i;
  }
  EXPECT_TRUE(std::isnan(bodies[1].Magnitude));
  EXPECT_TRUE(std::isnan(bodies[3].Slope));
}

}  // namespace
