// The Sun, the Moon and the planets, the bitmap fonts and every label of the
// sky, as frames drawn offscreen and read back.
#include <QOpenGLFramebufferObject>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <optional>
#include <string>

#include "astro/angles.h"
#include "astro/transforms.h"
#include "render/bitmap_fonts.h"
#include "render/frame.h"
#include "render/gl.h"
#include "res/strings.h"
#include "sky/camera_math.h"
#include "sky/eyepiece_fields.h"
#include "sky/night_vision.h"
#include "sky/planet_face.h"
#include "tests/render/sky_fixture.h"

namespace {

// Label colours no other layer draws, as COLORREFs (red in the low byte).
constexpr int kConstellationYellow = 0x00FFFF;  // (255, 255, 0)
constexpr int kStarMagenta = 0xFF00FF;          // (255, 0, 255)
constexpr int kPlanetOrange = 0x0040FF;         // (255, 64, 0)
constexpr int kDeepSkyGreen = 0x80FF00;         // (0, 255, 128)

QColor ColourOf(int colorref) {
  return QColor(colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF);
}

using PixelTest = std::function<bool(const QColor&)>;

// Text of `colour`, antialiased over black: the colour at half coverage or
// more (the glyphs' rims are grey levels of it).
PixelTest Ink(const QColor& colour) {
  return [colour](const QColor& c) {
    const int top = std::max({colour.red(), colour.green(), colour.blue()});
    const double a = std::max({c.red(), c.green(), c.blue()}) / static_cast<double>(top);
    return a >= 0.5 && std::abs(c.red() - a * colour.red()) <= 12 &&
           std::abs(c.green() - a * colour.green()) <= 12 &&
           std::abs(c.blue() - a * colour.blue()) <= 12;
  };
}

// Differs from `background` by more than 40 in some channel.
PixelTest Unlike(const QColor& background) {
  return [background](const QColor& c) {
    return std::abs(c.red() - background.red()) > 40 ||
           std::abs(c.green() - background.green()) > 40 ||
           std::abs(c.blue() - background.blue()) > 40;
  };
}

int Count(const QImage& image, QRect area, const PixelTest& test) {
  area = area.intersected(image.rect());
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (test(image.pixelColor(x, y))) ++count;
  return count;
}

// The bounding box of the matching pixels; empty when there are none.
QRect Extent(const QImage& image, QRect area, const PixelTest& test) {
  area = area.intersected(image.rect());
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (test(image.pixelColor(x, y))) box |= QRect(x, y, 1, 1);
  return box;
}

class SkyObjects : public SkyFixture {
 protected:
  // Only what a test turns on, no stars, and label colours of their own.
  void Quiet() {
    AllLayersOff();
    doc_->Limits.StarMagnitudeLimit = -10;
    settings_.ConstLabelsColor = kConstellationYellow;
    settings_.StarsNamesColor = kStarMagenta;
    settings_.PlanetNamesColor = kPlanetOrange;
    settings_.DeepSkyLabelsColor = kDeepSkyGreen;
  }

  void SetZoom(double zoom) {
    view_->Zoom = zoom;
    view_->Geometry.ProjectionDirty = true;
  }

  // Turns the equatorial chart so that (ra, dec) is in the middle, north up,
  // or north down when `upsideDown`.
  void CentreOn(double ra, double dec, bool upsideDown = false) {
    doc_->Settings().HorizonMode = 0;
    doc_->Settings().YRotation = upsideDown ? 180 - 15 * ra : -15 * ra;
    doc_->Settings().XRotation = upsideDown ? 180 + dec : -dec;
  }

  // The window position (GL: y upwards) of a sky direction in the last frame.
  bool WindowOf(double ra, double dec, double& x, double& y) const {
    double p[3];
    doc_->DrawingPoint(ra, dec, p);
    return view_->Geometry.SkyToWindow(p[0], p[1], p[2], x, y);
  }

  // The pixel of a window position in an image, whose rows run downwards.
  static QPoint Pixel(const QImage& image, double x, double y) {
    return {static_cast<int>(std::floor(x)), image.height() - 1 - static_cast<int>(std::floor(y))};
  }

  // The pixel where text drawn at a window position starts its baseline (GL
  // rounds raster positions a hair upwards).
  static QPoint TextPixel(const QImage& image, double x, double y) {
    return Pixel(image, x + 1e-3, y + 1e-3);
  }

  QPoint PixelOf(const QImage& image, double ra, double dec) const {
    double x, y;
    EXPECT_TRUE(WindowOf(ra, dec, x, y));
    return Pixel(image, x, y);
  }

  QPoint BodyPixel(const QImage& image, int body) const {
    return PixelOf(image, doc_->Sky.Bodies[body].RightAscension,
                   doc_->Sky.Bodies[body].Declination);
  }

  // Names under an image pixel of the last frame's size.
  std::vector<unsigned> PickAt(QPoint pixel) {
    std::vector<unsigned> names;
    for (const sky::PickHit& hit : canvas_->Pick(pixel.x(), pixel.y())) names.push_back(hit.Name);
    return names;
  }

  static bool Has(const std::vector<unsigned>& names, unsigned name) {
    return std::find(names.begin(), names.end(), name) != names.end();
  }

  // Measures with the fonts of the canvas's context.
  int TextWidth(render::LabelFont font, std::string_view text) {
    EXPECT_TRUE(canvas_->MakeCurrent());
    const int width = render::CTextMeasure(font).Width(text);
    canvas_->DoneCurrent();
    return width;
  }
  int TextHeight(render::LabelFont font) {
    EXPECT_TRUE(canvas_->MakeCurrent());
    const int height = render::CTextMeasure(font).Height();
    canvas_->DoneCurrent();
    return height;
  }

  double AltitudeOf(double ra, double dec) const {
    return doc_->Sky.AstroState.HorizonOf(ra, dec).Altitude;
  }

  // Puts a direction at altitude and azimuth (from the south through the east).
  astro::EquatorialCoord AtHorizontal(double altitude, double azimuth) const {
    return doc_->Sky.AstroState.SkyAt(azimuth, altitude);
  }

