// The faint stars (faintstars.bin) and the NGC and IC objects (ngcic.bin):
// files too big to read at start-up, sorted by sky cell (catalog/sky_cells.h)
// and, within a cell, by magnitude. Each file starts with a header: an
// 8-byte magic, the version, the record count and the cell count (uint32),
// little-endian like the records.
//
// A file that cannot be opened gives an empty catalogue. A header that is
// not the expected one refuses the whole file (Refused); records past the
// end of a short file are reported as missing and unusable records left
// out, as the other readers do. The records kept are sorted again by cell
// and magnitude, so the index never relies on the file's order.
//
// A file may be read in two parts by magnitude, the brighter first: the
// wide views need a few hundred of the faint stars, not all of them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <limits>
#include <vector>

#include "catalog/loaders.h"
#include "catalog/sky_cells.h"

namespace catalog {

// A faint star. HIP 0: a Tycho star without a Hipparcos number.
struct FaintStarRecord {
  std::int32_t Hip = 0;
  float RightAscension = 0;   // J2000, epoch 2000.0, hours
  float Declination = 0;      // degrees
  float Magnitude = 0;        // V
  float ColourIndex = 0;      // B-V, kUnknownColourIndex when not known
  float ProperMotionRa = 0;   // mas/yr along the parallel
  float ProperMotionDec = 0;  // mas/yr
  float Parallax = 0;         // mas
  char SpectralType[4] = {};  // "K0", "K" (class only), empty when not known
};
inline constexpr float kUnknownColourIndex = 99.0f;

// An NGC or IC object.
struct NgcIcRecord {
  std::int32_t Number = 0;
  char Catalogue = 'N';            // 'N' NGC, 'I' IC
  char Suffix[3] = {};             // a component: "A", "NW"; empty for most
  std::int16_t PositionAngle = 0;  // of the major axis, degrees
  float RightAscension = 0;        // J2000, hours
  float Declination = 0;           // degrees
  float Magnitude = 0;             // kUnusableMagnitude when not known
  float MajorAxis = 0;             // arc-minutes, 0 unknown
  float MinorAxis = 0;
  char Name[24] = {};  // common name, empty when none
  char Type[8] = {};   // deepsky.bin's codes, or "STAR", "GALCL", "OTHER"
};

inline constexpr char kFaintStarMagic[8] = {'S', 'T', 'X', 'F', 'A', 'I', 'N', 'T'};
inline constexpr char kNgcIcMagic[8] = {'S', 'T', 'X', 'N', 'G', 'C', 'I', 'C'};
inline constexpr std::uint32_t kCellFileVersion = 1;
inline constexpr std::size_t kCellFileHeaderBytes = 20;
inline constexpr std::size_t kFaintStarBytes = 36;
inline constexpr std::size_t kNgcIcBytes = 62;
// More records than any file of the program holds: a header beyond it is refused.
inline constexpr std::uint32_t kMaxCellFileRecords = 4'000'000;

// The records a reading keeps: magnitudes above `Above` down to `To`. A
// reading reports the unusable records of its band (and those whose
// magnitude is no number, of every band), and the missing ones.
struct MagnitudeBand {
  double Above = -std::numeric_limits<double>::infinity();
  double To = std::numeric_limits<double>::infinity();
};

template <typename Record>
struct CellCatalogue {
  enum class State { Absent, Refused, Read };
  State Status = State::Absent;
  LoadReport Report;
  std::vector<Record> Records;  // by part, then cell, then magnitude
  // Records [CellStart[c], CellStart[c + 1]) lie in cell c (when read).
  std::vector<std::uint32_t> CellStart;
  // The fainter part, when read after these: its records follow them in
  // Records, those of cell c in [LaterCellStart[c], LaterCellStart[c + 1]).
  std::vector<std::uint32_t> LaterCellStart;

  // Adds `later`, a reading of the same file's fainter band, after these
  // records (which keep their indices). A refused or absent reading adds nothing.
  void Append(CellCatalogue later) {
    if (Status != State::Read || later.Status != State::Read || !LaterCellStart.empty()) return;
    const auto offset = static_cast<std::uint32_t>(Records.size());
    Records.insert(Records.end(), later.Records.begin(), later.Records.end());
    LaterCellStart = std::move(later.CellStart);
    for (std::uint32_t& start : LaterCellStart) start += offset;
  }

  // Calls visit(record) for every record of the cells that can hold a place
  // of `view` down to magnitude `limit` (the brightest of each cell first).
  // The records visited may lie outside the view, never outside its cells.
  template <typename Visit>
  void ForEachInView(const SkyView& view, double limit, Visit visit) const {
    if (Status != State::Read) return;
    for (const int cell : SkyCellsInView(view)) {
      std::uint32_t i = CellStart[cell];
      for (; i < CellStart[cell + 1] && Records[i].Magnitude <= limit; ++i) visit(Records[i]);
      if (i < CellStart[cell + 1] || LaterCellStart.empty()) continue;
      for (i = LaterCellStart[cell]; i < LaterCellStart[cell + 1] && Records[i].Magnitude <= limit;
           ++i)
        visit(Records[i]);
    }
  }
};
using FaintStarCatalogue = CellCatalogue<FaintStarRecord>;
using NgcIcCatalogue = CellCatalogue<NgcIcRecord>;

FaintStarCatalogue ReadFaintStars(std::FILE* file, MagnitudeBand band = {});
NgcIcCatalogue ReadNgcIc(std::FILE* file);
// Absent when the file cannot be opened or is not a regular file.
FaintStarCatalogue LoadFaintStars(const char* path, MagnitudeBand band = {});
NgcIcCatalogue LoadNgcIc(const char* path);

RecordFault FaultOf(const FaintStarRecord& r);

// The spectral class a faint star is coloured by: its type's letter where
// known, else the class of main-sequence stars of its B-V (B below 0.0, A
// to 0.3, F to 0.58, G to 0.81, K to 1.40, M beyond); 0 when neither is known.
char SpectralClassOf(const FaintStarRecord& star);
RecordFault FaultOf(const NgcIcRecord& r);

}  // namespace catalog
