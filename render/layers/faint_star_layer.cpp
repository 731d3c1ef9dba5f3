// The Hipparcos and Tycho stars beyond the bright-star catalogue, drawn as
// the bright stars' discs by the same magnitude scale and rules, coloured
// by spectral type or B-V. Only the sky cells in view are visited, each from
// its brightest star down to the limit, among the stars the document read
// for its limits before the frame (CSkyDoc::PrepareCatalogues).
#include <algorithm>
#include <cmath>

#include "catalog/cell_catalogues.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/sky_renderer.h"
#include "render/sprite_batch.h"
#include "sky/pick_walk.h"
#include "sky/sky_doc.h"

namespace render {

void DrawFaintStars(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  float base;
  if (!StarBrightnessBase(frame, base)) return;
  const double walkLimit = DeepStarLimit(frame, base);
  if (walkLimit < sky::kBrightestFaintStar) return;

  const catalog::FaintStarCatalogue& stars = doc.Catalogues.DeepCatalogues.FaintStars();
  const double scale = frame.Scale;
  CSpriteBatch& discs = frame.Renderer.StarDiscs();
  discs.Clear();
  if (frame.Picking) glDisable(GL_CULL_FACE);
  stars.ForEachInView(
      doc.VisibleSky(frame.View, frame.Zoom), walkLimit, [&](const catalog::FaintStarRecord& star) {
        float size;
        double opacity;
        if (!StarShown(frame, base, star.Magnitude, size, opacity)) return;
        const int index = static_cast<int>(&star - stars.Records.data());
        const astro::EquatorialCoord at =
            doc.Catalogues.DeepCatalogues.FaintStarPlace(index, doc.Sky.CatalogueMotion);
        double p[3], x, y;
        if (!StarWindowPoint(frame, at.RightAscension, at.Declination, p, x, y)) return;
        const double radius = StarRadius(size, false);
        if (frame.Picking) {
          const double reach = std::max(radius * scale, kSmallestPickRadius);
          if (std::hypot(x - frame.PickX, y - frame.PickY) <= reach)
            PickDisc(frame, p, reach, sky::kFaintStarNameFirst + static_cast<unsigned>(index));
          return;
        }
        Rgba colour = StarColour(doc, catalog::SpectralClassOf(star));
        colour.A = static_cast<GLubyte>(opacity * 255);
        AddStarDisc(discs, x, y, size, colour, scale);
      });
  if (frame.Picking) {
    glEnable(GL_CULL_FACE);
    return;
  }

  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  discs.Draw(frame.Renderer.DiscTexture());
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

}  // namespace render
