#include "modules/views/TFormPROG.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "session/TModalWindow.h"
#include "ui/TQtFieldInput.h"

namespace lur {
namespace {

constexpr const char* kCopyText = "Копировать базу модуля";
constexpr const char* kChangeText = "Заменить базу модуля";
constexpr int kFlashMs = 300;

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QPushButton* Button(const char* name, const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

bool IsNumeric(TProgEdit e) { return e != TProgEdit::Poz; }

void PaintBase(QWidget* w, const QColor& color) {
  QPalette palette = w->palette();
  palette.setColor(QPalette::Base, color);
  palette.setColor(QPalette::Button, color);
  w->setPalette(palette);
}

}  // namespace

TFormPROG::TFormPROG(TFormPROGController& form, TUserInterface& ui, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName("TFormPROG");
  setWindowTitle(TFormPROGController::kCaption);
  auto* column = new QVBoxLayout(this);

  auto* head = new QHBoxLayout;
  head->addWidget(NamedLabel("LabMod", "Модуль", this));
  labNMod_ = NamedLabel("LabNMod", {}, this);
  labTMod_ = NamedLabel("LabTMod", {}, this);
  labN_ = NamedLabel("LabN", {}, this);
  head->addWidget(labNMod_);
  head->addWidget(labTMod_);
  head->addWidget(labN_);
  head->addStretch();
  column->addLayout(head);

  auto* grid = new QGridLayout;
  grid->addWidget(NamedLabel("LabPoz", "технолог. позиция", this), 0, 1);
  grid->addWidget(NamedLabel("LabNSK", "  min шкалы", this), 0, 4);
  grid->addWidget(NamedLabel("LabVSK", "  max шкалы", this), 0, 5);
  grid->addWidget(NamedLabel("LabUstLL", "уставка      LL", this), 0, 6);
  grid->addWidget(NamedLabel("LabUstL", "уставка       L", this), 0, 7);
  grid->addWidget(NamedLabel("LabUstH", "уставка       H", this), 0, 8);
  grid->addWidget(NamedLabel("LabUstHH", "уставка      HH", this), 0, 9);
  label10_ = NamedLabel("Label10", "входной сигнал", this);
  grid->addWidget(label10_, 0, 10);
  label12_ = NamedLabel("Label12", "    зона нечувст.,%.", this);
  label12_->hide();
  grid->addWidget(label12_, 0, 11);
  for (int c = 0; c < TFormPROGController::kChannels; ++c) BuildRow(c, grid, 1 + c, ui);
  column->addLayout(grid);

  auto* buttons = new QHBoxLayout;
  auto* ok = Button("OK", "OK", this);
  auto* cancel = Button("Cancel", "Отмена", this);
  auto* copy = Button("ButtonCopy", kCopyText, this);
  buttonChange_ = Button("ButtonChange", kChangeText, this);
  buttonChange_->setEnabled(false);
  butKalibr_ = Button("ButKalibr", "on line", this);
  auto* report = Button("BNew1", "Создание и печать файла .rtf", this);
  for (QPushButton* b : {ok, cancel, copy, buttonChange_, butKalibr_, report}) buttons->addWidget(b);
  column->addLayout(buttons);

  popup_ = new QMenu(this);
  popup_->setObjectName("PopupMenu1");
  QAction* popupCopy = popup_->addAction(kCopyText);
  popupCopy->setObjectName("CopyBase");
  popupChange_ = popup_->addAction(kChangeText);
  popupChange_->setObjectName("ChangeBase");
  popupChange_->setEnabled(false);

  const auto copyBase = [this] {
    form_.CopyBaseClick();
    ShowButtons();
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
  connect(butKalibr_, &QPushButton::clicked, this, [this] { form_.ButKalibrClick(); });
  connect(report, &QPushButton::clicked, this, [this] { form_.BNew1Click(); });
  form_.flash = [this](const std::string& name) { FlashField(name); };
}

void TFormPROG::BuildRow(int c, QGridLayout* grid, int line, TUserInterface& ui) {
  Row& r = rows_[static_cast<std::size_t>(c)];
  r.label = new QLabel(QString::number(c + 1), this);
  r.label->setObjectName(QString("Label%1").arg(c + 1));
  grid->addWidget(r.label, line, 0, Qt::AlignCenter);

  const auto makeEdit = [&](TProgEdit e, int col) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(Q(TFormPROGController::EditName(e, c)));
    TQtFieldInput::Bind(edit, e == TProgEdit::Poz ? TFieldKind::Text
                              : e == TProgEdit::ZonaIns ? TFieldKind::Integer
                                                        : TFieldKind::Real,
                        ui);
    if (e == TProgEdit::Poz) {
      edit->setMaxLength(TFormPROGController::kPozChars);
      edit->setToolTip("ввод текстового реквизита выхода");
      // Enter moves on to the next control.
      connect(edit, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    }
    edit->installEventFilter(this);  // after the key filter: runs first
    connect(edit, &QLineEdit::textEdited, this, [this, c, e, edit](const QString& text) {
      form_.EditChange(c, e, S(text));
      const QString shown = Q(form_.Channel(c).Text(e));
      if (shown != text) {
        const int cursor = edit->cursorPosition();
        edit->setText(shown);
        edit->setCursorPosition(cursor);
      }
    });
    if (col >= 0) grid->addWidget(edit, line, col);
    r.edits[static_cast<std::size_t>(e)] = edit;
  };
  const auto makeList = [&](TProgList l, int col) {
    auto* list = new QComboBox(this);
    list->setObjectName(Q(TFormPROGController::ListName(l, c)));
    list->installEventFilter(this);
    grid->addWidget(list, line, col);
    r.lists[static_cast<std::size_t>(l)] = list;
    // Only the user's own choice reaches the controller: activated is not
    // emitted when the rows are filled.
    connect(list, &QComboBox::activated, this, [this, c, l](int index) {
      switch (l) {
        case TProgList::Razm: form_.RazmChange(c, index); break;
        case TProgList::Sk: form_.SkChange(c, index); break;
        case TProgList::MinSk: form_.MinSkChange(c, index); break;
        case TProgList::MaxSk: form_.MaxSkChange(c, index); break;
        case TProgList::TInp: form_.TInpChange(c, index); break;
        case TProgList::Count: break;
      }
      ShowRow(c);
    });
  };
  makeEdit(TProgEdit::Poz, 1);
  makeList(TProgList::Sk, 2);
  makeList(TProgList::Razm, 3);
  makeEdit(TProgEdit::NSK, 4);
  makeList(TProgList::MinSk, 4);  // the typed limits and the range lists share their place
  makeEdit(TProgEdit::VSK, 5);
  makeList(TProgList::MaxSk, 5);
  makeEdit(TProgEdit::UstLL, 6);
  makeEdit(TProgEdit::UstL, 7);
  makeEdit(TProgEdit::UstH, 8);
  makeEdit(TProgEdit::UstHH, 9);
  makeList(TProgList::TInp, 10);
  makeEdit(TProgEdit::ZonaIns, 11);
  r.edits[static_cast<std::size_t>(TProgEdit::ZonaIns)]->hide();
}

bool TFormPROG::FindEdit(QObject* object, int* c, TProgEdit* e) const {
  for (int row = 0; row < TFormPROGController::kChannels; ++row) {
    const auto& edits = rows_[static_cast<std::size_t>(row)].edits;
    for (std::size_t k = 0; k < edits.size(); ++k) {
      if (edits[k] == object) {
        *c = row;
        *e = static_cast<TProgEdit>(k);
        return true;
      }
    }
  }
  return false;
}

bool TFormPROG::FindList(QObject* object, int* c, TProgList* l) const {
  for (int row = 0; row < TFormPROGController::kChannels; ++row) {
    const auto& lists = rows_[static_cast<std::size_t>(row)].lists;
    for (std::size_t k = 0; k < lists.size(); ++k) {
      if (lists[k] == object) {
        *c = row;
        *l = static_cast<TProgList>(k);
        return true;
      }
    }
  }
  return false;
}

bool TFormPROG::eventFilter(QObject* watched, QEvent* event) {
  int c = 0;
  TProgEdit e = TProgEdit::Poz;
  TProgList l = TProgList::Razm;
  if (FindEdit(watched, &c, &e)) {
    auto* edit = static_cast<QLineEdit*>(watched);
    switch (event->type()) {
      case QEvent::KeyPress: {
        // Seven characters may be typed; a filled text may be longer.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool types = !text.isEmpty() && text[0].isPrint() && !(key->modifiers() & Qt::ControlModifier);
        if (IsNumeric(e) && types &&
            edit->text().size() - edit->selectedText().size() >= TFormPROGController::kEditChars) {
          return true;
        }
        break;
      }
      case QEvent::MouseButtonPress:
        if (IsNumeric(e)) {
          // The text is selected and the pop-up menu kept away until the
          // field is left.
          edit->setContextMenuPolicy(Qt::PreventContextMenu);
          QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
        }
        break;
      case QEvent::FocusOut:
        edit->setContextMenuPolicy(Qt::DefaultContextMenu);
        if (!closing_ && !showing_) {
          form_.EditExit(c, e);
          ShowRow(c);
        }
        break;
      default: break;
    }
  } else if (event->type() == QEvent::FocusOut && !closing_ && !showing_ && FindList(watched, &c, &l)) {
    form_.ListExit(c, l);
  }
  return QDialog::eventFilter(watched, event);
}

void TFormPROG::FlashField(const std::string& name) {
  auto* w = findChild<QWidget*>(Q(name));
  if (!w) return;
  QApplication::beep();
  const QPalette normal = w->palette();
  PaintBase(w, Qt::red);
  QTimer::singleShot(kFlashMs, w, [w, normal] { w->setPalette(normal); });
}

void TFormPROG::ShowRow(int c) {
  const TProgChannel& channel = form_.Channel(c);
  Row& r = rows_[static_cast<std::size_t>(c)];
  r.label->setToolTip(Q(form_.LabelHint(c)));
  for (std::size_t k = 0; k < r.edits.size(); ++k) {
    const QString text = Q(channel.text[k]);
    if (r.edits[k]->text() != text) r.edits[k]->setText(text);
  }
  for (std::size_t k = 0; k < r.lists.size(); ++k) {
    QComboBox* list = r.lists[k];
    const TProgListState& state = channel.lists[k];
    const QSignalBlocker block(list);
    QStringList items;
    for (const std::string& item : state.items) items << Q(item);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
    if (shown != items) {
      list->clear();
      list->addItems(items);
    }
    list->setCurrentIndex(state.index);  // -1: an empty list text
  }
  const auto edit = [&r](TProgEdit e) { return r.edits[static_cast<std::size_t>(e)]; };
  const auto list = [&r](TProgList l) { return r.lists[static_cast<std::size_t>(l)]; };
  edit(TProgEdit::NSK)->setVisible(!channel.rangeLists);
  edit(TProgEdit::VSK)->setVisible(!channel.rangeLists);
  list(TProgList::MinSk)->setVisible(channel.rangeLists);
  list(TProgList::MaxSk)->setVisible(channel.rangeLists);
  list(TProgList::TInp)->setVisible(form_.InputTypeShown());
}

void TFormPROG::ShowButtons() {
  buttonChange_->setEnabled(form_.ChangeEnabled());
  popupChange_->setEnabled(form_.ChangeEnabled());
  butKalibr_->setEnabled(form_.KalibrEnabled());
}

void TFormPROG::Show() {
  showing_ = true;
  labNMod_->setText(Q(form_.LabNMod()));
  labTMod_->setText(Q(form_.LabTMod()));
  labN_->setText(Q(form_.LabN()));
  label10_->setVisible(form_.InputTypeShown());
  label12_->hide();
  for (int c = 0; c < TFormPROGController::kChannels; ++c) ShowRow(c);
  ShowButtons();
  showing_ = false;
}

int TFormPROG::ExecForm() {
  Show();
  rows_[0].edits[0]->setFocus();
  return exec();
}

bool TFormPROG::TryClose(bool cancelPressed) {
  // A field being edited is left (and taken) before the closing looks at it.
  int c = 0;
  TProgEdit e = TProgEdit::Poz;
  if (!cancelPressed && FindEdit(focusWidget(), &c, &e)) form_.EditExit(c, e);
  closing_ = true;
  const bool close = form_.FormCloseQuery(cancelPressed);
  closing_ = false;
  Show();
  if (close) done(form_.ModalResult());
  return close;
}

void TFormPROG::reject() { TryClose(false); }

void TFormPROG::closeEvent(QCloseEvent* event) {
  if (!isVisible() || TryClose(false)) {
    event->accept();
  } else {
    event->ignore();
  }
}

void TFormPROG::contextMenuEvent(QContextMenuEvent* event) { popup_->popup(event->globalPos()); }

}  // namespace lur
