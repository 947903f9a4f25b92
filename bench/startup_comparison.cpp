#include "bench/startup_comparison.h"

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <thread>

#include "bench/floor_window.h"
#include "e2e/x_session.h"
#include "frames/frame_set.h"

namespace valvetrain {
namespace {

using e2e::Capture;
using e2e::milliseconds;
using Clock = std::chrono::steady_clock;

constexpr char kProgramCaption[] = "Korvane In3Lifts SpaceBar+-/*mouse,. ESC";

bool Matches(const Capture& capture, const std::function<bool(int, int)>& black) {
  if (capture.pixels.empty()) return false;
  for (int y = 0; y < capture.height; ++y) {
    for (int x = 0; x < capture.width; ++x) {
      if ((capture.at(x, y) == 0) != black(x, y)) return false;
      if (capture.at(x, y) != 0 && capture.at(x, y) != 0xFFFFFF) return false;
    }
  }
  return true;
}

void Measure(e2e::XSession& session, const std::string& path, const std::string& caption,
             const std::function<bool(const Capture&)>& shows_picture, StartupFigures& figures) {
  const auto start = Clock::now();
  e2e::ChildProcess process = session.Start({path});
  const xcb_window_t window = session.WaitForWindow(caption, milliseconds(10'000));
  if (window == 0) throw std::runtime_error(path + ": no window");
  while (!shows_picture(session.CaptureArea(window, 2, 2, 200, 400))) {
    if (Clock::now() - start > std::chrono::seconds(10)) {
      throw std::runtime_error(path + ": no picture");
    }
  }
  figures.first_picture_ms.push_back(
      std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  std::this_thread::sleep_until(start + std::chrono::seconds(2));
  figures.resident_mib.push_back(e2e::ResidentMib(process.pid()));
  process.Kill();
}

}  // namespace

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

StartupComparison CompareStartup(const std::string& program, const std::string& floor, int runs) {
  const std::vector<FramePicture> frames = DrawFrameSet();
  const QImage floor_pictures[2] = {FloorWindow::Picture(0), FloorWindow::Picture(1)};
  // Slot 0 is on screen only while the frame table fills; any frame counts.
  const auto shows_a_frame = [&](const Capture& c) {
    for (const FramePicture& frame : frames) {
      if (Matches(c, [&](int x, int y) { return frame.IsBlack(x, y); })) return true;
    }
    return false;
  };
  const auto shows_floor_picture = [&](const Capture& c) {
    for (const QImage& picture : floor_pictures) {
      if (Matches(c, [&](int x, int y) { return qGray(picture.pixel(x, y)) == 0; })) return true;
    }
    return false;
  };

  e2e::XSession session;
  StartupComparison result;
  for (int run = 0; run < runs; ++run) {
    Measure(session, program, kProgramCaption, shows_a_frame, result.program);
    Measure(session, floor, kFloorCaption, shows_floor_picture, result.floor);
  }
  return result;
}

}  // namespace valvetrain
