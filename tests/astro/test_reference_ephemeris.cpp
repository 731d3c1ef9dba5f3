// The Sun, the Moon and the planets against a high-precision ephemeris,
// 1901-2099 (data/ephemeris_reference.csv, see data/README.md).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "astro/planets.h"
#include "astro/transforms.h"
#include "astro_test_support.h"

namespace {

constexpr int kPlanets = 8;
constexpr const char* kPlanetNames[kPlanets] = {"Mercury", "Venus",  "Mars",    "Jupiter",
                                                "Saturn",  "Uranus", "Neptune", "Pluto"};

struct Position {
  double RightAscension;  // hours
  double Declination;     // degrees
  double Distance;        // AU, kilometres for the Moon
};

struct ReferenceRow {
  astro::CivilTime Time;  // UT
  astro::ObserverPlace Place;
  Position Sun, Moon;
  Position Planets[kPlanets];
  double LightDays[kPlanets];  // light time of each planet, days
};

std::vector<ReferenceRow> LoadReference() {
  std::ifstream in(STELLIX_ASTRO_TEST_DATA "/ephemeris_reference.csv");
  std::vector<ReferenceRow> rows;
  std::string line;
  std::getline(in, line);  // column names
  while (std::getline(in, line)) {
    std::replace(line.begin(), line.end(), ',', ' ');
    std::istringstream fields(line);
    ReferenceRow row;
    astro::ObserverPlace& place = row.Place;
    astro::CivilTime& t = row.Time;
    fields >> t.Year >> t.Month >> t.Day >> t.Hour >> t.Minute >> t.Second >> place.LatDeg >>
        place.LatMin >> place.NS >> place.LongDeg >> place.LongMin >> place.EW;
    place.UtOffset = 0.0;
    fields >> row.Sun.RightAscension >> row.Sun.Declination >> row.Sun.Distance;
    fields >> row.Moon.RightAscension >> row.Moon.Declination >> row.Moon.Distance;
    for (int p = 0; p < kPlanets; ++p) {
      fields >> row.Planets[p].RightAscension >> row.Planets[p].Declination >>
          row.Planets[p].Distance >> row.LightDays[p];
    }
    if (!fields) {
      ADD_FAILURE() << "unreadable reference line: " << line;
      break;
    }
    rows.push_back(row);
  }
  return rows;
}

// Great-circle distance in arc minutes, exact for small angles too.
double ArcMinutesBetween(double ra1, double dec1, double ra2, double dec2) {
  double a[3], b[3];
  astro::EquatorialToSphere(ra1, dec1, a);
  astro::EquatorialToSphere(ra2, dec2, b);
  const double cx = a[1] * b[2] - a[2] * b[1];
  const double cy = a[2] * b[0] - a[0] * b[2];
  const double cz = a[0] * b[1] - a[1] * b[0];
  const double dot = a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
  return std::atan2(std::sqrt(cx * cx + cy * cy + cz * cz), dot) * astro::kRadToDeg * 60.0;
}

// Largest error of one body over the table, with the instant where it occurs.
struct WorstError {
  double ArcMinutes = 0.0;
  std::string Where;

  void Add(double error, const ReferenceRow& row, double gotRa, double gotDec,
           const Position& want) {
    if (error <= ArcMinutes) return;
    ArcMinutes = error;
    char text[200];
    std::snprintf(text, sizeof text,
                  "%04d-%02d-%02dT%02d:%02d:%02d UT: got %.6f h %.5f deg, want %.6f h %.5f deg",
                  row.Time.Year, row.Time.Month, row.Time.Day, row.Time.Hour, row.Time.Minute,
                  row.Time.Second, gotRa, gotDec, want.RightAscension, want.Declination);
    Where = text;
  }
};

class ReferenceEphemeris : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { rows_ = new std::vector<ReferenceRow>(LoadReference()); }
  static void TearDownTestSuite() {
    delete rows_;
    rows_ = nullptr;
  }
  static const std::vector<ReferenceRow>& Rows() { return *rows_; }

 private:
  static std::vector<ReferenceRow>* rows_;
};

std::vector<ReferenceRow>* ReferenceEphemeris::rows_ = nullptr;

TEST_F(ReferenceEphemeris, CoversTheCalendar) {
  ASSERT_GE(Rows().size(), 450u);
  EXPECT_EQ(Rows().front().Time.Year, 1901);
  EXPECT_EQ(Rows().back().Time.Year, 2099);
}

// The Sun's geometric place, mean equinox of date.
TEST_F(ReferenceEphemeris, Sun) {
  WorstError worst;
  double worstDistance = 0.0;
  for (const ReferenceRow& row : Rows()) {
    const astro_test::Sky sky(row.Time, row.Place);
    const astro::PlanetState& sun = sky.Bodies[astro::kSun];
    // Kept in J2000 like the catalogues; the reference is of date.
    const astro::EquatorialCoord p = sky.State.ToDate(sun.RightAscension, sun.Declination);
    worst.Add(ArcMinutesBetween(p.RightAscension, p.Declination, row.Sun.RightAscension,
                                row.Sun.Declination),
              row, p.RightAscension, p.Declination, row.Sun);
    worstDistance = std::max(worstDistance, std::fabs(sun.GeoDistance - row.Sun.Distance));
  }
  std::printf("Sun: max error %.3f' (%s); distance %.2e AU\n", worst.ArcMinutes,
              worst.Where.c_str(), worstDistance);
  EXPECT_LE(worst.ArcMinutes, 0.6) << worst.Where;
  EXPECT_LE(worstDistance, 2e-4);
}

