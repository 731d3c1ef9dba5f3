#include "print/chart_legend.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <numbers>
#include <string_view>
#include <vector>

#include "astro/angles.h"
#include "render/label_text.h"
#include "res/strings.h"
#include "sky/app_settings.h"
#include "sky/pane_text.h"
#include "sky/sky_doc.h"

namespace print {
namespace {

using catalog::DeepSkyType;

constexpr ChartFont kLegendFont{34, 400, false};
constexpr int kMargin = 24;  // pixels round the box's contents
constexpr int kKeyGap = 56;  // between two items of a key

// UTF-8, as the string table's texts are.
std::string Degrees(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f\u00b0", decimals, value);
  return text;
}

// "50°02' N": whole degrees and minutes of the settings, with the hemisphere.
std::string DegreesMinutes(int degrees, int minutes, const std::string& hemisphere) {
  char text[32];
  std::snprintf(text, sizeof text, "%d\xB0%02d' %s", degrees, minutes, hemisphere.c_str());
  return text;
}

// "Krakow, Poland" of "Poland:Krakow"; a name typed by hand as it is.
std::string PlaceName(const std::string& location) {
  const std::size_t colon = location.find(':');
  if (colon == std::string::npos) return location;
  return location.substr(colon + 1) + ", " + location.substr(0, colon);
}

// The symbol of a type in the key: the fixed figures as the sky draws them,
// an open cluster as its ring of dots, a galaxy as an ellipse.
void AddKeySymbol(DeepSkyType type, PagePoint c, int r, ChartDrawing& out) {
  switch (type) {
    case DeepSkyType::OpenCluster:
      for (int k = 0; k < 8; ++k) {
        const double t = 2 * std::numbers::pi * k / 8;
        out.emplace_back(ChartLayer::Legend, ChartCircle{{c.X + static_cast<int>(r * std::cos(t)),
                                                          c.Y + static_cast<int>(r * std::sin(t))},
                                                         3,
                                                         ChartFill::Black});
      }
      break;
    case DeepSkyType::Galaxy: {
      ChartPolyline ellipse;
      for (int k = 0; k <= 24; ++k) {
        const double t = 2 * std::numbers::pi * k / 24;
        ellipse.Points.push_back({c.X + static_cast<int>(r * std::cos(t)),
                                  c.Y + static_cast<int>(r / 2.0 * std::sin(t))});
      }
      out.emplace_back(ChartLayer::Legend, std::move(ellipse));
      break;
    }
    default:
      AddFixedDeepSkySymbol(type, c, r, ChartFill::White, ChartLayer::Legend, out);
      break;
  }
}

}  // namespace

void AddFixedDeepSkySymbol(DeepSkyType type, PagePoint c, int radius, ChartFill fill,
                           ChartLayer layer, ChartDrawing& out) {
  const int r = radius;
  switch (type) {
    case DeepSkyType::GlobularCluster:
      out.emplace_back(layer, ChartCircle{c, r, fill});
      out.emplace_back(
          layer, ChartLines{{{{c.X + r, c.Y}, {c.X - r, c.Y}}, {{c.X, c.Y + r}, {c.X, c.Y - r}}}});
      break;
    case DeepSkyType::PlanetaryNebula:
      out.emplace_back(layer, ChartCircle{c, r, fill});
      out.emplace_back(layer, ChartLines{{{{c.X + r, c.Y}, {c.X + 2 * r, c.Y}},
                                          {{c.X - r, c.Y}, {c.X - 2 * r, c.Y}},
                                          {{c.X, c.Y + r}, {c.X, c.Y + 2 * r}},
                                          {{c.X, c.Y - r}, {c.X, c.Y - 2 * r}}}});
      break;
    case DeepSkyType::Nebula:
      out.emplace_back(layer, ChartPolyline{{{c.X - r, c.Y - r},
                                             {c.X + r, c.Y - r},
                                             {c.X + r, c.Y + r},
                                             {c.X - r, c.Y + r},
                                             {c.X - r, c.Y - r}}});
      break;
    default:
      break;
  }
}

LegendFacts ChartLegendFacts(const CSkyDoc& doc, double raHours, double decDegrees,
                             double fieldWidth, double fieldHeight, const CChartNames& names) {
  const AppSettings& s = doc.Settings();
  const astro::CivilTime& t = doc.Sky.DocumentTime;
  char time[48];
  std::snprintf(time, sizeof time, "%04d-%02d-%02d %02d:%02d", t.Year, t.Month, t.Day, t.Hour,
                t.Minute);
  LegendFacts facts;
  facts.Place = PlaceName(s.Location) + "   " + DegreesMinutes(s.LatDeg, s.LatMin, s.NS) + "   " +
                DegreesMinutes(s.LongDeg, s.LongMin, s.EW);
  facts.Time = std::string(time) + "   " + render::LabelTextOfUtf8(sky::ZoneText(doc.Sky.Instant));
  const std::string ra = RaPaneText(raHours), dec = DecPaneText(decDegrees);
  facts.Centre = render::LabelTextOfUtf8(
      res::Substitute(names.Text(res::IDS_LEGEND_CENTRE), std::vector<std::string_view>{ra, dec}));
  const int decimals = fieldWidth < 10 ? 1 : 0;
  const std::string across = Degrees(fieldWidth, decimals), down = Degrees(fieldHeight, decimals);
  facts.Field = render::LabelTextOfUtf8(res::Substitute(
      names.Text(res::IDS_LEGEND_FIELD), std::vector<std::string_view>{across, down}));
  if (s.DeepSky)
    for (const catalog::DeepSkyTypeCode& code : catalog::kDeepSkyTypeCodes)
      if (DeepSkyTypeShown(s, code.Type) &&
          std::find(facts.DeepSkyTypes.begin(), facts.DeepSkyTypes.end(), code.Type) ==
              facts.DeepSkyTypes.end())
        facts.DeepSkyTypes.push_back(code.Type);
  return facts;
}

PagePoint AddChartLegend(const LegendFacts& facts, int width, int height,
                         const CChartTextMeasure& measure, ChartDrawing& out,
                         const CChartNames& names) {
  const int line = measure.Height(kLegendFont);
  const int disc = StarRadius(-1) * 2;
  const int rows = 4 + (facts.DeepSkyTypes.empty() ? 0 : 1);
  const int boxHeight = 2 * kMargin + 4 * line + (rows - 4) * (disc + line) + disc + line;
  const int top = height - 1 - boxHeight;
  ChartDrawing items;
  // Adds a text with its top-left corner at x, y; its width.
  const auto text = [&](int x, int y, std::string s) {
    const int w = measure.Width(kLegendFont, s);
    items.emplace_back(ChartLayer::Legend, ChartText{{x, y}, std::move(s), kLegendFont});
    return w;
  };
  int right = 0;
  int y = top + kMargin;
  for (const std::string* s : {&facts.Place, &facts.Time, &facts.Centre, &facts.Field}) {
    right = std::max(right, kMargin + text(kMargin, y, *s));
    y += line;
  }
  // Star discs of magnitudes -1 to 5, each over its magnitude.
  int x = kMargin +
          text(kMargin, y + disc / 2 - line / 2,
               render::LabelTextOfUtf8(names.Text(res::IDS_LEGEND_MAGNITUDES))) +
          kKeyGap / 2;
  for (int m = -1; m <= 5; ++m) {
    const int r = StarRadius(m);
    items.emplace_back(ChartLayer::Legend,
                       ChartCircle{{x + disc / 2, y + disc / 2}, r, ChartFill::Black});
    const std::string number = std::to_string(m);
    text(x + disc / 2 - measure.Width(kLegendFont, number) / 2, y + disc, number);
    x += disc + kKeyGap / 2;
  }
  right = std::max(right, x);
  y += disc + line;
  // The deep-sky types drawn, each symbol before its name.
  x = kMargin;
  for (const DeepSkyType type : facts.DeepSkyTypes) {
    AddKeySymbol(type, {x + disc / 2, y + disc / 2}, disc / 3, items);
    x += disc + 8;
    const auto code =
        std::find_if(std::begin(catalog::kDeepSkyTypeCodes), std::end(catalog::kDeepSkyTypeCodes),
                     [type](const auto& c) { return c.Type == type; });
    x += text(x, y + disc / 2 - line / 2, render::LabelTextOfUtf8(names.Text(code->NameStringId))) +
         kKeyGap;
  }
  right = std::min(std::max(right, x) + kMargin, width - 1);
  out.emplace_back(ChartLayer::Legend,
                   ChartPolygon{{{0, top}, {right, top}, {right, height - 1}, {0, height - 1}},
                                ChartFill::White});
  out.insert(out.end(), std::make_move_iterator(items.begin()),
             std::make_move_iterator(items.end()));
  return {right, top};
}

}  // namespace print
