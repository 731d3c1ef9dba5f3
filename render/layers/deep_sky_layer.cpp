// Messier and NGC objects, to their true size, shape and position angle, as
// symbols or as small pictures; then the outlines of the Magellanic Clouds.
// Objects are filtered by catalogue, by type and by magnitude. The NGC and
// IC objects of the NGC/IC file are drawn alike, from the sky cells in view;
// those without a magnitude once the limit reaches the file's depth.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "astro/transforms.h"
#include "catalog/builtin_tables.h"
#include "render/display_list_ids.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/sky_renderer.h"
#include "sky/deep_catalogues.h"
#include "sky/drawing_rules.h"
#include "sky/pick_walk.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

using catalog::DeepSkyType;

// No circle needs more points than this, however large it is on the screen; it
// also keeps a nonsensical axis in a catalogue record from running away.
constexpr double kMaxCirclePoints = 20000;
// The smallest radius in pixels at which an NGC/IC object's symbol is drawn;
// below it the object is a dot.
constexpr double kSmallestSymbolRadius = 1.5;

// An object's local frame: its centre at (0, 0, -1), +X and +Y spanning the
// tangent plane. A point x, y degrees off the centre.
void OffsetVertex(double x, double y) {
  const double xr = x * astro::kDegToRad, yr = y * astro::kDegToRad;
  glVertex3d(-std::sin(xr) * std::cos(yr), std::sin(yr), -std::cos(xr) * std::cos(yr));
}

// A ring of dots of `radius` degrees: the more the larger the cluster.
void RingOfDots(double radius, double majorAxis) {
  const double n = std::floor(std::clamp(majorAxis * 0.1 + 8, 0.0, kMaxCirclePoints));
  glBegin(GL_POINTS);
  for (int k = 0; k < n; ++k) {
    const double phi = 2 * std::numbers::pi * k / n;
    OffsetVertex(radius * std::cos(phi), radius * std::sin(phi));
  }
  glEnd();
}

// A closed circle of `radius` degrees with one point per pixel of its
// radius on the screen, plus nine.
void Circle(double radius, double pixelsPerDegree) {
  const double m = std::trunc(std::clamp(radius * pixelsPerDegree, 0.0, kMaxCirclePoints));
  glBegin(GL_LINE_STRIP);
  for (int k = 0; k <= m + 8; ++k) {
    const double phi = 2 * std::numbers::pi * k / (m + 8);
    OffsetVertex(radius * std::cos(phi), radius * std::sin(phi));
  }
  glEnd();
}

// A cross through the whole circle.
void FullCross(double radius) {
  const double s = std::sin(radius * astro::kDegToRad), c = std::cos(radius * astro::kDegToRad);
  glBegin(GL_LINES);
  glVertex3d(s, 0, -c);
  glVertex3d(-s, 0, -c);
  glVertex3d(0, s, -c);
  glVertex3d(0, -s, -c);
  glEnd();
}

// Four short ticks pointing outwards from the circle's rim.
void OutwardTicks(double radius) {
  const double s = std::sin(radius * astro::kDegToRad), c = std::cos(radius * astro::kDegToRad);
  const double d = radius / 60;
  glBegin(GL_LINES);
  glVertex3d(s, 0, -c);
  glVertex3d(s + d, 0, -c);
  glVertex3d(-s, 0, -c);
  glVertex3d(-s - d, 0, -c);
  glVertex3d(0, s, -c);
  glVertex3d(0, s + d, -c);
  glVertex3d(0, -s, -c);
  glVertex3d(0, -s - d, -c);
  glEnd();
}

void Square(double radius) {
  const double s = std::sin(radius * astro::kDegToRad), c = std::cos(radius * astro::kDegToRad);
  glBegin(GL_LINE_LOOP);
  glVertex3d(s, s, -c);
  glVertex3d(-s, s, -c);
  glVertex3d(-s, -s, -c);
  glVertex3d(s, -s, -c);
  glEnd();
}

// An object whose radius on the screen reaches this many device pixels is
// drawn at its true size and shape: its picture grown until the picture's
// object fills the catalogue's axes, a nebula's outline its two axes. Below
// it the symbols stay as they were; in between the one turns into the other.
constexpr double kTrueSizeFrom = 6, kTrueSizeAt = 12;

// How far from the middle each picture's object reaches, in half-sides of
// the picture (where its texture falls below a tenth of its brightest).
constexpr double kGalaxyReach = 0.45, kGlobularReach = 0.45, kPlanetaryReach = 0.55,
                 kGlowReach = 0.45;

// A nebula's glow lets the stars in it show through.
constexpr double kGlowOpacity = 0.4;

// 0 below kTrueSizeFrom, 1 from kTrueSizeAt on.
double TrueSizeShare(double radiusPixels) {
  return std::clamp((radiusPixels - kTrueSizeFrom) / (kTrueSizeAt - kTrueSizeFrom), 0.0, 1.0);
}

