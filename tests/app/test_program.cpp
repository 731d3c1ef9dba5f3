// The program as a user starts it: options, messages and exit statuses.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/sky_doc.h"
#include "tests/test_files.h"

namespace {

struct ProgramRun {
  int status = -1;
  std::string out, err;
};

ProgramRun RunProgram(const ScratchDir& dir, const std::string& args) {
  const std::string command = std::string("'") + STELLIX_PROGRAM + "' " + args + " >'" +
                              dir.File("stdout") + "' 2>'" + dir.File("stderr") + "' </dev/null";
  const int raw = std::system(command.c_str());
  ProgramRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = ReadFile(dir.File("stdout"));
  run.err = ReadFile(dir.File("stderr"));
  return run;
}

TEST(Program, HelpVersionAndBadOptions) {
  ScratchDir dir;
  const ProgramRun help = RunProgram(dir, "--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--data-dir DIR"), std::string::npos) << help.out;
  EXPECT_NE(help.out.find("--non-interactive"), std::string::npos);

  const ProgramRun version = RunProgram(dir, "--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("Stellix ", 0), 0u) << version.out;

  const ProgramRun bad = RunProgram(dir, "--frobnicate");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("unknown option --frobnicate"), std::string::npos) << bad.err;

  const ProgramRun missingValue = RunProgram(dir, "--data-dir");
  EXPECT_EQ(missingValue.status, 2);
}

TEST(Program, MissingCatalogueEndsWithItsMessageAndSavesNothing) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display (run under xvfb-run)";
  for (const char* missing : {"bsc5.bin", "cnstline.bin", "magellan.bin"}) {
    ScratchDir dir;
    std::filesystem::create_directory(dir.Path() / "data");
    for (const char* name : kCatalogueFiles)
      if (std::string(name) != missing) dir.Write(std::string("data/") + name, "");
    const std::string settings = dir.File("stellix.INI");
    const ProgramRun run =
        RunProgram(dir, "--non-interactive --no-splash --data-dir '" + dir.File("data") +
                            "' --settings '" + settings + "'");
    EXPECT_EQ(run.status, 3) << missing;
    // Qt may write its own diagnostics to standard error too; the message is one whole line.
    const std::string line = std::string("stop: Can't open \"") + missing + "\" file !   \n";
    EXPECT_TRUE(run.err.rfind(line, 0) == 0 || run.err.find("\n" + line) != std::string::npos)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(settings)) << "nothing may be saved";
  }
}

}  // namespace
