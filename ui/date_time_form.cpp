#include "ui/date_time_form.h"

#include <cstdio>

#include "res/strings.h"

namespace ui {
namespace {

// "02:30", or "02:30:15" when the seconds are not 0.
std::string ClockText(const astro::CivilTime& t) {
  char text[16];
  if (t.Second == 0)
    std::snprintf(text, sizeof text, "%02d:%02d", t.Hour, t.Minute);
  else
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.Hour, t.Minute, t.Second);
  return text;
}

// "1 hour", "30 minutes", "1 hour 30 minutes".
std::string DurationText(int seconds) {
  const int hours = seconds / 3600, minutes = seconds / 60 % 60;
  std::string text;
  if (hours > 0) text = res::Format(res::IDS_HOUR + (hours == 1 ? 0 : 1), std::to_string(hours));
  if (minutes > 0)
    text += (text.empty() ? "" : " ") +
            res::Format(res::IDS_HOUR + (minutes == 1 ? 2 : 3), std::to_string(minutes));
  return text;
}

}  // namespace

ClockPreview PreviewClock(sky::ClockRules rules, bool summerTimeOption,
                          const astro::CivilTime& time) {
  rules.SummerTimeOption = summerTimeOption;
  const sky::CivilInstant instant = sky::ResolveLocalTime(rules, time);
  ClockPreview preview;
  preview.Offset = sky::ZoneText(instant);
  preview.SummerTime = instant.SummerTime;
  switch (instant.Change) {
    case sky::ClockChange::None:
      break;
    case sky::ClockChange::Gap:
      preview.Change = res::Format(res::IDS_CLOCKS_WENT_FORWARD,
                                   {DurationText(instant.GapSeconds), ClockText(time),
                                    ClockText(instant.Clock), preview.Offset});
      break;
    case sky::ClockChange::Repeated:
      preview.Change = res::Format(res::IDS_CLOCKS_WENT_BACK, {ClockText(time), preview.Offset});
      break;
  }
  return preview;
}

}  // namespace ui
