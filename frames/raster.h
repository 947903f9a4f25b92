// One-pixel-wide, unsmoothed drawing on a frame picture.
#pragma once

#include <vector>

#include "frames/frame_picture.h"

namespace valvetrain {

// A point in pixel coordinates: integers are pixel centres, x to the right, y down.
struct Point {
  double x = 0;
  double y = 0;
};

// A pixel position.
struct Pixel {
  int x = 0;
  int y = 0;
  friend bool operator==(const Pixel&, const Pixel&) = default;
};

// The pixel whose centre is nearest to `p` (halves round towards +infinity).
Pixel NearestPixel(Point p);

// The pixels of a connected, one-pixel-wide path through `points` in order: each point goes to
// its nearest pixel, gaps between consecutive pixels are bridged by straight runs, and a pixel
// that only turns a corner between two diagonal neighbours is left out. A closed path returns
// to its first point. Points should lie closer than a pixel apart where the path curves.
std::vector<Pixel> TracePath(const std::vector<Point>& points, bool closed);

// The pixels of a straight line between two pixels, both included (Bresenham's line).
std::vector<Pixel> TraceLine(Pixel from, Pixel to);

// The pixels of an ellipse whose outermost pixels are columns `left` and `right` and rows
// `top` and `bottom`.
std::vector<Pixel> TraceEllipse(int left, int top, int right, int bottom);

// A circle about (cx, cy) with radius r, as an ellipse whose outermost pixels are columns
// floor(cx - r) and floor(cx + r) and rows floor(cy - r) and ceil(cy + r): an outline through
// half-pixel extremes leans left and reaches down.
std::vector<Pixel> TraceCircle(Point centre, double r);

void Plot(FramePicture& picture, const std::vector<Pixel>& pixels);

}  // namespace valvetrain
