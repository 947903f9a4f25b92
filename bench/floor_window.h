// The baseline to measure the program against: the least a Qt program can do for the same job.
#pragma once

#include <QFrame>
#include <QPixmap>
#include <QWidget>
#include <array>

namespace valvetrain {

inline constexpr char kFloorCaption[] = "valvetrain floor";

// A fixed 204 x 402 window with the same sunken-bordered 204 x 768 surface, showing one of two
// 200 x 400 pictures. The pictures are made once, in the display's own pixel format, so that
// showing one converts nothing. Iterate() swaps the picture, repaints and handles events: no
// rules and no pause.
class FloorWindow final : public QWidget {
 public:
  FloorWindow();

  void Iterate();
  bool closed() const { return closed_; }

  // The two pictures, as shown: 0 has black rows on white, 1 is its negative.
  static QImage Picture(int which);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  class Surface;
  Surface* surface_;
  bool closed_ = false;
};

}  // namespace valvetrain
