#include "app/TLurprog.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QAction>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "shell/TAccessLevel.h"

namespace lur {
namespace {

std::vector<std::string> Ports(const QString& extra) {
  std::vector<std::string> names;
  for (const QString& n : ListSerialPorts(extra.isEmpty() ? QStringList{} : QStringList{extra})) {
    names.push_back(n.toStdString());
  }
  return names;
}

}  // namespace

QString PasswordFilePath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  return QDir(folder).filePath(QString::fromUtf8(kPasswordFileName.data(), kPasswordFileName.size()));
}

TLurprog::TLurprog(const QString& port)
    : port_(port),
      form_(*config_, link_, ui_, state_, editors_, PasswordFilePath().toStdString()),
      window_(std::make_unique<TForm1>(form_)),
      journalWindow_(new TFormJurnal(journal_, ui_, window_.get())),
      dialogs_(std::make_unique<TQtSettingsDialogs>(window_.get())),
      flow_(std::make_unique<TPortSettingsFlow>(link_, ui_, dialogs_->Dialogs(), [port] { return Ports(port); })) {
  ui_.SetParent(window_.get());
  // Nothing that changes the controller leaves at the limited access level.
  link_.SetAccessQuery([this] { return config_->Lur.FullAccess == 1; });
  ui_.SetProgressBar(window_->ProgressBar());
  dialogs_->SetFlow(flow_.get());
  window_->SetSettings(*flow_);
  // "Проверять после записи" of the exchange settings decides F10's check.
  form_.Compare().SetVerifyQuery([this] { return flow_->VerifyAfterWrite(); });
  link_.SetTrafficObserver(&journal_);
  discrete_ = std::make_unique<TQtDiscreteEditor>(session_, editors_, ui_, window_.get());
  discrete_->SetPortDialog([this] { flow_->APortExecute(); });
  discrete_->Register();
  functionBlocks_ = std::make_unique<TQtFBEditor>(session_, editors_, ui_, *discrete_, window_.get());
  functionBlocks_->Register();
  details_ = std::make_unique<TQtDetailWindows>(window_.get());
  RegisterDetailWindows(editors_, *config_, detailForms_, details_->Windows());
  inform_ = std::make_unique<TQtInformWindow>(
      session_,
      TInformDialogs{discrete_->Forms().text, discrete_->Windows().text, discrete_->Forms().vh,
                     discrete_->Windows().vh, detailForms_, details_->Windows()},
      &ui_, window_.get());
  inform_->Form().fileName = [this] { return state_.fileName; };
  inform_->Register(editors_);
  sensorTypes_ = std::make_unique<TQtSensorTypeEditor>(session_, editors_, window_.get());
  sensorTypes_->Register();
  relayModules_ = std::make_unique<TQtRelayModuleEditor>(session_, editors_, ui_, window_.get());
  relayModules_->Register();
  analogModules_ = std::make_unique<TQtAnalogModuleEditor>(session_, editors_, ui_, window_.get());
  analogModules_->Form().fileName = [this] { return form_.State().fileName; };
  analogModules_->ReportPrinter().Target().parent = analogModules_->Window();
  analogModules_->Register();
  loopDialog_ = std::make_unique<TQtLoopDialog>(session_, editors_, window_.get());
  loopOnLine_ = std::make_unique<TQtRegOnLineWindow>(session_, window_.get());
  loops_ = std::make_unique<TQtLoopEditor>(session_, editors_, ui_,
                                           TLoopWindows{&loopDialog_->Dialog(), loopOnLine_.get()}, window_.get());
  loopDialog_->SetParent(loops_->Window());
  loopOnLine_->SetEditor(loops_->Window());
  loops_->Register();
  moduleLive_ = std::make_unique<TQtModuleLiveViews>(session_, editors_, &ui_, window_.get());
  moduleLive_->Register();
  timeDate_ = std::make_unique<TQtTimeDateWindow>(session_, editors_, ui_, window_.get());
  timeDate_->Register();
  calibration_ = std::make_unique<TQtCalibrationWindow>(session_, editors_, &ui_, window_.get());
  calibration_->Register();
  outputInform_ = std::make_unique<TQtInformMRWindow>(session_, editors_, ui_, *discrete_, window_.get());
  outputInform_->Register();
  localNet_ = std::make_unique<TQtLNetEditor>(session_, editors_, ui_, &functionBlocks_->ReportPrinter(),
                                              window_.get());
  localNet_->Register();
  window_->Draw();  // the editor buttons of the registered windows come alive
  if (auto* action = window_->findChild<QAction*>("AJurnal")) {
    connect(action, &QAction::triggered, journalWindow_, [this] {
      journalWindow_->show();
      journalWindow_->raise();
      journalWindow_->activateWindow();
    });
  }
}

TLurprog::~TLurprog() {
  link_.SetTrafficObserver(nullptr);
  link_.ClosePort();
}

void TLurprog::Show() { window_->show(); }

void TLurprog::Start() { window_->Start(); }

void TLurprog::Screenshot(const QString& path) {
  link_.PortName = port_.toStdString();
  if (link_.OpenPort() != 0) {
    ReportLinkError(ui_, link_, 0, kResultPortNotOpened);
  } else {
    form_.InPortButClick();
  }
  window_->Draw();
  QApplication::processEvents();
  QWidget* picture = window_.get();
  // LURPROG_SCREENSHOT_WINDOW=TFormFB: the function block editor over what
  // was read, shown as its button shows it.
  if (qEnvironmentVariable("LURPROG_SCREENSHOT_WINDOW") == "TFormFB" && functionBlocks_->Window()) {
    TFormFB* editor = functionBlocks_->Window();
    functionBlocks_->Form().FormShow();
    editor->Draw();
    editor->resize(1200, 900);
    editor->show();
    QApplication::processEvents();
    picture = editor;
  }
  picture->grab().save(path);
  QApplication::quit();
}

void TLurprog::BenchRead(int runs, bool journal) {
  link_.PortName = port_.toStdString();
  if (link_.OpenPort() != 0) {
    std::fprintf(stderr, "lurprog: cannot open %s\n", link_.PortName.c_str());
    QApplication::exit(1);
    return;
  }
  if (journal) {
    journalWindow_->show();
  } else {
    link_.SetTrafficObserver(nullptr);
  }
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    form_.InPortButClick();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    QApplication::processEvents();
    std::printf("read %lld ms\n", static_cast<long long>(ms.count()));
    std::fflush(stdout);
  }
  if (journal) {
    // What the open window took while the reads ran (its own timer only).
    std::printf("journal window: %d lines\n", journalWindow_->Lines()->document()->blockCount());
  }
  link_.SetTrafficObserver(&journal_);
  QApplication::quit();
}

}  // namespace lur
