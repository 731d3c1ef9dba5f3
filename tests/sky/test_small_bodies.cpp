// The comets and minor planets of the sky shown: the bundled table read into
// the catalogues, and the bodies kept for the layer's limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "render/sky_primitives.h"
#include "sky/camera_math.h"
#include "sky/drawing_rules.h"
#include "sky/pick_walk.h"
#include "sky/search.h"
#include "sky/sky_doc.h"
#include "sky/small_bodies.h"

namespace {

class NoMissingFile : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char*) override { std::abort(); }
  void DamagedFile(const char*, const std::string& message) override { damaged = message; }
  std::string damaged;
};

// At three instants, a magnitude limit keeps exactly the bodies whose full
// place is as bright or brighter, whatever the estimates that pass over the
// others: every one of the 2245 computed in full is the reference.
TEST(SmallBodies, TheLimitKeepsEveryBodyAsBrightAsIt) {
  AppSettings settings;
  CSkyDoc doc(settings, catalog::DataFiles{STELLIX_SOURCE_DATA_DIR});
  NoMissingFile failure;
  doc.LoadSmallBodies(failure);
  EXPECT_EQ(failure.damaged, "");
  ASSERT_EQ(doc.Catalogues.SmallBodies.size(), 2245u);
  for (const astro::CivilTime time :
       {astro::CivilTime{1997, 4, 1, 20, 0, 0}, astro::CivilTime{2026, 12, 11, 2, 0, 0},
        astro::CivilTime{2061, 7, 28, 3, 0, 0}}) {
    doc.Sky.DocumentTime = time;
    doc.UpdateSky();
    for (const double limit : {6.0, 12.0, 14.5}) {
      std::set<int> expected;
      for (std::size_t i = 0; i < doc.Catalogues.SmallBodies.size(); ++i)
        if (sky::SmallBodyStateOf(doc.Sky.AstroState, doc.Catalogues.SmallBodies[i]).Magnitude <=
            limit)
          expected.insert(static_cast<int>(i));
      std::vector<sky::SmallBodyState> shown;
      sky::MoveSmallBodies(doc.Sky.AstroState, doc.Catalogues.SmallBodies, limit, shown);
      std::set<int> kept;
      for (const sky::SmallBodyState& s : shown) {
        kept.insert(s.Index);
        EXPECT_LE(s.Magnitude, limit);
      }
      EXPECT_EQ(kept, expected) << time.Year << " limit " << limit;
      if (limit > 10) {
        EXPECT_GT(kept.size(), 10u) << time.Year << " limit " << limit;
      }
    }
  }
}

// The document keeps the bodies of its own limit, and Hale-Bopp near its
// perihelion is one of the brightest objects of the night sky.
TEST(SmallBodies, TheDocumentMovesThemWithTheSky) {
  AppSettings settings;
  settings.SmallBodyMagnitudeLimit = 3;
  CSkyDoc doc(settings, catalog::DataFiles{STELLIX_SOURCE_DATA_DIR});
  NoMissingFile failure;
  ASSERT_TRUE(doc.OnNewDocument(failure, nullptr, astro::CivilTime{1997, 4, 1, 20, 0, 0}));
  ASSERT_FALSE(doc.Sky.SmallBodies.empty());
  const sky::SmallBodyState& first = doc.Sky.SmallBodies.front();
  EXPECT_EQ(doc.Catalogues.SmallBodies[first.Index].Designation, "C/1995 O1 (Hale-Bopp)");
  EXPECT_LT(first.Magnitude, 0.0);
  // The tail points away from the Sun: the comet lies between the Sun and
  // its tail's end on the sky.
  const astro::PlanetState& sun = doc.Sky.Bodies[astro::kSun];
  const auto separation = [](double ra1, double dec1, double ra2, double dec2) {
    double a[3], b[3];
    astro::EquatorialToSphere(ra1, dec1, a);
    astro::EquatorialToSphere(ra2, dec2, b);
    return std::acos(a[0] * b[0] + a[1] * b[1] + a[2] * b[2]);
  };
  EXPECT_GT(separation(first.TailRa, first.TailDec, sun.RightAscension, sun.Declination),
            separation(first.Place.RightAscension, first.Place.Declination, sun.RightAscension,
                       sun.Declination));
}

