// The fields of the user's eyepieces and cameras round the middle of the
// view, each named above its top; drawn over everything else, never picked.
#include <algorithm>

#include "render/bitmap_fonts.h"
#include "render/frame.h"
#include "render/gl.h"
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

}  // namespace

void DrawEyepieceFields(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  if (frame.Picking || doc.Settings.Fields.empty()) return;
  const int width = doc.Viewport[2], height = doc.Viewport[3];
  const double cx = width / 2.0, cy = height / 2.0;
  const CTextMeasure measure(LabelFont::Plain14);
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  glLineWidth(static_cast<float>(kLineWidth * frame.Scale));
  for (const sky::EyepieceField& field : doc.Settings.Fields) {
    const auto outline = sky::FieldOutline(sky::SizeOf(field), width, height, frame.Zoom);
    if (outline.empty()) continue;
    SetLineColour(doc, kFieldColour);
    double top = 0;
    glBegin(GL_LINE_LOOP);
    for (const auto& [x, y] : outline) {
      glVertex2d(cx + x, cy + y);
      top = std::max(top, y);
    }
    glEnd();
    DrawText(LabelFont::Plain14, cx - measure.Width(field.Name) / 2.0,
             cy + top + kNameGap * frame.Scale, field.Name);
  }
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

}  // namespace render
