// A long session of random real input at full pace: the program keeps running, its memory
// stays flat, and Escape still ends it cleanly.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "e2e/program_test.h"

namespace valvetrain::e2e {
namespace {

using Clock = std::chrono::steady_clock;
using SoakTest = ProgramTest;

TEST_F(SoakTest, RandomInputForTwoMinutesAtFullPace) {
  // Two "minutes" of 55 s, so that the whole test stays within two minutes.
  constexpr auto kMinute = std::chrono::seconds(55);
  std::mt19937 random(1211);
  const std::vector<std::string> keys = {"plus", "minus", "comma",  "period", "slash",
                                         "asterisk", "space", "a",  "Z",      "1",
                                         "Return",  "Left",  "F1", "shift+x"};
  RunAtFullPace();
  const auto start = Clock::now();
  auto last_click = start;
  double first_minute_mib = -1;
  int events = 0;
  while (Clock::now() - start < 2 * kMinute) {
    ASSERT_TRUE(program_.running()) << "the program ended after " << events << " events";
    if (first_minute_mib < 0 && Clock::now() - start >= kMinute) {
      first_minute_mib = ResidentMib(program_.pid());
    }
    const int choice = std::uniform_int_distribution<int>(0, 9)(random);
    if (choice < 4) {
      Key(keys[std::uniform_int_distribution<size_t>(0, keys.size() - 1)(random)]);
    } else if (choice == 4 && Clock::now() - last_click > milliseconds(700)) {
      Click();  // single clicks, well apart: never a double-click
      last_click = Clock::now();
    } else {
      // Mostly near the top-left corner, where the pace is fastest.
      MoveTo(std::uniform_int_distribution<int>(0, 60)(random),
             std::uniform_int_distribution<int>(0, choice == 9 ? 401 : 60)(random));
    }
    ++events;
  }
  const double last_minute_mib = ResidentMib(program_.pid());
  std::printf("soak: %d events; resident memory %.2f MiB after the first minute, %.2f MiB at "
              "the end\n", events, first_minute_mib, last_minute_mib);
#if defined(__SANITIZE_ADDRESS__)
  // AddressSanitizer holds freed memory back in quarantine, so resident memory grows anyway;
  // LeakSanitizer checks for leaks when the program ends instead.
#else
  EXPECT_LT(last_minute_mib - first_minute_mib, 1.0);
#endif

  MoveTo(2, 2);
  Key("Escape");
  const std::optional<int> status = program_.WaitForExit(milliseconds(3'000));
  ASSERT_TRUE(status.has_value()) << "still running after Escape";
  EXPECT_EQ(*status, 0);
}

}  // namespace
}  // namespace valvetrain::e2e
