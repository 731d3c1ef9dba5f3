// The find box: building its index from the document once, and one lookup
// (the altitudes of every object, the ranking) for an exact name, a prefix
// and a slip that falls through to the edit distance.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "sky/find_index.h"
#include "sky/sky_doc.h"

namespace {

class AbortOnMissing : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char*) override { std::abort(); }
};

std::unique_ptr<CSkyDoc> KrakowDoc(AppSettings& settings) {
  auto doc = std::make_unique<CSkyDoc>(settings);
  const std::filesystem::path cwd = std::filesystem::current_path();
  std::filesystem::current_path(STELLIX_SOURCE_DATA_DIR);
  AbortOnMissing failure;
  doc->OnNewDocument(failure, nullptr, astro::CivilTime{2026, 12, 8, 22, 0, 0});
  doc->Catalogues.DeepCatalogues.ReadNgcIc();
  std::filesystem::current_path(cwd);
  return doc;
}

void BM_FindIndexBuild(benchmark::State& state) {
  AppSettings settings;
  const auto doc = KrakowDoc(settings);
  for (auto _ : state) benchmark::DoNotOptimize(sky::BuildFindIndex(*doc));
}
BENCHMARK(BM_FindIndexBuild)->Unit(benchmark::kMillisecond);

void BM_FindLookup(benchmark::State& state, const char* typed) {
  AppSettings settings;
  const auto doc = KrakowDoc(settings);
  sky::FindIndex index = sky::BuildFindIndex(*doc);
  for (auto _ : state) benchmark::DoNotOptimize(sky::FindMatches(*doc, index, typed, 20));
}
BENCHMARK_CAPTURE(BM_FindLookup, exact, "Betelgeuse")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindLookup, prefix, "and")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindLookup, slip, "betelguese")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
