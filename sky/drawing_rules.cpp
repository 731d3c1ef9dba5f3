#include "sky/drawing_rules.h"

#include <cmath>

#include "catalog/builtin_tables.h"
#include "sky/sky_doc.h"

namespace sky {

bool NamesShown(double zoom) { return zoom != 1.0; }

double SmallBodyNameLimit(double zoom) { return 7.0 + std::log2(zoom); }

bool SmallBodyNamed(double magnitude, double zoom) {
  return NamesShown(zoom) && magnitude <= SmallBodyNameLimit(zoom);
}

std::string DeepSkyLabel(const AppSettings& settings, int index, const DeepSkyRecord& object) {
  if (settings.DeepSkyLabelByNumber)
    return (catalog::IsMessierIndex(index) ? "M" : "") + std::to_string(object.Number);
  std::string_view name(object.Name, sizeof object.Name);
  name = name.substr(0, name.find('\0'));
  return name == "*" ? std::string() : std::string(name);
}

bool MagellanicCloudsShown(const CSkyDoc& doc) {
  const astro::PlanetState& sun = doc.Sky.Bodies[astro::kSun];
  return !doc.Settings().SkyColors ||
         doc.Sky.AstroState.HorizonOf(sun.RightAscension, sun.Declination).Altitude < -6;
}

std::string GridValue(int degrees, bool withSign) {
  return (withSign && degrees > 0 ? "+" : "") + std::to_string(degrees) + "\xb0";
}

const std::vector<GridLine>& GridLines() {
  static const std::vector<GridLine> lines = [] {
    std::vector<GridLine> made;
    for (int hour = 0; hour < 24; ++hour) {
      GridLine line{true, {}, std::to_string(hour) + "h"};
      for (int dec = -80; dec <= 80; dec += 5) line.Points.push_back({double(hour), double(dec)});
      made.push_back(std::move(line));
    }
    for (int dec = -75; dec <= 75; dec += 15) {
      GridLine line{false, {}, GridValue(dec, true)};
      for (int ra = 0; ra <= 360; ra += 5) line.Points.push_back({ra / 15.0, double(dec)});
      made.push_back(std::move(line));
    }
    return made;
  }();
  return lines;
}

}  // namespace sky
