// cnstline.bin and constell.bin, the constellation figures and boundaries
// (one reader, two files): the first byte chooses the file. Every vertex is
// usable; one left out repeats the vertex before it.
#include "catalog/loaders.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool boundaries = data[0] & 1;
  MemoryFile file(data + 1, size - 1);
  const long present = static_cast<long>((size - 1) / sizeof(ConstellationLineRecord));
  if (boundaries) {
    static BoundaryRecord points[kBoundaryCount];
    const catalog::LoadReport report = catalog::ReadBoundaries(file.get(), points);
    CheckReport(report, points, present);
    CheckEveryRecordUsable(points, report);
  } else {
    static ConstellationLineRecord lines[kConstellationLineCount];
    const catalog::LoadReport report = catalog::ReadConstellationLines(file.get(), lines);
    CheckReport(report, lines, present);
    CheckEveryRecordUsable(lines, report);
  }
  return 0;
}
