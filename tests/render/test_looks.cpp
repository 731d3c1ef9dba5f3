// How the sky looks in rendered frames: round stars at every size, labels
// beside what they name and never over one another, the grid's coordinates,
// night-vision red with nothing but red, the landscape fixed to the compass,
// and sizes that follow the device-pixel ratio.
#include <QOpenGLFramebufferObject>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "astro/transforms.h"
#include "render/bitmap_fonts.h"
#include "render/display_list_ids.h"
#include "render/frame.h"
#include "render/gl.h"
#include "sky/camera_math.h"
#include "sky/eyepiece_fields.h"
#include "sky/night_vision.h"
#include "tests/render/sky_fixture.h"
#include "ui/animation_step.h"

namespace {

constexpr int kSize = 400;
constexpr int kMagenta = 0xFF00FF;  // a label colour no layer draws (COLORREF)

bool Lit(const QColor& c) { return std::max({c.red(), c.green(), c.blue()}) > 8; }

class Looks : public SkyFixture {
 protected:
  void SetUp() override {
    SkyFixture::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    AllLayersOff();
    doc_->Settings().StarsColors = 0;
    Render(kSize, kSize);  // stores the camera's matrices
  }

  void CentreOn(double ra, double dec) {
    doc_->Settings().HorizonMode = 0;
    doc_->Settings().YRotation = -15 * ra;
    doc_->Settings().XRotation = -dec;
  }

  void SetZoom(double zoom) {
    view_->Zoom = zoom;
    view_->Geometry.ProjectionDirty = true;
  }

  QImage Frame() {
    Render(kSize, kSize);
    return Render(kSize, kSize);
  }

  bool WindowOf(double ra, double dec, double& x, double& y) {
    double p[3];
    doc_->DrawingPoint(ra, dec, p);
    return view_->Geometry.SkyToWindow(p[0], p[1], p[2], x, y);
  }

  // The sky direction under GL window point x, y (equatorial mode).
  void SkyAt(double x, double y, float& ra, float& dec) {
    const double radius = (kSize / 2) * view_->Zoom;
    const double dx = x - view_->Geometry.CentreX, dy = y - view_->Geometry.CentreY;
    const double q = (dx * dx + dy * dy) / (radius * radius);
    double p[3];
    ASSERT_TRUE(render::UnProjectPoint(x, y, 1 - std::sqrt(1 - q), view_->Geometry.Modelview,
                                       view_->Geometry.Projection, view_->Geometry.Viewport, p));
    ra = static_cast<float>(std::atan2(-p[0], -p[2]) * astro::kRadToDeg / 15);
    if (ra < 0) ra += 24;
    dec = static_cast<float>(std::asin(std::clamp(p[1], -1.0, 1.0)) * astro::kRadToDeg);
  }

  // Only star i, of `magnitude`, at GL window point x, y.
  void OnlyStar(int i, double x, double y, float magnitude) {
    for (StarRecord& star : doc_->Sky.Stars) star.Magnitude = 99;
    StarRecord& star = doc_->Sky.Stars[i];
    SkyAt(x, y, star.RightAscension, star.Declination);
    star.Magnitude = magnitude;
  }

  static QPoint Pixel(double x, double y) {
    return {static_cast<int>(std::floor(x)), kSize - 1 - static_cast<int>(std::floor(y))};
  }

  int TextWidth(render::LabelFont font, std::string_view text) {
    EXPECT_TRUE(canvas_->MakeCurrent());
    const int width = render::CTextMeasure(font).Width(text);
    canvas_->DoneCurrent();
    return width;
  }

  // Text of `colour` antialiased over black: the colour at half coverage or more.
  static bool IsInk(const QColor& c, const QColor& colour) {
    const int top = std::max({colour.red(), colour.green(), colour.blue()});
    const double a = std::max({c.red(), c.green(), c.blue()}) / static_cast<double>(top);
    return a >= 0.5 && std::abs(c.red() - a * colour.red()) <= 12 &&
           std::abs(c.green() - a * colour.green()) <= 12 &&
           std::abs(c.blue() - a * colour.blue()) <= 12;
  }

