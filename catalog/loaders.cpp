#include "catalog/loaders.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/little_endian.h"
#include "catalog/regular_file.h"

namespace catalog {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool InRange(double v, double low, double high) { return v >= low && v <= high; }

RecordFault PlaceFault(double ra, double dec) {
  return InRange(ra, 0, 24) && InRange(dec, -90, 90) ? RecordFault::None : RecordFault::Coordinates;
}

// A magnitude that can be compared with the limits; the blank records'
// kUnusableMagnitude is one (it is fainter than all of them).
bool MagnitudeUsable(float m) { return InRange(m, -30, 30) || m == kUnusableMagnitude; }

bool OffsetUsable(std::int32_t offset) {
  return offset >= -kMaxLabelOffset && offset <= kMaxLabelOffset;
}

void Note(LoadReport& report, int index, RecordFault fault) {
  if (fault == RecordFault::Missing) {
    if (report.Missing++ == 0) report.FirstMissing = index;
  } else if (report.Unusable++ == 0) {
    report.FirstUnusable = index;
    report.FirstFault = fault;
  }
}

// Records never drawn: no name, no type, too faint for every limit.
void Blank(StarRecord& r) { r = StarRecord{}, r.Magnitude = kUnusableMagnitude; }
void Blank(StarMotionRecord& r) { r = StarMotionRecord{}; }
void Blank(StarNameRecord& r) { r = StarNameRecord{}, r.Magnitude = kUnusableMagnitude; }
void Blank(DeepSkyRecord& r) { r = DeepSkyRecord{}, r.Magnitude = kUnusableMagnitude; }
void Blank(ConstellationNameRecord& r) { r = ConstellationNameRecord{}; }
void Blank(LocationRecord& r) { r = LocationRecord{}; }

// Copies records[first] over records[first + 1, count), one copy per
// doubling: standing in for the thousands of stars a short file lacks
// costs no more than reading them would.
template <typename Record>
void CopyFirstOnwards(Record* records, int first, int count) {
  for (int done = 1; first + done < count;) {
    const int n = std::min(done, count - first - done);
    std::memcpy(records + first + done, records + first, sizeof(Record) * n);
    done += n;
  }
}

// Blank records stand in for the unusable ones and for the ones missing
// from `present` on.
template <typename Record>
void LeaveOut(Record* records, int count, const bool* usable, int present) {
  for (int i = 0; i < present; ++i)
    if (!usable[i]) Blank(records[i]);
  if (present < count) {
    Blank(records[present]);
    CopyFirstOnwards(records, present, count);
  }
}

// A vertex that cannot be used repeats the nearest usable vertex before it
// (after it for the first ones), so the line or outline goes on without it;
// the missing ones repeat the last and end no polyline of a figure file.
template <typename Vertex>
void LeaveOutVertices(Vertex* vertices, int count, const bool* usable, int present) {
  int from = 0;  // the usable vertex the ones left out repeat
  while (from < present && !usable[from]) ++from;
  for (int i = 0; i < present; ++i) {
    if (usable[i]) {
      from = i;
    } else {
      vertices[i].RightAscension = from < present ? vertices[from].RightAscension : 0;
      vertices[i].Declination = from < present ? vertices[from].Declination : 0;
    }
  }
  if (present < count) {
    Vertex stand{};
    if (from < present) {
      stand.RightAscension = vertices[from].RightAscension;
      stand.Declination = vertices[from].Declination;
    }
    vertices[present] = stand;
    CopyFirstOnwards(vertices, present, count);
  }
}

// The records as the files store them: fields one after the other without
// padding, numbers little-endian (Bytes: the record's size in the file).
class FieldReader {
 public:
  explicit FieldReader(const std::uint8_t* bytes) : at_(bytes) {}
  std::int32_t I32() { return LittleI32(Skip(4)); }
  float F32() { return LittleF32(Skip(4)); }
  double F64() { return LittleF64(Skip(8)); }
  template <std::size_t N>
  void Chars(char (&text)[N]) {
    std::memcpy(text, Skip(N), N);
  }

