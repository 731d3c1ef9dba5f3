// What a right click shows: the hits of a selection pass decoded into the
// cards and the notice to open, in order.
#pragma once

#include <optional>
#include <vector>

#include "sky/object_names.h"

class CSkyDoc;

namespace sky {

// The selection names of the faint stars and of the NGC and IC objects:
// the first plus the record's index in its file.
inline constexpr unsigned kFaintStarNameFirst = 1'000'000;
inline constexpr unsigned kNgcIcNameFirst = 2'000'000;
// ... and of the comets and minor planets, by their index in the catalogue.
inline constexpr unsigned kSmallBodyNameFirst = 3'000'000;
// ... and of the planets' moons, by their index in doc.Sky.Moons (sky/moon_places.h).
inline constexpr unsigned kPlanetMoonNameFirst = 4'000'000;

struct PickStep {
  enum Kind {
    StarCard,
    BodyCard,
    DeepSkyCard,
    FaintStarCard,
    NgcIcCard,
    SmallBodyCard,
    PlanetMoonCard,
    Notice
  };
  Kind What;
  // Index into Stars, Bodies, DeepSkyObjects, or the Records of
  // DeepCatalogues.FaintStars() or NgcIc(), Catalogues.SmallBodies or
  // Sky.Moons; for a notice, its string id.
  int Index;

  bool operator==(const PickStep&) const = default;
};

// The card of `object`, as a pick opens it; nothing for a constellation or
// a planet's moon, which have no card.
std::optional<PickStep> CardStepOf(SkyObjectRef object);

// One hit of a selection pass: its name, and how far the pointer lies from
// the middle of the object's drawn mark (device pixels; 0 for a line).
struct PickHit {
  unsigned Name;
  double Distance = 0;

  bool operator==(const PickHit&) const = default;
};

// How near the middle of a deep-sky object's symbol a click counts as a
// click on its middle, in device pixels.
inline constexpr double kSymbolMiddle = 3;

// How many records the faint-star and the NGC/IC files and the comets and
// minor planets hold: the name of a record past them opens no card.
struct PickBounds {
  int FaintStars = 0;
  int NgcIc = 0;
  int SmallBodies = 0;
};

// The hits are in the order their layers were drawn. Every star, body,
// planet's moon or deep-sky object under the pointer gets one card (a faint
// star counts as a star, an NGC or IC object as a deep-sky object): first the deep-sky
// objects whose symbol's middle was clicked (before the stars drawn there,
// such as the Trapezium in M42), then the nearest, and of equally near ones
// the topmost. A line or Magellanic Cloud gets its
// notice only when no object is under the pointer: the topmost notice name
// that has nothing but notice names below it, at most one.
std::vector<PickStep> PickSteps(const std::vector<PickHit>& hits, const PickBounds& bounds);

// The same for the document's catalogues; a faint-star or NGC/IC file is
// read (sky/deep_catalogues.h) only when a hit's name lies in its range.
std::vector<PickStep> PickSteps(const std::vector<PickHit>& hits, const CSkyDoc& doc);

}  // namespace sky