  // The bounding box of the text pixels of `colour`.
  static QRect Ink(const QImage& image, const QColor& colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (IsInk(image.pixelColor(x, y), colour)) box |= QRect(x, y, 1, 1);
    return box;
  }

  // Draws at the device-pixel ratio `ratio` from now on, fonts included.
  void DeviceRatio(double ratio) {
    ASSERT_TRUE(canvas_->MakeCurrent());
    render::BuildLabelFonts(ratio);
    canvas_->DoneCurrent();
    view_->Renderer().SetDeviceRatio(ratio);
  }
};

// --- Stars ------------------------------------------------------------------

struct RoundStar {
  float Magnitude;  // with the base 7 of a black sky
  double Radius;    // the farthest a lit pixel's centre may be: the disc or sprite, plus a pixel
};

// Lit pixels of a star drawn at x, y: all within `radius`, and as many in each
// quarter round it as in the others.
void ExpectRound(const QImage& image, double x, double y, double radius, const std::string& what) {
  int lit = 0, outside = 0, quarters[4] = {};
  for (int row = 0; row < image.height(); ++row)
    for (int col = 0; col < image.width(); ++col) {
      if (!Lit(image.pixelColor(col, row))) continue;
      const double dx = col + 0.5 - x, dy = (image.height() - row - 0.5) - y;
      ++lit;
      if (std::hypot(dx, dy) > radius) ++outside;
      // Pixels on the axes through the centre belong to no quarter.
      if (std::abs(dx) > 0.01 && std::abs(dy) > 0.01)
        quarters[(dx > 0 ? 1 : 0) + (dy > 0 ? 2 : 0)]++;
    }
  EXPECT_GT(lit, 0) << what;
  EXPECT_EQ(outside, 0) << what << ": pixels beyond the disc";
  const auto [fewest, most] = std::minmax_element(std::begin(quarters), std::end(quarters));
  EXPECT_LE(*most - *fewest, std::max(3, lit / 5)) << what << ": lopsided";
}

TEST_F(Looks, StarsAreRoundAtEveryMagnitude) {
  // Faint stars are antialiased discs of their size, bright ones sprites of
  // 1.5 times it, each at a position off the pixel grid.
  for (const RoundStar& star :
       {RoundStar{6.0f, 0.5 + 1.5}, RoundStar{5.5f, 0.75 + 1.5}, RoundStar{5.1f, 0.95 + 1.5},
        RoundStar{4.0f, 4.5 + 1}, RoundStar{2.5f, 6.75 + 1}}) {
    for (const double offset : {0.0, 0.3, 0.5}) {
      OnlyStar(100, 200.0 + offset, 200.0 + offset / 2, star.Magnitude);
      const QImage image = Render(kSize, kSize);
      ExpectRound(image, 200.0 + offset, 200.0 + offset / 2, star.Radius,
                  "magnitude " + std::to_string(star.Magnitude) + " at +" + std::to_string(offset));
    }
  }
}

TEST_F(Looks, TheBrightestStarsGlowFainterOnesDoNot) {
  OnlyStar(100, 200, 200, -1.4f);  // size 8.4: a glow five sizes wide
  QImage image = Render(kSize, kSize);
  const int glow = image.pixelColor(200 + 16, kSize - 1 - 200).red();
  EXPECT_GT(glow, 8) << "the glow reaches 16 pixels";
  EXPECT_LT(glow, 80) << "and is soft there";
  OnlyStar(100, 200, 200, 2.5f);
  image = Render(kSize, kSize);
  EXPECT_LE(image.pixelColor(200 + 16, kSize - 1 - 200).red(), 1);
}

TEST_F(Looks, StarSizesFollowTheDevicePixelRatio) {
  OnlyStar(100, 200, 200, 2.5f);  // a sprite of half-side 6.75
  const QImage single = Render(kSize, kSize);
  DeviceRatio(2);
  const QImage doubled = Render(kSize, kSize);
  const auto width = [](const QImage& image) {
    int lit = 0;
    for (int x = 0; x < image.width(); ++x) lit += Lit(image.pixelColor(x, kSize - 1 - 200));
    return lit;
  };
  EXPECT_NEAR(width(doubled), 2 * width(single), 2);
  ExpectRound(doubled, 200, 200, 2 * 6.75 + 1, "at ratio 2");
}

// --- Labels -----------------------------------------------------------------

class LabelLooks : public Looks {
 protected:
  void SetUp() override {
    Looks::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    settings_.StarsNamesColor = kMagenta;
    doc_->Settings().StarNames = 1;
    SetZoom(4);
    CentreOn(5.6, 0);
    Render(kSize, kSize);
  }

