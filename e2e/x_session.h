// A private X session for end-to-end tests: an Xvfb server on a display of its own, the
// openbox window manager, and child processes started on that display.
#pragma once

#include <xcb/xcb.h>
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace valvetrain::e2e {

using std::chrono::milliseconds;

// A child process, killed (with its process group) if it is still running when destroyed.
class ChildProcess {
 public:
  ChildProcess() = default;
  ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env,
               int stdout_fd = -1, int stderr_fd = -1, int keep_fd = -1);
  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&& other) noexcept;
  ~ChildProcess();

  pid_t pid() const { return pid_; }
  bool running();
  // The exit status, or nullopt if the process is still running after `timeout` or died by a
  // signal (then `signal` says which).
  std::optional<int> WaitForExit(milliseconds timeout);
  int signal() const { return signal_; }
  void Kill();

 private:
  pid_t pid_ = -1;
  bool reaped_ = false;
  int status_ = 0;
  int signal_ = 0;
};

// The environment of this process with `overrides` ("NAME=value", or "NAME" to remove).
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& overrides);

// Runs a command to its end; returns its exit status (-1 if it did not end in `timeout`) and
// what it wrote to standard error.
struct CommandResult {
  int status = -1;
  bool signalled = false;
  std::string standard_error;
};
CommandResult RunCommand(const std::vector<std::string>& argv,
                         const std::vector<std::string>& env, milliseconds timeout);

// The resident memory of process `pid` in MiB (VmRSS), or -1 if it cannot be read.
double ResidentMib(pid_t pid);

struct Geometry {
  int x = 0, y = 0, width = 0, height = 0;
};

// Pixels of a window area as 0xRRGGBB, row by row.
struct Capture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t at(int x, int y) const { return pixels[y * width + x]; }
};

class XSession {
 public:
  // Starts Xvfb (1024 x 768, 24 bits) and openbox, and waits until both are ready.
  XSession();
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  const std::string& display() const { return display_; }
  std::vector<std::string> Environment() const;

  // Starts `argv` on this display.
  ChildProcess Start(const std::vector<std::string>& argv) const;

  // Runs an X client (xdotool, ...) on this display to its end; true if it exited with 0.
  bool Run(const std::vector<std::string>& argv) const;

  // The client window whose _NET_WM_NAME is `caption` once it is mapped, or 0 on time-out.
  xcb_window_t WaitForWindow(const std::string& caption, milliseconds timeout);
  bool WindowExists(xcb_window_t window);

  Geometry GetGeometry(xcb_window_t window);
  // Position of `window`'s top-left corner on the screen.
  Geometry RootPosition(xcb_window_t window);
  std::vector<std::uint32_t> Property32(xcb_window_t window, const std::string& name);
  std::string PropertyString(xcb_window_t window, const std::string& name);
  Capture CaptureArea(xcb_window_t window, int x, int y, int width, int height);

  // Sends the window system's close request (WM_DELETE_WINDOW), as a window manager or a
  // session manager does.
  void SendCloseRequest(xcb_window_t window);

  xcb_atom_t Atom(const std::string& name);
  xcb_window_t Root() const { return root_; }

 private:
  xcb_window_t FindByName(xcb_window_t parent, const std::string& caption);

  ChildProcess xvfb_;
  ChildProcess openbox_;
  std::string display_;
  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = 0;
};

}  // namespace valvetrain::e2e
