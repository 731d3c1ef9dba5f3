// What a right click shows: the hits of a selection pass decoded into the
// cards and the notice to open, in order.
#pragma once

#include <vector>

namespace sky {

// The selection names of the faint stars and of the NGC and IC objects:
// the first plus the record's index in its file.
inline constexpr unsigned kFaintStarNameFirst = 1'000'000;
inline constexpr unsigned kNgcIcNameFirst = 2'000'000;

struct PickStep {
  enum Kind { StarCard, BodyCard, DeepSkyCard, Notice };
  Kind What;
  int Index;  // catalogue or Bodies index; for a notice, its string id

  bool operator==(const PickStep&) const = default;
};

// One hit of a selection pass: its name, and how far the pointer lies from
// the middle of the object's drawn mark (device pixels; 0 for a line).
struct PickHit {
  unsigned Name;
  double Distance = 0;

  bool operator==(const PickHit&) const = default;
};

// How near the middle of a deep-sky object's symbol a click counts as a
// click on its middle, in device pixels.
inline constexpr double kSymbolMiddle = 3;

// The hits are in the order their layers were drawn. Every star, body or
// deep-sky object under the pointer gets one card: first the deep-sky
// objects whose symbol's middle was clicked (before the stars drawn there,
// such as the Trapezium in M42), then the nearest, and of equally near ones
// the topmost. A line or Magellanic Cloud gets its
// notice only when no object is under the pointer: the topmost notice name
// that has nothing but notice names below it, at most one.
std::vector<PickStep> PickSteps(const std::vector<PickHit>& hits);

}  // namespace sky