  // Only proper name `n` (and its star), of `magnitude`, at GL window point x, y.
  void NamedStar(int n, int star, double x, double y, float magnitude) {
    StarNameRecord& name = doc_->Sky.ProperNames[n];
    SkyAt(x, y, name.RightAscension, name.Declination);
    name.Magnitude = magnitude;
    StarRecord& s = doc_->Sky.Stars[star];
    s.RightAscension = name.RightAscension;
    s.Declination = name.Declination;
    s.Magnitude = magnitude;
  }

  void NoStarsNorNames() {
    for (StarRecord& star : doc_->Sky.Stars) star.Magnitude = 99;
    for (StarNameRecord& name : doc_->Sky.ProperNames) name.Magnitude = 99;
  }
};

TEST_F(LabelLooks, AStarsNameStandsBesideItAndLeavesItInView) {
  for (const float magnitude : {0.5f, 3.0f, 5.8f}) {
    NoStarsNorNames();
    NamedStar(10, 100, 150.3, 200.6, magnitude);
    const QImage image = Render(kSize, kSize);
    const QRect ink = Ink(image, QColor(255, 0, 255));
    ASSERT_FALSE(ink.isEmpty()) << magnitude;
    const QPoint star = Pixel(150.3, 200.6);
    // Right of the star's drawn radius, level with it.
    const double radius = render::StarRadius(7 - magnitude, 7 - magnitude >= 2);
    EXPECT_GE(ink.left(), 150.3 + radius) << magnitude;
    EXPECT_LE(ink.left(), 150.3 + radius + 6) << magnitude;
    EXPECT_LE(ink.top(), star.y()) << magnitude;
    EXPECT_GE(ink.bottom(), star.y()) << magnitude;
    // The star's own pixel is the star's: white, not the label's.
    const QColor centre = image.pixelColor(star);
    EXPECT_EQ(centre.red(), centre.green()) << magnitude;
    EXPECT_GT(centre.green(), 100) << magnitude;
  }
}

TEST_F(LabelLooks, OverlappingNamesMoveTheFainterStarsNameToItsOtherSide) {
  NoStarsNorNames();
  // Two names three pixels apart: the brighter star's is written beside it,
  // whichever comes first in the file; the fainter one's goes to its other side.
  NamedStar(20, 100, 150, 200, 2.5f);
  NamedStar(21, 101, 150, 203, 1.5f);
  QImage image = Render(kSize, kSize);
  const QRect right = Ink(image.copy(150, 0, kSize - 150, kSize), QColor(255, 0, 255));
  const QRect left = Ink(image.copy(0, 0, 150, kSize), QColor(255, 0, 255));
  ASSERT_FALSE(right.isEmpty());
  EXPECT_NEAR(
      right.width(),
      TextWidth(render::LabelFont::Plain14, render::FixedText(doc_->Sky.ProperNames[21].Name)), 2);
  ASSERT_FALSE(left.isEmpty());
  EXPECT_NEAR(
      left.width(),
      TextWidth(render::LabelFont::Plain14, render::FixedText(doc_->Sky.ProperNames[20].Name)), 2);
  // Apart by a whole line, both are written on the right.
  NamedStar(21, 101, 150, 230, 1.5f);
  image = Render(kSize, kSize);
  const QRect ink = Ink(image, QColor(255, 0, 255));
  EXPECT_GT(ink.left(), 150);
  EXPECT_GT(ink.height(), 28);
}

TEST_F(LabelLooks, NoTwoLabelsOfTheSkyOverlap) {
  // Orion with every label: constellation names, stars, deep-sky objects, the
  // grid and the planets in a crowded column. Every pixel of a label's colour
  // lies in the room its label took, and no two rooms overlap: no label is
  // written over another.
  settings_.ConstLabelsColor = 0xFF8080;  // (128, 128, 255): Saturn is yellow
  settings_.PlanetNamesColor = 0x0040FF;
  settings_.DeepSkyLabelsColor = 0x80FF00;
  doc_->Settings().Boundaries = doc_->Settings().DeepSky = doc_->Settings().DeepSkyLabels =
      doc_->Settings().SolarSystem = 1;
  doc_->Settings().PlanetNames = 1;
  settings_.ConstBoundariesColor = 0;
  doc_->Limits.DeepSkyMagnitudeLimit = 11;
  doc_->Limits.StarMagnitudeLimit = 7.5;
  // An eyepiece field's name, in the middle, goes first.
  doc_->Settings().EyepieceFields = 1;
  settings_.Fields = {sky::EyepieceField{"Field", sky::FieldKind::Circle, 120}};
  for (int body = 2; body <= 9; ++body) {
    doc_->Sky.Bodies[body].RightAscension = 5.45;
    doc_->Sky.Bodies[body].Declination = -12 + 2 * body;
  }
  const QImage image = Frame();
  const std::vector<render::LabelBox>& rooms = view_->Renderer().Labels().Taken();
  ASSERT_GT(rooms.size(), 15u);
  // The field's name first, centred above the middle; nothing below overlaps it.
  EXPECT_NEAR((rooms.front().Left + rooms.front().Right) / 2, kSize / 2.0, 1.0);
  EXPECT_GT(rooms.front().Bottom, kSize / 2.0);
  for (std::size_t a = 0; a < rooms.size(); ++a)
    for (std::size_t b = a + 1; b < rooms.size(); ++b) {
      const render::LabelBox &p = rooms[a], &q = rooms[b];
      EXPECT_FALSE(p.Left < q.Right && q.Left < p.Right && p.Bottom < q.Top && q.Bottom < p.Top)
          << a << " and " << b;
    }
  const QColor colours[] = {QColor(128, 128, 255), QColor(255, 0, 255), QColor(255, 64, 0),
                            QColor(0, 255, 128)};
  int ink = 0, stray = 0;
  for (int row = 0; row < kSize; ++row)
    for (int col = 0; col < kSize; ++col) {
      const QColor c = image.pixelColor(col, row);
      if (std::none_of(std::begin(colours), std::end(colours),
                       [&c](const QColor& l) { return IsInk(c, l); }))
        continue;
      ++ink;
      // A glyph may reach a pixel or two past its advance (italics).
      const double x = col + 0.5, y = kSize - row - 0.5;
      stray += std::none_of(rooms.begin(), rooms.end(), [&](const render::LabelBox& r) {
        return x > r.Left - 2 && x < r.Right + 2 && y > r.Bottom - 2 && y < r.Top + 3;
      });
    }
  EXPECT_GT(ink, 400);
  EXPECT_EQ(stray, 0);
}

TEST_F(LabelLooks, BrightStarsAreNamedBeforeTheConstellations) {
  // Every constellation's name centred just right of a bright star, where
  // the star's name goes (Procyon and "Canis Minor"): the star keeps its name.
  NoStarsNorNames();
  NamedStar(10, 100, 150.3, 200.6, 0.4f);
  doc_->Settings().Boundaries = 1;
  settings_.ConstBoundariesColor = 0;
  settings_.ConstLabelsColor = 0x00FFFF;  // yellow
  for (ConstellationNameRecord& r : doc_->Catalogues.ConstellationNames) {
    float ra = 0, dec = 0;
    SkyAt(185, 196, ra, dec);
    r.RightAscension = ra;
    r.Declination = dec;
  }
  const QImage image = Render(kSize, kSize);
  const QRect star = Ink(image, QColor(255, 0, 255));
  ASSERT_FALSE(star.isEmpty()) << "the star's name is written";
  EXPECT_GT(star.left(), 150);
  EXPECT_NEAR(
      star.width(),
      TextWidth(render::LabelFont::Plain14, render::FixedText(doc_->Sky.ProperNames[10].Name)), 2);
}

TEST_F(LabelLooks, ANameThatDoesNotFitBesideItsStarTriesTheOtherSidesAndIsNeverCut) {
  NoStarsNorNames();
  const std::string name(render::FixedText(doc_->Sky.ProperNames[10].Name));
  const int width = TextWidth(render::LabelFont::Plain14, name);
  struct Case {
    double x, y;
    const char* where;
  } const cases[] = {
      {kSize - 6.5, 200.5, "at the right edge: left of the star"},
      {4.5, 200.5, "at the left edge: right of the star"},
      {200.5, kSize - 3.5, "at the top edge: beside it"},
  };
  for (const Case& c : cases) {
    NamedStar(10, 100, c.x, c.y, 1.0f);
    const QImage image = Render(kSize, kSize);
    const QRect ink = Ink(image, QColor(255, 0, 255));
    ASSERT_FALSE(ink.isEmpty()) << c.where;
    EXPECT_NEAR(ink.width(), width, 2) << c.where << ": the whole name";
    EXPECT_GT(ink.left(), 0) << c.where;
    EXPECT_LT(ink.right(), kSize - 1) << c.where;
    EXPECT_GT(ink.top(), 0) << c.where;
    const QPoint star = Pixel(c.x, c.y);
    EXPECT_FALSE(ink.contains(star)) << c.where << ": the star stays in view";
  }
  // A star in a corner whose name fits on none of its sides keeps it out:
  // no name is cut by the window's edge.
  NamedStar(10, 100, 2.5, 2.5, 1.0f);
  const QRect ink = Ink(Render(kSize, kSize), QColor(255, 0, 255));
  EXPECT_TRUE(ink.isEmpty() || (ink.left() > 0 && ink.bottom() < kSize - 1)) << ink.left();
  // With another star's name on the right, the left side.
  NoStarsNorNames();
  NamedStar(10, 100, 200.5, 200.5, 1.0f);
  NamedStar(11, 101, 200.5 + 20, 200.5, 0.5f);  // brighter: named first, right of star 100
  const QImage both = Render(kSize, kSize);
  const QRect left = Ink(both.copy(0, 0, 200, kSize), QColor(255, 0, 255));
  ASSERT_FALSE(left.isEmpty()) << "the fainter star's name went to its left";
  EXPECT_NEAR(left.width(), width, 2);
}

TEST_F(LabelLooks, TheGridWritesHoursAlongTheEquatorAndDegreesAlongTheMeridian) {
  NoStarsNorNames();
  doc_->Settings().Coordinations = 1;
  settings_.GridsColor = kMagenta;
  SetZoom(2);
  CentreOn(6, 10);
  const QImage image = Frame();
  const auto inkNear = [&](double ra, double dec, std::string_view text) {
    double x, y;
    EXPECT_TRUE(WindowOf(ra, dec, x, y));
    const QPoint p = Pixel(x, y);
    const int width = TextWidth(render::LabelFont::Plain14, text);
    int count = 0;
    // Up and to the right of the crossing, where no line runs.
    for (int row = p.y() - 16; row < p.y() - 4; ++row)
      for (int col = p.x() + 4; col < p.x() + 4 + width; ++col)
        count += IsInk(image.pixelColor(col, row), QColor(255, 0, 255));
    return count;
  };
  EXPECT_GT(inkNear(6, 0, "6h"), 10);
  EXPECT_GT(inkNear(5, 0, "5h"), 10);
  EXPECT_GT(inkNear(6, 30, "+30\xB0"), 10);
  EXPECT_GT(inkNear(6, -15, "-15\xB0"), 10);
  // Without the grid, none.
  doc_->Settings().Coordinations = 0;
  EXPECT_TRUE(Ink(Frame(), QColor(255, 0, 255)).isEmpty());
}

// --- Red screen and landscape -----------------------------------------------

TEST_F(Looks, RedScreenLetsNothingButRedThrough) {
  // Every layer, the landscape and the ground, the Moon, the planets in their
  // colours and the Milky Way; night-vision red.
  doc_->Settings().Coordinations = doc_->Settings().Boundaries = doc_->Settings().Constelations =
      doc_->Settings().DeepSky = 1;
  doc_->Settings().MilkyWay = doc_->Settings().SolarSystem = doc_->Settings().Ecliptic =
      doc_->Settings().StarNames = 1;
  doc_->Settings().PlanetNames = doc_->Settings().DeepSkyLabels = doc_->Settings().SkyColors =
      doc_->Settings().StarsColors = 1;
  doc_->Limits.StarMagnitudeLimit = 7.5;
  doc_->Settings().HorizonMode = 1;
  doc_->Settings().XRotation = -20;
  doc_->Settings().YRotation = 90 + 180;  // the north, 20 degrees up
  PlaceBody(astro::kMoon, 25, 190);
  doc_->Sky.Bodies[astro::kMoon].HelioDistance = 0.5;
  for (int body = 2; body <= 9; ++body) PlaceBody(body, 10 + 3 * body, 170 + 2 * body);
  SetZoom(2);
  const QImage coloured = Frame();
  doc_->Run.RedScreen = 1;
  const QImage red = Frame();
  int lit = 0, other = 0, brightest = 0;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const QColor c = red.pixelColor(x, y);
      lit += c.red() > 8;
      other += c.green() != 0 || c.blue() != 0;
      brightest = std::max(brightest, c.red());
    }
  EXPECT_GT(lit, 2000);
  EXPECT_EQ(other, 0);
  // Dimmed for eyes adapted to the dark: the brightest star is a dim red.
  EXPECT_EQ(brightest, sky::kNightVisionMaxRed);
  // The landscape and the ground still show, in red.
  const QColor groundColoured = coloured.pixelColor(200, 390);
  EXPECT_GT(groundColoured.green(), 0);
  EXPECT_GT(red.pixelColor(200, 390).red(), 0);
}

