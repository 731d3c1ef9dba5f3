#include "render/frame.h"

namespace render {

// The bright stars as sprites or points and their proper names.
void DrawStars(const Frame&) {}

}  // namespace render