// The type's picture, tinted by the current colour, on a square a little
// larger than the object; at true size (`share` 1) on a square whose
// picture's object (reaching `reach` of its half-side) is the object.
void Picture(unsigned texture, double radius, double share = 0, double reach = 1) {
  const double f = radius / 45 + share * (radius * astro::kDegToRad / reach - radius / 45);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  glBegin(GL_POLYGON);
  glTexCoord2d(0, 0);
  glVertex3d(-f, f, -1);
  glTexCoord2d(1, 0);
  glVertex3d(f, f, -1);
  glTexCoord2d(1, 1);
  glVertex3d(f, -f, -1);
  glTexCoord2d(0, 1);
  glVertex3d(-f, -f, -1);
  glEnd();
  glDisable(GL_TEXTURE_2D);
}

// Turns a galaxy's frame by its position angle and squeezes it to its axis
// ratio (0.5 when an axis is unknown).
void GalaxyFrame(const DeepSkyRecord& record) {
  glRotated(record.PositionAngle - 90, 0, 0, 1);
  const float ratio =
      record.MajorAxis > 0 && record.MinorAxis > 0 ? record.MinorAxis / record.MajorAxis : 0.5f;
  glScalef(1, ratio, 1);
}

// The selection pass: the whole area inside the object's outline, so that a
// click anywhere inside it picks the object; at least half a pixel across.
void PickArea(const DeepSkyRecord& record, DeepSkyType type, double pixelsPerDegree) {
  const double r = std::max(record.MajorAxis / 120.0, 0.5 / pixelsPerDegree);
  if (type == DeepSkyType::Galaxy) GalaxyFrame(record);
  glBegin(GL_POLYGON);
  if (type == DeepSkyType::Nebula) {
    OffsetVertex(r, r);
    OffsetVertex(-r, r);
    OffsetVertex(-r, -r);
    OffsetVertex(r, -r);
  } else {
    constexpr int kCorners = 24;
    for (int k = 0; k < kCorners; ++k) {
      const double phi = 2 * std::numbers::pi * k / kCorners;
      OffsetVertex(r * std::cos(phi), r * std::sin(phi));
    }
  }
  glEnd();
}

void DrawObject(CSkyRenderer& renderer, const DeepSkyRecord& record, DeepSkyType type, bool symbols,
                double pixelsPerDegree) {
  const double r = record.MajorAxis / 120.0;
  // pixelsPerDegree spreads the disc's radius over 90 degrees (enough for
  // counting points); the true scale near the middle is 90 / 57.3 of it.
  const double share = TrueSizeShare(r * pixelsPerDegree * 90 * astro::kDegToRad);
  switch (type) {
    case DeepSkyType::OpenCluster:
      RingOfDots(r, record.MajorAxis);
      break;
    case DeepSkyType::GlobularCluster:
      if (symbols) {
        FullCross(r);
        Circle(r, pixelsPerDegree);
      } else {
        Picture(renderer.Texture(kTexGlobularCluster), r, share, kGlobularReach);
      }
      break;
    case DeepSkyType::Galaxy:
      GalaxyFrame(record);
      if (symbols)
        Circle(r, pixelsPerDegree);
      else
        Picture(renderer.Texture(kTexGalaxy), r, share, kGalaxyReach);
      break;
    case DeepSkyType::PlanetaryNebula:
      if (symbols) {
        OutwardTicks(r);
        Circle(r, pixelsPerDegree);
      } else {
        Picture(renderer.Texture(kTexPlanetaryNebula), r, share, kPlanetaryReach);
      }
      break;
    case DeepSkyType::Nebula:
      if (share == 0) {
        Square(r);
        break;
      }
      // Its own axes at its position angle: the square squeezed to a
      // rectangle among the symbols, a soft glow of that shape among the pictures.
      GalaxyFrame(record);
      if (symbols) {
        Square(r);
      } else {
        glPushAttrib(GL_CURRENT_BIT);
        GLfloat c[4];
        glGetFloatv(GL_CURRENT_COLOR, c);
        glColor4f(c[0], c[1], c[2], static_cast<GLfloat>(c[3] * kGlowOpacity));
        Picture(renderer.Texture(kTexStar), r, share, kGlowReach);
        glPopAttrib();
      }
      break;
    case DeepSkyType::Unknown:
      break;
  }
}

// Sets the colour, line width and point size of the symbols; false when
// they are drawn as symbols (and so culled as lines are).
bool BeginObjects(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  if (doc.Run.RedScreen) {
    glColor3ub(255, 0, 0);
  } else {
    const int c = doc.Settings().DeepSkyColor;
    glColor4ub(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF, 220);
  }
  glLineWidth(static_cast<float>(1.5 * frame.Scale));
  glPointSize(static_cast<float>(2 * frame.Scale));
  const bool symbols = doc.Settings().DeepSkyDrawSymbols == 1;
  if (!symbols || frame.Picking) glDisable(GL_CULL_FACE);
  return symbols;
}

void EndObjects(const Frame& frame) {
  if (frame.Doc.Settings().DeepSkyDrawSymbols != 1 || frame.Picking) glEnable(GL_CULL_FACE);
}

