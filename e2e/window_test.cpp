// The real program in a real X server with a window manager.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <thread>

#include "e2e/x_session.h"
#include "frames/frame_set.h"

namespace valvetrain::e2e {
namespace {

constexpr char kCaption[] = "Korvane In3Lifts SpaceBar+-/*mouse,. ESC";
constexpr milliseconds kStartTimeout{10'000};

class WindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { session_ = new XSession(); }
  static void TearDownTestSuite() {
    delete session_;
    session_ = nullptr;
  }

  void SetUp() override {
    program_ = session_->Start({VALVETRAIN_PROGRAM});
    window_ = session_->WaitForWindow(kCaption, kStartTimeout);
    ASSERT_NE(window_, 0u) << "no window with the caption appeared";
  }

  // The slot whose picture fills the surface's visible inner area, or -1; `fewest_differences`
  // tells how close the nearest picture came.
  int ShownSlot(int* fewest_differences = nullptr) {
    const Capture capture = session_->CaptureArea(window_, 2, 2, 200, 400);
    if (capture.pixels.empty()) return -1;
    int fewest = 200 * 400;
    for (int slot = 0; slot < 54; ++slot) {
      const FramePicture& expected = frames_[slot];
      int differences = 0;
      for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 200; ++x) {
          differences += capture.at(x, y) != (expected.IsBlack(x, y) ? 0x000000u : 0xFFFFFFu);
        }
      }
      if (differences == 0) return slot;
      fewest = std::min(fewest, differences);
    }
    if (fewest_differences != nullptr) *fewest_differences = fewest;
    return -1;
  }

  static XSession* session_;
  static std::vector<FramePicture> frames_;
  ChildProcess program_;
  xcb_window_t window_ = 0;
};

XSession* WindowTest::session_ = nullptr;
std::vector<FramePicture> WindowTest::frames_ = [] {
  std::vector<FramePicture> frames;
  for (int slot = 0; slot < 54; ++slot) frames.push_back(DrawFrame(slot));
  return frames;
}();

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

// The request is handled when the current pause ends: at the start pace that is up to a second.
constexpr milliseconds kEndTimeout{2'500};

TEST_F(WindowTest, TheWindowSystemsCloseRequestEndsTheProgramWithStatusZero) {
  session_->SendCloseRequest(window_);
  const std::optional<int> status = program_.WaitForExit(kEndTimeout);
  ASSERT_TRUE(status.has_value()) << "still running after the close request";
  EXPECT_EQ(*status, 0);
}

TEST_F(WindowTest, AltF4EndsTheProgramWithStatusZero) {
  ASSERT_TRUE(session_->Run({"xdotool", "key", "alt+F4"}));
  const std::optional<int> status = program_.WaitForExit(kEndTimeout);
  ASSERT_TRUE(status.has_value()) << "still running after Alt+F4";
  EXPECT_EQ(*status, 0);
}

}  // namespace
}  // namespace valvetrain::e2e
