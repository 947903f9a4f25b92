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

  // Writes the picture into `target`, a 200 x 400 image in QImage::Format_RGB32, the pixel
  // format of the screen's backing store, so that painting it copies and converts nothing.
  void ExpandInto(QImage& target) const;

 private:
  QImage image_;
};

}  // namespace valvetrain
