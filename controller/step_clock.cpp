#include "controller/step_clock.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace valvetrain {
namespace {

inline void RelaxWhileSpinning() {
#if defined(__x86_64__) || defined(__i386__)
  _mm_pause();
#elif defined(__aarch64__)
  __asm__ __volatile__("yield");
#endif
}

}  // namespace

void MicrosecondClock::Begin() { start_ = std::chrono::steady_clock::now(); }

void MicrosecondClock::AwaitStep(std::int64_t step) {
  const auto end = start_ + std::chrono::microseconds(step);
  while (std::chrono::steady_clock::now() < end) RelaxWhileSpinning();
}

}  // namespace valvetrain
