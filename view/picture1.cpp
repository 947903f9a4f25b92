#include "view/picture1.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

#include "view/holder_picture.h"

namespace valvetrain {

namespace {

// The image `painter` paints into when it is the window's own 32-bit backing store, drawn at
// one device pixel per pixel; otherwise null.
QImage* UnscaledBackingStore(QPainter& painter) {
  QPaintDevice* device = painter.paintEngine()->paintDevice();
  if (device == nullptr || device->devType() != QInternal::Image) return nullptr;
  auto* image = static_cast<QImage*>(device);
  const bool plain_format = image->format() == QImage::Format_RGB32 ||
                            image->format() == QImage::Format_ARGB32_Premultiplied;
  const bool unscaled = painter.deviceTransform().type() <= QTransform::TxTranslate &&
                        image->devicePixelRatio() == 1.0;
  return plain_format && unscaled ? image : nullptr;
}

}  // namespace

Picture1::Picture1(QWidget* parent, SurfaceInput& input) : QFrame(parent), input_(input) {
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setGeometry(0, 0, 204, 768);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

void Picture1::SetPicture(const HolderPicture* picture) {
  if (picture == picture_) return;
  picture_ = picture;
  repaint(contentsRect());
}

SurfacePoint Picture1::ToSurface(QPointF position) {
  constexpr double kBorder = 2;
  return ToSurfaceUnits(position.x() - kBorder, position.y() - kBorder);
}

// The picture goes straight from its one-bit form into the backing store, one pixel each:
// nothing is converted twice. A scaled window draws it unsmoothed through the painter instead.
void Picture1::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (picture_ == nullptr) return;
  QPainter painter(this);
  const QPoint inner = contentsRect().topLeft();
  if (QImage* backing_store = UnscaledBackingStore(painter)) {
    const QPoint at = painter.deviceTransform().map(inner);
    if (backing_store->rect().contains(QRect(at, QSize(200, 400)))) {
      picture_->ExpandInto(*backing_store, at);
      return;
    }
  }
  if (scaled_source_.isNull()) {
    scaled_source_ = QImage(FramePicture::kWidth, FramePicture::kHeight, QImage::Format_RGB32);
  }
  picture_->ExpandInto(scaled_source_);
  painter.drawImage(inner, scaled_source_);
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
