// The output information window's controller over small configurations:
// the table as each caller fills it, one output's text, texts from another
// configuration file by its size, group copy and replacement, and the
// report. The window never talks to the controller.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "InformMRFixture.h"
#include "live/OutputListReport.h"
#include "model/ConfigFileKind.h"

namespace lur::test {
namespace {

namespace fs = std::filesystem;
using Form = TInformMRController;

std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

class InformMR : public ::testing::Test, protected InformMRFixture {
 protected:
  ~InformMR() override { EXPECT_TRUE(line.requests.empty()) << "the window sent a request"; }
};

// ---- the fill --------------------------------------------------------------------------

TEST_F(InformMR, HeaderRowsStandAsTheyAre) {
  form.InformButMRClick();
  const std::vector<std::string> row0 = {
      "  №",          "Наименование",           "Адрес",          "Иденти-",
      "  Тип",        "Упр.-с блок./без блок.", "Квитирование c", "Квитирование ",
      " № входа вн.", "Сброс с центр.",         " Сброс с",       "№ входа вн."};
  const std::vector<std::string> row1 = {"п/п",
                                         "            ",
                                         "     ",
                                         "фикатор",
                                         "выхода",
                                         "  Сигн. -  свет/звук  ",
                                         "центр.пан.КОРД",
                                         "с верхн.уров.",
                                         "квитирования",
                                         "панели КОРД",
                                         "верхн.уров.",
                                         "  сброса"};
  for (int c = 0; c < kOutputColumns; ++c) {
    EXPECT_EQ(Cell(0, c), row0[static_cast<std::size_t>(c)]) << c;
    EXPECT_EQ(Cell(1, c), row1[static_cast<std::size_t>(c)]) << c;
  }
  // Column 6's first text ends in a Latin c.
  EXPECT_EQ(Cell(0, 6).back(), 'c');
}

// One to five relay modules: 8 rows each from row 2, every other row empty,
// whatever the previous fill showed.
TEST_F(InformMR, FillShowsEightRowsForEachOutputModule) {
  SetRelayModules(config, 5);
  form.InformButMRClick();
  for (int relays = 1; relays <= 5; ++relays) {
    SCOPED_TRACE(relays);
    SetRelayModules(config, relays);
    form.InformButMRClick();
    for (int row = 2; row < kOutputGridRows; ++row) {
      const bool filled = row < 2 + 8 * relays;
      for (int c = 0; c < kOutputColumns; ++c) EXPECT_EQ(Cell(row, c).empty(), !filled) << row << "," << c;
    }
  }
  SetRelayModules(config, 0);
  form.InformButMRClick();
  EXPECT_EQ(Cell(2, 0), "");
}

TEST_F(InformMR, AnOutputsRowShowsItsNumberTextAddressAndIdentifier) {
  form.InformButMRClick();
  // Output 11: row 12.
  EXPECT_EQ(Cell(12, 0), " 11");
  EXPECT_EQ(Cell(12, 1), "Выход 11      ");
  EXPECT_EQ(Cell(12, 2), " 0x0A");
  EXPECT_EQ(Cell(12, 3), Cp1251ToUtf8(config.Serv.GetOutputId(10)));
  EXPECT_FALSE(Cell(12, 3).empty());
  EXPECT_EQ(Cell(2, 0), " 1");
  EXPECT_EQ(Cell(2, 2), " 0x00");
  EXPECT_EQ(Cell(17, 0), " 16");
  EXPECT_EQ(Cell(17, 2), " 0x0F");
}

// Every setting text, read from output o of module m.
TEST_F(InformMR, SettingsReadAsTheirWords) {
  struct Case {
    int tipVyh, kvitBlock, kvitMind, kvitTop, vxKvit, sbrMind, sbrTop, vhSbr;
    std::vector<std::string> cells;  // columns 4..11
  };
  const Case cases[] = {
      {0, 0, 0, 0, 0, 0, 0, 0, {"сигнал.", "свет(п-вод в ровн)", "нет", "нет", "0", "нет", "нет", "0"}},
      {0, 1, 1, 0, 17, 0, 1, 3, {"сигнал.", "звук(с гашением)", "есть", "нет", "17", "нет", "есть", "3"}},
      {1,
       1,
       0,
       1,
       191,
       1,
       0,
       255,
       {"управл.", "с   блокировкой", "нет", "есть", "191", "есть", "нет", "255"}},
      {1, 0, 1, 1, 1, 1, 1, 1, {"управл.", "без блокировки", "есть", "есть", "1", "есть", "есть", "1"}},
  };
  TProgMRClass& mr = config.MR;
  for (const Case& c : cases) {
    for (const auto& [o, m] : {std::pair{0, 0}, std::pair{7, 1}}) {
      mr.SetTipVyh(c.tipVyh, o, m);
      mr.SetKvitBlock(c.kvitBlock, o, m);
      mr.SetKvitMind(c.kvitMind, o, m);
      mr.SetKvitTopLevel(c.kvitTop, o, m);
      mr.SetVxKvit(static_cast<std::uint8_t>(c.vxKvit), o, m);
      mr.SetSbrMind(c.sbrMind, o, m);
      mr.SetSbrTopLevel(c.sbrTop, o, m);
      mr.SetVhSbr(static_cast<std::uint8_t>(c.vhSbr), o, m);
      form.InformButMRClick();
      const int row = 8 * m + o + 2;
      for (int col = 4; col < kOutputColumns; ++col) {
        EXPECT_EQ(Cell(row, col), c.cells[static_cast<std::size_t>(col - 4)])
            << "row " << row << " col " << col;
      }
    }
  }
}

// ---- one output's text -----------------------------------------------------------------

TEST_F(InformMR, DoubleClickOnATextEditsThatOutput) {
  form.InformButMRClick();
  dialogs.typed = "Насос {1}\\";
  form.StringGrid1DblClick(4, 1);  // output 3
  ASSERT_EQ(dialogs.textShown.size(), 1u);
  EXPECT_EQ(dialogs.textShown[0].first, 3);
  EXPECT_EQ(dialogs.textShown[0].second, "Выход 3       ");
  EXPECT_EQ(Text(3), "Насос {1}\\");
  EXPECT_EQ(Cell(4, 1), "Насос {1}\\    ");  // the stored text, blank padded
  EXPECT_EQ(config.Serv.Modified, 0);        // controller mode: the file is not concerned
}

TEST_F(InformMR, DoubleClicksOutsideAnOutputsTextDoNothing) {
  form.InformButMRClick();
  dialogs.typed = "X";
  for (const auto& [row, column] : {std::pair{4, 0}, std::pair{4, 2}, std::pair{1, 1}, std::pair{0, 1},
                                    std::pair{18, 1}, std::pair{41, 1}, std::pair{-1, 1}}) {
    form.StringGrid1DblClick(row, column);
  }
  EXPECT_TRUE(dialogs.textShown.empty());
  EXPECT_EQ(Text(17), "Выход 17");
  form.StringGrid1DblClick(17, 1);  // output 16, the last of two modules
  EXPECT_EQ(dialogs.textShown.size(), 1u);
}

TEST_F(InformMR, InFileModeATypedTextMarksTheConfiguration) {
  config.Serv.FileMode = 1;
  form.InformButMRClick();
  form.StringGrid1DblClick(2, 1);  // nothing typed
  EXPECT_EQ(config.Serv.Modified, 0);
  dialogs.typed = "Клапан";
  form.StringGrid1DblClick(2, 1);
  EXPECT_EQ(config.Serv.Modified, 1);
  EXPECT_EQ(Text(1), "Клапан");
}

// ---- texts from a file -----------------------------------------------------------------

struct FileLayout {
  std::size_t size;
  std::size_t textsAt = 0;                          // 0: no texts written
  std::array<std::uint8_t, 8> modules = {3, 3, 1};  // the configuration's own
};

class InformMRFile : public InformMR {
 protected:
  std::string File(const FileLayout& layout) {
    std::vector<std::uint8_t> bytes(layout.size, 0);
    for (std::size_t s = 0; s < 8 && 2 + s < bytes.size(); ++s) bytes[2 + s] = layout.modules[s];
    if (layout.textsAt) {
      for (int e = 0; e < 40; ++e) {
        std::string text = Utf8ToCp1251("Файл " + std::to_string(e + 1));
        text.resize(14, ' ');
        std::copy(text.begin(), text.end(), bytes.begin() + static_cast<long>(layout.textsAt + 14 * e));
      }
    }
    const std::string path = (dir / ("conf" + std::to_string(++files_) + ".lur")).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  int files_ = 0;
};

TEST_F(InformMRFile, TheTwoLayoutsLoadAllFortyTextsFromTheirPlace) {
  struct Case {
    std::size_t size, at;
    int capFB;
  };
  for (const Case c : {Case{35437, 8004, 120}, Case{17955, 7382, 60}}) {
    SCOPED_TRACE(c.size);
    NameOutputs(config);
    config.FB.CapFB = c.capFB;
    form.InformButMRClick();
    ui.files = {File({c.size, c.at})};
    form.NameFromFileClick();
    EXPECT_TRUE(ui.shown.empty());
    for (int k = 1; k <= 40; ++k) EXPECT_EQ(Text(k), "Файл " + std::to_string(k)) << k;
    EXPECT_EQ(Cell(2, 1), "Файл 1        ");
    EXPECT_EQ(Cell(17, 1), "Файл 16       ");
    EXPECT_EQ(Cell(18, 1), "");  // no row past the configuration's outputs
    EXPECT_EQ(config.Reserv.ResOutputTexts[39], config.Serv.GetOutputTexts()[39]);
    EXPECT_EQ(config.Serv.Modified, 0);
  }
  ASSERT_EQ(ui.fileDialogs.size(), 2u);
  EXPECT_FALSE(ui.fileDialogs[0].save);
  EXPECT_EQ(ui.fileDialogs[0].filter, "Файлы типа .lur|*.lur|Все файлы|*.*");
  EXPECT_EQ(ui.fileDialogs[0].defaultSuffix, "lur");
}

// Size classes as the configuration loader knows them: only the two exact
// sizes are read.
TEST_F(InformMRFile, EveryOtherSizeIsRefusedWithNothingChanged) {
  struct Case {
    std::size_t size;
    const char* message;
  };
  const Case cases[] = {
      {0, Form::kUnknownFile},         {11 * 1024 + 1023, Form::kUnknownFile},
      {12 * 1024, Form::kFile40},      {12 * 1024 + 1023, Form::kFile40},
      {13 * 1024, Form::kUnknownFile}, {16 * 1024 + 7, Form::kUnknownFile},
      {17954, Form::kUnknownFile},     {17956, Form::kUnknownFile},
      {18 * 1024, Form::kUnknownFile}, {19 * 1024, Form::kUnknownFile},
      {35436, Form::kUnknownFile},     {35438, Form::kUnknownFile},
  };
  const auto before = config.Serv.GetOutputTexts();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    ui.shown.clear();
    ui.files = {File({c.size, c.size >= 8004 + 560 ? std::size_t{8004} : 0})};
    form.NameFromFileClick();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, c.message);
    EXPECT_EQ(ui.shown[0].caption, "Предупреждение");
    EXPECT_EQ(ui.shown[0].icon, MsgIcon::Warning);
    EXPECT_EQ(config.Serv.GetOutputTexts(), before);
  }
}

TEST_F(InformMRFile, OtherBlocksOrModulesWarnAndStillLoad) {
  const std::string other = "Рабочая конфигурация \nне соответствует конфигурации в файле";
  struct Case {
    FileLayout file;
    int warnings;
  };
  const Case cases[] = {
      {{17955, 7382}, 1},                            // 60 blocks in the file, 120 here
      {{35437, 8004, {3, 1, 1}}, 1},                 // slot 2 differs
      {{17955, 7382, {0, 0, 0, 0, 0, 0, 0, 7}}, 2},  // both
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.warnings);
    NameOutputs(config);
    ui.shown.clear();
    ui.files = {File(c.file)};
    form.NameFromFileClick();
    EXPECT_EQ(ui.Texts(), std::vector<std::string>(static_cast<std::size_t>(c.warnings), other));
    EXPECT_EQ(Text(5), "Файл 5");
  }
}

