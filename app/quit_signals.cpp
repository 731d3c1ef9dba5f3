#include "app/quit_signals.h"

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>

namespace {

sigset_t QuitSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGHUP);
  return set;
}

}  // namespace

void CQuitOnSignals::HoldBack() {
  const sigset_t set = QuitSignals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

void CQuitOnSignals::Release() {
  const sigset_t set = QuitSignals();
  pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

CQuitOnSignals::CQuitOnSignals(QObject* parent) : QObject(parent) {
  const sigset_t set = QuitSignals();
  fd_ = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
  if (fd_ < 0) return;
  notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    signalfd_siginfo info;
    while (::read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
    }
    QCoreApplication::quit();
  });
}

CQuitOnSignals::~CQuitOnSignals() {
  delete notifier_;
  if (fd_ >= 0) ::close(fd_);
}
