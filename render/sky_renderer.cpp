#include "render/sky_renderer.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <iterator>
#include <numbers>
#include <vector>

#include "astro/transforms.h"
#include "render/bitmap_fonts.h"
#include "render/display_list_ids.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/night_vision.h"
#include "render/sky_layers.h"
#include "render/sky_primitives.h"
#include "render/surfaceless_gl.h"
#include "render/textures.h"
#include "sky/camera_math.h"
#include "sky/messages.h"

CSkyRenderer::CSkyRenderer(CSkyDoc& doc, sky::ViewGeometry& view, CMessenger& messages)
    : doc_(doc), view_(view), messages_(messages) {}

void CSkyRenderer::BuildDisplayLists() {
  using namespace render;
  // The unit sphere the Moon is drawn on: lit and textured inside the list.
  GLUquadric* sphere = gluNewQuadric();
  glNewList(kListSphere, GL_COMPILE);
  glPushMatrix();
  glEnable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  gluQuadricDrawStyle(sphere, GLU_FILL);
  gluQuadricNormals(sphere, GLU_SMOOTH);
  gluQuadricTexture(sphere, GL_TRUE);
  glRotated(-90, 1, 0, 0);
  glColor4d(1, 1, 1, 1);
  gluSphere(sphere, 1.0, 50, 50);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  glPopMatrix();
  glEndList();
  gluDeleteQuadric(sphere);

  // The textured square of the Sun's disc.
  glNewList(kListSprite, GL_COMPILE);
  glEnable(GL_TEXTURE_2D);
  glDisable(GL_CULL_FACE);
  glColor4d(1, 1, 0.75, 1);
  glBegin(GL_POLYGON);
  glTexCoord2d(0, 0);
  glVertex3d(-4, 4, 0);
  glTexCoord2d(1, 0);
  glVertex3d(4, 4, 0);
  glTexCoord2d(1, 1);
  glVertex3d(4, -4, 0);
  glTexCoord2d(0, 1);
  glVertex3d(-4, -4, 0);
  glEnd();
  glEnable(GL_CULL_FACE);
  glDisable(GL_TEXTURE_2D);
  glEndList();

  BuildGroundList();
  BuildLandscapeList();
  Scene().ListsBuilt = true;
}

bool CSkyRenderer::DisplayListsBuilt() const {
  const auto scene = scenes_.find(render::CurrentGlContext());
  return scene != scenes_.end() && scene->second.ListsBuilt;
}

CSkyRenderer::ContextScene& CSkyRenderer::Scene() { return scenes_[render::CurrentGlContext()]; }

void CSkyRenderer::ReleaseContext() { scenes_.erase(render::CurrentGlContext()); }

namespace {

// The sky's lists, each with the layer that draws it and whether it is built
// on the catalogue's moved records.
struct SkyList {
  void (*Build)(const CSkyDoc& doc);
  render::SkyLayer Layer;
  bool FollowsCatalogue;
};
constexpr SkyList kSkyLists[] = {
    {render::BuildBoundaryList, render::SkyLayer::Boundaries, false},
    {render::BuildFigureList, render::SkyLayer::Figures, true},
    {render::BuildEclipticList, render::SkyLayer::Ecliptic, false},
    {render::BuildMilkyWayList, render::SkyLayer::MilkyWay, false},
    {render::BuildGridList, render::SkyLayer::Grid, false},
};

}  // namespace

void CSkyRenderer::RefreshSkyLists() {
  static_assert(std::size(kSkyLists) == kSkyListCount);
  const bool refracting = doc_.Refracting();
  const double* zenith = doc_.Sky.AstroState.ZenithPoint;
  const int catalogue = doc_.Sky.CatalogueMotion.Generation();
  ContextScene& scene = Scene();
  for (int k = 0; k < kSkyListCount; ++k) {
    const SkyList& list = kSkyLists[k];
    SkyListPlaces& places = scene.SkyLists[k];
    if (!render::LayerShown(doc_.Settings(), list.Layer)) continue;
    if (places.Built && places.Refracted == refracting &&
        (!list.FollowsCatalogue || places.Catalogue == catalogue) &&
        (!refracting || std::equal(zenith, zenith + 3, places.Zenith)))
      continue;
    list.Build(doc_);
    places = {true, refracting, {zenith[0], zenith[1], zenith[2]}, catalogue};
  }
}

