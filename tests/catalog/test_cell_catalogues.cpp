// The faint-star and NGC/IC readers on damaged bytes, and the sky-cell index:
// every record in a view and under the limit is visited, nothing beyond the
// view's cells is.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "catalog/cell_catalogues.h"
#include "catalog/sky_cells.h"

namespace {

using catalog::FaintStarCatalogue;
using catalog::FaintStarRecord;
using catalog::RecordFault;
using catalog::SkyView;

std::string DataPath(const char* name) { return std::string(STELLIX_SOURCE_DATA_DIR) + "/" + name; }

void PutU32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xff);
}
void PutF32(std::string& out, float f) {
  std::uint32_t v;
  std::memcpy(&v, &f, 4);
  PutU32(out, v);
}

std::string Header(const char (&magic)[8], std::uint32_t version, std::uint32_t count,
                   std::uint32_t cells) {
  std::string out(magic, 8);
  PutU32(out, version);
  PutU32(out, count);
  PutU32(out, cells);
  return out;
}

std::string Star(std::int32_t hip, float ra, float dec, float v) {
  std::string out;
  PutU32(out, static_cast<std::uint32_t>(hip));
  for (const float f : {ra, dec, v, 0.5f, 10.0f, -20.0f, 5.0f}) PutF32(out, f);
  out += std::string("G5\0\0", 4);
  return out;
}

// Bytes as the stream the reader reads.
FaintStarCatalogue ReadBytes(const std::string& bytes, catalog::MagnitudeBand band = {}) {
  std::string buffer = bytes + '\0';  // fmemopen needs at least one byte
  std::FILE* f = ::fmemopen(buffer.data(), bytes.empty() ? 1 : bytes.size(), "r");
  if (bytes.empty()) std::fseek(f, 0, SEEK_END);
  const FaintStarCatalogue catalogue = catalog::ReadFaintStars(f, band);
  std::fclose(f);
  return catalogue;
}

const std::uint32_t kCells = static_cast<std::uint32_t>(catalog::SkyCellCount());

TEST(CellCatalogues, HeadersOtherThanTheExpectedOneRefuseTheFile) {
  const std::string stars = Star(1, 1.0f, 2.0f, 9.0f);
  struct Case {
    const char* What;
    std::string Bytes;
  } cases[] = {
      {"empty", ""},
      {"cut header", Header(catalog::kFaintStarMagic, 1, 1, kCells).substr(0, 19)},
      {"NGC/IC magic", Header(catalog::kNgcIcMagic, 1, 1, kCells) + stars},
      {"version 2", Header(catalog::kFaintStarMagic, 2, 1, kCells) + stars},
      {"other cells", Header(catalog::kFaintStarMagic, 1, 1, kCells + 1) + stars},
      {"absurd count", Header(catalog::kFaintStarMagic, 1, 0xffffffffu, kCells) + stars},
  };
  for (const Case& c : cases) {
    const FaintStarCatalogue read = ReadBytes(c.Bytes);
    EXPECT_EQ(read.Status, FaintStarCatalogue::State::Refused) << c.What;
    EXPECT_TRUE(read.Records.empty()) << c.What;
  }
}

