// snames.bin, the proper names of stars: every record of any byte sequence is either usable by the
// layers or left out and reported.
#include "catalog/loaders.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static StarNameRecord records[kStarNameCount];
  MemoryFile file(data, size);
  const catalog::LoadReport report = catalog::ReadStarNames(file.get(), records);
  CheckReport(report, records, static_cast<long>(size / sizeof(StarNameRecord)));
  CheckEveryRecordUsable(records, report);
  return 0;
}
