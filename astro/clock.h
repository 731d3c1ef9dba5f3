// What the computer's own clock says.
#pragma once

namespace astro {

// True while the computer's present local time (time, then localtime) is in
// daylight-saving time, whatever date the sky is set to.
bool IsDaylightSavingNow();

}  // namespace astro
