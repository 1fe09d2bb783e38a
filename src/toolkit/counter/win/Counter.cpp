#include "toolkit/counter/win/Counter.h"

#include "foundation/objects/Pools.h"
#include "toolkit/native/NativePeerFactory.h"
#include "toolkit/win/DisplayScales.h"
#include "toolkit/win/HwndPeer.h"
#include "toolkit/win/NativeImage.h"
#include "toolkit/win/PaintSupport.h"

#include <algorithm>
#include <cstring>

namespace s::gui::win {

Counter::Counter() {
    resetCounter();
}

Counter::~Counter() {
    unhookWindow();
    releaseOwnedPainter();
}

base::IObject* Counter::newInstance() const {
    return thread::take<Counter>();
}

void Counter::release() {
    thread::giveBack(this);
}

void Counter::clear() {
    unhookWindow();
    Box::clear();
    releaseOwnedPainter();
    series1_.clear();
    series2_.clear();
    backBuffer_.release();
    resetCounter();
}

void Counter::resetCounter() {
    content_ = nullptr;
    showSeries2_ = false;
    graphType_ = 0;
    marginLeft_ = marginTop_ = marginRight_ = marginBottom_ = 0;
    swapColours_ = false;
    defaultPainter_.clear();
    defaultPainter_.setColour1(0, 0, 0);
    setPileLayout();
    // The button-face colour, shown only once the counter is made opaque.
    setBackgroundSystem(false);
    setBackgroundTransparent(false);
}

void Counter::setParent(IContainer* parent) {
    unhookWindow();
    Box::setParent(parent);
    hookWindow();
}

// The box's window is a plain child of the toolkit's class; the counter
// takes its messages from here on.
void Counter::hookWindow() {
    HWND hwnd = HwndPeer::handleOf(nativePeer());
    if (hwnd == nullptr)
        return;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(static_cast<INativeWindowHandler*>(this)));
    hooked_ = hwnd;
    InvalidateRect(hwnd, nullptr, FALSE);
}

void Counter::unhookWindow() {
    if (hooked_ != nullptr && IsWindow(hooked_))
        detachHandler(hooked_);
    hooked_ = nullptr;
    backBuffer_.release();
    for (BarsImage& bars : bars_)
        bars.release();
}

HDC BarsImage::fit(std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0)
        return nullptr;
    if (dc_ && width == width_ && height == height_)
        return dc_.get();
    release();
    BITMAPINFO info = topDownInfo(width, height);
    dc_.reset(CreateCompatibleDC(nullptr));
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    if (!dc_ || !bitmap_) {
        release();
        return nullptr;
    }
    selection_.emplace(dc_.get(), bitmap_.get());
    width_ = width;
    height_ = height;
    return dc_.get();
}

void BarsImage::release() {
    selection_.reset();
    bitmap_.reset();
    dc_.reset();
    bits_ = nullptr;
    width_ = height_ = 0;
}

bool BarsImage::changedArea(const BarsImage& other, RECT& changed) const {
    changed = {0, 0, width_, height_};
    if (bits_ == nullptr || other.bits_ == nullptr || width_ != other.width_ ||
        height_ != other.height_)
        return true;
    GdiFlush();
    const auto* mine = static_cast<const std::uint32_t*>(bits_);
    const auto* theirs = static_cast<const std::uint32_t*>(other.bits_);
    changed = {width_, height_, 0, 0};
    for (std::int32_t y = 0; y < height_; ++y) {
        const std::uint32_t* a = mine + static_cast<std::size_t>(y) * width_;
        const std::uint32_t* b = theirs + static_cast<std::size_t>(y) * width_;
        if (std::memcmp(a, b, 4 * static_cast<std::size_t>(width_)) == 0)
            continue;
        std::int32_t left = 0, right = width_;
        while (a[left] == b[left])
            ++left;
        while (a[right - 1] == b[right - 1])
            --right;
        changed.left = std::min<LONG>(changed.left, left);
        changed.right = std::max<LONG>(changed.right, right);
        changed.top = std::min<LONG>(changed.top, y);
        changed.bottom = y + 1;
    }
    return changed.right > changed.left;
}

