#include "sky/civil_time.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "astro/clock.h"

namespace sky {
namespace {

QTimeZone ZoneOf(const ClockRules& rules) {
  if (rules.ZoneId.empty()) return {};
  return QTimeZone(QByteArray::fromStdString(rules.ZoneId));
}

QDateTime Utc(std::int64_t seconds) {
  return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc());
}

// The instant, offset, summer time and letters of `utSeconds` in `zone`.
// Not through offsetData(): Qt gives its own fixed zones ("UTC") no
// transitions, and offsetData() then answers with an invalid offset.
CivilInstant InZone(const QTimeZone& zone, std::int64_t utSeconds) {
  const QDateTime at = Utc(utSeconds);
  CivilInstant instant;
  instant.UtSeconds = utSeconds;
  instant.OffsetSeconds = zone.offsetFromUtc(at);
  instant.SummerTime = zone.daylightTimeOffset(at) != 0;
  const std::string letters = zone.abbreviation(at).toStdString();
  // tzdata writes "+0545" where a zone has no letters.
  if (!letters.empty() && letters[0] != '+' && letters[0] != '-') instant.Abbreviation = letters;
  instant.Clock = astro::CivilOfSeconds(utSeconds + instant.OffsetSeconds);
  return instant;
}

// Without a zone: the standard offset, and the computer's summer time at the instant.
CivilInstant ByHand(const ClockRules& rules, std::int64_t utSeconds) {
  CivilInstant instant;
  instant.UtSeconds = utSeconds;
  instant.SummerTime = rules.SummerTimeOption && astro::IsComputerSummerTime(utSeconds);
  instant.OffsetSeconds = static_cast<int>(std::lround(rules.StandardOffset * 3600.0)) +
                          (instant.SummerTime ? 3600 : 0);
  instant.Clock = astro::CivilOfSeconds(utSeconds + instant.OffsetSeconds);
  return instant;
}

}  // namespace

bool IsKnownTimeZone(std::string_view id) {
  // Not isTimeZoneIdAvailable(): Qt lists only zone.tab's zones there, not
  // tzdata's others ("Etc/UTC", "Etc/GMT-3", "GMT", the old names).
  return !id.empty() &&
         QTimeZone(QByteArray(id.data(), static_cast<qsizetype>(id.size()))).isValid();
}

CivilInstant ResolveLocalTime(const ClockRules& rules, const astro::CivilTime& time) {
  const std::int64_t local = astro::SecondsOfCivil(time);
  const QTimeZone zone = ZoneOf(rules);
  if (!zone.isValid()) {
    // The computer's summer time is looked up at the standard-time instant.
    const std::int64_t standard = local - std::lround(rules.StandardOffset * 3600.0);
    const CivilInstant first = ByHand(rules, standard);
    return ByHand(rules, local - first.OffsetSeconds);
  }
  // The offsets in force a day before and a day after: a clock time is one
  // of them. Either is right when its instant has that offset.
  constexpr std::int64_t kDay = 86400;
  const int before = zone.offsetFromUtc(Utc(local - kDay));
  const int after = zone.offsetFromUtc(Utc(local + kDay));
  const bool beforeFits = zone.offsetFromUtc(Utc(local - before)) == before;
  const bool afterFits = zone.offsetFromUtc(Utc(local - after)) == after;
  if (beforeFits && afterFits && before != after) {
    // The autumn hour that came twice: the first occurrence is the earlier instant.
    CivilInstant instant = InZone(zone, local - std::max(before, after));
    instant.Change = ClockChange::Repeated;
    return instant;
  }
  if (beforeFits || afterFits) return InZone(zone, local - (beforeFits ? before : after));
  // In the gap: read with the offset before the change, the clock then
  // shows the time moved forward by the gap.
  CivilInstant instant = InZone(zone, local - before);
  instant.Change = ClockChange::Gap;
  instant.GapSeconds = after - before;
  return instant;
}

CivilInstant CivilTimeAt(const ClockRules& rules, std::int64_t utSeconds) {
  const QTimeZone zone = ZoneOf(rules);
  return zone.isValid() ? InZone(zone, utSeconds) : ByHand(rules, utSeconds);
}

std::string UtOffsetText(int offsetSeconds) {
  const int minutes = std::abs(offsetSeconds) / 60;
  std::string text =
      std::string("UT") + (offsetSeconds < 0 ? "-" : "+") + std::to_string(minutes / 60);
  if (minutes % 60 != 0) {
    text += ':';
    if (minutes % 60 < 10) text += '0';
    text += std::to_string(minutes % 60);
  }
  return text;
}

std::string ZoneText(const CivilInstant& instant) {
  const std::string offset = UtOffsetText(instant.OffsetSeconds);
  return instant.Abbreviation.empty() ? offset : instant.Abbreviation + ", " + offset;
}

}  // namespace sky
