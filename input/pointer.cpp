#include "input/pointer.h"

namespace valvetrain {

void Click(ControllerState& state) {
  if (state.nm == 0) {
    state.n1 = state.n;
    state.mm1 = state.mm;
    state.m1 = state.m;
  }
  state.nm = (state.nm + 1) % 2;
  if (state.nm == 0) {
    state.n = state.n1;
    state.mm = state.mm1;
    state.m = state.m1;
  }
}

void Move(ControllerState& state, float x, float y) {
  if (state.nm == 0) state.k = static_cast<float>(static_cast<double>(x) * 70.0 * y);
  if (state.nm != 0) {
    state.k = kManualPause;
    state.n = y >= state.yyy ? 2 : -2;
    state.yyy = y;
  }
}

}  // namespace valvetrain
