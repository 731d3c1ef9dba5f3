#include "sky/small_bodies.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

#include "astro/orbit.h"
#include "astro/small_body.h"

namespace sky {
namespace {

double Length(const double (&v)[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

double MagnitudeOf(const catalog::SmallBodyElements& body, double r, double delta, double phase) {
  return body.Comet ? astro::CometMagnitude(body.Magnitude, body.Slope, r, delta)
                    : astro::MinorPlanetMagnitude(body.Magnitude, body.Slope, r, delta, phase);
}

// The magnitude from the geometric place at the instant, without light time.
double EstimatedMagnitude(const astro::AstroState& state, const catalog::SmallBodyElements& body) {
  const astro::StateVector s = astro::EquatorialStateAt(body.Orbit, state.TerrestrialDay);
  double seen[3];
  for (int i = 0; i < 3; ++i)
    seen[i] = s.Position[i] - state.Earth.Heliocentric[i] - state.Observer[i];
  const double r = Length(s.Position), delta = Length(seen);
  double dot = 0.0;
  for (int i = 0; i < 3; ++i) dot += s.Position[i] * seen[i];
  const double phase =
      std::acos(std::fmax(-1.0, std::fmin(1.0, dot / (r * delta)))) * astro::kRadToDeg;
  return MagnitudeOf(body, r, delta, phase);
}

// The brightest `body` can ever be seen from the Earth: at perihelion (the
// magnitudes grow with r beyond the Earth's orbit), at its least distance
// from the Earth's farthest point from the Sun plus the observer's offset,
// at phase angle 0 (a phase law with G in [0, 1] only dims). Minus infinity
// when its orbit comes near the Earth's, where Delta has no lower bound.
double BrightestMagnitude(const catalog::SmallBodyElements& body) {
  constexpr double kEarthAphelion = 1.0168;
  constexpr double kNearest = 0.01;  // AU
  const double q = body.Orbit.PerihelionDistance;
  const double delta = q - kEarthAphelion;
  const double kMinusInfinity = -std::numeric_limits<double>::infinity();
  if (delta < kNearest) return kMinusInfinity;
  if (body.Comet)
    return body.Slope >= 0 ? astro::CometMagnitude(body.Magnitude, body.Slope, q, delta)
                           : kMinusInfinity;
  return body.Slope >= 0 && body.Slope <= 1 ? body.Magnitude + 5.0 * std::log10(q * delta)
                                            : kMinusInfinity;
}

bool IsDigits(std::string_view s) {
  if (s.empty()) return false;
  for (const char c : s)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

// "1995 AB12", "2040 P-L", "1971 UA1 T-1": a provisional designation, not a name.
bool IsProvisional(std::string_view s) {
  const std::size_t blank = s.find(' ');
  if (blank != 4 || !IsDigits(s.substr(0, 4))) return false;
  const std::string_view rest = s.substr(5);
  if (rest == "P-L" || rest.starts_with("T-")) return true;
  return rest.size() >= 2 && std::isupper(static_cast<unsigned char>(rest[0])) &&
         std::isupper(static_cast<unsigned char>(rest[1])) &&
         (rest.size() == 2 || IsDigits(rest.substr(2)));
}

}  // namespace

SmallBodyState SmallBodyStateOf(const astro::AstroState& state,
                                const catalog::SmallBodyElements& body) {
  const astro::SmallBodyPlace p = astro::SmallBodyPlaceAt(
      body.Orbit, state.TerrestrialDay, state.Earth, state.Observer, state.Precession);
  SmallBodyState s;
  s.Place.RightAscension = p.Aberrated.RightAscension;
  s.Place.Declination = p.Aberrated.Declination;
  s.Place.RaJ2000 = p.Astrometric.RightAscension;
  s.Place.DecJ2000 = p.Astrometric.Declination;
  s.Place.HelioDistance = p.HelioDistance;
  s.Place.GeoDistance = p.GeoDistance;
  s.PhaseAngle = p.PhaseAngle;
  s.Magnitude = MagnitudeOf(body, p.HelioDistance, p.GeoDistance, p.PhaseAngle);
  // The tail from where the body was when the light left it; a comet
  // without a magnitude law, or a minor planet, keeps a short one for its direction.
  const astro::StateVector at = astro::EquatorialStateAt(
      body.Orbit, state.TerrestrialDay - p.GeoDistance * astro::kLightDaysPerAu);
  const double r = Length(at.Position);
  constexpr double kShortestTail = 0.001;  // AU
  s.TailLength = std::fmax(body.Comet ? astro::CometTailLength(body.Magnitude, body.Slope, r) : 0.0,
                           kShortestTail);
  double tail[3];
  for (int i = 0; i < 3; ++i)
    tail[i] =
        at.Position[i] * (1.0 + s.TailLength / r) - state.Earth.Heliocentric[i] - state.Observer[i];
  const astro::EquatorialCoord t = astro::DirectionOf(tail);
  s.TailRa = t.RightAscension;
  s.TailDec = t.Declination;
  return s;
}

void MoveSmallBodies(const astro::AstroState& state,
                     const std::vector<catalog::SmallBodyElements>& bodies, double magnitudeLimit,
                     std::vector<SmallBodyState>& shown) {
  shown.clear();
  for (std::size_t i = 0; i < bodies.size(); ++i) {
    // A NaN bound or estimate (no magnitude given) keeps the body out.
    if (!(BrightestMagnitude(bodies[i]) <= magnitudeLimit + kMagnitudeMargin)) continue;
    if (!(EstimatedMagnitude(state, bodies[i]) <= magnitudeLimit + kMagnitudeMargin)) continue;
    SmallBodyState s = SmallBodyStateOf(state, bodies[i]);
    if (!(s.Magnitude <= magnitudeLimit)) continue;
    s.Index = static_cast<int>(i);
    shown.push_back(s);
  }
}

std::string SmallBodyName(const catalog::SmallBodyElements& body) {
  std::string_view d = body.Designation;
  if (body.Comet) return std::string(d);
  // "(1) Ceres" or the bundled table's "1 Ceres".
  std::size_t blank = d.find(' ');
  if (blank == std::string_view::npos) return std::string(d);
  std::string_view number = d.substr(0, blank);
  if (number.size() > 2 && number.front() == '(' && number.back() == ')')
    number = number.substr(1, number.size() - 2);
  else if (IsProvisional(d))
    return std::string(d);
  if (!IsDigits(number)) return std::string(d);
  return std::string(d.substr(blank + 1));
}

std::vector<std::string> SmallBodyNamesOf(const catalog::SmallBodyElements& body) {
  std::vector<std::string> names{SmallBodyName(body)};
  const auto add = [&names](std::string_view name) {
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
      names.emplace_back(name);
  };
  const std::string_view d = body.Designation;
  add(d);
  if (!body.Comet) return names;
  const std::size_t open = d.find(" (");
  if (open != std::string_view::npos && d.back() == ')') {
    add(d.substr(0, open));
    add(d.substr(open + 2, d.size() - open - 3));
  } else if (const std::size_t slash = d.find('/');
             slash != std::string_view::npos && slash > 1 && IsDigits(d.substr(0, slash - 1))) {
    add(d.substr(slash + 1));
  }
  return names;
}

}  // namespace sky
