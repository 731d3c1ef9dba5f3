// Where the program's data and settings live.
#pragma once

#include <string>

// The data directory: `overrideDir` when given, else the first of
// <exeDir>/data (a build tree) and <exeDir>/../share/stellix (an installation)
// that holds the star catalogue; empty when none does.
std::string FindDataDirectory(const std::string& exeDir, const std::string& overrideDir);

// The settings file: `overrideFile` when given; else <dataDir>/<exeBaseName>.INI
// when the data directory is writable; else the same name in the user's
// configuration directory ($XDG_CONFIG_HOME/stellix, or ~/.config/stellix).
std::string SettingsFilePath(const std::string& dataDir, const std::string& exeBaseName,
                             const std::string& overrideFile);
