#include "app/paths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

std::string FindDataDirectory(const std::string& exeDir, const std::string& overrideDir) {
  if (!overrideDir.empty()) return fs::absolute(overrideDir).lexically_normal().string();
  for (const fs::path& candidate :
       {fs::path(exeDir) / "data", fs::path(exeDir) / ".." / "share" / "stellix"}) {
    std::error_code ec;
    if (fs::is_regular_file(candidate / "bsc5.bin", ec))
      return fs::absolute(candidate).lexically_normal().string();
  }
  return {};
}

std::string SettingsFilePath(const std::string& dataDir, const std::string& exeBaseName,
                             const std::string& overrideFile) {
  if (!overrideFile.empty()) return overrideFile;
  const std::string name = exeBaseName + ".INI";
  if (!dataDir.empty() && ::access(dataDir.c_str(), W_OK) == 0)
    return (fs::path(dataDir) / name).string();
  fs::path config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && fs::path(xdg).is_absolute())
    config = xdg;
  else if (const char* home = std::getenv("HOME"); home && *home)
    config = fs::path(home) / ".config";
  else
    config = ".";
  return (config / "stellix" / name).string();
}
