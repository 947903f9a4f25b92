#include "view/form1.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include "frames/stored_frames.h"
#include "input/keyboard.h"
#include "input/pointer.h"
#include "view/title_bar_hints.h"

namespace valvetrain {

Form1::Form1(StepClock& clock)
    : picture1_(new Picture1(this, *this)), controller_(*this, clock) {
  holders_.reserve(kFrameHolders);
  for (const auto& stored : kStoredFrames) {
    holders_.emplace_back(DecodeBmp(stored, sizeof stored).value());
  }
  setWindowTitle(QString::fromLatin1(kCaption));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(204, 402);
  setFocusPolicy(Qt::NoFocus);
  picture1_->setFocus();
  AskForTitleBarWithoutButtons(*this);
}

Form1::~Form1() = default;

const HolderPicture* Form1::Image(int number) const { return &holders_.at(number - 1); }

int Form1::Exec() {
  // The controller's own event processing must run at this level, not nested inside the
  // delivery of an event, or the toolkit holds back events posted meanwhile (repaints).
  while (!activated_ && !ended_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  if (!ended_) controller_.Run();
  return 0;
}

void Form1::End() { ended_ = true; }

void Form1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) activated_ = true;
}

void Form1::closeEvent(QCloseEvent* event) {
  End();
  event->accept();
}

void Form1::Show(const HolderPicture* picture) { picture1_->SetPicture(picture); }

void Form1::ProcessPendingEvents() { QCoreApplication::processEvents(); }

void Form1::OnCharacter(std::int16_t code) {
  if (ended_) return;
  if (TypeCharacter(controller_.state(), code) == Afterwards::kEndProgram) End();
}

void Form1::OnClick() {
  if (!ended_) Click(controller_.state());
}

void Form1::OnDoubleClick() { End(); }

void Form1::OnMove(SurfacePoint position) {
  if (!ended_) Move(controller_.state(), position.x, position.y);
}

}  // namespace valvetrain
