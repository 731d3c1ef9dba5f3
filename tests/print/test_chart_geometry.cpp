// The printed chart's geometry without a printer: which shapes and texts a
// page gets, where, how large, and what is left off.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <memory>
#include <numbers>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "astro/refraction.h"
#include "print/chart_geometry.h"
#include "res/strings.h"
#include "sky/eyepiece_fields.h"
#include "sky/sky_doc.h"

namespace print {
namespace {

constexpr int kWidth = 2000, kHeight = 2800;

class ThrowOnMissingCatalogue : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char* fileName) override {
    throw std::runtime_error(fileName);
  }
};

// Text as wide as half its height per character, a cell as high as the font.
class FixedMeasure : public CChartTextMeasure {
 public:
  int Width(const ChartFont& font, std::string_view text) const override {
    return static_cast<int>(text.size()) * font.Height / 2;
  }
  int Height(const ChartFont& font) const override { return font.Height; }
};

template <typename Shape>
std::vector<Shape> ShapesOf(const ChartDrawing& drawing, ChartLayer layer) {
  std::vector<Shape> shapes;
  for (const ChartItem& item : drawing)
    if (item.Layer == layer)
      if (const Shape* shape = std::get_if<Shape>(&item.Shape)) shapes.push_back(*shape);
  return shapes;
}

std::vector<std::string> TextsOf(const ChartDrawing& drawing, ChartLayer layer) {
  std::vector<std::string> texts;
  for (const ChartText& t : ShapesOf<ChartText>(drawing, layer)) texts.push_back(t.Text);
  return texts;
}

bool Has(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The text of a catalogue record's fixed character array.
template <std::size_t N>
std::string NameOf(const char (&text)[N]) {
  return std::string(text, strnlen(text, N));
}

bool Near(PagePoint a, PagePoint b, int tolerance = 1) {
  return std::abs(a.X - b.X) <= tolerance && std::abs(a.Y - b.Y) <= tolerance;
}

constexpr PagePoint kCentre{kWidth / 2, kHeight / 2};

// Whether a name stands beside a mark round point p, `shift` pixels right of
// it (the mark's radius and the gap of 8), its cell across the point.
bool Beside(const ChartText& t, PagePoint p, int shift) {
  return std::abs(t.At.X - (p.X + shift)) <= 1 && t.At.Y < p.Y && p.Y < t.At.Y + t.Font.Height;
}

class ChartGeometry : public ::testing::Test {
 protected:
  void SetUp() override {
    cwd_ = std::filesystem::current_path();
    std::filesystem::current_path(STELLIX_SOURCE_DATA_DIR);
    settings_.TimeZone = 0;
    settings_.DaylightSavingTime = 0;
    settings_.TimeZoneId.clear();
    doc_ = std::make_unique<CSkyDoc>(settings_);
    ThrowOnMissingCatalogue failure;
    doc_->OnNewDocument(failure, nullptr, astro::CivilTime{2026, 12, 8, 22, 0, 0});
    // The layers of the faint-star and NGC/IC files only where a test fills them.
    doc_->Catalogues.DeepCatalogues.Use({}, {});
  }
  void TearDown() override { std::filesystem::current_path(cwd_); }

  void AllSwitchesOff() {
    doc_->Settings().Coordinations = doc_->Settings().Boundaries = doc_->Settings().Constelations =
        doc_->Settings().DeepSky = 0;
    doc_->Settings().MilkyWay = doc_->Settings().SolarSystem = doc_->Settings().Ecliptic =
        doc_->Settings().StarNames = 0;
    doc_->Settings().PlanetNames = doc_->Settings().DeepSkyLabels = doc_->Settings().SkyColors =
        doc_->Settings().HorizonMode = doc_->Settings().SmallBodies = 0;
  }
  // Equatorial mode, the page centred on ra (hours), dec (degrees).
  void CentreOn(double ra, double dec) {
    doc_->Settings().HorizonMode = 0;
    doc_->Settings().YRotation = -15 * ra;
    doc_->Settings().XRotation = -dec;
  }
  // Horizon mode, the page centred on azimuth (from the south through the
  // east) and altitude.
  void CentreOnHorizon(double azimuth, double altitude) {
    doc_->Settings().HorizonMode = 1;
    doc_->Settings().YRotation = (360 - azimuth) + 90;
    doc_->Settings().XRotation = -altitude;
  }
  // Leaves only deep-sky record 0, made of the given type and axes, at ra, dec.
  DeepSkyRecord& OnlyDeepSkyObject(const char* type, double ra, double dec, float major,
                                   float minor) {
    for (DeepSkyRecord& r : doc_->Sky.DeepSkyObjects) r.Magnitude = 99;
    DeepSkyRecord& r = doc_->Sky.DeepSkyObjects[0];
    std::memset(r.Type, 0, sizeof r.Type);
    std::strncpy(r.Type, type, sizeof r.Type - 1);
    r.RightAscension = static_cast<float>(ra);
    r.Declination = static_cast<float>(dec);
    r.MajorAxis = major;
    r.MinorAxis = minor;
    r.PositionAngle = 90;
    r.Magnitude = 5;
    return r;
  }
  // Leaves only star 0, of this magnitude, at ra, dec.
  void OnlyStar(double ra, double dec, float magnitude) {
    for (StarRecord& s : doc_->Sky.Stars) s.Magnitude = 99;
    doc_->Sky.Stars[0].RightAscension = static_cast<float>(ra);
    doc_->Sky.Stars[0].Declination = static_cast<float>(dec);
    doc_->Sky.Stars[0].Magnitude = magnitude;
  }
  ChartDrawing Chart(double zoom, int width = kWidth, int height = kHeight) {
    return BuildChart(*doc_, width, height, zoom, measure_);
  }

  AppSettings settings_;
  std::unique_ptr<CSkyDoc> doc_;
  FixedMeasure measure_;
  std::filesystem::path cwd_;
};

TEST_F(ChartGeometry, EveryDisplaySwitchOffLeavesTheFrameTheLegendAndTheStars) {
  AllSwitchesOff();
  ChartDrawing chart = Chart(2);
  for (const ChartItem& item : chart)
    EXPECT_TRUE(item.Layer == ChartLayer::Stars || item.Layer == ChartLayer::Frame ||
                item.Layer == ChartLayer::Legend);
  EXPECT_FALSE(ShapesOf<ChartCircle>(chart, ChartLayer::Stars).empty());

  // The stars have no switch; with none bright enough the frame and the legend are all.
  doc_->Limits.StarMagnitudeLimit = -3;
  chart = Chart(2);
  std::erase_if(chart, [](const ChartItem& item) { return item.Layer == ChartLayer::Legend; });
  ASSERT_EQ(chart.size(), 1u);
  const auto frame = ShapesOf<ChartPolyline>(chart, ChartLayer::Frame);
  ASSERT_EQ(frame.size(), 1u);
  const std::vector<PagePoint> corners{
      {0, 0}, {kWidth - 1, 0}, {kWidth - 1, kHeight - 1}, {0, kHeight - 1}, {0, 0}};
  EXPECT_EQ(frame[0].Points, corners);
}

TEST_F(ChartGeometry, EyepieceFieldsStandRoundTheMiddleOfThePageAtTheirSize) {
  AllSwitchesOff();
  sky::EyepieceField eyepiece;  // 52 degrees, 25 mm on 1000 mm: 1.3 degrees
  eyepiece.Name = "Plossl";
  sky::EyepieceField camera;
  camera.Name = "APS-C";
  camera.Kind = sky::FieldKind::Camera;  // 1.346 x 0.894 degrees on 1000 mm
  settings_.Fields = {eyepiece, camera};
  // Half the page's width (the shorter side) is one radius of the sphere at zoom 1.
  const double radius = std::sin(0.65 * std::numbers::pi / 180) * kWidth / 2 * 8;
  // The middle of the sensor's right side, on the sphere: tan(w/2) / hypot(tan(w/2), 1).
  const double halfWidth = 23.5 / 2000 / std::hypot(23.5 / 2000, 1.0) * kWidth / 2 * 8;
  ChartDrawing chart = Chart(8);
  const auto outlines = ShapesOf<ChartPolyline>(chart, ChartLayer::Fields);
  ASSERT_EQ(outlines.size(), 2u);
  // Page points are whole pixels, cut toward zero in x and in y.
  for (const PagePoint p : outlines[0].Points)
    EXPECT_NEAR(std::hypot(p.X - kCentre.X, p.Y - kCentre.Y), radius, 1.5);
  int right = 0;
  for (const PagePoint p : outlines[1].Points) right = std::max(right, p.X - kCentre.X);
  EXPECT_NEAR(right, halfWidth, 1.0);
  EXPECT_EQ(outlines[0].Points.front(), outlines[0].Points.back()) << "closed";
  const auto names = ShapesOf<ChartText>(chart, ChartLayer::Fields);
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0].Text, "Plossl");
  EXPECT_LT(names[0].At.Y + kFieldNameFont.Height, kCentre.Y - radius) << "above its circle";

  doc_->Settings().EyepieceFields = 0;
  EXPECT_TRUE(ShapesOf<ChartPolyline>(Chart(8), ChartLayer::Fields).empty());
}

