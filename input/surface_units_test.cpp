#include "input/surface_units.h"

#include <gtest/gtest.h>

namespace valvetrain {
namespace {

TEST(SurfaceUnitsTest, PixelsToUnits) {
  const struct {
    double px, py;
    float x, y;
  } cases[] = {
      {0, 0, 0.0f, 0.0f},
      {199, 399, 14.80838f, 15.5859375f},
      {200, 764, 14.882798f, 29.84375f},
      {100, 256, 7.441399f, 10.0f},
      {-10, -25.6, -0.7441399f, -1.0f},
  };
  for (const auto& c : cases) {
    const SurfacePoint p = ToSurfaceUnits(c.px, c.py);
    EXPECT_FLOAT_EQ(p.x, c.x) << "(" << c.px << ", " << c.py << ")";
    EXPECT_FLOAT_EQ(p.y, c.y) << "(" << c.px << ", " << c.py << ")";
  }
  EXPECT_EQ(ToSurfaceUnits(199, 399).y, 15.5859375f) << "py / 25.6 is exact here";
}

}  // namespace
}  // namespace valvetrain
