#include "toolkit/controls/win/ImageControl.h"

#include "foundation/objects/Pools.h"
#include "foundation/system/win/Handles.h"
#include "toolkit/component/IContainer.h"
#include "toolkit/drawers/IDrawer.h"
#include "toolkit/win/NativeImage.h"

namespace s::gui::win {

namespace {

// The picture's pixels blended over an opaque background colour, so that
// a plain copy to the screen shows its transparent parts as background.
void overBackground(const gui::Image& image, COLORREF background, gui::Image& blended) {
    const std::uint8_t under[3] = {GetRValue(background), GetGValue(background),
                                   GetBValue(background)};
    std::size_t count = static_cast<std::size_t>(image.width()) * image.height();
    std::vector<std::uint8_t> pixels(image.pixels(), image.pixels() + count * 4);
    for (std::size_t i = 0; i < count; ++i) {
        std::uint8_t* p = &pixels[i * 4];
        unsigned alpha = p[3];
        for (int c = 0; c < 3; ++c)
            p[c] = static_cast<std::uint8_t>((p[c] * alpha + under[c] * (255 - alpha) + 127) / 255);
        p[3] = 255;
    }
    blended.assign(image.width(), image.height(), pixels.data());
}

std::unique_ptr<gui::Image> copyOf(const gui::Image& image) {
    auto copy = std::make_unique<gui::Image>();
    copy->assign(image.width(), image.height(), image.pixels());
    return copy;
}

} // namespace

Image::Image() : Control(1) {
    resetControl();
}

Image::~Image() {
    setParent(nullptr);
}

base::IObject* Image::newInstance() const {
    return thread::take<Image>();
}

void Image::release() {
    thread::giveBack(this);
}

void Image::resetControl() {
    stop();
    borrowed_ = nullptr;
    frames_.clear();
    frame_ = 0;
    frameMs_ = kDefaultFrameMs;
    measure();
}

const gui::Image* Image::current() const {
    if (borrowed_ != nullptr)
        return borrowed_;
    if (frame_ >= 0 && frame_ < static_cast<std::int32_t>(frames_.size()))
        return frames_[static_cast<std::size_t>(frame_)].get();
    return nullptr;
}

std::int32_t Image::getFrameCount() const {
    return borrowed_ != nullptr ? 1 : static_cast<std::int32_t>(frames_.size());
}

void Image::measure() {
    const gui::Image* image = current();
    std::int32_t w = image != nullptr ? image->width() : 0;
    std::int32_t h = image != nullptr ? image->height() : 0;
    setMinimumSize(w, h);
    setPreferredSize(w, h);
}

// A new picture: new size, new layout, new pixels on the screen.
void Image::shown() {
    measure();
    if (IContainer* parent = getParent())
        parent->revalidate();
    repaint();
}

void Image::setImage(const gui::Image* image, bool copy) {
    stop();
    frames_.clear();
    frame_ = 0;
    borrowed_ = nullptr;
    if (image != nullptr && copy)
        frames_.push_back(copyOf(*image));
    else
        borrowed_ = image;
    shown();
}

void Image::setFrames(const gui::Image* frames, std::int32_t count, std::uint32_t frameMs) {
    bool wasPlaying = playing_;
    stop();
    borrowed_ = nullptr;
    frames_.clear();
    for (std::int32_t i = 0; frames != nullptr && i < count; ++i)
        frames_.push_back(copyOf(frames[i]));
    frame_ = 0;
    frameMs_ = frameMs > 0 ? frameMs : kDefaultFrameMs;
    shown();
    if (wasPlaying)
        play();
}

void Image::setFrame(std::int32_t i) {
    if (i < 0 || i >= getFrameCount() || i == frame_)
        return;
    frame_ = i;
    repaint();
}

void Image::startTimer() {
    if (HWND hwnd = handle())
        SetTimer(hwnd, kFrameTimer, frameMs_, nullptr);
}

void Image::play() {
    playing_ = true;
    if (frames_.size() > 1)
        startTimer();
}

void Image::stop() {
    playing_ = false;
    if (HWND hwnd = handle())
        KillTimer(hwnd, kFrameTimer);
}

void Image::nativeCreated(HWND hwnd) {
    Control::nativeCreated(hwnd);
    if (playing_)
        play();
}

void Image::paint(HDC surface, const RECT& client) {
    fillBackground(surface, client);
    if (drawer::IDrawer* painter = this->painter())
        painter->paint(surface, client.left, client.top, client.right, client.bottom);
    const gui::Image* image = current();
    if (image == nullptr || image->isEmpty())
        return;
    // The background fillBackground chose is the pixel now in the corner.
    gui::Image blended;
    overBackground(*image, GetPixel(surface, 0, 0), blended);
    system::win::Bitmap bitmap(bitmapOf(blended));
    system::win::CreatedDc source(CreateCompatibleDC(surface));
    if (!bitmap || !source)
        return;
    system::win::Selection selection(source.get(), bitmap.get());
    int x = (client.right - image->width()) / 2;
    int y = (client.bottom - image->height()) / 2;
    BitBlt(surface, x, y, image->width(), image->height(), source.get(), 0, 0, SRCCOPY);
}

LRESULT Image::onMessage(HWND, UINT message, WPARAM wParam, LPARAM, bool& handled) {
    handled = false;
    if (message == WM_TIMER && wParam == kFrameTimer) {
        std::int32_t count = getFrameCount();
        if (playing_ && count > 1) {
            frame_ = (frame_ + 1) % count;
            repaint();
        }
        handled = true;
    }
    return 0;
}

} // namespace s::gui::win
