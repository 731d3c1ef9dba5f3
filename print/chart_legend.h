// The legend at the foot of a printed chart: the place and its coordinates,
// the date and time with the zone, the chart's centre and field, a key of
// the star discs by magnitude and the symbols of the deep-sky types shown.
#pragma once

#include <string>
#include <vector>

#include "catalog/builtin_tables.h"
#include "print/chart_geometry.h"

class CSkyDoc;

namespace print {

// What the legend says, in label texts (render::LabelText) like every text of
// the chart.
struct LegendFacts {
  std::string Place;                               // "Krakow, Poland   50°02' N   19°55' E"
  std::string Time;                                // "2026-12-10 21:00   CET, UT+1"
  std::string Centre;                              // "Centre: RA 05h 16' 43"   DEC +46° 00' 00""
  std::string Field;                               // "Field: 45.2° x 63.0°"
  std::vector<catalog::DeepSkyType> DeepSkyTypes;  // those drawn, in the catalogue's order
};

// The facts of the chart of `doc` centred on the J2000 place (raHours,
// decDegrees) of the page's middle, `fieldWidth` x `fieldHeight` degrees across.
// `names` gives the legend's words.
LegendFacts ChartLegendFacts(const CSkyDoc& doc, double raHours, double decDegrees,
                             double fieldWidth, double fieldHeight, const CChartNames& names = {});

// Adds the legend to the foot of a `width` x `height` page: a white box with
// its texts, the star discs of magnitudes -1 to 5 and the deep-sky symbols.
// The box's corner opposite the page's bottom-left one (page pixels).
PagePoint AddChartLegend(const LegendFacts& facts, int width, int height,
                         const CChartTextMeasure& measure, ChartDrawing& out,
                         const CChartNames& names = {});

// The symbol a deep-sky object of `type` is drawn with, round `centre` at
// `radius` pixels, for the types whose symbol is a fixed figure (globular
// clusters, planetary nebulae and nebulae); nothing for the others.
void AddFixedDeepSkySymbol(catalog::DeepSkyType type, PagePoint centre, int radius, ChartFill fill,
                           ChartLayer layer, ChartDrawing& out);

}  // namespace print
