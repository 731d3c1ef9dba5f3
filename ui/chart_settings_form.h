// The date/time, magnitude-limit, deep-sky and colour dialogs without their
// windows: the date range, the slider <-> limit mapping with its scales, the
// comets' and minor planets' limit field, the radio pairs and the colour buttons, and how colours
// are packed.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "sky/app_settings.h"

namespace ui {

// --- Date and time -------------------------------------------------------

// The dates the sky can be shown for: 1901-01-01 00:00:00 to 2099-12-31 23:59:59.
inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2099;

// A short date format (Qt's letters: d, M, y) with the year in four digits:
// in 1901-2099 a two-digit year would not name one year.
std::string FourDigitYearFormat(std::string_view format);

// --- Magnitude limits -----------------------------------------------------

// The stars slider runs 0-22 (magnitude 1.0 to 6.0 in half steps, then 7.5,
// then 8.0 to 13.0 in half steps); the deep-sky slider 0-10 (magnitude 6 to 16).
inline constexpr int kStarsSliderLast = 22;
inline constexpr int kDeepSkySliderLast = kDeepSkyLimitLast;

// The stars slider's position for a StarsLimit index: 11, 12 and 13 (7.5,
// 7.0 and 7.5) stand at position 11.
int StarsSliderPosition(int starsLimit);
// The StarsLimit index the stars slider's position is stored as (position
// 11 as 13).
int StarsLimitFromSlider(int position);
// The deep-sky slider's position for a DeepSkyLimit index (0-10).
int DeepSkySliderPosition(int deepSkyLimit);

// A label under a slider's tick.
struct SliderTick {
  int Position;
  const char* Text;
};
// "1" ... "6", "8", "10", "12" under the stars slider; "6" ... "16" under the
// deep-sky one.
std::span<const SliderTick> StarsSliderTicks();
std::span<const SliderTick> DeepSkySliderTicks();
// The unit written after each scale.
inline constexpr const char* kMagnitudeUnit = "mag";

// The comets' and minor planets' limit (AppSettings::SmallBodyMagnitudeLimit)
// is typed: magnitude 0 to 20, in tenths.
inline constexpr int kSmallBodyLimitBrightest = 0, kSmallBodyLimitFaintest = 20;
// The field's text for a limit: "12.0".
std::string SmallBodyLimitText(double limit);
// The limit typed in `text`: a number, its decimals after a point or a
// comma, blanks around it allowed, rounded to a tenth; none when the text
// is not such a number or lies outside the range.
std::optional<double> SmallBodyLimitFromText(std::string_view text);
// What the dialog says to a text that gives no limit: string 317 with the range.
std::string SmallBodyLimitMessage();

// --- Deep-sky options -----------------------------------------------------

// One setting shown as a pair of radio buttons: the first means on (1), the
// second off (0).
struct RadioPair {
  int OnId, OffId;
  const char* Label;  // with its mnemonic
  const char* OnText;
  const char* OffText;
  int AppSettings::*Setting;
};
// The nine pairs in the dialog's order.
std::span<const RadioPair> DeepSkyRadioPairs();

// --- Colours --------------------------------------------------------------

// One colour setting and its button.
struct ColourButton {
  int Id;
  const char* Label;  // with its mnemonic
  int AppSettings::*Setting;
};
// The nine buttons in the dialog's order.
std::span<const ColourButton> ColourButtons();

struct Rgb {
  int Red, Green, Blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
// The settings' colour value: blue * 65536 + green * 256 + red (channels
// outside 0-255 are clamped).
int PackColour(Rgb colour);
// The channels of a packed colour (bits above the 24 colour bits ignored).
Rgb UnpackColour(int packed);

}  // namespace ui
