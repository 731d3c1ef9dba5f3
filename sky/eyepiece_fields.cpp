#include "sky/eyepiece_fields.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <numbers>
#include <string_view>

#include "astro/field_of_view.h"
#include "astro/transforms.h"
#include "res/strings.h"
#include "sky/camera_math.h"
#include "sky/profile.h"

namespace sky {
namespace {

constexpr const char* kSection = "Eyepiece Fields";
constexpr const char* kKindNames[] = {"Circle", "Eyepiece", "Camera"};

constexpr unsigned Bit(FieldKind kind) { return 1u << static_cast<unsigned>(kind); }

// The numbers of a field: the key of the settings file, what the dialog's
// message calls it, the range, and the kinds that have it.
struct Parameter {
  const char* Key;
  const char* What;
  double EyepieceField::*Value;
  std::string FieldTexts::*Text;
  double Low, High;
  unsigned Kinds;
};

const Parameter kParameters[] = {
    {"Diameter", "The diameter in arc-minutes", &EyepieceField::Diameter, &FieldTexts::Diameter,
     0.1, 5400, Bit(FieldKind::Circle)},
    {"Telescope", "The telescope's focal length in mm", &EyepieceField::TelescopeFocal,
     &FieldTexts::TelescopeFocal, 10, 100000, Bit(FieldKind::Eyepiece) | Bit(FieldKind::Camera)},
    {"Eyepiece", "The eyepiece's focal length in mm", &EyepieceField::EyepieceFocal,
     &FieldTexts::EyepieceFocal, 1, 200, Bit(FieldKind::Eyepiece)},
    {"ApparentField", "The eyepiece's apparent field in degrees", &EyepieceField::ApparentField,
     &FieldTexts::ApparentField, 10, 130, Bit(FieldKind::Eyepiece)},
    {"SensorWidth", "The sensor's width in mm", &EyepieceField::SensorWidth,
     &FieldTexts::SensorWidth, 0.5, 200, Bit(FieldKind::Camera)},
    {"SensorHeight", "The sensor's height in mm", &EyepieceField::SensorHeight,
     &FieldTexts::SensorHeight, 0.5, 200, Bit(FieldKind::Camera)},
};

bool Uses(const Parameter& p, FieldKind kind) { return (p.Kinds & Bit(kind)) != 0; }
bool InRange(const Parameter& p, double v) { return v >= p.Low && v <= p.High; }

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A text that is a finite number as a whole, blanks around it allowed.
bool ParseNumber(std::string_view text, double& value) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double v = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
    return false;
  value = v;
  return true;
}

// The shortest text that reads back as `v`, without an exponent where that
// fits ("100000", "23.5").
std::string NumberText(double v) {
  char text[64];
  std::to_chars_result r = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed);
  if (r.ec != std::errc()) r = std::to_chars(text, text + sizeof text, v);
  return r.ec == std::errc() ? std::string(text, r.ptr) : std::string();
}

std::string KeyOf(const char* name, int index) { return name + std::to_string(index + 1); }

double Widest(const FieldSize& size) { return std::max(size.Width, size.Height); }
// Not a number counts as too wide.
bool TooWide(const EyepieceField& field) { return !(Widest(SizeOf(field)) <= kMaxFieldDegrees); }

std::string AngleText(double degrees) {
  char text[32];
  if (degrees >= 1)
    std::snprintf(text, sizeof text, "%.2f\xC2\xB0", degrees);
  else
    std::snprintf(text, sizeof text, "%.1f'", degrees * 60);
  return text;
}

// Brings a field's name and numbers into range; a change is reported
// through `report(key, before, after)`.
template <typename Report>
void ClampField(EyepieceField& field, int index, Report&& report) {
  if (field.Name.size() > kMaxFieldNameLength) {
    const std::string before = field.Name;
    field.Name.resize(kMaxFieldNameLength);
    report(KeyOf("Field", index), before, field.Name);
  }
  const EyepieceField defaults;
  for (const Parameter& p : kParameters) {
    if (!Uses(p, field.Kind) || InRange(p, field.*p.Value)) continue;
    const double before = field.*p.Value;
    field.*p.Value = defaults.*p.Value;
    report(KeyOf(p.Key, index), NumberText(before), NumberText(field.*p.Value));
  }
}

}  // namespace

