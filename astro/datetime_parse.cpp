#include "astro/datetime_parse.h"

#include <cstddef>

namespace astro {
namespace {

// The value of `count` decimal digits of `text` from `start`, or -1 if any is not a digit.
int ReadDigits(std::string_view text, std::size_t start, std::size_t count) {
  int value = 0;
  for (std::size_t i = start; i < start + count; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Days in `month` (1-12) of `year` in the Gregorian calendar.
int DaysInMonth(int year, int month) {
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// "Z", "+HH:MM", "+HHMM" or "+HH" (or with "-") into seconds ahead of UT.
std::optional<int> ParseUtOffset(std::string_view text) {
  if (text == "Z") return 0;
  if (text.size() < 3 || (text[0] != '+' && text[0] != '-')) return std::nullopt;
  const int hours = ReadDigits(text, 1, 2);
  int minutes = 0;
  if (text.size() == 6 && text[3] == ':')
    minutes = ReadDigits(text, 4, 2);
  else if (text.size() == 5)
    minutes = ReadDigits(text, 3, 2);
  else if (text.size() != 3)
    return std::nullopt;
  if (hours < 0 || hours > 14 || minutes < 0 || minutes > 59) return std::nullopt;
  const int seconds = hours * 3600 + minutes * 60;
  return text[0] == '-' ? -seconds : seconds;
}

}  // namespace

std::optional<DateTimeArgument> ParseDateTime(std::string_view text) {
  if (text.size() < 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  DateTimeArgument argument;
  CivilTime& time = argument.Time;
  time.Year = ReadDigits(text, 0, 4);
  time.Month = ReadDigits(text, 5, 2);
  time.Day = ReadDigits(text, 8, 2);
  time.Hour = time.Minute = time.Second = 0;
  if (text.size() > 10) {
    if (text.size() < 19 || text[10] != 'T' || text[13] != ':' || text[16] != ':')
      return std::nullopt;
    time.Hour = ReadDigits(text, 11, 2);
    time.Minute = ReadDigits(text, 14, 2);
    time.Second = ReadDigits(text, 17, 2);
    if (text.size() > 19) {
      argument.UtOffsetSeconds = ParseUtOffset(text.substr(19));
      if (!argument.UtOffsetSeconds) return std::nullopt;
    }
  }
  if (time.Year < 1901 || time.Year > 2099 || time.Month < 1 || time.Month > 12 || time.Day < 1 ||
      time.Day > DaysInMonth(time.Year, time.Month) || time.Hour < 0 || time.Hour > 23 ||
      time.Minute < 0 || time.Minute > 59 || time.Second < 0 || time.Second > 59) {
    return std::nullopt;
  }
  return argument;
}

}  // namespace astro
