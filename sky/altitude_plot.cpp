#include "sky/altitude_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "astro/astro_state.h"
#include "astro/clock.h"
#include "astro/json.h"
#include "astro/refraction.h"
#include "sky/follow.h"
#include "sky/sky_doc.h"
#include "sky/tonight.h"

namespace sky {
namespace {

astro::Track TargetTrack(const Observer& o, const PlotTarget& target) {
  return target.Body >= 0 ? astro::BodyTrack(target.Body, o.Latitude, o.Longitude, o.Refraction)
                          : astro::FixedTrack(target.RaJ2000, target.DecJ2000, o.Latitude,
                                              o.Longitude, o.Refraction);
}

// The altitudes of `track` at the plot's instants, as the sky shows them.
std::vector<PlotSample> Sampled(const astro::Track& track, const LocalDay& span, bool refraction) {
  const int steps = static_cast<int>(std::ceil((span.End - span.Start) / kPlotStepDays - 1e-9));
  std::vector<PlotSample> curve;
  curve.reserve(steps + 1);
  for (int i = 0; i <= steps; ++i) {
    // The last sample falls on the next noon, whatever the day's length.
    const double at = std::min(span.Start + i * kPlotStepDays, span.End);
    const double geometric = track(at).Altitude;
    curve.push_back({at, refraction ? astro::ApparentAltitude(geometric) : geometric});
  }
  return curve;
}

}  // namespace

PlotTarget PlotTargetOf(const CSkyDoc& doc, SkyObjectRef object) {
  PlotTarget target;
  target.Name = ShortNameOf(doc, object);
  if (object.What == SkyObjectRef::Body) {
    target.Body = object.Index;
  } else {
    const astro::EquatorialCoord place = PlaceOf(doc, object);
    target.RaJ2000 = place.RightAscension;
    target.DecJ2000 = place.Declination;
  }
  return target;
}

std::vector<PlotSpan> SpansBelow(const astro::Track& track, const astro::DayEvents& events,
                                 double start, double end) {
  const astro::TrackPoint first = track(start);
  bool below = first.Altitude <= first.Threshold;
  std::vector<std::pair<double, bool>> changes;  // instant, below after it
  if (events.Rise) changes.push_back({*events.Rise, false});
  if (events.Set) changes.push_back({*events.Set, true});
  std::sort(changes.begin(), changes.end());
  std::vector<PlotSpan> spans;
  double from = start;
  for (const auto& [at, belowAfter] : changes) {
    if (below && !belowAfter) spans.push_back({from, at});
    if (!below && belowAfter) from = at;
    below = belowAfter;
  }
  if (below) spans.push_back({from, end});
  return spans;
}

std::optional<double> AltitudeAt(const std::vector<PlotSample>& curve, double at) {
  if (curve.empty() || at < curve.front().At || at > curve.back().At) return std::nullopt;
  const auto after = std::lower_bound(curve.begin(), curve.end(), at,
                                      [](const PlotSample& s, double t) { return s.At < t; });
  if (after == curve.begin()) return after->Altitude;
  const PlotSample& a = *(after - 1);
  const PlotSample& b = *after;
  const double f = b.At > a.At ? (at - a.At) / (b.At - a.At) : 0.0;
  return a.Altitude + f * (b.Altitude - a.Altitude);
}

Observer NightObserverOf(const CSkyDoc& doc, const astro::CivilTime& evening) {
  Observer o = ObserverOf(doc);
  const std::int64_t noon =
      astro::SecondsOfCivil({evening.Year, evening.Month, evening.Day, 12, 0, 0});
  const auto instant = [&o](std::int64_t clock) {
    return JulianDayOfSeconds(ResolveLocalTime(o.Clock, astro::CivilOfSeconds(clock)).UtSeconds);
  };
  o.Day = {instant(noon), instant(noon + 86400)};
  return o;
}

AltitudePlot AltitudePlotOf(const Observer& night, const astro::CivilTime& evening,
                            const PlotTarget& target, double now) {
  AltitudePlot plot;
  plot.Target = target;
  plot.Evening = {evening.Year, evening.Month, evening.Day, 0, 0, 0};
  plot.Span = night.Day;
  plot.Clock = night.Clock;
  plot.Refraction = night.Refraction;
  const double start = night.Day.Start, end = night.Day.End;

  const astro::Track track = TargetTrack(night, target);
  plot.Curve = Sampled(track, night.Day, night.Refraction);
  plot.Events = astro::FindDayEvents(track, start, end);
  if (target.Body != astro::kMoon)
    plot.Moon =
        Sampled(astro::BodyTrack(astro::kMoon, night.Latitude, night.Longitude, night.Refraction),
                night.Day, night.Refraction);

  // The Sun below its rising altitude, then below each twilight's depth.
  plot.SunBelow[0] =
      SpansBelow(astro::BodyTrack(astro::kSun, night.Latitude, night.Longitude, night.Refraction),
                 BodyDayEvents(night, astro::kSun), start, end);
  const double depths[] = {astro::kCivilTwilight, astro::kNauticalTwilight,
                           astro::kAstronomicalTwilight};
  for (int k = 0; k < 3; ++k)
    plot.SunBelow[k + 1] =
        SpansBelow(astro::SunDepressionTrack(depths[k], night.Latitude, night.Longitude),
                   TwilightDayEvents(night, depths[k]), start, end);
  if (now >= start && now <= end) plot.Now = now;
  return plot;
}

AltitudePlot AltitudePlotOf(const CSkyDoc& doc, const PlotTarget& target) {
  const astro::CivilTime evening = EveningOf(doc.Sky.DocumentTime);
  return AltitudePlotOf(NightObserverOf(doc, evening), evening, target,
                        doc.Sky.AstroState.JulianDay);
}

std::string AltitudePlotJson(const AltitudePlot& plot) {
  const auto iso = [&plot](const std::optional<double>& at) {
    return astro::JsonString(at ? IsoTimeText(plot.Clock, *at) : std::string());
  };
  const auto altitudes = [](const std::vector<PlotSample>& curve) {
    astro::JsonArray array;
    for (const PlotSample& s : curve) array.Add(astro::JsonFixed(s.Altitude, 1));
    return array.Text();
  };
  const auto spans = [&iso](const std::vector<PlotSpan>& list) {
    astro::JsonArray array;
    for (const PlotSpan& s : list)
      array.Add(astro::JsonArray().Add(iso(s.From)).Add(iso(s.To)).Text());
    return array.Text();
  };
  char date[16];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", plot.Evening.Year, plot.Evening.Month,
                plot.Evening.Day);
  const std::optional<double> transitAltitude =
      plot.Events.Transit ? AltitudeAt(plot.Curve, *plot.Events.Transit) : std::nullopt;
  astro::JsonObject out;
  out.AddString("name", plot.Target.Name)
      .AddString("date", date)
      .Add("start", iso(plot.Span.Start))
      .Add("end", iso(plot.Span.End))
      .Add("stepMinutes", astro::JsonNumber(kPlotStepDays * 1440.0))
      .Add("altitudes", altitudes(plot.Curve))
      .Add("moon", altitudes(plot.Moon))
      .Add("riseIso", iso(plot.Events.Rise))
      .Add("transitIso", iso(plot.Events.Transit))
      .Add("setIso", iso(plot.Events.Set))
      .Add("transitAltitude", transitAltitude ? astro::JsonFixed(*transitAltitude, 1) : "null")
      .Add("sunBelow", spans(plot.SunBelow[0]))
      .Add("civil", spans(plot.SunBelow[1]))
      .Add("nautical", spans(plot.SunBelow[2]))
      .Add("astronomical", spans(plot.SunBelow[3]));
  return out.Text();
}

}  // namespace sky
