// The fields of view of the user's eyepieces and cameras: what defines one,
// how much sky it takes in, the checks of the dialog that defines them, how
// the settings file keeps them (section "Eyepiece Fields": Field1, Kind1 and
// the numbers of its kind, then Field2 ...) and the outline drawn round the
// middle of the view.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class CProfile;

namespace sky {

// A circle of a given diameter, an eyepiece's round field or a camera's
// rectangle.
enum class FieldKind { Circle, Eyepiece, Camera };

struct EyepieceField {
  std::string Name;  // Latin-1, as the sky's labels and the chart draw it
  FieldKind Kind = FieldKind::Eyepiece;
  double Diameter = 60;          // Circle: arc-minutes
  double TelescopeFocal = 1000;  // Eyepiece and Camera: the telescope's focal length, mm
  double EyepieceFocal = 25;     // Eyepiece: its focal length, mm
  double ApparentField = 52;     // Eyepiece: its apparent field, degrees
  double SensorWidth = 23.5;     // Camera: the sensor, mm
  double SensorHeight = 15.6;
  bool operator==(const EyepieceField&) const = default;
};

inline constexpr int kMaxEyepieceFields = 16;
inline constexpr std::size_t kMaxFieldNameLength = 40;
// The widest field drawn, degrees: a quarter of the sky's circle.
inline constexpr double kMaxFieldDegrees = 90;

// How much sky a field takes in, degrees: a circle's diameter (Width =
// Height), or a camera's width and height (Rectangle).
struct FieldSize {
  double Width = 0, Height = 0;
  bool Rectangle = false;
};
// Circle: Diameter / 60; Eyepiece: astro::EyepieceTrueField; Camera:
// astro::FocalPlaneAngle of the sensor's width and of its height.
FieldSize SizeOf(const EyepieceField& field);

// The size as the dialog's list shows it (UTF-8): "1.30°", "45.0'", or a
// camera's "1.35° x 0.89°".
std::string FieldSizeText(const EyepieceField& field);

// The texts of the dialog's boxes; the numbers of the kinds not chosen are
// not read.
struct FieldTexts {
  std::string Name;  // Latin-1
  FieldKind Kind = FieldKind::Eyepiece;
  std::string Diameter, TelescopeFocal, EyepieceFocal, ApparentField, SensorWidth, SensorHeight;
};
// The boxes of a field: its numbers in their shortest exact text.
FieldTexts TextsOf(const EyepieceField& field);
// The check of the dialog's Add and Change: the field of `texts` into
// `field`, and "" when it can be drawn; otherwise the message that says what
// to correct (a missing name, a number out of its range, a field wider than
// kMaxFieldDegrees), and `field` is left as it was. Blanks around the texts
// do not count.
std::string FieldFromTexts(const FieldTexts& texts, EyepieceField& field);

// The fields of the settings file, in their order. A name longer than
// kMaxFieldNameLength is cut; an unknown kind reads as Eyepiece; a number
// that is not a finite number within its range takes its default above; a
// field still wider than kMaxFieldDegrees is left out. Each change is added
// to `changes` as "Key=text -> value".
std::vector<EyepieceField> LoadEyepieceFields(const CProfile& profile,
                                              std::vector<std::string>& changes);
// Brings fields held by the program into the ranges the load allows
// (the same rules), so that what is written reads back the same.
void ClampEyepieceFields(std::vector<EyepieceField>& fields);
// Writes the fields as Field1, Kind1 and the numbers of its kind, ...;
// keys of the section left from a longer or different list are emptied.
void StoreEyepieceFields(const std::vector<EyepieceField>& fields, CProfile& profile);

// The outline of a field of `size` round the middle of a w x h view at
// `zoom`, in window pixels from that middle (y upwards), through the sky's
// orthographic projection (render::SkyOrthoVolume): a circle through the
// points `Width` / 2 degrees from the middle, or the rectangle a camera
// pointed there sees (its sides straight on the sky's tangent plane), its
// width along the view's x. Closed: the first point is not repeated.
std::vector<std::pair<double, double>> FieldOutline(const FieldSize& size, int width, int height,
                                                    double zoom);

}  // namespace sky
