#include "toolkit/controls/win/Control.h"

#include "foundation/objects/Pooled.h"
#include "foundation/strings/win/WideText.h"
#include "localization/Localizer.h"
#include "toolkit/component/IContainer.h"
#include "toolkit/controls/win/ControlMessages.h"
#include "toolkit/controls/win/OffScreenPaint.h"
#include "toolkit/ISkinHolder.h"
#include "toolkit/drawers/IDrawer.h"
#include "toolkit/native/NativePeerFactory.h"
#include "toolkit/win/BackBuffer.h"
#include "toolkit/win/Font.h"
#include "toolkit/window/IWindow.h"

#include <algorithm>
#include <string>
#include <iterator>

namespace s::gui::win {

Control::Control(std::int32_t fontCount) : ControlFonts(fontCount) {
}

Control::~Control() {
    // The window goes first: its procedure calls into this control.
    setParent(nullptr);
    releaseFonts();
    releasePainter();
}

void Control::clear() {
    Component::clear();
    reset();
    resetControl();
}

void Control::reset() {
    text_.set(u"");
    resetFonts();
    releaseFonts();
    releasePainter();
    listeners_.clear();
    brush_.reset();
}

HWND Control::handle() const {
    return HwndPeer::handleOf(nativePeer());
}

void Control::handleEvent(void* source, int) {
    IWindow* window = getWindow();
    if (source == nullptr || window == nullptr)
        return;
    ISkinHolder* holder = window->getSkinHolder();
    if (holder != nullptr && source == holder->eventSource()) {
        refreshSkin(*holder);
        return;
    }
    if (textId_ == -1)
        return;
    lang::Localizer* localizer = window->getLocalizer();
    if (localizer != nullptr && source == static_cast<void*>(localizer))
        setText(localizer->getText(textId_).cStr());
}

void Control::setTextPainted(const char16_t* text, bool paint) {
    text_.set(text != nullptr ? text : u"");
    if (INativePeer* peer = nativePeer())
        peer->setText(text_.cStr());
    const std::int32_t sizes[] = {getMinimumWidth(), getMinimumHeight(), getPreferredWidth(),
                                  getPreferredHeight()};
    measure();
    // A new text of the same size leaves the layout as it is (a count-down
    // changes its label every second).
    const std::int32_t measured[] = {getMinimumWidth(), getMinimumHeight(), getPreferredWidth(),
                                     getPreferredHeight()};
    IContainer* parent = getParent();
    if (parent != nullptr && !std::equal(std::begin(sizes), std::end(sizes), measured))
        parent->revalidate();
    if (paint)
        repaint();
}

void Control::setTextId(std::int32_t id) {
    textId_ = id;
    IWindow* window = getWindow();
    if (id == -1 || window == nullptr || window->getLocalizer() == nullptr)
        return;
    setText(window->getLocalizer()->getText(id).cStr());
}

// The text of the identifier, when it was set before the control had a
// window to ask, is looked up on attaching; the parent lays the control out
// at its measured size.
void Control::setParent(IContainer* parent) {
    if (parent != nullptr)
        measure();
    Component::setParent(parent);
    if (parent != nullptr && textId_ != -1)
        setTextId(textId_);
}

void Control::nativeCreated(HWND hwnd) {
    if (Font* f = font(0))
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(f->handle()), FALSE);
}

void Control::setPercentWidth(std::int32_t p) {
    storePercentWidth(p);
    if (IContainer* parent = getParent())
        parent->revalidate();
}

void Control::setPercentHeight(std::int32_t p) {
    storePercentHeight(p);
    if (IContainer* parent = getParent())
        parent->revalidate();
}

void Control::setFixedWidth(std::int32_t w) {
    storeFixedWidth(w);
    if (IContainer* parent = getParent())
        parent->revalidate();
}

void Control::setFixedHeight(std::int32_t h) {
    storeFixedHeight(h);
    if (IContainer* parent = getParent())
        parent->revalidate();
}

