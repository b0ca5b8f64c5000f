#include "shell/views/TFormScan.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "shell/views/TScanUserInterface.h"

namespace lur {

TFormScan::TFormScan(TComPortClass& link, TUserInterface& boxes, QWidget* parent)
    : QWidget(parent, Qt::Window),
      list_(new QTreeWidget(this)),
      progress_(new QProgressBar(this)),
      status_(new QLabel(this)),
      butScan_(new QPushButton("Искать", this)),
      butCancel_(new QPushButton("Отмена", this)),
      butChoose_(new QPushButton("Выбрать", this)),
      ui_(std::make_unique<TScanUserInterface>(boxes, progress_, butCancel_)),
      form_(link, *ui_) {
  setObjectName("TFormScan");
  setWindowTitle("Поиск приборов");
  list_->setObjectName("ListScan");
  progress_->setObjectName("ProgressScan");
  status_->setObjectName("StScan");
  butScan_->setObjectName("ButScan");
  butCancel_->setObjectName("ButCancel");
  butChoose_->setObjectName("ButChoose");

  QStringList headers;
  for (const char* column : kScanColumns) headers << QString::fromUtf8(column);
  list_->setHeaderLabels(headers);
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  status_->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(progress_);
  layout->addWidget(list_, 1);
  layout->addWidget(status_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(butScan_);
  buttons->addWidget(butCancel_);
  buttons->addStretch(1);
  buttons->addWidget(butChoose_);
  layout->addLayout(buttons);
  resize(560, 360);

  connect(butScan_, &QPushButton::clicked, this, [this] { ButScanClick(); });
  connect(butChoose_, &QPushButton::clicked, this, [this] { ButChooseClick(); });
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { ButChooseClick(); });
  connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] { Draw(); });
  Draw();
}

TFormScan::~TFormScan() = default;

void TFormScan::Open() {
  show();
  raise();
  activateWindow();
  ButScanClick();
}

void TFormScan::ButScanClick() {
  if (form_.Scanning()) return;
  list_->clear();
  status_->clear();
  butScan_->setEnabled(false);
  butChoose_->setEnabled(false);
  butCancel_->setEnabled(true);
  form_.ScanClick();
  for (int row = 0; row < form_.Rows(); ++row) {
    QStringList cells;
    for (const std::string& text : form_.RowTexts(row)) cells << QString::fromStdString(text);
    list_->addTopLevelItem(new QTreeWidgetItem(cells));
  }
  if (form_.Rows() > 0) list_->setCurrentItem(list_->topLevelItem(0));
  status_->setText(QString::fromStdString(form_.Status()));
  Draw();
}

void TFormScan::ButChooseClick() {
  QTreeWidgetItem* item = list_->currentItem();
  if (const auto number = form_.ChooseClick(item ? list_->indexOfTopLevelItem(item) : -1)) emit DeviceChosen(*number);
}

void TFormScan::Draw() {
  const bool scanning = form_.Scanning();
  butScan_->setEnabled(!scanning);
  butCancel_->setEnabled(scanning);
  butChoose_->setEnabled(!scanning && list_->currentItem() != nullptr);
}

}  // namespace lur