TEST_F(InformMRFile, CancelOrAFileThatCannotBeOpenedChangesNothing) {
  ui.files = {std::nullopt};
  form.NameFromFileClick();
  EXPECT_TRUE(ui.shown.empty());
  ui.files = {(dir / "missing.lur").string()};
  form.NameFromFileClick();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Файл не удается открыть");
  EXPECT_EQ(ui.shown[0].caption, "Открытие файла");
  EXPECT_EQ(Text(1), "Выход 1");
}

TEST_F(InformMRFile, InFileModeChangedTextsMarkTheConfiguration) {
  config.Serv.FileMode = 1;
  ui.files = {File({35437, 8004})};
  form.NameFromFileClick();
  EXPECT_EQ(config.Serv.Modified, 1);
  config.Serv.Modified = 0;  // saved; the same texts again change nothing
  ui.files = {File({35437, 8004})};
  form.NameFromFileClick();
  EXPECT_EQ(config.Serv.Modified, 0);
}

// ---- group copy and replacement ---------------------------------------------------------

TEST_F(InformMR, CopyAndReplaceRanges) {
  struct Case {
    const char* name;
    int first, last, start;
    bool copyRefused;
    bool startRefused;
    std::vector<std::pair<int, int>> moved;  // (target output, source output)
  };
  // Two modules: 16 outputs.
  const Case cases[] = {
      {"inside", 3, 5, 10, false, false, {{10, 3}, {11, 4}, {12, 5}}},
      {"over the end", 3, 5, 15, false, false, {{15, 3}, {16, 4}}},
      {"one output", 16, 16, 1, false, false, {{1, 16}}},
      {"first 0", 0, 5, 1, true, false, {}},
      {"last 0", 1, 0, 1, true, false, {}},
      {"first past the count", 17, 17, 1, true, false, {}},
      {"last past the count", 1, 17, 1, true, false, {}},
      {"start 0", 1, 2, 0, false, true, {}},
      {"start past the count", 1, 2, 17, false, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InformMRFixture f;
    f.dialogs.first = c.first;
    f.dialogs.last = c.last;
    f.form.CopyTextGroupClick();
    EXPECT_EQ(f.form.InsertTextGroupEnabled(), !c.copyRefused);
    if (c.copyRefused) {
      EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{"Неверно задан № выхода"});
      EXPECT_EQ(f.ui.shown[0].caption, "Предупреждение");
      continue;
    }
    f.dialogs.start = c.start;
    f.form.InsertTextGroupClick();
    EXPECT_EQ(f.dialogs.captions, (std::vector<std::string>{"Ввод номеров группы текстовых реквизитов",
                                                            "Ввод начального № вставки"}));
    EXPECT_EQ(f.dialogs.tooLarge, "Неверно задан № выхода");
    EXPECT_EQ(f.ui.Texts(), c.startRefused ? std::vector<std::string>{"Неверно задан № выхода"}
                                           : std::vector<std::string>{});
    for (int k = 1; k <= 40; ++k) {
      int source = k;
      for (const auto& [target, from] : c.moved) {
        if (target == k) source = from;
      }
      EXPECT_EQ(f.Text(k), OutputText(source)) << k;
    }
    for (const auto& [target, from] : c.moved) EXPECT_EQ(Trimmed(f.Cell(target + 1, 1)), OutputText(from));
    EXPECT_EQ(f.config.Lur.DiskrModified, 1);
    EXPECT_EQ(f.config.Serv.Modified, 0);
    EXPECT_EQ(f.config.Serv.OutputTextsEdited, 0);
  }
}