TEST_F(ChartGeometry, AtZoomOneOnlyConstellationNamesAreWritten) {
  CentreOn(5.6, 0);                          // Orion: star, planet and deep-sky labels to be had
  doc_->Sky.Bodies[5].RightAscension = 5.5;  // Jupiter in the field
  doc_->Sky.Bodies[5].Declination = 5;
  for (const double zoom : {1.0, 2.0}) {
    SCOPED_TRACE(zoom);
    const ChartDrawing chart = Chart(zoom);
    const auto names = ShapesOf<ChartText>(chart, ChartLayer::ConstellationNames);
    ASSERT_FALSE(names.empty());
    for (const ChartText& name : names) EXPECT_EQ(name.Font.Height, zoom == 1.0 ? 66 : 72);
    EXPECT_EQ(TextsOf(chart, ChartLayer::StarNames).empty(), zoom == 1.0);
    EXPECT_EQ(TextsOf(chart, ChartLayer::PlanetNames).empty(), zoom == 1.0);
    EXPECT_EQ(TextsOf(chart, ChartLayer::DeepSkyLabels).empty(), zoom == 1.0);
  }
}

// The planets', compass points' and constellations' names come from the
// names the chart is given (the window's language when printed).
TEST_F(ChartGeometry, NamesComeFromTheNamesGiven) {
  class CMarkedNames : public CChartNames {
   public:
    std::string Body(int body) const override { return "body " + std::to_string(body); }
    std::string CompassPoint(int point) const override { return "point " + std::to_string(point); }
    std::string Constellation(const std::string& latin) const override { return "<" + latin + ">"; }
  };
  CentreOn(5.6, 0);
  doc_->Sky.Bodies[5].RightAscension = 5.5;  // Jupiter in the field
  doc_->Sky.Bodies[5].Declination = 5;
  const ChartDrawing chart = BuildChart(*doc_, kWidth, kHeight, 2, measure_, CMarkedNames());
  const std::vector<std::string> constellations = TextsOf(chart, ChartLayer::ConstellationNames);
  ASSERT_FALSE(constellations.empty());
  for (const std::string& name : constellations)
    EXPECT_TRUE(name.starts_with('<') && name.ends_with('>')) << name;
  const std::vector<std::string> planets = TextsOf(chart, ChartLayer::PlanetNames);
  EXPECT_NE(std::find(planets.begin(), planets.end(), "body 5"), planets.end());
  // The program's own names when none are given.
  const std::vector<std::string> plain = TextsOf(Chart(2), ChartLayer::PlanetNames);
  EXPECT_NE(std::find(plain.begin(), plain.end(), "Jupiter"), plain.end());
}

TEST(StarRadius, FollowsTheTruncatedMagnitude) {
  const struct {
    double Magnitude;
    int Radius;
  } kCases[] = {{-1.46, 15}, {-1.0, 15}, {-0.5, 12}, {0.0, 12}, {0.99, 12}, {1.0, 10},
                {2.5, 8},    {3.0, 6},   {4.9, 4},   {5.0, 3},  {5.9, 3},   {6.2, 2},
                {7.5, 2},    {-2.0, 2},  {-2.5, 2},  {1e9, 2},  {-1e9, 2}};
  for (const auto& c : kCases) EXPECT_EQ(StarRadius(c.Magnitude), c.Radius) << c.Magnitude;
}

TEST_F(ChartGeometry, StarsAreCirclesOfTheirMagnitudeWhereTheCameraLooks) {
  AllSwitchesOff();
  for (const float magnitude : {-1.46f, 5.9f, 6.2f}) {
    OnlyStar(6.75, -16.7, magnitude);
    CentreOn(6.75, -16.7);
    const auto stars = ShapesOf<ChartCircle>(Chart(4), ChartLayer::Stars);
    ASSERT_EQ(stars.size(), 1u) << magnitude;
    EXPECT_TRUE(Near(stars[0].Centre, kCentre)) << stars[0].Centre.X << "," << stars[0].Centre.Y;
    EXPECT_EQ(stars[0].Fill, ChartFill::Black);
    EXPECT_EQ(stars[0].Radius, StarRadius(magnitude));
  }
  // Fainter than the limit, off the page or behind: left out.
  doc_->Limits.StarMagnitudeLimit = 6.0;
  EXPECT_TRUE(ShapesOf<ChartCircle>(Chart(4), ChartLayer::Stars).empty());
  doc_->Limits.StarMagnitudeLimit = 7.5;
  CentreOn(8.75, -16.7);  // 30 degrees east: off the page at zoom 4
  EXPECT_TRUE(ShapesOf<ChartCircle>(Chart(4), ChartLayer::Stars).empty());
  CentreOn(18.75, 16.7);  // the opposite point of the sky
  EXPECT_TRUE(ShapesOf<ChartCircle>(Chart(1), ChartLayer::Stars).empty());
}

// The line layers keep a line that reaches across the page and drop one
// wholly beside, above or below it, or with an end on the far side of the sky.
TEST_F(ChartGeometry, LineLayersKeepLinesThatReachOntoThePage) {
  AllSwitchesOff();
  doc_->Limits.StarMagnitudeLimit = -3;
  CentreOn(0, 0);
  // At zoom 8 the page spans about +-7 degrees across and +-10 up and down.
  const struct {
    float Ra1, Dec1, Ra2, Dec2;  // hours, degrees
    bool Drawn;
  } kLines[] = {
      {0.0f, 0, 23.0f, 0, true},     // from the middle to 15 degrees west
      {1.0f, 0, 23.0f, 0, true},     // across the page, its ends beside it on either side
      {1.0f, 0, 2.0f, 0, false},     // wholly east of the page
      {1.0f, 20, 23.0f, 25, false},  // above it
      {1.0f, 20, 23.0f, -20, true},  // across it from corner to corner
      {1.0f, 20, 2.0f, -20, false},  // from above to below it, east of it
      {0.0f, 0, 12.0f, 0, false},    // to the far side of the sky
      {0.0f, 5, 0.1f, -5, true},     // wholly on it
  };
  for (int pass = 0; pass < 2; ++pass) {
    const bool figures = pass == 1;
    SCOPED_TRACE(figures ? "figures" : "boundaries");
    ConstellationLineRecord* records =
        figures ? doc_->Sky.ConstellationLines : doc_->Catalogues.BoundaryPoints;
    const int count = figures ? kConstellationLineCount : kBoundaryCount;
    // The two files mark the joins the opposite ways.
    const int join = figures ? 0 : 1, end = figures ? 1 : 0;
    for (int i = 0; i < count; ++i) records[i] = {0, 0, end};
    for (std::size_t k = 0; k < std::size(kLines); ++k) {
      records[2 * k] = {kLines[k].Ra1, kLines[k].Dec1, join};
      records[2 * k + 1] = {kLines[k].Ra2, kLines[k].Dec2, end};
    }
    doc_->Settings().Boundaries = !figures;
    doc_->Settings().Constelations = figures;
    const auto lines = ShapesOf<ChartLines>(
        Chart(8), figures ? ChartLayer::ConstellationLines : ChartLayer::Boundaries);
    std::size_t drawn = 0;
    for (const auto& line : kLines) drawn += line.Drawn;
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Segments.size(), drawn);
    EXPECT_TRUE(Near(lines[0].Segments.front().first, kCentre));
  }
}

