// Time of one UpdateSky: Julian day, sidereal time and horizon table, the Sun,
// the Moon and the eight planets, as every animation step runs it.
#include <benchmark/benchmark.h>

#include "astro/astro_state.h"

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

}  // namespace

BENCHMARK_MAIN();
