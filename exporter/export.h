// Writing the frame pictures and the contact sheet to files.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace valvetrain {

// Writes the 54 pictures as `folder`/frame01.bmp .. frame54.bmp (frameNN holds slot NN - 1),
// creating `folder` when missing. Each file is written under a temporary name and renamed
// when complete, so no half-written picture is ever left. Returns a one-line reason on
// failure.
std::optional<std::string> ExportFrames(const std::filesystem::path& folder);

// Writes the contact sheet as a PNG file at `file`, the same way.
std::optional<std::string> ExportContactSheet(const std::filesystem::path& file);

// Writes the program's icon, `size` pixels square, as a PNG file at `file`, the same way.
std::optional<std::string> ExportIcon(int size, const std::filesystem::path& file);

}  // namespace valvetrain
