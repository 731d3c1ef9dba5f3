// magellan.bin, the outlines of the Magellanic Clouds: every record of any byte sequence is either
// usable by the layers or left out and reported.
#include "catalog/loaders.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static SkyPoint records[kMagellanicPointCount];
  MemoryFile file(data, size);
  const catalog::LoadReport report = catalog::ReadMagellanicClouds(file.get(), records);
  CheckReport(report, records, static_cast<long>(size / sizeof(SkyPoint)));
  CheckEveryRecordUsable(records, report);
  return 0;
}
