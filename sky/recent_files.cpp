#include "sky/recent_files.h"

#include <algorithm>

#include "sky/profile.h"

namespace sky {
namespace {

constexpr const char* kSection = "Recent File List";
constexpr std::size_t kMenuLength = 30;

std::string KeyOf(int i) { return "File" + std::to_string(i + 1); }

// A menu shows "&&" as "&"; a single one would underline the next letter.
std::string Escaped(const std::string& s) {
  std::string out;
  for (const char c : s) {
    if (c == '&') out += '&';
    out += c;
  }
  return out;
}

// "/a/b/c/d/file" -> "/a/.../d/file" with as many folders at the end kept as fit.
std::string Abbreviated(const std::string& path) {
  if (path.size() <= kMenuLength) return path;
  const std::size_t lastSlash = path.rfind('/');
  if (lastSlash == std::string::npos || lastSlash == 0) return path;
  const std::string file = path.substr(lastSlash);          // "/file"
  const std::size_t firstSlash = path.find('/', 1);         // end of the first folder
  const std::string head = path.substr(0, firstSlash + 1);  // "/a/"
  if (firstSlash >= lastSlash) return path;
  // Keep whole folders before the file name while they fit.
  std::string tail = file;
  std::size_t end = lastSlash;
  while (end > firstSlash) {
    const std::size_t start = path.rfind('/', end - 1);
    if (start <= firstSlash) break;
    const std::string folder = path.substr(start, end - start);
    if (head.size() + 3 + folder.size() + tail.size() > kMenuLength) break;
    tail = folder + tail;
    end = start;
  }
  if (end == firstSlash) return path;  // nothing was left out
  return head + "..." + tail;
}

}  // namespace

void AddRecentFile(std::vector<std::string>& list, const std::string& path) {
  RemoveRecentFile(list, path);
  list.insert(list.begin(), path);
  if (list.size() > kRecentFileCount) list.resize(kRecentFileCount);
}

void RemoveRecentFile(std::vector<std::string>& list, const std::string& path) {
  list.erase(std::remove(list.begin(), list.end(), path), list.end());
}

std::vector<std::string> LoadRecentFiles(const CProfile& profile) {
  std::vector<std::string> list;
  for (int i = 0; i < kRecentFileCount; ++i) {
    std::string path = profile.GetString(kSection, KeyOf(i), "");
    if (!path.empty()) list.push_back(std::move(path));
  }
  return list;
}

void StoreRecentFiles(const std::vector<std::string>& list, CProfile& profile) {
  for (int i = 0; i < kRecentFileCount; ++i) {
    if (i < static_cast<int>(list.size()))
      profile.WriteString(kSection, KeyOf(i), list[i]);
    else if (profile.GetString(kSection, KeyOf(i), "\n") != "\n")  // a key that is there
      profile.WriteString(kSection, KeyOf(i), "");
  }
}

std::string RecentFileMenuText(int index, const std::string& path) {
  return "&" + std::to_string(index + 1) + " " + Escaped(Abbreviated(path));
}

}  // namespace sky
