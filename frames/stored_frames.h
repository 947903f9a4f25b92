// The 54 frame pictures in their stored form, made when the program is built.
#pragma once

#include <cstdint>

#include "frames/bmp.h"

namespace valvetrain {

// kStoredFrames[s] is the BMP file image of slot s, that is of frame holder s + 1. Defined by
// a source file that the build writes with valvetrain-embed-frames.
extern const std::uint8_t kStoredFrames[54][kBmpFileSize];

}  // namespace valvetrain
