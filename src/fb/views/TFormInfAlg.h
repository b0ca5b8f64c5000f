#pragma once
// The view of "Информация о функциональных блоках и  алгоритмах" over
// TFormInfAlgController: the block list and the algorithm list as two grids
// whose first two rows are their headers, the member-column switch, the file
// load, the report button and OK. Every close (OK, the close box, Escape)
// runs the controller's close check, which may keep the window open.
#include <QDialog>

class QCheckBox;
class QLabel;
class QTableWidget;

namespace lur {

class TFormInfAlgController;

class TFormInfAlg : public QDialog {
  Q_OBJECT
 public:
  explicit TFormInfAlg(TFormInfAlgController& form, QWidget* parent = nullptr);
  TFormInfAlgController& Form() const { return form_; }
  // Shows the window as filled; its modal result (2, or 6 after an error).
  int ExecForm();

  void done(int result) override;  // through the close check
  void reject() override;          // the close box and Escape close like OK

 private:
  void Show();  // the grids and the switch from the controller
  void Grid2Edited(int row, int column);
  void Grid2Chosen(int row, int column, int previousRow, int previousColumn);
  void SetMemberColumnEditable();

  TFormInfAlgController& form_;
  QLabel* label1_;
  QTableWidget* grid1_;
  QTableWidget* grid2_;
  QCheckBox* editingNFB_;
  int shownRevision_ = -1;
  bool filling_ = false;
};

}  // namespace lur
