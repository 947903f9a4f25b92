// The frame exporter's command line.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "e2e/x_session.h"

namespace valvetrain::e2e {
namespace fs = std::filesystem;
namespace {

CommandResult Export(const std::vector<std::string>& arguments) {
  std::vector<std::string> argv = {VALVETRAIN_FRAMES};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return RunCommand(argv, EnvironmentWith({}), milliseconds(20'000));
}

int Lines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

TEST(ExporterCommandTest, HelpPrintsUsage) {
  const CommandResult result = Export({"--help"});
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(result.standard_error.empty());
}

TEST(ExporterCommandTest, WritesTheFramesAndTheSheet) {
  const fs::path root = fs::temp_directory_path() / "valvetrain-exporter-cli";
  fs::remove_all(root);
  const CommandResult result =
      Export({(root / "frames").string(), "--sheet", (root / "sheet.png").string()});
  EXPECT_EQ(result.status, 0) << result.standard_error;
  EXPECT_EQ(fs::file_size(root / "frames" / "frame01.bmp"), 11262u);
  EXPECT_EQ(fs::file_size(root / "frames" / "frame54.bmp"), 11262u);
  EXPECT_GT(fs::file_size(root / "sheet.png"), 1000u);
  fs::remove_all(root);
}

TEST(ExporterCommandTest, BadUseGetsOneLineAndStatusTwo) {
  const fs::path file = fs::temp_directory_path() / "valvetrain-exporter-cli-file";
  std::ofstream(file) << "x";
  const struct {
    const char* name;
    std::vector<std::string> arguments;
  } cases[] = {
      {"nothing to write", {}},
      {"icon size out of range", {"--icon", "0", "icon.png"}},
      {"icon without a file", {"--icon", "32"}},
      {"unknown option", {"--frobnicate"}},
      {"two folders", {"a", "b"}},
      {"--sheet without a file", {"somewhere", "--sheet"}},
      {"folder is a file", {file.string()}},
      {"folder inside a file", {(file / "frames").string()}},
  };
  for (const auto& c : cases) {
    const CommandResult result = Export(c.arguments);
    EXPECT_EQ(result.status, 2) << c.name;
    EXPECT_EQ(Lines(result.standard_error), 1) << c.name << ": " << result.standard_error;
    EXPECT_EQ(result.standard_error.rfind("valvetrain-frames: ", 0), 0u) << c.name;
  }
  fs::remove(file);
}

}  // namespace
}  // namespace valvetrain::e2e