// The Moon's topocentric place for each row's observer, mean equinox of date.
// The series run on UT, so Delta T (up to a few minutes late in the century)
// adds up to two arc minutes.
TEST_F(ReferenceEphemeris, Moon) {
  WorstError worst;
  double worstDistance = 0.0;
  for (const ReferenceRow& row : Rows()) {
    const astro_test::Sky sky(row.Time, row.Place);
    const astro::PlanetState& moon = sky.Bodies[astro::kMoon];
    const astro::EquatorialCoord p = sky.State.ToDate(moon.RightAscension, moon.Declination);
    worst.Add(ArcMinutesBetween(p.RightAscension, p.Declination, row.Moon.RightAscension,
                                row.Moon.Declination),
              row, p.RightAscension, p.Declination, row.Moon);
    worstDistance = std::max(worstDistance, std::fabs(moon.GeoDistance - row.Moon.Distance));
  }
  std::printf("Moon: max error %.3f' (%s); distance %.0f km\n", worst.ArcMinutes,
              worst.Where.c_str(), worstDistance);
  EXPECT_LE(worst.ArcMinutes, 4.0) << worst.Where;
  EXPECT_LE(worstDistance, 450.0);
}

// The planets, J2000 equator and equinox. The reference is astrometric: the
// planet where its light left it, light-time earlier, seen from the Earth now.
// The program draws the geometric place; both are held within the accuracy of
// the element table.
TEST_F(ReferenceEphemeris, Planets) {
  // Arc minutes, 1901-2099 and 2020-2030.
  constexpr double kLimit[kPlanets] = {2.0, 3.5, 4.0, 12.0, 23.0, 4.5, 2.0, 1.5};
  constexpr double kLimitNow[kPlanets] = {1.0, 1.4, 1.2, 5.0, 5.2, 2.0, 1.0, 0.8};
  WorstError now[kPlanets];
  WorstError astrometric[kPlanets];
  WorstError drawn[kPlanets];
  double worstDistance[kPlanets] = {};
  for (const ReferenceRow& row : Rows()) {
    const astro_test::Sky sky(row.Time, row.Place);
    const double t = sky.State.T2000;
    const astro::EclipticVector earth = astro::EarthPosition(t);
    for (int p = 0; p < kPlanets; ++p) {
      const Position& want = row.Planets[p];
      const astro::EclipticVector planet =
          astro::HeliocentricPosition(astro::ElementsAt(p + 1, t - row.LightDays[p] / 36525.0));
      const astro::PlanetState seen =
          astro::EclipticToEquatorial({planet.X - earth.X, planet.Y - earth.Y, planet.Z - earth.Z});
      astrometric[p].Add(ArcMinutesBetween(seen.RightAscension, seen.Declination,
                                           want.RightAscension, want.Declination),
                         row, seen.RightAscension, seen.Declination, want);
      if (row.Time.Year >= 2020 && row.Time.Year <= 2030) {
        now[p].Add(ArcMinutesBetween(seen.RightAscension, seen.Declination, want.RightAscension,
                                     want.Declination),
                   row, seen.RightAscension, seen.Declination, want);
      }
      const astro::PlanetState& body = sky.Bodies[p + 2];
      drawn[p].Add(ArcMinutesBetween(body.RightAscension, body.Declination, want.RightAscension,
                                     want.Declination),
                   row, body.RightAscension, body.Declination, want);
      worstDistance[p] =
          std::max(worstDistance[p], std::fabs(seen.GeoDistance - want.Distance) / want.Distance);
    }
  }
  for (int p = 0; p < kPlanets; ++p) {
    std::printf(
        "%s: max error %.3f' light-time corrected (%s), %.3f' as drawn, %.3f' in 2020-2030; "
        "distance %.2e\n",
        kPlanetNames[p], astrometric[p].ArcMinutes, astrometric[p].Where.c_str(),
        drawn[p].ArcMinutes, now[p].ArcMinutes, worstDistance[p]);
    EXPECT_LE(now[p].ArcMinutes, kLimitNow[p]) << kPlanetNames[p] << " " << now[p].Where;
    EXPECT_LE(astrometric[p].ArcMinutes, kLimit[p])
        << kPlanetNames[p] << " " << astrometric[p].Where;
    EXPECT_LE(drawn[p].ArcMinutes, kLimit[p] + 1.5) << kPlanetNames[p] << " " << drawn[p].Where;
    EXPECT_LE(worstDistance[p], 0.01) << kPlanetNames[p];
  }
}

}  // namespace
