// The program's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astro/datetime_parse.h"

// The paper of --print-pdf.
enum class PaperSize { A4, Letter };

struct CommandLine {
  bool Help = false;
  bool Version = false;
  bool ShowSplash = true;       // --no-splash clears it
  bool NonInteractive = false;  // messages go to standard error, answered with their default
  // Paths given on the command line are made absolute against the directory
  // the program was started in, before it changes into its data directory.
  std::string DataDir;       // --data-dir DIR
  std::string SettingsFile;  // --settings FILE
  // --datetime: the place's clock time, or an instant (with Z or an
  // offset), instead of the present instant
  std::optional<astro::DateTimeArgument> DateTime;
  // --place NAME: a place of the list for this run only (not saved)
  std::string Place;
  // --centre NAME (or --center): the object the view turns to before the first frame
  std::string CentreName;
  bool Ephemeris = false;  // --ephemeris: print the ephemeris as JSON and exit
  std::string Info;        // --info NAME: print the card of that object as JSON and exit
  std::string Find;        // --find TEXT: print the objects whose names fit TEXT as JSON and exit
  // --goto "RA DEC": print the place these coordinates name as JSON and exit;
  // --frame j2000|date|altaz says what they are (j2000 when not given)
  std::string Goto;
  std::string GotoFrame = "j2000";
  // --slew NAME: point the telescope at NAME, wait for the end of the slew,
  // print where it ended as JSON and exit; --telescope HOST:PORT names its
  // INDI server (the settings' otherwise).
  std::string Slew;
  std::string TelescopeHost;
  int TelescopePort = 0;  // 0 without --telescope
  bool Almanac = false;   // --almanac: print the night's events and the Tonight list as JSON
  // --plot-altitude NAME FILE: draw the altitude plot of that object into a PNG or SVG file and
  // exit
  std::string PlotName, PlotFile;
  std::string RenderFile;  // --render FILE: draw one frame into FILE and exit
  int RenderWidth = 1280;  // --size WxH
  int RenderHeight = 1024;
  // --elements FILE (repeated): orbit files of the Minor Planet Center
  // imported and kept before anything else; alone, the import is reported
  // as JSON and the program exits
  std::vector<std::string> Elements;
  bool Timing = false;  // --timing: report start-up and frame times on standard error
  // --print-pdf FILE.pdf: print the chart of the view into a one-page PDF and exit
  std::string PrintPdfFile;
  PaperSize PrintPaper = PaperSize::A4;  // --page A4|Letter
  bool PrintLandscape = false;           // --landscape
  std::string Error;  // why the command line was refused; empty when it was accepted

  // Whether the program runs without a window: such runs need no display
  // and take the headless start-up path (main). Every mode that draws,
  // prints or writes something and exits belongs here.
  // --elements with no other mode that exits: the import alone.
  bool ElementsOnly() const {
    return !Elements.empty() && !Ephemeris && !Almanac && Info.empty() && Find.empty() &&
           Goto.empty() && RenderFile.empty() && PrintPdfFile.empty();
  }
  bool Headless() const {
    return Ephemeris || Almanac || !Info.empty() || !Find.empty() || !Goto.empty() ||
           !Slew.empty() || !RenderFile.empty() || !PrintPdfFile.empty() || !PlotFile.empty() ||
           !Elements.empty();
  }
};

// Parses the arguments after the program name; relative paths are made
// absolute against the current directory.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The one line that answers a refused command line: the fault, and where
// the options are explained.
std::string RefusalLine(const std::string& program, const std::string& error);

// The text of --help.
std::string UsageText(const std::string& program);
