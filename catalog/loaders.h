// Readers of the catalogue files. Each opens its file by the path given
// (the program passes the bare file name, relative to the data directory),
// reads at most its fixed number of records in file order and returns false
// only when the file cannot be opened or is not a regular file (a FIFO would
// never end).
//
// Every record is checked as it comes in. A record that no layer could use
// (a coordinate that is not a number or lies outside its range, an absurd
// magnitude, label offset, position angle or axis, a line of text that does
// not read as numbers) is left out, and so are the records a short file
// lacks: stars, names and deep-sky objects become blank records that are
// never drawn (magnitude kUnusableMagnitude, no name, no type), a vertex of
// a line or an outline repeats the usable vertex before it, a constellation
// label loses its text and a place its name. The report says how many and
// which came first, so that the user learns what is missing.
#pragma once

#include <cstdio>

#include "catalog/records.h"

namespace catalog {

// What makes a record unusable.
enum class RecordFault {
  None,
  Missing,      // the file ends before the record
  Coordinates,  // right ascension outside 0-24 h, declination outside +-90 deg, or not numbers
  Magnitude,    // not a number, or beyond +-30
  LabelOffset,  // beyond kMaxLabelOffset pixels
  Shape,        // position angle beyond +-360 deg, an axis not a number or beyond 180 deg
  Place,        // a longitude, latitude, minute or time zone outside its range
  Text,         // a line of a text file that does not read as its numbers
  Motion,       // a proper motion beyond kMaxProperMotion or a parallax beyond kMaxParallax
  Zone,         // a time zone that the system's tzdata does not know
};

// Limits a usable record keeps within.
inline constexpr float kUnusableMagnitude = 99.0f;   // fainter than every limit: never drawn
inline constexpr int kMaxLabelOffset = 1000;         // pixels
inline constexpr int kMaxPositionAngle = 360;        // degrees
inline constexpr float kMaxAxis = 10800.0f;          // arc-minutes (180 degrees)
inline constexpr float kMaxProperMotion = 20000.0f;  // mas/yr (the fastest star: 10 300)
inline constexpr float kMaxParallax = 1000.0f;       // mas (the nearest star: 768)

// What a loader left out of its file.
struct LoadReport {
  int Missing = 0;         // records past the end of a file shorter than its count
  int FirstMissing = -1;   // index of the first of them
  int Unusable = 0;        // records present in the file but unusable
  int FirstUnusable = -1;  // index of the first of them
  RecordFault FirstFault = RecordFault::None;  // why that one is unusable
  bool Damaged() const { return Missing > 0 || Unusable > 0; }
};

bool LoadStars(const char* path, StarRecord (&stars)[kStarCount], LoadReport* report = nullptr);
// A record left out gives its star no motion.
bool LoadStarMotions(const char* path, StarMotionRecord (&motions)[kStarCount],
                     LoadReport* report = nullptr);
bool LoadStarNames(const char* path, StarNameRecord (&names)[kStarNameCount],
                   LoadReport* report = nullptr);
bool LoadConstellationLines(const char* path,
                            ConstellationLineRecord (&lines)[kConstellationLineCount],
                            LoadReport* report = nullptr);
bool LoadBoundaries(const char* path, BoundaryRecord (&points)[kBoundaryCount],
                    LoadReport* report = nullptr);
bool LoadDeepSky(const char* path, DeepSkyRecord (&objects)[kDeepSkyCount],
                 LoadReport* report = nullptr);
bool LoadEcliptic(const char* path, SkyPoint (&points)[kEclipticPointCount],
                  LoadReport* report = nullptr);
bool LoadConstellationNames(const char* path,
                            ConstellationNameRecord (&names)[kConstellationNameCount],
                            LoadReport* report = nullptr);
bool LoadLocations(const char* path, LocationRecord (&locations)[kLocationCount],
                   LoadReport* report = nullptr);
bool LoadMagellanicClouds(const char* path, SkyPoint (&points)[kMagellanicPointCount],
                          LoadReport* report = nullptr);

// The same readers on a stream that is already open (a file, or bytes in
// memory for the fuzz targets). Every record of the array is written.
LoadReport ReadStars(std::FILE* file, StarRecord (&stars)[kStarCount]);
LoadReport ReadStarMotions(std::FILE* file, StarMotionRecord (&motions)[kStarCount]);
LoadReport ReadStarNames(std::FILE* file, StarNameRecord (&names)[kStarNameCount]);
LoadReport ReadConstellationLines(std::FILE* file,
                                  ConstellationLineRecord (&lines)[kConstellationLineCount]);
LoadReport ReadBoundaries(std::FILE* file, BoundaryRecord (&points)[kBoundaryCount]);
LoadReport ReadDeepSky(std::FILE* file, DeepSkyRecord (&objects)[kDeepSkyCount]);
LoadReport ReadEcliptic(std::FILE* file, SkyPoint (&points)[kEclipticPointCount]);
LoadReport ReadConstellationNames(std::FILE* file,
                                  ConstellationNameRecord (&names)[kConstellationNameCount]);
LoadReport ReadLocations(std::FILE* file, LocationRecord (&locations)[kLocationCount]);
LoadReport ReadMagellanicClouds(std::FILE* file, SkyPoint (&points)[kMagellanicPointCount]);

// Whether a record is one the loaders let through (the fuzz targets check
// every record against it).
RecordFault FaultOf(const StarRecord& r);
RecordFault FaultOf(const StarMotionRecord& r);
RecordFault FaultOf(const StarNameRecord& r);
RecordFault FaultOf(const ConstellationLineRecord& r);
RecordFault FaultOf(const DeepSkyRecord& r);
RecordFault FaultOf(const SkyPoint& r);
RecordFault FaultOf(const ConstellationNameRecord& r);
RecordFault FaultOf(const LocationRecord& r);

}  // namespace catalog