namespace {

struct TextureFile {
  const char* Name;
  int Slot;
  render::TextureAlpha Alpha;
  int LargestSide;         // pixels: no more than the sky ever draws it at
  bool Mipmaps;            // whether the sky ever draws it smaller than it is
  render::SkyLayer Layer;  // the layer that draws it
  // Whether that layer draws it wherever the view looks, at any zoom (it is
  // read before the first frame), not only where one body stands.
  bool Everywhere;
};

// The star sprites are never more than a few dozen pixels wide, the pictures
// of deep-sky objects and the Sun's glow soft; the Moon's ball grows with the
// zoom; the bands go round the sky, magnified even at zoom 1.
constexpr TextureFile kTextureFiles[] = {
    {"moon.tex", render::kTexMoon, render::TextureAlpha::None, 1024, true,
     render::SkyLayer::SolarSystem, false},
    {"sun.tex", render::kTexSun, render::TextureAlpha::Mean, 256, true,
     render::SkyLayer::SolarSystem, false},
    {"star.tex", render::kTexStar, render::TextureAlpha::Mean, 64, true, render::SkyLayer::Stars,
     true},
    {"galaxy.tex", render::kTexGalaxy, render::TextureAlpha::Mean, 256, true,
     render::SkyLayer::DeepSky, true},
    {"globcl.tex", render::kTexGlobularCluster, render::TextureAlpha::Mean, 256, true,
     render::SkyLayer::DeepSky, true},
    {"planeb.tex", render::kTexPlanetaryNebula, render::TextureAlpha::Mean, 256, true,
     render::SkyLayer::DeepSky, true},
    {"mw.tex", render::kTexMilkyWay, render::TextureAlpha::Mean, 1024, false,
     render::SkyLayer::MilkyWay, true},
    // The landscape is opaque where it shows land.
    {"horizon.tex", render::kTexHorizon, render::TextureAlpha::Opaque, 1024, false,
     render::SkyLayer::Landscape, true},
    // The planets' maps, drawn on their balls once these are a few pixels wide.
    {"mercury.tex", render::kTexMercury, render::TextureAlpha::None, 512, true,
     render::SkyLayer::SolarSystem, false},
    {"venus.tex", render::kTexMercury + 1, render::TextureAlpha::None, 512, true,
     render::SkyLayer::SolarSystem, false},
    {"mars.tex", render::kTexMercury + 2, render::TextureAlpha::None, 512, true,
     render::SkyLayer::SolarSystem, false},
    {"jupiter.tex", render::kTexMercury + 3, render::TextureAlpha::None, 512, true,
     render::SkyLayer::SolarSystem, false},
    {"saturn.tex", render::kTexMercury + 4, render::TextureAlpha::None, 512, true,
     render::SkyLayer::SolarSystem, false},
    {"uranus.tex", render::kTexMercury + 5, render::TextureAlpha::None, 512, true,
     render::SkyLayer::SolarSystem, false},
    {"neptune.tex", render::kTexNeptune, render::TextureAlpha::None, 512, true,
     render::SkyLayer::SolarSystem, false},
    // The rings: dark where they are thin, which the mean brightness makes clear.
    {"rings.tex", render::kTexSaturnRings, render::TextureAlpha::Mean, 512, true,
     render::SkyLayer::SolarSystem, false},
};

}  // namespace

void CSkyRenderer::LoadTextures() {
  ContextScene& scene = Scene();
  glGenTextures(render::kTextureSlotCount, scene.Textures);
  // A file that cannot be opened or is no BMP file is reported now; the
  // pictures are read, and a damaged one reported, when first drawn.
  for (const TextureFile& file : kTextureFiles) {
    const std::string problem = render::TextureFileProblem(doc_.Files(), file.Name);
    if (problem.empty())
      scene.TexturePending[file.Slot] = true;
    else
      messages_.Show(MessageIcon::Stop, problem);
  }
  GLuint made[2];
  glGenTextures(2, made);
  scene.DiscTexture = made[0];
  scene.GlowTexture = made[1];
  glBindTexture(GL_TEXTURE_2D, scene.DiscTexture);
  render::MakeDiscTexture();
  glBindTexture(GL_TEXTURE_2D, scene.GlowTexture);
  render::MakeGlowTexture();
  glBindTexture(GL_TEXTURE_2D, 0);
}

