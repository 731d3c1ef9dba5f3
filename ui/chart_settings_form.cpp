#include "ui/chart_settings_form.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

#include "astro/format.h"
#include "res/strings.h"
#include "res/translatable.h"

namespace ui {
namespace {

constexpr SliderTick kStarsTicks[] = {{0, "1"},  {4, "3"},   {8, "5"},
                                      {12, "8"}, {16, "10"}, {20, "12"}};
constexpr SliderTick kDeepSkyTicks[] = {{0, "6"},  {2, "8"},  {4, "10"},
                                        {6, "12"}, {8, "14"}, {10, "16"}};

const RadioPair kRadioPairs[] = {
    {1001, 1002, STELLIX_TEXT("ui", "&Messier"), STELLIX_TEXT("ui", "On"),
     STELLIX_TEXT("ui", "Off"), &AppSettings::ShowMessier},
    {1003, 1004, STELLIX_TEXT("ui", "&NGC"), STELLIX_TEXT("ui", "On"), STELLIX_TEXT("ui", "Off"),
     &AppSettings::ShowNGC},
    {1006, 1008, STELLIX_TEXT("ui", "Open Cl&usters"), STELLIX_TEXT("ui", "On"),
     STELLIX_TEXT("ui", "Off"), &AppSettings::ShowOpenClusters},
    {1010, 1012, STELLIX_TEXT("ui", "&Glob. Clusters"), STELLIX_TEXT("ui", "On"),
     STELLIX_TEXT("ui", "Off"), &AppSettings::ShowGlobClusters},
    {1014, 1016, STELLIX_TEXT("ui", "G&alaxies"), STELLIX_TEXT("ui", "On"),
     STELLIX_TEXT("ui", "Off"), &AppSettings::ShowGalaxies},
    {1019, 1020, STELLIX_TEXT("ui", "Ne&bulae"), STELLIX_TEXT("ui", "On"),
     STELLIX_TEXT("ui", "Off"), &AppSettings::ShowNebulae},
    {1024, 1025, STELLIX_TEXT("ui", "&Planet. Nebulae"), STELLIX_TEXT("ui", "On"),
     STELLIX_TEXT("ui", "Off"), &AppSettings::ShowPlanetNebulae},
    {1030, 1031, STELLIX_TEXT("ui", "&Label by"), STELLIX_TEXT("ui", "Catalog Number"),
     STELLIX_TEXT("ui", "Common Name"), &AppSettings::DeepSkyLabelByNumber},
    {1102, 1103, STELLIX_TEXT("ui", "&Draw as"), STELLIX_TEXT("ui", "Symbols"),
     STELLIX_TEXT("ui", "Bitmaps"), &AppSettings::DeepSkyDrawSymbols},
};

const ColourButton kColourButtons[] = {
    {1035, STELLIX_TEXT("ui", "&Grids"), &AppSettings::GridsColor},
    {1037, STELLIX_TEXT("ui", "Constellation &lines"), &AppSettings::ConstLinesColor},
    {1036, STELLIX_TEXT("ui", "Const. &boundaries"), &AppSettings::ConstBoundariesColor},
    {1034, STELLIX_TEXT("ui", "Const. l&abels"), &AppSettings::ConstLabelsColor},
    {1039, STELLIX_TEXT("ui", "&Ecliptic"), &AppSettings::EclipticColor},
    {1033, STELLIX_TEXT("ui", "&Deep sky"), &AppSettings::DeepSkyColor},
    {1042, STELLIX_TEXT("ui", "Deep s&ky labels"), &AppSettings::DeepSkyLabelsColor},
    {1046, STELLIX_TEXT("ui", "&Star names"), &AppSettings::StarsNamesColor},
    {1044, STELLIX_TEXT("ui", "&Planet names"), &AppSettings::PlanetNamesColor},
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

std::string SmallBodyLimitText(double limit) {
  std::string text = astro::FormatFixed(limit, 1);
  text.erase(0, text.find_first_not_of(' '));
  return text;
}

std::optional<double> SmallBodyLimitFromText(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  std::string number(text);
  std::replace(number.begin(), number.end(), ',', '.');
  double value = 0;
  const char* end = number.data() + number.size();
  const auto [last, error] = std::from_chars(number.data(), end, value);
  if (number.empty() || error != std::errc() || last != end || !std::isfinite(value))
    return std::nullopt;
  value = std::round(value * 10) / 10;
  if (value < kSmallBodyLimitBrightest || value > kSmallBodyLimitFaintest) return std::nullopt;
  return value + 0.0;  // no "-0.0"
}

std::string SmallBodyLimitMessage() {
  return res::Format(res::IDS_WRONG_NUMBER_RANGE, kSmallBodyLimitBrightest,
                     kSmallBodyLimitFaintest);
}

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
