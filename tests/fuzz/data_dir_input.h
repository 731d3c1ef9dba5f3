// The input of the data-directory fuzz target: the settings text followed by
// the nine catalogue files in their load order, separated by kSeparator;
// missing parts are empty files. A "[Fuzz] DateTime=YYYY-MM-DDTHH:MM:SS"
// key of the settings sets the document time (as --datetime does).
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "astro/datetime_parse.h"
#include "sky/profile.h"
#include "sky/sky_doc.h"

inline constexpr std::string_view kDataDirSeparator = "@@next-file@@";

// The settings text, then one part per entry of kCatalogueFiles.
inline std::vector<std::string_view> SplitDataDirInput(std::string_view input) {
  std::vector<std::string_view> parts;
  for (std::size_t i = 0; i <= std::size(kCatalogueFiles); ++i) {
    const std::size_t end = input.find(kDataDirSeparator);
    parts.push_back(input.substr(0, end));
    input.remove_prefix(end == std::string_view::npos ? input.size()
                                                      : end + kDataDirSeparator.size());
  }
  return parts;
}

inline astro::CivilTime DataDirTime(const CProfile& settings) {
  const std::optional<astro::DateTimeArgument> time =
      astro::ParseDateTime(settings.GetString("Fuzz", "DateTime", "2026-12-08T22:00:00"));
  return time ? time->Time : astro::CivilTime{2026, 12, 8, 22, 0, 0};
}