GLuint CSkyRenderer::Texture(int slot) {
  ContextScene& scene = Scene();
  const GLuint name = scene.Textures[slot];
  if (!scene.TexturePending[slot]) return name;
  scene.TexturePending[slot] = false;
  glBindTexture(GL_TEXTURE_2D, name);
  // A picture put there by other means is kept.
  GLint width = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
  if (width == 0) {
    // A picture that cannot be decoded has said why; the sky is drawn without it.
    if (firstPicturesReading_.valid()) firstPictures_ = firstPicturesReading_.get();
    if (const auto read = firstPictures_.find(slot); read != firstPictures_.end()) {
      render::UploadTexture(read->second, messages_);
      firstPictures_.erase(read);
    } else {
      for (const TextureFile& file : kTextureFiles)
        if (file.Slot == slot)
          render::UploadTexture(render::DecodeTexture(doc_.Files(), file.Name, file.Alpha,
                                                      file.LargestSide, file.Mipmaps),
                                messages_);
    }
    // The landscape band need not reach above the land: less to fill.
    if (slot == render::kTexHorizon) render::BuildLandscapeList(40 * render::OpaqueHeight());
  }
  return name;
}

void CSkyRenderer::ReadFirstPictures() {
  const AppSettings& settings = doc_.Settings();
  std::vector<TextureFile> first;
  for (const TextureFile& file : kTextureFiles)
    if (file.Everywhere && render::LayerShown(settings, file.Layer)) first.push_back(file);
  firstPicturesReading_ = std::async(std::launch::async, [files = doc_.Files(), first] {
    Pictures read;
    for (const TextureFile& file : first)
      read[file.Slot] =
          render::DecodeTexture(files, file.Name, file.Alpha, file.LargestSide, file.Mipmaps);
    return read;
  });
}

void CSkyRenderer::SetFixedState() {
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_POINT_SMOOTH);
  glHint(GL_POINT_SMOOTH_HINT, GL_DONT_CARE);
  glEnable(GL_LINE_SMOOTH);
  glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
  glEnable(GL_CULL_FACE);
  glShadeModel(GL_SMOOTH);
  glEnable(GL_LIGHT0);
  glEnable(GL_COLOR_MATERIAL);
}