TEST_F(InformMR, AFirstNumberAboveTheLastCopiesNothingSilently) {
  dialogs.first = 2;
  dialogs.last = 4;
  form.CopyTextGroupClick();
  dialogs.first = 5;
  dialogs.last = 3;
  form.CopyTextGroupClick();
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(config.Copy.CopyOutFirst, 1);  // the earlier copy stays
  EXPECT_EQ(config.Copy.CopyOutLast, 3);

  InformMRFixture fresh;
  fresh.dialogs.first = 5;
  fresh.dialogs.last = 3;
  fresh.form.CopyTextGroupClick();
  EXPECT_TRUE(fresh.ui.shown.empty());
  EXPECT_FALSE(fresh.form.InsertTextGroupEnabled());
}

TEST_F(InformMR, ACancelledDialogChangesNoTextButTheReplacementStillMarksTheProcessing) {
  dialogs.groupResult = kModalCancel;
  dialogs.first = 1;
  dialogs.last = 2;
  form.CopyTextGroupClick();
  EXPECT_FALSE(form.InsertTextGroupEnabled());
  dialogs.groupResult = kModalOk;
  form.CopyTextGroupClick();
  dialogs.startResult = kModalCancel;
  dialogs.start = 5;
  form.InsertTextGroupClick();
  EXPECT_EQ(config.Lur.DiskrModified, 1);
  EXPECT_EQ(Text(5), "Выход 5");
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(InformMR, ReplacementMarksTheFileOnlyInFileModeAndOnlyWhenATextChanged) {
  config.Serv.FileMode = 1;
  dialogs.first = 1;
  dialogs.last = 2;
  form.CopyTextGroupClick();
  dialogs.start = 1;  // the same texts onto themselves
  form.InsertTextGroupClick();
  EXPECT_EQ(config.Serv.Modified, 0);
  dialogs.start = 3;
  form.InsertTextGroupClick();
  EXPECT_EQ(config.Serv.Modified, 1);
  EXPECT_EQ(Text(3), "Выход 1");
}

// The copy survives another configuration: texts of one go into the next.
TEST_F(InformMR, ACopiedRangeGoesIntoAnotherConfiguration) {
  dialogs.first = 1;
  dialogs.last = 8;
  form.CopyTextGroupClick();
  for (int e = 0; e < 40; ++e) config.Serv.SetOutputText("", e);
  SetRelayModules(config, 1);
  form.InformButMRClick();
  EXPECT_TRUE(form.InsertTextGroupEnabled());
  dialogs.start = 5;
  form.InsertTextGroupClick();
  EXPECT_EQ(Text(5), "Выход 1");
  EXPECT_EQ(Text(8), "Выход 4");
  EXPECT_EQ(Text(9), "");  // one module: outputs 1..8 only
  EXPECT_EQ(Trimmed(Cell(9, 1)), "Выход 4");
}

// ---- the report --------------------------------------------------------------------------

std::vector<std::string> Lines(const TReport& report) {
  std::vector<std::string> lines;
  for (const TReportBlock& block : report.blocks) lines.push_back(std::get<TReportParagraph>(block).text);
  return lines;
}

// The paragraphs of an RTF file as text: escapes undone, tabs as '\t'.
std::vector<std::string> RtfLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string raw; std::getline(in, raw);) {
    const std::string head = "\\pard\\f0\\fs20 ";
    if (raw.compare(0, head.size(), head) != 0 || raw.size() < head.size() + 4) continue;
    const std::string body = raw.substr(head.size(), raw.size() - head.size() - 4);  // "\par"
    std::string bytes;
    for (std::size_t i = 0; i < body.size(); ++i) {
      if (body[i] != '\\') {
        bytes += body[i];
      } else if (body.compare(i, 5, "\\tab ") == 0) {
        bytes += '\t';
        i += 4;
      } else if (body[i + 1] == '\'') {
        bytes += static_cast<char>(std::stoi(body.substr(i + 2, 2), nullptr, 16));
        i += 3;
      } else {
        bytes += body[++i];
      }
    }
    lines.push_back(Cp1251ToUtf8(bytes));
  }
  return lines;
}

