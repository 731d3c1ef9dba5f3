// A long run of the real main window under X: animation steps, each with a
// redraw, and commands of the command table chosen at random (toggles,
// modes, zooms, turns, animation), while the resident memory is sampled.
// Fails when the memory after the warm-up rises by more than the allowed
// share, or the memory the heap keeps unused by more than half of it (see
// the verdict at the end); a sanitizer build only
// checks that nothing crashes and UBSan stays silent (its allocator keeps
// freed memory in quarantine, so its memory rises by design).
//
//   stellix_soak [--steps N] [--commands N] [--warmup N] [--samples N]
//                [--size WxH] [--max-growth PERCENT] [--seed N] [--csv FILE]
//                [--settings FILE]
#include <malloc.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "app/sky_app.h"
#include "render/sky_view.h"
#include "sky/sky_doc.h"
#include "tests/test_files.h"
#include "ui/animation_controller.h"
#include "ui/command_table.h"
#include "ui/main_frame.h"

#if defined(__SANITIZE_ADDRESS__)
#define STELLIX_SOAK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define STELLIX_SOAK_ASAN 1
#endif
#endif

namespace {

struct Options {
  long Steps = 100000;
  long Commands = 10000;
  long Warmup = -1;  // default: a tenth of the steps
  long Samples = 200;
  int Width = 640, Height = 480;
  double MaxGrowth = 5.0;
  unsigned Seed = 20;
  std::string Csv;
  std::string Settings;  // a settings file to start from
};

bool ParseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
    if (!v) return false;
    if (a == "--steps") {
      o.Steps = std::atol(v);
    } else if (a == "--commands") {
      o.Commands = std::atol(v);
    } else if (a == "--warmup") {
      o.Warmup = std::atol(v);
    } else if (a == "--samples") {
      o.Samples = std::atol(v);
    } else if (a == "--size") {
      if (std::sscanf(v, "%dx%d", &o.Width, &o.Height) != 2) return false;
    } else if (a == "--max-growth") {
      o.MaxGrowth = std::atof(v);
    } else if (a == "--seed") {
      o.Seed = static_cast<unsigned>(std::atol(v));
    } else if (a == "--csv") {
      // The program changes into its data directory: the file is named from here.
      o.Csv = std::filesystem::absolute(v).string();
    } else if (a == "--settings") {
      o.Settings = v;
    } else {
      return false;
    }
    ++i;
  }
  if (o.Warmup < 0) o.Warmup = o.Steps / 10;
  return o.Steps > 0 && o.Commands >= 0 && o.Samples > 0 && o.Width > 0 && o.Height > 0;
}

// Resident memory in KiB: all of it, the anonymous part (the heap and
// what the program and its libraries allocate) and the part mapped from
// files (code and data of the libraries as far as it has been touched).
struct Resident {
  long Total = 0, Anonymous = 0, File = 0;
  long HeapInUse = 0;  // what the heap's allocations hold between frames
};
Resident ResidentKiB() {
  std::ifstream status("/proc/self/status");
  Resident r;
  std::string key;
  long value;
  while (status >> key) {
    if (key == "VmRSS:" && status >> value)
      r.Total = value;
    else if (key == "RssAnon:" && status >> value)
      r.Anonymous = value;
    else if (key == "RssFile:" && status >> value)
      r.File = value;
  }
  r.HeapInUse = static_cast<long>(::mallinfo2().uordblks / 1024);
  return r;
}

