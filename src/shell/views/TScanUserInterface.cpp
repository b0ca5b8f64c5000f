#include "shell/views/TScanUserInterface.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QProgressBar>
#include <algorithm>

namespace lur {
namespace {

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      return true;
    default:
      return false;
  }
}

}  // namespace

TScanUserInterface::TScanUserInterface(TUserInterface& boxes, QProgressBar* bar, QAbstractButton* cancel)
    : boxes_(boxes), bar_(bar), cancel_(cancel) {
  if (cancel_) connect(cancel_, &QAbstractButton::clicked, this, [this] { cancelled_ = true; });
}

void TScanUserInterface::ProgressShow(int maximum, int step) {
  step_ = step;
  cancelled_ = false;
  if (!bar_) return;
  bar_->setMaximum(maximum);
  bar_->setValue(0);
  bar_->setVisible(true);
  bar_->repaint();
}

void TScanUserInterface::ProgressStepIt() {
  if (!bar_) return;
  bar_->setValue(std::min(bar_->maximum(), bar_->value() + step_));
  bar_->repaint();  // the scan holds the event loop; paint now
}

void TScanUserInterface::ProgressHide() {
  if (bar_) bar_->setValue(0);
}

bool TScanUserInterface::ProgressCancelled() {
  if (QCoreApplication::instance() && !cancelled_) {
    QCoreApplication::instance()->installEventFilter(this);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::instance()->removeEventFilter(this);
  }
  return cancelled_;
}

bool TScanUserInterface::eventFilter(QObject* target, QEvent* event) {
  const QEvent::Type type = event->type();
  // Shortcuts reach actions, not widgets; a window must not close under a
  // running scan.
  if (type == QEvent::Shortcut || type == QEvent::ShortcutOverride || type == QEvent::Close) {
    event->ignore();  // a close left accepted would still close
    return true;
  }
  if (!IsUserInput(type)) return false;
  // Input reaches a window first and is then sent on to its widget: only
  // the widget's turn is judged.
  if (!target->isWidgetType()) return false;
  if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    cancelled_ = true;
    return true;
  }
  return target != cancel_.data();
}

}  // namespace lur
