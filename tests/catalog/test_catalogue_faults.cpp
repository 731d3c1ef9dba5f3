// Every catalogue of data/ damaged in every way a file can be: cut at every
// record boundary and inside a record, filled with garbage, with NaN and
// with infinities. Whatever the bytes, every record the layers get is
// usable, what was lost is counted, and what was intact is kept.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "catalog/loaders.h"
#include "tests/test_files.h"

namespace {

using catalog::LoadReport;
using catalog::RecordFault;

// Bytes as the stream a loader reads.
LoadReport ReadFrom(const std::string& bytes, const std::function<LoadReport(std::FILE*)>& read) {
  std::string buffer = bytes + '\0';  // fmemopen needs at least one byte
  std::FILE* f = ::fmemopen(buffer.data(), bytes.empty() ? 1 : bytes.size(), "r");
  if (bytes.empty()) std::fseek(f, 0, SEEK_END);
  const LoadReport report = read(f);
  std::fclose(f);
  return report;
}

// One catalogue file: its reader into a fresh array, and what a test needs
// to know of the records it read.
struct Catalogue {
  const char* File;
  int Count;
  int RecordSize;  // 0: a text file of one record a line
  // Loads `bytes`; `Usable(i)` tells whether record i passes the loaders'
  // check, `Bytes(i)` what record i holds.
  std::function<LoadReport(const std::string& bytes)> Load;
  std::function<bool(int)> Usable;
  std::function<std::string(int)> Bytes;
};

template <typename Record, int N>
Catalogue Make(const char* file, int recordSize, LoadReport (*reader)(std::FILE*, Record (&)[N])) {
  auto records = std::make_shared<std::vector<Record>>(N);
  Catalogue c{file, N, recordSize, nullptr, nullptr, nullptr};
  c.Load = [records, reader](const std::string& bytes) {
    return ReadFrom(bytes, [&](std::FILE* f) {
      return reader(f, *reinterpret_cast<Record(*)[N]>(records->data()));
    });
  };
  c.Usable = [records](int i) { return catalog::FaultOf((*records)[i]) == RecordFault::None; };
  c.Bytes = [records](int i) {
    const Record& r = (*records)[i];
    std::string bytes(reinterpret_cast<const char*>(&r), sizeof r);
    // Padding of the text records' struct carries nothing.
    if constexpr (std::is_same_v<Record, LocationRecord>)
      bytes = std::string(r.Name) + "|" + std::to_string(r.LongDeg) + " " +
              std::to_string(r.LongMin) + " " + std::to_string(r.LatDeg) + " " +
              std::to_string(r.LatMin) + " " + std::to_string(r.TimeZone);
    return bytes;
  };
  return c;
}

std::vector<Catalogue> AllCatalogues() {
  return {
      Make<StarRecord, kStarCount>("bsc5.bin", 28, catalog::ReadStars),
      Make<StarMotionRecord, kStarCount>("bsc5motion.bin", 16, catalog::ReadStarMotions),
      Make<StarNameRecord, kStarNameCount>("snames.bin", 40, catalog::ReadStarNames),
      Make<ConstellationLineRecord, kConstellationLineCount>("cnstline.bin", 12,
                                                             catalog::ReadConstellationLines),
      Make<BoundaryRecord, kBoundaryCount>("constell.bin", 12, catalog::ReadBoundaries),
      Make<DeepSkyRecord, kDeepSkyCount>("deepsky.bin", 64, catalog::ReadDeepSky),
      Make<SkyPoint, kEclipticPointCount>("eclip.dat", 0, catalog::ReadEcliptic),
      Make<ConstellationNameRecord, kConstellationNameCount>("cnames.bin", 40,
                                                             catalog::ReadConstellationNames),
      Make<LocationRecord, kLocationCount>("location.dat", 0, catalog::ReadLocations),
      Make<SkyPoint, kMagellanicPointCount>("magellan.bin", 8, catalog::ReadMagellanicClouds),
  };
}

std::string DataFile(const char* name) {
  return ReadFile(std::string(STELLIX_SOURCE_DATA_DIR) + "/" + name);
}

// Where record k of a file begins.
std::size_t RecordStart(const Catalogue& c, const std::string& bytes, int k) {
  if (c.RecordSize) return static_cast<std::size_t>(k) * c.RecordSize;
  std::size_t at = 0;
  for (int line = 0; line < k && at != std::string::npos; ++line) {
    at = bytes.find('\n', at);
    if (at != std::string::npos) ++at;
  }
  return at == std::string::npos ? bytes.size() : at;
}

void ExpectAllUsable(const Catalogue& c, const std::string& what) {
  for (int i = 0; i < c.Count; ++i)
    if (!c.Usable(i)) {
      ADD_FAILURE() << c.File << " " << what << ": record " << i << " is not usable";
      return;
    }
}

TEST(CatalogueFaults, TheShippedFilesLoadWhole) {
  for (const Catalogue& c : AllCatalogues()) {
    const LoadReport report = c.Load(DataFile(c.File));
    EXPECT_FALSE(report.Damaged()) << c.File;
    ExpectAllUsable(c, "as shipped");
  }
}

TEST(CatalogueFaults, CutAtEveryRecordBoundaryAndInsideRecords) {
  for (const Catalogue& c : AllCatalogues()) {
    const std::string whole = DataFile(c.File);
    c.Load(whole);
    std::vector<std::string> original;
    for (int i = 0; i < c.Count; ++i) original.push_back(c.Bytes(i));

    for (int k = 0; k <= c.Count; ++k) {
      const std::size_t cut = RecordStart(c, whole, k);
      // At the boundary, and (binary files) half-way into the next record.
      for (std::size_t length : {cut, cut + (c.RecordSize ? c.RecordSize / 2 : 0)}) {
        if (length > whole.size() || (k == c.Count && length != cut)) continue;
        const LoadReport report = c.Load(whole.substr(0, length));
        const int missing = c.Count - k;
        ASSERT_EQ(report.Missing, missing) << c.File << " cut at " << length;
        if (missing > 0) {
          ASSERT_EQ(report.FirstMissing, k) << c.File;
        }
        ASSERT_EQ(report.Unusable, 0) << c.File << " cut at " << length;
        // What was there is kept exactly; the rest is usable (never drawn).
        for (int i = 0; i < k; i += std::max(1, k / 50))
          ASSERT_EQ(c.Bytes(i), original[i]) << c.File << " record " << i << " cut at " << length;
        if (k > 0) {
          ASSERT_EQ(c.Bytes(k - 1), original[k - 1]) << c.File;
        }
        if (k == c.Count || k % std::max(1, c.Count / 40) == 0) ExpectAllUsable(c, "cut");
      }
    }
  }
}

TEST(CatalogueFaults, GarbageNaNAndInfinity) {
  std::mt19937 random(20);
  for (const Catalogue& c : AllCatalogues()) {
    const std::size_t size = DataFile(c.File).size();
    // Random bytes: whatever they hold, each record is usable or left out.
    for (int round = 0; round < 3; ++round) {
      std::string garbage(size, '\0');
      for (char& b : garbage) b = static_cast<char>(random());
      const LoadReport report = c.Load(garbage);
      EXPECT_LE(report.Missing + report.Unusable, c.Count) << c.File;
      ExpectAllUsable(c, "of garbage");
    }
    // Every 4-byte word NaN, +inf or -inf (doubles of two such words are
    // NaN or far out of range too): no record can be used.
    for (const std::uint32_t word : {0x7FC00000u, 0x7F800000u, 0xFF800000u}) {
      std::string bytes;
      if (c.RecordSize) {
        bytes.resize(size);
        for (std::size_t at = 0; at + 4 <= size; at += 4) std::memcpy(&bytes[at], &word, 4);
      } else {
        const char* text = word == 0x7FC00000u ? "nan" : word == 0x7F800000u ? "inf" : "-inf";
        for (int i = 0; i < c.Count; ++i)
          bytes +=
              std::string(c.Count == kLocationCount ? "0 0 51 30 " : "1.0 ") + text + " Name\n";
      }
      const LoadReport report = c.Load(bytes);
      EXPECT_EQ(report.Unusable, c.Count) << c.File << " " << std::hex << word;
      EXPECT_EQ(report.FirstUnusable, 0) << c.File;
      ExpectAllUsable(c, "of NaN or infinity");
    }
  }
}

}  // namespace
