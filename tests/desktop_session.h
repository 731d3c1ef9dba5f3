// A desktop of a test's own: Xvfb on a free display with the openbox window
// manager, where the real program is started and driven by xdotool as a user
// drives it (real key codes and pointer events through the X server). Every
// process runs through ChildProcess, so whatever way the test ends, nothing
// it started outlives it.
#pragma once

#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <string>
#include <string_view>
#include <vector>

#include "tests/child_process.h"

struct DesktopOptions {
  std::string Screen = "1280x1024x24";  // width x height x depth
  bool WindowManager = true;
};

class DesktopSession {
 public:
  explicit DesktopSession(DesktopOptions options = {}) { ready_ = Begin(options); }
  // The window manager, then its server, each given a moment to clean up
  // (the server removes its socket and lock file).
  ~DesktopSession() {
    wm_.Terminate(5);
    xvfb_.Terminate(5);
  }
  DesktopSession(const DesktopSession&) = delete;
  DesktopSession& operator=(const DesktopSession&) = delete;

  bool Ready() const { return ready_; }
  // Why the desktop did not come up: what Xvfb and openbox printed.
  std::string Log() const { return xvfb_.Err() + wm_.Err(); }
  const std::string& Display() const { return display_; }

  // Starts `args` on this desktop.
  ChildProcess Spawn(const std::vector<std::string>& args, ChildOptions options = {}) const {
    options.Env.push_back("DISPLAY=" + display_);
    return ChildProcess(args, std::move(options));
  }

  // Runs `args` on this desktop to its end (at most 30 s) and returns what it printed.
  std::string Output(const std::vector<std::string>& args) const {
    return RunChild(args, {.Env = {"DISPLAY=" + display_}}, 30).Out;
  }

  // xdotool with these arguments; whether it succeeded.
  bool XDo(const std::vector<std::string>& args) const {
    std::vector<std::string> all{"xdotool"};
    all.insert(all.end(), args.begin(), args.end());
    return RunChild(all, {.Env = {"DISPLAY=" + display_}}, 30).Status == 0;
  }

  // What window `id` shows now, as the bytes of its screenshot.
  std::string Picture(const std::string& id) const { return Output({"xwd", "-silent", "-id", id}); }

  // Waits until window `id` shows the same twice in a row; false after `seconds`.
  // A window of one colour all over has not been painted yet, however long
  // it stays so: the program may still be drawing its first frame.
  bool WaitForStill(const std::string& id, double seconds) const {
    std::string last = Picture(id);
    return WaitUntil(
        [&] {
          std::string now = Picture(id);
          const bool still = now == last && !OneColour(now);
          last = std::move(now);
          return still;
        },
        seconds);
  }

  // Waits until window `id` shows something else than `before`; false after `seconds`.
  bool WaitForChange(const std::string& id, const std::string& before, double seconds) const {
    return WaitUntil([&] { return Picture(id) != before; }, seconds);
  }

  // The visible windows whose title matches `title`.
  std::vector<std::string> Windows(const std::string& title) const {
    return Lines(Output({"xdotool", "search", "--onlyvisible", "--name", title}));
  }
  bool Visible(const std::string& title) const { return !Windows(title).empty(); }

  // The first visible window whose title matches `title`, waited for; "" if none came.
  std::string WindowNamed(const std::string& title, double seconds = 60) const {
    std::vector<std::string> found;
    WaitUntil([&] { return !(found = Windows(title)).empty(); }, seconds);
    return found.empty() ? "" : found.front();
  }

  // The first visible window titled `title` once it has the keyboard; "" if
  // none came. Keys sent before then would reach the window under it.
  std::string ActiveWindowNamed(const std::string& title, double seconds = 30) const {
    std::string found;
    WaitUntil(
        [&] {
          const std::string active = Output({"xdotool", "getactivewindow"});
          for (const std::string& id : Windows(title))
            if (active == id + "\n") found = id;
          return !found.empty();
        },
        seconds);
    return found;
  }

  // Waits until no visible window's title matches `title`.
  bool WaitUntilGone(const std::string& title, double seconds = 30) const {
    return WaitUntil([&] { return !Visible(title); }, seconds);
  }

  // The program's visible windows (its main window, dialogs and open menus).
  int ProgramWindows() const {
    return static_cast<int>(
        Lines(Output({"xdotool", "search", "--onlyvisible", "--class", "stellix"})).size());
  }

  // Presses `key` (a menu's key, or a submenu's) and waits until a menu
  // more is open; false when none opened within `seconds`.
  bool OpenMenu(const std::string& key, double seconds = 30) const {
    const int before = ProgramWindows();
    return XDo({"key", key}) && WaitUntil([&] { return ProgramWindows() > before; }, seconds);
  }

 private:
  // Whether an xwd screenshot (its header's fields are big-endian 32-bit
  // numbers) is empty, damaged or all its pixels the same.
  static bool OneColour(const std::string& xwd) {
    const auto field = [&](std::size_t index) -> std::size_t {
      if (xwd.size() < 4 * (index + 1)) return 0;
      std::size_t value = 0;
      for (std::size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(xwd[4 * index + i]);
      return value;
    };
    // A pixel's bytes from the line's length: the header's bits a pixel say 24
    // where each pixel takes 4 bytes.
    const std::size_t width = field(4), height = field(5), lineBytes = field(12),
                      start = field(0) + 12 * field(19);
    const std::size_t pixelBytes = width == 0 ? 0 : lineBytes / width;
    if (pixelBytes == 0 || height == 0 || xwd.size() < start + lineBytes * height) return true;
    const std::string_view first(xwd.data() + start, pixelBytes);
    for (std::size_t y = 0; y < height; ++y)
      for (std::size_t x = 0; x < width; ++x)
        if (std::string_view(xwd.data() + start + y * lineBytes + x * pixelBytes, pixelBytes) !=
            first)
          return false;
    return true;
  }

  static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
      std::size_t end = text.find('\n', at);
      if (end == std::string::npos) end = text.size();
      if (end > at) lines.push_back(text.substr(at, end - at));
      at = end + 1;
    }
    return lines;
  }

  // Xvfb on a display it picks itself (it says which through a pipe), then
  // openbox on it; true once the window manager is up. -noreset: the server
  // stays as it is when its last client leaves, so a program started next
  // never meets a server in the middle of its reset.
  bool Begin(const DesktopOptions& options) {
    int fds[2];
    if (::pipe(fds) != 0) return false;
    xvfb_ = ChildProcess({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                          options.Screen, "-nolisten", "tcp", "-noreset"},
                         {.KeepOpen = fds[1]});
    ::close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    char c;
    while (::poll(&p, 1, 30000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(fds[0]);
    if (number.empty()) return false;
    display_ = ":" + number;
    if (!options.WindowManager) return true;
    wm_ = Spawn({"openbox"});
    // The window manager is up once it has named itself on the root window.
    return WaitUntil(
        [&] {
          return Output({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}).find("window id") !=
                 std::string::npos;
        },
        30);
  }

  ChildProcess xvfb_, wm_;
  std::string display_;
  bool ready_ = false;
};
