// Starting the program where no window can be opened.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/x_session.h"

namespace valvetrain::e2e {
namespace {

TEST(NoDisplayTest, SaysSoInOneLineAndExitsWithStatusOne) {
  const struct {
    const char* name;
    std::vector<std::string> environment;
    std::vector<std::string> arguments;
  } cases[] = {
      {"no display variables", {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}, {}},
      {"a display nobody serves", {"DISPLAY=:65533", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}, {}},
      {"the toolkit's own options are ignored too",
       {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"},
       {"-platform", "offscreen"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> argv = {VALVETRAIN_PROGRAM};
    argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
    const CommandResult result =
        RunCommand(argv, EnvironmentWith(c.environment), milliseconds(10'000));
    EXPECT_FALSE(result.signalled) << c.name << ": must not crash";
    EXPECT_EQ(result.status, 1) << c.name;
    EXPECT_EQ(std::count(result.standard_error.begin(), result.standard_error.end(), '\n'), 1)
        << c.name << ": " << result.standard_error;
    EXPECT_EQ(result.standard_error.rfind("valvetrain: ", 0), 0u) << c.name;
  }
}

}  // namespace
}  // namespace valvetrain::e2e
