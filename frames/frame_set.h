// The frame set: the picture of every frame slot.
#pragma once

#include "frames/frame_picture.h"

namespace valvetrain {

// The picture of frame slot `slot` (0..53): lift setting slot / 18, cam phase slot % 18.
// Frame holder N holds the picture of slot N - 1.
FramePicture DrawFrame(int slot);

}  // namespace valvetrain
