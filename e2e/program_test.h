// A fixture that runs the real program in a private X session and reads its surface.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/x_session.h"
#include "frames/frame_picture.h"

namespace valvetrain::e2e {

inline constexpr char kCaption[] = "Korvane In3Lifts SpaceBar+-/*mouse,. ESC";

class ProgramTest : public testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;

  // The slot whose picture fills the surface's visible inner area, or -1; `fewest_differences`
  // tells how close the nearest picture came.
  int ShownSlot(int* fewest_differences = nullptr);

  // The slot once the same one has been on screen for `steady`, or -1 after `timeout`.
  int SteadySlot(milliseconds steady = milliseconds(300), milliseconds timeout = milliseconds(5000));

  // Waits until the surface shows a slot other than `slot`; the one shown, or -1.
  int NextSlotAfter(int slot, milliseconds timeout = milliseconds(5000));

  // Real input through the X server.
  void Key(const std::string& keysym);
  void MoveTo(int x, int y);  // window coordinates: the inner area starts at (2, 2)
  void MoveBy(int dx, int dy);
  void Click(int repeat = 1);

  // Rests the pointer on the inner top-left corner (no pause) and waits until that pace holds.
  void RunAtFullPace();

  static XSession* session_;
  static std::vector<FramePicture> frames_;
  ChildProcess program_;
  xcb_window_t window_ = 0;
};

}  // namespace valvetrain::e2e
