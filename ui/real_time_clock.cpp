#include "ui/real_time_clock.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>

#include "render/sky_view.h"
#include "sky/real_time.h"
#include "sky/sky_doc.h"

CRealTimeClock::CRealTimeClock(CSkyDoc& doc, CSkyView& view) : doc_(doc), view_(view) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &CRealTimeClock::Tick);
}

void CRealTimeClock::Toggle() {
  doc_.Settings().RealTime = doc_.Settings().RealTime ? 0 : 1;
  set_.reset();
  if (doc_.Settings().RealTime)
    Tick();
  else
    timer_.stop();
}

void CRealTimeClock::Start() {
  // The document shows the present instant already: the sky is drawn again
  // only when something shown would change.
  if (!doc_.Settings().RealTime) return;
  set_ = doc_.Sky.DocumentTime;
  ScheduleNext(QDateTime::currentMSecsSinceEpoch());
}

void CRealTimeClock::Tick() {
  // An animation, or a date and time the user chose since the last tick, ends real time.
  if (doc_.Run.Animating || (set_ && !(doc_.Sky.DocumentTime == *set_)))
    doc_.Settings().RealTime = 0;
  if (!doc_.Settings().RealTime) {
    set_.reset();
    return;
  }
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  doc_.SetInstant(now / 1000);
  doc_.UpdateSky();
  set_ = doc_.Sky.DocumentTime;
  view_.Redraw();
  emit TimeChanged();
  ScheduleNext(now);
}

void CRealTimeClock::ScheduleNext(qint64 nowMs) {
  const int* viewport = view_.Geometry.Viewport;
  const double pixelsPerRadian = std::min(viewport[2], viewport[3]) / 2.0 * view_.Zoom;
  const double seconds = sky::SecondsUntilRedraw(doc_.Settings().HorizonMode != 0, pixelsPerRadian,
                                                 (nowMs % 60000) / 1000.0);
  timer_.start(static_cast<int>(std::ceil(seconds * 1000)));
}
