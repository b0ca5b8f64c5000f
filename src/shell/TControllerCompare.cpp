#include "shell/TControllerCompare.h"

#include <algorithm>
#include <string>

#include "link/TComPortClass.h"
#include "shell/TConfigReader.h"

namespace lur {
namespace {

// Each table of the comparison and the step of the read after which the
// scratch copy holds all of it; a field named here comes with a later step
// than its table (the signals' texts with the input texts, the identity's
// block count with the function block pages).
struct TSource {
  const char* table;
  const char* field;  // nullptr: the whole table
  TReadStage stage;
};

constexpr TSource kSources[] = {
    {"identity", nullptr, TReadStage::Identity},
    {"identity", "function blocks", TReadStage::FunctionBlocks},
    {"analog modules", nullptr, TReadStage::ModulePages},
    {"network analog groups", nullptr, TReadStage::ModulePages},
    {"relay outputs", nullptr, TReadStage::RelayAndF15},
    {"exchange", nullptr, TReadStage::Exchange},
    {"function15", nullptr, TReadStage::RelayAndF15},
    {"discrete signals", nullptr, TReadStage::DiscreteBase},
    {"discrete signals", "text", TReadStage::InputTexts},
    {"function blocks", nullptr, TReadStage::FunctionBlocks},
    {"units", nullptr, TReadStage::Units},
    {"control loops", nullptr, TReadStage::ControlLoops},
    {"sensor types", nullptr, TReadStage::SensorTypes},
};

bool Unread(const TSource& source, TReadStage reached) { return reached < source.stage; }

}  // namespace

TCompareResult CompareWithController(TShellContext& context) {
  TScratchRead read = TConfigReader(context).ReadScratch();
  TCompareResult result;
  result.differences = CompareConfigurations(context.config, *read.config, TCompareScope::ControllerHeld);
  if (read.Complete()) return result;

  const int device = context.config.Serv.GetAddressIndex();
  result.stopped = (read.stopPage == TScratchRead::kIdentityRequest
                        ? std::string("чтение прервано на запросе идентификации")
                        : "чтение прервано на странице " + std::to_string(read.stopPage)) +
                   ": " + context.link.ErrorText(device, read.stopCode);
  std::vector<const TSource*> unread;
  for (const auto& source : kSources) {
    if (!Unread(source, read.reached)) continue;
    // A field of a table left out whole goes without saying.
    const bool tableUnread = source.field != nullptr && !unread.empty() &&
                             std::string(unread.back()->table) == source.table && unread.back()->field == nullptr;
    if (!tableUnread) unread.push_back(&source);
  }
  std::erase_if(result.differences, [&unread](const TConfigDifference& d) {
    return std::any_of(unread.begin(), unread.end(), [&d](const TSource* s) {
      return d.table == s->table && (s->field == nullptr || d.field == s->field);
    });
  });
  for (const TSource* s : unread) {
    result.notCompared.push_back(s->field == nullptr ? std::string(s->table) : std::string(s->table) + ": " + s->field);
  }
  return result;
}

}  // namespace lur
