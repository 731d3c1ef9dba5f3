// In-memory records of the catalogue files. Each binary record is read straight
// from its file, so every struct is packed exactly as the file lays it out.
#pragma once

#include <cstddef>
#include <cstdint>

#include "astro/sky_point.h"

#pragma pack(push, 1)

// bsc5.bin: one bright star.
struct StarRecord {
  char SpectralClass;  // first letter of the spectral type (O B A F G K M ...)
  char
      Designation[11];  // fixed columns: Flamsteed 0-2, Bayer 3-5, superscript 6, constellation 7-9
  std::int32_t HR;      // Bright Star Catalogue number
  float RightAscension;  // hours
  float Declination;     // degrees
  float Magnitude;       // visual
};

// snames.bin: the proper name of a bright star and where its label goes.
struct StarNameRecord {
  std::int32_t HR;           // links to StarRecord::HR
  float RightAscension;      // label position, hours
  float Declination;         // label position, degrees
  std::int32_t LabelOffset;  // horizontal label offset, pixels
  float Magnitude;           // drawn while not fainter than the star limit
  char Name[20];
};

// cnstline.bin and constell.bin: one vertex of a polyline.
// cnstline.bin: EndMark != 0 ends the polyline; constell.bin: EndMark != 0 continues it.
struct ConstellationLineRecord {
  float RightAscension;
  float Declination;
  std::int32_t EndMark;
};
using BoundaryRecord = ConstellationLineRecord;

// Which mark of a polyline file ends a line: a non-zero one in the figure
// file, a zero one in the boundary file.
enum class LineEndMark { NonZero, Zero };
inline constexpr LineEndMark kFigureLineEnd = LineEndMark::NonZero;
inline constexpr LineEndMark kBoundaryLineEnd = LineEndMark::Zero;

// Calls segment(a, b) for every pair of consecutive records whose first
// vertex is joined to the next: the first of a line's records up to the one
// whose mark ends it. The screen and the printed chart draw the same lines.
template <typename Segment>
void ForEachLineSegment(const ConstellationLineRecord* records, int count, LineEndMark end,
                        Segment segment) {
  for (int i = 0; i + 1 < count; ++i) {
    const bool ends =
        end == LineEndMark::NonZero ? records[i].EndMark != 0 : records[i].EndMark == 0;
    if (!ends) segment(records[i], records[i + 1]);
  }
}

// deepsky.bin: a Messier (index < 110) or NGC (index >= 110) object.
struct DeepSkyRecord {
  std::int32_t Number;         // Messier or NGC number
  std::int32_t PositionAngle;  // of the major axis, degrees
  std::int32_t LabelOffsetX;   // pixels
  std::int32_t LabelOffsetY;   // pixels
  float RightAscension;        // hours
  float Declination;           // degrees
  float Magnitude;
  float MajorAxis;  // arc-minutes, <= 0 unknown
  float MinorAxis;  // arc-minutes, <= 0 unknown
  char Name[20];    // common name, "*" when none
  char Type[8];     // "OPNCL", "GLOCL", "GALXY", "BRTNB" or "PLNNB"
};

// cnames.bin: a constellation label.
struct ConstellationNameRecord {
  double RightAscension;  // hours
  double Declination;     // degrees
  char Name[24];
};

// bsc5motion.bin: the motion of the star of the same index in bsc5.bin.
struct StarMotionRecord {
  std::int32_t HR;        // the star's, which pairs the two records
  float ProperMotionRa;   // mas/yr along the parallel (the change of RA times cos Dec)
  float ProperMotionDec;  // mas/yr
  float Parallax;         // mas
};

#pragma pack(pop)

// location.dat: one city offered by the location dialog (read from text).
struct LocationRecord {
  char Name[49];                // raw rest of the line: leading blank, and its newline when it fits
  std::int32_t LatDeg, LatMin;  // north positive
  std::int32_t LongDeg, LongMin;  // west positive
  float TimeZone;                 // hours, west positive (-1.0 for Central Europe)
};

static_assert(sizeof(StarRecord) == 28);
static_assert(sizeof(StarNameRecord) == 40);
static_assert(sizeof(ConstellationLineRecord) == 12);
static_assert(sizeof(DeepSkyRecord) == 64);
static_assert(sizeof(ConstellationNameRecord) == 40);
static_assert(sizeof(StarMotionRecord) == 16);

// Fixed record counts of the catalogue files: no file carries a count of its own.
constexpr int kStarCount = 9095;
constexpr int kStarNameCount = 77;
constexpr int kConstellationLineCount = 528;
constexpr int kBoundaryCount = 2345;
constexpr int kDeepSkyCount = 210;
constexpr int kMessierCount = 110;  // records 0-109 are Messier objects, the rest NGC
constexpr int kEclipticPointCount = 73;
constexpr int kConstellationNameCount = 89;
constexpr int kLocationCount = 409;
constexpr int kMagellanicPointCount = 35;  // 25 for the Large Cloud, then 10 for the Small
constexpr int kLargeCloudPointCount = 25;