void Control::setPainter(drawer::IDrawer* painter, bool owned) {
    if (painter != painter_)
        releasePainter();
    painter_ = painter;
    painterOwned_ = painter != nullptr && owned;
    if (painter != nullptr) {
        fillFonts();
        // The skin's fonts come with the skin's colours.
        colourChosen_ = true;
    }
    fontsChanged();
}

void Control::releasePainter() {
    if (painter_ != nullptr && painterOwned_)
        painter_->release();
    painter_ = nullptr;
    painterOwned_ = false;
}

Font* Control::font(std::int32_t state) {
    if (state < 0 || state >= fontCount_)
        state = 0;
    if (realised_[state] == nullptr)
        realised_[state] = fonts_[state].createFont(scaleOf(this));
    return realised_[state];
}

void Control::releaseFonts() {
    for (Font*& f : realised_) {
        if (f != nullptr)
            f->release();
        f = nullptr;
    }
}

void Control::fontsChanged() {
    // The native control lets go of the old font before it is destroyed.
    Font* old[kMaxFonts];
    for (std::int32_t i = 0; i < kMaxFonts; ++i) {
        old[i] = realised_[i];
        realised_[i] = nullptr;
    }
    if (HWND hwnd = handle()) {
        Font* f = font(0);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(f != nullptr ? f->handle() : nullptr),
                     FALSE);
    }
    for (Font* f : old) {
        if (f != nullptr)
            f->release();
    }
    measure();
    if (IContainer* parent = getParent())
        parent->revalidate();
    repaint();
}

SIZE Control::textExtent(const char16_t* text, std::int32_t state) {
    return extentIn(font(state), text);
}

SIZE Control::layoutExtent(const char16_t* text, std::int32_t state) {
    if (state < 0 || state >= fontCount_)
        state = 0;
    thread::Pooled<Font> base(fonts_[state].createFont(DisplayScale{}));
    SIZE size = extentIn(base.get(), text);
    // A font made for another scale is hinted to other widths: at 150 % a
    // word can come out a few pixels wider than its 96-DPI width scaled.
    // Room for the wider of the two keeps its last letters in sight.
    const DisplayScale scale = scaleOf(this);
    if (!scale.isUnit()) {
        const SIZE drawn = extentIn(font(state), text);
        size.cx = std::max<LONG>(size.cx, scale.toToolkitCeil(drawn.cx));
        size.cy = std::max<LONG>(size.cy, scale.toToolkitCeil(drawn.cy));
    }
    return size;
}

SIZE Control::extentIn(Font* f, const char16_t* text) {
    SIZE size{0, 0};
    HDC screen = measuringDc();
    if (screen == nullptr)
        return size;
    system::win::Selection selection(screen, f != nullptr ? static_cast<HGDIOBJ>(f->handle())
                                                          : GetStockObject(DEFAULT_GUI_FONT));
    const wchar_t* wide = str::win::wide(text != nullptr ? text : u"");
    int length = lstrlenW(wide);
    if (!GetTextExtentPoint32W(screen, length > 0 ? wide : L"X", length > 0 ? length : 1,
                               &size))
        return SIZE{0, 0};
    if (length == 0)
        size.cx = 0;
    return size;
}

void Control::measure() {
    SIZE text = layoutExtent(text_.cStr(), 0);
    SIZE pad = padding();
    const std::int32_t w = text.cx + pad.cx;
    const std::int32_t h = text.cy + pad.cy;
    setMinimumSize(w, h);
    setPreferredSize(w, h);
}

std::uint32_t Control::textColour() const {
    return colourChosen_ ? fonts_[0].getColour()
                         : static_cast<std::uint32_t>(GetSysColor(COLOR_BTNTEXT));
}

