#include "ui/chart_settings_form.h"

#include <algorithm>
#include <iterator>

namespace ui {
namespace {

constexpr SliderTick kStarsTicks[] = {{0, "1"},  {4, "3"},   {8, "5"},
                                      {12, "8"}, {16, "10"}, {20, "12"}};
constexpr SliderTick kDeepSkyTicks[] = {{0, "6"},  {2, "8"},  {4, "10"},
                                        {6, "12"}, {8, "14"}, {10, "16"}};

const RadioPair kRadioPairs[] = {
    {1001, 1002, "&Messier", "On", "Off", &AppSettings::ShowMessier},
    {1003, 1004, "&NGC", "On", "Off", &AppSettings::ShowNGC},
    {1006, 1008, "Open Cl&usters", "On", "Off", &AppSettings::ShowOpenClusters},
    {1010, 1012, "&Glob. Clusters", "On", "Off", &AppSettings::ShowGlobClusters},
    {1014, 1016, "G&alaxies", "On", "Off", &AppSettings::ShowGalaxies},
    {1019, 1020, "Ne&bulae", "On", "Off", &AppSettings::ShowNebulae},
    {1024, 1025, "&Planet. Nebulae", "On", "Off", &AppSettings::ShowPlanetNebulae},
    {1030, 1031, "&Label by", "Catalog Number", "Common Name", &AppSettings::DeepSkyLabelByNumber},
    {1102, 1103, "&Draw as", "Symbols", "Bitmaps", &AppSettings::DeepSkyDrawSymbols},
};

const ColourButton kColourButtons[] = {
    {1035, "&Grids", &AppSettings::GridsColor},
    {1037, "Constellation &lines", &AppSettings::ConstLinesColor},
    {1036, "Const. &boundaries", &AppSettings::ConstBoundariesColor},
    {1034, "Const. l&abels", &AppSettings::ConstLabelsColor},
    {1039, "&Ecliptic", &AppSettings::EclipticColor},
    {1033, "&Deep sky", &AppSettings::DeepSkyColor},
    {1042, "Deep s&ky labels", &AppSettings::DeepSkyLabelsColor},
    {1046, "&Star names", &AppSettings::StarsNamesColor},
    {1044, "&Planet names", &AppSettings::PlanetNamesColor},
};

}  // namespace

std::string FourDigitYearFormat(std::string_view format) {
  std::string out;
  bool quoted = false;
  for (std::size_t i = 0; i < format.size();) {
    const char c = format[i];
    if (c == '\'') quoted = !quoted;
    if (c != 'y' || quoted) {
      out += c;
      ++i;
      continue;
    }
    std::size_t run = 0;
    while (i + run < format.size() && format[i + run] == 'y') ++run;
    out += "yyyy";
    i += run;
  }
  return out;
}

// Positions 0-10 are the indices 0-10; from 11 on, the index is two more
// (11 is 13, magnitude 7.5, as it has always been stored).
constexpr int kSevenAndAHalf = 11;

int StarsSliderPosition(int starsLimit) {
  if (starsLimit <= 10) return std::max(starsLimit, 0);
  if (starsLimit <= 13) return kSevenAndAHalf;
  return std::min(starsLimit - 2, kStarsSliderLast);
}

int StarsLimitFromSlider(int position) {
  const int p = std::clamp(position, 0, kStarsSliderLast);
  return p < kSevenAndAHalf ? p : p + 2;
}

int DeepSkySliderPosition(int deepSkyLimit) {
  return std::clamp(deepSkyLimit, 0, kDeepSkySliderLast);
}

std::span<const SliderTick> StarsSliderTicks() { return kStarsTicks; }
std::span<const SliderTick> DeepSkySliderTicks() { return kDeepSkyTicks; }

std::span<const RadioPair> DeepSkyRadioPairs() { return kRadioPairs; }

std::span<const ColourButton> ColourButtons() { return kColourButtons; }

int PackColour(Rgb colour) {
  const auto channel = [](int v) { return std::clamp(v, 0, 255); };
  return channel(colour.Blue) * 65536 + channel(colour.Green) * 256 + channel(colour.Red);
}

Rgb UnpackColour(int packed) {
  return {packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF};
}

}  // namespace ui
