#include "discrete/views/TFormMR.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "discrete/TFormMRController.h"
#include "discrete/views/DialogParts.h"
#include "session/TModalWindow.h"
#include "ui/TQtFieldErrors.h"

namespace lur {
namespace {

constexpr int kFieldChars = 2;
constexpr const char* kChangeText = "Заменить базу модуля";
constexpr const char* kCopyText = "Копировать базу модуля";

QString Name(TMRRowControl control, int o) { return Q(TFormMRController::ControlName(control, o)); }

QComboBox* List(TMRRowControl control, int o, const std::array<const char*, 2>& items, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(Name(control, o));
  for (const char* item : items) list->addItem(QString::fromUtf8(item));
  return list;
}

QCheckBox* Box(TMRRowControl control, int o, QWidget* parent) {
  auto* box = new QCheckBox(parent);
  box->setObjectName(Name(control, o));
  return box;
}

void PaintWhite(QLineEdit* edit) {
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, Qt::white);
  edit->setPalette(palette);
}

}  // namespace

TFormMR::TFormMR(TFormMRController& form, TUserInterface& ui, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName("TFormMR");
  setWindowTitle(QString::fromUtf8(TFormMRController::kCaption));
  auto* column = new QVBoxLayout(this);

  auto* head = new QHBoxLayout;
  head->addWidget(NamedLabel("LabFB", "Модуль ", this));
  labNMod_ = NamedLabel("LabNMod", "", this);
  head->addWidget(labNMod_);
  labTMod_ = NamedLabel("LabTMod", "", this);
  head->addWidget(labTMod_);
  head->addWidget(NamedLabel("Label19", "модуль дискретного вывода", this));
  head->addStretch();
  column->addLayout(head);

  auto* grid = new QGridLayout;
  grid->addWidget(NamedLabel("Label1", "   №     вых.", this), 0, 0, 2, 1);
  grid->addWidget(NamedLabel("Label2", "Тип выхода", this), 0, 1, 2, 1);
  grid->addWidget(NamedLabel("Label3", "Упр. -  с блок./без блок.      Сигн. -  свет/звук", this), 0, 2, 2, 1);
  grid->addWidget(NamedLabel("Label4", "Квитирование", this), 0, 3, 1, 3, Qt::AlignCenter);
  grid->addWidget(NamedLabel("Label5", "с центральной панели КОРД", this), 1, 3);
  grid->addWidget(NamedLabel("Label6", "с верхнего     уровня", this), 1, 4);
  grid->addWidget(NamedLabel("Label7", "номер входа       внешнего квитирования", this), 1, 5);
  grid->addWidget(NamedLabel("Label8", "Сброс", this), 0, 6, 1, 3, Qt::AlignCenter);
  grid->addWidget(NamedLabel("Label9", "с центральной панели КОРД", this), 1, 6);
  grid->addWidget(NamedLabel("Label10", "с верхнего     уровня", this), 1, 7);
  grid->addWidget(NamedLabel("Label11", "номер входа     внешнего       сброса", this), 1, 8);
  for (int o = 0; o < TFormMRController::kRows; ++o) BuildRow(o, grid, 2 + o, ui);
  column->addLayout(grid);

  auto* buttons = new QHBoxLayout;
  auto* ok = DialogButton("OK", "OK", this);
  auto* cancel = DialogButton("Cancel", "Отмена", this);
  auto* copy = DialogButton("ButtonCopy", kCopyText, this);
  buttonChange_ = DialogButton("ButtonChange", kChangeText, this);
  buttonChange_->setEnabled(false);
  auto* onLine = DialogButton("ButOnLine", "on line", this);
  auto* save = DialogButton("Save", "Save", this);
  save->hide();  // the write runs from the close
  for (QPushButton* b : {ok, cancel, copy, buttonChange_, onLine, save}) buttons->addWidget(b);
  column->addLayout(buttons);
  ErrorMarker(this);  // the hidden "ошибка" beside a refused field

  popup_ = new QMenu(this);
  popup_->setObjectName("PopupMenu1");
  QAction* popupCopy = popup_->addAction(QString::fromUtf8(kCopyText));
  popupCopy->setObjectName("CopyBase");
  popupChange_ = popup_->addAction(QString::fromUtf8(kChangeText));
  popupChange_->setObjectName("ChangeBase");
  popupChange_->setEnabled(false);

  const auto copyBase = [this] {
    form_.CopyBaseClick();
    Show();
  };
  const auto changeBase = [this] {
    form_.ChangeBaseClick();
    Show();
  };
  connect(copy, &QPushButton::clicked, this, copyBase);
  connect(popupCopy, &QAction::triggered, this, copyBase);
  connect(buttonChange_, &QPushButton::clicked, this, changeBase);
  connect(popupChange_, &QAction::triggered, this, changeBase);
  connect(ok, &QPushButton::clicked, this, [this] { TryClose(false); });
  connect(cancel, &QPushButton::clicked, this, [this] { TryClose(true); });
  connect(save, &QPushButton::clicked, this, [this] { form_.SaveClick(); });
  connect(onLine, &QPushButton::clicked, this, [this] { form_.ButOnLineClick(); });
}

