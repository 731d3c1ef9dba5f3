#include "app/command_line.h"

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine cl;
  for (std::size_t i = 0; i < args.size() && cl.Error.empty(); ++i) {
    const std::string& a = args[i];
    const auto value = [&](std::string& out) {
      if (i + 1 >= args.size() || args[i + 1].empty())
        cl.Error = "option " + a + " needs a value";
      else
        out = args[++i];
    };
    if (a == "--help" || a == "-h")
      cl.Help = true;
    else if (a == "--version")
      cl.Version = true;
    else if (a == "--no-splash")
      cl.ShowSplash = false;
    else if (a == "--non-interactive")
      cl.NonInteractive = true;
    else if (a == "--data-dir")
      value(cl.DataDir);
    else if (a == "--settings")
      value(cl.SettingsFile);
    else
      cl.Error = "unknown option " + a;
  }
  return cl;
}

std::string UsageText(const std::string& program) {
  return "Usage: " + program +
         " [options]\n"
         "Stellix shows the sky from any place on Earth at any date and time.\n"
         "\n"
         "Options:\n"
         "  --help               show this text and exit\n"
         "  --version            show the version and exit\n"
         "  --data-dir DIR       read the catalogue and texture files from DIR\n"
         "  --settings FILE      read and write the settings in FILE\n"
         "  --no-splash          start without the splash window\n"
         "  --non-interactive    write messages to standard error as \"ICON: text\"\n"
         "                       and answer them with their default button\n";
}
