#pragma once
// Enumerations of the diagram widgets, numbered as the tables store them
// (values 0, 1, 2, ... in the order given). The function block widgets add
// theirs here.

namespace lur {

// The kind of a TPanInp: an input with its contact button, a block number
// plate, or an input without the button (the rows of the discrete schema).
enum TPanelType { tpInput, tpNB, tpId };

// The drawing of a TShapeHorz: a straight line or a line with 1..4 teeth.
enum ShapeType { shNormal, shZigzag0, shZigzag1, shZigzag2, shZigzag3 };

// A panel's bevel: none, a lowered (sunken) or a raised frame one pixel wide.
enum TPanelBevel { bvNone, bvLowered, bvRaised };

}  // namespace lur
