// The rules one pass of the animation loop applies before it shows a frame.
#pragma once

#include "controller/controller_state.h"

namespace valvetrain {

inline constexpr int kPhases = 18;        // cam positions in one turn
inline constexpr int kLiftSettings = 3;   // groups of kPhases frames
inline constexpr int kFrameSlots = kPhases * kLiftSettings;

// Applies the pending run code in `n` to the cam phase `l`, as six separate tests in a fixed
// order, each seeing what the ones before it left:
//   A  n == -1: back one phase, start running backward (m = 1, mm = 0), n = 1
//   B  n ==  3: forward one phase, start running forward (m = 0, mm = 1), n = 1
//   C  n == -2: step back, or stop in place if a run request started the run; stop (n = 0)
//   D  n ==  2: step forward, or stop in place likewise; stop (n = 0)
//   E  n != 0 and m == 0: l += n
//   F  m == 1: back one phase
// Keeps l in 0..17 and m + mm <= 1 when they hold on entry.
void ApplyPassRules(ControllerState& state);

// The frame slot a pass shows: l + 18 * hl, in 0..53 while the invariants hold.
int FrameSlot(const ControllerState& state);

}  // namespace valvetrain
