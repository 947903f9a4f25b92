// Keyboard and pointer commands through real X input, checked on screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <thread>

#include "e2e/program_test.h"

namespace valvetrain::e2e {
namespace {

using Clock = std::chrono::steady_clock;

int Phase(int slot) { return slot % 18; }
int Setting(int slot) { return slot / 18; }
int PhaseStep(int from, int to) { return (Phase(to) - Phase(from) + 18) % 18; }

class InputTest : public ProgramTest {
 protected:
  // Stops the cam at full pace with "+" then "*"; the slot it stopped on.
  int StopAtFullPace() {
    RunAtFullPace();
    Key("plus");
    Key("asterisk");
    return SteadySlot();
  }
};

TEST_F(InputTest, KeysStopStepAndSwitchTheLiftSetting) {
  const int stopped = StopAtFullPace();
  ASSERT_GE(stopped, 0) << "\"+\" then \"*\" should stop the cam in place";
  ASSERT_EQ(Setting(stopped), 0);

  const struct {
    const char* key;
    int phase_step, setting;
  } steps[] = {
      {"period", 1, 0},  // step forward
      {"slash", 17, 0},  // step back
      {"space", 0, 1},   {"space", 0, 2}, {"space", 0, 1}, {"space", 0, 0},
  };
  int slot = stopped;
  for (const auto& step : steps) {
    Key(step.key);
    const int now = SteadySlot();
    ASSERT_GE(now, 0) << step.key;
    EXPECT_EQ(PhaseStep(slot, now), step.phase_step) << step.key << ": " << slot << " -> " << now;
    EXPECT_EQ(Setting(now), step.setting) << step.key;
    slot = now;
  }
}

TEST_F(InputTest, MinusRunsBackward) {
  MoveTo(201, 401);  // the slowest pace the surface offers: about 16 ms a pass
  Key("minus");
  std::vector<int> seen;
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  while (seen.size() < 8 && Clock::now() < deadline) {
    const int slot = ShownSlot();
    if (slot >= 0 && (seen.empty() || slot != seen.back())) seen.push_back(slot);
  }
  ASSERT_GE(seen.size(), 8u);
  // The first change may still be the forward run that the key ended.
  for (size_t i = 2; i < seen.size(); ++i) {
    EXPECT_EQ(PhaseStep(seen[i - 1], seen[i]), 17) << seen[i - 1] << " -> " << seen[i];
  }
}

TEST_F(InputTest, ManualModeStepsWithThePointerAndASecondClickRestoresTheRunState) {
  const int stopped = StopAtFullPace();
  ASSERT_GE(stopped, 0);
  MoveTo(100, 100);
  Click();  // manual mode, saving the stopped state
  MoveBy(0, 20);  // down: one phase forward
  const int forward = SteadySlot();
  EXPECT_EQ(PhaseStep(stopped, forward), 1);
  MoveBy(0, -10);  // up: one phase back
  const int back = SteadySlot();
  EXPECT_EQ(back, stopped);
  Click();  // auto mode again: stopped, as before the first click
  MoveBy(30, 30);
  EXPECT_EQ(SteadySlot(milliseconds(500)), stopped);
}

TEST_F(InputTest, EscapeEndsWithStatusZero) {
  RunAtFullPace();
  const auto pressed = Clock::now();
  Key("Escape");
  const std::optional<int> status = program_.WaitForExit(milliseconds(1000));
  const auto elapsed = std::chrono::duration<double, std::milli>(Clock::now() - pressed);
  ASSERT_TRUE(status.has_value()) << "still running after Escape";
  EXPECT_EQ(*status, 0);
  std::printf("Escape to exit: %.1f ms (xdotool included)\n", elapsed.count());
}

TEST_F(InputTest, DoubleClickEndsWithStatusZero) {
  RunAtFullPace();
  Click(2);
  const std::optional<int> status = program_.WaitForExit(milliseconds(1000));
  ASSERT_TRUE(status.has_value()) << "still running after a double-click";
  EXPECT_EQ(*status, 0);
}

TEST_F(InputTest, KeyPressToChangedPictureAtFullPace) {
  int slot = StopAtFullPace();
  ASSERT_GE(slot, 0);
  std::vector<double> latencies;
  for (int i = 0; i < 7; ++i) {
    const auto pressed = Clock::now();
    Key("period");
    const int next = NextSlotAfter(slot);
    latencies.push_back(std::chrono::duration<double, std::milli>(Clock::now() - pressed).count());
    ASSERT_EQ(PhaseStep(slot, next), 1);
    slot = next;
  }
  // What xdotool itself takes for a key that changes nothing.
  std::vector<double> xdotool;
  for (int i = 0; i < 7; ++i) {
    const auto pressed = Clock::now();
    Key("a");
    xdotool.push_back(std::chrono::duration<double, std::milli>(Clock::now() - pressed).count());
  }
  std::sort(latencies.begin(), latencies.end());
  std::sort(xdotool.begin(), xdotool.end());
  const double median = latencies[latencies.size() / 2], tool = xdotool[xdotool.size() / 2];
  std::printf("key press to changed picture: median %.1f ms (range %.1f .. %.1f), of which "
              "xdotool itself %.1f ms: %.1f ms in the program and the X server\n",
              median, latencies.front(), latencies.back(), tool, median - tool);
  EXPECT_LT(median, 250.0);
}

}  // namespace
}  // namespace valvetrain::e2e
