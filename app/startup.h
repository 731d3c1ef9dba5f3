// What every way of starting the program works out first.
#pragma once

#include <string>

#include "app/command_line.h"
#include "sky/app_settings.h"

class CSkyDoc;

struct StartupPaths {
  std::string InstallDirectory;  // the data directory; empty when it was not found
  std::string SettingsPath;      // absolute path of the settings file
  // Why the program cannot start with these paths (a --data-dir that is not
  // a directory); empty when it can. The program ends with MissingData.
  std::string Error;
};

// The data directory and the settings file for this command line, the
// directory of the executable and its base name.
StartupPaths ResolveStartupPaths(const CommandLine& commandLine, const std::string& exeDir,
                                 const std::string& exeBaseName);

// The Qt platforms to try, in order, as QT_QPA_PLATFORM: the user's choice
// (`userChoice`) or X11, then Qt's offscreen platform, so that a missing or
// unreachable display is noticed by the program instead of ending it inside
// Qt. A headless run with no X display named goes straight to offscreen; a
// window in a Wayland session (`waylandDisplay` set) leaves the choice to Qt
// (the empty string).
std::string QtPlatformList(bool headless, const char* userChoice, const char* display,
                           const char* waylandDisplay);

// --ephemeris: the sky for the document time (--datetime, else the
// computer's clock) and the observer's place from the settings file, as one
// JSON line on `out`. Returns the exit status.
int RunEphemeris(const CommandLine& commandLine, const StartupPaths& paths, std::FILE* out);

// --info NAME: the information card of the object called NAME, for the
// document time and the observer's place and chart mode of the settings
// file, as one JSON line on `out`. The catalogues come from the data
// directory; the working directory is left as it is. An unknown name is one
// line on `err` and status 2; a missing catalogue file its message and 3.
// --almanac: the night beginning on the evening of the document's date at its
// place (sky/tonight.h) as one line of JSON; the settings, the catalogues
// and --place as --info.
int RunAlmanac(const CommandLine& commandLine, const StartupPaths& paths, std::FILE* out,
               std::FILE* err);
int RunInfo(const CommandLine& commandLine, const StartupPaths& paths, std::FILE* out,
            std::FILE* err);
// --find: the objects whose names fit the text, best first (sky::FindMatches),
// as one JSON line on `out` ([] when none fits); the settings, the catalogues
// and --place as --info. A text with nothing to compare (only blanks and
// punctuation) or longer than kFindTextLimit bytes is one line on `err` and
// status 2.
constexpr std::size_t kFindTextLimit = 200;
// --slew: connects to the INDI server of --telescope (or of the settings),
// chooses the settings' telescope (or the first the server offers),
// unparks it if parked, slews it to the object's place of date at the
// present instant, waits until the slew ends and prints the device, the
// target and where the mount then points as JSON. Exit status 2 with one
// line when the object, the server or a telescope cannot be had or the
// object is below the horizon; 1 when the slew fails or lasts too long.
int RunSlew(const CommandLine& commandLine, const StartupPaths& paths, std::FILE* out,
            std::FILE* err);

int RunFind(const CommandLine& commandLine, const StartupPaths& paths, std::FILE* out,
            std::FILE* err);

// --goto: the place the coordinates of the text name in the frame of
// --frame (sky/goto_target.h) at the document's instant, as one JSON line on
// `out`; the settings, the catalogues and --place as --info. Coordinates that
// do not read are one line on `err` naming the field, and status 2.
int RunGoto(const CommandLine& commandLine, const StartupPaths& paths, std::FILE* out,
            std::FILE* err);

// --elements FILE ... alone: the files imported and kept
// (CSkyDoc::ImportElements), then {"read": bodies read, "kept": the kept
// file, "bodies": the comets and minor planets known now} as one line on
// `out`. With --info, --find or --almanac the import comes first. A file
// that cannot be read or is damaged is one line on `err` (file, line and
// field) and status 2, and nothing is kept.
int RunElements(const CommandLine& commandLine, const StartupPaths& paths, std::FILE* out,
                std::FILE* err);

// --place NAME: puts the place of the document's list called NAME into the
// settings (sky::FindPlace) and sets the document time again for its clock:
// the --datetime of the command line, else the present instant. Returns
// the refusal ("no place is called ..."), empty when done or not asked for.
std::string ApplyPlaceOption(const CommandLine& commandLine, CSkyDoc& doc);

// Milliseconds since the kernel started this process (clock-tick resolution).
double MillisecondsSinceProcessStart();
