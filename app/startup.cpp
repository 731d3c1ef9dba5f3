#include "app/startup.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/paths.h"
#include "astro/ephemeris_json.h"
#include "sky/messages.h"
#include "sky/profile.h"
#include "sky/sky_doc.h"

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
  const std::vector<std::string> clamped = LoadSettings(profile, settings);
  if (!clamped.empty())
    std::fprintf(
        stderr, "%s\n",
        MessageLine(MessageIcon::Exclamation, SettingsClampedMessage(paths.SettingsPath, clamped))
            .c_str());
  // The document is large (it holds every catalogue inline): keep it off the stack.
  auto doc = std::make_unique<CSkyDoc>(settings);
  doc->SetDocumentTime(commandLine.DateTime);
  doc->UpdateSky();
  const std::string json = astro::EphemerisJson(doc->AstroState, doc->HorizonPoints, doc->Bodies);
  std::fprintf(out, "%s\n", json.c_str());
  return std::fflush(out) == 0 ? 0 : 1;
}

double MillisecondsSinceProcessStart() {
  // Field 22 of /proc/self/stat: the start time in clock ticks since boot.
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  const std::size_t close = text.rfind(')');
  if (close == std::string::npos) return 0;
  std::istringstream fields(text.substr(close + 2));
  std::string field;
  for (int i = 3; i <= 22 && fields >> field; ++i) {
  }
  std::ifstream uptimeFile("/proc/uptime");
  double uptime = 0;
  uptimeFile >> uptime;
  const double ticks = static_cast<double>(::sysconf(_SC_CLK_TCK));
  const double started = ticks > 0 ? std::strtod(field.c_str(), nullptr) / ticks : 0;
  return (uptime - started) * 1000.0;
}
