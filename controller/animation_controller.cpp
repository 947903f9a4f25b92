#include "controller/animation_controller.h"

#include <cmath>

namespace valvetrain {

static_assert(kFrameSlots == kFrameHolders);

std::int64_t PauseSteps(float k) {
  if (!(k >= 0)) return 0;
  return static_cast<std::int64_t>(std::floor(k)) + 1;
}

void SetStartValues(ControllerState& state) {
  state.n = 1;
  state.k = 1'000'000;
  state.hl = 0;
  state.updo = 1;
}

AnimationController::AnimationController(WindowPort& window, StepClock& clock)
    : window_(window), clock_(clock) {}

void AnimationController::Run() {
  if (!StartUp()) return;
  while (!window_.Ended()) RunPass();
}

bool AnimationController::StartUp() {
  frames_[0] = window_.Image(1);
  window_.Show(frames_[0]);
  for (int number = 2; number <= kFrameHolders; ++number) {
    frames_[number - 1] = window_.Image(number);
    window_.ProcessPendingEvents();
    if (window_.Ended()) return false;
  }
  SetStartValues(state_);
  return true;
}

void AnimationController::RunPass() {
  ApplyPassRules(state_);
  window_.Show(frames_[FrameSlot(state_)]);
  Pause();
}

void AnimationController::Pause() {
  const std::int64_t steps = PauseSteps(state_.k);
  clock_.Begin();
  for (std::int64_t step = 1; step <= steps; ++step) clock_.AwaitStep(step);
  window_.ProcessPendingEvents();
}

}  // namespace valvetrain
