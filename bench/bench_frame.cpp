// Time of one 1920x1080 frame of the sky on a dark night at the default zoom:
// the whole frame with every layer on, in the equatorial chart and in the
// horizon view, and the star layer alone (the loop over the whole catalogue),
// each finished with glFinish so that the rasterising is counted; and a
// frame zoomed into Orion's sword, where the deep files are drawn.
// Needs an X display: xvfb-run -a -s "-screen 0 1920x1080x24" bench/bench_frame
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QOpenGLFramebufferObject>
#include <algorithm>
#include <clocale>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "render/frame.h"
#include "render/gl.h"
#include "render/offscreen_render.h"
#include "render/sky_renderer.h"
#include "render/sky_view.h"
#include "sky/messages.h"
#include "sky/places.h"
#include "sky/sky_doc.h"
#include "ui/animation_step.h"

namespace {

constexpr int kWidth = 1920, kHeight = 1080;

// CPU time of the whole process (Mesa's rasteriser threads too), seconds.
double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Reports the process's CPU per iteration beside the main thread's.
class ProcessCpu {
 public:
  explicit ProcessCpu(benchmark::State& state) : state_(state), start_(ProcessCpuSeconds()) {}
  ~ProcessCpu() {
    state_.counters["process_cpu_ms"] = benchmark::Counter(
        (ProcessCpuSeconds() - start_) * 1000.0 / std::max<double>(1, state_.iterations()));
  }

 private:
  benchmark::State& state_;
  double start_;
};

class QuietMessages : public CMessenger {
 public:
  void Show(MessageIcon, std::string_view) override {}
};

class Fail : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char* name) override { throw std::runtime_error(name); }
};

// The document, a hidden view and a framebuffer of the frame's size, current
// for the whole benchmark.
class Scene {
 public:
  explicit Scene(bool horizonMode) {
    std::filesystem::current_path(STELLIX_SOURCE_DATA_DIR);
    doc_ = std::make_unique<CSkyDoc>(settings_);
    doc_->OnNewDocument(fail_, nullptr, astro::CivilTime{2026, 12, 8, 22, 0, 0});
    doc_->Settings().Coordinations = doc_->Settings().Boundaries = doc_->Settings().Constelations =
        doc_->Settings().DeepSky = 1;
    doc_->Settings().MilkyWay = doc_->Settings().SolarSystem = doc_->Settings().Ecliptic =
        doc_->Settings().StarNames = 1;
    doc_->Settings().PlanetNames = doc_->Settings().DeepSkyLabels = doc_->Settings().SkyColors = 1;
    doc_->Settings().HorizonMode = horizonMode ? 1 : 0;
    if (horizonMode) doc_->Settings().XRotation = -30;  // the north, 30 degrees up
    view_ = std::make_unique<CSkyView>(*doc_, messages_);
    canvas_ = std::make_unique<COffscreenCanvas>(*view_);
    canvas_->Render(kWidth, kHeight);  // builds the scene once
    if (!canvas_->MakeCurrent()) throw std::runtime_error("no GL context");
    fbo_ = std::make_unique<QOpenGLFramebufferObject>(
        kWidth, kHeight, QOpenGLFramebufferObject::CombinedDepthStencil);
    fbo_->bind();
    view_->SetWindowSize(kWidth, kHeight);
    view_->DrawFrame();
  }
  ~Scene() {
    fbo_->release();
    fbo_.reset();
    canvas_->DoneCurrent();
  }

  CSkyDoc& Doc() { return *doc_; }
  CSkyView& View() { return *view_; }

 private:
  AppSettings settings_;
  QuietMessages messages_;
  Fail fail_;
  std::unique_ptr<CSkyDoc> doc_;
  std::unique_ptr<CSkyView> view_;
  std::unique_ptr<COffscreenCanvas> canvas_;
  std::unique_ptr<QOpenGLFramebufferObject> fbo_;
};

