// Brings Qt up on the display when there is one, and on Qt's offscreen
// platform when there is none, instead of letting Qt end the program.
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <string>
#include <vector>

// One lives in main for the whole run.
class CPlatformChoice {
 public:
  // Before the application object exists: names the platforms for Qt to try
  // (QtPlatformList) and holds back Qt's messages while it starts.
  explicit CPlatformChoice(bool headless);
  ~CPlatformChoice();
  CPlatformChoice(const CPlatformChoice&) = delete;
  CPlatformChoice& operator=(const CPlatformChoice&) = delete;

  // After the application object exists: restores the environment for the
  // programs this one starts and passes on the held messages, except those
  // of the platforms that failed to come up. Returns whether Qt reached a
  // display (it did not when it came up offscreen). From then on, offscreen,
  // Qt's notices that only say it has no display are dropped.
  bool Settle();

  // Which display could not be reached, for the one line the program says.
  static std::string NoDisplayReason();

 private:
  struct HeldMessage {
    QtMsgType Type;
    std::string Category;
    QString Text;
  };
  // Qt's message handler is a plain function: it reaches the choice through
  // this pointer, set from construction until Settle (or for the whole run
  // offscreen).
  static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text);
  static inline CPlatformChoice* s_active = nullptr;

  std::optional<std::string> userChoice_;  // QT_QPA_PLATFORM as the user set it
  std::string firstChoice_;                // the platform Qt tries first
  QtMessageHandler previous_ = nullptr;
  bool holding_ = true;
  std::vector<HeldMessage> held_;
};

// Keeps the memory a frame frees for the next frame instead of handing it
// back to the system: the GL driver allocates and frees buffers of a few
// hundred kilobytes for every display list it compiles, and with the C
// library's defaults each came back as fresh pages, thousands of page faults
// a frame while time runs. Call once, before any thread starts.
void KeepFreedMemoryForReuse();