  // Horizon mode looking at altitude and azimuth (from the south through the east).
  void LookAtHorizontal(double altitude, double azimuth) {
    doc_->Settings().HorizonMode = 1;
    doc_->Settings().XRotation = -altitude;
    doc_->Settings().YRotation = (360 - azimuth) + 90;
  }
};

// ---------------------------------------------------------------------------
// Bitmap fonts

class BitmapFonts : public SkyObjects {
 protected:
  // Draws `text` with `font` in white at window position (20, 20) of a black
  // 300 x 60 frame and returns the frame.
  QImage DrawAlone(render::LabelFont font, std::string_view text) {
    Render(300, 60);  // makes the fonts
    EXPECT_TRUE(canvas_->MakeCurrent());
    QImage image;
    {
      QOpenGLFramebufferObject fbo(300, 60);
      EXPECT_TRUE(fbo.bind());
      glViewport(0, 0, 300, 60);
      glClearColor(0, 0, 0, 1);
      glClear(GL_COLOR_BUFFER_BIT);
      view_->Renderer().SetPixelProjection(300, 60);
      glColor3ub(255, 255, 255);
      render::DrawText(font, 20, 20, text);
      glFinish();
      image = fbo.toImage().convertToFormat(QImage::Format_RGB32);
      fbo.release();
    }
    canvas_->DoneCurrent();
    return image;
  }
};

TEST_F(BitmapFonts, TextIsAsWideAsMeasuredAndStandsOnItsBaseline) {
  for (render::LabelFont font :
       {render::LabelFont::Bold16, render::LabelFont::Plain14, render::LabelFont::Italic14}) {
    const QImage image = DrawAlone(font, "Alnair HIM");
    const QRect ink = Extent(image, image.rect(), Ink(Qt::white));
    ASSERT_FALSE(ink.isEmpty());
    const int width = TextWidth(font, "Alnair HIM");
    EXPECT_NEAR(ink.left(), 20, 2);
    EXPECT_NEAR(ink.right() + 1, 20 + width, 2) << "measured " << width;
    EXPECT_EQ(ink.bottom(), 60 - 1 - 20) << "no descenders: the text stands on the baseline";
  }
}

TEST_F(BitmapFonts, CellHeightsAreSixteenAndFourteenPixels) {
  Render(100, 100);
  EXPECT_EQ(TextHeight(render::LabelFont::Bold16), 16);
  EXPECT_EQ(TextHeight(render::LabelFont::Plain14), 14);
  EXPECT_EQ(TextHeight(render::LabelFont::Italic14), 14);
  EXPECT_GT(TextWidth(render::LabelFont::Bold16, "Orion"),
            TextWidth(render::LabelFont::Plain14, "Orion"));
}

TEST_F(BitmapFonts, LatinOneCharactersDrawAndAdvance) {
  const char degree[] = {'4', '5', static_cast<char>(176), '\0'};
  const QImage withDegree = DrawAlone(render::LabelFont::Bold16, degree);
  const QImage withoutDegree = DrawAlone(render::LabelFont::Bold16, "45");
  const int inkWith = Count(withDegree, withDegree.rect(), Ink(Qt::white));
  const int inkWithout = Count(withoutDegree, withoutDegree.rect(), Ink(Qt::white));
  EXPECT_GT(inkWith, inkWithout) << "the degree sign draws";
  // Above the digits' top: only the degree sign reaches there, to their right.
  const QRect ring =
      Extent(withDegree, QRect(0, 0, 300, 60), Ink(Qt::white))
          .intersected(QRect(20 + TextWidth(render::LabelFont::Bold16, "45"), 0, 40, 60));
  EXPECT_FALSE(ring.isEmpty());
  for (int c = 32; c < 256; ++c) {
    if ((c >= 127 && c < 160) || c == 173) continue;  // control codes and the soft hyphen
    const char text[] = {static_cast<char>(c), '\0'};
    EXPECT_GT(TextWidth(render::LabelFont::Plain14, text), 0) << "character " << c;
  }
  EXPECT_EQ(TextWidth(render::LabelFont::Plain14, "\n"), 0);
}

TEST_F(BitmapFonts, PolishLettersDrawWithTheirMarks) {
  const std::string polish = render::LabelText(QStringLiteral("\u0141ab\u0119d\u017A"));  // Łabędź
  for (render::LabelFont font :
       {render::LabelFont::Bold16, render::LabelFont::Plain14, render::LabelFont::Italic14}) {
    const QImage own = DrawAlone(font, polish);
    const QImage plain = DrawAlone(font, "Labedz");
    const QRect ownInk = Extent(own, own.rect(), Ink(Qt::white));
    const QRect plainInk = Extent(plain, plain.rect(), Ink(Qt::white));
    ASSERT_FALSE(ownInk.isEmpty());
    EXPECT_GT(Count(own, own.rect(), Ink(Qt::white)), Count(plain, plain.rect(), Ink(Qt::white)))
        << "the stroke, the ogonek and the accent draw";
    EXPECT_GT(ownInk.bottom(), 60 - 1 - 20) << "the ogonek reaches below the baseline";
    EXPECT_EQ(plainInk.bottom(), 60 - 1 - 20);
    EXPECT_LT(ownInk.top(), plainInk.top()) << "the acute stands above the letters";
    EXPECT_NEAR(ownInk.right() + 1, 20 + TextWidth(font, polish), 2);
  }
  for (char16_t c = 0x100; c <= 0x17F; ++c)
    EXPECT_GT(TextWidth(render::LabelFont::Plain14, render::LabelText(QString(QChar(c)))), 0)
        << "character " << static_cast<int>(c);
}

TEST_F(BitmapFonts, SpacesAdvance) {
  const QImage spaced = DrawAlone(render::LabelFont::Plain14, "A   B");
  const QImage tight = DrawAlone(render::LabelFont::Plain14, "AB");
  EXPECT_GT(Extent(spaced, spaced.rect(), Ink(Qt::white)).width(),
            Extent(tight, tight.rect(), Ink(Qt::white)).width() + 6);
}

TEST_F(BitmapFonts, AreMadeAtTheDevicePixelSize) {
  Render(100, 100);
  const int normal = TextWidth(render::LabelFont::Bold16, "Cassiopeia");
  ASSERT_TRUE(canvas_->MakeCurrent());
  render::BuildLabelFonts(2.0);
  const int doubled = render::CTextMeasure(render::LabelFont::Bold16).Width("Cassiopeia");
  const int cell = render::CTextMeasure(render::LabelFont::Bold16).Height();
  canvas_->DoneCurrent();
  EXPECT_NEAR(doubled, 2 * normal, 6);
  EXPECT_LE(cell, 32);
  EXPECT_GE(cell, 30);
}

// ---------------------------------------------------------------------------
// Sun, Moon and planets

class SolarSystem : public SkyObjects {
 protected:
  // The Sun at `altitude` in the south-west, the new Moon far below, the
  // camera on the point opposite the Sun, and the eight planets in a column
  // through the middle of the view, 5 degrees apart.
  void PlanetsAgainstSky(double sunAltitude) {
    Quiet();
    doc_->Settings().SolarSystem = 1;
    PlaceBody(astro::kSun, sunAltitude, 315);
    PlaceBody(astro::kMoon, -60, 90);
    doc_->Sky.Bodies[astro::kMoon].HelioDistance = -1;
    const astro::PlanetState& sun = doc_->Sky.Bodies[astro::kSun];
    const double ra = std::fmod(sun.RightAscension + 12, 24), dec = -sun.Declination;
    CentreOn(ra, dec);
    Render();
    // Each planet a quarter pixel off the corner of four pixels, so that every
    // size of point covers a telling number of pixel centres.
    const double radius =
        (std::min(view_->Geometry.Viewport[2], view_->Geometry.Viewport[3]) / 2) * view_->Zoom;
    for (int body = 2; body <= 9; ++body) {
      double x, y, p[3];
      ASSERT_TRUE(WindowOf(ra, dec + (body - 5.5) * 5, x, y));
      x = std::floor(x) + 0.25;
      y = std::floor(y) + 0.25;
      const double q =
          (std::pow(x - view_->Geometry.CentreX, 2) + std::pow(y - view_->Geometry.CentreY, 2)) /
          (radius * radius);
      ASSERT_TRUE(render::UnProjectPoint(x, y, 1 - std::sqrt(1 - q), view_->Geometry.Modelview,
                                         view_->Geometry.Projection, view_->Geometry.Viewport, p));
      doc_->Sky.Bodies[body].RightAscension =
          astro::Normalize360(std::atan2(-p[0], -p[2]) * astro::kRadToDeg) / 15;
      doc_->Sky.Bodies[body].Declination =
          std::asin(std::clamp(p[1], -1.0, 1.0)) * astro::kRadToDeg;
    }
    // Square points show the size they were given (rounded); round ones are
    // never smaller than 2 pixels on some drivers.
    ASSERT_TRUE(canvas_->MakeCurrent());
    glDisable(GL_POINT_SMOOTH);
    canvas_->DoneCurrent();
  }

  // Pixels of the planet's point that stand out from the sky around it.
  int PlanetArea(const QImage& image, int body) {
    const QPoint p = BodyPixel(image, body);
    const QColor sky = image.pixelColor(p.x() + 12, p.y());
    return Count(image, QRect(p.x() - 5, p.y() - 5, 11, 11), Unlike(sky));
  }

  bool RedSpot(const QImage& image) {
    const QPoint p = BodyPixel(image, 5);
    return Count(image, QRect(p.x() - 3, p.y() - 3, 7, 7), [](const QColor& c) {
             return c.red() > 150 && c.green() < 120 && c.blue() < 120;
           }) > 0;
  }

  // The polar caps: near-white points 3 pixels above and below Mars.
  int CapPixels(const QImage& image) {
    const QPoint p = BodyPixel(image, 4);
    return Count(image, QRect(p.x() - 1, p.y() - 4, 3, 9),
                 [](const QColor& c) { return c.blue() > 150 && c.red() > 200; });
  }

  // Saturn's ring reaches 7 pixels to either side, beyond the planet's point.
  int RingPixels(const QImage& image) {
    const QPoint p = BodyPixel(image, 6);
    const auto yellow = [](const QColor& c) { return c.red() > 80 && c.blue() < c.red() / 2; };
    return Count(image, QRect(p.x() - 7, p.y() - 1, 3, 3), yellow) +
           Count(image, QRect(p.x() + 5, p.y() - 1, 3, 3), yellow);
  }

