// The discrete editor's "Печать" into a PDF, read back as the user sees it:
// eleven rows a page, the headings, one relay line per row; and the group
// actions of the window running their operations.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "PdfText.h"
#include "discrete/TDiscreteDialogs.h"
#include "discrete/TDiscretePrint.h"
#include "discrete/TFormPrgDController.h"
#include "discrete/views/TFormPrgD.h"
#include "fb/widgets/TPanMR.h"
#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using A = TFormPrgDAction;

constexpr const char* kMainCaption = "Программатор ЛУР - 05HMI";

// Two discrete input modules, one analog, two relay modules: 48 signals.
// `rows` handlers from signal 0 on; signal 0 drives outputs 1, 3 of module 1
// and 8 of module 2, the others have a delay only.
void Configure(TConfiguration& config, int rows) {
  TServClass::Identity id{};
  id[0] = 5;
  const std::array<std::uint8_t, 8> modules = {1, 1, 7, 3, 3, 0, 0, 0};
  std::copy(modules.begin(), modules.end(), id.begin() + 1);
  id[11] = 16;
  id[12] = 48;
  id[13] = 6;
  QVERIFY(config.Serv.SetIdentityFromBytes(id));
  config.Serv.MakeDefaultInputIds();
  config.Lur.FullAccess = 1;
  config.Lur.ClearRecs(0, 192);
  for (int n = 0; n < rows; ++n) config.Lur.SetTimeZ(n, 5);
  if (rows > 0) {
    config.Lur.SetTimeZ(0, 0);
    config.Lur.SetRecByte(0, 1, 0x05);
    config.Lur.SetRecByte(0, 2, 0x80);
  }
}

template <class F>
struct Script : TModalWindow<F> {
  int ShowModal(F&) override { return kModalOk; }
};

struct Editor {
  explicit Editor(int rows, int fileMode = 0) {
    link.PortName = "COM1";
    Configure(*config, rows);
    config->Serv.FileMode = fileMode;
    main.setWindowTitle(kMainCaption);
    auto* label = new QLabel("Режим работы с файлом /tmp/a.lur", &main);
    label->setObjectName("LabelFile");
    form = std::make_unique<TFormPrgDController>(session, forms, windows, editors);
    window = std::make_unique<TFormPrgD>(*form, ui, &main);
    window->resize(900, 500);
    window->SetPrintPdf(dir.filePath("schema.pdf"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }
  ~Editor() { window->hide(); }

  void Print() { window->findChild<QPushButton*>("Button1")->click(); }
  std::string Pdf() const { return dir.filePath("schema.pdf").toStdString(); }

  QTemporaryDir dir;
  test::VirtualClock clock;
  test::SimPort line{clock};
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TServAddressing addressing{config->Serv};
  TSession session{*config, link, ui, addressing};
  TDiscreteDialogForms forms{session};
  Script<TFormCreatVhController> creatVh;
  Script<TFormSigController> sig;
  Script<TFormZaController> za;
  Script<TFormVyhController> vyh;
  Script<TFormVklController> vkl;
  Script<TFormTextController> text;
  Script<TFormVhController> vh;
  TDiscreteDialogWindows windows{creatVh, sig, za, vyh, vkl, text, vh};
  TEditorRegistry editors;
  QWidget main;
  std::unique_ptr<TFormPrgDController> form;
  std::unique_ptr<TFormPrgD> window;
};

int Count(const QString& text, const QString& what) { return text.count(what); }

}  // namespace

class PrgDPrintTest : public QObject {
  Q_OBJECT

