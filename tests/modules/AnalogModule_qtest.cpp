// The analog module window as the program registers it: its controls by
// name, the layout of each module type, typing into its fields, closing
// through the question, and the module report printed to a PDF.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "modules/AnalogModuleConfig.h"
#include "modules/views/TQtAnalogModuleEditor.h"
#include "session/TModalWindow.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "shell/ModalDriver.h"
#include "support/PdfText.h"
#include "support/SimPort.h"
#include "ui/TQtUserInterface.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {

class AnalogModuleView : public QObject {
  Q_OBJECT

  // Slots 1..6: types 7, 8, 9, 6, 13 and a second thermo module of the new
  // version; the simulated controller behind the link.
  struct Fixture {
    test::VirtualClock clock;
    test::SimPort line{clock, test::WithModules({7, 8, 9, 6, 13, 8, 0, 0})};
    TScriptedUserInterface ui;
    TQtUserInterface parentUi;
    TComPortClass link{line, clock};
    TConfiguration config;
    TServAddressing addressing{config.Serv};
    TSession session{config, link, ui, addressing};
    TEditorRegistry editors;
    TQtAnalogModuleEditor editor{session, editors, parentUi, nullptr};
    Fixture() {
      link.PortName = "COM1";
      config.Lur.FullAccess = 1;
      test::LoadAnalogConfig(line, config);
      config.MBA.SetNewVersion(5, 1);
      editor.Register();
    }
    TEditorRequest Request(int slot) {
      TEditorRequest request{TEditor::AnalogModule, slot, slot, config.Serv.GetModuleType(slot - 1)};
      request.typeName = "МВА-8";
      request.inputs = "AI_1 - AI_6";
      return request;
    }
    // The window filled for a slot, not shown.
    TFormPROG* Filled(int slot) {
      editor.Form().Open(Request(slot));
      editor.Window()->Show();
      return editor.Window();
    }
  };