TEST_F(ChartGeometry, GridLinesStayWithinReachOfThePage) {
  AllSwitchesOff();
  doc_->Settings().Coordinations = 1;
  CentreOn(3, 30);
  for (const double zoom : {1.0, 256.0}) {
    const auto grid = ShapesOf<ChartLines>(Chart(zoom), ChartLayer::Grid);
    ASSERT_EQ(grid.size(), 1u);
    for (const auto& [a, b] : grid[0].Segments)
      for (const PagePoint p : {a, b})
        ASSERT_TRUE(std::abs(p.X) <= 32768 && std::abs(p.Y) <= 32768);
    // At zoom 256 only the lines through the middle of the page are left:
    // the hour circle of 3 h and the parallel of +30 degrees, 5 degrees each way.
    if (zoom == 256.0) {
      EXPECT_EQ(grid[0].Segments.size(), 4u);
    }
  }
}

TEST_F(ChartGeometry, DeepSkySymbolsByType) {
  AllSwitchesOff();
  doc_->Settings().DeepSky = 1;
  doc_->Limits.StarMagnitudeLimit = -3;
  CentreOn(10, 20);
  const double zoom = 8;
  const double u = (std::min(kWidth, kHeight) / 2) * zoom / 60;  // pixels per degree

  const double discRadius = (std::min(kWidth, kHeight) / 2) * zoom;
  const auto projected = [&](double degrees) {
    return discRadius * std::sin(degrees * astro::kDegToRad);
  };

  // An open cluster of 20' is a ring of 10 dots of 3 pixels at 10' from its centre.
  OnlyDeepSkyObject("OPNCL", 10, 20, 20, 20);
  auto dots = ShapesOf<ChartCircle>(Chart(zoom), ChartLayer::DeepSky);
  ASSERT_EQ(dots.size(), 10u);
  for (const ChartCircle& dot : dots) {
    EXPECT_EQ(dot.Radius, 3);
    EXPECT_EQ(dot.Fill, ChartFill::Black);
    EXPECT_NEAR(std::hypot(dot.Centre.X - kCentre.X, dot.Centre.Y - kCentre.Y), projected(1 / 6.0),
                1.5);
  }

  // A globular cluster: a white disc and a cross through it.
  OnlyDeepSkyObject("GLOCL", 10, 20, 30, 30);
  ChartDrawing chart = Chart(zoom);
  auto discs = ShapesOf<ChartCircle>(chart, ChartLayer::DeepSky);
  ASSERT_EQ(discs.size(), 1u);
  EXPECT_EQ(discs[0].Fill, ChartFill::White);
  const int r = static_cast<int>(u * 0.25);
  EXPECT_EQ(discs[0].Radius, r);
  auto lines = ShapesOf<ChartLines>(chart, ChartLayer::DeepSky);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].Segments.size(), 2u);
  EXPECT_EQ(lines[0].Segments[0].first, (PagePoint{discs[0].Centre.X + r, discs[0].Centre.Y}));

  // One a few arc-seconds across keeps a symbol that still shows its type.
  for (const char* type : {"GLOCL", "PLNNB", "BRTNB"}) {
    OnlyDeepSkyObject(type, 10, 20, 0.05f, 0.05f);
    const ChartDrawing tiny = Chart(zoom);
    EXPECT_EQ(ShapesOf<ChartCircle>(tiny, ChartLayer::DeepSky).size() +
                  ShapesOf<ChartPolyline>(tiny, ChartLayer::DeepSky).size(),
              1u)
        << type;
    for (const ChartCircle& disc : ShapesOf<ChartCircle>(tiny, ChartLayer::DeepSky))
      EXPECT_EQ(disc.Radius, 4) << type;
    for (const ChartPolyline& square : ShapesOf<ChartPolyline>(tiny, ChartLayer::DeepSky))
      EXPECT_EQ(square.Points[2].X - square.Points[0].X, 8) << type;
  }

  // A planetary nebula: a disc with four rays from r to 2r.
  OnlyDeepSkyObject("PLNNB", 10, 20, 30, 30);
  chart = Chart(zoom);
  lines = ShapesOf<ChartLines>(chart, ChartLayer::DeepSky);
  ASSERT_EQ(lines.size(), 1u);
  ASSERT_EQ(lines[0].Segments.size(), 4u);
  const PagePoint c = ShapesOf<ChartCircle>(chart, ChartLayer::DeepSky).at(0).Centre;
  EXPECT_EQ(lines[0].Segments[0].second, (PagePoint{c.X + 2 * r, c.Y}));
  EXPECT_EQ(lines[0].Segments[3].second, (PagePoint{c.X, c.Y - 2 * r}));

  // A nebula: the square of half-side r.
  OnlyDeepSkyObject("BRTNB", 10, 20, 30, 30);
  const auto squares = ShapesOf<ChartPolyline>(Chart(zoom), ChartLayer::DeepSky);
  ASSERT_EQ(squares.size(), 1u);  // the Magellanic Clouds are on the far side
  ASSERT_EQ(squares[0].Points.size(), 5u);
  EXPECT_EQ(squares[0].Points[2].X - squares[0].Points[0].X, 2 * r);
  EXPECT_EQ(squares[0].Points[2].Y - squares[0].Points[0].Y, 2 * r);

  // A galaxy with no minor axis is an ellipse of axis ratio 0.5, here with
  // its major axis east-west.
  OnlyDeepSkyObject("GALXY", 10, 20, 60, 0);
  lines = ShapesOf<ChartLines>(Chart(zoom), ChartLayer::DeepSky);
  ASSERT_EQ(lines.size(), 1u);
  int left = kWidth, right = 0, top = kHeight, bottom = 0;
  for (const auto& [a, b] : lines[0].Segments)
    for (const PagePoint p : {a, b}) {
      left = std::min(left, p.X), right = std::max(right, p.X);
      top = std::min(top, p.Y), bottom = std::max(bottom, p.Y);
    }
  EXPECT_NEAR(right - left, 2 * projected(0.5), 3);
  EXPECT_NEAR(bottom - top, projected(0.5), 3);

  // An unknown type code draws nothing; neither does a hidden type.
  OnlyDeepSkyObject("QUASR", 10, 20, 30, 30);
  EXPECT_TRUE(ShapesOf<ChartCircle>(Chart(zoom), ChartLayer::DeepSky).empty());
  OnlyDeepSkyObject("GLOCL", 10, 20, 30, 30);
  settings_.ShowGlobClusters = 2;
  EXPECT_TRUE(ShapesOf<ChartCircle>(Chart(zoom), ChartLayer::DeepSky).empty());
}

TEST_F(ChartGeometry, PlanetaryNebulaTakesTheBrushLastChosen) {
  AllSwitchesOff();
  doc_->Settings().DeepSky = 1;
  CentreOn(10, 20);
  const struct {
    const char* Before;  // type of record 0, drawn before the nebula (record 1)
    ChartFill Fill;
  } kCases[] = {
      {"BRTNB", ChartFill::Black}, {"GLOCL", ChartFill::White}, {"OPNCL", ChartFill::Black}};
  for (const auto& c : kCases) {
    OnlyDeepSkyObject(c.Before, 10, 21, 30, 30);
    DeepSkyRecord& nebula = doc_->Sky.DeepSkyObjects[1];
    nebula = doc_->Sky.DeepSkyObjects[0];
    std::strcpy(nebula.Type, "PLNNB");
    nebula.Declination = 19;
    const auto discs = ShapesOf<ChartCircle>(Chart(8), ChartLayer::DeepSky);
    ASSERT_FALSE(discs.empty());
    EXPECT_EQ(discs.back().Fill, c.Fill) << c.Before;
  }
}

