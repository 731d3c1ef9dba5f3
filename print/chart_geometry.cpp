#include "print/chart_geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>
#include <numbers>

#include "astro/angles.h"
#include "astro/transforms.h"
#include "catalog/builtin_tables.h"
#include "print/chart_legend.h"
#include "render/label_space.h"
#include "render/selection_mark.h"
#include "render/sky_layers.h"
#include "render/sky_primitives.h"
#include "res/strings.h"
#include "sky/camera_math.h"
#include "sky/deep_catalogues.h"
#include "sky/drawing_rules.h"
#include "sky/eyepiece_fields.h"
#include "sky/sky_doc.h"

namespace print {
namespace {

using catalog::DeepSkyType;

// No ring or outline gets more points than this, however large it is on the
// page; it also keeps a nonsensical axis in a catalogue record from running away.
constexpr double kMaxOutlinePoints = 20000;
// Grid lines are drawn only while both ends stay within this range of page
// coordinates.
constexpr int kGridReach = 32768;
// Page coordinates and sizes far off the page are held within this range, so
// that they and the sums of a few of them stay whole numbers.
constexpr double kCoordinateLimit = 1e8;
// Page units: a symbol as large as a star of the fourth magnitude's disc.
constexpr int kSmallestDeepSkySymbol = 4;
// Pixels between a name and the mark it names; the smallest and largest
// radius of a deep-sky symbol a name stands clear of (large symbols have it
// near their middle).
constexpr double kNameGap = 8;
constexpr double kSmallestSymbol = 6, kFarthestName = 120;
// Pixels between the frame and a grid line's value written inside it.
constexpr double kValueGap = 12;
// A logical pixel of the screen in pixels of the page, for the layers
// described by primitives.
constexpr double kPageUnit = 3;

// A projected point: its page point, its window coordinates (y upwards) and
// whether it lies on the hemisphere facing the viewer.
struct Projected {
  PagePoint P;
  double Wx = 0, Wy = 0;
  bool Front = false;
};

int PageCoordinate(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit));
}

// A direction x, y degrees off the centre (0, 0, -1) of an object's frame.
void OffsetDirection(double x, double y, double d[3]) {
  const double xr = x * astro::kDegToRad, yr = y * astro::kDegToRad;
  d[0] = -std::sin(xr) * std::cos(yr);
  d[1] = std::sin(yr);
  d[2] = -std::cos(xr) * std::cos(yr);
}

template <std::size_t N>
std::string FixedText(const char (&text)[N]) {
  std::size_t length = 0;
  while (length < N && text[length] != '\0') ++length;
  return std::string(text, length);
}

// The room of a name on the page: its cell, a fifth of it below the baseline.
render::TextExtent PageExtent(const CChartTextMeasure& measure, const ChartFont& font,
                              std::string_view text) {
  const double cell = measure.Height(font);
  return {static_cast<double>(measure.Width(font, text)), cell * 0.8, cell * 0.2, cell * 0.3};
}

// The page's font of a described layer's names.
ChartFont FontOf(render::LabelStyle style) {
  return style == render::LabelStyle::Italic ? kDeepSkyLabelFont : kFieldNameFont;
}

class CPageLabelMeasure : public render::CLabelMeasure {
 public:
  explicit CPageLabelMeasure(const CChartTextMeasure& measure) : measure_(measure) {}
  render::TextExtent Extent(render::LabelStyle style, std::string_view text) const override {
    return PageExtent(measure_, FontOf(style), text);
  }

 private:
  const CChartTextMeasure& measure_;
};

class CChartBuilder {
 public:
  CChartBuilder(CSkyDoc& doc, int width, int height, double zoom, const CChartTextMeasure& measure,
                const CChartNames& names)
      : doc_(doc),
        sky_(doc.Conditions()),
        settings_(doc.Settings()),
        width_(width),
        height_(height),
        half_(std::min(width, height) / 2),
        zoom_(zoom),
        measure_(measure),
        words_(names) {
    room_.Clear(width, height);
    // The page's own viewport and projection; the camera is the screen's.
    page_.CentreX = width / 2;
    page_.CentreY = height / 2;
    page_.Viewport[2] = width;
    page_.Viewport[3] = height;
    render::OrthoMatrix(render::SkyOrthoVolume(width, height, zoom), page_.Projection);
    // Window depth = eye z + 1: below 1 on the hemisphere facing the viewer.
    page_.Projection[10] = 2.0;
    render::CameraMatrix(settings_.XRotation, settings_.YRotation, settings_.HorizonMode != 0,
                         doc.Sky.AstroState, page_.Modelview);
  }

