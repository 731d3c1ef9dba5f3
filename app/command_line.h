// The program's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astro/astro_state.h"

// The paper of --print-pdf.
enum class PaperSize { A4, Letter };

struct CommandLine {
  bool Help = false;
  bool Version = false;
  bool ShowSplash = true;       // --no-splash clears it
  bool NonInteractive = false;  // messages go to standard error, answered with their default
  std::string DataDir;          // --data-dir DIR
  std::string SettingsFile;     // --settings FILE
  // --datetime: the sky's local time instead of the computer's clock
  std::optional<astro::CivilTime> DateTime;
  bool Ephemeris = false;  // --ephemeris: print the ephemeris as JSON and exit
  std::string RenderFile;  // --render FILE.png: draw one frame into FILE.png and exit
  int RenderWidth = 1280;  // --size WxH
  int RenderHeight = 1024;
  bool Timing = false;  // --timing: report start-up and frame times on standard error
  // --print-pdf FILE.pdf: print the chart of the view into a one-page PDF and exit
  std::string PrintPdfFile;
  PaperSize PrintPaper = PaperSize::A4;  // --page A4|Letter
  bool PrintLandscape = false;           // --landscape
  std::string Error;  // why the command line was refused; empty when it was accepted
};

// Parses the arguments after the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The text of --help.
std::string UsageText(const std::string& program);
