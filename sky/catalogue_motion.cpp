#include "sky/catalogue_motion.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <unordered_map>

#include "sky/sky_instant.h"

namespace {

// The same place bit for bit: the generator writes a figure vertex and a
// star label from their star's own numbers.
std::uint64_t PlaceKey(float ra, float dec) {
  std::uint32_t a, d;
  std::memcpy(&a, &ra, sizeof a);
  std::memcpy(&d, &dec, sizeof d);
  return (static_cast<std::uint64_t>(a) << 32) | d;
}

template <typename Record>
void Place(Record& record, const astro::EquatorialCoord& at) {
  record.RightAscension = static_cast<float>(at.RightAscension);
  record.Declination = static_cast<float>(at.Declination);
}

// A catalogue direction as the moving Earth sees it.
astro::EquatorialCoord Aberrated(float ra, float dec, const astro::EarthMotion& earth) {
  const double a = ra * 15.0 * astro::kDegToRad, d = dec * astro::kDegToRad;
  double v[3] = {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
  astro::Aberrate(earth, v);
  return astro::DirectionOf(v);
}

}  // namespace

void CCatalogueMotion::Keep(const sky::SkyInstant& sky, const StarMotionRecord* motions) {
  std::unordered_map<std::uint64_t, int> starAt;
  starAt.reserve(kStarCount);
  for (int i = 0; i < kStarCount; ++i) {
    stars_[i] = sky.Stars[i];
    const StarMotionRecord& m = motions[i];
    motions_[i] = m.HR == sky.Stars[i].HR && m.HR != 0
                      ? astro::StarMotion{m.ProperMotionRa, m.ProperMotionDec, m.Parallax}
                      : astro::StarMotion{};
    starAt.emplace(PlaceKey(sky.Stars[i].RightAscension, sky.Stars[i].Declination), i);
  }
  const auto starUnder = [&](float ra, float dec) {
    const auto found = starAt.find(PlaceKey(ra, dec));
    return found == starAt.end() ? -1 : found->second;
  };
  for (int i = 0; i < kConstellationLineCount; ++i) {
    lines_[i] = sky.ConstellationLines[i];
    lineStar_[i] = starUnder(lines_[i].RightAscension, lines_[i].Declination);
  }
  for (int i = 0; i < kStarNameCount; ++i) {
    names_[i] = sky.ProperNames[i];
    nameStar_[i] = starUnder(names_[i].RightAscension, names_[i].Declination);
  }
  std::memcpy(deepSky_, sky.DeepSkyObjects, sizeof deepSky_);
  kept_ = true;
  generation_++;
  movedTo_ = NAN;
}

astro::StarDirection CCatalogueMotion::StarAt(int index, double ttJulianDay,
                                              const astro::EarthMotion& earth) const {
  const StarRecord& star = stars_[index];
  return astro::StarPlaceAt({star.RightAscension, star.Declination}, motions_[index], ttJulianDay,
                            earth);
}

astro::EquatorialCoord CCatalogueMotion::Moved(const astro::EquatorialCoord& j2000,
                                               const astro::StarMotion& motion) const {
  if (std::isnan(movedTo_)) return j2000;
  return astro::StarPlaceAt(j2000, motion, movedTo_, movedEarth_).Aberrated;
}

bool CCatalogueMotion::Follow(sky::SkyInstant& sky) {
  const double tt = sky.AstroState.TerrestrialDay;
  if (!kept_ || std::abs(tt - movedTo_) < kStepDays) return false;
  const astro::EarthMotion& earth = sky.AstroState.Earth;
  for (int i = 0; i < kStarCount; ++i) {
    double astrometric[3], aberrated[3];
    astro::StarVectorsAt({stars_[i].RightAscension, stars_[i].Declination}, motions_[i], tt, earth,
                         astrometric, aberrated);
    Place(sky.Stars[i], astro::DirectionOf(aberrated));
  }
  // A vertex or label on a star goes with it; the rest only by the aberration.
  const auto follow = [&](auto& record, const auto& kept, int star) {
    if (star >= 0)
      Place(record, {sky.Stars[star].RightAscension, sky.Stars[star].Declination});
    else
      Place(record, Aberrated(kept.RightAscension, kept.Declination, earth));
  };
  for (int i = 0; i < kConstellationLineCount; ++i)
    follow(sky.ConstellationLines[i], lines_[i], lineStar_[i]);
  for (int i = 0; i < kStarNameCount; ++i) follow(sky.ProperNames[i], names_[i], nameStar_[i]);
  for (int i = 0; i < kDeepSkyCount; ++i) follow(sky.DeepSkyObjects[i], deepSky_[i], -1);
  movedTo_ = tt;
  movedEarth_ = earth;
  generation_++;
  return true;
}
