#include "live/views/TInformMR.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "live/TInformMRController.h"
#include "session/TModalWindow.h"

namespace lur {
namespace {

using Form = TInformMRController;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QPushButton* Button(const char* name, const char* caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  return b;
}

QAction* Item(const char* name, const char* caption, QObject* parent) {
  auto* a = new QAction(caption, parent);
  a->setObjectName(name);
  return a;
}

}  // namespace

TInformMR::TInformMR(TInformMRController& form, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName("TInformMR");
  setWindowTitle(Form::kCaption);
  auto* top = new QVBoxLayout(this);
  label1_ = new QLabel(Form::kLabel1, this);
  label1_->setObjectName("Label1");
  top->addWidget(label1_);

  grid_ = new QTableWidget(kOutputGridRows, kOutputColumns, this);
  grid_->setObjectName("StringGrid1");
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
  grid_->verticalHeader()->setMinimumSectionSize(1);
  grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid_->horizontalHeader()->setMinimumSectionSize(1);
  int width = 0;
  for (int c = 0; c < kOutputColumns; ++c) {
    grid_->setColumnWidth(c, kColumnWidths[c]);
    width += kColumnWidths[c];
  }
  for (int r = 0; r < kOutputGridRows; ++r) {
    grid_->setRowHeight(r, kRowHeight);
    for (int c = 0; c < kOutputColumns; ++c) {
      auto* item = new QTableWidgetItem;
      // The two header rows are fixed: they take no selection.
      if (r < kOutputHeaderRows) {
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(grid_->palette().button());
      } else {
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      }
      grid_->setItem(r, c, item);
    }
  }
  // The whole table in view, so the header rows never scroll away.
  grid_->setMinimumSize(width + 2 * grid_->frameWidth() + 2,
                        kOutputGridRows * kRowHeight + 2 * grid_->frameWidth() + 2);
  top->addWidget(grid_);

  auto* buttons = new QHBoxLayout;
  nameFromFile_ = Button("NameFromFile", Form::kNameFromFileText, this);
  bNew_ = Button("BNew", Form::kBNewText, this);
  buttons->addWidget(nameFromFile_);
  buttons->addWidget(bNew_);
  buttons->addStretch();
  top->addLayout(buttons);

  popup_ = new QMenu(this);
  popup_->setObjectName("PopupMenu3");
  copyTextGroup_ = Item("CopyTextGroup", Form::kCopyTextGroupText, popup_);
  insertTextGroup_ = Item("InsertTextGroup", Form::kInsertTextGroupText, popup_);
  popup_->addAction(copyTextGroup_);
  popup_->addAction(insertTextGroup_);
  grid_->setContextMenuPolicy(Qt::CustomContextMenu);
  grid_->viewport()->installEventFilter(this);

  connect(grid_, &QTableWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    insertTextGroup_->setEnabled(form_.InsertTextGroupEnabled());
    popup_->popup(grid_->viewport()->mapToGlobal(at));
  });
  connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int, int) {
    form_.StringGrid1DblClick(grid_->currentRow(), grid_->currentColumn());
    Draw();
  });
  connect(copyTextGroup_, &QAction::triggered, this,
          [this] { Run(&TInformMRController::CopyTextGroupClick); });
  connect(insertTextGroup_, &QAction::triggered, this,
          [this] { Run(&TInformMRController::InsertTextGroupClick); });
  connect(nameFromFile_, &QPushButton::clicked, this,
          [this] { Run(&TInformMRController::NameFromFileClick); });
  connect(bNew_, &QPushButton::clicked, this, [this] { Run(&TInformMRController::BNewClick); });
  Draw();
}

void TInformMR::Run(void (TInformMRController::*handler)()) {
  (form_.*handler)();
  Draw();
}

bool TInformMR::eventFilter(QObject* watched, QEvent* event) {
  // A right press only opens the menu: the current cell stays where it was.
  if (watched == grid_->viewport() &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TInformMR::Draw() {
  insertTextGroup_->setEnabled(form_.InsertTextGroupEnabled());
  if (form_.Revision() == shownRevision_) return;
  const TOutputGrid& cells = form_.Grid();
  for (int r = 0; r < kOutputGridRows; ++r) {
    for (int c = 0; c < kOutputColumns; ++c) {
      grid_->item(r, c)->setText(Q(cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
    }
  }
  shownRevision_ = form_.Revision();
}

int TInformMR::ExecForm() {
  Draw();
  exec();
  return kModalOk;
}

}  // namespace lur
