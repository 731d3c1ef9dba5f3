// The chart as QPainter draws it: onto a paint device that records what its
// engine is asked to do (vector shapes and text, never pixels), and into PDF
// files that are written whole or not at all.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "print/chart_printer.h"
#include "sky/sky_doc.h"
#include "tests/test_files.h"

namespace {

// Everything a page was painted with, call by call.
class RecordingEngine : public QPaintEngine {
 public:
  RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

  struct Text {
    QString String;
    QFont Font;
    QPointF Baseline;
  };
  std::vector<QColor> EllipseFills;  // the brush of each circle
  std::vector<QColor> RectFills;
  std::vector<int> PolylineSizes;
  std::vector<int> PolygonSizes;
  int Paths = 0;
  int Pictures = 0;  // pixmaps and images: a chart has none
  std::vector<Text> Texts;

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState& state) override {
    if (state.state() & QPaintEngine::DirtyBrush) brush_ = state.brush();
  }
  void drawEllipse(const QRectF&) override { EllipseFills.push_back(Fill()); }
  void drawRects(const QRectF*, int count) override {
    RectFills.insert(RectFills.end(), count, Fill());
  }
  void drawPath(const QPainterPath&) override { ++Paths; }
  void drawPolygon(const QPointF*, int count, PolygonDrawMode mode) override {
    (mode == PolylineMode ? PolylineSizes : PolygonSizes).push_back(count);
  }
  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    Texts.push_back({item.text(), item.font(), p});
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { ++Pictures; }
  void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
    ++Pictures;
  }
  void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override { ++Pictures; }
  Type type() const override { return QPaintEngine::User; }

  const Text* Find(const QString& string) const {
    for (const Text& t : Texts)
      if (t.String == string) return &t;
    return nullptr;
  }

 private:
  QColor Fill() const { return brush_.style() == Qt::NoBrush ? QColor() : brush_.color(); }
  QBrush brush_;
};

// A page of an A4 sheet at the chart's resolution, 10 mm margins round it.
class RecordingPage : public QPaintDevice {
 public:
  static constexpr int kWidth = 2244, kHeight = 3271;
  QPaintEngine* paintEngine() const override { return &engine_; }
  RecordingEngine& Engine() { return engine_; }

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth:
        return kWidth;
      case PdmHeight:
        return kHeight;
      case PdmWidthMM:
        return 190;
      case PdmHeightMM:
        return 277;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return print::kChartDotsPerInch;
      case PdmDepth:
        return 32;
      case PdmNumColors:
        return 1 << 24;
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
      default:
        return 0;
    }
  }

 private:
  mutable RecordingEngine engine_;
};

class ThrowOnMissingCatalogue : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char* fileName) override {
    throw std::runtime_error(fileName);
  }
};

class ChartPrinter : public ::testing::Test {
 protected:
  void SetUp() override {
    cwd_ = std::filesystem::current_path();
    std::filesystem::current_path(STELLIX_SOURCE_DATA_DIR);
    doc_ = std::make_unique<CSkyDoc>(settings_);
    ThrowOnMissingCatalogue failure;
    doc_->OnNewDocument(failure, nullptr, astro::CivilTime{2026, 12, 8, 22, 0, 0});
    // Orion, its belt in the middle.
    doc_->Settings().YRotation = -15 * 5.6;
    doc_->Settings().XRotation = 1.2;
  }
  void TearDown() override { std::filesystem::current_path(cwd_); }

  RecordingEngine& Paint(RecordingPage& page, double zoom) {
    QPainter painter(&page);
    print::PaintChart(painter, *doc_, zoom, RecordingPage::kWidth, RecordingPage::kHeight);
    return page.Engine();
  }

  AppSettings settings_;
  std::unique_ptr<CSkyDoc> doc_;
  std::filesystem::path cwd_;
};

