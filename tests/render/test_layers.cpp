// The sky layers as a user sees them: stars, deep-sky objects, the Milky Way,
// the Magellanic Clouds, the line layers, the ground and the landscape, drawn
// offscreen and read back pixel by pixel, and picked with the selection pass.
#include <QOpenGLFramebufferObject>
#include <QPoint>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "astro/refraction.h"
#include "astro/transforms.h"
#include "catalog/cell_catalogues.h"
#include "render/display_list_ids.h"
#include "render/frame.h"
#include "render/gl.h"
#include "sky/camera_math.h"
#include "sky/night_vision.h"
#include "tests/render/sky_fixture.h"

namespace {

// A catalogue of these records, indexed by sky cell as the files are.
template <typename Record>
catalog::CellCatalogue<Record> Indexed(std::vector<Record> records) {
  const auto cellOf = [](const Record& r) {
    return catalog::SkyCellOf(r.RightAscension, r.Declination);
  };
  std::sort(records.begin(), records.end(), [&](const Record& a, const Record& b) {
    return std::pair(cellOf(a), a.Magnitude) < std::pair(cellOf(b), b.Magnitude);
  });
  catalog::CellCatalogue<Record> catalogue;
  catalogue.Status = catalog::CellCatalogue<Record>::State::Read;
  catalogue.CellStart.assign(catalog::SkyCellCount() + 1, 0);
  for (const Record& r : records) ++catalogue.CellStart[cellOf(r) + 1];
  for (std::size_t c = 1; c < catalogue.CellStart.size(); ++c)
    catalogue.CellStart[c] += catalogue.CellStart[c - 1];
  catalogue.Records = std::move(records);
  return catalogue;
}

constexpr int kSize = 400;

bool Contains(const std::vector<sky::PickHit>& hits, unsigned name) {
  return std::any_of(hits.begin(), hits.end(),
                     [name](const sky::PickHit& h) { return h.Name == name; });
}

class Layers : public SkyFixture {
 protected:
  void SetUp() override {
    SkyFixture::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    AllLayersOff();
    // A first frame loads the textures and stores the camera's matrices.
    Render(kSize, kSize);
  }

  // Moves the camera (equatorial mode) so that the view is centred on ra, dec.
  void CentreOn(double ra, double dec) {
    doc_->Settings().YRotation = -15 * ra;
    doc_->Settings().XRotation = -dec;
  }

  // Moves the camera (horizon mode) to azimuth (from the south through the
  // east) and altitude.
  void CentreOnHorizon(double azimuth, double altitude) {
    doc_->Settings().YRotation = (360 - azimuth) + 90;
    doc_->Settings().XRotation = -altitude;
  }

  void SetZoom(double zoom) {
    view_->Zoom = zoom;
    view_->Geometry.ProjectionDirty = true;
  }

  // Renders the frame of the current camera twice: the first stores the
  // matrices that positions are computed from.
  QImage Frame() {
    Render(kSize, kSize);
    return Render(kSize, kSize);
  }

  // A frame as the framebuffer holds it. Where translucent layers left an
  // alpha below 1, QImage's conversion of the canvas image would divide the
  // colour by it; here the stored colour is read as it is.
  QImage RawFrame() {
    Render(kSize, kSize);
    QImage image;
    EXPECT_TRUE(canvas_->MakeCurrent());
    {
      QOpenGLFramebufferObject fbo(kSize, kSize, QOpenGLFramebufferObject::CombinedDepthStencil);
      EXPECT_TRUE(fbo.bind());
      view_->SetWindowSize(kSize, kSize);
      view_->DrawFrame();
      image = fbo.toImage();
      image.reinterpretAsFormat(QImage::Format_RGB32);
      fbo.release();
    }
    canvas_->DoneCurrent();
    return image;
  }

  // The GL window position (y upwards) of a sky direction in the last frame.
  bool WindowOf(double ra, double dec, double& x, double& y) {
    double p[3];
    doc_->DrawingPoint(ra, dec, p);
    return view_->Geometry.SkyToWindow(p[0], p[1], p[2], x, y);
  }

  bool WindowOfHorizon(double azimuth, double altitude, double& x, double& y) {
    const astro::EquatorialCoord c = doc_->Sky.AstroState.SkyAt(azimuth, altitude);
    return WindowOf(c.RightAscension, c.Declination, x, y);
  }

  double AltitudeOf(double ra, double dec) {
    return doc_->Sky.AstroState.HorizonOf(ra, dec).Altitude;
  }

  // The names of a pick at GL window point x, y.
  std::vector<sky::PickHit> PickAt(double x, double y) {
    return canvas_->Pick(static_cast<int>(std::lround(x)),
                         kSize - static_cast<int>(std::lround(y)));
  }

  // The colour at GL window point x, y, which must lie in the frame.
  static QColor ColourAt(const QImage& image, double x, double y) {
    const QPoint p = Pixel(x, y);
    EXPECT_TRUE(image.rect().contains(p)) << x << ", " << y;
    return At(image, p.x(), p.y());
  }

  // The image pixel that holds GL window point x, y.
  static QPoint Pixel(double x, double y) {
    return {static_cast<int>(std::floor(x)), kSize - 1 - static_cast<int>(std::floor(y))};
  }

  // The sky direction under GL window point x, y of the last frame.
  void SkyAt(double x, double y, float& ra, float& dec) {
    const double radius = (kSize / 2) * view_->Zoom;
    const double dx = x - view_->Geometry.CentreX, dy = y - view_->Geometry.CentreY;
    const double q = (dx * dx + dy * dy) / (radius * radius);
    ASSERT_LT(q, 1.0);
    double p[3];
    ASSERT_TRUE(render::UnProjectPoint(x, y, 1 - std::sqrt(1 - q), view_->Geometry.Modelview,
                                       view_->Geometry.Projection, view_->Geometry.Viewport, p));
    ra = static_cast<float>(std::atan2(-p[0], -p[2]) * astro::kRadToDeg / 15);
    dec = static_cast<float>(std::asin(std::clamp(p[1], -1.0, 1.0)) * astro::kRadToDeg);
  }

  // Replaces a loaded texture by an opaque white square, so that what is
  // drawn with it shows its exact outline.
  void WhiteTexture(int slot) { StripedTexture(slot, 0, 64); }

  // A texture 64 texels wide: opaque white in columns [from, to), transparent
  // black elsewhere.
  void StripedTexture(int slot, int from, int to) {
    ASSERT_TRUE(canvas_->MakeCurrent());
    unsigned char texels[4][64][4];
    std::memset(texels, 0, sizeof texels);
    for (auto& row : texels)
      for (int c = from; c < to; ++c) std::memset(row[c], 255, 4);
    glBindTexture(GL_TEXTURE_2D, view_->Renderer().TextureName(slot));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 64, 4, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    canvas_->DoneCurrent();
  }

  // The Moon and the planets far below the horizon, the Moon new.
  void ParkSolarSystem() {
    PlaceBody(astro::kMoon, -60, 90);
    doc_->Sky.Bodies[astro::kMoon].HelioDistance = -1;
    for (int i = 2; i < astro::kBodyCount; ++i) PlaceBody(i, -60, 90);
  }

  // Sky colours and the solar system on, the Sun at `altitude` in the south-
  // west, the Moon (new) and the planets down.
  void SunAt(double altitude) {
    doc_->Settings().SkyColors = 1;
    doc_->Settings().SolarSystem = 1;
    ParkSolarSystem();
    PlaceBody(astro::kSun, altitude, 315);
  }

  // The camera on the point of the sky opposite the Sun.
  void FaceAwayFromSun() {
    const astro::PlanetState& sun = doc_->Sky.Bodies[astro::kSun];
    CentreOn(sun.RightAscension + 12, -sun.Declination);
  }

