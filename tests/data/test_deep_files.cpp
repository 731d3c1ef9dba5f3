// faintstars.bin and ngcic.bin as the generator made them: their counts, the
// cross-identification with the Hipparcos numbers and with bsc5.bin and
// deepsky.bin (nothing twice), the Tycho stars to V 10.5, and stars and
// objects known by name.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <string>

#include "catalog/cell_catalogues.h"
#include "catalog/loaders.h"
#include "catalog/sky_cells.h"

namespace {

using catalog::FaintStarRecord;
using catalog::NgcIcRecord;

std::string DataPath(const char* name) { return std::string(STELLIX_SOURCE_DATA_DIR) + "/" + name; }

const FaintStarRecord* ByHip(const catalog::FaintStarCatalogue& stars, int hip) {
  for (const FaintStarRecord& s : stars.Records)
    if (s.Hip == hip) return &s;
  return nullptr;
}

TEST(FaintStarsFile, HoldsTheStarsBeyondTheBrightOnesWithTheirHipparcosNumbers) {
  const catalog::FaintStarCatalogue stars =
      catalog::LoadFaintStars(DataPath("faintstars.bin").c_str());
  ASSERT_EQ(stars.Status, catalog::FaintStarCatalogue::State::Read);
  EXPECT_FALSE(stars.Report.Damaged());
  EXPECT_EQ(stars.Records.size(), 576910u);
  int withHip = 0;
  for (const FaintStarRecord& s : stars.Records) withHip += s.Hip != 0;
  // Every Hipparcos star of stars.14.json that bsc5.bin does not have.
  EXPECT_GT(withHip, 108000);
  EXPECT_LT(withHip, 118216 - 8000);

  struct Known {
    int Hip;
    double Ra, Dec, V;  // J2000 (hours, degrees), V from SIMBAD
    bool Moves;         // stars.dat gives its proper motion
    double PmDec;       // mas/yr when it moves
  } known[] = {
      {87937, 17.96347, 4.6934, 9.54, false, 0},  // Barnard's star, V 9.5 (stars.14.json)
      // Kapteyn's star: stars.dat gives it 60" away without motion.
      {24186, 5.19461, -45.0184, 8.86, false, 0},
      {54035, 11.05561, 35.9699, 7.49, true, -4767},  // Lalande 21185
  };
  for (const Known& k : known) {
    const FaintStarRecord* s = ByHip(stars, k.Hip);
    ASSERT_NE(s, nullptr) << "HIP " << k.Hip;
    EXPECT_NEAR(catalog::SkyDistanceDegrees(s->RightAscension, s->Declination, k.Ra, k.Dec), 0,
                2.0 / 3600)
        << "HIP " << k.Hip;
    EXPECT_NEAR(s->Magnitude, k.V, 0.15) << "HIP " << k.Hip;
    if (k.Moves) {
      EXPECT_NEAR(s->ProperMotionDec, k.PmDec, 100) << "HIP " << k.Hip;
    }
  }
}

TEST(FaintStarsFile, NoStarOfTheBrightFileComesTwice) {
  StarRecord bright[kStarCount];
  ASSERT_TRUE(catalog::LoadStars(DataPath("bsc5.bin").c_str(), bright));
  const catalog::FaintStarCatalogue stars =
      catalog::LoadFaintStars(DataPath("faintstars.bin").c_str());
  int twins = 0;
  for (const StarRecord& b : bright) {
    const catalog::SkyView view{b.RightAscension, b.Declination, 10.0 / 3600};
    stars.ForEachInView(view, 30, [&](const FaintStarRecord& s) {
      if (catalog::SkyDistanceDegrees(b.RightAscension, b.Declination, s.RightAscension,
                                      s.Declination) < 10.0 / 3600)
        ++twins;
    });
  }
  EXPECT_EQ(twins, 0);
}

// The stars of the packed Tycho file: no HIP number, motion, parallax or
// spectral type, V 9.05-10.45 in steps of 0.05 (those of V 9.0 are not told
// apart from stars.dat's faintest here).
bool FromThePackedFile(const FaintStarRecord& s) {
  return s.Hip == 0 && s.ProperMotionRa == 0 && s.ProperMotionDec == 0 && s.Parallax == 0 &&
         s.SpectralType[0] == '\0' && s.Magnitude > 9.02f;
}

TEST(FaintStarsFile, TheTychoStarsReachMagnitude10Point5OnceEach) {
  const catalog::FaintStarCatalogue stars =
      catalog::LoadFaintStars(DataPath("faintstars.bin").c_str());
  int packed = 0, coloured = 0, twins = 0, checked = 0;
  for (const FaintStarRecord& s : stars.Records) {
    if (!FromThePackedFile(s)) continue;
    ++packed;
    coloured += s.ColourIndex != catalog::kUnknownColourIndex;
    EXPECT_LE(s.Magnitude, 10.5f);
    if (packed % 50 != 0) continue;
    // None stands within 5" of a star of the other sources (stars.dat gives
    // the brightest of them too).
    ++checked;
    const catalog::SkyView view{s.RightAscension, s.Declination, 5.0 / 3600};
    stars.ForEachInView(view, 30, [&](const FaintStarRecord& other) {
      if (!FromThePackedFile(other) &&
          catalog::SkyDistanceDegrees(s.RightAscension, s.Declination, other.RightAscension,
                                      other.Declination) < 5.0 / 3600)
        ++twins;
    });
  }
  // 425 807 in the file, 1582 of them already given by stars.dat, 4830 of V 9.0.
  EXPECT_GT(packed, 420000);
  EXPECT_LT(packed, 425807 - 4830);
  EXPECT_EQ(coloured, packed);
  EXPECT_GT(checked, 8000);
  EXPECT_EQ(twins, 0);
}

TEST(FaintStarsFile, OrionsSwordHoldsMoreThanEightyStarsAtZoom64) {
  // The field the view shows at zoom 64 around M 42 (2.2 x 1.8 degrees);
  // stars.dat and stars.14.json alone give 36 stars there with bsc5.bin's.
  const double ra = 5.5881, dec = -5.3911;
  const auto inField = [&](double r, double d) {
    return std::abs((r - ra) * 15 * std::cos(dec * std::numbers::pi / 180)) < 1.1 &&
           std::abs(d - dec) < 0.9;
  };
  StarRecord bright[kStarCount];
  ASSERT_TRUE(catalog::LoadStars(DataPath("bsc5.bin").c_str(), bright));
  int count = 0;
  for (const StarRecord& b : bright) count += inField(b.RightAscension, b.Declination);
  const catalog::FaintStarCatalogue stars =
      catalog::LoadFaintStars(DataPath("faintstars.bin").c_str());
  const catalog::SkyView view{ra, dec, 1.5};
  stars.ForEachInView(view, 13.0, [&](const FaintStarRecord& s) {
    count += inField(s.RightAscension, s.Declination);
  });
  EXPECT_GT(count, 80);
}

TEST(NgcIcFile, HoldsTheObjectsDeepskyBinHasNot) {
  const catalog::NgcIcCatalogue objects = catalog::LoadNgcIc(DataPath("ngcic.bin").c_str());
  ASSERT_EQ(objects.Status, catalog::NgcIcCatalogue::State::Read);
  EXPECT_FALSE(objects.Report.Damaged());
  EXPECT_EQ(objects.Records.size(), 13364u);
  DeepSkyRecord deepSky[kDeepSkyCount];
  ASSERT_TRUE(catalog::LoadDeepSky(DataPath("deepsky.bin").c_str(), deepSky));
  const auto find = [&](char catalogue, int number) -> const NgcIcRecord* {
    for (const NgcIcRecord& r : objects.Records)
      if (r.Catalogue == catalogue && r.Number == number && r.Suffix[0] == '\0') return &r;
    return nullptr;
  };
  for (int i = kMessierCount; i < kDeepSkyCount; ++i)
    EXPECT_EQ(find('N', deepSky[i].Number), nullptr) << "NGC " << deepSky[i].Number;
  // Messier objects: M 42 (NGC 1976), M 31 (NGC 224), M 1 (NGC 1952).
  for (const int ngc : {1976, 224, 1952}) EXPECT_EQ(find('N', ngc), nullptr) << "NGC " << ngc;

  struct Known {
    char Catalogue;
    int Number;
    const char* Name;
    const char* Type;
    double Ra, Dec;
  } known[] = {
      {'I', 434, "Horsehead Nebula", "BRTNB", 5.6836, -2.4538},
      {'N', 3628, "", "GALXY", 11.3381, 13.5897},
      {'N', 2024, "Flame Nebula", "BRTNB", 5.6952, -1.8563},
      {'I', 1396, "", "BRTNB", 21.6493, 57.489},
  };
  for (const Known& k : known) {
    const NgcIcRecord* r = find(k.Catalogue, k.Number);
    ASSERT_NE(r, nullptr) << k.Catalogue << k.Number;
    if (k.Name[0]) {
      EXPECT_STREQ(r->Name, k.Name);
    }
    EXPECT_STREQ(r->Type, k.Type) << k.Catalogue << k.Number;
    EXPECT_NEAR(catalog::SkyDistanceDegrees(r->RightAscension, r->Declination, k.Ra, k.Dec), 0, 0.2)
        << k.Catalogue << k.Number;
  }
}

}  // namespace
