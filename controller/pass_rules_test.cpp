#include "controller/pass_rules.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace valvetrain {
namespace {

struct RunState {
  int l, n, m, mm;
};

ControllerState StateWith(const RunState& run) {
  ControllerState state;
  state.l = run.l;
  state.n = run.n;
  state.m = run.m;
  state.mm = run.mm;
  return state;
}

struct PassCase {
  const char* name;
  RunState before;
  RunState after;
};

// One pass from `before` must leave `after`.
const PassCase kPassCases[] = {
    {"running forward advances one phase", {4, 1, 0, 0}, {5, 1, 0, 0}},
    {"running forward wraps 17 to 0", {17, 1, 0, 0}, {0, 1, 0, 0}},
    {"running backward goes back one phase", {4, 1, 1, 0}, {3, 1, 1, 0}},
    {"running backward wraps 0 to 17", {0, 1, 1, 0}, {17, 1, 1, 0}},
    {"stopped stays", {9, 0, 0, 0}, {9, 0, 0, 0}},
    {"run-backward request while running forward moves two back", {5, -1, 0, 0}, {3, 1, 1, 0}},
    {"run-backward request wraps", {1, -1, 0, 1}, {17, 1, 1, 0}},
    {"run-forward request while stopped at 17 moves two forward", {17, 3, 0, 0}, {1, 1, 0, 1}},
    {"run-forward request while running backward", {6, 3, 1, 0}, {8, 1, 0, 1}},
    {"step forward after a run-forward request stops in place", {7, 2, 0, 1}, {7, 0, 0, 0}},
    {"step forward while running backward stops in place", {7, 2, 1, 0}, {7, 0, 0, 0}},
    {"step forward while stopped or in the first run (m = mm = 0) moves one", {7, 2, 0, 0},
     {8, 0, 0, 0}},
    {"step forward wraps", {17, 2, 0, 0}, {0, 0, 0, 0}},
    {"step back after a run-forward request stops in place", {7, -2, 0, 1}, {7, 0, 0, 0}},
    {"step back while running backward stops in place", {7, -2, 1, 0}, {7, 0, 0, 0}},
    {"step back while stopped at 0 shows 17", {0, -2, 0, 0}, {17, 0, 0, 0}},
    {"step back while stopped or in the first run moves one back", {3, -2, 0, 0}, {2, 0, 0, 0}},
};

TEST(PassRulesTest, OnePassFromEachRunState) {
  for (const PassCase& c : kPassCases) {
    ControllerState state = StateWith(c.before);
    ApplyPassRules(state);
    const RunState got{state.l, state.n, state.m, state.mm};
    EXPECT_EQ(got.l, c.after.l) << c.name;
    EXPECT_EQ(got.n, c.after.n) << c.name;
    EXPECT_EQ(got.m, c.after.m) << c.name;
    EXPECT_EQ(got.mm, c.after.mm) << c.name;
  }
}

// Several passes, with one request stored into n before some of them (0: none).
struct SequenceCase {
  const char* name;
  RunState start;
  std::vector<int> requests;
  std::vector<int> phases_shown;
};

const SequenceCase kSequences[] = {
    {"run backward from 5: 3, then one back per pass", {5, 1, 0, 0}, {-1, 0, 0, 0, 0},
     {3, 2, 1, 0, 17}},
    {"run forward, then two step-forward requests: stop in place, then +1", {4, 0, 0, 0},
     {3, 0, 2, 0, 2, 0}, {6, 7, 7, 7, 8, 8}},
    {"run forward from 17 while stopped", {17, 0, 0, 0}, {3, 0}, {1, 2}},
};

TEST(PassRulesTest, SequencesOfPasses) {
  for (const SequenceCase& c : kSequences) {
    ControllerState state = StateWith(c.start);
    std::vector<int> shown;
    for (int request : c.requests) {
      if (request != 0) state.n = request;
      ApplyPassRules(state);
      shown.push_back(state.l);
    }
    EXPECT_EQ(shown, c.phases_shown) << c.name;
  }
}

TEST(PassRulesTest, KeepsPhaseAndDirectionInRangeForEveryRequest) {
  for (int l = 0; l < kPhases; ++l) {
    for (int n : {-2, -1, 0, 1, 2, 3}) {
      for (auto [m, mm] : {std::pair{0, 0}, {1, 0}, {0, 1}}) {
        ControllerState state;
        state.l = l;
        state.n = n;
        state.m = m;
        state.mm = mm;
        ApplyPassRules(state);
        SCOPED_TRACE(testing::Message() << "l=" << l << " n=" << n << " m=" << m << " mm=" << mm);
        EXPECT_GE(state.l, 0);
        EXPECT_LT(state.l, kPhases);
        EXPECT_LE(state.m + state.mm, 1);
        EXPECT_TRUE(state.n == 0 || state.n == 1);
      }
    }
  }
}

TEST(PassRulesTest, FrameSlotCombinesPhaseAndLiftSetting) {
  const struct {
    int l, hl, slot;
  } cases[] = {{0, 0, 0}, {17, 0, 17}, {0, 1, 18}, {5, 1, 23}, {0, 2, 36}, {17, 2, 53}};
  for (const auto& c : cases) {
    ControllerState state;
    state.l = c.l;
    state.hl = c.hl;
    EXPECT_EQ(FrameSlot(state), c.slot) << "l=" << c.l << " hl=" << c.hl;
  }
}

}  // namespace
}  // namespace valvetrain
