// A frame picture: 200 x 400 pixels, one bit each, black lines on a white ground.
#pragma once

#include <array>
#include <cstdint>

namespace valvetrain {

// Rows run top to bottom, 28 bytes each: 25 bytes of pixels, most significant bit first
// (bit 7 of byte 0 is x = 0), then three zero bytes. A bit is a palette index: 0 black,
// 1 white. This is the row layout of the stored form and of a 1-bit image in most toolkits.
class FramePicture {
 public:
  static constexpr int kWidth = 200;
  static constexpr int kHeight = 400;
  static constexpr int kBytesPerRow = 28;

  FramePicture();  // all white

  static bool Contains(int x, int y) { return x >= 0 && x < kWidth && y >= 0 && y < kHeight; }

  // Outside the picture: IsBlack() is false and SetBlack() does nothing.
  bool IsBlack(int x, int y) const;
  void SetBlack(int x, int y);

  const std::uint8_t* Row(int y) const { return &bits_[y * kBytesPerRow]; }
  // Replaces row y with the 25 pixel bytes at `pixels`.
  void SetRow(int y, const std::uint8_t* pixels);

  friend bool operator==(const FramePicture&, const FramePicture&) = default;

 private:
  std::array<std::uint8_t, kBytesPerRow * kHeight> bits_;
};

}  // namespace valvetrain
