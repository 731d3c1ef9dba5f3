#include "app/startup.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/exit_status.h"
#include "app/paths.h"
#include "astro/ephemeris_json.h"
#include "sky/profile.h"
#include "sky/sky_doc.h"

StartupPaths ResolveStartupPaths(const CommandLine& commandLine, const std::string& exeDir,
                                 const std::string& exeBaseName) {
  StartupPaths paths;
  const DataDirectory data = FindDataDirectory(exeDir, commandLine.DataDir);
  paths.InstallDirectory = data.Path;
  std::error_code ec;
  if (!commandLine.DataDir.empty() && !std::filesystem::is_directory(paths.InstallDirectory, ec))
    paths.Error = "the data directory " + paths.InstallDirectory +
                  (std::filesystem::exists(paths.InstallDirectory, ec) ? " is not a directory"
                                                                       : " does not exist");
  paths.SettingsPath =
      std::filesystem::absolute(SettingsFilePath(data, exeBaseName, commandLine.SettingsFile))
          .lexically_normal()
          .string();
  return paths;
}

std::string QtPlatformList(bool headless, const char* userChoice, const char* display,
                           const char* waylandDisplay) {
  const auto given = [](const char* value) { return value && *value; };
  const std::string offscreen = "offscreen";
  if (given(userChoice)) {
    const std::string choice = userChoice;
    return choice.find(offscreen) == std::string::npos ? choice + ";" + offscreen : choice;
  }
  if (headless) return given(display) ? "xcb;" + offscreen : offscreen;
  if (given(waylandDisplay)) return {};
  return "xcb;" + offscreen;
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
  return ToInt(std::fflush(out) == 0 ? ExitStatus::Ok : ExitStatus::Failure);
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
