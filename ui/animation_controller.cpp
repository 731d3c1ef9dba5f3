#include "ui/animation_controller.h"

#include <QComboBox>
#include <QTimerEvent>

#include "render/sky_view.h"
#include "res/qt_text.h"
#include "res/strings.h"
#include "sky/app_settings.h"
#include "sky/messages.h"
#include "sky/sky_doc.h"
#include "ui/animation_step.h"

CAnimationController::CAnimationController(CSkyDoc& doc, CSkyView& view, CMessenger& messages,
                                           const QComboBox& timeStepBox)
    : doc_(doc), view_(view), messages_(messages), timeStepBox_(timeStepBox) {}

void CAnimationController::Run(bool forward) {
  // Without the solar system, an equatorial chart would not change.
  if (!doc_.Settings().SolarSystem && !doc_.Settings().HorizonMode) {
    messages_.Show(MessageIcon::Exclamation, TranslatedString(res::IDS_ANIMATION_NO_EFFECT));
    return;
  }
  doc_.Run.Animating = 1;
  doc_.Settings().RealTime = 0;  // the animation moves the time now
  forward_ = forward;
  timer_.start(timeStepBox_.currentIndex() == ui::kRealTime ? 1000 : 50, this);
}

void CAnimationController::RunForward() { Run(true); }
void CAnimationController::RunBackward() { Run(false); }

void CAnimationController::Stop() {
  if (!doc_.Run.Animating) return;
  doc_.Run.Animating = 0;
  timer_.stop();
}

void CAnimationController::SingleStep(bool forward) {
  const int year = doc_.Sky.DocumentTime.Year;
  if ((forward && year > 2099) || (!forward && year < 1901)) return;
  doc_.Run.Animating = 1;
  forward_ = forward;
  Step();
  view_.Redraw();
  doc_.Run.Animating = 0;
}

void CAnimationController::StepForward() { SingleStep(true); }
void CAnimationController::StepBackward() { SingleStep(false); }

void CAnimationController::Step() {
  astro::CivilTime clock = doc_.Sky.DocumentTime;
  std::int64_t instant = doc_.Sky.Instant.UtSeconds;
  const bool inRange =
      ui::AnimationStep(clock, instant, doc_.Sky.TimeOffset, timeStepBox_.currentIndex(), forward_,
                        ClockRulesOf(doc_.Settings()));
  // The instant is the one meant even where the clock shows an hour twice.
  doc_.SetInstant(instant);
  doc_.Sky.DocumentTime = clock;
  if (!inRange) {
    Stop();
    emit Stopped();
  }
  doc_.UpdateSky();
  emit TimeChanged();
}

void CAnimationController::timerEvent(QTimerEvent* event) {
  if (event->timerId() != timer_.timerId()) return QObject::timerEvent(event);
  Step();
  view_.Redraw();
}