void TFormMR::BuildRow(int o, QGridLayout* grid, int line, TUserInterface& ui) {
  using C = TMRRowControl;
  RowWidgets& r = rows_[static_cast<std::size_t>(o)];
  grid->addWidget(new QLabel(QString::number(o + 1), this), line, 0, Qt::AlignCenter);
  r.tipVyh = List(C::TipVyh, o, TFormMRController::kTipVyhItems, this);
  r.kvit = List(C::Kvit, o, TFormMRController::kKvitItems, this);
  r.block = List(C::Block, o, TFormMRController::kBlockItems, this);
  r.kvitMind = Box(C::KvitMind, o, this);
  r.kvitTopLevel = Box(C::KvitTopLevel, o, this);
  r.vxKvit = BoundEdit(TFormMRController::ControlName(C::EditVxKvit, o).c_str(), TFieldKind::Integer, kFieldChars,
                       ui, this);
  r.sbrMind = Box(C::SbrMind, o, this);
  r.sbrTopLevel = Box(C::SbrTopLevel, o, this);
  r.vhSbr = BoundEdit(TFormMRController::ControlName(C::EditVhSbr, o).c_str(), TFieldKind::Integer, kFieldChars,
                      ui, this);
  grid->addWidget(r.tipVyh, line, 1);
  grid->addWidget(r.kvit, line, 2);
  grid->addWidget(r.block, line, 2);  // the two lists share their place
  grid->addWidget(r.kvitMind, line, 3, Qt::AlignCenter);
  grid->addWidget(r.kvitTopLevel, line, 4, Qt::AlignCenter);
  grid->addWidget(r.vxKvit, line, 5);
  grid->addWidget(r.sbrMind, line, 6, Qt::AlignCenter);
  grid->addWidget(r.sbrTopLevel, line, 7, Qt::AlignCenter);
  grid->addWidget(r.vhSbr, line, 8);

  // Only the user's own acts reach the controller: activated and clicked are
  // not emitted when the rows are filled.
  connect(r.tipVyh, &QComboBox::activated, this, [this, o](int i) {
    form_.TipVyhClick(o, i);
    ShowRow(o);
  });
  connect(r.kvit, &QComboBox::activated, this, [this, o](int i) {
    form_.KvitClick(o, i);
    ShowRow(o);
  });
  connect(r.block, &QComboBox::activated, this, [this, o](int i) {
    form_.BlockClick(o, i);
    ShowRow(o);
  });
  connect(r.kvitMind, &QCheckBox::clicked, this, [this, o](bool ticked) {
    form_.KvitMindClick(o, ticked);
    ShowRow(o);
  });
  connect(r.kvitTopLevel, &QCheckBox::clicked, this, [this, o](bool ticked) {
    form_.KvitTopLevelClick(o, ticked);
    ShowRow(o);
  });
  connect(r.sbrMind, &QCheckBox::clicked, this, [this, o](bool ticked) {
    form_.SbrMindClick(o, ticked);
    ShowRow(o);
  });
  connect(r.sbrTopLevel, &QCheckBox::clicked, this, [this, o](bool ticked) {
    form_.SbrTopLevelClick(o, ticked);
    ShowRow(o);
  });
  for (QLineEdit* edit : {r.vxKvit, r.vhSbr}) {
    const TMRInputField field = edit == r.vxKvit ? TMRInputField::VxKvit : TMRInputField::VhSbr;
    connect(edit, &QLineEdit::textEdited, this, [this, o, field, edit](const QString& text) {
      PaintWhite(edit);
      form_.EditVxKvitChange(o, field, S(text));
    });
    // The form's pop-up menu is not offered over an input number field.
    edit->setContextMenuPolicy(Qt::PreventContextMenu);
    edit->installEventFilter(this);
  }
}