  ChartDrawing Build() {
    // The chart's columns of the layer table: the switch, the rank of the
    // names and how the sky is described.
    struct ChartStep {
      render::SkyLayer Layer;
      int AppSettings::*Switch;
      int NameRank;
      render::DescribeLayer Describe;
    };
    using namespace render;  // the table's layer functions
    static constexpr ChartStep kSteps[] = {
#define STELLIX_CHART_LAYER(Name, Switch, Pickable, Screen, ScreenText, NamesFirst, NameRank, \
                            Describe)                                                         \
  {render::SkyLayer::Name, Switch, NameRank, Describe},
        STELLIX_SKY_LAYERS(STELLIX_CHART_LAYER)
#undef STELLIX_CHART_LAYER
    };
    for (const ChartStep& step : kSteps) {
      if (step.Switch != nullptr && doc_.Settings().*step.Switch == 0) continue;
      rank_ = step.NameRank;
      if (step.Describe)
        Described(step.Layer, step.Describe);
      else if (const auto build = BuilderOf(step.Layer))
        (this->*build)();
    }
    // The legend keeps its corner of the page: no name of the sky goes under it.
    ChartDrawing legend = Legend();
    PlaceValuesAtFrame();
    PlaceNames();
    drawing_.insert(drawing_.end(), std::make_move_iterator(legend.begin()),
                    std::make_move_iterator(legend.end()));
    Frame();
    return std::move(drawing_);
  }

 private:
  // A model point through `model`, the page projection and the page viewport.
  Projected Project(const double p[3], const double model[16]) const {
    Projected out;
    double win[3];
    // A point that does not project to a finite place (a zoom beyond all
    // reason, a broken catalogue record) counts as out of sight.
    if (!render::ProjectPoint(p[0], p[1], p[2], model, page_.Projection, page_.Viewport, win) ||
        !std::isfinite(win[0]) || !std::isfinite(win[1]) || !std::isfinite(win[2]))
      return out;
    out.Wx = win[0];
    out.Wy = win[1];
    out.Front = win[2] < 1.0;
    out.P = {PageCoordinate(win[0]), height_ - PageCoordinate(win[1])};
    return out;
  }
  // A J2000 place (hours, degrees) where the screen draws it.
  Projected Place(double ra, double dec) const {
    double p[3];
    doc_.DrawingPoint(ra, dec, p);
    return Project(p, page_.Modelview);
  }
  bool OnPage(const Projected& q) const {
    return q.Wx >= 0 && q.Wx <= width_ && q.Wy >= 0 && q.Wy <= height_;
  }
  bool BelowHorizon(double ra, double dec, double altitude = 0) const {
    return doc_.Settings().HorizonMode && doc_.HorizontalOf(ra, dec).Altitude < altitude;
  }
  // Whether a point of the page lies within `margin` pixels around the page.
  bool Near(PagePoint p, double margin) const {
    return p.X >= -margin && p.X <= width_ + margin && p.Y >= -margin && p.Y <= height_ + margin;
  }

  template <typename Shape>
  void Add(ChartLayer layer, Shape&& shape) {
    drawing_.emplace_back(layer, std::forward<Shape>(shape));
  }
  void Add(ChartLayer layer, ChartLines&& lines) {
    if (!lines.Segments.empty()) drawing_.emplace_back(layer, std::move(lines));
  }

  // A name waiting for its room: it is placed once every mark is on the
  // page, in the screen's order (render/sky_layers.h: the ranked layers
  // first, then the others as built), and drawn over the marks.
  struct PendingName {
    ChartLayer Layer;
    int Rank;
    std::string Text;
    ChartFont Font;
    double X, Y;                    // its point, window pixels (y upwards)
    double Radius;                  // beside a mark this large round the point ...
    std::vector<double> Baselines;  // ... or, where these are given, centred on X
    bool Compass;
    bool AtPoint = false;  // starting at the point, its baseline through it
  };
  void NameBeside(ChartLayer layer, const Projected& q, double radius, std::string text,
                  const ChartFont& font) {
    names_.push_back({layer, rank_, std::move(text), font, q.Wx, q.Wy, radius, {}, false});
  }
  void NameAt(ChartLayer layer, const Projected& q, std::string text, const ChartFont& font) {
    names_.push_back({layer, rank_, std::move(text), font, q.Wx, q.Wy, 0, {}, false, true});
  }
  void NameCentred(ChartLayer layer, double x, std::vector<double> baselines, std::string text,
                   const ChartFont& font, bool compass = false) {
    names_.push_back({layer, rank_, std::move(text), font, x, 0, 0, std::move(baselines), compass});
  }
  render::TextExtent Extent(const ChartFont& font, std::string_view text) const {
    return PageExtent(measure_, font, text);
  }
  // Each name whole on the page, clear of the names placed before it, or left out.
  void PlaceNames() {
    std::stable_sort(names_.begin(), names_.end(), [](const PendingName& a, const PendingName& b) {
      return (a.Rank == 0 ? INT_MAX : a.Rank) < (b.Rank == 0 ? INT_MAX : b.Rank);
    });
    for (PendingName& name : names_) {
      const render::TextExtent e = Extent(name.Font, name.Text);
      double left, baseline;
      if (name.AtPoint) {
        left = std::floor(name.X);
        baseline = std::floor(name.Y);
      }
      const bool placed =
          name.AtPoint ? room_.Take({left, baseline - e.Below, left + e.Width, baseline + e.Above})
          : name.Baselines.empty()
              ? room_.TakeBeside(name.X, name.Y, name.Radius, kNameGap, e, left, baseline)
              : room_.TakeCentred(name.X, name.Baselines, e, left, baseline);
      if (!placed) continue;
      if (name.Compass)
        Add(name.Layer,
            ChartText{{PageCoordinate(left + e.Width / 2), height_ - PageCoordinate(baseline)},
                      std::move(name.Text),
                      name.Font,
                      TextAnchor::BaselineCentre,
                      false});
      else
        Add(name.Layer,
            ChartText{{PageCoordinate(left), height_ - PageCoordinate(baseline + e.Above)},
                      std::move(name.Text),
                      name.Font,
                      TextAnchor::TopLeft,
                      true});
    }
  }

  // A grid line's value waiting for its room at the frame.
  struct PendingValue {
    std::string Text;
    ChartFont Font;
    EdgeCrossing Crossing;
  };
  // The value of the grid line through window points a and b (y upwards)
  // where that stretch crosses the frame.
  void ValueAtFrame(double ax, double ay, double bx, double by, const std::string& text,
                    const ChartFont& font) {
    for (const EdgeCrossing& c :
         FrameCrossings(ax, height_ - ay, bx, height_ - by, width_, height_))
      values_.push_back({text, font, c});
  }
  // Each value just inside the frame, level with where its line meets it
  // (moved along the edge to stay whole), clear of the legend and of the
  // values placed before it, or left out. The names are placed after them.
  void PlaceValuesAtFrame() {
    // The start of a value `size` long, centred on `at`, within an edge `room` long.
    const auto along = [](double at, double size, double room) {
      return std::floor(std::max(kValueGap, std::min(at - size / 2, room - kValueGap - size)));
    };
    for (PendingValue& v : values_) {
      const render::TextExtent e = Extent(v.Font, v.Text);
      const double h = e.Above + e.Below;
      double left = 0, top = 0;  // page pixels, y downwards
      switch (v.Crossing.Edge) {
        case PageEdge::Left:
        case PageEdge::Right:
          left = v.Crossing.Edge == PageEdge::Left ? kValueGap
                                                   : std::floor(width_ - kValueGap - e.Width);
          top = along(v.Crossing.At, h, height_);
          break;
        case PageEdge::Top:
        case PageEdge::Bottom:
          top = v.Crossing.Edge == PageEdge::Top ? kValueGap : std::floor(height_ - kValueGap - h);
          left = along(v.Crossing.At, e.Width, width_);
          break;
      }
      if (!room_.Take({left, height_ - top - h, left + e.Width, height_ - top})) continue;
      Add(ChartLayer::GridLabels, ChartText{{PageCoordinate(left), PageCoordinate(top)},
                                            std::move(v.Text),
                                            v.Font,
                                            TextAnchor::TopLeft,
                                            true});
    }
  }

  // A line of the figures, boundaries or ecliptic: both ends in front, and
  // the line not wholly beside, above or below the page. (Close up a line
  // can cross the whole page with both ends off it: it is kept.)
  void LineSegment(ChartLines& lines, double ra1, double dec1, double ra2, double dec2) const {
    const Projected a = Place(ra1, dec1), b = Place(ra2, dec2);
    if (!a.Front || !b.Front) return;
    if (std::max(a.P.X, b.P.X) >= 0 && std::min(a.P.X, b.P.X) <= width_ &&
        std::max(a.P.Y, b.P.Y) >= 0 && std::min(a.P.Y, b.P.Y) <= height_)
      lines.Segments.push_back({a.P, b.P});
  }

  void Polylines(ChartLayer layer, const ConstellationLineRecord* records, int count,
                 LineEndMark end) {
    ChartLines lines;
    ForEachLineSegment(records, count, end,
                       [&](const ConstellationLineRecord& a, const ConstellationLineRecord& b) {
                         LineSegment(lines, a.RightAscension, a.Declination, b.RightAscension,
                                     b.Declination);
                       });
    Add(layer, std::move(lines));
  }

  void Boundaries() {
    Polylines(ChartLayer::Boundaries, doc_.Catalogues.BoundaryPoints, kBoundaryCount,
              kBoundaryLineEnd);
  }

  void ConstellationLines() {
    Polylines(ChartLayer::ConstellationLines, doc_.Sky.ConstellationLines, kConstellationLineCount,
              kFigureLineEnd);
  }

  void Ecliptic() {
    ChartLines lines;
    for (int i = 0; i + 1 < kEclipticPointCount; ++i)
      LineSegment(lines, doc_.Catalogues.EclipticPoints[i].RightAscension,
                  doc_.Catalogues.EclipticPoints[i].Declination,
                  doc_.Catalogues.EclipticPoints[i + 1].RightAscension,
                  doc_.Catalogues.EclipticPoints[i + 1].Declination);
    Add(ChartLayer::Ecliptic, std::move(lines));
  }

  void Grid() {
    ChartLines lines;
    const auto within = [](PagePoint p) {
      return std::abs(p.X) <= kGridReach && std::abs(p.Y) <= kGridReach;
    };
    for (const sky::GridLine& line : sky::GridLines())
      for (std::size_t k = 0; k + 1 < line.Points.size(); ++k) {
        const astro::EquatorialCoord &from = line.Points[k], &to = line.Points[k + 1];
        const Projected a = Place(from.RightAscension, from.Declination),
                        b = Place(to.RightAscension, to.Declination);
        if (!a.Front || !b.Front || !within(a.P) || !within(b.P)) continue;
        lines.Segments.push_back({a.P, b.P});
        // Its value where it meets the frame, unless that is under the ground.
        if (!BelowHorizon(from.RightAscension, from.Declination) &&
            !BelowHorizon(to.RightAscension, to.Declination))
          ValueAtFrame(a.Wx, a.Wy, b.Wx, b.Wy, line.Value, kGridValueFont);
      }
    Add(ChartLayer::Grid, std::move(lines));
  }

  void BoundariesAndNames() {
    Boundaries();
    ConstellationNames();
  }

  void ConstellationNames() {
    const ChartFont font = ConstellationNameFont(zoom_);
    const double middle = measure_.Height(font) * 0.3;
    for (const ConstellationNameRecord& record : doc_.Catalogues.ConstellationNames) {
      const Projected q = Place(record.RightAscension, record.Declination);
      if (!q.Front || !OnPage(q) || BelowHorizon(record.RightAscension, record.Declination))
        continue;
      // Centred on the point, moved inside the page at its edge.
      NameCentred(ChartLayer::ConstellationNames, q.Wx, {q.Wy - middle},
                  words_.Constellation(FixedText(record.Name)), font);
    }
  }

  // Whether the deep-sky layer draws record i at all.
  bool DeepSkyShown(int i, DeepSkyType type) const {
    const DeepSkyRecord& record = doc_.Sky.DeepSkyObjects[i];
    if (record.Magnitude > sky_.DeepSkyLimit) return false;
    return DeepSkyObjectShown(settings_, i, type);
  }

  void DeepSkyAndLabels() {
    DeepSky();
    DeepSkyLabels();
  }

  void DeepSky() {
    brush_ = ChartFill::Black;
    for (int i = 0; i < kDeepSkyCount; ++i) {
      const DeepSkyRecord& record = doc_.Sky.DeepSkyObjects[i];
      const DeepSkyType type = catalog::DeepSkyTypeOf(record.Type);
      if (!DeepSkyShown(i, type)) continue;
      DeepSkyObject(record, type, record.RightAscension, record.Declination);
    }
    if (!sky::MagellanicCloudsShown(doc_)) return;
    MagellanicCloud(doc_.Catalogues.MagellanicClouds, kLargeCloudPointCount);
    MagellanicCloud(doc_.Catalogues.MagellanicClouds + kLargeCloudPointCount,
                    kMagellanicPointCount - kLargeCloudPointCount);
  }

  // One object's symbol, its centre at J2000 place ra, dec.
  void DeepSkyObject(const DeepSkyRecord& record, DeepSkyType type, double ra, double dec) {
    const double u = half_ * zoom_ / 60;          // pixels per degree
    const double rho = record.MajorAxis / 120.0;  // angular radius, degrees
    if (!std::isfinite(rho)) return;
    if (BelowHorizon(ra, dec, -rho)) return;

    // The object's frame: its centre at (0, 0, -1), turned to where the
    // screen draws it.
    double p[3], turn[16], tilt[16], frame[16];
    doc_.DrawingPoint(ra, dec, p);
    const astro::EquatorialCoord at = astro::SphereToEquatorial(p);
    render::RotationMatrix(15.0 * at.RightAscension, 0, 1, 0, turn);
    render::RotationMatrix(at.Declination, 1, 0, 0, tilt);
    render::MultiplyMatrices(page_.Modelview, turn, frame);
    render::MultiplyMatrices(frame, tilt, frame);
    static constexpr double kCentre[3] = {0, 0, -1};
    const Projected centre = Project(kCentre, frame);
    const double r = u * rho;
    // An object smaller than its symbol can show keeps the smallest symbol
    // that still tells its type, not a ring of no size.
    const int radius =
        std::max(kSmallestDeepSkySymbol, static_cast<int>(std::min(r, kCoordinateLimit)));
    const bool visible = centre.Front && Near(centre.P, r);
    const PagePoint c = centre.P;

    switch (type) {
      case DeepSkyType::OpenCluster: {
        brush_ = ChartFill::Black;
        const double n = std::floor(std::clamp(record.MajorAxis * 0.1 + 8, 0.0, kMaxOutlinePoints));
        for (int k = 0; k < n; ++k) {
          const double t = 2 * std::numbers::pi * k / n;
          double d[3];
          OffsetDirection(rho * std::cos(t), rho * std::sin(t), d);
          const Projected dot = Project(d, frame);
          if (!dot.Front || !OnPage(dot)) break;
          Add(ChartLayer::DeepSky, ChartCircle{dot.P, 3, ChartFill::Black});
        }
        break;
      }
      case DeepSkyType::GlobularCluster:
        brush_ = ChartFill::White;
        if (visible) AddFixedDeepSkySymbol(type, c, radius, brush_, ChartLayer::DeepSky, drawing_);
        break;
      case DeepSkyType::Galaxy:
        GalaxyOutline(record, frame, rho, r);
        break;
      case DeepSkyType::PlanetaryNebula:
      case DeepSkyType::Nebula:
        if (visible) AddFixedDeepSkySymbol(type, c, radius, brush_, ChartLayer::DeepSky, drawing_);
        break;
      case DeepSkyType::Unknown:
        break;
    }
  }

  // The sky the page shows, for the catalogues walked by sky cell: the
  // screen's middle, with the page's own reach.
  catalog::SkyView PageSky() const {
    catalog::SkyView view = doc_.VisibleSky(page_, zoom_);
    const double disc = half_ * zoom_;
    if (view.RadiusDegrees < 180 && disc > 0)
      view.RadiusDegrees = std::max(
          view.RadiusDegrees,
          std::asin(std::min(std::hypot(width_, height_) / 2 / disc, 1.0)) / astro::kDegToRad +
              1.5);
    return view;
  }

  // The NGC and IC objects of the NGC/IC file, as the screen walks them.
  void NgcIcAndLabels() {
    if (!settings_.ShowNGC) return;
    const catalog::NgcIcCatalogue& objects = doc_.Catalogues.DeepCatalogues.NgcIc();
    const bool labels = doc_.Settings().DeepSkyLabels && zoom_ >= sky::kNgcIcLabelZoom;
    objects.ForEachInView(
        PageSky(), sky::NgcIcWalkLimit(sky_.DeepSkyLimit), [&](const catalog::NgcIcRecord& object) {
          const DeepSkyType type = catalog::DeepSkyTypeOf(object.Type);
          if (type == DeepSkyType::Unknown || !DeepSkyTypeShown(settings_, type)) return;
          const int index = static_cast<int>(&object - objects.Records.data());
          const astro::EquatorialCoord at =
              doc_.Catalogues.DeepCatalogues.NgcIcPlace(index, doc_.Sky.CatalogueMotion);
          DeepSkyObject(sky::AsDeepSkyRecord(object), type, at.RightAscension, at.Declination);
          if (!labels) return;
          const Projected q = Place(at.RightAscension, at.Declination);
          if (!q.Front || !OnPage(q) || BelowHorizon(at.RightAscension, at.Declination)) return;
          const std::string name = FixedText(object.Name);
          NameBeside(
              ChartLayer::DeepSkyLabels, q, SymbolRadius(object.MajorAxis),
              settings_.DeepSkyLabelByNumber || name.empty() ? sky::NgcIcDesignation(object) : name,
              kDeepSkyLabelFont);
        });
  }

  // The object searched for, as the screen marks it: four corners round it,
  // and a deep-sky object its layer leaves out drawn and named all the same.
  void Selection() {
    const std::optional<render::SelectionMark> s = render::SelectionOf(doc_, sky_, zoom_);
    if (!s) return;
    const double ra = s->Place.RightAscension, dec = s->Place.Declination;
    if (s->Object && !s->DrawnByItsLayer) {
      brush_ = ChartFill::Black;
      DeepSkyObject(*s->Object, catalog::DeepSkyTypeOf(s->Object->Type), ra, dec);
    }
    const Projected q = Place(ra, dec);
    if (!q.Front || !OnPage(q) || BelowHorizon(ra, dec)) return;
    // Sized as the screen's marker, a logical pixel of the screen being a
    // 500th of the page's half.
    const render::MarkerSize marker =
        render::MarkerSizeOf(*s, half_ * zoom_ * astro::kDegToRad, half_ / 500.0);
    const double half = marker.Half, length = marker.CornerLength;
    ChartLines corners;
    for (const double sx : {-1.0, 1.0})
      for (const double sy : {-1.0, 1.0}) {
        const PagePoint c{PageCoordinate(q.P.X + sx * half), PageCoordinate(q.P.Y + sy * half)};
        corners.Segments.push_back({c, {PageCoordinate(c.X - sx * length), c.Y}});
        corners.Segments.push_back({c, {c.X, PageCoordinate(c.Y - sy * length)}});
      }
    Add(ChartLayer::DeepSky, std::move(corners));
    if (!s->NamedByItsLayer)
      NameBeside(ChartLayer::DeepSkyLabels, q, half, s->Label, kDeepSkyLabelFont);
  }

  // A galaxy's ellipse, turned by its position angle and squeezed to its
  // axis ratio (0.5 when an axis is unknown); the outline stops at the first
  // point on the far side of the sphere.
  void GalaxyOutline(const DeepSkyRecord& record, const double objectFrame[16], double rho,
                     double r) {
    double turn[16], frame[16];
    render::RotationMatrix(record.PositionAngle - 90, 0, 0, 1, turn);
    render::MultiplyMatrices(objectFrame, turn, frame);
    const double ratio =
        record.MajorAxis > 0 && record.MinorAxis > 0 ? record.MinorAxis / record.MajorAxis : 0.5;
    for (int k = 4; k < 8; ++k) frame[k] *= ratio;  // scaled by (1, ratio, 1)

    const double rhoRad = rho * astro::kDegToRad;
    const double start[3] = {-std::sin(rhoRad), 0, -std::cos(rhoRad)};
    Projected from = Project(start, frame);
    if (!from.Front) return;
    ChartLines lines;
    const double n = std::floor(std::clamp(r + 8, 8.0, kMaxOutlinePoints));
    for (int j = 1; j <= n; ++j) {
      const double t = 2 * std::numbers::pi * j / n;
      double d[3];
      OffsetDirection(rho * std::cos(t), rho * std::sin(t), d);
      const Projected to = Project(d, frame);
      if (!to.Front) break;
      if (Near(to.P, r)) lines.Segments.push_back({from.P, to.P});
      from = to;
    }
    Add(ChartLayer::DeepSky, std::move(lines));
  }

  // An outline of a Magellanic Cloud, drawn only when all of it is in front.
  void MagellanicCloud(const SkyPoint* points, int count) {
    ChartPolyline line;
    for (int k = 0; k < count; ++k) {
      const Projected q = Place(points[k].RightAscension, points[k].Declination);
      if (!q.Front) return;
      line.Points.push_back(q.P);
    }
    Add(ChartLayer::DeepSky, std::move(line));
  }

  void DeepSkyLabels() {
    if (!doc_.Settings().DeepSkyLabels || !sky::NamesShown(zoom_)) return;
    for (int i = 0; i < kDeepSkyCount; ++i) {
      const DeepSkyRecord& record = doc_.Sky.DeepSkyObjects[i];
      if (!DeepSkyShown(i, catalog::DeepSkyTypeOf(record.Type))) continue;
      const Projected q = Place(record.RightAscension, record.Declination);
      if (!q.Front || !OnPage(q) || BelowHorizon(record.RightAscension, record.Declination))
        continue;
      std::string text = sky::DeepSkyLabel(settings_, i, record);
      if (text.empty()) continue;
      NameBeside(ChartLayer::DeepSkyLabels, q, SymbolRadius(record.MajorAxis), std::move(text),
                 kDeepSkyLabelFont);
    }
    if (!sky::MagellanicCloudsShown(doc_)) return;
    for (const sky::SkyLabel& cloud : sky::kMagellanicCloudLabels) {
      const Projected q = Place(cloud.RightAscension, cloud.Declination);
      if (q.Front) NameAt(ChartLayer::DeepSkyLabels, q, cloud.Text, kDeepSkyLabelFont);
    }
  }

  void StarsAndNames() {
    Stars();
    StarNames();
  }

  void Stars() {
    const double limit = doc_.Limits.StarMagnitudeLimit;
    for (const StarRecord& star : doc_.Sky.Stars) {
      if (star.Magnitude > limit) continue;
      const Projected q = Place(star.RightAscension, star.Declination);
      if (!q.Front || !OnPage(q) || BelowHorizon(star.RightAscension, star.Declination)) continue;
      Add(ChartLayer::Stars, ChartCircle{q.P, StarRadius(star.Magnitude), ChartFill::Black});
    }
  }

  // The faint-star file's stars to the stars' limit.
  void FaintStars() {
    const catalog::FaintStarCatalogue& stars = doc_.Catalogues.DeepCatalogues.FaintStars();
    stars.ForEachInView(
        PageSky(), doc_.Limits.StarMagnitudeLimit, [&](const catalog::FaintStarRecord& star) {
          const int index = static_cast<int>(&star - stars.Records.data());
          const astro::EquatorialCoord at =
              doc_.Catalogues.DeepCatalogues.FaintStarPlace(index, doc_.Sky.CatalogueMotion);
          const Projected q = Place(at.RightAscension, at.Declination);
          if (!q.Front || !OnPage(q) || BelowHorizon(at.RightAscension, at.Declination)) return;
          Add(ChartLayer::Stars, ChartCircle{q.P, StarRadius(star.Magnitude), ChartFill::Black});
        });
  }

  void StarNames() {
    if (!doc_.Settings().StarNames || !sky::NamesShown(zoom_)) return;
    for (const StarNameRecord& star : doc_.Sky.ProperNames) {
      if (star.Magnitude > doc_.Limits.StarMagnitudeLimit) continue;
      const Projected q = Place(star.RightAscension, star.Declination);
      if (!q.Front || !OnPage(q) || BelowHorizon(star.RightAscension, star.Declination)) continue;
      NameBeside(ChartLayer::StarNames, q, StarRadius(star.Magnitude), FixedText(star.Name),
                 kStarNameFont);
    }
  }

  void SolarSystemAndNames() {
    SolarSystem();
    PlanetNames();
  }

  void SolarSystem() {
    const double u = half_ * zoom_ / 180;
    // The Sun and the Moon to their size from zoom 4 on, below it 32 pixels.
    const int discRadius = zoom_ > 4 ? static_cast<int>(std::min(u, kCoordinateLimit)) : 32;
    for (int i = astro::kBodyCount - 1; i >= 0; --i) {
      const astro::PlanetState& body = doc_.Sky.Bodies[i];
      const Projected q = Place(body.RightAscension, body.Declination);
      if (!q.Front) continue;
      const bool sunOrMoon = i == astro::kSun || i == astro::kMoon;
      // The Sun's and the Moon's discs show until their centres are half a degree down.
      if (BelowHorizon(body.RightAscension, body.Declination, sunOrMoon ? -0.5 : 0)) continue;
      const PagePoint c = q.P;
      if (sunOrMoon) {
        const int m = discRadius;
        if (i == astro::kSun) {
          const int ray = static_cast<int>(1.5 * m);
          Add(ChartLayer::SolarSystem, ChartLines{{{{c.X - ray, c.Y}, {c.X + ray, c.Y}},
                                                   {{c.X, c.Y - ray}, {c.X, c.Y + ray}},
                                                   {{c.X - m, c.Y - m}, {c.X + m, c.Y + m}},
                                                   {{c.X - m, c.Y + m}, {c.X + m, c.Y - m}}}});
        }
        Add(ChartLayer::SolarSystem, ChartCircle{c, m, ChartFill::White});
      } else {
        if (i == kSaturn)
          Add(ChartLayer::SolarSystem, ChartLines{{{{c.X - 24, c.Y}, {c.X + 24, c.Y}}}});
        Add(ChartLayer::SolarSystem, ChartCircle{c, 10, ChartFill::White});
      }
    }
  }

  void PlanetNames() {
    if (!doc_.Settings().PlanetNames || !sky::NamesShown(zoom_)) return;
    const double u = half_ * zoom_ / 180;
    const double disc = zoom_ > 4 ? std::min(u, kCoordinateLimit) : 32;
    for (int i = astro::kBodyCount - 1; i >= 0; --i) {
      const astro::PlanetState& body = doc_.Sky.Bodies[i];
      const Projected q = Place(body.RightAscension, body.Declination);
      if (!q.Front || !OnPage(q) || BelowHorizon(body.RightAscension, body.Declination)) continue;
      const bool sunOrMoon = i == astro::kSun || i == astro::kMoon;
      NameBeside(ChartLayer::PlanetNames, q,
                 sunOrMoon      ? disc
                 : i == kSaturn ? 24
                                : 10,
                 words_.Body(i), kPlanetNameFont);
    }
  }

  void GroundAndCompass() {
    Ground();
    Compass();
  }

  void Ground() {
    Add(ChartLayer::Ground,
        ChartPolygon{GroundPolygon(width_, height_, zoom_, doc_.Settings().XRotation),
                     ChartFill::LightGrey});
  }

  void Compass() {
    ChartLines ticks;
    for (int k = 0; k < 8; ++k) {
      const bool intercardinal = k % 2 == 1;
      if (intercardinal && zoom_ < 2) continue;
      // The horizon points are where the ground's edge is drawn: not lifted
      // by the refraction.
      const SkyPoint& point = doc_.Sky.HorizonPoints[k * 9];
      double p[3];
      astro::EquatorialToSphere(point.RightAscension, point.Declination, p);
      const Projected q = Project(p, page_.Modelview);
      if (!q.Front || q.Wx <= 0 || q.Wx >= width_ || q.Wy <= 0 || q.Wy >= height_) continue;
      ticks.Segments.push_back({q.P, {q.P.X, q.P.Y + 20}});
      NameCentred(ChartLayer::Compass, q.Wx, {q.Wy}, words_.CompassPoint(k), kCompassFont, true);
    }
    Add(ChartLayer::Compass, std::move(ticks));
  }

  // The user's eyepiece and camera fields round the middle of the page,
  // each named above its top (or where that is taken, below it or higher
  // up), as the screen draws them.
  // The chart's own step for a layer that draws itself on the screen.
  using Builder = void (CChartBuilder::*)();
  static Builder BuilderOf(render::SkyLayer layer) {
    using render::SkyLayer;
    switch (layer) {
      case SkyLayer::Boundaries:
        return &CChartBuilder::BoundariesAndNames;
      case SkyLayer::Figures:
        return &CChartBuilder::ConstellationLines;
      case SkyLayer::Ecliptic:
        return &CChartBuilder::Ecliptic;
      case SkyLayer::Grid:
        return &CChartBuilder::Grid;
      case SkyLayer::DeepSky:
        return &CChartBuilder::DeepSkyAndLabels;
      case SkyLayer::NgcIc:
        return &CChartBuilder::NgcIcAndLabels;
      case SkyLayer::FaintStars:
        return &CChartBuilder::FaintStars;
      case SkyLayer::Stars:
        return &CChartBuilder::StarsAndNames;
      case SkyLayer::SolarSystem:
        return &CChartBuilder::SolarSystemAndNames;
      case SkyLayer::Selection:
        return &CChartBuilder::Selection;
      case SkyLayer::Ground:
        return &CChartBuilder::GroundAndCompass;
      default:
        return nullptr;  // the sky's colours, the Milky Way, the landscape: not on paper
    }
  }

  // The chart's sort of the items of a layer described by primitives.
  static ChartLayer ChartLayerOf(render::SkyLayer layer) {
    return layer == render::SkyLayer::Fields ? ChartLayer::Fields : ChartLayer::Described;
  }

  // A layer's primitives described for the page, printed black on white
  // (its marks filled black):
  // the page's geometry, a logical pixel of the screen being
  // kPageUnit pixels of the page.
  void Described(render::SkyLayer layer, render::DescribeLayer describe) {
    render::SkyPrimitives primitives;
    const CPageLabelMeasure measure(measure_);
    describe({doc_, sky_, page_, zoom_, kPageUnit, measure}, primitives);
    const ChartLayer into = ChartLayerOf(layer);
    for (const render::SkyLine& line : primitives.Lines) {
      ChartPolyline polyline;
      for (const render::WindowPoint& p : line.Points)
        polyline.Points.push_back({PageCoordinate(p.X), PageCoordinate(height_ - p.Y)});
      if (line.Closed && !polyline.Points.empty())
        polyline.Points.push_back(polyline.Points.front());
      Add(into, std::move(polyline));
      if (line.Value.empty()) continue;
      const std::size_t n = line.Points.size();
      for (std::size_t k = 0; k + 1 < n + (line.Closed ? 1 : 0); ++k) {
        const render::WindowPoint &a = line.Points[k], &b = line.Points[(k + 1) % n];
        ValueAtFrame(a.X, a.Y, b.X, b.Y, line.Value, kAltAzGridValueFont);
      }
    }
    // Filled discs black, outlined ones white inside a black ring.
    for (const render::SkyDisc& disc : primitives.Discs)
      Add(into, ChartCircle{{PageCoordinate(disc.X), PageCoordinate(height_ - disc.Y)},
                            std::max(1, static_cast<int>(std::lround(disc.Radius))),
                            disc.Filled ? ChartFill::Black : ChartFill::White});
    for (const render::SkyName& name : primitives.Names)
      NameCentred(into, name.X, name.Baselines, name.Text, FontOf(name.Style));
  }

  // The legend of the page: its centre's J2000 place and the field the page
  // spans, at its foot.
  ChartDrawing Legend() {
    ChartDrawing legend;
    double ra = 0, dec = 0;
    if (!doc_.WindowToSky(page_, width_ / 2, height_ / 2, zoom_, ra, dec)) return legend;
    const auto across = [this](int pixels) {
      return 2 * std::asin(std::min(1.0, pixels / 2.0 / (half_ * zoom_))) / astro::kDegToRad;
    };
    const PagePoint corner =
        AddChartLegend(ChartLegendFacts(doc_, ra, dec, across(width_), across(height_), words_),
                       width_, height_, measure_, legend, words_);
    // Window pixels, y upwards, as the names' room counts them.
    room_.Take({0, 0, static_cast<double>(corner.X), static_cast<double>(height_ - corner.Y)});
    return legend;
  }

  void Frame() {
    Add(ChartLayer::Frame,
        ChartPolyline{
            {{0, 0}, {width_ - 1, 0}, {width_ - 1, height_ - 1}, {0, height_ - 1}, {0, 0}}});
  }

  static constexpr int kSaturn = 6;

  // A deep-sky symbol's radius as its name stands clear of it.
  double SymbolRadius(double majorAxis) const {
    const double r = half_ * zoom_ / 60 * majorAxis / 120.0;
    return std::isfinite(r) ? std::clamp(r, kSmallestSymbol, kFarthestName) : kSmallestSymbol;
  }

  const CSkyDoc& doc_;
  const render::SkyConditions& sky_;  // what the screen shows for the same settings
  const AppSettings& settings_;
  const int width_, height_, half_;
  const double zoom_;
  const CChartTextMeasure& measure_;
  const CChartNames& words_;
  // The page's geometry: its viewport, projection and the camera.
  sky::ViewGeometry page_;
  // The fill of the planetary nebulae: the last cluster's.
  ChartFill brush_ = ChartFill::Black;
  ChartDrawing drawing_;
  // The names' room on the page, window pixels (y upwards), and the names
  // waiting for it; the name rank of the layer being built.
  render::CLabelSpace room_;
  std::vector<PendingName> names_;
  int rank_ = 0;
  // The grids' values where their lines meet the frame, in the order found.
  std::vector<PendingValue> values_;
};

}  // namespace

