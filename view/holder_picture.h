// A frame holder's picture in the form the drawing surface paints.
#pragma once

#include <QImage>

#include "controller/window_port.h"
#include "frames/frame_picture.h"

namespace valvetrain {

class HolderPicture {
 public:
  explicit HolderPicture(const FramePicture& picture);

  // 200 x 400, one bit per pixel, palette black then white.
  const QImage& image() const { return image_; }

  // Writes the picture into `target` with its top-left corner at `at`: one 32-bit pixel
  // (0xffrrggbb) for each of its pixels. `target` is in QImage::Format_RGB32 or
  // Format_ARGB32_Premultiplied and holds the whole 200 x 400 area at `at`.
  void ExpandInto(QImage& target, QPoint at = {0, 0}) const;

 private:
  QImage image_;
};

}  // namespace valvetrain
