// Message boxes: modal Qt message boxes, or one line on standard error when
// the program runs without a person.
#pragma once

#include "sky/messages.h"

class QWidget;

class CMessageBoxes : public CMessenger {
 public:
  explicit CMessageBoxes(bool nonInteractive) : nonInteractive_(nonInteractive) {}
  void Show(MessageIcon icon, std::string_view text) override;

 private:
  bool nonInteractive_;
};
