// The frame set: the picture of every frame slot, and the elements it is made of.
#pragma once

#include <vector>

#include "frames/frame_picture.h"
#include "frames/raster.h"

namespace valvetrain {

// The black pixels of each element of one frame. Elements overlap freely; none hides another.
struct FrameElements {
  std::vector<Pixel> fixed;          // camshaft circle, cross mark, guides, seat markers, stray
  std::vector<Pixel> control_block;  // turned by the lift setting
  std::vector<Pixel> cam;            // turned by the phase
  std::vector<Pixel> roller_inner;   // the roller's three circles
  std::vector<Pixel> roller_middle;
  std::vector<Pixel> roller_outer;
  std::vector<Pixel> tappet;  // tappet and valve, pushed down by the valve lift
  std::vector<Pixel> valve;
};

// The elements of frame slot `slot` (0..53): lift setting slot / 18, cam phase slot % 18.
FrameElements ElementsOf(int slot);

// The picture of frame slot `slot`: the union of its elements. Frame holder N holds the
// picture of slot N - 1.
FramePicture DrawFrame(int slot);

// All 54 pictures in slot order, the same as DrawFrame() gives one by one, drawing each shared
// element only once.
std::vector<FramePicture> DrawFrameSet();

}  // namespace valvetrain
