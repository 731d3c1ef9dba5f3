// The find box's last finds: kept newest first, each name once, at most 20,
// and what the settings file holds read back without the damaged entries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sky/app_settings.h"
#include "sky/find_history.h"
#include "sky/profile.h"

namespace {

using List = std::vector<std::string>;

TEST(FindHistory, NewestFirstEachNameOnce) {
  struct Row {
    List Before;
    std::string Added;
    List After;
  };
  const Row rows[] = {
      {{}, "Vega", {"Vega"}},
      {{"Vega"}, "M 31", {"M 31", "Vega"}},
      {{"M 31", "Vega"}, "Vega", {"Vega", "M 31"}},
      // The same name written otherwise replaces the older entry.
      {{"M 31", "Vega"}, "messier 31", {"messier 31", "Vega"}},
      {{"Vega"}, "  vega ", {"  vega "}},
      // Nothing to keep: blank, punctuation, control characters, broken UTF-8, too long.
      {{"Vega"}, "", {"Vega"}},
      {{"Vega"}, " - ", {"Vega"}},
      {{"Vega"}, "Ve\nga", {"Vega"}},
      {{"Vega"}, "Ve\x7Fga", {"Vega"}},
      {{"Vega"}, "\xC3", {"Vega"}},
      {{"Vega"}, "\xC0\xAF", {"Vega"}},
      {{"Vega"}, "\xED\xA0\x80", {"Vega"}},
      {{"Vega"}, std::string(101, 'a'), {"Vega"}},
      {{}, std::string(100, 'a'), {std::string(100, 'a')}},
      {{}, "Z\xC3\xBCrich", {"Z\xC3\xBCrich"}},
  };
  for (const Row& r : rows) {
    List list = r.Before;
    sky::AddFindHistory(list, r.Added);
    EXPECT_EQ(list, r.After) << r.Added;
  }
}

TEST(FindHistory, KeepsTheTwentyNewest) {
  List list;
  for (int i = 1; i <= 25; ++i) sky::AddFindHistory(list, "M " + std::to_string(i));
  ASSERT_EQ(list.size(), static_cast<std::size_t>(sky::kFindHistoryCount));
  EXPECT_EQ(list.front(), "M 25");
  EXPECT_EQ(list.back(), "M 6");
}

TEST(FindHistory, LoadsWhatCanBeKeptAndLeavesTheRest) {
  CProfile profile;
  profile.Parse(
      "[Settings]\nZoom=4.0\n"
      "[Find History]\nFind1=Vega\nFind2=\nFind3=Ve\x01ga\nFind4=VEGA\nFind5=M 31\n"
      "Find6=\xFF\xFE\nFind7=" +
      std::string(300, 'x') +
      "\nFind21=Deneb\nFind8=Caldwell 14\n"
      "[Location]\nLocation=Japan:Tokyo\n");
  EXPECT_EQ(sky::LoadFindHistory(profile), (List{"Vega", "M 31", "Caldwell 14"}));
  // The other settings read as they are.
  AppSettings settings;
  LoadSettings(profile, settings);
  EXPECT_EQ(settings.FindHistory, (List{"Vega", "M 31", "Caldwell 14"}));
  EXPECT_DOUBLE_EQ(settings.Zoom, 4.0);
  EXPECT_EQ(settings.Location, "Japan:Tokyo");
}

TEST(FindHistory, StoredListReadsBackAndShorterListEmptiesTheRest) {
  CProfile profile;
  profile.Parse("[Other]\nKey=kept\n");
  AppSettings settings;
  for (int i = 1; i <= 20; ++i)
    sky::AddFindHistory(settings.FindHistory, "NGC " + std::to_string(i));
  StoreSettings(settings, profile);
  AppSettings read;
  LoadSettings(profile, read);
  EXPECT_EQ(read.FindHistory, settings.FindHistory);
  EXPECT_EQ(profile.GetString("Other", "Key", ""), "kept");
  settings.FindHistory = {"Sirius"};
  StoreSettings(settings, profile);
  EXPECT_EQ(profile.GetString("Find History", "Find1", ""), "Sirius");
  EXPECT_EQ(profile.GetString("Find History", "Find2", "absent"), "");
  EXPECT_EQ(sky::LoadFindHistory(profile), List{"Sirius"});
}

TEST(FindHistory, AnEmptyListAddsNoSection) {
  CProfile profile;
  StoreSettings(AppSettings{}, profile);
  EXPECT_EQ(profile.Text().find("Find History"), std::string::npos);
}

}  // namespace
