// The main window without a controller: a new configuration through the
// dialog TConfig, saving and opening through the file dialogs (scripted
// choices), the units list in file mode and the closing questions.
#include <QCheckBox>
#include <QRadioButton>
#include <filesystem>

#include "MainWindowFixture.h"
#include "ModalDriver.h"

namespace lur {

using test::MainWindow;
using test::WhenModal;

class MainWindowFilesTest : public QObject {
  Q_OBJECT

  static void PickModule(QWidget* dialog, const char* list, int type) {
    auto* box = dialog->findChild<QComboBox*>(list);
    QVERIFY2(box, list);
    box->setCurrentIndex(type);
    emit box->activated(type);
  }

  // A new configuration of slots "7", "1", "3", saved as dir/name.lur.
  static void CreateNew(MainWindow& w, const std::string& name) {
    WhenModal("TConfig", [](QWidget* d) {
      QCOMPARE(d->windowTitle(), QString("Задание конфигурации"));
      QVERIFY(d->findChild<QRadioButton*>("RegimCreat1")->isChecked());
      QCOMPARE(d->findChild<QComboBox*>("M1")->currentText(), QString("нет"));
      QVERIFY(!d->findChild<QCheckBox*>("SaveBD1")->isEnabled());
      d->findChild<QRadioButton*>("TModInd0")->click();
      PickModule(d, "M1", 7);
      PickModule(d, "M2", 1);
      PickModule(d, "M3", 3);
      QCOMPARE(d->findChild<QLineEdit*>("EditModif")->text(), QString("71300000"));
      // A type-8 module offers its new-version box.
      PickModule(d, "M4", 8);
      QVERIFY(d->findChild<QCheckBox*>("MVSTNew4")->isVisible());
      PickModule(d, "M4", 0);
      QVERIFY(!d->findChild<QCheckBox*>("MVSTNew4")->isVisible());
      d->findChild<QPushButton*>("OK")->click();
    });
    w.ui.script.files = {w.dir.File(name)};
    w.Trigger("ACreatFile");
  }

 private slots:
  void aNewConfigurationIsCreatedAndOpened() {
    MainWindow w;
    CreateNew(w, "17300000");
    const std::string path = w.dir.File("17300000.lur");
    QCOMPARE(w.ui.script.fileDialogs.size(), std::size_t(1));
    QCOMPARE(w.ui.script.fileDialogs[0].title, std::string("Создание файла конфигурации"));
    // The proposed name is the new order's digits.
    QVERIFY(w.ui.script.fileDialogs[0].initialPath.find("17300000") != std::string::npos);
    QCOMPARE(w.Texts(), std::vector<std::string>{"Создан файл конфигурации " + path});
    QCOMPARE(std::filesystem::file_size(path), std::uintmax_t(35437));

    QCOMPARE(w.config->Serv.FileMode, 1);
    QVERIFY(w.Child<QLabel>("LabelFile")->isVisibleTo(&w.window));
    QCOMPARE(w.Text("LabelFile"), QString::fromStdString("Режим работы с файлом " + path));
    QCOMPARE(w.Text("EditModif"), QString("17300000"));
    QCOMPARE(w.Text("StLUR"), QString("ЛУР-05-4A 1730"));
    QCOMPARE(w.Text("M1"), QString("ТОРИ-5"));
    QCOMPARE(w.Text("IdVh2"), QString("AI1_1 - AI1_6"));
    QCOMPARE(w.Text("IdVyh3"), QString("DO_1_1 - DO_1_8"));
    QVERIFY(w.Child<QWidget>("GBoxRazm")->isEnabled());
    QCOMPARE(w.Child<QComboBox>("CBoxRazmChange")->itemText(4), QString("кг/cм2"));
  }