  // Moon alone in the middle of a black chart.
  void MoonAlone(double phase, double axisAngle) {
    Quiet();
    doc_->Settings().SolarSystem = 1;
    doc_->Sky.AstroState.MoonPhaseAngle = phase;
    doc_->Sky.AstroState.MoonAxisAngle = axisAngle;
    doc_->Sky.Bodies[astro::kMoon].RightAscension = 3;
    doc_->Sky.Bodies[astro::kMoon].Declination = 10;
    for (int body = astro::kSun; body < astro::kBodyCount; ++body) {
      doc_->Sky.Bodies[body].RightAscension = 15;  // on the far side
      doc_->Sky.Bodies[body].Declination = -10;
    }
    CentreOn(3, 10);
  }

  // Mean brightness of the four quarters of a disc of radius r around p:
  // right, top, left, bottom (image rows run downwards).
  struct Quarters {
    double Right = 0, Top = 0, Left = 0, Bottom = 0;
  };
  static Quarters QuartersOf(const QImage& image, QPoint p, int r) {
    double sum[4] = {}, n[4] = {};
    for (int dy = -r; dy <= r; ++dy)
      for (int dx = -r; dx <= r; ++dx) {
        if (dx * dx + dy * dy > r * r || (dx == 0 && dy == 0)) continue;
        const int q = std::abs(dx) >= std::abs(dy) ? (dx > 0 ? 0 : 2) : (dy < 0 ? 1 : 3);
        sum[q] += qGray(image.pixel(p.x() + dx, p.y() + dy));
        ++n[q];
      }
    return {sum[0] / n[0], sum[1] / n[1], sum[2] / n[2], sum[3] / n[3]};
  }

