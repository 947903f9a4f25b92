#include "exporter/export.h"

#include <cstdio>
#include <fstream>
#include <system_error>

#include "exporter/contact_sheet.h"
#include "exporter/icon.h"
#include "exporter/png.h"
#include "frames/bmp.h"
#include "frames/frame_set.h"

namespace valvetrain {
namespace fs = std::filesystem;
namespace {

std::string Describe(const fs::path& path, const std::error_code& error) {
  return path.string() + ": " + error.message();
}

// Writes `bytes` to `file` through a temporary file beside it.
std::optional<std::string> WriteWhole(const fs::path& file, const char* bytes, size_t size) {
  fs::path temporary = file;
  temporary += ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return Describe(file, std::make_error_code(std::errc::permission_denied));
    out.write(bytes, static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
      std::error_code ignored;
      fs::remove(temporary, ignored);
      return Describe(file, std::make_error_code(std::errc::io_error));
    }
  }
  std::error_code error;
  fs::rename(temporary, file, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return Describe(file, error);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ExportFrames(const fs::path& folder) {
  std::error_code error;
  if (fs::exists(folder, error) && !fs::is_directory(folder, error)) {
    return folder.string() + ": exists and is not a folder";
  }
  fs::create_directories(folder, error);
  if (error) return Describe(folder, error);
  for (int number = 1; number <= 54; ++number) {
    char name[16];
    std::snprintf(name, sizeof name, "frame%02d.bmp", number);
    const auto bytes = EncodeBmp(DrawFrame(number - 1));
    if (auto failure = WriteWhole(folder / name, reinterpret_cast<const char*>(bytes.data()),
                                  bytes.size())) {
      return failure;
    }
  }
  return std::nullopt;
}

std::optional<std::string> ExportContactSheet(const fs::path& file) {
  const std::string png = EncodePng(DrawContactSheet());
  return WriteWhole(file, png.data(), png.size());
}

std::optional<std::string> ExportIcon(int size, const fs::path& file) {
  const std::string png = EncodeGreyPng(size, size, DrawIcon(size));
  return WriteWhole(file, png.data(), png.size());
}

}  // namespace valvetrain
