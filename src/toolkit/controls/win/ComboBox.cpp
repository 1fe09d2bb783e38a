#include "toolkit/controls/win/ComboBox.h"

#include "foundation/objects/Pooled.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/win/WideText.h"
#include "toolkit/combobox/DropDown.h"
#include "toolkit/component/IContainer.h"
#include "toolkit/controls/win/ComboBoxDrawing.h"
#include "toolkit/controls/win/ControlMessages.h"
#include "toolkit/drawers/Painters.h"
#include "toolkit/win/Font.h"

#include <algorithm>
#include <vector>

namespace s::gui::win {

namespace {

using combobox::ComboBoxItem;

// Border and padding around the field's text: the platform adds three
// pixels above and below the item height it is given for the field.
constexpr std::int32_t kFieldFrame = 6;
constexpr std::int32_t kItemPadding = 4;

} // namespace

ComboBox::ComboBox() : Control(2) {
    resetControl();
}

ComboBox::~ComboBox() {
    // The window goes before the items its procedure draws.
    setParent(nullptr);
}

base::IObject* ComboBox::newInstance() const {
    return thread::take<ComboBox>();
}

void ComboBox::release() {
    thread::giveBack(this);
}

const char16_t* ComboBox::shownText() const {
    const ComboBoxItem* selected = items_.selectedItem();
    return selected != nullptr ? selected->getText() : u"";
}

// The painter's text area: 4 pixels from the left, 15 from the right for
// the separator and the drop arrow.
std::int32_t ComboBox::textRoom(const RECT& client) const {
    return client.right - client.left - scaleOfWindow(handle()).px(19);
}

void ComboBox::setListColours(std::uint32_t background, std::uint32_t text,
                              std::uint32_t selectedBackground, std::uint32_t selectedText) {
    listColours_ = {background, text, selectedBackground, selectedText};
    ownListColours_ = true;
}

void ComboBox::resetControl() {
    items_.releaseAll();
    perItemFonts_ = false;
    ownListColours_ = false;
    dropped_ = false;
    scrollPending_ = false;
    mouseOver_ = false;
    hover_ = 0;
    fitsItems_ = false;
    measure();
}

// The size is the same whatever the font (unless it fits its items); the
// list's rows follow the font.
void ComboBox::measure() {
    std::int32_t width = kMinimumWidth;
    if (fitsItems_) {
        // The closed box's text area leaves 4 pixels on the left and 15 for
        // the separator and the arrow on the right, 1 more when hovered.
        constexpr std::int32_t kTextAreaMargins = 4 + 16 + 2;
        for (std::int32_t i = 0; i < items_.count(); ++i)
            width = std::max(width, static_cast<std::int32_t>(
                                        layoutExtent(items_.at(i)->getText(), 0).cx +
                                        kTextAreaMargins));
    }
    setMinimumSize(width, kMinimumHeight);
    setPreferredSize(width, kMinimumHeight);
    if (HWND hwnd = handle())
        SendMessageW(hwnd, CB_SETITEMHEIGHT, 0, itemHeight());
}

void ComboBox::fitToItems() {
    const std::int32_t before = getMinimumWidth();
    measure();
    if (getMinimumWidth() != before) {
        if (IContainer* parent = getParent())
            parent->revalidate();
    }
}

NativeForm ComboBox::nativeForm() const {
    return NativeForm{
        L"ComboBox",
        WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 0, 1020};
}

void ComboBox::nativeCreated(HWND hwnd) {
    fieldHeight_ = 0;
    Control::nativeCreated(hwnd);
    fillNative();
    if (items_.selected() < 0)
        items_.select(0);
    showSelection();
}

void ComboBox::fillNative() {
    HWND hwnd = handle();
    if (hwnd == nullptr)
        return;
    SendMessageW(hwnd, CB_RESETCONTENT, 0, 0);
    for (std::int32_t i = 0; i < items_.count(); ++i)
        SendMessageW(hwnd, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(str::win::wide(items_.at(i)->getText())));
}

void ComboBox::showSelection() {
    if (HWND hwnd = handle())
        SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(items_.selected()), 0);
    repaint();
}

void ComboBox::selectionChanged(bool notify) {
    showSelection();
    if (notify)
        raise(0, kSelectionChanged);
}

void ComboBox::addItem(ComboBoxItem* item) {
    insertItem(items_.count(), item);
}

void ComboBox::insertItem(std::int32_t i, ComboBoxItem* item) {
    i = items_.insert(i, item);
    if (i < 0)
        return;
    if (HWND hwnd = handle()) {
        SendMessageW(hwnd, CB_INSERTSTRING, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(str::win::wide(item->getText())));
        showSelection();
    }
}