  // Widest run of lit pixels along the row and the column through p.
  static std::pair<int, int> DiscSize(const QImage& image, QPoint p) {
    const PixelTest lit = Unlike(Qt::black);
    const QRect row = Extent(image, QRect(0, p.y(), image.width(), 1), lit);
    const QRect column = Extent(image, QRect(p.x(), 0, 1, image.height()), lit);
    return {row.width(), column.height()};
  }
};

TEST_F(SolarSystem, SunAtTenDegreesLeavesOnlyVenusAndJupiter) {
  PlanetsAgainstSky(10);
  doc_->Settings().SkyColors = 1;
  const QImage image = Render();
  EXPECT_EQ(PlanetArea(image, 3), 4) << "Venus, size 2";
  EXPECT_EQ(PlanetArea(image, 5), 1) << "Jupiter, size 1";
  EXPECT_FALSE(RedSpot(image));
  for (int body : {2, 4, 6, 7, 8, 9}) EXPECT_EQ(PlanetArea(image, body), 0) << "body " << body;
}

TEST_F(SolarSystem, SunAtMinusFourShowsMercuryAndMarsSmallAndHidesSaturn) {
  PlanetsAgainstSky(-4);
  doc_->Settings().SkyColors = 1;
  const QImage image = Render();
  EXPECT_EQ(PlanetArea(image, 2), 1) << "Mercury, size 4/3";
  EXPECT_EQ(PlanetArea(image, 4), 1) << "Mars, size 4/3";
  EXPECT_EQ(PlanetArea(image, 5), 9) << "Jupiter, size 2 + 4/3";
  EXPECT_EQ(PlanetArea(image, 3), 16) << "Venus, size 2 + 4/2";
  EXPECT_EQ(CapPixels(image), 0) << "no polar caps";
  EXPECT_FALSE(RedSpot(image));
  EXPECT_EQ(PlanetArea(image, 6), 0) << "Saturn is hidden";
  for (int body : {7, 8, 9}) EXPECT_EQ(PlanetArea(image, body), 0) << "body " << body;
}

TEST_F(SolarSystem, WithoutSkyColoursEveryPlanetIsLargeAndMarked) {
  PlanetsAgainstSky(10);
  const QImage image = Render();
  for (int body = 2; body <= 9; ++body)
    EXPECT_GE(PlanetArea(image, body), 49) << "size 7, body " << body;
  EXPECT_EQ(PlanetArea(image, 2), 49);
  EXPECT_GE(CapPixels(image), 2);
  EXPECT_TRUE(RedSpot(image));
  EXPECT_GE(RingPixels(image), 2);
}

TEST_F(SolarSystem, DeepNightShowsEveryPlanetWithItsMark) {
  PlanetsAgainstSky(-30);
  doc_->Settings().SkyColors = 1;
  const QImage image = Render();
  for (int body = 2; body <= 9; ++body) EXPECT_GE(PlanetArea(image, body), 49) << body;
  EXPECT_GE(CapPixels(image), 2);
  EXPECT_TRUE(RedSpot(image));
  EXPECT_GE(RingPixels(image), 2);
}

TEST_F(SolarSystem, HiddenPlanetsCannotBePicked) {
  PlanetsAgainstSky(10);
  doc_->Settings().SkyColors = 1;
  const QImage image = Render();
  EXPECT_TRUE(Has(PickAt(BodyPixel(image, 3)), 10003)) << "Venus is drawn";
  EXPECT_TRUE(Has(PickAt(BodyPixel(image, 5)), 10005)) << "Jupiter is drawn";
  EXPECT_FALSE(Has(PickAt(BodyPixel(image, 6)), 10006)) << "Saturn is hidden";
  EXPECT_FALSE(Has(PickAt(BodyPixel(image, 4)), 10004)) << "Mars is hidden";
  doc_->Settings().SkyColors = 0;
  Render();
  EXPECT_TRUE(Has(PickAt(BodyPixel(image, 6)), 10006));
}

TEST_F(SolarSystem, InHorizonModeAHalfSetMoonIsDrawnButNotASetPlanet) {
  Quiet();
  doc_->Settings().Refraction = 0;  // at the geometric horizon: the refraction has tests of its own
  doc_->Settings().SolarSystem = 1;
  SetZoom(2);
  LookAtHorizontal(0, 200);
  PlaceBody(astro::kSun, -40, 20);
  PlaceBody(astro::kMoon, -0.5, 200);
  doc_->Sky.AstroState.MoonPhaseAngle = 0;
  PlaceBody(5, -0.5, 195);  // Jupiter
  PlaceBody(3, 0.5, 205);   // Venus
  ClearLandscape();
  const QImage image = Render();
  const QPoint moon = BodyPixel(image, astro::kMoon);
  EXPECT_TRUE(Has(PickAt(moon), 10000));
  // The ball's top, 10 pixels above its centre, stands 6 pixels above the horizon.
  EXPECT_GT(Count(image, QRect(moon.x() - 4, moon.y() - 9, 9, 3),
                  [](const QColor& c) { return qGray(c.rgb()) > 40; }),
            6)
      << "the Moon's upper part stands above the ground";
  EXPECT_FALSE(Has(PickAt(BodyPixel(image, 5)), 10005)) << "Jupiter has set";
  EXPECT_TRUE(Has(PickAt(BodyPixel(image, 3)), 10003)) << "Venus is up";

  PlaceBody(astro::kMoon, -1.5, 200);
  Render();
  EXPECT_FALSE(Has(PickAt(moon), 10000)) << "a Moon 1.5 degrees down is not drawn";
}

TEST_F(SolarSystem, MoonAndSunKeepTheirSizeUpToZoomFour) {
  for (double zoom : {2.0, 4.0}) {
    for (int side : {400, 800}) {
      MoonAlone(0, 0);
      SetZoom(zoom);
      const QImage image = Render(side, side);
      const auto [w, h] = DiscSize(image, BodyPixel(image, astro::kMoon));
      EXPECT_NEAR(w, 20, 2) << "zoom " << zoom << ", " << side << " pixels";
      EXPECT_NEAR(h, 20, 2) << "zoom " << zoom << ", " << side << " pixels";
    }
  }
  // Above zoom 4 the scale follows the sky disc: 300 * 5 / 180 pixels to the unit.
  MoonAlone(0, 0);
  SetZoom(5);
  QImage image = Render(600, 600);
  EXPECT_NEAR(DiscSize(image, BodyPixel(image, astro::kMoon)).first, 17, 2);
  SetZoom(32);
  image = Render(600, 600);
  EXPECT_NEAR(DiscSize(image, BodyPixel(image, astro::kMoon)).first, 2 * 300 * 32 / 180.0, 3);
}

TEST_F(SolarSystem, SunGlowKeepsItsSizeUpToZoomFour) {
  MoonAlone(0, 0);
  std::swap(doc_->Sky.Bodies[astro::kSun], doc_->Sky.Bodies[astro::kMoon]);
  const PixelTest glowing = [](const QColor& c) { return qGray(c.rgb()) > 2; };
  SetZoom(2);
  const QImage image = Render(400, 400);
  const QPoint sun = BodyPixel(image, astro::kSun);
  const QRect glow = Extent(image, image.rect(), glowing);
  // The square is 80 pixels wide; the texture fades out before its edges.
  EXPECT_LE(glow.width(), 81);
  EXPECT_GE(glow.width(), 40);
  EXPECT_NEAR(glow.center().x(), sun.x(), 2);
  EXPECT_NEAR(glow.center().y(), sun.y(), 2);
  SetZoom(4);
  const QImage zoomed = Render(600, 600);
  EXPECT_NEAR(Extent(zoomed, zoomed.rect(), glowing).width(), glow.width(), 1);
  // Beyond zoom 4 it follows the sky disc: 8 * 300 * 16 / 180 pixels wide at zoom 16.
  SetZoom(16);
  const QImage large = Render(600, 600);
  EXPECT_NEAR(Extent(large, large.rect(), glowing).width(), glow.width() * (300 * 16 / 180.0) / 10,
              8);
}

TEST_F(SolarSystem, PickOnTheMoonInFrontOfTheSunNamesBoth) {
  MoonAlone(180, 0);
  doc_->Sky.Bodies[astro::kSun] = doc_->Sky.Bodies[astro::kMoon];
  for (double zoom : {2.0, 8.0}) {
    SetZoom(zoom);
    const QImage image = Render();
    const std::vector<unsigned> names = PickAt(BodyPixel(image, astro::kMoon));
    EXPECT_TRUE(Has(names, 10000)) << zoom;
    EXPECT_TRUE(Has(names, 10001)) << zoom;
    const QPoint beside = BodyPixel(image, astro::kMoon) + QPoint(40, 0);
    EXPECT_TRUE(PickAt(beside).empty()) << "nothing beside the balls";
  }
}

// Zoomed in, a planet is a ball with its map, lit from the Sun: on the
// evening of 2026 December 8 Jupiter is nearly full, its disc filling the
// window with the black sky round it, and Venus a crescent whose lit limb
// faces the Sun while its night side stays dark.
TEST_F(SolarSystem, ZoomedInPlanetsAreBallsLitFromTheSun) {
  AllLayersOff();
  doc_->Settings().SolarSystem = 1;
  view_->Zoom = 8192;
  for (const astro::Body planet : {astro::Body::Jupiter, astro::Body::Venus}) {
    SCOPED_TRACE(astro::Index(planet));
    const astro::PlanetState& body = doc_->Sky.Bodies[astro::Index(planet)];
    CentreOn(body.RightAscension, body.Declination);
    view_->Geometry.ProjectionDirty = true;
    const QImage image = Render();
    const std::optional<sky::PlanetFace> face = sky::PlanetFaceOf(*doc_, view_->Geometry, planet);
    ASSERT_TRUE(face);
    ASSERT_GT(face->Radius, 100);
    ASSERT_LT(face->Radius, 180);
    const double cx = face->Matrix[12], cy = image.height() - face->Matrix[13];
    // The sub-solar point's direction in the image (rows run downwards).
    const double sx = face->Matrix[0] * face->Sun[0] + face->Matrix[4] * face->Sun[1] +
                      face->Matrix[8] * face->Sun[2],
                 sy = -(face->Matrix[1] * face->Sun[0] + face->Matrix[5] * face->Sun[1] +
                        face->Matrix[9] * face->Sun[2]);
    const double length = std::hypot(sx, sy);
    const auto grey = [&](double along) {
      return qGray(image.pixel(static_cast<int>(cx + along * face->Radius * sx / length),
                               static_cast<int>(cy + along * face->Radius * sy / length)));
    };
    EXPECT_GT(grey(0.8), 60) << "the limb towards the Sun is lit";
    EXPECT_EQ(grey(1.1), 0) << "the sky beyond it";
    EXPECT_EQ(grey(-1.1), 0) << "and beyond the far limb";
    if (planet == astro::Body::Jupiter)
      EXPECT_GT(grey(-0.8), 40) << "Jupiter is nearly full";
    else
      EXPECT_LT(grey(-0.8), 15) << "Venus's night side";
  }
}

TEST_F(SolarSystem, FullMoonIsLitAndNewMoonDark) {
  MoonAlone(0, 0);
  QImage image = Render();
  const QPoint p = BodyPixel(image, astro::kMoon);
  const Quarters full = QuartersOf(image, p, 8);
  MoonAlone(180, 0);
  image = Render();
  const Quarters dark = QuartersOf(image, p, 8);
  for (double q : {full.Right, full.Top, full.Left, full.Bottom}) EXPECT_GT(q, 50);
  for (double q : {dark.Right, dark.Top, dark.Left, dark.Bottom}) EXPECT_LT(q, 20);
}

TEST_F(SolarSystem, ShadowIsTheSkyColour) {
  MoonAlone(180, 0);
  doc_->Settings().SkyColors = 1;
  PlaceBody(astro::kSun, -8, 180);  // a twilight sky, the Sun out of sight
  const QImage image = Render();
  const QPoint p = BodyPixel(image, astro::kMoon);
  const QColor sky = ColourOf(doc_->Conditions().SkyColour);
  ASSERT_NE(doc_->Conditions().SkyColour, 0);
  const QColor centre = image.pixelColor(p);
  EXPECT_NEAR(centre.blue(), sky.blue(), 12);
  EXPECT_NEAR(centre.green(), sky.green(), 12);
}

TEST_F(SolarSystem, MoonTurnsByItsAxisAngle) {
  // A first quarter is lit on the side of the Sun: the west, right on the chart.
  MoonAlone(90, 0);
  QImage image = Render();
  Quarters q = QuartersOf(image, BodyPixel(image, astro::kMoon), 8);
  EXPECT_GT(q.Right, q.Left + 40);
  // The axis turned 90 degrees towards the east turns the lit side to the top.
  MoonAlone(90, 90);
  image = Render();
  q = QuartersOf(image, BodyPixel(image, astro::kMoon), 8);
  EXPECT_GT(q.Top, q.Bottom + 40);
  // A chart standing upside down turns it half round.
  MoonAlone(90, 0);
  CentreOn(3, 10, true);
  image = Render();
  q = QuartersOf(image, BodyPixel(image, astro::kMoon), 8);
  EXPECT_GT(q.Left, q.Right + 40);
}

TEST_F(SolarSystem, InHorizonModeTheMoonTurnsByItsParallacticAngle) {
  MoonAlone(90, 0);
  const astro::EquatorialCoord c = AtHorizontal(30, 60);
  doc_->Sky.Bodies[astro::kMoon].RightAscension = c.RightAscension;
  doc_->Sky.Bodies[astro::kMoon].Declination = c.Declination;
  LookAtHorizontal(30, 60);
  const astro::AstroState& st = doc_->Sky.AstroState;
  const double h = (st.SiderealAngle - st.Longitude - 15 * c.RightAscension) * astro::kDegToRad;
  const double phi = st.Latitude * astro::kDegToRad, delta = c.Declination * astro::kDegToRad;
  const double q =
      std::atan2(std::sin(h), std::tan(phi) * std::cos(delta) - std::sin(delta) * std::cos(h)) *
      astro::kRadToDeg;
  ASSERT_GT(std::abs(q), 20) << "a telling parallactic angle";
  // Axis angle q + 90 less the parallactic angle: the lit side on top.
  doc_->Sky.AstroState.MoonAxisAngle = astro::Normalize360(q + 90);
  const QImage image = Render();
  const Quarters quarters = QuartersOf(image, BodyPixel(image, astro::kMoon), 8);
  EXPECT_GT(quarters.Top, quarters.Bottom + 40);
}

// ---------------------------------------------------------------------------
// Labels

class Labels : public SkyObjects {
 protected:
  // Everything with a label on, looking at Orion, with the planets placed
  // around it and the Sun and the Moon on the far side.
  void Orion(double zoom) {
    Quiet();
    doc_->Settings().Boundaries = doc_->Settings().StarNames = doc_->Settings().PlanetNames =
        doc_->Settings().DeepSky = doc_->Settings().DeepSkyLabels = doc_->Settings().SolarSystem =
            1;
    doc_->Limits.StarMagnitudeLimit = 7.5;
    doc_->Limits.DeepSkyMagnitudeLimit = 11;
    CentreOn(5.6, 0);
    SetZoom(zoom);
    doc_->Sky.Bodies[astro::kSun].RightAscension = 17.6;
    doc_->Sky.Bodies[astro::kMoon].RightAscension = 17.4;
    for (int body = 2; body <= 9; ++body) {
      doc_->Sky.Bodies[body].RightAscension = 5.3;
      doc_->Sky.Bodies[body].Declination = -12 + 3 * body;
    }
  }

