#include "input/pointer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "controller/animation_controller.h"
#include "controller/pass_rules.h"
#include "input/keyboard.h"

namespace valvetrain {
namespace {

// The state right after start-up: running forward with mm = 0.
ControllerState AfterStartUp() {
  ControllerState s;
  SetStartValues(s);
  return s;
}

TEST(PointerTest, AutoModeMovementSetsThePaceFromThePosition) {
  const struct {
    const char* name;
    float x, y, k;
  } cases[] = {
      {"top-left corner: no pause", 0, 0, 0},
      {"left edge", 0, 10, 0},
      {"top edge", 10, 0, 0},
      {"lowest right-most visible pixel", 14.80838f, 15.5859375f, 16156.174f},
      {"one unit each way", 1, 1, 70},
      {"left of the surface", -0.5f, 10, -350},
      {"above the surface", 3, -2, -420},
      {"left of and above", -1, -1, 70},
  };
  for (const auto& c : cases) {
    ControllerState state = AfterStartUp();
    Move(state, c.x, c.y);
    EXPECT_FLOAT_EQ(state.k, c.k) << c.name;
    EXPECT_EQ(state.n, 1) << c.name << ": the run state is untouched";
  }
  ControllerState state = AfterStartUp();
  Move(state, -0.5f, 10);
  EXPECT_EQ(PauseSteps(state.k), 0) << "a negative count pauses for no steps";
}

TEST(PointerTest, AutoModeProductIsWorkedOutInDoublePrecisionThenRounded) {
  // The pointer one pixel right of and below the inner top-left corner. Rounding x * 70 to
  // single precision before multiplying by y would give 0.203475773 instead.
  const float x = 0.0744139925f, y = 0.0390625f;
  ControllerState state;
  Move(state, x, y);
  EXPECT_EQ(state.k, 0.203475758f);
  EXPECT_NE(state.k, 0.203475773f);
}

TEST(PointerTest, ManualModeMovementRequestsOneStepByDirection) {
  const struct {
    const char* name;
    float yyy, y;
    int n;
  } cases[] = {
      {"first move after start compares with 0: forward", 0, 3, 2},
      {"down: forward", 5, 6, 2},
      {"level: forward", 5, 5, 2},
      {"up: back", 5, 4.9f, -2},
      {"above the surface, from 0: back", 0, -1, -2},
  };
  for (const auto& c : cases) {
    ControllerState state = AfterStartUp();
    state.nm = 1;
    state.yyy = c.yyy;
    Move(state, 7, c.y);
    EXPECT_EQ(state.n, c.n) << c.name;
    EXPECT_EQ(state.k, 80'000.0f) << c.name;
    EXPECT_EQ(state.yyy, c.y) << c.name;
  }
}

TEST(PointerTest, ClickSavesTheRunStateOnEntryAndRestoresItOnExit) {
  ControllerState state = AfterStartUp();
  state.n = 1;
  state.m = 1;  // running backward
  state.k = 500;

  Click(state);
  EXPECT_EQ(state.nm, 1);
  EXPECT_EQ(state.n1, 1);
  EXPECT_EQ(state.m1, 1);
  EXPECT_EQ(state.mm1, 0);
  EXPECT_EQ(state.n, 1) << "entering changes the run state itself not at all";
  EXPECT_EQ(state.m, 1);

  Move(state, 3, 4);
  ApplyPassRules(state);  // the step request stops the backward run in place
  EXPECT_EQ(state.n, 0);
  EXPECT_EQ(state.m, 0);

  Click(state);
  EXPECT_EQ(state.nm, 0);
  EXPECT_EQ(state.n, 1) << "leaving puts back the saved run state";
  EXPECT_EQ(state.m, 1);
  EXPECT_EQ(state.mm, 0);
  EXPECT_EQ(state.k, 80'000.0f) << "k is neither saved nor restored";
}

// Phases shown by passes after each step of a script of pointer and key input.
struct Script {
  const char* name;
  ControllerState start;
  std::vector<std::function<void(ControllerState&)>> before_each_pass;
  std::vector<int> phases;
};

TEST(PointerTest, ManualModeStepsAndResumes) {
  ControllerState after_plus = AfterStartUp();
  after_plus.l = 4;
  after_plus.n = 3;
  ApplyPassRules(after_plus);  // a run started by "+": l = 6, mm = 1
  ASSERT_EQ(after_plus.mm, 1);

  const auto click = [](ControllerState& s) { Click(s); };
  const auto down = [](ControllerState& s) { Move(s, 5, s.yyy + 1); };
  const auto up = [](ControllerState& s) { Move(s, 5, s.yyy - 1); };
  const auto none = [](ControllerState&) {};
  const auto key = [](char c) { return [c](ControllerState& s) { TypeCharacter(s, c); }; };

  const Script scripts[] = {
      {"entering during a run-forward run: the first move stops in place",
       after_plus,
       {click, down, none, down, up, up},
       {7, 7, 7, 8, 7, 6}},
      {"entering during the first run after start: the first move steps one phase",
       AfterStartUp(),
       {click, down, none, down},
       {1, 2, 2, 3}},
      {"leaving resumes the saved run",
       AfterStartUp(),
       {click, down, click, none},
       {1, 2, 3, 4}},
      {"keys in manual mode last until the click that leaves it",
       AfterStartUp(),
       {click, key('-'), none, click, none},
       {1, 17, 16, 17, 0}},
  };
  for (const Script& script : scripts) {
    ControllerState state = script.start;
    std::vector<int> phases;
    for (const auto& input : script.before_each_pass) {
      input(state);
      ApplyPassRules(state);
      phases.push_back(state.l);
    }
    EXPECT_EQ(phases, script.phases) << script.name;
  }
}

TEST(PointerTest, LiftChangeInManualModeOutlastsTheClick) {
  ControllerState state = AfterStartUp();
  Click(state);
  TypeCharacter(state, ' ');
  Click(state);
  EXPECT_EQ(state.hl, 1);
}

TEST(PointerTest, ClickDuringLoadingKeepsManualModeAndASecondClickStops) {
  ControllerState state;  // all zero while loading
  Click(state);
  SetStartValues(state);
  EXPECT_EQ(state.nm, 1);
  ApplyPassRules(state);
  EXPECT_EQ(state.l, 1) << "still runs forward until the second click";
  Click(state);
  EXPECT_EQ(state.n, 0) << "the saved run state was all zeros";
  ApplyPassRules(state);
  EXPECT_EQ(state.l, 1);
}

}  // namespace
}  // namespace valvetrain
