#include "exporter/contact_sheet.h"

#include <string>

#include "frames/frame_set.h"

namespace valvetrain {
namespace {

constexpr int kGap = 12;          // between pictures and at the edges
constexpr int kLabelHeight = 18;  // margin above each picture for its slot number
constexpr int kDigitScale = 2;    // each font pixel is 2 x 2 sheet pixels

// Digits 0..9 in a 5 x 7 font, one row per byte, most significant of the low 5 bits leftmost.
constexpr unsigned char kDigits[10][7] = {
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},
};

void DrawNumber(BlackWhiteImage& sheet, int number, int left, int top) {
  const std::string text = std::to_string(number);
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char* glyph = kDigits[text[i] - '0'];
    for (int row = 0; row < 7; ++row) {
      for (int col = 0; col < 5; ++col) {
        if ((glyph[row] & (0x10 >> col)) == 0) continue;
        for (int dy = 0; dy < kDigitScale; ++dy) {
          for (int dx = 0; dx < kDigitScale; ++dx) {
            sheet.Set(left + static_cast<int>(i) * 6 * kDigitScale + col * kDigitScale + dx,
                      top + row * kDigitScale + dy);
          }
        }
      }
    }
  }
}

}  // namespace

BlackWhiteImage DrawContactSheet() {
  constexpr int kColumns = 18, kRows = 3;
  constexpr int kCellWidth = FramePicture::kWidth + kGap;
  constexpr int kCellHeight = kLabelHeight + FramePicture::kHeight + kGap;
  BlackWhiteImage sheet(kGap + kColumns * kCellWidth, kGap + kRows * kCellHeight);
  for (int slot = 0; slot < kColumns * kRows; ++slot) {
    const int left = kGap + (slot % kColumns) * kCellWidth;
    const int label_top = kGap + (slot / kColumns) * kCellHeight;
    const int top = label_top + kLabelHeight;
    DrawNumber(sheet, slot, left, label_top);
    const FramePicture picture = DrawFrame(slot);
    for (int y = 0; y < FramePicture::kHeight; ++y) {
      for (int x = 0; x < FramePicture::kWidth; ++x) {
        if (picture.IsBlack(x, y)) sheet.Set(left + x, top + y);
      }
    }
    for (int x = left - 2; x <= left + FramePicture::kWidth + 1; x += 2) {  // dotted frame
      sheet.Set(x, top - 2);
      sheet.Set(x, top + FramePicture::kHeight + 1);
    }
    for (int y = top - 2; y <= top + FramePicture::kHeight + 1; y += 2) {
      sheet.Set(left - 2, y);
      sheet.Set(left + FramePicture::kWidth + 1, y);
    }
  }
  return sheet;
}

}  // namespace valvetrain
