// eclip.dat, the ecliptic as text: every record of any byte sequence is either usable by the layers
// or left out and reported.
#include "catalog/loaders.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static SkyPoint records[kEclipticPointCount];
  MemoryFile file(data, size);
  const catalog::LoadReport report = catalog::ReadEcliptic(file.get(), records);
  CheckReport(report, records, -1);
  CheckEveryRecordUsable(records, report);
  return 0;
}
