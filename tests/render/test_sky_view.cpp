// The sky view as a user sees it: frames drawn with OpenGL and read back.
#include <algorithm>
#include <cmath>

#include "astro/eclipse.h"
#include "astro/transforms.h"
#include "render/display_list_ids.h"
#include "render/gl.h"
#include "sky/pane_text.h"
#include "sky/sky_colour.h"
#include "tests/render/sky_fixture.h"
#include "tests/test_files.h"

namespace {

using SkyView = SkyFixture;

class SkyColours : public SkyFixture {
 protected:
  // The Sun at `altitude` in the south-west, the Moon (new) far below, and
  // the camera turned to the point of the sky opposite the Sun.
  void SunAt(double altitude) {
    AllLayersOff();
    doc_->Settings().SkyColors = 1;
    doc_->Settings().SolarSystem = 1;
    PlaceBody(astro::kSun, altitude, 315);
    PlaceBody(astro::kMoon, -60, 90);
    doc_->Sky.Bodies[astro::kMoon].HelioDistance = -1;
    const astro::PlanetState& sun = doc_->Sky.Bodies[astro::kSun];
    doc_->Settings().YRotation = -15 * (sun.RightAscension + 12);
    doc_->Settings().XRotation = sun.Declination;
  }

  // The window pixel of a sky direction in the last frame (image rows run downwards).
  QPoint PixelOf(const QImage& image, double ra, double dec) {
    double p[3], x, y;
    doc_->DrawingPoint(ra, dec, p);
    EXPECT_TRUE(view_->Geometry.SkyToWindow(p[0], p[1], p[2], x, y));
    return {static_cast<int>(x), image.height() - 1 - static_cast<int>(y)};
  }

  static std::tuple<int, int, int> Rgb(const QColor& c) { return {c.red(), c.green(), c.blue()}; }
};

TEST_F(SkyColours, FollowTheSunsAltitude) {
  SunAt(-6);
  EXPECT_EQ(Rgb(At(Render(), 200, 200)), std::make_tuple(0, 0, 152));
  SunAt(6.0001);  // just above the day threshold, whatever the rounding of the frame
  EXPECT_EQ(Rgb(At(Render(), 200, 200)), std::make_tuple(0, 191, 255));
  SunAt(-18);
  EXPECT_EQ(Rgb(At(Render(), 200, 200)), std::make_tuple(0, 0, 0));
  EXPECT_EQ(doc_->Conditions().SkyColour, 0);
}

TEST_F(SkyColours, ZoomOneFillsOnlyTheDiscAndOtherZoomsTheWindow) {
  SunAt(20);
  view_->Zoom = 1;
  view_->Geometry.ProjectionDirty = true;
  QImage image = Render();
  EXPECT_EQ(Rgb(At(image, 200, 200)), std::make_tuple(0, 191, 255));
  EXPECT_EQ(Rgb(At(image, 2, 2)), std::make_tuple(0, 0, 0));
  EXPECT_EQ(Rgb(At(image, 397, 397)), std::make_tuple(0, 0, 0));
  view_->Zoom = 2;
  view_->Geometry.ProjectionDirty = true;
  image = Render();
  EXPECT_EQ(Rgb(At(image, 2, 2)), std::make_tuple(0, 191, 255));
}

TEST_F(SkyColours, DaylightHidesDeepSkyAndRedScreenDrawsNoSky) {
  SunAt(10);
  Render();
  EXPECT_EQ(doc_->Conditions().DeepSkyLimit, -5.0);
  doc_->Run.RedScreen = 1;
  EXPECT_EQ(Rgb(At(Render(), 200, 200)), std::make_tuple(0, 0, 0));
}

TEST_F(SkyColours, EclipseDarkensLikeALowerSunWithoutTwilight) {
  doc_->Settings().HorizonMode = 1;
  // A clear landscape: the opaque land would hide the glow near the horizon.
  Render();  // makes the scene's textures
  ASSERT_TRUE(canvas_->MakeCurrent());
  const GLubyte clear[4] = {0, 0, 0, 0};
  glBindTexture(GL_TEXTURE_2D, view_->Renderer().TextureName(render::kTexHorizon));
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, clear);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glBindTexture(GL_TEXTURE_2D, 0);
  canvas_->DoneCurrent();
  // A plain twilight frame with the Sun at -8 degrees.
  SunAt(-8);
  doc_->Settings().HorizonMode = 1;
  doc_->Settings().XRotation = -20;  // look a little above the horizon, towards the Sun
  doc_->Settings().YRotation = (360 - 315) + 90;
  const QImage twilight = Render();
  const astro::AstroState& st = doc_->Sky.AstroState;
  const astro::EquatorialCoord above = st.SkyAt(315, 5);
  const QPoint nearSun = PixelOf(twilight, above.RightAscension, above.Declination);

