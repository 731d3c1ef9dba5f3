// The screen and the printed chart show the same sky for the same settings:
// both follow the sky's conditions, whichever of them was drawn last.
#include <cmath>
#include <string_view>
#include <variant>
#include <vector>

#include "catalog/builtin_tables.h"
#include "print/chart_geometry.h"
#include "render/display_list_ids.h"
#include "tests/render/sky_fixture.h"

namespace {

constexpr int kPageWidth = 2000, kPageHeight = 2800;

class FixedMeasure : public print::CChartTextMeasure {
 public:
  int Width(const print::ChartFont& font, std::string_view text) const override {
    return static_cast<int>(text.size()) * font.Height / 2;
  }
  int Height(const print::ChartFont& font) const override { return font.Height; }
};

class ScreenAndChart : public SkyFixture {
 protected:
  void SetUp() override {
    SkyFixture::SetUp();
    AllLayersOff();
    doc_->Settings().DeepSky = doc_->Settings().SolarSystem = 1;
    doc_->Settings().HorizonMode = 0;
    for (int i = 0; i < kDeepSkyCount; ++i)
      if (catalog::IsMessierIndex(i) && doc_->Sky.DeepSkyObjects[i].Number == 42) m42_ = i;
    ASSERT_GE(m42_, 0);
    const DeepSkyRecord& m42 = doc_->Sky.DeepSkyObjects[m42_];
    doc_->Settings().YRotation = -15 * m42.RightAscension;
    doc_->Settings().XRotation = -m42.Declination;
    view_->Zoom = 4;
    view_->Geometry.ProjectionDirty = true;
  }

  // The Sun at `altitude`, the Moon new and far below.
  void SunAt(double altitude) {
    PlaceBody(astro::kSun, altitude, 315);
    PlaceBody(astro::kMoon, -60, 90);
    doc_->Sky.Bodies[astro::kMoon].HelioDistance = -1;
  }

  // Whether the screen's frame shows M42: its selection pass, which walks
  // the frame's layers with the frame's conditions, hits it in the middle.
  bool OnScreen() {
    Render();
    for (const sky::PickHit& hit : canvas_->Pick(200, 200))
      if (hit.Name == render::kNameDeepSkyFirst + static_cast<unsigned>(m42_)) return true;
    return false;
  }

  // Whether the chart has a deep-sky symbol near the middle of the page.
  bool OnChart() {
    const FixedMeasure measure;
    const print::ChartDrawing chart =
        print::BuildChart(*doc_, kPageWidth, kPageHeight, view_->Zoom, measure);
    const auto nearMiddle = [](print::PagePoint p) {
      return std::hypot(p.X - kPageWidth / 2, p.Y - kPageHeight / 2) < 300;
    };
    for (const print::ChartItem& item : chart) {
      if (item.Layer != print::ChartLayer::DeepSky) continue;
      if (const auto* c = std::get_if<print::ChartCircle>(&item.Shape); c && nearMiddle(c->Centre))
        return true;
      if (const auto* l = std::get_if<print::ChartPolyline>(&item.Shape))
        for (print::PagePoint p : l->Points)
          if (nearMiddle(p)) return true;
    }
    return false;
  }

  int m42_ = -1;
};

// One document through the cases in turn: each case's chart is made before
// its frame is drawn, after the previous case's frame.
TEST_F(ScreenAndChart, AgreeOnTheDeepSkyInDaylightTwilightAndRedScreen) {
  struct Case {
    const char* What;
    double SunAltitude;
    int SkyColours, RedScreen;
    bool Shown;
  };
  const Case cases[] = {
      {"night", -30, 1, 0, true},
      {"day", 10, 1, 0, false},
      {"day in red screen", 10, 1, 1, false},
      {"night in red screen after a day", -30, 1, 1, true},
      {"day in red screen after a night", 10, 1, 1, false},
      {"day with a black sky", 10, 0, 0, true},
      {"twilight: M42 fainter than the limit of 1", -12, 1, 0, false},
      {"late twilight: the limit is 6", -17, 1, 0, true},
      {"late twilight in red screen", -17, 1, 1, true},
  };
  for (const Case& c : cases) {
    SunAt(c.SunAltitude);
    doc_->Settings().SkyColors = c.SkyColours;
    doc_->Run.RedScreen = c.RedScreen;
    EXPECT_EQ(OnChart(), c.Shown) << c.What;
    EXPECT_EQ(OnScreen(), c.Shown) << c.What;
  }
}

}  // namespace
