// The proper names of bright stars, the labels of deep-sky objects and the
// Magellanic Clouds, and the compass letters.
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/angles.h"
#include "astro/transforms.h"
#include "catalog/builtin_tables.h"
#include "catalog/designation.h"
#include "render/bitmap_fonts.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/label_space.h"
#include "render/sky_names.h"
#include "render/sky_renderer.h"
#include "sky/deep_catalogues.h"
#include "sky/drawing_rules.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// Pixels between a label and the disc or symbol it names; the smallest
// symbol radius a label stands clear of, and the farthest from its point a
// label is placed (large symbols have it near their middle).
constexpr double kLabelGap = 3;
constexpr double kSmallestSymbol = 2;
constexpr double kFarthestLabel = 40;

// Zoomed in from this zoom on, the stars without a proper name are named by
// their Bayer or Flamsteed designation down to a magnitude that deepens
// with the zoom: 5 at a 7 degree field (zoom 16), one more each doubling.
constexpr double kDesignationZoom = 8;
double DesignationLimit(double zoom) { return 1 + std::log2(zoom); }

// A bright star's label without its proper name: "Eta Tau", "27 Tau"; empty
// when its designation has neither.
std::string DesignationLabel(const StarRecord& star) {
  const catalog::Designation d = catalog::DecodeDesignation(star.Designation);
  const std::string& first = d.Bayer.empty() ? d.Flamsteed : d.Bayer;
  return first.empty() ? std::string() : first + " " + d.Constellation;
}

}  // namespace

TextExtent ExtentOf(const CTextMeasure& measure, std::string_view text) {
  // The capitals' middle level with the point.
  return {static_cast<double>(measure.Width(text)), measure.Ascent() * 0.8,
          static_cast<double>(measure.Descent()), measure.Ascent() * 0.35};
}

bool PlaceLabel(const Frame& frame, const CTextMeasure& measure, double x, double y, double radius,
                std::string_view text, double& left, double& baseline) {
  return frame.Renderer.Labels().TakeBeside(x, y, radius, kLabelGap * frame.Scale,
                                            ExtentOf(measure, text), left, baseline);
}

LabelBox TextRoom(const CTextMeasure& measure, double left, double baseline,
                  std::string_view text) {
  const TextExtent e = ExtentOf(measure, text);
  return {left, baseline - e.Below, left + e.Width, baseline + e.Above};
}

void ReserveStarNames(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  std::vector<PlacedLabel>& placed = frame.Renderer.StarLabels();
  if (frame.Picking || !doc.Settings().StarNames || !sky::NamesShown(frame.Zoom)) return;
  // No names where the star layer draws no stars.
  float base;
  if (!StarBrightnessBase(frame, base)) return;
  double h = AltitudeOf(doc, doc.Sky.Bodies[astro::kSun]);
  if (doc.Settings().SkyColors && doc.Settings().SolarSystem)
    h = std::min(h, 6.0) - frame.Sky.EclipseDarkening;

  // The brightest first: where two names would overlap, the fainter star's
  // is left out.
  std::array<int, kStarNameCount> order;
  for (int i = 0; i < kStarNameCount; ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&doc](int a, int b) {
    return doc.Sky.ProperNames[a].Magnitude < doc.Sky.ProperNames[b].Magnitude;
  });

  const CTextMeasure measure(LabelFont::Plain14);
  const bool sprites = !doc.Settings().StarsDrawPoints;
  for (int i : order) {
    const StarNameRecord& star = doc.Sky.ProperNames[i];
    // In twilight only the names of stars bright enough to be drawn.
    if (doc.Settings().SkyColors && h > -18 && h <= -3 && 1 - h / 3 - star.Magnitude < 1) continue;
    if (star.Magnitude > doc.Limits.StarMagnitudeLimit) continue;
    double x, y;
    if (!LabelPosition(doc, frame.View, star.RightAscension, star.Declination, x, y)) continue;
    // Beside the star's drawn disc, so that the star stays in view.
    const float size = ZoomedStarSize(frame.Zoom, base - star.Magnitude);
    const double radius = StarRadius(size, sprites && size >= 2) * frame.Scale;
    double left, baseline;
    if (PlaceLabel(frame, measure, x, y, radius, FixedText(star.Name), left, baseline))
      placed.push_back({i, left, baseline});
  }
  if (frame.Zoom < kDesignationZoom || (doc.Settings().SkyColors && h > -18)) return;

  // Then the others bright enough for the zoom, brightest first, by
  // designation: ids from kStarNameCount on are kStarNameCount + their index.
  const double limit = std::min(DesignationLimit(frame.Zoom), doc.Limits.StarMagnitudeLimit);
  std::vector<int> named;
  for (const StarNameRecord& star : doc.Sky.ProperNames) named.push_back(star.HR);
  std::vector<int> stars;
  for (int i = 0; i < kStarCount; ++i)
    if (doc.Sky.Stars[i].Magnitude <= limit &&
        std::find(named.begin(), named.end(), doc.Sky.Stars[i].HR) == named.end())
      stars.push_back(i);
  std::stable_sort(stars.begin(), stars.end(), [&doc](int a, int b) {
    return doc.Sky.Stars[a].Magnitude < doc.Sky.Stars[b].Magnitude;
  });
  for (int i : stars) {
    const StarRecord& star = doc.Sky.Stars[i];
    double x, y;
    if (!LabelPosition(doc, frame.View, star.RightAscension, star.Declination, x, y)) continue;
    const std::string text = DesignationLabel(star);
    if (text.empty()) continue;
    const float size = ZoomedStarSize(frame.Zoom, base - star.Magnitude);
    const double radius = StarRadius(size, sprites && size >= 2) * frame.Scale;
    double left, baseline;
    if (PlaceLabel(frame, measure, x, y, radius, text, left, baseline))
      placed.push_back({kStarNameCount + i, left, baseline});
  }
}

