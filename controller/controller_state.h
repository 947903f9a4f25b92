// The controller state: every field the animation loop and the input handlers share.
#pragma once

#include <cstdint>

namespace valvetrain {

// All fields are zero when the window is created; start-up sets the start values.
//
// Run codes held in `n`:
//   1 running, 0 stopped, 3 / -1 request a forward / backward run,
//   2 / -2 request a single step forward / back.
struct ControllerState {
  float k = 0;            // pause count: each pass counts from 0 up to k
  std::int32_t l = 0;     // cam phase, 0..17
  std::int32_t m = 0;     // 1 while running backward
  std::int32_t mm = 0;    // 1 while running forward after a run-forward request
  std::int32_t n = 0;     // run code, see above
  std::int32_t m1 = 0;    // m saved on entering manual mode
  std::int32_t mm1 = 0;   // mm saved on entering manual mode
  std::int32_t n1 = 0;    // n saved on entering manual mode
  std::int32_t nm = 0;    // 1 in manual mode (pointer movements step the cam)
  float yyy = 0;          // last pointer Y seen in manual mode, surface units
  std::int32_t hl = 0;    // lift setting, 0..2
  std::int32_t updo = 0;  // +1 or -1: direction of the next lift-setting change

  friend bool operator==(const ControllerState&, const ControllerState&) = default;
};

}  // namespace valvetrain
