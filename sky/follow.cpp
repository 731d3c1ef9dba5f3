#include "sky/follow.h"

#include <cstring>

#include "catalog/builtin_tables.h"
#include "res/strings.h"
#include "sky/deep_catalogues.h"
#include "sky/search.h"
#include "sky/sky_doc.h"

namespace sky {
namespace {

bool Centre(CSkyDoc& doc) {
  const astro::EquatorialCoord place = PlaceOf(doc, *doc.Selected);
  const std::optional<CameraAngles> camera = CameraOn(doc, place.RightAscension, place.Declination);
  if (!camera) return false;
  doc.Settings().XRotation = camera->XRotation;
  doc.Settings().YRotation = camera->YRotation;
  return true;
}

}  // namespace

bool StartFollowing(CSkyDoc& doc) {
  if (!doc.Selected || !Centre(doc)) return false;
  doc.Run.Following = 1;
  return true;
}

void KeepFollowing(CSkyDoc& doc) {
  if (!doc.Run.Following) return;
  if (!doc.Selected) {
    doc.Run.Following = 0;
    return;
  }
  Centre(doc);
}

std::string FollowingText(const CSkyDoc& doc) {
  if (!doc.Run.Following || !doc.Selected) return {};
  return res::Format(res::IDS_FOLLOWING, ShortNameOf(doc, *doc.Selected));
}

std::string ShortNameOf(const CSkyDoc& doc, SkyObjectRef object) {
  const int i = object.Index;
  switch (object.What) {
    case SkyObjectRef::Star: {
      const StarRecord& star = doc.Sky.Stars[i];
      for (const StarNameRecord& name : doc.Sky.ProperNames)
        if (name.HR == star.HR) return std::string(name.Name, strnlen(name.Name, sizeof name.Name));
      return "HR " + std::to_string(star.HR);
    }
    case SkyObjectRef::Body:
      return std::string(res::String(res::IDS_BODY_NAME_FIRST + i));
    case SkyObjectRef::DeepSky:
      return (catalog::IsMessierIndex(i) ? "M " : "NGC ") +
             std::to_string(doc.Sky.DeepSkyObjects[i].Number);
    case SkyObjectRef::Constellation:
      return std::string(catalog::kConstellationCentres[i].Name);
    case SkyObjectRef::FaintStar:
      return FaintStarDesignation(doc.Catalogues.DeepCatalogues.FaintStars().Records[i]);
    case SkyObjectRef::NgcIc:
      return NgcIcDesignation(doc.Catalogues.DeepCatalogues.NgcIc().Records[i]);
    case SkyObjectRef::PlanetMoon:
      return std::string(res::String(res::IDS_MOON_NAME_FIRST + i));
  }
  return {};
}

}  // namespace sky
