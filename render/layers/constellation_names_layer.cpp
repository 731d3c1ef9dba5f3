// The names of the constellations, drawn with the boundaries: centred on
// their points, the baseline through them; a name at the window's edge is
// moved inside it.
#include <cmath>
#include <string>

#include "render/bitmap_fonts.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/label_space.h"
#include "render/sky_names.h"
#include "render/sky_renderer.h"
#include "sky/sky_doc.h"

namespace render {

void DrawConstellationNames(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  if (frame.Picking) return;
  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  const CTextMeasure measure(LabelFont::Bold16);
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  for (const ConstellationNameRecord& record : doc.Catalogues.ConstellationNames) {
    double x, y;
    if (!LabelPosition(doc, frame.View, record.RightAscension, record.Declination, x, y)) continue;
    const std::string name =
        ConstellationLabel(doc.Settings(), std::string(FixedText(record.Name)));
    double left, baseline;
    if (!frame.Renderer.Labels().TakeCentred(x, {y}, ExtentOf(measure, name), left, baseline))
      continue;
    SetLineColour(doc, doc.Settings().ConstLabelsColor);
    DrawText(LabelFont::Bold16, left, baseline, name);
  }
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

}  // namespace render
