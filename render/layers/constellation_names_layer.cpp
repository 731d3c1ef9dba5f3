#include "render/frame.h"

namespace render {

// The names of the constellations, drawn with the boundaries.
void DrawConstellationNames(const Frame&) {}

}  // namespace render