void CSkyRenderer::SetSkyProjection(int width, int height, double zoom) {
  const render::OrthoVolume v = render::SkyOrthoVolume(width, height, zoom);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(v.Left, v.Right, v.Bottom, v.Top, v.Near, v.Far);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void CSkyRenderer::SetPixelProjection(int width, int height) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluOrtho2D(0, width, 0, height);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

double render::AltitudeOf(const CSkyDoc& doc, double raHours, double decDegrees) {
  return doc.Sky.AstroState.HorizonOf(raHours, decDegrees).Altitude;
}

double render::AltitudeOf(const CSkyDoc& doc, const astro::PlanetState& body) {
  return AltitudeOf(doc, body.RightAscension, body.Declination);
}

render::HorizonClip::HorizonClip(const CSkyDoc& doc) : on_(doc.Settings().HorizonMode != 0) {
  if (on_) glEnable(GL_CLIP_PLANE0);
}

render::HorizonClip::~HorizonClip() {
  if (on_) glDisable(GL_CLIP_PLANE0);
}

void render::EnterHorizonFrame(const CSkyDoc& doc) {
  double unprecess[16];
  PrecessionModelMatrix(doc.Sky.AstroState.Precession, true, unprecess);
  glMultMatrixd(unprecess);
  glRotated(-HourAngleTurn(doc.Sky.AstroState), 0, 1, 0);
  glRotated(-(90 - doc.Sky.AstroState.Latitude), 0, 0, 1);
}

std::vector<sky::PickHit> CSkyRenderer::SelectionPass(int x, int y, double zoom) {
  GLuint buffer[64] = {};
  const double pickX = x, pickY = view_.Viewport[3] - y;
  glSelectBuffer(64, buffer);
  glRenderMode(GL_SELECT);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glInitNames();
  glPushName(0);
  gluPickMatrix(x, view_.Viewport[3] - y, 5, 5, view_.Viewport);
  const render::OrthoVolume v = render::SkyOrthoVolume(view_.Viewport[2], view_.Viewport[3], zoom);
  glOrtho(v.Left, v.Right, v.Bottom, v.Top, v.Near, v.Far);
  glMatrixMode(GL_MODELVIEW);
  ComposePass(zoom, true, pickX, pickY);
  glMatrixMode(GL_PROJECTION);
  int hits = glRenderMode(GL_RENDER);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);

  // Every record is four words: one name, two depths, the name. An
  // overflowing buffer reports -1; read what fits.
  if (hits < 0 || hits > 16) hits = 16;
  std::vector<sky::PickHit> found;
  for (int k = 0; k < hits; ++k) {
    const unsigned name = buffer[k * 4 + 3];
    found.push_back({name, MarkDistance(name, pickX, pickY)});
  }
  // The described layers' discs, drawn over the rest, as far as 16 go.
  for (const sky::PickHit& hit : discHits_)
    if (found.size() < 16) found.push_back(hit);
  return found;
}

double CSkyRenderer::MarkDistance(unsigned name, double x, double y) const {
  double ra, dec;
  if (name < static_cast<unsigned>(kStarCount)) {
    ra = doc_.Sky.Stars[name].RightAscension;
    dec = doc_.Sky.Stars[name].Declination;
  } else if (name >= render::kNameBodyFirst &&
             name < render::kNameBodyFirst + static_cast<unsigned>(astro::kBodyCount)) {
    ra = doc_.Sky.Bodies[name - render::kNameBodyFirst].RightAscension;
    dec = doc_.Sky.Bodies[name - render::kNameBodyFirst].Declination;
  } else if (name >= render::kNameDeepSkyFirst &&
             name < render::kNameDeepSkyFirst + static_cast<unsigned>(kDeepSkyCount)) {
    ra = doc_.Sky.DeepSkyObjects[name - render::kNameDeepSkyFirst].RightAscension;
    dec = doc_.Sky.DeepSkyObjects[name - render::kNameDeepSkyFirst].Declination;
  } else if (name >= render::kNameFaintStarFirst &&
             name - render::kNameFaintStarFirst <
                 doc_.Catalogues.DeepCatalogues.FaintStars().Records.size()) {
    const astro::EquatorialCoord at = doc_.Catalogues.DeepCatalogues.FaintStarPlace(
        static_cast<int>(name - render::kNameFaintStarFirst), doc_.Sky.CatalogueMotion);
    ra = at.RightAscension;
    dec = at.Declination;
  } else if (name >= render::kNameNgcIcFirst &&
             name - render::kNameNgcIcFirst <
                 doc_.Catalogues.DeepCatalogues.NgcIc().Records.size()) {
    const astro::EquatorialCoord at = doc_.Catalogues.DeepCatalogues.NgcIcPlace(
        static_cast<int>(name - render::kNameNgcIcFirst), doc_.Sky.CatalogueMotion);
    ra = at.RightAscension;
    dec = at.Declination;
  } else {
    return 0;
  }
  double p[3], wx, wy;
  doc_.DrawingPoint(ra, dec, p);
  if (!view_.SkyToWindow(p[0], p[1], p[2], wx, wy)) return 0;
  return std::hypot(wx - x, wy - y);
}