TEST_F(ChartGeometry, DeepSkyCataloguesAndLabels) {
  AllSwitchesOff();
  doc_->Settings().DeepSky = doc_->Settings().DeepSkyLabels = 1;
  CentreOn(10, 20);
  DeepSkyRecord& object = OnlyDeepSkyObject("GLOCL", 10, 20, 30, 30);
  object.Number = 42;
  object.LabelOffsetX = 4;
  object.LabelOffsetY = -2;
  std::strcpy(object.Name, "Test Cluster");
  ChartDrawing chart = Chart(4);
  auto labels = ShapesOf<ChartText>(chart, ChartLayer::DeepSkyLabels);
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels[0].Text, "M42");
  EXPECT_EQ(labels[0].Font, kDeepSkyLabelFont);
  // Right of the symbol's rim: 30' across, 16.7 pixels at zoom 4.
  EXPECT_TRUE(Beside(labels[0], kCentre, 16 + 8));
  EXPECT_TRUE(labels[0].Opaque);

  settings_.DeepSkyLabelByNumber = 0;
  labels = ShapesOf<ChartText>(Chart(4), ChartLayer::DeepSkyLabels);
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels[0].Text, "Test Cluster");
  EXPECT_TRUE(Beside(labels[0], kCentre, 16 + 8));
  std::strcpy(object.Name, "*");
  EXPECT_FALSE(Has(TextsOf(Chart(4), ChartLayer::DeepSkyLabels), "*"));

  // Record 110, the first NGC object, follows the NGC switch and is labelled
  // by its bare number.
  settings_.DeepSkyLabelByNumber = 1;
  doc_->Sky.DeepSkyObjects[110] = object;
  doc_->Sky.DeepSkyObjects[110].Number = 7000;
  object.Magnitude = 99;
  EXPECT_TRUE(Has(TextsOf(Chart(4), ChartLayer::DeepSkyLabels), "7000"));
  settings_.ShowMessier = 0;
  EXPECT_TRUE(Has(TextsOf(Chart(4), ChartLayer::DeepSkyLabels), "7000"));
  settings_.ShowNGC = 0;
  chart = Chart(4);
  EXPECT_TRUE(ShapesOf<ChartCircle>(chart, ChartLayer::DeepSky).empty());
  EXPECT_FALSE(Has(TextsOf(chart, ChartLayer::DeepSkyLabels), "7000"));
}

// The object searched for: marked by four corners on the chart as on the
// screen, and drawn and named though fainter than the limit.
TEST_F(ChartGeometry, TheSelectedObjectIsMarkedDrawnAndNamed) {
  AllSwitchesOff();
  doc_->Settings().DeepSky = doc_->Settings().DeepSkyLabels = 1;
  CentreOn(10, 20);
  OnlyDeepSkyObject("GLOCL", 10, 20, 30, 30).Magnitude = 99;
  const ChartDrawing none = Chart(4);
  EXPECT_TRUE(ShapesOf<ChartCircle>(none, ChartLayer::DeepSky).empty());
  EXPECT_TRUE(ShapesOf<ChartLines>(none, ChartLayer::DeepSky).empty());
  doc_->Selected = sky::SkyObjectRef{sky::SkyObjectRef::DeepSky, 0};
  const ChartDrawing chart = Chart(4);
  EXPECT_FALSE(ShapesOf<ChartCircle>(chart, ChartLayer::DeepSky).empty());
  const auto lines = ShapesOf<ChartLines>(chart, ChartLayer::DeepSky);
  ASSERT_EQ(lines.size(), 2u) << "the cluster's cross and the corners";
  EXPECT_EQ(lines[1].Segments.size(), 8u);
  EXPECT_TRUE(Has(TextsOf(chart, ChartLayer::DeepSkyLabels), "M1"));
}

TEST_F(ChartGeometry, MagellanicCloudsAndTheirLabels) {
  AllSwitchesOff();
  doc_->Settings().DeepSky = doc_->Settings().DeepSkyLabels = 1;
  CentreOn(4.95, -68.5);
  ChartDrawing chart = Chart(2);
  const auto texts = ShapesOf<ChartText>(chart, ChartLayer::DeepSkyLabels);
  const auto lmc =
      std::find_if(texts.begin(), texts.end(), [](const ChartText& t) { return t.Text == "LMC"; });
  ASSERT_NE(lmc, texts.end());
  // As on the screen: starting at the cloud's place, its baseline through it.
  EXPECT_NEAR(lmc->At.X, kCentre.X, 1);
  EXPECT_LT(lmc->At.Y, kCentre.Y);
  EXPECT_GT(lmc->At.Y, kCentre.Y - kDeepSkyLabelFont.Height);
  EXPECT_TRUE(Has(TextsOf(chart, ChartLayer::DeepSkyLabels), "SMC"));
  // The outlines, after the nebulae's squares (5 points each).
  const auto outlines = [&](const ChartDrawing& c) {
    std::vector<std::size_t> sizes;
    for (const ChartPolyline& l : ShapesOf<ChartPolyline>(c, ChartLayer::DeepSky))
      if (l.Points.size() != 5) sizes.push_back(l.Points.size());
    return sizes;
  };
  EXPECT_EQ(outlines(chart), (std::vector<std::size_t>{25, 10}));

  // From the north the clouds are on the far side: neither outlines nor labels.
  CentreOn(4.95, 68.5);
  chart = Chart(2);
  EXPECT_TRUE(outlines(chart).empty());
  EXPECT_FALSE(Has(TextsOf(chart, ChartLayer::DeepSkyLabels), "LMC"));
}

TEST_F(ChartGeometry, StarAndConstellationNamesStandByTheirPoints) {
  AllSwitchesOff();
  doc_->Settings().Boundaries = doc_->Settings().StarNames = 1;
  const StarNameRecord& star = doc_->Sky.ProperNames[0];
  CentreOn(star.RightAscension, star.Declination);
  ChartDrawing chart = Chart(4);
  const auto names = ShapesOf<ChartText>(chart, ChartLayer::StarNames);
  const auto name = std::find_if(names.begin(), names.end(),
                                 [&](const ChartText& t) { return t.Text == NameOf(star.Name); });
  ASSERT_NE(name, names.end());
  EXPECT_TRUE(Beside(*name, kCentre, StarRadius(star.Magnitude) + 8));
  EXPECT_EQ(name->Font, kStarNameFont);
  // A name record fainter than the star limit is left out.
  doc_->Limits.StarMagnitudeLimit = star.Magnitude - 0.01;
  EXPECT_FALSE(Has(TextsOf(Chart(4), ChartLayer::StarNames), NameOf(star.Name)));

  const ConstellationNameRecord& constellation = doc_->Catalogues.ConstellationNames[0];
  CentreOn(constellation.RightAscension, constellation.Declination);
  const auto labels = ShapesOf<ChartText>(Chart(4), ChartLayer::ConstellationNames);
  const auto label = std::find_if(labels.begin(), labels.end(), [&](const ChartText& t) {
    return t.Text == NameOf(constellation.Name);
  });
  ASSERT_NE(label, labels.end());
  const int width = static_cast<int>(label->Text.size()) * 72 / 2;
  EXPECT_TRUE(Near(label->At, {kCentre.X - width / 2, kCentre.Y - 36}));
}