  // Pixels lit along a row (horizontal) or a column through `centre`, within
  // `reach` pixels: those whose red exceeds the background's by 40.
  static int Extent(const QImage& image, QPoint centre, bool horizontal, int reach = 20) {
    const int background = At(image, centre.x() + reach + 5, centre.y() + reach + 5).red();
    int lit = 0;
    for (int d = -reach; d <= reach; ++d) {
      const QPoint p =
          horizontal ? QPoint(centre.x() + d, centre.y()) : QPoint(centre.x(), centre.y() + d);
      lit += At(image, p.x(), p.y()).red() > background + 40;
    }
    return lit;
  }

  static std::tuple<int, int, int> Rgb(const QColor& c) { return {c.red(), c.green(), c.blue()}; }
};

// --- Stars ---------------------------------------------------------------

class StarLayer : public Layers {
 protected:
  void SetUp() override {
    Layers::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    for (StarRecord& star : doc_->Sky.Stars) star.Magnitude = 99;
    doc_->Settings().StarsColors = 0;
    WhiteTexture(render::kTexStar);
  }

  // Puts star i under GL window point x, y of the current camera.
  void PutStar(int i, double x, double y, float magnitude, char spectralClass = 'A') {
    StarRecord& star = doc_->Sky.Stars[i];
    SkyAt(x, y, star.RightAscension, star.Declination);
    star.Magnitude = magnitude;
    star.SpectralClass = spectralClass;
  }
};

TEST_F(StarLayer, BrightStarsAreSpritesAndFainterOnesPoints) {
  // The default limit 7.5 and no sky colours: the base is 7.
  ASSERT_EQ(doc_->Limits.StarMagnitudeLimit, 7.5);
  PutStar(100, 150, 200, 4.5f);  // size 2.5: a sprite of half-side 3.75
  PutStar(101, 250, 200, 5.5f);  // size 1.5: a point
  const QImage image = Render(kSize, kSize);
  // The sprite is centred on a pixel corner: 7.5 pixels cover 8 pixel centres.
  EXPECT_EQ(Extent(image, Pixel(150, 200), true), 8);
  EXPECT_EQ(Extent(image, Pixel(150, 200), false), 8);
  const int point = Extent(image, Pixel(250, 200), true);
  EXPECT_GE(point, 1);
  EXPECT_LE(point, 2);
}

// Zoomed in beyond zoom 2, a star grows (the part of its size above the
// smallest disc by 0.6 a doubling, at most three times), and from zoom 8 the
// stars brighter than 1 + log2(zoom) are named by designation.
TEST_F(StarLayer, BrightStarsGrowAndAreNamedAsTheViewZoomsIn) {
  doc_->Settings().StarNames = 1;
  int atlas = 0;  // 27 Tau, V 3.6, without a proper name
  while (doc_->Sky.Stars[atlas].HR != 1178) ++atlas;
  struct Case {
    double Zoom;
    int Extent;  // of a star of size 2.5
    bool Named;
  } const kCases[] = {{2, 8, false}, {4, 9, false}, {8, 11, true}, {32, 19, true}};
  for (const Case& c : kCases) {
    SetZoom(c.Zoom);
    Frame();
    PutStar(100, 150, 200, 4.5f);
    PutStar(atlas, 250, 200, 3.6f);
    const QImage image = Render(kSize, kSize);
    EXPECT_NEAR(Extent(image, Pixel(150, 200), true), c.Extent, 1) << c.Zoom;
    const auto& labels = view_->Renderer().StarLabels();
    EXPECT_EQ(
        std::any_of(labels.begin(), labels.end(),
                    [&](const render::PlacedLabel& l) { return l.Id == kStarNameCount + atlas; }),
        c.Named)
        << c.Zoom;
  }
}

TEST_F(StarLayer, FaintStarsFollowTheLimitTheirColourAndArePicked) {
  doc_->Settings().StarsColors = 1;
  catalog::FaintStarRecord red{}, faint{};
  SkyAt(150, 200, red.RightAscension, red.Declination);
  red.Magnitude = 5.5f;    // size 1.5
  red.ColourIndex = 1.6f;  // M: (255, 128, 128)
  red.Hip = 1;
  SkyAt(250, 200, faint.RightAscension, faint.Declination);
  faint.Magnitude = 7.6f;
  faint.ColourIndex = catalog::kUnknownColourIndex;
  faint.Hip = 2;
  doc_->Catalogues.DeepCatalogues.Use(Indexed<catalog::FaintStarRecord>({red, faint}), {});
  const auto& records = doc_->Catalogues.DeepCatalogues.FaintStars().Records;
  const unsigned redIndex = records[0].Hip == 1 ? 0 : 1;

  QImage image = Render(kSize, kSize);
  const QColor colour = ColourAt(image, 150, 200);
  EXPECT_GT(colour.red(), 100);
  EXPECT_LT(colour.green(), colour.red() * 0.7);
  EXPECT_EQ(Extent(image, Pixel(250, 200), true), 0) << "beyond the limit of 7.5";
  EXPECT_TRUE(Contains(PickAt(151, 201), render::kNameFaintStarFirst + redIndex))
      << "within the smallest pick radius";

  doc_->Limits.StarMagnitudeLimit = 8.0;
  image = Render(kSize, kSize);
  EXPECT_GE(Extent(image, Pixel(250, 200), true), 1);
  EXPECT_TRUE(Contains(PickAt(250, 200), render::kNameFaintStarFirst + (1 - redIndex)));
}

TEST_F(StarLayer, StarsAtTheLimitAreDrawnAndFainterOnesNot) {
  doc_->Limits.StarMagnitudeLimit = 6.0;
  PutStar(200, 150, 200, 6.0f);
  PutStar(201, 250, 200, 6.01f);
  const QImage image = Render(kSize, kSize);
  EXPECT_GE(Extent(image, Pixel(150, 200), true), 1);
  EXPECT_EQ(Extent(image, Pixel(250, 200), true), 0);
}

TEST_F(StarLayer, StarsFainterThanTheBaseAreSmallPointsNotTheLastSize) {
  // A bright point, then in catalogue order a star beyond the base of 7: GL
  // would keep the bright star's size for it.
  doc_->Settings().StarsDrawPoints = 1;
  PutStar(300, 150, 200, 0.0f);  // a point of size 7
  PutStar(301, 250, 200, 7.4f);
  const QImage image = Render(kSize, kSize);
  EXPECT_GE(Extent(image, Pixel(150, 200), true), 6);
  const int faint = Extent(image, Pixel(250, 200), true);
  EXPECT_GE(faint, 1);
  EXPECT_LE(faint, 2);
}

TEST_F(StarLayer, DrawPointsMakesEveryStarAPoint) {
  PutStar(100, 200, 200, 0.5f);  // size 6.5: a sprite of half-side 9.75
  EXPECT_EQ(Extent(Render(kSize, kSize), Pixel(200, 200), true), 20);
  doc_->Settings().StarsDrawPoints = 1;
  // A disc of 6.5 pixels whose antialiased rim reaches into the next pixel
  // on either side.
  const int point = Extent(Render(kSize, kSize), Pixel(200, 200), true);
  EXPECT_GE(point, 6);
  EXPECT_LE(point, 8);
}

TEST_F(StarLayer, TwilightThinsTheStarsOut) {
  SunAt(-12);
  FaceAwayFromSun();
  Frame();
  // The Sun at -12 with the Moon down: the base is 5.
  PutStar(10, 100, 150, 3.9f);  // size 1.1: a point
  PutStar(11, 300, 150, 4.1f);  // size 0.9: not drawn
  PutStar(12, 100, 250, 2.9f);  // size 2.1: a sprite of half-side 3.15
  PutStar(13, 300, 250, 3.1f);  // size 1.9: a point
  const QImage image = Render(kSize, kSize);
  EXPECT_GE(Extent(image, Pixel(100, 150), true), 1);
  EXPECT_EQ(Extent(image, Pixel(300, 150), true), 0);
  EXPECT_GE(Extent(image, Pixel(100, 250), true), 6);
  const int point = Extent(image, Pixel(300, 250), true);
  EXPECT_GE(point, 1);
  EXPECT_LE(point, 2);
}

TEST_F(StarLayer, NoStarsWhileTheSunIsAboveMinusThree) {
  SunAt(-4);
  FaceAwayFromSun();
  Frame();
  PutStar(10, 200, 200, -1.5f);
  EXPECT_GE(Extent(Render(kSize, kSize), Pixel(200, 200), true), 4) << "b = 2.33 at -4 degrees";
  SunAt(-2);
  EXPECT_EQ(Extent(Render(kSize, kSize), Pixel(200, 200), true), 0);
}

TEST_F(StarLayer, SpectralColoursWhiteWithoutThemAndRedInRedScreen) {
  PutStar(100, 200, 200, 1.0f, 'K');
  EXPECT_EQ(Rgb(At(Render(kSize, kSize), 200, 199)), std::make_tuple(255, 255, 255));
  doc_->Settings().StarsColors = 1;
  EXPECT_EQ(Rgb(At(Render(kSize, kSize), 200, 199)), std::make_tuple(255, 202, 45));
  doc_->Sky.Stars[100].SpectralClass = 'B';
  EXPECT_EQ(Rgb(At(Render(kSize, kSize), 200, 199)), std::make_tuple(150, 255, 255));
  doc_->Sky.Stars[100].SpectralClass = 'M';
  EXPECT_EQ(Rgb(At(Render(kSize, kSize), 200, 199)), std::make_tuple(255, 128, 128));
  doc_->Sky.Stars[100].SpectralClass = 'K';
  // Red screen: pure red, dimmed for night vision with the rest of the frame.
  doc_->Run.RedScreen = 1;
  EXPECT_EQ(Rgb(At(Render(kSize, kSize), 200, 199)),
            std::make_tuple(sky::kNightVisionMaxRed, 0, 0));
}

TEST_F(StarLayer, APickReachesAsFarAsTheStarIsDrawnAndAtLeastThreeDevicePixels) {
  SetZoom(1);
  struct Case {
    float magnitude;
    double ratio;
    int reached, missed;  // pick points this many pixels right of x = 200
  } const cases[] = {
      {5.5f, 1, 203, 204},   // a disc of radius 0.75: 3 pixels
      {-1.0f, 1, 204, 205},  // a sprite of radius 4.5
      {5.5f, 2, 203, 204},   // a disc of radius 1.5 device pixels: still 3
      {-1.0f, 2, 209, 210},  // radius 9 device pixels
  };
  for (const Case& c : cases) {
    view_->Renderer().SetDeviceRatio(c.ratio);
    Render(kSize, kSize);
    PutStar(100, 200.2, 200, c.magnitude);
    Render(kSize, kSize);
    const auto picked = [&](int x, int y) { return Contains(PickAt(x, y), 100u); };
    EXPECT_TRUE(picked(c.reached, 200)) << c.magnitude << " at ratio " << c.ratio;
    EXPECT_FALSE(picked(c.missed, 200)) << c.magnitude << " at ratio " << c.ratio;
    EXPECT_TRUE(picked(200, 200 + (c.reached - 201))) << c.magnitude << " above it";
  }
  view_->Renderer().SetDeviceRatio(1);
}

class StarPicks : public Layers {};

int IndexOfHR(const CSkyDoc& doc, int hr) {
  for (int i = 0; i < kStarCount; ++i)
    if (doc.Sky.Stars[i].HR == hr) return i;
  return -1;
}

TEST_F(StarPicks, APickAtABrightStarGivesItsCatalogueIndex) {
  const int betelgeuse = IndexOfHR(*doc_, 2061);
  ASSERT_GE(betelgeuse, 0);
  const StarRecord& star = doc_->Sky.Stars[betelgeuse];
  double x, y;
  ASSERT_TRUE(WindowOf(star.RightAscension, star.Declination, x, y));
  EXPECT_TRUE(Contains(PickAt(x, y), static_cast<unsigned>(betelgeuse)));
  // Ten pixels off, nothing of it.
  EXPECT_FALSE(Contains(PickAt(x + 10, y), static_cast<unsigned>(betelgeuse)));
}

TEST_F(StarPicks, InHorizonModeStarsBelowTheHorizonCannotBePicked) {
  doc_->Settings().HorizonMode = 1;
  CentreOnHorizon(90, 0);
  Frame();
  // The brightest star in view below the horizon and the brightest above it.
  int below = -1, above = -1;
  for (int i = 0; i < kStarCount; ++i) {
    const StarRecord& s = doc_->Sky.Stars[i];
    double x, y;
    if (!WindowOf(s.RightAscension, s.Declination, x, y) || x < 40 || x > 360 || y < 40 || y > 360)
      continue;
    const double h = AltitudeOf(s.RightAscension, s.Declination);
    if (h < -1 && (below < 0 || s.Magnitude < doc_->Sky.Stars[below].Magnitude)) below = i;
    if (h > 1 && (above < 0 || s.Magnitude < doc_->Sky.Stars[above].Magnitude)) above = i;
  }
  auto pickAt = [&](int i) {
    double x, y;
    EXPECT_TRUE(WindowOf(doc_->Sky.Stars[i].RightAscension, doc_->Sky.Stars[i].Declination, x, y));
    return PickAt(x, y);
  };
  EXPECT_TRUE(Contains(pickAt(above), static_cast<unsigned>(above)));
  EXPECT_FALSE(Contains(pickAt(below), static_cast<unsigned>(below)));

  // In equatorial mode the same star can be picked.
  doc_->Settings().HorizonMode = 0;
  CentreOn(doc_->Sky.Stars[below].RightAscension, doc_->Sky.Stars[below].Declination);
  Frame();
  EXPECT_TRUE(Contains(pickAt(below), static_cast<unsigned>(below)));
}

// --- Deep-sky objects and the Magellanic Clouds -------------------------

class DeepSkyLayer : public Layers {
 protected:
  void SetUp() override {
    Layers::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    doc_->Settings().DeepSky = 1;
    doc_->Limits.StarMagnitudeLimit = -10;
    doc_->Settings().DeepSkyColor = 255;  // pure red
    doc_->Settings().DeepSkyDrawSymbols = 1;
    for (DeepSkyRecord& record : doc_->Sky.DeepSkyObjects) record.Magnitude = 99;
    ASSERT_EQ(doc_->Limits.DeepSkyMagnitudeLimit, 11.0);
  }

