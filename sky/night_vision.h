// Night vision ("red screen"): what the eye may receive at the telescope.
// Everything the program shows is a dim red on near black: no green, no blue,
// and no red brighter than kNightVisionMaxRed. The window chrome (ui/) and the
// sky (render/) both keep to it.
#pragma once

#include <algorithm>

namespace sky {

// The brightest red shown, of 255 (60 %).
inline constexpr int kNightVisionMaxRed = 153;
// The red of a picture's darkest pixels, so that black outlines stay visible
// on the near-black background.
inline constexpr int kNightVisionMinRed = 56;

// The red that shows a pixel of `luminance` (0-255) of an icon or picture:
// its brightness spread between the darkest and the brightest red allowed.
constexpr int NightVisionRed(int luminance) {
  const int l = std::clamp(luminance, 0, 255);
  return kNightVisionMinRed + (kNightVisionMaxRed - kNightVisionMinRed) * l / 255;
}

}  // namespace sky
