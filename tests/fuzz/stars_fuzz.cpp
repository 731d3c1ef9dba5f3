// bsc5.bin, the star catalogue, and bsc5motion.bin, its stars' motions: every record of any
// byte sequence is either usable or left out and reported.
#include "catalog/designation.h"
#include "catalog/loaders.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static StarRecord records[kStarCount];
  static StarMotionRecord motions[kStarCount];
  {
    MemoryFile file(data, size);
    const catalog::LoadReport report = catalog::ReadStarMotions(file.get(), motions);
    CheckReport(report, motions, static_cast<long>(size / sizeof(StarMotionRecord)));
    CheckEveryRecordUsable(motions, report);
  }
  MemoryFile file(data, size);
  const catalog::LoadReport report = catalog::ReadStars(file.get(), records);
  CheckReport(report, records, static_cast<long>(size / sizeof(StarRecord)));
  CheckEveryRecordUsable(records, report);
  // The information card splits the designation of every star read.
  const std::size_t read = std::min<std::size_t>(size / sizeof(StarRecord), kStarCount);
  for (std::size_t i = 0; i < read; ++i) {
    const catalog::Designation d = catalog::DecodeDesignation(records[i].Designation);
    FUZZ_CHECK(d.Flamsteed.size() <= 3 && d.Constellation.size() <= 3);
  }
  return 0;
}
