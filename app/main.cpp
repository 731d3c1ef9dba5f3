#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/command_line.h"
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
    std::fprintf(stderr, "%s: %s\n%s", program.c_str(), commandLine.Error.c_str(),
                 UsageText(program).c_str());
    return 2;
  }
  if (commandLine.Help) {
    std::fputs(UsageText(program).c_str(), stdout);
    return 0;
  }
  if (commandLine.Version) {
    std::printf("Stellix %s\n", STELLIX_VERSION);
    return 0;
  }

  if (commandLine.Ephemeris) {
    std::error_code ec;
    const auto exe = std::filesystem::canonical("/proc/self/exe", ec);
    return RunEphemeris(
        commandLine, ResolveStartupPaths(commandLine, exe.parent_path().string(), program), stdout);
  }

  // The printed chart needs no display: Qt's offscreen platform draws it.
  if (!commandLine.PrintPdfFile.empty()) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);

  CQuitOnSignals::HoldBack();
  CSkyApp app(argc, argv, commandLine);
  if (!app.InitInstance()) {
    CQuitOnSignals::Release();
    return app.ExitCode();
  }
  return app.ExitInstance(app.exec());
}
