// Where a telescope is sent: an object's apparent place of date (JNow) at
// the present instant, whatever instant the view shows, since the mount
// points now; worked out by the chain every card's place goes through.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "astro/transforms.h"
#include "sky/mount_report.h"
#include "sky/object_names.h"

class CSkyDoc;

namespace sky {

struct MountTarget {
  std::string Name;
  double RaDate = 0.0;   // hours [0, 24)
  double DecDate = 0.0;  // degrees
  double RaJ2000 = 0.0, DecJ2000 = 0.0;
  double AltitudeDeg = 0.0;  // apparent: in a standard atmosphere
};

// The target of `object` at the instant `utSeconds` (seconds since 1970
// UT) from the document's place. The document shows what it showed before.
MountTarget MountTargetOf(CSkyDoc& doc, SkyObjectRef object, std::int64_t utSeconds);

// The target of the fixed place (ra, dec) of the J2000 frame the sky is
// drawn in (the view's centre), named `name`, at the instant `utSeconds`.
MountTarget MountTargetOfPlace(CSkyDoc& doc, double ra, double dec, std::string name,
                               std::int64_t utSeconds);

// Why a mount is not sent to `target`: the refusal of an object below the
// horizon; empty when it may go.
std::string MountRefusal(const MountTarget& target);

// The observer's place as the document has it, for the mount.
MountSite SiteOf(const CSkyDoc& doc);

// The instant `utSeconds` as INDI's TIME_UTC wants it: "YYYY-MM-DDTHH:MM:SS".
std::string MountUtcText(std::int64_t utSeconds);

// Where the connected telescope points, as a place of the J2000 frame the
// sky is drawn in (hours, degrees); none without a connected telescope
// that has reported its place.
std::optional<astro::EquatorialCoord> TelescopePlace(const CSkyDoc& doc);

// The status bar's words for the telescope: "Slewing to Vega", "Tracking
// Vega", parking, parked or connected; `targetName` is what it was last
// sent to (empty when nothing). Empty without a connected telescope.
std::string MountStatusText(const MountReport& report, const std::string& targetName);

}  // namespace sky