TEST_F(ChartGeometry, SunMoonAndPlanets) {
  AllSwitchesOff();
  doc_->Settings().SolarSystem = doc_->Settings().PlanetNames = 1;
  doc_->Limits.StarMagnitudeLimit = -3;
  CentreOn(12, 0);
  for (astro::PlanetState& body : doc_->Sky.Bodies) body.RightAscension = 0;  // far side
  const int half = std::min(kWidth, kHeight) / 2;
  const struct {
    int Body;
    double Zoom;
    int Radius;
    std::size_t Lines;  // rays or ring
    int NameShift;
  } kCases[] = {
      {1, 2, 32, 4, 40},
      {1, 8, static_cast<int>(half * 8.0 / 180), 4, static_cast<int>(half * 8.0 / 180) + 8},
      {0, 4, 32, 0, 40},
      {6, 2, 10, 1, 32},  // beside the ring
      {5, 2, 10, 0, 18},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.Body);
    SCOPED_TRACE(c.Zoom);
    doc_->Sky.Bodies[c.Body] = {12, 0, 1, 1};
    const ChartDrawing chart = Chart(c.Zoom);
    const auto discs = ShapesOf<ChartCircle>(chart, ChartLayer::SolarSystem);
    ASSERT_EQ(discs.size(), 1u);
    EXPECT_TRUE(Near(discs[0].Centre, kCentre));
    EXPECT_EQ(discs[0].Radius, c.Radius);
    EXPECT_EQ(discs[0].Fill, ChartFill::White);
    const auto lines = ShapesOf<ChartLines>(chart, ChartLayer::SolarSystem);
    EXPECT_EQ(lines.empty() ? 0u : lines[0].Segments.size(), c.Lines);
    if (c.Lines > 0) {
      // Saturn's ring is 48 pixels long, the Sun's rays reach 1.5 times its radius.
      const auto& [from, to] = lines[0].Segments[0];
      EXPECT_EQ(to.X - from.X, c.Body == 6 ? 48 : c.Radius * 3 / 2 * 2);
    }
    const auto names = ShapesOf<ChartText>(chart, ChartLayer::PlanetNames);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].Text, std::string(res::String(res::IDS_BODY_NAME_FIRST + c.Body)));
    EXPECT_TRUE(Beside(names[0], kCentre, c.NameShift));
    EXPECT_EQ(names[0].Font, kPlanetNameFont);
    doc_->Sky.Bodies[c.Body].RightAscension = 0;
  }
}

TEST_F(ChartGeometry, AtTheHorizonTheMoonOutlastsThePlanets) {
  AllSwitchesOff();
  doc_->Settings().SolarSystem = doc_->Settings().PlanetNames = 1;
  doc_->Settings().Refraction = 0;
  CentreOnHorizon(90, 0);
  const auto place = [&](int body, double altitude, double azimuth = 90) {
    const astro::EquatorialCoord c = doc_->Sky.AstroState.SkyAt(azimuth, altitude);
    doc_->Sky.Bodies[body].RightAscension = c.RightAscension;
    doc_->Sky.Bodies[body].Declination = c.Declination;
  };
  // Everything in the west, behind the view, but the Moon and Jupiter.
  for (int body = 0; body < astro::kBodyCount; ++body) place(body, 10, 270);
  place(astro::kMoon, -0.4);
  place(5, -0.4);
  ChartDrawing chart = Chart(4);
  auto discs = ShapesOf<ChartCircle>(chart, ChartLayer::SolarSystem);
  ASSERT_EQ(discs.size(), 1u);
  EXPECT_EQ(discs[0].Radius, 32);                                // the Moon; Jupiter is down
  EXPECT_TRUE(TextsOf(chart, ChartLayer::PlanetNames).empty());  // names need the point above
  place(astro::kMoon, -0.6);
  EXPECT_TRUE(ShapesOf<ChartCircle>(Chart(4), ChartLayer::SolarSystem).empty());
}

TEST_F(ChartGeometry, HorizonModeTakesTheScreensRefraction) {
  AllSwitchesOff();
  CentreOnHorizon(90, 5);
  const double geometric = -0.3;
  const astro::EquatorialCoord below = doc_->Sky.AstroState.SkyAt(90, geometric);
  OnlyStar(below.RightAscension, below.Declination, 1);
  // Lifted by the refraction it is printed, where a star truly that high
  // would be without it.
  const auto lifted = ShapesOf<ChartCircle>(Chart(4), ChartLayer::Stars);
  ASSERT_EQ(lifted.size(), 1u);
  doc_->Settings().Refraction = 0;
  EXPECT_TRUE(ShapesOf<ChartCircle>(Chart(4), ChartLayer::Stars).empty());
  const astro::EquatorialCoord high =
      doc_->Sky.AstroState.SkyAt(90, astro::ApparentAltitude(geometric));
  OnlyStar(high.RightAscension, high.Declination, 1);
  const auto unrefracted = ShapesOf<ChartCircle>(Chart(4), ChartLayer::Stars);
  ASSERT_EQ(unrefracted.size(), 1u);
  EXPECT_TRUE(Near(lifted[0].Centre, unrefracted[0].Centre));
  EXPECT_GT(lifted[0].Centre.Y, kCentre.Y);  // 5 degrees below the middle
}

TEST_F(ChartGeometry, CloseUpTheGroundIsARectangleBelowTheHorizon) {
  AllSwitchesOff();
  doc_->Settings().Refraction = 0;
  for (const double tilt : {-3.0, 183.0}) {  // looking 3 degrees up; upside down
    SCOPED_TRACE(tilt);
    CentreOnHorizon(90, 0);
    doc_->Settings().XRotation = tilt;
    const auto ground = ShapesOf<ChartPolygon>(Chart(16), ChartLayer::Ground);
    ASSERT_EQ(ground.size(), 1u);
    const std::vector<PagePoint>& p = ground[0].Points;
    ASSERT_EQ(p.size(), 4u);
    const int y = p[0].Y;
    // 3 degrees from the middle of a disc whose radius is 8 pages' widths.
    EXPECT_NEAR(std::abs(y - kCentre.Y), 8 * kWidth * std::sin(3 * astro::kDegToRad), 5);
    EXPECT_EQ(ground[0].Fill, ChartFill::LightGrey);
    const int far = tilt < 0 ? kHeight : 0;
    EXPECT_EQ(p, (std::vector<PagePoint>{{0, y}, {kWidth, y}, {kWidth, far}, {0, far}}));
    EXPECT_EQ(y > kCentre.Y, tilt < 0);
  }
  // Below zoom 16 it follows the arc of the horizon and the disc's rim.
  EXPECT_EQ(ShapesOf<ChartPolygon>(Chart(8), ChartLayer::Ground).at(0).Points.size(), 72u);
  // No ground in equatorial mode.
  doc_->Settings().HorizonMode = 0;
  EXPECT_TRUE(ShapesOf<ChartPolygon>(Chart(16), ChartLayer::Ground).empty());
}

TEST(GroundPolygon, DividesAtTheLeftEndOfAnArcThatMissesTheLeftEdge) {
  // On a page 40 times wider than high the arc (radius 800) ends inside it.
  const std::vector<PagePoint> ground = GroundPolygon(4000, 100, 16, -10);
  ASSERT_EQ(ground.size(), 4u);
  const int leftEnd = 50 + static_cast<int>(800 * std::sin(10 * astro::kDegToRad) *
                                            std::sin(35 * std::numbers::pi / 36));
  EXPECT_EQ(ground[0].Y, leftEnd);
  // Where it crosses the edge, the crossing's height: here 10 degrees down
  // from the middle, flattened by the tilt.
  const std::vector<PagePoint> crossing = GroundPolygon(100, 100, 16, -10);
  const double radius = 800, along = std::sqrt(radius * radius - 50.0 * 50.0);
  EXPECT_NEAR(crossing[0].Y, 50 + along * std::sin(10 * astro::kDegToRad), 2);
}

TEST_F(ChartGeometry, IntercardinalPointsFromZoomTwo) {
  AllSwitchesOff();
  doc_->Settings().Refraction = 0;
  CentreOnHorizon(180 + 22.5, 30);  // between north and north-west
  for (const double zoom : {1.0, 2.0}) {
    SCOPED_TRACE(zoom);
    const ChartDrawing chart = Chart(zoom);
    const std::vector<std::string> letters = TextsOf(chart, ChartLayer::Compass);
    for (const ChartText& t : ShapesOf<ChartText>(chart, ChartLayer::Compass)) {
      EXPECT_EQ(t.Anchor, TextAnchor::BaselineCentre);
      EXPECT_FALSE(t.Opaque);
    }
    const auto ticks = ShapesOf<ChartLines>(chart, ChartLayer::Compass);
    ASSERT_EQ(ticks.size(), 1u);
    EXPECT_EQ(ticks[0].Segments.size(), letters.size());
    EXPECT_EQ(ticks[0].Segments[0].second.Y - ticks[0].Segments[0].first.Y, 20);
    EXPECT_TRUE(Has(letters, "N"));
    EXPECT_EQ(Has(letters, "NW"), zoom >= 2);
    if (zoom < 2) {
      for (const char* intercardinal : {"SE", "NE", "SW"})
        EXPECT_FALSE(Has(letters, intercardinal));
    }
  }
}

