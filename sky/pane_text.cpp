#include "sky/pane_text.h"

#include <ctime>

#include "astro/format.h"

namespace {

// A whole number without its sign, at least two digits.
std::string TwoDigits(double v) {
  const long n = static_cast<long>(v);
  std::string text = std::to_string(n < 0 ? -n : n);
  if (text.size() < 2) text.insert(text.begin(), '0');
  return text;
}

}  // namespace

std::string RaPaneText(double hours) {
  const astro::AngleParts p = astro::SplitAngle(hours);
  return "RA " + TwoDigits(p.Whole) + "h " + TwoDigits(p.Minutes) + "' " + TwoDigits(p.Seconds) +
         "\"";
}

std::string DecPaneText(double degrees) {
  const astro::AngleParts p = astro::SplitAngle(degrees);
  return std::string("DEC ") + (degrees < 0 ? "-" : "") + TwoDigits(p.Whole) + "\u00b0 " +
         TwoDigits(p.Minutes) + "' " + TwoDigits(p.Seconds) + "\"";
}

std::string TimePaneText(int hour, int minute) {
  std::string text = std::to_string(hour);
  text += ':';
  if (minute >= 0 && minute < 10) text += '0';
  text += std::to_string(minute);
  return text;
}

std::string DatePaneText(int year, int month, int day) {
  std::tm date{};
  date.tm_year = year - 1900;
  date.tm_mon = month - 1;
  date.tm_mday = day;
  char monthName[64] = "";
  if (month >= 1 && month <= 12) std::strftime(monthName, sizeof monthName, "%b", &date);
  std::string text = day >= 1 && day <= 9 ? "0" : "";
  text += std::to_string(day);
  text += "  ";
  text += monthName;
  text += ' ';
  text += std::to_string(year);
  return text;
}
