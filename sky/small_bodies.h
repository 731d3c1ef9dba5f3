// The comets and minor planets of the sky shown: where each is at the
// instant and how bright, from the elements the catalogues hold
// (catalog/mpc_elements.h) through astro/small_body.h.
#pragma once

#include <string>
#include <vector>

#include "astro/astro_state.h"
#include "catalog/mpc_elements.h"

namespace sky {

// One body at the instant. Place is filled as the planets' rows are
// (astro::PlanetState: the aberrated place in the J2000 frame the sky is
// drawn in, the astrometric place, r and Delta in AU).
struct SmallBodyState {
  int Index = 0;  // into the catalogue of elements
  astro::PlanetState Place;
  double Magnitude = 0.0;   // visual; NaN when the elements give none
  double PhaseAngle = 0.0;  // Sun-body-observer, degrees
  // The J2000 direction (hours, degrees) of the end of the tail, seen from
  // here: TailLength AU from the body straight away from the Sun
  // (astro::CometTailLength, at least a thousandth of an AU).
  double TailRa = 0.0, TailDec = 0.0;
  double TailLength = 0.0;
};

// The full place and magnitude of `body` at the instant and place of
// `state` (light time, aberration, parallax: astro::SmallBodyPlaceAt; the
// magnitude by the phase law of a minor planet or the comets' law).
SmallBodyState SmallBodyStateOf(const astro::AstroState& state,
                                const catalog::SmallBodyElements& body);

// The bodies of `bodies` that may shine at `magnitudeLimit` or brighter at
// the instant of `state`, into `shown` (its storage kept between instants).
// A body whose orbit keeps it fainter (at perihelion, nearest the Earth,
// fully lit) is passed over; the others' magnitudes are estimated from the
// geometric place, which the light time moves by far less than
// kMagnitudeMargin, and only those the estimate keeps get the full place.
void MoveSmallBodies(const astro::AstroState& state,
                     const std::vector<catalog::SmallBodyElements>& bodies, double magnitudeLimit,
                     std::vector<SmallBodyState>& shown);
inline constexpr double kMagnitudeMargin = 0.1;

// A body's name as the cards, labels and searches write it: the readable
// designation without a minor planet's number in brackets ("(1) Ceres"
// -> "Ceres", "1 Ceres" -> "Ceres"); comets keep theirs ("1P/Halley",
// "C/1995 O1 (Hale-Bopp)").
std::string SmallBodyName(const catalog::SmallBodyElements& body);

// Every name a user may find `body` by: its name, its designation as given
// when it differs, and for a comet its designation without the name in
// brackets and that name ("C/1995 O1", "Hale-Bopp"), or a numbered periodic
// comet's name ("Halley" of "1P/Halley").
std::vector<std::string> SmallBodyNamesOf(const catalog::SmallBodyElements& body);

}  // namespace sky
