// An object's altitude through a night at the observer's place: the curve
// from the place's noon to the next noon, the Moon's beside it, the Sun's
// twilights and night, and the object's rising, transit and setting. The
// Altitude Plot window, its printout, its PNG and SVG files and
// `stellix --plot-altitude` all draw this one computation.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sky/almanac.h"
#include "sky/object_names.h"

class CSkyDoc;

namespace sky {

// What the plot follows: a body of the Bodies table (0 Moon, 1 Sun, 2
// Mercury ... 9 Pluto), or a fixed J2000 place (hours, degrees) such as a
// star's or a deep-sky object's.
struct PlotTarget {
  std::string Name;  // "Vega", "Jupiter", "M 31"
  int Body = -1;     // -1 for a fixed place
  double RaJ2000 = 0.0, DecJ2000 = 0.0;
};

// The target of an object the user picked or named: a body by its index,
// any other object at the place the searches centre (PlaceOf).
PlotTarget PlotTargetOf(const CSkyDoc& doc, SkyObjectRef object);

// The curve's sampling step: 5 minutes, 289 points from noon to noon.
constexpr double kPlotStepDays = 5.0 / 1440.0;

struct PlotSample {
  double At = 0.0;        // UT Julian day
  double Altitude = 0.0;  // degrees, as the sky shows it (apparent with refraction)
};

// A stretch of the night, UT Julian days.
struct PlotSpan {
  double From = 0.0, To = 0.0;
};

// How low the Sun is: below the horizon (its upper limb, the almanac's
// sunset to sunrise), then below the ends of the civil, nautical and
// astronomical twilights. The spans of one depth lie within those of the
// depth before, so that painting them in this order shades the civil,
// nautical and astronomical twilights and, last, the night.
enum class SunDepth { Horizon, Civil, Nautical, Astronomical };
constexpr int kSunDepths = 4;

struct AltitudePlot {
  PlotTarget Target;
  astro::CivilTime Evening;  // the date the night begins on, by the place's clock
  LocalDay Span;             // noon of that date to noon of the next, UT Julian days
  ClockRules Clock;
  bool Refraction = false;
  std::vector<PlotSample> Curve;  // the target's, every kPlotStepDays from Span.Start to Span.End
  std::vector<PlotSample>
      Moon;  // the Moon's at the same instants; empty when the target is the Moon
  std::vector<PlotSpan> SunBelow[kSunDepths];  // by SunDepth
  astro::DayEvents Events;                     // the target's rising, transit and setting in Span
  std::optional<double> Now;                   // the instant shown, when it falls in Span
};

// The night that `night` (an Observer whose Day runs from noon to noon)
// spans, for `target`, with the instant `now` (UT Julian day) marked when
// it lies within it. The altitudes come from the rise-and-set search's own
// apparent places (astro::BodyTrack, astro::FixedTrack), refracted as the
// observer's switch says; the events from the almanac's searches.
AltitudePlot AltitudePlotOf(const Observer& night, const astro::CivilTime& evening,
                            const PlotTarget& target, double now);

// The night the document's instant belongs to (EveningOf) at its place.
AltitudePlot AltitudePlotOf(const CSkyDoc& doc, const PlotTarget& target);

// The noon-to-noon observer of the night beginning on `evening`'s date.
Observer NightObserverOf(const CSkyDoc& doc, const astro::CivilTime& evening);

// The spans of [start, end) during which `track` is below its threshold,
// from its state at `start` and the first rising and setting `events` found
// in that window (astro::FindDayEvents).
std::vector<PlotSpan> SpansBelow(const astro::Track& track, const astro::DayEvents& events,
                                 double start, double end);

// The plot as one JSON object (what `--plot-altitude` prints beside its
// file): "name", "date" (the evening's, "2026-12-09"), "start" and "end"
// (ISO 8601 with the offset), "stepMinutes", "altitudes" and "moon" (one
// per sample, degrees to 0.1; "moon" empty for the Moon's own plot),
// "riseIso", "transitIso", "setIso" (empty where there is none),
// "transitAltitude" (degrees as shown, null without a transit), and
// "sunBelow", "civil", "nautical", "astronomical": the spans below the
// horizon and the twilights' depths as [from, to] pairs of date-times.
std::string AltitudePlotJson(const AltitudePlot& plot);

// The curve's altitude at `at` (UT Julian day), interpolated between its
// samples; nothing outside the curve.
std::optional<double> AltitudeAt(const std::vector<PlotSample>& curve, double at);

}  // namespace sky
