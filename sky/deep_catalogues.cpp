#include "sky/deep_catalogues.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace sky {

const catalog::FaintStarCatalogue& CDeepCatalogues::FaintStars() const {
  if (!faintStars_)
    faintStars_ = std::make_unique<const catalog::FaintStarCatalogue>(
        catalog::LoadFaintStars("faintstars.bin"));
  return *faintStars_;
}

const catalog::NgcIcCatalogue& CDeepCatalogues::NgcIc() const {
  if (!ngcIc_)
    ngcIc_ = std::make_unique<const catalog::NgcIcCatalogue>(catalog::LoadNgcIc("ngcic.bin"));
  return *ngcIc_;
}

std::string StarPlaceName(double raHours, double decDegrees) {
  // Tenths of a second of time and whole seconds of arc, rounded once so
  // that 59.96 s carries into the minute.
  const long tenths = std::lround(raHours * 36000.0) % (24L * 36000);
  const long arcsec = std::lround(std::abs(decDegrees) * 3600.0);
  char text[96];
  std::snprintf(text, sizeof text, "J%02ld%02ld%02ld.%ld%c%02ld%02ld%02ld", tenths / 36000,
                tenths / 600 % 60, tenths / 10 % 60, tenths % 10, decDegrees < 0 ? '-' : '+',
                arcsec / 3600, arcsec / 60 % 60, arcsec % 60);
  return text;
}

std::string FaintStarDesignation(const catalog::FaintStarRecord& star) {
  return star.Hip != 0 ? "HIP " + std::to_string(star.Hip)
                       : StarPlaceName(star.RightAscension, star.Declination);
}

std::string NgcIcDesignation(const catalog::NgcIcRecord& object) {
  return (object.Catalogue == 'I' ? "IC " : "NGC ") + std::to_string(object.Number) +
         std::string(object.Suffix, strnlen(object.Suffix, sizeof object.Suffix));
}

}  // namespace sky
