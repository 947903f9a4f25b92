#include "frames/frame_set.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <vector>

#include "frames/raster.h"
#include "frames/valve_train.h"

namespace valvetrain {
namespace {

int Mirror(int x) { return kValveAxisTimesTwo - x; }

using Pixels = std::vector<Pixel>;

void Row(Pixels& pixels, int y, int x0, int x1) {
  for (int x = x0; x <= x1; ++x) pixels.push_back({x, y});
}

void Column(Pixels& pixels, int x, int y0, int y1) {
  for (int y = y0; y <= y1; ++y) pixels.push_back({x, y});
}

void Rectangle(Pixels& pixels, int x0, int y0, int x1, int y1) {
  Row(pixels, y0, x0, x1);
  Row(pixels, y1, x0, x1);
  Column(pixels, x0, y0 + 1, y1 - 1);
  Column(pixels, x1, y0 + 1, y1 - 1);
}

// The left seat marker, and the right one as its mirror image.
void DrawSeatMarkers(Pixels& pixels) {
  Pixels left;
  for (int x = 11; x <= 21; ++x) left.push_back({x, 350});
  for (int y = 351; y <= 361; ++y) left.push_back({11, y});
  for (int y = 351; y <= 357; ++y) left.push_back({21, y});
  for (int x = 12; x <= 15; ++x) left.push_back({x, 361});
  // The cut along the valve face.
  for (Pixel p : {Pixel{20, 358}, {19, 358}, {18, 359}, {17, 360}, {16, 360}}) left.push_back(p);
  for (const Pixel& p : left) {
    pixels.push_back(p);
    pixels.push_back({Mirror(p.x), p.y});
  }
}

Pixels FixedElements() {
  Pixels pixels = TraceCircle(kCamshaftCentre, kCamshaftRadius);
  Row(pixels, 123, 66, 84);  // cross mark
  Column(pixels, 75, 115, 133);
  Rectangle(pixels, 18, 172, 24, 240);  // tappet guides
  Rectangle(pixels, Mirror(24), 172, Mirror(18), 240);
  DrawSeatMarkers(pixels);
  pixels.push_back({2, 391});  // the stray pixel
  return pixels;
}

Point Along(Point from, Point to, double distance) {
  const double dx = to.x - from.x, dy = to.y - from.y;
  const double length = std::hypot(dx, dy);
  return {from.x + dx * distance / length, from.y + dy * distance / length};
}

Point ToPoint(Pixel p) { return {static_cast<double>(p.x), static_cast<double>(p.y)}; }

// Appends the straight run from `from` to `to` as points a tenth of a pixel apart.
void AppendStraight(std::vector<Point>& path, Point from, Point to) {
  const int steps = 1 + static_cast<int>(10 * std::hypot(to.x - from.x, to.y - from.y));
  for (int i = 0; i < steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    path.push_back({from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t});
  }
}

// Appends a rounded corner: a quadratic curve from `from` to `to` that leans on `corner`.
void AppendRounded(std::vector<Point>& path, Point from, Point corner, Point to) {
  constexpr int kSteps = 60;
  for (int i = 0; i < kSteps; ++i) {
    const double t = static_cast<double>(i) / kSteps, u = 1 - t;
    path.push_back({u * u * from.x + 2 * u * t * corner.x + t * t * to.x,
                    u * u * from.y + 2 * u * t * corner.y + t * t * to.y});
  }
}

// Setting 0's block, pixel by pixel: face, top side, upper back corner, back, lower back
// corner, bottom side.
Pixels UprightControlBlock() {
  Pixels pixels;
  Column(pixels, 60, 111, 152);
  Row(pixels, 111, 17, 59);
  for (Pixel p : {Pixel{16, 112}, {15, 112}, {14, 113}, {13, 114}, {13, 115}}) {
    pixels.push_back(p);
  }
  Column(pixels, 12, 116, 149);
  pixels.push_back({13, 150});
  pixels.push_back({13, 151});
  Row(pixels, 152, 14, 59);
  return pixels;
}

// The turned block: straight sides between the corners, the back corners rounded.
Pixels TurnedControlBlock(const BlockCorners& corners) {
  constexpr double kRoundingA = 4.5, kRoundingB = 2.5;
  const Point a = ToPoint(corners.face_a), b = ToPoint(corners.face_b);
  const Point back_a = ToPoint(corners.back_a), back_b = ToPoint(corners.back_b);
  std::vector<Point> path;
  AppendStraight(path, a, Along(back_a, a, kRoundingA));
  AppendRounded(path, Along(back_a, a, kRoundingA), back_a, Along(back_a, back_b, kRoundingA));
  AppendStraight(path, Along(back_a, back_b, kRoundingA), Along(back_b, back_a, kRoundingB));
  AppendRounded(path, Along(back_b, back_a, kRoundingB), back_b, Along(back_b, b, kRoundingB));
  AppendStraight(path, Along(back_b, b, kRoundingB), b);
  AppendStraight(path, b, a);
  return TracePath(path, /*closed=*/true);
}

// The cam outline: the radius table turned to the lobe axis. Near the tip the outline is eased
// by under a pixel so that it passes through the centre of the tip's listed pixel.
Pixels CamOutline(int phase) {
  constexpr int kSamplesPerDegree = 5;  // about a quarter of a pixel apart
  constexpr double kEasing = 30;  // degrees either side of the axis
  const double axis = LobeAxisDegrees(phase);
  const auto at = [&](double from_axis) {
    const double radians = (axis + from_axis) * std::numbers::pi / 180;
    const double r = CamRadius(from_axis);
    return Point{kCamshaftCentre.x + r * std::cos(radians),
                 kCamshaftCentre.y + r * std::sin(radians)};
  };
  const Point exact_tip = at(0);
  const Pixel tip = LobeTip(phase);
  const double shift_x = tip.x - exact_tip.x, shift_y = tip.y - exact_tip.y;
  std::vector<Point> outline;
  outline.reserve(360 * kSamplesPerDegree);
  for (int i = 0; i < 360 * kSamplesPerDegree; ++i) {
    const double from_axis = static_cast<double>(i) / kSamplesPerDegree;  // starts at the tip
    const double off_axis = std::min(from_axis, 360 - from_axis);
    const double weight =
        off_axis < kEasing ? 0.5 * (1 + std::cos(std::numbers::pi * off_axis / kEasing)) : 0;
    const Point p = at(from_axis);
    outline.push_back({p.x + weight * shift_x, p.y + weight * shift_y});
  }
  return TracePath(outline, /*closed=*/true);
}

// The bucket tappet, `lift` pixels below its closed position.
Pixels Tappet(int setting, int lift) {
  Pixels pixels;
  const int top = 154 + lift;
  Row(pixels, top, 27, 105);  // outer top side
  if (setting == 0) pixels.push_back({26, top});
  Column(pixels, 26, top + 1, top + 68);  // outer walls
  Column(pixels, 106, top + 1, top + 68);
  Row(pixels, top + 6, 31, 101);  // inner top side, joined to the inner walls
  for (int x : {30}) {
    pixels.push_back({x, top + 7});
    pixels.push_back({Mirror(x), top + 7});
  }
  // Inner walls, stepping out towards the outer walls, which they meet in a point.
  const struct {
    int x, first, last;
  } inner_walls[] = {{29, 7, 48}, {28, 49, 56}, {27, 57, 64}};
  for (const auto& wall : inner_walls) {
    Column(pixels, wall.x, top + wall.first, top + wall.last);
    Column(pixels, Mirror(wall.x), top + wall.first, top + wall.last);
  }
  return pixels;
}

// The valve head's left outline: the columns at each height above its bottom side.
struct HeadRun {
  int height, x0, x1;
};
constexpr HeadRun kHeadLeft[] = {
    {1, 15, 15},  {2, 16, 17},  {3, 18, 18},  {4, 19, 20},  {5, 21, 24},  {6, 25, 32},
    {7, 33, 37},  {8, 38, 40},  {9, 41, 43},  {10, 44, 45}, {11, 46, 47}, {12, 48, 48},
    {13, 49, 49}, {14, 50, 51}, {15, 52, 52}, {16, 53, 53}, {17, 54, 54}, {18, 54, 54},
    {19, 55, 55}, {20, 56, 56}, {21, 56, 56}, {22, 57, 57}, {23, 57, 57}, {24, 58, 58},
    {25, 58, 58}, {26, 58, 58}, {27, 59, 59}, {28, 59, 59}, {29, 59, 59}, {30, 59, 59},
    {31, 59, 59},
};
// Heights where the right half is not the mirror image of the left, and its columns there.
constexpr HeadRun kHeadRightExceptions[] = {
    {11, 86, 86}, {12, 84, 85}, {14, 82, 82}, {15, 80, 81}, {20, 77, 77},
};

// The valve, `lift` pixels below its closed position: stem, head outline, bottom side.
Pixels Valve(int lift) {
  Pixels pixels;
  const int bottom = 362 + lift;
  Row(pixels, bottom, 16, 116);
  Column(pixels, 60, 161 + lift, bottom - 32);  // stem
  Column(pixels, Mirror(60), 161 + lift, bottom - 32);
  for (const HeadRun& run : kHeadLeft) {
    Row(pixels, bottom - run.height, run.x0, run.x1);
    const HeadRun* exception = nullptr;
    for (const HeadRun& e : kHeadRightExceptions) {
      if (e.height == run.height) exception = &e;
    }
    if (exception != nullptr) {
      Row(pixels, bottom - run.height, exception->x0, exception->x1);
    } else {
      Row(pixels, bottom - run.height, Mirror(run.x1), Mirror(run.x0));
    }
  }
  return pixels;
}

}  // namespace

FrameElements ElementsOf(int slot) {
  const int setting = slot / 18, phase = slot % 18;
  const int lift = ValveLift(setting, phase);
  const Point roller = RollerCentre(setting, phase);
  FrameElements e;
  e.fixed = FixedElements();
  e.control_block =
      setting == 0 ? UprightControlBlock() : TurnedControlBlock(ControlBlockCorners(setting));
  e.cam = CamOutline(phase);
  e.roller_inner = TraceCircle(roller, kRollerInnerRadius);
  e.roller_middle = TraceCircle(roller, kRollerMiddleRadius);
  e.roller_outer = TraceCircle(roller, kRollerOuterRadius);
  e.tappet = Tappet(setting, lift);
  e.valve = Valve(lift);
  return e;
}

namespace {

FramePicture Compose(std::initializer_list<const Pixels*> elements) {
  FramePicture picture;
  for (const Pixels* element : elements) Plot(picture, *element);
  return picture;
}

}  // namespace

FramePicture DrawFrame(int slot) {
  const FrameElements e = ElementsOf(slot);
  return Compose({&e.fixed, &e.control_block, &e.cam, &e.roller_inner, &e.roller_middle,
                  &e.roller_outer, &e.tappet, &e.valve});
}

std::vector<FramePicture> DrawFrameSet() {
  // Elements shared between frames are traced once.
  const Pixels fixed = FixedElements();
  std::array<Pixels, 3> blocks;
  for (int setting = 0; setting < 3; ++setting) {
    blocks[setting] =
        setting == 0 ? UprightControlBlock() : TurnedControlBlock(ControlBlockCorners(setting));
  }
  std::array<Pixels, 18> cams;
  for (int phase = 0; phase < 18; ++phase) cams[phase] = CamOutline(phase);
  const auto roller = [](Point centre) {
    Pixels pixels;
    for (double r : {kRollerInnerRadius, kRollerMiddleRadius, kRollerOuterRadius}) {
      const Pixels circle = TraceCircle(centre, r);
      pixels.insert(pixels.end(), circle.begin(), circle.end());
    }
    return pixels;
  };
  const Pixels roller_at_rest = roller(kRollerRestCentre);

  std::vector<FramePicture> frames;
  frames.reserve(54);
  for (int slot = 0; slot < 54; ++slot) {
    const int setting = slot / 18, phase = slot % 18;
    const int lift = ValveLift(setting, phase);
    const Pixels open_roller = phase < kOpenPhases ? roller(RollerCentre(setting, phase)) : Pixels{};
    const Pixels tappet = Tappet(setting, lift), valve = Valve(lift);
    frames.push_back(Compose({&fixed, &blocks[setting], &cams[phase],
                              phase < kOpenPhases ? &open_roller : &roller_at_rest, &tappet,
                              &valve}));
  }
  return frames;
}

}  // namespace valvetrain
