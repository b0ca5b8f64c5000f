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

// The function block widgets. Their values come from records a file or a
// controller may fill with anything (a type byte of 10, a timer subtype of
// 9), so each has int as its underlying type: every int is a valid value,
// and the widgets draw the values they do not know as nothing.

// The block type: the record's TipFB - 1.
enum TFBType : int {
  ftAND,
  ftANDInv,
  ftOR,
  ftORInv,
  ftGisterezis,
  ftTimer,
  ftTrigger,
  ftComparator,
  ftCounter
};

// The direction of a block input: taken as it is, or inverted (a circle).
enum InputType : int { itNormal, itInverse };

// The timer types T0..T5; tt5 is the alarm clock.
enum TimerType : int { tt0, tt1, tt2, tt3, tt4, tt5 };

// The unit of a timer's time: hundreds of milliseconds, seconds, tens of
// seconds.
enum TimerDiskr : int { tdms, tdsec, tdDecsec };

// A timer's set-point: a fixed time, or the address of an adjustable one.
enum TimerTUsT : int { tfix, tkorr };

// A comparator's set-point: a fixed value, or the address of an adjustable one.
enum CompTUst : int { tufix, tukorr };

enum TriggerType : int { ttRS, ttSR };

// A comparator's condition: below (L) or above (H) the set-point.
enum ComparatorCondition : int { ccL, ccH };

// A block's number mark: with its text, or the bar alone.
enum ShapeMark : int { smMark, smNoMark };

// The link from a block's output into an input of the next block; see
// TPShapeZ for the drawings.
enum ShapeZType : int {
  stZigzag0,
  stZigzag1,
  stZigzag2,
  stZigzag3,
  stZigzag4,
  stZigzag5,
  stZigzag6,
  stZigzag7,
  stZigzag8,
  stZigzag00
};

}  // namespace lur
