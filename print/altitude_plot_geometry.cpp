#include "print/altitude_plot_geometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

#include "astro/astro_state.h"
#include "res/strings.h"

namespace print {
namespace {

constexpr const char* kDegree = "\xC2\xB0";

// A number with `decimals` digits after the point, unpadded, whatever the locale.
std::string Fixed(double x, int decimals) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed, decimals);
  return std::string(text, end.ptr);
}

std::string Degrees(double altitude) { return Fixed(altitude, 1) + kDegree; }

std::string IsoDate(const astro::CivilTime& d) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.Year, d.Month, d.Day);
  return text;
}

// The curve's parts above the horizon (the area's floor) as polylines,
// each cut where the curve crosses 0 degrees.
void AddCurve(PlotGeometry& g, const std::vector<sky::PlotSample>& curve, PlotInk ink,
              double width) {
  PlotPolyline run{{}, ink, width, false};
  const auto point = [&g](double at, double altitude) {
    return PlotPoint{XOfInstant(g, at), YOfAltitude(g, std::min(altitude, kPlotTopAltitude))};
  };
  for (std::size_t i = 0; i < curve.size(); ++i) {
    const sky::PlotSample& s = curve[i];
    if (i > 0 && (curve[i - 1].Altitude < 0.0) != (s.Altitude < 0.0)) {
      const sky::PlotSample& p = curve[i - 1];
      const double f = p.Altitude / (p.Altitude - s.Altitude);
      run.Points.push_back(point(p.At + f * (s.At - p.At), 0.0));
      if (s.Altitude < 0.0) {
        if (run.Points.size() > 1) g.Lines.push_back(run);
        run.Points.clear();
      }
    }
    if (s.Altitude >= 0.0) run.Points.push_back(point(s.At, s.Altitude));
  }
  if (run.Points.size() > 1) g.Lines.push_back(run);
}

PlotPolyline Segment(double x0, double y0, double x1, double y1, PlotInk ink, double width,
                     bool dashed = false) {
  return {{{x0, y0}, {x1, y1}}, ink, width, dashed};
}

}  // namespace

double XOfInstant(const PlotGeometry& g, double utJulianDay) {
  return g.Area.X + (utJulianDay - g.Start) / (g.End - g.Start) * g.Area.Width;
}

double YOfAltitude(const PlotGeometry& g, double altitude) {
  return g.Area.Y + g.Area.Height * (1.0 - altitude / kPlotTopAltitude);
}

std::optional<double> InstantAtX(const PlotGeometry& g, double x) {
  if (x < g.Area.X || x > g.Area.X + g.Area.Width || g.Area.Width <= 0.0) return std::nullopt;
  return g.Start + (x - g.Area.X) / g.Area.Width * (g.End - g.Start);
}

std::vector<ClockHour> ClockHoursOf(const sky::LocalDay& span, const sky::ClockRules& clock) {
  // Every zone's offset is a whole number of quarter hours: the whole hours
  // of its clock are among the quarter hours of UT.
  std::vector<ClockHour> hours;
  const std::int64_t first = sky::SecondsOfJulianDay(span.Start);
  const std::int64_t last = sky::SecondsOfJulianDay(span.End);
  const std::int64_t quarter = 900;
  for (std::int64_t t = first + ((quarter - first % quarter) % quarter); t <= last; t += quarter) {
    const sky::CivilInstant at = sky::CivilTimeAt(clock, t);
    if (at.Clock.Minute == 0 && at.Clock.Second == 0)
      hours.push_back({sky::JulianDayOfSeconds(t), at.Clock.Hour});
  }
  return hours;
}

