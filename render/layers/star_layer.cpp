// The bright stars: every star brighter than the limit on the facing
// hemisphere, as a textured sprite when it is bright enough, else as a small
// antialiased disc, in the colour of its spectral class; the brightest with a
// soft glow. Twilight thins them out.
//
// Deeper limits (zoomed in) draw the stars too faint for the smallest disc
// fading towards the limit; the faint-star layer draws by the same rules.
//
// This loop runs over the whole catalogue on every frame: the magnitude tests
// come first and the projection last. The stars are gathered into vertex
// arrays kept from frame to frame and drawn in three calls.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "astro/transforms.h"
#include "render/display_list_ids.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/sky_renderer.h"
#include "render/sprite_batch.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// Brightness base of a dark sky: a star of magnitude m is drawn with size 7 - m.
constexpr float kDarkSkyBase = 7.0f;
// Down to this limit the stars too faint for the smallest disc are left out
// in the sky's colours and drawn as it on a black sky; beyond it they fade.
constexpr double kNakedEyeDepth = 7.5;
// Beyond it, the whole scale grows with the limit by this many sizes a
// magnitude, so that a zoomed-in field shows its stars' brightness order.
constexpr double kDepthGrowth = 0.6;
// The faintest star down to the limit keeps this much less of its colour;
// the fading stars are discs of this size, which stay visible as they fade.
constexpr float kFadingStarSize = 1.6f;
constexpr double kFaintestOpacityLoss = 0.6;
// Stars from this size on are sprites; a sprite's half-side is 1.5 times the size.
constexpr float kSpriteSize = 2.0f;
constexpr double kSpriteScale = 1.5;
// Stars at or fainter than the base would get no size at all: they are drawn as
// the smallest visible disc.
constexpr float kMinimumPointSize = 1.0f;
// The pixels round a disc over which its rim is antialiased.
constexpr double kDiscMargin = 1.0;
// The brightest stars get a soft glow: from this size on, growing with it.
constexpr float kGlowSize = 4.5f;
constexpr double kGlowReach = 4.0;  // the glow's radius, in sizes
constexpr double kGlowGain = 0.12, kGlowStrongest = 0.45;

// Zoomed in beyond the view a first start shows (zoom 2), a star's size
// above the smallest disc grows by this share for every doubling of the
// zoom, up to this many times, so that a cluster keeps its brightest
// members apart from the rest (the Pleiades at a 7 degree field).
constexpr double kGrowthFromZoom = 2, kZoomGrowth = 0.6, kMostGrowth = 3;

float DepthGrowth(double limit) {
  return static_cast<float>(kDepthGrowth * std::max(limit - kNakedEyeDepth, 0.0));
}

// How many pixels window point x, y of drawing point p lies from the point of
// the horizon below it (the ground covers what lies beyond).
double PixelsAboveHorizon(const Frame& frame, const double p[3], double x, double y) {
  const double* z = frame.Doc.Sky.AstroState.ZenithPoint;
  const double up = p[0] * z[0] + p[1] * z[1] + p[2] * z[2];
  double foot[3] = {p[0] - up * z[0], p[1] - up * z[1], p[2] - up * z[2]};
  const double length = std::sqrt(foot[0] * foot[0] + foot[1] * foot[1] + foot[2] * foot[2]);
  double hx, hy;
  if (length <= 0 ||
      !frame.View.SkyToWindow(foot[0] / length, foot[1] / length, foot[2] / length, hx, hy))
    return 0;
  return std::hypot(x - hx, y - hy);
}

// Half the side of the selection pass's window, in pixels.
constexpr double kPickHalfWindow = 2.5;

