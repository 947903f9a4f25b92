#include "input/keyboard.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "controller/animation_controller.h"
#include "controller/pass_rules.h"

namespace valvetrain {
namespace {

// Running forward at phase 7, as after start-up.
ControllerState Running() {
  ControllerState s;
  SetStartValues(s);
  s.l = 7;
  return s;
}

TEST(KeyboardTest, RunAndStepKeysStoreTheirRequest) {
  const struct {
    char key;
    int n;
  } cases[] = {{'-', -1}, {'+', 3}, {',', 3}, {'/', -2}, {'*', 2}, {'.', 2}};
  for (const auto& c : cases) {
    for (int n_before : {-2, -1, 0, 1, 2, 3}) {
      for (int nm : {0, 1}) {  // the keys work the same in manual mode
        ControllerState state = Running();
        state.n = n_before;
        state.nm = nm;
        ControllerState expected = state;
        expected.n = c.n;
        EXPECT_EQ(TypeCharacter(state, c.key), Afterwards::kCarryOn) << c.key;
        EXPECT_EQ(state, expected) << "'" << c.key << "' with n = " << n_before << ", nm = " << nm;
      }
    }
  }
}

TEST(KeyboardTest, EscapeEndsTheProgramWhateverTheState) {
  for (int nm : {0, 1}) {
    for (int n : {-2, 0, 3}) {
      ControllerState state = Running();
      state.nm = nm;
      state.n = n;
      const ControllerState before = state;
      EXPECT_EQ(TypeCharacter(state, 27), Afterwards::kEndProgram);
      EXPECT_EQ(state, before) << "Escape changes nothing else";
    }
  }
}

TEST(KeyboardTest, SpaceBouncesTheLiftSettingBetweenZeroAndTwo) {
  ControllerState state = Running();
  std::vector<std::pair<int, int>> seen;  // (hl, updo) after each press
  for (int press = 0; press < 8; ++press) {
    TypeCharacter(state, ' ');
    seen.emplace_back(state.hl, state.updo);
  }
  const std::vector<std::pair<int, int>> expected = {{1, 1}, {2, -1}, {1, -1}, {0, 1},
                                                     {1, 1}, {2, -1}, {1, -1}, {0, 1}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(state.l, 7) << "the phase is not touched";
  EXPECT_EQ(state.n, 1);
}

TEST(KeyboardTest, OtherCharactersChangeNothing) {
  std::vector<std::int16_t> codes = {0, 1, 8, 9, 13, 26, 28, 127, -1, -27, -32768, 32767};
  for (char c : std::string("aAzZ09=_*xX;<>?\\!\"#")) {
    if (c != '*') codes.push_back(c);
  }
  codes.push_back(static_cast<std::int16_t>(0x2D + 0x100));  // "-" in the high byte's shadow
  for (std::int16_t code : codes) {
    ControllerState state = Running();
    const ControllerState before = state;
    EXPECT_EQ(TypeCharacter(state, code), Afterwards::kCarryOn) << code;
    EXPECT_EQ(state, before) << "code " << code;
  }
}

// Keys typed during one event processing: each applies in turn, the next pass sees the end.
TEST(KeyboardTest, QueuedKeysApplyInOrderBeforeTheNextPass) {
  const struct {
    const char* name;
    std::string keys;
    int n, hl, updo;
  } cases[] = {
      {"two spaces", "  ", 1, 2, -1},
      {"plus then slash: a step request, not a run request", "+/", -2, 0, 1},
      {"slash then plus", "/+", 3, 0, 1},
      {"space, minus, space", " - ", -1, 2, -1},
  };
  for (const auto& c : cases) {
    ControllerState state = Running();
    state.hl = 0;
    for (char key : c.keys) TypeCharacter(state, key);
    EXPECT_EQ(state.n, c.n) << c.name;
    EXPECT_EQ(state.hl, c.hl) << c.name;
    EXPECT_EQ(state.updo, c.updo) << c.name;
  }
}

TEST(KeyboardTest, NextPassShowsTheSamePhaseInTheNewLiftSetting) {
  ControllerState state = Running();
  state.n = 0;  // stopped at phase 7
  TypeCharacter(state, ' ');
  TypeCharacter(state, ' ');
  ApplyPassRules(state);
  EXPECT_EQ(FrameSlot(state), 7 + 36);
}

}  // namespace
}  // namespace valvetrain