// A box folded to no size (a view not in use) hides all it holds.
bool Counter::hasArea() {
    for (IComponent* c = this; c != nullptr; c = c->getParent()) {
        if (c->getWidth() <= 0 || c->getHeight() <= 0)
            return false;
    }
    return true;
}

bool Counter::repaintIfChanged(Component* front) {
    // Neither the bars nor what lies in front of them is on the screen.
    if (!isShowing() || !hasArea())
        return false;
    RECT client{};
    if (hooked_ == nullptr || !GetClientRect(hooked_, &client) || IsRectEmpty(&client)) {
        if (front != nullptr)
            front->repaint();
        return false;
    }
    RECT changed = client;
    HDC next = nextBars().fit(client.right, client.bottom);
    bool barsChanged = true;
    if (next != nullptr) {
        drawBars(next, hooked_, client);
        barsChanged = nextBars().changedArea(shownBars(), changed);
    }
    // What is painted, in screen coordinates: the changed strip of the bars
    // and the front component whole.
    POINT origin{0, 0};
    ClientToScreen(hooked_, &origin);
    system::win::GdiObject<HRGN> area(CreateRectRgn(0, 0, 0, 0));
    if (!area) {
        repaint();
        return true;
    }
    if (barsChanged)
        SetRectRgn(area.get(), origin.x + changed.left, origin.y + changed.top,
                   origin.x + changed.right, origin.y + changed.bottom);
    HWND frontHwnd = front != nullptr ? HwndPeer::handleOf(front->nativePeer()) : nullptr;
    RECT bounds;
    if (frontHwnd != nullptr && GetWindowRect(frontHwnd, &bounds)) {
        system::win::GdiObject<HRGN> frontArea(CreateRectRgnIndirect(&bounds));
        if (frontArea)
            CombineRgn(area.get(), area.get(), frontArea.get(), RGN_OR);
    }
    if (!barsChanged) {
        if (front != nullptr)
            win::paintNow(*front, area.get());
    } else if (next == nullptr || !repaintInFront(area.get(), changed, next)) {
        OffsetRgn(area.get(), -origin.x, -origin.y);
        RedrawWindow(hooked_, nullptr, area.get(), RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    return barsChanged;
}

// Where the content covers all of the area, the meter's own window shows
// none of it: the meter's image, which the content copies from, takes the
// changed bars here, and the content paints there at once. False when the
// content does not cover it and the meter must repaint.
bool Counter::repaintInFront(HRGN area, const RECT& changed, HDC next) {
    HWND content = content_ != nullptr && content_->isShowing()
                       ? HwndPeer::handleOf(peerOf(content_))
                       : nullptr;
    geometry::Size image = backBuffer_.size();
    RECT covered, box, joined;
    if (content == nullptr || backBuffer_.dc() == nullptr || image.width < changed.right ||
        image.height < changed.bottom || !GetWindowRect(content, &covered) ||
        GetRgnBox(area, &box) == ERROR || !UnionRect(&joined, &covered, &box) ||
        !EqualRect(&joined, &covered))
        return false;
    BitBlt(backBuffer_.dc(), changed.left, changed.top, changed.right - changed.left,
           changed.bottom - changed.top, next, changed.left, changed.top, SRCCOPY);
    shownBars_ = 1 - shownBars_;
    win::paintNow(*content_, area);
    return true;
}

void Counter::repaint() {
    if (hooked_ == nullptr || !isShowing()) {
        Box::repaint();
        return;
    }
    // The parent first, then the children, which copy the fresh bars.
    RedrawWindow(hooked_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

BackBuffer* Counter::getBackgroundImage(std::int32_t& x, std::int32_t& y) {
    if (backBuffer_.dc() != nullptr)
        return &backBuffer_;
    return Box::getBackgroundImage(x, y);
}

void Counter::setContent(IComponent* component) {
    if (component == content_)
        return;
    IComponent* old = content_;
    content_ = nullptr;
    if (old != nullptr)
        remove(old, true);
    content_ = component;
    if (component != nullptr)
        add(component);
    repaint();
}

void Counter::releaseOwnedPainter() {
    if (painter_ != nullptr && painterOwned_)
        painter_->release();
    painter_ = nullptr;
    painterOwned_ = false;
}

void Counter::setDrawer(drawer::ICounter* painter, bool owned) {
    if (painter != painter_)
        releaseOwnedPainter();
    painter_ = painter;
    painterOwned_ = painter != nullptr && owned;
    repaint();
}

void Counter::setDrawer(drawer::IDrawer* drawer, bool owned) {
    if (auto* painter = dynamic_cast<drawer::ICounter*>(drawer)) {
        setDrawer(painter, owned);
        return;
    }
    if (drawer != nullptr && owned)
        drawer->release();
}

drawer::ICounter* Counter::getDrawer() {
    return painter_ != nullptr ? painter_ : &defaultPainter_;
}

void Counter::setGraphType(std::int32_t type) {
    graphType_ = type;
    repaint();
}

void Counter::setMargins(std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom) {
    marginLeft_ = left;
    marginTop_ = top;
    marginRight_ = right;
    marginBottom_ = bottom;
    repaint();
}

void Counter::setShowSeries2(bool on) {
    showSeries2_ = on;
    repaint();
}

void Counter::releaseBackBuffer() {
    backBuffer_.release();
    if (auto* box = dynamic_cast<IBox*>(content_))
        box->releaseBackBuffer();
    else if (auto* counter = dynamic_cast<ICounter*>(content_))
        counter->releaseBackBuffer();
}

bool Counter::toggleColourSwap() {
    swapColours_ = !swapColours_;
    repaint();
    return swapColours_;
}

LRESULT Counter::handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                               bool& handled) {
    handled = true;
    switch (message) {
    case WM_ERASEBKGND:
        // Painted whole through the back buffer.
        return 1;
    case WM_PAINT:
        paintNow(hwnd);
        return 0;
    case WM_NCHITTEST:
        // Clicks fall through to the window behind the meter.
        return HTTRANSPARENT;
    case WM_MOUSEWHEEL:
        if (HWND target = HwndPeer::handleOf(content_ != nullptr ? peerOf(content_) : nullptr))
            return SendMessageW(target, message, wParam, lParam);
        break;
    default:
        break;
    }
    handled = false;
    return 0;
}

void Counter::drawBars(HDC buffer, HWND hwnd, const RECT& client) {
    // Behind a transparent meter shows its parent's colour.
    IContainer* parent = getParent();
    std::uint32_t background =
        isBackgroundTransparent() && parent != nullptr ? parent->getBackground() : getBackground();
    SetDCBrushColor(buffer, static_cast<COLORREF>(background));
    FillRect(buffer, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    // Margins and the content's place are the toolkit's; the bars fill the
    // platform's pixels between them.
    const DisplayScale scale = scaleOfWindow(hwnd);
    getDrawer()->draw(buffer, scale.px(marginLeft_), scale.px(marginTop_),
                      client.right - scale.px(marginRight_),
                      client.bottom - scale.px(marginBottom_), graphType_, &series1_,
                      showSeries2_ ? &series2_ : nullptr, swapColours_);
}

void Counter::paintNow(HWND hwnd) {
    ChildPaint painting(hwnd);
    HDC screen = painting.dc();
    if (screen == nullptr)
        return;
    RECT client;
    GetClientRect(hwnd, &client);
    HDC buffer = backBuffer_.fit(screen, client.right, client.bottom);
    if (buffer != nullptr) {
        // Drawn where repaintIfChanged compares what it would draw with what
        // the screen shows, then copied.
        if (HDC shown = shownBars().fit(client.right, client.bottom)) {
            drawBars(shown, hwnd, client);
            BitBlt(buffer, 0, 0, client.right, client.bottom, shown, 0, 0, SRCCOPY);
        } else {
            drawBars(buffer, hwnd, client);
        }
        const DisplayScale scale = scaleOfWindow(hwnd);
        if (content_ != nullptr && content_->isShowing()) {
            std::int32_t x = content_->getX(), y = content_->getY();
            ExcludeClipRect(screen, scale.px(x), scale.px(y), scale.px(x + content_->getWidth()),
                            scale.px(y + content_->getHeight()));
        }
        BitBlt(screen, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    }
}

} // namespace s::gui::win
