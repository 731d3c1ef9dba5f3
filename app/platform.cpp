#include "app/platform.h"

#include <malloc.h>

#include <QGuiApplication>
#include <QMessageLogger>
#include <cstdio>
#include <cstdlib>

#include "app/startup.h"

namespace {

const char* Environment(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? value : nullptr;
}

// A notice of Qt's offscreen platform that only says what a run without a
// display does not need: a runtime directory.
bool IsOffscreenNotice(const QString& text) {
  return text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"));
}

}  // namespace

void CPlatformChoice::Handle(QtMsgType type, const QMessageLogContext& context,
                             const QString& text) {
  CPlatformChoice& self = *s_active;
  if (!self.holding_) {
    if (!IsOffscreenNotice(text)) self.previous_(type, context, text);
    return;
  }
  self.held_.push_back({type, context.category ? context.category : "", text});
  if (type != QtFatalMsg) return;
  // Qt ends the program when this returns: say everything it said first.
  for (const HeldMessage& m : self.held_)
    std::fprintf(stderr, "%s%s%s\n", m.Category.c_str(), m.Category.empty() ? "" : ": ",
                 m.Text.toLocal8Bit().constData());
}

CPlatformChoice::CPlatformChoice(bool headless) {
  if (const char* user = Environment("QT_QPA_PLATFORM")) userChoice_ = user;
  const std::string platforms =
      QtPlatformList(headless, Environment("QT_QPA_PLATFORM"), Environment("DISPLAY"),
                     Environment("WAYLAND_DISPLAY"));
  if (!platforms.empty()) {
    ::setenv("QT_QPA_PLATFORM", platforms.c_str(), 1);
    firstChoice_ = platforms.substr(0, platforms.find(';'));
  }
  s_active = this;
  previous_ = qInstallMessageHandler(Handle);
}

CPlatformChoice::~CPlatformChoice() {
  if (s_active != this) return;
  qInstallMessageHandler(previous_);
  s_active = nullptr;
}

bool CPlatformChoice::Settle() {
  const QString platform = QGuiApplication::platformName();
  const bool onDisplay = platform != QLatin1String("offscreen");
  if (!holding_) return onDisplay;
  holding_ = false;
  if (userChoice_)
    ::setenv("QT_QPA_PLATFORM", userChoice_->c_str(), 1);
  else
    ::unsetenv("QT_QPA_PLATFORM");
  if (onDisplay) {
    qInstallMessageHandler(previous_);
    s_active = nullptr;
  }
  // Messages from the platforms tried before the one that came up only say
  // that those could not: the program says so itself when it matters.
  const bool fellBack = !firstChoice_.empty() && platform.toStdString() != firstChoice_;
  for (const HeldMessage& m : held_) {
    if ((fellBack && m.Category.rfind("qt.qpa", 0) == 0) ||
        (!onDisplay && IsOffscreenNotice(m.Text)))
      continue;
    const QMessageLogger logger(nullptr, 0, nullptr,
                                m.Category.empty() ? nullptr : m.Category.c_str());
    const QByteArray text = m.Text.toLocal8Bit();
    if (m.Type == QtDebugMsg)
      logger.debug("%s", text.constData());
    else if (m.Type == QtInfoMsg)
      logger.info("%s", text.constData());
    else if (m.Type == QtWarningMsg)
      logger.warning("%s", text.constData());
    else
      logger.critical("%s", text.constData());
  }
  held_.clear();
  return onDisplay;
}

std::string CPlatformChoice::NoDisplayReason() {
  if (const char* display = Environment("DISPLAY")) return std::string("DISPLAY=") + display;
  if (const char* wayland = Environment("WAYLAND_DISPLAY"))
    return std::string("WAYLAND_DISPLAY=") + wayland;
  return "DISPLAY is not set";
}

void KeepFreedMemoryForReuse() {
  // Freed memory is kept up to 64 MiB at the heap's top, and blocks up to
  // 32 MiB come from the heap, where they are reused, instead of mappings
  // of their own.
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
}
