// The character handler: what a typed character does to the controller state.
#pragma once

#include <cstdint>

#include "controller/controller_state.h"

namespace valvetrain {

// What the window must do after a handler has run.
enum class Afterwards { kCarryOn, kEndProgram };

inline constexpr std::int16_t kEscape = 27;

// Six separate tests on the character code, in this order (no code matches two of them):
//   Escape       end the program; nothing else happens
//   "-"          n = -1: start running backward
//   "+" or ","   n = 3: start running forward
//   "/"          n = -2: step back (stops a run in place if a run request started it)
//   "*" or "."   n = 2: step forward (likewise)
//   " "          next lift setting: hl += updo, then updo turns at the ends (0, 1, 2, 1, 0, ...)
// Characters compare exactly (no case folding); every other code is ignored.
Afterwards TypeCharacter(ControllerState& state, std::int16_t code);

}  // namespace valvetrain