FieldSize SizeOf(const EyepieceField& field) {
  switch (field.Kind) {
    case FieldKind::Circle:
      return {field.Diameter / 60, field.Diameter / 60, false};
    case FieldKind::Eyepiece: {
      const double d =
          astro::EyepieceTrueField(field.TelescopeFocal, field.EyepieceFocal, field.ApparentField);
      return {d, d, false};
    }
    case FieldKind::Camera:
      return {astro::FocalPlaneAngle(field.SensorWidth, field.TelescopeFocal),
              astro::FocalPlaneAngle(field.SensorHeight, field.TelescopeFocal), true};
  }
  return {};
}

std::string FieldSizeText(const EyepieceField& field) {
  const FieldSize size = SizeOf(field);
  if (!size.Rectangle) return AngleText(size.Width);
  return AngleText(size.Width) + " x " + AngleText(size.Height);
}

FieldTexts TextsOf(const EyepieceField& field) {
  FieldTexts texts;
  texts.Name = field.Name;
  texts.Kind = field.Kind;
  for (const Parameter& p : kParameters) texts.*p.Text = NumberText(field.*p.Value);
  return texts;
}

std::string FieldFromTexts(const FieldTexts& texts, EyepieceField& field) {
  EyepieceField out = field;
  out.Name = Trimmed(texts.Name).substr(0, kMaxFieldNameLength);
  if (out.Name.empty()) return std::string(res::String(res::IDS_FIELD_NO_NAME));
  out.Kind = texts.Kind;
  for (const Parameter& p : kParameters) {
    if (!Uses(p, out.Kind)) continue;
    double v = 0;
    if (!ParseNumber(texts.*p.Text, v) || !InRange(p, v))
      return res::Format(res::IDS_FIELD_NUMBER_RANGE,
                         {p.What, NumberText(p.Low), NumberText(p.High)});
    out.*p.Value = v;
  }
  if (TooWide(out))
    return res::Format(res::IDS_FIELD_TOO_WIDE,
                       {AngleText(Widest(SizeOf(out))), AngleText(kMaxFieldDegrees)});
  field = std::move(out);
  return {};
}

std::vector<EyepieceField> LoadEyepieceFields(const CProfile& profile,
                                              std::vector<std::string>& changes) {
  const auto report = [&](const std::string& key, const std::string& before,
                          const std::string& after) {
    changes.push_back(key + "=" + before + " -> " + after);
  };
  constexpr std::string_view kAbsent = "\x01";
  std::vector<EyepieceField> fields;
  for (int i = 0; i < kMaxEyepieceFields; ++i) {
    EyepieceField field;
    field.Name = profile.GetString(kSection, KeyOf("Field", i), "");
    if (field.Name.empty()) continue;
    const std::string kind = profile.GetString(kSection, KeyOf("Kind", i), "Eyepiece");
    const auto known = std::find_if(std::begin(kKindNames), std::end(kKindNames),
                                    [&](const char* name) { return kind == name; });
    if (known == std::end(kKindNames)) report(KeyOf("Kind", i), kind, "Eyepiece");
    field.Kind = known == std::end(kKindNames)
                     ? FieldKind::Eyepiece
                     : static_cast<FieldKind>(known - std::begin(kKindNames));
    // The file's texts: one that is not a number reads as out of range.
    for (const Parameter& p : kParameters) {
      const std::string text = Uses(p, field.Kind)
                                   ? profile.GetString(kSection, KeyOf(p.Key, i), kAbsent)
                                   : std::string(kAbsent);
      if (text == kAbsent) continue;
      double v = 0;
      if (ParseNumber(text, v) && InRange(p, v)) {
        field.*p.Value = v;
      } else {
        report(KeyOf(p.Key, i), text, NumberText((EyepieceField{}.*p.Value)));
      }
    }
    ClampField(field, i, report);
    if (TooWide(field)) {
      report(KeyOf("Field", i), field.Name, "left out");
      continue;
    }
    fields.push_back(std::move(field));
  }
  return fields;
}