struct NameCase {
  const char* Designation;
  bool Comet;
  const char* Name;
};

TEST(SmallBodies, NamesLeaveOutTheNumber) {
  const NameCase cases[] = {
      {"1 Ceres", false, "Ceres"},
      {"(1) Ceres", false, "Ceres"},
      {"1625 The NORC", false, "The NORC"},
      {"(3708) 1974 FV1", false, "1974 FV1"},
      {"2000 AB12", false, "2000 AB12"},
      {"2040 P-L", false, "2040 P-L"},
      {"2001 Einstein", false, "Einstein"},
      {"1P/Halley", true, "1P/Halley"},
      {"C/1995 O1 (Hale-Bopp)", true, "C/1995 O1 (Hale-Bopp)"},
  };
  for (const NameCase& c : cases) {
    catalog::SmallBodyElements body;
    body.Designation = c.Designation;
    body.Comet = c.Comet;
    EXPECT_EQ(sky::SmallBodyName(body), c.Name) << c.Designation;
  }
}

// Discs under the pointer: within the reach plus their radius (at least
// kSmallestDiscPick), each name once at its nearest disc, never name 0.
TEST(SmallBodies, DiscsArePickedWithinTheirRadiusAndTheReach) {
  render::SkyPrimitives p;
  p.Discs = {{100, 100, 8, 0, false, 7},
             {100, 100, 3, 0, true, 7},
             {112, 100, 1, 0, true, 8},
             {100, 130, 20, 0, true, 0}};
  struct Case {
    double X, Y;
    std::vector<unsigned> Names;
  };
  const Case cases[] = {
      {100, 100, {7}},  {108, 100, {7, 8}}, {110.6, 100, {8}}, {117.4, 100, {8}},
      {117.6, 100, {}}, {100, 125, {}},     {90, 90, {}},      {100, 89.6, {7}},
  };
  for (const Case& c : cases) {
    std::vector<unsigned> names;
    for (const render::DiscHit& hit : render::DiscsAt(p, c.X, c.Y, 2.5)) names.push_back(hit.Name);
    EXPECT_EQ(names, c.Names) << c.X << ", " << c.Y;
  }
  const auto nearest = render::DiscsAt(p, 103, 100, 2.5);
  ASSERT_EQ(nearest.size(), 1u);
  EXPECT_DOUBLE_EQ(nearest[0].Distance, 3);
}

class NoMeasure : public render::CLabelMeasure {
 public:
  render::TextExtent Extent(render::LabelStyle, std::string_view text) const override {
    return {7.0 * static_cast<double>(text.size()), 10, 3, 5};
  }
};

// A click on Hale-Bopp in a view centred on it opens its card, whatever
// else stands near; a click beside it opens none of the layer's.
TEST(SmallBodies, AClickOnACometOpensItsCard) {
  AppSettings settings;
  CSkyDoc doc(settings, catalog::DataFiles{STELLIX_SOURCE_DATA_DIR});
  NoMissingFile failure;
  doc.LoadSmallBodies(failure);
  doc.Sky.DocumentTime = astro::CivilTime{1997, 4, 1, 20, 0, 0};
  doc.UpdateSky();
  const auto comet = sky::FindObjectByName(doc, "Hale-Bopp");
  ASSERT_TRUE(comet);
  const astro::EquatorialCoord at = sky::PlaceOf(doc, *comet);
  settings.YRotation = -15 * at.RightAscension;
  settings.XRotation = -at.Declination;
  constexpr int kWidth = 800, kHeight = 600;
  constexpr double kZoom = 8;
  sky::ViewGeometry view;
  view.Viewport[2] = kWidth;
  view.Viewport[3] = kHeight;
  render::OrthoMatrix(render::SkyOrthoVolume(kWidth, kHeight, kZoom), view.Projection);
  view.Projection[10] = 2.0;
  render::CameraMatrix(settings.XRotation, settings.YRotation, false, doc.Sky.AstroState,
                       view.Modelview);
  const NoMeasure measure;
  render::SkyPrimitives drawn;
  render::DescribeSmallBodies({doc, doc.Conditions(), view, kZoom, 1.0, measure}, drawn);
  std::vector<sky::PickHit> hits;
  for (const render::DiscHit& hit : render::DiscsAt(drawn, kWidth / 2.0, kHeight / 2.0 + 1, 2.5))
    hits.push_back({hit.Name, hit.Distance});
  const std::vector<sky::PickStep> steps = sky::PickSteps(hits, doc);
  ASSERT_EQ(steps.size(), 1u);
  EXPECT_EQ(steps[0], (sky::PickStep{sky::PickStep::SmallBodyCard, comet->Index}));
  EXPECT_TRUE(render::DiscsAt(drawn, kWidth / 2.0 + 30, kHeight / 2.0, 2.5).empty());
  // A name past the catalogue opens nothing.
  const unsigned past = sky::kSmallBodyNameFirst + 2245;
  EXPECT_TRUE(sky::PickSteps({{past, 0}}, doc).empty());
}

