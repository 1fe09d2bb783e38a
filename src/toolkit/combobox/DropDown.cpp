#include "toolkit/combobox/DropDown.h"

#include "toolkit/combobox/ComboBoxItem.h"

#include <algorithm>
#include <cstdlib>

namespace s::gui::combobox {

std::int32_t dropDownWidth(const MeasuredItem* items, std::int32_t count,
                           std::int32_t scrollBarWidth, std::int32_t zeroWidth) {
    std::int32_t widest = 0;
    for (std::int32_t i = 0; items != nullptr && i < count; ++i) {
        std::int32_t width = items[i].textWidth;
        if ((items[i].flags & kHeader) != 0)
            width += kHeaderIndent;
        widest = std::max(widest, width);
    }
    if (count > kRowsWithoutScrollBar)
        widest += scrollBarWidth;
    return widest + zeroWidth;
}

std::int32_t topIndexOnOpen(std::int32_t listHeight, std::int32_t itemHeight, std::int32_t current,
                            std::int32_t previous) {
    if (current < 0)
        return -1;
    std::int32_t rows =
        listHeight > 0 && itemHeight > 0 ? listHeight / itemHeight : kDefaultVisibleRows;
    if (previous >= 0 && std::abs(previous - current) < rows)
        return std::min(previous, current);
    if (rows > 3)
        return std::max(0, current - rows / 2);
    return -1;
}

} // namespace s::gui::combobox
