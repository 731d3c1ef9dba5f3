#include "app/paths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

DataDirectory FindDataDirectory(const std::string& exeDir, const std::string& overrideDir) {
  if (!overrideDir.empty()) return {fs::absolute(overrideDir).lexically_normal().string(), false};
  const fs::path buildTree = fs::path(exeDir) / "data";
  const fs::path installed = fs::path(exeDir) / ".." / "share" / "stellix";
  for (const fs::path& candidate : {buildTree, installed}) {
    std::error_code ec;
    if (fs::is_regular_file(candidate / "bsc5.bin", ec))
      return {fs::absolute(candidate).lexically_normal().string(), candidate == installed};
  }
  return {};
}

std::string SettingsFilePath(const DataDirectory& data, const std::string& exeBaseName,
                             const std::string& overrideFile) {
  if (!overrideFile.empty()) return overrideFile;
  const std::string name = exeBaseName + ".INI";
  if (!data.Path.empty() && !data.Installed && ::access(data.Path.c_str(), W_OK) == 0)
    return (fs::path(data.Path) / name).string();
  fs::path config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && fs::path(xdg).is_absolute())
    config = xdg;
  else if (const char* home = std::getenv("HOME"); home && *home)
    config = fs::path(home) / ".config";
  else
    config = ".";
  return (config / "stellix" / name).string();
}

std::string TranslationsDirectory(const std::string& exeDir) {
  for (const fs::path& candidate :
       {fs::path(exeDir) / "data" / "translations",
        fs::path(exeDir) / ".." / "share" / "stellix" / "translations"}) {
    std::error_code ec;
    if (fs::is_directory(candidate, ec)) return fs::absolute(candidate).lexically_normal().string();
  }
  return {};
}
