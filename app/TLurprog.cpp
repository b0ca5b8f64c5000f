#include "app/TLurprog.h"

#include <QAction>
#include <QMenuBar>
#include <QStatusBar>

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

TLurprog::TLurprog(const QString& port)
    : window_(std::make_unique<QMainWindow>()),
      dialogs_(window_.get()),
      flow_(link_, ui_, dialogs_, [port] { return Ports(port); }) {
  window_->setObjectName("TForm1");
  window_->setWindowTitle("Программатор ЛУР - 05HMI");
  window_->resize(800, 560);
  ui_.SetParent(window_.get());
  dialogs_.SetFlow(&flow_);

  QMenu* portMenu = window_->menuBar()->addMenu("Порт");
  auto* aPort = new QAction("Настройка СОМ порта", window_.get());
  aPort->setObjectName("APort");
  connect(aPort, &QAction::triggered, this, [this] { flow_.APortExecute(); });
  auto* aNastr = new QAction("Настройка обмена", window_.get());
  aNastr->setObjectName("ANastr");
  connect(aNastr, &QAction::triggered, this, [this] { flow_.NastrObmClick(); });
  portMenu->addAction(aPort);
  portMenu->addAction(aNastr);
}

TLurprog::~TLurprog() { link_.ClosePort(); }

void TLurprog::Show() { window_->show(); }

void TLurprog::Start() { flow_.APortExecute(); }

}  // namespace lur
