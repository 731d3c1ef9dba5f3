// How far the sky view magnifies: zoom 1 shows the visible half of the sky
// across the window's shorter side, and each step of the zoom commands
// doubles or halves it. The last steps bring the planets' faces up close:
// at 8192 Jupiter fills most of a window 1000 pixels high.
#pragma once

namespace sky {

constexpr double kMinZoom = 1.0, kMaxZoom = 8192.0;

}  // namespace sky
