// The program's exit statuses. --help prints this table; the manual page and
// the README list the same numbers and meanings (a test compares them).
#pragma once

enum class ExitStatus : int {
  Ok = 0,
  Failure = 1,         // the settings could not be saved, or another run-time failure
  BadCommandLine = 2,  // an unknown option, a bad value, an output that cannot be written
  MissingData = 3,     // the data directory or a catalogue file is missing; too few colours
  NoDisplay = 4,       // the window has no display to go on
  NoOpenGL = 5,        // no OpenGL rendering context could be made
};

struct ExitStatusMeaning {
  ExitStatus Status;
  const char* Meaning;
};

inline constexpr ExitStatusMeaning kExitStatuses[] = {
    {ExitStatus::Ok, "success"},
    {ExitStatus::Failure, "the settings could not be saved, or another failure"},
    {ExitStatus::BadCommandLine,
     "the command line was refused, or its output file cannot be written"},
    {ExitStatus::MissingData,
     "the data directory or a catalogue file is missing, or the display shows 256 colours or "
     "fewer"},
    {ExitStatus::NoDisplay, "no display to show the window on"},
    {ExitStatus::NoOpenGL, "no OpenGL rendering context could be made"},
};

constexpr int ToInt(ExitStatus status) { return static_cast<int>(status); }
