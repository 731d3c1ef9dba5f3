// The printed star chart worked out without a printer: the sky the camera
// shows, projected onto a page of W x H device pixels (y downwards) and
// turned into black-on-white shapes and texts in the order they are drawn.
// The painting side (print/chart_printer.*) only draws these shapes.
//
// Sizes are device pixels of a 300 dots-per-inch page: star radii from 2 to
// 15, label heights from 36 to 72.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

class CSkyDoc;

namespace print {

// A point of the page, device pixels, y downwards.
struct PagePoint {
  int X = 0, Y = 0;
  bool operator==(const PagePoint&) const = default;
};

enum class ChartFill { Black, White, LightGrey };

// "Arial" with this cell height (ascent + descent, pixels) and weight (400
// normal, 500 medium, 600 semi-bold).
struct ChartFont {
  int Height = 0;
  int Weight = 400;
  bool Italic = false;
  bool operator==(const ChartFont&) const = default;
};

// Where a text stands against its point: its cell's top-left corner there,
// or its baseline through it, centred.
enum class TextAnchor { TopLeft, BaselineCentre };

// A circle outlined with the pen and filled.
struct ChartCircle {
  PagePoint Centre;
  int Radius = 0;
  ChartFill Fill = ChartFill::Black;
};
// Separate straight lines, drawn as one path.
struct ChartLines {
  std::vector<std::pair<PagePoint, PagePoint>> Segments;
};
// One open line through the points.
struct ChartPolyline {
  std::vector<PagePoint> Points;
};
// A closed polygon outlined with the pen and filled.
struct ChartPolygon {
  std::vector<PagePoint> Points;
  ChartFill Fill = ChartFill::LightGrey;
};
// A text; an opaque one stands on a white box the size of its cell.
struct ChartText {
  PagePoint At;
  std::string Text;  // a label text (render::LabelText), Latin-1 as the catalogues hold it
  ChartFont Font;
  TextAnchor Anchor = TextAnchor::TopLeft;
  bool Opaque = true;
};

// The layers of the chart, in the order they are drawn.
enum class ChartLayer {
  Boundaries,
  ConstellationNames,
  ConstellationLines,
  Ecliptic,
  Grid,
  DeepSky,
  DeepSkyLabels,
  StarNames,
  Stars,
  SolarSystem,
  PlanetNames,
  Ground,
  Compass,
  Fields,
  GridLabels,  // the grids' values where their lines meet the frame
  Legend,      // the place, time, centre, field and keys at the foot of the page
  Frame,
  Described,  // a layer described by primitives the chart has no sort of its own for
};

struct ChartItem {
  using Shapes = std::variant<ChartCircle, ChartLines, ChartPolyline, ChartPolygon, ChartText>;
  template <typename S>
  ChartItem(ChartLayer layer, S&& shape)
      : Layer(layer), Shape(std::in_place_type<std::decay_t<S>>, std::forward<S>(shape)) {}

  ChartLayer Layer;
  Shapes Shape;
};
using ChartDrawing = std::vector<ChartItem>;

// Measures text in the page's fonts (pixels of the page).
class CChartTextMeasure {
 public:
  virtual ~CChartTextMeasure() = default;
  virtual int Width(const ChartFont& font, std::string_view text) const = 0;
  virtual int Height(const ChartFont& font) const = 0;
};

// The names and words the chart writes: here the program's own (the
// planets and the legend's words in English, the compass points' English
// letters, the constellations in Latin); the printer gives them in the
// window's language.
class CChartNames {
 public:
  virtual ~CChartNames() = default;
  // Body `body` of the Bodies table, in Latin-1.
  virtual std::string Body(int body) const;
  // Compass point `point`, every 45 degrees from the south through the east,
  // in Latin-1.
  virtual std::string CompassPoint(int point) const;
  // The constellation of a name record; `latin` is its name in the record
  // (Latin-1), and so is the name.
  virtual std::string Constellation(const std::string& latin) const;
  // Text `id` of the string table, in UTF-8.
  virtual std::string Text(int id) const;
};

// The chart of the sky `doc` shows at `zoom` on a page of `width` x `height`
// device pixels: the camera as it stands (the screen's view), the page's
// own orthographic projection (the screen's geometry is left alone), the catalogues,
// the display switches, the magnitude limits and the sky's conditions
// (CSkyDoc::Conditions) of the document, in the order of render/sky_layers.h.
// The catalogue files' parts the limits need are read first.
// `names` writes the planets', compass points' and constellations' names.
ChartDrawing BuildChart(CSkyDoc& doc, int width, int height, double zoom,
                        const CChartTextMeasure& measure, const CChartNames& names = {});

// The radius of a star of this magnitude, truncated toward zero: -1 gives
// 15 pixels, 0 12, 1 10, 2 8, 3 6, 4 4, 5 3 and anything else 2.
int StarRadius(double magnitude);

// The ground of a local-horizon chart: the part of the sky disc below the
// horizon as the tilt `xRotation` shows it around the page's centre; from
// zoom 16 on, the rectangle below (or, upside down, above) the height where
// the horizon meets the left edge.
std::vector<PagePoint> GroundPolygon(int width, int height, double zoom, double xRotation);

// An edge of the page, and where a straight line crosses it: At is the
// crossing's x on the top and bottom edges, its y on the left and right
// (page pixels, y downwards).
enum class PageEdge { Left, Top, Right, Bottom };
struct EdgeCrossing {
  PageEdge Edge;
  double At;
  bool operator==(const EdgeCrossing&) const = default;
};
// Where the straight line from (ax, ay) to (bx, by) (page pixels, y
// downwards) passes from inside a `width` x `height` page to outside it or
// back, nearest `a` first; none for a line wholly inside or outside.
std::vector<EdgeCrossing> FrameCrossings(double ax, double ay, double bx, double by, int width,
                                         int height);

// The fonts of the chart's labels.
inline constexpr ChartFont kStarNameFont{36, 400, false};
inline constexpr ChartFont kDeepSkyLabelFont{36, 500, true};
inline constexpr ChartFont kPlanetNameFont{38, 500, false};
inline constexpr ChartFont kCompassFont{48, 600, false};
inline constexpr ChartFont kFieldNameFont{36, 400,
                                          false};  // and the plain names of described layers
// The grids' values at the frame: the equatorial grid's upright, the
// alt-azimuth grid's slanted.
inline constexpr ChartFont kGridValueFont{36, 400, false};
inline constexpr ChartFont kAltAzGridValueFont{36, 400, true};
// Constellation names: 66 pixels at zoom 1, 72 otherwise.
ChartFont ConstellationNameFont(double zoom);

}  // namespace print
