#pragma once
// Keeping the algorithms (named groups of blocks) in step when the editor
// creates, inserts or deletes a block. Members are block numbers; AlgHead is
// rebuilt from the first members afterwards.
#include "model/TProgFBClass.h"

namespace lur {

// Block n was created after the last block: it joins the last algorithm
// (as its head when that one has no members yet); with no algorithm, none.
void AlgAddBlockAtEnd(TProgFBClass& fb, int n);
// A block was inserted at record p (number p + 1; the old p + 1.. rise by
// one). Every member above p rises by one. The new block joins the
// algorithm that held the old p + 1, or the one before it when the old
// p + 1 headed it; when no algorithm held p + 1 it joins none.
void AlgInsertBlock(TProgFBClass& fb, int p);
// A group of `count` blocks n .. n + count - 1 was added after the last
// block: they join the last algorithm in order (the first as its head when
// that one has no members yet).
void AlgAddGroupAtEnd(TProgFBClass& fb, int n, int count);
// A group of `count` blocks was inserted at record p (numbers p + 1 ..
// p + count; the old p + 1.. rise by count). Every member above p rises by
// count; the group joins the algorithm that held the old p + 1, or the one
// before it when the old p + 1 headed it (not the first algorithm). A member
// pushed past the blocks' slots (FreeFB) ends its list.
void AlgInsertGroup(TProgFBClass& fb, int p, int count);
// Block q + 1 was deleted: it leaves its list, members above it fall by
// one, and an algorithm it leaves empty is removed (the following ones and
// their names move up a row).
void AlgDeleteBlock(TProgFBClass& fb, int q);

}  // namespace lur
