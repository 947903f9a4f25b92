#include "frames/bmp.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "frames/frame_set.h"

namespace valvetrain {
namespace {

std::uint32_t Read32(const std::uint8_t* at) {
  return at[0] | at[1] << 8 | at[2] << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

TEST(BmpTest, HeaderHasTheListedValues) {
  const auto file = EncodeBmp(DrawFrame(0));
  const struct {
    const char* field;
    int offset, size;
    std::uint32_t value;
  } fields[] = {
      {"file size", 2, 4, 11262},
      {"reserved", 6, 2, 0},
      {"reserved", 8, 2, 0},
      {"pixel offset", 10, 4, 62},
      {"info header size", 14, 4, 40},
      {"width", 18, 4, 200},
      {"height", 22, 4, 400},
      {"planes", 26, 2, 1},
      {"bits per pixel", 28, 2, 1},
      {"compression", 30, 4, 0},
      {"pixel bytes", 34, 4, 11200},
      {"horizontal resolution", 38, 4, 0},
      {"vertical resolution", 42, 4, 0},
      {"colours used", 46, 4, 0},
      {"important colours", 50, 4, 0},
      {"palette 0: black", 54, 4, 0x00000000},
      {"palette 1: white", 58, 4, 0x00FFFFFF},
  };
  EXPECT_EQ(file.size(), 11262u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  for (const auto& f : fields) {
    const std::uint32_t value =
        f.size == 4 ? Read32(&file[f.offset]) : file[f.offset] | file[f.offset + 1] << 8;
    EXPECT_EQ(value, f.value) << f.field;
  }
}

TEST(BmpTest, RowsBottomUpMostSignificantBitFirstZeroIsBlack) {
  FramePicture picture;
  picture.SetBlack(0, 0);      // top-left: last row, first bit
  picture.SetBlack(199, 399);  // bottom-right: first row, byte 24, bit 0
  picture.SetBlack(9, 1);      // second row from the top: byte 1, bit 6
  const auto file = EncodeBmp(picture);
  const auto row = [&](int y) { return &file[62 + (399 - y) * 28]; };

  EXPECT_EQ(row(0)[0], 0x7F);
  EXPECT_EQ(row(399)[24], 0xFE);
  EXPECT_EQ(row(1)[1], 0xBF);
  for (int y = 0; y < 400; ++y) {
    for (int i = 25; i < 28; ++i) EXPECT_EQ(row(y)[i], 0) << "padding, row " << y;
  }
  EXPECT_EQ(row(200)[10], 0xFF) << "an empty row is white";
}

TEST(BmpTest, EveryFrameEncodesEveryPixel) {
  for (int slot : {0, 3, 21, 53}) {
    const FramePicture picture = DrawFrame(slot);
    const auto file = EncodeBmp(picture);
    for (int y = 0; y < 400; ++y) {
      for (int x = 0; x < 200; ++x) {
        const bool white = file[62 + (399 - y) * 28 + x / 8] & (0x80 >> (x % 8));
        ASSERT_EQ(!white, picture.IsBlack(x, y)) << "(" << x << ", " << y << ") slot " << slot;
      }
    }
  }
}

TEST(BmpTest, DecodeReadsBackWhatEncodeWrote) {
  for (int slot : {0, 17, 40}) {
    const FramePicture picture = DrawFrame(slot);
    const auto file = EncodeBmp(picture);
    const std::optional<FramePicture> decoded = DecodeBmp(file.data(), file.size());
    ASSERT_TRUE(decoded.has_value()) << slot;
    EXPECT_TRUE(*decoded == picture) << slot;
  }
}

TEST(BmpTest, DecodeRefusesAnythingElse) {
  const auto good = EncodeBmp(DrawFrame(5));
  const struct {
    const char* name;
    int offset;  // the byte changed, or -1 to cut the last byte off
  } cases[] = {
      {
          "signature",
          0,
      },
      {"file size", 2},
      {"pixel offset", 10},
      {"width", 18},
      {"height", 22},
      {"bits per pixel", 28},
      {"compression", 30},
      {"palette swapped", 54},
      {"truncated", -1},
  };
  for (const auto& c : cases) {
    auto bytes = good;
    size_t size = bytes.size();
    if (c.offset < 0) {
      --size;
    } else {
      bytes[c.offset] ^= 0xFF;
    }
    EXPECT_FALSE(DecodeBmp(bytes.data(), size).has_value()) << c.name;
  }
}

}  // namespace
}  // namespace valvetrain
