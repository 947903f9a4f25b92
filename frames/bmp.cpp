#include "frames/bmp.h"

#include <algorithm>
#include <cstring>

namespace valvetrain {
namespace {

void Put16(std::uint8_t* at, std::uint16_t value) {
  at[0] = value & 0xFF;
  at[1] = value >> 8;
}

void Put32(std::uint8_t* at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = (value >> (8 * i)) & 0xFF;
}

}  // namespace

std::array<std::uint8_t, kBmpFileSize> EncodeBmp(const FramePicture& picture) {
  constexpr int kRowBytes = FramePicture::kBytesPerRow;
  std::array<std::uint8_t, kBmpFileSize> file{};
  std::uint8_t* h = file.data();
  h[0] = 'B';
  h[1] = 'M';
  Put32(h + 2, kBmpFileSize);
  Put32(h + 10, kBmpPixelOffset);
  Put32(h + 14, 40);  // info header size
  Put32(h + 18, FramePicture::kWidth);
  Put32(h + 22, FramePicture::kHeight);  // positive: bottom-up
  Put16(h + 26, 1);                      // planes
  Put16(h + 28, 1);                      // bits per pixel
  Put32(h + 34, kRowBytes * FramePicture::kHeight);
  Put32(h + 58, 0x00FFFFFF);  // palette entry 1: white; entry 0 stays black
  for (int y = 0; y < FramePicture::kHeight; ++y) {
    std::copy_n(picture.Row(y), kRowBytes,
                file.begin() + kBmpPixelOffset + (FramePicture::kHeight - 1 - y) * kRowBytes);
  }
  return file;
}

std::optional<FramePicture> DecodeBmp(const std::uint8_t* bytes, std::size_t size) {
  if (size != kBmpFileSize) return std::nullopt;
  const auto header = EncodeBmp(FramePicture());
  if (std::memcmp(bytes, header.data(), kBmpPixelOffset) != 0) return std::nullopt;
  FramePicture picture;
  for (int y = 0; y < FramePicture::kHeight; ++y) {
    picture.SetRow(y, bytes + kBmpPixelOffset +
                          (FramePicture::kHeight - 1 - y) * FramePicture::kBytesPerRow);
  }
  return picture;
}

}  // namespace valvetrain
