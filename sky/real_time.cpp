#include "sky/real_time.h"

#include <algorithm>

namespace sky {

double SecondsUntilRedraw(bool horizonMode, double pixelsPerRadian, double secondsIntoMinute) {
  // Radians a second: the Earth's turn against the stars, and the Moon's
  // fastest motion along its orbit (about 15.4 degrees a day at perigee).
  constexpr double kEarthTurn = 7.2921159e-5, kMoonMotion = 3.11e-6;
  const double rate = (horizonMode ? kEarthTurn : kMoonMotion) * std::max(pixelsPerRadian, 1.0);
  return std::clamp(std::min(1 / rate, 60 - secondsIntoMinute), 1.0, 60.0);
}

}  // namespace sky
