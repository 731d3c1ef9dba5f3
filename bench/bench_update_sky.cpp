// Time of one UpdateSky: Julian day, sidereal time and horizon table, the Sun,
// the Moon and the eight planets, as every animation step runs it; and of
// the document's, on a day that moves the catalogues too (every half day of
// sky time: the stars' motions and aberration, figure vertices, labels and
// deep-sky objects).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "astro/astro_state.h"
#include "sky/sky_doc.h"

namespace {

void BM_UpdateSky(benchmark::State& state) {
  astro::AstroState astro;
  SkyPoint horizonPoints[astro::kHorizonPointCount];
  astro::PlanetState bodies[astro::kBodyCount];
  astro::CivilTime time{2034, 3, 20, 15, 6, 0};
  astro::ObserverPlace place;
  place.LongDeg = 52;
  place.LongMin = 32;
  place.EW = "E";
  place.LatDeg = 29;
  place.LatMin = 37;
  place.NS = "N";
  place.UtOffset = 3.5;
  int minute = 0;
  for (auto _ : state) {
    time.Minute = minute;
    minute = (minute + 1) % 60;
    astro.UpdateSky(time, place, horizonPoints, bodies);
    benchmark::DoNotOptimize(bodies);
    benchmark::DoNotOptimize(horizonPoints);
  }
}
BENCHMARK(BM_UpdateSky);

class AbortOnMissing : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char*) override { std::abort(); }
};

void BM_DocumentUpdateSkyNextDay(benchmark::State& state) {
  AppSettings settings;
  auto doc = std::make_unique<CSkyDoc>(settings);
  const std::filesystem::path cwd = std::filesystem::current_path();
  std::filesystem::current_path(STELLIX_SOURCE_DATA_DIR);
  AbortOnMissing failure;
  doc->OnNewDocument(failure, nullptr, astro::CivilTime{2034, 3, 1, 22, 0, 0});
  std::filesystem::current_path(cwd);
  int day = 1;
  for (auto _ : state) {
    day = day % 28 + 1;
    doc->Sky.DocumentTime.Day = day;
    doc->UpdateSky();
    benchmark::DoNotOptimize(doc->Sky.Stars);
  }
}
BENCHMARK(BM_DocumentUpdateSkyNextDay);

// The comets and minor planets of the bundled table at one instant, down to
// the argument's magnitude limit: 12 the default, 30 every body in full.
void BM_MoveSmallBodies(benchmark::State& state) {
  AppSettings settings;
  auto doc = std::make_unique<CSkyDoc>(settings, catalog::DataFiles{STELLIX_SOURCE_DATA_DIR});
  AbortOnMissing failure;
  doc->LoadSmallBodies(failure);
  doc->Sky.DocumentTime = astro::CivilTime{2034, 3, 1, 22, 0, 0};
  doc->UpdateSky();
  std::vector<sky::SmallBodyState> shown;
  int minute = 0;
  for (auto _ : state) {
    doc->Sky.AstroState.TerrestrialDay += (++minute % 2 ? 1.0 : -1.0) / 1440.0;
    sky::MoveSmallBodies(doc->Sky.AstroState, doc->Catalogues.SmallBodies,
                         static_cast<double>(state.range(0)), shown);
    benchmark::DoNotOptimize(shown.data());
  }
  state.counters["bodies"] = static_cast<double>(doc->Catalogues.SmallBodies.size());
  state.counters["shown"] = static_cast<double>(shown.size());
}
BENCHMARK(BM_MoveSmallBodies)->Arg(12)->Arg(30)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
