#pragma once
// "Журнал обмена": the exchange journal beside the other windows (not
// modal). Shows the lines of a TTrafficLog, copies them to the clipboard and
// saves them to a file. It takes new lines lazily, a few times a second and
// only while it is shown, so an open journal costs a transfer next to nothing
// and a hidden one nothing at all.
#include <QWidget>
#include <cstdint>

class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace lur {

class TTrafficLog;
class TUserInterface;

class TFormJurnal : public QWidget {
  Q_OBJECT
 public:
  TFormJurnal(TTrafficLog& log, TUserInterface& ui, QWidget* parent = nullptr);

  // Takes the lines that came since the last time (and lets go of those the
  // journal no longer holds).
  void Refresh();
  QPlainTextEdit* Lines() const { return memo_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Rebuild();
  void ButCopyClick();
  void ButSaveClick();

  TTrafficLog& log_;
  TUserInterface& ui_;
  QPlainTextEdit* memo_;
  QPushButton* butCopy_;
  QPushButton* butSave_;
  QTimer* timer_;
  // The journal's line numbers shown: [shownFirst_, shownEnd_).
  std::uint64_t shownFirst_ = 0;
  std::uint64_t shownEnd_ = 0;
};

// How often an open journal takes new lines.
constexpr int kJournalRefreshMs = 250;

}  // namespace lur
