// What an installation puts into share/stellix: every file of the program's
// data and its translations, and nothing that only happens to lie in data/ (a settings file the
// program wrote there when run from the source tree).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "tests/child_process.h"
#include "tests/test_files.h"

namespace fs = std::filesystem;

namespace {

// The regular files under `root`, as paths relative to it.
std::set<std::string> FilesUnder(const fs::path& root) {
  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), root).string());
  return files;
}

TEST(Install, TheProgramsDataAndNothingElse) {
  const fs::path data = STELLIX_SOURCE_DATA_DIR;
  std::set<std::string> expected = FilesUnder(data);
  expected.erase("README.md");
  // A settings file left in data/ (one the developer has is left alone).
  const fs::path stray = data / "stellix.INI";
  const bool made = !fs::exists(stray);
  if (made) std::ofstream(stray) << "[Settings]\nZoom=4.0\n";
  expected.erase("stellix.INI");
  // ... and the translations, compiled from translations/*.ts into the build tree's data.
  for (const std::string& qm : FilesUnder(fs::path(STELLIX_BINARY_DIR) / "data" / "translations"))
    expected.insert("translations/" + qm);
  EXPECT_TRUE(expected.contains("translations/stellix_de.qm"));
  ScratchDir prefix;
  const ChildRun install = RunChild(
      {STELLIX_CMAKE, "--install", STELLIX_BINARY_DIR, "--prefix", prefix.Path().string()});
  if (made) fs::remove(stray);
  ASSERT_EQ(install.Status, 0) << install.Out << install.Err;
  const fs::path installed = prefix.Path() / STELLIX_INSTALL_DATADIR / "stellix";
  EXPECT_EQ(FilesUnder(installed), expected);
  EXPECT_GT(expected.size(), 150u) << "catalogues, textures, pictures and the guide";
}

}  // namespace
