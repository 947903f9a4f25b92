#include "exporter/png.h"

#include <zlib.h>

namespace valvetrain {
namespace {

void Put32(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>(value >> shift));
}

void Chunk(std::string& out, const char* type, const std::string& data) {
  Put32(out, static_cast<std::uint32_t>(data.size()));
  const std::string body = std::string(type, 4) + data;
  out += body;
  Put32(out, static_cast<std::uint32_t>(
                 crc32(0, reinterpret_cast<const Bytef*>(body.data()), body.size())));
}

// A PNG file of `height` filtered rows in `raw`, at `bit_depth` bits of grey per pixel.
std::string Png(int width, int height, int bit_depth, const std::string& raw) {
  uLongf packed_size = compressBound(raw.size());
  std::string packed(packed_size, '\0');
  compress2(reinterpret_cast<Bytef*>(packed.data()), &packed_size,
            reinterpret_cast<const Bytef*>(raw.data()), raw.size(), Z_BEST_COMPRESSION);
  packed.resize(packed_size);

  std::string header;
  Put32(header, static_cast<std::uint32_t>(width));
  Put32(header, static_cast<std::uint32_t>(height));
  header.push_back(static_cast<char>(bit_depth));
  header += std::string(4, '\0');  // greyscale, deflate, no filter method, no interlace

  std::string png("\x89PNG\r\n\x1a\n", 8);
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", packed);
  Chunk(png, "IEND", "");
  return png;
}

}  // namespace

std::string EncodeGreyPng(int width, int height, const std::vector<std::uint8_t>& grey) {
  std::string raw;
  raw.reserve(static_cast<size_t>(width + 1) * height);
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // filter: none
    raw.append(reinterpret_cast<const char*>(grey.data()) + static_cast<size_t>(y) * width,
               static_cast<size_t>(width));
  }
  return Png(width, height, 8, raw);
}

std::string EncodePng(const BlackWhiteImage& image) {
  // Rows of packed bits, 1 white, each after a filter byte of 0.
  const int row_bytes = (image.width + 7) / 8;
  std::string raw;
  raw.reserve(static_cast<size_t>(row_bytes + 1) * image.height);
  for (int y = 0; y < image.height; ++y) {
    raw.push_back(0);
    for (int i = 0; i < row_bytes; ++i) {
      unsigned byte = 0;
      for (int bit = 0; bit < 8; ++bit) {
        const int x = 8 * i + bit;
        const bool white = x >= image.width || !image.black[static_cast<size_t>(y) * image.width + x];
        if (white) byte |= 0x80u >> bit;
      }
      raw.push_back(static_cast<char>(byte));
    }
  }
  return Png(image.width, image.height, 1, raw);
}

}  // namespace valvetrain
