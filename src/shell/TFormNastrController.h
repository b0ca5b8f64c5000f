#pragma once
// The logic of the exchange settings dialog ("Настройка параметров обмена"):
// the request delay, the hidden receive delay, retry counts and timer
// interval, and whether a whole write is read back and checked ("Проверять
// после записи", on until the user turns it off), remembered for the run.
#include <string>
#include <vector>

#include "shell/TFormPortController.h"

namespace lur {

class TFormNastrController {
 public:
  static const std::vector<std::string>& Povt1Items();     // "1", "5"
  static const std::vector<std::string>& Povt2Items();     // "1", "10"
  static const std::vector<std::string>& IntervalItems();  // "500" .. "3000"

  // Showing: the remembered values; the first time "5", "10" and the current
  // delays of the link.
  void FormShow(int requestDelay, int receiveDelay);
  // The up-downs step within 1..100; the fields cannot be typed into.
  void UpDown1Click(int delta);
  void UpDown2Click(int delta);
  int OKClick();    // remembers what the controls show: kModalOk
  int FormClose();  // puts the remembered values back: kModalCancel

  int edit1 = 25;
  int edit2 = 20;
  int povt1Index = 1;
  int povt2Index = 1;
  int intervalIndex = 5;
  bool verify = true;  // CBoxVerify

  // The confirmed choice of CBoxVerify.
  bool VerifyAfterWrite() const { return rememberedVerify_; }

  int RetriesStage1() const;
  int RetriesStage2() const;

 private:
  bool shown_ = false;
  int rememberedEdit1_ = 25;
  int rememberedEdit2_ = 20;
  int rememberedPovt1_ = 1;
  int rememberedPovt2_ = 1;
  int rememberedInterval_ = 5;
  bool rememberedVerify_ = true;
};

}  // namespace lur
