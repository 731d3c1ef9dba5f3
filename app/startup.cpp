#include "app/startup.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/paths.h"
#include "app/profile.h"
#include "app/sky_doc.h"
#include "astro/ephemeris_json.h"

StartupPaths ResolveStartupPaths(const CommandLine& commandLine, const std::string& exeDir,
                                 const std::string& exeBaseName) {
  StartupPaths paths;
  paths.InstallDirectory = FindDataDirectory(exeDir, commandLine.DataDir);
  paths.SettingsPath =
      std::filesystem::absolute(
          SettingsFilePath(paths.InstallDirectory, exeBaseName, commandLine.SettingsFile))
          .lexically_normal()
          .string();
  return paths;
}

int RunEphemeris(const CommandLine& commandLine, const StartupPaths& paths, std::FILE* out) {
  CProfile profile;
  profile.Load(paths.SettingsPath);
  AppSettings settings;
  LoadSettings(profile, settings);
  // The document is large (it holds every catalogue inline): keep it off the stack.
  auto doc = std::make_unique<CSkyDoc>(settings);
  doc->SetDocumentTime(commandLine.DateTime);
  doc->UpdateSky();
  const std::string json = astro::EphemerisJson(doc->AstroState, doc->HorizonPoints, doc->Bodies);
  std::fprintf(out, "%s\n", json.c_str());
  return std::fflush(out) == 0 ? 0 : 1;
}