  // Makes record i an object at the centre of the view (6 h, 0 degrees).
  DeepSkyRecord& PutObject(int i, const char* type, float major, float minor = 0,
                           int positionAngle = 0) {
    DeepSkyRecord& record = doc_->Sky.DeepSkyObjects[i];
    std::memset(record.Type, 0, sizeof record.Type);
    std::strncpy(record.Type, type, sizeof record.Type - 1);
    record.RightAscension = 6;
    record.Declination = 0;
    record.Magnitude = 5;
    record.MajorAxis = major;
    record.MinorAxis = minor;
    record.PositionAngle = positionAngle;
    return record;
  }

  static bool Red(const QColor& c) { return c.red() > 60 && c.green() < 40 && c.blue() < 40; }

  // The red pixels of a frame, as GL window pixel centres.
  static std::vector<std::pair<double, double>> RedPixels(const QImage& image) {
    std::vector<std::pair<double, double>> pixels;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (Red(At(image, x, y))) pixels.push_back({x + 0.5, image.height() - y - 0.5});
    return pixels;
  }

  // Width over height of the box round the red pixels.
  static double AspectRatio(const QImage& image) {
    const auto pixels = RedPixels(image);
    if (pixels.empty()) return 0;
    double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
    for (const auto& [x, y] : pixels) {
      x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
    }
    return (y1 - y0 + 1) / (x1 - x0 + 1);
  }