bool Control::parentBackground(std::uint32_t& colour) const {
    IContainer* parent = getParent();
    if (parent == nullptr || parent->isBackgroundTransparent())
        return false;
    colour = parent->getBackground();
    return true;
}

namespace {

// A transparent control over a transparent box (such as the content of a
// meter) shows what the nearest kept image behind it holds.
bool copyBackgroundImage(Component& control, HDC surface, const RECT& r) {
    IContainer* parent = control.getParent();
    if (parent == nullptr)
        return false;
    std::int32_t x = control.getX() + control.getOriginX() + r.left;
    std::int32_t y = control.getY() + control.getOriginY() + r.top;
    BackBuffer* image = parent->getBackgroundImage(x, y);
    if (image == nullptr || image->dc() == nullptr)
        return false;
    return BitBlt(surface, r.left, r.top, r.right - r.left, r.bottom - r.top, image->dc(), x, y,
                  SRCCOPY) != FALSE;
}

} // namespace

void Control::fillBackground(HDC surface, const RECT& r) {
    std::uint32_t colour = getBackground();
    if (isBackgroundTransparent() && !parentBackground(colour)) {
        if (copyBackgroundImage(*this, surface, r))
            return;
        colour = systemColour(SystemColour::ButtonFace);
    }
    system::win::GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    FillRect(surface, &r, brush.get());
}

// The brush is kept for the platform to use and replaced when the colour
// changes; a transparent control over a transparent parent gets the hollow
// stock brush and a transparent text background.
LRESULT Control::answerColours(HDC dc) {
    SetTextColor(dc, textColour());
    std::uint32_t colour = getBackground();
    if (isBackgroundTransparent() && !parentBackground(colour)) {
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
    }
    SetBkColor(dc, colour);
    if (!brush_ || brushColour_ != colour) {
        brush_.reset(CreateSolidBrush(colour));
        brushColour_ = colour;
    }
    return reinterpret_cast<LRESULT>(brush_.get());
}

void Control::paintInto(HDC target) {
    if (HWND hwnd = handle())
        paintOffScreen(hwnd, target,
                       [this](HDC surface, const RECT& client) { paint(surface, client); });
}

LRESULT Control::onMessage(HWND, UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

UINT Control::textFitMessage() {
    static const UINT message = RegisterWindowMessageW(L"TarnwickTextFit");
    return message;
}

LRESULT Control::answerTextFit(HWND hwnd) {
    const char16_t* text = shownText();
    if (text == nullptr || text[0] == u'\0' || text[0] == u'#')
        return 0;
    RECT client{};
    GetClientRect(hwnd, &client);
    // Spaces at the end show nothing, whether they fit or not.
    std::u16string visible(text);
    while (!visible.empty() && (visible.back() == u' ' || visible.back() == u'\u00A0'))
        visible.pop_back();
    const SIZE need = textExtent(visible.c_str(), 0);
    const auto clamp = [](long v) { return static_cast<WORD>(v < 0 ? 0 : v > 0xFFFF ? 0xFFFF : v); };
    return MAKELRESULT(clamp(need.cx), clamp(textRoom(client)));
}

LRESULT Control::handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                               bool& handled) {
    if (message == textFitMessage() && message != 0) {
        handled = true;
        return answerTextFit(hwnd);
    }
    handled = false;
    LRESULT result = onMessage(hwnd, message, wParam, lParam, handled);
    if (handled)
        return result;
    auto paintClient = [this](HDC surface, const RECT& client) { paint(surface, client); };
    if (paintsItself() && answerPaintMessage(hwnd, message, wParam, paintClient, result)) {
        handled = true;
        return result;
    }
    handled = true;
    switch (message) {
    case kReflectedColours:
        return answerColours(reinterpret_cast<HDC>(wParam));
    case WM_NCHITTEST:
        if (transparentToHits())
            return HTTRANSPARENT;
        break;
    default:
        break;
    }
    handled = false;
    return 0;
}

} // namespace s::gui::win
