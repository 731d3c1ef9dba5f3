// The planets' moons beside their planets: their places on the sky, the
// Moons layer's marks and names, finding them by name and their cards,
// without a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <variant>
#include <vector>

#include "astro/angles.h"
#include "astro/format.h"
#include "print/chart_geometry.h"
#include "render/sky_primitives.h"
#include "res/strings.h"
#include "sky/camera_math.h"
#include "sky/card_facts.h"
#include "sky/find_index.h"
#include "sky/moon_places.h"
#include "sky/object_info.h"
#include "sky/object_names.h"
#include "sky/pick_walk.h"
#include "sky/search.h"
#include "sky/sky_doc.h"

namespace {

constexpr double kArcsecPerRad = 180.0 / std::numbers::pi * 3600.0;
constexpr int kWidth = 1280, kHeight = 1024;

// Julian day (UT) to the seconds SetInstant takes.
std::int64_t UtSeconds(double julianDay) { return std::llround((julianDay - 2440587.5) * 86400.0); }

// Unit vector of (ra hours, dec degrees).
void Unit(double ra, double dec, double (&v)[3]) {
  const double a = ra * 15 * astro::kDegToRad, d = dec * astro::kDegToRad;
  v[0] = std::cos(d) * std::cos(a);
  v[1] = std::cos(d) * std::sin(a);
  v[2] = std::sin(d);
}

// The gnomonic offsets (xi, eta) are the point at angular distance
// atan(hypot(xi, eta)) and position angle atan2(xi, eta), east of north.
TEST(MoonPlaces, AnOffsetIsTheTangentPlanesPoint) {
  struct Row {
    double Ra, Dec, East, North;
  };
  const Row rows[] = {{7.42, 22.25, 130.0, -21.5}, {23.99, -3.4, 200.0, 45.0},
                      {0.01, 60.0, -300.0, 150.0}, {12.0, -80.0, 50.0, -600.0},
                      {18.0, 89.9, 10.0, 10.0},    {5.0, 0.0, 0.0, 0.0}};
  for (const Row& r : rows) {
    const astro::EquatorialCoord at = sky::OffsetPlace(r.Ra, r.Dec, r.East, r.North);
    double c[3], m[3];
    Unit(r.Ra, r.Dec, c);
    Unit(at.RightAscension, at.Declination, m);
    const double cosine = c[0] * m[0] + c[1] * m[1] + c[2] * m[2];
    const double cross[3] = {c[1] * m[2] - c[2] * m[1], c[2] * m[0] - c[0] * m[2],
                             c[0] * m[1] - c[1] * m[0]};
    const double separation = std::atan2(std::hypot(cross[0], cross[1], cross[2]), cosine);
    EXPECT_NEAR(separation * kArcsecPerRad,
                std::atan(std::hypot(r.East, r.North) / kArcsecPerRad) * kArcsecPerRad, 1e-6)
        << r.Ra << " " << r.Dec;
    if (r.East == 0 && r.North == 0) continue;
    // The position angle by spherical trigonometry.
    const double da = (at.RightAscension - r.Ra) * 15 * astro::kDegToRad;
    const double d1 = r.Dec * astro::kDegToRad, d2 = at.Declination * astro::kDegToRad;
    const double angle =
        std::atan2(std::sin(da) * std::cos(d2),
                   std::cos(d1) * std::sin(d2) - std::sin(d1) * std::cos(d2) * std::cos(da));
    EXPECT_NEAR(std::remainder(angle - std::atan2(r.East, r.North), 2 * std::numbers::pi), 0, 1e-9)
        << r.Ra << " " << r.Dec;
  }
}

class CFixedMeasure : public render::CLabelMeasure {
 public:
  render::TextExtent Extent(render::LabelStyle, std::string_view text) const override {
    return {7.0 * static_cast<double>(text.size()), 11, 3, 4};
  }
};

// The Moons layer of `doc` at `zoom` with the camera on `name`.
struct Described {
  render::SkyPrimitives Out;
  sky::ViewGeometry View;
};
Described Describe(CSkyDoc& doc, const char* name, double zoom) {
  EXPECT_EQ(CentreOnName(doc, name), "");
  Described d;
  d.View.Viewport[2] = kWidth;
  d.View.Viewport[3] = kHeight;
  render::OrthoMatrix(render::SkyOrthoVolume(kWidth, kHeight, zoom), d.View.Projection);
  d.View.Projection[10] = 2.0;
  render::CameraMatrix(doc.Settings().XRotation, doc.Settings().YRotation,
                       doc.Settings().HorizonMode != 0, doc.Sky.AstroState, d.View.Modelview);
  const CFixedMeasure measure;
  render::DescribePlanetMoons({doc, doc.Conditions(), d.View, zoom, 1.0, measure}, d.Out);
  return d;
}

// Moon `m`'s place on the window from its planet's drawn place plus its
// offset: `pixels` a radian near the middle of the view, north up and east
// to the left on the equatorial chart centred on the planet.
void ExpectedPlace(const CSkyDoc& doc, const Described& d, int m, double pixels, double& x,
                   double& y) {
  const astro::PlanetState& planet = doc.Sky.Bodies[sky::MoonFigureOf(m).Planet];
  double p[3], px, py;
  doc.DrawingPoint(planet.RightAscension, planet.Declination, p);
  EXPECT_TRUE(d.View.SkyToWindow(p[0], p[1], p[2], px, py));
  const astro::MoonPlace& place = doc.Sky.Moons[m].Place;
  x = px - place.East / kArcsecPerRad * pixels;
  y = py + place.North / kArcsecPerRad * pixels;
}

// At the deepest zoom, centred on Jupiter, each Galilean moon is drawn and
// named where its offset puts it beside the planet, unless it is behind the
// planet (Europa, 2017 May 14) or in its shadow (Ganymede, 2002 April 23):
// the instants PyEphem finds so (tests/astro/data/moon_reference.csv).
// Triton beside Neptune as Stellarium 0.22.2 places it (its script's
// getObjectInfo, Triton's J2000 place less Neptune's) from the osculating
// orbit of June 2008 it ships: within 0.7" for the four years about that
// orbit's epoch. Beyond them that orbit, which does not turn, falls behind
// the turning node by 4" in 1990 and 7" in 2040. Found by its name too.
TEST(MoonPlaces, TritonIsWhereAPeersOrbitOf2008PutsIt) {
  struct Row {
    double JulianDay;    // UT
    double East, North;  // arc-seconds
  };
  const Row rows[] = {
      {2453887.5000, -1.43, -13.46}, {2453888.7917, -15.38, -4.71}, {2453890.0833, -4.37, 11.70},
      {2453891.3750, 13.75, 9.13},   {2454618.5000, -8.66, 8.50},   {2454619.7917, 10.37, 12.38},
      {2454621.0833, 12.58, -3.84},  {2454622.3750, -5.63, -13.85}, {2454983.5000, 0.96, 13.56},
      {2454984.7917, 14.60, 5.92},   {2454986.0833, 4.55, -11.35},  {2454987.3750, -12.91, -10.21},
      {2455348.5000, 9.81, 12.88},   {2455349.7917, 12.24, -3.20},  {2455351.0833, -5.20, -14.11},
      {2455352.3750, -14.23, -2.12},
  };
  AppSettings settings;
  CSkyDoc doc(settings);
  const sky::SkyObjectRef triton{sky::SkyObjectRef::PlanetMoon, 19};
  EXPECT_EQ(sky::FindObjectByName(doc, "triton"), triton);
  EXPECT_EQ(sky::MoonFigureOf(19).Planet, astro::Index(astro::Body::Neptune));
  for (const Row& row : rows) {
    doc.SetInstant(UtSeconds(row.JulianDay));
    doc.UpdateSky();
    const astro::MoonPlace& place = doc.Sky.Moons[19].Place;
    EXPECT_LT(std::hypot(place.East - row.East, place.North - row.North), 0.7)
        << row.JulianDay << ": " << place.East << " " << place.North;
  }
}

TEST(MoonsLayer, AMoonIsDrawnAtItsPlanetsPlacePlusItsOffset) {
  struct Row {
    double JulianDay;  // UT
    int Left;          // the moon left out, or -1
  };
  const Row rows[] = {{2461051.4166667, -1},
                      {2457880.12579538 - 69.0 / 86400, 1},
                      {2452379.87574485 - 64.0 / 86400, 2}};
  constexpr double kZoom = 256;
  for (const Row& row : rows) {
    AppSettings settings;
    CSkyDoc doc(settings);
    doc.SetInstant(UtSeconds(row.JulianDay));
    doc.UpdateSky();
    if (row.Left >= 0) {
      const astro::MoonPlace& left = doc.Sky.Moons[row.Left].Place;
      EXPECT_TRUE(left.Disc == astro::MoonDisc::Behind || left.InShadow) << row.JulianDay;
    }
    const Described d = Describe(doc, "Jupiter", kZoom);
    const double pixels = std::min(kWidth, kHeight) / 2.0 * kZoom;
    int drawn = 0;
    for (int m = 0; m < 4; ++m) {
      double x, y;
      ExpectedPlace(doc, d, m, pixels, x, y);
      int found = 0;
      for (std::size_t k = 0; k < d.Out.Discs.size(); ++k) {
        const render::SkyDisc& mark = d.Out.Discs[k];
        if (std::hypot(mark.X - x, mark.Y - y) > 0.5) continue;
        ++found;
        EXPECT_EQ(d.Out.Names[k].Text, res::String(res::IDS_MOON_NAME_FIRST + m));
        EXPECT_EQ(d.Out.Names[k].X, mark.X);
        // A right click on it opens its card.
        EXPECT_EQ(sky::PickSteps({{mark.PickName, 0}}, doc),
                  (std::vector<sky::PickStep>{{sky::PickStep::PlanetMoonCard, m}}));
      }
      EXPECT_EQ(found, m == row.Left ? 0 : 1) << row.JulianDay << " moon " << m;
      drawn += found;
    }
    EXPECT_EQ(static_cast<int>(d.Out.Discs.size()), drawn) << "only the Galilean moons in view";
    EXPECT_EQ(d.Out.Names.size(), d.Out.Discs.size());
  }
}

// The zoom parts a moon from its planet's point: none at zoom 1, the outer
// Galilean moons by zoom 32 when they stand far out, all at 256; no names
// with the planets' names switched off.
TEST(MoonsLayer, TheZoomPartsTheMoonsFromThePlanet) {
  AppSettings settings;
  CSkyDoc doc(settings);
  doc.SetInstant(UtSeconds(2461051.4166667));  // 2026 January 10, 22h UT
  doc.UpdateSky();
  EXPECT_TRUE(Describe(doc, "Jupiter", 1).Out.Discs.empty());
  const Described mid = Describe(doc, "Jupiter", 32);
  EXPECT_GE(mid.Out.Discs.size(), 1u);
  EXPECT_LT(mid.Out.Discs.size(), 4u);
  EXPECT_EQ(Describe(doc, "Jupiter", 256).Out.Discs.size(), 4u);
  settings.PlanetNames = 0;
  const Described unnamed = Describe(doc, "Jupiter", 256);
  EXPECT_EQ(unnamed.Out.Discs.size(), 4u);
  EXPECT_TRUE(unnamed.Out.Names.empty());
  // Saturn's moons beside Saturn: Titan, a third of a degree away at most,
  // among them.
  const Described saturn = Describe(doc, "Saturn", 256);
  EXPECT_GE(saturn.Out.Discs.size(), 3u);
}

// A daylit sky hides the moons when the sky's colours are shown.
TEST(MoonsLayer, DaylightHidesTheMoons) {
  AppSettings settings;
  settings.SkyColors = 1;
  CSkyDoc doc(settings);
  doc.SetInstant(UtSeconds(2461051.4166667 + 0.5));  // noon in Europe
  doc.UpdateSky();
  EXPECT_TRUE(Describe(doc, "Jupiter", 256).Out.Discs.empty());
  settings.SkyColors = 0;
  EXPECT_FALSE(Describe(doc, "Jupiter", 256).Out.Discs.empty());
}

class CFixedChartMeasure : public print::CChartTextMeasure {
 public:
  int Width(const print::ChartFont& font, std::string_view text) const override {
    return static_cast<int>(text.size()) * font.Height / 2;
  }
  int Height(const print::ChartFont& font) const override { return font.Height; }
};

// The printed chart draws the same moons, filled black, each its offset
// from Jupiter's mark on the page (y downwards), and names them.
TEST(MoonsLayer, TheChartPrintsTheMoonsBesideThePlanet) {
  AppSettings settings;
  CSkyDoc doc(settings);
  doc.SetInstant(UtSeconds(2461051.4166667));
  doc.UpdateSky();
  ASSERT_EQ(CentreOnName(doc, "Jupiter"), "");
  constexpr int kPage = 2400;
  constexpr double kZoom = 256;
  const CFixedChartMeasure measure;
  const print::ChartDrawing chart = print::BuildChart(doc, kPage, kPage, kZoom, measure);
  std::vector<print::ChartCircle> jupiter, moons;
  std::vector<std::string> names;
  for (const print::ChartItem& item : chart) {
    if (const auto* c = std::get_if<print::ChartCircle>(&item.Shape)) {
      if (item.Layer == print::ChartLayer::SolarSystem) jupiter.push_back(*c);
      if (item.Layer == print::ChartLayer::Described) moons.push_back(*c);
    }
    if (const auto* t = std::get_if<print::ChartText>(&item.Shape))
      if (item.Layer == print::ChartLayer::Described) names.push_back(t->Text);
  }
  // Jupiter's mark in the middle of the page (its red spot's beside it).
  ASSERT_FALSE(jupiter.empty());
  const auto fromMiddle = [](const print::ChartCircle& c) {
    return std::hypot(c.Centre.X - kPage / 2, c.Centre.Y - kPage / 2);
  };
  std::sort(jupiter.begin(), jupiter.end(),
            [&](const auto& a, const auto& b) { return fromMiddle(a) < fromMiddle(b); });
  EXPECT_LT(fromMiddle(jupiter[0]), 1.5);
  ASSERT_EQ(moons.size(), 4u);
  const double pixels = kPage / 2.0 * kZoom / kArcsecPerRad;
  for (int m = 0; m < 4; ++m) {
    const astro::MoonPlace& place = doc.Sky.Moons[m].Place;
    const double x = jupiter[0].Centre.X - place.East * pixels,
                 y = jupiter[0].Centre.Y - place.North * pixels;
    EXPECT_EQ(std::count_if(moons.begin(), moons.end(),
                            [&](const print::ChartCircle& c) {
                              return std::hypot(c.Centre.X - x, c.Centre.Y - y) < 1.5 &&
                                     c.Fill == print::ChartFill::Black && c.Radius >= 3;
                            }),
              1)
        << m;
    EXPECT_NE(std::find(names.begin(), names.end(), res::String(res::IDS_MOON_NAME_FIRST + m)),
              names.end())
        << m;
  }
}

// "Ganymede" is found by name, in the find box's matches and on its card,
// which gives its offset from Jupiter and a distance from the Earth within
// Ganymede's orbit of Jupiter's.
TEST(MoonPlaces, GanymedeIsFoundAndDescribed) {
  AppSettings settings;
  CSkyDoc doc(settings);
  doc.SetInstant(UtSeconds(2461051.4166667));
  doc.UpdateSky();
  const sky::SkyObjectRef ganymede{sky::SkyObjectRef::PlanetMoon, 2};
  EXPECT_EQ(sky::FindObjectByName(doc, "ganymede"), ganymede);
  EXPECT_EQ(sky::FindObjectByName(doc, " Io "),
            (sky::SkyObjectRef{sky::SkyObjectRef::PlanetMoon, 0}));
  EXPECT_EQ(sky::FindObjectByName(doc, "Deimos"),
            (sky::SkyObjectRef{sky::SkyObjectRef::PlanetMoon, 18}));
  sky::FindIndex index = sky::BuildFindIndex(doc);
  const std::vector<sky::FindMatch> matches = sky::FindMatches(doc, index, "Ganym", 5);
  ASSERT_FALSE(matches.empty());
  EXPECT_EQ(matches.front().Object, ganymede);
  EXPECT_EQ(matches.front().Name, "Ganymede");
  EXPECT_EQ(matches.front().Kind, "moon");
  EXPECT_NEAR(matches.front().Magnitude, 4.6, 0.3);

  const astro::EquatorialCoord at = sky::PlaceOf(doc, ganymede);
  EXPECT_EQ(at.RightAscension, doc.Sky.Moons[2].RightAscension);
  const sky::MoonFacts f = sky::MoonFactsOf(doc, 2);
  EXPECT_EQ(f.Planet, astro::Index(astro::Body::Jupiter));
  EXPECT_EQ(f.OffsetEast, doc.Sky.Moons[2].Place.East);
  EXPECT_EQ(f.OffsetNorth, doc.Sky.Moons[2].Place.North);
  const sky::BodyFacts jupiter = sky::BodyFactsOf(doc, f.Planet);
  EXPECT_NEAR(f.DistanceEarthKm, jupiter.DistanceEarthKm, 1.1e6);
  EXPECT_NEAR(f.SizeArcsec, 2 * 2631.2 / f.DistanceEarthKm * kArcsecPerRad, 1e-9);
  EXPECT_EQ(f.Next.Events.Transit, jupiter.Next.Events.Transit);
  // The offset as a separation and a position angle, on the card too.
  EXPECT_DOUBLE_EQ(f.SeparationArcsec, std::hypot(f.OffsetEast, f.OffsetNorth));
  EXPECT_DOUBLE_EQ(f.PositionAngleDeg, sky::PositionAngle(f.OffsetEast, f.OffsetNorth));
  const sky::MoonCard card = sky::CardOf(f);
  EXPECT_EQ(card.Separation, astro::FormatFixed(f.SeparationArcsec, 1) + "\"");
  EXPECT_EQ(card.PositionAngle, astro::FormatFixed(f.PositionAngleDeg, 1) + "\xC2\xB0");
  const std::string json = sky::CardJson(card);
  EXPECT_NE(json.find("\"separation\":\"" + astro::FormatFixed(f.SeparationArcsec, 1)),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("\"positionAngleDeg\":"), std::string::npos) << json;
}

// The position angle of an offset, from the north through the east.
TEST(MoonPlaces, ThePositionAngleTurnsFromTheNorthThroughTheEast) {
  struct Row {
    double East, North, Angle;
  };
  for (const Row& r :
       {Row{0, 10, 0}, Row{10, 10, 45}, Row{10, 0, 90}, Row{3, -3, 135}, Row{0, -7, 180},
        Row{-5, -5, 225}, Row{-10, 0, 270}, Row{-1, 1.7320508075688772, 330}, Row{0, 0, 0}})
    EXPECT_NEAR(sky::PositionAngle(r.East, r.North), r.Angle, 1e-9) << r.East << " " << r.North;
}

}  // namespace
