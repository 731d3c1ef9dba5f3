// location.dat, the places of the location dialog, as text: every record of any byte sequence is
// either usable by the layers or left out and reported.
#include "catalog/loaders.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static LocationRecord records[kLocationCount];
  MemoryFile file(data, size);
  const catalog::LoadReport report = catalog::ReadLocations(file.get(), records);
  CheckReport(report, records, -1);
  CheckEveryRecordUsable(records, report);
  for (const LocationRecord& r : records) {
    // The name is a terminated text of at most 48 characters.
    std::size_t length = 0;
    while (length < sizeof r.Name && r.Name[length] != '\0') ++length;
    FUZZ_CHECK(length < sizeof r.Name);
  }
  return 0;
}