TEST_F(InformMR, TheReportHasTheTitleTheLabelTheHeadersAndOneLineAnOutput) {
  config.Serv.SetAddressIndex(6);
  config.MR.SetTipVyh(1, 0, 0);
  config.MR.SetKvitBlock(1, 0, 0);
  form.InformButMRClick();
  const TReport report = form.Report();
  EXPECT_EQ(report.orientation, TPageOrientation::Landscape);
  EXPECT_EQ(report.marginPoints, 29);
  EXPECT_TRUE(report.pageSetup);
  const std::vector<std::string> lines = Lines(report);
  ASSERT_EQ(lines.size(), 2u + 2u + 16u + 1u);
  EXPECT_EQ(lines[0], "ЛУР-05HMI  33100000  № 7");
  EXPECT_EQ(lines[1], "          Дискретные выходы");
  EXPECT_EQ(lines[2], "  №  Наименование" + std::string(6, ' ') +
                          "\tАдрес\tИденти-\t  Тип\tУпр.-с блок./без блок.\tКвитирование c\tКвитирование "
                          "\t № входа вн.\tСброс с центр.\t Сброс с\t№ входа вн.");
  EXPECT_EQ(lines[3], "п/п" + std::string(20, ' ') +
                          "\t     \tфикатор\tвыхода\t  Сигн. -  свет/звук  \tцентр.пан.КОРД\tс верхн.уров."
                          "\tквитирования\tпанели КОРД\tверхн.уров.\t  сброса");
  EXPECT_EQ(lines[4], " 1  Выход 1" + std::string(11, ' ') + "\t 0x00\t" + Cell(2, 3) +
                          "\tуправл.\tс   блокировкой\tнет\tнет\t0\tнет\tнет\t0");
  EXPECT_EQ(lines[19].rfind(" 16  Выход 16" + std::string(10, ' ') + "\t 0x0F\t", 0), 0u) << lines[19];
  EXPECT_EQ(lines[20], "");

  config.Serv.FileMode = 1;
  form.fileName = [] { return std::string("/home/u/цех.lur"); };
  EXPECT_EQ(Lines(form.Report())[0], "Файл /home/u/цех.lur");
}

