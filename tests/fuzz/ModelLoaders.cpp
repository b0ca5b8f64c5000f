#include "ModelLoaders.h"

#include "model/TProgF15Class.h"
#include "model/TProgFBClass.h"
#include "model/TProgLurClass.h"
#include "model/TProgMBAClass.h"
#include "model/TProgMBMClass.h"
#include "model/TProgMRClass.h"
#include "model/TProgRegClass.h"
#include "model/TServClass.h"

namespace lur::test {

bool FeedModelLoaders(std::span<const std::uint8_t> data) {
  if (data.empty()) return true;
  const std::span<const std::uint8_t> rest = data.subspan(1);
  switch (data[0] % 8) {
    case 0: TServClass::ExerciseLoaders(rest); return true;
    case 1: TProgLurClass::ExerciseLoaders(rest); return true;
    case 2: TProgMRClass::ExerciseLoaders(rest); return true;
    case 3: return FuzzProgFBLoaders(rest);
    case 4: return FuzzProgRegLoaders(rest);
    case 5: TProgMBMClass::ExerciseLoaders(rest); return true;
    case 6: TProgF15Class::ExerciseLoaders(rest); return true;
    default: TProgMBAClass::ExerciseLoaders(rest); return true;
  }
}

}  // namespace lur::test
