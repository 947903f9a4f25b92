#include "controller/pass_rules.h"

namespace valvetrain {

void ApplyPassRules(ControllerState& s) {
  if (s.n == -1) {
    s.l = (s.l + 17) % kPhases;
    s.mm = 0;
    s.m = 1;
    s.n = 1;
  }
  if (s.n == 3) {
    s.l = (s.l + 1) % kPhases;
    s.m = 0;
    s.mm = 1;
    s.n = 1;
  }
  if (s.n == -2) {
    s.l = (s.l + 17 + s.m + s.mm) % kPhases;
    s.mm = 0;
    s.m = 0;
    s.n = 0;
  }
  if (s.n == 2) {
    s.l = (s.l + 1 - s.m - s.mm) % kPhases;
    s.mm = 0;
    s.m = 0;
    s.n = 0;
  }
  if (s.n != 0 && s.m == 0) s.l = (s.l + s.n) % kPhases;
  if (s.m == 1) s.l = (s.l + 17) % kPhases;
}

int FrameSlot(const ControllerState& s) { return s.l + kPhases * s.hl; }

}  // namespace valvetrain
