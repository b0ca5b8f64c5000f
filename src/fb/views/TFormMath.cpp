#include "fb/views/TFormMath.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "discrete/views/DialogParts.h"
#include "session/TModalWindow.h"

namespace lur {

TFormMath::TFormMath(TFormMathController& form, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName("TFormMath");
  setWindowTitle(TFormMathController::kCaption);
  auto* column = new QVBoxLayout(this);
  groupBox1_ = new QGroupBox(TFormMathController::kGroupCaption, this);
  groupBox1_->setObjectName("GroupBox1");
  groupBox1_->hide();
  auto* grid = new QGridLayout(groupBox1_);

  popupMenu1_ = new QMenu(this);
  popupMenu1_->setObjectName("PopupMenu1");
  deleteBl_ = new QAction(TFormMathController::kDeleteItem, this);
  deleteBl_->setObjectName("DeleteBl");
  deleteBl_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
  deleteBl_->setShortcutContext(Qt::WindowShortcut);
  popupMenu1_->addAction(deleteBl_);
  addAction(deleteBl_);  // the key works while the menu is closed
  connect(deleteBl_, &QAction::triggered, this, [this] {
    form_.DeleteBlClick();
    Show();
  });

  for (int i = 0; i < TFormMathController::kButtons; ++i) {
    auto* button = new QPushButton(groupBox1_);
    button->setObjectName(QString("Button%1").arg(i + 1));
    button->setMinimumWidth(70);
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(button, &QPushButton::clicked, this, [this, i] {
      form_.Button1Click(i);
      Show();
    });
    connect(button, &QPushButton::customContextMenuRequested, this, [this, i, button](const QPoint& at) {
      form_.Button1MouseDown(i, true);
      popupMenu1_->popup(button->mapToGlobal(at));
    });
    grid->addWidget(button, i / 4, i % 4);
    buttons_[static_cast<std::size_t>(i)] = button;
  }
  column->addWidget(groupBox1_);
  auto* row = new QHBoxLayout;
  auto* ok = DialogButton("OK", "OK", this);
  row->addStretch();
  row->addWidget(ok);
  column->addLayout(row);
  connect(ok, &QPushButton::clicked, this, [this] { done(form_.OKClick()); });
}

void TFormMath::Show() {
  for (int i = 0; i < TFormMathController::kButtons; ++i) {
    QPushButton* button = buttons_[static_cast<std::size_t>(i)];
    button->setText(Q(form_.captions[static_cast<std::size_t>(i)]));
    button->setToolTip(Q(form_.hints[static_cast<std::size_t>(i)]));
  }
  groupBox1_->setVisible(form_.groupBox1Visible);
}

int TFormMath::ExecForm() {
  Show();
  exec();
  return kModalOk;
}

void TFormMath::reject() { done(form_.OKClick()); }

}  // namespace lur
