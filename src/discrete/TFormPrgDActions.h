#pragma once
// The actions of the discrete processing editor, by their objectNames, with
// their captions and shortcuts; the enabled state of each is a typed
// TControlStates<TFormPrgDAction>.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lur {

enum class TFormPrgDAction : std::uint8_t {
  AInPort,
  AOutPort,
  AVhod,
  ABSign,
  ABZader,
  ABVyh,
  AText,
  ASign,
  AZader,
  ABlVyh,
  AFB,
  AId,
  ADelSign,
  ADelZader,
  ADelVyh,
  AArhiv,
  AInfAnalog,
  ANomerVh,
  AInfVyh,
  ACut,
  ACopy,
  AChange,
  ADelChoose,
  AInsertPaspGroup,
  AInsertPaspGroupFrom,
  AChooseAll,
  AOpenFile,
  AClose,
  ASaveFile,
  ACreatFile,
  AParol,
  APort,
  Count
};

struct TFormPrgDActionText {
  std::string_view name;      // objectName
  std::string_view caption;   // "" where the window gives none of its own
  std::string_view shortcut;  // Qt's portable text ("F9", "Ctrl+F"), "" for none
};

// Captions and shortcuts of every action, in enum order.
const TFormPrgDActionText& ActionText(TFormPrgDAction action);

}  // namespace lur
