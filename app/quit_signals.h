// A log-out, `kill` or Ctrl+C ends the program the normal way: SIGTERM,
// SIGINT and SIGHUP leave the event loop, so the settings are saved as on
// File > Exit.
#pragma once

#include <QObject>

class QSocketNotifier;

class CQuitOnSignals : public QObject {
 public:
  // Holds the three signals back from every thread started from now on;
  // called first thing in main, before Qt starts any thread of its own.
  static void HoldBack();
  // Lets signals held back since HoldBack take their default action again
  // (in the modes that never run the event loop).
  static void Release();

  // Reads the held-back signals and quits the application's event loop when one comes.
  explicit CQuitOnSignals(QObject* parent);
  ~CQuitOnSignals() override;

 private:
  int fd_ = -1;  // a signalfd for the three signals
  QSocketNotifier* notifier_ = nullptr;
};
