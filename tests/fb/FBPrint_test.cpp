// The function block printout's pages: five rows of blocks a page, a
// heading and number on every page, then one relay line a block.
#include <gtest/gtest.h>

#include "fb/TFBPrint.h"

namespace lur {
namespace {

// n blocks in rows of three; block `relay` (0-based, -1 none) has relay
// outputs 1 and 3 of module 2.
TDiagramLayout Blocks(int n, int relay = -1) {
  TDiagramLayout layout;
  for (int i = 0; i < n; ++i) {
    TDiagramBlock b;
    b.record = i;
    b.row = i / 3;
    b.column = i % 3;
    b.markText = "ФБ" + std::to_string(i + 1);
    if (i == relay) {
      b.relayPanel = true;
      b.relayMasks = {0, 0x05, 0, 0, 0};
    }
    layout.blocks.push_back(b);
  }
  return layout;
}

const TFBPrintHeading kFileHeading{"ЛУР-05HMI", "Программирование функциональных блоков", "Режим работы с файлом"};

TEST(FBPrint, FiveRowsOfBlocksAPageThenTheRelaySection) {
  struct Case {
    int blocks;
    int diagramPages;
    int relayPages;
  };
  const Case cases[] = {{0, 0, 0}, {1, 1, 1}, {15, 1, 1}, {16, 2, 1}, {31, 3, 2}, {120, 8, 4}};
  for (const Case& c : cases) {
    const TFBPrintout p = MakeFBPrintout(kFileHeading, Blocks(c.blocks));
    ASSERT_EQ(static_cast<int>(p.pages.size()), c.diagramPages + c.relayPages) << c.blocks;
    for (int k = 0; k < c.diagramPages; ++k) {
      EXPECT_EQ(p.pages[static_cast<std::size_t>(k)].bandTop, 600 * k);
      EXPECT_EQ(p.pages[static_cast<std::size_t>(k)].bandHeight, 610);
      EXPECT_TRUE(p.pages[static_cast<std::size_t>(k)].relayLines.empty());
    }
    std::size_t lines = 0;
    for (int k = c.diagramPages; k < c.diagramPages + c.relayPages; ++k) {
      const TFBPrintPage& page = p.pages[static_cast<std::size_t>(k)];
      EXPECT_EQ(page.bandHeight, 0);
      EXPECT_EQ(page.relayTitle, k == c.diagramPages);
      lines += page.relayLines.size();
    }
    EXPECT_EQ(lines, static_cast<std::size_t>(c.blocks));
  }
}

TEST(FBPrint, EveryPageIsHeadedAndNumbered) {
  const TFBPrintout p = MakeFBPrintout(kFileHeading, Blocks(16));
  ASSERT_EQ(p.pages.size(), 3u);
  for (std::size_t k = 0; k < p.pages.size(); ++k) {
    EXPECT_EQ(p.pages[k].number, static_cast<int>(k + 1));
    EXPECT_EQ(p.pages[k].heading, (std::vector<std::string>{"ЛУР-05HMI", "Программирование функциональных блоков",
                                                            "Режим работы с файлом",
                                                            "   страница " + std::to_string(k + 1)}));
  }
  // Controller mode: no file label.
  const TFBPrintout q = MakeFBPrintout({"ЛУР-05HMI", "Программирование функциональных блоков", ""}, Blocks(1));
  EXPECT_EQ(q.pages[0].heading.size(), 3u);
}

TEST(FBPrint, RelayLinesNameTheOutputsOrTheirAbsence) {
  const TFBPrintout p = MakeFBPrintout(kFileHeading, Blocks(3, 1));
  const std::vector<std::string>& lines = p.pages.back().relayLines;
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "ФБ1   нет выхода на модуль реле");
  EXPECT_EQ(lines[1], "ФБ2  MP 1:   MP 2: 1,3,  MP 3:   MP 4:   MP 5: ");
}

}  // namespace
}  // namespace lur
