#include "toolkit/controls/win/GroupBox.h"

#include "foundation/objects/Pools.h"
#include "foundation/strings/win/WideText.h"
#include "foundation/system/win/Handles.h"
#include "localization/Localizer.h"
#include "toolkit/controls/TitleText.h"
#include "toolkit/controls/win/CheckBox.h"
#include "toolkit/controls/win/OffScreenPaint.h"
#include "toolkit/drawers/Painters.h"
#include "toolkit/native/NativePeerFactory.h"
#include "toolkit/win/Font.h"
#include "toolkit/window/IWindow.h"

#include <algorithm>

namespace s::gui::win {

namespace {
// The frame's inner margin, and where the title starts along the top edge.
constexpr std::int32_t kMargin = 6;
constexpr std::int32_t kTitleLeft = 8;
constexpr std::int32_t kTitlePadding = 2;
} // namespace

GroupBox::GroupBox() : ControlFonts(1) {
    resetGroupBox();
}

GroupBox::~GroupBox() {
    // The window goes first: its procedure calls into this group box.
    setParent(nullptr);
    dropTitleCheckBox();
    if (realised_ != nullptr)
        realised_->release();
}

base::IObject* GroupBox::newInstance() const {
    return thread::take<GroupBox>();
}

void GroupBox::release() {
    thread::giveBack(this);
}

void GroupBox::clear() {
    dropTitleCheckBox();
    titleCheckListeners_.freeMemory();
    Box::clear();
    resetGroupBox();
}

// The check box is no child the pile lays out: it follows the group box's
// own window and sits over the title.
void GroupBox::setParent(IContainer* parent) {
    if (parent == nullptr && titleCheck_ != nullptr)
        titleCheck_->setParent(nullptr);
    Box::setParent(parent);
    if (parent != nullptr && titleCheck_ != nullptr && nativePeer() != nullptr) {
        titleCheck_->setParent(static_cast<Box*>(this));
        doLayout();
    }
}

void GroupBox::doLayout() {
    Box::doLayout();
    if (titleCheck_ != nullptr) {
        SIZE title = titleExtent();
        titleCheck_->setBounds(kTitleLeft, 0, title.cx, title.cy);
    }
}

void GroupBox::setTitleCheckBox(ICheckBox* box) {
    if (box == titleCheck_)
        return;
    dropTitleCheckBox();
    titleCheck_ = box;
    if (box == nullptr)
        return;
    box->setText(shown_.cStr());
    auto* self = static_cast<events::IEventListener*>(static_cast<IComponent*>(this));
    box->addCheckedListener(self);
    box->addUncheckedListener(self);
    if (nativePeer() != nullptr)
        box->setParent(static_cast<Box*>(this));
    applyInsets();
    doLayout();
    repaint();
}

void GroupBox::dropTitleCheckBox() {
    if (ICheckBox* box = titleCheck_) {
        titleCheck_ = nullptr;
        box->setParent(nullptr);
        box->release();
    }
}

void GroupBox::addTitleCheckListener(events::IEventListener* listener) {
    if (listener != nullptr)
        titleCheckListeners_.add(listener);
}

void GroupBox::resetGroupBox() {
    setPileLayout();
    title_.set(u"");
    shown_.set(u"");
    textId_ = -1;
    resetFonts();
    if (realised_ != nullptr)
        realised_->release();
    realised_ = nullptr;
    applyInsets();
}

Font* GroupBox::titleFont() const {
    if (realised_ == nullptr)
        realised_ = fonts_[0].createFont();
    return realised_;
}

SIZE GroupBox::titleExtent() const {
    SIZE size{0, 0};
    if (titleCheck_ != nullptr)
        return SIZE{titleCheck_->getPreferredWidth(), titleCheck_->getPreferredHeight()};
    system::win::WindowDc screen(nullptr);
    Font* f = titleFont();
    system::win::Selection selection(screen.get(), f != nullptr ? static_cast<HGDIOBJ>(f->handle())
                                                                : GetStockObject(DEFAULT_GUI_FONT));
    RECT r{0, 0, 0, 0};
    // The shown text, measured as it is drawn: "&&" is one character wide.
    DrawTextW(screen.get(), str::win::wide(shown_.length() > 0 ? shown_.cStr() : u"X"), -1, &r,
              DT_CALCRECT | DT_SINGLELINE);
    size.cx = shown_.length() > 0 ? r.right : 0;
    size.cy = r.bottom;
    return size;
}

// The content sits inside the frame, below the title.
void GroupBox::applyInsets() {
    setInsetsHorizontal(kMargin);
    setInsetBottom(kMargin);
    setInsetTop(titleExtent().cy + kTitlePadding);
}

std::int32_t GroupBox::getMinimumWidth() const {
    return std::max(Box::getMinimumWidth(),
                    static_cast<std::int32_t>(titleExtent().cx) + 2 * kTitleLeft);
}

std::int32_t GroupBox::getPreferredWidth() const {
    return std::max(Box::getPreferredWidth(), getMinimumWidth());
}

void GroupBox::setTitle(const char16_t* title) {
    title_.set(title != nullptr ? title : u"");
    controls::literalTitle(title_.cStr(), shown_);
    if (INativePeer* peer = nativePeer())
        peer->setText(shown_.cStr());
    if (titleCheck_ != nullptr)
        titleCheck_->setText(shown_.cStr());
    applyInsets();
    doLayout();
    if (IContainer* parent = getParent())
        parent->revalidate();
    repaint();
}

void GroupBox::setTitleId(std::int32_t id) {
    textId_ = id;
    IWindow* window = getWindow();
    if (id != -1 && window != nullptr && window->getLocalizer() != nullptr)
        setTitle(window->getLocalizer()->getText(id).cStr());
}

void GroupBox::handleEvent(void* source, int eventId) {
    Box::handleEvent(source, eventId);
    if (titleCheck_ != nullptr && source == static_cast<IComponent*>(titleCheck_) &&
        (eventId == CheckBox::kChecked || eventId == CheckBox::kUnchecked)) {
        // Read afresh at every step: a listener may register another.
        for (std::uint32_t i = 0; i < titleCheckListeners_.length(); ++i)
            static_cast<events::IEventListener*>(titleCheckListeners_.at(i))
                ->handleEvent(static_cast<IComponent*>(this), kTitleCheckChanged);
        return;
    }
    IWindow* window = getWindow();
    if (source != nullptr && window != nullptr && textId_ != -1 &&
        source == static_cast<void*>(window->getLocalizer()))
        setTitleId(textId_);
}

void GroupBox::fontsChanged() {
    Font* old = realised_;
    realised_ = nullptr;
    if (HWND hwnd = HwndPeer::handleOf(nativePeer())) {
        Font* f = titleFont();
        SendMessageW(hwnd, WM_SETFONT,
                     reinterpret_cast<WPARAM>(f != nullptr ? f->handle() : nullptr), FALSE);
    }
    if (old != nullptr)
        old->release();
    applyInsets();
    doLayout();
    if (IContainer* parent = getParent())
        parent->revalidate();
    repaint();
}

void GroupBox::setContent(IComponent* component) {
    removeAll(false);
    if (component != nullptr)
        add(component);
}

// The skin's title font fills in what the program left unset.
void GroupBox::setDrawer(drawer::IDrawer* painter, bool owned) {
    Box::setDrawer(painter, owned);
    if (auto* group = dynamic_cast<drawer::IGroupBox*>(painter))
        group->fillFonts(&fonts_[0]);
    // The skin's title font comes with the skin's colour.
    if (painter != nullptr)
        colourChosen_ = true;
    fontsChanged();
}

NativeForm GroupBox::nativeForm() const {
    return NativeForm{L"Button", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 1000};
}

void GroupBox::nativeCreated(HWND hwnd) {
    if (Font* f = titleFont())
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(f->handle()), FALSE);
    if (textId_ != -1)
        setTitleId(textId_);
}