  void theDialogsDigitsRefuseReservedCodes() {
    MainWindow w;
    w.ui.script.answers = {MsgAnswer::Ok, MsgAnswer::Yes};
    WhenModal("TConfig", [](QWidget* d) {
      QLineEdit* digits = d->findChild<QLineEdit*>("EditModif");
      digits->selectAll();
      QTest::keyClicks(digits, "1e");
      QCOMPARE(digits->text(), QString("1E"));
      QCOMPARE(d->findChild<QComboBox*>("M2")->currentText(), QString("ЖОКА"));
      QTest::keyClicks(digits, "B");  // a reserved code
      QCOMPARE(digits->text(), QString("1E"));
      // Two control loop modules: the check refuses, Yes ends the dialog.
      QTest::keyClicks(digits, "E");
      d->findChild<QPushButton*>("OK")->click();
    });
    w.Trigger("ACreatFile");
    QCOMPARE(w.Texts(),
             (std::vector<std::string>{" Ошибка ввода ", "Ошибка создания конфигурации \nЗакончить?",
                                       "ошибка ввода конфигурации"}));
    QVERIFY(w.ui.script.fileDialogs.empty());
    QCOMPARE(w.config->Serv.FileMode, 0);
  }

  void savedAndOpenedThroughTheFileDialogs() {
    test::ScratchDir files;
    const std::string saved = files.File("b.lur");
    {
      MainWindow w;
      CreateNew(w, "a");
      // The units list in file mode: memory and Modified, nothing sent.
      auto* units = w.Child<QComboBox>("CBoxRazmChange");
      w.Pick("CBoxRazmChange", 5);
      units->lineEdit()->selectAll();
      test::TypeText(units->lineEdit(), "бар");
      w.Click("ButRazm");
      QCOMPARE(w.config->Serv.Modified, 1);
      QCOMPARE(units->itemText(5), QString("бар"));
      w.Click("ButDefault");
      QCOMPARE(units->itemText(5), QString("атм"));
      w.Pick("CBoxRazmChange", 14);
      units->lineEdit()->selectAll();
      test::TypeText(units->lineEdit(), "мм");
      w.Click("ButRazm");

      w.ui.script.shown.clear();
      w.ui.script.files = {files.File("b")};
      w.Trigger("ASaveFile");
      QVERIFY(w.Texts().empty());
      QCOMPARE(w.ui.script.fileDialogs.back().filter, std::string("Файлы типа .lur|*.lur|Все файлы|*.*"));
      QCOMPARE(std::filesystem::file_size(saved), std::uintmax_t(35437));
      QCOMPARE(w.config->Serv.Modified, 0);
    }
    MainWindow w;
    w.ui.script.files = {saved};
    w.Trigger("AOpenFile");
    QVERIFY(w.Texts().empty());
    QCOMPARE(w.ui.script.fileDialogs[0].title, std::string("Открытие файла конфигурации"));
    QCOMPARE(w.Text("EditModif"), QString("17300000"));
    QCOMPARE(w.Text("LabelFile"), QString::fromStdString("Режим работы с файлом " + saved));
    QCOMPARE(w.Child<QComboBox>("CBoxRazmChange")->itemText(14), QString("мм"));
    QCOMPARE(w.config->Serv.FileMode, 1);
  }

  void closingAsksInFileModeAndKeepsUnsavedChanges() {
    MainWindow w;
    CreateNew(w, "c");
    w.window.show();
    w.config->Serv.Modified = 1;
    w.config->Lur.FullAccess = 1;

    // Yes to saving, then the file dialog is cancelled: the window stays.
    w.ui.script.shown.clear();
    w.ui.script.answers = {MsgAnswer::Yes};
    w.ui.script.files = {std::nullopt};
    QVERIFY(!w.window.close());
    QVERIFY(w.window.isVisible());
    QCOMPARE(w.Texts(), std::vector<std::string>{"Данные были изменены. Сохранить в файле?"});
    QCOMPARE(w.ui.script.shown[0].caption, std::string("Подтвердите запись в файл"));

    // No to both questions: it closes, with the changes given up knowingly.
    w.ui.script.shown.clear();
    w.ui.script.answers = {MsgAnswer::No, MsgAnswer::No};
    QVERIFY(w.window.close());
    QCOMPARE(w.Texts(), (std::vector<std::string>{"Данные были изменены. Сохранить в файле?",
                                                  "Данные были изменены. Передать в прибор?"}));
    QVERIFY(!w.window.isVisible());
  }

  void closingInControllerModeAsksNothing() {
    MainWindow w;
    w.window.show();
    w.config->Serv.Modified = 1;
    w.config->Lur.FullAccess = 1;
    QVERIFY(w.window.close());
    QVERIFY(w.Texts().empty());
  }
};

}  // namespace lur

QTEST_MAIN(lur::MainWindowFilesTest)
#include "MainWindowFiles_qtest.moc"
