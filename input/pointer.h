// The pointer handlers: clicks toggle manual mode, movements set the pace or step the cam.
#pragma once

#include "controller/controller_state.h"

namespace valvetrain {

inline constexpr float kManualPause = 80'000;

// A click: entering manual mode (nm 0 -> 1) saves the run state n, mm, m into n1, mm1, m1;
// leaving it (nm 1 -> 0) puts the saved run state back. The pause count k is left alone.
void Click(ControllerState& state);

// A movement to (x, y) in surface units.
//   auto mode:   k = (x * 70) * y, worked out in double precision and stored as a float, so
//                the pace follows the pointer's distance from the surface's top-left corner;
//   manual mode: k = 80,000 and a step request, n = 2 (forward) when the pointer moved down
//                or level since the last manual-mode movement, -2 (back) when it moved up;
//                yyy = y.
void Move(ControllerState& state, float x, float y);

}  // namespace valvetrain
