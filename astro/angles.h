// Angle helpers shared by the astronomy engine, the renderer and the settings store.
#pragma once

namespace astro {

// Reduces an angle in degrees into [0, 360): x - 360 * floor(x / 360),
// so negative inputs come out positive too (-10 -> 350, 360 -> 0).
double Normalize360(double x);

}  // namespace astro