  template <class T>
  static T* Child(QWidget* w, const QString& name) {
    auto* c = w->findChild<T*>(name);
    if (!c) qWarning("no %s", qPrintable(name));
    return c;
  }
  // Leaves a field as the focus moving on would.
  static void Leave(QWidget* field) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &out);
  }
  // Ends a modal window whatever a failed check left behind, so a failure
  // never hangs the test.
  struct Closer {
    QWidget* w;
    ~Closer() {
      if (w->isVisible()) static_cast<QDialog*>(w)->done(0);
    }
  };
  static QStringList Items(QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
  }

 private slots:
  void everyControlIsThereByName() {
    Fixture f;
    TFormPROG* w = f.Filled(1);
    QCOMPARE(w->windowTitle(), QString("Программирование МВА"));
    for (const char* name : {"LabNMod", "LabTMod", "LabN", "Label10", "Label12", "OK", "Cancel", "ButtonCopy",
                             "ButtonChange", "ButKalibr", "BNew1"}) {
      QVERIFY2(w->findChild<QWidget*>(name), name);
    }
    for (int c = 1; c <= 6; ++c) {
      for (const QString& name :
           {QString("Label%1"), QString("Poz%1"), QString("Sk%1"), QString("Razm%1"), QString("NSK%1"),
            QString("VSK%1"), QString("MinSk%1"), QString("MaxSk%1"), QString("Ust%1LL"), QString("Ust%1L"),
            QString("Ust%1H"), QString("Ust%1HH"), QString("TInp%1"), QString("ZonaIns%1")}) {
        QVERIFY2(w->findChild<QWidget*>(name.arg(c)), qPrintable(name.arg(c)));
      }
    }
    QCOMPARE(Child<QLabel>(w, "LabNMod")->text(), QString("1"));
    QCOMPARE(Child<QLabel>(w, "LabTMod")->text(), QString("МВА-8"));
    QCOMPARE(Child<QLabel>(w, "LabN")->text(), QString("входы AI_1 - AI_6"));
    QCOMPARE(Child<QLabel>(w, "Label3")->toolTip(), QString("номер аналогового сигнала в базе 3 (адрес 0x02)"));
    QCOMPARE(Child<QLineEdit>(w, "Poz1")->toolTip(), QString("ввод текстового реквизита выхода"));
    QCOMPARE(Child<QLineEdit>(w, "Poz1")->text(), QString("поз.101"));
    QCOMPARE(Child<QPushButton>(w, "Cancel")->text(), QString("Отмена"));
    QCOMPARE(Child<QPushButton>(w, "ButKalibr")->text(), QString("on line"));
    QCOMPARE(Child<QPushButton>(w, "BNew1")->text(), QString("Создание и печать файла .rtf"));
    QCOMPARE(Child<QPushButton>(w, "ButtonCopy")->text(), QString("Копировать базу модуля"));
    QVERIFY(!Child<QPushButton>(w, "ButtonChange")->isEnabled());
    QVERIFY(!Child<QPushButton>(w, "ButKalibr")->isEnabled());  // no calibration window registered
    auto* popup = Child<QMenu>(w, "PopupMenu1");
    QCOMPARE(popup->actions().size(), 2);
    QCOMPARE(popup->actions()[1]->text(), QString("Заменить базу модуля"));
    QVERIFY(!popup->actions()[1]->isEnabled());
    QVERIFY(Child<QWidget>(w, "ZonaIns1")->isHidden());
    QVERIFY(Child<QWidget>(w, "Label12")->isHidden());

    // A request of no analog module opens nothing.
    QCOMPARE(f.editor.Open({TEditor::AnalogModule, 1, 1, 3}), kModalCancel);
  }

  void layoutFollowsTheModuleType() {
    Fixture f;
    struct Case {
      int slot;
      bool inputs;
      bool rangeLists;
      QString sk8;  // entry 8 of the scale list
      QString inp1;
    };
    const QList<Case> cases = {
        {1, false, false, QString(), QString()},
        {2, false, true, QString("BP(A2)"), QString()},
        {3, true, false, QString(), QString("4 - 20 мА")},
        {4, true, false, QString(), QString("20-100 кПа")},
        {5, false, false, QString(), QString()},
        {6, false, true, QString("Гр. 21"), QString()},
    };
    for (const Case& k : cases) {
      TFormPROG* w = f.Filled(k.slot);
      const QByteArray at = QByteArray::number(k.slot);
      QCOMPARE(!Child<QWidget>(w, "TInp1")->isHidden(), k.inputs);
      QCOMPARE(!Child<QWidget>(w, "Label10")->isHidden(), k.inputs);
      QCOMPARE(!Child<QWidget>(w, "MinSk1")->isHidden(), k.rangeLists);
      QCOMPARE(!Child<QWidget>(w, "MaxSk6")->isHidden(), k.rangeLists);
      QCOMPARE(Child<QWidget>(w, "NSK1")->isHidden(), k.rangeLists);
      auto* sk = Child<QComboBox>(w, "Sk1");
      if (k.rangeLists) {
        QCOMPARE(sk->count(), 16);
        QCOMPARE(sk->itemText(8), k.sk8);
        QCOMPARE(sk->currentText(), QString("100\u041F"));
      } else {
        QCOMPARE(Items(sk), (QStringList{"линейная", "корневая", "полином"}));
        QCOMPARE(sk->currentIndex(), 0);
      }
      if (k.inputs) QCOMPARE(Child<QComboBox>(w, "TInp2")->currentText(), k.inp1);
      QCOMPARE(Child<QComboBox>(w, "Razm1")->count(), 16);
    }
    // The thermo module of the old version: 100П on range 19.
    TFormPROG* w = f.Filled(2);
    auto* min = Child<QComboBox>(w, "MinSk1");
    auto* max = Child<QComboBox>(w, "MaxSk1");
    QCOMPARE(Items(min), (QStringList{"-200", "-150", "-120", "-100", "-90", "-70", "-50", "-30", "-25", "-20", "0",
                                      "100", "50", "200", "-10"}));
    QCOMPARE(min->currentText(), QString("-50"));
    QCOMPARE(Items(max), (QStringList{"0", "50", "100", "150", "200", "250", "400", "500", "120"}));
    QCOMPARE(max->currentText(), QString("200"));
    QCOMPARE(Child<QComboBox>(w, "Razm1")->currentText(), QString("град.С"));

    // A range index past the table selects nothing.
    f.config.MBA.SetRangeIndex(1, 2, 63);
    w = f.Filled(2);
    QCOMPARE(Child<QComboBox>(w, "MinSk3")->currentIndex(), -1);
    QCOMPARE(Child<QComboBox>(w, "MinSk3")->currentText(), QString());
    QCOMPARE(Child<QComboBox>(w, "MaxSk3")->count(), 0);
  }

  void typingGoesThroughTheFieldRulesAndClosingWrites() {
    Fixture f;
    bool shown = false;
    test::WhenModal("TFormPROG", [&](QWidget* w) {
      const Closer closer{w};
      shown = true;
      auto* ust = Child<QLineEdit>(w, "Ust1H");
      ust->setFocus();
      ust->selectAll();
      QTest::keyClicks(ust, "12.5");
      QCOMPARE(ust->text(), QString("12,5"));  // the point is the decimal comma
      auto* nsk = Child<QLineEdit>(w, "NSK2");
      Leave(ust);  // stored
      nsk->setFocus();
      QCOMPARE(f.config.MBA.GetUstHText(0, 0), std::string("12,5000"));
      QCOMPARE(nsk->text(), QString("0,0000"));
      nsk->selectAll();
      QTest::keyClicks(nsk, "123,45678");
      QCOMPARE(nsk->text(), QString("123,456"));  // seven characters typed at most
      f.ui.answers = {MsgAnswer::Yes};
      Child<QPushButton>(w, "OK")->click();
    });
    QCOMPARE(f.editors.Open(f.Request(1)), kModalOk);
    QVERIFY(shown);
    QCOMPARE(f.ui.Texts(), std::vector<std::string>{"База  была изменена. Передать в прибор?"});
    QCOMPARE(test::HeldBlock(f.line, 1), f.config.MBA.GetBlock(0));
    QVERIFY(std::abs(f.config.MBA.GetReal(0, 1, TProgMBAClass::ChannelReal::MinSk) - 123.456f) < 0.01f);
    QCOMPARE(f.config.MBA.GetBlockSaved(1), 1);
  }

  void anUntouchedWindowClosesSilentlyAndCancelRestores() {
    Fixture f;
    const TProgMBAClass::Block before = f.config.MBA.GetBlock(1);
    test::WhenModal("TFormPROG", [&](QWidget* w) {
      const Closer closer{w};
      // The focus passes through every field of the first row.
      for (const char* name : {"Poz1", "NSK1", "Ust1LL", "Ust1L", "Ust1H", "Ust1HH", "Sk1", "MinSk1", "MaxSk1"}) {
        Leave(Child<QWidget>(w, name));
      }
      Child<QPushButton>(w, "OK")->click();
    });
    QCOMPARE(f.editors.Open(f.Request(2)), kModalOk);
    QVERIFY(f.ui.shown.empty());
    QVERIFY(f.line.requests.empty());
    QCOMPARE(f.config.MBA.GetBlock(1), before);

    test::WhenModal("TFormPROG", [&](QWidget* w) {
      const Closer closer{w};
      auto* sk = Child<QComboBox>(w, "Sk1");
      sk->setCurrentIndex(14);
      emit sk->activated(14);  // "100M": typed limits
      QVERIFY(Child<QWidget>(w, "MinSk1")->isHidden());
      QCOMPARE(Child<QLineEdit>(w, "NSK1")->text(), QString("-200,0000"));
      Child<QPushButton>(w, "Cancel")->click();
    });
    QCOMPARE(f.editors.Open(f.Request(2)), kModalCancel);
    QCOMPARE(f.config.MBA.GetBlock(1), before);
    QVERIFY(f.line.requests.empty());
  }

  void anEmptyListFlashesAndAPressSelectsTheNumber() {
    Fixture f;
    f.config.MBA.SetScaleType(0, 1, 9);  // no scale type 9
    TFormPROG* w = f.Filled(1);
    auto* sk = Child<QComboBox>(w, "Sk2");
    QCOMPARE(sk->currentIndex(), -1);
    Leave(sk);
    QCOMPARE(sk->palette().color(QPalette::Button), QColor(Qt::red));
    QTRY_VERIFY(sk->palette().color(QPalette::Button) != QColor(Qt::red));  // back after the flash

    w->show();
    auto* ust = Child<QLineEdit>(w, "Ust1L");
    QTest::mouseClick(ust, Qt::LeftButton);
    QTRY_COMPARE(ust->selectedText(), ust->text());
    QCOMPARE(ust->contextMenuPolicy(), Qt::PreventContextMenu);
    Leave(ust);
    QCOMPARE(ust->contextMenuPolicy(), Qt::DefaultContextMenu);
    w->hide();
  }

  void theReportPrintsToAPdf() {
    Fixture f;
    const auto dir = std::filesystem::temp_directory_path();
    const std::string rtf = (dir / "analog_module_qtest.rtf").string();
    const std::string pdf = (dir / "analog_module_qtest.pdf").string();
    std::filesystem::remove(rtf);
    std::filesystem::remove(pdf);
    f.editor.ReportPrinter().Target().pdfPath = QString::fromStdString(pdf);
    f.Filled(3);
    f.ui.files = {rtf};
    f.ui.answers = {MsgAnswer::Yes};  // "Печатать?"
    Child<QPushButton>(f.editor.Window(), "BNew1")->click();
    QVERIFY(std::filesystem::exists(rtf));
    QCOMPARE(test::PdfPageCount(pdf), 1);
    const std::string text = test::PdfPages(pdf).at(0);
    for (const char* expected : {"ЛУР-05HMI", "7896D800", "Модуль 3", "поз.306", "линейная", "4 - 20 мА", "95,0000"}) {
      QVERIFY2(text.find(expected) != std::string::npos, expected);
    }
    std::filesystem::remove(rtf);
    std::filesystem::remove(pdf);
  }
};

}  // namespace lur

QTEST_MAIN(lur::AnalogModuleView)
#include "AnalogModule_qtest.moc"