  // The pixels of a label drawn at window position (x, y) + (dx, dy), within
  // `width` pixels and the text's cell.
  static QRect LabelArea(const QImage& image, double x, double y, int dx, int dy, int width) {
    const QPoint p = Pixel(image, x + dx, y + dy);
    return QRect(p.x() - 2, p.y() - 13, width + 4, 18);
  }

  // Where a planet's name stands.
  QRect PlanetLabelArea(const QImage& image, int body) {
    const astro::PlanetState& b = doc_->Sky.Bodies[body];
    double x, y;
    EXPECT_TRUE(WindowOf(b.RightAscension, b.Declination, x, y));
    const std::string name(res::String(res::IDS_BODY_NAME_FIRST + body));
    return LabelArea(image, x, y, 6, -3, TextWidth(render::LabelFont::Plain14, name));
  }

  int PlanetLabelPixels(const QImage& image, int body) {
    return Count(image, PlanetLabelArea(image, body), Ink(ColourOf(kPlanetOrange)));
  }

  int DeepSkyIndex(bool messier, int number) const {
    for (int i = messier ? 0 : kMessierCount; i < (messier ? kMessierCount : kDeepSkyCount); ++i)
      if (doc_->Sky.DeepSkyObjects[i].Number == number) return i;
    ADD_FAILURE() << "no such object " << number;
    return 0;
  }

  // The radius in pixels of an object's symbol as its label stands clear of
  // it: half its major axis, at least 2 and at most 40 pixels.
  double SymbolRadius(const DeepSkyRecord& o) const {
    const double pixelsPerDegree =
        (std::min(view_->Geometry.Viewport[2], view_->Geometry.Viewport[3]) / 2) * view_->Zoom / 90;
    return std::clamp(o.MajorAxis / 120.0 * pixelsPerDegree, 2.0, 40.0);
  }

