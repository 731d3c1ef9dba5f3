// Number-to-text operations of the dialogs, the status panes and the settings file.
#pragma once

#include <string>

namespace astro {

// Fixed-point text of x with exactly `decimals` digits after the point,
// right-aligned in a field of at least 4 characters padded with blanks
// (0.5, 1 -> " 0.5"; 227.94, 2 -> "227.94"), however long the result.
std::string FormatFixed(double x, int decimals);

// Degrees (or hours), minutes and seconds of a decimal angle.
struct AngleParts {
  double Whole;    // carries the sign of the angle (-0 for angles in (-1, 0))
  double Minutes;  // [0, 60)
  double Seconds;  // [0, 60)
};

// Splits x (decimal degrees or hours) into whole part, minutes and seconds
// with modf; only the whole part keeps the sign (-12.5 -> -12, 30, 0), so
// callers test the sign of x before showing a value in (-1, 0).
AngleParts SplitAngle(double x);

}  // namespace astro
