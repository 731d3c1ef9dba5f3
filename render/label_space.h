// The room the labels of one frame take on the screen: a label that would
// overlap one placed before it in the same frame, or reach beyond the
// window, is left out, so the layers place their labels most important
// first (the planets, then the bright stars, then the constellations and
// the deep-sky objects).
#pragma once

#include <cmath>
#include <limits>
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

// The size of a label's text: its width, and how far its room reaches above
// and below the baseline; Middle is the height above the baseline that stands
// level with the point a label beside a mark names.
struct TextExtent {
  double Width, Above, Below, Middle;
};

// The whole pixel a label at window coordinate v starts on: v taken down,
// with a hair of slack so that a point computed a hair below a pixel's edge
// still lands on it.
inline double WholePixel(double v) { return std::floor(v + 1e-3); }

// The baselines the name of a field round the middle of the view tries,
// centred over it: `gap` above the `top` of its outline, below its
// `bottom`, then line after line higher above it, `tries` in all.
std::vector<double> FieldNameBaselines(double top, double bottom, double gap,
                                       const TextExtent& text, int tries);

class CLabelSpace {
 public:
  // Forgets the rooms taken; from now on a label must lie wholly inside a
  // window of width x height pixels (anywhere, without them).
  void Clear();
  void Clear(double width, double height);
  // Takes the room of `box` and returns true when it lies inside the window
  // and nothing taken before overlaps it; returns false and takes nothing otherwise.
  bool Take(const LabelBox& box);
  // Places a label beside a mark of `radius` pixels round window point x, y,
  // `gap` pixels clear of it: to the right, level with the point, or where
  // that room is taken or outside the window, to the left, above, below.
  // Takes the first free room and gives the label's left edge and baseline;
  // false when no side is free.
  bool TakeBeside(double x, double y, double radius, double gap, const TextExtent& text,
                  double& left, double& baseline);
  // Places a label centred on x with its baseline at the first of
  // `baselines` where it is free. A label that would cross the window's
  // edge is moved inside it first, as far as it still stands over x (a name
  // of an area, a compass point or a field stays whole rather than cut).
  // Takes that room and gives the left edge and baseline; false when none is free.
  bool TakeCentred(double x, const std::vector<double>& baselines, const TextExtent& text,
                   double& left, double& baseline);
  // The rooms taken since the last Clear, in the order they were taken.
  const std::vector<LabelBox>& Taken() const { return taken_; }

 private:
  static constexpr double kUnbounded = std::numeric_limits<double>::infinity();
  double left_ = -kUnbounded, bottom_ = -kUnbounded, right_ = kUnbounded, top_ = kUnbounded;
  std::vector<LabelBox> taken_;
};

}  // namespace render
