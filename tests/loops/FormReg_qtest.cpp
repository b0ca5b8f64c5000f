// The regulator editor's window as the program registers it, offscreen: its
// controls and keys, the loops painted with the selection colour, the scroll
// range and wheel step, Ctrl+click and Del on the picture, and loops created
// in file mode reaching the saved configuration file.
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>

#include "loops/FormRegFixture.h"
#include "loops/views/TFormReg.h"
#include "loops/views/TLoopPicture.h"
#include "loops/views/TQtLoopEditor.h"
#include "model/TFileAccess.h"
#include "session/TModalWindow.h"
#include "shell/ModalDriver.h"
#include "shell/TFileOperations.h"
#include "shell/TMainState.h"
#include "ui/TQtUserInterface.h"

namespace lur {

class FormRegView : public QObject {
  Q_OBJECT

  struct Fixture : test::LoopEditorFixture {
    TQtUserInterface qtUi;
    TQtLoopEditor loops{session, editors, qtUi, TLoopWindows{&dialog, &onLine}, nullptr};
    Fixture() { loops.Register(); }
  };

  static QColor PixelAt(QWidget* w, QPoint p) { return w->grab().toImage().pixelColor(p); }

  // True when the rectangle holds a pixel darker than the loop colours: text.
  static bool HasText(const QImage& image, const TLoopRect& r) {
    for (int y = r.y; y < r.Bottom(); ++y) {
      for (int x = r.x + 2; x < r.x + r.w - 2; ++x) {
        if (QColor(image.pixel(x, y)).lightness() < 100) return true;
      }
    }
    return false;
  }

 private slots:
  void controlsCarryTheirNamesAndKeys() {
    Fixture f;
    f.OpenAsFile();
    bool shown = false;
    test::WhenModal("TFormReg", [&](QWidget* w) {
      shown = true;
      auto* form = static_cast<TFormReg*>(w);
      QCOMPARE(w->windowTitle(), QString("Программирование регуляторов"));
      const std::pair<const char*, QKeySequence> keys[] = {
          {"AInPort", QKeySequence(Qt::Key_F9)},
          {"AOutPort", QKeySequence(Qt::Key_F10)},
          {"ADelChoose", QKeySequence(Qt::Key_Delete)},
          {"AChooseAll", QKeySequence(Qt::CTRL | Qt::Key_A)},
          {"AClose", QKeySequence(Qt::ALT | Qt::Key_X)},
          {"ABReg", QKeySequence()},
          {"AReg", QKeySequence()},
          {"AOnLine", QKeySequence()},
      };
      for (const auto& [name, key] : keys) {
        QAction* a = form->Action(name);
        QVERIFY2(a != nullptr, name);
        QCOMPARE(a->shortcut(), key);
      }
      QCOMPARE(form->Action("MPortInput")->text(), QString("Ввод с СОМ-порта"));
      QCOMPARE(form->Action("N1AND")->text(), QString("Редактирование контура регулирования"));
      QCOMPARE(form->Action("N22")->text(), QString("Создать контур регулирования"));
      for (const char* name : {"InPort", "OutPort", "CreatFuncBut"})
        QVERIFY(w->findChild<QToolButton*>(name));
      QStringList menus;
      for (QAction* a : w->findChild<QMenuBar*>("MainMenu1")->actions()) menus << a->text();
      QCOMPARE(menus, (QStringList{"   Порт", "       Создание элементов схемы",
                                   "        Программирование     ", "Выход"}));
      QStringList loopMenu;
      for (QAction* a : form->LoopMenu()->actions()) loopMenu << a->objectName();
      QCOMPARE(loopMenu, (QStringList{"EditReg", "DelChoose", "RegOnLine"}));
      QCOMPARE(form->LoopMenu()->objectName(), QString("PopupMenu1"));
      QStringList backgroundMenu;
      for (QAction* a : form->BackgroundMenu()->actions()) backgroundMenu << a->objectName();
      QCOMPARE(backgroundMenu, (QStringList{"N14", "ChooseAll"}));
      QCOMPARE(form->BackgroundMenu()->objectName(), QString("PopupMenu3"));
      QCOMPARE(w->findChild<QPushButton*>("Button2")->text(), QString("Печать"));
      // No information windows registered: their buttons wait for them.
      QVERIFY(!w->findChild<QPushButton*>("InformBut")->isEnabled());
      QVERIFY(!w->findChild<QPushButton*>("InformButMR")->isEnabled());
      QVERIFY(w->findChild<QLabel*>("LabelFile")->isVisible());
      QCOMPARE(w->findChild<QLabel*>("LabelFile")->text(), QString("Режим работы с файлом"));
      QVERIFY(!w->findChild<QProgressBar*>("ProgressBar1")->isVisible());
      QVERIFY(w->findChild<QScrollArea*>("ScrollBox1"));
      form->Action("AClose")->trigger();
    });
    QCOMPARE(f.editors.Open({TEditor::Regulator}), kModalOk);
    QVERIFY(shown);
    QVERIFY(f.line.requests.empty());
  }

