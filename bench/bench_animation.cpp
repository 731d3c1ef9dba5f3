// Time animation with redraw: one step of the date and time, the sky
// recomputed and a 1280x1024 frame drawn offscreen, as each tick of the
// animation timer does. At the 50 ms period the animation keeps up while a
// step takes less than 50 ms (20 steps per second).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <clocale>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "app/messages.h"
#include "app/sky_doc.h"
#include "render/offscreen_render.h"
#include "render/sky_view.h"
#include "ui/animation_step.h"

namespace {

class QuietMessages : public CMessenger {
 public:
  void Show(MessageIcon, std::string_view) override {}
};

class Fail : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char* name) override { throw std::runtime_error(name); }
};

void BM_AnimationStepWithRedraw(benchmark::State& state) {
  std::filesystem::current_path(STELLIX_SOURCE_DATA_DIR);
  AppSettings settings;
  QuietMessages messages;
  auto doc = std::make_unique<CSkyDoc>(settings);
  Fail fail;
  doc->OnNewDocument(fail, nullptr, astro::CivilTime{2026, 12, 8, 20, 0, 0});
  CSkyView view(*doc, messages);
  COffscreenCanvas canvas(view);
  canvas.Render(1280, 1024);  // builds the scene once

  const int step = static_cast<int>(state.range(0));
  for (auto _ : state) {
    if (!ui::AnimationStep(doc->DocumentTime, doc->TimeOffset, step, true))
      doc->DocumentTime = {2026, 12, 8, 20, 0, 0};
    doc->UpdateSky();
    benchmark::DoNotOptimize(canvas.Render(1280, 1024));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AnimationStepWithRedraw)
    ->Arg(ui::kTenMinutes)
    ->Arg(ui::kOneDay)
    ->Iterations(1000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
