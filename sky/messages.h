// Message boxes, and their one-line form for runs without a person.
#pragma once

#include <string>
#include <string_view>

enum class MessageIcon { Stop, Exclamation, Information };

class CMessenger {
 public:
  virtual ~CMessenger() = default;
  // Shows `text` with `icon` and an OK button, and returns when it is dismissed.
  virtual void Show(MessageIcon icon, std::string_view text) = 0;
};

// "stop: text", "exclamation: text" or "information: text": how a message is
// written to standard error when the program runs non-interactively.
std::string MessageLine(MessageIcon icon, std::string_view text);
