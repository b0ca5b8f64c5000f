// The algorithm window over its controller, offscreen: every control by its
// name, the lists as filled, edits read back when OK closes it (or kept open
// after a refused list), the member column following EditingNFB, a load from
// another file, and the editor's "Создание алгоритмов" opening it.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <memory>

#include "fb/TFormFBController.h"
#include "fb/TFormInfAlgController.h"
#include "fb/views/TFormFB.h"
#include "fb/views/TFormInfAlg.h"
#include "fb/views/TFormInfAlgWindow.h"
#include "link/TComPortClass.h"
#include "model/ConfigFileKind.h"
#include "model/Cp1251.h"
#include "model/TConfiguration.h"
#include "session/TEditorRegistry.h"
#include "session/TServAddressing.h"
#include "shell/ModalDriver.h"
#include "support/FBEditorDoubles.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using Form = TFormInfAlgController;

struct Fixture {
  // Six AND gates; algorithm 1 "Насос" of blocks 1..3.
  Fixture() {
    QVERIFY(test::SetSmallController(config.Serv));
    config.Serv.MakeDefaultInputIds();
    for (int i = 0; i < 6; ++i) config.FB.SetTipFB(i, 1);
    config.FB.FindNFB();
    config.FB.ResetAlgorithms();
    for (int k = 0; k < 3; ++k) config.FB.SetAlgFB(0, k, k + 1);
    config.FB.SetAlgName(0, Utf8ToCp1251("Насос"));
    config.FB.NAlg = 1;
    config.FB.RebuildAlgHead();
  }
  QTableWidget* Grid(const char* name) { return window.Window(form)->findChild<QTableWidget*>(name); }
  QString Cell(const char* grid, int row, int column) { return Grid(grid)->item(row, column)->text(); }

  QTemporaryDir dir;
  test::VirtualClock clock;
  test::SimPort line{clock};
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  TConfiguration config;
  TServAddressing addressing{config.Serv};
  TSession session{config, link, ui, addressing};
  Form form{session};
  TFormInfAlgWindow window;
};

}  // namespace

class FormInfAlgTest : public QObject {
  Q_OBJECT

 private slots:
  void filledWindowShowsBothLists() {
    Fixture f;
    f.config.Serv.FileMode = 1;  // opening and closing unchanged is no change to save
    f.form.Fill();
    TFormInfAlg* w = f.window.Window(f.form);
    int result = -1;
    test::WhenModal("TFormInfAlg", [&](QWidget* modal) {
      QCOMPARE(modal->windowTitle(), QString("Информация о функциональных блоках и  алгоритмах"));
      QCOMPARE(modal->findChild<QLabel*>("Label1")->text(), QString("Функциональные блоки"));
      QCOMPARE(modal->findChild<QPushButton*>("NameFromFile")->text(), QString("Конфигурация  алгоритмов из файла"));
      QCOMPARE(modal->findChild<QPushButton*>("ButRtf")->text(), QString("Создание и печать файла .rtf"));
      auto* editing = modal->findChild<QCheckBox*>("EditingNFB");
      QCOMPARE(editing->text(), QString("редактирование номеров блоков"));
      QVERIFY(editing->isChecked() && editing->isEnabled());
      QTableWidget* g1 = f.Grid("StringGrid1");
      QCOMPARE(g1->columnCount(), 7);
      QCOMPARE(f.Cell("StringGrid1", 0, 0), QString("  №"));
      QCOMPARE(f.Cell("StringGrid1", 1, 3), QString("вход. сигнала 1"));
      QCOMPARE(f.Cell("StringGrid1", 7, 1), QString("ФБ6"));
      QCOMPARE(f.Cell("StringGrid1", 2, 2), QString("\"И\" (4 входа)"));
      QVERIFY(!(g1->item(2, 1)->flags() & Qt::ItemIsEditable));
      QTableWidget* g2 = f.Grid("StringGrid2");
      QCOMPARE(g2->columnCount(), 3);
      QCOMPARE(f.Cell("StringGrid2", 0, 1), QString("Наименование  алгоритма "));
      QCOMPARE(f.Cell("StringGrid2", 2, 1), QString("Насос"));
      QCOMPARE(f.Cell("StringGrid2", 2, 2), QString("1,2,3,"));
      QVERIFY(g2->item(3, 1)->flags() & Qt::ItemIsEditable);
      QVERIFY(!(g2->item(0, 1)->flags() & Qt::ItemIsEditable));
      modal->findChild<QPushButton*>("OK")->click();
    });
    result = f.window.ShowModal(f.form);
    QCOMPARE(result, kModalOk);
    QVERIFY(!w->isVisible());
    QCOMPARE(f.config.FB.AlgMembers(0), (std::vector<int>{1, 2, 3}));
    QCOMPARE(f.config.Serv.Modified, 0);
  }

