// A desktop of a test's own: Xvfb on a free display with the openbox window
// manager, where the real program is started and driven by xdotool as a user
// drives it (real key codes and pointer events through the X server).
#pragma once

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

class DesktopSession {
 public:
  // Several servers starting at once may pick the same display: a desktop
  // that did not come up is made again.
  DesktopSession() {
    for (int attempt = 0; attempt < 3 && !ready_; ++attempt) {
      Stop();
      ready_ = Begin();
    }
  }
  ~DesktopSession() { Stop(); }
  DesktopSession(const DesktopSession&) = delete;
  DesktopSession& operator=(const DesktopSession&) = delete;

  bool Ready() const { return ready_; }

  // Starts `args` on this desktop and returns its process id.
  pid_t Spawn(const std::vector<std::string>& args, bool onDisplay = true) const {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
      if (std::string_view(*e).rfind("DISPLAY=", 0) != 0) env.emplace_back(*e);
    if (onDisplay) env.push_back("DISPLAY=" + display_);
    std::vector<char*> argv, envp;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0) return -1;
    return pid;
  }

  // Runs `args` on this desktop to its end and returns what it printed.
  std::string Output(const std::vector<std::string>& args) const {
    std::string command = "DISPLAY=" + display_ + " timeout 30";
    for (const std::string& a : args) command += " '" + a + "'";
    std::string out;
    if (FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r")) {
      char buffer[256];
      while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
      ::pclose(pipe);
    }
    return out;
  }

  // xdotool with these arguments, then a moment for the program to answer.
  void XDo(const std::vector<std::string>& args) const {
    std::vector<std::string> all{"xdotool"};
    all.insert(all.end(), args.begin(), args.end());
    Output(all);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  }

  // What window `id` shows now, as the bytes of its screenshot.
  std::string Picture(const std::string& id) const { return Output({"xwd", "-silent", "-id", id}); }

  // Waits until window `id` shows the same twice in a row; false after `seconds`.
  bool WaitForStill(const std::string& id, int seconds) const {
    std::string last = Picture(id);
    for (int i = 0; i < seconds * 3; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      std::string now = Picture(id);
      if (!now.empty() && now == last) return true;
      last = std::move(now);
    }
    return false;
  }

  // Waits until window `id` shows something else than `before`; false after `seconds`.
  bool WaitForChange(const std::string& id, const std::string& before, int seconds) const {
    for (int i = 0; i < seconds * 5; ++i) {
      if (Picture(id) != before) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return false;
  }

  // The first visible window whose title matches `title`, waited for; "" if none came.
  std::string WindowNamed(const std::string& title) const {
    // xdotool's search may give up when another window goes while it looks.
    for (int attempt = 0; attempt < 60; ++attempt) {
      const std::string ids =
          Output({"xdotool", "search", "--sync", "--onlyvisible", "--name", title});
      if (!ids.empty()) return ids.substr(0, ids.find('\n'));
      std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    return "";
  }

  static constexpr int kStillRunning = -2;

  // Waits for process `pid` to end; its exit status, or -1 when it died of a
  // signal. When it runs on past `seconds`: kStillRunning, or -1 after killing
  // it when `kill` says so.
  static int WaitForExit(pid_t pid, int seconds, bool kill = true) {
    for (int i = 0; i < seconds * 20; ++i) {
      int status = 0;
      if (::waitpid(pid, &status, WNOHANG) == pid)
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!kill) return kStillRunning;
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    return -1;
  }

 private:
  // Xvfb on a free display, then openbox on it; true once the window manager is up.
  bool Begin() {
    int fds[2];
    if (::pipe(fds) != 0) return false;
    xvfb_ = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24",
                   "-nolisten", "tcp"},
                  false);
    ::close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    char c;
    while (::poll(&p, 1, 10000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(fds[0]);
    if (number.empty()) return false;
    display_ = ":" + number;
    wm_ = Spawn({"openbox"});
    // The window manager is up once it has named itself on the root window.
    for (int i = 0; i < 200; ++i) {
      if (Output({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}).find("window id") !=
          std::string::npos)
        return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }

  void Stop() {
    for (pid_t* pid : {&wm_, &xvfb_})
      if (*pid > 0) {
        ::kill(*pid, SIGTERM);
        ::waitpid(*pid, nullptr, 0);
        *pid = -1;
      }
    display_.clear();
  }

  std::string display_;
  pid_t xvfb_ = -1, wm_ = -1;
  bool ready_ = false;
};
