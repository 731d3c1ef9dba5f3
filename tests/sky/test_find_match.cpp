// The find box's matching: folding of the ways a name is written, the
// bounded edit distance, and the order of the matches.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sky/find_match.h"

namespace {

TEST(FindMatch, FoldsTheWaysANameIsWritten) {
  struct Row {
    const char* Typed;
    const char* Folded;
  };
  const Row rows[] = {
      {"alf Ori", "alfori"},
      {"Alpha Ori", "alfori"},
      {"alp Ori", "alfori"},
      {"\xCE\xB1 Ori", "alfori"},
      {"ALPHA1 Cen", "alf1cen"},
      {"alf1 Cen", "alf1cen"},
      {"\xCF\x89 Cen", "omecen"},
      {"\xCE\xA3 Sco", "sigsco"},
      {"theta2 Ori", "tet2ori"},
      {"M31", "m31"},
      {"M 31", "m31"},
      {"messier 31", "m31"},
      {"C 14", "c14"},
      {"C14", "c14"},
      {"Caldwell 14", "c14"},
      {"caldwell 014", "c14"},
      {"Bo\xC3\xB6tis", "bootis"},
      {"Poland:Krakow", "poland:krakow"},
      {"NGC224", "ngc224"},
      {"ngc 0224", "ngc224"},
      {"NGC 7000", "ngc7000"},
      {"M 100", "m100"},
      {"HIP 027989", "hip27989"},
      {"0", "0"},
      {"Double-Cluster", "doublecluster"},
      {"Barnard's Star", "barnardsstar"},
      {"Besan\xC3\xA7on", "besancon"},
      {"Z\xC3\xBCrich", "zurich"},
      {"Alphard", "alphard"},
      {"\xC5\x81\xC3\xB3"
       "d\xC5\xBA",
       "lodz"},  // Łódź
      {"\xC4\x8C"
       "esk\xC3\xA9 Bud\xC4\x9B"
       "jovice",
       "ceskebudejovice"},  // České Budějovice
  };
  for (const Row& r : rows) EXPECT_EQ(sky::FoldName(r.Typed), r.Folded) << r.Typed;
}

TEST(FindMatch, ANativeConstellationNameFindsTheLatinOne) {
  const std::vector<sky::NativeName> names = {
      {"Ursa Major",
       "Gro\xC3\x9F"
       "er B\xC3\xA4r"},     // de
      {"Cygnus", "Schwan"},  // de
      {"Ursa Minor",
       "Ma\xC5\x82"
       "a Nied\xC5\xBAwiedzica"},                     // pl
      {"Ursa Major", "Wielka Nied\xC5\xBAwiedzica"},  // pl
      {"Cygnus",
       "\xC5\x81"
       "ab\xC4\x99"
       "d\xC5\xBA"},  // pl "Łabędź"
      {"Orion", "Orion"},
  };
  struct Row {
    const char* Typed;
    const char* Latin;
  };
  const Row rows[] = {
      {"gro\xC3\x9F"
       "er b",
       "Ursa Major"},
      {"GROSER BAR", "Ursa Major"},
      {"schw", "Cygnus"},
      {"wielka niedzw", "Ursa Major"},
      {"WIELKA NIED\xC5\xB9W", "Ursa Major"},
      {"ma\xC5\x82"
       "a",
       "Ursa Minor"},
      {"mala niedzwiedzica", "Ursa Minor"},
      {"labedz", "Cygnus"},
      {"\xC5\x81"
       "ab\xC4\x98",
       "Cygnus"},
      {"  \xC5\x82"
       "ab  ",
       "Cygnus"},
      {"ori", ""},  // the native name is the Latin one
      {"sc", ""},   // too short
      {"wielka nied\xC5\xBAwiedzicaa", ""},
      {"", ""},
  };
  for (const Row& r : rows) EXPECT_EQ(sky::LatinOfNativeName(names, r.Typed), r.Latin) << r.Typed;
}

TEST(FindMatch, EditDistanceCountsSwapsOnceAndStopsAtTheLimit) {
  struct Row {
    const char* A;
    const char* B;
    int Limit;
    int Distance;
  };
  const Row rows[] = {
      {"betelgeuse", "betelguese", 2, 1},
      {"sirius", "siruis", 2, 1},
      {"andromeda", "andromida", 2, 1},
      {"vega", "vega", 2, 0},
      {"ca", "abc", 3, 3},  // optimal string alignment: no edit inside a swap
      {"kitten", "sitting", 5, 3},
      {"kitten", "sitting", 2, 3},
      {"", "abc", 5, 3},
      {"polaris", "p", 2, 3},
  };
  for (const Row& r : rows)
    EXPECT_EQ(sky::BoundedEditDistance(r.A, r.B, r.Limit), r.Distance) << r.A << " " << r.B;
}

// A few objects with the names the index gives them.
std::vector<sky::FindEntry> Entries() {
  const auto entry = [](std::vector<std::string> names, double mag, double alt) {
    sky::FindEntry e;
    for (const std::string& n : names) e.FoldedNames.push_back(sky::FoldName(n));
    e.Magnitude = mag;
    e.AltitudeDeg = alt;
    return e;
  };
  return {
      entry({"Betelgeuse", "alf Ori", "alf Orionis", "58 Ori", "HR 2061", "HIP 27989"}, 0.45, 30),
      entry({"Sirius", "alf CMa", "9 CMa", "HR 2491"}, -1.46, -10),
      entry({"Andromeda Galaxy", "M31", "NGC 224"}, 3.4, 50),
      entry({"Andromeda", "And", "Andromedae"}, 99, 40),
      entry({"Rigil Kentaurus", "alf1 Cen"}, 0.0, -40),
      entry({"Omega Centauri", "NGC 5139", "ome Cen"}, 3.9, -35),
      entry({"Sun"}, -26.7, -20),
      entry({"Saturn"}, 0.8, 10),
      entry({"NGC 2240"}, 12, 20),
  };
}

TEST(FindMatch, FirstMatchOfWhatWasTyped) {
  struct Row {
    const char* Typed;
    int First;  // into Entries(); -1 for none
  };
  const Row rows[] = {
      {"betelgeuse", 0}, {"BETELGEUSE", 0}, {"alpha orionis", 0}, {"\xCE\xB1 Ori", 0},
      {"58 Ori", 0},     {"hr2061", 0},     {"HIP 27989", 0},     {"betelguese", 0},
      {"siruis", 1},     {"andromida", 3},  {"M 31", 2},          {"messier 31", 2},
      {"ngc 0224", 2},   {"NGC224", 2},     {"alf1 Cen", 4},      {"omega centauri", 5},
      {"Sun", 6},        {"sat", 7},        {"jupiter", -1},      {"", -1},
      {"xyzzy", -1},
  };
  const std::vector<sky::FindEntry> entries = Entries();
  for (const Row& r : rows) {
    const std::vector<int> ranked = sky::RankFinds(entries, r.Typed, 20);
    EXPECT_EQ(ranked.empty() ? -1 : ranked.front(), r.First) << r.Typed;
  }
}

TEST(FindMatch, RanksExactThenPrefixThenUpThenBright) {
  struct Row {
    const char* Typed;
    std::vector<int> Order;
  };
  const Row rows[] = {
      // Exact "ngc224" before the prefix "ngc2240".
      {"NGC 224", {2, 8}},
      // Both Andromedas begin with it; the brighter first, both being up.
      {"androm", {2, 3}},
      // "s": Saturn is up; the Sun and Sirius are down, the Sun brighter.
      {"s", {7, 6, 1}},
      // A slip is offered only when nothing fits as typed: "sirus" fits no
      // name's beginning, so Sirius comes by its one slip.
      {"sirus", {1}},
  };
  const std::vector<sky::FindEntry> entries = Entries();
  for (const Row& r : rows) EXPECT_EQ(sky::RankFinds(entries, r.Typed, 20), r.Order) << r.Typed;
  EXPECT_EQ(sky::RankFinds(entries, "s", 2), (std::vector<int>{7, 6}));
}

}  // namespace
