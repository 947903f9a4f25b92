// The drawing surface: shows the current frame and takes all keyboard and pointer input.
#pragma once

#include <QFrame>

#include "input/surface_units.h"

namespace valvetrain {

class HolderPicture;

// 204 x 768 pixels at (0, 0) of its window, with a 2-pixel sunken border around an inner area
// of 200 x 764. The shown picture sits at the inner top-left corner at its own size.
class Picture1 final : public QFrame {
 public:
  explicit Picture1(QWidget* parent);

  // Shows `picture`, repainting at once.
  void SetPicture(const HolderPicture* picture);
  const HolderPicture* picture() const { return picture_; }

  // A position in this widget's pixels, in surface units from the inner top-left corner.
  static SurfacePoint ToSurface(QPointF position);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const HolderPicture* picture_ = nullptr;
  QImage shown_;  // picture_ in the backing store's pixel format
};

}  // namespace valvetrain
