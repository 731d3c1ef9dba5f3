#include "render/frame.h"

namespace render {

// In local-horizon mode: the landscape band and the ground with its fog, the
// horizon line and the compass points.
void BuildGroundList() {}
void BuildLandscapeList() {}
void DrawLandscape(const Frame&) {}
void DrawGround(const Frame&) {}

}  // namespace render
