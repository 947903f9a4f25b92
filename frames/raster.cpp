#include "frames/raster.h"

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <utility>

namespace valvetrain {
namespace {

bool Touch(Pixel a, Pixel b) { return std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1; }

// Appends `p` to `path` unless it repeats the last pixel; bridges a gap with a straight run.
void Extend(std::vector<Pixel>& path, Pixel p) {
  if (path.empty()) {
    path.push_back(p);
    return;
  }
  if (path.back() == p) return;
  if (Touch(path.back(), p)) {
    path.push_back(p);
    return;
  }
  std::vector<Pixel> bridge = TraceLine(path.back(), p);
  path.insert(path.end(), bridge.begin() + 1, bridge.end());
}

// Leaves out pixels that only turn a corner: those whose two neighbours on the path touch.
std::vector<Pixel> DropCornerPixels(std::vector<Pixel> path, bool closed) {
  bool dropped = true;
  while (dropped) {
    dropped = false;
    for (size_t i = 0; i < path.size() && path.size() > 4;) {
      const size_t n = path.size();
      const bool end = !closed && (i == 0 || i + 1 == n);
      if (!end && Touch(path[(i + n - 1) % n], path[(i + 1) % n])) {
        path.erase(path.begin() + static_cast<std::ptrdiff_t>(i));
        dropped = true;
      } else {
        ++i;
      }
    }
  }
  return path;
}

}  // namespace

Pixel NearestPixel(Point p) {
  return {static_cast<int>(std::floor(p.x + 0.5)), static_cast<int>(std::floor(p.y + 0.5))};
}

std::vector<Pixel> TraceLine(Pixel from, Pixel to) {
  std::vector<Pixel> pixels;
  const int dx = std::abs(to.x - from.x), sx = from.x < to.x ? 1 : -1;
  const int dy = -std::abs(to.y - from.y), sy = from.y < to.y ? 1 : -1;
  int error = dx + dy;
  Pixel p = from;
  for (;;) {
    pixels.push_back(p);
    if (p == to) break;
    const int e2 = 2 * error;
    if (e2 >= dy) {
      error += dy;
      p.x += sx;
    }
    if (e2 <= dx) {
      error += dx;
      p.y += sy;
    }
  }
  return pixels;
}

std::vector<Pixel> TracePath(const std::vector<Point>& points, bool closed) {
  std::vector<Pixel> path;
  for (const Point& p : points) Extend(path, NearestPixel(p));
  if (closed && path.size() > 1) {
    Extend(path, path.front());
    path.pop_back();  // the first pixel again
  }
  return DropCornerPixels(std::move(path), closed);
}

std::vector<Pixel> TraceEllipse(int left, int top, int right, int bottom) {
  const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
  const double a = (right - left) / 2.0, b = (bottom - top) / 2.0;
  const int samples = 32 + static_cast<int>(8 * (a + b));  // under half a pixel apart
  std::vector<Point> points;
  points.reserve(samples);
  for (int i = 0; i < samples; ++i) {
    const double t = 2 * std::numbers::pi * i / samples;
    points.push_back({cx + a * std::cos(t), cy + b * std::sin(t)});
  }
  return TracePath(points, /*closed=*/true);
}

std::vector<Pixel> TraceCircle(Point centre, double r) {
  return TraceEllipse(static_cast<int>(std::floor(centre.x - r)),
                      static_cast<int>(std::floor(centre.y - r)),
                      static_cast<int>(std::floor(centre.x + r)),
                      static_cast<int>(std::ceil(centre.y + r)));
}

void Plot(FramePicture& picture, const std::vector<Pixel>& pixels) {
  for (const Pixel& p : pixels) picture.SetBlack(p.x, p.y);
}

}  // namespace valvetrain