TEST_F(InformMR, TheReportFileCarriesTheLinesEscapedAndOffersItsNameAgain) {
  config.Serv.SetOutputText(Utf8ToCp1251("a{b}c\\d"), 0);
  form.InformButMRClick();
  const std::string path = (dir / "outputs").string();
  ui.files = {path};
  ui.answers = {MsgAnswer::No};
  config.MR.ReportSaveOk = 0;
  form.BNewClick();
  EXPECT_EQ(config.MR.ReportSaveOk, 1);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Печатать?"});
  EXPECT_EQ(printer.jobs, 0);
  const std::vector<std::string> lines = RtfLines(path + ".rtf");
  EXPECT_EQ(lines, Lines(form.Report()));
  EXPECT_EQ(lines.at(4).rfind(" 1  a{b}c\\d" + std::string(11, ' ') + "\t", 0), 0u) << lines.at(4);
  std::ifstream in(path + ".rtf", std::ios::binary);
  const std::string rtf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(rtf.find("a\\{b\\}c\\\\d"), std::string::npos);
  EXPECT_NE(rtf.find("\\landscape"), std::string::npos);
  EXPECT_NE(rtf.find("\\margl580\\margr580\\margt580\\margb580"), std::string::npos);

  // The next report offers the name used; Yes prints once.
  ui.files = {std::nullopt};
  form.BNewClick();
  ASSERT_EQ(ui.fileDialogs.size(), 2u);
  EXPECT_EQ(ui.fileDialogs[1].initialPath, path + ".rtf");
  EXPECT_EQ(ui.fileDialogs[1].title, "Создание  или замена файла .rtf ");
  EXPECT_EQ(config.MR.ReportSaveOk, 0);
  ui.files = {path + ".rtf"};
  ui.answers = {MsgAnswer::Yes};
  form.BNewClick();
  EXPECT_EQ(printer.jobs, 1);
  EXPECT_EQ(printer.last.orientation, TPageOrientation::Landscape);
}

