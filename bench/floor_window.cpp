#include "bench/floor_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

namespace valvetrain {

class FloorWindow::Surface final : public QFrame {
 public:
  explicit Surface(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setGeometry(0, 0, 204, 768);
    for (int which = 0; which < 2; ++which) pictures_[which] = QPixmap::fromImage(Picture(which));
  }

  void ShowNext() {
    shown_ = 1 - shown_;
    repaint(contentsRect());
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(contentsRect().topLeft(), pictures_[shown_]);
  }

 private:
  std::array<QPixmap, 2> pictures_;
  int shown_ = 0;
};

FloorWindow::FloorWindow() : surface_(new Surface(this)) {
  setWindowTitle(QString::fromLatin1(kFloorCaption));
  setFixedSize(204, 402);
}

QImage FloorWindow::Picture(int which) {
  QImage image(200, 400, QImage::Format_RGB32);
  for (int y = 0; y < 400; ++y) {
    const bool black_row = (y % 10 == 0) != (which == 1);
    std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)), 200,
                black_row ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
  }
  return image;
}

void FloorWindow::Iterate() {
  surface_->ShowNext();
  QCoreApplication::processEvents();
}

void FloorWindow::closeEvent(QCloseEvent* event) {
  closed_ = true;
  event->accept();
}

void FloorWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) closed_ = true;
}

}  // namespace valvetrain
