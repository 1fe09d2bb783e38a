#pragma once

#include "toolkit/combobox/ComboBoxItem.h"

#include <windows.h>

#include <cstdint>

namespace s::gui::win {

class FontSetting;

// The colours of an opened list: its items, and the selected one.
struct ListColours {
    COLORREF background = 0;
    COLORREF text = 0;
    COLORREF selectedBackground = 0;
    COLORREF selectedText = 0;
};

// How the combo box draws an item of its opened list.
struct ListItemState {
    bool selected = false;
    bool focused = false;
    // Items in the face their font slot names rather than the control's.
    bool perItemFont = false;
    // The list's own colours, else the platform's (the list's background
    // and text, the highlight for the selected item).
    const ListColours* colours = nullptr;
};

// Draws one list item into dc over r: separator lines, the header's cap,
// highlight, bold, grey and white text. The background and text colours
// the list was given are those of items without their own.
void drawListItem(HDC dc, const RECT& r, const combobox::ComboBoxItem& item,
                  const ListItemState& state, const FontSetting& base);

// The closed combo box of a control without painter: a sunken field with
// the selected text and the platform's drop button.
struct PlainField {
    const combobox::ComboBoxItem* item = nullptr;
    bool enabled = true;
    bool dropped = false;
    bool focused = false;
    std::uint32_t textColour = 0;
};
void drawPlainField(HDC dc, const RECT& client, const PlainField& field, const FontSetting& base);

} // namespace s::gui::win
