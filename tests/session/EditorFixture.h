#pragma once
// Two editors' transfers over the simulated controller: the discrete
// processing table (pages 12..19) and the relay output table (page 9), as
// their editors describe them, with a user who answers from a script.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "session/TEditorTransfer.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {

inline TEditorPages<TProgLurClass> DiscretePages(TConfiguration& config) {
  return {
      .table = config.Lur,
      .modified = config.Lur.DiskrModified,
      .pages =
          [](const TProgLurClass&) {
            std::vector<std::uint8_t> pages;
            for (int k = 0; k < TProgLurClass::kPageCount; ++k) {
              pages.push_back(static_cast<std::uint8_t>(TProgLurClass::kFirstPage + k));
            }
            return pages;
          },
      .load = [](TProgLurClass& t, std::uint8_t page,
                 std::span<const std::uint8_t> answer) {
        const int k = page - TProgLurClass::kFirstPage;
        return t.PutPageFromAnswer(answer, k) && t.StorePage(k);
      },
      .store =
          [](TProgLurClass& t, std::uint8_t page) {
            t.LoadPage(page - TProgLurClass::kFirstPage);
            std::vector<std::uint8_t> data(1 + t.GetPage().size(), page);
            std::copy(t.GetPage().begin(), t.GetPage().end(), data.begin() + 1);
            return data;
          },
      .saveReserve =
          [](const TProgLurClass& t, TReservBlocksClass& reserve) {
            std::copy(t.GetRecords().begin(), t.GetRecords().end(), reserve.ResDiskr.begin());
          },
      .restoreReserve =
          [](TProgLurClass& t, const TReservBlocksClass& reserve) {
            TProgLurClass::Records records{};
            std::copy(reserve.ResDiskr.begin(), reserve.ResDiskr.end(), records.begin());
            t.SetRecords(records);
          },
  };
}

inline TEditorPages<TProgMRClass> RelayPages(TConfiguration& config, int& modified) {
  return {
      .table = config.MR,
      .modified = modified,
      .pages = [](const TProgMRClass&) { return std::vector<std::uint8_t>{TProgMRClass::kPage}; },
      .load = [](TProgMRClass& t, std::uint8_t,
                 std::span<const std::uint8_t> answer) { return t.PutMRFromAnswer(0x44, answer); },
      .store =
          [](TProgMRClass& t, std::uint8_t) {
            const TProgMRClass::Block block = t.GetBlockForTransfer();
            return std::vector<std::uint8_t>(block.begin(), block.end());
          },
      .saveReserve = [](const TProgMRClass& t, TReservBlocksClass& reserve) { reserve.ResMR = t.GetBlock(); },
      .restoreReserve = [](TProgMRClass& t, const TReservBlocksClass& reserve) { t.PutMRFromFile(reserve.ResMR); },
  };
}

// Two sets of discrete records compared record by record, naming the first
// that differs instead of printing all 192.
inline ::testing::AssertionResult SameRecords(const TProgLurClass::Records& actual,
                                              const TProgLurClass::Records& expected) {
  for (std::size_t n = 0; n < actual.size(); ++n) {
    if (actual[n] != expected[n]) return ::testing::AssertionFailure() << "record " << n << " differs";
  }
  return ::testing::AssertionSuccess();
}

struct EditorFixture {
  explicit EditorFixture(sim::SimOptions options = {}) : line(clock, options) {
    config.Lur.FullAccess = 1;
    link.PortName = "COM1";
  }

  VirtualClock clock;
  SimPort line;
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  TConfiguration config;
  TServAddressing addressing{config.Serv};
  TSession session{config, link, ui, addressing};
  int relayModified = 0;
  TEditorTransfer<TProgLurClass> discrete{session, DiscretePages(config)};
  TEditorTransfer<TProgMRClass> relay{session, RelayPages(config, relayModified)};
};

}  // namespace lur::test
