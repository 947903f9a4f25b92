// Pointer positions in the drawing surface's own units.
#pragma once

namespace valvetrain {

// The surface's inner area (200 x 764 pixels) is 14.882798 units wide and 29.84375 units high,
// with (0, 0) at its top-left pixel, X growing right and Y down.
struct SurfacePoint {
  float x = 0;
  float y = 0;
};

inline constexpr float kSurfaceWidthUnits = 14.882798f;
inline constexpr float kSurfaceHeightUnits = 29.84375f;
inline constexpr int kSurfaceInnerWidth = 200;
inline constexpr int kSurfaceInnerHeight = 764;

// A position (px, py) in pixels from the inner top-left corner, negative or beyond the area
// included, in surface units.
SurfacePoint ToSurfaceUnits(double px, double py);

}  // namespace valvetrain
