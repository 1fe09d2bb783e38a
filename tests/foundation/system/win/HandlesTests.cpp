#include "foundation/system/win/Handles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <utility>

using s::system::win::Bitmap;
using s::system::win::CreatedDc;
using s::system::win::Handle;
using s::system::win::Selection;

namespace {

bool isOpen(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}

HANDLE newEvent() {
    return CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

} // namespace

TEST(Handles, OnlyTheLastOwnerClosesAndADetachedHandleStaysOpen) {
    HANDLE event = newEvent();
    ASSERT_TRUE(isOpen(event));
    Handle last;
    {
        Handle first(event);
        Handle second(std::move(first));
        last = std::move(second);
        EXPECT_FALSE(first.valid());
        EXPECT_FALSE(second.valid());
    }
    EXPECT_TRUE(isOpen(event)) << "an owner that moved its handle on closed it";
    last = std::move(last);
    EXPECT_TRUE(isOpen(event)) << "moving onto itself closed it";
    last.reset(newEvent());
    EXPECT_FALSE(isOpen(event)) << "reset kept the old handle open";

    HANDLE loose = last.detach();
    EXPECT_FALSE(last.valid());
    last.reset();
    EXPECT_TRUE(isOpen(loose)) << "a detached handle was closed";
    Handle{loose}.reset();
    EXPECT_FALSE(isOpen(loose));

    EXPECT_FALSE(Handle(INVALID_HANDLE_VALUE).valid());
    EXPECT_FALSE(Handle(nullptr).valid());
}

TEST(Handles, ASelectionIsUndoneBeforeTheBitmapAndTheMemoryDcAreDeleted) {
    CreatedDc dc(CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_BITMAP);
    Bitmap bitmap(CreateCompatibleBitmap(dc.get(), 4, 4));
    ASSERT_TRUE(bitmap);
    {
        Selection selected(dc.get(), bitmap.get());
        EXPECT_TRUE(selected);
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), bitmap.get());
        Selection moved(std::move(selected));
        EXPECT_FALSE(selected);
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), original);
    HGDIOBJ bits = bitmap.get();
    HDC context = dc.get();
    bitmap.reset();
    dc.reset();
    EXPECT_EQ(GetObjectType(bits), 0u) << "the bitmap outlived its owner";
    EXPECT_EQ(GetObjectType(context), 0u) << "the memory DC outlived its owner";
}
