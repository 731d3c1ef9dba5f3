// The rules the sky view and the printed chart share, without either.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "render/selection_mark.h"
#include "sky/drawing_rules.h"
#include "sky/sky_doc.h"

namespace {

DeepSkyRecord Object(int number, const char* name) {
  DeepSkyRecord r{};
  r.Number = number;
  std::memcpy(r.Name, name, std::min(std::strlen(name), sizeof r.Name));
  return r;
}

TEST(DrawingRules, ADeepSkyObjectIsLabelledByItsNumberOrItsCommonName) {
  struct Row {
    int ByNumber, Index;
    const char* Name;
    int Number;
    const char* Label;
  };
  for (const Row& row :
       {Row{1, 30, "Andromeda Galaxy", 31, "M31"}, Row{1, 150, "*", 7000, "7000"},
        Row{0, 30, "Andromeda Galaxy", 31, "Andromeda Galaxy"}, Row{0, 150, "*", 7000, ""}}) {
    AppSettings settings;
    settings.DeepSkyLabelByNumber = row.ByNumber;
    EXPECT_EQ(sky::DeepSkyLabel(settings, row.Index, Object(row.Number, row.Name)), row.Label)
        << row.Name;
  }
}

TEST(DrawingRules, TheMagellanicCloudsShowOnABlackSkyOrBelowSixDegreesOfTwilight) {
  struct Row {
    int SkyColours;
    double SunAltitude;
    bool Shown;
  };
  for (const Row& row : {Row{0, 30, true}, Row{1, -5, false}, Row{1, -7, true}}) {
    AppSettings settings;
    settings.SkyColors = row.SkyColours;
    CSkyDoc doc(settings);
    doc.UpdateSky();
    const astro::EquatorialCoord c = doc.Sky.AstroState.SkyAt(0, row.SunAltitude);
    doc.Sky.Bodies[astro::kSun].RightAscension = c.RightAscension;
    doc.Sky.Bodies[astro::kSun].Declination = c.Declination;
    EXPECT_EQ(sky::MagellanicCloudsShown(doc), row.Shown) << row.SunAltitude;
  }
  EXPECT_FALSE(sky::NamesShown(1.0));
  EXPECT_TRUE(sky::NamesShown(2.0));
}

// A comet or minor planet is named down to magnitude 8 at the opening view,
// one magnitude deeper each doubling of the zoom; never in the
// whole-hemisphere view, nor without a known brightness.
TEST(DrawingRules, SmallBodiesAreNamedWhenBrightEnoughForTheZoom) {
  struct Row {
    double Magnitude, Zoom;
    bool Named;
  };
  for (const Row& row :
       {Row{-2, 1, false}, Row{7.9, 2, true}, Row{8.0, 2, true}, Row{8.1, 2, false},
        Row{10.5, 2, false}, Row{10.5, 16, true}, Row{11.1, 16, false}, Row{12, 32, true},
        Row{14.5, 256, true}, Row{15.1, 256, false}, Row{std::nan(""), 256, false}})
    EXPECT_EQ(sky::SmallBodyNamed(row.Magnitude, row.Zoom), row.Named)
        << row.Magnitude << " at zoom " << row.Zoom;
  EXPECT_DOUBLE_EQ(sky::SmallBodyNameLimit(2), 8);
  EXPECT_DOUBLE_EQ(sky::SmallBodyNameLimit(32), 12);
}

TEST(DrawingRules, TheGridHasAnHourCircleEveryHourAndAParallelEveryFifteenDegrees) {
  int hours = 0, parallels = 0;
  for (const sky::GridLine& line : sky::GridLines()) {
    (line.HourCircle ? hours : parallels)++;
    const astro::EquatorialCoord &first = line.Points.front(), &last = line.Points.back();
    if (line.HourCircle) {
      EXPECT_EQ(first.Declination, -80);
      EXPECT_EQ(last.Declination, 80);
    } else {
      EXPECT_EQ(last.RightAscension - first.RightAscension, 24) << "closed round the sky";
    }
  }
  EXPECT_EQ(hours, 24);
  EXPECT_EQ(parallels, 11);
}

// What a printed chart writes where a grid line meets its frame (Latin-1).
TEST(DrawingRules, EachGridLineCarriesItsValue) {
  const struct {
    int Degrees;
    bool WithSign;
    const char* Value;
  } kCases[] = {{15, true, "+15\xB0"},
                {-75, true, "-75\xB0"},
                {0, true, "0\xB0"},
                {135, false, "135\xB0"},
                {0, false, "0\xB0"}};
  for (const auto& c : kCases) EXPECT_EQ(sky::GridValue(c.Degrees, c.WithSign), c.Value);
  for (const sky::GridLine& line : sky::GridLines()) {
    const astro::EquatorialCoord& first = line.Points.front();
    EXPECT_EQ(line.Value, line.HourCircle
                              ? std::to_string(static_cast<int>(first.RightAscension)) + "h"
                              : sky::GridValue(static_cast<int>(first.Declination), true));
  }
  EXPECT_EQ(sky::GridLines().front().Value, "0h");
  EXPECT_EQ(sky::GridLines().back().Value, "+75\xB0");
}

TEST(DrawingRules, TheSelectionMarkerClearsTheSymbolAndKeepsASmallestSize) {
  render::SelectionMark star;
  render::SelectionMark galaxy;
  galaxy.Object = DeepSkyRecord{};
  galaxy.Object->MajorAxis = 120;  // arc minutes across: a degree in radius
  struct Row {
    const render::SelectionMark& Mark;
    double PixelsPerDegree, Unit, Half, Corner;
  };
  for (const Row& row : {Row{star, 100, 1, 10, 6}, Row{star, 100, 2, 20, 12},
                         Row{galaxy, 100, 1, 105, 6}, Row{galaxy, 4, 1, 10, 6}}) {
    const render::MarkerSize size = render::MarkerSizeOf(row.Mark, row.PixelsPerDegree, row.Unit);
    EXPECT_DOUBLE_EQ(size.Half, row.Half) << row.PixelsPerDegree << " " << row.Unit;
    EXPECT_DOUBLE_EQ(size.CornerLength, row.Corner);
  }
}

}  // namespace
