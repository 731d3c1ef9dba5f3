// The part of the sky an instrument takes in: the true field of an eyepiece
// and the angle a camera's sensor spans.
#pragma once

namespace astro {

// The true field of an eyepiece, degrees: its apparent field (degrees)
// divided by the magnification, which is the telescope's focal length over
// the eyepiece's (both millimetres):
//   true field = apparent field x eyepiece focal length / telescope focal length.
// A 52-degree eyepiece of 25 mm on a telescope of 1000 mm shows 1.3 degrees.
// (The rule of thumb of every observing guide; an eyepiece's distortion
// makes the real field differ from it by a few per cent at most.)
double EyepieceTrueField(double telescopeFocalMm, double eyepieceFocalMm, double apparentFieldDeg);

// The angle, degrees, that a length `sizeMm` of the focal plane spans
// through an objective of focal length `focalMm`, centred on the axis:
//   2 atan(size / (2 focal)).
// A sensor 36 mm wide behind 50 mm spans 39.6 degrees.
double FocalPlaneAngle(double sizeMm, double focalMm);

}  // namespace astro
