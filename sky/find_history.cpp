#include "sky/find_history.h"

#include <algorithm>

#include "sky/find_match.h"
#include "sky/profile.h"

namespace sky {
namespace {

constexpr const char* kSection = "Find History";

std::string KeyOf(int i) { return "Find" + std::to_string(i + 1); }

// Whether `text` is well-formed UTF-8 (no overlong forms, no surrogates).
bool ValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const int length = c < 0x80             ? 1
                       : (c & 0xE0) == 0xC0 ? 2
                       : (c & 0xF0) == 0xE0 ? 3
                       : (c & 0xF8) == 0xF0 ? 4
                                            : 0;
    if (length == 0 || i + length > text.size()) return false;
    char32_t code = length == 1 ? c : c & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
      return false;
    i += length;
  }
  return true;
}

}  // namespace

bool IsFindHistoryText(std::string_view text) {
  if (text.size() > kFindHistoryTextLimit || !ValidUtf8(text)) return false;
  if (std::any_of(text.begin(), text.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
    return false;
  return !FoldName(text).empty();
}

void AddFindHistory(std::vector<std::string>& list, std::string_view text) {
  if (!IsFindHistoryText(text)) return;
  const std::string folded = FoldName(text);
  std::erase_if(list, [&](const std::string& entry) { return FoldName(entry) == folded; });
  list.insert(list.begin(), std::string(text));
  if (list.size() > kFindHistoryCount) list.resize(kFindHistoryCount);
}

std::vector<std::string> LoadFindHistory(const CProfile& profile) {
  std::vector<std::string> list;
  std::vector<std::string> folded;
  for (int i = 0; i < kFindHistoryCount; ++i) {
    std::string text = profile.GetString(kSection, KeyOf(i), "");
    if (!IsFindHistoryText(text)) continue;
    std::string name = FoldName(text);
    if (std::find(folded.begin(), folded.end(), name) != folded.end()) continue;
    folded.push_back(std::move(name));
    list.push_back(std::move(text));
  }
  return list;
}

void StoreFindHistory(const std::vector<std::string>& list, CProfile& profile) {
  for (int i = 0; i < kFindHistoryCount; ++i) {
    if (i < static_cast<int>(list.size()))
      profile.WriteString(kSection, KeyOf(i), list[i]);
    else if (profile.GetString(kSection, KeyOf(i), "\n") != "\n")  // a key that is there
      profile.WriteString(kSection, KeyOf(i), "");
  }
}

}  // namespace sky
