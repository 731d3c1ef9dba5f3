// The one way tests start processes: a group of its own, only the standard
// descriptors, output in files, a time limit, and nothing left behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "tests/child_process.h"
#include "tests/desktop_session.h"
#include "tests/test_files.h"

namespace {

// Whether process `pid` still runs (a zombie waiting for its reaper does not).
bool Alive(pid_t pid) {
  const std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
  const std::size_t state = stat.rfind(')');
  return pid > 0 && state != std::string::npos && state + 2 < stat.size() && stat[state + 2] != 'Z';
}

TEST(ChildProcess, StatusOutputAndEnvironment) {
  ::setenv("STELLIX_TEST_GONE", "here", 1);
  struct Case {
    std::string Command;
    ChildOptions Options;
    int Status;
    std::string Out, Err;
  } const kCases[] = {
      {"echo out; echo err >&2; exit 3", {}, 3, "out\n", "err\n"},
      {"echo \"$A${STELLIX_TEST_GONE:-unset}\"",
       {.Env = {"A=a", "STELLIX_TEST_GONE"}},
       0,
       "aunset\n",
       ""},
      {"pwd", {.Dir = "/usr"}, 0, "/usr\n", ""},
      {"cat", {.In = "/etc/hostname"}, 0, ReadFile("/etc/hostname"), ""},
      {"kill -KILL $$", {}, ChildProcess::kSignalled, "", ""},
  };
  for (const Case& c : kCases) {
    const ChildRun run = RunShell(c.Command, c.Options);
    EXPECT_EQ(run.Status, c.Status) << c.Command;
    EXPECT_EQ(run.Out, c.Out) << c.Command;
    EXPECT_EQ(run.Err, c.Err) << c.Command;
  }
  ::unsetenv("STELLIX_TEST_GONE");
  // Only the standard descriptors reach the child, not a pipe the test holds
  // (ls reads its own directory through one more, 3).
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  EXPECT_EQ(RunChild({"ls", "/proc/self/fd"}).Out, "0\n1\n2\n3\n");
  ::close(fds[0]);
  ::close(fds[1]);
  EXPECT_EQ(RunChild({"/nonexistent/program"}).Status, ChildProcess::kNotStarted);
}

TEST(ChildProcess, ATimeOutKillsTheWholeGroup) {
  ScratchDir dir;
  const auto start = std::chrono::steady_clock::now();
  // The shell leaves a grandchild behind that would outlive it.
  const ChildRun run = RunShell("sleep 300 & echo $! >'" + dir.File("pid") + "'; wait", {}, 0.5);
  EXPECT_EQ(run.Status, ChildProcess::kTimedOut);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
  const pid_t grandchild = std::stoi(ReadFile(dir.File("pid")));
  EXPECT_TRUE(WaitUntil([&] { return !Alive(grandchild); }, 10)) << "its grandchild is gone";
}

TEST(ChildProcess, WhatAProcessLeftIsKilledWhenItEnds) {
  ScratchDir dir;
  pid_t grandchild = -1;
  {
    ChildProcess child({"/bin/sh", "-c", "sleep 300 & echo $! >'" + dir.File("pid") + "'"});
    EXPECT_EQ(child.Finish(30), 0);
    grandchild = std::stoi(ReadFile(dir.File("pid")));
  }
  EXPECT_TRUE(WaitUntil([&] { return !Alive(grandchild); }, 10));
  {
    // A test that ends early (an assertion) leaves nothing either.
    ChildProcess child({"sleep", "300"});
    grandchild = child.Pid();
    ASSERT_TRUE(Alive(grandchild));
  }
  EXPECT_FALSE(Alive(grandchild));
}

// A process id written by a shell, once the whole line is there.
pid_t PidIn(const std::string& file) {
  std::string text;
  WaitUntil([&] { return !(text = ReadFile(file)).empty() && text.back() == '\n'; }, 30);
  return text.empty() ? -1 : std::stoi(text);
}

TEST(ChildProcess, NothingOutlivesTheTestWhenItIsKilled) {
  ScratchDir dir;
  // A copy of the test starts a shell that leaves a grandchild behind, then
  // dies as a test killed for its time does, with no chance to clean up.
  ChildProcess test([&] {
    ChildProcess shell({"/bin/sh", "-c",
                        "echo $$ >'" + dir.File("shell") + "'; sleep 300 & echo $! >'" +
                            dir.File("sleep") + "'; wait"});
    PidIn(dir.File("sleep"));
    ::kill(::getpid(), SIGKILL);
    return 0;
  });
  EXPECT_EQ(test.Finish(60), ChildProcess::kSignalled);
  const pid_t shell = PidIn(dir.File("shell")), sleep = PidIn(dir.File("sleep"));
  ASSERT_GT(shell, 0);
  ASSERT_GT(sleep, 0);
  EXPECT_TRUE(WaitUntil([&] { return !Alive(shell); }, 10)) << "the child";
  EXPECT_TRUE(WaitUntil([&] { return !Alive(sleep); }, 10)) << "what it left in its group";
}

TEST(ChildProcess, NoSignalReachesAnythingOnceItHasEnded) {
  ChildProcess child({"true"});
  EXPECT_EQ(child.Finish(30), 0);
  EXPECT_FALSE(child.Running());
  EXPECT_FALSE(child.Signal(SIGTERM)) << "no pid -1 or 0 reaches kill()";
  ChildProcess never;
  EXPECT_FALSE(never.Signal(SIGTERM));
  EXPECT_EQ(never.Wait(0), ChildProcess::kNotStarted);
}

TEST(ChildProcess, ACopyOfTheTestRunsAFunction) {
  ChildProcess child([] { return 7; });
  EXPECT_EQ(child.Finish(30), 7);
}

// A desktop of its own: Xvfb that keeps running between clients, its
// window manager, and a program that comes and goes twice on it.
TEST(DesktopSession, AServerThatOutlivesItsClients) {
  DesktopSession desktop;
  ASSERT_TRUE(desktop.Ready()) << desktop.Log();
  for (int i = 0; i < 2; ++i)
    EXPECT_NE(desktop.Output({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}).find("window id"),
              std::string::npos)
        << "client " << i;
  const ChildRun depth = RunChild({"xdpyinfo"}, {.Env = {"DISPLAY=" + desktop.Display()}}, 30);
  EXPECT_NE(depth.Out.find("depth of root window:    24 planes"), std::string::npos) << depth.Out;
}

}  // namespace
