// The equatorial grid, the constellation figures and boundaries and the
// ecliptic: compiled into display lists (again only when the refraction of a
// local-horizon sky moves their points); a frame sets the colour and calls
// the list. They run in the selection pass too.
#include "render/display_list_ids.h"
#include "render/frame.h"
#include "render/gl.h"
#include "sky/drawing_rules.h"
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

// The polyline records as line segments.
void Polylines(const CSkyDoc& doc, const ConstellationLineRecord* records, int count,
               LineEndMark end) {
  glBegin(GL_LINES);
  ForEachLineSegment(records, count, end,
                     [&doc](const ConstellationLineRecord& a, const ConstellationLineRecord& b) {
                       Vertex(doc, a.RightAscension, a.Declination);
                       Vertex(doc, b.RightAscension, b.Declination);
                     });
  glEnd();
}

}  // namespace

void SetLineColour(const CSkyDoc& doc, int colorref) {
  if (doc.Run.RedScreen)
    glColor3ub(255, 0, 0);
  else
    glColor3ub(colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF);
}

void BuildGridList(const CSkyDoc& doc) {
  glNewList(kListGrid, GL_COMPILE);
  glPushMatrix();
  for (const sky::GridLine& line : sky::GridLines()) {
    glLoadName(line.HourCircle ? kNameHourCircle : kNameParallel);
    glBegin(GL_LINE_STRIP);
    for (const astro::EquatorialCoord& at : line.Points)
      Vertex(doc, at.RightAscension, at.Declination);
    glEnd();
  }
  glPopMatrix();
  glEndList();
}

void BuildFigureList(const CSkyDoc& doc) {
  glNewList(kListFigures, GL_COMPILE);
  glPushMatrix();
  glLoadName(kNameFigureLine);
  Polylines(doc, doc.Sky.ConstellationLines, kConstellationLineCount, kFigureLineEnd);
  glPopMatrix();
  glEndList();
}

void BuildBoundaryList(const CSkyDoc& doc) {
  glNewList(kListBoundaries, GL_COMPILE);
  glPushMatrix();
  glLoadName(kNameBoundary);
  Polylines(doc, doc.Catalogues.BoundaryPoints, kBoundaryCount, kBoundaryLineEnd);
  glPopMatrix();
  glEndList();
}

void BuildEclipticList(const CSkyDoc& doc) {
  glNewList(kListEcliptic, GL_COMPILE);
  glPushMatrix();
  glLoadName(kNameEcliptic);
  glBegin(GL_LINE_LOOP);
  for (int i = 0; i < kEclipticPointCount - 1; ++i)
    Vertex(doc, doc.Catalogues.EclipticPoints[i].RightAscension,
           doc.Catalogues.EclipticPoints[i].Declination);
  glEnd();
  glPopMatrix();
  glEndList();
}

void DrawBoundaries(const Frame& frame) {
  SetLineColour(frame.Doc, frame.Doc.Settings().ConstBoundariesColor);
  glLineWidth(static_cast<float>(kLineWidth * frame.Scale));
  const HorizonClip clip(frame.Doc);
  glCallList(kListBoundaries);
}

void DrawConstellationLines(const Frame& frame) {
  SetLineColour(frame.Doc, frame.Doc.Settings().ConstLinesColor);
  glLineWidth(static_cast<float>(kLineWidth * frame.Scale));
  const HorizonClip clip(frame.Doc);
  glCallList(kListFigures);
}

void DrawEcliptic(const Frame& frame) {
  SetLineColour(frame.Doc, frame.Doc.Settings().EclipticColor);
  glLineWidth(static_cast<float>(kLineWidth * frame.Scale));
  const HorizonClip clip(frame.Doc);
  glCallList(kListEcliptic);
}

void DrawGrid(const Frame& frame) {
  SetLineColour(frame.Doc, frame.Doc.Settings().GridsColor);
  glLineWidth(static_cast<float>(kLineWidth * frame.Scale));
  const HorizonClip clip(frame.Doc);
  glCallList(kListGrid);
}

}  // namespace render
