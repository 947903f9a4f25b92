#include "frames/frame_set.h"

namespace valvetrain {

// Stand-in pictures until the valve-train drawing lands: a border, and the slot number as a
// row of bars, so every slot looks different.
FramePicture DrawFrame(int slot) {
  FramePicture picture;
  for (int x = 0; x < FramePicture::kWidth; ++x) {
    picture.SetBlack(x, 0);
    picture.SetBlack(x, FramePicture::kHeight - 1);
  }
  for (int bit = 0; bit < 6; ++bit) {
    if ((slot >> bit & 1) == 0) continue;
    for (int y = 100; y < 300; ++y) {
      for (int x = 20 + bit * 28; x < 40 + bit * 28; ++x) picture.SetBlack(x, y);
    }
  }
  return picture;
}

}  // namespace valvetrain
