// The real program in a real X server with a window manager.
#include <gtest/gtest.h>

#include <thread>

#include "e2e/program_test.h"

namespace valvetrain::e2e {
namespace {

using WindowTest = ProgramTest;

TEST_F(WindowTest, OpensAFixedSizeWindowWithItsCaption) {
  const Geometry geometry = session_->GetGeometry(window_);
  EXPECT_EQ(geometry.width, 204);
  EXPECT_EQ(geometry.height, 402);
  EXPECT_EQ(session_->PropertyString(window_, "_NET_WM_NAME"), kCaption);

  // WM_NORMAL_HINTS: flags, x, y, width, height, min width, min height, max width, max height.
  const std::vector<std::uint32_t> size_hints = session_->Property32(window_, "WM_NORMAL_HINTS");
  ASSERT_GE(size_hints.size(), 9u);
  constexpr std::uint32_t kMinSize = 1u << 4, kMaxSize = 1u << 5;
  EXPECT_EQ(size_hints[0] & (kMinSize | kMaxSize), kMinSize | kMaxSize);
  EXPECT_EQ(size_hints[5], 204u);
  EXPECT_EQ(size_hints[6], 402u);
  EXPECT_EQ(size_hints[7], 204u);
  EXPECT_EQ(size_hints[8], 402u);
}

TEST_F(WindowTest, AsksTheWindowManagerForATitleBarWithoutButtons) {
  // _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status.
  const std::vector<std::uint32_t> hints = session_->Property32(window_, "_MOTIF_WM_HINTS");
  ASSERT_GE(hints.size(), 3u);
  constexpr std::uint32_t kUseFunctions = 1, kUseDecorations = 2;
  EXPECT_EQ(hints[0] & (kUseFunctions | kUseDecorations), kUseFunctions | kUseDecorations);
  constexpr std::uint32_t kFunctionAll = 1, kFunctionMove = 4;
  EXPECT_EQ(hints[1], kFunctionMove) << "no resize, minimize, maximize or close function";
  EXPECT_FALSE(hints[1] & kFunctionAll);
  constexpr std::uint32_t kDecorAll = 1, kDecorTitle = 8, kDecorMenu = 16, kDecorMinimize = 32,
                          kDecorMaximize = 64;
  EXPECT_TRUE(hints[2] & kDecorTitle);
  EXPECT_FALSE(hints[2] & (kDecorAll | kDecorMenu | kDecorMinimize | kDecorMaximize));

}

TEST_F(WindowTest, SurfaceShowsAFramePictureAtItsOwnSize) {
  int slot = -1;
  int fewest_differences = 0;
  for (int tries = 0; tries < 500 && slot < 0; ++tries) {
    slot = ShownSlot(&fewest_differences);
    if (slot < 0) std::this_thread::sleep_for(milliseconds(10));
  }
  EXPECT_GE(slot, 0) << "the surface's inner area never showed one of the frame pictures; "
                     << "the nearest differed in " << fewest_differences << " pixels";
  // The sunken border: darker at the top-left than the inner area's white.
  const Capture border = session_->CaptureArea(window_, 0, 0, 2, 2);
  ASSERT_EQ(border.pixels.size(), 4u);
  EXPECT_NE(border.at(0, 0), 0xFFFFFFu);
}

// The request is handled when the current pause ends, at once at full pace.
constexpr milliseconds kEndTimeout{1'000};

TEST_F(WindowTest, TheWindowSystemsCloseRequestEndsTheProgramWithStatusZero) {
  RunAtFullPace();
  session_->SendCloseRequest(window_);
  const std::optional<int> status = program_.WaitForExit(kEndTimeout);
  ASSERT_TRUE(status.has_value()) << "still running after the close request";
  EXPECT_EQ(*status, 0);
}

TEST_F(WindowTest, AltF4EndsTheProgramWithStatusZero) {
  RunAtFullPace();
  ASSERT_TRUE(session_->Run({"xdotool", "key", "alt+F4"}));
  const std::optional<int> status = program_.WaitForExit(kEndTimeout);
  ASSERT_TRUE(status.has_value()) << "still running after Alt+F4";
  EXPECT_EQ(*status, 0);
}

}  // namespace
}  // namespace valvetrain::e2e
