#include "app/startup.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <sstream>

#include "app/exit_status.h"
#include "app/paths.h"
#include "astro/ephemeris_json.h"
#include "astro/json.h"
#include "catalog/loaders.h"
#include "res/strings.h"
#include "sky/find_index.h"
#include "sky/goto_target.h"
#include "sky/indi_mount.h"
#include "sky/messages.h"
#include "sky/mount_target.h"
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
                                        AppSettings& settings, std::FILE* err, int& status,
                                        int* elementsRead = nullptr) {
  CProfile profile;
  profile.Load(paths.SettingsPath);
  LoadSettings(profile, settings);
  auto doc = std::make_unique<CSkyDoc>(settings, catalog::DataFiles{paths.InstallDirectory});
  doc->Catalogues.DeepCatalogues.ReportDamageTo([err](const std::string& message) {
    std::fprintf(err, "%s\n", MessageLine(MessageIcon::Exclamation, message).c_str());
  });
  CExitOnMissingFile onMissing;
  doc->KeepElementsIn(sky::KeptElementsPath(paths.SettingsPath));
  doc->OnNewDocument(onMissing, nullptr, commandLine.DateTime);
  if (!commandLine.Elements.empty()) {
    const sky::ElementsImportResult imported = doc->ImportElements(commandLine.Elements);
    if (!imported.Error.empty()) {
      // One line, without the blanks that pad the message in a box.
      const std::string_view text = imported.Error;
      std::fprintf(err, "stellix: %.*s\n", static_cast<int>(text.find_last_not_of(' ') + 1),
                   text.data());
      status = ToInt(ExitStatus::BadCommandLine);
      return nullptr;
    }
    if (elementsRead) *elementsRead = imported.Read;
  }
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
    case sky::SkyObjectRef::SmallBody:
      json = sky::CardJson(sky::SmallBodyCardOf(*doc, object->Index));
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

int RunGoto(const CommandLine& commandLine, const StartupPaths& paths, std::FILE* out,
            std::FILE* err) {
  const sky::GotoFrame frame = sky::GotoFrameNamed(commandLine.GotoFrame).value();
  const sky::GotoEntry entry = sky::ReadGotoText(frame, commandLine.Goto);
  if (!entry.Error.empty()) {
    std::fprintf(err, "stellix: --goto \"%s\": %s\n", commandLine.Goto.c_str(),
                 entry.Error.c_str());
    return ToInt(ExitStatus::BadCommandLine);
  }
  AppSettings settings;
  int status = 0;
  const std::unique_ptr<CSkyDoc> doc = ScriptDocument(commandLine, paths, settings, err, status);
  if (!doc) return status;
  const std::string json = sky::GotoPlaceJson(sky::GotoPlaceOf(*doc, frame, entry));
  std::fprintf(out, "%s\n", json.c_str());
  return ToInt(std::fflush(out) == 0 ? ExitStatus::Ok : ExitStatus::Failure);
}

namespace {

// A telescope waited on from the command line: its client wakes the
// waiter whenever it reports something or has something to say.
struct MountWaiter {
  std::mutex Lock;
  std::condition_variable Wake;
  std::string Said;
  sky::IndiMount Mount{[this] { Notify(); },
                       [this](const std::string& text) {
                         {
                           std::lock_guard lock(Lock);
                           Said = text;
                         }
                         Wake.notify_all();
                       }};

  void Notify() {
    { std::lock_guard lock(Lock); }
    Wake.notify_all();
  }
  std::string SaidText() {
    std::lock_guard lock(Lock);
    return Said;
  }
  // Waits until `done` holds of the report, something is said, or `seconds` pass.
  bool Until(const std::function<bool(const sky::MountReport&)>& done, int seconds) {
    std::unique_lock lock(Lock);
    Wake.wait_for(lock, std::chrono::seconds(seconds),
                  [&] { return done(Mount.Report()) || !Said.empty(); });
    return done(Mount.Report());
  }
};

constexpr int kServerSeconds = 8;  // a server that is not there is given up within this
constexpr int kSlewMinutes = 3;

}  // namespace

int RunSlew(const CommandLine& commandLine, const StartupPaths& paths, std::FILE* out,
            std::FILE* err) {
  AppSettings settings;
  int status = 0;
  const std::unique_ptr<CSkyDoc> doc = ScriptDocument(commandLine, paths, settings, err, status);
  if (!doc) return status;
  const auto refuse = [&](const std::string& line, ExitStatus why) {
    std::fprintf(err, "stellix: %s\n", line.c_str());
    return ToInt(why);
  };
  const std::optional<sky::SkyObjectRef> object = sky::FindObjectByName(*doc, commandLine.Slew);
  if (!object)
    return refuse("no object is called \"" + commandLine.Slew + "\"", ExitStatus::BadCommandLine);
  // The mount points now, whatever instant --datetime shows.
  const std::int64_t now = std::time(nullptr);
  const sky::MountTarget target = sky::MountTargetOf(*doc, *object, now);
  if (const std::string refusal = sky::MountRefusal(target); !refusal.empty())
    return refuse(target.Name + ": " + refusal, ExitStatus::BadCommandLine);

  const std::string host =
      commandLine.TelescopePort ? commandLine.TelescopeHost : settings.TelescopeHost;
  const int port = commandLine.TelescopePort ? commandLine.TelescopePort : settings.TelescopePort;
  MountWaiter waiter;
  sky::IndiMount& mount = waiter.Mount;
  if (const std::string why = mount.Connect(host, port, kServerSeconds); !why.empty())
    return refuse(why, ExitStatus::BadCommandLine);
  if (!waiter.Until([](const sky::MountReport& r) { return !r.Telescopes.empty(); },
                    kServerSeconds))
    return refuse(res::Format(res::IDS_MOUNT_NO_TELESCOPES, {host, std::to_string(port)}),
                  ExitStatus::BadCommandLine);
  const std::vector<std::string> offered = mount.Report().Telescopes;
  const bool remembered =
      std::find(offered.begin(), offered.end(), settings.TelescopeDevice) != offered.end();
  const std::string device = remembered ? settings.TelescopeDevice : offered.front();
  mount.Choose(device, sky::SiteOf(*doc), sky::MountUtcText(now));
  if (!waiter.Until([](const sky::MountReport& r) { return r.DeviceConnected && r.Pointing; },
                    kServerSeconds))
    return refuse(waiter.SaidText().empty() ? res::Format(res::IDS_MOUNT_NO_ANSWER, device)
                                            : waiter.SaidText(),
                  ExitStatus::BadCommandLine);
  const auto parked = [](const sky::MountReport& r) {
    return r.Motion == sky::MountMotion::Parked || r.Motion == sky::MountMotion::Parking;
  };
  if (parked(mount.Report())) {
    mount.Unpark();
    waiter.Until([&](const sky::MountReport& r) { return !parked(r); }, 60);
  }
  mount.Slew(target.RaDate, target.DecDate);
  waiter.Until([](const sky::MountReport& r) { return r.Motion == sky::MountMotion::Slewing; },
               kServerSeconds);
  const bool ended = waiter.Until(
      [](const sky::MountReport& r) {
        return r.ServerConnected && r.Pointing && r.Motion != sky::MountMotion::Slewing;
      },
      kSlewMinutes * 60);
  if (const std::string said = waiter.SaidText(); !said.empty())
    return refuse(said, ExitStatus::Failure);
  if (!ended)
    return refuse(res::Format(res::IDS_MOUNT_SLEW_TOO_LONG, {device, std::to_string(kSlewMinutes)}),
                  ExitStatus::Failure);
  const sky::MountPointing at = *mount.Report().Pointing;
  mount.Disconnect();
  const std::string json = astro::JsonObject()
                               .AddString("device", device)
                               .AddString("target", target.Name)
                               .AddNumber("raDate", target.RaDate)
                               .AddNumber("decDate", target.DecDate)
                               .AddNumber("ra", at.RaDate)
                               .AddNumber("dec", at.DecDate)
                               .Text();
  std::fprintf(out, "%s\n", json.c_str());
  return ToInt(std::fflush(out) == 0 ? ExitStatus::Ok : ExitStatus::Failure);
}

int RunElements(const CommandLine& commandLine, const StartupPaths& paths, std::FILE* out,
                std::FILE* err) {
  AppSettings settings;
  int status = 0;
  int imported = 0;
  const std::unique_ptr<CSkyDoc> doc =
      ScriptDocument(commandLine, paths, settings, err, status, &imported);
  if (!doc) return status;
  astro::JsonObject json;
  json.AddNumber("read", imported);
  json.AddString("kept", sky::KeptElementsPath(paths.SettingsPath));
  json.AddNumber("bodies", static_cast<double>(doc->Catalogues.SmallBodies.size()));
  std::fprintf(out, "%s\n", json.Text().c_str());
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
