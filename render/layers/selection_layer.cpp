// The object the user searched for: marked by four corners round it, as a
// finder's crosshair, until another is chosen. A deep-sky object that its
// layer leaves out (fainter than the limit, its type or catalogue switched
// off) is drawn, picked and named here all the same, so that a search never
// lands on an empty field.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "astro/transforms.h"
#include "catalog/builtin_tables.h"
#include "render/bitmap_fonts.h"
#include "render/display_list_ids.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/selection_mark.h"
#include "render/sky_renderer.h"
#include "sky/app_settings.h"
#include "sky/deep_catalogues.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// Orange (a COLORREF, red in the low byte): no layer of the sky uses it.
constexpr int kMarkerColour = 0x0090FF;

// Where the selection stands in the window and the half-side of its
// marker (device pixels); false when it cannot be seen.
bool MarkerOf(const Frame& frame, const SelectionMark& s, double& x, double& y, MarkerSize& size) {
  double p[3];
  if (!StarWindowPoint(frame, s.Place.RightAscension, s.Place.Declination, p, x, y)) return false;
  const double pixelsPerDegree = (std::min(frame.View.Viewport[2], frame.View.Viewport[3]) / 2) *
                                 frame.Zoom * astro::kDegToRad;
  size = MarkerSizeOf(s, pixelsPerDegree, frame.Scale);
  return true;
}

}  // namespace

void DrawSelection(const Frame& frame) {
  const std::optional<SelectionMark> s = SelectionOf(frame.Doc, frame.Sky, frame.Zoom);
  if (!s) return;
  const CSkyDoc& doc = frame.Doc;
  if (s->Object && !s->DrawnByItsLayer)
    DrawDeepSkyObject(frame, *s->Object, s->Place.RightAscension, s->Place.Declination, s->Name);
  double x, y;
  MarkerSize marker;
  if (!MarkerOf(frame, *s, x, y, marker)) return;
  const double half = marker.Half;
  if (frame.Picking) {
    // The marked square picks the object too, whatever its type.
    if (s->Name == 0) return;
    double p[3];
    doc.DrawingPoint(s->Place.RightAscension, s->Place.Declination, p);
    glDisable(GL_CULL_FACE);
    PickDisc(frame, p, half, s->Name);
    glEnable(GL_CULL_FACE);
    return;
  }
  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  const double length = marker.CornerLength;
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  SetLineColour(doc, kMarkerColour);
  glLineWidth(static_cast<float>(1.5 * frame.Scale));
  glBegin(GL_LINES);
  for (const double sx : {-1.0, 1.0})
    for (const double sy : {-1.0, 1.0}) {
      const double cx = x + sx * half, cy = y + sy * half;
      glVertex2d(cx, cy);
      glVertex2d(cx - sx * length, cy);
      glVertex2d(cx, cy);
      glVertex2d(cx, cy - sy * length);
    }
  glEnd();
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

void DrawSelectionLabel(const Frame& frame) {
  if (frame.Picking) return;
  const std::optional<SelectionMark> s = SelectionOf(frame.Doc, frame.Sky, frame.Zoom);
  if (!s || s->NamedByItsLayer) return;
  double x, y;
  MarkerSize marker;
  if (!MarkerOf(frame, *s, x, y, marker)) return;
  const CSkyDoc& doc = frame.Doc;
  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  const CTextMeasure measure(LabelFont::Italic14);
  double left, baseline;
  if (!PlaceLabel(frame, measure, x, y, marker.Half, s->Label, left, baseline)) return;
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  SetLineColour(doc, kMarkerColour);
  DrawText(LabelFont::Italic14, left, baseline, s->Label);
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

}  // namespace render