ComboBoxItem* ComboBox::removeItemAt(std::int32_t i) {
    ComboBoxItem* item = items_.removeAt(i);
    if (item != nullptr && handle() != nullptr) {
        SendMessageW(handle(), CB_DELETESTRING, static_cast<WPARAM>(i), 0);
        showSelection();
    }
    return item;
}

void ComboBox::removeItem(ComboBoxItem* item) {
    removeItemAt(items_.indexOf(item));
}

void ComboBox::releaseItemAt(std::int32_t i) {
    if (items_.at(i) == nullptr)
        return;
    items_.releaseAt(i);
    if (HWND hwnd = handle()) {
        SendMessageW(hwnd, CB_DELETESTRING, static_cast<WPARAM>(i), 0);
        showSelection();
    }
}

void ComboBox::releaseItem(ComboBoxItem* item) {
    releaseItemAt(items_.indexOf(item));
}

void ComboBox::releaseItemById(std::int32_t id) {
    releaseItemAt(items_.indexOfId(id));
}

void ComboBox::releaseSelectedItem() {
    releaseItemAt(items_.selected());
}

void ComboBox::releaseAllItems() {
    items_.releaseAll();
    fillNative();
    showSelection();
}

void ComboBox::select(std::int32_t i, bool notify) {
    if (items_.select(i))
        selectionChanged(notify);
}

void ComboBox::selectById(std::int32_t id, bool notify) {
    if (items_.selectById(id))
        selectionChanged(notify);
}

void ComboBox::addSelectionListener(events::IEventListener* listener) {
    addListener(0, listener);
}

void ComboBox::setDrawer(drawer::ICombo* painter, bool owned) {
    setPainter(painter, owned);
}

void ComboBox::fillFonts() {
    if (auto* combo = dynamic_cast<drawer::ICombo*>(painter()))
        combo->fillFonts(&fonts_[0], &fonts_[1]);
}

void ComboBox::setPerItemFonts(bool on) {
    perItemFonts_ = on;
    if (HWND hwnd = handle())
        InvalidateRect(hwnd, nullptr, FALSE);
}

std::int32_t ComboBox::itemHeight() {
    return textExtent(u"Xg", 0).cy + scaleOf(this).px(kItemPadding);
}

// The field takes the control's height whatever its font. Setting it
// resizes the control, which closes an open list: it is set only when it
// changes.
void ComboBox::boundsChanged() {
    HWND hwnd = handle();
    if (hwnd == nullptr || getHeight() <= kFieldFrame)
        return;
    std::int32_t field = scaleOf(this).px(getHeight() - kFieldFrame);
    if (field == fieldHeight_)
        return;
    fieldHeight_ = field;
    SendMessageW(hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
}

void ComboBox::onSelectionReflected(HWND hwnd) {
    auto native = static_cast<std::int32_t>(SendMessageW(hwnd, CB_GETCURSEL, 0, 0));
    if (items_.takeSelection(native)) {
        raise(0, kSelectionChanged);
        InvalidateRect(hwnd, nullptr, FALSE);
    }
}

// The list is as wide as its widest item; it scrolls once its first item is
// drawn, when its size is known.
void ComboBox::onDropDown(HWND hwnd) {
    dropped_ = true;
    scrollPending_ = true;
    setHover(2);
    std::vector<combobox::MeasuredItem> measured;
    measured.reserve(static_cast<std::size_t>(items_.count()));
    for (std::int32_t i = 0; i < items_.count(); ++i) {
        const ComboBoxItem* item = items_.at(i);
        FontSetting setting = fonts_[0];
        if (combobox::drawsBold(item->getFlags()))
            setting.setBold(true);
        system::win::WindowDc screen(nullptr);
        thread::Pooled<Font> f(setting.createFont(scaleOf(this)));
        system::win::Selection selection(screen.get(), f ? static_cast<HGDIOBJ>(f->handle())
                                                         : GetStockObject(DEFAULT_GUI_FONT));
        SIZE size{0, 0};
        const wchar_t* text = str::win::wide(item->getText());
        GetTextExtentPoint32W(screen.get(), text, lstrlenW(text), &size);
        measured.push_back({size.cx, item->getFlags()});
    }
    std::int32_t width = combobox::dropDownWidth(
        measured.data(), items_.count(), GetSystemMetrics(SM_CXVSCROLL), textExtent(u"0", 0).cx);
    SendMessageW(hwnd, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width), 0);
    reserveListHeight(hwnd);
}

