// An INI settings file with the rules of a private profile: sections and keys
// are matched without regard to case, a missing file, section or key yields
// the caller's default, keys are updated where they stand and new ones are
// appended to their section. Lines the program does not know (other sections,
// unknown keys, comments) are kept as they are.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class CProfile {
 public:
  // Reads the file; a missing or unreadable file, or one that is not a
  // regular file (a pipe, a device, a directory), gives an empty profile.
  void Load(const std::string& path);
  // Parses INI text (the file's contents).
  void Parse(std::string_view text);

  // The value with blanks around it removed (and one pair of enclosing quotes), or `def`.
  std::string GetString(std::string_view section, std::string_view key, std::string_view def) const;
  // Leading blanks, an optional sign, then decimal digits; no digits give 0, a
  // negative value gives 0, values beyond the int range are clamped. A missing key gives `def`.
  int GetInt(std::string_view section, std::string_view key, int def) const;

  // Writes `value` so that GetString reads it back as it is (in quotes when
  // it has blanks around it or quotes around it); a line break becomes a blank.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Writes the text of a number as it is (leading blanks of a padded
  // number read back as the same number).
  void WriteNumber(std::string_view section, std::string_view key, std::string_view text);
  void WriteInt(std::string_view section, std::string_view key, int value);

  // The INI text of the profile.
  std::string Text() const;
  // Writes the profile to `path` through a temporary file in the same
  // directory that replaces the old file only once it is completely written,
  // so a failed save (full disk, read-only directory) leaves the old file as
  // it was. A symbolic link is written through to the file it names; the
  // file replaced keeps its permissions. A file without write permission, a
  // directory or anything else that is not a regular file is left alone and
  // nothing is written. Creates the directory when it is missing. Returns
  // false on failure.
  bool Save(const std::string& path) const;

 private:
  struct Line {
    std::string text;  // the line as read or written, without its line break
    std::string key;   // empty for comments, blank lines and section headers
    bool cr = false;   // the line break is a carriage return and a line feed
  };
  struct Section {
    std::string name;
    Line header;  // the line "[name]" as read
    std::vector<Line> lines;
  };

  const Line* Find(std::string_view section, std::string_view key) const;
  // Sets `key`'s line of `section` to key=value, adding it when missing.
  void WriteLine(std::string_view section, std::string_view key, std::string_view value);
  Section& SectionFor(std::string_view section);

  std::vector<Line> preamble_;  // lines before the first section
  std::vector<Section> sections_;
  bool crlf_ = false;  // the file's first line ends with a carriage return: new lines do too
};
