#include "ui/TQtFieldErrors.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPalette>
#include <QWidget>

#include "ui/TQtUserInterface.h"

namespace lur {
namespace {

constexpr const char* kMarkerName = "ErrorText";
constexpr const char* kHidesItself = "lurMarkerHidesItself";

void SetBase(QWidget* field, const QColor& colour) {
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, colour);
  field->setPalette(palette);
  field->repaint();  // a modal box follows at once; paint before it
}

// Hides the marker once the mouse is over it.
class TMarkerHider : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
      static_cast<QWidget*>(watched)->hide();
    }
    return false;
  }
};

}  // namespace

void FlashInputError(QWidget* field, const QString& text) {
  SetBase(field, Qt::red);
  QApplication::beep();
  ExecMessageBox({text.toStdString(), kCaptionError, MsgIcon::Error, MsgButtons::Ok, MsgAnswer::Ok},
                 field->window());
  SetBase(field, Qt::white);
}

QLabel* ErrorMarker(QWidget* window) {
  auto* marker = window->findChild<QLabel*>(kMarkerName);
  if (!marker) {
    marker = new QLabel(QString::fromUtf8(kErrorMarkerText), window);
    marker->setObjectName(kMarkerName);
    marker->hide();
  }
  if (!marker->property(kHidesItself).toBool()) {
    marker->setProperty(kHidesItself, true);
    marker->setMouseTracking(true);
    marker->installEventFilter(new TMarkerHider(marker));
  }
  return marker;
}

void ShowErrorMarker(QWidget* field, const QString& text) {
  QWidget* window = field->window();
  QLabel* marker = ErrorMarker(window);
  marker->setText(text);
  marker->adjustSize();
  const QPoint fieldTopLeft = field->mapTo(window, QPoint(0, 0));
  const int top = fieldTopLeft.y() + field->height() - 5;
  const int left = fieldTopLeft.x() - 15;
  // A field at the window's left edge would push the marker out of sight.
  marker->move(std::max(0, left), std::max(0, top));
  marker->raise();
  marker->show();
  QApplication::beep();
}

}  // namespace lur
