// The time animation of the toolbar: runs forwards and backwards on a timer,
// single steps and the stop. Each step moves the document time by the step
// chosen in the time-step box (ui/animation_step.*) and recomputes the sky.
#pragma once

#include <QBasicTimer>
#include <QObject>

class CMessenger;
class CSkyDoc;
class CSkyView;
class QComboBox;

class CAnimationController : public QObject {
  Q_OBJECT

 public:
  CAnimationController(CSkyDoc& doc, CSkyView& view, CMessenger& messages,
                       const QComboBox& timeStepBox);

  void RunForward();
  void RunBackward();
  void Stop();
  void StepForward();
  void StepBackward();
  // Moves the document time one step in the current direction and
  // recomputes the sky; stops a run at the ends of 1901-2099.
  void Step();

 signals:
  // A step stopped the run at an end of the years shown.
  void Stopped();
  // The document time and the sky moved by a step.
  void TimeChanged();

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  void Run(bool forward);
  void SingleStep(bool forward);

  CSkyDoc& doc_;
  CSkyView& view_;
  CMessenger& messages_;
  const QComboBox& timeStepBox_;
  QBasicTimer timer_;
  bool forward_ = true;
};
