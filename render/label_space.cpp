#include "render/label_space.h"

#include <algorithm>

namespace render {

std::vector<double> FieldNameBaselines(double top, double bottom, double gap,
                                       const TextExtent& text, int tries) {
  std::vector<double> baselines;
  const double line = text.Above + text.Below + gap;
  for (int k = 0; k < tries; ++k)
    baselines.push_back(k == 1 ? bottom - gap - text.Above
                               : top + gap + text.Below + (k == 0 ? 0 : (k - 1) * line));
  return baselines;
}

void CLabelSpace::Clear() {
  taken_.clear();
  left_ = bottom_ = -kUnbounded;
  right_ = top_ = kUnbounded;
}

void CLabelSpace::Clear(double width, double height) {
  taken_.clear();
  left_ = bottom_ = 0;
  right_ = width;
  top_ = height;
}

bool CLabelSpace::Take(const LabelBox& box) {
  if (box.Left < left_ || box.Bottom < bottom_ || box.Right > right_ || box.Top > top_)
    return false;
  const bool free = std::none_of(taken_.begin(), taken_.end(), [&](const LabelBox& t) {
    return box.Left < t.Right && t.Left < box.Right && box.Bottom < t.Top && t.Bottom < box.Top;
  });
  if (free) taken_.push_back(box);
  return free;
}

bool CLabelSpace::TakeBeside(double x, double y, double radius, double gap, const TextExtent& text,
                             double& left, double& baseline) {
  const double reach = radius + gap;
  const double level = WholePixel(y - text.Middle);
  const double centred = WholePixel(x - text.Width / 2);
  const double sides[4][2] = {
      {WholePixel(x + reach), level},                 // right
      {WholePixel(x - reach - text.Width), level},    // left
      {centred, WholePixel(y + reach + text.Below)},  // above
      {centred, WholePixel(y - reach - text.Above)},  // below
  };
  for (const auto& side : sides) {
    if (Take({side[0], side[1] - text.Below, side[0] + text.Width, side[1] + text.Above})) {
      left = side[0];
      baseline = side[1];
      return true;
    }
  }
  return false;
}

bool CLabelSpace::TakeCentred(double x, const std::vector<double>& baselines,
                              const TextExtent& text, double& left, double& baseline) {
  // Inside the window's sides, but never so far that x leaves the text.
  double l = x - text.Width / 2;
  if (l + text.Width > right_) l = right_ - text.Width;
  if (l < left_) l = left_;
  l = WholePixel(std::clamp(l, x - text.Width, x));
  const double height = text.Above + text.Below;
  for (const double wanted : baselines) {
    double b = wanted;
    if (b + text.Above > top_) b = top_ - text.Above;
    if (b - text.Below < bottom_) b = bottom_ + text.Below;
    b = WholePixel(std::clamp(b, wanted - height, wanted + height));
    if (Take({l, b - text.Below, l + text.Width, b + text.Above})) {
      left = l;
      baseline = b;
      return true;
    }
  }
  return false;
}

}  // namespace render
