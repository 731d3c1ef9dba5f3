#include "sky/profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    if (std::tolower(ca) != std::tolower(cb)) return false;
  }
  return true;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

// Writes all of `data` to `fd`, retrying after interruptions and partial writes.
bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The file a path names once its symbolic links are followed (a link to a
// file not there yet names the file to be made); empty on a loop.
std::string LinkTarget(const std::string& path) {
  namespace fs = std::filesystem;
  fs::path target(path);
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(target, ec))) return target.string();
    const fs::path link = fs::read_symlink(target, ec);
    if (ec) return {};
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  return {};
}

}  // namespace

void CProfile::Load(const std::string& path) {
  // Only a regular file is read: a pipe or a device would never end (and
  // the save refuses to replace them).
  struct stat st {};
  std::ostringstream text;
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
    std::ifstream in(path, std::ios::binary);
    if (in) text << in.rdbuf();
  }
  Parse(text.str());
}

void CProfile::Parse(std::string_view text) {
  preamble_.clear();
  sections_.clear();
  crlf_ = false;
  bool first = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    // The line ends as it ended: with or without a carriage return.
    const bool cr = !raw.empty() && raw.back() == '\r';
    if (cr) raw.remove_suffix(1);
    if (first) crlf_ = cr, first = false;

    const std::string_view trimmed = Trim(raw);
    if (trimmed.size() >= 2 && trimmed.front() == '[' &&
        trimmed.find(']') != std::string_view::npos) {
      const std::string_view name = Trim(trimmed.substr(1, trimmed.find(']') - 1));
      sections_.push_back(Section{std::string(name), Line{std::string(raw), {}, cr}, {}});
      continue;
    }
    Line line{std::string(raw), {}, cr};
    const std::size_t eq = trimmed.find('=');
    if (!trimmed.empty() && trimmed.front() != ';' && eq != std::string_view::npos)
      line.key = std::string(Trim(trimmed.substr(0, eq)));
    (sections_.empty() ? preamble_ : sections_.back().lines).push_back(std::move(line));
  }
}

const CProfile::Line* CProfile::Find(std::string_view section, std::string_view key) const {
  for (const Section& s : sections_) {
    if (!EqualNoCase(s.name, section)) continue;
    for (const Line& line : s.lines)
      if (!line.key.empty() && EqualNoCase(line.key, key)) return &line;
  }
  return nullptr;
}

std::string CProfile::GetString(std::string_view section, std::string_view key,
                                std::string_view def) const {
  const Line* line = Find(section, key);
  if (!line) return std::string(def);
  std::string_view value = Trim(std::string_view(line->text).substr(line->text.find('=') + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

int CProfile::GetInt(std::string_view section, std::string_view key, int def) const {
  if (!Find(section, key)) return def;
  const std::string value = GetString(section, key, "");
  std::size_t i = 0;
  bool negative = false;
  if (i < value.size() && (value[i] == '-' || value[i] == '+')) negative = value[i++] == '-';
  long long n = 0;
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
    n = n * 10 + (value[i] - '0');
    if (n > INT_MAX) n = INT_MAX;
  }
  return negative ? 0 : static_cast<int>(n);
}

CProfile::Section& CProfile::SectionFor(std::string_view section) {
  for (Section& s : sections_)
    if (EqualNoCase(s.name, section)) return s;
  sections_.push_back(
      Section{std::string(section), Line{"[" + std::string(section) + "]", {}, crlf_}, {}});
  return sections_.back();
}

void CProfile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  // A line holds no line break. A value that reading would change (blanks
  // around it, or a pair of quotes around it) is written in quotes, so that
  // it reads back as it is.
  std::string written(value);
  std::replace(written.begin(), written.end(), '\n', ' ');
  const bool quoted = written.size() >= 2 && (written.front() == '"' || written.front() == '\'') &&
                      written.back() == written.front();
  if (Trim(written).size() != written.size() || quoted) written = '"' + written + '"';
  WriteLine(section, key, written);
}

void CProfile::WriteNumber(std::string_view section, std::string_view key, std::string_view text) {
  WriteLine(section, key, text);
}

void CProfile::WriteLine(std::string_view section, std::string_view key, std::string_view value) {
  Section& s = SectionFor(section);
  std::string text = std::string(key) + "=" + std::string(value);
  for (Line& line : s.lines) {
    if (!line.key.empty() && EqualNoCase(line.key, key)) {
      line.text = std::move(text);
      return;
    }
  }
  // New keys go after the last key of the section, before any trailing blank lines.
  auto at = s.lines.end();
  while (at != s.lines.begin() && Trim((at - 1)->text).empty()) --at;
  s.lines.insert(at, Line{std::move(text), std::string(key), crlf_});
}

void CProfile::WriteInt(std::string_view section, std::string_view key, int value) {
  WriteNumber(section, key, std::to_string(value));
}

std::string CProfile::Text() const {
  std::string out;
  const auto add = [&out](const Line& line) {
    out += line.text;
    out += line.cr ? "\r\n" : "\n";
  };
  for (const Line& line : preamble_) add(line);
  for (const Section& s : sections_) {
    add(s.header);
    for (const Line& line : s.lines) add(line);
  }
  return out;
}

bool CProfile::Save(const std::string& path) const {
  namespace fs = std::filesystem;
  const std::string target = LinkTarget(path);
  if (target.empty()) return false;
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (replacing) {
    // Only a regular file is replaced (never a directory or a device); a
    // file without write permission stays as it is, even for root.
    if (!S_ISREG(old.st_mode)) return false;
    if ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return false;
  }
  const fs::path targetPath(target);
  std::error_code ec;
  if (targetPath.has_parent_path()) fs::create_directories(targetPath.parent_path(), ec);

  std::string temp = target + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  if (replacing) {
    // The new file keeps the old one's permissions (a private 0600 file
    // stays private) and, where the user may, its owner and group.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
      // Another user's file: it becomes ours, with its permissions.
    }
    ::fchmod(fd, old.st_mode & 07777);
  } else {
    // A new file gets the permissions any new file would.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }

  const bool written = WriteAll(fd, Text()) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  // The rename itself survives a crash once its directory is on disk.
  const std::string dir = targetPath.has_parent_path() ? targetPath.parent_path().string() : ".";
  const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return true;
}