  // Groups of touching red pixels: their centres.
  static std::vector<std::pair<double, double>> Blobs(const QImage& image) {
    std::vector<std::vector<int>> label(image.height(), std::vector<int>(image.width(), 0));
    std::vector<std::pair<double, double>> centres;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        if (label[y][x] || !Red(At(image, x, y))) continue;
        double sx = 0, sy = 0;
        int n = 0;
        std::vector<QPoint> stack{{x, y}};
        label[y][x] = 1;
        while (!stack.empty()) {
          const QPoint p = stack.back();
          stack.pop_back();
          sx += p.x() + 0.5, sy += image.height() - p.y() - 0.5, ++n;
          for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
              const int qx = p.x() + dx, qy = p.y() + dy;
              if (qx < 0 || qy < 0 || qx >= image.width() || qy >= image.height()) continue;
              if (label[qy][qx] || !Red(At(image, qx, qy))) continue;
              label[qy][qx] = 1;
              stack.push_back({qx, qy});
            }
        }
        centres.push_back({sx / n, sy / n});
      }
    return centres;
  }

  int RedCount(const QImage& image) { return static_cast<int>(RedPixels(image).size()); }
};

TEST_F(DeepSkyLayer, AnOpenClusterOfTwentyArcMinutesIsARingOfTenDots) {
  PutObject(44, "OPNCL", 20);
  SetZoom(128);
  // 10 arc minutes at zoom 128: 200 * 128 pixels per radian.
  const double radius = std::sin(10.0 / 60 * astro::kDegToRad) * 200 * 128;
  for (int symbols = 0; symbols <= 1; ++symbols) {
    doc_->Settings().DeepSkyDrawSymbols = symbols;
    const auto dots = Blobs(Render(kSize, kSize));
    EXPECT_EQ(dots.size(), 10u) << "symbols " << symbols;
    for (const auto& [x, y] : dots) EXPECT_NEAR(std::hypot(x - 200, y - 200), radius, 1.5);
  }
}

TEST_F(DeepSkyLayer, AGalaxyWithoutMinorAxisHasAxisRatioOneHalf) {
  SetZoom(128);
  DeepSkyRecord& galaxy = PutObject(30, "GALXY", 20, 0, 0);
  WhiteTexture(render::kTexGalaxy);
  // Position angle 0: the major axis runs north-south, up the screen.
  for (int symbols = 0; symbols <= 1; ++symbols) {
    doc_->Settings().DeepSkyDrawSymbols = symbols;
    galaxy.MinorAxis = 0;
    EXPECT_NEAR(AspectRatio(Render(kSize, kSize)), 2.0, 0.1) << "symbols " << symbols;
    galaxy.MinorAxis = -3;
    EXPECT_NEAR(AspectRatio(Render(kSize, kSize)), 2.0, 0.1) << "symbols " << symbols;
    galaxy.MinorAxis = 5;
    EXPECT_NEAR(AspectRatio(Render(kSize, kSize)), 4.0, 0.3) << "symbols " << symbols;
    galaxy.MinorAxis = 20;
    EXPECT_NEAR(AspectRatio(Render(kSize, kSize)), 1.0, 0.05) << "symbols " << symbols;
  }
}

TEST_F(DeepSkyLayer, PicturesAreALittleLargerThanTheObjectWhileSmall) {
  PutObject(120, "GLOCL", 20);
  WhiteTexture(render::kTexGlobularCluster);
  doc_->Settings().DeepSkyDrawSymbols = 0;
  // Half-side r / 45 in model units, (1/6) / 45 * 200 * zoom pixels, while
  // the object's radius is below 6 pixels; from 12 pixels on, r / 0.45 in
  // radians: the cluster in the picture (0.45 of its half-side) fills it.
  const double small = 1.0 / 6 / 45 * 200 * 8;
  const double large = 1.0 / 6 * astro::kDegToRad / 0.45 * 200 * 128;
  for (const auto& [zoom, half] : {std::pair{8.0, small}, std::pair{128.0, large}}) {
    SetZoom(zoom);
    Frame();
    EXPECT_NEAR(RedCount(Render(kSize, kSize)), 4 * half * half, 4 * 2 * half + 8) << zoom;
  }
}

TEST_F(DeepSkyLayer, M31LiesAlongItsPositionAngle) {
  const DeepSkyRecord& m31 = doc_->Sky.DeepSkyObjects[30];
  ASSERT_EQ(m31.Number, 31);
  ASSERT_EQ(m31.PositionAngle, 35);
  doc_->Sky.DeepSkyObjects[30].Magnitude = 3.4f;
  doc_->Settings().DeepSkyDrawSymbols = 1;
  CentreOn(m31.RightAscension, m31.Declination);
  SetZoom(16);
  const QImage image = Frame();
  // North and east on the screen at M31.
  double cx, cy, nx, ny, ex, ey;
  ASSERT_TRUE(WindowOf(m31.RightAscension, m31.Declination, cx, cy));
  ASSERT_TRUE(WindowOf(m31.RightAscension, m31.Declination + 0.5, nx, ny));
  ASSERT_TRUE(WindowOf(m31.RightAscension + 0.5 / 15 / std::cos(m31.Declination * astro::kDegToRad),
                       m31.Declination, ex, ey));
  // The ellipse's long axis: the direction of largest spread of its pixels.
  double sxx = 0, syy = 0, sxy = 0;
  const auto pixels = RedPixels(image);
  ASSERT_GT(pixels.size(), 100u);
  for (const auto& [x, y] : pixels) {
    const double dx = x - cx, dy = y - cy;
    const double north = (dx * (nx - cx) + dy * (ny - cy)) / std::hypot(nx - cx, ny - cy);
    const double east = (dx * (ex - cx) + dy * (ey - cy)) / std::hypot(ex - cx, ey - cy);
    sxx += east * east, syy += north * north, sxy += east * north;
  }
  // Angle of the long axis from north through east.
  const double fromEast = 0.5 * std::atan2(2 * sxy, sxx - syy) * astro::kRadToDeg;
  EXPECT_NEAR(90 - fromEast, 35, 3);
}

// Once an object is a dozen pixels across, it is drawn at its true size and
// shape: a galaxy's picture fills its axes, a nebula is its axes' rectangle
// (a square of its major axis when small).
TEST_F(DeepSkyLayer, LargeObjectsTakeTheirTrueSizeAndShape) {
  SetZoom(32);
  // 60' x 20' at position angle 90: the long axis east-west, 112 px across.
  const double across = 2 * std::sin(0.5 * astro::kDegToRad) * 200 * 32;
  // The picture's galaxy reaches 0.45 of its half-side: the picture is
  // 1 / 0.45 of the axes (before, 1.27 of the major axis and squeezed).
  doc_->Settings().DeepSkyDrawSymbols = 0;
  WhiteTexture(render::kTexGalaxy);
  PutObject(30, "GALXY", 60, 20, 90);
  const QImage galaxy = Render(kSize, kSize);
  EXPECT_NEAR(Extent(galaxy, Pixel(200, 200), true, 180), across / 0.45, 3);
  EXPECT_NEAR(Extent(galaxy, Pixel(200, 200), false, 180), across / 0.45 / 3, 3);
  doc_->Settings().DeepSkyDrawSymbols = 1;
  PutObject(30, "BRTNB", 60, 20, 0);
  EXPECT_NEAR(AspectRatio(Render(kSize, kSize)), 3, 0.2) << "long north-south";
  PutObject(30, "BRTNB", 6, 2, 0);
  EXPECT_NEAR(AspectRatio(Render(kSize, kSize)), 1, 0.1) << "a square while small";
}

