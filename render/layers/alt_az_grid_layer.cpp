// The observer's own grid: circles of equal altitude every 10 degrees and
// lines of equal azimuth every 15, in the frame of the horizon, whatever the
// chart mode. The sky is drawn at its apparent place when refracting, and so
// is this grid: its altitudes are the ones the observer measures.
#include <cmath>

#include "astro/transforms.h"
#include "render/sky_primitives.h"
#include "sky/drawing_rules.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// The lines just added to `out` from `first` on stand for `value`.
void MarkValue(SkyPrimitives& out, std::size_t first, const std::string& value) {
  for (std::size_t k = first; k < out.Lines.size(); ++k) out.Lines[k].Value = value;
}

// Green, apart from the equatorial grid's grey.
constexpr int kAltAzGridColour = 0x40A040;
constexpr double kLineWidth = 1.0;

SpherePoint PointAt(const CSkyDoc& doc, double azimuth, double altitude) {
  const astro::EquatorialCoord at = doc.Sky.AstroState.SkyAt(azimuth, altitude);
  SpherePoint p;
  astro::EquatorialToSphere(at.RightAscension, at.Declination, p.data());
  return p;
}

}  // namespace

void DescribeAltAzGrid(const LayerInput& input, SkyPrimitives& out) {
  const CSkyDoc& doc = input.Doc;
  std::vector<SpherePoint> line;
  for (int altitude = -80; altitude <= 80; altitude += 10) {
    line.clear();
    for (int azimuth = 0; azimuth < 360; azimuth += 5)
      line.push_back(PointAt(doc, azimuth, altitude));
    const std::size_t first = out.Lines.size();
    AddSphereLine(input, line, true, kAltAzGridColour, kLineWidth, out);
    MarkValue(out, first, sky::GridValue(altitude, true));
  }
  // The lines of azimuth stop short of the zenith and the nadir, where they all meet.
  for (int azimuth = 0; azimuth < 360; azimuth += 15) {
    line.clear();
    for (int altitude = -80; altitude <= 80; altitude += 5)
      line.push_back(PointAt(doc, azimuth, altitude));
    const std::size_t first = out.Lines.size();
    AddSphereLine(input, line, false, kAltAzGridColour, kLineWidth, out);
    // From the north through the east, as the cards count it.
    const int fromNorth = static_cast<int>(
        std::lround(astro::NorthEastFromSouthWest(astro::SouthWestFromSouthEast(azimuth))));
    MarkValue(out, first, sky::GridValue(fromNorth % 360, false));
  }
}

}  // namespace render