class LandscapeLooks : public Looks {
 protected:
  void SetUp() override {
    Looks::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    doc_->Settings().HorizonMode = 1;
    doc_->Settings().SkyColors = 1;
    doc_->Limits.StarMagnitudeLimit = -10;
    SetZoom(1);
  }

  // A horizon picture with one white stripe, an eighth of its width from
  // s = 1/4 on: 90 to 135 degrees from the east point towards the north.
  void StripedLandscape() {
    ASSERT_TRUE(canvas_->MakeCurrent());
    unsigned char texels[4][64][4];
    std::memset(texels, 0, sizeof texels);
    for (auto& row : texels)
      for (int c = 16; c < 24; ++c) std::memset(row[c], 255, 4);
    glBindTexture(GL_TEXTURE_2D, view_->Renderer().TextureName(render::kTexHorizon));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 64, 4, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    canvas_->DoneCurrent();
  }

  // The red of the frame at azimuth (from the south through the east) and
  // altitude, looking there.
  int RedAt(double azimuth, double altitude = 20) {
    doc_->Settings().YRotation = (360 - azimuth) + 90;
    doc_->Settings().XRotation = -altitude;
    const QImage image = Frame();
    const astro::EquatorialCoord c = doc_->Sky.AstroState.SkyAt(azimuth, altitude);
    double x, y;
    EXPECT_TRUE(WindowOf(c.RightAscension, c.Declination, x, y));
    return image.pixelColor(Pixel(x, y)).red();
  }
};

