#include "sky/pane_text.h"

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