void BM_FullFrame(benchmark::State& state) {
  Scene scene(state.range(0) != 0);
  const ProcessCpu cpu(state);
  for (auto _ : state) scene.View().DrawFrame();
}
// Mesa rasterises in threads of its own: wall-clock time is what counts.
BENCHMARK(BM_FullFrame)
    ->ArgName("horizon")
    ->Arg(0)
    ->Arg(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// What one layer costs: the whole frame with that layer switched off (its
// cost is the difference from BM_FullFrame/horizon:0).
void BM_FrameWithout(benchmark::State& state) {
  Scene scene(false);
  CSkyDoc& doc = scene.Doc();
  switch (state.range(0)) {
    case 1:
      doc.Settings().MilkyWay = 0;
      break;
    case 2:
      doc.Settings().SkyColors = 0;
      break;
    case 3:
      doc.Settings().Boundaries = doc.Settings().Constelations = doc.Settings().Ecliptic =
          doc.Settings().Coordinations = 0;
      break;
    case 4:
      doc.Settings().DeepSky = 0;
      break;
    case 5:
      doc.Settings().StarNames = doc.Settings().PlanetNames = doc.Settings().DeepSkyLabels = 0;
      break;
    case 6:
      doc.Limits.StarMagnitudeLimit = -10;
      break;
    default:
      break;
  }
  const ProcessCpu cpu(state);
  for (auto _ : state) scene.View().DrawFrame();
}
BENCHMARK(BM_FrameWithout)
    ->ArgName("without")  // 1 Milky Way, 2 sky colours, 3 lines, 4 deep sky, 5 labels, 6 stars
    ->DenseRange(1, 6)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Orion's sword at zoom 64 in the automatic mode: the limits at the faint-star
// and NGC/IC files' depth, their cells in view read and moved once before.
void BM_ZoomedFrame(benchmark::State& state) {
  Scene scene(false);
  CSkyDoc& doc = scene.Doc();
  doc.Settings().AutoMode = 1;
  scene.View().Zoom = 64;
  doc.UpdateAutoLimits(64);
  doc.PrepareCatalogues();                           // as the view does when it zooms
  doc.Settings().YRotation = -15 * (5 + 35.3 / 60);  // M42
  doc.Settings().XRotation = 5.39;
  scene.View().Geometry.ProjectionDirty = true;
  scene.View().DrawFrame();
  scene.View().DrawFrame();
  const ProcessCpu cpu(state);
  for (auto _ : state) scene.View().DrawFrame();
}
BENCHMARK(BM_ZoomedFrame)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_StarLayer(benchmark::State& state) {
  Scene scene(false);
  scene.Doc().Limits.StarMagnitudeLimit = 7.5;  // the whole catalogue
  const render::Frame frame{scene.Doc(),           scene.Doc().Conditions(),
                            scene.View().Geometry, scene.View().Renderer(),
                            scene.View().Zoom,     false};
  const ProcessCpu cpu(state);
  for (auto _ : state) {
    render::DrawStars(frame);
    glFinish();
  }
}
BENCHMARK(BM_StarLayer)->UseRealTime()->Unit(benchmark::kMillisecond);

// A right click: the whole frame again in selection mode round one point.
void BM_SelectionPass(benchmark::State& state) {
  Scene scene(false);
  const ProcessCpu cpu(state);
  for (auto _ : state)
    benchmark::DoNotOptimize(
        scene.View().Renderer().SelectionPass(kWidth / 2, kHeight / 2, scene.View().Zoom));
}
BENCHMARK(BM_SelectionPass)->UseRealTime()->Unit(benchmark::kMillisecond);

// One step of the animation as the main frame takes it (the instant moves,
// the clock follows the place's rules), back to the start at the range's end.
void Step(CSkyDoc& doc, int step) {
  astro::CivilTime clock = doc.Sky.DocumentTime;
  std::int64_t instant = doc.Sky.Instant.UtSeconds;
  if (ui::AnimationStep(clock, instant, doc.Sky.TimeOffset, step, true,
                        ClockRulesOf(doc.Settings()))) {
    doc.SetInstant(instant);
    doc.Sky.DocumentTime = clock;
  } else {
    doc.Sky.DocumentTime = {2026, 12, 8, 22, 0, 0};
  }
  doc.UpdateSky();
}

// The view the peers are compared on (bench/peer_comparison.py): London's
// horizon facing south, its middle 15 degrees up, about 90 degrees across,
// with the settings' defaults and the constellation lines and boundaries.
void SetPeerView(Scene& scene) {
  CSkyDoc& doc = scene.Doc();
  doc.Settings() = AppSettings{};
  const catalog::Place* london = sky::FindPlace(doc.Catalogues.Places, "London");
  if (!london) throw std::runtime_error("no London");
  sky::ApplyPlace(*london, doc.Settings());
  doc.Settings().HorizonMode = doc.Settings().SkyColors = doc.Settings().AutoMode = 1;
  doc.Settings().Constelations = doc.Settings().Boundaries = 1;
  doc.Settings().YRotation = 90;
  doc.Settings().XRotation = 345;
  scene.View().Zoom = 2.5;
  doc.UpdateAutoLimits(2.5);
  doc.PrepareCatalogues();
  scene.View().Geometry.ProjectionDirty = true;
}

// That view with the clock running on in one-day steps, as with Ctrl+F.
void BM_PeerViewDayStep(benchmark::State& state) {
  Scene scene(true);
  SetPeerView(scene);
  CSkyDoc& doc = scene.Doc();
  Step(doc, ui::kOneDay);
  scene.View().DrawFrame();
  const ProcessCpu cpu(state);
  for (auto _ : state) {
    Step(doc, ui::kOneDay);
    scene.View().DrawFrame();
  }
}
BENCHMARK(BM_PeerViewDayStep)->Iterations(300)->UseRealTime()->Unit(benchmark::kMillisecond);

// What each layer of that view costs: its frame, time standing, with one
// layer switched off (0: none).
void BM_PeerViewWithout(benchmark::State& state) {
  Scene scene(true);
  SetPeerView(scene);
  AppSettings& settings = scene.Doc().Settings();
  int AppSettings::*const switches[] = {nullptr,
                                        &AppSettings::MilkyWay,
                                        &AppSettings::SkyColors,
                                        &AppSettings::Boundaries,
                                        &AppSettings::Constelations,
                                        &AppSettings::Ecliptic,
                                        &AppSettings::StarNames,
                                        &AppSettings::DeepSky,
                                        &AppSettings::SolarSystem,
                                        &AppSettings::SmallBodies};
  if (int AppSettings::*const off = switches[state.range(0)]) settings.*off = 0;
  scene.View().DrawFrame();
  const ProcessCpu cpu(state);
  for (auto _ : state) scene.View().DrawFrame();
}
BENCHMARK(BM_PeerViewWithout)
    // 1 Milky Way, 2 sky colours, 3 boundaries, 4 figures, 5 ecliptic,
    // 6 star names, 7 deep sky, 8 solar system, 9 comets and asteroids
    ->ArgName("without")
    ->DenseRange(0, 9)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// A tick of the time animation: one step of the date and time, the sky
// recomputed and the frame drawn. At the timer's 50 ms period the animation
// keeps up while this stays under 50 ms (20 steps a second).
void BM_AnimationStepWithRedraw(benchmark::State& state) {
  Scene scene(false);
  CSkyDoc& doc = scene.Doc();
  const int step = static_cast<int>(state.range(0));
  const ProcessCpu cpu(state);
  for (auto _ : state) {
    Step(doc, step);
    scene.View().DrawFrame();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AnimationStepWithRedraw)
    ->ArgName("step")
    ->Arg(ui::kTenMinutes)
    ->Arg(ui::kOneDay)
    ->Iterations(1000)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// In local-horizon mode with refraction every time step moves the zenith,
// and the sky's display lists are compiled again for it: a ten-minute step
// with its redraw, with and without refraction (and so without the lists).
void BM_HorizonStepWithListRefresh(benchmark::State& state) {
  Scene scene(true);
  CSkyDoc& doc = scene.Doc();
  doc.Settings().Refraction = static_cast<int>(state.range(0));
  const ProcessCpu cpu(state);
  for (auto _ : state) {
    Step(doc, ui::kTenMinutes);
    scene.View().DrawFrame();
  }
}
BENCHMARK(BM_HorizonStepWithListRefresh)
    ->ArgName("refraction")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(200)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
