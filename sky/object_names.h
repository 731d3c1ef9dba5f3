// Finds a sky object by the name a user types: the one lookup behind the
// command line's --info and --centre.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "astro/transforms.h"

class CSkyDoc;

namespace sky {

struct SkyObjectRef {
  enum Kind { Star, Body, DeepSky, Constellation, FaintStar, NgcIc, SmallBody, PlanetMoon };
  Kind What;
  // Into the sky's Stars, Bodies (0 Moon, 1 Sun, 2 Mercury ... 9 Pluto),
  // DeepSkyObjects (Messier below 110, NGC from 110),
  // catalog::kConstellationCentres, or the Records of
  // DeepCatalogues.FaintStars() or NgcIc(), Catalogues.SmallBodies, or the
  // sky's Moons (0 Io ... 18 Deimos, sky/moon_places.h).
  int Index;

  bool operator==(const SkyObjectRef&) const = default;
};

// The object called `name`, compared without regard to case and to the
// blanks around and inside it: a star's proper name ("Sirius"), its Bayer or
// Flamsteed designation as its card writes it ("Alpha Ori", "Alpha1 Cen",
// "58 Ori"; the Greek letter also abbreviated: "alp Ori"), "HR 2491",
// "M 42" or "M42" (Messier 1 to 110), "NGC 7000", "IC 434" (also with a
// component's letters: "IC 715NW"), "HIP 87937", a Tycho star's coordinate
// name ("J053512.3-052312"), "Sun", "Moon", a planet's name, a constellation
// ("Ursa Major"), a planet's moon ("Io", "Titan"), a comet or minor planet (sky::SmallBodyNamesOf: "Ceres",
// "1P/Halley", "C/1995 O1", "Hale-Bopp") or a deep-sky object's common
// name ("Orion Nebula", "Horsehead Nebula"); numbers may have leading zeros. Nothing when no object
// has that name. An NGC number is looked for in deepsky.bin first. The
// faint-star and NGC/IC files are read when the name asks for them.
std::optional<SkyObjectRef> FindObjectByName(CSkyDoc& doc, std::string_view name);

// Its J2000 place, hours and degrees: the place the search commands centre
// (a named star's proper-name record's, a body's at the document's time,
// a comet's or minor planet's computed at that time whatever its brightness).
astro::EquatorialCoord PlaceOf(const CSkyDoc& doc, SkyObjectRef object);

// What the user is told when no object has the name.
std::string UnknownObjectText(std::string_view name);

}  // namespace sky