// One object at drawing place ra, dec: its symbol, or in the selection pass
// its area under `name`.
void ObjectAt(const Frame& frame, const DeepSkyRecord& record, DeepSkyType type, double ra,
              double dec, unsigned name, bool symbols, double pixelsPerDegree) {
  glPushMatrix();
  double p[3];
  frame.Doc.DrawingPoint(ra, dec, p);
  const astro::EquatorialCoord at = astro::SphereToEquatorial(p);
  glRotated(15.0 * at.RightAscension, 0, 1, 0);
  glRotated(at.Declination, 1, 0, 0);
  glLoadName(name);
  if (frame.Picking && type != DeepSkyType::Unknown)
    PickArea(record, type, pixelsPerDegree);
  else
    DrawObject(frame.Renderer, record, type, symbols, pixelsPerDegree);
  glPopMatrix();
}

// The sky disc's radius in pixels covers 90 degrees.
double PixelsPerDegree(const Frame& frame) {
  return (std::min(frame.View.Viewport[2], frame.View.Viewport[3]) / 2) * frame.Zoom / 90;
}

void Outline(const CSkyDoc& doc, const SkyPoint* points, int count) {
  glBegin(GL_LINE_STRIP);
  for (int k = 0; k < count; ++k) {
    double p[3];
    doc.DrawingPoint(points[k].RightAscension, points[k].Declination, p);
    glVertex3dv(p);
  }
  glEnd();
}

}  // namespace

void DrawDeepSky(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  const bool symbols = BeginObjects(frame);
  const double pixelsPerDegree = PixelsPerDegree(frame);
  const HorizonClip clip(doc);
  for (int i = 0; i < kDeepSkyCount; ++i) {
    const DeepSkyRecord& record = doc.Sky.DeepSkyObjects[i];
    if (record.Magnitude > frame.Sky.DeepSkyLimit) continue;
    const DeepSkyType type = catalog::DeepSkyTypeOf(record.Type);
    if (!DeepSkyObjectShown(doc.Settings(), i, type)) continue;
    ObjectAt(frame, record, type, record.RightAscension, record.Declination,
             kNameDeepSkyFirst + static_cast<unsigned>(i), symbols, pixelsPerDegree);
  }
  EndObjects(frame);

  // The Magellanic Clouds only in a sky dark enough to show them.
  if (sky::MagellanicCloudsShown(doc)) {
    glLoadName(kNameLargeCloud);
    Outline(doc, doc.Catalogues.MagellanicClouds, kLargeCloudPointCount);
    glLoadName(kNameSmallCloud);
    Outline(doc, doc.Catalogues.MagellanicClouds + kLargeCloudPointCount,
            kMagellanicPointCount - kLargeCloudPointCount);
  }
}

void DrawDeepSkyObject(const Frame& frame, const DeepSkyRecord& record, double ra, double dec,
                       unsigned name) {
  const bool symbols = BeginObjects(frame);
  const HorizonClip clip(frame.Doc);
  ObjectAt(frame, record, catalog::DeepSkyTypeOf(record.Type), ra, dec, name, symbols,
           PixelsPerDegree(frame));
  EndObjects(frame);
}

void DrawNgcIc(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  if (!doc.Settings().ShowNGC) return;
  const catalog::NgcIcCatalogue& objects = doc.Catalogues.DeepCatalogues.NgcIc();
  const bool symbols = BeginObjects(frame);
  const double pixelsPerDegree = PixelsPerDegree(frame);
  const double pixelsPerRadian =
      (std::min(frame.View.Viewport[2], frame.View.Viewport[3]) / 2) * frame.Zoom;
  const HorizonClip clip(doc);
  // Objects too small on the screen for their symbol's shape to show are
  // dots, drawn together: the wide views hold hundreds of them.
  std::vector<double> dots;
  objects.ForEachInView(
      doc.VisibleSky(frame.View, frame.Zoom), sky::NgcIcWalkLimit(frame.Sky.DeepSkyLimit),
      [&](const catalog::NgcIcRecord& object) {
        const DeepSkyType type = catalog::DeepSkyTypeOf(object.Type);
        if (type == DeepSkyType::Unknown || !DeepSkyTypeShown(doc.Settings(), type)) return;
        const int index = static_cast<int>(&object - objects.Records.data());
        const astro::EquatorialCoord at =
            doc.Catalogues.DeepCatalogues.NgcIcPlace(index, doc.Sky.CatalogueMotion);
        const double radius = object.MajorAxis / 120.0 * astro::kDegToRad * pixelsPerRadian;
        if (!frame.Picking && !(radius >= kSmallestSymbolRadius)) {
          double p[3];
          doc.DrawingPoint(at.RightAscension, at.Declination, p);
          dots.insert(dots.end(), p, p + 3);
          return;
        }
        ObjectAt(frame, sky::AsDeepSkyRecord(object), type, at.RightAscension, at.Declination,
                 kNameNgcIcFirst + static_cast<unsigned>(index), symbols, pixelsPerDegree);
      });
  glBegin(GL_POINTS);
  for (std::size_t i = 0; i < dots.size(); i += 3) glVertex3dv(&dots[i]);
  glEnd();
  EndObjects(frame);
}

}  // namespace render