// The platform opens the list as tall as the window was last made beyond
// its field; the layout makes it only as tall as the field. Asked for more
// now, it keeps the difference for the list and shrinks back to the field.
void ComboBox::reserveListHeight(HWND hwnd) {
    RECT r{};
    if (!GetWindowRect(hwnd, &r))
        return;
    std::int32_t rows = std::clamp(items_.count(), 1, combobox::kRowsWithoutScrollBar);
    auto row = static_cast<std::int32_t>(SendMessageW(hwnd, CB_GETITEMHEIGHT, 0, 0));
    std::int32_t list = rows * std::max(row, 1) + 2;
    SetWindowPos(hwnd, nullptr, 0, 0, r.right - r.left, (r.bottom - r.top) + list,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBox::scrollOnOpen(HWND list) {
    scrollPending_ = false;
    RECT r{};
    std::int32_t listHeight = list != nullptr && GetClientRect(list, &r) ? r.bottom : 0;
    auto rowHeight = static_cast<std::int32_t>(SendMessageW(handle(), CB_GETITEMHEIGHT, 0, 0));
    std::int32_t top =
        combobox::topIndexOnOpen(listHeight, rowHeight, items_.selected(), items_.previous());
    if (top >= 0)
        SendMessageW(handle(), CB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
}

void ComboBox::drawItem(const DRAWITEMSTRUCT& item) {
    // The field is painted whole with the control; the platform draws it
    // on its own when the selection moves, so it is painted again.
    if ((item.itemState & ODS_COMBOBOXEDIT) != 0) {
        InvalidateRect(item.hwndItem, nullptr, FALSE);
        return;
    }
    if (item.itemID == static_cast<UINT>(-1))
        return;
    const ComboBoxItem* entry = items_.at(static_cast<std::int32_t>(item.itemID));
    if (entry == nullptr)
        return;
    if (scrollPending_)
        scrollOnOpen(WindowFromDC(item.hDC));
    ListItemState state;
    state.selected = (item.itemState & ODS_SELECTED) != 0;
    state.focused = (item.itemState & ODS_FOCUS) != 0;
    state.perItemFont = perItemFonts_;
    state.colours = ownListColours_ ? &listColours_ : nullptr;
    PaintScale scale(scaleOfWindow(item.hwndItem));
    drawListItem(item.hDC, item.rcItem, *entry, state, fonts_[0]);
}

void ComboBox::setHover(std::int32_t state) {
    if (state == hover_)
        return;
    hover_ = state;
    if (HWND hwnd = handle())
        InvalidateRect(hwnd, nullptr, FALSE);
}

void ComboBox::paint(HDC surface, const RECT& client) {
    HWND hwnd = handle();
    const ComboBoxItem* selected = items_.selectedItem();
    if (auto* combo = dynamic_cast<drawer::ICombo*>(painter())) {
        fillBackground(surface, client);
        Font* f = font(isEnabled() ? 0 : 1);
        combo->paintCombo(surface,
                          drawer::Rect{client.left, client.top, client.right, client.bottom},
                          hover_, selected != nullptr ? selected->getText() : u"", f, isEnabled());
        // Around the text, left of the drop arrow's separator.
        if (hwnd != nullptr && GetFocus() == hwnd && !dropped_) {
            const auto scale = paintScale();
            combo->paintFocus(surface, drawer::Rect{client.left + scale.px(3),
                                                    client.top + scale.px(3),
                                                    client.right - scale.px(15),
                                                    client.bottom - scale.px(3)});
        }
        return;
    }
    PlainField field;
    field.item = selected;
    field.enabled = isEnabled();
    field.dropped = dropped_;
    field.focused = hwnd != nullptr && GetFocus() == hwnd;
    field.textColour = textColour();
    drawPlainField(surface, client, field, fonts_[0]);
}

LRESULT ComboBox::onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = false;
    switch (message) {
    case kReflectedSelection:
        onSelectionReflected(hwnd);
        handled = true;
        return 0;
    case kReflectedDropDown:
        onDropDown(hwnd);
        handled = true;
        return 0;
    case kReflectedCloseUp:
        dropped_ = false;
        setHover(mouseOver_ ? 1 : 0);
        handled = true;
        return 0;
    case WM_DRAWITEM:
        drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        handled = true;
        return TRUE;
    case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        measure->itemHeight = static_cast<UINT>(
            measure->itemID == static_cast<UINT>(-1)
                ? getHeight() > kFieldFrame ? scaleOf(this).px(getHeight() - kFieldFrame)
                                            : itemHeight()
                : itemHeight());
        handled = true;
        return TRUE;
    }
    case WM_MOUSEMOVE:
        if (!mouseOver_) {
            mouseOver_ = true;
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
            TrackMouseEvent(&track);
        }
        if (!dropped_)
            setHover((wParam & MK_LBUTTON) != 0 ? 2 : 1);
        break;
    case WM_MOUSELEAVE:
        mouseOver_ = false;
        if (!dropped_)
            setHover(0);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        break;
    default:
        break;
    }
    return 0;
}

} // namespace s::gui::win
