#include "input/keyboard.h"

namespace valvetrain {

Afterwards TypeCharacter(ControllerState& state, std::int16_t code) {
  if (code == kEscape) return Afterwards::kEndProgram;
  if (code == '-') state.n = -1;
  if (code == '+' || code == ',') state.n = 3;
  if (code == '/') state.n = -2;
  if (code == '*' || code == '.') state.n = 2;
  if (code == ' ') {
    state.hl = state.hl + state.updo;
    if (state.hl > 1) state.updo = -1;
    if (state.hl < 1) state.updo = 1;
  }
  return Afterwards::kCarryOn;
}

}  // namespace valvetrain
