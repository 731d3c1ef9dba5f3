// MPCORB.DAT, CometEls.txt, either as the import tells them apart, and
// smallbodies.tab (the first byte chooses the reader): any bytes
// give either every body, each with elements the two-body solver turns into
// a finite place, or a refusal naming the file and a line, and no body.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "astro/orbit.h"
#include "catalog/mpc_elements.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int reader = data[0] % 4;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const catalog::ElementsImport read = reader == 0   ? catalog::ReadMpcOrb(text, "f")
                                       : reader == 1 ? catalog::ReadCometEls(text, "f")
                                       : reader == 2 ? catalog::ReadSmallBodyTable(text, "f")
                                                     : catalog::ReadOrbitFile(text, "f");
  if (!read.Error.empty()) {
    FUZZ_CHECK(read.Bodies.empty());
    FUZZ_CHECK(read.Error.rfind("f:", 0) == 0);
    return 0;
  }
  const long lines = static_cast<long>(std::count(text.begin(), text.end(), '\n')) + 1;
  FUZZ_CHECK(static_cast<long>(read.Bodies.size()) <= lines);
  for (const catalog::SmallBodyElements& body : read.Bodies) {
    FUZZ_CHECK(!body.Designation.empty());
    FUZZ_CHECK(reader >= 2 || body.Comet == (reader == 1));
    const astro::OrbitalElements& o = body.Orbit;
    FUZZ_CHECK(o.PerihelionDistance > 0 && o.Eccentricity >= 0);
    FUZZ_CHECK(std::isfinite(o.PerihelionTime) && std::isfinite(o.Epoch));
    const astro::StateVector s = astro::EclipticStateAt(o, o.Epoch + 100.0);
    for (double x : s.Position) FUZZ_CHECK(std::isfinite(x));
  }
  // What is kept of an import reads back as it was.
  const catalog::ElementsImport again =
      catalog::ReadSmallBodyTable(catalog::SmallBodyTableText(read.Bodies), "kept");
  FUZZ_CHECK(again.Error.empty() && again.Bodies.size() == read.Bodies.size());
  return 0;
}