TEST_F(LandscapeLooks, TheLandscapeStaysWithTheCompassThroughAnAnimationStep) {
  StripedLandscape();
  // Daylight: the stripe at full white, north-west of the north point.
  PlaceBody(astro::kSun, 40, 0);
  EXPECT_EQ(RedAt(200), 255);
  EXPECT_LT(RedAt(290), 40);
  // Ten-minute steps turn TimeOffset; the landscape stays where it stands.
  std::int64_t instant = doc_->Sky.Instant.UtSeconds;
  for (int step = 0; step < 6; ++step)
    ui::AnimationStep(doc_->Sky.DocumentTime, instant, doc_->Sky.TimeOffset, ui::kTenMinutes, true,
                      ClockRulesOf(doc_->Settings()));
  ASSERT_NE(doc_->Sky.TimeOffset, 0.0);
  doc_->UpdateSky();
  PlaceBody(astro::kSun, 40, 0);
  EXPECT_EQ(RedAt(200), 255);
  EXPECT_LT(RedAt(290), 40);
}

TEST_F(LandscapeLooks, BelowTheHorizonNothingIsSkyColouredAndTheGroundIsLitByDay) {
  // Facing south at zoom 2 in a wide window, the horizon a little above the
  // middle: the window's lower corners lie outside the sphere's disc, below
  // the ground.
  constexpr int kWidth = 800, kHeight = 200;
  SetZoom(2);
  doc_->Settings().YRotation = 90;
  doc_->Settings().XRotation = 5;
  PlaceBody(astro::kSun, 40, 20);
  Render(kWidth, kHeight);
  const QImage day = Render(kWidth, kHeight);
  const auto skyBlue = [](const QColor& c) { return c.blue() > 100 && c.blue() > c.red() + 60; };
  ASSERT_TRUE(skyBlue(day.pixelColor(kWidth / 2, 2))) << "the sky above is blue by day";
  const QPoint corners[] = {{1, kHeight - 2}, {kWidth - 2, kHeight - 2}};
  for (const QPoint corner : corners)
    EXPECT_FALSE(skyBlue(day.pixelColor(corner))) << corner.x() << " below the ground";
  // Nor where the bottom rows cross the rim of the disc.
  int blueBelow = 0;
  for (int y = kHeight - 3; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) blueBelow += skyBlue(day.pixelColor(x, y));
  EXPECT_EQ(blueBelow, 0);
  // The ground in front: lit by day, dark at night.
  PlaceBody(astro::kSun, -40, 20);
  Render(kWidth, kHeight);
  const QImage night = Render(kWidth, kHeight);
  const QColor groundByDay = day.pixelColor(kWidth / 2, kHeight - 10);
  const QColor groundAtNight = night.pixelColor(kWidth / 2, kHeight - 10);
  EXPECT_GT(groundByDay.green(), 60) << "the ground by day";
  EXPECT_LT(groundAtNight.green(), groundByDay.green() / 3) << "the ground at night";
  EXPECT_FALSE(skyBlue(groundByDay));
  for (const QPoint corner : corners)
    EXPECT_LE(night.pixelColor(corner).green(), groundAtNight.green() + 8) << corner.x();
}

