#include "render/frame.h"

namespace render {

// The Sun, the Moon, the planets and their names.
void DrawSolarSystem(const Frame&) {}

}  // namespace render
