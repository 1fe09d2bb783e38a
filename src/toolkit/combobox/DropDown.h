#pragma once

#include <cstdint>

namespace s::gui::combobox {

// An item's text width, measured in bold where drawsBold(flags) says so.
struct MeasuredItem {
    std::int32_t textWidth = 0;
    std::uint32_t flags = 0;
};

// Lists longer than this show a vertical scroll bar when opened.
inline constexpr std::int32_t kRowsWithoutScrollBar = 30;
// How far a header's text is indented.
inline constexpr std::int32_t kHeaderIndent = 10;

// The width of the opened list: the widest item (headers indented), the
// scroll bar when there are more items than kRowsWithoutScrollBar, and the
// width of "0" as a margin.
std::int32_t dropDownWidth(const MeasuredItem* items, std::int32_t count,
                           std::int32_t scrollBarWidth, std::int32_t zeroWidth);

// Rows the opened list shows when its own size cannot be read.
inline constexpr std::int32_t kDefaultVisibleRows = 20;

// The top index to give the list when it opens, or -1 to leave it. A
// previous selection near the current one shows both, the smaller at the
// top; otherwise a list showing more than three rows centres the current one.
std::int32_t topIndexOnOpen(std::int32_t listHeight, std::int32_t itemHeight, std::int32_t current,
                            std::int32_t previous);

} // namespace s::gui::combobox
