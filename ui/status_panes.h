// Which status panes a narrow window keeps: the panes are offered in order
// of importance and each is kept while it still fits.
#pragma once

#include <vector>

namespace ui {

// For panes of `widths` pixels, most important first, whether each is shown
// in `available` pixels: the most important ones that fit, in order; a pane
// that does not fit is dropped and the less important ones after it still
// get their chance.
std::vector<bool> PanesThatFit(const std::vector<int>& widths, int available);

}  // namespace ui
