#include "sky/mount_target.h"

#include <cstdio>
#include <functional>
#include <memory>

#include "astro/clock.h"
#include "astro/longitude.h"
#include "astro/precession.h"
#include "astro/refraction.h"
#include "res/strings.h"
#include "sky/card_facts.h"
#include "sky/follow.h"
#include "sky/sky_doc.h"

namespace sky {
namespace {

PlaceFacts FactsOf(const CSkyDoc& doc, SkyObjectRef object) {
  switch (object.What) {
    case SkyObjectRef::Star:
      return StarFactsOf(doc, object.Index).Place;
    case SkyObjectRef::Body:
      return BodyFactsOf(doc, object.Index).Place;
    case SkyObjectRef::DeepSky:
      return DeepSkyFactsOf(doc, object.Index).Place;
    case SkyObjectRef::FaintStar:
      return FaintStarFactsOf(doc, object.Index).Place;
    case SkyObjectRef::NgcIc:
      return NgcIcFactsOf(doc, object.Index).Place;
    case SkyObjectRef::SmallBody:
      return SmallBodyFactsOf(doc, object.Index).Place;
    case SkyObjectRef::PlanetMoon:
      return MoonFactsOf(doc, object.Index).Place;
    case SkyObjectRef::Constellation:
      break;
  }
  const astro::EquatorialCoord centre = PlaceOf(doc, object);
  const astro::EquatorialCoord ofDate =
      doc.Sky.AstroState.ToDate(centre.RightAscension, centre.Declination);
  const astro::HorizontalCoord h =
      doc.Sky.AstroState.HorizonOf(centre.RightAscension, centre.Declination);
  return {centre.RightAscension,
          centre.Declination,
          ofDate.RightAscension,
          ofDate.Declination,
          h.Altitude,
          0.0,
          astro::ApparentAltitude(h.Altitude),
          0.0};
}

// Runs `place` on the document's sky at the instant `utSeconds`, then
// gives the document back the sky it showed.
MountTarget AtInstant(CSkyDoc& doc, std::int64_t utSeconds, std::string name,
                      const std::function<PlaceFacts()>& place) {
  const auto shown = std::make_unique<SkyInstant>(doc.Sky);
  doc.SetInstant(utSeconds);
  doc.UpdateSky();
  const PlaceFacts facts = place();
  doc.Sky = *shown;
  return {std::move(name), facts.RaDate,   facts.DecDate,
          facts.RaJ2000,   facts.DecJ2000, facts.ApparentAltitudeDeg};
}

}  // namespace

MountTarget MountTargetOf(CSkyDoc& doc, SkyObjectRef object, std::int64_t utSeconds) {
  return AtInstant(doc, utSeconds, ShortNameOf(doc, object), [&] { return FactsOf(doc, object); });
}

MountTarget MountTargetOfPlace(CSkyDoc& doc, double ra, double dec, std::string name,
                               std::int64_t utSeconds) {
  return AtInstant(doc, utSeconds, std::move(name), [&] {
    const astro::EquatorialCoord ofDate = doc.Sky.AstroState.ToDate(ra, dec);
    const astro::HorizontalCoord h = doc.Sky.AstroState.HorizonOf(ra, dec);
    return PlaceFacts{ra,
                      dec,
                      ofDate.RightAscension,
                      ofDate.Declination,
                      h.Altitude,
                      0.0,
                      astro::ApparentAltitude(h.Altitude),
                      0.0};
  });
}

std::string MountRefusal(const MountTarget& target) {
  if (target.AltitudeDeg >= 0) return {};
  std::string text(res::String(res::IDS_OBJECT_UNDER_HORIZON));
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

MountSite SiteOf(const CSkyDoc& doc) {
  const astro::AstroState& state = doc.Sky.AstroState;
  return {state.Latitude, astro::EastPositive(state.Longitude), 0.0};
}

std::string MountUtcText(std::int64_t utSeconds) {
  const astro::CivilTime t = astro::CivilOfSeconds(utSeconds);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.Year, t.Month, t.Day, t.Hour,
                t.Minute, t.Second);
  return text;
}

std::optional<astro::EquatorialCoord> TelescopePlace(const CSkyDoc& doc) {
  if (!doc.Telescope.DeviceConnected || !doc.Telescope.Pointing) return std::nullopt;
  return astro::PrecessToJ2000(doc.Sky.AstroState.Precession, doc.Telescope.Pointing->RaDate,
                               doc.Telescope.Pointing->DecDate);
}

std::string MountStatusText(const MountReport& report, const std::string& targetName) {
  if (!report.DeviceConnected) return {};
  const std::string& target = targetName.empty() ? report.Device : targetName;
  switch (report.Motion) {
    case MountMotion::Slewing:
      return res::Format(res::IDS_MOUNT_SLEWING, target);
    case MountMotion::Tracking:
      return res::Format(res::IDS_MOUNT_TRACKING, target);
    case MountMotion::Parking:
      return res::Format(res::IDS_MOUNT_PARKING, report.Device);
    case MountMotion::Parked:
      return res::Format(res::IDS_MOUNT_PARKED, report.Device);
    case MountMotion::Idle:
      break;
  }
  return res::Format(res::IDS_MOUNT_CONNECTED, report.Device);
}

}  // namespace sky