TEST_F(DeepSkyLayer, SwitchesMustBeExactlyOne) {
  SetZoom(32);
  PutObject(30, "GALXY", 20, 10);
  EXPECT_GT(RedCount(Render(kSize, kSize)), 20);
  doc_->Settings().ShowGalaxies = 2;
  EXPECT_EQ(RedCount(Render(kSize, kSize)), 0);
  doc_->Settings().ShowGalaxies = 0;
  EXPECT_EQ(RedCount(Render(kSize, kSize)), 0);
  doc_->Settings().ShowGalaxies = 1;
  doc_->Settings().ShowMessier = 2;
  EXPECT_EQ(RedCount(Render(kSize, kSize)), 0);

  // Each type has its own switch.
  struct Kind {
    const char* code;
    int AppSettings::*show;
  };
  for (const Kind kind :
       {Kind{"OPNCL", &AppSettings::ShowOpenClusters},
        Kind{"GLOCL", &AppSettings::ShowGlobClusters}, Kind{"BRTNB", &AppSettings::ShowNebulae},
        Kind{"PLNNB", &AppSettings::ShowPlanetNebulae}}) {
    doc_->Settings().ShowMessier = 1;
    PutObject(30, kind.code, 20);
    EXPECT_GT(RedCount(Render(kSize, kSize)), 8) << kind.code;
    doc_->Settings().*kind.show = 2;
    EXPECT_EQ(RedCount(Render(kSize, kSize)), 0) << kind.code;
  }
}

TEST_F(DeepSkyLayer, TheFirstNgcRecordFollowsTheNgcSwitch) {
  SetZoom(32);
  PutObject(110, "GLOCL", 20);
  doc_->Settings().ShowMessier = 0;
  EXPECT_GT(RedCount(Render(kSize, kSize)), 20);
  doc_->Settings().ShowMessier = 1;
  doc_->Settings().ShowNGC = 0;
  EXPECT_EQ(RedCount(Render(kSize, kSize)), 0);
  // And the last Messier record the Messier switch.
  doc_->Sky.DeepSkyObjects[110].Magnitude = 99;
  PutObject(109, "GLOCL", 20);
  EXPECT_GT(RedCount(Render(kSize, kSize)), 20);
  doc_->Settings().ShowMessier = 0;
  doc_->Settings().ShowNGC = 1;
  EXPECT_EQ(RedCount(Render(kSize, kSize)), 0);
}

TEST_F(DeepSkyLayer, UnknownTypesAreNeverDrawnNorPicked) {
  SetZoom(32);
  PutObject(50, "GLOCL", 20);
  EXPECT_GT(RedCount(Render(kSize, kSize)), 20);
  EXPECT_TRUE(Contains(canvas_->Pick(200, 200), render::kNameDeepSkyFirst + 50));
  for (const char* code : {"GLOCLX", "glocl", "QUASR", ""}) {
    PutObject(50, code, 20);
    EXPECT_EQ(RedCount(Render(kSize, kSize)), 0) << code;
    EXPECT_FALSE(Contains(canvas_->Pick(200, 200), render::kNameDeepSkyFirst + 50)) << code;
  }
}

TEST_F(DeepSkyLayer, ObjectsFainterThanTheLimitAreLeftOut) {
  SetZoom(32);
  PutObject(60, "GLOCL", 20).Magnitude = 11.0f;
  EXPECT_GT(RedCount(Render(kSize, kSize)), 20);
  doc_->Sky.DeepSkyObjects[60].Magnitude = 11.1f;
  EXPECT_EQ(RedCount(Render(kSize, kSize)), 0);
}

TEST_F(DeepSkyLayer, NgcIcObjectsFollowTheSwitchesAndTheLimit) {
  SetZoom(32);
  catalog::NgcIcRecord object{};
  object.Number = 2419;
  std::strcpy(object.Type, "GLOCL");
  object.RightAscension = 6;
  object.MajorAxis = 20;
  const auto put = [&](float magnitude) {
    object.Magnitude = magnitude;
    doc_->Catalogues.DeepCatalogues.Use({}, Indexed<catalog::NgcIcRecord>({object}));
  };
  put(11.0f);
  EXPECT_GT(RedCount(Render(kSize, kSize)), 20);
  EXPECT_TRUE(Contains(canvas_->Pick(200, 200), render::kNameNgcIcFirst));
  doc_->Settings().ShowNGC = 0;
  EXPECT_EQ(RedCount(Render(kSize, kSize)), 0);
  doc_->Settings().ShowNGC = 1;
  doc_->Settings().ShowGlobClusters = 2;
  EXPECT_EQ(RedCount(Render(kSize, kSize)), 0) << "the type's switch";
  doc_->Settings().ShowGlobClusters = 1;

  put(11.1f);
  EXPECT_EQ(RedCount(Render(kSize, kSize)), 0) << "beyond the limit";
  // Without a magnitude: only at the deepest limit.
  put(catalog::kUnusableMagnitude);
  EXPECT_EQ(RedCount(Render(kSize, kSize)), 0);
  doc_->Limits.DeepSkyMagnitudeLimit = 16;
  EXPECT_GT(RedCount(Render(kSize, kSize)), 20);
}

// The object searched for is drawn, picked and marked whatever the limit
// and the switches, until another is chosen; the marker is orange.
TEST_F(DeepSkyLayer, TheSelectedObjectIsDrawnMarkedAndPickedBeyondTheLimit) {
  SetZoom(32);
  const auto orange = [](const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = At(image, x, y);
        n += c.red() > 200 && c.green() > 100 && c.green() < 180 && c.blue() < 40;
      }
    return n;
  };
  catalog::NgcIcRecord object{};
  object.Number = 253;
  std::strcpy(object.Type, "GALXY");
  object.RightAscension = 6;
  object.MajorAxis = 20;
  object.MinorAxis = 5;
  object.Magnitude = 12;
  doc_->Catalogues.DeepCatalogues.Use({}, Indexed<catalog::NgcIcRecord>({object}));
  PutObject(60, "GLOCL", 20).Magnitude = 12;
  doc_->Sky.DeepSkyObjects[60].Declination = 1;
  struct Case {
    sky::SkyObjectRef Object;
    unsigned Name;
  } const kCases[] = {
      {{sky::SkyObjectRef::NgcIc, 0}, render::kNameNgcIcFirst},
      {{sky::SkyObjectRef::DeepSky, 60}, render::kNameDeepSkyFirst + 60},
  };
  for (const Case& c : kCases) {
    const astro::EquatorialCoord place = sky::PlaceOf(*doc_, c.Object);
    double x, y;
    doc_->Selected.reset();
    const QImage none = Render(kSize, kSize);
    ASSERT_TRUE(WindowOf(place.RightAscension, place.Declination, x, y));
    EXPECT_EQ(RedCount(none), 0) << c.Name;
    EXPECT_EQ(orange(none), 0) << c.Name;
    EXPECT_FALSE(Contains(PickAt(x, y), c.Name));
    doc_->Selected = c.Object;
    for (const int deepSky : {1, 0}) {
      doc_->Settings().DeepSky = deepSky;
      const QImage shown = Render(kSize, kSize);
      EXPECT_GT(RedCount(shown), 20) << c.Name << " deep sky " << deepSky;
      EXPECT_GT(orange(shown), 20) << c.Name << " deep sky " << deepSky;
      EXPECT_TRUE(Contains(PickAt(x, y), c.Name)) << c.Name << " deep sky " << deepSky;
    }
    doc_->Settings().DeepSky = 1;
  }
}

