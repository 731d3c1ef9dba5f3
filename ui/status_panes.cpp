#include "ui/status_panes.h"

namespace ui {

std::vector<bool> PanesThatFit(const std::vector<int>& widths, int available) {
  std::vector<bool> shown(widths.size(), false);
  for (std::size_t i = 0; i < widths.size(); ++i) {
    if (widths[i] > available) continue;
    shown[i] = true;
    available -= widths[i];
  }
  return shown;
}

}  // namespace ui
