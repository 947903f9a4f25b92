#include "exporter/icon.h"

#include <algorithm>

#include "frames/frame_set.h"

namespace valvetrain {
namespace {

// The square of slot 3 (the valve open widest) that holds the cam, the roller, the control
// block and the top of the tappet.
constexpr int kLeft = 8, kTop = 4, kSide = 184;
constexpr int kIconSlot = 3;

}  // namespace

std::vector<std::uint8_t> DrawIcon(int size) {
  const FramePicture frame = DrawFrame(kIconSlot);
  std::vector<std::uint8_t> grey(static_cast<size_t>(size) * size);
  for (int iy = 0; iy < size; ++iy) {
    for (int ix = 0; ix < size; ++ix) {
      const int x0 = kLeft + ix * kSide / size, x1 = kLeft + (ix + 1) * kSide / size;
      const int y0 = kTop + iy * kSide / size, y1 = kTop + (iy + 1) * kSide / size;
      int black = 0, all = 0;
      for (int y = y0; y < std::max(y1, y0 + 1); ++y) {
        for (int x = x0; x < std::max(x1, x0 + 1); ++x) {
          black += frame.IsBlack(x, y);
          ++all;
        }
      }
      const double ink = std::min(1.0, 2.5 * black / all);
      grey[static_cast<size_t>(iy) * size + ix] = static_cast<std::uint8_t>(255 * (1 - ink));
    }
  }
  return grey;
}

}  // namespace valvetrain