  // The Sun at +4, with a near Moon in front of it (a total eclipse darkens
  // by 12 degrees): the sky of a Sun at -8, and no twilight glow.
  PlaceBody(astro::kSun, 4, 315);
  astro::PlanetState& moon = doc_->Sky.Bodies[astro::kMoon];
  moon.RightAscension = doc_->Sky.Bodies[astro::kSun].RightAscension;
  moon.Declination = doc_->Sky.Bodies[astro::kSun].Declination;
  moon.GeoDistance = 357000;
  ASSERT_DOUBLE_EQ(astro::EclipseDarkeningNow(st, doc_->Sky.Bodies), 12.0);
  const QImage eclipse = Render();
  EXPECT_EQ(doc_->Conditions().SkyColour,
            render::ComputeSkyBackground(-8, 0, -1, true, 0, 5).Colour());
  EXPECT_LT(At(eclipse, nearSun.x(), nearSun.y()).red(),
            At(twilight, nearSun.x(), nearSun.y()).red() - 20)
      << "no orange twilight glow in an eclipse";
}

TEST_F(SkyView, ZoomStopsAt8192And1AndMovesTurnByFifteenOverZoom) {
  for (int i = 0; i < 15; ++i) view_->ZoomIn();
  EXPECT_EQ(view_->Zoom, 8192);
  for (int i = 0; i < 15; ++i) view_->ZoomOut();
  EXPECT_EQ(view_->Zoom, 1);
  EXPECT_TRUE(view_->Geometry.ProjectionDirty);

  view_->Zoom = 4;
  doc_->Settings().YRotation = 100;
  view_->MoveLeft();
  EXPECT_DOUBLE_EQ(doc_->Settings().YRotation, 103.75);
  doc_->Settings().YRotation = 358;
  view_->MoveLeft();
  EXPECT_DOUBLE_EQ(doc_->Settings().YRotation, 1.75);
  view_->MoveRight();
  EXPECT_DOUBLE_EQ(doc_->Settings().YRotation, 358);
  doc_->Settings().XRotation = 1;
  view_->MoveDown();
  EXPECT_DOUBLE_EQ(doc_->Settings().XRotation, 357.25);
}

TEST_F(SkyView, TallWindowKeepsTheDiscAsWideAsTheWindow) {
  doc_->Settings().SkyColors = 1;
  PlaceBody(astro::kSun, 30, 0);
  view_->Zoom = 1;
  view_->Geometry.ProjectionDirty = true;
  const QImage image = Render(200, 400);
  EXPECT_NE(At(image, 1, 200), QColor(0, 0, 0)) << "the disc reaches the left edge";
  EXPECT_NE(At(image, 198, 200), QColor(0, 0, 0)) << "and the right edge";
  EXPECT_EQ(At(image, 100, 20), QColor(0, 0, 0)) << "but not the top";
  double ra, dec;
  EXPECT_TRUE(doc_->WindowToSky(view_->Geometry, 0, 200, 1, ra, dec));
  EXPECT_FALSE(doc_->WindowToSky(view_->Geometry, 100, 20, 1, ra, dec));
}

