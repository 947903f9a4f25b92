#include "view/holder_picture.h"

#include <array>
#include <cstring>

namespace valvetrain {
namespace {

// For every byte of a 1-bit row, the eight RGB32 pixels it stands for.
using EightPixels = std::array<QRgb, 8>;

const std::array<EightPixels, 256>& ExpansionTable() {
  static const std::array<EightPixels, 256> table = [] {
    std::array<EightPixels, 256> t{};
    for (int byte = 0; byte < 256; ++byte) {
      for (int bit = 0; bit < 8; ++bit) {
        t[byte][bit] = (byte & (0x80 >> bit)) != 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
      }
    }
    return t;
  }();
  return table;
}

}  // namespace

HolderPicture::HolderPicture(const FramePicture& picture)
    : image_(FramePicture::kWidth, FramePicture::kHeight, QImage::Format_Mono) {
  image_.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  for (int y = 0; y < FramePicture::kHeight; ++y) {
    std::copy_n(picture.Row(y), image_.bytesPerLine(), image_.scanLine(y));
  }
}

void HolderPicture::ExpandInto(QImage& target, QPoint at) const {
  const auto& table = ExpansionTable();
  constexpr int kBytesPerRow = FramePicture::kWidth / 8;
  for (int y = 0; y < FramePicture::kHeight; ++y) {
    const uchar* source = image_.constScanLine(y);
    auto* pixels = reinterpret_cast<QRgb*>(target.scanLine(at.y() + y)) + at.x();
    for (int i = 0; i < kBytesPerRow; ++i) {
      std::memcpy(pixels + 8 * i, table[source[i]].data(), sizeof(EightPixels));
    }
  }
}

}  // namespace valvetrain