TEST_F(ChartGeometry, NothingBelowTheHorizonIsNamed) {
  AllSwitchesOff();
  doc_->Settings().Boundaries = doc_->Settings().StarNames = 1;
  doc_->Settings().Refraction = 0;
  CentreOnHorizon(0, 0);
  const ChartDrawing chart = Chart(2);
  const std::vector<std::string> starNames = TextsOf(chart, ChartLayer::StarNames);
  const std::vector<std::string> constellations = TextsOf(chart, ChartLayer::ConstellationNames);
  EXPECT_FALSE(starNames.empty());
  EXPECT_FALSE(constellations.empty());
  const auto above = [&](double ra, double dec) {
    return doc_->HorizontalOf(ra, dec).Altitude >= 0;
  };
  for (const StarNameRecord& star : doc_->Sky.ProperNames) {
    if (Has(starNames, NameOf(star.Name))) {
      EXPECT_TRUE(above(star.RightAscension, star.Declination)) << star.Name;
    }
  }
  for (const ConstellationNameRecord& c : doc_->Catalogues.ConstellationNames) {
    if (Has(constellations, NameOf(c.Name))) {
      EXPECT_TRUE(above(c.RightAscension, c.Declination)) << c.Name;
    }
  }
}

TEST_F(ChartGeometry, NamesStandWholeOnThePageClearOfEachOtherAndOverTheDiscs) {
  doc_->Settings().StarNames = doc_->Settings().PlanetNames = doc_->Settings().DeepSkyLabels =
      doc_->Settings().Boundaries = 1;
  sky::EyepieceField eyepiece;
  eyepiece.Name = "Plossl";
  sky::EyepieceField same = eyepiece;  // one size: one place above them
  same.Name = "Nagler";
  settings_.Fields = {eyepiece, same};
  doc_->Settings().EyepieceFields = 1;
  struct View {
    const char* what;
    bool horizon;
    double a, b, zoom;
  };
  for (const View& v : {View{"Orion", false, 5.6, 0, 2}, View{"Crux", false, 12.5, -60, 2},
                        View{"the northern horizon", true, 180, 2, 2},
                        View{"the fields at the horizon", true, 180, 0.8, 8}}) {
    SCOPED_TRACE(v.what);
    if (v.horizon)
      CentreOnHorizon(v.a, v.b);
    else
      CentreOn(v.a, v.b);
    const ChartDrawing chart = Chart(v.zoom);
    // Each name's cell, a pixel inside so that rounding may make two touch.
    struct Cell {
      std::string Text;
      int Left, Top, Right, Bottom;
    };
    std::vector<Cell> cells;
    std::size_t lastDisc = 0, firstName = chart.size();
    for (std::size_t i = 0; i < chart.size(); ++i) {
      if (chart[i].Layer == ChartLayer::Legend) continue;  // over the sky, on its own box
      if (std::holds_alternative<ChartCircle>(chart[i].Shape)) lastDisc = i;
      const ChartText* t = std::get_if<ChartText>(&chart[i].Shape);
      if (!t) continue;
      firstName = std::min(firstName, i);
      const int w = static_cast<int>(t->Text.size()) * t->Font.Height / 2, h = t->Font.Height;
      const int left = t->Anchor == TextAnchor::TopLeft ? t->At.X : t->At.X - w / 2;
      const int top = t->Anchor == TextAnchor::TopLeft ? t->At.Y : t->At.Y - h * 4 / 5;
      cells.push_back({t->Text, left + 1, top + 1, left + w - 1, top + h - 1});
    }
    EXPECT_LT(lastDisc, firstName) << "every name after every disc";
    EXPECT_TRUE(!v.horizon || Has(TextsOf(chart, ChartLayer::Compass), "N"));
    EXPECT_TRUE(Has(TextsOf(chart, ChartLayer::Fields), "Plossl"));
    EXPECT_TRUE(Has(TextsOf(chart, ChartLayer::Fields), "Nagler"));
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const Cell& a = cells[i];
      EXPECT_TRUE(a.Left >= 0 && a.Top >= 0 && a.Right <= kWidth && a.Bottom <= kHeight)
          << a.Text << " cut at the page's edge";
      for (std::size_t j = 0; j < i; ++j) {
        const Cell& b = cells[j];
        EXPECT_FALSE(a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom)
            << a.Text << " over " << b.Text;
      }
    }
  }
}

TEST_F(ChartGeometry, BrokenRecordsAndAnAbsurdZoomPrintWhatTheyCan) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  doc_->Sky.Stars[0] = {'A', {}, 1, nan, nan, nan};
  doc_->Sky.DeepSkyObjects[0].MajorAxis = nan;
  doc_->Sky.DeepSkyObjects[1].Declination = nan;
  // Label offsets far beyond the page, on an object and a star in the middle of it.
  CentreOn(6, 0);
  doc_->Sky.DeepSkyObjects[2] = {
      3, 0, std::numeric_limits<std::int32_t>::max(), 0, 6, 0, 1, 5, 5, "", "GLOCL"};
  doc_->Sky.ProperNames[0] = {1, 6, 0, std::numeric_limits<std::int32_t>::min(), 1, "Far"};
  for (const double zoom : {2.0, 1e300}) {
    const ChartDrawing chart = Chart(zoom);
    EXPECT_EQ(ShapesOf<ChartPolyline>(chart, ChartLayer::Frame).size(), 1u) << zoom;
    if (zoom == 2.0) {
      EXPECT_TRUE(Has(TextsOf(chart, ChartLayer::StarNames), "Far"));
      EXPECT_TRUE(Has(TextsOf(chart, ChartLayer::DeepSkyLabels), "M3"));
    }
  }
}

// The layers of the observer's frame, described once for the screen and
// the page: in local-horizon mode facing the south 30 degrees up, the
// meridian runs straight up the middle of the page from the horizon, and
// the grid's 30-degree circle passes through the middle; with the chart
// turned, both stay in the horizon's frame.
TEST_F(ChartGeometry, TheAltAzimuthGridAndTheMeridianStandInTheHorizonsFrame) {
  AllSwitchesOff();
  doc_->Settings().Refraction = 0;
  CentreOnHorizon(0, 30);
  doc_->Settings().Meridian = 1;
  auto lines = ShapesOf<ChartPolyline>(Chart(2), ChartLayer::Described);
  ASSERT_EQ(lines.size(), 1u) << "above the horizon only, in one piece";
  int lowest = 0;
  for (const PagePoint p : lines[0].Points) {
    EXPECT_NEAR(p.X, kCentre.X, 1);
    lowest = std::max(lowest, p.Y);
  }
  // Cut at the horizon, 30 degrees below the middle: sin(30) disc radii at zoom 2.
  EXPECT_NEAR(lowest, kCentre.Y + std::sin(30 * std::numbers::pi / 180) * kWidth / 2 * 2, 2);

  doc_->Settings().Meridian = 0;
  doc_->Settings().AltAzGrid = 1;
  lines = ShapesOf<ChartPolyline>(Chart(2), ChartLayer::Described);
  ASSERT_FALSE(lines.empty());
  double nearest = 1e9;
  for (const ChartPolyline& line : lines)
    for (const PagePoint p : line.Points)
      nearest = std::min(nearest, std::hypot(p.X - kCentre.X, p.Y - kCentre.Y));
  EXPECT_LT(nearest, 1.5) << "the 30-degree circle through the middle";

  doc_->Settings().AltAzGrid = 0;
  EXPECT_TRUE(ShapesOf<ChartPolyline>(Chart(2), ChartLayer::Described).empty());
}

