// cnames.bin, the constellation labels: every record of any byte sequence is either usable by the
// layers or left out and reported.
#include "catalog/loaders.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ConstellationNameRecord records[kConstellationNameCount];
  MemoryFile file(data, size);
  const catalog::LoadReport report = catalog::ReadConstellationNames(file.get(), records);
  CheckReport(report, records, static_cast<long>(size / sizeof(ConstellationNameRecord)));
  CheckEveryRecordUsable(records, report);
  return 0;
}
