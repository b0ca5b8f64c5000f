#include "shell/TFormNastrController.h"

#include <algorithm>

namespace lur {

const std::vector<std::string>& TFormNastrController::Povt1Items() {
  static const std::vector<std::string> items = {"1", "5"};
  return items;
}
const std::vector<std::string>& TFormNastrController::Povt2Items() {
  static const std::vector<std::string> items = {"1", "10"};
  return items;
}
const std::vector<std::string>& TFormNastrController::IntervalItems() {
  static const std::vector<std::string> items = {"500", "1000", "1500", "2000", "2500", "3000"};
  return items;
}

void TFormNastrController::FormShow(int requestDelay, int receiveDelay) {
  if (!shown_) {
    shown_ = true;
    rememberedEdit1_ = std::clamp(requestDelay, 1, 100);
    rememberedEdit2_ = std::clamp(receiveDelay, 1, 100);
  }
  edit1 = rememberedEdit1_;
  edit2 = rememberedEdit2_;
  povt1Index = rememberedPovt1_;
  povt2Index = rememberedPovt2_;
  intervalIndex = rememberedInterval_;
  verify = rememberedVerify_;
}

void TFormNastrController::UpDown1Click(int delta) { edit1 = std::clamp(edit1 + delta, 1, 100); }
void TFormNastrController::UpDown2Click(int delta) { edit2 = std::clamp(edit2 + delta, 1, 100); }

int TFormNastrController::OKClick() {
  rememberedEdit1_ = edit1;
  rememberedEdit2_ = edit2;
  rememberedPovt1_ = povt1Index;
  rememberedPovt2_ = povt2Index;
  rememberedInterval_ = intervalIndex;
  rememberedVerify_ = verify;
  return kModalOk;
}

int TFormNastrController::FormClose() {
  edit1 = rememberedEdit1_;
  edit2 = rememberedEdit2_;
  povt1Index = rememberedPovt1_;
  povt2Index = rememberedPovt2_;
  intervalIndex = rememberedInterval_;
  verify = rememberedVerify_;
  return kModalCancel;
}

int TFormNastrController::RetriesStage1() const { return std::stoi(Povt1Items().at(static_cast<std::size_t>(povt1Index))); }
int TFormNastrController::RetriesStage2() const { return std::stoi(Povt2Items().at(static_cast<std::size_t>(povt2Index))); }

}  // namespace lur
