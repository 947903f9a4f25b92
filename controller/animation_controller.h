// The animation controller: fills the frame table, then runs the animation loop.
#pragma once

#include <array>
#include <cstdint>

#include "controller/controller_state.h"
#include "controller/pass_rules.h"
#include "controller/step_clock.h"
#include "controller/window_port.h"

namespace valvetrain {

// Number of steps the pause counts for a pause count k: a counter runs from 0 up to k in steps
// of 1, so floor(k) + 1 steps for k >= 0 (12.7 gives 13) and none for negative k.
std::int64_t PauseSteps(float k);

// Start-up's start values, in this order: n = 1 (running forward), k = 1,000,000, hl = 0,
// updo = 1. Every other field keeps its value.
void SetStartValues(ControllerState& state);

class AnimationController {
 public:
  // The window and the clock must outlive the controller.
  AnimationController(WindowPort& window, StepClock& clock);

  // Start-up, then the loop; returns only once the window reports Ended().
  //  1. stores Image1's picture in slot 0 and shows it, before any event processing;
  //  2. stores holder N's picture in slot N - 1 for N = 2..54, processing events after each;
  //  3. sets n = 1, k = 1,000,000, hl = 0, updo = 1 (over whatever input did meanwhile);
  //  4. runs passes.
  void Run();

  // Start-up steps 1 to 3 alone; false if the program ended while loading.
  bool StartUp();

  // One pass: the pass rules, show slot l + 18 * hl, then Pause().
  void RunPass();

  // Counts PauseSteps(k) steps of the clock, doing nothing else, then processes pending events
  // once (even when there were no steps).
  void Pause();

  // Shared with the input handlers, which change it between passes.
  ControllerState& state() { return state_; }
  const ControllerState& state() const { return state_; }

  // The frame table: slot s holds the picture of holder s + 1 once start-up has stored it.
  const std::array<const HolderPicture*, kFrameSlots>& frames() const { return frames_; }

 private:
  WindowPort& window_;
  StepClock& clock_;
  ControllerState state_;
  std::array<const HolderPicture*, kFrameSlots> frames_{};
};

}  // namespace valvetrain
