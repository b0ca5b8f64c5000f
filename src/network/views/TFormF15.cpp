#include "network/views/TFormF15.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "live/views/DetailFields.h"
#include "ui/TQtFieldErrors.h"
#include "ui/TQtFieldInput.h"
#include "ui/TQtUserInterface.h"
#include "ui/TQtWindowScope.h"

namespace lur {
namespace {

QLabel* Caption(const char* name, const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

TFormF15::TFormF15(TFormF15Controller& form, TUserInterface& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui) {
  using C = TFormF15Controller;
  setObjectName("TFormF15");
  setWindowTitle(QString::fromUtf8(C::kCaption));
  auto* outer = new QVBoxLayout(this);
  auto* head = new QGridLayout();
  outer->addLayout(head);
  head->addWidget(Caption("Label1", C::kHeading, this), 0, 0);
  labN_MBM_ = Caption("LabN_MBM", "", this);
  head->addWidget(labN_MBM_, 0, 1);

  int row = 1;
  auto add = [&](const char* captionName, const char* caption, QWidget* field) {
    head->addWidget(Caption(captionName, caption, this), row, 0);
    head->addWidget(field, row, 1);
    ++row;
  };
  editKodF_ = Edit("EditKodF", 2, TFieldKind::Integer, &form_.editKodF);
  add("Label2", C::kEditKodFCaption, editKodF_);
  cBoxUstr_ = new QComboBox(this);
  cBoxUstr_->setObjectName("CBoxUstr");
  for (const std::string& item : C::SlaveAddressItems()) cBoxUstr_->addItem(FromUtf8(item));
  connect(cBoxUstr_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (showing_) return;
    form_.cBoxUstr = index;
    form_.FieldChanged();
  });
  add("Label3", C::kCBoxUstrCaption, cBoxUstr_);
  editKolVh_ = Edit("EditKolVh", 2, TFieldKind::Integer, &form_.editKolVh);
  editKolVh_->setToolTip(QString::fromUtf8(C::kEditKolVhHint));
  add("Label4", C::kEditKolVhCaption, editKolVh_);
  editAdBegDat_ = Edit("EditAdBegDat", 4, TFieldKind::Hexadecimal, &form_.editAdBegDat);
  editAdBegDat_->setToolTip(QString::fromUtf8(C::kEditAdBegDatHint));
  add("Label5", C::kEditAdBegDatCaption, editAdBegDat_);
  editKolDat_ = Edit("EditKolDat", 2, TFieldKind::Integer, &form_.editKolDat);
  add("Label6", C::kEditKolDatCaption, editKolDat_);
  connect(editKolVh_, &QLineEdit::editingFinished, this, [this] {
    if (showing_ || closing_ || !isVisible()) return;
    form_.EditKolVhExit();
    Show();
  });
  connect(editKodF_, &QLineEdit::editingFinished, this, [this] {
    if (showing_ || closing_ || !isVisible()) return;
    form_.EditKodFExit();
    Show();
  });

  kvit_ = SpeedButton("Kvit", C::kKvitCaption);
  connect(kvit_, &QPushButton::clicked, this, [this] {
    form_.KvitClick();
    Show();
  });
  sbros_ = SpeedButton("Sbros", C::kSbrosCaption);
  connect(sbros_, &QPushButton::clicked, this, [this] {
    form_.SbrosClick();
    Show();
  });
  head->addWidget(kvit_, row, 0);
  head->addWidget(sbros_, row, 1);

  auto* group = new QGroupBox(QString::fromUtf8(C::kSignalsGroup), this);
  group->setObjectName("GroupBox1");
  auto* grid = new QGridLayout(group);
  for (int k = 0; k < C::kSignals; ++k) {
    const QString n = QString::number(k + 1);
    auto* edit = Edit(("Edit" + n).toUtf8().constData(), 3, TFieldKind::Integer,
                      &form_.edit[static_cast<std::size_t>(k)]);
    edit->setParent(group);
    edits_[static_cast<std::size_t>(k)] = edit;
    grid->addWidget(new QLabel(n, group), (k / 8) * 2, k % 8);
    grid->addWidget(edit, (k / 8) * 2 + 1, k % 8);
  }
  auto* legend = Caption("Legend", C::kLegend, group);
  legend->setWordWrap(true);
  grid->addWidget(legend, 8, 0, 1, 8);
  outer->addWidget(group);

  informBut_ = new QPushButton(QString::fromUtf8(C::kInformButCaption), this);
  informBut_->setObjectName("InformBut");
  informBut_->setAutoDefault(false);
  connect(informBut_, &QPushButton::clicked, this, [this] { form_.InformButClick(); });
  outer->addWidget(informBut_);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OK");
  ok->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, [this] { TryClose(); });
  outer->addWidget(ok);
  ErrorMarker(this);
}

QPushButton* TFormF15::SpeedButton(const char* name, const char* text) {
  auto* button = new QPushButton(QString::fromUtf8(text), this);
  button->setObjectName(name);
  button->setCheckable(true);
  button->setAutoDefault(false);
  button->setToolTip(QString::fromUtf8(TFormF15Controller::kButtonHint));
  return button;
}

QLineEdit* TFormF15::Edit(const char* name, int maxLength, TFieldKind kind, std::string* text) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  edit->setMaxLength(maxLength);
  TQtFieldInput::Bind(edit, kind, ui_);
  connect(edit, &QLineEdit::textEdited, this, [this, text](const QString& t) {
    *text = t.toStdString();
    form_.FieldChanged();
  });
  return edit;
}

void TFormF15::Show() {
  showing_ = true;
  labN_MBM_->setText(FromUtf8(form_.labN_MBM));
  editKodF_->setText(FromUtf8(form_.editKodF));
  cBoxUstr_->setCurrentIndex(form_.cBoxUstr);
  editKolVh_->setText(FromUtf8(form_.editKolVh));
  editAdBegDat_->setText(FromUtf8(form_.editAdBegDat));
  editKolDat_->setText(FromUtf8(form_.editKolDat));
  kvit_->setChecked(form_.kvit);
  sbros_->setChecked(form_.sbros);
  for (std::size_t k = 0; k < edits_.size(); ++k) {
    edits_[k]->setText(FromUtf8(form_.edit[k]));
    edits_[k]->setEnabled(form_.editEnabled[k]);
  }
  informBut_->setEnabled(form_.informButEnabled);
  if (!form_.errorTextVisible) ErrorMarker(this)->hide();
  showing_ = false;
}

int TFormF15::ExecForm() {
  Show();
  ErrorMarker(this)->hide();
  exec();
  return form_.Result();
}

void TFormF15::TryClose() {
  closing_ = true;
  const bool closes = form_.FormCloseQuery();
  closing_ = false;
  Show();
  if (closes) done(form_.Result());
}

void TFormF15::reject() { TryClose(); }

void TFormF15::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (isVisible()) TryClose();
}

int TQtF15Window::ShowModal(TFormF15Controller& form) {
  auto* qtUi = dynamic_cast<TQtUserInterface*>(&ui_);
  QWidget* owner = qtUi && qtUi->Parent() ? qtUi->Parent() : parent_;
  TFormF15 window(form, ui_, owner);
  if (!qtUi) return window.ExecForm();
  TQtWindowScope scope(*qtUi, &window, qtUi->ProgressBar());
  return window.ExecForm();
}

}  // namespace lur
