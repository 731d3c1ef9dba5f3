// The Milky Way: a textured band along the galactic equator in a display list,
// faded out by twilight and moonlight when the sky colours are on.
#include <algorithm>

#include "astro/precession.h"
#include "astro/transforms.h"
#include "render/display_list_ids.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/sky_renderer.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// The galactic frame is tied to the B1950 equator: referred to J2000 like
// the rest of the scene (0.7 degrees).
void GalacticVertex(const CSkyDoc& doc, const astro::PrecessionMatrix& from1950, double l,
                    double b) {
  const astro::EquatorialCoord b1950 = astro::GalacticToEquatorial(l, b);
  const astro::EquatorialCoord c =
      astro::PrecessToJ2000(from1950, b1950.RightAscension, b1950.Declination);
  double p[3];
  doc.DrawingPoint(c.RightAscension, c.Declination, p);
  glVertex3dv(p);
}

}  // namespace

void BuildMilkyWayList(const CSkyDoc& doc) {
  const astro::PrecessionMatrix from1950 = astro::PrecessionFromJ2000(-0.5);
  glNewList(kListMilkyWay, GL_COMPILE);
  glEnable(GL_TEXTURE_2D);
  glDisable(GL_CULL_FACE);
  // Four bands of galactic latitude, 10 degrees each, from -20 to +20; the
  // texture's rows follow the bands, its columns the longitude.
  for (int r = 0; r < 4; ++r) {
    const int lower = -20 + 10 * r;
    glBegin(GL_TRIANGLE_STRIP);
    for (int k = 0; k <= 73; ++k) {
      const bool upper = k % 2 != 0;
      glTexCoord2d((5.0 * r + 5.0 * k) / 360.0, 0.25 * (upper ? r + 1 : r));
      GalacticVertex(doc, from1950, -180 + 5 * r + 5 * k, upper ? lower + 10 : lower);
    }
    glEnd();
  }
  glEnable(GL_CULL_FACE);
  glDisable(GL_TEXTURE_2D);
  glEndList();
}

void DrawMilkyWay(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  double alpha = 1;
  if (doc.Settings().SkyColors) {
    double h = std::max(AltitudeOf(doc, doc.Sky.Bodies[astro::kSun]), -18.0);
    if (doc.Settings().SolarSystem) {
      // Moonlight washes the band out as if the Sun stood higher.
      const astro::PlanetState& moon = doc.Sky.Bodies[astro::kMoon];
      const double moonHeight = std::clamp(AltitudeOf(doc, moon) + 0.5, 0.0, 1.0);
      const double moonLight = (moon.HelioDistance + 1) / 2;
      h += 3 * moonHeight * moonLight * moonLight;
    }
    if (h > -12) return;
    // 1 at -18 degrees, 0 at -12.
    alpha = (h + 12) * (-1.0 / 6);
  }
  glColor4d(1, 1, 1, alpha);
  glBindTexture(GL_TEXTURE_2D, frame.Renderer.Texture(kTexMilkyWay));
  const HorizonClip clip(doc);
  glCallList(kListMilkyWay);
}

}  // namespace render