  // The deep-sky label pixels around object i's point.
  QRect DeepSkyInk(const QImage& image, int i) {
    const DeepSkyRecord& o = doc_->Sky.DeepSkyObjects[i];
    const QPoint p = PixelOf(image, o.RightAscension, o.Declination);
    return Extent(image, QRect(p.x() - 120, p.y() - 60, 240, 120), Ink(ColourOf(kDeepSkyGreen)));
  }
};

TEST_F(Labels, AtZoomOneOnlyConstellationNamesAreWritten) {
  Orion(2);
  QImage image = Render();
  EXPECT_GT(Count(image, image.rect(), Ink(ColourOf(kConstellationYellow))), 50);
  EXPECT_GT(Count(image, image.rect(), Ink(ColourOf(kStarMagenta))), 50);
  EXPECT_GT(Count(image, image.rect(), Ink(ColourOf(kPlanetOrange))), 50);
  EXPECT_GT(Count(image, image.rect(), Ink(ColourOf(kDeepSkyGreen))), 20);
  Orion(1);
  // Black boundaries: yellow names antialiased over a red line would blend
  // into the planets' orange.
  settings_.ConstBoundariesColor = 0;
  image = Render();
  EXPECT_GT(Count(image, image.rect(), Ink(ColourOf(kConstellationYellow))), 50);
  EXPECT_EQ(Count(image, image.rect(), Ink(ColourOf(kStarMagenta))), 0);
  EXPECT_EQ(Count(image, image.rect(), Ink(ColourOf(kPlanetOrange))), 0);
  EXPECT_EQ(Count(image, image.rect(), Ink(ColourOf(kDeepSkyGreen))), 0);
}

TEST_F(Labels, ConstellationNamesAreCentredOnTheirPoint) {
  Quiet();
  doc_->Settings().Boundaries = 1;
  settings_.ConstBoundariesColor = 0;  // black lines: only the names show
  int orion = -1;
  for (int i = 0; i < kConstellationNameCount; ++i)
    if (std::strcmp(doc_->Catalogues.ConstellationNames[i].Name, "Orion") == 0) orion = i;
  ASSERT_GE(orion, 0);
  const ConstellationNameRecord& r = doc_->Catalogues.ConstellationNames[orion];
  CentreOn(r.RightAscension, r.Declination);
  const QImage image = Render();
  double x, y;
  ASSERT_TRUE(WindowOf(r.RightAscension, r.Declination, x, y));
  const QPoint p = TextPixel(image, x, y);
  const QRect ink =
      Extent(image, QRect(p.x() - 60, p.y() - 30, 120, 40), Ink(ColourOf(kConstellationYellow)));
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_NEAR(ink.left() + ink.width() / 2.0, x, 2);
  EXPECT_EQ(ink.bottom(), p.y()) << "the baseline through the point";
  EXPECT_NEAR(ink.width(), TextWidth(render::LabelFont::Bold16, "Orion"), 2);
}

// Pixels that a label's backing box turned black: they differ from the frame
// without names and are not written in a label colour.
int BoxPixels(const QImage& withNames, const QImage& withoutNames) {
  int count = 0;
  for (int y = 0; y < withNames.height(); ++y)
    for (int x = 0; x < withNames.width(); ++x) {
      const QRgb a = withNames.pixel(x, y);
      if (a == withoutNames.pixel(x, y)) continue;
      if (a == ColourOf(kStarMagenta).rgb() || a == ColourOf(kPlanetOrange).rgb()) continue;
      if (qGray(a) < 8) ++count;
    }
  return count;
}

TEST_F(Labels, BlackSkyGetsBackingBoxesAndAColouredSkyNone) {
  for (double sunAltitude : {-40.0, -10.0}) {
    Orion(2);
    doc_->Settings().DeepSky = 0;
    doc_->Settings().Constelations = doc_->Settings().Coordinations = 1;
    settings_.GridsColor = settings_.ConstLinesColor = 0xFFFFFF;
    doc_->Settings().SkyColors = 1;
    PlaceBody(astro::kSun, sunAltitude, 180);
    PlaceBody(astro::kMoon, -50, 90);
    // The planets' names across the equator and the grid's hour circles.
    for (int body = 2; body <= 9; ++body) {
      doc_->Sky.Bodies[body].RightAscension = 5 + 0.1 * body;
      doc_->Sky.Bodies[body].Declination = 0.3 * (body % 2);
    }
    const QImage withNames = Render();
    const bool black = doc_->Conditions().SkyColour == 0;
    doc_->Settings().StarNames = doc_->Settings().PlanetNames = 0;
    const QImage withoutNames = Render();
    if (sunAltitude < -18) {
      ASSERT_TRUE(black);
      EXPECT_GT(BoxPixels(withNames, withoutNames), 30) << "black sky: backing boxes";
    } else {
      ASSERT_FALSE(black);
      EXPECT_EQ(BoxPixels(withNames, withoutNames), 0) << "coloured sky: no boxes";
    }
  }
  // Without sky colours the sky is black and every name has its box.
  Orion(2);
  doc_->Settings().Coordinations = 1;
  settings_.GridsColor = 0xFFFFFF;
  const QImage withNames = Render();
  doc_->Settings().StarNames = doc_->Settings().PlanetNames = 0;
  EXPECT_GT(BoxPixels(withNames, Render()), 30);
}

TEST_F(Labels, BackingBoxReachesFromTheBaselineToHalfTheCell) {
  Quiet();
  doc_->Settings().SolarSystem = doc_->Settings().PlanetNames = doc_->Settings().Coordinations = 1;
  settings_.GridsColor = 0xFFFFFF;
  SetZoom(8);
  CentreOn(6, 0);
  for (astro::PlanetState& body : doc_->Sky.Bodies) body.RightAscension = 18;
  // Jupiter just below the equator: the equator's line crosses its name's box.
  doc_->Sky.Bodies[5].RightAscension = 6;
  doc_->Sky.Bodies[5].Declination = -0.05;
  const QImage image = Render();
  double x, y;
  ASSERT_TRUE(WindowOf(6, -0.05, x, y));
  const int width = TextWidth(render::LabelFont::Plain14, "Jupiter");
  const int cell = TextHeight(render::LabelFont::Plain14);
  // The box: x + 6 ... x + 6 + width, y - 3 ... y - 3 + cell / 2 (window y upwards).
  const QPoint low = Pixel(image, std::floor(x) + 6, std::floor(y) - 3);
  const QRect box(low.x(), low.y() - (cell / 2 - 1), width, cell / 2);
  double ex, ey;
  ASSERT_TRUE(WindowOf(6.5, 0, ex, ey));
  const int equatorRow = Pixel(image, ex, ey).y();
  ASSERT_TRUE(equatorRow > box.top() && equatorRow < box.bottom()) << "the line crosses the box";
  const PixelTest grid = [](const QColor& c) {
    return c.red() > 100 && c.blue() > 100 && c.green() > 100;
  };
  EXPECT_EQ(Count(image, QRect(box.left() + 1, equatorRow - 1, box.width() - 2, 3), grid), 0)
      << "covered inside the box";
  EXPECT_GT(Count(image, QRect(box.right() + 4, equatorRow - 1, 20, 3), grid), 10)
      << "visible beyond it";

  // Venus 6 pixels below the equator: the line passes 9 pixels above the
  // baseline of its name, above the box, and shows between the letters.
  doc_->Sky.Bodies[3].RightAscension = 6.3;
  doc_->Sky.Bodies[3].Declination = -6 / (200 * 8 * astro::kDegToRad);
  const QImage venus = Render();
  ASSERT_TRUE(WindowOf(6.3, doc_->Sky.Bodies[3].Declination, x, y));
  ASSERT_TRUE(WindowOf(6.3, 0, ex, ey));
  const double above = std::floor(ey) - (std::floor(y) - 3);
  ASSERT_TRUE(above >= 8 && above <= 10) << above;
  const QPoint start = Pixel(venus, std::floor(x) + 6, ey);
  const int letters = TextWidth(render::LabelFont::Plain14, "Venus");
  EXPECT_GE(Count(venus, QRect(start.x(), start.y() - 1, letters, 3), grid), 4)
      << "the line shows above the box";
}

TEST_F(Labels, PlanetNamesFollowTheBrightnessOfTheSky) {
  Orion(2);
  doc_->Settings().SkyColors = 1;
  PlaceBody(astro::kMoon, -50, 90);
  // Only Venus and Jupiter are named with the Sun 2 degrees down.
  PlaceBody(astro::kSun, -2, 180);
  QImage image = Render();
  EXPECT_GT(PlanetLabelPixels(image, 3), 20) << "Venus";
  EXPECT_GT(PlanetLabelPixels(image, 5), 20) << "Jupiter";
  for (int body : {2, 4, 6, 7, 8, 9}) EXPECT_EQ(PlanetLabelPixels(image, body), 0) << body;
  // At -4 Mercury and Mars are drawn and named too; Saturn and the outer planets are not.
  PlaceBody(astro::kSun, -4, 180);
  image = Render();
  for (int body : {2, 3, 4, 5}) EXPECT_GT(PlanetLabelPixels(image, body), 20) << body;
  for (int body : {6, 7, 8, 9}) EXPECT_EQ(PlanetLabelPixels(image, body), 0) << body;
  // Saturn below -5; the outer planets below -18.
  PlaceBody(astro::kSun, -5.5, 180);
  image = Render();
  EXPECT_GT(PlanetLabelPixels(image, 6), 20) << "Saturn";
  EXPECT_EQ(PlanetLabelPixels(image, 7), 0) << "Uranus";
  PlaceBody(astro::kSun, -30, 180);
  image = Render();
  for (int body = 2; body <= 9; ++body) EXPECT_GT(PlanetLabelPixels(image, body), 20) << body;
}

TEST_F(Labels, SunAndMoonNamesStandClearOfTheirDiscs) {
  Quiet();
  doc_->Settings().SolarSystem = doc_->Settings().PlanetNames = 1;
  CentreOn(2, 0);
  doc_->Sky.Bodies[astro::kMoon].RightAscension = 2;
  doc_->Sky.Bodies[astro::kMoon].Declination = 0;
  for (int body = astro::kSun; body < astro::kBodyCount; ++body)
    doc_->Sky.Bodies[body].RightAscension = 14;
  for (double zoom : {2.0, 16.0}) {
    SetZoom(zoom);
    const QImage image = Render(400, 400);
    double x, y;
    ASSERT_TRUE(WindowOf(2, 0, x, y));
    // The Moon's ball: 10 pixels up to zoom 4, then growing with the sky disc.
    const double radius = zoom > 4 ? 200 * zoom / 180 : 10;
    const QRect ink = Extent(image, QRect(0, 0, 400, 400), Ink(ColourOf(kPlanetOrange)));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), x + radius) << zoom << ": clear of the disc";
    EXPECT_LE(ink.left(), x + radius + 6) << zoom << ": but beside it";
  }
}

TEST_F(Labels, TheSunsNameStandsClearOfItsGlowAndAboveIt) {
  Quiet();
  doc_->Settings().SolarSystem = doc_->Settings().PlanetNames = 1;
  CentreOn(2, 0);
  doc_->Sky.Bodies[astro::kSun].RightAscension = 2;
  doc_->Sky.Bodies[astro::kSun].Declination = 0;
  for (int body = 0; body < astro::kBodyCount; ++body)
    if (body != astro::kSun) doc_->Sky.Bodies[body].RightAscension = 14;
  SetZoom(2);
  doc_->Settings().PlanetNames = 0;
  const QImage glowOnly = Render(400, 400);
  // Where the glow is bright enough to hide writing.
  const QRect glow =
      Extent(glowOnly, glowOnly.rect(), [](const QColor& c) { return qGray(c.rgb()) > 48; });
  ASSERT_FALSE(glow.isEmpty());
  doc_->Settings().PlanetNames = 1;
  const QImage image = Render(400, 400);
  const QRect ink = Extent(image, image.rect(), Ink(ColourOf(kPlanetOrange)));
  ASSERT_FALSE(ink.isEmpty()) << "the name is written";
  EXPECT_FALSE(ink.intersects(glow)) << "beside the glow, not in it";
  EXPECT_NEAR(ink.width(), TextWidth(render::LabelFont::Plain14, "Sun"), 2) << "the whole name";
}

