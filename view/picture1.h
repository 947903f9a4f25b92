// The drawing surface: shows the current frame and takes all keyboard and pointer input.
#pragma once

#include <QFrame>
#include <QImage>
#include <cstdint>

#include "input/surface_units.h"

namespace valvetrain {

class HolderPicture;

// Receives the surface's input in the program's own terms.
class SurfaceInput {
 public:
  virtual void OnCharacter(std::int16_t code) = 0;  // 27 for Escape
  virtual void OnClick() = 0;
  virtual void OnDoubleClick() = 0;
  virtual void OnMove(SurfacePoint position) = 0;

 protected:
  ~SurfaceInput() = default;
};

// 204 x 768 pixels at (0, 0) of its window, with a 2-pixel sunken border around an inner area
// of 200 x 764. The shown picture sits at the inner top-left corner at its own size.
//
// Input, passed on to `input`:
//   a key that types a character: its first UTF-16 unit as a signed 16-bit code (Escape: 27);
//     keys that type nothing (arrows, function keys, bare modifiers) pass nothing on;
//   a click: the primary button pressed on the surface and released over it;
//   a double-click of the primary button;
//   every pointer movement, in surface units, with or without a button held (beyond the surface
//     while a button is held, as the window system reports it).
class Picture1 final : public QFrame {
 public:
  Picture1(QWidget* parent, SurfaceInput& input);

  // Shows `picture`, repainting at once.
  void SetPicture(const HolderPicture* picture);
  const HolderPicture* picture() const { return picture_; }

  // A position in this widget's pixels, in surface units from the inner top-left corner.
  static SurfacePoint ToSurface(QPointF position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  SurfaceInput& input_;
  bool primary_pressed_ = false;
  const HolderPicture* picture_ = nullptr;
  QImage scaled_source_;  // picture_ as 32-bit pixels, for screens that scale the window
};

}  // namespace valvetrain
