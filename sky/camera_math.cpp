#include "sky/camera_math.h"

#include <cmath>

#include "astro/astro_state.h"
#include "astro/precession.h"

namespace render {

OrthoVolume SkyOrthoVolume(int width, int height, double zoom) {
  const double a = height == 0 ? width : static_cast<double>(width) / height;
  if (width <= height && a != 0 && zoom != 0)
    return {-1 / zoom, 1 / zoom, -1 / (a * zoom), 1 / (a * zoom), 1.02, 0};
  return {-a / zoom, a / zoom, -1 / zoom, 1 / zoom, 1.02, 0};
}

void OrthoMatrix(const OrthoVolume& v, double m[16]) {
  for (int i = 0; i < 16; ++i) m[i] = 0;
  m[0] = 2 / (v.Right - v.Left);
  m[5] = 2 / (v.Top - v.Bottom);
  m[10] = -2 / (v.Far - v.Near);
  m[12] = -(v.Right + v.Left) / (v.Right - v.Left);
  m[13] = -(v.Top + v.Bottom) / (v.Top - v.Bottom);
  m[14] = -(v.Far + v.Near) / (v.Far - v.Near);
  m[15] = 1;
}

void PrecessionModelMatrix(const astro::PrecessionMatrix& p, bool inverse, double m[16]) {
  // Drawing point = S * rectangular vector, with x_d = -y, y_d = z, z_d = -x.
  constexpr double S[3][3] = {{0, -1, 0}, {0, 0, 1}, {-1, 0, 0}};
  for (int i = 0; i < 16; ++i) m[i] = i % 5 == 0 ? 1 : 0;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) {
      double sum = 0;  // (S P S^T)[r][c]
      for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) sum += S[r][i] * (inverse ? p.M[j][i] : p.M[i][j]) * S[c][j];
      m[c * 4 + r] = sum;
    }
}

void MultiplyMatrices(const double b[16], const double c[16], double a[16]) {
  double r[16];
  for (int col = 0; col < 4; ++col)
    for (int row = 0; row < 4; ++row) {
      double sum = 0;
      for (int k = 0; k < 4; ++k) sum += b[k * 4 + row] * c[col * 4 + k];
      r[col * 4 + row] = sum;
    }
  for (int i = 0; i < 16; ++i) a[i] = r[i];
}

void RotationMatrix(double angle, double x, double y, double z, double m[16]) {
  // glRotated: the axis normalised, then the rotation of Rodrigues' formula.
  const double length = std::sqrt(x * x + y * y + z * z);
  for (int i = 0; i < 16; ++i) m[i] = i % 5 == 0 ? 1 : 0;
  if (length == 0) return;
  x /= length;
  y /= length;
  z /= length;
  const double a = angle * astro::kDegToRad, c = std::cos(a), s = std::sin(a), t = 1 - c;
  m[0] = x * x * t + c;
  m[1] = y * x * t + z * s;
  m[2] = x * z * t - y * s;
  m[4] = x * y * t - z * s;
  m[5] = y * y * t + c;
  m[6] = y * z * t + x * s;
  m[8] = x * z * t + y * s;
  m[9] = y * z * t - x * s;
  m[10] = z * z * t + c;
}

double HourAngleTurn(const astro::AstroState& st) {
  const double h = (st.SiderealAngle - st.Longitude - 4050.0) * astro::kDegToRad;
  return std::atan2(std::sin(h), -std::cos(h)) * astro::kRadToDeg;
}

void CameraTurnMatrix(double xRotation, double yRotation, double m[16]) {
  double tilt[16], turn[16];
  RotationMatrix(xRotation, 1, 0, 0, tilt);
  RotationMatrix(yRotation, 0, 1, 0, turn);
  MultiplyMatrices(tilt, turn, m);
}

void SkyToHorizonMatrix(const astro::AstroState& st, double m[16]) {
  // Latitude and hour angle turn the sky of date; the precession brings the
  // J2000 scene to the date first.
  double latitude[16], hourAngle[16], precession[16];
  RotationMatrix(90 - st.Latitude, 0, 0, 1, latitude);
  RotationMatrix(HourAngleTurn(st), 0, 1, 0, hourAngle);
  PrecessionModelMatrix(st.Precession, false, precession);
  MultiplyMatrices(latitude, hourAngle, m);
  MultiplyMatrices(m, precession, m);
}

void CameraMatrix(double xRotation, double yRotation, bool horizonMode, const astro::AstroState& st,
                  double m[16]) {
  CameraTurnMatrix(xRotation, yRotation, m);
  if (!horizonMode) return;
  double skyToHorizon[16];
  SkyToHorizonMatrix(st, skyToHorizon);
  MultiplyMatrices(m, skyToHorizon, m);
}