// Names stand right of their star's drawn disc, level with it, so that the
// star stays in view (they once stood below it, by offsets of the catalogue).
TEST_F(Labels, StarNamesStandBesideTheirStarsAndFadeWithTwilight) {
  Orion(2);
  doc_->Settings().PlanetNames = doc_->Settings().DeepSky = doc_->Settings().Boundaries = 0;
  int rigel = -1, saiph = -1, bellatrix = -1;
  for (int i = 0; i < kStarNameCount; ++i) {
    if (std::strcmp(doc_->Sky.ProperNames[i].Name, "Rigel") == 0) rigel = i;
    if (std::strcmp(doc_->Sky.ProperNames[i].Name, "Saiph") == 0) saiph = i;
    if (std::strcmp(doc_->Sky.ProperNames[i].Name, "Bellatrix") == 0) bellatrix = i;
  }
  ASSERT_TRUE(rigel >= 0 && saiph >= 0 && bellatrix >= 0);
  // Bellatrix alone in the middle.
  const StarNameRecord& b = doc_->Sky.ProperNames[bellatrix];
  SetZoom(8);
  CentreOn(b.RightAscension, b.Declination);
  QImage image = Render();
  // The star's pixel and the drawn radius of a star of magnitude m (base 7),
  // and the pixels right of it that its name takes.
  const auto starOf = [&](int i) {
    const StarNameRecord& r = doc_->Sky.ProperNames[i];
    return PixelOf(image, r.RightAscension, r.Declination);
  };
  const auto radiusOf = [&](int i) {
    const float size = 7 - doc_->Sky.ProperNames[i].Magnitude;
    return render::StarRadius(size, size >= 2);
  };
  const auto labelArea = [&](int i) {
    const QPoint star = starOf(i);
    const int width = TextWidth(render::LabelFont::Plain14, doc_->Sky.ProperNames[i].Name);
    return QRect(star.x() + 1, star.y() - 12, static_cast<int>(radiusOf(i)) + width + 8, 20);
  };
  const auto written = [&](int i) {
    return Count(image, labelArea(i), Ink(ColourOf(kStarMagenta)));
  };
  const QRect ink = Extent(image, labelArea(bellatrix), Ink(ColourOf(kStarMagenta)));
  ASSERT_FALSE(ink.isEmpty());
  const QPoint star = starOf(bellatrix);
  EXPECT_GE(ink.left(), star.x() + radiusOf(bellatrix)) << "clear of the star's disc";
  EXPECT_LE(ink.left(), star.x() + radiusOf(bellatrix) + 6) << "but beside it";
  EXPECT_TRUE(ink.top() < star.y() && ink.bottom() > star.y()) << "level with the star";
  EXPECT_NEAR(ink.width(), TextWidth(render::LabelFont::Plain14, "Bellatrix"), 2);

  SetZoom(2);
  CentreOn(5.6, 0);
  image = Render();
  const int saiphAlone = written(saiph);
  ASSERT_GT(saiphAlone, 20);

  // Twilight at -10 (b = 1 + 10/3): names of stars of magnitude 3.33 or brighter.
  doc_->Settings().SkyColors = doc_->Settings().SolarSystem = 1;
  PlaceBody(astro::kSun, -10, 180);
  PlaceBody(astro::kMoon, -50, 90);
  doc_->Sky.ProperNames[saiph].Magnitude = 3.3f;
  image = Render();
  EXPECT_GT(written(rigel), 20);
  // (Over the blue of twilight the letters' antialiased rims are no longer
  // pure magenta: fewer pixels count.)
  EXPECT_GT(written(saiph), saiphAlone / 3) << "magnitude 3.3 is named at -10";
  doc_->Sky.ProperNames[saiph].Magnitude = 3.4f;
  image = Render();
  EXPECT_EQ(written(saiph), 0) << "magnitude 3.4 is not named at -10";
  // Above -3 the star layer draws nothing, names included.
  PlaceBody(astro::kSun, -2, 180);
  image = Render();
  EXPECT_EQ(Count(image, image.rect(), Ink(ColourOf(kStarMagenta))), 0);
  // Names of stars fainter than the limit are left out.
  PlaceBody(astro::kSun, -40, 180);
  doc_->Limits.StarMagnitudeLimit = doc_->Sky.ProperNames[rigel].Magnitude - 0.01;
  image = Render();
  EXPECT_EQ(written(rigel), 0);
}

// Deep-sky labels stand right of their symbol's rim, level with its middle
// (they once stood by offsets of the catalogue, over neighbouring objects).
TEST_F(Labels, DeepSkyLabelsByNumberReadTheNumberBesideTheSymbol) {
  Quiet();
  doc_->Settings().DeepSky = doc_->Settings().DeepSkyLabels = 1;
  doc_->Limits.DeepSkyMagnitudeLimit = 6;
  SetZoom(8);
  for (auto [messier, number, text] :
       {std::tuple{false, 7000, "7000"}, std::tuple{true, 31, "M31"}}) {
    const int i = DeepSkyIndex(messier, number);
    const DeepSkyRecord& o = doc_->Sky.DeepSkyObjects[i];
    CentreOn(o.RightAscension, o.Declination);
    const QImage image = Render();
    double x, y;
    ASSERT_TRUE(WindowOf(o.RightAscension, o.Declination, x, y));
    const QRect ink = DeepSkyInk(image, i);
    ASSERT_FALSE(ink.isEmpty()) << text;
    // Right of the symbol's rim, level with its middle.
    const QPoint centre = Pixel(image, x, y);
    const double rim = SymbolRadius(o);
    EXPECT_GE(ink.left(), centre.x() + rim - 1) << text;
    EXPECT_LE(ink.left(), centre.x() + rim + 6) << text;
    EXPECT_TRUE(ink.top() < centre.y() && ink.bottom() > centre.y()) << text;
    EXPECT_NEAR(ink.width(), TextWidth(render::LabelFont::Italic14, text), 3) << text;
  }
}

TEST_F(Labels, DeepSkyLabelsByNameSkipStarNames) {
  Quiet();
  doc_->Settings().DeepSky = doc_->Settings().DeepSkyLabels = 1;
  settings_.DeepSkyLabelByNumber = 0;
  doc_->Limits.DeepSkyMagnitudeLimit = 12;
  SetZoom(8);
  const int named = DeepSkyIndex(true, 31);
  const std::string name(render::FixedText(doc_->Sky.DeepSkyObjects[named].Name));
  int unnamed = -1;
  for (int i = 0; i < kDeepSkyCount && unnamed < 0; ++i)
    if (std::strcmp(doc_->Sky.DeepSkyObjects[i].Name, "*") == 0) unnamed = i;
  ASSERT_GE(unnamed, 0);
  for (int i : {named, unnamed}) {
    const DeepSkyRecord& o = doc_->Sky.DeepSkyObjects[i];
    CentreOn(o.RightAscension, o.Declination);
    doc_->Limits.DeepSkyMagnitudeLimit = o.Magnitude;  // only the brightest objects around
    const QImage image = Render();
    double x, y;
    ASSERT_TRUE(WindowOf(o.RightAscension, o.Declination, x, y));
    const QPoint centre = Pixel(image, x, y);
    const QRect ink = Extent(image, QRect(centre.x() - 2, centre.y() - 14, 200, 28),
                             Ink(ColourOf(kDeepSkyGreen)));
    if (i == named) {
      ASSERT_FALSE(ink.isEmpty());
      EXPECT_GE(ink.left(), centre.x() + SymbolRadius(o) - 1);
      EXPECT_LE(ink.left(), centre.x() + SymbolRadius(o) + 6);
      EXPECT_NEAR(ink.width(), TextWidth(render::LabelFont::Italic14, name), 3);
    } else {
      EXPECT_TRUE(ink.isEmpty()) << "\"*\" means no name";
    }
  }
}

TEST_F(Labels, MagellanicCloudsAreLabelledInTheLabelColour) {
  Quiet();
  doc_->Settings().DeepSky = doc_->Settings().DeepSkyLabels = 1;
  doc_->Limits.DeepSkyMagnitudeLimit = -5;  // no other label
  SetZoom(4);
  CentreOn(3, -71);
  const QImage image = Render();
  for (auto [ra, dec, text] : {std::tuple{4.95, -68.5, "LMC"}, std::tuple{1.25, -73.3, "SMC"}}) {
    double x, y;
    ASSERT_TRUE(WindowOf(ra, dec, x, y));
    const QPoint p = TextPixel(image, x, y);
    const QRect ink =
        Extent(image, QRect(p.x() - 3, p.y() - 16, 60, 20), Ink(ColourOf(kDeepSkyGreen)));
    ASSERT_FALSE(ink.isEmpty()) << text;
    EXPECT_NEAR(ink.left(), p.x(), 2) << text;
    EXPECT_EQ(ink.bottom(), p.y()) << text;
  }
  // Hidden with their outlines in a sky brighter than -6 degrees.
  doc_->Settings().SkyColors = doc_->Settings().SolarSystem = 1;
  PlaceBody(astro::kSun, -5, 180);
  const QImage twilight = Render();
  EXPECT_EQ(Count(twilight, twilight.rect(), Ink(ColourOf(kDeepSkyGreen))), 0);
}