PlotGeometry LayoutAltitudePlot(const sky::AltitudePlot& plot, const std::string& place,
                                double width, double height, const PlotWords& words) {
  const auto shown = [&words](std::string text) { return words ? words(text) : text; };
  PlotGeometry g;
  g.Width = width;
  g.Height = height;
  const double f = std::clamp(std::min(width / 60.0, height / 36.0), 8.0, 28.0);
  g.FontPixels = f;
  g.Area = {4.0 * f, 3.2 * f, width - 5.5 * f, height - 8.6 * f, PlotInk::Paper};
  g.Start = plot.Span.Start;
  g.End = plot.Span.End;
  const PlotRect& a = g.Area;
  const double bottom = a.Y + a.Height, right = a.X + a.Width;

  g.Rects.push_back({0.0, 0.0, width, height, PlotInk::Paper});
  // The twilights, then the night over them.
  const PlotInk shades[sky::kSunDepths] = {PlotInk::CivilTwilight, PlotInk::NauticalTwilight,
                                           PlotInk::AstronomicalTwilight, PlotInk::Night};
  for (int k = 0; k < sky::kSunDepths; ++k)
    for (const sky::PlotSpan& s : plot.SunBelow[k]) {
      const double x0 = XOfInstant(g, s.From), x1 = XOfInstant(g, s.To);
      g.Rects.push_back({x0, a.Y, x1 - x0, a.Height, shades[k]});
    }

  // The hours of the place's clock and the altitudes, with their grid.
  for (const ClockHour& h : ClockHoursOf(plot.Span, plot.Clock)) {
    const double x = XOfInstant(g, h.At);
    g.Lines.push_back(Segment(x, a.Y, x, bottom, PlotInk::Grid, 1.0));
    g.Lines.push_back(Segment(x, bottom, x, bottom + 0.4 * f, PlotInk::Frame, 1.0));
    char label[4];
    std::snprintf(label, sizeof label, "%02d", h.Hour);
    g.Texts.push_back({x, bottom + 1.5 * f, label, PlotAlign::Centre});
  }
  for (double alt = 0.0; alt <= kPlotTopAltitude; alt += kAltitudeTickDegrees) {
    const double y = YOfAltitude(g, alt);
    g.Lines.push_back(Segment(a.X, y, right, y, PlotInk::Grid, 1.0));
    g.Lines.push_back(Segment(a.X - 0.4 * f, y, a.X, y, PlotInk::Frame, 1.0));
    g.Texts.push_back({a.X - 0.6 * f, y + 0.35 * f, Fixed(alt, 0), PlotAlign::Right});
  }
  g.Lines.push_back({{{a.X, a.Y}, {right, a.Y}, {right, bottom}, {a.X, bottom}, {a.X, a.Y}},
                     PlotInk::Frame,
                     1.5});

  // The transit and the time shown, then the curves over them.
  const sky::CivilInstant startClock =
      sky::CivilTimeAt(plot.Clock, sky::SecondsOfJulianDay(plot.Span.Start));
  const std::string zone = startClock.Abbreviation.empty()
                               ? sky::UtOffsetText(startClock.OffsetSeconds)
                               : startClock.Abbreviation;
  const astro::DayEvents& e = plot.Events;
  // Their labels stand inside the area, on the side of the line with more room.
  const auto label = [&g, &a, f](double x, double y, std::string text, PlotInk ink) {
    const bool left = x < a.X + a.Width / 2.0;
    g.Texts.push_back({left ? x + 0.4 * f : x - 0.4 * f, y, std::move(text),
                       left ? PlotAlign::Left : PlotAlign::Right, ink});
  };
  if (e.Transit) {
    const double x = XOfInstant(g, *e.Transit);
    const std::optional<double> altitude = sky::AltitudeAt(plot.Curve, *e.Transit);
    g.Lines.push_back(Segment(x, a.Y, x, bottom, PlotInk::Transit, 1.5, true));
    label(
        x, a.Y + 1.1 * f,
        shown(res::Format(res::IDS_PLOT_TRANSIT, {sky::ClockTimeText(plot.Clock, *e.Transit),
                                                  Degrees(altitude.value_or(e.TransitAltitude))})),
        PlotInk::Transit);
  }
  if (plot.Now) {
    const double x = XOfInstant(g, *plot.Now);
    g.Lines.push_back(Segment(x, a.Y, x, bottom, PlotInk::Now, 2.0));
    label(x, bottom - 0.5 * f,
          shown(res::Format(res::IDS_PLOT_SHOWN, sky::ClockTimeText(plot.Clock, *plot.Now))),
          PlotInk::Now);
  }
  AddCurve(g, plot.Moon, PlotInk::MoonCurve, 1.5);
  AddCurve(g, plot.Curve, PlotInk::Curve, 2.5);

  // Title, axes' names and the key.
  g.Texts.push_back(
      {width / 2.0, 1.3 * f,
       shown(res::Format(res::IDS_PLOT_TITLE, {plot.Target.Name, place, IsoDate(plot.Evening)})),
       PlotAlign::Centre, PlotInk::Text, true});
  g.Texts.push_back({a.X + a.Width / 2.0, bottom + 2.9 * f,
                     shown(res::Format(res::IDS_PLOT_TIME_AXIS, zone)), PlotAlign::Centre});
  g.Texts.push_back({0.3 * f, a.Y - 0.4 * f,
                     shown(std::string(res::String(res::IDS_PLOT_ALTITUDE_AXIS))),
                     PlotAlign::Left});
  struct Key {
    PlotInk Ink;
    std::string Text;
    bool Line;
  };
  std::vector<Key> keys = {{PlotInk::Curve, shown(plot.Target.Name), true}};
  if (!plot.Moon.empty())
    keys.push_back({PlotInk::MoonCurve,
                    shown(std::string(res::String(res::IDS_BODY_NAME_FIRST + astro::kMoon))),
                    true});
  const int shadeNames[] = {res::IDS_PLOT_CIVIL_TWILIGHT, res::IDS_PLOT_NAUTICAL_TWILIGHT,
                            res::IDS_PLOT_ASTRONOMICAL_TWILIGHT, res::IDS_PLOT_NIGHT};
  for (int k = 0; k < sky::kSunDepths; ++k)
    keys.push_back({shades[k], shown(std::string(res::String(shadeNames[k]))), false});
  // Each key as wide as its text needs (about half the font's height a
  // character), shrunk together when they would not fit under the area.
  const double keyY = height - 1.2 * f;
  std::vector<double> widths;
  double total = 0.0;
  for (const Key& k : keys) {
    widths.push_back(3.0 * f + 0.5 * f * static_cast<double>(k.Text.size()));
    total += widths.back();
  }
  const double shrink = std::min(1.0, a.Width / total);
  double x = a.X;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i].Line)
      g.Lines.push_back(Segment(x, keyY - 0.35 * f, x + 1.6 * f, keyY - 0.35 * f, keys[i].Ink,
                                keys[i].Ink == PlotInk::Curve ? 2.5 : 1.5));
    else
      g.Rects.push_back({x, keyY - 0.8 * f, 1.6 * f, 0.9 * f, keys[i].Ink});
    g.Texts.push_back({x + 2.0 * f, keyY, keys[i].Text, PlotAlign::Left});
    x += widths[i] * shrink;
  }
  return g;
}

std::string PlotReadout(const sky::AltitudePlot& plot, double utJulianDay) {
  const std::optional<double> altitude = sky::AltitudeAt(plot.Curve, utJulianDay);
  if (!altitude) return {};
  const std::string time = sky::ClockTimeText(plot.Clock, utJulianDay);
  const std::optional<double> moon = sky::AltitudeAt(plot.Moon, utJulianDay);
  if (!moon)
    return res::Format(res::IDS_PLOT_READOUT_MOON, {time, plot.Target.Name, Degrees(*altitude)});
  return res::Format(res::IDS_PLOT_READOUT,
                     {time, plot.Target.Name, Degrees(*altitude), Degrees(*moon)});
}

}  // namespace print