// The selection pass: every star whose drawn disc (or, for a small one, the
// smallest pick radius) reaches the point picked carries its catalogue index
// on a disc facing the viewer that reaches into the selection window.
void PickStars(const Frame& frame, float base) {
  const CSkyDoc& doc = frame.Doc;
  const bool sprites = !doc.Settings().StarsDrawPoints;
  for (int i = 0; i < kStarCount; ++i) {
    const StarRecord& star = doc.Sky.Stars[i];
    float size;
    double opacity;
    if (!StarShown(frame, base, star.Magnitude, size, opacity)) continue;
    double p[3], x, y;
    if (!StarWindowPoint(frame, star.RightAscension, star.Declination, p, x, y)) continue;
    const double reach = std::max(StarRadius(size, sprites && size >= kSpriteSize) * frame.Scale,
                                  kSmallestPickRadius);
    if (std::hypot(x - frame.PickX, y - frame.PickY) > reach) continue;
    PickDisc(frame, p, reach, static_cast<unsigned>(i));
  }
}

}  // namespace

Rgba StarColour(const CSkyDoc& doc, char spectralClass) {
  if (doc.Run.RedScreen) return {255, 0, 0, 255};
  if (!doc.Settings().StarsColors) return {255, 255, 255, 255};
  switch (spectralClass) {
    case 'O':
    case 'B':
      return {150, 255, 255, 255};
    case 'A':
      return {255, 255, 220, 255};
    case 'F':
    case 'G':
      return {255, 255, 128, 255};
    case 'K':
      return {255, 202, 45, 255};
    case 'M':
      return {255, 128, 128, 255};
    default:
      return {255, 255, 255, 255};
  }
}

bool StarShown(const Frame& frame, float base, float magnitude, float& size, double& opacity) {
  const double limit = frame.Doc.Limits.StarMagnitudeLimit;
  opacity = 1;
  if (magnitude > limit) return false;
  size = base - magnitude;
  if (size >= 1) {
    size = ZoomedStarSize(frame.Zoom, size);
    return true;
  }
  const bool skyColours = frame.Doc.Settings().SkyColors != 0;
  if (limit <= kNakedEyeDepth) return !skyColours;
  // Deeper: the stars fainter than the smallest disc fade towards the limit,
  // which twilight lowers as it lowers the base.
  const double depth = DeepStarLimit(frame, base);
  if (magnitude > depth) return false;
  const double faintest = base - 1;
  opacity =
      1 - kFaintestOpacityLoss * std::clamp((magnitude - faintest) / (depth - faintest), 0.0, 1.0);
  size = kFadingStarSize;
  return true;
}

bool StarWindowPoint(const Frame& frame, double ra, double dec, double p[3], double& x, double& y) {
  const CSkyDoc& doc = frame.Doc;
  doc.DrawingPoint(ra, dec, p);
  // Stars under the horizon are neither drawn nor picked: the ground covers
  // them, and at the rim of the sphere its polygons would let them through.
  const double* zenith = doc.Sky.AstroState.ZenithPoint;
  if (doc.Settings().HorizonMode && p[0] * zenith[0] + p[1] * zenith[1] + p[2] * zenith[2] < 0)
    return false;
  return frame.View.SkyToWindow(p[0], p[1], p[2], x, y);
}

float ZoomedStarSize(double zoom, float size) {
  if (zoom <= kGrowthFromZoom || size <= 1) return size;
  const double growth = std::min(1 + kZoomGrowth * std::log2(zoom / kGrowthFromZoom), kMostGrowth);
  return 1 + (size - 1) * static_cast<float>(growth);
}

double DeepStarLimit(const Frame& frame, float base) {
  const double limit = frame.Doc.Limits.StarMagnitudeLimit;
  if (limit <= kNakedEyeDepth)
    return frame.Doc.Settings().SkyColors ? std::min<double>(limit, base - 1) : limit;
  return frame.Doc.Settings().SkyColors ? limit - (kDarkSkyBase + DepthGrowth(limit) - base)
                                        : limit;
}

