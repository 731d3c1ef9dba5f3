// The program's command line.
#pragma once

#include <string>
#include <vector>

struct CommandLine {
  bool Help = false;
  bool Version = false;
  bool ShowSplash = true;       // --no-splash clears it
  bool NonInteractive = false;  // messages go to standard error, answered with their default
  std::string DataDir;          // --data-dir DIR
  std::string SettingsFile;     // --settings FILE
  std::string Error;            // why the command line was refused; empty when it was accepted
};

// Parses the arguments after the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The text of --help.
std::string UsageText(const std::string& program);
