#include "app/startup.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/exit_status.h"
#include "app/paths.h"
#include "astro/ephemeris_json.h"
#include "catalog/loaders.h"
#include "res/strings.h"
#include "sky/find_index.h"
#include "sky/messages.h"
#include "sky/object_info.h"
#include "sky/object_names.h"
#include "sky/places.h"
#include "sky/profile.h"
#include "sky/sky_doc.h"
#include "sky/tonight.h"

namespace {

// A catalogue file that cannot be opened: its message on standard error and status 3.
class CExitOnMissingFile : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char* fileName) override {
    const std::string line =
        MessageLine(MessageIcon::Stop, res::Format(res::IDS_CANT_OPEN_FILE, fileName));
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(nullptr);
    std::_Exit(ToInt(ExitStatus::MissingData));
  }
};

}  // namespace

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
  const std::vector<std::string> clamped = LoadSettings(profile, settings);
  if (!clamped.empty())
    std::fprintf(
        stderr, "%s\n",
        MessageLine(MessageIcon::Exclamation, SettingsClampedMessage(paths.SettingsPath, clamped))
            .c_str());
  // The document is large (it holds every catalogue inline): keep it off the stack.
  auto doc = std::make_unique<CSkyDoc>(settings, catalog::DataFiles{paths.InstallDirectory});
  doc->SetDocumentTime(commandLine.DateTime);
  doc->UpdateSky();
  if (!commandLine.Place.empty()) {
    catalog::LoadLocations(doc->Files().Path("location.dat").c_str(), doc->Catalogues.Locations);
    CExitOnMissingFile onMissing;
    doc->LoadPlaces(onMissing);
    const std::string refusal = ApplyPlaceOption(commandLine, *doc);
    if (!refusal.empty()) {
      std::fprintf(stderr, "stellix: %s\n", refusal.c_str());
      return ToInt(ExitStatus::BadCommandLine);
    }
  }
  const std::string json =
      astro::EphemerisJson(doc->Sky.AstroState, doc->Sky.HorizonPoints, doc->Sky.Bodies);
  std::fprintf(out, "%s\n", json.c_str());
  return ToInt(std::fflush(out) == 0 ? ExitStatus::Ok : ExitStatus::Failure);
}

namespace {

// The document of --info and --almanac: the settings, the catalogues, --datetime and --place.
// Null, with the status in `status`, when it cannot be had.
std::unique_ptr<CSkyDoc> ScriptDocument(const CommandLine& commandLine, const StartupPaths& paths,
                                        AppSettings& settings, std::FILE* err, int& status) {
  CProfile profile;
  profile.Load(paths.SettingsPath);
  LoadSettings(profile, settings);
  auto doc = std::make_unique<CSkyDoc>(settings, catalog::DataFiles{paths.InstallDirectory});
  doc->Catalogues.DeepCatalogues.ReportDamageTo([err](const std::string& message) {
    std::fprintf(err, "%s\n", MessageLine(MessageIcon::Exclamation, message).c_str());
  });
  CExitOnMissingFile onMissing;
  doc->OnNewDocument(onMissing, nullptr, commandLine.DateTime);
  if (const std::string refusal = ApplyPlaceOption(commandLine, *doc); !refusal.empty()) {
    std::fprintf(err, "stellix: %s\n", refusal.c_str());
    status = ToInt(ExitStatus::BadCommandLine);
    return nullptr;
  }
  return doc;
}

}  // namespace

int RunAlmanac(const CommandLine& commandLine, const StartupPaths& paths, std::FILE* out,
               std::FILE* err) {
  AppSettings settings;
  int status = 0;
  const std::unique_ptr<CSkyDoc> doc = ScriptDocument(commandLine, paths, settings, err, status);
  if (!doc) return status;
  // The night that begins on the evening of the date given.
  const std::string json =
      sky::TonightJson(sky::NightOf(*doc, doc->Sky.DocumentTime), ClockRulesOf(doc->Settings()));
  std::fprintf(out, "%s\n", json.c_str());
  return ToInt(std::fflush(out) == 0 ? ExitStatus::Ok : ExitStatus::Failure);
}

int RunInfo(const CommandLine& commandLine, const StartupPaths& paths, std::FILE* out,
            std::FILE* err) {
  AppSettings settings;
  int status = 0;
  const std::unique_ptr<CSkyDoc> doc = ScriptDocument(commandLine, paths, settings, err, status);
  if (!doc) return status;

  const std::optional<sky::SkyObjectRef> object = sky::FindObjectByName(*doc, commandLine.Info);
  if (!object) {
    std::fprintf(err, "stellix: no object is called \"%s\"\n", commandLine.Info.c_str());
    return ToInt(ExitStatus::BadCommandLine);
  }
  std::string json;
  switch (object->What) {
    case sky::SkyObjectRef::Star:
      json = sky::CardJson(sky::StarCardOf(*doc, object->Index));
      break;
    case sky::SkyObjectRef::Body:
      json = sky::CardJson(sky::BodyCardOf(*doc, object->Index));
      break;
    case sky::SkyObjectRef::DeepSky:
      json = sky::CardJson(sky::DeepSkyCardOf(*doc, object->Index));
      break;
    case sky::SkyObjectRef::FaintStar:
      json = sky::CardJson(sky::FaintStarCardOf(*doc, object->Index));
      break;
    case sky::SkyObjectRef::NgcIc:
      json = sky::CardJson(sky::NgcIcCardOf(*doc, object->Index));
      break;
    case sky::SkyObjectRef::PlanetMoon:
      json = sky::CardJson(sky::MoonCardOf(*doc, object->Index));
      break;
    case sky::SkyObjectRef::Constellation:
      std::fprintf(err, "stellix: \"%s\" is a constellation, which has no card\n",
                   commandLine.Info.c_str());
      return ToInt(ExitStatus::BadCommandLine);
  }
  std::fprintf(out, "%s\n", json.c_str());
  return ToInt(std::fflush(out) == 0 ? ExitStatus::Ok : ExitStatus::Failure);
}

int RunFind(const CommandLine& commandLine, const StartupPaths& paths, std::FILE* out,
            std::FILE* err) {
  if (commandLine.Find.size() > kFindTextLimit || sky::FoldName(commandLine.Find).empty()) {
    std::fprintf(err, "stellix: --find needs a name of at most %zu bytes, not \"%s\"\n",
                 kFindTextLimit, commandLine.Find.c_str());
    return ToInt(ExitStatus::BadCommandLine);
  }
  AppSettings settings;
  int status = 0;
  const std::unique_ptr<CSkyDoc> doc = ScriptDocument(commandLine, paths, settings, err, status);
  if (!doc) return status;
  sky::FindIndex index = sky::BuildFindIndex(*doc);
  const std::string json =
      sky::FindMatchesJson(sky::FindMatches(*doc, index, commandLine.Find, sky::kFindMatchLimit));
  std::fprintf(out, "%s\n", json.c_str());
  return ToInt(std::fflush(out) == 0 ? ExitStatus::Ok : ExitStatus::Failure);
}

std::string ApplyPlaceOption(const CommandLine& commandLine, CSkyDoc& doc) {
  if (commandLine.Place.empty()) return {};
  const catalog::Place* place = sky::FindPlace(doc.Catalogues.Places, commandLine.Place);
  if (!place) return "no place is called \"" + commandLine.Place + "\"";
  sky::ApplyPlace(*place, doc.Settings());
  doc.SetDocumentTime(commandLine.DateTime);
  doc.UpdateSky();
  return {};
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