void CSkyRenderer::ApplyCamera() const {
  // The same matrices as render::CameraMatrix, which the printed chart takes.
  double turn[16];
  render::CameraTurnMatrix(doc_.Settings().XRotation, doc_.Settings().YRotation, turn);
  glMultMatrixd(turn);
  if (doc_.Settings().HorizonMode) {
    // The horizon frame: the zenith on +Y. Everything below it stays under
    // the ground: the sky layers clip at the horizon plane.
    const double horizonPlane[4] = {0, 1, 0, 0};
    glClipPlane(GL_CLIP_PLANE0, horizonPlane);
    double skyToHorizon[16];
    render::SkyToHorizonMatrix(doc_.Sky.AstroState, skyToHorizon);
    glMultMatrixd(skyToHorizon);
  }
}

namespace render {
namespace {

// The screen's columns of the layer table.
struct ScreenLayer {
  int AppSettings::*Switch;
  bool Pickable;
  void (*Screen)(const Frame&);
  void (*ScreenText)(const Frame&);
  void (*NamesFirst)(const Frame&);
  int NameRank;
  DescribeLayer Describe;
};

constexpr ScreenLayer kScreenLayers[] = {
#define STELLIX_SCREEN_LAYER(Name, Switch, Pickable, Screen, ScreenText, NamesFirst, NameRank, \
                             Describe)                                                         \
  {Switch, Pickable, Screen, ScreenText, NamesFirst, NameRank, Describe},
    STELLIX_SKY_LAYERS(STELLIX_SCREEN_LAYER)
#undef STELLIX_SCREEN_LAYER
};

// The sizes of texts in the screen's label fonts.
class CScreenLabelMeasure : public CLabelMeasure {
 public:
  TextExtent Extent(LabelStyle style, std::string_view text) const override {
    return ExtentOf(style == LabelStyle::Italic ? italic_ : plain_, text);
  }

