// The stored form read back by an independent reader: Qt's own BMP decoder.
#include <gtest/gtest.h>

#include <QImage>

#include "frames/bmp.h"
#include "frames/frame_set.h"

namespace valvetrain {
namespace {

TEST(StoredFormTest, QtReadsBackTheSamePixels) {
  for (int slot : {0, 3, 20, 21, 38, 53}) {
    const FramePicture picture = DrawFrame(slot);
    const auto bytes = EncodeBmp(picture);
    const QImage image = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP");
    ASSERT_FALSE(image.isNull()) << "slot " << slot;
    ASSERT_EQ(image.size(), QSize(200, 400)) << "slot " << slot;
    EXPECT_EQ(image.depth(), 1) << "slot " << slot;
    for (int y = 0; y < 400; ++y) {
      for (int x = 0; x < 200; ++x) {
        const QRgb pixel = image.pixel(x, y);
        ASSERT_EQ(pixel, picture.IsBlack(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255))
            << "(" << x << ", " << y << ") slot " << slot;
      }
    }
  }
}

}  // namespace
}  // namespace valvetrain
