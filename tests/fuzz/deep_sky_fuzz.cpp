// deepsky.bin, the Messier and NGC objects: every record of any byte sequence is either usable by
// the layers or left out and reported.
#include "catalog/builtin_tables.h"
#include "catalog/loaders.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static DeepSkyRecord records[kDeepSkyCount];
  MemoryFile file(data, size);
  const catalog::LoadReport report = catalog::ReadDeepSky(file.get(), records);
  CheckReport(report, records, static_cast<long>(size / sizeof(DeepSkyRecord)));
  CheckEveryRecordUsable(records, report);
  for (const DeepSkyRecord& r : records) catalog::DeepSkyTypeOf(r.Type);
  return 0;
}
