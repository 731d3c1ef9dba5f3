#include "catalog/loaders.h"

#include <cstdio>
#include <memory>

#include "catalog/regular_file.h"

namespace catalog {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Reads `count` records of one fixed size, one read per record. A short file
// stops the reads at its end and leaves the remaining records untouched.
template <typename Record>
bool ReadRecords(const char* path, Record* records, int count) {
  File file(OpenRegularFile(path, "rb"));
  if (!file) return false;
  for (int i = 0; i < count; ++i) {
    if (std::fread(&records[i], sizeof(Record), 1, file.get()) != 1) break;
  }
  return true;
}

}  // namespace

bool LoadStars(const char* path, StarRecord (&stars)[kStarCount]) {
  return ReadRecords(path, stars, kStarCount);
}

bool LoadStarNames(const char* path, StarNameRecord (&names)[kStarNameCount]) {
  return ReadRecords(path, names, kStarNameCount);
}

bool LoadConstellationLines(const char* path,
                            ConstellationLineRecord (&lines)[kConstellationLineCount]) {
  return ReadRecords(path, lines, kConstellationLineCount);
}

bool LoadBoundaries(const char* path, BoundaryRecord (&points)[kBoundaryCount]) {
  return ReadRecords(path, points, kBoundaryCount);
}

bool LoadDeepSky(const char* path, DeepSkyRecord (&objects)[kDeepSkyCount]) {
  return ReadRecords(path, objects, kDeepSkyCount);
}

bool LoadConstellationNames(const char* path,
                            ConstellationNameRecord (&names)[kConstellationNameCount]) {
  return ReadRecords(path, names, kConstellationNameCount);
}

bool LoadMagellanicClouds(const char* path, SkyPoint (&points)[kMagellanicPointCount]) {
  return ReadRecords(path, points, kMagellanicPointCount);
}

bool LoadEcliptic(const char* path, SkyPoint (&points)[kEclipticPointCount]) {
  File file(OpenRegularFile(path, "r"));
  if (!file) return false;
  for (SkyPoint& p : points) {
    if (std::fscanf(file.get(), "%f %f", &p.RightAscension, &p.Declination) != 2) break;
  }
  return true;
}

bool LoadLocations(const char* path, LocationRecord (&locations)[kLocationCount]) {
  File file(OpenRegularFile(path, "r"));
  if (!file) return false;
  for (LocationRecord& loc : locations) {
    // Five numbers, then the rest of the line as the name: it keeps its
    // leading blank and, when it fits in 48 characters, its newline.
    if (std::fscanf(file.get(), "%d %d %d %d %f", &loc.LongDeg, &loc.LongMin, &loc.LatDeg,
                    &loc.LatMin, &loc.TimeZone) != 5)
      break;
    if (!std::fgets(loc.Name, sizeof loc.Name, file.get())) break;
  }
  return true;
}

}  // namespace catalog
