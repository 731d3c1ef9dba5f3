#include "catalog/cell_catalogues.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string_view>
#include <utility>

#include "catalog/little_endian.h"
#include "catalog/regular_file.h"

namespace catalog {
namespace {

bool InRange(double v, double low, double high) { return v >= low && v <= high; }

RecordFault PlaceFault(float ra, float dec) {
  return InRange(ra, 0, 24) && InRange(dec, -90, 90) ? RecordFault::None : RecordFault::Coordinates;
}

bool MagnitudeUsable(float m) { return InRange(m, -30, 30) || m == kUnusableMagnitude; }

// The text fields end within their width: a card never reads past them.
template <std::size_t N>
void Terminate(char (&text)[N]) {
  text[N - 1] = '\0';
}

float F32(const std::uint8_t*& at) {
  const float v = LittleF32(at);
  at += 4;
  return v;
}
std::int32_t I32(const std::uint8_t*& at) {
  const std::int32_t v = LittleI32(at);
  at += 4;
  return v;
}
template <std::size_t N>
void Chars(const std::uint8_t*& at, char (&text)[N]) {
  std::memcpy(text, at, N);
  at += N;
}

// Where each record's magnitude lies, as Decode reads it.
constexpr std::size_t kFaintStarMagnitudeAt = 12;
constexpr std::size_t kNgcIcMagnitudeAt = 18;

void Decode(const std::uint8_t* at, FaintStarRecord& r) {
  r.Hip = I32(at);
  r.RightAscension = F32(at);
  r.Declination = F32(at);
  r.Magnitude = F32(at);
  r.ColourIndex = F32(at);
  r.ProperMotionRa = F32(at);
  r.ProperMotionDec = F32(at);
  r.Parallax = F32(at);
  Chars(at, r.SpectralType);
  Terminate(r.SpectralType);
}

void Decode(const std::uint8_t* at, NgcIcRecord& r) {
  r.Number = I32(at);
  r.Catalogue = static_cast<char>(*at++);
  Chars(at, r.Suffix);
  Terminate(r.Suffix);
  r.PositionAngle = static_cast<std::int16_t>(LittleU16(at));
  at += 2;
  r.RightAscension = F32(at);
  r.Declination = F32(at);
  r.Magnitude = F32(at);
  r.MajorAxis = F32(at);
  r.MinorAxis = F32(at);
  Chars(at, r.Name);
  Terminate(r.Name);
  Chars(at, r.Type);
  Terminate(r.Type);
}

// The whole records left in the file from here: a stream that cannot tell
// its length gives none.
std::uint32_t RecordsLeft(std::FILE* file, std::size_t bytes) {
  const long here = std::ftell(file);
  if (here < 0 || std::fseek(file, 0, SEEK_END) != 0) return 0;
  const long end = std::ftell(file);
  if (std::fseek(file, here, SEEK_SET) != 0 || end <= here) return 0;
  return static_cast<std::uint32_t>(
      std::min<unsigned long>((end - here) / bytes, kMaxCellFileRecords));
}

template <typename Record>
CellCatalogue<Record> ReadCellFile(std::FILE* file, const char (&magic)[8], std::size_t bytes,
                                   std::size_t magnitudeOffset, MagnitudeBand band) {
  CellCatalogue<Record> catalogue;
  catalogue.Status = CellCatalogue<Record>::State::Refused;
  std::uint8_t header[kCellFileHeaderBytes];
  if (std::fread(header, 1, sizeof header, file) != sizeof header) return catalogue;
  const std::uint32_t count = LittleU32(header + 12);
  if (std::memcmp(header, magic, 8) != 0 || LittleU32(header + 8) != kCellFileVersion ||
      count > kMaxCellFileRecords ||
      LittleU32(header + 16) != static_cast<std::uint32_t>(SkyCellCount()))
    return catalogue;
  catalogue.Status = CellCatalogue<Record>::State::Read;

  // Read in blocks: a header may promise more records than the file has.
  constexpr std::uint32_t kBlock = 4096;
  std::vector<std::uint8_t> block(kBlock * bytes);
  std::vector<Record>& records = catalogue.Records;
  std::vector<std::uint16_t> cells;  // of each record kept
  // A whole file's records take their room once, as many as the header
  // promises and the file holds, without the spare room of a growing vector.
  const bool whole = band.Above == -std::numeric_limits<double>::infinity() &&
                     band.To == std::numeric_limits<double>::infinity();
  if (whole) {
    const std::uint32_t expected = std::min(count, RecordsLeft(file, bytes));
    records.reserve(expected);
    cells.reserve(expected);
  }
  LoadReport& report = catalogue.Report;
  std::uint32_t index = 0;
  while (index < count) {
    const std::uint32_t want = std::min(kBlock, count - index);
    const auto got =
        static_cast<std::uint32_t>(std::fread(block.data(), 1, want * bytes, file) / bytes);
    for (std::uint32_t k = 0; k < got; ++k, ++index) {
      // A record of another band is not even decoded: the brighter part of
      // the faint stars is one in eighteen of the file.
      const float magnitude = LittleF32(block.data() + k * bytes + magnitudeOffset);
      if (magnitude <= band.Above || magnitude > band.To) continue;
      Record r;
      Decode(block.data() + k * bytes, r);
      if (const RecordFault fault = FaultOf(r); fault != RecordFault::None) {
        if (report.Unusable++ == 0) {
          report.FirstUnusable = static_cast<int>(index);
          report.FirstFault = fault;
        }
        continue;
      }
      records.push_back(r);
      cells.push_back(static_cast<std::uint16_t>(SkyCellOf(r.RightAscension, r.Declination)));
    }
    if (got < want) {
      report.Missing = static_cast<int>(count - index);
      report.FirstMissing = static_cast<int>(index);
      break;
    }
  }
  records.shrink_to_fit();
  cells.shrink_to_fit();
  // The generator's order needs no sorting; any other is sorted here.
  const auto before = [&](std::size_t a, std::size_t b) {
    return cells[a] != cells[b] ? cells[a] < cells[b] : records[a].Magnitude < records[b].Magnitude;
  };
  bool sorted = true;
  for (std::size_t i = 1; i < records.size() && sorted; ++i) sorted = !before(i, i - 1);
  if (!sorted) {
    std::vector<std::uint32_t> order(records.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<std::uint32_t>(i);
    std::stable_sort(order.begin(), order.end(), before);
    std::vector<Record> sortedRecords;
    sortedRecords.reserve(records.size());
    std::vector<std::uint16_t> sortedCells;
    sortedCells.reserve(cells.size());
    for (const std::uint32_t i : order) {
      sortedRecords.push_back(records[i]);
      sortedCells.push_back(cells[i]);
    }
    records = std::move(sortedRecords);
    cells = std::move(sortedCells);
  }
  catalogue.CellStart.assign(static_cast<std::size_t>(SkyCellCount()) + 1, 0);
  for (const std::uint16_t cell : cells) ++catalogue.CellStart[cell + 1u];
  for (std::size_t c = 1; c < catalogue.CellStart.size(); ++c)
    catalogue.CellStart[c] += catalogue.CellStart[c - 1];
  return catalogue;
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

template <typename Read>
auto LoadCellFile(const char* path, Read read) -> decltype(read(nullptr)) {
  const std::unique_ptr<std::FILE, FileCloser> file(OpenRegularFile(path, "rb"));
  if (!file) return {};
  return read(file.get());
}

}  // namespace

char SpectralClassOf(const FaintStarRecord& star) {
  const char letter = star.SpectralType[0];
  if (letter != 0 && std::string_view("OBAFGKM").find(letter) != std::string_view::npos)
    return letter;
  const float bv = star.ColourIndex;
  if (bv == kUnknownColourIndex) return 0;
  struct Band {
    float Below;
    char Class;
  };
  static constexpr Band kBands[] = {
      {0.0f, 'B'}, {0.3f, 'A'}, {0.58f, 'F'}, {0.81f, 'G'}, {1.40f, 'K'}};
  for (const Band& band : kBands)
    if (bv < band.Below) return band.Class;
  return 'M';
}

RecordFault FaultOf(const FaintStarRecord& r) {
  if (const RecordFault f = PlaceFault(r.RightAscension, r.Declination); f != RecordFault::None)
    return f;
  if (!MagnitudeUsable(r.Magnitude) || r.Magnitude == kUnusableMagnitude ||
      !(InRange(r.ColourIndex, -5, 10) || r.ColourIndex == kUnknownColourIndex))
    return RecordFault::Magnitude;
  if (!InRange(r.ProperMotionRa, -kMaxProperMotion, kMaxProperMotion) ||
      !InRange(r.ProperMotionDec, -kMaxProperMotion, kMaxProperMotion) ||
      !InRange(r.Parallax, 0, kMaxParallax))
    return RecordFault::Motion;
  return RecordFault::None;
}

RecordFault FaultOf(const NgcIcRecord& r) {
  if (const RecordFault f = PlaceFault(r.RightAscension, r.Declination); f != RecordFault::None)
    return f;
  if (!MagnitudeUsable(r.Magnitude)) return RecordFault::Magnitude;
  if (r.PositionAngle < -kMaxPositionAngle || r.PositionAngle > kMaxPositionAngle ||
      !InRange(r.MajorAxis, 0, kMaxAxis) || !InRange(r.MinorAxis, 0, kMaxAxis))
    return RecordFault::Shape;
  if ((r.Catalogue != 'N' && r.Catalogue != 'I') || r.Number <= 0) return RecordFault::Text;
  return RecordFault::None;
}

FaintStarCatalogue ReadFaintStars(std::FILE* file, MagnitudeBand band) {
  return ReadCellFile<FaintStarRecord>(file, kFaintStarMagic, kFaintStarBytes,
                                       kFaintStarMagnitudeAt, band);
}
NgcIcCatalogue ReadNgcIc(std::FILE* file) {
  return ReadCellFile<NgcIcRecord>(file, kNgcIcMagic, kNgcIcBytes, kNgcIcMagnitudeAt, {});
}
FaintStarCatalogue LoadFaintStars(const char* path, MagnitudeBand band) {
  return LoadCellFile(path, [band](std::FILE* file) { return ReadFaintStars(file, band); });
}
NgcIcCatalogue LoadNgcIc(const char* path) {
  return LoadCellFile(path, [](std::FILE* file) { return ReadNgcIc(file); });
}

}  // namespace catalog
