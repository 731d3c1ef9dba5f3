// The sky in night vision: the finished frame dimmed to the reds the eye may
// receive (sky/night_vision.h).
#pragma once

namespace render {

// Scales the red of every pixel of the current viewport to at most
// sky::kNightVisionMaxRed and clears green and blue. Needs a current GL
// context; leaves the GL state as it found it.
void DimToNightVision();

}  // namespace render