TEST_F(InformMR, AWrongNameOrAFileThatCannotBeMadeAsksAgain) {
  form.InformButMRClick();
  const std::string good = (dir / "ok.rtf").string();
  ui.files = {(dir / "list.txt").string(), (dir / "no-such-folder" / "x.rtf").string(), good};
  ui.answers = {MsgAnswer::Ok, MsgAnswer::Yes, MsgAnswer::No};
  form.BNewClick();
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Неверно задано имя файла",
                                                  "Файл не удается создать.\nПовторить?", "Печатать?"}));
  EXPECT_EQ(ui.shown[0].caption, "Cохранение данных в файл");
  EXPECT_EQ(ui.shown[0].caption.substr(0, 1), "C");  // Latin
  EXPECT_TRUE(fs::exists(good));
}

TEST(OutputReportLine, PadsTheTextByCharactersAndSeparatesTheRestByTabs) {
  TOutputRow row;
  for (int c = 0; c < kOutputColumns; ++c) row[static_cast<std::size_t>(c)] = std::to_string(c);
  row[1] = "Щит";
  EXPECT_EQ(OutputReportLine(row), "0  Щит" + std::string(15, ' ') + "\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11");
  row[1] = std::string(20, 'x');  // longer than 18: kept whole
  EXPECT_EQ(OutputReportLine(row).substr(0, 24), "0  " + std::string(20, 'x') + "\t");
}

}  // namespace
}  // namespace lur::test