// The layer of `doc` at `zoom`, centred on J2000 place `at`, 800 x 600 pixels.
render::SkyPrimitives DescribedAt(CSkyDoc& doc, const astro::EquatorialCoord& at, double zoom) {
  doc.Settings().YRotation = -15 * at.RightAscension;
  doc.Settings().XRotation = -at.Declination;
  sky::ViewGeometry view;
  view.Viewport[2] = 800;
  view.Viewport[3] = 600;
  render::OrthoMatrix(render::SkyOrthoVolume(800, 600, zoom), view.Projection);
  view.Projection[10] = 2.0;
  render::CameraMatrix(doc.Settings().XRotation, doc.Settings().YRotation, false,
                       doc.Sky.AstroState, view.Modelview);
  const NoMeasure measure;
  render::SkyPrimitives drawn;
  render::DescribeSmallBodies({doc, doc.Conditions(), view, zoom, 1.0, measure}, drawn);
  return drawn;
}

// The opening view names only the bodies bright enough for its zoom, and
// a deeper zoom on a faint minor planet names it: every name drawn is that
// of a body as bright as sky::SmallBodyNameLimit, and every body drawn that
// bright is named.
TEST(SmallBodies, TheirNamesFollowTheZoom) {
  AppSettings settings;
  settings.PlanetNames = 1;
  settings.SmallBodyMagnitudeLimit = 12;
  CSkyDoc doc(settings, catalog::DataFiles{STELLIX_SOURCE_DATA_DIR});
  NoMissingFile failure;
  doc.LoadSmallBodies(failure);
  doc.Sky.DocumentTime = astro::CivilTime{2026, 12, 10, 22, 0, 0};
  doc.UpdateSky();
  const auto faint = std::find_if(doc.Sky.SmallBodies.begin(), doc.Sky.SmallBodies.end(),
                                  [](const sky::SmallBodyState& b) { return b.Magnitude > 10.5; });
  ASSERT_NE(faint, doc.Sky.SmallBodies.end());
  const std::string faintName = sky::SmallBodyName(doc.Catalogues.SmallBodies[faint->Index]);
  const astro::EquatorialCoord at{faint->Place.RightAscension, faint->Place.Declination};
  for (const double zoom : {2.0, 32.0}) {
    const render::SkyPrimitives drawn = DescribedAt(doc, at, zoom);
    std::set<std::string> named;
    for (const render::SkyName& name : drawn.Names) named.insert(name.Text);
    std::size_t bright = 0;
    for (const sky::SmallBodyState& b : doc.Sky.SmallBodies) {
      const bool onDisc = std::any_of(drawn.Discs.begin(), drawn.Discs.end(), [&b](const auto& d) {
        return d.PickName == sky::kSmallBodyNameFirst + static_cast<unsigned>(b.Index);
      });
      if (!onDisc) continue;
      const bool enough = b.Magnitude <= sky::SmallBodyNameLimit(zoom);
      bright += enough;
      EXPECT_EQ(named.count(sky::SmallBodyName(doc.Catalogues.SmallBodies[b.Index])),
                enough ? 1u : 0u)
          << b.Magnitude << " at zoom " << zoom;
    }
    EXPECT_EQ(named.size(), bright) << zoom;
    EXPECT_EQ(named.count(faintName), zoom == 32.0 ? 1u : 0u) << faintName;
  }
  // Without the planets' names, none.
  doc.Settings().PlanetNames = 0;
  EXPECT_TRUE(DescribedAt(doc, at, 32).Names.empty());
}

}  // namespace
