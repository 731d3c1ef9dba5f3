#include "render/frame.h"

namespace render {

// The Milky Way band, textured, fading with the Sun.
void BuildMilkyWayList() {}
void DrawMilkyWay(const Frame&) {}

}  // namespace render
