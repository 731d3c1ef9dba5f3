#include "sky/pick_walk.h"

#include <optional>

#include "catalog/records.h"
#include "res/strings.h"

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
std::optional<PickStep> CardOf(unsigned name) {
  if (name < static_cast<unsigned>(kStarCount))
    return PickStep{PickStep::StarCard, static_cast<int>(name)};
  // 10010 is a valid name, but Bodies has no entry for it.
  if (name >= kBodyFirst && name <= kBodyLast && name - kBodyFirst < 10)
    return PickStep{PickStep::BodyCard, static_cast<int>(name - kBodyFirst)};
  if (name >= kDeepSkyFirst && name - kDeepSkyFirst < static_cast<unsigned>(kDeepSkyCount))
    return PickStep{PickStep::DeepSkyCard, static_cast<int>(name - kDeepSkyFirst)};
  return std::nullopt;
}

}  // namespace

std::vector<PickStep> PickSteps(const std::vector<unsigned>& hitNames) {
  std::vector<PickStep> steps;
  const int n = static_cast<int>(hitNames.size());
  for (int k = n - 1; k >= 0; --k) {
    const unsigned name = hitNames[k];
    const bool nextIsNotice = k > 0 && IsNotice(hitNames[k - 1]);
    if (const std::optional<PickStep> card = CardOf(name)) {
      steps.push_back(*card);
      if (nextIsNotice) break;
    } else if (IsNotice(name)) {
      if (k == 0 || nextIsNotice) {
        steps.push_back({PickStep::Notice, NoticeStringOf(name)});
        break;
      }
    }
  }
  return steps;
}

}  // namespace sky
