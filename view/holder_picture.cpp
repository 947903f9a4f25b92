#include "view/holder_picture.h"

namespace valvetrain {

HolderPicture::HolderPicture(const FramePicture& picture)
    : image_(FramePicture::kWidth, FramePicture::kHeight, QImage::Format_Mono) {
  image_.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  for (int y = 0; y < FramePicture::kHeight; ++y) {
    std::copy_n(picture.Row(y), image_.bytesPerLine(), image_.scanLine(y));
  }
}

}  // namespace valvetrain
