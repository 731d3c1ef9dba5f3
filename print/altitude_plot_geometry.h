// The altitude plot as a drawing: its frame, hour and altitude ticks, the
// shading of the twilights and the night, the curves, the transit and the
// time shown, as rectangles, polylines and texts in the pixels of a surface
// of a given size (y down). The window, the printer and the PNG and SVG
// writers all paint this one list, so they show the same plot.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sky/altitude_plot.h"

namespace print {

// What each part is drawn in; the painter gives the colours (daylight or
// night-vision reds).
enum class PlotInk {
  Paper,
  Frame,
  Grid,
  Text,
  CivilTwilight,
  NauticalTwilight,
  AstronomicalTwilight,
  Night,
  Curve,
  MoonCurve,
  Transit,
  Now,
};

struct PlotPoint {
  double X = 0.0, Y = 0.0;
};

struct PlotRect {
  double X = 0.0, Y = 0.0, Width = 0.0, Height = 0.0;
  PlotInk Ink = PlotInk::Paper;
};

struct PlotPolyline {
  std::vector<PlotPoint> Points;
  PlotInk Ink = PlotInk::Frame;
  double Width = 1.0;  // pixels
  bool Dashed = false;
};

// A text at (X, Y): its baseline's left end, middle or right end, as Align says.
enum class PlotAlign { Left, Centre, Right };
struct PlotText {
  double X = 0.0, Y = 0.0;
  std::string Text;  // UTF-8
  PlotAlign Align = PlotAlign::Left;
  PlotInk Ink = PlotInk::Text;
  bool Bold = false;
};

struct PlotGeometry {
  double Width = 0.0, Height = 0.0;  // the surface, pixels
  double FontPixels = 0.0;           // the texts' height
  PlotRect Area;                  // the axes' rectangle: the plot's span across, 0..90 degrees up
  double Start = 0.0, End = 0.0;  // UT Julian days at Area's left and right edges
  // Painted in this order: rectangles (paper, shading, legend keys), then
  // lines (grid, ticks, frame, markers, curves), then texts.
  std::vector<PlotRect> Rects;
  std::vector<PlotPolyline> Lines;
  std::vector<PlotText> Texts;
};

// The altitudes the plot's area spans, degrees, and its ticks' spacing.
constexpr double kPlotTopAltitude = 90.0;
constexpr double kAltitudeTickDegrees = 10.0;

// How the plot's words (title, axes, key, labels) are shown: in the
// window's language for the window; as written when empty.
using PlotWords = std::function<std::string(const std::string&)>;

// The drawing of `plot` on a surface `width` x `height` pixels; `place` is
// the name of the observer's place for the title.
PlotGeometry LayoutAltitudePlot(const sky::AltitudePlot& plot, const std::string& place,
                                double width, double height, const PlotWords& words = {});

// Area's x of an instant (UT Julian day) and y of an altitude (degrees).
double XOfInstant(const PlotGeometry& g, double utJulianDay);
double YOfAltitude(const PlotGeometry& g, double altitude);
// The instant under x, when x is within Area's width.
std::optional<double> InstantAtX(const PlotGeometry& g, double x);

// Whole hours of the place's clock within `span`: each hour's instant (UT
// Julian day) and its hour of the clock, 0..23. A day the clocks change has
// one hour fewer or more.
struct ClockHour {
  double At = 0.0;
  int Hour = 0;
};
std::vector<ClockHour> ClockHoursOf(const sky::LocalDay& span, const sky::ClockRules& clock);

// The read-out of the pointer's instant: "22:14 CET: Vega 45.2°, Moon -12.3°";
// empty outside the plot's span.
std::string PlotReadout(const sky::AltitudePlot& plot, double utJulianDay);

}  // namespace print