 private:
  CTextMeasure plain_{LabelFont::Plain14}, italic_{LabelFont::Italic14};
};

// A described layer's lines, then its discs, in window pixels.
void DrawLines(const Frame& frame, const SkyPrimitives& primitives) {
  if (primitives.Lines.empty() && primitives.Discs.empty()) return;
  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  for (const SkyLine& line : primitives.Lines) {
    glLineWidth(static_cast<float>(line.Width * frame.Scale));
    SetLineColour(frame.Doc, line.Colour);
    glBegin(line.Closed ? GL_LINE_LOOP : GL_LINE_STRIP);
    for (const WindowPoint& p : line.Points) glVertex2d(p.X, p.Y);
    glEnd();
  }
  // Enough sides that a disc of a few pixels looks round.
  constexpr int kSides = 16;
  glLineWidth(static_cast<float>(frame.Scale));
  for (const SkyDisc& disc : primitives.Discs) {
    SetLineColour(frame.Doc, disc.Colour);
    glBegin(disc.Filled ? GL_TRIANGLE_FAN : GL_LINE_LOOP);
    if (disc.Filled) glVertex2d(disc.X, disc.Y);
    for (int k = 0; k <= kSides; ++k) {
      const double a = 2 * std::numbers::pi * k / kSides;
      glVertex2d(disc.X + disc.Radius * std::cos(a), disc.Y + disc.Radius * std::sin(a));
    }
    glEnd();
  }
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

// A described layer's names, each where it took its room (ids index the names).
void DrawNames(const Frame& frame, const SkyPrimitives& primitives,
               const std::vector<PlacedLabel>& placed) {
  if (placed.empty()) return;
  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  for (const PlacedLabel& label : placed) {
    const SkyName& name = primitives.Names[label.Id];
    SetLineColour(frame.Doc, name.Colour);
    DrawText(name.Style == LabelStyle::Italic ? LabelFont::Italic14 : LabelFont::Plain14,
             label.Left, label.Baseline, name.Text);
  }
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

constexpr int LastNameRank() {
  int last = 0;
  for (const ScreenLayer& layer : kScreenLayers) last = std::max(last, layer.NameRank);
  return last;
}

bool SwitchedOn(const CSkyDoc& doc, const ScreenLayer& layer) {
  return layer.Switch == nullptr || doc.Settings().*layer.Switch != 0;
}

}  // namespace
}  // namespace render

void CSkyRenderer::ComposeFrame(double zoom) { ComposePass(zoom, false, 0, 0); }

void CSkyRenderer::ComposePass(double zoom, bool picking, double pickX, double pickY) {
  using namespace render;
  RefreshSkyLists();
  glPushMatrix();
  if (view_.ProjectionDirty) {
    SetSkyProjection(view_.Viewport[2], view_.Viewport[3], zoom);
    view_.ProjectionDirty = false;
  }
  ApplyCamera();
  if (!picking) {
    glGetDoublev(GL_PROJECTION_MATRIX, view_.Projection);
    glGetDoublev(GL_MODELVIEW_MATRIX, view_.Modelview);
    // Window depth = eye z + 1: below 1 on the hemisphere facing the viewer.
    view_.Projection[10] = 2.0;
  }

  const Frame frame{doc_,    doc_.Conditions(), view_, *this, zoom,
                    picking, deviceRatio_,      pickX, pickY};
  // Night vision: nothing but red reaches the screen, whatever a layer's
  // colours or textures hold (the cleared green and blue stay 0), and the
  // finished frame is dimmed to the reds the eye may receive.
  const bool redOnly = doc_.Run.RedScreen && !picking;
  if (redOnly) glColorMask(GL_TRUE, GL_FALSE, GL_FALSE, GL_TRUE);
  labels_.Clear(view_.Viewport[2], view_.Viewport[3]);
  compassLabels_.clear();
  planetLabels_.clear();
  starLabels_.clear();
  // The described layers, for this frame; a pickable one's discs under the
  // pointer are its hits, found without GL.
  described_.resize(std::size(kScreenLayers));
  discHits_.clear();
  const CScreenLabelMeasure measure;
  const LayerInput input{doc_, frame.Sky, view_, zoom, deviceRatio_, measure};
  for (std::size_t k = 0; k < std::size(kScreenLayers); ++k) {
    described_[k].Primitives.Lines.clear();
    described_[k].Primitives.Names.clear();
    described_[k].Primitives.Discs.clear();
    described_[k].Placed.clear();
    const ScreenLayer& layer = kScreenLayers[k];
    if (!layer.Describe || !SwitchedOn(doc_, layer) || (picking && !layer.Pickable)) continue;
    layer.Describe(input, described_[k].Primitives);
    if (picking)
      for (const DiscHit& hit : DiscsAt(described_[k].Primitives, pickX, pickY, kPickReach))
        discHits_.push_back({hit.Name, hit.Distance});
  }
  if (!picking)
    for (int rank = 1; rank <= LastNameRank(); ++rank)
      for (std::size_t k = 0; k < std::size(kScreenLayers); ++k) {
        const ScreenLayer& layer = kScreenLayers[k];
        if (layer.NameRank != rank || !SwitchedOn(doc_, layer)) continue;
        if (layer.NamesFirst) layer.NamesFirst(frame);
        const std::vector<SkyName>& names = described_[k].Primitives.Names;
        for (std::size_t n = 0; n < names.size(); ++n) {
          double left, baseline;
          if (labels_.TakeCentred(names[n].X, names[n].Baselines,
                                  measure.Extent(names[n].Style, names[n].Text), left, baseline))
            described_[k].Placed.push_back({static_cast<int>(n), left, baseline});
        }
      }
  for (std::size_t k = 0; k < std::size(kScreenLayers); ++k) {
    const ScreenLayer& layer = kScreenLayers[k];
    if (!SwitchedOn(doc_, layer) || (picking && !layer.Pickable)) continue;
    if (layer.Screen) layer.Screen(frame);
    if (!picking) DrawLines(frame, described_[k].Primitives);
  }
  if (!picking)
    for (std::size_t k = 0; k < std::size(kScreenLayers); ++k) {
      const ScreenLayer& layer = kScreenLayers[k];
      if (!SwitchedOn(doc_, layer)) continue;
      if (layer.ScreenText) layer.ScreenText(frame);
      DrawNames(frame, described_[k].Primitives, described_[k].Placed);
    }
  if (redOnly) {
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    DimToNightVision();
  }
  glPopMatrix();
  if (!picking) {
    // The pictures read for the first frame that it did not draw.
    if (firstPicturesReading_.valid()) firstPicturesReading_.get();
    firstPictures_.clear();
  }
}
