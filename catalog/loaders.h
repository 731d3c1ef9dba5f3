// Readers of the nine catalogue files. Each opens its file by the path given
// (the program passes the bare file name, relative to the data directory),
// reads exactly its fixed number of records in file order and returns false
// only when the file cannot be opened or is not a regular file. A file
// shorter than its count leaves the records past its end as they were (zero
// in a freshly built document); nothing is ever read beyond a record's own
// storage.
#pragma once

#include "catalog/records.h"

namespace catalog {

bool LoadStars(const char* path, StarRecord (&stars)[kStarCount]);
bool LoadStarNames(const char* path, StarNameRecord (&names)[kStarNameCount]);
bool LoadConstellationLines(const char* path,
                            ConstellationLineRecord (&lines)[kConstellationLineCount]);
bool LoadBoundaries(const char* path, BoundaryRecord (&points)[kBoundaryCount]);
bool LoadDeepSky(const char* path, DeepSkyRecord (&objects)[kDeepSkyCount]);
bool LoadEcliptic(const char* path, SkyPoint (&points)[kEclipticPointCount]);
bool LoadConstellationNames(const char* path,
                            ConstellationNameRecord (&names)[kConstellationNameCount]);
bool LoadLocations(const char* path, LocationRecord (&locations)[kLocationCount]);
bool LoadMagellanicClouds(const char* path, SkyPoint (&points)[kMagellanicPointCount]);

}  // namespace catalog
