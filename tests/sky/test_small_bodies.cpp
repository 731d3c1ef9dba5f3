// The comets and minor planets of the sky shown: the bundled table read into
// the catalogues, and the bodies kept for the layer's limit.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

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

}  // namespace
