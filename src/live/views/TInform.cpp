#include "live/views/TInform.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "live/TInformController.h"
#include "session/TModalWindow.h"

namespace lur {
namespace {

using Form = TInformController;

QString Q(const std::string& text) { return QString::fromStdString(text); }

// A read-only list: row 0 of the controller's grid is the header.
template <std::size_t N>
QTableWidget* Grid(const char* name, int rows, const int (&widths)[N], const char* const (&header)[N],
                   QWidget* parent) {
  auto* grid = new QTableWidget(rows - 1, static_cast<int>(N), parent);
  grid->setObjectName(name);
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setMinimumSectionSize(1);
  grid->verticalHeader()->setDefaultSectionSize(TInform::kRowHeight);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->horizontalHeader()->setMinimumSectionSize(1);
  grid->horizontalHeader()->setFixedHeight(TInform::kRowHeight);
  grid->horizontalHeader()->setHighlightSections(false);
  grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setSelectionBehavior(QAbstractItemView::SelectItems);
  grid->setWordWrap(false);
  QStringList labels;
  for (std::size_t c = 0; c < N; ++c) {
    grid->setColumnWidth(static_cast<int>(c), widths[c]);
    labels << QString::fromUtf8(header[c]);
  }
  grid->setHorizontalHeaderLabels(labels);
  for (int r = 0; r < rows - 1; ++r) {
    for (std::size_t c = 0; c < N; ++c) {
      auto* item = new QTableWidgetItem;
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      grid->setItem(r, static_cast<int>(c), item);
    }
  }
  int width = 2 * grid->frameWidth() + grid->verticalScrollBar()->sizeHint().width();
  for (std::size_t c = 0; c < N; ++c) width += widths[c];
  grid->setMinimumWidth(width);
  return grid;
}

QLabel* Label(const char* name, const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(name);
  return label;
}

QPushButton* Button(const char* name, const char* text, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

TInform::TInform(TInformController& form, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName("TInform");
  setWindowTitle(QString::fromUtf8(Form::kCaption));
  auto* top = new QHBoxLayout(this);

  auto* discrete = new QVBoxLayout;
  discrete->addWidget(Label("Label1", Form::kLabel1, this));
  grid1_ = Grid("StringGrid1", TInputGrids::kRows1, kWidths1, TInputGrids::kHeader1, this);
  discrete->addWidget(grid1_, 1);
  auto* bNew1 = Button("BNew1", Form::kBNew, this);
  discrete->addWidget(bNew1);
  top->addLayout(discrete);

  auto* analog = new QVBoxLayout;
  analog->addWidget(Label("Label2", Form::kLabel2, this));
  grid2_ = Grid("StringGrid2", TInputGrids::kRows2, kWidths2, TInputGrids::kHeader2, this);
  analog->addWidget(grid2_, 1);
  auto* bNew2 = Button("BNew2", Form::kBNew, this);
  analog->addWidget(bNew2);
  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName("ProgressBar1");
  progressBar_->hide();
  analog->addWidget(progressBar_);
  top->addLayout(analog);
  resize(sizeHint().width(), 640);

  popupMenu_ = new QMenu(this);
  popupMenu_->setObjectName("PopupMenu3");
  copyTextGroup_ = popupMenu_->addAction(QString::fromUtf8(Form::kCopyTextGroup));
  copyTextGroup_->setObjectName("CopyTextGroup");
  insertTextGroup_ = popupMenu_->addAction(QString::fromUtf8(Form::kInsertTextGroup));
  insertTextGroup_->setObjectName("InsertTextGroup");
  insertTextGroup_->setEnabled(false);

  // The right press never reaches the grid: Qt would move the current cell.
  grid1_->viewport()->installEventFilter(this);
  connect(grid1_, &QTableWidget::cellDoubleClicked, this,
          [this](int row, int column) { Run([&] { form_.StringGrid1DblClick(row + 1, column); }); });
  connect(copyTextGroup_, &QAction::triggered, this, [this] { Run([this] { form_.CopyTextGroupClick(); }); });
  connect(insertTextGroup_, &QAction::triggered, this, [this] { Run([this] { form_.InsertTextGroupClick(); }); });
  connect(bNew1, &QPushButton::clicked, this, [this] { form_.BNew1Click(); });
  connect(bNew2, &QPushButton::clicked, this, [this] { form_.BNew2Click(); });
}

bool TInform::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid1_->viewport() && event->type() == QEvent::MouseButtonPress) {
    auto* press = static_cast<QMouseEvent*>(event);
    if (press->button() == Qt::RightButton) {
      form_.StringGrid1MouseDown(true, grid1_->currentColumn());
      popupMenu_->popup(press->globalPosition().toPoint());
      return true;
    }
    form_.StringGrid1MouseDown(false, grid1_->currentColumn());
  }
  return QDialog::eventFilter(watched, event);
}

void TInform::Show() {
  insertTextGroup_->setEnabled(form_.InsertTextGroupEnabled());
  if (form_.Revision() == shownRevision_) return;
  const TInputGrids& grids = form_.Grids();
  for (int r = 1; r < TInputGrids::kRows1; ++r) {
    for (int c = 0; c < TInputGrids::kColumns1; ++c) grid1_->item(r - 1, c)->setText(Q(grids.grid1[r][c]));
  }
  for (int r = 1; r < TInputGrids::kRows2; ++r) {
    for (int c = 0; c < TInputGrids::kColumns2; ++c) grid2_->item(r - 1, c)->setText(Q(grids.grid2[r][c]));
  }
  shownRevision_ = form_.Revision();
}

int TInform::ExecForm() {
  Show();
  form_.FormShow();
  if (auto* w = findChild<QWidget*>(QString::fromStdString(form_.focused))) w->setFocus();
  exec();
  return kModalOk;  // closed normally, however it closed
}

}  // namespace lur
