// The room the labels of one frame take on the screen: a label that would
// overlap one drawn before it in the same frame is left out, so the layers
// place their labels brightest first.
#pragma once

#include <vector>

namespace render {

struct LabelBox {
  double Left, Bottom, Right, Top;  // window pixels, y upwards
};

// A label placed ahead of its layer: what it names, its left edge and baseline.
struct PlacedLabel {
  int Id;
  double Left, Baseline;
};

class CLabelSpace {
 public:
  void Clear() { taken_.clear(); }
  // Takes the room of `box` and returns true when nothing taken before
  // overlaps it; returns false and takes nothing otherwise.
  bool Take(const LabelBox& box);
  // The rooms taken since the last Clear, in the order they were taken.
  const std::vector<LabelBox>& Taken() const { return taken_; }

 private:
  std::vector<LabelBox> taken_;
};

}  // namespace render