void PickDisc(const Frame& frame, const double p[3], double reach, unsigned name) {
  // The eye's x and y axes in model space, and the pixels to a unit of it.
  const double* m = frame.View.Modelview;
  const double across[3] = {m[0], m[4], m[8]}, up[3] = {m[1], m[5], m[9]};
  const double pixelsPerUnit =
      (std::min(frame.View.Viewport[2], frame.View.Viewport[3]) / 2) * frame.Zoom;
  // An octagon round the disc of that radius.
  const double r =
      std::max(reach - kPickHalfWindow, 0.5) / std::cos(std::numbers::pi / 8) / pixelsPerUnit;
  glLoadName(name);
  glBegin(GL_POLYGON);
  for (int k = 0; k < 8; ++k) {
    const double c = r * std::cos(k * std::numbers::pi / 4),
                 s = r * std::sin(k * std::numbers::pi / 4);
    glVertex3d(p[0] + c * across[0] + s * up[0], p[1] + c * across[1] + s * up[1],
               p[2] + c * across[2] + s * up[2]);
  }
  glEnd();
}

bool StarBrightnessBase(const Frame& frame, float& base) {
  base = kDarkSkyBase + DepthGrowth(frame.Doc.Limits.StarMagnitudeLimit);
  if (!frame.Doc.Settings().SkyColors) return true;
  // The Sun's altitude as the sky's colour counts it: moonlight and an eclipse included.
  const double h = frame.Sky.Background.SunAltitude;
  // Above -3 degrees no star is drawn; twilight lowers b from 7 at -18 to 2 at -3.
  if (h > -3) return false;
  if (h > -18) base -= static_cast<float>(kDarkSkyBase - (1 - h / 3));
  return true;
}

void AddStarDisc(CSpriteBatch& discs, double x, double y, float size, Rgba colour, double scale) {
  discs.Add(x, y, std::max(size, kMinimumPointSize) / 2 * scale, colour, kDiscMargin);
}

double StarRadius(float size, bool sprite) {
  // A sprite's texture is bright out to about three eighths of its half-side.
  return sprite ? kSpriteScale * size * 0.375 : std::max(size, kMinimumPointSize) / 2;
}

void DrawStars(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  float base;
  if (!StarBrightnessBase(frame, base)) return;
  glDisable(GL_CULL_FACE);
  if (frame.Picking) {
    PickStars(frame, base);
    glEnable(GL_CULL_FACE);
    return;
  }

  const bool aboveHorizonOnly = doc.Settings().HorizonMode != 0;
  const bool sprites = !doc.Settings().StarsDrawPoints;
  const double scale = frame.Scale;
  CSpriteBatch& spriteBatch = frame.Renderer.StarSprites();
  CSpriteBatch& discBatch = frame.Renderer.StarDiscs();
  CSpriteBatch& glowBatch = frame.Renderer.StarGlows();
  spriteBatch.Clear();
  discBatch.Clear();
  glowBatch.Clear();
  for (int i = 0; i < kStarCount; ++i) {
    const StarRecord& star = doc.Sky.Stars[i];
    float size;
    double opacity;
    if (!StarShown(frame, base, star.Magnitude, size, opacity)) continue;
    double p[3], x, y;
    if (!StarWindowPoint(frame, star.RightAscension, star.Declination, p, x, y)) continue;

    Rgba colour = StarColour(doc, star.SpectralClass);
    colour.A = static_cast<GLubyte>(opacity * 255);
    if (sprites && size >= kSpriteSize) {
      spriteBatch.Add(x, y, kSpriteScale * size * scale, colour);
      if (size > kGlowSize) {
        const double strength = std::min(kGlowStrongest, kGlowGain * (size - kGlowSize));
        double reach = kGlowReach * size * scale;
        // Above the ground only: no farther than the horizon below the star.
        if (aboveHorizonOnly) reach = std::min(reach, PixelsAboveHorizon(frame, p, x, y));
        glowBatch.Add(x, y, reach,
                      {colour.R, colour.G, colour.B, static_cast<GLubyte>(strength * 255)});
      }
    } else {
      // A disc of the star's size, its rim antialiased: round at any size.
      AddStarDisc(discBatch, x, y, size, colour, scale);
    }
  }

  // All of them in one pixel projection: glows under the stars, then the
  // sprites and the discs, one draw each.
  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  glowBatch.Draw(frame.Renderer.GlowTexture());
  spriteBatch.Draw(frame.Renderer.Texture(kTexStar));
  discBatch.Draw(frame.Renderer.DiscTexture());
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
  glEnable(GL_CULL_FACE);
}

}  // namespace render
