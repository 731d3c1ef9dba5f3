#include "catalog/designation.h"

#include <cctype>
#include <string_view>

#include "catalog/builtin_tables.h"

namespace catalog {
namespace {

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return s;
}

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\0')) s.remove_suffix(1);
  return s;
}

std::string SpellGreek(std::string_view abbreviation) {
  for (const GreekLetter& letter : kGreekLetters)
    if (letter.Abbreviation == abbreviation) return std::string(letter.Name);
  return std::string(abbreviation);
}

}  // namespace

Designation DecodeDesignation(const char (&designation)[11]) {
  // Work on the 10 text columns only; a record whose terminator is missing
  // is still read no further than its own field.
  char columns[10];
  for (int i = 0; i < 10; ++i) columns[i] = designation[i] == '\0' ? ' ' : designation[i];
  const std::string_view text(columns, 10);

  Designation d;
  d.Flamsteed = std::string(TrimLeft(TrimRight(text.substr(0, 3))));
  const std::string_view bayer = TrimRight(text.substr(3, 3));
  if (!bayer.empty()) {
    d.Bayer = SpellGreek(bayer);
    if (std::isdigit(static_cast<unsigned char>(text[6]))) d.Bayer += text[6];
  }
  d.Constellation = std::string(TrimRight(text.substr(7, 3)));
  return d;
}

}  // namespace catalog
