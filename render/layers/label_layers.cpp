// The proper names of bright stars, the labels of deep-sky objects and the
// Magellanic Clouds, and the compass letters.
#include <algorithm>
#include <string>
#include <string_view>

#include "astro/angles.h"
#include "astro/transforms.h"
#include "render/bitmap_fonts.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/sky_renderer.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// Whether the deep-sky layer draws objects of this type code.
bool TypeShown(const AppSettings& settings, std::string_view type) {
  if (type == "OPNCL") return settings.ShowOpenClusters == 1;
  if (type == "GLOCL") return settings.ShowGlobClusters == 1;
  if (type == "GALXY") return settings.ShowGalaxies == 1;
  if (type == "BRTNB") return settings.ShowNebulae == 1;
  if (type == "PLNNB") return settings.ShowPlanetNebulae == 1;
  return false;
}

}  // namespace

void DrawStarNames(const Frame& frame) {
  CSkyDoc& doc = frame.Doc;
  if (frame.Picking || !doc.StarNames || frame.Zoom == 1.0) return;
  // No names where the star layer draws no stars.
  float base;
  if (!StarBrightnessBase(doc, base)) return;
  double h = AltitudeOf(doc, doc.Bodies[astro::kSun]);
  if (doc.SkyColors && doc.SolarSystem) h = std::min(h, 6.0) - EclipseDarkeningOf(doc);

  const int width = doc.Viewport[2], height = doc.Viewport[3];
  const CTextMeasure measure(LabelFont::Plain14);
  const bool boxes = !doc.SkyColors || doc.CurrentSkyColour == 0;
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  for (const StarNameRecord& star : doc.ProperNames) {
    // In twilight only the names of stars bright enough to be drawn.
    if (doc.SkyColors && h > -18 && h <= -3 && 1 - h / 3 - star.Magnitude < 1) continue;
    if (star.Magnitude > doc.StarMagnitudeLimit) continue;
    double x, y;
    if (!LabelPosition(doc, star.RightAscension, star.Declination, x, y)) continue;
    const std::string_view name = FixedText(star.Name);
    if (boxes) DrawTextBox(measure, x, y, name, -star.LabelOffset, -10);
    SetLineColour(doc, doc.Settings.StarsNamesColor);
    DrawText(LabelFont::Plain14, x - star.LabelOffset, y - 10, name);
  }
  frame.Renderer.SetSkyProjection(width, height);
  glPopMatrix();
}

void DrawDeepSkyLabels(const Frame& frame) {
  CSkyDoc& doc = frame.Doc;
  const AppSettings& settings = doc.Settings;
  if (frame.Picking || !doc.DeepSkyLabels || frame.Zoom == 1.0) return;
  // Upside down the vertical offsets turn over and long offsets to the left,
  // which would now point away from the object's side, are dropped.
  const double tilt = astro::Normalize360(doc.XRotation);
  const bool upsideDown = tilt >= 90 && tilt < 270;
  const int ySign = upsideDown ? -1 : 1;

  const int width = doc.Viewport[2], height = doc.Viewport[3];
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  SetLineColour(doc, settings.DeepSkyLabelsColor);
  for (int i = kDeepSkyCount - 1; i >= 0; --i) {
    const DeepSkyRecord& object = doc.DeepSkyObjects[i];
    if (object.Magnitude > doc.DeepSkyMagnitudeLimit) continue;
    double x, y;
    if (!LabelPosition(doc, object.RightAscension, object.Declination, x, y)) continue;
    const bool messier = i < kMessierCount;
    if ((messier ? settings.ShowMessier : settings.ShowNGC) != 1) continue;
    if (!TypeShown(settings, FixedText(object.Type))) continue;
    if (settings.DeepSkyLabelByNumber) {
      std::string text = messier ? "M" : "";
      text += std::to_string(object.Number);
      const int xShift = upsideDown && object.LabelOffsetX < -10 ? 0 : object.LabelOffsetX;
      DrawText(LabelFont::Italic14, x + 5 + xShift, y - 3 + ySign * object.LabelOffsetY, text);
    } else {
      const std::string_view name = FixedText(object.Name);
      if (name == "*") continue;  // no common name
      DrawText(LabelFont::Italic14, x, y + 2, name);
    }
  }

  // The Magellanic Clouds, while their outlines are drawn.
  if (!doc.SkyColors || AltitudeOf(doc, doc.Bodies[astro::kSun]) < -6) {
    struct Cloud {
      const char* Text;
      double RightAscension, Declination;
    };
    static constexpr Cloud kClouds[] = {{"LMC", 4.95, -68.5}, {"SMC", 1.25, -73.3}};
    for (const Cloud& cloud : kClouds) {
      double p[3], x, y;
      doc.DrawingPoint(cloud.RightAscension, cloud.Declination, p);
      if (doc.SkyToWindow(p[0], p[1], p[2], x, y)) DrawText(LabelFont::Italic14, x, y, cloud.Text);
    }
  }
  frame.Renderer.SetSkyProjection(width, height);
  glPopMatrix();
}

void DrawCompassLetters(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  if (frame.Picking) return;
  struct CompassPoint {
    int HorizonPoint;  // every 45 degrees from the south through the east
    const char* Text;
    int Shift;  // pixels left of the point
    bool Intercardinal;
  };
  static constexpr CompassPoint kPoints[] = {
      {0, "S", 4, false},  {9, "SE", 9, true},   {18, "E", 5, false}, {27, "NE", 9, true},
      {36, "N", 4, false}, {45, "NW", 10, true}, {54, "W", 7, false}, {63, "SW", 10, true},
  };
  if (doc.RedScreen)
    glColor3ub(255, 0, 0);
  else
    glColor3ub(255, 128, 0);
  for (const CompassPoint& point : kPoints) {
    if (point.Intercardinal && frame.Zoom < 2) continue;
    const SkyPoint& horizon = doc.HorizonPoints[point.HorizonPoint];
    double p[3], x, y;
    astro::EquatorialToSphere(horizon.RightAscension, horizon.Declination, p);
    if (doc.SkyToWindow(p[0], p[1], p[2], x, y))
      DrawText(LabelFont::Bold16, x - point.Shift, y, point.Text);
  }
}

}  // namespace render