TEST_F(SkyView, WindowToSkyUndoesSkyToWindowOverTheDisc) {
  for (int horizon = 0; horizon <= 1; ++horizon) {
    doc_->Settings().HorizonMode = horizon;
    doc_->Settings().XRotation = -30;
    doc_->Settings().YRotation = 200;
    view_->Zoom = 2;
    view_->Geometry.ProjectionDirty = true;
    Render(400, 300);
    int checked = 0;
    for (int y = 0; y < 300; y += 13)
      for (int x = 0; x < 400; x += 17) {
        double p[3];
        if (!view_->Geometry.WindowToSphere(x, y, view_->Zoom, p)) continue;
        double winX, winY;
        ASSERT_TRUE(view_->Geometry.SkyToWindow(p[0], p[1], p[2], winX, winY));
        EXPECT_NEAR(winX, x, 1.0);
        EXPECT_NEAR(winY, y, 1.0);
        double ra, dec, q[3];
        ASSERT_TRUE(doc_->WindowToSky(view_->Geometry, x, 300 - y, view_->Zoom, ra, dec));
        doc_->DrawingPoint(ra, dec, q);
        EXPECT_NEAR(q[0], p[0], 1e-6);
        EXPECT_NEAR(q[1], p[1], 1e-6);
        ++checked;
      }
    EXPECT_GT(checked, 100);
  }
}

TEST_F(SkyView, ClickCentresTheStarInHorizonMode) {
  doc_->Settings().HorizonMode = 1;
  doc_->Settings().XRotation = -30;
  doc_->Settings().YRotation = 180;
  Render(400, 400);
  // The brightest star that is on the visible side of the view.
  int best = -1;
  double bestX = 0, bestY = 0;
  for (int i = 0; i < kStarCount; ++i) {
    const StarRecord& s = doc_->Sky.Stars[i];
    double p[3], x, y;
    doc_->DrawingPoint(s.RightAscension, s.Declination, p);
    if (!view_->Geometry.SkyToWindow(p[0], p[1], p[2], x, y) || x < 50 || x > 350 || y < 50 ||
        y > 350)
      continue;
    if (best < 0 || s.Magnitude < doc_->Sky.Stars[best].Magnitude) best = i, bestX = x, bestY = y;
  }
  ASSERT_GE(best, 0);
  view_->CentreOnWindowPoint(static_cast<int>(std::lround(bestX)),
                             400 - static_cast<int>(std::lround(bestY)));
  const astro::HorizontalCoord h = doc_->Sky.AstroState.HorizonOf(
      doc_->Sky.Stars[best].RightAscension, doc_->Sky.Stars[best].Declination);
  EXPECT_NEAR(std::remainder(h.Azimuth - (doc_->Settings().YRotation - 90), 360), 0, 0.6);
  EXPECT_NEAR(h.Altitude, -doc_->Settings().XRotation, 0.6);
}

TEST_F(SkyView, ADragCarriesTheSkyAlongWithThePointer) {
  for (int horizon = 0; horizon <= 1; ++horizon) {
    doc_->Settings().HorizonMode = horizon;
    doc_->Settings().XRotation = horizon ? -30 : -20;
    doc_->Settings().YRotation = 150;
    Render(400, 400);
    // The star nearest to the middle of the view.
    int best = -1;
    double x0 = 0, y0 = 0;
    for (int i = 0; i < kStarCount; ++i) {
      const StarRecord& s = doc_->Sky.Stars[i];
      double p[3], x, y;
      doc_->DrawingPoint(s.RightAscension, s.Declination, p);
      if (!view_->Geometry.SkyToWindow(p[0], p[1], p[2], x, y)) continue;
      if (best < 0 || std::hypot(x - 200, y - 200) < std::hypot(x0 - 200, y0 - 200))
        best = i, x0 = x, y0 = y;
    }
    ASSERT_GE(best, 0);
    view_->DragBy(30, -20);  // right and up, in client pixels
    Render(400, 400);
    double p[3], x, y;
    doc_->DrawingPoint(doc_->Sky.Stars[best].RightAscension, doc_->Sky.Stars[best].Declination, p);
    ASSERT_TRUE(view_->Geometry.SkyToWindow(p[0], p[1], p[2], x, y));
    EXPECT_NEAR(x - x0, 30, 3) << horizon;
    EXPECT_NEAR(y - y0, 20, 3) << horizon;  // GL window y runs upwards
  }
}

