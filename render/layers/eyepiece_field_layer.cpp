// The fields of the user's eyepieces and cameras round the middle of the
// view, each named above its top; drawn over everything else, never picked.
// Their names take their label room first: the other names give way.
#include <algorithm>
#include <utility>
#include <vector>

#include "render/bitmap_fonts.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/label_space.h"
#include "render/sky_renderer.h"
#include "sky/eyepiece_fields.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// Amber (red 255, green 192, blue 0), apart from every colour of the sky's own.
constexpr int kFieldColour = 0x00C0FF;
constexpr double kLineWidth = 1.5;
// Pixels between the top of a field and its name's baseline.
constexpr double kNameGap = 4;

// Where field `field`'s name stands: centred above the top of its outline,
// whose points it gives too; false when the field is not drawn.
bool FieldName(const Frame& frame, const sky::EyepieceField& field, const CTextMeasure& measure,
               std::vector<std::pair<double, double>>& outline, double& left, double& baseline) {
  const CSkyDoc& doc = frame.Doc;
  const int width = doc.Viewport[2], height = doc.Viewport[3];
  outline = sky::FieldOutline(sky::SizeOf(field), width, height, frame.Zoom);
  if (outline.empty()) return false;
  double top = 0;
  for (const auto& point : outline) top = std::max(top, point.second);
  left = width / 2.0 - measure.Width(field.Name) / 2.0;
  baseline = height / 2.0 + top + kNameGap * frame.Scale;
  return true;
}

}  // namespace

void ReserveFieldNames(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  if (frame.Picking) return;
  const CTextMeasure measure(LabelFont::Plain14);
  std::vector<std::pair<double, double>> outline;
  for (const sky::EyepieceField& field : doc.Settings.Fields) {
    double left, baseline;
    if (FieldName(frame, field, measure, outline, left, baseline))
      frame.Renderer.Labels().Take(TextRoom(measure, left, baseline, field.Name));
  }
}

void DrawEyepieceFields(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  if (frame.Picking || doc.Settings.Fields.empty()) return;
  const int width = doc.Viewport[2], height = doc.Viewport[3];
  const double cx = width / 2.0, cy = height / 2.0;
  const CTextMeasure measure(LabelFont::Plain14);
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  glLineWidth(static_cast<float>(kLineWidth * frame.Scale));
  std::vector<std::pair<double, double>> outline;
  for (const sky::EyepieceField& field : doc.Settings.Fields) {
    double left, baseline;
    if (!FieldName(frame, field, measure, outline, left, baseline)) continue;
    SetLineColour(doc, kFieldColour);
    glBegin(GL_LINE_LOOP);
    for (const auto& [x, y] : outline) glVertex2d(cx + x, cy + y);
    glEnd();
    DrawText(LabelFont::Plain14, left, baseline, field.Name);
  }
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

}  // namespace render
