// The Debian package, unpacked into a scratch root: its files, its dependencies, and the
// installed program running under X until Alt+F4 ends it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "e2e/program_test.h"

namespace valvetrain::e2e {
namespace fs = std::filesystem;
namespace {

fs::path ThePackage() {
  for (const auto& entry : fs::directory_iterator(VALVETRAIN_PACKAGE_DIR)) {
    if (entry.path().extension() == ".deb") return entry.path();
  }
  return {};
}

std::string Output(const std::vector<std::string>& argv) {
  const fs::path out = fs::temp_directory_path() / "valvetrain-package-test-output";
  std::vector<std::string> shell = {"sh", "-c", "\"$0\" \"$@\" > " + out.string()};
  shell.insert(shell.end(), argv.begin(), argv.end());
  RunCommand(shell, EnvironmentWith({}), milliseconds(30'000));
  std::ifstream in(out);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class PackageTest : public testing::Test {
 protected:
  void SetUp() override {
    package_ = ThePackage();
    ASSERT_FALSE(package_.empty()) << "no package in " << VALVETRAIN_PACKAGE_DIR;
    root_ = fs::temp_directory_path() / "valvetrain-package-root";
    fs::remove_all(root_);
    ASSERT_EQ(RunCommand({"dpkg-deb", "-x", package_.string(), root_.string()},
                         EnvironmentWith({}), milliseconds(30'000))
                  .status,
              0);
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path package_, root_;
};

TEST_F(PackageTest, HoldsTheProgramTheDesktopEntryIconsAndMetadata) {
  for (const char* file :
       {"usr/bin/valvetrain", "usr/bin/valvetrain-frames",
        "usr/share/applications/org.valvetrain.Valvetrain.desktop",
        "usr/share/metainfo/org.valvetrain.Valvetrain.metainfo.xml",
        "usr/share/icons/hicolor/16x16/apps/org.valvetrain.Valvetrain.png",
        "usr/share/icons/hicolor/256x256/apps/org.valvetrain.Valvetrain.png"}) {
    EXPECT_TRUE(fs::exists(root_ / file)) << file;
  }
  const std::string depends = Output({"dpkg-deb", "--field", package_.string(), "Depends"});
  for (const char* needed : {"libqt6widgets6", "libqt6gui6", "libxcb1", "qt6-qpa-plugins"}) {
    EXPECT_NE(depends.find(needed), std::string::npos) << needed << " in: " << depends;
  }
}

class InstalledProgramTest : public ProgramTest {
 protected:
  void SetUp() override {}  // starts the installed program itself
};

TEST_F(InstalledProgramTest, ShowsItsWindowAndEndsOnAltF4) {
  const fs::path root = fs::temp_directory_path() / "valvetrain-installed-root";
  fs::remove_all(root);
  ASSERT_EQ(RunCommand({"dpkg-deb", "-x", ThePackage().string(), root.string()},
                       EnvironmentWith({}), milliseconds(30'000))
                .status,
            0);
  program_ = session_->Start({(root / "usr/bin/valvetrain").string()});
  window_ = session_->WaitForWindow(kCaption, milliseconds(10'000));
  ASSERT_NE(window_, 0u) << "the installed program showed no window";
  RunAtFullPace();
  Key("alt+F4");
  const std::optional<int> status = program_.WaitForExit(milliseconds(2'000));
  ASSERT_TRUE(status.has_value()) << "still running after Alt+F4";
  EXPECT_EQ(*status, 0);
  fs::remove_all(root);
}

}  // namespace
}  // namespace valvetrain::e2e
