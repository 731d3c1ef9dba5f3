#include "render/frame.h"

namespace render {

// Messier and NGC objects, the Magellanic Clouds and the deep-sky labels.
void DrawDeepSky(const Frame&) {}

}  // namespace render