// The commands a user may give at any moment without a window of their own
// or the end of the program: every command with a handler of its own except
// the ones that open a dialog (their menu text ends in "..."), the print
// preview, the recent picture, help, Exit and full screen (which would hand
// the soak the whole screen).
std::vector<int> SoakCommands() {
  constexpr int kLeftOut[] = {57609, 57616, 57667, 57668, 57669, 57670, 57665, 32803};
  std::vector<int> ids;
  for (int i = 0; i < ui::kCommandCount; ++i) {
    const ui::Command& c = ui::kCommands[i];
    const std::string_view text = c.MenuText ? c.MenuText : "";
    if (!text.ends_with("...") && std::ranges::find(kLeftOut, c.Id) == std::end(kLeftOut))
      ids.push_back(c.Id);
  }
  return ids;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: %s [--steps N] [--commands N] [--warmup N] [--samples N] [--size WxH]\n"
                 "          [--max-growth PERCENT] [--seed N] [--csv FILE] [--settings FILE]\n",
                 argv[0]);
    return 2;
  }
  ScratchDir dir;
  CommandLine commandLine;
  commandLine.NonInteractive = true;
  commandLine.ShowSplash = false;
  commandLine.DataDir = STELLIX_SOURCE_DATA_DIR;
  commandLine.SettingsFile = dir.File("stellix.INI");
  if (!options.Settings.empty()) dir.Write("stellix.INI", ReadFile(options.Settings));
  commandLine.DateTime = astro::CivilTime{2026, 12, 8, 22, 0, 0};
  int qtArgc = 1;
  CSkyApp app(qtArgc, argv, commandLine);
  if (!app.InitInstance()) return app.ExitCode();
  CMainFrame* frame = app.MainFrame();
  frame->showNormal();
  frame->resize(options.Width, options.Height);
  if (!QTest::qWaitForWindowExposed(frame)) return 1;

  // What a long session reads sooner or later, the whole faint-star file and
  // the NGC/IC file, is read before the run: a rise after the warm-up is
  // then not the first deep zoom's reading but the program's own growth.
  sky::CDeepCatalogues& deep = frame->View()->Document->Catalogues.DeepCatalogues;
  deep.ReadFaintStars(std::numeric_limits<double>::infinity());
  deep.ReadNgcIc();

  long frames = 0;
  QObject::connect(frame->View(), &CSkyView::FramePainted, [&frames] { ++frames; });
  const std::vector<int> commands = SoakCommands();
  std::mt19937 random(options.Seed);
  std::uniform_int_distribution<std::size_t> pick(0, commands.size() - 1);
  const long commandEvery =
      options.Commands > 0 ? std::max(1L, options.Steps / options.Commands) : 0;
  const long sampleEvery = std::max(1L, options.Steps / options.Samples);

  std::vector<std::pair<long, Resident>> samples;  // step, KiB
  long commandsGiven = 0;
  const auto start = std::chrono::steady_clock::now();
  for (long step = 1; step <= options.Steps; ++step) {
    frame->Animation().Step();
    // The view paints on the window's next update request, as on the timer's steps.
    const long painted = frames;
    frame->View()->Redraw();
    // The update request is a timer's event: wait for events until it has
    // painted. A step left unpainted shows in the count of frames below.
    const QDeadlineTimer patience(1000);
    while (frames == painted && !patience.hasExpired())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (commandEvery && step % commandEvery == 0 && commandsGiven < options.Commands) {
      frame->Action(commands[pick(random)])->trigger();
      ++commandsGiven;
    }
    if (step % sampleEvery == 0 || step == options.Steps) samples.emplace_back(step, ResidentKiB());
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  frame->close();
  const int exitStatus = app.ExitInstance(0);

  if (!options.Csv.empty()) {
    std::ofstream csv(options.Csv);
    csv << "step,rss_kib,anonymous_kib,file_kib,heap_in_use_kib\n";
    for (const auto& [step, r] : samples)
      csv << step << ',' << r.Total << ',' << r.Anonymous << ',' << r.File << ',' << r.HeapInUse
          << '\n';
    if (!csv.flush()) {
      std::printf("soak: could not write %s\n", options.Csv.c_str());
      return 1;
    }
  }
  // Frames take memory and give it back in cycles, and some stretches of
  // sky need more than others: what counts is a rise from the first fifth
  // after the warm-up to the last fifth of the run. The resident memory is
  // compared by its highest samples; the memory the heap keeps resident
  // without using it (the creep of a fragmented heap) by its medians,
  // against the resident memory.
  std::vector<Resident> after;
  for (const auto& [step, r] : samples)
    if (step > options.Warmup) after.push_back(r);
  if (after.size() < 5) {
    std::printf("soak: too few samples after the warm-up\n");
    return 1;
  }
  const std::size_t fifth = after.size() / 5;
  const auto highest = [](auto begin, auto end) {
    long most = 0;
    for (auto r = begin; r != end; ++r) most = std::max(most, r->Total);
    return most;
  };
  const auto keptMedian = [](auto begin, auto end) {
    std::vector<long> kept;
    for (auto r = begin; r != end; ++r) kept.push_back(r->Anonymous - r->HeapInUse);
    std::nth_element(kept.begin(), kept.begin() + kept.size() / 2, kept.end());
    return kept[kept.size() / 2];
  };
  const long first = highest(after.begin(), after.begin() + fifth);
  const long last = highest(after.end() - fifth, after.end());
  const double growth = 100.0 * (static_cast<double>(last) - first) / first;
  const long keptFirst = keptMedian(after.begin(), after.begin() + fifth);
  const long keptLast = keptMedian(after.end() - fifth, after.end());
  const double keptGrowth = 100.0 * (static_cast<double>(keptLast) - keptFirst) / last;
  std::printf(
      "soak: %ld steps, %ld frames painted, %ld commands, %.0f s (%.1f ms a step)\n"
      "soak: resident memory %ld KiB at the first sample; after the warm-up (%ld steps) at most "
      "%ld KiB in the first fifth and %ld KiB in the last: %+.2f %% (allowed %.1f %%)\n"
      "soak: kept by the heap unused %ld KiB in the first fifth, %ld KiB in the last: %+.2f %% "
      "of the resident memory (allowed %.1f %%)\n",
      options.Steps, frames, commandsGiven, seconds, 1000 * seconds / options.Steps,
      samples.front().second.Total, options.Warmup, first, last, growth, options.MaxGrowth,
      keptFirst, keptLast, keptGrowth, options.MaxGrowth / 2);
  if (exitStatus != 0) return exitStatus;
  if (frames < options.Steps / 2) {
    std::printf("soak: too few frames were painted\n");
    return 1;
  }
#ifdef STELLIX_SOAK_ASAN
  std::printf("soak: memory not judged under AddressSanitizer\n");
  return 0;
#else
  // Random commands change what a frame needs (another mode, a texture read
  // on first use, lists compiled again), and with it the spare pages the heap
  // holds between trims: the creep of a fragmented heap is judged on the
  // animation alone, the resident memory on every run.
  const bool heapJudged = options.Commands == 0;
  return growth <= options.MaxGrowth && (!heapJudged || keptGrowth <= options.MaxGrowth / 2) ? 0
                                                                                             : 1;
#endif
}
