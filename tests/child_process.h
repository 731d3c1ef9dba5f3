// Every process a test starts goes through ChildProcess: it runs in a process
// group of its own with only standard input, output and error open, its
// output goes to files, and its whole group is killed and reaped on every way
// out (the end of the test, a failed assertion, a time-out). When the test
// process itself dies (an abort, a kill), the child dies with it (its
// parent-death signal) and a keeper process kills what is left in its group.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <utility>
#include <vector>

extern char** environ;

// Polls `condition` every 20 ms until it holds or `seconds` have passed;
// whether it held.
inline bool WaitUntil(const std::function<bool()>& condition, double seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

struct ChildOptions {
  // "NAME=value" sets a variable, "NAME" alone removes it from the environment.
  std::vector<std::string> Env{};
  std::string Dir{};             // working directory; the test's own when empty
  std::string In = "/dev/null";  // standard input
  std::string Out{}, Err{};      // files for the output; scratch files when empty
  long FileSizeLimit = -1;       // bytes a file may grow to (RLIMIT_FSIZE), unlimited when < 0
  int KeepOpen = -1;             // a descriptor above 2 the process inherits (Xvfb's -displayfd)
};

// The keeper of a test process's groups: a process of its own that reads
// the ids of the groups the test starts ("+id") and has reaped ("-id") from a
// pipe. The test alone holds the pipe's write end, so however the test ends,
// the keeper then reads the end of the pipe and kills every group still
// listed: what a child left behind (a shell's background job, a program's
// helper) is not the child's to kill once the child is gone. A forked copy of
// the test gets a keeper of its own: the copy has closed its parent's pipe.
class ChildGroupKeeper {
 public:
  // Tells the keeper of this process (started on first use) that group
  // `group` was started (`started`) or has been reaped.
  static void Tell(pid_t group, bool started) {
    // Group 1 or below is no child's: kill(-1) would reach every process.
    if (group <= 1) return;
    Keeper& keeper = Self();
    if (keeper.Owner != ::getpid()) keeper.Start();
    if (keeper.Fd < 0) return;
    const std::int32_t message = started ? group : -group;
    // Four bytes go through a pipe whole; a lost message costs no more than
    // a group left for the keeper's last sweep.
    [[maybe_unused]] const ssize_t written = ::write(keeper.Fd, &message, sizeof message);
  }

  // Ends this process's keeper, if it has one, and reaps it: for a forked
  // copy of the test, which ends without running destructors.
  static void End() { Self().End(); }

 private:
  struct Keeper {
    pid_t Owner = -1, Pid = -1;
    int Fd = -1;  // the pipe's write end; -1 when there is no keeper

    // A test that ends normally leaves no keeper behind for init to reap.
    ~Keeper() { End(); }

    void Start() {
      *this = {::getpid(), -1, -1};
      int fds[2];
      if (::pipe2(fds, O_CLOEXEC) != 0) return;
      Pid = ::fork();
      if (Pid == 0) Run(fds[0]);
      // Also here, before anything else: until the keeper has a group of its
      // own, a kill of the test's group (its parent's reaper) would take it.
      if (Pid > 0) ::setpgid(Pid, Pid);
      ::close(fds[0]);
      if (Pid < 0)
        ::close(fds[1]);
      else
        Fd = fds[1];
    }

    void End() {
      if (Owner != ::getpid() || Fd < 0) return;
      ::close(Fd);
      Fd = -1;
      int status = 0;
      ::waitpid(Pid, &status, 0);
    }

    // The keeper's life. Only async-signal-safe calls: its own group, so
    // that a signal to the test's group leaves it to do its work, and no
    // descriptor but the pipe's reading end.
    [[noreturn]] static void Run(int in) {
      ::setpgid(0, 0);
      ::close_range(0, static_cast<unsigned>(in) - 1, 0);
      ::close_range(static_cast<unsigned>(in) + 1, ~0u, 0);
      constexpr int kMaxGroups = 4096;
      pid_t groups[kMaxGroups];
      int count = 0;
      std::int32_t message;
      while (::read(in, &message, sizeof message) == sizeof message) {
        if (message > 0 && count < kMaxGroups) {
          groups[count++] = message;
        } else {
          for (int i = 0; i < count; ++i)
            if (groups[i] == -message) groups[i--] = groups[--count];
        }
      }
      for (int i = 0; i < count; ++i) ::kill(-groups[i], SIGKILL);
      ::_exit(0);
    }
  };

  static Keeper& Self() {
    static Keeper keeper;
    return keeper;
  }
};

class ChildProcess {
 public:
  static constexpr int kStillRunning = -2;  // Wait's answer while it runs on
  static constexpr int kTimedOut = -3;      // Finish's answer when it had to be killed
  static constexpr int kSignalled = -1;     // it ended by a signal
  static constexpr int kNotStarted = 127;   // it could not be started

  ChildProcess() = default;
  ChildProcess(const std::vector<std::string>& args, ChildOptions options = {}) {
    Start(args, std::move(options));
  }
  // A copy of this process that runs `body` and exits with its answer.
  ChildProcess(const std::function<int()>& body, ChildOptions options = {}) {
    Launch(std::move(options), [&] { return body(); });
  }
  ~ChildProcess() {
    Stop();
    RemoveScratch();
  }
  ChildProcess(ChildProcess&& other) noexcept { *this = std::move(other); }
  ChildProcess& operator=(ChildProcess&& other) noexcept {
    if (this != &other) {
      Stop();
      RemoveScratch();
      pid_ = std::exchange(other.pid_, -1);
      status_ = std::exchange(other.status_, kNotStarted);
      out_ = std::move(other.out_);
      err_ = std::move(other.err_);
      scratch_ = std::move(other.scratch_);
      other.scratch_.clear();
    }
    return *this;
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Whether it started and has not been reaped yet.
  bool Running() const { return pid_ > 0; }
  pid_t Pid() const { return pid_; }

  // Sends `signal` to the process itself (not its group); false when it has ended.
  bool Signal(int signal) const { return pid_ > 0 && ::kill(pid_, signal) == 0; }

  // Waits up to `seconds` for its end: its exit status, kSignalled, or
  // kStillRunning when it runs on (it is left running).
  int Wait(double seconds) {
    WaitUntil([&] { return Reaped(WNOHANG); }, seconds);
    return pid_ > 0 ? kStillRunning : status_;
  }

  // Waits up to `seconds` for its end; when it runs on, its group is killed
  // and the answer is kTimedOut.
  int Finish(double seconds) {
    const int status = Wait(seconds);
    if (status != kStillRunning) return status;
    Stop();
    return kTimedOut;
  }

  // Asks its whole group to end (SIGTERM), so that a server can clean up
  // after itself; kills it when it has not ended within `seconds`.
  void Terminate(double seconds) {
    if (pid_ <= 0) return;
    ::kill(-pid_, SIGTERM);
    if (Wait(seconds) == kStillRunning) Stop();
  }

  // Kills its whole group and reaps it; nothing when it has ended.
  void Stop() {
    if (pid_ <= 0) return;
    ::kill(-pid_, SIGKILL);
    Reaped(0);
    Forget();  // even when it could not be reaped: its id is never used again
    status_ = kSignalled;
  }

  std::string Out() const { return Read(out_); }
  std::string Err() const { return Read(err_); }

 private:
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  // Closes every descriptor from `first` on except `keep`.
  static void CloseFrom(int first, int keep) {
    const auto closeRange = [](unsigned from, unsigned to) {
      if (from > to) return;
      if (::close_range(from, to, 0) != 0)
        for (unsigned fd = from; fd <= std::min(to, 4095u); ++fd) ::close(static_cast<int>(fd));
    };
    if (keep >= first) {
      closeRange(static_cast<unsigned>(first), static_cast<unsigned>(keep) - 1);
      closeRange(static_cast<unsigned>(keep) + 1, ~0u);
    } else {
      closeRange(static_cast<unsigned>(first), ~0u);
    }
  }

  // A scratch file for output nobody named.
  std::string ScratchFile() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "stellix-child-XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return "/dev/null";
    ::close(fd);
    scratch_.push_back(pattern);
    return pattern;
  }
  void RemoveScratch() {
    for (const std::string& path : scratch_) std::remove(path.c_str());
    scratch_.clear();
  }

  // The program's path as the PATH of the test finds it.
  static std::string Resolve(const std::string& name) {
    if (name.find('/') != std::string::npos) return name;
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    for (std::size_t at = 0; at <= dirs.size();) {
      std::size_t end = dirs.find(':', at);
      if (end == std::string::npos) end = dirs.size();
      const std::string candidate = dirs.substr(at, end - at) + "/" + name;
      if (::access(candidate.c_str(), X_OK) == 0) return candidate;
      at = end + 1;
    }
    return name;
  }

  void Start(const std::vector<std::string>& args, ChildOptions options) {
    if (args.empty()) return;
    // Everything the child needs is made before fork: after it only
    // async-signal-safe calls are allowed in a program with threads.
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
      const std::string entry = *e;
      const std::string name = entry.substr(0, entry.find('='));
      bool replaced = false;
      for (const std::string& o : options.Env)
        replaced = replaced || o.substr(0, o.find('=')) == name;
      if (!replaced) env.push_back(entry);
    }
    for (const std::string& o : options.Env)
      if (o.find('=') != std::string::npos) env.push_back(o);
    const std::string program = Resolve(args[0]);
    std::vector<char*> argv, envp;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    Launch(std::move(options), [&] {
      ::execve(program.c_str(), argv.data(), envp.data());
      return kNotStarted;
    });
  }

  // Forks; the child gets its own group, its descriptors and limits, then
  // runs `run` and exits with its answer. It is killed when the thread that
  // started it ends (the parent-death signal follows the forking thread):
  // tests start their processes from the thread that runs the test.
  void Launch(ChildOptions options, const std::function<int()>& run) {
    if (out_.empty()) out_ = options.Out.empty() ? ScratchFile() : options.Out;
    if (err_.empty()) err_ = options.Err.empty() ? ScratchFile() : options.Err;
    const int in = ::open(options.In.c_str(), O_RDONLY | O_CLOEXEC);
    const int out = ::open(out_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int err = ::open(err_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const pid_t parent = ::getpid();
    const pid_t pid = (in >= 0 && out >= 0 && err >= 0) ? ::fork() : -1;
    if (pid == 0) {
      ::setpgid(0, 0);
      // Killed when the test dies; a test that died before this line was
      // reached has already left it an orphan.
      ::prctl(PR_SET_PDEATHSIG, SIGKILL);
      if (::getppid() != parent) ::_exit(kNotStarted);
      if (!options.Dir.empty() && ::chdir(options.Dir.c_str()) != 0) ::_exit(kNotStarted);
      ::dup2(in, 0);
      ::dup2(out, 1);
      ::dup2(err, 2);
      // Every other descriptor closes, so no pipe of the test runner is held open.
      CloseFrom(3, options.KeepOpen);
      if (options.FileSizeLimit >= 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(options.FileSizeLimit),
                           static_cast<rlim_t>(options.FileSizeLimit)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
      }
      const int status = run();
      ChildGroupKeeper::End();
      ::_exit(status);
    }
    for (const int fd : {in, out, err})
      if (fd >= 0) ::close(fd);
    if (pid < 0) {
      status_ = kNotStarted;
      return;
    }
    // Also here, so that the group exists before anybody signals it.
    ::setpgid(pid, pid);
    pid_ = pid;
    ChildGroupKeeper::Tell(pid_, true);
  }

  // The process is reaped: its group is no longer the keeper's to kill.
  void Forget() {
    ChildGroupKeeper::Tell(pid_, false);  // nothing for an id already forgotten
    pid_ = -1;
  }

  // Reaps the process when it has ended (`flags` WNOHANG: without waiting);
  // whether it has. What it left in its group is killed before it is reaped,
  // while its id still names the group.
  bool Reaped(int flags) {
    if (pid_ <= 0) return true;
    siginfo_t info{};
    if (::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOWAIT | flags) != 0 ||
        info.si_pid != pid_)
      return false;
    ::kill(-pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : kSignalled;
    Forget();
    return true;
  }

  pid_t pid_ = -1;
  int status_ = kNotStarted;
  std::string out_, err_;
  std::vector<std::string> scratch_;
};

// A command run to its end (at most `seconds`, then its group is killed):
// its status and what it wrote.
struct ChildRun {
  int Status = ChildProcess::kNotStarted;
  std::string Out, Err;
};

inline ChildRun RunChild(const std::vector<std::string>& args, ChildOptions options = {},
                         double seconds = 120) {
  ChildProcess child(args, std::move(options));
  ChildRun run;
  run.Status = child.Finish(seconds);
  run.Out = child.Out();
  run.Err = child.Err();
  return run;
}

// A shell command line, run the same way.
inline ChildRun RunShell(const std::string& command, ChildOptions options = {},
                         double seconds = 120) {
  return RunChild({"/bin/sh", "-c", command}, std::move(options), seconds);
}
