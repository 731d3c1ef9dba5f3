#include "sky/elements_import.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>

#include "catalog/places.h"
#include "res/strings.h"
#include "sky/small_bodies.h"

namespace sky {
namespace {

// A body's name as compared: upper case, without blanks.
std::string NameKey(const catalog::SmallBodyElements& body) {
  std::string key;
  for (const char c : SmallBodyName(body))
    if (!std::isspace(static_cast<unsigned char>(c)))
      key += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return key;
}

// Writes `text` to `path` through a temporary file renamed over it, so that
// the file is either the old one or the whole new one; errno on failure.
bool WriteWhole(const std::string& path, const std::string& text) {
  std::error_code ec;
  const std::filesystem::path target(path);
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  bool written = true;
  for (std::size_t done = 0; written && done < text.size();) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    written = n > 0;
    if (written) done += static_cast<std::size_t>(n);
  }
  written = written && ::fsync(fd) == 0;
  const int saved = errno;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
    const int why = written && closed ? errno : saved;
    ::unlink(temp.c_str());
    errno = why;
    return false;
  }
  return true;
}

}  // namespace

std::string KeptElementsPath(const std::string& settingsPath) {
  return (std::filesystem::path(settingsPath).parent_path() / kKeptElementsFile).string();
}

std::vector<catalog::SmallBodyElements> MergeSmallBodies(
    const std::vector<catalog::SmallBodyElements>& bundled,
    const std::vector<catalog::SmallBodyElements>& imported) {
  std::map<std::string, std::size_t> latest;  // the last imported body of each name
  for (std::size_t i = 0; i < imported.size(); ++i) latest[NameKey(imported[i])] = i;
  std::vector<catalog::SmallBodyElements> merged;
  merged.reserve(bundled.size() + imported.size());
  std::map<std::string, bool> placed;
  for (const catalog::SmallBodyElements& body : bundled) {
    const std::string key = NameKey(body);
    const auto newer = latest.find(key);
    if (newer == latest.end()) {
      merged.push_back(body);
    } else if (!placed[key]) {
      merged.push_back(imported[newer->second]);
      placed[key] = true;
    }
  }
  for (std::size_t i = 0; i < imported.size(); ++i) {
    const std::string key = NameKey(imported[i]);
    if (latest[key] != i || placed[key]) continue;
    merged.push_back(imported[i]);
    placed[key] = true;
  }
  return merged;
}

std::vector<catalog::SmallBodyElements> KeptElements(const std::string& keptPath,
                                                     std::string& error) {
  error.clear();
  const std::optional<std::string> text = catalog::ReadTextFile(keptPath.c_str());
  if (!text) return {};
  catalog::ElementsImport read = catalog::ReadSmallBodyTable(*text, kKeptElementsFile);
  error = read.Error;
  return std::move(read.Bodies);
}

ElementsImportResult ImportElementFiles(const std::vector<std::string>& paths,
                                        const std::string& keptPath) {
  ElementsImportResult result;
  std::vector<catalog::SmallBodyElements> read;
  for (const std::string& path : paths) {
    const std::string name = std::filesystem::path(path).filename().string();
    const std::optional<std::string> text = catalog::ReadTextFile(path.c_str());
    if (!text) {
      result.Error = res::Format(res::IDS_ELEMENTS_REFUSED,
                                 {res::Format(res::IDS_ELEMENTS_UNREADABLE, {name})});
      return result;
    }
    catalog::ElementsImport file = catalog::ReadOrbitFile(*text, name);
    if (file.Error.empty() && file.Bodies.empty())
      file.Error = res::Format(res::IDS_ELEMENTS_NONE, {name});
    if (!file.Error.empty()) {
      result.Error = res::Format(res::IDS_ELEMENTS_REFUSED, {file.Error});
      return result;
    }
    read.insert(read.end(), file.Bodies.begin(), file.Bodies.end());
  }
  // A damaged kept file is replaced: it holds nothing that can be used.
  std::string damaged;
  const std::vector<catalog::SmallBodyElements> kept =
      MergeSmallBodies(KeptElements(keptPath, damaged), read);
  if (!WriteWhole(keptPath, catalog::SmallBodyTableText(kept))) {
    result.Error = res::Format(res::IDS_ELEMENTS_NOT_KEPT, {keptPath, std::strerror(errno)});
    return result;
  }
  result.Read = static_cast<int>(read.size());
  return result;
}

}  // namespace sky
