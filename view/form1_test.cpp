#include "view/form1.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <vector>

#include "frames/frame_set.h"
#include "view/picture1.h"

namespace valvetrain {
namespace {

// Lets the loop run as fast as it can: counts no time.
class InstantClock final : public StepClock {
 public:
  void Begin() override { ++pauses; }
  void AwaitStep(std::int64_t) override {}
  int pauses = 0;
};

// Records the picture on the surface at every repaint.
class PaintRecorder final : public QObject {
 public:
  explicit PaintRecorder(Picture1& surface) : surface_(surface) {
    surface.installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted.push_back(surface_.picture());
    return false;
  }
  std::vector<const HolderPicture*> painted;

 private:
  Picture1& surface_;
};

TEST(Form1Test, WindowGeometryAndCaption) {
  InstantClock clock;
  Form1 form(clock);

  EXPECT_EQ(form.windowTitle(), QStringLiteral("Korvane In3Lifts SpaceBar+-/*mouse,. ESC"));
  EXPECT_EQ(form.size(), QSize(204, 402));
  EXPECT_EQ(form.minimumSize(), QSize(204, 402)) << "the window cannot be resized";
  EXPECT_EQ(form.maximumSize(), QSize(204, 402)) << "the window cannot be resized";

  Picture1& surface = form.picture1();
  EXPECT_EQ(surface.parentWidget(), &form);
  EXPECT_EQ(surface.geometry(), QRect(0, 0, 204, 768));
  EXPECT_EQ(surface.frameWidth(), 2);
  EXPECT_EQ(surface.frameShadow(), QFrame::Sunken);
  EXPECT_EQ(surface.contentsRect(), QRect(2, 2, 200, 764));
  EXPECT_TRUE(surface.hasMouseTracking());
}

TEST(Form1Test, TitleBarHasNoButtonsOrMenu) {
  InstantClock clock;
  Form1 form(clock);
  const Qt::WindowFlags flags = form.windowFlags();

  EXPECT_TRUE(flags & Qt::WindowTitleHint);
  EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
  for (Qt::WindowType button : {Qt::WindowSystemMenuHint, Qt::WindowMinimizeButtonHint,
                                Qt::WindowMaximizeButtonHint, Qt::WindowCloseButtonHint}) {
    EXPECT_FALSE(flags & button) << "flag " << Qt::WindowFlags(button).toInt();
  }
}

TEST(Form1Test, SurfaceIsTheOnlyFocusTarget) {
  InstantClock clock;
  Form1 form(clock);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

  EXPECT_EQ(QApplication::focusWidget(), &form.picture1());
  EXPECT_EQ(form.focusPolicy(), Qt::NoFocus);
}

TEST(Form1Test, SurfaceUnitsAtTheInnerCorners) {
  const struct {
    QPointF widget_position;
    float x, y;
  } cases[] = {
      {{2, 2}, 0.0f, 0.0f},
      {{201, 401}, 14.80838f, 15.5859375f},
      {{0, 0}, -0.14882798f, -0.078125f},
  };
  for (const auto& c : cases) {
    const SurfacePoint p = Picture1::ToSurface(c.widget_position);
    EXPECT_FLOAT_EQ(p.x, c.x) << c.widget_position.x() << ", " << c.widget_position.y();
    EXPECT_FLOAT_EQ(p.y, c.y) << c.widget_position.x() << ", " << c.widget_position.y();
  }
}

TEST(Form1Test, HoldersHoldOnePictureEachForTheLifeOfTheWindow) {
  InstantClock clock;
  Form1 form(clock);
  for (int number = 1; number <= kFrameHolders; ++number) {
    const HolderPicture* picture = form.Image(number);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->image().size(), QSize(200, 400)) << "Image" << number;
    EXPECT_EQ(picture->image().depth(), 1) << "Image" << number;
    EXPECT_EQ(form.Image(number), picture) << "the same picture every time";
    if (number > 1) {
      EXPECT_NE(picture->image(), form.Image(number - 1)->image()) << number;
    }
  }
}

TEST(Form1Test, FirstActivationStartsTheLoopWithSlotZeroAndACloseRequestEndsIt) {
  InstantClock clock;
  Form1 form(clock);
  PaintRecorder recorder(form.picture1());
  form.show();
  QTimer::singleShot(300, &form, [&] { form.close(); });

  const int status = form.Exec();

  EXPECT_EQ(status, 0);
  EXPECT_TRUE(form.Ended());
  EXPECT_GT(clock.pauses, 20) << "the loop should have run passes until the close request";
  ASSERT_FALSE(recorder.painted.empty());
  const HolderPicture* first_picture = nullptr;
  for (const HolderPicture* p : recorder.painted) {
    if (p != nullptr) {
      first_picture = p;
      break;
    }
  }
  EXPECT_EQ(first_picture, form.Image(1)) << "slot 0 is the first picture on the surface";
  EXPECT_EQ(form.controller().frames()[53], form.Image(54));
}

TEST(Form1Test, ShownPictureIsTheSlotOfTheControllerState) {
  InstantClock clock;
  Form1 form(clock);
  std::vector<std::pair<int, const HolderPicture*>> seen;  // slot the state names, shown picture
  form.show();
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &form, [&] {
    seen.emplace_back(FrameSlot(form.controller().state()), form.picture1().picture());
    if (seen.size() == 30) form.End();
  });
  poll.start(1);

  EXPECT_EQ(form.Exec(), 0);
  ASSERT_EQ(seen.size(), 30u);
  for (const auto& [slot, picture] : seen) EXPECT_EQ(picture, form.Image(slot + 1)) << slot;
}

TEST(Form1Test, SurfaceShowsThePictureOfTheSlotTheControllerShowed) {
  InstantClock clock;
  Form1 form(clock);
  form.show();
  std::vector<int> checked_slots;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &form, [&] {
    const int slot = FrameSlot(form.controller().state());
    const QImage grab = form.picture1().grab(QRect(2, 2, 200, 400)).toImage();
    const FramePicture expected = DrawFrame(slot);
    int differences = 0;
    for (int y = 0; y < 400; ++y) {
      for (int x = 0; x < 200; ++x) {
        differences += grab.pixel(x, y) != (expected.IsBlack(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
      }
    }
    EXPECT_EQ(differences, 0) << "slot " << slot;
    checked_slots.push_back(slot);
    if (checked_slots.size() == 5) form.End();
  });
  poll.start(3);

  form.Exec();
  EXPECT_EQ(checked_slots.size(), 5u);
}

}  // namespace
}  // namespace valvetrain