 private:
  // The next `size` bytes.
  const std::uint8_t* Skip(std::size_t size) {
    const std::uint8_t* field = at_;
    at_ += size;
    return field;
  }
  const std::uint8_t* at_;
};

constexpr std::size_t Bytes(const StarRecord*) { return 28; }
void Decode(FieldReader f, StarRecord& r) {
  char spectral[1];
  f.Chars(spectral);
  r.SpectralClass = spectral[0];
  f.Chars(r.Designation);
  r.HR = f.I32();
  r.RightAscension = f.F32();
  r.Declination = f.F32();
  r.Magnitude = f.F32();
}

constexpr std::size_t Bytes(const StarMotionRecord*) { return 16; }
void Decode(FieldReader f, StarMotionRecord& r) {
  r.HR = f.I32();
  r.ProperMotionRa = f.F32();
  r.ProperMotionDec = f.F32();
  r.Parallax = f.F32();
}

constexpr std::size_t Bytes(const StarNameRecord*) { return 40; }
void Decode(FieldReader f, StarNameRecord& r) {
  r.HR = f.I32();
  r.RightAscension = f.F32();
  r.Declination = f.F32();
  r.LabelOffset = f.I32();
  r.Magnitude = f.F32();
  f.Chars(r.Name);
}

constexpr std::size_t Bytes(const ConstellationLineRecord*) { return 12; }
void Decode(FieldReader f, ConstellationLineRecord& r) {
  r.RightAscension = f.F32();
  r.Declination = f.F32();
  r.EndMark = f.I32();
}

constexpr std::size_t Bytes(const DeepSkyRecord*) { return 64; }
void Decode(FieldReader f, DeepSkyRecord& r) {
  r.Number = f.I32();
  r.PositionAngle = f.I32();
  r.LabelOffsetX = f.I32();
  r.LabelOffsetY = f.I32();
  r.RightAscension = f.F32();
  r.Declination = f.F32();
  r.Magnitude = f.F32();
  r.MajorAxis = f.F32();
  r.MinorAxis = f.F32();
  f.Chars(r.Name);
  f.Chars(r.Type);
}

constexpr std::size_t Bytes(const ConstellationNameRecord*) { return 40; }
void Decode(FieldReader f, ConstellationNameRecord& r) {
  r.RightAscension = f.F64();
  r.Declination = f.F64();
  f.Chars(r.Name);
}

constexpr std::size_t Bytes(const SkyPoint*) { return 8; }
void Decode(FieldReader f, SkyPoint& r) {
  r.RightAscension = f.F32();
  r.Declination = f.F32();
}

// Reads at most `Count` records of one fixed size, checks each and stands
// in for the ones left out. The records missing from a short file are
// reported as one run.
template <typename Record, int Count, typename LeaveOutFn>
LoadReport ReadRecords(std::FILE* file, Record (&records)[Count], LeaveOutFn leaveOut) {
  LoadReport report;
  constexpr std::size_t kBytes = Bytes(static_cast<const Record*>(nullptr));
  std::vector<std::uint8_t> bytes(kBytes * Count);
  const int present = static_cast<int>(std::fread(bytes.data(), 1, bytes.size(), file) / kBytes);
  for (int i = 0; i < present; ++i) Decode(FieldReader(bytes.data() + i * kBytes), records[i]);
  bool usable[Count];
  for (int i = 0; i < present; ++i) {
    const RecordFault fault = FaultOf(records[i]);
    usable[i] = fault == RecordFault::None;
    if (!usable[i]) Note(report, i, fault);
  }
  if (present < Count) {
    report.Missing = Count - present;
    report.FirstMissing = present;
  }
  leaveOut(records, Count, usable, present);
  return report;
}

template <typename Record, int Count>
LoadReport ReadBlankingRecords(std::FILE* file, Record (&records)[Count]) {
  return ReadRecords(file, records, LeaveOut<Record>);
}

template <typename Record, int Count>
LoadReport ReadVertexRecords(std::FILE* file, Record (&records)[Count]) {
  return ReadRecords(file, records, LeaveOutVertices<Record>);
}

template <typename Reader, typename Array>
bool LoadFile(const char* path, const char* mode, Array& records, LoadReport* report, Reader read) {
  File file(OpenRegularFile(path, mode));
  if (!file) return false;
  const LoadReport r = read(file.get(), records);
  if (report) *report = r;
  return true;
}

// A number of a text file: the whole token, an optional sign, in the C
// locale; false for anything else, and for values out of the type's range.
template <typename T>
bool ParseNumber(std::string_view token, T& value) {
  if (!token.empty() && token.front() == '+') {
    token.remove_prefix(1);
    if (!token.empty() && token.front() == '-') return false;
  }
  if (token.empty()) return false;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  return error == std::errc() && end == token.data() + token.size();
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The next blank-separated token of a stream, at most `kMaxToken` characters
// of it (a longer one is read to its end and comes back empty, so that it
// cannot read as a number); false at the end of the stream.
constexpr std::size_t kMaxToken = 64;
bool NextToken(std::FILE* file, std::string& token) {
  token.clear();
  int c;
  while ((c = std::fgetc(file)) != EOF && IsBlank(static_cast<char>(c))) {
  }
  if (c == EOF) return false;
  bool tooLong = false;
  do {
    if (token.size() < kMaxToken)
      token += static_cast<char>(c);
    else
      tooLong = true;
  } while ((c = std::fgetc(file)) != EOF && !IsBlank(static_cast<char>(c)));
  if (tooLong) token.clear();
  return true;
}

// Reads one line into `line`, at most `max` characters of it kept (the
// newline counts); the rest of a longer line is read and dropped, and
// `cut` says so. False at the end of the stream.
bool NextLine(std::FILE* file, std::string& line, std::size_t max, bool& cut) {
  line.clear();
  cut = false;
  int c;
  bool any = false;
  while ((c = std::fgetc(file)) != EOF) {
    any = true;
    if (line.size() < max)
      line += static_cast<char>(c);
    else
      cut = true;
    if (c == '\n') break;
  }
  return any;
}

// One line of location.dat: five numbers, then the name (the rest of the
// line with its leading blank, and its newline when the whole fits in 48
// characters). `cut`: the line was longer than `line` holds.
RecordFault ParseLocation(const std::string& line, bool cut, LocationRecord& loc) {
  std::size_t at = 0;
  std::string_view fields[5];
  for (std::string_view& field : fields) {
    while (at < line.size() && IsBlank(line[at])) ++at;
    const std::size_t begin = at;
    while (at < line.size() && !IsBlank(line[at])) ++at;
    field = std::string_view(line).substr(begin, at - begin);
  }
  // A number that runs into the cut may have lost digits.
  if (cut && at == line.size()) return RecordFault::Text;
  LocationRecord parsed{};
  if (!ParseNumber(fields[0], parsed.LongDeg) || !ParseNumber(fields[1], parsed.LongMin) ||
      !ParseNumber(fields[2], parsed.LatDeg) || !ParseNumber(fields[3], parsed.LatMin) ||
      !ParseNumber(fields[4], parsed.TimeZone))
    return RecordFault::Text;
  const std::string_view name = std::string_view(line).substr(at, sizeof parsed.Name - 1);
  std::memcpy(parsed.Name, name.data(), name.size());
  parsed.Name[name.size()] = '\0';
  loc = parsed;
  return FaultOf(loc);
}

}  // namespace

RecordFault FaultOf(const StarRecord& r) {
  if (PlaceFault(r.RightAscension, r.Declination) != RecordFault::None)
    return RecordFault::Coordinates;
  return MagnitudeUsable(r.Magnitude) ? RecordFault::None : RecordFault::Magnitude;
}

RecordFault FaultOf(const StarMotionRecord& r) {
  const bool usable = InRange(r.ProperMotionRa, -kMaxProperMotion, kMaxProperMotion) &&
                      InRange(r.ProperMotionDec, -kMaxProperMotion, kMaxProperMotion) &&
                      InRange(r.Parallax, 0, kMaxParallax);
  return usable ? RecordFault::None : RecordFault::Motion;
}

RecordFault FaultOf(const StarNameRecord& r) {
  if (PlaceFault(r.RightAscension, r.Declination) != RecordFault::None)
    return RecordFault::Coordinates;
  if (!MagnitudeUsable(r.Magnitude)) return RecordFault::Magnitude;
  return OffsetUsable(r.LabelOffset) ? RecordFault::None : RecordFault::LabelOffset;
}

RecordFault FaultOf(const ConstellationLineRecord& r) {
  return PlaceFault(r.RightAscension, r.Declination);
}

RecordFault FaultOf(const DeepSkyRecord& r) {
  if (PlaceFault(r.RightAscension, r.Declination) != RecordFault::None)
    return RecordFault::Coordinates;
  if (!MagnitudeUsable(r.Magnitude)) return RecordFault::Magnitude;
  if (!OffsetUsable(r.LabelOffsetX) || !OffsetUsable(r.LabelOffsetY))
    return RecordFault::LabelOffset;
  // An axis of 0 or less means unknown; it must still be a number.
  const bool shapeUsable =
      r.PositionAngle >= -kMaxPositionAngle && r.PositionAngle <= kMaxPositionAngle &&
      InRange(r.MajorAxis, -kMaxAxis, kMaxAxis) && InRange(r.MinorAxis, -kMaxAxis, kMaxAxis);
  return shapeUsable ? RecordFault::None : RecordFault::Shape;
}

RecordFault FaultOf(const SkyPoint& r) { return PlaceFault(r.RightAscension, r.Declination); }

RecordFault FaultOf(const ConstellationNameRecord& r) {
  return PlaceFault(r.RightAscension, r.Declination);
}

RecordFault FaultOf(const LocationRecord& r) {
  const bool usable = r.LongDeg >= -180 && r.LongDeg <= 180 && r.LongMin >= -59 &&
                      r.LongMin <= 59 && r.LatDeg >= -90 && r.LatDeg <= 90 && r.LatMin >= -59 &&
                      r.LatMin <= 59 && InRange(r.TimeZone, -14, 14);
  return usable ? RecordFault::None : RecordFault::Place;
}

LoadReport ReadStars(std::FILE* file, StarRecord (&stars)[kStarCount]) {
  return ReadBlankingRecords(file, stars);
}

LoadReport ReadStarMotions(std::FILE* file, StarMotionRecord (&motions)[kStarCount]) {
  return ReadBlankingRecords(file, motions);
}

LoadReport ReadStarNames(std::FILE* file, StarNameRecord (&names)[kStarNameCount]) {
  return ReadBlankingRecords(file, names);
}

LoadReport ReadConstellationLines(std::FILE* file,
                                  ConstellationLineRecord (&lines)[kConstellationLineCount]) {
  return ReadVertexRecords(file, lines);
}

LoadReport ReadBoundaries(std::FILE* file, BoundaryRecord (&points)[kBoundaryCount]) {
  return ReadVertexRecords(file, points);
}

LoadReport ReadDeepSky(std::FILE* file, DeepSkyRecord (&objects)[kDeepSkyCount]) {
  return ReadBlankingRecords(file, objects);
}

LoadReport ReadConstellationNames(std::FILE* file,
                                  ConstellationNameRecord (&names)[kConstellationNameCount]) {
  return ReadBlankingRecords(file, names);
}

LoadReport ReadMagellanicClouds(std::FILE* file, SkyPoint (&points)[kMagellanicPointCount]) {
  return ReadVertexRecords(file, points);
}

LoadReport ReadEcliptic(std::FILE* file, SkyPoint (&points)[kEclipticPointCount]) {
  // Pairs of numbers separated by any blanks, as "%f %f" reads them.
  LoadReport report;
  bool usable[kEclipticPointCount];
  std::string ra, dec;
  bool ended = false;
  for (int i = 0; i < kEclipticPointCount; ++i) {
    RecordFault fault = RecordFault::Missing;
    if (!ended && NextToken(file, ra) && NextToken(file, dec)) {
      SkyPoint p{};
      fault = ParseNumber(ra, p.RightAscension) && ParseNumber(dec, p.Declination)
                  ? FaultOf(p)
                  : RecordFault::Text;
      if (fault == RecordFault::None) points[i] = p;
    } else {
      ended = true;
    }
    usable[i] = fault == RecordFault::None;
    if (!usable[i]) Note(report, i, fault);
  }
  LeaveOutVertices(points, kEclipticPointCount, usable, kEclipticPointCount - report.Missing);
  return report;
}

LoadReport ReadLocations(std::FILE* file, LocationRecord (&locations)[kLocationCount]) {
  LoadReport report;
  bool usable[kLocationCount];
  std::string line;
  // The name keeps at most 48 characters; the numbers before it take a few more.
  constexpr std::size_t kMaxLine = 256;
  bool ended = false;
  for (int i = 0; i < kLocationCount; ++i) {
    RecordFault fault = RecordFault::Missing;
    if (!ended) {
      // Blank lines are skipped, as the formatted read of the numbers skips them.
      bool got, cut;
      do {
        got = NextLine(file, line, kMaxLine, cut);
      } while (got && line.find_first_not_of(" \t\r\n\v\f") == std::string::npos);
      if (got)
        fault = ParseLocation(line, cut, locations[i]);
      else
        ended = true;
    }
    usable[i] = fault == RecordFault::None;
    if (!usable[i]) Note(report, i, fault);
  }
  LeaveOut(locations, kLocationCount, usable, kLocationCount - report.Missing);
  return report;
}

bool LoadStars(const char* path, StarRecord (&stars)[kStarCount], LoadReport* report) {
  return LoadFile(path, "rb", stars, report, [](std::FILE* f, auto& r) { return ReadStars(f, r); });
}

bool LoadStarMotions(const char* path, StarMotionRecord (&motions)[kStarCount],
                     LoadReport* report) {
  return LoadFile(path, "rb", motions, report,
                  [](std::FILE* f, auto& r) { return ReadStarMotions(f, r); });
}

bool LoadStarNames(const char* path, StarNameRecord (&names)[kStarNameCount], LoadReport* report) {
  return LoadFile(path, "rb", names, report,
                  [](std::FILE* f, auto& r) { return ReadStarNames(f, r); });
}

bool LoadConstellationLines(const char* path,
                            ConstellationLineRecord (&lines)[kConstellationLineCount],
                            LoadReport* report) {
  return LoadFile(path, "rb", lines, report,
                  [](std::FILE* f, auto& r) { return ReadConstellationLines(f, r); });
}

bool LoadBoundaries(const char* path, BoundaryRecord (&points)[kBoundaryCount],
                    LoadReport* report) {
  return LoadFile(path, "rb", points, report,
                  [](std::FILE* f, auto& r) { return ReadBoundaries(f, r); });
}

bool LoadDeepSky(const char* path, DeepSkyRecord (&objects)[kDeepSkyCount], LoadReport* report) {
  return LoadFile(path, "rb", objects, report,
                  [](std::FILE* f, auto& r) { return ReadDeepSky(f, r); });
}

bool LoadEcliptic(const char* path, SkyPoint (&points)[kEclipticPointCount], LoadReport* report) {
  return LoadFile(path, "r", points, report,
                  [](std::FILE* f, auto& r) { return ReadEcliptic(f, r); });
}

bool LoadConstellationNames(const char* path,
                            ConstellationNameRecord (&names)[kConstellationNameCount],
                            LoadReport* report) {
  return LoadFile(path, "rb", names, report,
                  [](std::FILE* f, auto& r) { return ReadConstellationNames(f, r); });
}

bool LoadLocations(const char* path, LocationRecord (&locations)[kLocationCount],
                   LoadReport* report) {
  return LoadFile(path, "r", locations, report,
                  [](std::FILE* f, auto& r) { return ReadLocations(f, r); });
}

bool LoadMagellanicClouds(const char* path, SkyPoint (&points)[kMagellanicPointCount],
                          LoadReport* report) {
  return LoadFile(path, "rb", points, report,
                  [](std::FILE* f, auto& r) { return ReadMagellanicClouds(f, r); });
}

}  // namespace catalog
