// The find box's tables of other names: Caldwell numbers and the
// constellations' abbreviations and genitives, damaged lines left out, and
// each constellation of the program paired with its row.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "catalog/builtin_tables.h"
#include "catalog/find_names.h"
#include "catalog/places.h"

namespace {

TEST(FindNames, ReadsCaldwellLinesAndLeavesOutDamagedOnes) {
  const std::vector<catalog::CaldwellEntry> entries = catalog::ReadCaldwell(
      "1\tNGC 188\n5\tIC 342\r\n14\tNGC 869\n14\tNGC 884\n"
      "0\tNGC 1\n110\tNGC 2\nx\tNGC 3\n7\t\n8\n9\tNGC 4\textra\n\n99\tCoalsack Nebula");
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[0].Number, 1);
  EXPECT_EQ(entries[0].Designation, "NGC 188");
  EXPECT_EQ(entries[1].Designation, "IC 342");
  EXPECT_EQ(entries[3].Number, 14);
  EXPECT_EQ(entries[3].Designation, "NGC 884");
  EXPECT_EQ(entries[4].Designation, "Coalsack Nebula");
}

TEST(FindNames, ReadsConstellationLinesAndLeavesOutDamagedOnes) {
  struct Row {
    const char* Line;
    bool Kept;
  };
  const Row rows[] = {
      {"Orion\tOri\tOrionis\t5.600\t5.00", true}, {"Orion\tOri\tOrionis\t24.000\t5.00", false},
      {"Orion\tOri\tOrionis\t5.6\t91", false},    {"Orion\tOri\tOrionis\tnan\t5", false},
      {"Orion\t\tOrionis\t5.6\t5", false},        {"Orion\tOri\tOrionis\t5.6", false},
      {"Orion\tOri\tOrionis\t5.6\t5\t1", false},
  };
  for (const Row& r : rows) {
    const std::vector<catalog::ConstellationNames> read = catalog::ReadConstellationNames(r.Line);
    EXPECT_EQ(read.size(), r.Kept ? 1u : 0u) << r.Line;
  }
  const catalog::ConstellationNames orion = catalog::ReadConstellationNames(rows[0].Line).front();
  EXPECT_EQ(orion.Abbreviation, "Ori");
  EXPECT_EQ(orion.Genitive, "Orionis");
  EXPECT_DOUBLE_EQ(orion.RightAscension, 5.6);
}

TEST(FindNames, PairsEveryConstellationOnceWithTheBundledTable) {
  const std::optional<std::string> text =
      catalog::ReadTextFile(STELLIX_SOURCE_DATA_DIR "/constellation_names.tab");
  ASSERT_TRUE(text);
  const std::vector<catalog::ConstellationNames> rows = catalog::ReadConstellationNames(*text);
  ASSERT_EQ(rows.size(), 88u);
  const std::vector<int> pairs = catalog::PairConstellations(rows);
  std::set<int> used;
  for (int i = 0; i < catalog::kConstellationCentreCount; ++i) {
    ASSERT_GE(pairs[i], 0) << catalog::kConstellationCentres[i].Name;
    used.insert(pairs[i]);
  }
  EXPECT_EQ(used.size(), 88u);
  // The program's own spellings find their rows.
  struct Row {
    const char* Program;
    const char* Abbreviation;
  };
  const Row spelt[] = {{"Antila", "Ant"}, {"Phoenics", "Phe"},         {"Capricorn", "Cap"},
                       {"Bootes", "Boo"}, {"Corona Australis", "CrA"}, {"Corona Borealis", "CrB"},
                       {"Serpens", "Ser"}};
  for (const Row& r : spelt) {
    for (int i = 0; i < catalog::kConstellationCentreCount; ++i) {
      if (catalog::kConstellationCentres[i].Name == r.Program) {
        EXPECT_EQ(rows[pairs[i]].Abbreviation, r.Abbreviation) << r.Program;
      }
    }
  }
}

TEST(FindNames, WithoutTheTableNoConstellationIsPaired) {
  for (const int pair : catalog::PairConstellations({})) EXPECT_EQ(pair, -1);
}

}  // namespace
