#include "controller/animation_controller.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace valvetrain {

// In these tests a holder's picture is just its holder number.
class HolderPicture {
 public:
  int number = 0;
};

namespace {

// Records what the controller asks of the window, in order: "show N" for holder N's picture
// and "events" for each event processing. `on_events` plays the input handlers.
class FakeWindow final : public WindowPort {
 public:
  FakeWindow() {
    for (int i = 0; i < kFrameHolders; ++i) holders_[i].number = i + 1;
  }

  const HolderPicture* Image(int number) const override { return &holders_.at(number - 1); }
  void Show(const HolderPicture* picture) override {
    log.push_back("show " + std::to_string(picture->number));
  }
  void ProcessPendingEvents() override {
    log.push_back("events");
    ++event_processings;
    if (on_events) on_events();
  }
  bool Ended() const override { return ended; }

  std::vector<std::string> log;
  int event_processings = 0;
  std::function<void()> on_events;
  bool ended = false;

 private:
  std::array<HolderPicture, kFrameHolders> holders_;
};

// Counts steps without waiting.
class CountingClock final : public StepClock {
 public:
  void Begin() override {
    ++counts;
    last_step = 0;
  }
  void AwaitStep(std::int64_t step) override {
    EXPECT_EQ(step, last_step + 1) << "steps must come in order";
    last_step = step;
    ++steps;
  }
  int counts = 0;
  std::int64_t steps = 0;
  std::int64_t last_step = 0;
};

// Shown holder numbers in the log, in order.
std::vector<int> ShownHolders(const std::vector<std::string>& log) {
  std::vector<int> shown;
  for (const std::string& entry : log) {
    if (entry.rfind("show ", 0) == 0) shown.push_back(std::stoi(entry.substr(5)));
  }
  return shown;
}

TEST(StartUpTest, ShowsSlotZeroFirstThenLoadsWithOneEventProcessingPerHolder) {
  FakeWindow window;
  CountingClock clock;
  AnimationController controller(window, clock);

  ASSERT_TRUE(controller.StartUp());

  ASSERT_FALSE(window.log.empty());
  EXPECT_EQ(window.log.front(), "show 1") << "slot 0 must be shown before any event processing";
  EXPECT_EQ(window.log.size(), 1u + 53u);
  EXPECT_EQ(window.event_processings, 53);
  for (int slot = 0; slot < kFrameSlots; ++slot) {
    EXPECT_EQ(controller.frames()[slot], window.Image(slot + 1)) << "slot " << slot;
  }
  EXPECT_EQ(clock.counts, 0) << "start-up does not pause";
}

TEST(StartUpTest, HoldersAreStoredOneBeforeEachEventProcessing) {
  FakeWindow window;
  CountingClock clock;
  AnimationController controller(window, clock);
  std::vector<int> stored_at_processing;
  window.on_events = [&] {
    int stored = 0;
    while (stored < kFrameSlots && controller.frames()[stored] != nullptr) ++stored;
    stored_at_processing.push_back(stored);
  };

  controller.StartUp();

  ASSERT_EQ(stored_at_processing.size(), 53u);
  for (int i = 0; i < 53; ++i) EXPECT_EQ(stored_at_processing[i], i + 2) << "processing " << i;
}

TEST(StartUpTest, StartValuesOverwriteInputDuringLoadingButManualModeStays) {
  FakeWindow window;
  CountingClock clock;
  AnimationController controller(window, clock);
  window.on_events = [&] {
    ControllerState& s = controller.state();
    s.n = -2;
    s.k = 5;
    s.hl = 2;
    s.updo = -1;
    s.nm = 1;
    s.n1 = -1;
    s.m1 = 1;
    s.mm1 = 1;
    s.yyy = 3.5f;
  };

  controller.StartUp();

  const ControllerState& s = controller.state();
  EXPECT_EQ(s.n, 1);
  EXPECT_EQ(s.k, 1'000'000.0f);
  EXPECT_EQ(s.hl, 0);
  EXPECT_EQ(s.updo, 1);
  EXPECT_EQ(s.nm, 1);
  EXPECT_EQ(s.n1, -1);
  EXPECT_EQ(s.m1, 1);
  EXPECT_EQ(s.mm1, 1);
  EXPECT_EQ(s.yyy, 3.5f);
  EXPECT_EQ(s.l, 0);
}

TEST(StartUpTest, StateIsAllZeroBeforeStartUp) {
  FakeWindow window;
  CountingClock clock;
  AnimationController controller(window, clock);
  EXPECT_EQ(controller.state(), ControllerState{});
}

TEST(StartUpTest, EndingDuringLoadingStopsLoadingAtOnce) {
  FakeWindow window;
  CountingClock clock;
  AnimationController controller(window, clock);
  window.on_events = [&] {
    if (window.event_processings == 10) window.ended = true;
  };

  controller.Run();

  EXPECT_EQ(window.event_processings, 10);
  EXPECT_EQ(ShownHolders(window.log), std::vector<int>{1});
  EXPECT_EQ(clock.counts, 0);
}

TEST(AnimationLoopTest, WithoutInputShowsSlotsOneToSeventeenThenZeroAtFullPause) {
  FakeWindow window;
  CountingClock clock;
  AnimationController controller(window, clock);
  const int kPasses = 20;
  window.on_events = [&] {
    if (window.event_processings == 53 + kPasses) window.ended = true;
  };

  controller.Run();

  std::vector<int> expected_holders = {1};  // slot 0 while loading
  for (int pass = 1; pass <= kPasses; ++pass) expected_holders.push_back(pass % 18 + 1);
  EXPECT_EQ(ShownHolders(window.log), expected_holders);
  EXPECT_EQ(clock.counts, kPasses);
  EXPECT_EQ(clock.steps, std::int64_t{kPasses} * 1'000'001);
}

TEST(AnimationLoopTest, EachPassShowsThenPausesThenProcessesEvents) {
  FakeWindow window;
  CountingClock clock;
  AnimationController controller(window, clock);
  controller.StartUp();
  window.log.clear();
  controller.state().k = 0;

  controller.RunPass();
  controller.RunPass();

  EXPECT_EQ(window.log, (std::vector<std::string>{"show 2", "events", "show 3", "events"}));
  EXPECT_EQ(clock.counts, 2);
}

TEST(AnimationLoopTest, ShowsSlotOfPhaseAndLiftSetting) {
  FakeWindow window;
  CountingClock clock;
  AnimationController controller(window, clock);
  controller.StartUp();
  window.log.clear();
  ControllerState& s = controller.state();
  s.k = -1;
  s.n = 0;

  s.l = 17;
  s.hl = 2;
  controller.RunPass();
  s.l = 0;
  s.hl = 0;
  controller.RunPass();

  EXPECT_EQ(ShownHolders(window.log), (std::vector<int>{54, 1}));
}

TEST(PauseTest, CountsFloorOfKPlusOneStepsThenProcessesEventsOnce) {
  const struct {
    float k;
    std::int64_t steps;
  } cases[] = {
      {0.0f, 1}, {12.7f, 13}, {-3.0f, 0}, {-0.5f, 0}, {1'000'000.0f, 1'000'001}, {80'000.0f, 80'001},
  };
  for (const auto& c : cases) {
    FakeWindow window;
    CountingClock clock;
    AnimationController controller(window, clock);
    controller.state().k = c.k;

    controller.Pause();

    EXPECT_EQ(clock.steps, c.steps) << "k=" << c.k;
    EXPECT_EQ(PauseSteps(c.k), c.steps) << "k=" << c.k;
    EXPECT_EQ(window.event_processings, 1) << "k=" << c.k;
    EXPECT_TRUE(window.log == std::vector<std::string>{"events"}) << "k=" << c.k;
  }
}

TEST(PauseTest, MicrosecondClockMakesOneStepLastOneMicrosecond) {
  MicrosecondClock clock;
  const auto start = std::chrono::steady_clock::now();
  clock.Begin();
  for (std::int64_t step = 1; step <= 20'000; ++step) clock.AwaitStep(step);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_GE(elapsed, std::chrono::microseconds(20'000));
  EXPECT_LT(elapsed, std::chrono::microseconds(40'000)) << "steps must not drift";
}

}  // namespace
}  // namespace valvetrain
