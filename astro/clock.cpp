#include "astro/clock.h"

#include <ctime>

namespace astro {
namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

}  // namespace

std::int64_t SecondsOfCivil(const CivilTime& t) {
  // Months carried into years first, so that any month number counts.
  const std::int64_t months = static_cast<std::int64_t>(t.Year) * 12 + (t.Month - 1);
  std::int64_t y = FloorDiv(months, 12);
  const std::int64_t m = months - y * 12 + 1;
  y -= m <= 2;
  const std::int64_t era = FloorDiv(y, 400);
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const std::int64_t days = era * 146097 + doe - 719468 + (t.Day - 1);
  return days * 86400 + static_cast<std::int64_t>(t.Hour) * 3600 + t.Minute * 60 + t.Second;
}

CivilTime CivilOfSeconds(std::int64_t seconds) {
  const std::int64_t days = FloorDiv(seconds, 86400);
  const std::int64_t rest = seconds - days * 86400;
  const std::int64_t z = days + 719468;
  const std::int64_t era = FloorDiv(z, 146097);
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
  const std::int64_t y = yoe + era * 400 + (m <= 2);
  CivilTime t;
  t.Year = static_cast<int>(y);
  t.Month = static_cast<int>(m);
  t.Day = static_cast<int>(d);
  t.Hour = static_cast<int>(rest / 3600);
  t.Minute = static_cast<int>(rest / 60 % 60);
  t.Second = static_cast<int>(rest % 60);
  return t;
}

bool IsComputerSummerTime(std::int64_t utSeconds) {
  const std::time_t instant = static_cast<std::time_t>(utSeconds);
  std::tm local{};
  if (localtime_r(&instant, &local) == nullptr) return false;
  return local.tm_isdst > 0;
}

}  // namespace astro
