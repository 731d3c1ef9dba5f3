#include "sky/follow.h"

#include <cstring>

#include "catalog/builtin_tables.h"
#include "res/strings.h"
#include "sky/deep_catalogues.h"
#include "sky/mount_target.h"
#include "sky/search.h"
#include "sky/sky_doc.h"

namespace sky {
namespace {

bool CentreCamera(CSkyDoc& doc, const astro::EquatorialCoord& place) {
  const std::optional<CameraAngles> camera = CameraOn(doc, place.RightAscension, place.Declination);
  if (!camera) return false;
  doc.Settings().XRotation = camera->XRotation;
  doc.Settings().YRotation = camera->YRotation;
  return true;
}

bool Centre(CSkyDoc& doc) { return CentreCamera(doc, PlaceOf(doc, *doc.Selected)); }

}  // namespace

bool StartFollowing(CSkyDoc& doc) {
  if (!doc.Selected || !Centre(doc)) return false;
  doc.Run.Following = kFollowingSelected;
  return true;
}

bool StartFollowingTelescope(CSkyDoc& doc) {
  const std::optional<astro::EquatorialCoord> place = TelescopePlace(doc);
  if (!place || !CentreCamera(doc, *place)) return false;
  doc.Run.Following = kFollowingTelescope;
  return true;
}

void KeepFollowing(CSkyDoc& doc) {
  if (doc.Run.Following == kFollowingTelescope) {
    // While the telescope is away, the view stays where it last was.
    if (const std::optional<astro::EquatorialCoord> place = TelescopePlace(doc))
      CentreCamera(doc, *place);
    return;
  }
  if (!doc.Run.Following) return;
  if (!doc.Selected) {
    doc.Run.Following = 0;
    return;
  }
  Centre(doc);
}

std::string FollowingText(const CSkyDoc& doc) {
  if (doc.Run.Following == kFollowingTelescope)
    return res::Format(res::IDS_FOLLOWING, doc.Telescope.Device);
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
    case SkyObjectRef::SmallBody:
      return SmallBodyName(doc.Catalogues.SmallBodies[i]);
    case SkyObjectRef::PlanetMoon:
      return std::string(res::String(res::IDS_MOON_NAME_FIRST + i));
  }
  return {};
}

}  // namespace sky
