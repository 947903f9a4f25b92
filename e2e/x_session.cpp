#include "e2e/x_session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace valvetrain::e2e {
namespace {

using Clock = std::chrono::steady_clock;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> Own(T* reply) {
  return Reply<T>(reply, &std::free);
}

std::vector<char*> CStrings(const std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (const std::string& s : strings) out.push_back(const_cast<char*>(s.c_str()));
  out.push_back(nullptr);
  return out;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const std::vector<std::string>& env, int stdout_fd, int stderr_fd,
                           int keep_fd) {
  std::vector<char*> args = CStrings(argv);
  std::vector<char*> envp = CStrings(env);
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    setpgid(0, 0);
    const int null_fd = open("/dev/null", O_RDWR);
    dup2(null_fd, 0);
    dup2(stdout_fd >= 0 ? stdout_fd : null_fd, 1);
    dup2(stderr_fd >= 0 ? stderr_fd : null_fd, 2);
    if (keep_fd >= 0) fcntl(keep_fd, F_SETFD, 0);
    execvpe(args[0], args.data(), envp.data());
    _exit(127);
  }
  setpgid(pid_, pid_);
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept { *this = std::move(other); }

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this != &other) {
    Kill();
    pid_ = other.pid_;
    reaped_ = other.reaped_;
    status_ = other.status_;
    signal_ = other.signal_;
    other.pid_ = -1;
  }
  return *this;
}

ChildProcess::~ChildProcess() { Kill(); }

bool ChildProcess::running() {
  if (pid_ < 0 || reaped_) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) == pid_) {
    reaped_ = true;
    status_ = status;
    if (WIFSIGNALED(status)) signal_ = WTERMSIG(status);
    return false;
  }
  return true;
}

std::optional<int> ChildProcess::WaitForExit(milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (running()) {
    if (Clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(milliseconds(2));
  }
  if (pid_ < 0 || !WIFEXITED(status_)) return std::nullopt;
  return WEXITSTATUS(status_);
}

void ChildProcess::Kill() {
  if (pid_ < 0) return;
  if (running()) {
    ::kill(-pid_, SIGKILL);
    ::kill(pid_, SIGKILL);
    waitpid(pid_, &status_, 0);
    reaped_ = true;
  }
  pid_ = -1;
}

std::vector<std::string> EnvironmentWith(const std::vector<std::string>& overrides) {
  std::vector<std::string> env;
  auto name_of = [](const std::string& entry) { return entry.substr(0, entry.find('=')); };
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    bool replaced = false;
    for (const std::string& o : overrides) replaced = replaced || name_of(o) == name_of(entry);
    if (!replaced) env.push_back(entry);
  }
  for (const std::string& o : overrides) {
    if (o.find('=') != std::string::npos) env.push_back(o);
  }
  return env;
}

CommandResult RunCommand(const std::vector<std::string>& argv,
                         const std::vector<std::string>& env, milliseconds timeout) {
  int pipe_fds[2];
  if (pipe2(pipe_fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  ChildProcess child(argv, env, -1, pipe_fds[1]);
  close(pipe_fds[1]);
  CommandResult result;
  const auto deadline = Clock::now() + timeout;
  char buffer[4096];
  for (;;) {
    const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) break;
    pollfd p{pipe_fds[0], POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left)) <= 0) break;
    const ssize_t n = read(pipe_fds[0], buffer, sizeof buffer);
    if (n <= 0) break;
    result.standard_error.append(buffer, static_cast<size_t>(n));
  }
  close(pipe_fds[0]);
  const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
  const std::optional<int> status = child.WaitForExit(std::max(left, milliseconds(0)));
  result.status = status.value_or(-1);
  result.signalled = child.signal() != 0;
  return result;
}

double ResidentMib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;  // kB
  }
  return -1;
}

