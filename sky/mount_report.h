// What a telescope mount reported last, as the program keeps it: the
// server's and the device's connection, where the mount points and what it
// is doing. Written by the mount's client (sky/indi_mount.h) and copied into
// the document on the user-interface thread.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sky {

enum class MountMotion {
  Idle,      // connected, standing still
  Slewing,   // on its way to a target
  Tracking,  // following the sky at a target
  Parking,
  Parked,
};

struct MountPointing {
  double RaDate = 0.0;   // apparent right ascension of date (JNow), hours [0, 24)
  double DecDate = 0.0;  // degrees

  bool operator==(const MountPointing&) const = default;
};

// Where the observer stands, for the mount's own computations.
struct MountSite {
  double LatitudeDeg = 0.0;
  double LongitudeEastDeg = 0.0;  // east positive, (-180, 180]
  double ElevationM = 0.0;
};

struct MountReport {
  bool ServerConnected = false;
  // The telescopes the server offers: devices with an equatorial place of date.
  std::vector<std::string> Telescopes;
  std::string Device;  // the one chosen; empty before a choice
  bool DeviceConnected = false;
  std::optional<MountPointing> Pointing;  // none until the device reports a valid place
  MountMotion Motion = MountMotion::Idle;
  // Counts the pointing reports, so that a waiter sees a new one.
  unsigned long Reports = 0;

  bool operator==(const MountReport&) const = default;
};

}  // namespace sky
