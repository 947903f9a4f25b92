// The stored form of a frame picture: a complete BMP file image.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "frames/frame_picture.h"

namespace valvetrain {

inline constexpr int kBmpFileSize = 11'262;
inline constexpr int kBmpPixelOffset = 62;

// A 62-byte header (file header, 40-byte info header, palette black then white), then the
// 400 rows bottom-up, 28 bytes each: 25 bytes of pixels, most significant bit first, 0 black,
// then three zero bytes. All integers little-endian.
std::array<std::uint8_t, kBmpFileSize> EncodeBmp(const FramePicture& picture);

// The picture in a stored form that EncodeBmp() could have written: exactly that header, size
// and palette. Anything else gives nullopt.
std::optional<FramePicture> DecodeBmp(const std::uint8_t* bytes, std::size_t size);

}  // namespace valvetrain
