#include "discrete/views/TFormVyh.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "discrete/TFormVyhController.h"
#include "discrete/views/DialogParts.h"
#include "discrete/views/TQtOutputPanel.h"
#include "session/TModalWindow.h"

namespace lur {

TFormVyh::TFormVyh(TFormVyhController& form, TUserInterface&, QWidget* parent)
    : QDialog(parent), form_(form) {
  setObjectName("TFormVyh");
  setWindowTitle(TFormVyhController::kCaption);
  auto* grid = new QGridLayout(this);
  labNVh_ = NamedLabel("LabNVh", "Вход №", this);
  grid->addWidget(labNVh_, 0, 0);
  labelName_ = NamedLabel("LabelName", "", this);
  grid->addWidget(labelName_, 0, 1, 1, TFormVyhController::kOutputs);
  grid->addWidget(NamedLabel("Label6", "Выходы", this), 1, 0, 1, TFormVyhController::kOutputs + 1);

  menu_ = new QMenu(this);
  menu_->setObjectName("PopupMenuVyh");
  infVyh_ = new QAction("Информация о дискретном выходе", this);
  infVyh_->setObjectName("AInfVyh");
  menu_->addAction(infVyh_);
  connect(infVyh_, &QAction::triggered, this, [this] {
    if (form_.onInfVyh) form_.onInfVyh();
  });

  for (int k = 0; k < TFormVyhController::kModules; ++k) {
    const QString name = QString("Label%1").arg(k + 1);
    moduleLabels_[static_cast<std::size_t>(k)] =
        NamedLabel(name.toUtf8().constData(), Q(TFormVyhController::ModuleLabel(k)), this);
    grid->addWidget(moduleLabels_[static_cast<std::size_t>(k)], k + 2, 0);
    for (int j = 0; j < TFormVyhController::kOutputs; ++j) {
      const int index = k * TFormVyhController::kOutputs + j;
      auto* panel = new TQtOutputPanel(QString("Panel%1").arg(index + 1), QString::number(j + 1), this);
      panel->onClick = [this, panel, k, j] {
        form_.OutputClick(k, j);
        panel->SetColor(form_.OutputColor(k, j));
      };
      panel->onRightPress = [this, k, j](const QPoint& global) {
        form_.OutputRightPress(k, j);
        menu_->popup(global);
      };
      panels_[static_cast<std::size_t>(index)] = panel;
      grid->addWidget(panel, k + 2, j + 1);
    }
  }
  auto* ok = DialogButton("OK", "OK", this);
  grid->addWidget(ok, TFormVyhController::kModules + 2, 0, 1, TFormVyhController::kOutputs + 1,
                  Qt::AlignCenter);
  connect(ok, &QPushButton::clicked, this, [this] { done(form_.OKClick()); });
}

TQtOutputPanel* TFormVyh::OutputPanel(int k, int j) const {
  if (k < 0 || k >= TFormVyhController::kModules || j < 0 || j >= TFormVyhController::kOutputs)
    return nullptr;
  return panels_[static_cast<std::size_t>(k * TFormVyhController::kOutputs + j)];
}

void TFormVyh::Show() {
  labNVh_->setText(Q(form_.labNVh));
  labelName_->setText(Q(form_.labelName));
  for (int k = 0; k < TFormVyhController::kModules; ++k) {
    const bool shown = form_.ModuleShown(k);
    moduleLabels_[static_cast<std::size_t>(k)]->setVisible(shown);
    for (int j = 0; j < TFormVyhController::kOutputs; ++j) {
      TQtOutputPanel* panel = OutputPanel(k, j);
      panel->setVisible(shown);
      panel->SetColor(form_.OutputColor(k, j));
    }
  }
}

int TFormVyh::ExecForm() {
  Show();
  exec();
  return kModalOk;  // the values apply however the dialog closed
}

void TFormVyh::reject() { done(form_.OKClick()); }

}  // namespace lur
