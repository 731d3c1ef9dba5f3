// Where the program's data and settings live.
#pragma once

#include <string>

struct DataDirectory {
  std::string Path;        // absolute; empty when no data directory was found
  bool Installed = false;  // found as <prefix>/share/stellix beside an installed program
};

// The data directory: `overrideDir` when given (whether it exists or not),
// else the first of <exeDir>/data (a build tree) and <exeDir>/../share/stellix
// (an installation) that holds the star catalogue.
DataDirectory FindDataDirectory(const std::string& exeDir, const std::string& overrideDir);

// The settings file: `overrideFile` when given; else <data>/<exeBaseName>.INI
// when the data directory is writable and not an installed one (a build tree
// or --data-dir: the settings stay with their data); else the same name in
// the user's configuration directory ($XDG_CONFIG_HOME/stellix, or
// ~/.config/stellix). An installed program never writes into its share
// directory, not even when run by root.
std::string SettingsFilePath(const DataDirectory& data, const std::string& exeBaseName,
                             const std::string& overrideFile);

// The directory of the program's translations (stellix_<language>.qm): the
// first of <exeDir>/data/translations (a build tree) and
// <exeDir>/../share/stellix/translations (an installation) that exists, also
// when --data-dir names other data; empty when there is none.
std::string TranslationsDirectory(const std::string& exeDir);
