#include "sky/pick_walk.h"

#include <algorithm>
#include <optional>

#include "catalog/records.h"
#include "res/strings.h"
#include "sky/moon_places.h"
#include "sky/sky_doc.h"

namespace sky {
namespace {

constexpr unsigned kBodyFirst = 10000, kBodyLast = 10010;
constexpr unsigned kNoticeFirst = 10101, kNoticeLast = 10107;
constexpr unsigned kDeepSkyFirst = 20000;

bool IsNotice(unsigned name) { return name >= kNoticeFirst && name <= kNoticeLast; }

int NoticeStringOf(unsigned name) {
  switch (name) {
    case 10101:
      return res::IDS_NOTICE_CONSTELLATION_LINE;
    case 10102:
      return res::IDS_NOTICE_BOUNDARY;
    case 10103:
      return res::IDS_NOTICE_RA_GRID;
    case 10104:
      return res::IDS_NOTICE_DEC_GRID;
    case 10105:
      return res::IDS_NOTICE_ECLIPTIC;
    case 10106:
      return res::IDS_NOTICE_LMC;
    default:
      return res::IDS_NOTICE_SMC;
  }
}

// The card of an object name; nothing for any other name.
std::optional<PickStep> CardOf(unsigned name, const PickBounds& bounds) {
  if (name < static_cast<unsigned>(kStarCount))
    return PickStep{PickStep::StarCard, static_cast<int>(name)};
  // 10010 is a valid name, but Bodies has no entry for it.
  if (name >= kBodyFirst && name <= kBodyLast && name - kBodyFirst < 10)
    return PickStep{PickStep::BodyCard, static_cast<int>(name - kBodyFirst)};
  if (name >= kDeepSkyFirst && name - kDeepSkyFirst < static_cast<unsigned>(kDeepSkyCount))
    return PickStep{PickStep::DeepSkyCard, static_cast<int>(name - kDeepSkyFirst)};
  if (name >= kFaintStarNameFirst && name < kNgcIcNameFirst &&
      name - kFaintStarNameFirst < static_cast<unsigned>(std::max(bounds.FaintStars, 0)))
    return PickStep{PickStep::FaintStarCard, static_cast<int>(name - kFaintStarNameFirst)};
  if (name >= kPlanetMoonNameFirst &&
      name - kPlanetMoonNameFirst < static_cast<unsigned>(kMoonCount))
    return PickStep{PickStep::PlanetMoonCard, static_cast<int>(name - kPlanetMoonNameFirst)};
  if (name >= kSmallBodyNameFirst && name < kPlanetMoonNameFirst &&
      name - kSmallBodyNameFirst < static_cast<unsigned>(std::max(bounds.SmallBodies, 0)))
    return PickStep{PickStep::SmallBodyCard, static_cast<int>(name - kSmallBodyNameFirst)};
  if (name >= kNgcIcNameFirst && name < kSmallBodyNameFirst &&
      name - kNgcIcNameFirst < static_cast<unsigned>(std::max(bounds.NgcIc, 0)))
    return PickStep{PickStep::NgcIcCard, static_cast<int>(name - kNgcIcNameFirst)};
  return std::nullopt;
}

}  // namespace

std::vector<PickStep> PickSteps(const std::vector<PickHit>& hits, const PickBounds& bounds) {
  struct Found {
    PickStep Step;
    double Distance;
    int Layer;  // the hit's place in drawing order
  };
  std::vector<Found> found;
  const int n = static_cast<int>(hits.size());
  for (int k = 0; k < n; ++k) {
    const std::optional<PickStep> card = CardOf(hits[k].Name, bounds);
    if (!card) continue;
    const auto same =
        std::find_if(found.begin(), found.end(), [&](const Found& f) { return f.Step == *card; });
    if (same == found.end())
      found.push_back({*card, hits[k].Distance, k});
    else
      *same = {*card, std::min(same->Distance, hits[k].Distance), k};
  }
  const auto middleClicked = [](const Found& f) {
    return (f.Step.What == PickStep::DeepSkyCard || f.Step.What == PickStep::NgcIcCard) &&
           f.Distance <= kSymbolMiddle;
  };
  std::stable_sort(found.begin(), found.end(), [&](const Found& a, const Found& b) {
    if (middleClicked(a) != middleClicked(b)) return middleClicked(a);
    return a.Distance != b.Distance ? a.Distance < b.Distance : a.Layer > b.Layer;
  });
  std::vector<PickStep> steps;
  for (const Found& f : found) steps.push_back(f.Step);
  if (!steps.empty()) return steps;

  for (int k = n - 1; k >= 0; --k) {
    const unsigned name = hits[k].Name;
    if (IsNotice(name) && (k == 0 || IsNotice(hits[k - 1].Name)))
      return {{PickStep::Notice, NoticeStringOf(name)}};
  }
  return {};
}

std::optional<PickStep> CardStepOf(SkyObjectRef object) {
  switch (object.What) {
    case SkyObjectRef::Star:
      return PickStep{PickStep::StarCard, object.Index};
    case SkyObjectRef::Body:
      return PickStep{PickStep::BodyCard, object.Index};
    case SkyObjectRef::DeepSky:
      return PickStep{PickStep::DeepSkyCard, object.Index};
    case SkyObjectRef::FaintStar:
      return PickStep{PickStep::FaintStarCard, object.Index};
    case SkyObjectRef::NgcIc:
      return PickStep{PickStep::NgcIcCard, object.Index};
    case SkyObjectRef::SmallBody:
      return PickStep{PickStep::SmallBodyCard, object.Index};
    case SkyObjectRef::Constellation:
    case SkyObjectRef::PlanetMoon:
      break;
  }
  return std::nullopt;
}

std::vector<PickStep> PickSteps(const std::vector<PickHit>& hits, const CSkyDoc& doc) {
  PickBounds bounds;
  bounds.SmallBodies = static_cast<int>(doc.Catalogues.SmallBodies.size());
  for (const PickHit& hit : hits) {
    if (hit.Name >= kFaintStarNameFirst && hit.Name < kNgcIcNameFirst)
      bounds.FaintStars =
          static_cast<int>(doc.Catalogues.DeepCatalogues.FaintStars().Records.size());
    else if (hit.Name >= kNgcIcNameFirst && hit.Name < kSmallBodyNameFirst)
      bounds.NgcIc = static_cast<int>(doc.Catalogues.DeepCatalogues.NgcIc().Records.size());
  }
  return PickSteps(hits, bounds);
}

}  // namespace sky
