#include "sky/messages.h"

std::string MessageLine(MessageIcon icon, std::string_view text) {
  std::string_view name;
  switch (icon) {
    case MessageIcon::Stop:
      name = "stop";
      break;
    case MessageIcon::Exclamation:
      name = "exclamation";
      break;
    case MessageIcon::Information:
      name = "information";
      break;
  }
  return std::string(name) + ": " + std::string(text);
}
