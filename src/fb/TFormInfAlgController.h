#pragma once
// The logic of the window "Информация о функциональных блоках и  алгоритмах":
// the block list (StringGrid1, read-only), the algorithm list (StringGrid2,
// editable) and the definitions read back from it when the window closes,
// algorithms taken from another configuration file, and the window's report.
// No widgets: the view shows the two grids as this controller holds them and
// hands every edit back.
//
// The read-back parses the whole list into a scratch copy first and changes
// the table only when every row is sound, so a list refused half-way leaves
// the algorithms as they were.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "session/ConfigFileChoice.h"
#include "model/TProgFBClass.h"
#include "session/TSession.h"

namespace lur {

class TReportPrinter;
struct TReport;

class TFormInfAlgController {
 public:
  static constexpr const char* kCaption = "Информация о функциональных блоках и  алгоритмах";
  static constexpr const char* kLabel1 = "Функциональные блоки";
  static constexpr const char* kEditingNFB = "редактирование номеров блоков";
  static constexpr const char* kNameFromFile = "Конфигурация  алгоритмов из файла";
  static constexpr const char* kOK = "OK";
  static constexpr const char* kButRtf = "Создание и печать файла .rtf";

  static constexpr int kHeaderRows = 2;
  static constexpr int kRows = TProgFBClass::MaxFB + kHeaderRows;  // rows 0 .. MaxFB + 1
  static constexpr int kGrid1Columns = 7;
  static constexpr int kGrid2Columns = 3;
  static constexpr int kMembersColumn = 2;  // StringGrid2's "Номера ФБ, составляющих алгоритм"
  static constexpr std::size_t kMaxMembersText = 600;  // characters of a member list

  static constexpr const char* kGrid1Header[kHeaderRows][kGrid1Columns] = {
      {"  №", "Имя", "Тип блока", "Источник", "Источник", "Источник", "Источник"},
      {" п/п", "", "", "вход. сигнала 1", "вход. сигнала 2", "вход. сигнала 3", "вход. сигнала 4"}};
  static constexpr const char* kGrid2Header[kHeaderRows][kGrid2Columns] = {
      {" № ", "Наименование  алгоритма ", "Номера ФБ, составляющих алгоритм"}, {"п/п", "", ""}};

  // Messages of the read-back.
  static constexpr const char* kErrorList = "error ";
  static constexpr const char* kErrorBlock = "error N ФБ";
  static constexpr const char* kAskFinish = "Ошибка программирования \nЗакончить?";
  static constexpr const char* kAskFinishCaption = "Подтвердите окончание программирования";
  // Messages of the file load.
  static constexpr const char* kFileFilter = kConfigFileFilter;
  static constexpr const char* kNotOpened = kFileNotOpened;
  static constexpr const char* kNotOpenedCaption = kFileNotOpenedCaption;
  static constexpr const char* kUnknownFile = "Файл не опознан";
  static constexpr const char* kFile40 = "Файл создан на 40 ФБ";
  static constexpr const char* kOtherBlockCount = "Количество ФБ \nне соответствует количеству ФБ в файле";
  static constexpr const char* kOtherModules = "Рабочая конфигурация \nне соответствует конфигурации в файле";

  using Grid1Row = std::array<std::string, kGrid1Columns>;
  using Grid2Row = std::array<std::string, kGrid2Columns>;

  // `printer` prints the report when the user asks for it; without one the
  // report file is written and nothing is printed.
  explicit TFormInfAlgController(TSession& session, TReportPrinter* printer = nullptr);

  // ---- handlers ----------------------------------------------------------------------
  // Fills both lists from the table (the editor does this before showing the
  // window): the blocks with their types and input sources, the algorithms
  // with their names and member numbers; EditingNFB ticked, or unticked and
  // disabled without blocks. The modal result starts as 2.
  void Fill();
  // The close check: reads the algorithm list back into the table. True when
  // the window may close, with ModalResult() 2, or 6 after an error the user
  // chose not to correct (the table then unchanged). False keeps it open.
  bool FormCloseQuery();
  // Algorithms from another configuration file, into the table, the
  // reserve's algorithm area and the list.
  void NameFromFileClick();
  // Whether the cell may be selected; in file mode any selection marks the
  // configuration modified. The member column only while EditingNFB is ticked.
  bool StringGrid2SelectCell(int column, int row);
  // The report of both lists: file, then the question whether to print.
  void ButRtfClick();

  // ---- what the view shows and edits -------------------------------------------------
  const std::string& Grid1Cell(int column, int row) const;
  const std::string& Grid2Cell(int column, int row) const;
  void SetGrid2Cell(int column, int row, std::string text);  // the user's edit
  bool EditingNFB() const { return editingNFB_; }
  bool EditingNFBEnabled() const { return editingNFBEnabled_; }
  void SetEditingNFB(bool on) { editingNFB_ = on; }
  int ModalResult() const { return modalResult_; }
  // Moves whenever the controller rewrites the grids (fill, load).
  int Revision() const { return revision_; }

  // The report as the button makes it.
  TReport Report() const;

  // The configuration file's name for the report's title in file mode (the
  // main window knows it); empty when not given.
  std::function<std::string()> fileName;

 private:
  // The algorithm data as the read-back builds them before they go into
  // the table.
  struct TAlgScratch {
    std::array<TProgFBClass::Name, TProgFBClass::kSlots> names{};
    std::array<std::vector<int>, TProgFBClass::kSlots> members{};
    int nAlg = 0;
  };
  enum class TReadBack { Ok, Refused, InputError };

  TProgFBClass& FB() { return session_.config.FB; }
  const TProgFBClass& FB() const { return session_.config.FB; }
  void FillBlocks();
  void ClearAlgorithmRows(int lastRow);
  // Algorithms 0 .. count - 1 into rows 2..; `fromFile`: the last list runs
  // on to the last block, and a list naming a block above NFB ends the fill.
  void FillAlgorithms(bool fromFile);
  TReadBack ReadBack(TAlgScratch& scratch);
  TReadBack ParseMembers(const std::string& text, std::vector<int>& members);
  void Commit(const TAlgScratch& scratch);
  void MarkFileModified();
  bool CheckFileSize(std::size_t size, int& blocks);

  TSession& session_;
  TReportPrinter* printer_;
  std::vector<Grid1Row> grid1_;
  std::vector<Grid2Row> grid2_;
  bool editingNFB_ = true;
  bool editingNFBEnabled_ = true;
  int modalResult_ = 2;
  int revision_ = 0;
};

}  // namespace lur
