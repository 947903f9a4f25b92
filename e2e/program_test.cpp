#include "e2e/program_test.h"

#include <thread>

#include "frames/frame_set.h"

namespace valvetrain::e2e {

using Clock = std::chrono::steady_clock;

XSession* ProgramTest::session_ = nullptr;
std::vector<FramePicture> ProgramTest::frames_;

void ProgramTest::SetUpTestSuite() {
  session_ = new XSession();
  if (frames_.empty()) {
    for (int slot = 0; slot < 54; ++slot) frames_.push_back(DrawFrame(slot));
  }
}

void ProgramTest::TearDownTestSuite() {
  delete session_;
  session_ = nullptr;
}

void ProgramTest::SetUp() {
  program_ = session_->Start({VALVETRAIN_PROGRAM});
  window_ = session_->WaitForWindow(kCaption, milliseconds(10'000));
  ASSERT_NE(window_, 0u) << "no window with the caption appeared";
}

int ProgramTest::ShownSlot(int* fewest_differences) {
  const Capture capture = session_->CaptureArea(window_, 2, 2, 200, 400);
  if (capture.pixels.empty()) return -1;
  int fewest = 200 * 400;
  for (int slot = 0; slot < 54; ++slot) {
    int differences = 0;
    for (int y = 0; y < 400 && differences < fewest; ++y) {
      for (int x = 0; x < 200; ++x) {
        differences += capture.at(x, y) != (frames_[slot].IsBlack(x, y) ? 0x000000u : 0xFFFFFFu);
      }
    }
    if (differences == 0) return slot;
    fewest = std::min(fewest, differences);
  }
  if (fewest_differences != nullptr) *fewest_differences = fewest;
  return -1;
}

int ProgramTest::SteadySlot(milliseconds steady, milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  int slot = -2;
  auto since = Clock::now();
  while (Clock::now() < deadline) {
    const int now = ShownSlot();
    if (now != slot) {
      slot = now;
      since = Clock::now();
    } else if (slot >= 0 && Clock::now() - since >= steady) {
      return slot;
    }
    std::this_thread::sleep_for(milliseconds(5));
  }
  return -1;
}

int ProgramTest::NextSlotAfter(int slot, milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (Clock::now() < deadline) {
    const int now = ShownSlot();
    if (now >= 0 && now != slot) return now;
  }
  return -1;
}

void ProgramTest::Key(const std::string& keysym) {
  ASSERT_TRUE(session_->Run({"xdotool", "key", keysym})) << keysym;
}

void ProgramTest::MoveTo(int x, int y) {
  ASSERT_TRUE(session_->Run({"xdotool", "mousemove", "--window", std::to_string(window_),
                             std::to_string(x), std::to_string(y)}));
}

void ProgramTest::MoveBy(int dx, int dy) {
  ASSERT_TRUE(session_->Run(
      {"xdotool", "mousemove_relative", "--", std::to_string(dx), std::to_string(dy)}));
}

void ProgramTest::Click(int repeat) {
  ASSERT_TRUE(session_->Run(
      {"xdotool", "click", "--repeat", std::to_string(repeat), "--delay", "60", "1"}));
}

void ProgramTest::RunAtFullPace() {
  MoveTo(2, 2);
  // The start pace holds until the current one-second pause is over; then passes follow each
  // other in well under a millisecond.
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  int changes = 0, last = ShownSlot();
  auto last_change = Clock::now();
  while (Clock::now() < deadline && changes < 3) {
    const int now = ShownSlot();
    if (now != last) {
      changes = Clock::now() - last_change < milliseconds(200) ? changes + 1 : 1;
      last = now;
      last_change = Clock::now();
    }
  }
  ASSERT_GE(changes, 3) << "the animation did not speed up";
}

}  // namespace valvetrain::e2e
