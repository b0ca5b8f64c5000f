#include "shell/views/TFormCompare.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace lur {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TFormCompare::TFormCompare(TUserInterface& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName("TFormCompare");
  setWindowTitle(TFormCompareController::kCompareTitle);
  resize(820, 480);
  auto* layout = new QVBoxLayout(this);
  grid_ = new QTableWidget(0, 5, this);
  grid_->setObjectName("GridCompare");
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->verticalHeader()->setVisible(false);
  grid_->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(grid_, 1);
  summary_ = new QLabel(this);
  summary_->setObjectName("LabelSummary");
  summary_->setWordWrap(true);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(summary_);

  auto* buttons = new QHBoxLayout;
  auto* copy = Button("ButCopy", "Копировать", this);
  auto* save = Button("ButSave", "Сохранить как текст", this);
  auto* close = Button("ButClose", "Закрыть", this);
  buttons->addWidget(copy);
  buttons->addWidget(save);
  buttons->addStretch(1);
  buttons->addWidget(close);
  layout->addLayout(buttons);

  connect(copy, &QPushButton::clicked, this, [this] {
    if (form_ != nullptr) QApplication::clipboard()->setText(Q(form_->Text()));
  });
  connect(save, &QPushButton::clicked, this, [this] {
    if (form_ != nullptr) form_->SaveClick(ui_);
  });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormCompare::Draw(TFormCompareController& form) {
  form_ = &form;
  setWindowTitle(Q(form.Title()));
  QStringList captions;
  for (const auto& c : form.Columns()) captions << Q(c);
  grid_->setHorizontalHeaderLabels(captions);
  const auto& differences = form.Result().differences;
  grid_->setRowCount(static_cast<int>(differences.size()));
  for (int row = 0; row < grid_->rowCount(); ++row) {
    const auto& d = differences[static_cast<std::size_t>(row)];
    const std::string cells[] = {d.table, d.record, d.field, d.ours, d.theirs};
    for (int column = 0; column < 5; ++column) {
      grid_->setItem(row, column, new QTableWidgetItem(Q(cells[column])));
    }
  }
  grid_->resizeColumnsToContents();
  summary_->setText(Q(form.Summary()));
}

int TFormCompare::ShowModal(TFormCompareController& form) {
  Draw(form);
  exec();
  return kModalOk;
}

}  // namespace lur
