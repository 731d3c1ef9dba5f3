// The sky an eyepiece or a camera takes in.
#include <gtest/gtest.h>

#include "astro/field_of_view.h"

namespace {

TEST(FieldOfView, EyepieceTrueFieldIsTheApparentFieldOverTheMagnification) {
  struct Case {
    double Telescope, Eyepiece, Apparent, TrueField;
  } const kCases[] = {
      {1000, 25, 52, 1.3},        // x40: 52 / 40
      {2000, 10, 82, 0.41},       // x200
      {500, 40, 68, 5.44},        // x12.5
      {1200, 32, 50, 4.0 / 3.0},  // x37.5
      {1000, 1000, 52, 52},       // x1: the apparent field itself
  };
  for (const Case& c : kCases)
    EXPECT_NEAR(astro::EyepieceTrueField(c.Telescope, c.Eyepiece, c.Apparent), c.TrueField, 1e-12)
        << c.Telescope << " " << c.Eyepiece;
}

TEST(FieldOfView, FocalPlaneAngleIsTwiceTheArcTangentOfHalfTheSizeOverTheFocalLength) {
  struct Case {
    double Size, Focal, Degrees;
  } const kCases[] = {
      {36, 50, 39.5977527},     // 2 atan(0.36): a full-frame width behind a standard lens
      {24, 50, 26.9914666},     // 2 atan(0.24)
      {23.5, 1000, 1.3463889},  // 2 atan(0.01175): almost 23.5 / 1000 rad
      {15.6, 1000, 0.8937960},
      {100, 50, 90},  // 2 atan(1)
      {0, 1000, 0},
  };
  for (const Case& c : kCases)
    EXPECT_NEAR(astro::FocalPlaneAngle(c.Size, c.Focal), c.Degrees, 1e-6)
        << c.Size << " " << c.Focal;
}

}  // namespace
