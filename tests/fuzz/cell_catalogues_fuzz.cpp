// faintstars.bin and ngcic.bin (the first byte chooses: even the faint
// stars, odd the NGC/IC objects): whatever the bytes, the reader keeps only
// usable records, sorted by cell and magnitude, and the index visits only
// records of the view's cells under the limit.
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
  FUZZ_CHECK(c.CellStart.size() == static_cast<std::size_t>(catalog::SkyCellCount()) + 1);
  FUZZ_CHECK(c.CellStart.back() == c.Records.size());
  for (int cell = 0; cell < catalog::SkyCellCount(); ++cell) {
    for (std::uint32_t i = c.CellStart[cell]; i < c.CellStart[cell + 1]; ++i) {
      FUZZ_CHECK(catalog::FaultOf(c.Records[i]) == catalog::RecordFault::None);
      FUZZ_CHECK(catalog::SkyCellOf(c.Records[i].RightAscension, c.Records[i].Declination) == cell);
      if (i > c.CellStart[cell]) FUZZ_CHECK(c.Records[i - 1].Magnitude <= c.Records[i].Magnitude);
    }
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
  if (data[0] % 2 == 0)
    Check(catalog::ReadFaintStars(file.get()));
  else
    Check(catalog::ReadNgcIc(file.get()));
  return 0;
}
