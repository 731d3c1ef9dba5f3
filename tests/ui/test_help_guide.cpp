// The user guide as shipped: every link leads somewhere, every window's page
// exists, every command and key is documented, the data sources are all
// credited, the guide is installed, and the round window refuses a display
// of 256 colours.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "res/strings.h"
#include "tests/desktop_session.h"
#include "tests/test_files.h"
#include "ui/command_table.h"
#include "ui/help_pages.h"
#include "ui/whats_this.h"

namespace {

namespace fs = std::filesystem;

const fs::path kGuide = fs::path(STELLIX_SOURCE_DIR) / "data" / "help";

std::vector<fs::path> GuidePages() {
  std::vector<fs::path> pages;
  for (const auto& entry : fs::directory_iterator(kGuide))
    if (entry.path().extension() == ".html") pages.push_back(entry.path());
  return pages;
}

// The ids and names a page's links can point at.
std::set<std::string> Anchors(const std::string& html) {
  std::set<std::string> anchors;
  static const std::regex anchor(R"re(\b(?:id|name)="([^"]+)")re");
  for (std::sregex_iterator it(html.begin(), html.end(), anchor), end; it != end; ++it)
    anchors.insert((*it)[1]);
  return anchors;
}

// The text of a page without its tags, with the entities it uses decoded and
// its blanks folded.
std::string PlainText(std::string html) {
  html = std::regex_replace(html, std::regex("<[^>]*>"), " ");
  for (const auto& [entity, text] : std::map<std::string, std::string>{{"&amp;", "&"},
                                                                       {"&quot;", "\""},
                                                                       {"&ldquo;", "\""},
                                                                       {"&rdquo;", "\""},
                                                                       {"&gt;", ">"},
                                                                       {"&lt;", "<"},
                                                                       {"&minus;", "-"},
                                                                       {"&deg;", "°"},
                                                                       {"&times;", "x"}})
    html = std::regex_replace(html, std::regex(entity), text);
  return std::regex_replace(html, std::regex(R"(\s+)"), " ");
}

// Where a qrc: address of the guide is in the sources: the pictures compiled
// into the program.
fs::path ResourceFile(const std::string& address) {
  static const std::map<std::string, fs::path> prefixes = {
      {"qrc:/icons/", fs::path(STELLIX_SOURCE_DIR) / "res/icons"},
      {"qrc:/splash/", fs::path(STELLIX_SOURCE_DIR) / "res/splash"}};
  for (const auto& [prefix, dir] : prefixes)
    if (address.rfind(prefix, 0) == 0) return dir / address.substr(prefix.size());
  return {};
}

TEST(HelpGuide, EveryLinkAndPictureOfTheGuideResolves) {
  const std::vector<fs::path> pages = GuidePages();
  ASSERT_GE(pages.size(), 16u);
  static const std::regex reference(R"re(\b(href|src)="([^"]*)")re");
  int checked = 0;
  for (const fs::path& page : pages) {
    const std::string html = ReadFile(page.string());
    EXPECT_NE(html.find("<title>"), std::string::npos) << page;
    for (std::sregex_iterator it(html.begin(), html.end(), reference), end; it != end; ++it) {
      const std::string target = (*it)[2];
      const std::string where = page.filename().string() + ": " + target;
      ASSERT_FALSE(target.empty()) << where;
      if (target.rfind("https://", 0) == 0 || target.rfind("http://", 0) == 0) continue;
      ++checked;
      if (target.rfind("qrc:", 0) == 0) {
        const fs::path file = ResourceFile(target);
        EXPECT_TRUE(!file.empty() && fs::exists(file)) << where;
        continue;
      }
      EXPECT_EQ(target.find(':'), std::string::npos) << where << " (only relative links)";
      const std::size_t hash = target.find('#');
      const fs::path file = hash == 0 ? page : page.parent_path() / target.substr(0, hash);
      ASSERT_TRUE(fs::exists(file)) << where;
      if (hash != std::string::npos) {
        EXPECT_EQ(Anchors(ReadFile(file.string())).count(target.substr(hash + 1)), 1u) << where;
      }
    }
  }
  EXPECT_GT(checked, 150);
}

TEST(HelpGuide, EveryIndexWordLeadsToASectionOfItsPage) {
  static const std::regex keywords(R"re(<meta name="keywords" content="([^"]*)")re");
  int words = 0;
  for (const fs::path& page : GuidePages()) {
    const std::string html = ReadFile(page.string());
    std::smatch m;
    ASSERT_TRUE(std::regex_search(html, m, keywords)) << page.filename() << " has no index words";
    const std::set<std::string> anchors = Anchors(html);
    std::stringstream list(m[1].str());
    for (std::string word; std::getline(list, word, ';'); ++words) {
      const std::size_t hash = word.find('#');
      if (hash != std::string::npos) {
        EXPECT_EQ(anchors.count(word.substr(hash + 1)), 1u) << page.filename() << ": " << word;
      }
    }
  }
  EXPECT_GT(words, 100);
}

TEST(HelpGuide, TheContentsPageLeadsToEveryPage) {
  const std::string contents = ReadFile((kGuide / ui::kHelpContentsPage).string());
  for (const fs::path& page : GuidePages()) {
    if (page.filename() == ui::kHelpContentsPage) continue;
    EXPECT_NE(contents.find("href=\"" + page.filename().string() + "\""), std::string::npos)
        << page.filename() << " is not in the contents";
  }
}

TEST(HelpGuide, EachWindowOpensItsOwnPage) {
  // The windows of the program and of Qt, by class or object name, and the
  // page F1 opens in each.
  const struct {
    const char* className;
    const char* objectName;
    const char* page;
  } cases[] = {
      {"CMainFrame", "", "moving.html"},
      {"CSkyView", "", "moving.html"},
      {"QComboBox", "TimeStepBox", "animation.html#step"},
      {"QToolBar", "MainToolBar", "menus.html#toolbar"},
      {"CHelpWindow", "HelpWindow", "using-help.html"},
      {"CSplashWindow", "SplashWindow", "sources.html"},
      {"CLocationDialog", "", "location.html"},
      {"CDateTimeDialog", "", "datetime.html"},
      {"CMagnitudeLimitsDialog", "", "magnitudes.html"},
      {"CDeepSkyDialog", "", "deepsky.html"},
      {"CColoursDialog", "", "colours.html"},
      {"CFieldsDialog", "", "menus.html#fields"},
      {"QColorDialog", "", "colours.html#chooser"},
      {"CStarSearchDialog", "", "search.html#star"},
      {"CConstellationSearchDialog", "", "search.html#constellation"},
      {"CBodySearchDialog", "", "search.html#solar-system"},
      {"CMessierSearchDialog", "", "search.html#messier"},
      {"CNgcSearchDialog", "", "search.html#ngc"},
      {"CStarInfoDialog", "", "cards.html#star"},
      {"CFaintStarInfoDialog", "", "cards.html#faint-star"},
      {"CBodyInfoDialog", "", "cards.html#solar-system"},
      {"CDeepSkyInfoDialog", "", "cards.html#deep-sky"},
      {"CPictureWindow", "", "pictures.html#window"},
      {"QFileDialog", "", "pictures.html#open"},
      {"QPrintDialog", "", "printing.html#print"},
      {"QPrintPreviewDialog", "", "printing.html#preview"},
      {"QPageSetupDialog", "", "printing.html#setup"},
      // A dialog without Q_OBJECT is a QDialog: its object name finds it.
      {"QDialog", "CLocationDialog", "location.html"},
  };
  for (const auto& c : cases) {
    const char* page = ui::HelpPageFor(c.className, c.objectName);
    ASSERT_NE(page, nullptr) << c.className;
    EXPECT_STREQ(page, c.page) << c.className;
    const std::string file = std::string(page).substr(0, std::string(page).find('#'));
    ASSERT_TRUE(fs::exists(kGuide / file)) << page;
    if (const char* hash = std::strchr(page, '#')) {
      EXPECT_EQ(Anchors(ReadFile((kGuide / file).string())).count(hash + 1), 1u) << page;
    }
  }
  EXPECT_EQ(ui::HelpPageFor("QDialog", ""), nullptr);
  EXPECT_EQ(ui::HelpPageFor("QWidget", "SomethingElse"), nullptr);
}

// The key of a command as the guide writes it: its first key, without the
// keypad's "Num+".
std::string GuideKey(const char* key) {
  const std::string k = std::string(key).substr(0, std::string(key).find(';'));
  return k.rfind("Num+", 0) == 0 ? k.substr(4) : k;
}

// Whether `html` shows `key` in a key cell: <td class="key">Ctrl+F</td>, or
// first in a cell such as <td class="key">Left, Right</td>.
bool ShowsKey(const std::string& html, const std::string& key) {
  const std::string cell = "class=\"key\">";
  for (std::size_t at = html.find(cell); at != std::string::npos; at = html.find(cell, at + 1)) {
    const std::size_t start = at + cell.size();
    const std::size_t stop = html.find('<', start);
    std::string text = html.substr(start, stop - start);
    for (std::size_t from = 0; from <= text.size();) {
      const std::size_t comma = std::min(text.find(", ", from), text.size());
      std::string one = text.substr(from, comma - from);
      one = one.substr(0, one.find(" ("));  // "* (keypad)"
      if (one == key) return true;
      from = comma + 2;
    }
  }
  return false;
}

TEST(HelpGuide, EveryMenuCommandAndKeyIsDocumented) {
  const std::string html = ReadFile((kGuide / "menus.html").string());
  const std::string menus = PlainText(html);
  for (int i = 0; i < ui::kCommandCount; ++i) {
    const ui::Command& command = ui::kCommands[i];
    if (command.MenuText) {
      std::string text = command.MenuText;
      std::erase(text, '&');
      if (command.Id == 57616) continue;  // "Recent File": the list of pictures
      EXPECT_NE(menus.find(text), std::string::npos) << text;
    }
    if (command.Key) {
      EXPECT_TRUE(ShowsKey(html, GuideKey(command.Key))) << command.Key;
    }
  }
}

TEST(HelpGuide, ToolbarButtonsExplainThemselvesWithTheirKeys) {
  for (int id :
       {57609, 57601, 57607, 32780, 32778, 32779, 32777, 32781, 32782, 32823, 32784, 32785, 32789,
        32791, 32793, 32794, 32795, 57669, 57664, 32775, 32776, 32774, 32773, 32771, 32772}) {
    const char* text = ui::WhatsThisText(id);
    ASSERT_NE(text, nullptr) << id;
    const ui::Command* command = ui::FindCommand(id);
    ASSERT_NE(command, nullptr) << id;
    if (command->Key) {
      const std::string key = GuideKey(command->Key);
      const std::string shown =
          key == "Left" || key == "Right" || key == "Up" || key == "Down" ? key + " arrow" : key;
      EXPECT_NE(std::string(text).find("(" + shown), std::string::npos) << id << ": " << text;
    }
  }
  EXPECT_NE(ui::WhatsThisText(1032), nullptr) << "the time-step box";
}

TEST(HelpGuide, TheSourcesPageCreditsEveryAttributionOfTheData) {
  const std::string readme = ReadFile(std::string(STELLIX_SOURCE_DIR) + "/data/README.md");
  const std::string sources = PlainText(ReadFile((kGuide / ui::kSourcesHelpPage).string()));
  const std::size_t start = readme.find("Attributions:");
  ASSERT_NE(start, std::string::npos);
  const std::string paragraph = readme.substr(start, readme.find("\n\n", start) - start);
  static const std::regex italic(R"(\*([^*]+)\*)");
  int credited = 0;
  for (std::sregex_iterator it(paragraph.begin(), paragraph.end(), italic), end; it != end; ++it) {
    std::string attribution = std::regex_replace((*it)[1].str(), std::regex(R"(\s+)"), " ");
    if (attribution.back() == '.') attribution.pop_back();
    EXPECT_NE(sources.find(attribution), std::string::npos) << attribution;
    ++credited;
  }
  EXPECT_EQ(credited, 5);
  // Every licence of the sources table, too.
  for (const char* licence :
       {"CC-BY-SA-4.0", "GPL-2.0-or-later", "BSD-3-Clause", "public domain", "GPL-3.0-or-later"})
    EXPECT_NE(sources.find(licence), std::string::npos) << licence;
}

TEST(HelpGuide, InstallingCopiesTheGuide) {
  ScratchDir prefix;
  const ChildRun install = RunChild(
      {STELLIX_CMAKE, "--install", STELLIX_BINARY_DIR, "--prefix", prefix.Path().string()});
  ASSERT_EQ(install.Status, 0) << install.Out << install.Err;
  const fs::path installed = prefix.Path() / STELLIX_INSTALL_DATADIR / "stellix" / "help";
  int files = 0;
  for (const auto& entry : fs::directory_iterator(kGuide)) {
    const fs::path copy = installed / entry.path().filename();
    ASSERT_TRUE(fs::exists(copy)) << copy;
    EXPECT_EQ(ReadFile(copy.string()), ReadFile(entry.path().string())) << copy;
    ++files;
  }
  EXPECT_GE(files, 17);
}

// Runs the program on an X server of its own with `depth` bits per pixel.
ChildRun RunOnDisplay(const ScratchDir& dir, int depth, const std::vector<std::string>& extra) {
  DesktopSession desktop({.Screen = "640x480x" + std::to_string(depth), .WindowManager = false});
  EXPECT_TRUE(desktop.Ready()) << desktop.Log();
  std::vector<std::string> args{STELLIX_PROGRAM, "--non-interactive",
                                "--data-dir",    STELLIX_SOURCE_DATA_DIR,
                                "--settings",    dir.File("stellix.INI")};
  args.insert(args.end(), extra.begin(), extra.end());
  ChildProcess program = desktop.Spawn(args);
  ChildRun run;
  run.Status = program.Finish(60);
  run.Err = program.Err();
  return run;
}

TEST(HelpGuide, A256ColourDisplayIsRefusedAsTheSplashPaints) {
  const std::string refusal =
      std::string("stop: ") + std::string(res::String(res::IDS_NEED_HIGH_COLOR)) + "\n";
  {
    ScratchDir dir;
    const ChildRun run = RunOnDisplay(dir, 8, {});
    EXPECT_EQ(run.Status, 3) << run.Err;
    EXPECT_NE(run.Err.find(refusal), std::string::npos) << run.Err;
    EXPECT_FALSE(fs::exists(dir.File("stellix.INI"))) << "nothing may be saved";
  }
  {
    // Without the splash the depth is not checked: the program fails later,
    // for want of OpenGL on such a display, with its own message.
    ScratchDir dir;
    const ChildRun run = RunOnDisplay(dir, 8, {"--no-splash"});
    EXPECT_NE(run.Status, 3) << run.Err;
    EXPECT_EQ(run.Err.find(refusal), std::string::npos) << run.Err;
  }
}

}  // namespace
