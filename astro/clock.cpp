#include "astro/clock.h"

#include <ctime>

namespace astro {

bool IsDaylightSavingNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return false;
  return local.tm_isdst != 0;
}

}  // namespace astro
