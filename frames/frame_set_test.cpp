#include "frames/frame_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "frames/valve_train.h"

namespace valvetrain {
namespace {

constexpr int kSlots = 54;

const std::vector<FramePicture>& Frames() {
  static const std::vector<FramePicture> frames = [] {
    std::vector<FramePicture> f;
    for (int slot = 0; slot < kSlots; ++slot) f.push_back(DrawFrame(slot));
    return f;
  }();
  return frames;
}

const std::vector<FrameElements>& Elements() {
  static const std::vector<FrameElements> elements = [] {
    std::vector<FrameElements> e;
    for (int slot = 0; slot < kSlots; ++slot) e.push_back(ElementsOf(slot));
    return e;
  }();
  return elements;
}

int Setting(int slot) { return slot / 18; }
int Phase(int slot) { return slot % 18; }
int Lift(int slot) { return ValveLift(Setting(slot), Phase(slot)); }
bool Closed(int slot) { return Phase(slot) >= 6; }

std::set<std::pair<int, int>> AsSet(const std::vector<Pixel>& pixels) {
  std::set<std::pair<int, int>> set;
  for (const Pixel& p : pixels) set.insert({p.x, p.y});
  return set;
}

// A run of pixels along a row (x0..x1 at y) or a column (x at y0..y1).
struct PixelRun {
  const char* name;
  int x0, y0, x1, y1;
};

void ExpectBlack(const FramePicture& picture, const PixelRun& run, int slot, bool black = true) {
  for (int y = run.y0; y <= run.y1; ++y) {
    for (int x = run.x0; x <= run.x1; ++x) {
      EXPECT_EQ(picture.IsBlack(x, y), black)
          << run.name << " at (" << x << ", " << y << ") in slot " << slot;
    }
  }
}

// --- The fixed elements ---------------------------------------------------------------------

const PixelRun kFixedBlack[] = {
    {"cross mark, horizontal", 66, 123, 84, 123},
    {"cross mark, vertical", 75, 115, 75, 133},
    {"left guide, top", 18, 172, 24, 172},
    {"left guide, bottom", 18, 240, 24, 240},
    {"left guide, left", 18, 172, 18, 240},
    {"left guide, right", 24, 172, 24, 240},
    {"right guide, top", 108, 172, 114, 172},
    {"right guide, bottom", 108, 240, 114, 240},
    {"right guide, left", 108, 172, 108, 240},
    {"right guide, right", 114, 172, 114, 240},
    {"left seat marker, top", 11, 350, 21, 350},
    {"left seat marker, left", 11, 350, 11, 361},
    {"left seat marker, right", 21, 350, 21, 357},
    {"left seat marker, bottom", 11, 361, 15, 361},
    {"right seat marker, top", 111, 350, 121, 350},
    {"right seat marker, right", 121, 350, 121, 361},
    {"right seat marker, left", 111, 350, 111, 357},
    {"right seat marker, bottom", 117, 361, 121, 361},
    {"stray pixel", 2, 391, 2, 391},
};

const PixelRun kFixedWhite[] = {
    {"inside the left guide", 19, 173, 23, 239},
    {"inside the right guide", 109, 173, 113, 239},
    {"clear column left of the tappet", 25, 154, 25, 245},
    {"clear column right of the tappet", 107, 154, 107, 245},
};

TEST(FixedElementsTest, SamePixelsInEveryFrame) {
  for (int slot = 0; slot < kSlots; ++slot) {
    for (const PixelRun& run : kFixedBlack) ExpectBlack(Frames()[slot], run, slot);
    for (const PixelRun& run : kFixedWhite) ExpectBlack(Frames()[slot], run, slot, false);
  }
}

TEST(FixedElementsTest, SeatMarkersAreCutAlongTheValveFace) {
  const std::vector<Pixel> cut = {{20, 358}, {19, 358}, {18, 359}, {17, 360}, {16, 360}, {15, 361}};
  for (int slot = 0; slot < kSlots; ++slot) {
    const FramePicture& f = Frames()[slot];
    for (const Pixel& p : cut) {
      EXPECT_TRUE(f.IsBlack(p.x, p.y)) << "left cut (" << p.x << ", " << p.y << ") slot " << slot;
      EXPECT_TRUE(f.IsBlack(132 - p.x, p.y)) << "right cut at x " << 132 - p.x << " slot " << slot;
    }
    if (!Closed(slot)) continue;  // an open valve's head runs across the markers
    // Inside the closed markers: white but for the cut.
    for (int y = 351; y <= 360; ++y) {
      for (int x = 12; x <= 20; ++x) {
        const bool on_cut = std::count(cut.begin(), cut.end(), Pixel{x, y}) > 0;
        EXPECT_EQ(f.IsBlack(x, y), on_cut) << "(" << x << ", " << y << ") slot " << slot;
        EXPECT_EQ(f.IsBlack(132 - x, y), on_cut) << "(" << 132 - x << ", " << y << ") " << slot;
      }
    }
  }
}

TEST(FixedElementsTest, CamshaftCircleHasItsExtremesAndIsTheSameEverywhere) {
  // Only the camshaft circle lies within 31 px of its centre.
  auto circle_pixels = [](const FramePicture& f) {
    std::vector<Pixel> pixels;
    for (int y = 38; y <= 105; ++y) {
      for (int x = 93; x <= 160; ++x) {
        if (std::hypot(x - 126.5, y - 71.5) <= 31 && f.IsBlack(x, y)) pixels.push_back({x, y});
      }
    }
    return pixels;
  };
  const std::vector<Pixel> first = circle_pixels(Frames()[0]);
  int min_x = 999, max_x = -1, min_y = 999, max_y = -1;
  for (const Pixel& p : first) {
    min_x = std::min(min_x, p.x);
    max_x = std::max(max_x, p.x);
    min_y = std::min(min_y, p.y);
    max_y = std::max(max_y, p.y);
    EXPECT_NEAR(std::hypot(p.x - 126.5, p.y - 71.5), 29.5, 0.75) << p.x << ", " << p.y;
  }
  EXPECT_EQ(min_x, 97);
  EXPECT_EQ(max_x, 156);
  EXPECT_EQ(min_y, 42);
  EXPECT_EQ(max_y, 101);
  for (int slot = 1; slot < kSlots; ++slot) {
    EXPECT_TRUE(circle_pixels(Frames()[slot]) == first) << "slot " << slot;
  }
}

TEST(FixedElementsTest, NothingOutsideTheDrawingAreaButTheStrayPixel) {
  for (int slot = 0; slot < kSlots; ++slot) {
    int outside = 0;
    for (int y = 0; y < FramePicture::kHeight; ++y) {
      for (int x = 0; x < FramePicture::kWidth; ++x) {
        const bool inside = x >= 11 && x <= 189 && y >= 8 && y <= 384;
        if (!inside && !(x == 2 && y == 391) && Frames()[slot].IsBlack(x, y)) ++outside;
      }
    }
    EXPECT_EQ(outside, 0) << "slot " << slot;
  }
}

// --- Closed frames ----------------------------------------------------------------------------

const PixelRun kClosedTappetAndValve[] = {
    {"tappet outer top side", 27, 154, 105, 154},
    {"tappet left outer wall", 26, 155, 26, 222},
    {"tappet right outer wall", 106, 155, 106, 222},
    {"tappet inner top side", 31, 160, 101, 160},
    {"tappet left join", 29, 161, 30, 161},
    {"tappet right join", 102, 161, 103, 161},
    {"tappet left inner wall", 29, 161, 29, 202},
    {"tappet right inner wall", 103, 161, 103, 202},
    {"tappet left inner wall, first step", 28, 203, 28, 210},
    {"tappet right inner wall, first step", 104, 203, 104, 210},
    {"tappet left inner wall, second step", 27, 211, 27, 218},
    {"tappet right inner wall, second step", 105, 211, 105, 218},
    {"valve stem, left", 60, 161, 60, 330},
    {"valve stem, right", 72, 161, 72, 330},
    {"valve bottom side", 16, 362, 116, 362},
};

const PixelRun kClosedWhite[] = {
    {"between the tappet's top sides", 27, 155, 105, 159},
    {"between the inner wall and the outer wall, left", 27, 155, 28, 202},
    {"between the inner wall and the outer wall, right", 104, 155, 105, 202},
    {"left wall's point", 27, 219, 28, 222},
    {"right wall's point", 104, 219, 105, 222},
    {"under the tappet's walls", 26, 223, 26, 240},
    {"tappet corner (106, 154)", 106, 154, 106, 154},
    {"between the stem lines", 61, 161, 71, 330},
};

TEST(ClosedFramesTest, TappetAndValveStemExact) {
  for (int slot = 0; slot < kSlots; ++slot) {
    if (!Closed(slot)) continue;
    for (const PixelRun& run : kClosedTappetAndValve) ExpectBlack(Frames()[slot], run, slot);
    for (const PixelRun& run : kClosedWhite) ExpectBlack(Frames()[slot], run, slot, false);
    EXPECT_EQ(Frames()[slot].IsBlack(26, 154), Setting(slot) == 0) << "slot " << slot;
  }
}

// The valve head's outline, left half, by height above the bottom side; the right half is the
// mirror image except where `right` says otherwise.
struct HeadRow {
  int height, x0, x1;
  int right_x0 = 0, right_x1 = 0;
};
const HeadRow kHead[] = {
    {1, 15, 15},  {2, 16, 17},  {3, 18, 18},          {4, 19, 20},  {5, 21, 24},
    {6, 25, 32},  {7, 33, 37},  {8, 38, 40},          {9, 41, 43},  {10, 44, 45},
    {11, 46, 47, 86, 86},       {12, 48, 48, 84, 85}, {13, 49, 49}, {14, 50, 51, 82, 82},
    {15, 52, 52, 80, 81},       {16, 53, 53},         {17, 54, 54}, {18, 54, 54},
    {19, 55, 55}, {20, 56, 56, 77, 77},               {21, 56, 56}, {22, 57, 57},
    {23, 57, 57}, {24, 58, 58}, {25, 58, 58},         {26, 58, 58}, {27, 59, 59},
    {28, 59, 59}, {29, 59, 59}, {30, 59, 59},         {31, 59, 59}, {32, 60, 60},
};

TEST(ClosedFramesTest, ValveHeadOutlineByHeight) {
  for (int slot = 0; slot < kSlots; ++slot) {
    if (!Closed(slot)) continue;
    for (const HeadRow& row : kHead) {
      const int y = 362 - row.height;
      const int right_x0 = row.right_x0 != 0 ? row.right_x0 : 132 - row.x1;
      const int right_x1 = row.right_x1 != 0 ? row.right_x1 : 132 - row.x0;
      // Between the seat markers only the head is in these rows.
      for (int x = 22; x <= 110; ++x) {
        const bool expected = (x >= row.x0 && x <= row.x1) || (x >= right_x0 && x <= right_x1) ||
                              (row.height == 32 && x == 72);
        EXPECT_EQ(Frames()[slot].IsBlack(x, y), expected)
            << "height " << row.height << ", x " << x << ", slot " << slot;
      }
      if (row.x0 < 22) {
        for (int x = row.x0; x <= row.x1; ++x) EXPECT_TRUE(Frames()[slot].IsBlack(x, y));
        for (int x = right_x0; x <= right_x1; ++x) EXPECT_TRUE(Frames()[slot].IsBlack(x, y));
      }
    }
  }
}

TEST(ClosedFramesTest, UprightControlBlockMatchesItsPixelList) {
  std::set<std::pair<int, int>> expected;
  for (int y = 111; y <= 152; ++y) expected.insert({60, y});
  for (int x = 17; x <= 60; ++x) expected.insert({x, 111});
  for (int x = 14; x <= 60; ++x) expected.insert({x, 152});
  for (int y = 116; y <= 149; ++y) expected.insert({12, y});
  for (auto p : {std::pair{16, 112}, {15, 112}, {14, 113}, {13, 114}, {13, 115}, {13, 150},
                 {13, 151}}) {
    expected.insert(p);
  }
  for (int slot = 0; slot < 18; ++slot) {
    EXPECT_EQ(AsSet(Elements()[slot].control_block), expected) << "slot " << slot;
    // Left of the roller only the block is drawn.
    for (int y = 105; y <= 153; ++y) {
      for (int x = 8; x <= 43; ++x) {
        EXPECT_EQ(Frames()[slot].IsBlack(x, y), expected.count({x, y}) > 0)
            << "(" << x << ", " << y << ") slot " << slot;
      }
    }
  }
}

TEST(ClosedFramesTest, RollerAtRestCoversItsColumnsAndRows) {
  const struct {
    const char* name;
    std::vector<Pixel> FrameElements::*circle;
    int x0, x1, y0, y1;
  } circles[] = {
      {"inner", &FrameElements::roller_inner, 61, 89, 109, 137},
      {"middle", &FrameElements::roller_middle, 49, 101, 97, 149},
      {"outer", &FrameElements::roller_outer, 44, 105, 92, 154},
  };
  for (int slot = 0; slot < kSlots; ++slot) {
    if (!Closed(slot)) continue;
    for (const auto& c : circles) {
      const std::vector<Pixel>& pixels = Elements()[slot].*c.circle;
      int x0 = 999, x1 = -1, y0 = 999, y1 = -1;
      for (const Pixel& p : pixels) {
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
        EXPECT_TRUE(Frames()[slot].IsBlack(p.x, p.y));
      }
      EXPECT_EQ(x0, c.x0) << c.name << " slot " << slot;
      EXPECT_EQ(x1, c.x1) << c.name << " slot " << slot;
      EXPECT_EQ(y0, c.y0) << c.name << " slot " << slot;
      EXPECT_EQ(y1, c.y1) << c.name << " slot " << slot;
    }
  }
  // In setting 0 row 123 and column 75 cross only the circles, the cross mark and the face.
  for (int slot = 6; slot < 18; ++slot) {
    std::vector<int> row, column;
    for (int x = 40; x <= 110; ++x) {
      if (Frames()[slot].IsBlack(x, 123)) row.push_back(x);
    }
    for (int y = 88; y <= 153; ++y) {
      if (Frames()[slot].IsBlack(75, y)) column.push_back(y);
    }
    std::vector<int> expected_row = {44, 49, 60, 61};
    for (int x = 66; x <= 84; ++x) expected_row.push_back(x);
    expected_row.insert(expected_row.end(), {89, 101, 105});
    std::vector<int> expected_column = {92, 97, 109};
    for (int y = 115; y <= 133; ++y) expected_column.push_back(y);
    expected_column.insert(expected_column.end(), {137, 149});
    EXPECT_EQ(row, expected_row) << "slot " << slot;
    EXPECT_EQ(column, expected_column) << "slot " << slot;
  }
}

// --- Every frame ------------------------------------------------------------------------------

TEST(EveryFrameTest, LobeTipFromTheTable) {
  const Pixel kTips[18] = {{63, 66},   {65, 88},   {74, 108},  {90, 123},  {110, 133}, {132, 135},
                           {153, 129}, {171, 117}, {184, 98},  {189, 77},  {188, 55},  {178, 35},
                           {163, 20},  {143, 10},  {121, 8},   {100, 14},  {82, 26},   {69, 45}};
  for (int slot = 0; slot < kSlots; ++slot) {
    const Pixel tip = kTips[Phase(slot)];
    EXPECT_TRUE(Frames()[slot].IsBlack(tip.x, tip.y)) << "slot " << slot;
    EXPECT_TRUE(AsSet(Elements()[slot].cam).count({tip.x, tip.y})) << "slot " << slot;
    // The tip is the cam's outermost pixel along the lobe axis.
    const double axis = LobeAxisDegrees(Phase(slot)) * std::numbers::pi / 180;
    const auto reach = [&](Pixel p) {
      return (p.x - kCamshaftCentre.x) * std::cos(axis) + (p.y - kCamshaftCentre.y) * std::sin(axis);
    };
    for (const Pixel& p : Elements()[slot].cam) {
      EXPECT_LE(reach(p), reach(tip) + 0.75) << "(" << p.x << ", " << p.y << ") slot " << slot;
    }
  }
}

TEST(EveryFrameTest, TappetAndValveMovedDownByTheValveLift) {
  const int kLifts[3][6] = {{5, 13, 20, 22, 20, 10}, {3, 8, 11, 11, 8, 3}, {1, 2, 3, 2, 1, 1}};
  for (int slot = 0; slot < kSlots; ++slot) {
    const int lift = Closed(slot) ? 0 : kLifts[Setting(slot)][Phase(slot)];
    const FramePicture& f = Frames()[slot];
    ExpectBlack(f, {"valve bottom side", 16, 362 + lift, 116, 362 + lift}, slot);
    EXPECT_FALSE(f.IsBlack(15, 362 + lift)) << "slot " << slot;
    EXPECT_FALSE(f.IsBlack(117, 362 + lift)) << "slot " << slot;
    ExpectBlack(f, {"below the valve", 3, 363 + lift, 199, 399}, slot, false);
    ExpectBlack(f, {"tappet top side", 27, 154 + lift, 105, 154 + lift}, slot);
    EXPECT_FALSE(f.IsBlack(106, 154 + lift)) << "slot " << slot;
    EXPECT_EQ(f.IsBlack(26, 154 + lift), Setting(slot) == 0) << "slot " << slot;
    ExpectBlack(f, {"tappet walls", 26, 155 + lift, 26, 222 + lift}, slot);
    ExpectBlack(f, {"tappet walls", 106, 155 + lift, 106, 222 + lift}, slot);
    ExpectBlack(f, {"valve stem", 60, 161 + lift, 60, 330 + lift}, slot);
    ExpectBlack(f, {"valve stem", 72, 161 + lift, 72, 330 + lift}, slot);
  }
  EXPECT_TRUE(Frames()[3].IsBlack(16, 384)) << "slot 3 opens widest: bottom side in row 384";
}

TEST(EveryFrameTest, RollerDrawnAboutTheTableCentreWithinHalfAPixel) {
  const Point kCentres[3][6] = {
      {{75, 128}, {75, 136}, {75, 142}, {75, 145}, {75, 142}, {75, 133}},
      {{71, 126}, {65, 131}, {62, 134}, {62, 134}, {65, 131}, {71, 126}},
      {{67, 124}, {58, 124}, {54, 125}, {56, 125}, {62, 124}, {70, 124}},
  };
  for (int slot = 0; slot < kSlots; ++slot) {
    const Point table = Closed(slot) ? Point{75, 123} : kCentres[Setting(slot)][Phase(slot)];
    bool found = false;
    for (double dx : {0.0, -0.5, 0.5}) {
      for (double dy : {0.0, -0.5, 0.5}) {
        const Point c = {table.x + dx, table.y + dy};
        bool all = true;
        for (double r : {14.0, 26.0, 30.5}) {
          for (const Pixel& p : TraceCircle(c, r)) all = all && Frames()[slot].IsBlack(p.x, p.y);
        }
        found = found || all;
      }
    }
    EXPECT_TRUE(found) << "slot " << slot;
  }
}

double MinDistance(const std::vector<Pixel>& a, const std::vector<Pixel>& b) {
  double best = 1e9;
  for (const Pixel& p : a) {
    for (const Pixel& q : b) best = std::min(best, std::hypot(p.x - q.x, p.y - q.y));
  }
  return best;
}

// The block's pixels along its face, from end A to end B.
std::vector<Pixel> FacePixels(int slot) {
  const BlockCorners c = ControlBlockCorners(Setting(slot));
  const double ax = c.face_a.x, ay = c.face_a.y, bx = c.face_b.x, by = c.face_b.y;
  const double length = std::hypot(bx - ax, by - ay);
  std::vector<Pixel> face;
  for (const Pixel& p : Elements()[slot].control_block) {
    const double t = ((p.x - ax) * (bx - ax) + (p.y - ay) * (by - ay)) / (length * length);
    const double off = std::fabs((p.x - ax) * (by - ay) - (p.y - ay) * (bx - ax)) / length;
    if (t >= 0 && t <= 1 && off <= 1) face.push_back(p);
  }
  return face;
}

TEST(ContactsTest, InnerCircleTouchesTheControlBlockFace) {
  for (int slot = 0; slot < kSlots; ++slot) {
    const double d = MinDistance(Elements()[slot].roller_inner, FacePixels(slot));
    // Touching pixels are 1 apart (1.41 diagonally); one clear pixel between them is 2.
    EXPECT_LE(d, 2.0) << "slot " << slot;
  }
}

// The pixels enclosed by the cam outline (not on it).
std::set<std::pair<int, int>> CamInside(const std::vector<Pixel>& outline) {
  const auto wall = AsSet(outline);
  std::set<std::pair<int, int>> inside;
  std::vector<std::pair<int, int>> stack = {{126, 71}};
  while (!stack.empty()) {
    const auto [x, y] = stack.back();
    stack.pop_back();
    if (wall.count({x, y}) || inside.count({x, y}) || !FramePicture::Contains(x, y)) continue;
    inside.insert({x, y});
    stack.insert(stack.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
  }
  return inside;
}

TEST(ContactsTest, MiddleCircleRunsOnTheCamWithoutCrossingIt) {
  for (int slot = 0; slot < kSlots; ++slot) {
    const FrameElements& e = Elements()[slot];
    const auto inside = CamInside(e.cam);
    ASSERT_LT(inside.size(), 20000u) << "the cam outline must be closed; slot " << slot;
    for (const Pixel& p : e.roller_middle) {
      EXPECT_FALSE(inside.count({p.x, p.y})) << "(" << p.x << ", " << p.y << ") slot " << slot;
    }
    // A gap of at most 1.5 px between the outlines: pixel centres at most 2.5 apart.
    EXPECT_LE(MinDistance(e.roller_middle, e.cam), 2.5) << "slot " << slot;
  }
}

TEST(ContactsTest, OuterCircleRestsOnTheTappetTop) {
  const std::set<int> one_row_above = {0, 2, 4, 20, 21, 36, 37, 38, 39, 41};
  for (int slot = 0; slot < kSlots; ++slot) {
    int lowest = -1;
    for (const Pixel& p : Elements()[slot].roller_outer) lowest = std::max(lowest, p.y);
    const int top = 154 + Lift(slot);
    EXPECT_EQ(lowest, one_row_above.count(slot) ? top - 1 : top) << "slot " << slot;
  }
}

TEST(ControlBlockTest, TurnedCornersFollowTheCornerTable) {
  const struct {
    int setting;
    Pixel a, b, back_a, back_b;
  } cases[] = {
      {1, {74, 104}, {42, 132}, {44, 68}, {11, 95}},
      {2, {85, 108}, {43, 111}, {80, 60}, {39, 63}},
  };
  for (const auto& c : cases) {
    const auto block = AsSet(Elements()[18 * c.setting].control_block);
    auto nearest = [&](Pixel corner) {
      double best = 1e9;
      for (const auto& [x, y] : block) best = std::min(best, std::hypot(x - corner.x, y - corner.y));
      return best;
    };
    EXPECT_LE(nearest(c.a), 1.0) << "face end A, setting " << c.setting;
    EXPECT_LE(nearest(c.b), 1.0) << "face end B, setting " << c.setting;
    // The rounded back corners pass inside the corner points, close by.
    EXPECT_GE(nearest(c.back_a), 1.0) << "back corner A is rounded, setting " << c.setting;
    EXPECT_LE(nearest(c.back_a), 3.0) << "back corner A, setting " << c.setting;
    EXPECT_LE(nearest(c.back_b), 2.0) << "back corner B, setting " << c.setting;
    for (int slot = 18 * c.setting; slot < 18 * c.setting + 18; ++slot) {
      EXPECT_EQ(AsSet(Elements()[slot].control_block), block) << "the block does not move";
    }
  }
}

// --- The cam outline ------------------------------------------------------------------------

TEST(CamTest, RadiusFollowsTheTableSmoothly) {
  const double kRadii[] = {63.4, 62.6, 60.6, 57.4, 53.4, 49.6, 47.3, 46.7};
  for (int i = 0; i < 8; ++i) {
    EXPECT_DOUBLE_EQ(CamRadius(10.0 * i), kRadii[i]) << 10 * i << " degrees";
    EXPECT_DOUBLE_EQ(CamRadius(-10.0 * i), kRadii[i]) << -10 * i << " degrees";
  }
  for (double a = 75; a <= 180; a += 5) EXPECT_DOUBLE_EQ(CamRadius(a), 46.2) << a;
  for (double a = 0; a < 180; a += 0.01) {
    EXPECT_LE(CamRadius(a + 0.01), CamRadius(a) + 1e-12) << "never rises, at " << a;
    EXPECT_LT(CamRadius(a) - CamRadius(a + 0.01), 0.005) << "no step at " << a;
  }
}

TEST(CamTest, OutlineIsOneClosedOnePixelCurveAtTheTableRadius) {
  for (int phase = 0; phase < 18; ++phase) {
    const std::vector<Pixel>& cam = Elements()[phase].cam;
    const auto set = AsSet(cam);
    const double axis = LobeAxisDegrees(phase);
    for (const Pixel& p : cam) {
      int neighbours = 0;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) neighbours += (dx || dy) && set.count({p.x + dx, p.y + dy});
      }
      EXPECT_EQ(neighbours, 2) << "(" << p.x << ", " << p.y << ") phase " << phase;
      const double degrees =
          std::atan2(p.y - kCamshaftCentre.y, p.x - kCamshaftCentre.x) * 180 / std::numbers::pi;
      // A pixel centre lies up to 0.71 px off the curve, and near the tip the curve is eased
      // by up to 0.67 px onto the listed tip pixel.
      EXPECT_NEAR(std::hypot(p.x - kCamshaftCentre.x, p.y - kCamshaftCentre.y),
                  CamRadius(degrees - axis), 1.25)
          << "(" << p.x << ", " << p.y << ") phase " << phase;
    }
    // Along each listed direction the outline lies within a pixel of the listed radius.
    for (double from_axis = -180; from_axis <= 180; from_axis += 10) {
      const double radians = (axis + from_axis) * std::numbers::pi / 180;
      double nearest_radius = 0, nearest_off_ray = 1e9;
      for (const Pixel& p : cam) {
        const double dx = p.x - kCamshaftCentre.x, dy = p.y - kCamshaftCentre.y;
        const double along = dx * std::cos(radians) + dy * std::sin(radians);
        const double off_ray = std::fabs(-dx * std::sin(radians) + dy * std::cos(radians));
        if (along > 0 && off_ray < nearest_off_ray) {
          nearest_off_ray = off_ray;
          nearest_radius = along;
        }
      }
      EXPECT_NEAR(nearest_radius, CamRadius(from_axis), 1.0)
          << from_axis << " degrees from the axis, phase " << phase;
    }
  }
}

TEST(CamTest, EachPhaseTurnsTheCamTwentyDegreesCounterClockwise) {
  for (int phase = 0; phase < 18; ++phase) {
    const int next = (phase + 1) % 18;
    const std::vector<Pixel>& later = Elements()[next].cam;
    const double turn = -20 * std::numbers::pi / 180;
    for (const Pixel& p : Elements()[phase].cam) {
      const double dx = p.x - kCamshaftCentre.x, dy = p.y - kCamshaftCentre.y;
      const Pixel turned = NearestPixel({kCamshaftCentre.x + dx * std::cos(turn) - dy * std::sin(turn),
                                         kCamshaftCentre.y + dx * std::sin(turn) + dy * std::cos(turn)});
      // Both outlines lie up to 1.25 px off the exact curve (see above).
      EXPECT_LE(MinDistance({turned}, later), 2.5) << "phase " << phase << " -> " << next;
    }
    const Pixel tip = LobeTip(phase), next_tip = LobeTip(next);
    const double turn_degrees =
        std::remainder(std::atan2(next_tip.y - kCamshaftCentre.y, next_tip.x - kCamshaftCentre.x) -
                           std::atan2(tip.y - kCamshaftCentre.y, tip.x - kCamshaftCentre.x),
                       2 * std::numbers::pi) *
        180 / std::numbers::pi;
    EXPECT_NEAR(turn_degrees, -20, 1.5) << "phase " << phase << " -> " << next;
  }
}

// --- Across frames ----------------------------------------------------------------------------

// The pixels where two frames differ.
std::vector<Pixel> Differences(int a, int b) {
  std::vector<Pixel> d;
  for (int y = 0; y < FramePicture::kHeight; ++y) {
    for (int x = 0; x < FramePicture::kWidth; ++x) {
      if (Frames()[a].IsBlack(x, y) != Frames()[b].IsBlack(x, y)) d.push_back({x, y});
    }
  }
  return d;
}

void ExpectDifferencesWithin(int a, int b, const std::set<std::pair<int, int>>& allowed) {
  for (const Pixel& p : Differences(a, b)) {
    EXPECT_TRUE(allowed.count({p.x, p.y}))
        << "slots " << a << " and " << b << " differ at (" << p.x << ", " << p.y << ")";
  }
}

TEST(AcrossFramesTest, TheSetDrawnAtOnceEqualsTheFramesDrawnOneByOne) {
  const std::vector<FramePicture> set = DrawFrameSet();
  ASSERT_EQ(set.size(), 54u);
  for (int slot = 0; slot < kSlots; ++slot) EXPECT_TRUE(set[slot] == Frames()[slot]) << slot;
}

TEST(AcrossFramesTest, AllFiftyFourAreDifferent) {
  for (int a = 0; a < kSlots; ++a) {
    for (int b = a + 1; b < kSlots; ++b) EXPECT_FALSE(Frames()[a] == Frames()[b]) << a << ", " << b;
  }
}

TEST(AcrossFramesTest, ClosedFramesOfOneSettingDifferOnlyInTheCam) {
  for (int setting = 0; setting < 3; ++setting) {
    const int first = 18 * setting + 6;
    for (int slot = first + 1; slot < 18 * setting + 18; ++slot) {
      auto allowed = AsSet(Elements()[first].cam);
      for (const auto& p : AsSet(Elements()[slot].cam)) allowed.insert(p);
      ExpectDifferencesWithin(first, slot, allowed);
    }
  }
}

TEST(AcrossFramesTest, SettingsAtOneClosedPhaseDifferOnlyInTheBlockAndTheTappetCorner) {
  for (int phase = 6; phase < 18; ++phase) {
    for (int setting = 1; setting < 3; ++setting) {
      auto allowed = AsSet(Elements()[phase].control_block);
      for (const auto& p : AsSet(Elements()[18 * setting + phase].control_block)) allowed.insert(p);
      allowed.insert({26, 154});
      ExpectDifferencesWithin(phase, 18 * setting + phase, allowed);
    }
  }
}

TEST(AcrossFramesTest, SlotsTwentyAndTwentyOneDifferOnlyInTheCam) {
  auto allowed = AsSet(Elements()[20].cam);
  for (const auto& p : AsSet(Elements()[21].cam)) allowed.insert(p);
  ExpectDifferencesWithin(20, 21, allowed);
}

TEST(AcrossFramesTest, CamIsTheSameInAllSettingsAtEachPhase) {
  for (int phase = 0; phase < 18; ++phase) {
    for (int setting = 0; setting < 3; ++setting) {
      for (const Pixel& p : Elements()[phase].cam) {
        EXPECT_TRUE(Frames()[18 * setting + phase].IsBlack(p.x, p.y))
            << "(" << p.x << ", " << p.y << ") phase " << phase << " setting " << setting;
      }
    }
  }
}

TEST(AcrossFramesTest, GreatestLiftPerSetting) {
  const struct {
    int setting, lift;
    std::vector<int> phases;
  } cases[] = {{0, 22, {3}}, {1, 11, {2, 3}}, {2, 3, {2}}};
  for (const auto& c : cases) {
    int greatest = 0;
    std::vector<int> at;
    for (int phase = 0; phase < 18; ++phase) {
      const int lift = Lift(18 * c.setting + phase);
      if (lift > greatest) at.clear();
      if (lift >= greatest) at.push_back(phase);
      greatest = std::max(greatest, lift);
    }
    EXPECT_EQ(greatest, c.lift) << "setting " << c.setting;
    EXPECT_EQ(at, c.phases) << "setting " << c.setting;
  }
}

}  // namespace
}  // namespace valvetrain
