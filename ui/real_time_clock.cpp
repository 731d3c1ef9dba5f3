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
  Start();
}

void CRealTimeClock::Start() {
  set_.reset();
  if (doc_.Settings().RealTime)
    Tick();
  else
    timer_.stop();
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
  const int* viewport = view_.Geometry.Viewport;
  const double pixelsPerRadian = std::min(viewport[2], viewport[3]) / 2.0 * view_.Zoom;
  const double seconds = sky::SecondsUntilRedraw(doc_.Settings().HorizonMode != 0, pixelsPerRadian,
                                                 (now % 60000) / 1000.0);
  timer_.start(static_cast<int>(std::ceil(seconds * 1000)));
}