TEST_F(DeepSkyLayer, PicksNameTheObjectAndTheClouds) {
  SetZoom(32);
  PutObject(150, "GLOCL", 20);
  EXPECT_TRUE(Contains(canvas_->Pick(200, 200), render::kNameDeepSkyFirst + 150));
  PutObject(150, "PLNNB", 20);
  doc_->Settings().DeepSkyDrawSymbols = 0;
  EXPECT_TRUE(Contains(canvas_->Pick(200, 200), render::kNameDeepSkyFirst + 150));

  CentreOn(5.4, -69);
  SetZoom(2);
  Frame();
  auto pickBetween = [&](int a, int b) {
    const SkyPoint& p = doc_->Catalogues.MagellanicClouds[a];
    const SkyPoint& q = doc_->Catalogues.MagellanicClouds[b];
    double x1, y1, x2, y2;
    EXPECT_TRUE(WindowOf(p.RightAscension, p.Declination, x1, y1));
    EXPECT_TRUE(WindowOf(q.RightAscension, q.Declination, x2, y2));
    return PickAt((x1 + x2) / 2, (y1 + y2) / 2);
  };
  EXPECT_TRUE(Contains(pickBetween(3, 4), render::kNameLargeCloud));
  EXPECT_TRUE(Contains(pickBetween(27, 28), render::kNameSmallCloud));
}

TEST_F(DeepSkyLayer, DaylightHidesObjectsAndCloudsTwilightOnlyObjects) {
  doc_->Settings().SkyColors = 1;
  CentreOn(5.4, -69);  // the Large Magellanic Cloud
  PutObject(70, "GLOCL", 120);
  doc_->Sky.DeepSkyObjects[70].RightAscension = 5.4f;
  doc_->Sky.DeepSkyObjects[70].Declination = -55;
  // Away from the objects, the Sun's altitude is all that counts.
  PlaceBody(astro::kSun, -5, 0);
  Frame();
  double ox, oy;
  ASSERT_TRUE(WindowOf(5.4, -55, ox, oy));
  auto objectShown = [&](const QImage& image) {
    int red = 0;
    for (int dy = -6; dy <= 6; ++dy)
      for (int dx = -6; dx <= 6; ++dx)
        red += Red(At(image, Pixel(ox, oy).x() + dx, Pixel(ox, oy).y() + dy));
    return red > 0;
  };

  QImage image = Render(kSize, kSize);
  EXPECT_EQ(RedCount(image), 0) << "neither objects nor clouds at -5 degrees";
  PlaceBody(astro::kSun, -7, 0);
  image = Render(kSize, kSize);
  EXPECT_FALSE(objectShown(image)) << "the deep-sky limit is -4 at -7 degrees";
  EXPECT_GT(RedCount(image), 30) << "the clouds are drawn below -6 degrees";
  PlaceBody(astro::kSun, -20, 0);
  EXPECT_TRUE(objectShown(Render(kSize, kSize)));
  // Without sky colours the clouds show whatever the Sun does.
  doc_->Settings().SkyColors = 0;
  PlaceBody(astro::kSun, 30, 0);
  EXPECT_GT(RedCount(Render(kSize, kSize)), 30);
}

// --- Milky Way ----------------------------------------------------------

class MilkyWayLayer : public Layers {
 protected:
  void SetUp() override {
    Layers::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    doc_->Settings().MilkyWay = 1;
    doc_->Limits.StarMagnitudeLimit = -10;
    WhiteTexture(render::kTexMilkyWay);
  }

  // The camera on a point inside the band, 5 degrees off the galactic
  // equator, as far from the Sun as can be; the red of the band there.
  int BandRed() {
    const astro::PlanetState& sun = doc_->Sky.Bodies[astro::kSun];
    double best = -1;
    astro::EquatorialCoord point{};
    for (int l = -150; l <= 150; l += 10) {
      const astro::EquatorialCoord c = astro::GalacticToEquatorial(l, 5);
      const double d = astro::AngularSeparation(c.RightAscension, c.Declination, sun.RightAscension,
                                                sun.Declination);
      if (d > best) best = d, point = c;
    }
    CentreOn(point.RightAscension, point.Declination);
    return At(RawFrame(), 200, 200).red();
  }
};

TEST_F(MilkyWayLayer, FadesWithTheSun) {
  SunAt(-18);
  EXPECT_EQ(BandRed(), 255);
  SunAt(-15);
  EXPECT_NEAR(BandRed(), 128, 3) << "half opacity";
  SunAt(-12);
  EXPECT_EQ(BandRed(), 0);
  SunAt(-11);
  EXPECT_EQ(BandRed(), 0);
  // A full Moon up washes the band out as if the Sun stood 3 degrees higher.
  SunAt(-18);
  PlaceBody(astro::kMoon, 30, 315);
  doc_->Sky.Bodies[astro::kMoon].HelioDistance = 1;
  EXPECT_NEAR(BandRed(), 128, 3);
  // Without sky colours the band is always whole.
  doc_->Settings().SkyColors = 0;
  SunAt(-11);
  doc_->Settings().SkyColors = 0;
  EXPECT_EQ(BandRed(), 255);
}

TEST_F(MilkyWayLayer, LiesAlongTheGalacticEquator) {
  for (int l = -180; l < 180; l += 45) {
    const astro::EquatorialCoord on = astro::GalacticToEquatorial(l, 0);
    const astro::EquatorialCoord off = astro::GalacticToEquatorial(l, 25);
    CentreOn(on.RightAscension, on.Declination);
    const QImage image = Frame();
    EXPECT_EQ(At(image, 200, 200).red(), 255) << "l = " << l;
    double x, y;
    ASSERT_TRUE(WindowOf(off.RightAscension, off.Declination, x, y));
    EXPECT_EQ(ColourAt(image, x, y).red(), 0) << "l = " << l;
  }
}

// --- Line layers ----------------------------------------------------------

class LineLayers : public Layers {
 protected:
  void SetUp() override {
    Layers::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    doc_->Limits.StarMagnitudeLimit = -10;
  }

  struct Lit {
    int count = 0;
    int pureRed = 0;
    int settingColour = 0;
  };
  static Lit Classify(const QImage& image, int colorref) {
    const int r = colorref & 0xFF, g = (colorref >> 8) & 0xFF, b = (colorref >> 16) & 0xFF;
    Lit lit;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = At(image, x, y);
        if (c.red() + c.green() + c.blue() < 30) continue;
        ++lit.count;
        lit.pureRed += c.green() == 0 && c.blue() == 0;
        lit.settingColour += c == QColor(r, g, b);
      }
    return lit;
  }
};

TEST_F(LineLayers, EachDrawsInItsColourAndAllInPureRedInRedScreen) {
  struct Layer {
    int AppSettings::*on;
    int AppSettings::*colour;
  };
  CentreOn(5.5, 10);
  for (const Layer layer : {Layer{&AppSettings::Boundaries, &AppSettings::ConstBoundariesColor},
                            Layer{&AppSettings::Constelations, &AppSettings::ConstLinesColor},
                            Layer{&AppSettings::Ecliptic, &AppSettings::EclipticColor},
                            Layer{&AppSettings::Coordinations, &AppSettings::GridsColor}}) {
    AllLayersOff();
    doc_->Settings().*layer.on = 1;
    doc_->Settings().*layer.colour = 0x40C020;
    doc_->Run.RedScreen = 0;
    Lit lit = Classify(Render(kSize, kSize), 0x40C020);
    EXPECT_GT(lit.count, 100);
    EXPECT_GT(lit.settingColour, 20) << "(32, 192, 64) where a line covers a whole pixel";
    EXPECT_EQ(lit.pureRed, 0);
    doc_->Run.RedScreen = 1;
    lit = Classify(Render(kSize, kSize), 0x40C020);
    EXPECT_GT(lit.count, 100);
    EXPECT_EQ(lit.pureRed, lit.count);
  }
}

