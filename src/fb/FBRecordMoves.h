#pragma once
// Moving function block records and keeping the block-output references
// (inputs of kind 1) on the blocks they named when a block is inserted or
// deleted. References are block numbers 1..FreeFB; a larger number is a КВУ
// number and is never renumbered.
#include "model/TProgFBClass.h"

namespace lur {

// Records after the function blocks: two integrator records when any is in
// use, then the arithmetic blocks.
int CalcRecordCount(const TProgFBClass& fb);

// Makes room at record `at`: records at..last move up by one (a record
// pushed past CapFB - 1 is lost) and record `at` is cleared.
void OpenRecord(TProgFBClass& fb, int at, int last);
// Makes room for `count` records at `at`: records at .. CapFB - 1 - count
// move up by `count` (highest first, nothing passes CapFB - 1) and records
// at .. at + count - 1 are cleared.
void OpenRecords(TProgFBClass& fb, int at, int count);
// Removes record `at`: records at + 1..last move down by one and record
// `last` is cleared (at most CapFB - 1; when it is `at`, only `at` is).
void RemoveRecord(TProgFBClass& fb, int at, int last);

// A block was inserted at record p (it is number p + 1): references to
// blocks p + 1.. rise by one in records 0 .. blocks - 1; one that would
// leave 1..FreeFB becomes 0.
void ShiftRefsForInsert(TProgFBClass& fb, int p, int blocks);
// Block q + 1 was deleted: references to it become 0, those above it fall by
// one, in records 0 .. blocks - 1.
void ShiftRefsForDelete(TProgFBClass& fb, int q, int blocks);

// PlaceFB sources of block i: the numbers of the blocks feeding its inputs
// (kind 1, 1..FreeFB), 0 for the others.
void FillSources(TProgFBClass& fb, int i);

}  // namespace lur
