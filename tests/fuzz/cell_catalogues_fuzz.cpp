// faintstars.bin and ngcic.bin (the first byte chooses: even the faint
// stars, odd the NGC/IC objects): whatever the bytes, the reader keeps only
// usable records, sorted by cell and magnitude, and the index visits only
// records of the view's cells under the limit. The faint stars read in two
// parts are the same stars as read whole.
#include "catalog/cell_catalogues.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

template <typename Catalogue>
void Check(const Catalogue& c) {
  const catalog::LoadReport& r = c.Report;
  FUZZ_CHECK(r.Missing >= 0 && r.Unusable >= 0);
  FUZZ_CHECK((r.Missing == 0) == (r.FirstMissing < 0));
  FUZZ_CHECK((r.Unusable == 0) == (r.FirstUnusable < 0));
  FUZZ_CHECK((r.Unusable == 0) == (r.FirstFault == catalog::RecordFault::None));
  if (c.Status != Catalogue::State::Read) {
    FUZZ_CHECK(c.Records.empty());
    return;
  }
  // Each part: its cells' records in order, the parts one after the other.
  const auto checkPart = [&](const std::vector<std::uint32_t>& start, std::size_t end) {
    FUZZ_CHECK(start.size() == static_cast<std::size_t>(catalog::SkyCellCount()) + 1);
    FUZZ_CHECK(start.back() == end);
    for (int cell = 0; cell < catalog::SkyCellCount(); ++cell) {
      for (std::uint32_t i = start[cell]; i < start[cell + 1]; ++i) {
        FUZZ_CHECK(catalog::FaultOf(c.Records[i]) == catalog::RecordFault::None);
        FUZZ_CHECK(catalog::SkyCellOf(c.Records[i].RightAscension, c.Records[i].Declination) ==
                   cell);
        if (i > start[cell]) FUZZ_CHECK(c.Records[i - 1].Magnitude <= c.Records[i].Magnitude);
      }
    }
  };
  if (c.LaterCellStart.empty()) {
    checkPart(c.CellStart, c.Records.size());
  } else {
    checkPart(c.CellStart, c.LaterCellStart.front());
    checkPart(c.LaterCellStart, c.Records.size());
  }
  std::size_t visited = 0;
  c.ForEachInView({6, 0, 30}, 10, [&](const auto& record) {
    FUZZ_CHECK(record.Magnitude <= 10);
    ++visited;
  });
  FUZZ_CHECK(visited <= c.Records.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  MemoryFile file(data + 1, size - 1);
  if (data[0] % 2 == 0) {
    const catalog::FaintStarCatalogue whole = catalog::ReadFaintStars(file.get());
    Check(whole);
    MemoryFile first(data + 1, size - 1), rest(data + 1, size - 1);
    catalog::FaintStarCatalogue parts = catalog::ReadFaintStars(first.get(), {.To = 8});
    parts.Append(catalog::ReadFaintStars(rest.get(), {.Above = 8}));
    Check(parts);
    FUZZ_CHECK(parts.Records.size() == whole.Records.size());
  } else
    Check(catalog::ReadNgcIc(file.get()));
  return 0;
}
