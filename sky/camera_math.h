// The matrix arithmetic of the sky camera, done the way GL and GLU do it, so
// that the window <-> sky conversions need no GL context.
// Matrices are 16 doubles in GL's column-major order: element [c * 4 + r].
#pragma once

namespace astro {
struct AstroState;
struct PrecessionMatrix;
}  // namespace astro

namespace render {

// The orthographic volume of the sky projection for a w x h window at `zoom`:
// the sphere's disc just fills the shorter side at zoom 1; near 1.02 and far 0
// keep the eye-space slab -1.02 <= z <= 0, the hemisphere facing the viewer.
struct OrthoVolume {
  double Left, Right, Bottom, Top, Near, Far;
};
OrthoVolume SkyOrthoVolume(int width, int height, double zoom);

// The matrix glOrtho multiplies with.
void OrthoMatrix(const OrthoVolume& v, double m[16]);

// gluProject: model point -> window x, y (y upwards) and depth; false when the
// clip-space w is 0 or the result is not a finite number.
bool ProjectPoint(double x, double y, double z, const double model[16], const double proj[16],
                  const int viewport[4], double win[3]);

// gluUnProject: window x, y (y upwards) and depth -> model point; false when
// the combined matrix cannot be inverted or the result is not a finite number.
bool UnProjectPoint(double winX, double winY, double winZ, const double model[16],
                    const double proj[16], const int viewport[4], double obj[3]);

// The precession from J2000 to the date (or back, `inverse`) acting on the
// drawing points of the GL scene (+Y the north pole, 0 h towards -Z, 6 h
// towards -X), for glMultMatrixd.
void PrecessionModelMatrix(const astro::PrecessionMatrix& p, bool inverse, double m[16]);

// a = b * c, 4 x 4, column-major.
void MultiplyMatrices(const double b[16], const double c[16], double a[16]);

// The matrix glRotated multiplies with: `angle` degrees about the axis (x, y, z).
void RotationMatrix(double angle, double x, double y, double z, double m[16]);

// The hour-angle turn of the horizon frame about the polar axis, degrees in
// (-180, 180]: 270 - (sidereal angle - longitude).
double HourAngleTurn(const astro::AstroState& st);

// The camera's own turn: the tilt `xRotation` about X, then the turn
// `yRotation` about Y (degrees).
void CameraTurnMatrix(double xRotation, double yRotation, double m[16]);

// Turns the J2000 sky into the local horizon frame of the instant and place:
// the zenith on +Y, north towards -X, east towards -Z.
void SkyToHorizonMatrix(const astro::AstroState& st, double m[16]);

// The modelview matrix of the sky camera: its turn and, in local-horizon
// mode, the sky turned into the horizon frame. The screen's frames and the
// printed chart both look through it.
void CameraMatrix(double xRotation, double yRotation, bool horizonMode, const astro::AstroState& st,
                  double m[16]);

}  // namespace render