TEST_F(LineLayers, HourCirclesStopTenDegreesShortOfThePoles) {
  doc_->Settings().Coordinations = 1;
  SetZoom(4);
  for (const double pole : {90.0, -90.0}) {
    CentreOn(0, pole);
    const QImage image = Frame();
    // 800 pixels to the radian: 10 degrees from the pole is 139 pixels out,
    // the last parallel (75 degrees) 207.
    int inside = 0, ring = 0;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) {
        const double r = std::hypot(x + 0.5 - 200, kSize - y - 0.5 - 200);
        const bool lit = At(image, x, y).red() > 40;
        if (r < 134) inside += lit;
        if (r > 145 && r < 150) ring += lit;
      }
    EXPECT_EQ(inside, 0) << "pole " << pole;
    EXPECT_GE(ring, 24) << "24 hour circles cross the ring round pole " << pole;
  }
}

TEST_F(LineLayers, PicksNameTheLines) {
  doc_->Settings().Coordinations = 1;
  doc_->Settings().Ecliptic = 1;
  CentreOn(0, 0);
  SetZoom(2);
  Frame();
  double x, y;
  // An hour circle at 1 h, a parallel at +30 degrees away from any hour circle.
  ASSERT_TRUE(WindowOf(1, 40, x, y));
  EXPECT_TRUE(Contains(PickAt(x, y), render::kNameHourCircle));
  ASSERT_TRUE(WindowOf(23.5, 30, x, y));
  EXPECT_TRUE(Contains(PickAt(x, y), render::kNameParallel));
  const SkyPoint& e = doc_->Catalogues.EclipticPoints[71];
  ASSERT_TRUE(WindowOf(e.RightAscension, e.Declination, x, y));
  EXPECT_TRUE(Contains(PickAt(x, y), render::kNameEcliptic));
}

// --- Ground, landscape and compass ---------------------------------------

class HorizonLayers : public Layers {
 protected:
  void SetUp() override {
    Layers::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    doc_->Settings().HorizonMode = 1;
    doc_->Limits.StarMagnitudeLimit = -10;
  }

  static bool Orange(const QColor& c) {
    return c.red() > 100 && c.green() > 0.3 * c.red() && c.green() < 0.7 * c.red() &&
           c.blue() < 0.3 * c.red();
  }

  // A tick hangs 5 pixels down from the horizon point (GL window x, y).
  static bool TickBelow(const QImage& image, double x, double y, bool (*colour)(const QColor&)) {
    const QPoint top = Pixel(x, y);
    for (int dy = 1; dy <= 4; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (colour(At(image, top.x() + dx, top.y() + dy))) return true;
    return false;
  }
};

TEST_F(HorizonLayers, AtZoomOneEveryCompassPointInViewHasItsTick) {
  SetZoom(1);
  // Facing each cardinal point in turn, it and the two intercardinal points
  // beside it are in view.
  for (int facing = 0; facing < 360; facing += 90) {
    CentreOnHorizon(facing, 10);
    const QImage image = Frame();
    for (const int azimuth : {facing - 45, facing, facing + 45}) {
      const SkyPoint& p = doc_->Sky.HorizonPoints[((azimuth + 360) % 360) / 5];
      double x, y;
      ASSERT_TRUE(WindowOf(p.RightAscension, p.Declination, x, y)) << azimuth;
      EXPECT_TRUE(TickBelow(image, x, y, Orange)) << "azimuth " << azimuth;
    }
  }
}

TEST_F(HorizonLayers, AtZoomOneTheGroundReachesPastTheDisc) {
  SetZoom(1);
  CentreOnHorizon(0, -90);  // the nadir
  // 201.5 pixels out along the diagonal, just outside the disc of 200.
  const QColor rim = ColourAt(Frame(), 200 + 142.5, 200 + 142.5);
  EXPECT_TRUE(GroundColoured(rim)) << rim.red() << " " << rim.green() << " " << rim.blue();
  EXPECT_GE(rim.green(), 3);
}

// Red screen once left the ground grey; now nothing but red reaches the
// screen, the ground's grey included.
TEST_F(HorizonLayers, RedScreenMakesLinesRedAndTheGroundDarkRed) {
  doc_->Settings().Boundaries = doc_->Settings().Constelations = doc_->Settings().Ecliptic =
      doc_->Settings().Coordinations = 1;
  doc_->Settings().DeepSky = 1;
  doc_->Limits.StarMagnitudeLimit = 7.5;
  doc_->Run.RedScreen = 1;
  SetZoom(2);
  CentreOnHorizon(180, -20);
  const QImage image = Frame();
  // The middle of the disc is ground, dark at night, of which only the red
  // shows, dimmed for night vision with the rest of the frame: not black.
  const QColor ground = At(image, 200, 200);
  EXPECT_EQ(ground.green() + ground.blue(), 0);
  EXPECT_GT(ground.red(), 4);
  EXPECT_LT(ground.red(), 40);
  // Above the horizon every line, star and tick is pure red.
  int lit = 0, red = 0;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      double h;
      float ra = 0, dec = 0;
      SkyAt(x + 0.5, kSize - y - 0.5, ra, dec);
      h = AltitudeOf(ra, dec);
      if (h < 2) continue;
      const QColor c = At(image, x, y);
      if (c.red() + c.green() + c.blue() < 30) continue;
      ++lit;
      red += c.green() == 0 && c.blue() == 0;
    }
  EXPECT_GT(lit, 200);
  EXPECT_EQ(red, lit);
}

// The landscape once stood only on a coloured sky; it shows whatever the
// sky's background.
TEST_F(HorizonLayers, TheLandscapeStandsOnTheGroundWithAndWithoutSkyColours) {
  WhiteTexture(render::kTexHorizon);
  SetZoom(2);
  CentreOnHorizon(180, 15);
  doc_->Settings().SkyColors = 1;
  QImage image = Frame();
  // The band is as light as the sky lets it be: dark at this night hour.
  const double sun = AltitudeOf(doc_->Sky.Bodies[astro::kSun].RightAscension,
                                doc_->Sky.Bodies[astro::kSun].Declination);
  const int grey = static_cast<int>(255 * render::LandscapeLight(sun));
  const auto isBand = [grey](const QColor& c) {
    return std::abs(c.red() - grey) <= 2 && c.red() == c.green() && c.green() == c.blue();
  };
  double x, y;
  ASSERT_TRUE(WindowOfHorizon(180, 20, x, y));
  EXPECT_TRUE(isBand(ColourAt(image, x, y))) << "the landscape band stands on the horizon";
  ASSERT_TRUE(WindowOfHorizon(180, 38, x, y));
  EXPECT_TRUE(isBand(ColourAt(image, x, y)));
  ASSERT_TRUE(WindowOfHorizon(180, 42, x, y));
  EXPECT_FALSE(isBand(ColourAt(image, x, y))) << "and reaches 40 degrees";

  doc_->Settings().SkyColors = 0;
  image = Frame();
  ASSERT_TRUE(WindowOfHorizon(180, 20, x, y));
  EXPECT_TRUE(isBand(ColourAt(image, x, y))) << "the band on the black sky";
  ASSERT_TRUE(WindowOfHorizon(180, -10, x, y));
  const QColor ground = ColourAt(image, x, y);
  EXPECT_TRUE(GroundColoured(ground));
  EXPECT_GT(ground.green(), 5);
  const SkyPoint& north = doc_->Sky.HorizonPoints[36];
  ASSERT_TRUE(WindowOf(north.RightAscension, north.Declination, x, y));
  EXPECT_TRUE(TickBelow(image, x, y, Orange));
}

