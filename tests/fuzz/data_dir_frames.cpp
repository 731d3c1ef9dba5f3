// The data-directory fuzz inputs drawn for real: each seed and regression of
// the data_dir target becomes a data directory (the repository's, with the
// input's settings and nine catalogue files in place of its own) and the
// program draws one frame of it offscreen, as --render does. Under the
// sanitizer build this takes every layer's GL path through the damaged
// records the fuzz target only models.
//
//   data_dir_frames DIR|FILE...
#include <unistd.h>

#include <QImage>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/exit_status.h"
#include "app/sky_app.h"
#include "tests/fuzz/data_dir_input.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 320, kHeight = 240;

void WriteFile(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Draws the frame of one input in `dir`; an empty string when all is well,
// else what went wrong.
std::string DrawFrame(const fs::path& input, const fs::path& dir) {
  std::ifstream in(input, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::vector<std::string_view> parts = SplitDataDirInput(bytes);
  WriteFile(dir / "stellix.INI", parts[0]);
  for (std::size_t i = 0; i < std::size(kCatalogueFiles); ++i)
    WriteFile(dir / kCatalogueFiles[i], parts[i + 1]);
  CProfile profile;
  profile.Parse(parts[0]);

  CommandLine cl;
  cl.NonInteractive = true;
  cl.ShowSplash = false;
  cl.DataDir = dir.string();
  cl.SettingsFile = (dir / "stellix.INI").string();
  cl.DateTime = DataDirTime(profile);
  cl.RenderFile = (dir / "frame.png").string();
  cl.RenderWidth = kWidth;
  cl.RenderHeight = kHeight;
  fs::remove(cl.RenderFile);
  int argc = 1;
  char name[] = "stellix";
  char* argv[] = {name, nullptr};
  int status;
  {
    CSkyApp app(argc, argv, cl);
    if (app.InitInstance()) return "the program did not end after drawing its frame";
    status = app.ExitCode();
  }
  if (status != ToInt(ExitStatus::Ok)) return "exit status " + std::to_string(status);
  const QImage frame(QString::fromStdString(cl.RenderFile));
  if (frame.width() != kWidth || frame.height() != kHeight) return "no frame of the asked size";
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    if (fs::is_directory(argv[i])) {
      for (const auto& entry : fs::directory_iterator(argv[i]))
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    } else if (fs::exists(argv[i])) {
      inputs.push_back(argv[i]);
    }
  }
  std::sort(inputs.begin(), inputs.end());
  if (inputs.empty()) {
    std::fprintf(stderr, "usage: %s DIR|FILE...: no inputs found\n", argv[0]);
    return 2;
  }

  // The repository's data directory, copied once: the textures and pictures
  // stay whole, the catalogues and settings are each input's.
  std::string pattern = (fs::temp_directory_path() / "stellix-frames-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) return 1;
  const fs::path dir(pattern);
  fs::copy(STELLIX_SOURCE_DATA_DIR, dir, fs::copy_options::recursive);
  const fs::path here = fs::current_path();  // the program changes into its data directory

  int failed = 0;
  for (const fs::path& input : inputs) {
    const std::string fault = DrawFrame(input, dir);
    fs::current_path(here);
    std::fprintf(stderr, "frame of %s: %s\n", input.c_str(),
                 fault.empty() ? "drawn" : fault.c_str());
    failed += !fault.empty();
  }
  fs::remove_all(dir);
  std::printf("%zu frames drawn, %d failed\n", inputs.size() - failed, failed);
  return failed == 0 ? 0 : 1;
}
