#include "render/label_space.h"

#include <algorithm>

namespace render {

bool CLabelSpace::Take(const LabelBox& box) {
  const bool free = std::none_of(taken_.begin(), taken_.end(), [&](const LabelBox& t) {
    return box.Left < t.Right && t.Left < box.Right && box.Bottom < t.Top && t.Bottom < box.Top;
  });
  if (free) taken_.push_back(box);
  return free;
}

}  // namespace render