// The connected telescope's reticle stands where the mount points, named
// after its device, and the eyepiece fields centre on it (unless the user
// keeps them in the middle); without a telescope there is none.
TEST_F(ChartGeometry, TheTelescopeAndItsFieldsStandWhereTheMountPoints) {
  AllSwitchesOff();
  doc_->Settings().Refraction = 0;
  CentreOnHorizon(0, 30);
  sky::EyepieceField eyepiece;
  eyepiece.Name = "Plossl";
  settings_.Fields = {eyepiece};
  doc_->Settings().EyepieceFields = 1;
  // On the meridian, 2 degrees above the middle of the page.
  const astro::AstroState& state = doc_->Sky.AstroState;
  const astro::EquatorialCoord j2000 = state.SkyAt(0, 32);
  const astro::EquatorialCoord ofDate = state.ToDate(j2000.RightAscension, j2000.Declination);
  doc_->Telescope.ServerConnected = doc_->Telescope.DeviceConnected = true;
  doc_->Telescope.Device = "Scope";
  doc_->Telescope.Pointing = sky::MountPointing{ofDate.RightAscension, ofDate.Declination};
  const auto middleOf = [](const ChartPolyline& line) {
    int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
    for (const PagePoint p : line.Points) {
      left = std::min(left, p.X);
      right = std::max(right, p.X);
      top = std::min(top, p.Y);
      bottom = std::max(bottom, p.Y);
    }
    return std::pair{(left + right) / 2.0, (top + bottom) / 2.0};
  };
  const double above = std::sin(2 * std::numbers::pi / 180) * kWidth / 2 * 8;

  ChartDrawing chart = Chart(8);
  const auto reticle = ShapesOf<ChartPolyline>(chart, ChartLayer::Described);
  ASSERT_EQ(reticle.size(), 6u) << "two rings and four ticks";
  const auto [x, y] = middleOf(reticle[0]);
  EXPECT_NEAR(x, kCentre.X, 1.5);
  EXPECT_NEAR(y, kCentre.Y - above, 1.5);
  EXPECT_TRUE(Has(TextsOf(chart, ChartLayer::Described), "Scope"));
  const auto fields = ShapesOf<ChartPolyline>(chart, ChartLayer::Fields);
  ASSERT_EQ(fields.size(), 1u);
  EXPECT_NEAR(middleOf(fields[0]).first, x, 1.5);
  EXPECT_NEAR(middleOf(fields[0]).second, y, 1.5);

  doc_->Settings().FieldsOnTelescope = 0;
  const auto kept = ShapesOf<ChartPolyline>(Chart(8), ChartLayer::Fields);
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_NEAR(middleOf(kept[0]).second, kCentre.Y, 1.5) << "the fields keep to the middle";

  doc_->Telescope.DeviceConnected = false;
  EXPECT_TRUE(ShapesOf<ChartPolyline>(Chart(8), ChartLayer::Described).empty());
}

// The legend at the page's foot: the place, the time, the centre and the
// field, the magnitudes of the star discs and the deep-sky types shown;
// no name of the sky stands under its box.
TEST_F(ChartGeometry, TheLegendSaysWhereWhenAndWhatAtThePagesFoot) {
  doc_->Settings().StarNames = doc_->Settings().DeepSkyLabels = 1;
  doc_->Settings().ShowNebulae = 0;
  CentreOn(5.6, 0);
  const ChartDrawing chart = Chart(2);
  const std::vector<std::string> texts = TextsOf(chart, ChartLayer::Legend);
  ASSERT_GE(texts.size(), 4u);
  EXPECT_EQ(texts[0],
            "Krakow, Poland   50\xB0"
            "02' N   19\xB0"
            "55' E");
  EXPECT_EQ(texts[1].substr(0, 16), "2026-12-08 22:00");
  EXPECT_EQ(texts[2].substr(0, 19), "Centre: RA 05h 36' ") << texts[2];
  // Half the page's width is the sphere's radius at zoom 1: 60 x 89 degrees at zoom 2.
  EXPECT_EQ(texts[3], "Field: 60\xB0 x 89\xB0");
  for (const char* shown :
       {"-1", "5", "Open cluster", "Globular cluster", "Galaxy", "Planetary nebula"})
    EXPECT_TRUE(Has(texts, shown)) << shown;
  EXPECT_FALSE(Has(texts, "Nebula")) << "switched off";

  const auto box = ShapesOf<ChartPolygon>(chart, ChartLayer::Legend);
  ASSERT_EQ(box.size(), 1u);
  const int right = box[0].Points[1].X, top = box[0].Points[0].Y;
  EXPECT_EQ(box[0].Points[2], (PagePoint{right, kHeight - 1})) << "at the foot, on the left";
  for (const ChartLayer layer : {ChartLayer::StarNames, ChartLayer::DeepSkyLabels})
    for (const ChartText& name : ShapesOf<ChartText>(chart, layer))
      EXPECT_FALSE(name.At.X < right && name.At.Y > top) << name.Text;
}

// Hale-Bopp at its brightest, in the middle of the page: its coma (a white
// ring round a black core) with its name, and its tail leaving it away from
// the Sun; a minor planet is one black disc, smaller the fainter it is, and
// the switch takes them all off.
TEST_F(ChartGeometry, CometsHaveATailAwayFromTheSunAndMinorPlanetsADisc) {
  AllSwitchesOff();
  doc_->Settings().SmallBodies = doc_->Settings().PlanetNames = 1;
  doc_->Sky.DocumentTime = astro::CivilTime{1997, 4, 1, 20, 0, 0};
  doc_->UpdateSky();
  const auto found = sky::FindObjectByName(*doc_, "Hale-Bopp");
  ASSERT_TRUE(found);
  const astro::EquatorialCoord comet = sky::PlaceOf(*doc_, *found);
  CentreOn(comet.RightAscension, comet.Declination);
  const ChartDrawing chart = Chart(8);
  const auto discs = ShapesOf<ChartCircle>(chart, ChartLayer::Described);
  std::vector<ChartCircle> coma;
  for (const ChartCircle& c : discs)
    if (Near(c.Centre, kCentre, 2)) coma.push_back(c);
  ASSERT_EQ(coma.size(), 2u);
  EXPECT_EQ(coma[0].Fill, ChartFill::White);
  EXPECT_EQ(coma[1].Fill, ChartFill::Black);
  EXPECT_GT(coma[0].Radius, coma[1].Radius);
  EXPECT_TRUE(Has(TextsOf(chart, ChartLayer::Described), "C/1995 O1 (Hale-Bopp)"));
  // The Sun's direction on the page: from the comet towards the Sun's place,
  // a small step along the great circle between them.
  const astro::PlanetState& sun = doc_->Sky.Bodies[astro::kSun];
  double c[3], s[3];
  astro::EquatorialToSphere(comet.RightAscension, comet.Declination, c);
  astro::EquatorialToSphere(sun.RightAscension, sun.Declination, s);
  double towards[3];
  for (int i = 0; i < 3; ++i) towards[i] = c[i] + 0.01 * (s[i] - c[i]);
  const astro::EquatorialCoord step = astro::SphereToEquatorial(towards);
  doc_->Settings().SmallBodies = 0;
  OnlyStar(step.RightAscension, step.Declination, -1);
  const auto marks = ShapesOf<ChartCircle>(Chart(8), ChartLayer::Stars);
  ASSERT_EQ(marks.size(), 1u);
  const double sunX = marks[0].Centre.X - kCentre.X, sunY = marks[0].Centre.Y - kCentre.Y;
  std::vector<ChartPolyline> tail;
  for (const ChartPolyline& line : ShapesOf<ChartPolyline>(chart, ChartLayer::Described))
    if (!line.Points.empty() && Near(line.Points[0], kCentre, 3 * coma[0].Radius))
      tail.push_back(line);
  ASSERT_EQ(tail.size(), 3u) << "three strands";
  for (const ChartPolyline& strand : tail) {
    ASSERT_GE(strand.Points.size(), 2u);
    const double x = strand.Points.back().X - kCentre.X, y = strand.Points.back().Y - kCentre.Y;
    // Pointing away from the Sun: a negative cosine with its direction.
    EXPECT_LT((x * sunX + y * sunY) / std::hypot(x, y) / std::hypot(sunX, sunY), -0.8);
    // A great comet near the Sun: its tail runs far past a faint comet's few comas.
    EXPECT_GT(std::hypot(x, y), 20 * coma[0].Radius);
  }

  // Ceres, alone on the page, as a filled disc; nothing with the switch off.
  doc_->Settings().SmallBodies = 1;
  const auto ceres = sky::FindObjectByName(*doc_, "Ceres");
  ASSERT_TRUE(ceres);
  const astro::EquatorialCoord at = sky::PlaceOf(*doc_, *ceres);
  CentreOn(at.RightAscension, at.Declination);
  const auto dots = ShapesOf<ChartCircle>(Chart(8), ChartLayer::Described);
  ASSERT_FALSE(dots.empty());
  EXPECT_TRUE(std::any_of(dots.begin(), dots.end(), [](const ChartCircle& d) {
    return Near(d.Centre, kCentre, 2) && d.Fill == ChartFill::Black;
  }));
  doc_->Settings().SmallBodies = 0;
  EXPECT_TRUE(ShapesOf<ChartCircle>(Chart(8), ChartLayer::Described).empty());
}

}  // namespace
}  // namespace print

