// caldwell.tab and constellation_names.tab, the find box's other names: any
// text gives only entries in their ranges, and pairing the rows with the
// constellations never names a row that is not there.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "catalog/find_names.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const catalog::CaldwellEntry& entry : catalog::ReadCaldwell(text))
    if (entry.Number < 1 || entry.Number > 109 || entry.Designation.empty()) std::abort();
  const std::vector<catalog::ConstellationNames> rows = catalog::ReadConstellationNames(text);
  for (const catalog::ConstellationNames& row : rows)
    if (row.Name.empty() || row.Abbreviation.empty() || row.Genitive.empty() ||
        !(row.RightAscension >= 0.0 && row.RightAscension < 24.0) ||
        !(std::fabs(row.Declination) <= 90.0))
      std::abort();
  for (const int row : catalog::PairConstellations(rows))
    if (row < -1 || row >= static_cast<int>(rows.size())) std::abort();
  return 0;
}
