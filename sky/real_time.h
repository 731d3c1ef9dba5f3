// Real time: the sky kept at the present instant as the clock runs,
// redrawn only when something shown would change.
#pragma once

namespace sky {

// Seconds until the sky kept at the present instant must be drawn again:
// until a point of the view moves by a pixel (`pixelsPerRadian` at the
// middle of the view), or the status bar's clock turns to the next minute
// (`secondsIntoMinute` past the last), whichever is first; from 1 to 60.
// In local-horizon mode the whole sky turns with the Earth; on the
// equatorial chart only the Moon, the fastest body, moves against it.
double SecondsUntilRedraw(bool horizonMode, double pixelsPerRadian, double secondsIntoMinute);

}  // namespace sky
