// What a layer described by primitives turns the sky into, for one surface:
// the screen's window or the printed page, in that surface's window
// coordinates (pixels, y upwards). The sky view draws them with GL
// (CSkyRenderer), the printed chart black on white (print::BuildChart):
// such a layer writes its geometry once, in its own file, and is one row of
// render/sky_layers.h.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "render/label_space.h"

class CSkyDoc;
namespace sky {
struct ViewGeometry;
}

namespace render {

struct SkyConditions;

struct WindowPoint {
  double X, Y;
};

// A line in one colour (a COLORREF, red in the low byte; pure red in red
// screen) and width (logical pixels), closed back to its first point or open.
struct SkyLine {
  std::vector<WindowPoint> Points;
  bool Closed = false;
  int Colour = 0;
  double Width = 1;
  // A grid line's value ("+30\xb0", Latin-1 like the chart's texts), which
  // a printed chart writes where the line meets its frame; empty for others.
  std::string Value = {};
};

enum class LabelStyle { Plain, Italic };

// A name centred on X with its baseline at the first of Baselines where its
// room is free (render/label_space.h), or left out; placed with its layer's
// name rank and drawn after every layer's marks.
struct SkyName {
  std::string Text;
  int Colour = 0;
  LabelStyle Style = LabelStyle::Plain;
  double X = 0;
  std::vector<double> Baselines;
};

// A disc (radius in the surface's pixels), filled or outlined, in one
// colour as a line's. A disc with a pick name is what a click on it picks
// (sky/pick_walk.h's names); 0 is never picked.
struct SkyDisc {
  double X = 0, Y = 0, Radius = 0;
  int Colour = 0;
  bool Filled = true;
  unsigned PickName = 0;
};

struct SkyPrimitives {
  std::vector<SkyLine> Lines;
  std::vector<SkyName> Names;
  std::vector<SkyDisc> Discs;  // drawn over the lines
};

// The size of a text on the surface, in its pixels.
class CLabelMeasure {
 public:
  virtual ~CLabelMeasure() = default;
  virtual TextExtent Extent(LabelStyle style, std::string_view text) const = 0;
};

// What a layer describes the sky from: the document, the sky's conditions,
// the surface's geometry and zoom, the surface's pixels to a logical pixel
// of the screen, and how large its texts are.
struct LayerInput {
  const CSkyDoc& Doc;
  const SkyConditions& Conditions;
  const sky::ViewGeometry& View;
  double Zoom;
  double Unit;
  const CLabelMeasure& Measure;
};

using DescribeLayer = void (*)(const LayerInput&, SkyPrimitives&);

// A point on the unit sphere of the J2000 frame as the sky is drawn
// (CSkyDoc::DrawingPoint, astro::EquatorialToSphere).
using SpherePoint = std::array<double, 3>;

// Adds the line through `points` on the sphere, back to the first when
// `closed`, as the surface shows it: cut where it passes to the far side
// of the sphere and, in local-horizon mode, below the horizon, each stretch
// left a line of its own; straight between the points, as GL draws them.
void AddSphereLine(const LayerInput& input, const std::vector<SpherePoint>& points, bool closed,
                   int colour, double width, SkyPrimitives& out);

// The layers described so, each in its own file under render/layers.
// The user's eyepiece and camera fields round the middle of the view, each
// named above its top.
void DescribeEyepieceFields(const LayerInput& input, SkyPrimitives& out);
// The altitude and azimuth grid of the observer's horizon: circles of
// altitude every 10 degrees, lines of azimuth every 15.
void DescribeAltAzGrid(const LayerInput& input, SkyPrimitives& out);
// The meridian: the great circle through the north and south points and the zenith.
void DescribeMeridian(const LayerInput& input, SkyPrimitives& out);
// The reticle of the connected telescope where it points, named with its device.
void DescribeTelescope(const LayerInput& input, SkyPrimitives& out);
// Where the connected telescope points on the surface (window coordinates,
// y upwards); false without a telescope's place or where the surface does not show it.
bool TelescopeWindowPoint(const LayerInput& input, double& x, double& y);
// The comets and minor planets as bright as their limit (AppSettings::
// SmallBodyMagnitudeLimit) or brighter: points sized by magnitude, comets
// with a coma and a tail away from the Sun, named by the planets' rules.
void DescribeSmallBodies(const LayerInput& input, SkyPrimitives& out);

// The pick names of the discs of `primitives` within `reach` pixels of
// window point x, y (y upwards; the disc's radius, at least
// kSmallestDiscPick, added), each once, with the distance to its middle.
struct DiscHit {
  unsigned Name;
  double Distance;
};
std::vector<DiscHit> DiscsAt(const SkyPrimitives& primitives, double x, double y, double reach);
inline constexpr double kSmallestDiscPick = 3;
// The planets' moons beside them, once the zoom parts them from the planet,
// each named; those the planet hides or shadows are left out.
void DescribePlanetMoons(const LayerInput& input, SkyPrimitives& out);

}  // namespace render
