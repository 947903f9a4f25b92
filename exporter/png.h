// Writing black-and-white pictures as PNG files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace valvetrain {

// A picture of any size, one byte per pixel: true for black.
struct BlackWhiteImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> black;  // row by row

  BlackWhiteImage(int w, int h) : width(w), height(h), black(static_cast<size_t>(w) * h, 0) {}
  void Set(int x, int y) {
    if (x >= 0 && x < width && y >= 0 && y < height) black[static_cast<size_t>(y) * width + x] = 1;
  }
};

// The bytes of a 1-bit greyscale PNG file of `image`.
std::string EncodePng(const BlackWhiteImage& image);

// The bytes of an 8-bit greyscale PNG file: `grey` holds width x height values, row by row,
// 0 black and 255 white.
std::string EncodeGreyPng(int width, int height, const std::vector<std::uint8_t>& grey);

}  // namespace valvetrain
