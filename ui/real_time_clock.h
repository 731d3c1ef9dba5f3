// Time > Real Time: keeps the sky at the present instant as the computer's
// clock runs. The view is drawn again only when something shown would change
// (sky/real_time.h), so that an idle window costs next to nothing.
#pragma once

#include <QObject>
#include <QTimer>
#include <optional>

#include "astro/datetime_parse.h"

class CSkyDoc;
class CSkyView;

class CRealTimeClock : public QObject {
  Q_OBJECT

 public:
  CRealTimeClock(CSkyDoc& doc, CSkyView& view);

  // The command: on (the present instant at once) or off; kept in the settings.
  void Toggle();
  // At start-up, the document at the present instant: runs on from there
  // while the settings ask for it.
  void Start();

 signals:
  // The document time moved to the present.
  void TimeChanged();

 private:
  void Tick();
  // The next tick, when something shown would change after `nowMs` (ms since 1970).
  void ScheduleNext(qint64 nowMs);

  CSkyDoc& doc_;
  CSkyView& view_;
  QTimer timer_;
  // The clock time the last tick set: another time there means the user chose one.
  std::optional<astro::CivilTime> set_;
};
