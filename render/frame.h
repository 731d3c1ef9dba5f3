// What every layer of a frame reads: the document, the sky's conditions, the
// surface's geometry, the pass's zoom and whether it is a selection pass. Layers draw; they change
// nothing of the document.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "render/label_space.h"
#include "render/sprite_batch.h"
#include "sky/sky_colour.h"

class CSkyDoc;
class CSkyRenderer;
namespace sky {
struct ViewGeometry;
}
struct DeepSkyRecord;

namespace astro {
struct PlanetState;
}

namespace render {

struct Frame {
  const CSkyDoc& Doc;
  const SkyConditions& Sky;
  // The surface's matrices and viewport: the frame's own, or in a
  // selection pass those of the frame it picks from.
  const sky::ViewGeometry& View;
  CSkyRenderer& Renderer;
  double Zoom;
  bool Picking;
  // Device pixels per logical pixel: sizes, widths and offsets in pixels
  // are multiplied by it.
  double Scale = 1.0;
  // In a selection pass, the GL window point picked at (y upwards).
  double PickX = 0, PickY = 0;
};

// The layers, each in a file of its own under render/layers; the order they
// are drawn in is render/sky_layers.h's.
void DrawSkyColours(const Frame& frame);
void DrawMilkyWay(const Frame& frame);
void DrawBoundaries(const Frame& frame);
void DrawConstellationNames(const Frame& frame);
void DrawConstellationLines(const Frame& frame);
void DrawEcliptic(const Frame& frame);
void DrawGrid(const Frame& frame);
// The grid's coordinates: hours along the equator, degrees along the hour
// circle in the middle of the view.
void DrawGridLabels(const Frame& frame);
void DrawDeepSky(const Frame& frame);
void DrawDeepSkyLabels(const Frame& frame);
void DrawStars(const Frame& frame);
void DrawStarNames(const Frame& frame);
// The Hipparcos and Tycho stars of the faint-star file, in the cells in view.
void DrawFaintStars(const Frame& frame);
// The NGC and IC objects beyond the deep-sky file, with their names.
void DrawNgcIc(const Frame& frame);
void DrawNgcIcLabels(const Frame& frame);
// One deep-sky object at drawing place ra, dec (J2000 as moved) by its
// layer's rules, or its area under selection name `name` in the selection pass.
void DrawDeepSkyObject(const Frame& frame, const DeepSkyRecord& record, double ra, double dec,
                       unsigned name);
// The object the user searched for (CSkyDoc::Selected), marked by four
// corners round it; a deep-sky object its layer leaves out (by the limit or
// a switch) drawn, picked and named here all the same.
void DrawSelection(const Frame& frame);
void DrawSelectionLabel(const Frame& frame);
// The names placed before the frame (PlacedLabel ids given to `nameOf`), in
// window pixels, in `colour`, boxed on a black sky.
void DrawPlacedLabels(const Frame& frame, const std::vector<PlacedLabel>& placed, int colour,
                      const std::function<std::string_view(int)>& nameOf);
void DrawSolarSystem(const Frame& frame);
// The names of the bodies placed before the frame, each beside its disc.
void DrawPlanetNames(const Frame& frame);
void DrawLandscape(const Frame& frame);
void DrawGround(const Frame& frame);
// The letters of the eight compass points on the ground's ticks, placed
// before any other name (CSkyRenderer::CompassLabels), then drawn.
void ReserveCompassLetters(const Frame& frame);
void DrawCompassLetters(const Frame& frame);

// Display lists of the layers, compiled from the loaded catalogues. The
// ground and the landscape stand in the horizon frame and are compiled once
// per context; the sky's lists hold drawing points (CSkyDoc::DrawingPoint)
// and are compiled again when the refraction moves them.
void BuildGroundList();
// The landscape band up to `landTop` degrees (40, the whole picture, unless
// its land is known to stay lower).
void BuildLandscapeList(double landTop = 40);
void BuildGridList(const CSkyDoc& doc);
void BuildFigureList(const CSkyDoc& doc);
void BuildBoundaryList(const CSkyDoc& doc);
void BuildEclipticList(const CSkyDoc& doc);
void BuildMilkyWayList(const CSkyDoc& doc);

// The geometric altitude (degrees) of a sky position for the document's
// instant and place: the light of the sky follows the Sun's and the Moon's
// geometric altitudes. What is drawn and hidden follows CSkyDoc::HorizontalOf.
double AltitudeOf(const CSkyDoc& doc, double raHours, double decDegrees);
double AltitudeOf(const CSkyDoc& doc, const astro::PlanetState& body);
// The star layer's brightness base b (a star of magnitude m has size b - m),
// raised by limits deeper than the naked eye's and lowered by twilight when
// the sky is coloured; false when the sky is too bright for any star, and so
// for any star name.
bool StarBrightnessBase(const Frame& frame, float& base);
// Whether a star of `magnitude` is drawn under the frame's limit with
// brightness base `base`: its size (base - magnitude) and opacity (0..1).
bool StarShown(const Frame& frame, float base, float magnitude, float& size, double& opacity);
// Where a star (or any point of the star layers) at J2000 place ra, dec as
// moved is drawn: its drawing point p and window point x, y; false on the
// far hemisphere, far outside the window or, in local-horizon mode, below
// the horizon. The bright and the faint stars, drawn and picked, all walk so.
bool StarWindowPoint(const Frame& frame, double ra, double dec, double p[3], double& x, double& y);
// The size of a star of size `size` (brightness base - magnitude) at `zoom`:
// beyond zoom 2, the part above the smallest disc grows with the zoom.
float ZoomedStarSize(double zoom, float size);
// The faintest magnitude StarShown lets through with this base.
double DeepStarLimit(const Frame& frame, float base);
// A star's colour: by spectral class (O, B, A, F, G, K, M; white for any
// other), white without the stars' colours, red in red screen.
Rgba StarColour(const CSkyDoc& doc, char spectralClass);
// Adds a star of `size` at window point x, y to the discs' batch: a disc of
// that diameter (at least the smallest), its rim antialiased.
void AddStarDisc(CSpriteBatch& discs, double x, double y, float size, Rgba colour, double scale);
// In the selection pass, a disc facing the viewer round drawing point p
// that reaches `reach` device pixels, carrying selection name `name`.
void PickDisc(const Frame& frame, const double p[3], double reach, unsigned name);
// The smallest reach of a pick round the middle of a star, in device pixels.
inline constexpr double kSmallestPickRadius = 3;
// The radius in logical pixels of the bright part of a star of `size`
// (brightness base - magnitude), drawn as a sprite or as a disc: labels
// stand beside it.
double StarRadius(float size, bool sprite);

// How bright the landscape is drawn (0..1) with the Sun at this geometric
// altitude (degrees): it darkens with the sky.
double LandscapeLight(double sunAltitude);

// Turns the camera's frame back from the J2000 sky to the horizon: the
// zenith on +Y (local-horizon mode).
void EnterHorizonFrame(const CSkyDoc& doc);

// In local-horizon mode, clips what a sky layer draws in the sky projection
// at the horizon plane while it lives, so that nothing shows through the
// ground at the rim of the disc.
class HorizonClip {
 public:
  explicit HorizonClip(const CSkyDoc& doc);
  ~HorizonClip();
  HorizonClip(const HorizonClip&) = delete;
  HorizonClip& operator=(const HorizonClip&) = delete;

