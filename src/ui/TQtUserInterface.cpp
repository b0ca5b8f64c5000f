#include "ui/TQtUserInterface.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "ui/TQtFieldErrors.h"

namespace lur {
namespace {

QMessageBox::StandardButton ToQt(MsgAnswer a) {
  switch (a) {
    case MsgAnswer::Ok: return QMessageBox::Ok;
    case MsgAnswer::Cancel: return QMessageBox::Cancel;
    case MsgAnswer::Yes: return QMessageBox::Yes;
    case MsgAnswer::No: return QMessageBox::No;
    case MsgAnswer::Retry: return QMessageBox::Retry;
  }
  return QMessageBox::Ok;
}

MsgAnswer FromQt(int b) {
  switch (b) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Retry: return MsgAnswer::Retry;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default: return MsgAnswer::Ok;
  }
}

QMessageBox::StandardButtons Buttons(MsgButtons b) {
  switch (b) {
    case MsgButtons::Ok: return QMessageBox::Ok;
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon Icon(MsgIcon i) {
  switch (i) {
    case MsgIcon::None: return QMessageBox::NoIcon;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Error: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

// "Файлы типа .lur|*.lur|Все файлы|*.*" -> "Файлы типа .lur (*.lur);;Все файлы (*.*)"
QString QtFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) out << parts[i] + " (" + parts[i + 1] + ")";
  return out.join(";;");
}

}  // namespace

MsgAnswer ExecMessageBox(const TMessage& message, QWidget* parent) {
  QMessageBox box(Icon(message.icon), QString::fromStdString(message.caption),
                  QString::fromStdString(message.text), Buttons(message.buttons), parent);
  box.setObjectName("MessageBox");
  box.setWindowModality(Qt::ApplicationModal);
  box.setDefaultButton(ToQt(message.defaultAnswer));
  box.setEscapeButton(message.buttons == MsgButtons::Ok ? QMessageBox::Ok
                      : message.buttons == MsgButtons::YesNo ? QMessageBox::No
                                                              : QMessageBox::Cancel);
  return FromQt(box.exec());
}

MsgAnswer TQtUserInterface::Message(const TMessage& message) { return ExecMessageBox(message, parent_); }

std::optional<std::string> TQtUserInterface::ChooseFile(const TFileChoice& choice) {
  QFileDialog dialog(parent_, QString::fromStdString(choice.title), QString::fromStdString(choice.initialPath),
                     QtFilter(choice.filter));
  dialog.setObjectName(choice.save ? "DialSaveFile" : "DialOpenFile");
  dialog.setAcceptMode(choice.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(choice.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The caller asks about overwriting itself, with the system's own question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (!choice.defaultSuffix.empty()) dialog.setDefaultSuffix(QString::fromStdString(choice.defaultSuffix));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

void TQtUserInterface::ProgressShow(int maximum, int step) {
  step_ = step;
  if (!bar_) return;
  bar_->setMaximum(maximum);
  bar_->setValue(0);
  bar_->setVisible(true);
  bar_->repaint();
}

void TQtUserInterface::ProgressStepIt() {
  if (!bar_) return;
  bar_->setValue(std::min(bar_->maximum(), bar_->value() + step_));
  bar_->repaint();  // a transfer holds the event loop; paint now
}

void TQtUserInterface::ProgressHide() {
  if (bar_) bar_->setVisible(false);
}

namespace {

QWidget* FindIn(QWidget* root, const QString& name) {
  if (!root) return nullptr;
  if (root->objectName() == name) return root;
  return root->findChild<QWidget*>(name);
}

}  // namespace

QWidget* TQtUserInterface::FindField(const std::string& name) const {
  const QString qname = QString::fromStdString(name);
  if (QWidget* focus = QApplication::focusWidget(); focus && focus->objectName() == qname) return focus;
  for (QWidget* root : {QApplication::activeModalWidget(), QApplication::activeWindow(), parent_.data()}) {
    if (QWidget* w = FindIn(root, qname)) return w;
  }
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (!top->isVisible()) continue;
    if (QWidget* w = FindIn(top, qname)) return w;
  }
  return nullptr;
}

void TQtUserInterface::ShowInputError(const std::string& field, const std::string& text) {
  if (QWidget* w = FindField(field)) {
    FlashInputError(w, QString::fromStdString(text));
  } else {
    ShowError(*this, text);
  }
}

void TQtUserInterface::ShowInlineError(const std::string& field, const std::string& text) {
  if (QWidget* w = FindField(field)) {
    ShowErrorMarker(w, QString::fromStdString(text));
  } else {
    ShowError(*this, text);
  }
}

}  // namespace lur
