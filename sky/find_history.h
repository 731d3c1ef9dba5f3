// The finds of the find box remembered across starts, newest first, as the
// drop-down offers them when the box is empty and the settings file keeps
// them (section "Find History", keys Find1 ... Find20).
#pragma once

#include <string>
#include <string_view>
#include <vector>

class CProfile;

namespace sky {

constexpr int kFindHistoryCount = 20;
// The longest find kept, in bytes.
constexpr std::size_t kFindHistoryTextLimit = 100;

// Whether `text` can be a find kept: at most kFindHistoryTextLimit bytes of
// valid UTF-8 without control characters, naming something (sky::FoldName
// leaves something of it).
bool IsFindHistoryText(std::string_view text);

// Puts `text` first, removing an earlier entry that is the same name
// (FoldName's equal) and the entries beyond the twentieth; a text that
// cannot be kept changes nothing.
void AddFindHistory(std::vector<std::string>& list, std::string_view text);

// The entries Find1 ... Find20 that can be kept, in order, each name once.
std::vector<std::string> LoadFindHistory(const CProfile& profile);
// Writes Find1 ... Find20; keys past the list's end that the file has are emptied.
void StoreFindHistory(const std::vector<std::string>& list, CProfile& profile);

}  // namespace sky