bool TFormMR::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && !closing_) {
    bool isVxKvit = false;
    const int o = RowOfEdit(watched, &isVxKvit);
    if (o >= 0) {
      form_.EditVxKvitExit(o, isVxKvit ? TMRInputField::VxKvit : TMRInputField::VhSbr);
      ShowRow(o);
    }
  }
  return QDialog::eventFilter(watched, event);
}

int TFormMR::RowOfEdit(QObject* edit, bool* isVxKvit) const {
  for (int o = 0; o < TFormMRController::kRows; ++o) {
    const RowWidgets& r = rows_[static_cast<std::size_t>(o)];
    if (edit == r.vxKvit || edit == r.vhSbr) {
      *isVxKvit = edit == r.vxKvit;
      return o;
    }
  }
  return -1;
}

void TFormMR::ShowRow(int o) {
  using C = TMRRowControl;
  const TMRRow& row = form_.Row(o);
  RowWidgets& r = rows_[static_cast<std::size_t>(o)];
  r.tipVyh->setCurrentIndex(row.tipVyh);
  r.kvit->setVisible(row.kvitShown);
  r.block->setVisible(!row.kvitShown);
  (row.kvitShown ? r.kvit : r.block)->setCurrentIndex(row.kvitBlock);
  const auto set = [&row](QWidget* w, C control) { w->setEnabled(row.enabled.IsEnabled(control)); };
  set(r.kvitMind, C::KvitMind);
  set(r.kvitTopLevel, C::KvitTopLevel);
  set(r.vxKvit, C::EditVxKvit);
  set(r.sbrMind, C::SbrMind);
  set(r.sbrTopLevel, C::SbrTopLevel);
  set(r.vhSbr, C::EditVhSbr);
  r.kvitMind->setChecked(row.kvitMind);
  r.kvitTopLevel->setChecked(row.kvitTopLevel);
  r.sbrMind->setChecked(row.sbrMind);
  r.sbrTopLevel->setChecked(row.sbrTopLevel);
  if (r.vxKvit->text() != Q(row.vxKvit)) r.vxKvit->setText(Q(row.vxKvit));
  if (r.vhSbr->text() != Q(row.vhSbr)) r.vhSbr->setText(Q(row.vhSbr));
}

void TFormMR::Show() {
  labNMod_->setText(Q(form_.LabNMod()));
  labTMod_->setText(Q(form_.LabTMod()));
  for (int o = 0; o < TFormMRController::kRows; ++o) ShowRow(o);
  buttonChange_->setEnabled(form_.ChangeEnabled());
  popupChange_->setEnabled(form_.ChangeEnabled());
}

int TFormMR::ExecForm() {
  Show();
  for (RowWidgets& r : rows_) {
    PaintWhite(r.vxKvit);
    PaintWhite(r.vhSbr);
  }
  ErrorMarker(this)->hide();
  rows_[0].tipVyh->setFocus();
  return exec();
}

bool TFormMR::TryClose(bool cancelPressed) {
  // The focus goes to the first control first, so a field being edited is
  // left (and taken) before the close looks at it.
  closing_ = true;
  bool isVxKvit = false;
  const int edited = RowOfEdit(focusWidget(), &isVxKvit);
  if (edited >= 0) form_.EditVxKvitExit(edited, isVxKvit ? TMRInputField::VxKvit : TMRInputField::VhSbr);
  rows_[0].tipVyh->setFocus();
  const bool close = form_.FormCloseQuery(cancelPressed);
  closing_ = false;
  Show();
  if (close) done(form_.ModalResult());
  return close;
}

void TFormMR::reject() { TryClose(false); }

void TFormMR::closeEvent(QCloseEvent* event) {
  if (!isVisible() || TryClose(false)) {
    event->accept();
  } else {
    event->ignore();
  }
}

void TFormMR::contextMenuEvent(QContextMenuEvent* event) { popup_->popup(event->globalPos()); }

}  // namespace lur
