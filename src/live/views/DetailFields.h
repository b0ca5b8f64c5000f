#pragma once
// The controls the detail windows share: display-only values (every one
// disabled), their static captions, the scaling rows of an analog signal and
// the OK button that closes the window.
#include <QString>
#include <string>
#include <vector>

class QComboBox;
class QDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace lur {

QLabel* CaptionLabel(const char* name, const QString& text, QWidget* parent);
// A value shown as a label / as a field; both disabled.
QLabel* ValueLabel(const char* name, QWidget* parent);
QLineEdit* ValueEdit(const char* name, QWidget* parent);
// "OK": closes the dialog as accepted.
void AddOkButton(QDialog* dialog, QGridLayout* grid, int row, int columns);

QString FromUtf8(const std::string& text);

// Unit, position tag, scale limits and the set point of one limit, in rows
// from `row` of `grid`.
struct TScaleFields {
  QComboBox* razm1 = nullptr;
  QLineEdit* poz1 = nullptr;
  QLineEdit* nsk1 = nullptr;
  QLineEdit* vsk1 = nullptr;
  QLabel* labUstLL = nullptr;
  QLineEdit* ust1LL = nullptr;

  void Build(QGridLayout* grid, int row, QWidget* parent);
  // index -1: no unit selected.
  void Show(const std::vector<std::string>& units, int index, const std::string& poz, const std::string& nsk,
            const std::string& vsk, const std::string& setPointCaption, const std::string& setPoint);
};

}  // namespace lur
