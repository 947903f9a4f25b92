// The program's one window: the drawing surface, the 54 frame holders and the controller.
#pragma once

#include <QWidget>
#include <vector>

#include "controller/animation_controller.h"
#include "view/holder_picture.h"
#include "view/picture1.h"

namespace valvetrain {

inline constexpr char kCaption[] = "Korvane In3Lifts SpaceBar+-/*mouse,. ESC";

// A fixed 204 x 402 client area with a title bar and no title-bar buttons. Exec() handles
// events until the window first becomes active, then runs the animation controller until the
// program ends. The program ends through End(), which the window system's close request calls
// too, as do Escape and a double-click on the surface.
class Form1 final : public QWidget, private WindowPort, private SurfaceInput {
 public:
  // `clock` paces the pauses and must outlive the window.
  explicit Form1(StepClock& clock);
  ~Form1() override;

  // The program's event loop: returns the exit status, 0, once End() has been called.
  int Exec();

  // Ends the program at once: no further input is handled and no further pass runs.
  void End();

  AnimationController& controller() { return controller_; }
  Picture1& picture1() { return *picture1_; }

  // The picture of frame holder Image1 .. Image54.
  const HolderPicture* Image(int number) const override;
  bool Ended() const override { return ended_; }

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Show(const HolderPicture* picture) override;
  void ProcessPendingEvents() override;

  // The surface's input, handed to the input handlers until the program ends.
  void OnCharacter(std::int16_t code) override;
  void OnClick() override;
  void OnDoubleClick() override;
  void OnMove(SurfacePoint position) override;

  std::vector<HolderPicture> holders_;  // Image1 at index 0
  Picture1* picture1_;                  // owned by Qt's parent chain
  AnimationController controller_;
  bool activated_ = false;
  bool ended_ = false;
};

}  // namespace valvetrain