  void paintsTheLoopsAndSelectsWithTheMouse() {
    Fixture f;
    f.OpenAsFile();
    bool shown = false;
    test::WhenModal("TFormReg", [&](QWidget* w) {
      shown = true;
      auto* form = static_cast<TFormReg*>(w);
      TLoopPicture* picture = form->Picture();
      QCOMPARE(picture->Drawing().frames.size(), std::size_t{3});
      QCOMPARE(picture->height(), 3 * 320 + 20);
      QScrollBar* bar = form->ScrollBox()->verticalScrollBar();
      QCOMPARE(bar->maximum(), picture->height() - form->ScrollBox()->viewport()->height());

      // Wheel: ten pixels a notch.
      bar->setValue(0);
      QWheelEvent wheel(QPointF(50, 50), form->ScrollBox()->viewport()->mapToGlobal(QPointF(50, 50)),
                        QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(form->ScrollBox()->viewport(), &wheel);
      QCOMPARE(bar->value(), 10);

      // The texts of every panel and mark are painted.
      const QImage plain = picture->grab().toImage();
      for (const TLoopFrame& frame : picture->Drawing().frames) {
        for (const TLoopPanel& panel : frame.panels) {
          TLoopRect firstLine = panel.rect;
          firstLine.h = 18;
          QVERIFY(HasText(plain, firstLine));
        }
        for (const TLoopMark& mark : frame.marks) QVERIFY(HasText(plain, mark.rect));
      }
      const QPoint frameCorner(24 + 590, 640 + 5);  // inside loop 2's frame, outside its panels
      QCOMPARE(plain.pixelColor(frameCorner), QColor(240, 240, 240));

      QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, QPoint(300, 650));
      QCOMPARE(PixelAt(picture, frameCorner), QColor(0xA6, 0xCA, 0xF0));
      const TLoopRect setter = picture->Drawing().frames[2].panels[1].rect;
      QCOMPARE(PixelAt(picture, QPoint(setter.x + setter.w - 3, setter.y + setter.h - 3)),
               QColor(0xA6, 0xCA, 0xF0));
      QCOMPARE(PixelAt(picture, QPoint(614, 5)), QColor(240, 240, 240));
      QVERIFY(form->Action("EditReg")->isEnabled());

      QTest::mouseClick(picture, Qt::LeftButton, Qt::ControlModifier, QPoint(300, 5));
      QCOMPARE(PixelAt(picture, QPoint(614, 5)), QColor(0xA6, 0xCA, 0xF0));
      QVERIFY(!form->Action("EditReg")->isEnabled());
      QVERIFY(form->Action("DelChoose")->isEnabled());

      form->Action("ADelChoose")->trigger();
      QCOMPARE(picture->Drawing().frames.size(), std::size_t{1});
      QCOMPARE(picture->height(), 320 + 20);
      QCOMPARE(PixelAt(picture, QPoint(614, 5)), QColor(240, 240, 240));
      // A click on ScrollBox1's free space below the frames selects nothing.
      QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, QPoint(300, 5));
      QCOMPARE(PixelAt(picture, QPoint(614, 5)), QColor(0xA6, 0xCA, 0xF0));
      QWidget* viewport = form->ScrollBox()->viewport();
      QVERIFY(viewport->height() > picture->height() + 20);
      QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(300, picture->height() + 10));
      QCOMPARE(PixelAt(picture, QPoint(614, 5)), QColor(240, 240, 240));
      QVERIFY(!form->Action("DelChoose")->isEnabled());
      form->Action("AClose")->trigger();
    });
    f.editors.Open({TEditor::Regulator});
    QVERIFY(shown);
    QCOMPARE(f.config.Reg.NLoops, 1);
    QCOMPARE(f.config.Reg.GetAnVh(0), 2);
    QCOMPARE(f.config.Serv.Modified, 1);
    QCOMPARE(f.config.Reg.RegModified, 0);
  }

  void fileModeLoopsReachTheSavedFile() {
    test::LoopEditorFixture f;
    f.config.Serv.FileMode = 1;
    f.editor.FormShow();
    int shows = 0;
    f.dialog.user = [&](const TLoopDialogRequest& r) -> std::optional<TLoopValues> {
      f.config.Reg.ScaleLow = 0;
      f.config.Reg.ScaleHigh = 200;
      switch (shows++) {
        case 0:
          return test::SingleLoop(r.slot.regulator, 1, 1);
        case 1:
          return test::SetterLoop(r.slot.regulator, r.slot.setter, 2, 2);
        default:
          return test::Cascade(r.slot.regulator, 3, 4, 3);
      }
    };
    for (int i = 0; i < 3; ++i) f.editor.CreatRegButClick();
    QCOMPARE(f.config.Serv.Modified, 1);
    QVERIFY(f.editor.FormCloseQuery());

    QTemporaryDir dir;
    const std::string path = dir.filePath("loops.lur").toStdString();
    TMainState state;
    const std::function<void()> refresh;
    TFileOperations files(f.config, f.ui, state, refresh, refresh);
    QVERIFY(files.WriteConfigFile(path));
    const auto bytes = ReadFileStart(path, 1 << 20);
    QVERIFY(bytes.has_value());
    // The loop block comes last but for the 16 sensor-type bytes.
    const std::size_t at = bytes->size() - 16 - TProgRegClass::kFileBlockSize;
    auto reg = [&](int record, int byte) { return int{(*bytes)[at + 28 * record + byte]}; };
    auto pz = [&](int setter, int byte) { return int{(*bytes)[at + 168 + 28 * setter + byte]}; };
    const int records[4][4] = {
        {1, 1, 0, 0}, {2, 16, 1, 0}, {3, 1, 11, 1}, {4, 10, 2, 0}};  // AnVh TReg AdOUT TOut
    for (int r = 0; r < 4; ++r) {
      for (int b = 0; b < 4; ++b) QCOMPARE(reg(r, b), records[r][b]);
    }
    QCOMPARE(reg(4, 0), 0);
    // Kp 2,5 as Real24: 2.5 = 0.625 * 2^2.
    QCOMPARE(reg(0, 6) | reg(0, 7) << 8 | reg(0, 8) << 16, 0x025000);
    QCOMPARE(pz(0, 0), 2);                                     // AReg
    QCOMPARE(pz(0, 1 + 4 * 5) | pz(0, 2 + 4 * 5) << 8, 60);    // T6
    QCOMPARE(pz(0, 3 + 4 * 5) | pz(0, 4 + 4 * 5) << 8, 8191);  // SP6: 100 of 0..200
    QCOMPARE(pz(1, 0), 0);
  }
};

}  // namespace lur

QTEST_MAIN(lur::FormRegView)
#include "FormReg_qtest.moc"
