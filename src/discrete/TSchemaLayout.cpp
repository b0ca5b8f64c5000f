#include "discrete/TSchemaLayout.h"

#include <utility>

namespace lur {

TSchemaHit TSchemaLayout::HitTest(int x, int y) const {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const TSchemaRow& row = rows[i];
    // A row owns its height across the whole schema: a click right of the
    // band still counts as "at the height of" that row.
    if (y < row.band.y || y >= row.band.y + row.band.h) continue;
    TSchemaHit hit{static_cast<int>(i), TSchemaElement::None};
    // Topmost first: the buttons lie over the labels' right ends, the blocks
    // over the line, the text label over the number label's lower part.
    const std::pair<const TSchemaRect*, TSchemaElement> controls[] = {
        {&row.contactButton, TSchemaElement::ContactButton},
        {&row.archiveButton, TSchemaElement::ArchiveButton},
        {&row.inputPanel, TSchemaElement::InputPanel},
        {&row.sign, TSchemaElement::Sign},
        {&row.zader, TSchemaElement::Zader},
        {&row.mrPanel, TSchemaElement::MR},
        {&row.line, TSchemaElement::Line},
        {&row.textLabel, TSchemaElement::TextLabel},
        {&row.numberLabel, TSchemaElement::NumberLabel},
    };
    for (const auto& [rect, element] : controls) {
      if (rect->w > 0 && rect->Contains(x, y)) {
        hit.element = element;
        return hit;
      }
    }
    if (row.band.Contains(x, y)) hit.element = TSchemaElement::Band;
    return hit;
  }
  return {};
}

}  // namespace lur
