#include "sky/profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

}  // namespace

void CProfile::Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  Parse(text.str());
}

void CProfile::Parse(std::string_view text) {
  preamble_.clear();
  sections_.clear();
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

    const std::string_view trimmed = Trim(raw);
    if (trimmed.size() >= 2 && trimmed.front() == '[' &&
        trimmed.find(']') != std::string_view::npos) {
      const std::string_view name = Trim(trimmed.substr(1, trimmed.find(']') - 1));
      sections_.push_back(Section{std::string(name), {}});
      continue;
    }
    Line line{std::string(raw), {}};
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
  sections_.push_back(Section{std::string(section), {}});
  return sections_.back();
}

void CProfile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
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
  s.lines.insert(at, Line{std::move(text), std::string(key)});
}

void CProfile::WriteInt(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

std::string CProfile::Text() const {
  std::string out;
  for (const Line& line : preamble_) out += line.text + "\n";
  for (const Section& s : sections_) {
    out += "[" + s.name + "]\n";
    for (const Line& line : s.lines) out += line.text + "\n";
  }
  return out;
}

bool CProfile::Save(const std::string& path) const {
  namespace fs = std::filesystem;
  const fs::path target(path);
  std::error_code ec;
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);

  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  // Keep the permissions a new file would get.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);

  const bool written = WriteAll(fd, Text()) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}
