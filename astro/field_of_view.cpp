#include "astro/field_of_view.h"

#include <cmath>

#include "astro/transforms.h"

namespace astro {

double EyepieceTrueField(double telescopeFocalMm, double eyepieceFocalMm, double apparentFieldDeg) {
  return apparentFieldDeg * eyepieceFocalMm / telescopeFocalMm;
}

double FocalPlaneAngle(double sizeMm, double focalMm) {
  return 2 * std::atan(sizeMm / (2 * focalMm)) * kRadToDeg;
}

}  // namespace astro
