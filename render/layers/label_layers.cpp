#include "render/frame.h"

namespace render {

// The proper names of bright stars, the labels of deep-sky objects and the
// Magellanic Clouds, and the compass letters.
void DrawStarNames(const Frame&) {}
void DrawDeepSkyLabels(const Frame&) {}
void DrawCompassLetters(const Frame&) {}

}  // namespace render
