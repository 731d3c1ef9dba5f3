// The equatorial grid, the constellation figures and boundaries and the
// ecliptic: compiled into display lists (again only when the refraction of a
// local-horizon sky moves their points); a frame sets the colour and calls
// the list. They run in the selection pass too.
#include "render/display_list_ids.h"
#include "render/frame.h"
#include "render/gl.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// The lines' width in logical pixels; the lists leave it to the frame, which
// scales it with the device-pixel ratio.
constexpr double kLineWidth = 1.5;

void Vertex(const CSkyDoc& doc, double raHours, double decDegrees) {
  double p[3];
  doc.DrawingPoint(raHours, decDegrees, p);
  glVertex3dv(p);
}

// Walks polyline records into line segments: a polyline runs from its first
// record up to and including the first later record whose mark ends it.
template <typename EndsAt>
void Polylines(const CSkyDoc& doc, const ConstellationLineRecord* records, int count, EndsAt ends) {
  glBegin(GL_LINES);
  int start = 0;
  while (start < count) {
    int k = start + 1;
    for (; k < count; ++k) {
      Vertex(doc, records[k - 1].RightAscension, records[k - 1].Declination);
      Vertex(doc, records[k].RightAscension, records[k].Declination);
      if (ends(records[k])) break;
    }
    start = k + 1;
  }
  glEnd();
}

}  // namespace

void SetLineColour(const CSkyDoc& doc, int colorref) {
  if (doc.RedScreen)
    glColor3ub(255, 0, 0);
  else
    glColor3ub(colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF);
}

void BuildGridList(const CSkyDoc& doc) {
  glNewList(kListGrid, GL_COMPILE);
  glPushMatrix();
  glLoadName(kNameHourCircle);
  // Hour circles stop 10 degrees short of the poles.
  for (int ra = 0; ra < 360; ra += 15) {
    glBegin(GL_LINE_STRIP);
    for (int dec = -80; dec <= 80; dec += 5) Vertex(doc, ra / 15.0, dec);
    glEnd();
  }
  glLoadName(kNameParallel);
  for (int dec = 15; dec <= 75; dec += 15) {
    glBegin(GL_LINE_STRIP);
    for (int ra = 0; ra <= 360; ra += 5) Vertex(doc, ra / 15.0, dec);
    glEnd();
  }
  glLoadName(kNameParallel);
  for (int dec = 0; dec >= -75; dec -= 15) {
    glBegin(GL_LINE_STRIP);
    for (int ra = 0; ra <= 360; ra += 5) Vertex(doc, ra / 15.0, dec);
    glEnd();
  }
  glPopMatrix();
  glEndList();
}

void BuildFigureList(const CSkyDoc& doc) {
  glNewList(kListFigures, GL_COMPILE);
  glPushMatrix();
  glLoadName(kNameFigureLine);
  // In the figure file a non-zero mark ends a polyline.
  Polylines(doc, doc.ConstellationLines, kConstellationLineCount,
            [](const ConstellationLineRecord& r) { return r.EndMark != 0; });
  glPopMatrix();
  glEndList();
}

void BuildBoundaryList(const CSkyDoc& doc) {
  glNewList(kListBoundaries, GL_COMPILE);
  glPushMatrix();
  glLoadName(kNameBoundary);
  // In the boundary file the mark says the other way round: 0 ends a polyline.
  Polylines(doc, doc.BoundaryPoints, kBoundaryCount,
            [](const BoundaryRecord& r) { return r.EndMark == 0; });
  glPopMatrix();
  glEndList();
}

void BuildEclipticList(const CSkyDoc& doc) {
  glNewList(kListEcliptic, GL_COMPILE);
  glPushMatrix();
  glLoadName(kNameEcliptic);
  glBegin(GL_LINE_LOOP);
  for (int i = 0; i < kEclipticPointCount - 1; ++i)
    Vertex(doc, doc.EclipticPoints[i].RightAscension, doc.EclipticPoints[i].Declination);
  glEnd();
  glPopMatrix();
  glEndList();
}

void DrawBoundaries(const Frame& frame) {
  SetLineColour(frame.Doc, frame.Doc.Settings.ConstBoundariesColor);
  glLineWidth(static_cast<float>(kLineWidth * frame.Scale));
  const HorizonClip clip(frame.Doc);
  glCallList(kListBoundaries);
}

void DrawConstellationLines(const Frame& frame) {
  SetLineColour(frame.Doc, frame.Doc.Settings.ConstLinesColor);
  glLineWidth(static_cast<float>(kLineWidth * frame.Scale));
  const HorizonClip clip(frame.Doc);
  glCallList(kListFigures);
}

void DrawEcliptic(const Frame& frame) {
  SetLineColour(frame.Doc, frame.Doc.Settings.EclipticColor);
  glLineWidth(static_cast<float>(kLineWidth * frame.Scale));
  const HorizonClip clip(frame.Doc);
  glCallList(kListEcliptic);
}

void DrawGrid(const Frame& frame) {
  SetLineColour(frame.Doc, frame.Doc.Settings.GridsColor);
  glLineWidth(static_cast<float>(kLineWidth * frame.Scale));
  const HorizonClip clip(frame.Doc);
  glCallList(kListGrid);
}

}  // namespace render
