// The texts of the four move commands say what the commands do: the What's
// This texts, the tool tips and the guide speak of moving the field, as the
// commands' own prompts do. (The main window's tests check that the stars
// move the way the arrows point.)
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "res/strings.h"
#include "tests/test_files.h"
#include "ui/whats_this.h"

namespace {

struct Move {
  int Id;
  const char* Key;  // as the guide names it
};
constexpr Move kMoves[] = {{32771, "Left"}, {32772, "Right"}, {32773, "Up"}, {32774, "Down"}};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

TEST(MoveTexts, WhatsThisToolTipAndGuideSayWhatTheCommandDoes) {
  const std::string guide = ReadFile(std::string(STELLIX_SOURCE_DATA_DIR) + "/help/moving.html");
  for (const Move& m : kMoves) {
    const std::string prompt(res::String(m.Id));
    const std::string status = prompt.substr(0, prompt.find('\n'));  // "Move the field up"
    const std::string tooltip = prompt.substr(prompt.find('\n') + 1);
    const std::string way = status.substr(status.find("the field"));  // "the field up"
    ASSERT_EQ(way.rfind("the field ", 0), 0u) << status;
    EXPECT_NE(Lower(tooltip).find(way), std::string::npos) << "tool tip " << tooltip;
    const std::string whatsThis = ui::WhatsThisText(m.Id);
    EXPECT_EQ(whatsThis.rfind("<b>" + status + "</b>", 0), 0u) << whatsThis;
    // The guide's row of the key.
    const std::size_t row = guide.find("<td class=\"key\">" + std::string(m.Key) + "</td>");
    ASSERT_NE(row, std::string::npos) << m.Key;
    const std::string line = guide.substr(row, guide.find("</tr>", row) - row);
    EXPECT_NE(Lower(line).find(way), std::string::npos) << line;
  }
}

}  // namespace
