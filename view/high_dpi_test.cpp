// The window at scale factor 2 (run with QT_SCALE_FACTOR=2): every picture pixel becomes a
// uniform 2 x 2 block, with no smoothing.
#include <gtest/gtest.h>

#include <QTest>

#include "controller/step_clock.h"
#include "frames/frame_set.h"
#include "view/form1.h"

namespace valvetrain {
namespace {

class NoTime final : public StepClock {
 public:
  void Begin() override {}
  void AwaitStep(std::int64_t) override {}
};

TEST(HighDpiTest, WholeScaleFactorDrawsEveryPixelAsAUniformBlock) {
  NoTime clock;
  Form1 form(clock);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  if (form.devicePixelRatio() != 2.0) GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
  form.controller().StartUp();  // slot 0 on the surface

  const QImage grab = form.grab().toImage();  // at the window's device pixel ratio
  ASSERT_EQ(grab.size(), QSize(408, 804));
  const FramePicture expected = DrawFrame(0);
  int wrong = 0;
  for (int y = 0; y < 400; ++y) {
    for (int x = 0; x < 200; ++x) {
      const QRgb want = expected.IsBlack(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
      for (int dy = 0; dy < 2; ++dy) {
        for (int dx = 0; dx < 2; ++dx) {
          wrong += (grab.pixel(4 + 2 * x + dx, 4 + 2 * y + dy) | 0xFF000000) != want;
        }
      }
    }
  }
  EXPECT_EQ(wrong, 0) << "device pixels that are not their picture pixel's colour";
}

}  // namespace
}  // namespace valvetrain
