// Keyboard and pointer input through the real window, driving the real loop (offscreen).
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <random>
#include <vector>

#include "view/form1.h"

namespace valvetrain {
namespace {

// Counts no time, and at every pause records the slot on screen and lets the test queue input
// for the event processing that ends the pause.
class ScriptedClock final : public StepClock {
 public:
  explicit ScriptedClock(Form1*& form) : form_(form) {}

  void Begin() override {
    Form1& form = *form_;
    const int slot = FrameSlot(form.controller().state());
    EXPECT_EQ(form.picture1().picture(), form.Image(slot + 1)) << "pass " << shown.size() + 1;
    shown.push_back(slot);
    if (after_pass) {
      const int pass = static_cast<int>(shown.size());
      QMetaObject::invokeMethod(&form, [this, pass] { after_pass(pass); }, Qt::QueuedConnection);
    }
  }
  void AwaitStep(std::int64_t) override {}

  std::vector<int> shown;
  std::function<void(int pass)> after_pass;

 private:
  Form1*& form_;
};

class InputTest : public testing::Test {
 protected:
  InputTest() : clock_(form_ptr_), form_(clock_) { form_ptr_ = &form_; }

  QWindow* window() { return form_.windowHandle(); }
  void Type(char key) { QTest::keyClick(window(), key); }
  void Escape() { QTest::keyClick(window(), Qt::Key_Escape); }
  void MoveTo(int x, int y) { QTest::mouseMove(window(), QPoint(x, y)); }
  void ClickAt(int x, int y) {
    MoveTo(x, y);
    QTest::mouseClick(window(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
  }

  int Run() {
    form_.show();
    return form_.Exec();
  }

  Form1* form_ptr_ = nullptr;
  ScriptedClock clock_;
  Form1 form_;
};

TEST_F(InputTest, KeysAndPointerDriveTheLoopAsTheRulesSay) {
  std::map<int, std::function<void()>> script = {
      {2, [&] { Type('/'); }},  // first run after start: steps back one phase and stops
      {4, [&] { Type('+'); }},
      {6, [&] { Type('*'); }},  // stops the run in place
      {8, [&] { Type('.'); }},
      {10, [&] { Type('-'); }},
      {12, [&] { Type(' '); }},  // lift setting 1, same phase
      {14,
       [&] {
         ClickAt(50, 100);  // manual mode, saving the backward run
         MoveTo(50, 120);   // down: stops the run in place
       }},
      {16, [&] { MoveTo(50, 140); }},  // down: one phase forward
      {18, [&] { MoveTo(50, 130); }},  // up: one phase back
      {20, [&] { ClickAt(50, 130); }},  // back to auto mode: the backward run resumes
      {22, [&] { Escape(); }},
  };
  clock_.after_pass = [&](int pass) {
    if (script.count(pass)) script[pass]();
  };

  EXPECT_EQ(Run(), 0);

  const std::vector<int> expected = {1, 2, 1, 1, 3, 4, 4, 4, 5, 5, 3,
                                     2, 19, 18, 18, 18, 19, 19, 18, 18, 35, 34};
  EXPECT_EQ(clock_.shown, expected);
}

TEST_F(InputTest, SpaceWalksTheLiftSettingsAtTheSamePhase) {
  clock_.after_pass = [&](int pass) {
    if (pass == 1) Type('*');  // first run: one step forward, then stopped at phase 2
    if (pass >= 3 && pass <= 6) Type(' ');
    if (pass == 7) Escape();
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(clock_.shown, (std::vector<int>{1, 2, 2, 20, 38, 20, 2}));
}

TEST_F(InputTest, DoubleClickEndsTheProgram) {
  clock_.after_pass = [&](int pass) {
    if (pass == 3) {
      MoveTo(100, 100);
      QTest::mouseDClick(window(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    }
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(clock_.shown.size(), 3u) << "no pass after the double-click";
  EXPECT_EQ(form_.controller().state().nm, 1) << "its first click still toggled manual mode";
}

TEST_F(InputTest, EscapeEndsTheProgramAndNothingAfterItIsHandled) {
  clock_.after_pass = [&](int pass) {
    if (pass != 2) return;
    Escape();
    Type('-');
    ClickAt(60, 60);
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(clock_.shown.size(), 2u);
  EXPECT_EQ(form_.controller().state().n, 1);
  EXPECT_EQ(form_.controller().state().nm, 0);
}

TEST_F(InputTest, PointerPositionSetsThePauseInSurfaceUnits) {
  std::vector<float> pauses;
  clock_.after_pass = [&](int pass) {
    if (pass >= 2) pauses.push_back(form_.controller().state().k);
    if (pass == 1) MoveTo(2, 2);      // the inner top-left corner
    if (pass == 2) MoveTo(201, 401);  // the lowest right-most visible pixel
    if (pass == 3) MoveTo(0, 100);    // on the border, left of the inner area
    if (pass == 4) Escape();
  };
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(pauses.size(), 3u);
  EXPECT_EQ(pauses[0], 0.0f);
  EXPECT_NEAR(pauses[1], 16156.17f, 0.01f);
  EXPECT_LT(pauses[2], 0.0f) << "a negative X gives a negative count";
}

TEST_F(InputTest, InputDuringLoading) {
  // A click and keys while the frame table is being filled: the keys are overwritten by the
  // start values, the click's manual mode stays, with the all-zero run state it saved.
  bool sent = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &form_, [&] {
    if (sent || form_.controller().frames()[0] == nullptr) return;
    EXPECT_EQ(form_.controller().frames()[53], nullptr) << "still loading";
    sent = true;
    ClickAt(80, 80);
    Type(' ');
    Type('-');
  });
  poll.start(0);
  clock_.after_pass = [&](int pass) {
    if (pass == 2) ClickAt(120, 120);  // leaves manual mode: the saved run state was all zeros
    if (pass == 4) Escape();
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(sent);
  EXPECT_EQ(clock_.shown, (std::vector<int>{1, 2, 2, 2}));
  EXPECT_EQ(form_.controller().state().hl, 0);
}

TEST_F(InputTest, EscapeDuringLoadingEnds) {
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &form_, [&] {
    if (form_.controller().frames()[0] != nullptr) Escape();
  });
  poll.start(0);
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(clock_.shown.empty());
  EXPECT_EQ(form_.controller().frames()[53], nullptr);
}

TEST_F(InputTest, KeysThatTypeNoCharacterDoNothing) {
  clock_.after_pass = [&](int pass) {
    if (pass == 1) Type('*');
    if (pass == 3) {
      for (Qt::Key key : {Qt::Key_Left, Qt::Key_F1, Qt::Key_Shift, Qt::Key_Control, Qt::Key_Up}) {
        QTest::keyClick(window(), key);
      }
    }
    if (pass == 5) Escape();
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(clock_.shown, (std::vector<int>{1, 2, 2, 2, 2}));
}

TEST_F(InputTest, LongRandomSessionKeepsEveryInvariantUntilEscape) {
  std::mt19937 random(20261211);
  const std::vector<char> keys = {'-', '+', ',', '/', '*', '.', ' ', 'a', 'Z', '0', '=', '\r'};
  constexpr int kEvents = 100'000;
  int events = 0;
  QPoint last_click(-100, -100);
  clock_.after_pass = [&](int) {
    const ControllerState& s = form_.controller().state();
    ASSERT_TRUE(s.l >= 0 && s.l < 18) << "l = " << s.l;
    ASSERT_TRUE(s.hl >= 0 && s.hl <= 2) << "hl = " << s.hl;
    ASSERT_LE(s.m + s.mm, 1);
    if (events >= kEvents) {
      Escape();
      return;
    }
    const int burst = std::uniform_int_distribution<int>(0, 6)(random);
    for (int i = 0; i < burst; ++i, ++events) {
      switch (std::uniform_int_distribution<int>(0, 9)(random)) {
        case 0:
        case 1:
        case 2:
        case 3:
          Type(keys[std::uniform_int_distribution<size_t>(0, keys.size() - 1)(random)]);
          break;
        case 4: {
          // Far from the last click, so that two clicks never make a double-click.
          QPoint at;
          do {
            at = QPoint(std::uniform_int_distribution<int>(0, 203)(random),
                        std::uniform_int_distribution<int>(0, 401)(random));
          } while ((at - last_click).manhattanLength() < 40);
          last_click = at;
          ClickAt(at.x(), at.y());
          break;
        }
        default:
          MoveTo(std::uniform_int_distribution<int>(-40, 260)(random),
                 std::uniform_int_distribution<int>(-40, 450)(random));
      }
    }
  };

  EXPECT_EQ(Run(), 0);
  EXPECT_GE(events, kEvents);
  for (int slot : clock_.shown) ASSERT_TRUE(slot >= 0 && slot < 54) << slot;
}

}  // namespace
}  // namespace valvetrain
