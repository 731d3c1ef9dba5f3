#include "sky/deep_catalogues.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "res/strings.h"
#include "sky/app_settings.h"
#include "sky/catalogue_motion.h"
#include "sky/sky_doc.h"

namespace sky {

template <typename Catalogue>
void CDeepCatalogues::TellDamage(const char* file, const Catalogue& catalogue) const {
  if (!report_) return;
  if (catalogue.Status == Catalogue::State::Refused)
    report_(res::Format(res::IDS_FILE_REFUSED, file));
  else if (catalogue.Report.Damaged())
    report_(DamagedFileMessage(file, catalogue.Report));
}

void CDeepCatalogues::ReadFaintStars(double limit) {
  constexpr const char* kFile = "faintstars.bin";
  if (!faintStarsRead_) {
    faintStarsRead_ = true;
    faintStars_ = catalog::LoadFaintStars(files_.Path(kFile).c_str(), {.To = kFaintStarsFirstPart});
    // A damaged file is read whole at once, so that one message counts all
    // that was left out of it.
    if (faintStars_.Report.Damaged()) {
      faintStars_ = catalog::LoadFaintStars(files_.Path(kFile).c_str());
      faintStarsWhole_ = true;
    }
    TellDamage(kFile, faintStars_);
  }
  if (limit > kFaintStarsFirstPart && !faintStarsWhole_) {
    faintStarsWhole_ = true;
    if (faintStars_.Status == catalog::FaintStarCatalogue::State::Read) {
      catalog::FaintStarCatalogue later =
          catalog::LoadFaintStars(files_.Path(kFile).c_str(), {.Above = kFaintStarsFirstPart});
      TellDamage(kFile, later);
      faintStars_.Append(std::move(later));
    }
  }
}

void CDeepCatalogues::ReadNgcIc() {
  if (ngcIcRead_) return;
  ngcIcRead_ = true;
  ngcIc_ = catalog::LoadNgcIc(files_.Path("ngcic.bin").c_str());
  TellDamage("ngcic.bin", ngcIc_);
}

const catalog::FaintStarCatalogue& CDeepCatalogues::FaintStars() const { return faintStars_; }

const catalog::NgcIcCatalogue& CDeepCatalogues::NgcIc() const { return ngcIc_; }

void CDeepCatalogues::Use(catalog::FaintStarCatalogue stars, catalog::NgcIcCatalogue objects) {
  faintStars_ = std::move(stars);
  faintStarsRead_ = faintStarsWhole_ = true;
  ngcIc_ = std::move(objects);
  ngcIcRead_ = true;
  faintPlaces_ = {};
  ngcIcPlaces_ = {};
}

template <typename Catalogue, typename MotionOf>
astro::EquatorialCoord CDeepCatalogues::PlaceOf(const Catalogue& catalogue, MovedPlaces& places,
                                                int index, const CCatalogueMotion& motion,
                                                MotionOf motionOf) {
  const std::size_t n = catalogue.Records.size();
  // A catalogue's later part adds records after the ones already moved.
  if (places.Generation.size() != n) {
    places.Generation.resize(n, -1);
    places.RaDec.resize(2 * n, 0.0f);
  }
  float* at = &places.RaDec[2 * static_cast<std::size_t>(index)];
  if (places.Generation[index] != motion.Generation()) {
    const auto& record = catalogue.Records[index];
    const astro::EquatorialCoord moved =
        motion.Moved({record.RightAscension, record.Declination}, motionOf(record));
    at[0] = static_cast<float>(moved.RightAscension);
    at[1] = static_cast<float>(moved.Declination);
    places.Generation[index] = motion.Generation();
  }
  return {at[0], at[1]};
}

astro::EquatorialCoord CDeepCatalogues::FaintStarPlace(int index,
                                                       const CCatalogueMotion& motion) const {
  return PlaceOf(
      FaintStars(), faintPlaces_, index, motion, [](const catalog::FaintStarRecord& star) {
        return astro::StarMotion{star.ProperMotionRa, star.ProperMotionDec, star.Parallax};
      });
}

astro::EquatorialCoord CDeepCatalogues::NgcIcPlace(int index,
                                                   const CCatalogueMotion& motion) const {
  return PlaceOf(NgcIc(), ngcIcPlaces_, index, motion,
                 [](const catalog::NgcIcRecord&) { return astro::StarMotion{}; });
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

DeepSkyRecord AsDeepSkyRecord(const catalog::NgcIcRecord& object) {
  DeepSkyRecord record{};
  record.Number = object.Number;
  record.PositionAngle = object.PositionAngle;
  record.RightAscension = object.RightAscension;
  record.Declination = object.Declination;
  record.Magnitude = object.Magnitude;
  record.MajorAxis = object.MajorAxis;
  record.MinorAxis = object.MinorAxis;
  std::memcpy(record.Type, object.Type, sizeof record.Type);
  return record;
}

double NgcIcWalkLimit(double deepSkyLimit) {
  return deepSkyLimit >= DeepSkyLimitFromIndex(kDeepSkyLimitLast) ? catalog::kUnusableMagnitude
                                                                  : deepSkyLimit;
}

}  // namespace sky