TEST(CellCatalogues, UnusableAndMissingRecordsAreReportedAndTheRestSorted) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  std::string bytes = Header(catalog::kFaintStarMagic, 1, 6, kCells);
  bytes += Star(1, 5.5f, -5.0f, 9.5f);
  bytes += Star(2, 25.0f, 0.0f, 9.0f);  // RA beyond 24 h
  bytes += Star(3, 5.5f, -5.0f, 8.0f);  // same cell as HIP 1, brighter
  bytes += Star(4, 5.5f, -5.0f, nan);
  bytes += Star(5, 12.0f, 89.9f, 7.0f).substr(0, 20);  // cut: missing with the sixth
  const FaintStarCatalogue read = ReadBytes(bytes);
  ASSERT_EQ(read.Status, FaintStarCatalogue::State::Read);
  EXPECT_EQ(read.Report.Unusable, 2);
  EXPECT_EQ(read.Report.FirstUnusable, 1);
  EXPECT_EQ(read.Report.FirstFault, RecordFault::Coordinates);
  EXPECT_EQ(read.Report.Missing, 2);
  EXPECT_EQ(read.Report.FirstMissing, 4);
  ASSERT_EQ(read.Records.size(), 2u);
  EXPECT_EQ(read.Records[0].Hip, 3);  // the brighter first in its cell
  EXPECT_EQ(read.Records[1].Hip, 1);
  EXPECT_STREQ(read.Records[0].SpectralType, "G5");
  EXPECT_FLOAT_EQ(read.Records[0].ProperMotionDec, -20.0f);
  const int cell = catalog::SkyCellOf(5.5, -5.0);
  EXPECT_EQ(read.CellStart[cell + 1] - read.CellStart[cell], 2u);
  EXPECT_EQ(read.CellStart.back(), 2u);
}

TEST(CellCatalogues, ReadInTwoPartsTheFirstKeepsItsIndicesAndEachCellIsWalkedBrightestFirst) {
  std::string bytes = Header(catalog::kFaintStarMagic, 1, 6, kCells);
  bytes += Star(1, 5.5f, -5.0f, 9.5f);
  bytes += Star(2, 25.0f, 0.0f, 7.0f);  // unusable, reported by the bright part
  bytes += Star(3, 5.5f, -5.0f, 8.0f);
  bytes += Star(4, 5.5f, -5.0f, 8.5f);
  bytes += Star(5, 5.5f, -5.0f, 6.0f);
  bytes += Star(6, 18.0f, 40.0f, 7.5f);
  FaintStarCatalogue read = ReadBytes(bytes, {.To = 8.0});
  const FaintStarCatalogue rest = ReadBytes(bytes, {.Above = 8.0});
  const auto hips = [](const FaintStarCatalogue& c) {
    std::vector<int> out;
    for (const FaintStarRecord& r : c.Records) out.push_back(r.Hip);
    return out;
  };
  EXPECT_EQ(hips(read), (std::vector<int>{5, 3, 6}));  // by cell, then magnitude
  EXPECT_EQ(hips(rest), (std::vector<int>{4, 1}));
  EXPECT_EQ(read.Report.Unusable, 1);
  EXPECT_EQ(rest.Report.Unusable, 0);

  const auto walk = [](const FaintStarCatalogue& c, double limit) {
    std::vector<int> out;
    c.ForEachInView({5.5, -5.0, 1}, limit, [&](const FaintStarRecord& r) { out.push_back(r.Hip); });
    return out;
  };
  EXPECT_EQ(walk(read, 9.0), (std::vector<int>{5, 3}));  // the fainter part unread
  read.Append(rest);
  EXPECT_EQ(hips(read), (std::vector<int>{5, 3, 6, 4, 1}));
  EXPECT_EQ(walk(read, 7.0), (std::vector<int>{5}));
  EXPECT_EQ(walk(read, 9.0), (std::vector<int>{5, 3, 4}));
  EXPECT_EQ(walk(read, 10.0), (std::vector<int>{5, 3, 4, 1}));
  read.Append(rest);  // a part is added once
  EXPECT_EQ(read.Records.size(), 5u);
}

TEST(CellCatalogues, AFileThatCannotBeOpenedIsAnEmptyLayer) {
  const FaintStarCatalogue none = catalog::LoadFaintStars("/nonexistent/faintstars.bin");
  EXPECT_EQ(none.Status, FaintStarCatalogue::State::Absent);
  int visited = 0;
  none.ForEachInView({0, 0, 180}, 30, [&](const FaintStarRecord&) { ++visited; });
  EXPECT_EQ(visited, 0);
  EXPECT_EQ(catalog::LoadNgcIc("/").Status, catalog::NgcIcCatalogue::State::Absent);
}