 private slots:
  void elevenRowsAPageWithHeadingsAndRelayLines() {
    Editor e(23, 1);
    e.Print();
    QCOMPARE(e.ui.shown.size(), std::size_t(0));
    QCOMPARE(test::PdfPageCount(e.Pdf()), 3);
    // Portrait: "595.276 x 841.89 pts (A4)", taller than wide.
    const QStringList size = QString::fromStdString(test::PdfInfo(e.Pdf(), "Page size")).split(' ');
    QVERIFY(size.size() > 2 && size[0].toDouble() < size[2].toDouble());
    const std::vector<std::string> pages = test::PdfPages(e.Pdf());
    QCOMPARE(pages.size(), std::size_t(3));
    const QString first = QString::fromStdString(pages[0]);
    QVERIFY(first.contains(kMainCaption));
    QVERIFY(first.contains("Программирование обработки дискретных входов"));
    QVERIFY(first.contains("Режим работы с файлом /tmp/a.lur"));
    QVERIFY(first.contains("Тип модуля индикации"));
    QVERIFY(first.contains("Исполнение"));
    QVERIFY(first.contains("11733000"));
    QVERIFY(!first.contains("страница"));
    const int rowsOnPage[] = {11, 11, 1};
    for (int p = 0; p < 3; ++p) {
      const QString page = QString::fromStdString(pages[static_cast<std::size_t>(p)]);
      if (p > 0) QVERIFY2(page.contains(QString("страница %1").arg(p + 1)), qPrintable(page));
      QCOMPARE(Count(page, "Информация о модулях реле:"), 1);
      // One relay line per row: the hints of a row with relays, the words of one without.
      QCOMPARE(Count(page, "MP 1:") + Count(page, "нет выхода на модуль реле"), rowsOnPage[p]);
    }
    QVERIFY(first.contains("MP 1: 1,3,"));
    QVERIFY(first.contains("MP 2: 8,"));
    QCOMPARE(Count(first, "нет выхода на модуль реле"), 10);
  }

  void controllerModePrintsNoFileLabel() {
    Editor e(2, 0);
    e.Print();
    QCOMPARE(test::PdfPageCount(e.Pdf()), 1);
    const QString page = QString::fromStdString(test::PdfPages(e.Pdf()).at(0));
    QVERIFY(!page.contains("Режим работы с файлом"));
    QCOMPARE(Count(page, "MP 1:") + Count(page, "нет выхода на модуль реле"), 2);
  }

  void noRowsPrintsNothingNoSchemaWarns() {
    Editor empty(0);
    empty.Print();
    QVERIFY(!QFile::exists(QString::fromStdString(empty.Pdf())));
    QCOMPARE(empty.ui.shown.size(), std::size_t(0));

    Editor e(3);
    e.config->Lur.SchemaSet = 0;
    e.Print();
    QVERIFY(!QFile::exists(QString::fromStdString(e.Pdf())));
    QCOMPARE(e.ui.Texts(), std::vector<std::string>{"Схема не создана"});
  }

  // The printed hints are the relay block's own.
  void relayHintsAreTheBlocksHints() {
    Editor e(1);
    const TSchemaRow& row = e.form->Layout().rows.at(0);
    TPanMR panel(nullptr, 1);
    for (int m = 0; m < TPanMR::kModules; ++m) {
      panel.PassiveMR(m);
      const std::uint8_t mask = row.mr[static_cast<std::size_t>(m)];
      if (m < row.mrModules && mask != 0) panel.ActiveMR(m, mask);
      QCOMPARE(QString::fromStdString(RelayModuleHint(row, m)), panel.GetHint(m));
    }
  }

  void groupActionsRunTheirOperations() {
    Editor e(3);
    e.window->Action(A::AChooseAll)->trigger();
    QCOMPARE(e.config->Lur.NSelected, 3);
    e.ui.answers = {MsgAnswer::Yes};
    e.window->Action(A::ACut)->trigger();
    QCOMPARE(e.ui.Texts(), std::vector<std::string>{"Вырезать выделенные обработчики входного сигнала?"});
    QCOMPARE(e.config->Copy.CopyDiskrCount, 3);
    QCOMPARE(e.form->Layout().rows.size(), std::size_t(0));
    QVERIFY(e.window->Action(A::AInsertPaspGroup)->isEnabled());
    e.window->Action(A::AInsertPaspGroup)->trigger();
    QCOMPARE(e.form->Layout().rows.size(), std::size_t(3));
    e.ui.answers = {MsgAnswer::Yes};
    e.window->Action(A::ADelChoose)->trigger();
    QCOMPARE(e.form->Layout().rows.size(), std::size_t(0));
  }
};

}  // namespace lur

QTEST_MAIN(lur::PrgDPrintTest)
#include "PrgDPrint_qtest.moc"
