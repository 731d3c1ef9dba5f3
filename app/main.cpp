#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/command_line.h"
#include "app/exit_status.h"
#include "app/platform.h"
#include "app/quit_signals.h"
#include "app/sky_app.h"
#include "app/startup.h"

int main(int argc, char** argv) {
  // Options that only print need no display, so they are answered before the GUI starts.
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const CommandLine commandLine = ParseCommandLine(args);
  const std::string program =
      argc > 0 ? std::filesystem::path(argv[0]).filename().string() : std::string("stellix");
  if (!commandLine.Error.empty()) {
    std::fputs(RefusalLine(program, commandLine.Error).c_str(), stderr);
    return ToInt(ExitStatus::BadCommandLine);
  }
  if (commandLine.Help) {
    std::fputs(UsageText(program).c_str(), stdout);
    return ToInt(ExitStatus::Ok);
  }
  if (commandLine.Version) {
    std::printf("Stellix %s\n", STELLIX_VERSION);
    return ToInt(ExitStatus::Ok);
  }

  std::error_code ec;
  const auto exe = std::filesystem::canonical("/proc/self/exe", ec);
  const StartupPaths paths = ResolveStartupPaths(commandLine, exe.parent_path().string(), program);
  const auto refuseDataDirectory = [&] {
    std::fprintf(stderr, "%s: %s\n", program.c_str(), paths.Error.c_str());
    return ToInt(ExitStatus::MissingData);
  };
  // A run that would open the window refuses in a message box as well, once
  // the display is there (CSkyApp): started from a desktop's menu, nobody
  // reads standard error.
  const bool window = !commandLine.Headless() && !commandLine.NonInteractive;
  if (!paths.Error.empty() && !window) return refuseDataDirectory();
  if (commandLine.Ephemeris) return RunEphemeris(commandLine, paths, stdout);
  if (!commandLine.Info.empty()) return RunInfo(commandLine, paths, stdout, stderr);
  if (!commandLine.Find.empty()) return RunFind(commandLine, paths, stdout, stderr);
  if (!commandLine.Goto.empty()) return RunGoto(commandLine, paths, stdout, stderr);
  if (!commandLine.Slew.empty()) return RunSlew(commandLine, paths, stdout, stderr);
  if (commandLine.Almanac) return RunAlmanac(commandLine, paths, stdout, stderr);
  if (commandLine.ElementsOnly()) return RunElements(commandLine, paths, stdout, stderr);

  // The printed chart and the altitude plot need no display at all: Qt's
  // offscreen platform draws them.
  if (!commandLine.PrintPdfFile.empty() || !commandLine.PlotFile.empty())
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Headless runs come up on Qt's offscreen platform when there is no
  // display; a window cannot, and says so in one line.
  KeepFreedMemoryForReuse();
  CPlatformChoice platform(commandLine.Headless());
  CQuitOnSignals::HoldBack();
  CSkyApp app(argc, argv, commandLine);
  if (!platform.Settle() && !commandLine.Headless()) {
    if (!paths.Error.empty()) return refuseDataDirectory();
    std::fprintf(stderr, "%s: cannot connect to the display (%s)\n", program.c_str(),
                 CPlatformChoice::NoDisplayReason().c_str());
    return ToInt(ExitStatus::NoDisplay);
  }
  if (!app.InitInstance()) {
    CQuitOnSignals::Release();
    return app.ExitCode();
  }
  return app.ExitInstance(app.exec());
}
