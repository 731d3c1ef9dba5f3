// Time of a printed chart of Orion at zoom 4 on an A4 page, with every layer
// on: its geometry alone, and the whole chart written to a PDF file. Needs no
// display (Qt's offscreen platform): bench/bench_print
#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QTemporaryDir>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "print/chart_geometry.h"
#include "print/chart_printer.h"
#include "sky/sky_doc.h"

namespace {

class Fail : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char* name) override { throw std::runtime_error(name); }
};

// Text as wide as half its height per character.
class FixedMeasure : public print::CChartTextMeasure {
 public:
  int Width(const print::ChartFont& font, std::string_view text) const override {
    return static_cast<int>(text.size()) * font.Height / 2;
  }
  int Height(const print::ChartFont& font) const override { return font.Height; }
};

// The document centred on Orion's belt, every layer on.
class Sky {
 public:
  Sky() {
    std::filesystem::current_path(STELLIX_SOURCE_DATA_DIR);
    doc_ = std::make_unique<CSkyDoc>(settings_);
    doc_->OnNewDocument(fail_, nullptr, astro::CivilTime{2026, 12, 8, 22, 0, 0});
    doc_->Settings().Coordinations = doc_->Settings().Boundaries = doc_->Settings().Constelations =
        doc_->Settings().DeepSky = 1;
    doc_->Settings().SolarSystem = doc_->Settings().Ecliptic = doc_->Settings().StarNames = 1;
    doc_->Settings().PlanetNames = doc_->Settings().DeepSkyLabels = 1;
    doc_->Settings().YRotation = -15 * 5.6;
    doc_->Settings().XRotation = 1.2;
  }
  CSkyDoc& Doc() { return *doc_; }

 private:
  AppSettings settings_;
  Fail fail_;
  std::unique_ptr<CSkyDoc> doc_;
};

void BM_ChartGeometry(benchmark::State& state) {
  Sky sky;
  const FixedMeasure measure;
  for (auto _ : state) {
    const print::ChartDrawing chart = print::BuildChart(sky.Doc(), 2244, 3271, 4, measure);
    benchmark::DoNotOptimize(chart.data());
  }
}
BENCHMARK(BM_ChartGeometry)->Unit(benchmark::kMillisecond);

void BM_ChartToPdf(benchmark::State& state) {
  Sky sky;
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("chart.pdf"));
  const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
  for (auto _ : state) {
    QString error;
    if (!print::WriteChartPdf(file, a4, sky.Doc(), 4, error)) state.SkipWithError("not written");
  }
  state.counters["bytes"] = static_cast<double>(QFile(file).size());
}
BENCHMARK(BM_ChartToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
