// The layers of the sky, one row each, in the order they are drawn over one
// another (there is no depth test). The screen's frame and its selection
// pass (CSkyRenderer::ComposeFrame) and the printed chart (print::BuildChart)
// walk this one list; each side expands the columns it draws with.
//
// SKY_LAYER(Name, Switch, Pickable, Screen, ScreenText, NamesFirst, NameRank, Describe)
//   Name        the layer (render::SkyLayer::Name).
//   Switch      the display switch (AppSettings) it is drawn under; nullptr: always.
//   Pickable    whether Screen runs in the selection pass too (it gives the
//               hits their names); text never does.
//   Screen      draws its marks on the screen (render/layers), or nullptr.
//   ScreenText  draws its text, or nullptr: after every layer's marks, so
//               that no name lies under the landscape or the ground.
//   NamesFirst  places its names before any layer draws, so that they keep
//               their room (render/label_space.*), or nullptr ...
//   NameRank    ... in this order, 1 first (0 without NamesFirst or Describe).
//   Describe    turns the sky into primitives (render/sky_primitives.h),
//               which the screen draws and the chart prints; such a layer
//               has no Screen, ScreenText or NamesFirst of its own.
//               nullptr: the layer draws itself, and the chart builds it
//               by its own step (print/chart_geometry.cpp).
//
// A new layer describes its geometry in a file of its own under
// render/layers and becomes part of the sky, on the screen and on the
// chart, with one row here.
#pragma once

#include "sky/app_settings.h"

// clang-format off
#define STELLIX_SKY_LAYERS(SKY_LAYER)                                                                                                                           \
  SKY_LAYER(SkyColours,  &AppSettings::SkyColors,      false, DrawSkyColours,         nullptr,                nullptr,               0, nullptr)                \
  SKY_LAYER(MilkyWay,    &AppSettings::MilkyWay,       false, DrawMilkyWay,           nullptr,                nullptr,               0, nullptr)                \
  SKY_LAYER(Boundaries,  &AppSettings::Boundaries,     true,  DrawBoundaries,         DrawConstellationNames, nullptr,               0, nullptr)                \
  SKY_LAYER(Figures,     &AppSettings::Constelations,  true,  DrawConstellationLines, nullptr,                nullptr,               0, nullptr)                \
  SKY_LAYER(Ecliptic,    &AppSettings::Ecliptic,       true,  DrawEcliptic,           nullptr,                nullptr,               0, nullptr)                \
  SKY_LAYER(Grid,        &AppSettings::Coordinations,  true,  DrawGrid,               DrawGridLabels,         nullptr,               0, nullptr)                \
  SKY_LAYER(AltAzGrid,   &AppSettings::AltAzGrid,      false, nullptr,                nullptr,                nullptr,               0, DescribeAltAzGrid)      \
  SKY_LAYER(Meridian,    &AppSettings::Meridian,       false, nullptr,                nullptr,                nullptr,               0, DescribeMeridian)       \
  SKY_LAYER(DeepSky,     &AppSettings::DeepSky,        true,  DrawDeepSky,            DrawDeepSkyLabels,      nullptr,               0, nullptr)                \
  SKY_LAYER(NgcIc,       &AppSettings::DeepSky,        true,  DrawNgcIc,              DrawNgcIcLabels,        nullptr,               0, nullptr)                \
  SKY_LAYER(FaintStars,  nullptr,                      true,  DrawFaintStars,         nullptr,                nullptr,               0, nullptr)                \
  SKY_LAYER(Stars,       nullptr,                      true,  DrawStars,              DrawStarNames,          ReserveStarNames,      4, nullptr)                \
  SKY_LAYER(SolarSystem, &AppSettings::SolarSystem,    true,  DrawSolarSystem,        DrawPlanetNames,        ReservePlanetNames,    3, nullptr)                \
  SKY_LAYER(SmallBodies, &AppSettings::SmallBodies,    true,  nullptr,                nullptr,                nullptr,               5, DescribeSmallBodies)    \
  SKY_LAYER(Moons,       &AppSettings::SolarSystem,    true,  nullptr,                nullptr,                nullptr,               5, DescribePlanetMoons)    \
  SKY_LAYER(Selection,   nullptr,                      true,  DrawSelection,          DrawSelectionLabel,     nullptr,               0, nullptr)                \
  SKY_LAYER(Landscape,   &AppSettings::HorizonMode,    false, DrawLandscape,          nullptr,                nullptr,               0, nullptr)                \
  SKY_LAYER(Ground,      &AppSettings::HorizonMode,    false, DrawGround,             nullptr,                ReserveCompassLetters, 1, nullptr)                \
  SKY_LAYER(Fields,      &AppSettings::EyepieceFields, false, nullptr,                nullptr,                nullptr,               2, DescribeEyepieceFields) \
  SKY_LAYER(Telescope,   nullptr,                      false, nullptr,                nullptr,                nullptr,               2, DescribeTelescope)
// clang-format on

namespace render {

// The layers by name, in the table's order.
enum class SkyLayer {
#define STELLIX_SKY_LAYER_NAME(Name, Switch, Pickable, Screen, ScreenText, NamesFirst, NameRank, \
                               Describe)                                                         \
  Name,
  STELLIX_SKY_LAYERS(STELLIX_SKY_LAYER_NAME)
#undef STELLIX_SKY_LAYER_NAME
};

// Whether `layer` is drawn under `settings`: it has no switch or its switch is on.
inline bool LayerShown(const AppSettings& settings, SkyLayer layer) {
  constexpr int AppSettings::*kSwitches[] = {
#define STELLIX_SKY_LAYER_SWITCH(Name, Switch, Pickable, Screen, ScreenText, NamesFirst, NameRank, \
                                 Describe)                                                         \
  Switch,
      STELLIX_SKY_LAYERS(STELLIX_SKY_LAYER_SWITCH)
#undef STELLIX_SKY_LAYER_SWITCH
  };
  const int AppSettings::*shownBy = kSwitches[static_cast<int>(layer)];
  return shownBy == nullptr || settings.*shownBy != 0;
}

}  // namespace render
