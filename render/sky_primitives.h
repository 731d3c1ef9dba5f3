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
};

// A filled disc of one colour (as a line's) round a point, its radius in
// logical pixels.
struct SkyMark {
  WindowPoint Centre;
  double Radius = 1;
  int Colour = 0;
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

struct SkyPrimitives {
  std::vector<SkyLine> Lines;
  std::vector<SkyMark> Marks;
  std::vector<SkyName> Names;
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
// The planets' moons beside them, once the zoom parts them from the planet,
// each named; those the planet hides or shadows are left out.
void DescribePlanetMoons(const LayerInput& input, SkyPrimitives& out);

}  // namespace render
