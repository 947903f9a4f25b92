#include "frames/stored_frames.h"

#include <gtest/gtest.h>

#include <vector>

#include "frames/frame_set.h"

namespace valvetrain {
namespace {

TEST(StoredFramesTest, TheProgramCarriesEveryPictureAsDrawn) {
  const std::vector<FramePicture> drawn = DrawFrameSet();
  for (int slot = 0; slot < 54; ++slot) {
    const std::optional<FramePicture> stored = DecodeBmp(kStoredFrames[slot], kBmpFileSize);
    ASSERT_TRUE(stored.has_value()) << "slot " << slot;
    EXPECT_TRUE(*stored == drawn[slot]) << "slot " << slot;
  }
}

}  // namespace
}  // namespace valvetrain