std::vector<EdgeCrossing> FrameCrossings(double ax, double ay, double bx, double by, int width,
                                         int height) {
  struct Found {
    double T;
    EdgeCrossing Crossing;
  };
  std::vector<Found> found;
  // Where the line passes the edge at coordinate `edge` of the axis it
  // moves along from u0 to u1 (the other axis from v0 to v1), within `span`.
  const auto cross = [&](double u0, double u1, double v0, double v1, double edge, double span,
                         PageEdge which) {
    if ((u0 < edge) == (u1 < edge)) return;
    const double t = (edge - u0) / (u1 - u0);
    const double v = v0 + t * (v1 - v0);
    if (v >= 0 && v <= span) found.push_back({t, {which, v}});
  };
  const double w = width, h = height;
  cross(ax, bx, ay, by, 0, h, PageEdge::Left);
  cross(ax, bx, ay, by, w, h, PageEdge::Right);
  cross(ay, by, ax, bx, 0, w, PageEdge::Top);
  cross(ay, by, ax, bx, h, w, PageEdge::Bottom);
  std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.T < b.T; });
  std::vector<EdgeCrossing> crossings;
  for (const Found& f : found) crossings.push_back(f.Crossing);
  return crossings;
}

ChartFont ConstellationNameFont(double zoom) { return {zoom != 1.0 ? 72 : 66, 500, false}; }

