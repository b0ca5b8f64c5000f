#pragma once
// The discrete output detail ("Информация о дискретном выходе"): one output
// of a relay output module with the eight settings of its record, in the
// words of the output information window's table. Read-only; one instance
// lives for the run and every filling rewrites all its fields.
#include <array>
#include <string>

namespace lur {

struct TConfiguration;

class TFormInfVyhController {
 public:
  static constexpr const char* kCaption = "Информация о дискретном выходе";

  // The fields, in the order of the output table's columns.
  enum Field { Nomer, Adr, Id, TipVyh, KvitBlock, KvitMind, KvitTopLevel, VxKvit, SbrMind, SbrTopLevel, VhSbr };
  static constexpr int kFieldCount = VhSbr + 1;
  // Each field's caption: the two header lines of its column in the output
  // table, as they stand.
  struct Heading {
    const char* top;
    const char* bottom;
  };
  static constexpr std::array<Heading, kFieldCount> kHeadings = {{
      {"  №", "п/п"},
      {"Адрес", "     "},
      {"Иденти-", "фикатор"},
      {"  Тип", "выхода"},
      {"Упр.-с блок./без блок.", "  Сигн. -  свет/звук  "},
      {"Квитирование c", "центр.пан.КОРД"},  // the c is Latin
      {"Квитирование ", "с верхн.уров."},
      {" № входа вн.", "квитирования"},
      {"Сброс с центр.", "панели КОРД"},
      {" Сброс с", "верхн.уров."},
      {"№ входа вн.", "  сброса"},
  }};

  // Fills the fields for output entry `entry` (0-based: output entry + 1),
  // one of the 8 x DoModuleCount outputs. Any other entry changes nothing
  // and returns false.
  bool Fill(const TConfiguration& config, int entry);

  std::array<std::string, kFieldCount> fields;  // UTF-8, display only
};

}  // namespace lur
