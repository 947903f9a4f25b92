#include "view/picture1.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "view/holder_picture.h"

namespace valvetrain {

Picture1::Picture1(QWidget* parent, SurfaceInput& input)
    : QFrame(parent), input_(input), shown_(FramePicture::kWidth, FramePicture::kHeight, QImage::Format_RGB32) {
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

void Picture1::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    input_.OnCharacter(27);
  } else if (!event->text().isEmpty()) {
    input_.OnCharacter(static_cast<std::int16_t>(event->text().at(0).unicode()));
  } else {
    QFrame::keyPressEvent(event);
  }
}

void Picture1::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) primary_pressed_ = true;
}

void Picture1::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool click = primary_pressed_ && rect().contains(event->position().toPoint());
  primary_pressed_ = false;
  if (click) input_.OnClick();
}

void Picture1::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) input_.OnDoubleClick();
}

void Picture1::mouseMoveEvent(QMouseEvent* event) { input_.OnMove(ToSurface(event->position())); }

}  // namespace valvetrain
