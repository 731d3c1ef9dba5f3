// Texts of the status-bar panes.
#pragma once

#include <string>

// "RA 05h 30' 07"": right ascension in hours, each part truncated and padded to two digits.
std::string RaPaneText(double hours);
// "DEC -05° 03' 02"": declination in degrees; the sign is shown even for -0°.
std::string DecPaneText(double degrees);
// "9:05": the hour unpadded, the minute in two digits.
std::string TimePaneText(int hour, int minute);
