#include "shell/views/TFormJurnal.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>
#include <string>

#include "session/TTrafficLog.h"

namespace lur {

TFormJurnal::TFormJurnal(TTrafficLog& log, TUserInterface& ui, QWidget* parent)
    : QWidget(parent, Qt::Window), log_(log), ui_(ui) {
  setObjectName("TFormJurnal");
  setWindowTitle("Журнал обмена");
  setWindowModality(Qt::NonModal);

  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("MemoJurnal");
  memo_->setReadOnly(true);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  memo_->setUndoRedoEnabled(false);

  butCopy_ = new QPushButton("Копировать", this);
  butCopy_->setObjectName("ButCopy");
  butSave_ = new QPushButton("Сохранить в файл", this);
  butSave_->setObjectName("ButSave");
  connect(butCopy_, &QPushButton::clicked, this, [this] { ButCopyClick(); });
  connect(butSave_, &QPushButton::clicked, this, [this] { ButSaveClick(); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(butCopy_);
  buttons->addWidget(butSave_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(memo_, 1);
  layout->addLayout(buttons);
  resize(720, 480);

  timer_ = new QTimer(this);
  timer_->setInterval(kJournalRefreshMs);
  connect(timer_, &QTimer::timeout, this, [this] { Refresh(); });
}

void TFormJurnal::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Refresh();
  timer_->start();
}

void TFormJurnal::hideEvent(QHideEvent* event) {
  timer_->stop();
  QWidget::hideEvent(event);
}

void TFormJurnal::Rebuild() {
  shownFirst_ = log_.FirstLine();
  shownEnd_ = log_.EndLine();
  std::string text = log_.Text();
  if (!text.empty()) text.pop_back();  // one block a line: no empty block after the last
  memo_->setPlainText(QString::fromStdString(text));
  memo_->verticalScrollBar()->setValue(memo_->verticalScrollBar()->maximum());
}

void TFormJurnal::Refresh() {
  const std::uint64_t first = log_.FirstLine();
  const std::uint64_t end = log_.EndLine();
  if (first == shownFirst_ && end == shownEnd_) return;
  // Nothing shown is still held (the journal went round, or was cleared):
  // show it afresh.
  if (first >= shownEnd_ || shownEnd_ == shownFirst_) {
    Rebuild();
    return;
  }
  QScrollBar* bar = memo_->verticalScrollBar();
  const bool atBottom = bar->value() == bar->maximum();
  // Lines the journal let go of leave the top.
  if (first > shownFirst_) {
    QTextCursor cursor(memo_->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, static_cast<int>(first - shownFirst_));
    cursor.removeSelectedText();
    shownFirst_ = first;
  }
  std::string added;
  for (std::uint64_t n = shownEnd_; n < end; ++n) {
    if (!added.empty()) added += '\n';
    added += log_.Line(n);
  }
  if (!added.empty()) memo_->appendPlainText(QString::fromStdString(added));
  shownEnd_ = end;
  if (atBottom) bar->setValue(bar->maximum());
}

void TFormJurnal::ButCopyClick() {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(QString::fromStdString(log_.Text()));
}

void TFormJurnal::ButSaveClick() { SaveTrafficLog(ui_, log_); }

}  // namespace lur
