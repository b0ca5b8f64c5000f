#include "fb/views/TFormInfAlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "fb/TFormInfAlgController.h"

namespace lur {
namespace {

using Form = TFormInfAlgController;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QTableWidget* Grid(const char* name, int columns, QWidget* parent) {
  auto* grid = new QTableWidget(Form::kRows, columns, parent);
  grid->setObjectName(name);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setSelectionBehavior(QAbstractItemView::SelectItems);
  grid->verticalHeader()->setDefaultSectionSize(20);
  return grid;
}

// The first two rows are the grid's fixed header rows: never edited.
void SetCell(QTableWidget* grid, int row, int column, const std::string& text, bool editable) {
  QTableWidgetItem* item = grid->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    grid->setItem(row, column, item);
  }
  item->setText(Q(text));
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (editable) flags |= Qt::ItemIsEditable;
  item->setFlags(flags);
  if (row < Form::kHeaderRows) {
    item->setBackground(grid->palette().button());
    item->setFlags(Qt::ItemIsEnabled);
  }
}

QPushButton* Button(const char* name, const char* caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  return b;
}

}  // namespace

TFormInfAlg::TFormInfAlg(TFormInfAlgController& form, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName("TFormInfAlg");
  setWindowTitle(Form::kCaption);
  resize(1000, 650);
  auto* top = new QVBoxLayout(this);
  label1_ = new QLabel(Form::kLabel1, this);
  label1_->setObjectName("Label1");
  top->addWidget(label1_);
  grid1_ = Grid("StringGrid1", Form::kGrid1Columns, this);
  grid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  const int widths1[Form::kGrid1Columns] = {40, 60, 170, 110, 110, 110, 110};
  for (int c = 0; c < Form::kGrid1Columns; ++c) grid1_->setColumnWidth(c, widths1[c]);
  top->addWidget(grid1_, 3);
  grid2_ = Grid("StringGrid2", Form::kGrid2Columns, this);
  grid2_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
  grid2_->setColumnWidth(0, 40);
  grid2_->setColumnWidth(1, 360);
  grid2_->setColumnWidth(2, 500);
  top->addWidget(grid2_, 2);

  auto* buttons = new QHBoxLayout;
  editingNFB_ = new QCheckBox(Form::kEditingNFB, this);
  editingNFB_->setObjectName("EditingNFB");
  buttons->addWidget(editingNFB_);
  auto* fromFile = Button("NameFromFile", Form::kNameFromFile, this);
  buttons->addWidget(fromFile);
  auto* report = Button("ButRtf", Form::kButRtf, this);
  buttons->addWidget(report);
  buttons->addStretch();
  auto* ok = Button("OK", Form::kOK, this);
  buttons->addWidget(ok);
  top->addLayout(buttons);

  for (int r = 0; r < Form::kRows; ++r) {
    for (int c = 0; c < Form::kGrid1Columns; ++c) SetCell(grid1_, r, c, "", false);
    for (int c = 0; c < Form::kGrid2Columns; ++c) SetCell(grid2_, r, c, "", true);
  }

  connect(grid2_, &QTableWidget::cellChanged, this, &TFormInfAlg::Grid2Edited);
  connect(grid2_, &QTableWidget::currentCellChanged, this, &TFormInfAlg::Grid2Chosen);
  connect(editingNFB_, &QCheckBox::toggled, this, [this](bool on) {
    form_.SetEditingNFB(on);
    SetMemberColumnEditable();
  });
  connect(fromFile, &QPushButton::clicked, this, [this] {
    form_.NameFromFileClick();
    Show();
  });
  connect(report, &QPushButton::clicked, this, [this] { form_.ButRtfClick(); });
  connect(ok, &QPushButton::clicked, this, [this] { done(form_.ModalResult()); });
}

void TFormInfAlg::Show() {
  filling_ = true;
  if (form_.Revision() != shownRevision_) {
    for (int r = 0; r < Form::kRows; ++r) {
      for (int c = 0; c < Form::kGrid1Columns; ++c) grid1_->item(r, c)->setText(Q(form_.Grid1Cell(c, r)));
      for (int c = 0; c < Form::kGrid2Columns; ++c) grid2_->item(r, c)->setText(Q(form_.Grid2Cell(c, r)));
    }
    shownRevision_ = form_.Revision();
  }
  editingNFB_->setChecked(form_.EditingNFB());
  editingNFB_->setEnabled(form_.EditingNFBEnabled());
  SetMemberColumnEditable();
  filling_ = false;
}

void TFormInfAlg::SetMemberColumnEditable() {
  const bool was = filling_;
  filling_ = true;
  for (int r = Form::kHeaderRows; r < Form::kRows; ++r) {
    QTableWidgetItem* item = grid2_->item(r, Form::kMembersColumn);
    Qt::ItemFlags flags = Qt::ItemIsEnabled;
    if (form_.EditingNFB()) flags |= Qt::ItemIsSelectable | Qt::ItemIsEditable;
    item->setFlags(flags);
  }
  filling_ = was;
}

void TFormInfAlg::Grid2Edited(int row, int column) {
  if (filling_) return;
  form_.SetGrid2Cell(column, row, grid2_->item(row, column)->text().toStdString());
}

void TFormInfAlg::Grid2Chosen(int row, int column, int previousRow, int previousColumn) {
  if (filling_ || row < 0 || column < 0) return;
  if (!form_.StringGrid2SelectCell(column, row)) {
    filling_ = true;
    grid2_->setCurrentCell(previousRow, previousColumn);
    filling_ = false;
  }
}

int TFormInfAlg::ExecForm() {
  shownRevision_ = -1;
  Show();
  // The first list row is current before the grid takes the focus, which
  // would otherwise choose a cell itself: opening the window selects nothing
  // on the user's behalf (in file mode a selection marks the file changed).
  filling_ = true;
  grid2_->setCurrentCell(Form::kHeaderRows, 0);
  grid2_->setFocus();
  filling_ = false;
  return exec();
}

void TFormInfAlg::done(int result) {
  (void)result;
  // A cell still being typed in counts as typed: leaving it commits it.
  grid2_->setCurrentIndex(QModelIndex());
  if (!form_.FormCloseQuery()) return;
  QDialog::done(form_.ModalResult());
}

void TFormInfAlg::reject() { done(form_.ModalResult()); }

}  // namespace lur
