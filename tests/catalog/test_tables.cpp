#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "catalog/builtin_tables.h"
#include "catalog/designation.h"
#include "res/strings.h"

namespace {

catalog::Designation Decode(const char* text) {
  char field[11] = {};
  std::memcpy(field, text, std::min<std::size_t>(std::strlen(text), 10));
  return catalog::DecodeDesignation(field);
}

TEST(Designation, SplitsFlamsteedBayerAndConstellation) {
  const catalog::Designation eps = Decode(" 20Eps Sgr");
  EXPECT_EQ(eps.Flamsteed, "20");
  EXPECT_EQ(eps.Bayer, "Epsilon");
  EXPECT_EQ(eps.Constellation, "Sgr");

  const catalog::Designation alpha1 = Decode("   Alp1Cen");
  EXPECT_EQ(alpha1.Flamsteed, "");
  EXPECT_EQ(alpha1.Bayer, "Alpha1");
  EXPECT_EQ(alpha1.Constellation, "Cen");

  const catalog::Designation flamsteedOnly = Decode("  9    Aur");
  EXPECT_EQ(flamsteedOnly.Flamsteed, "9");
  EXPECT_EQ(flamsteedOnly.Bayer, "");
  EXPECT_EQ(flamsteedOnly.Constellation, "Aur");
}

TEST(Designation, UnknownAbbreviationIsShownUnchangedAndOmikronSpelledAsStored) {
  EXPECT_EQ(Decode("   Omi Cet").Bayer, "Omikron");
  EXPECT_EQ(Decode("   Ups And").Bayer, "Ypsilon");
  EXPECT_EQ(Decode("   Q   Cen").Bayer, "Q");
}

TEST(Designation, UnterminatedFieldIsReadNoFurtherThanItsColumns) {
  char field[11];
  std::memset(field, 'A', sizeof field);
  const catalog::Designation d = catalog::DecodeDesignation(field);
  EXPECT_EQ(d.Constellation, "AAA");
  EXPECT_EQ(d.Flamsteed, "AAA");
}

TEST(BuiltInTables, ConstellationCentresAreDistinctAndOnTheSphere) {
  std::set<std::string_view> names;
  for (const catalog::ConstellationCentre& c : catalog::kConstellationCentres) {
    EXPECT_GE(c.RightAscension, 0.0f) << c.Name;
    EXPECT_LT(c.RightAscension, 24.0f) << c.Name;
    EXPECT_GE(c.Declination, -90.0f) << c.Name;
    EXPECT_LE(c.Declination, 90.0f) << c.Name;
    names.insert(c.Name);
  }
  EXPECT_EQ(names.size(), 88u);
  EXPECT_EQ(catalog::kConstellationCentres[0].Name, "Andromeda");
  EXPECT_EQ(catalog::kConstellationCentres[87].Name, "Camelopardalis");
}

TEST(BuiltInTables, DeepSkyTypeCodesAreComparedExactly) {
  const auto type = [](const char* code) {
    char field[8] = {};
    std::strncpy(field, code, 7);
    return catalog::DeepSkyTypeOf(field);
  };
  EXPECT_EQ(type("OPNCL"), catalog::DeepSkyType::OpenCluster);
  EXPECT_EQ(type("GLOCL"), catalog::DeepSkyType::GlobularCluster);
  EXPECT_EQ(type("GALXY"), catalog::DeepSkyType::Galaxy);
  EXPECT_EQ(type("BRTNB"), catalog::DeepSkyType::Nebula);
  EXPECT_EQ(type("PLNNB"), catalog::DeepSkyType::PlanetaryNebula);
  EXPECT_EQ(type("galxy"), catalog::DeepSkyType::Unknown);
  EXPECT_EQ(type("GALX"), catalog::DeepSkyType::Unknown);
  EXPECT_EQ(type("GALXYS"), catalog::DeepSkyType::Unknown);
  for (const catalog::DeepSkyTypeCode& code : catalog::kDeepSkyTypeCodes)
    EXPECT_FALSE(res::String(code.NameStringId).empty()) << code.Code;
  EXPECT_EQ(res::String(catalog::kDeepSkyTypeCodes[3].NameStringId), "Nebula");
}

TEST(BuiltInTables, MessierOrNgcIsDecidedByIndex) {
  EXPECT_TRUE(catalog::IsMessierIndex(109));
  EXPECT_FALSE(catalog::IsMessierIndex(110));
}

}  // namespace
