// The main window's command table against the named ids: one row for each
// id, and each row runs something.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <variant>

#include "tests/test_files.h"
#include "ui/command_table.h"

namespace {

// The ids declared in res/command_ids.h, by name.
std::map<std::string, int> DeclaredIds() {
  const std::string header = ReadFile(std::string(STELLIX_SOURCE_DIR) + "/res/command_ids.h");
  static const std::regex id(R"((ID_\w+) = (\d+))");
  std::map<std::string, int> ids;
  for (std::sregex_iterator it(header.begin(), header.end(), id), end; it != end; ++it)
    ids[(*it)[1]] = std::stoi((*it)[2]);
  return ids;
}

TEST(CommandTable, EveryNamedIdHasExactlyOneRow) {
  const std::map<std::string, int> ids = DeclaredIds();
  ASSERT_GT(ids.size(), 60u) << "the header's ids were not read";
  std::map<int, int> rows;  // id -> rows
  for (int i = 0; i < ui::kCommandCount; ++i) ++rows[ui::kCommands[i].Id];
  for (const auto& [name, id] : ids) EXPECT_EQ(rows[id], 1) << name;
  EXPECT_EQ(rows.size(), ids.size()) << "a row with an id the header does not name";
}

TEST(CommandTable, EveryRowHasAHandler) {
  for (int i = 0; i < ui::kCommandCount; ++i) {
    const ui::Command& command = ui::kCommands[i];
    EXPECT_TRUE(std::visit([](auto handler) { return handler != nullptr; }, command.Handler))
        << command.Id;
  }
}

}  // namespace