 private:
  bool on_;
};

class CTextMeasure;
struct LabelBox;
// The room a label of `text` takes with its baseline starting at left,
// baseline: its width, from the descenders up to the tops of the letters.
LabelBox TextRoom(const CTextMeasure& measure, double left, double baseline, std::string_view text);
struct TextExtent;
// The extent of `text` as a label of `measure`'s font.
TextExtent ExtentOf(const CTextMeasure& measure, std::string_view text);
// Places the names of the Sun, the Moon and the planets for this frame
// before any other label (CSkyRenderer::PlanetLabels).
void ReservePlanetNames(const Frame& frame);
// Then the proper names of the stars, brightest first (CSkyRenderer::StarLabels).
void ReserveStarNames(const Frame& frame);
// Places a label of `text` beside a disc or symbol of `radius` device pixels
// round window point x, y, on the first free side (CLabelSpace::TakeBeside):
// its left edge and baseline. False when every side would overlap a label
// placed before it in this frame or reach beyond the window (it then takes no room).
bool PlaceLabel(const Frame& frame, const CTextMeasure& measure, double x, double y, double radius,
                std::string_view text, double& left, double& baseline);

// A COLORREF (red in the low byte) as the current GL colour, or pure red in red screen.
void SetLineColour(const CSkyDoc& doc, int colorref);

}  // namespace render
