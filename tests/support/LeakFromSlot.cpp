// A check of the leak checking itself: this program leaks one block from a
// slot that the event loop invokes, so Qt's frames sit above ours on the
// allocation stack. A suppression that names a whole Qt library would hide
// the leak; the test that runs this program passes only when LeakSanitizer
// reports it.
#include <QCoreApplication>
#include <QObject>
#include <QTimer>

namespace lur::test {

class TLeakingSlot : public QObject {
  Q_OBJECT
 public slots:
  void LeakFromSlot() {
    // Written through a volatile pointer and then dropped, so the block
    // stays allocated and nothing points at it.
    sink_ = new int[8]{1, 2, 3, 4, 5, 6, 7, 8};
    sink_ = nullptr;
    QCoreApplication::quit();
  }

 private:
  int* volatile sink_ = nullptr;
};

}  // namespace lur::test

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  lur::test::TLeakingSlot slot;
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, &slot, &lur::test::TLeakingSlot::LeakFromSlot);
  timer.start(0);
  return app.exec();
}

#include "LeakFromSlot.moc"
