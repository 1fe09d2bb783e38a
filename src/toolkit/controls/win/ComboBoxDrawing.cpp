#include "toolkit/controls/win/ComboBoxDrawing.h"

#include "foundation/objects/Pooled.h"
#include "foundation/strings/win/WideText.h"
#include "foundation/system/win/Handles.h"
#include "toolkit/win/Font.h"
#include "toolkit/win/FontSetting.h"

#include <iterator>

namespace s::gui::win {

namespace {

using combobox::ComboBoxItem;
namespace cb = combobox;

constexpr COLORREF kHeaderCap = RGB(85, 85, 85);
constexpr COLORREF kGreyText = RGB(136, 136, 136);
constexpr COLORREF kWhiteText = RGB(255, 255, 255);
constexpr COLORREF kSeparator = RGB(170, 170, 170);
constexpr COLORREF kLightSeparator = RGB(238, 238, 238);
constexpr char16_t kSeparatorFace[] = u"MS Shell Dlg 2";
// A header's cap: the rows over its top, each this much narrower than the
// item and centred.
constexpr int kCapInsets[] = {10, 6, 4, 2, 2};
constexpr int kCapRows = static_cast<int>(std::size(kCapInsets));

bool isSeparator(const ComboBoxItem& item) {
    return item.hasFlag(cb::kSeparatorLine) || item.hasFlag(cb::kLightSeparatorLine) ||
           item.isSeparatorFont();
}

void fill(HDC dc, const RECT& r, COLORREF colour) {
    system::win::GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    FillRect(dc, &r, brush.get());
}

void horizontalLine(HDC dc, int left, int right, int y, COLORREF colour) {
    fill(dc, RECT{left, y, right, y + 1}, colour);
}

// The font an item's text is drawn in: the control's, made bold or given the
// item's face where the item asks for it.
thread::Pooled<Font> itemFont(const ComboBoxItem& item, const FontSetting& base, bool perItemFont) {
    FontSetting setting = base;
    if (cb::drawsBold(item.getFlags()))
        setting.setBold(true);
    if (perItemFont && item.getFont()[0] != 0)
        setting.setFaceName(item.isSeparatorFont() ? kSeparatorFace : item.getFont());
    return thread::Pooled<Font>(setting.createFont(paintScale()));
}

void drawText(HDC dc, RECT r, const ComboBoxItem& item, const FontSetting& base, bool perItemFont,
              UINT align) {
    thread::Pooled<Font> font = itemFont(item, base, perItemFont);
    HGDIOBJ handle = font ? static_cast<HGDIOBJ>(font->handle()) : GetStockObject(DEFAULT_GUI_FONT);
    system::win::Selection selection(dc, handle);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, str::win::wide(item.getText()), -1, &r,
              align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void drawHeaderCap(HDC dc, const RECT& r) {
    int width = r.right - r.left;
    for (int row = 0; row < kCapRows && r.top + row < r.bottom; ++row) {
        int rowWidth = width - kCapInsets[row];
        if (rowWidth <= 0)
            continue;
        int left = r.left + (width - rowWidth) / 2;
        horizontalLine(dc, left, left + rowWidth, r.top + row, kHeaderCap);
    }
}

} // namespace

void drawListItem(HDC dc, const RECT& r, const ComboBoxItem& item, const ListItemState& state,
                  const FontSetting& base) {
    bool header = item.hasFlag(cb::kHeader);
    bool separator = isSeparator(item);
    const ListColours* own = state.colours;
    COLORREF text = own != nullptr ? own->text : GetTextColor(dc);
    if (state.selected && !header && !separator) {
        fill(dc, r, own != nullptr ? own->selectedBackground : GetSysColor(COLOR_HIGHLIGHT));
        text = own != nullptr ? own->selectedText : GetSysColor(COLOR_HIGHLIGHTTEXT);
    } else {
        fill(dc, r, own != nullptr ? own->background : GetBkColor(dc));
        if (item.hasFlag(cb::kGrey))
            text = kGreyText;
        if (item.hasFlag(cb::kWhite) || header)
            text = kWhiteText;
    }
    int mid = (r.top + r.bottom) / 2;
    if (item.hasFlag(cb::kLightSeparatorLine)) {
        horizontalLine(dc, r.left + 7, r.right - 7, mid, kLightSeparator);
    } else if (separator) {
        horizontalLine(dc, r.left + 2, r.right - 2, mid, kSeparator);
    } else {
        COLORREF oldText = SetTextColor(dc, text);
        if (header) {
            drawHeaderCap(dc, r);
            drawText(dc, RECT{r.left, r.top + kCapRows, r.right, r.bottom}, item, base,
                     state.perItemFont, DT_CENTER);
        } else {
            drawText(dc, RECT{r.left + 2, r.top, r.right, r.bottom}, item, base, state.perItemFont,
                     DT_LEFT);
        }
        SetTextColor(dc, oldText);
    }
    // The platform's focus frame inverts; over the list's own colours the
    // selection shows where the keys are.
    if (state.focused && own == nullptr)
        DrawFocusRect(dc, &r);
}

void drawPlainField(HDC dc, const RECT& client, const PlainField& field, const FontSetting& base) {
    RECT r = client;
    fill(dc, r, GetSysColor(field.enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    RECT button = r;
    button.left = button.right - GetSystemMetrics(SM_CXVSCROLL);
    UINT buttonState = DFCS_SCROLLCOMBOBOX | (field.dropped ? DFCS_PUSHED | DFCS_FLAT : 0) |
                       (field.enabled ? 0 : DFCS_INACTIVE);
    DrawFrameControl(dc, &button, DFC_SCROLL, buttonState);
    RECT textArea{r.left + 1, r.top + 1, button.left - 1, r.bottom - 1};
    if (textArea.right <= textArea.left || field.item == nullptr)
        return;
    COLORREF text = field.enabled ? field.textColour : GetSysColor(COLOR_GRAYTEXT);
    bool highlighted = field.focused && !field.dropped;
    if (highlighted) {
        fill(dc, textArea, GetSysColor(COLOR_HIGHLIGHT));
        text = GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    COLORREF oldText = SetTextColor(dc, text);
    drawText(dc, RECT{textArea.left + 2, textArea.top, textArea.right, textArea.bottom},
             *field.item, base, false, DT_LEFT);
    SetTextColor(dc, oldText);
    if (highlighted)
        DrawFocusRect(dc, &textArea);
}

} // namespace s::gui::win
