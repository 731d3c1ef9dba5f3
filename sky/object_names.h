// Objects of the sky by the names a user types on the command line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "astro/transforms.h"

class CSkyDoc;

// Which table an object comes from, and its index there.
enum class SkyObjectKind {
  StarName,       // CSkyDoc::ProperNames (placed where the star search places it)
  Star,           // CSkyDoc::Stars
  Constellation,  // catalog::kConstellationCentres
  DeepSky,        // CSkyDoc::DeepSkyObjects (Messier below 110, NGC from 110)
  Body,           // CSkyDoc::Bodies (0 Moon, 1 Sun, 2 Mercury ... 9 Pluto)
};

struct SkyObjectRef {
  SkyObjectKind Kind;
  int Index;
  bool operator==(const SkyObjectRef&) const = default;
};

// The object called `name`, compared without regard to case and to blanks
// around it or repeated inside it: a star's proper name ("Sirius"), a
// constellation ("Ursa Major"), "M n" (Messier n, 1 to 110), "NGC n", "HR n"
// (a star of the bright-star catalogue), "Sun", "Moon" or a planet. The blank
// after M, NGC and HR may be left out, and n may have leading zeros. None when
// no object has that name.
std::optional<SkyObjectRef> FindObjectByName(const CSkyDoc& doc, std::string_view name);

// Its J2000 place, hours and degrees: the place the search commands centre
// (the proper-name record's own for a proper name; the body's at the
// document's time).
astro::EquatorialCoord PlaceOf(const CSkyDoc& doc, SkyObjectRef object);

// What the user is told when no object has the name.
std::string UnknownObjectText(std::string_view name);
