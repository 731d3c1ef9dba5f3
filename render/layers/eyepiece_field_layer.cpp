// The fields of the user's eyepieces and cameras round the middle of the
// view, each named above its top; drawn over everything else, never picked.
// Their names take their label room before the other names (after the
// compass letters), each its own: the other names give way.
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

// The outline of `field` round the middle of the view, in pixels from it.
std::vector<std::pair<double, double>> Outline(const Frame& frame,
                                               const sky::EyepieceField& field) {
  return sky::FieldOutline(sky::SizeOf(field), frame.View.Viewport[2], frame.View.Viewport[3],
                           frame.Zoom);
}

}  // namespace

void ReserveFieldNames(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  std::vector<PlacedLabel>& placed = frame.Renderer.FieldLabels();
  if (frame.Picking) return;
  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  const CTextMeasure measure(LabelFont::Plain14);
  const auto& fields = doc.Settings().Fields;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const auto outline = Outline(frame, fields[i]);
    if (outline.empty()) continue;
    double top = 0, bottom = 0;
    for (const auto& point : outline) {
      top = std::max(top, point.second);
      bottom = std::min(bottom, point.second);
    }
    // Centred above its top, or where another name stands there, below its
    // bottom or higher up.
    const TextExtent text = ExtentOf(measure, fields[i].Name);
    const std::vector<double> baselines =
        FieldNameBaselines(height / 2.0 + top, height / 2.0 + bottom, kNameGap * frame.Scale, text,
                           static_cast<int>(fields.size()) + 2);
    double left, baseline;
    if (frame.Renderer.Labels().TakeCentred(width / 2.0, baselines, text, left, baseline))
      placed.push_back({static_cast<int>(i), left, baseline});
  }
}

void DrawEyepieceFields(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  if (frame.Picking || doc.Settings().Fields.empty()) return;
  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  const double cx = width / 2.0, cy = height / 2.0;
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  glLineWidth(static_cast<float>(kLineWidth * frame.Scale));
  SetLineColour(doc, kFieldColour);
  for (const sky::EyepieceField& field : doc.Settings().Fields) {
    glBegin(GL_LINE_LOOP);
    for (const auto& [x, y] : Outline(frame, field)) glVertex2d(cx + x, cy + y);
    glEnd();
  }
  for (const PlacedLabel& name : frame.Renderer.FieldLabels())
    DrawText(LabelFont::Plain14, name.Left, name.Baseline, doc.Settings().Fields[name.Id].Name);
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

}  // namespace render
