#include "view/picture1.h"

#include <QPainter>

#include "view/holder_picture.h"

namespace valvetrain {

Picture1::Picture1(QWidget* parent)
    : QFrame(parent), shown_(FramePicture::kWidth, FramePicture::kHeight, QImage::Format_RGB32) {
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setGeometry(0, 0, 204, 768);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

void Picture1::SetPicture(const HolderPicture* picture) {
  if (picture == picture_) return;
  picture_ = picture;
  if (picture_ != nullptr) picture_->ExpandInto(shown_);
  repaint(contentsRect());
}

SurfacePoint Picture1::ToSurface(QPointF position) {
  constexpr double kBorder = 2;
  return ToSurfaceUnits(position.x() - kBorder, position.y() - kBorder);
}

void Picture1::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (picture_ == nullptr) return;
  QPainter painter(this);
  painter.drawImage(contentsRect().topLeft(), shown_);
}

}  // namespace valvetrain