TEST(SkyCells, EveryCellHoldsThePlacesItIsTheCellOf) {
  EXPECT_EQ(catalog::SkyCellCount(), 1654);
  EXPECT_EQ(catalog::SkyCellOf(0, -90), 0);
  EXPECT_EQ(catalog::SkyCellOf(23.99, 90), catalog::SkyCellCount() - 1);
  EXPECT_EQ(catalog::SkyCellOf(24, 90), catalog::SkyCellCount() - 1);
  std::set<int> seen;
  for (double dec = -89.75; dec < 90; dec += 0.5)
    for (double ra = 0.01; ra < 24; ra += 0.02) seen.insert(catalog::SkyCellOf(ra, dec));
  EXPECT_EQ(static_cast<int>(seen.size()), catalog::SkyCellCount());
}

// The real files, brute force against the index.
template <typename Catalogue>
void CheckIndex(const Catalogue& catalogue) {
  struct Case {
    const char* Where;
    SkyView View;
    double Limit;
  } cases[] = {
      {"Orion's sword, zoom 64", {5.59, -5.39, 0.8}, 12.5},
      {"Orion, zoom 4", {5.59, -5.39, 12}, 9.0},
      {"across 0h", {23.95, 10, 3}, 11},
      {"north pole", {3, 88.5, 4}, 11},
      {"south pole", {18, -89.9, 1}, 13},
      {"Leo Triplet", {11.33, 13.3, 1.5}, 15},
      {"wide", {8, 30, 70}, 8},
      {"whole sky", {0, 0, 180}, 6.6},
  };
  int inViews = 0;
  for (const Case& c : cases) {
    const std::vector<int> cells = catalog::SkyCellsInView(c.View);
    const std::set<int> cellSet(cells.begin(), cells.end());
    std::set<const void*> visited;
    catalogue.ForEachInView(c.View, c.Limit, [&](const auto& r) {
      visited.insert(&r);
      EXPECT_LE(r.Magnitude, c.Limit) << c.Where;
      EXPECT_TRUE(cellSet.count(catalog::SkyCellOf(r.RightAscension, r.Declination))) << c.Where;
    });
    int inView = 0;
    for (const auto& r : catalogue.Records) {
      if (r.Magnitude > c.Limit ||
          catalog::SkyDistanceDegrees(c.View.RaHours, c.View.DecDegrees, r.RightAscension,
                                      r.Declination) > c.View.RadiusDegrees)
        continue;
      ++inView;
      EXPECT_TRUE(visited.count(&r)) << c.Where << ": " << r.RightAscension << " " << r.Declination;
    }
    inViews += inView;
    if (c.View.RadiusDegrees < 5) {
      EXPECT_LT(visited.size(), catalogue.Records.size() / 50) << c.Where;
    }
  }
  EXPECT_GT(inViews, 100);
}

TEST(SkyCells, AViewVisitsEveryStarInItAndOnlyItsCells) {
  const FaintStarCatalogue stars = catalog::LoadFaintStars(DataPath("faintstars.bin").c_str());
  ASSERT_EQ(stars.Status, FaintStarCatalogue::State::Read);
  CheckIndex(stars);
  // Read in two parts, the same stars and the same walk.
  FaintStarCatalogue parts = catalog::LoadFaintStars(DataPath("faintstars.bin").c_str(), {.To = 8});
  const std::size_t first = parts.Records.size();
  EXPECT_GT(first, 20000u);
  EXPECT_LT(first, stars.Records.size() / 10);
  parts.Append(catalog::LoadFaintStars(DataPath("faintstars.bin").c_str(), {.Above = 8}));
  EXPECT_EQ(parts.Records.size(), stars.Records.size());
  CheckIndex(parts);
}

TEST(SkyCells, AViewVisitsEveryNgcIcObjectInIt) {
  const catalog::NgcIcCatalogue objects = catalog::LoadNgcIc(DataPath("ngcic.bin").c_str());
  ASSERT_EQ(objects.Status, catalog::NgcIcCatalogue::State::Read);
  CheckIndex(objects);
}

}  // namespace
