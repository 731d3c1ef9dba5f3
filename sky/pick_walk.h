// What a right click shows: the hit names of a selection pass decoded into
// the cards and the notice to open, in order.
#pragma once

#include <vector>

namespace sky {

struct PickStep {
  enum Kind { StarCard, BodyCard, DeepSkyCard, Notice };
  Kind What;
  int Index;  // catalogue or Bodies index; for a notice, its string id

  bool operator==(const PickStep&) const = default;
};

// The hits are in the order their layers were drawn; the walk goes from the
// topmost record down. Every star, body or deep-sky object under the pointer
// gets its card, one after the other; a line or Magellanic Cloud gets its
// notice only when nothing but notice names lies below it, and at most one
// notice is shown, never after a card.
std::vector<PickStep> PickSteps(const std::vector<unsigned>& hitNames);

}  // namespace sky
