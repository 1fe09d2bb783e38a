#include "foundation/objects/Pooled.h"
#include "toolkit/drawers/ThinDrawers.h"
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

} // namespace
} // namespace s::gui::win
