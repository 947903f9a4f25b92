// The time base of the pause count.
#pragma once

#include <chrono>
#include <cstdint>

namespace valvetrain {

// Paces a count: Begin() starts it, AwaitStep(i) returns once step i (1-based) has ended.
class StepClock {
 public:
  virtual ~StepClock() = default;
  virtual void Begin() = 0;
  virtual void AwaitStep(std::int64_t step) = 0;
};

// One step is one microsecond of the monotonic clock, pinned to the start of the count: step i
// ends i microseconds after Begin(), so a late step never delays the ones after it. It waits by
// spinning (with the processor's spin-wait hint), never by sleeping.
class MicrosecondClock final : public StepClock {
 public:
  void Begin() override;
  void AwaitStep(std::int64_t step) override;

 private:
  std::chrono::steady_clock::time_point start_;
};

}  // namespace valvetrain
