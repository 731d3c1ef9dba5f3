// The meridian: the great circle from the north point through the zenith to
// the south point and on under the horizon, where the sky's objects
// culminate.
#include "astro/transforms.h"
#include "render/sky_primitives.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// Orange, apart from every other line of the sky.
constexpr int kMeridianColour = 0x3080E0;
constexpr double kLineWidth = 1.5;

}  // namespace

void DescribeMeridian(const LayerInput& input, SkyPrimitives& out) {
  const astro::AstroState& state = input.Doc.Sky.AstroState;
  std::vector<SpherePoint> circle;
  // Up from the south point's nadir side over the zenith (azimuth 0 is the
  // south), then down the north side back round under the horizon.
  for (const double azimuth : {0.0, 180.0})
    for (int step = 0; step < 90; ++step) {
      const double altitude = -90 + 2.0 * step;
      const astro::EquatorialCoord at = state.SkyAt(azimuth, azimuth == 0.0 ? altitude : -altitude);
      SpherePoint p;
      astro::EquatorialToSphere(at.RightAscension, at.Declination, p.data());
      circle.push_back(p);
    }
  AddSphereLine(input, circle, true, kMeridianColour, kLineWidth, out);
}

}  // namespace render