  void editsAreReadBackAndARefusedListKeepsTheWindow() {
    Fixture f;
    f.form.Fill();
    f.ui.answers = {MsgAnswer::Ok, MsgAnswer::No};  // the error box, then "Закончить?" No
    bool keptOpen = false;
    test::WhenModal("TFormInfAlg", [&](QWidget* modal) {
      QTableWidget* g2 = f.Grid("StringGrid2");
      g2->item(3, 0)->setText("2");
      g2->item(3, 1)->setText("Давление");
      g2->item(3, 2)->setText("4,99");  // block 99 does not exist
      modal->findChild<QPushButton*>("OK")->click();
      keptOpen = modal->isVisible();
      QCOMPARE(f.ui.Texts(), (std::vector<std::string>{"error N ФБ", "Ошибка программирования \nЗакончить?"}));
      QCOMPARE(f.config.FB.NAlg, 1);  // nothing stored yet
      g2->item(3, 2)->setText("4,5");
      modal->findChild<QPushButton*>("OK")->click();
    });
    QCOMPARE(f.window.ShowModal(f.form), kModalOk);
    QVERIFY(keptOpen);
    QCOMPARE(f.config.FB.NAlg, 2);
    QCOMPARE(f.config.FB.AlgMembers(1), (std::vector<int>{4, 5}));
    QCOMPARE(f.config.FB.GetAlgName(1), Utf8ToCp1251("Давление"));
    QCOMPARE(f.config.FB.GetAlgHead(3), 4);
  }

  void uncheckingEditingNFBLocksTheMemberColumn() {
    Fixture f;
    f.form.Fill();
    test::WhenModal("TFormInfAlg", [&](QWidget* modal) {
      QTableWidget* g2 = f.Grid("StringGrid2");
      QVERIFY(g2->item(2, 2)->flags() & Qt::ItemIsEditable);
      modal->findChild<QCheckBox*>("EditingNFB")->click();
      QVERIFY(!(g2->item(2, 2)->flags() & Qt::ItemIsEditable));
      g2->item(2, 2)->setText("");  // not read back while unticked
      modal->close();               // the close box closes like OK
    });
    QCOMPARE(f.window.ShowModal(f.form), kModalOk);
    QVERIFY(!f.form.EditingNFB());
    QCOMPARE(f.config.FB.AlgMembers(0), (std::vector<int>{1, 2, 3}));
  }

  void loadingAFileRefillsTheAlgorithmList() {
    Fixture f;
    TProgFBClass source;
    source.ResetAlgorithms();
    source.SetAlgName(0, Utf8ToCp1251("Из файла"));
    source.SetAlgFB(0, 0, 2);
    source.NAlg = 1;
    std::vector<std::uint8_t> bytes(kConfigFileSize120, 0);
    const std::vector<std::uint8_t> section = source.AlgToFile();
    std::copy(section.begin(), section.end(), bytes.begin() + static_cast<long>(ConfigFileAlgOffset(120)));
    const std::string path = f.dir.filePath("other.lur").toStdString();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    f.ui.files = {path};
    f.form.Fill();
    test::WhenModal("TFormInfAlg", [&](QWidget* modal) {
      modal->findChild<QPushButton*>("NameFromFile")->click();
      QCOMPARE(f.Cell("StringGrid2", 2, 1), QString("Из файла"));
      QCOMPARE(f.Cell("StringGrid2", 2, 2), QString("2,3,4,5,6,"));  // runs on to the last block
      modal->findChild<QPushButton*>("OK")->click();
    });
    QCOMPARE(f.window.ShowModal(f.form), kModalOk);
    // Different module codes in the file: the warning, and the load all the same.
    QCOMPARE(f.ui.Texts(), std::vector<std::string>{Form::kOtherModules});
    QCOMPARE(f.config.FB.AlgMembers(0), (std::vector<int>{2, 3, 4, 5, 6}));
  }

  void theEditorsMenuItemOpensTheWindow() {
    Fixture f;
    test::NoBlockDialog block;
    TFormSigController sigForm;
    test::AnsweringWindow<TFormSigController> sig;
    TFormVyhController vyhForm{f.config.Lur};
    test::AnsweringWindow<TFormVyhController> vyh;
    TEditorRegistry editors;
    TFormFBController editor(f.session, {.block = block,
                                         .sig = sigForm,
                                         .sigWindow = sig,
                                         .vyh = vyhForm,
                                         .vyhWindow = vyh,
                                         .infAlg = &f.form,
                                         .infAlgWindow = &f.window});
    TFormFB window(editor, f.config, editors);
    editor.FormShow();
    window.Draw();
    QAction* item = window.Action("PMenu3Algorithms");
    QVERIFY(item->isEnabled());
    QCOMPARE(item->text(), QString("Создание алгоритмов"));
    bool opened = false;
    test::WhenModal("TFormInfAlg", [&](QWidget* modal) {
      opened = true;
      f.Grid("StringGrid2")->item(2, 2)->setText("4,5");
      modal->findChild<QPushButton*>("OK")->click();
    });
    item->trigger();
    QVERIFY(opened);
    QCOMPARE(f.config.FB.AlgMembers(0), (std::vector<int>{4, 5}));
    QCOMPARE(f.config.FB.GetAlgHead(3), 4);
    QVERIFY(f.ui.shown.empty());
  }
};

}  // namespace lur

QTEST_MAIN(lur::FormInfAlgTest)
#include "FormInfAlg_qtest.moc"
