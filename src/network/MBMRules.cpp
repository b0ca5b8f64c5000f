#include "network/MBMRules.h"

namespace lur {
namespace {

bool MultipleOf4UpTo(int n, int most) { return n % 4 == 0 && n <= most; }

}  // namespace

std::vector<std::string> CheckDeviceRules(const TMBMRuleInput& b) {
  std::vector<std::string> messages;
  const int n = b.kolVh;
  const int a = b.adBegDat;
  const int d = b.kolDat;
  const bool lur01 = b.tipUstr == kSlaveLur01;
  bool countOk = true;
  bool quantityOk = d == n;
  bool extraQuantityFailure = false;  // LUR-05 function 3 with integers
  const char* start = nullptr;
  bool sumOk = true;

  switch (b.tipUstr) {
    case kSlaveLur01:
      if (b.kodF == 1) {
        countOk = MultipleOf4UpTo(n, 16);
        if (!(a == 0 || (a >= 16 && a <= 31))) start = kWrongStartLur01;
      } else if (b.kodF == 2) {
        countOk = MultipleOf4UpTo(n, 32);
        if (a > 31) start = kWrongStartLur01;
        sumOk = d + a <= 32;
      }
      break;
    case kSlaveTern:
    case kSlaveSurLo:
    case kSlaveSurLe:
      countOk = n == 1;
      if (a != 0) start = kWrongStart;
      break;
    case kSlaveVeda:
      countOk = n == 1 || n == 6 || n == 12;
      break;
    case kSlaveLur05:
    case kSlaveOther:
      if (b.kodF == 1) {
        countOk = MultipleOf4UpTo(n, 40);
      } else if (b.kodF == 2) {
        countOk = MultipleOf4UpTo(n, 192);
      } else {
        countOk = n <= 12;
        if (b.tipDate == 1) {
          quantityOk = d == 2 * n;
        } else if (b.tipUstr == kSlaveLur05 && b.kodF == 3) {
          // The slave sends function 3 only as IEEE754 pairs.
          extraQuantityFailure = true;
        }
      }
      break;
    default:  // "резерв"
      break;
  }
  if (n < 1) countOk = false;

  if (!countOk) messages.emplace_back(lur01 ? kWrongCountLur01 : kWrongCount);
  if (start) messages.emplace_back(start);
  if (extraQuantityFailure) messages.emplace_back(kWrongQuantity);
  if (!quantityOk) messages.emplace_back(kWrongQuantity);
  if (!sumOk) messages.emplace_back(kWrongSum);
  return messages;
}

}  // namespace lur