TEST_F(HorizonLayers, EquatorialModeHasNoGroundAndShowsStarsBelowTheHorizon) {
  doc_->Settings().HorizonMode = 0;
  CentreOn(5.5, 0);
  doc_->Settings().SkyColors = 0;
  QImage image = Frame();
  for (int y = 0; y < kSize; y += 2)
    for (int x = 0; x < kSize; x += 2) ASSERT_EQ(Rgb(At(image, x, y)), std::make_tuple(0, 0, 0));
  doc_->Settings().HorizonMode = 1;
  CentreOnHorizon(0, 0);
  image = Frame();
  int grey = 0;
  for (int y = 0; y < kSize; y += 2)
    for (int x = 0; x < kSize; x += 2) grey += At(image, x, y) != QColor(0, 0, 0);
  EXPECT_GT(grey, 1000);

  // A bright star below the horizon: hidden by the ground, seen without it.
  doc_->Limits.StarMagnitudeLimit = 7.5;
  int below = -1;
  for (int i = 0; i < kStarCount && below < 0; ++i) {
    const StarRecord& s = doc_->Sky.Stars[i];
    if (s.Magnitude < 2 && AltitudeOf(s.RightAscension, s.Declination) < -20) below = i;
  }
  ASSERT_GE(below, 0);
  const StarRecord& star = doc_->Sky.Stars[below];
  const astro::HorizontalCoord h =
      doc_->Sky.AstroState.HorizonOf(star.RightAscension, star.Declination);
  doc_->Settings().StarsDrawPoints = 1;
  CentreOnHorizon(360 - h.Azimuth, h.Altitude);
  image = Frame();
  EXPECT_TRUE(GroundColoured(At(image, 200, 199))) << "the ground";
  doc_->Settings().HorizonMode = 0;
  CentreOn(star.RightAscension, star.Declination);
  image = Frame();
  EXPECT_GT(At(image, 200, 199).red(), 100) << "the star";
}

TEST_F(HorizonLayers, TheGroundIsNeverPicked) {
  CentreOnHorizon(0, -30);
  Frame();
  EXPECT_FALSE(Contains(canvas_->Pick(200, 200), render::kNameGround));
}

}  // namespace

namespace {

class Refraction : public HorizonLayers {
 protected:
  // The ecliptic's points all round the horizon at geometric altitude h, and
  // one bright star at h in the south: what is drawn at h, from a display
  // list and star by star.
  void SkyAtAltitude(double h) {
    for (int i = 0; i < kEclipticPointCount; ++i) {
      const astro::EquatorialCoord c =
          doc_->Sky.AstroState.SkyAt(360.0 * i / (kEclipticPointCount - 1), h);
      doc_->Catalogues.EclipticPoints[i] = {static_cast<float>(c.RightAscension),
                                            static_cast<float>(c.Declination)};
    }
    const astro::EquatorialCoord star = doc_->Sky.AstroState.SkyAt(0, h);
    doc_->Sky.Stars[0].RightAscension = static_cast<float>(star.RightAscension);
    doc_->Sky.Stars[0].Declination = static_cast<float>(star.Declination);
    doc_->Sky.Stars[0].Magnitude = -1;
    doc_->Limits.StarMagnitudeLimit = -1;
    doc_->Settings().StarsDrawPoints = 1;
    doc_->Settings().Ecliptic = 1;
    settings_.EclipticColor = 0xFF0000;  // blue
    SetZoom(8);
    CentreOnHorizon(0, 0.5);
    // The star, grown with the zoom, would reach down into the hills.
    ClearLandscape();
  }

  // The mean image row of the blue ecliptic and of the white star in column
  // 200 +- 1 of a frame.
  static double RowOf(const QImage& image, bool (*colour)(const QColor&), int x = 200) {
    double sum = 0;
    int n = 0;
    for (int y = 0; y < kSize; ++y)
      for (int dx = -1; dx <= 1; ++dx)
        if (colour(At(image, x + dx, y))) sum += y, ++n;
    EXPECT_GT(n, 0);
    return n ? sum / n : -1;
  }
  static bool Blue(const QColor& c) { return c.blue() > 120 && c.red() < 60 && c.green() < 60; }
  static bool White(const QColor& c) { return c.red() > 120 && c.green() > 120 && c.blue() > 120; }
};

TEST_F(Refraction, LiftsListsAndStarsByTheAtmospheresRefraction) {
  SkyAtAltitude(1.0);
  // The lists follow each change of the refraction (the first frame compiles
  // the changed ecliptic).
  doc_->Settings().Refraction = 1;
  const QImage apparent = Frame();
  doc_->Settings().Refraction = 0;
  const QImage geometric = Frame();
  // 8 x 200 pixels cover 90 degrees along the sphere's radius.
  const double lift = astro::RefractionAt(1.0) * 1600 * astro::kDegToRad;
  EXPECT_NEAR(RowOf(geometric, Blue, 120) - RowOf(apparent, Blue, 120), lift, 1.5);
  EXPECT_NEAR(RowOf(geometric, White) - RowOf(apparent, White), lift, 1.5);
  // The readout under the pointer gives the geometric place back.
  double x, y, ra, dec;
  ASSERT_TRUE(WindowOf(doc_->Sky.Stars[0].RightAscension, doc_->Sky.Stars[0].Declination, x, y));
  ASSERT_TRUE(doc_->WindowToSky(view_->Geometry, static_cast<int>(std::lround(x)),
                                kSize - static_cast<int>(std::lround(y)), 8, ra, dec));
  EXPECT_NEAR(dec, doc_->Sky.Stars[0].Declination, 0.05);
  // Equatorial charts are never refracted.
  doc_->Settings().HorizonMode = 0;
  EXPECT_FALSE(doc_->Refracting());
}

TEST_F(Refraction, AStarJustBelowTheGeometricHorizonIsSeenAndPicked) {
  SkyAtAltitude(-0.3);  // apparent +0.25
  doc_->Settings().Ecliptic = 0;
  ClearLandscape();
  // Five degrees east of the south point, clear of the compass letter "S".
  const astro::EquatorialCoord east = doc_->Sky.AstroState.SkyAt(5, -0.3);
  doc_->Sky.Stars[0].RightAscension = static_cast<float>(east.RightAscension);
  doc_->Sky.Stars[0].Declination = static_cast<float>(east.Declination);
  for (const int on : {0, 1}) {
    doc_->Settings().Refraction = on;
    const QImage image = Frame();
    double x, y;
    ASSERT_TRUE(WindowOf(doc_->Sky.Stars[0].RightAscension, doc_->Sky.Stars[0].Declination, x, y));
    EXPECT_EQ(White(ColourAt(image, x, y)), on == 1) << on;
    EXPECT_EQ(Contains(PickAt(x, y), 0u), on == 1) << on;
  }
}

TEST_F(HorizonLayers, NothingShowsThroughTheGroundAtTheRim) {
  // At zoom 2 the corners of a wide view lie beyond the rim of the sphere,
  // where the ground's polygons fall short of its curve.
  doc_->Settings().Boundaries = doc_->Settings().Constelations = doc_->Settings().Ecliptic =
      doc_->Settings().MilkyWay = 1;
  doc_->Settings().DeepSky = 1;
  doc_->Limits.StarMagnitudeLimit = 6;
  SetZoom(2);
  constexpr int kWidth = 800, kHeight = 200;
  int checked = 0;
  for (int facing = 0; facing < 360; facing += 30) {
    CentreOnHorizon(facing, 10);
    Render(kWidth, kHeight);
    const QImage image = Render(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        double p[3];
        if (!view_->Geometry.WindowToSphere(x, y, view_->Zoom, p)) continue;
        // Clear of the compass ticks and of names standing on the horizon.
        const double* z = doc_->Sky.AstroState.ZenithPoint;
        if (std::asin(p[0] * z[0] + p[1] * z[1] + p[2] * z[2]) * astro::kRadToDeg > -3) continue;
        const QColor c = At(image, x, kHeight - 1 - y);
        ++checked;
        ASSERT_TRUE(GroundColoured(c)) << "facing " << facing << " at " << x << ", " << y << ": "
                                       << c.red() << " " << c.green() << " " << c.blue();
      }
  }
  EXPECT_GT(checked, 10000);
}

}  // namespace