TEST_F(LandscapeLooks, TheLandscapeShowsOnTheBlackSkyToo) {
  StripedLandscape();
  PlaceBody(astro::kSun, 40, 0);
  doc_->Settings().SkyColors = 0;
  EXPECT_EQ(RedAt(200), 255) << "the stripe of the landscape";
  EXPECT_LT(RedAt(290), 40) << "the land beside it";
}

TEST_F(LandscapeLooks, TheLandscapeIsOpaqueAndDarkAtNight) {
  // The real picture, looking north along the horizon: where the land stands
  // (by day, not the sky's blue), it hides the stars behind it at night and
  // is a dark silhouette.
  doc_->Settings().YRotation = 90 + 180;
  doc_->Settings().XRotation = -1;
  PlaceBody(astro::kSun, 40, 0);
  const QImage day = Frame();
  PlaceBody(astro::kSun, -40, 0);
  doc_->Limits.StarMagnitudeLimit = 7.5;
  const QImage night = Frame();
  doc_->Limits.StarMagnitudeLimit = -10;
  const QImage starless = Frame();
  const astro::EquatorialCoord c = doc_->Sky.AstroState.SkyAt(180, 0.5);
  double x, y;
  ASSERT_TRUE(WindowOf(c.RightAscension, c.Declination, x, y));
  int land = 0, dayLight = 0, nightLight = 0, showingThrough = 0;
  for (int dx = -150; dx <= 150; ++dx) {
    const QPoint p = Pixel(x + dx, y);
    if (day.pixelColor(p).blue() > day.pixelColor(p).red()) continue;  // sky between the hills
    ++land;
    dayLight += day.pixelColor(p).red();
    nightLight += night.pixelColor(p).red();
    showingThrough += night.pixelColor(p).red() > starless.pixelColor(p).red() + 8;
  }
  ASSERT_GT(land, 200);
  EXPECT_GT(dayLight / land, 100) << "the land by day";
  EXPECT_LT(nightLight, dayLight / 4) << "a dark silhouette at night";
  EXPECT_EQ(showingThrough, 0) << "no star through the land";
}

}  // namespace
