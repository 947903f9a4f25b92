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

 private:
  QImage image_;
};

}  // namespace valvetrain