TEST_F(Labels, InHorizonModeNamesBelowTheHorizonAreLeftOut) {
  doc_->Settings().Refraction = 0;  // at the geometric horizon: the refraction has tests of its own
  Quiet();
  doc_->Settings().Boundaries = doc_->Settings().SolarSystem = doc_->Settings().PlanetNames = 1;
  doc_->Settings().DeepSky = doc_->Settings().DeepSkyLabels = 1;
  settings_.DeepSkyLabelByNumber = 0;
  settings_.ConstBoundariesColor = 0;
  SetZoom(8);
  LookAtHorizontal(2, 180);
  PlaceBody(astro::kSun, -40, 0);
  PlaceBody(astro::kMoon, -40, 20);
  for (int body = 2; body <= 9; ++body) PlaceBody(body, -30, 0);
  const int m31 = DeepSkyIndex(true, 31);
  doc_->Limits.DeepSkyMagnitudeLimit = doc_->Sky.DeepSkyObjects[m31].Magnitude;
  ClearLandscape();

  // Just above the horizon a label level with its point would be cut by the
  // ground drawn after it: above, the points stand half a degree up.
  for (double altitude : {0.5, -0.08}) {
    // A constellation name, Jupiter and M31 just above or just below the
    // horizon, far enough apart that their labels do not overlap, and inside
    // the window; their text reaches above it either way.
    const astro::EquatorialCoord name = AtHorizontal(altitude, 176);
    doc_->Catalogues.ConstellationNames[0].RightAscension = name.RightAscension;
    doc_->Catalogues.ConstellationNames[0].Declination = name.Declination;
    PlaceBody(5, altitude, 180);
    const astro::EquatorialCoord object = AtHorizontal(altitude, 188);
    doc_->Sky.DeepSkyObjects[m31].RightAscension = static_cast<float>(object.RightAscension);
    doc_->Sky.DeepSkyObjects[m31].Declination = static_cast<float>(object.Declination);
    const QImage image = Render();
    const auto around = [&](const astro::EquatorialCoord& c, int left, int right) {
      const QPoint p = PixelOf(image, c.RightAscension, c.Declination);
      return QRect(p.x() - left, p.y() - 25, left + right, 35);
    };
    const int constellation =
        Count(image, around(name, 70, 70), Ink(ColourOf(kConstellationYellow)));
    const int planet =
        Count(image, around(AtHorizontal(altitude, 180), 0, 70), Ink(ColourOf(kPlanetOrange)));
    const int deepSky = Count(image, around(object, 5, 150), Ink(ColourOf(kDeepSkyGreen)));
    if (altitude > 0) {
      EXPECT_GT(constellation, 20);
      EXPECT_GT(planet, 20);
      EXPECT_GT(deepSky, 20);
    } else {
      EXPECT_EQ(constellation, 0);
      EXPECT_EQ(planet, 0);
      EXPECT_EQ(deepSky, 0);
    }
  }
}

// ---------------------------------------------------------------------------
// Compass letters

class Compass : public SkyObjects {
 protected:
  // Compass-coloured text pixels above the baseline of the letters of horizon
  // point `index`, left of it by `shift`.
  int LetterPixels(const QImage& image, int index, int shift, QColor colour = QColor(255, 128, 0)) {
    // The horizon itself is never lifted by the refraction.
    const SkyPoint& h = doc_->Sky.HorizonPoints[index];
    double q[3], x, y;
    astro::EquatorialToSphere(h.RightAscension, h.Declination, q);
    if (!view_->Geometry.SkyToWindow(q[0], q[1], q[2], x, y)) return -1;
    const QPoint p = Pixel(image, x - shift, y);
    return Count(image, QRect(p.x() - 1, p.y() - 14, 26, 12), Ink(colour));
  }
};

TEST_F(Compass, ZoomOneWritesOnlyTheFourCardinalPoints) {
  Quiet();
  SetZoom(1);
  LookAtHorizontal(0, 22.5);  // between the south and the south-east
  const QImage image = Render(800, 800);
  EXPECT_GT(LetterPixels(image, 0, 4), 8) << "S";
  EXPECT_GT(LetterPixels(image, 18, 5), 8) << "E";
  EXPECT_EQ(LetterPixels(image, 9, 9), 0) << "SE";
  EXPECT_EQ(LetterPixels(image, 63, 10), 0) << "SW";
}

TEST_F(Compass, ZoomTwoWritesAllEight) {
  Quiet();
  SetZoom(2);
  struct View {
    double Azimuth;
    int Cardinal, CardinalShift, Intercardinal, IntercardinalShift;
  };
  // Each view between a cardinal point and the next intercardinal one.
  for (const View& v : {View{22.5, 0, 4, 9, 9}, View{112.5, 18, 5, 27, 9},
                        View{202.5, 36, 4, 45, 10}, View{292.5, 54, 7, 63, 10}}) {
    LookAtHorizontal(0, v.Azimuth);
    const QImage image = Render(800, 800);
    EXPECT_GT(LetterPixels(image, v.Cardinal, v.CardinalShift), 8) << v.Azimuth;
    EXPECT_GT(LetterPixels(image, v.Intercardinal, v.IntercardinalShift), 8) << v.Azimuth;
  }
  doc_->Run.RedScreen = 1;
  const QImage image = Render(800, 800);
  EXPECT_GT(LetterPixels(image, 54, 7, QColor(sky::kNightVisionMaxRed, 0, 0)), 8) << "red screen";
  EXPECT_EQ(LetterPixels(image, 54, 7), 0);
}

TEST_F(Compass, EquatorialChartHasNoCompass) {
  Quiet();
  SetZoom(2);
  LookAtHorizontal(0, 22.5);
  doc_->Settings().HorizonMode = 0;
  const QImage image = Render(800, 800);
  EXPECT_EQ(Count(image, image.rect(), Ink(QColor(255, 128, 0))), 0);
}

TEST_F(Compass, TheLetterAndTwoFieldsOfOneSizeEachKeepTheirName) {
  Quiet();
  SetZoom(8);
  // The south point 25 pixels above the middle, where a field's name would
  // stand (a degree is 1600 sin 1 pixels at zoom 8).
  LookAtHorizontal(-25 / (1600 * std::sin(astro::kDegToRad)), 0);
  doc_->Settings().EyepieceFields = 1;
  settings_.Fields = {sky::EyepieceField{"Aa", sky::FieldKind::Circle, 120},
                      sky::EyepieceField{"Bb", sky::FieldKind::Circle, 120}};
  const QImage image = Render();
  const auto amber = [&](int fromRow, int toRow) {
    return Count(image, QRect(150, fromRow, 100, toRow - fromRow), Ink(QColor(255, 192, 0)));
  };
  EXPECT_GT(LetterPixels(image, 0, 4), 8) << "S";
  // The circle reaches 28 pixels round the middle (row 200): one name goes
  // below it, the other above the letter.
  EXPECT_GT(amber(231, 252), 10) << "below the field";
  EXPECT_GT(amber(118, 158), 10) << "above the letter";
}

TEST_F(Compass, NamesAreWrittenOverTheLandscape) {
  Quiet();
  doc_->Settings().SolarSystem = doc_->Settings().PlanetNames = 1;
  SetZoom(8);
  LookAtHorizontal(3, 180);
  PlaceBody(astro::kSun, -40, 0);
  PlaceBody(astro::kMoon, -40, 20);
  for (int body = 2; body <= 9; ++body) PlaceBody(body, -30, 0);
  PlaceBody(5, 2, 180);  // Jupiter two degrees up, behind the land
  // A landscape that hides everything up to its top.
  Render();
  ASSERT_TRUE(canvas_->MakeCurrent());
  const unsigned char grey[4] = {90, 90, 90, 255};
  glBindTexture(GL_TEXTURE_2D, view_->Renderer().TextureName(render::kTexHorizon));
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, grey);
  glBindTexture(GL_TEXTURE_2D, 0);
  canvas_->DoneCurrent();
  const QImage image = Render();
  EXPECT_GT(Count(image, image.rect(), Ink(ColourOf(kPlanetOrange))), 20);
}

}  // namespace
