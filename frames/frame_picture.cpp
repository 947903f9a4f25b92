#include "frames/frame_picture.h"

#include <algorithm>

namespace valvetrain {
namespace {
constexpr int kPixelBytes = (FramePicture::kWidth + 7) / 8;
}

FramePicture::FramePicture() {
  bits_.fill(0);
  for (int y = 0; y < kHeight; ++y) {
    for (int i = 0; i < kPixelBytes; ++i) bits_[y * kBytesPerRow + i] = 0xFF;
  }
}

bool FramePicture::IsBlack(int x, int y) const {
  if (!Contains(x, y)) return false;
  return (bits_[y * kBytesPerRow + x / 8] & (0x80 >> (x % 8))) == 0;
}

void FramePicture::SetBlack(int x, int y) {
  if (!Contains(x, y)) return;
  bits_[y * kBytesPerRow + x / 8] &= static_cast<std::uint8_t>(~(0x80 >> (x % 8)));
}

void FramePicture::SetRow(int y, const std::uint8_t* pixels) {
  std::copy_n(pixels, kPixelBytes, &bits_[y * kBytesPerRow]);
}

}  // namespace valvetrain