TEST_F(SkyView, PointerReadoutFeedsThePanes) {
  Render(400, 400);
  view_->TrackPointer(200, 200);
  // The default camera looks at 6 h, 0 degrees.
  EXPECT_NEAR(view_->CursorRA, 6.0, 0.02);
  EXPECT_NEAR(view_->CursorDec, 0.0, 0.3);
  // Outside the sphere's disc the readout keeps its last values.
  const double ra = view_->CursorRA, dec = view_->CursorDec;
  view_->TrackPointer(100000, 100000);
  EXPECT_EQ(view_->CursorRA, ra);
  EXPECT_EQ(view_->CursorDec, dec);
  EXPECT_EQ(view_->RaPaneText().toStdString(), RaPaneText(ra));
  view_->CursorDec = -0.25;
  EXPECT_EQ(view_->DecPaneText().toStdString(), "DEC -00\u00b0 15' 00\"");
}

// The display lists and textures are made in each context the sky is drawn
// in: a second canvas over the same view draws the same frame, and the first
// one still draws it after.
TEST_F(SkyView, EachContextHasItsOwnListsAndTextures) {
  doc_->Settings().Boundaries = doc_->Settings().Coordinations = doc_->Settings().MilkyWay = 1;
  const QImage first = Render();
  {
    COffscreenCanvas second(*view_);
    ASSERT_TRUE(second.IsValid());
    EXPECT_EQ(second.Render(400, 400), first) << "the second context";
  }
  EXPECT_EQ(Render(), first) << "the first context again";
}

TEST_F(SkyView, MissingTextureIsReportedAndTheFrameIsStillDrawn) {
  ScratchDir data;
  for (const auto& entry : std::filesystem::directory_iterator(STELLIX_SOURCE_DATA_DIR))
    if (entry.path().filename() != "mw.tex")
      std::filesystem::create_symlink(entry.path(), data.Path() / entry.path().filename());
  ReadDataFrom(data.Path());
  doc_->Settings().Boundaries = 1;
  const QImage image = Render();
  ASSERT_EQ(messages_.Lines.size(), 1u);
  EXPECT_EQ(messages_.Lines[0], "stop: Can't open \"mw.tex\" file !   ");
  int lit = 0;
  for (int y = 0; y < image.height(); y += 4)
    for (int x = 0; x < image.width(); x += 4) lit += At(image, x, y) != QColor(0, 0, 0);
  EXPECT_GT(lit, 10) << "the boundaries are drawn";
}

TEST_F(SkyView, EachBrokenTextureGivesOneMessageNamingItAndWhatIsWrong) {
  ScratchDir data;
  for (const auto& entry : std::filesystem::directory_iterator(STELLIX_SOURCE_DATA_DIR))
    std::filesystem::create_symlink(entry.path(), data.Path() / entry.path().filename());
  const auto replace = [&](const char* name, const std::string& bytes) {
    std::filesystem::remove(data.Path() / name);
    data.Write(name, bytes);
  };
  const std::string moon = ReadFile(std::string(STELLIX_SOURCE_DATA_DIR) + "/moon.tex");
  replace("sun.tex", moon.substr(0, 10));  // shorter than a BMP file header
  replace("star.tex", "GIF89a" + moon.substr(6, 200));
  std::string unknown = moon;
  unknown[14] = 99;  // a bitmap header of 99 bytes
  replace("galaxy.tex", unknown);
  replace("globcl.tex", moon.substr(0, 2000));  // the pixels are cut off
  ReadDataFrom(data.Path());
  Render();
  // A file that is no BMP file is reported as the view starts, a damaged one
  // when it is first drawn.
  std::vector<std::string> expected = {
      "stop: The texture file \"sun.tex\" cannot be used: it is not a BMP file.   ",
      "stop: The texture file \"star.tex\" cannot be used: it is not a BMP file.   ",
      "stop: The texture file \"galaxy.tex\" cannot be used: Unknown DIB file format.   ",
      "stop: The texture file \"globcl.tex\" cannot be used: Image file conversion error.   "};
  std::vector<std::string> lines = messages_.Lines;
  std::sort(lines.begin(), lines.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(lines, expected);
}

}  // namespace
