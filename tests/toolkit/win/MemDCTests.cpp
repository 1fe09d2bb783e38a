#include "foundation/objects/Pooled.h"
#include "foundation/system/win/Handles.h"
#include "toolkit/drawers/ThinDrawers.h"
#include "toolkit/controls/win/OffScreenPaint.h"
#include "toolkit/win/Font.h"
#include "toolkit/win/FontSetting.h"
#include "toolkit/win/MemDC.h"
#include "win/MemorySurface.h"

#include <gtest/gtest.h>

namespace s::gui::win {
namespace {

TEST(MemDC, PaintsOffScreenAndCopiesInOneStep) {
    EXPECT_EQ(MemDC::create(nullptr, 0, 10), nullptr);
    EXPECT_EQ(MemDC::wrap(nullptr, nullptr, true), nullptr);

    thread::Pooled<MemDC> surface(MemDC::create(nullptr, 30, 20));
    ASSERT_TRUE(surface);
    EXPECT_EQ(surface->width(), 30);
    EXPECT_EQ(surface->height(), 20);
    drawer::window::IThin* frame = drawer::takeThinWindow();
    frame->setBackground(10, 200, 30);
    frame->setBorderColour(250, 0, 0);
    frame->paint(surface->handle(), 0, 0, 30, 20);
    frame->release();
    test::MemorySurface screen(40, 30, RGB(0, 0, 0));
    ASSERT_TRUE(surface->copyTo(screen.dc(), 5, 5));
    EXPECT_EQ(screen.at(4, 4), RGB(0, 0, 0));
    EXPECT_EQ(screen.at(5, 5), RGB(250, 0, 0));
    EXPECT_EQ(screen.at(20, 15), RGB(10, 200, 30));
    EXPECT_EQ(screen.at(35, 25), RGB(0, 0, 0));

    // Released and taken again, the surface comes back with a new image of
    // the new size.
    MemDC* first = surface.get();
    surface.reset();
    surface.reset(MemDC::create(nullptr, 8, 6));
    ASSERT_TRUE(surface);
    EXPECT_EQ(surface.get(), first);
    EXPECT_EQ(surface->width(), 8);

    // A borrowed image outlives the surface.
    system::win::WindowDc reference(nullptr);
    system::win::Bitmap image(CreateCompatibleBitmap(reference.get(), 4, 4));
    surface.reset(MemDC::wrap(nullptr, image.get(), false));
    ASSERT_TRUE(surface);
    surface.reset();
    BITMAP info{};
    EXPECT_EQ(GetObjectW(image.get(), sizeof info, &info), static_cast<int>(sizeof info));
}

// Repaints reuse one surface of the thread, enlarged only for a larger
// control; a paint inside a paint gets its own; what a painter leaves
// selected or set does not reach the next paint.
TEST(MemDC, PaintsShareTheThreadsSurfaceAndLeaveNothingBehind) {
    PaintSurface::releaseKept();
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 30, 20, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    test::MemorySurface screen(60, 40, RGB(0, 0, 0));
    const MemDC* first = nullptr;
    HFONT stock = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    for (int paint = 0; paint < 3; ++paint) {
        paintOffScreen(window, screen.dc(), [&](HDC surface, const RECT& client) {
            EXPECT_EQ(client.right, 30);
            EXPECT_EQ(GetCurrentObject(surface, OBJ_FONT), stock) << "paint " << paint;
            if (first == nullptr)
                first = PaintSurface::kept();
            EXPECT_EQ(PaintSurface::kept(), first) << "paint " << paint;
            // Inside this paint another one cannot share the surface.
            PaintSurface inner(window, 10, 10);
            ASSERT_TRUE(inner);
            EXPECT_NE(inner.dc(), surface);
            SelectObject(surface, GetStockObject(ANSI_FIXED_FONT));
            SetBkMode(surface, TRANSPARENT);
            s::system::win::GdiObject<HBRUSH> fill(CreateSolidBrush(RGB(0, 0, 200 + paint)));
            FillRect(surface, &client, fill.get());
        });
        EXPECT_EQ(screen.at(10, 10), RGB(0, 0, 200 + paint));
        EXPECT_EQ(screen.at(40, 10), RGB(0, 0, 0)) << "only the client part is copied";
    }
    ASSERT_NE(first, nullptr);
    EXPECT_GE(first->width(), 30);
    // A larger control enlarges it; a smaller one paints into the same.
    SetWindowPos(window, nullptr, 0, 0, 50, 10, SWP_NOMOVE | SWP_NOZORDER);
    paintOffScreen(window, screen.dc(), [](HDC, const RECT&) {});
    ASSERT_NE(PaintSurface::kept(), nullptr);
    EXPECT_GE(PaintSurface::kept()->width(), 50);
    EXPECT_GE(PaintSurface::kept()->height(), 20);
    DestroyWindow(window);
    PaintSurface::releaseKept();
    EXPECT_EQ(PaintSurface::kept(), nullptr);
}

// Controls with one font setting share one native font; measuring needs no
// screen context of its own each time.
TEST(MemDC, FontsOfOneDescriptionAreMadeOnce) {
    FontSetting setting;
    setting.setSizeCode(105);
    thread::Pooled<Font> a(setting.createFont({}));
    std::size_t made = sharedNativeFontCount();
    thread::Pooled<Font> b(setting.createFont({}));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->handle(), b->handle());
    EXPECT_EQ(sharedNativeFontCount(), made);
    setting.setBold(false);
    setting.setItalic(true);
    thread::Pooled<Font> c(setting.createFont({}));
    ASSERT_TRUE(c);
    EXPECT_NE(c->handle(), a->handle());
    EXPECT_EQ(sharedNativeFontCount(), made + 1);
    // Released fonts leave the shared one usable.
    HFONT shared = a->handle();
    a.reset();
    b.reset();
    LOGFONTW described{};
    EXPECT_EQ(GetObjectW(shared, sizeof described, &described), static_cast<int>(sizeof described));
    EXPECT_EQ(measuringDc(), measuringDc());
}

} // namespace
} // namespace s::gui::win
