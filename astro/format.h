// Number-to-text operations of the dialogs, the status panes and the settings file.
#pragma once

#include <string>

namespace astro {

// Fixed-point text of x with exactly `decimals` digits after the point,
// right-aligned in a field of at least 4 characters padded with blanks
// (0.5, 1 -> " 0.5"; 227.94, 2 -> "227.94"). At most 30 characters, as the
// text buffers of the dialogs hold; longer results are cut there.
std::string FormatFixed(double x, int decimals);

}  // namespace astro
