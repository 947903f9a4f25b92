// What the animation controller needs of the window that shows it.
#pragma once

namespace valvetrain {

// The window's own form of a frame picture. The controller keeps pointers to the pictures the
// window's frame holders hold and hands them back to be shown; it never looks inside one.
class HolderPicture;

inline constexpr int kFrameHolders = 54;  // holders Image1 .. Image54

class WindowPort {
 public:
  virtual ~WindowPort() = default;

  // The picture of frame holder `number`, 1..54. It lives as long as the window.
  virtual const HolderPicture* Image(int number) const = 0;

  // Puts `picture` on the drawing surface; it is repainted by the next ProcessPendingEvents().
  virtual void Show(const HolderPicture* picture) = 0;

  // Handles every queued window event (repaints and input) once, then returns.
  virtual void ProcessPendingEvents() = 0;

  // True once an input handler or the window system has ended the program.
  virtual bool Ended() const = 0;
};

}  // namespace valvetrain
