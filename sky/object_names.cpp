#include "sky/object_names.h"

#include <cctype>
#include <charconv>
#include <cstring>

#include "catalog/builtin_tables.h"
#include "res/strings.h"
#include "sky/sky_doc.h"

namespace {

// Lower case, no blanks at either end, one blank between words.
std::string Normalised(std::string_view text) {
  std::string out;
  bool blank = false;
  for (char c : text) {
    if (std::isspace(static_cast<unsigned char>(c))) {
      blank = !out.empty();
      continue;
    }
    if (blank) out += ' ';
    blank = false;
    out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

// The number n of "<prefix>n" or "<prefix> n" (prefix in lower case); none
// when the text is not that.
std::optional<int> NumberAfter(std::string_view normalised, std::string_view prefix) {
  if (normalised.substr(0, prefix.size()) != prefix) return std::nullopt;
  std::string_view digits = normalised.substr(prefix.size());
  if (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
  if (digits.empty() || !std::isdigit(static_cast<unsigned char>(digits.front())))
    return std::nullopt;
  int n = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return n;
}

// A fixed-size name field of a catalogue record, up to its NUL.
template <std::size_t N>
std::string_view Field(const char (&field)[N]) {
  return std::string_view(field, strnlen(field, N));
}

}  // namespace

std::optional<SkyObjectRef> FindObjectByName(const CSkyDoc& doc, std::string_view name) {
  const std::string wanted = Normalised(name);
  if (wanted.empty()) return std::nullopt;
  for (int i = 0; i < kStarNameCount; ++i)
    if (Normalised(Field(doc.ProperNames[i].Name)) == wanted)
      return SkyObjectRef{SkyObjectKind::StarName, i};
  for (int i = 0; i < catalog::kConstellationCentreCount; ++i)
    if (Normalised(catalog::kConstellationCentres[i].Name) == wanted)
      return SkyObjectRef{SkyObjectKind::Constellation, i};
  for (int i = 0; i < astro::kBodyCount; ++i)
    if (Normalised(res::String(res::IDS_BODY_NAME_FIRST + i)) == wanted)
      return SkyObjectRef{SkyObjectKind::Body, i};
  if (const std::optional<int> n = NumberAfter(wanted, "ngc")) {
    for (int i = kMessierCount; i < kDeepSkyCount; ++i)
      if (doc.DeepSkyObjects[i].Number == *n) return SkyObjectRef{SkyObjectKind::DeepSky, i};
  } else if (const std::optional<int> m = NumberAfter(wanted, "m")) {
    // The Messier search takes 1 to 110 only.
    if (*m >= 1 && *m <= 110)
      for (int i = 0; i < kMessierCount; ++i)
        if (doc.DeepSkyObjects[i].Number == *m) return SkyObjectRef{SkyObjectKind::DeepSky, i};
  } else if (const std::optional<int> hr = NumberAfter(wanted, "hr")) {
    for (int i = 0; i < kStarCount; ++i)
      if (doc.Stars[i].HR == *hr) return SkyObjectRef{SkyObjectKind::Star, i};
  }
  return std::nullopt;
}

astro::EquatorialCoord PlaceOf(const CSkyDoc& doc, SkyObjectRef object) {
  const int i = object.Index;
  switch (object.Kind) {
    case SkyObjectKind::StarName:
      return {doc.ProperNames[i].RightAscension, doc.ProperNames[i].Declination};
    case SkyObjectKind::Star:
      return {doc.Stars[i].RightAscension, doc.Stars[i].Declination};
    case SkyObjectKind::Constellation:
      return {catalog::kConstellationCentres[i].RightAscension,
              catalog::kConstellationCentres[i].Declination};
    case SkyObjectKind::DeepSky:
      return {doc.DeepSkyObjects[i].RightAscension, doc.DeepSkyObjects[i].Declination};
    case SkyObjectKind::Body:
      return {doc.Bodies[i].RightAscension, doc.Bodies[i].Declination};
  }
  return {0.0, 0.0};
}

std::string UnknownObjectText(std::string_view name) {
  return "No object is called \"" + std::string(name) +
         "\". Give a star's proper name, a constellation, M n, NGC n, HR n, the Sun, the Moon or "
         "a planet.";
}
