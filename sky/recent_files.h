// The list of the pictures opened last, most recent first, as the File menu
// shows it and the settings file keeps it (section "Recent File List", keys
// File1 ... File4).
#pragma once

#include <string>
#include <vector>

class CProfile;

namespace sky {

constexpr int kRecentFileCount = 4;

// Puts `path` first, removing an earlier entry of the same path and the
// entries beyond the fourth.
void AddRecentFile(std::vector<std::string>& list, const std::string& path);
// Removes `path` from the list.
void RemoveRecentFile(std::vector<std::string>& list, const std::string& path);

// The entries File1 ... File4 that are not empty, in order.
std::vector<std::string> LoadRecentFiles(const CProfile& profile);
// Writes File1 ... File4; keys past the list's end that the file has are emptied.
void StoreRecentFiles(const std::vector<std::string>& list, CProfile& profile);

// The menu text of entry `index` (0 first): "&1 " and the path as it is,
// shortened to 30 characters by leaving out folders in the middle
// ("/home/.../Images/M42.jpg"); the file name itself is never shortened.
// An "&" of the path is doubled so that it shows.
std::string RecentFileMenuText(int index, const std::string& path);

}  // namespace sky
