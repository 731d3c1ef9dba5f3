// Following an object: while the run's Following flag is on, the object
// selected (CSkyDoc::Selected) stays at the centre of the view as time runs,
// the chart mode changes or the view zooms, until the user moves the view.
#pragma once

#include <string>

#include "sky/object_names.h"

class CSkyDoc;

namespace sky {

// What the view follows: CSkyDoc::RunFlags::Following, 0 for nothing.
inline constexpr int kFollowingSelected = 1;
inline constexpr int kFollowingTelescope = 2;

// Starts following the selected object and centres it; false, and nothing
// changes, when nothing is selected or it cannot be centred now (below the
// horizon in local-horizon mode).
bool StartFollowing(CSkyDoc& doc);

// Starts following the connected telescope's place and centres it; false,
// and nothing changes, without a telescope's place or when it cannot be
// centred now.
bool StartFollowingTelescope(CSkyDoc& doc);

// Turns the camera onto the followed object at the document's instant. While
// it cannot be centred (below the horizon in local-horizon mode) the camera
// stays where it is and the following goes on. Nothing when not following.
void KeepFollowing(CSkyDoc& doc);

// The status bar's words while following ("Following Jupiter"); empty when not.
std::string FollowingText(const CSkyDoc& doc);

// An object's name as a line of text gives it: a star's proper name or
// "HR 2061", "Jupiter", "M 42", "NGC 7000", "IC 434", "HIP 27989", "Orion".
std::string ShortNameOf(const CSkyDoc& doc, SkyObjectRef object);

}  // namespace sky