void DrawPlacedLabels(const Frame& frame, const std::vector<PlacedLabel>& placed, int colour,
                      const std::function<std::string_view(int)>& nameOf) {
  const CSkyDoc& doc = frame.Doc;
  if (frame.Picking || placed.empty()) return;
  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  const CTextMeasure measure(LabelFont::Plain14);
  const bool boxes = frame.Sky.SkyColour == 0;
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  for (const PlacedLabel& label : placed) {
    const std::string_view name = nameOf(label.Id);
    if (boxes) DrawTextBox(measure, label.Left, label.Baseline, name, 0, 0);
    SetLineColour(doc, colour);
    DrawText(LabelFont::Plain14, label.Left, label.Baseline, name);
  }
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

void DrawStarNames(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  std::string designation;
  DrawPlacedLabels(frame, frame.Renderer.StarLabels(), doc.Settings().StarsNamesColor,
                   [&doc, &designation](int id) -> std::string_view {
                     if (id < kStarNameCount) return FixedText(doc.Sky.ProperNames[id].Name);
                     designation = DesignationLabel(doc.Sky.Stars[id - kStarNameCount]);
                     return designation;
                   });
}

void DrawDeepSkyLabels(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  const AppSettings& settings = doc.Settings();
  if (frame.Picking || !doc.Settings().DeepSkyLabels || !sky::NamesShown(frame.Zoom)) return;

  // The brightest first.
  std::array<int, kDeepSkyCount> order;
  for (int i = 0; i < kDeepSkyCount; ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return doc.Sky.DeepSkyObjects[a].Magnitude < doc.Sky.DeepSkyObjects[b].Magnitude;
  });

  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  // The symbols' scale: the sky disc's radius covers 90 degrees.
  const double pixelsPerDegree = (std::min(width, height) / 2) * frame.Zoom / 90;
  const CTextMeasure measure(LabelFont::Italic14);
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  SetLineColour(doc, settings.DeepSkyLabelsColor);
  for (int i : order) {
    const DeepSkyRecord& object = doc.Sky.DeepSkyObjects[i];
    if (object.Magnitude > frame.Sky.DeepSkyLimit) continue;
    double x, y;
    if (!LabelPosition(doc, frame.View, object.RightAscension, object.Declination, x, y)) continue;
    if (!DeepSkyObjectShown(settings, i, catalog::DeepSkyTypeOf(object.Type))) continue;
    const std::string text = sky::DeepSkyLabel(settings, i, object);
    if (text.empty()) continue;
    // Beside the symbol's rim; a symbol larger than the view's detail gets
    // its label near its middle.
    const double radius = std::clamp(object.MajorAxis / 120.0 * pixelsPerDegree,
                                     kSmallestSymbol * frame.Scale, kFarthestLabel * frame.Scale);
    double left, baseline;
    if (!PlaceLabel(frame, measure, x, y, radius, text, left, baseline)) continue;
    DrawText(LabelFont::Italic14, left, baseline, text);
  }

  // The Magellanic Clouds, while their outlines are drawn.
  if (sky::MagellanicCloudsShown(doc))
    for (const sky::SkyLabel& cloud : sky::kMagellanicCloudLabels) {
      double p[3], x, y;
      doc.DrawingPoint(cloud.RightAscension, cloud.Declination, p);
      if (!frame.View.SkyToWindow(p[0], p[1], p[2], x, y)) continue;
      if (frame.Renderer.Labels().Take(TextRoom(measure, WholePixel(x), WholePixel(y), cloud.Text)))
        DrawText(LabelFont::Italic14, x, y, cloud.Text);
    }
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

void DrawNgcIcLabels(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  const AppSettings& settings = doc.Settings();
  if (frame.Picking || !doc.Settings().DeepSkyLabels || !settings.ShowNGC ||
      frame.Zoom < sky::kNgcIcLabelZoom)
    return;
  const catalog::NgcIcCatalogue& objects = doc.Catalogues.DeepCatalogues.NgcIc();
  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  const double pixelsPerDegree = (std::min(width, height) / 2) * frame.Zoom / 90;
  const CTextMeasure measure(LabelFont::Italic14);
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  SetLineColour(doc, settings.DeepSkyLabelsColor);
  const auto label = [&](const catalog::NgcIcRecord& object) {
    const catalog::DeepSkyType type = catalog::DeepSkyTypeOf(object.Type);
    if (type == catalog::DeepSkyType::Unknown || !DeepSkyTypeShown(settings, type)) return;
    const int index = static_cast<int>(&object - objects.Records.data());
    const astro::EquatorialCoord at =
        doc.Catalogues.DeepCatalogues.NgcIcPlace(index, doc.Sky.CatalogueMotion);
    double x, y;
    if (!LabelPosition(doc, frame.View, at.RightAscension, at.Declination, x, y)) return;
    // By number, or by the common name where there is one.
    const std::string_view name = FixedText(object.Name);
    const std::string text = settings.DeepSkyLabelByNumber || name.empty()
                                 ? sky::NgcIcDesignation(object)
                                 : std::string(name);
    const double radius = std::clamp(object.MajorAxis / 120.0 * pixelsPerDegree,
                                     kSmallestSymbol * frame.Scale, kFarthestLabel * frame.Scale);
    double left, baseline;
    if (PlaceLabel(frame, measure, x, y, radius, text, left, baseline))
      DrawText(LabelFont::Italic14, left, baseline, text);
  };
  objects.ForEachInView(doc.VisibleSky(frame.View, frame.Zoom),
                        sky::NgcIcWalkLimit(frame.Sky.DeepSkyLimit), label);
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

void DrawGridLabels(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  if (frame.Picking) return;
  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  const CTextMeasure measure(LabelFont::Plain14);
  const double gap = kLabelGap * frame.Scale;
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  SetLineColour(doc, doc.Settings().GridsColor);
  const auto label = [&](double ra, double dec, const std::string& text) {
    double x, y;
    if (!LabelPosition(doc, frame.View, ra, dec, x, y)) return;
    const double left = WholePixel(x + gap), baseline = WholePixel(y + gap);
    if (frame.Renderer.Labels().Take(TextRoom(measure, left, baseline, text)))
      DrawText(LabelFont::Plain14, left, baseline, text);
  };
  // The hours along the equator, where the hour circles cross it.
  for (int hour = 0; hour < 24; ++hour) label(hour, 0, std::to_string(hour) + "h");
  // The declinations along the hour circle nearest the middle of the view.
  double ra, dec;
  if (doc.WindowToSky(frame.View, frame.View.CentreX, frame.View.CentreY, frame.Zoom, ra, dec)) {
    const double meridian = std::fmod(std::round(ra), 24.0);
    for (int parallel = -75; parallel <= 75; parallel += 15) {
      if (parallel == 0) continue;  // the equator carries the hours
      std::string text = parallel > 0 ? "+" : "-";
      text += std::to_string(std::abs(parallel));
      text += '\xB0';  // the degree sign in Latin-1
      label(meridian, parallel, text);
    }
  }
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

namespace {

// Every 45 degrees of HorizonPoints from the south through the east; the
// intercardinal points from zoom 2 on.
constexpr int kCompassStep = 9;

}  // namespace

void ReserveCompassLetters(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  std::vector<PlacedLabel>& placed = frame.Renderer.CompassLabels();
  if (frame.Picking) return;
  const CTextMeasure measure(LabelFont::Bold16);
  for (int k = 0; k < 8; ++k) {
    if (k % 2 == 1 && frame.Zoom < 2) continue;
    const SkyPoint& horizon = doc.Sky.HorizonPoints[k * kCompassStep];
    double p[3], x, y, left, baseline;
    astro::EquatorialToSphere(horizon.RightAscension, horizon.Declination, p);
    // Standing on the point, moved inside the window at its edge.
    if (frame.View.SkyToWindow(p[0], p[1], p[2], x, y) &&
        frame.Renderer.Labels().TakeCentred(x, {y}, ExtentOf(measure, CompassLetter(k)), left,
                                            baseline))
      placed.push_back({k, left, baseline});
  }
}

void DrawCompassLetters(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  if (frame.Picking) return;
  if (doc.Run.RedScreen)
    glColor3ub(255, 0, 0);
  else
    glColor3ub(255, 128, 0);
  for (const PlacedLabel& letter : frame.Renderer.CompassLabels())
    DrawText(LabelFont::Bold16, letter.Left, letter.Baseline, CompassLetter(letter.Id));
}

}  // namespace render