void ClampEyepieceFields(std::vector<EyepieceField>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i)
    ClampField(fields[i], static_cast<int>(i), [](auto&&...) {});
  std::erase_if(fields, [](const EyepieceField& f) { return f.Name.empty() || TooWide(f); });
  if (fields.size() > kMaxEyepieceFields) fields.resize(kMaxEyepieceFields);
}

void StoreEyepieceFields(const std::vector<EyepieceField>& held, CProfile& profile) {
  std::vector<EyepieceField> fields = held;
  ClampEyepieceFields(fields);
  // A key the file has but the list does not use is emptied.
  const auto empty = [&](const std::string& key) {
    if (profile.GetString(kSection, key, "\n") != "\n") profile.WriteString(kSection, key, "");
  };
  for (int i = 0; i < kMaxEyepieceFields; ++i) {
    const EyepieceField* field = i < static_cast<int>(fields.size()) ? &fields[i] : nullptr;
    if (field) {
      profile.WriteString(kSection, KeyOf("Field", i), field->Name);
      profile.WriteString(kSection, KeyOf("Kind", i), kKindNames[static_cast<int>(field->Kind)]);
    } else {
      empty(KeyOf("Field", i));
      empty(KeyOf("Kind", i));
    }
    for (const Parameter& p : kParameters) {
      if (field && Uses(p, field->Kind))
        profile.WriteNumber(kSection, KeyOf(p.Key, i), NumberText(field->*p.Value));
      else
        empty(KeyOf(p.Key, i));
    }
  }
}

std::vector<std::pair<double, double>> FieldOutline(const FieldSize& size, int width, int height,
                                                    double zoom) {
  std::vector<std::pair<double, double>> points;
  // Window pixels per unit of the sphere's radius, as the sky is projected.
  const render::OrthoVolume volume = render::SkyOrthoVolume(width, height, zoom);
  const double scale = width / (volume.Right - volume.Left);
  const double halfWidth = std::min(size.Width, kMaxFieldDegrees) / 2 * astro::kDegToRad;
  const double halfHeight = std::min(size.Height, kMaxFieldDegrees) / 2 * astro::kDegToRad;
  if (!std::isfinite(scale) || !(halfWidth > 0) || !(halfHeight > 0)) return points;
  if (!size.Rectangle) {
    // The points at the field's radius from the middle lie sin(radius) off
    // the axis of the view.
    constexpr int kPoints = 120;
    const double r = std::sin(halfWidth) * scale;
    for (int k = 0; k < kPoints; ++k) {
      const double t = 2 * std::numbers::pi * k / kPoints;
      points.push_back({r * std::cos(t), r * std::sin(t)});
    }
    return points;
  }
  // The sensor's rectangle on the tangent plane at distance 1, each point
  // brought onto the sphere along its line of sight.
  constexpr int kPerSide = 24;
  const double a = std::tan(halfWidth), b = std::tan(halfHeight);
  const double corners[5][2] = {{-a, -b}, {a, -b}, {a, b}, {-a, b}, {-a, -b}};
  for (int side = 0; side < 4; ++side)
    for (int k = 0; k < kPerSide; ++k) {
      const double s = static_cast<double>(k) / kPerSide;
      const double x = corners[side][0] + (corners[side + 1][0] - corners[side][0]) * s;
      const double y = corners[side][1] + (corners[side + 1][1] - corners[side][1]) * s;
      const double n = std::sqrt(x * x + y * y + 1);
      points.push_back({x / n * scale, y / n * scale});
    }
  return points;
}

}  // namespace sky
