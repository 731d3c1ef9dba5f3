// Helpers shared by the astronomy engine's tests.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <utility>

#include "astro/astro_state.h"

namespace astro_test {

// An observer from degrees, minutes and hemisphere letters on UT, so that results never depend on
// the computer's clock. The letters are moved in whole: GCC 12 at -O3 mistakes an assignment from
// a short literal for an overlapping copy (-Wrestrict).
inline astro::ObserverPlace Place(int latDeg, int latMin, std::string ns, int longDeg, int longMin,
                                  std::string ew) {
  astro::ObserverPlace place;
  place.LatDeg = latDeg;
  place.LatMin = latMin;
  place.NS = std::move(ns);
  place.LongDeg = longDeg;
  place.LongMin = longMin;
  place.EW = std::move(ew);
  place.UtOffset = 0.0;
  return place;
}

// Greenwich, on UT.
inline astro::ObserverPlace Greenwich() { return Place(0, 0, "N", 0, 0, "E"); }

// Everything UpdateSky fills, computed for one instant and place.
struct Sky {
  astro::AstroState State;
  SkyPoint HorizonPoints[astro::kHorizonPointCount];
  astro::PlanetState Bodies[astro::kBodyCount];

  Sky(const astro::CivilTime& time, const astro::ObserverPlace& place) {
    State.UpdateSky(time, place, HorizonPoints, Bodies);
  }
};

// Sets the TZ rule the C runtime's localtime follows, restoring the previous
// one when it goes out of scope.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* rule) {
    if (const char* old = std::getenv("TZ")) saved_ = old;
    setenv("TZ", rule, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (saved_) {
      setenv("TZ", saved_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  std::optional<std::string> saved_;
};

// A zone in daylight-saving time all year round, and one that never is.
inline constexpr const char* kAlwaysSummerTime = "EST5EDT,0/0,J365/25";
inline constexpr const char* kNeverSummerTime = "UTC0";

}  // namespace astro_test
