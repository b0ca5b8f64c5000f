#pragma once
// Drives modal dialogs from a test: the action runs once the named window is
// the active modal one (a modal exec() blocks the test until it closes).
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace lur::test {

inline void WhenModal(const QString& name, std::function<void(QWidget*)> action, int triesLeft = 200) {
  QTimer::singleShot(10, [=] {
    QWidget* w = QApplication::activeModalWidget();
    if (w && w->objectName() == name && w->isVisible()) {
      action(w);
    } else if (triesLeft > 0) {
      WhenModal(name, action, triesLeft - 1);
    } else {
      qFatal("modal window %s never appeared", qPrintable(name));
    }
  });
}

}  // namespace lur::test