namespace {

void Transform(const double m[16], const double in[4], double out[4]) {
  for (int i = 0; i < 4; ++i)
    out[i] =
        in[0] * m[0 * 4 + i] + in[1] * m[1 * 4 + i] + in[2] * m[2 * 4 + i] + in[3] * m[3 * 4 + i];
}

// Inverse by cofactors; false when the determinant is 0.
bool Invert(const double m[16], double inv[16]) {
  double t[16];
  t[0] = m[5] * m[10] * m[15] - m[5] * m[11] * m[14] - m[9] * m[6] * m[15] + m[9] * m[7] * m[14] +
         m[13] * m[6] * m[11] - m[13] * m[7] * m[10];
  t[4] = -m[4] * m[10] * m[15] + m[4] * m[11] * m[14] + m[8] * m[6] * m[15] - m[8] * m[7] * m[14] -
         m[12] * m[6] * m[11] + m[12] * m[7] * m[10];
  t[8] = m[4] * m[9] * m[15] - m[4] * m[11] * m[13] - m[8] * m[5] * m[15] + m[8] * m[7] * m[13] +
         m[12] * m[5] * m[11] - m[12] * m[7] * m[9];
  t[12] = -m[4] * m[9] * m[14] + m[4] * m[10] * m[13] + m[8] * m[5] * m[14] - m[8] * m[6] * m[13] -
          m[12] * m[5] * m[10] + m[12] * m[6] * m[9];
  t[1] = -m[1] * m[10] * m[15] + m[1] * m[11] * m[14] + m[9] * m[2] * m[15] - m[9] * m[3] * m[14] -
         m[13] * m[2] * m[11] + m[13] * m[3] * m[10];
  t[5] = m[0] * m[10] * m[15] - m[0] * m[11] * m[14] - m[8] * m[2] * m[15] + m[8] * m[3] * m[14] +
         m[12] * m[2] * m[11] - m[12] * m[3] * m[10];
  t[9] = -m[0] * m[9] * m[15] + m[0] * m[11] * m[13] + m[8] * m[1] * m[15] - m[8] * m[3] * m[13] -
         m[12] * m[1] * m[11] + m[12] * m[3] * m[9];
  t[13] = m[0] * m[9] * m[14] - m[0] * m[10] * m[13] - m[8] * m[1] * m[14] + m[8] * m[2] * m[13] +
          m[12] * m[1] * m[10] - m[12] * m[2] * m[9];
  t[2] = m[1] * m[6] * m[15] - m[1] * m[7] * m[14] - m[5] * m[2] * m[15] + m[5] * m[3] * m[14] +
         m[13] * m[2] * m[7] - m[13] * m[3] * m[6];
  t[6] = -m[0] * m[6] * m[15] + m[0] * m[7] * m[14] + m[4] * m[2] * m[15] - m[4] * m[3] * m[14] -
         m[12] * m[2] * m[7] + m[12] * m[3] * m[6];
  t[10] = m[0] * m[5] * m[15] - m[0] * m[7] * m[13] - m[4] * m[1] * m[15] + m[4] * m[3] * m[13] +
          m[12] * m[1] * m[7] - m[12] * m[3] * m[5];
  t[14] = -m[0] * m[5] * m[14] + m[0] * m[6] * m[13] + m[4] * m[1] * m[14] - m[4] * m[2] * m[13] -
          m[12] * m[1] * m[6] + m[12] * m[2] * m[5];
  t[3] = -m[1] * m[6] * m[11] + m[1] * m[7] * m[10] + m[5] * m[2] * m[11] - m[5] * m[3] * m[10] -
         m[9] * m[2] * m[7] + m[9] * m[3] * m[6];
  t[7] = m[0] * m[6] * m[11] - m[0] * m[7] * m[10] - m[4] * m[2] * m[11] + m[4] * m[3] * m[10] +
         m[8] * m[2] * m[7] - m[8] * m[3] * m[6];
  t[11] = -m[0] * m[5] * m[11] + m[0] * m[7] * m[9] + m[4] * m[1] * m[11] - m[4] * m[3] * m[9] -
          m[8] * m[1] * m[7] + m[8] * m[3] * m[5];
  t[15] = m[0] * m[5] * m[10] - m[0] * m[6] * m[9] - m[4] * m[1] * m[10] + m[4] * m[2] * m[9] +
          m[8] * m[1] * m[6] - m[8] * m[2] * m[5];
  const double det = m[0] * t[0] + m[1] * t[4] + m[2] * t[8] + m[3] * t[12];
  if (det == 0) return false;
  for (int i = 0; i < 16; ++i) inv[i] = t[i] / det;
  return true;
}

}  // namespace

bool ProjectPoint(double x, double y, double z, const double model[16], const double proj[16],
                  const int viewport[4], double win[3]) {
  const double in[4] = {x, y, z, 1.0};
  double eye[4], clip[4];
  Transform(model, in, eye);
  Transform(proj, eye, clip);
  if (clip[3] == 0.0) return false;
  for (int i = 0; i < 3; ++i) clip[i] /= clip[3];
  win[0] = viewport[0] + (1 + clip[0]) * viewport[2] / 2;
  win[1] = viewport[1] + (1 + clip[1]) * viewport[3] / 2;
  win[2] = (1 + clip[2]) / 2;
  return std::isfinite(win[0]) && std::isfinite(win[1]) && std::isfinite(win[2]);
}

bool UnProjectPoint(double winX, double winY, double winZ, const double model[16],
                    const double proj[16], const int viewport[4], double obj[3]) {
  double combined[16], inverse[16];
  MultiplyMatrices(proj, model, combined);
  if (!Invert(combined, inverse)) return false;
  if (viewport[2] == 0 || viewport[3] == 0) return false;
  const double in[4] = {(winX - viewport[0]) * 2 / viewport[2] - 1,
                        (winY - viewport[1]) * 2 / viewport[3] - 1, 2 * winZ - 1, 1.0};
  double out[4];
  Transform(inverse, in, out);
  if (out[3] == 0.0) return false;
  for (int i = 0; i < 3; ++i) obj[i] = out[i] / out[3];
  return std::isfinite(obj[0]) && std::isfinite(obj[1]) && std::isfinite(obj[2]);
}

}  // namespace render
