#pragma once
// The function-15 block dialog (`TFormF15`, "Программирование
// функционального блока MBM", heading "Функциональный блок ModBus Master
// Ф15"): which discrete signals or function block outputs one of the two
// function-15 blocks writes to which coils of which slave. Closing checks the
// fields and stores them into the table as they pass; a changed table is
// offered for writing at once (page 0x0B).
//
// A rejection that the user ends, and a "No" to the writing, put back the
// table as the dialog found it (pending edits of earlier showings
// included), never the reserve: the reserve holds what the controller holds.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lur {

struct TSession;
class TEditorRegistry;

class TFormF15Controller {
 public:
  static constexpr const char* kCaption = "Программирование функционального блока MBM";
  static constexpr const char* kHeading = "Функциональный блок ModBus Master  Ф15";
  static constexpr const char* kEditKodFCaption = "Код функции    ModBus";
  static constexpr const char* kCBoxUstrCaption = "Адрес Slave в локальной  сети";
  static constexpr const char* kEditKolVhCaption = "Количество  входов блока      ";
  static constexpr const char* kEditKolVhHint = "для ЗЕТ - 16 или 32, для других <=32";
  static constexpr const char* kEditAdBegDatCaption = "Начальный адрес данных в запросе (Hex) ";
  static constexpr const char* kEditAdBegDatHint = "для ЗЕТ - 30, для ЛУР-05 - от 340 до 37F";
  static constexpr const char* kEditKolDatCaption = "Количество  данных в запросе  (Dec) ";
  static constexpr const char* kKvitCaption = "Квитирование";
  static constexpr const char* kSbrosCaption = "Сброс";
  static constexpr const char* kButtonHint = "Кнопка внешнего квитирования";
  static constexpr const char* kSignalsGroup = "Номера  дискретных сигналов";
  static constexpr const char* kLegend =
      "   1-192   --   номера вх. дискр. сигналов                             193-254   --  выходы "
      "функциональных блоков ФБЛ с 1 по 62";
  static constexpr const char* kInformButCaption = "Входные сигналы";
  static constexpr const char* kNoSlave = "адрес Slave в локальной сети не задан";
  static constexpr const char* kBadInputCount = "ошибка в количестве входов блока";
  static constexpr const char* kBadDataCount = "ошибка в количестве данных в запросе";
  static constexpr const char* kBadSignal = "ошибка в адресе дискретного сигнала ";
  static constexpr const char* kSaveQuestion = "База  была изменена.Сохранить?";
  static constexpr const char* kSaveCaption = "Подтвердите сохранение базы данных";
  static constexpr const char* kFinishQuestion = "Ошибка программирования \nЗакончить?";
  static constexpr const char* kFinishCaption = "Подтвердите окончание программирования";
  static constexpr int kSignals = 32;
  static constexpr int kSlaveAddresses = 32;

  // editors may be null: "Входные сигналы" stays disabled.
  TFormF15Controller(TSession& session, const TEditorRegistry* editors);

  // Opening for block b (0 or 1): the fields from the block, `F15Clean` set,
  // the table as found kept for a rejection.
  void Open(int b);
  int Block() const { return block_; }

  // Any change of a field (the view calls it as the user types); Kvit and
  // Sbros presses change their button and count as changes too.
  void FieldChanged();
  void KvitClick();
  void SbrosClick();
  // Leaving the fields.
  void EditKolVhExit();
  void EditKodFExit();
  // "Входные сигналы": the input-signal window of the registry.
  void InformButClick();

  // The checks of closing and what follows them: true when the dialog
  // closes, with Result() its modal result (2, or 6 after a rejection the
  // user ended).
  bool FormCloseQuery();
  int Result() const { return result_; }

  // What the dialog shows (UTF-8).
  std::string labN_MBM;
  std::string editKodF;
  int cBoxUstr = -1;  // list index, -1 none chosen
  std::string editKolVh;
  std::string editAdBegDat;
  std::string editKolDat;
  bool kvit = false;
  bool sbros = false;
  std::array<std::string, kSignals> edit;
  std::array<bool, kSignals> editEnabled{};
  bool informButEnabled = false;
  bool errorTextVisible = false;  // the inline marker shows

  static std::vector<std::string> SlaveAddressItems();

 private:
  // The check sequence: true when every check passed.
  bool Check();
  void EnableSignals(int n);
  void InlineError(const std::string& field);
  void PutBackOpening();
  bool WriteTable();

  TSession& session_;
  const TEditorRegistry* editors_;
  int block_ = 0;
  int enabledCount_ = 0;  // the count the signal fields were last set up for
  std::array<std::uint8_t, 81> opening_{};
  int openingChanged_ = 0;
  int result_ = 2;
};

}  // namespace lur