TEST_F(ChartPrinter, DrawsCirclesPathsAndTextNeverPixels) {
  RecordingPage page;
  const RecordingEngine& engine = Paint(page, 4);
  EXPECT_EQ(engine.Pictures, 0);
  EXPECT_GT(engine.Paths, 0);  // the boundaries
  // Stars and the globular clusters' discs: black and white circles.
  ASSERT_GT(engine.EllipseFills.size(), 100u);
  for (const QColor& fill : engine.EllipseFills)
    EXPECT_TRUE(fill == Qt::black || fill == Qt::white) << fill.name().toStdString();
  for (const char* name : {"Orion", "Betelgeuse", "Rigel", "Alnilam", "M42"})
    EXPECT_NE(engine.Find(name), nullptr) << name;
  // Every label stands on a white box of its own.
  std::size_t white = 0;
  for (const QColor& fill : engine.RectFills) white += fill == Qt::white;
  EXPECT_GE(white, engine.Texts.size());
  // The frame round the page.
  EXPECT_EQ(engine.PolylineSizes.back(), 5);
}

TEST_F(ChartPrinter, ArialIsLiberationSansWithCellsOfTheLabelHeights) {
  RecordingPage page;
  const RecordingEngine& engine = Paint(page, 4);
  const struct {
    const char* Text;
    int Height;
    bool Italic;
  } kLabels[] = {{"Orion", 72, false}, {"Rigel", 36, false}, {"M42", 36, true}};
  for (const auto& label : kLabels) {
    const RecordingEngine::Text* text = engine.Find(label.Text);
    ASSERT_NE(text, nullptr) << label.Text;
    EXPECT_EQ(QFontInfo(text->Font).family(), "Liberation Sans");
    EXPECT_EQ(text->Font.italic(), label.Italic);
    const int cell = QFontMetrics(text->Font, &page).height();
    EXPECT_LE(cell, label.Height) << label.Text;
    EXPECT_GE(cell, label.Height - 3) << label.Text;
  }
}

// Only the frame and the legend: its box, its four lines, the magnitude
// key's word, discs and numbers.
TEST_F(ChartPrinter, WithNothingToShowOnlyTheFrameAndTheLegendAreDrawn) {
  doc_->Settings().Coordinations = doc_->Settings().Boundaries = doc_->Settings().Constelations =
      doc_->Settings().DeepSky = 0;
  doc_->Settings().SolarSystem = doc_->Settings().Ecliptic = doc_->Settings().StarNames =
      doc_->Settings().PlanetNames = 0;
  doc_->Settings().DeepSkyLabels = doc_->Settings().HorizonMode = doc_->Settings().SmallBodies = 0;
  doc_->Limits.StarMagnitudeLimit = -3;
  RecordingPage page;
  const RecordingEngine& engine = Paint(page, 4);
  EXPECT_EQ(engine.PolylineSizes, std::vector<int>{5});
  EXPECT_EQ(engine.EllipseFills.size(), 7u);
  EXPECT_EQ(engine.PolygonSizes, std::vector<int>{4});
  EXPECT_EQ(engine.Texts.size(), 4u + 1u + 7u);
  EXPECT_EQ(engine.Paths, 0);
}

TEST_F(ChartPrinter, PdfIsWrittenWholeOrNotAtAll) {
  ScratchDir dir;
  const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
  QString error;
  const std::string file = dir.File("chart.pdf");
  ASSERT_TRUE(print::WriteChartPdf(QString::fromStdString(file), a4, *doc_, 4, error))
      << error.toStdString();
  const std::string pdf = ReadFile(file);
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  EXPECT_NE(pdf.find("%%EOF"), std::string::npos);

  // Into a directory that is not there, or onto a directory: refused, with a
  // reason, and nothing is left behind.
  std::filesystem::create_directory(dir.Path() / "taken.pdf");
  for (const std::string& bad : {dir.File("missing/chart.pdf"), dir.File("taken.pdf")}) {
    error.clear();
    EXPECT_FALSE(print::WriteChartPdf(QString::fromStdString(bad), a4, *doc_, 4, error)) << bad;
    EXPECT_FALSE(error.isEmpty());
  }
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
    left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"chart.pdf", "taken.pdf"}));
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // QPainter and the PDF writer need no display.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  return RUN_ALL_TESTS();
}
