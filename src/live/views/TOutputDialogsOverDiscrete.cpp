#include "live/views/TOutputDialogsOverDiscrete.h"

namespace lur {
namespace {

constexpr int kRangeGroup = 2;
constexpr int kStartGroup = 3;

}  // namespace

int TOutputDialogsOverDiscrete::OutputText(int k, std::string& text) {
  // The dialog takes its label and text from the output itself.
  if (!textForm_.Preset(k)) return kModalCancel;
  const int result = textWindow_.ShowModal(textForm_);
  if (result == kModalOk) text = textForm_.editText;
  return result;
}

int TOutputDialogsOverDiscrete::GroupNumbers(const std::string& caption, int& first, int& last) {
  vhForm_.caption = caption;
  vhForm_.ShowGroup(kRangeGroup);
  const int result = vhWindow_.ShowModal(vhForm_);
  if (result != kModalOk) return result;
  const auto f = vhForm_.First();
  const auto l = vhForm_.Last();
  // The dialog lets only good numbers through; anything else is no answer.
  if (!f || !l) return kModalCancel;
  first = *f;
  last = *l;
  return result;
}

int TOutputDialogsOverDiscrete::StartNumber(const std::string& caption, const std::string& tooLarge,
                                            int& start) {
  vhForm_.caption = caption;
  vhForm_.ShowGroup(kStartGroup);
  vhForm_.tooLargeText = tooLarge;
  const int result = vhWindow_.ShowModal(vhForm_);
  if (result != kModalOk) return result;
  const auto s = vhForm_.Start();
  if (!s) return kModalCancel;
  start = *s;
  return result;
}

}  // namespace lur
