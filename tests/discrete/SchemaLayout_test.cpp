// Mouse positions mapped back to rows and their elements.
#include <gtest/gtest.h>

#include "discrete/TSchemaLayout.h"

namespace lur {
namespace {

// Row p drawn as the editor draws it: band p x 54 high, labels and buttons
// at the left, the input panel and line from 212, blocks as given.
TSchemaRow Row(int p, bool sign, bool zader, bool mr) {
  TSchemaRow row;
  row.position = p;
  const int top = p * TSchemaRow::kHeight;
  row.band = {0, top, 900, TSchemaRow::kHeight};
  row.numberLabel = {2, top + 1, 202, 30};
  row.textLabel = {1, top + 19, 202, 16};
  row.contactButton = {182, top + 6, 22, 20};
  row.archiveButton = {182, top + 29, 22, 20};
  row.inputPanel = {TSchemaRow::kInputLeft, top + 6, 90, 42};
  int right = TSchemaRow::kInputLeft + 90;
  if (sign) row.sign = {TSchemaRow::kSignLeft, top + 6, 60, 42}, right = row.sign.x;
  if (zader) row.zader = {TSchemaRow::kZaderLeft, top + 6, 42, 42}, right = row.zader.x;
  if (mr) row.mrPanel = {TSchemaRow::kMRLeft, top + 6, 200, 42}, right = row.mrPanel.x;
  row.line = {TSchemaRow::kInputLeft, top + 26, right - TSchemaRow::kInputLeft, 3};
  return row;
}

TEST(SchemaLayout, HitTestFindsTheTopmostElementOfTheRowAtThatHeight) {
  TSchemaLayout layout;
  layout.rows = {Row(0, true, false, true), Row(1, false, true, false)};
  layout.columnHeight = 3 * TSchemaRow::kHeight;

  struct Case {
    int x, y;
    int row;
    TSchemaElement element;
  };
  const Case cases[] = {
      {10, 5, 0, TSchemaElement::NumberLabel},
      {10, 25, 0, TSchemaElement::TextLabel},          // the text label lies over the number label
      {190, 10, 0, TSchemaElement::ContactButton},     // the button lies over the label's end
      {190, 35, 0, TSchemaElement::ArchiveButton},
      {250, 10, 0, TSchemaElement::InputPanel},
      {350, 27, 0, TSchemaElement::Line},
      {410, 27, 0, TSchemaElement::Sign},              // the block lies over the line
      {530, 27, 0, TSchemaElement::Line},              // no delay block in row 0: its line runs on
      {630, 10, 0, TSchemaElement::MR},
      {350, 50, 0, TSchemaElement::Band},
      {530, 54 + 27, 1, TSchemaElement::Zader},
      {410, 54 + 27, 1, TSchemaElement::Line},
      {410, 54 + 10, 1, TSchemaElement::Band},         // an absent block is no target
      {630, 54 + 27, 1, TSchemaElement::Band},         // past the line's end
      {950, 54 + 27, 1, TSchemaElement::None},         // right of the band, at row 1's height
      {250, 2 * 54, -1, TSchemaElement::None},         // the first pixel below the last row
      {250, 2 * 54 - 1, 1, TSchemaElement::Band},      // the last pixel of the last row
      {250, -1, -1, TSchemaElement::None},
  };
  for (const Case& c : cases) {
    const TSchemaHit hit = layout.HitTest(c.x, c.y);
    EXPECT_EQ(hit.row, c.row) << c.x << "," << c.y;
    EXPECT_EQ(hit.element, c.element) << c.x << "," << c.y;
  }
}

TEST(SchemaLayout, EmptySchemaIsAllBackground) {
  const TSchemaHit hit = TSchemaLayout{}.HitTest(0, 0);
  EXPECT_EQ(hit.row, -1);
  EXPECT_EQ(hit.element, TSchemaElement::None);
}

}  // namespace
}  // namespace lur