int StarRadius(double magnitude) {
  if (std::isnan(magnitude)) return 2;
  switch (static_cast<int>(std::clamp(magnitude, -100.0, 100.0))) {
    case -1:
      return 15;
    case 0:
      return 12;
    case 1:
      return 10;
    case 2:
      return 8;
    case 3:
      return 6;
    case 4:
      return 4;
    case 5:
      return 3;
    default:
      return 2;
  }
}

std::vector<PagePoint> GroundPolygon(int width, int height, double zoom, double xRotation) {
  const double tilt = astro::Normalize360(xRotation);
  const double radius = std::min(width, height) * zoom * 0.5;
  // The ground lies below the horizon's arc unless the chart stands upside down.
  const bool upright = tilt >= 270 || tilt < 90;
  const double s = upright ? std::numbers::pi : -std::numbers::pi;
  const double squeeze = std::sin(tilt * astro::kDegToRad);
  const int cx = width / 2, cy = height / 2;

  // The horizon's arc from its left end to its right.
  std::vector<PagePoint> arc;
  for (int k = 35; k >= 0; --k) {
    const double a = k * s / 36;
    arc.push_back({cx + PageCoordinate(radius * std::cos(a)),
                   cy - PageCoordinate(radius * squeeze * std::sin(a))});
  }
  if (zoom < 16) {
    // The arc, then the rim of the sky disc back round the ground's side.
    std::vector<PagePoint> polygon = arc;
    for (int k = 0; k <= 35; ++k) {
      const double a = k * s / 36;
      polygon.push_back(
          {cx + PageCoordinate(radius * std::cos(a)), cy + PageCoordinate(radius * std::sin(a))});
    }
    return polygon;
  }

  // Close up the horizon is straight across the page, at the height where the
  // arc meets the left edge. An arc that never reaches that edge (a page many
  // times wider than high) divides at the height of its left end.
  double y0 = arc.front().Y;
  for (std::size_t k = 0; k + 1 < arc.size(); ++k) {
    const PagePoint a = arc[k], b = arc[k + 1];
    if (a.X <= 0 && b.X > 0) {
      y0 = a.X == b.X || a.Y == b.Y
               ? a.Y
               : a.Y + static_cast<double>(b.Y - a.Y) * (0 - a.X) / (b.X - a.X);
      break;
    }
  }
  const int y = static_cast<int>(y0);
  if (upright) return {{0, y}, {width, y}, {width, height}, {0, height}};
  return {{0, y}, {width, y}, {width, 0}, {0, 0}};
}

std::string CChartNames::Body(int body) const {
  return std::string(res::String(res::IDS_BODY_NAME_FIRST + body));
}

std::string CChartNames::CompassPoint(int point) const {
  static constexpr const char* kLetters[] = {"S", "SE", "E", "NE", "N", "NW", "W", "SW"};
  return kLetters[point];
}

std::string CChartNames::Constellation(const std::string& latin) const { return latin; }

std::string CChartNames::Text(int id) const { return std::string(res::String(id)); }

ChartDrawing BuildChart(CSkyDoc& doc, int width, int height, double zoom,
                        const CChartTextMeasure& measure, const CChartNames& names) {
  doc.PrepareCatalogues();
  return CChartBuilder(doc, width, height, zoom, measure, names).Build();
}

}  // namespace print