namespace print {
namespace {

TEST(FrameCrossings, WhereALineEntersOrLeavesThePageNearestItsStartFirst) {
  const struct {
    double Ax, Ay, Bx, By;
    std::vector<EdgeCrossing> Crossings;
  } kCases[] = {
      {10, 10, 20, 20, {}},
      {-10, 50, 50, 50, {{PageEdge::Left, 50}}},
      {50, 50, 150, 50, {{PageEdge::Right, 50}}},
      {50, -10, 50, 50, {{PageEdge::Top, 50}}},
      {50, 50, 50, 150, {{PageEdge::Bottom, 50}}},
      {-10, 50, 110, 50, {{PageEdge::Left, 50}, {PageEdge::Right, 50}}},
      {110, 50, -10, 50, {{PageEdge::Right, 50}, {PageEdge::Left, 50}}},
      {-10, 30, 30, -10, {{PageEdge::Left, 20}, {PageEdge::Top, 20}}},
      {-10, 120, 20, 90, {{PageEdge::Bottom, 10}}},  // past the corner, below the page
      {-10, -10, -10, 200, {}},
      {-20, 50, -10, 50, {}},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(FrameCrossings(c.Ax, c.Ay, c.Bx, c.By, 100, 100), c.Crossings)
        << c.Ax << "," << c.Ay << " -> " << c.Bx << "," << c.By;
}

bool Overlap(const ChartText& a, int aWidth, const ChartText& b, int bWidth) {
  return a.At.X < b.At.X + bWidth && b.At.X < a.At.X + aWidth && a.At.Y < b.At.Y + b.Font.Height &&
         b.At.Y < a.At.Y + a.Font.Height;
}

// The grid's values stand just inside the frame, level with where their
// lines meet it (or moved along the edge to stay whole), clear of each
// other and of the legend: hour circles at the top and the foot, circles
// of declination at the sides.
TEST_F(ChartGeometry, TheGridsValuesStandInsideTheFrameWhereTheirLinesMeetIt) {
  AllSwitchesOff();
  doc_->Settings().Coordinations = 1;
  CentreOn(5.5, 10);
  const ChartDrawing chart = Chart(4);
  const std::vector<ChartText> values = ShapesOf<ChartText>(chart, ChartLayer::GridLabels);
  const std::vector<std::string> texts = TextsOf(chart, ChartLayer::GridLabels);
  for (const char* shown : {"5h", "6h", "0\xB0", "+15\xB0", "+30\xB0"})
    EXPECT_TRUE(Has(texts, shown)) << shown;
  EXPECT_FALSE(Has(texts, "8h")) << "far off the page";

  // Where the grid's lines meet the frame.
  const auto grid = ShapesOf<ChartLines>(chart, ChartLayer::Grid);
  ASSERT_EQ(grid.size(), 1u);
  std::vector<EdgeCrossing> crossings;
  for (const auto& [a, b] : grid[0].Segments)
    for (const EdgeCrossing& c : FrameCrossings(a.X, a.Y, b.X, b.Y, kWidth, kHeight))
      crossings.push_back(c);

  const auto legend = ShapesOf<ChartPolygon>(chart, ChartLayer::Legend);
  ASSERT_EQ(legend.size(), 1u);
  const int legendRight = legend[0].Points[1].X, legendTop = legend[0].Points[0].Y;
  const FixedMeasure measure;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const ChartText& v = values[i];
    const int width = measure.Width(v.Font, v.Text), height = v.Font.Height;
    EXPECT_EQ(v.Font, kGridValueFont);
    EXPECT_TRUE(v.Opaque);
    // Inside the page, 12 pixels from one edge.
    EXPECT_TRUE(v.At.X >= 12 && v.At.Y >= 12 && v.At.X + width <= kWidth - 12 &&
                v.At.Y + height <= kHeight - 12)
        << v.Text;
    const bool left = v.At.X == 12, right = v.At.X + width == kWidth - 12;
    const bool top = v.At.Y == 12, foot = v.At.Y + height == kHeight - 12;
    EXPECT_TRUE(left || right || top || foot) << v.Text;
    // Beside a crossing of a line on that edge.
    const bool hourCircle = v.Text.back() == 'h';
    const auto level = [&](const EdgeCrossing& c) {
      if (c.Edge == PageEdge::Left || c.Edge == PageEdge::Right)
        return (c.Edge == PageEdge::Left ? left : right) && !hourCircle &&
               std::abs(v.At.Y + height / 2.0 - c.At) <= height;
      return (c.Edge == PageEdge::Top ? top : foot) &&
             std::abs(v.At.X + width / 2.0 - c.At) <= width;
    };
    EXPECT_TRUE(std::any_of(crossings.begin(), crossings.end(), level)) << v.Text;
    EXPECT_FALSE(v.At.X < legendRight && v.At.Y + height > legendTop) << v.Text;
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_FALSE(Overlap(v, width, values[j], measure.Width(values[j].Font, values[j].Text)))
          << v.Text << " and " << values[j].Text;
  }

  // No grid, no values.
  doc_->Settings().Coordinations = 0;
  EXPECT_TRUE(TextsOf(Chart(4), ChartLayer::GridLabels).empty());
}

// The alt-azimuth grid's values are slanted: altitudes with their sign,
// azimuths from the north through the east; none where the ground is.
TEST_F(ChartGeometry, TheAltAzimuthGridsValuesStandAtTheFrameAboveTheGround) {
  AllSwitchesOff();
  doc_->Settings().Refraction = 0;
  doc_->Settings().AltAzGrid = 1;
  CentreOnHorizon(0, 20);  // the south, 20 degrees up
  const ChartDrawing chart = Chart(3);
  const std::vector<ChartText> values = ShapesOf<ChartText>(chart, ChartLayer::GridLabels);
  ASSERT_FALSE(values.empty());
  bool altitude = false, azimuth = false;
  for (const ChartText& v : values) {
    EXPECT_EQ(v.Font, kAltAzGridValueFont) << v.Text;
    EXPECT_FALSE(v.Text.starts_with("-")) << v.Text << ": under the ground";
    altitude = altitude || v.Text.starts_with("+");
    azimuth = azimuth || !v.Text.starts_with("+");
  }
  EXPECT_TRUE(altitude && azimuth);
  // South of the middle: 165, 180 and 195 degrees from the north.
  const std::vector<std::string> texts = TextsOf(chart, ChartLayer::GridLabels);
  for (const char* shown : {"165\xB0", "180\xB0", "195\xB0"})
    EXPECT_TRUE(Has(texts, shown)) << shown;
  EXPECT_FALSE(Has(texts, "15\xB0")) << "the north-north-east is behind";
}

}  // namespace
}  // namespace print