void GroupBox::paint(HDC surface, const RECT& client) {
    std::uint32_t colour = getBackground();
    if (isBackgroundTransparent()) {
        IContainer* parent = getParent();
        colour = parent != nullptr && !parent->isBackgroundTransparent()
                     ? parent->getBackground()
                     : systemColour(SystemColour::ButtonFace);
    }
    system::win::GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    FillRect(surface, &client, brush.get());
    SIZE title = titleExtent();
    Font* f = titleFont();
    if (auto* group = dynamic_cast<drawer::IGroupBox*>(getDrawer())) {
        group->paintGroup(surface,
                          drawer::Rect{client.left, client.top, client.right, client.bottom},
                          shown_.cStr(), f, title.cx, title.cy);
    } else {
        RECT frame{0, title.cy / 2, client.right, client.bottom};
        DrawEdge(surface, &frame, EDGE_ETCHED, BF_RECT);
        if (shown_.length() > 0 && titleCheck_ == nullptr) {
            system::win::Selection fontSelection(surface, f != nullptr
                                                              ? static_cast<HGDIOBJ>(f->handle())
                                                              : GetStockObject(DEFAULT_GUI_FONT));
            RECT text{kTitleLeft, 0, kTitleLeft + title.cx + 2 * kTitlePadding, title.cy};
            FillRect(surface, &text, brush.get());
            text.left += kTitlePadding;
            SetBkMode(surface, TRANSPARENT);
            SetTextColor(surface, colourChosen_
                                      ? fonts_[0].getColour()
                                      : static_cast<std::uint32_t>(GetSysColor(COLOR_BTNTEXT)));
            // The shown text goes through the prefix rule, which turns each
            // "&&" back into one "&" and underlines nothing.
            DrawTextW(surface, str::win::wide(shown_.cStr()), -1, &text, DT_SINGLELINE);
        }
    }
}

LRESULT GroupBox::handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                bool& handled) {
    LRESULT result = 0;
    handled = answerPaintMessage(
        hwnd, message, wParam, [this](HDC surface, const RECT& client) { paint(surface, client); },
        result);
    if (handled)
        return result;
    // The platform's group box would send its children's notifications on
    // to its own parent, which cannot tell them apart.
    return reflectToControl(hwnd, message, wParam, lParam, handled);
}

} // namespace s::gui::win