XSession::XSession() {
  int ready[2];
  if (pipe2(ready, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  xvfb_ = ChildProcess({"Xvfb", "-displayfd", std::to_string(ready[1]), "-screen", "0",
                        "1024x768x24", "-nolisten", "tcp", "-noreset"},
                       EnvironmentWith({}), -1, -1, ready[1]);
  close(ready[1]);
  std::string number;
  pollfd p{ready[0], POLLIN, 0};
  char c;
  while (poll(&p, 1, 10'000) > 0 && read(ready[0], &c, 1) == 1 && c != '\n') number += c;
  close(ready[0]);
  if (number.empty()) throw std::runtime_error("Xvfb did not start");
  display_ = ":" + number;

  connection_ = xcb_connect(display_.c_str(), nullptr);
  if (xcb_connection_has_error(connection_)) throw std::runtime_error("cannot connect to Xvfb");
  root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;

  openbox_ = Start({"openbox", "--sm-disable"});
  const auto deadline = Clock::now() + std::chrono::seconds(10);
  while (Property32(root_, "_NET_SUPPORTING_WM_CHECK").empty()) {
    if (Clock::now() > deadline) throw std::runtime_error("openbox did not start");
    std::this_thread::sleep_for(milliseconds(20));
  }
}

XSession::~XSession() {
  if (connection_ != nullptr) xcb_disconnect(connection_);
  openbox_.Kill();
  xvfb_.Kill();
}

std::vector<std::string> XSession::Environment() const {
  return EnvironmentWith({"DISPLAY=" + display_, "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
}

ChildProcess XSession::Start(const std::vector<std::string>& argv) const {
  return ChildProcess(argv, Environment());
}

bool XSession::Run(const std::vector<std::string>& argv) const {
  return RunCommand(argv, Environment(), std::chrono::seconds(10)).status == 0;
}

xcb_atom_t XSession::Atom(const std::string& name) {
  auto reply = Own(xcb_intern_atom_reply(
      connection_,
      xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(name.size()), name.c_str()),
      nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::vector<std::uint32_t> XSession::Property32(xcb_window_t window, const std::string& name) {
  auto reply = Own(xcb_get_property_reply(
      connection_, xcb_get_property(connection_, 0, window, Atom(name), XCB_GET_PROPERTY_TYPE_ANY,
                                    0, 1024),
      nullptr));
  if (!reply || reply->format != 32) return {};
  const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return std::vector<std::uint32_t>(data, data + xcb_get_property_value_length(reply.get()) / 4);
}

std::string XSession::PropertyString(xcb_window_t window, const std::string& name) {
  auto reply = Own(xcb_get_property_reply(
      connection_, xcb_get_property(connection_, 0, window, Atom(name), XCB_GET_PROPERTY_TYPE_ANY,
                                    0, 1024),
      nullptr));
  if (!reply || reply->format != 8) return {};
  const auto* data = static_cast<const char*>(xcb_get_property_value(reply.get()));
  return std::string(data, static_cast<size_t>(xcb_get_property_value_length(reply.get())));
}

xcb_window_t XSession::FindByName(xcb_window_t parent, const std::string& caption) {
  auto tree = Own(xcb_query_tree_reply(connection_, xcb_query_tree(connection_, parent), nullptr));
  if (!tree) return 0;
  const xcb_window_t* children = xcb_query_tree_children(tree.get());
  for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
    if (PropertyString(children[i], "_NET_WM_NAME") == caption) {
      auto attributes = Own(xcb_get_window_attributes_reply(
          connection_, xcb_get_window_attributes(connection_, children[i]), nullptr));
      if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE) return children[i];
    }
    if (xcb_window_t found = FindByName(children[i], caption)) return found;
  }
  return 0;
}

xcb_window_t XSession::WaitForWindow(const std::string& caption, milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    if (xcb_window_t window = FindByName(root_, caption)) return window;
    if (Clock::now() >= deadline) return 0;
    std::this_thread::sleep_for(milliseconds(5));
  }
}

bool XSession::WindowExists(xcb_window_t window) {
  auto reply = Own(xcb_get_window_attributes_reply(
      connection_, xcb_get_window_attributes(connection_, window), nullptr));
  return reply != nullptr;
}

Geometry XSession::GetGeometry(xcb_window_t window) {
  auto reply =
      Own(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
  if (!reply) return {};
  return {reply->x, reply->y, reply->width, reply->height};
}

Geometry XSession::RootPosition(xcb_window_t window) {
  auto reply = Own(xcb_translate_coordinates_reply(
      connection_, xcb_translate_coordinates(connection_, window, root_, 0, 0), nullptr));
  if (!reply) return {};
  return {reply->dst_x, reply->dst_y, 0, 0};
}

Capture XSession::CaptureArea(xcb_window_t window, int x, int y, int width, int height) {
  auto reply = Own(xcb_get_image_reply(
      connection_,
      xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<std::int16_t>(x),
                    static_cast<std::int16_t>(y), static_cast<std::uint16_t>(width),
                    static_cast<std::uint16_t>(height), ~0u),
      nullptr));
  Capture capture;
  if (!reply) return capture;
  // Xvfb at depth 24 stores a pixel in 32 bits, blue in the lowest byte.
  const auto* data = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(reply.get()));
  capture.width = width;
  capture.height = height;
  capture.pixels.reserve(static_cast<size_t>(width) * height);
  for (int i = 0; i < width * height; ++i) capture.pixels.push_back(data[i] & 0xFFFFFF);
  return capture;
}

void XSession::SendCloseRequest(xcb_window_t window) {
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = window;
  event.type = Atom("WM_PROTOCOLS");
  event.data.data32[0] = Atom("WM_DELETE_WINDOW");
  event.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(connection_);
}

}  // namespace valvetrain::e2e
