#include "app/TLurprog.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>

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
      dialogs_(std::make_unique<TQtSettingsDialogs>(window_.get())),
      flow_(std::make_unique<TPortSettingsFlow>(link_, ui_, dialogs_->Dialogs(), [port] { return Ports(port); })) {
  ui_.SetParent(window_.get());
  ui_.SetProgressBar(window_->ProgressBar());
  dialogs_->SetFlow(flow_.get());
  window_->SetSettings(*flow_);
}

TLurprog::~TLurprog() { link_.ClosePort(); }

void TLurprog::Show() { window_->show(); }

void TLurprog::Start() { window_->Start(); }

void TLurprog::Screenshot(const QString& path) {
  link_.PortName = port_.toStdString();
  if (link_.OpenPort() != 0) {
    link_.ReportError(0, kResultPortNotOpened);
  } else {
    form_.InPortButClick();
  }
  window_->Draw();
  QApplication::processEvents();
  window_->grab().save(path);
  QApplication::quit();
}

}  // namespace lur
