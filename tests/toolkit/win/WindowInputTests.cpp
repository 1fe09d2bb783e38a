#include "toolkit/win/WindowTestSupport.h"

#include "toolkit/box/Box.h"
#include "toolkit/native/NativePeerFactory.h"
#include "toolkit/win/HwndPeer.h"

#include <gtest/gtest.h>

#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <thread>

using s::test::TestWindow;

namespace {

void mouse(DWORD flags, int x, int y) {
    s::test::sendMouse(flags, x, y);
}

// Presses at (x, y), moves by (dx, dy) in steps and lets go.
void drag(int x, int y, int dx, int dy, DWORD down, DWORD up) {
    mouse(0, x, y);
    mouse(down, x, y);
    for (int step = 1; step <= 5; ++step)
        mouse(0, x + dx * step / 5, y + dy * step / 5);
    mouse(up, x + dx, y + dy);
    Sleep(200);
}

} // namespace

TEST(WindowInput, EasyDragMovesTheWindowByItsClientAreaButNotWhileTheRightButtonIsHeld) {
    TestWindow window;
    window->setBounds(200, 200, 300, 200);
    window->setEasyDrag(true);
    window->show(true, true);
    Sleep(300);
    RECT before = s::test::rectOf(window->handle());
    RECT client;
    GetClientRect(window->handle(), &client);
    POINT inside{client.right / 2, client.bottom / 2};
    ClientToScreen(window->handle(), &inside);

    drag(inside.x, inside.y, 80, 50, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    RECT after = s::test::rectOf(window->handle());
    EXPECT_EQ(after.left - before.left, 80);
    EXPECT_EQ(after.top - before.top, 50);

    // With the right button held the client area stays a client area.
    inside.x += 80;
    inside.y += 50;
    mouse(MOUSEEVENTF_RIGHTDOWN, inside.x, inside.y);
    drag(inside.x, inside.y, 60, 40, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    mouse(MOUSEEVENTF_RIGHTUP, inside.x + 60, inside.y + 40);
    RECT held = s::test::rectOf(window->handle());
    EXPECT_EQ(held.left, after.left);
    EXPECT_EQ(held.top, after.top);
}

TEST(WindowInput, SizingFromTheLeftStopsAtTheMinimumAndKeepInScreenStopsDragsAtTheEdge) {
    // A painted frame: its 5-pixel border is the window's own, so the
    // platform's sizing starts there whoever draws the decorations.
    TestWindow window;
    s::test::BlankDrawer drawer;
    window->setFrameDrawer(&drawer, false);
    window->setBounds(200, 200, 300, 200);
    window->setMinimumWidth(250);
    window->show(true, true);
    Sleep(300);
    RECT before = s::test::rectOf(window->handle());
    int midY = (before.top + before.bottom) / 2;
    POINT edge{before.left + 2, midY};
    ASSERT_EQ(SendMessageW(window->handle(), WM_NCHITTEST, 0, MAKELPARAM(edge.x, edge.y)), HTLEFT);
    s::test::EventCounter sizing, leftDown;
    window->addSizingListener(&sizing);
    window->addLeftButtonDownListener(&leftDown);
    drag(edge.x, edge.y, 150, 0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_GT(sizing.count, 0);
    EXPECT_EQ(leftDown.count, 1);
    EXPECT_TRUE(sizing.thread == GetWindowThreadProcessId(window->handle(), nullptr));
    RECT sized = s::test::rectOf(window->handle());
    EXPECT_EQ(sized.right, before.right) << "the right edge stays";
    EXPECT_EQ(sized.right - sized.left, 250);

    // Dragged by its client area far past the right edge of the only monitor.
    window->setEasyDrag(true);
    window->setKeepInScreen(true);
    RECT client;
    GetClientRect(window->handle(), &client);
    POINT inside{client.right / 2, client.bottom / 2};
    ClientToScreen(window->handle(), &inside);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int past = work.right - inside.x - 5;
    drag(inside.x, inside.y, past, 0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    RECT kept = s::test::rectOf(window->handle());
    EXPECT_EQ(kept.right, work.right);
    EXPECT_EQ(kept.top, sized.top);
}

namespace {

s::gui::win::Box* fixedBox(std::int32_t w, std::int32_t h) {
    auto* box = s::thread::take<s::gui::win::Box>();
    box->setFixedWidth(w, false);
    box->setFixedHeight(h, false);
    box->setBackgroundWhite(false);
    return box;
}

HWND handleOf(s::gui::IComponent* component) {
    return s::gui::win::HwndPeer::handleOf(s::gui::peerOf(component));
}

POINT centreOf(HWND hwnd) {
    RECT r = s::test::rectOf(hwnd);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The shell's drop of two files, as the platform hands it to a window.
HGLOBAL twoFileDrop() {
    const wchar_t files[] = L"C:\\one.txt\0C:\\two words.mp3\0";
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof files);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), files, sizeof files);
    GlobalUnlock(memory);
    return memory;
}

// A link offered for dragging, in the browsers' URL format and as text.
class LinkData final : public IDataObject {
public:
    explicit LinkData(const wchar_t* url) : url_(url) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK)
            return DV_E_FORMATETC;
        std::size_t bytes = (url_.size() + 1) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        std::memcpy(GlobalLock(memory), url_.c_str(), bytes);
        GlobalUnlock(memory);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        static const UINT link = RegisterClipboardFormatW(L"UniformResourceLocatorW");
        bool known = format->cfFormat == link || format->cfFormat == CF_UNICODETEXT;
        return known && (format->tymed & TYMED_HGLOBAL) != 0 ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC** out) override {
        *out = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }

private:
    std::wstring url_;
};

class LeftButtonSource final : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropSource)) {
            *object = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape)
            return DRAGDROP_S_CANCEL;
        return (keys & MK_LBUTTON) != 0 ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

// Drags the link with real mouse input from one screen point to another
// through the platform's drag and drop, started on the window's thread,
// which saw the press; the drop's effect, or none.
DWORD dragLink(s::gui::win::Window& window, const wchar_t* url, POINT from, POINT to) {
    mouse(0, from.x, from.y);
    mouse(MOUSEEVENTF_LEFTDOWN, from.x, from.y);
    std::thread hand([from, to] {
        Sleep(300);
        for (int step = 1; step <= 5; ++step)
            mouse(0, from.x + (to.x - from.x) * step / 5, from.y + (to.y - from.y) * step / 5);
        Sleep(300);
        mouse(MOUSEEVENTF_LEFTUP, to.x, to.y);
    });
    DWORD effect = DROPEFFECT_NONE;
    s::test::onWindowThread(window, [&] {
        LinkData data(url);
        LeftButtonSource source;
        if (DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect) !=
            DRAGDROP_S_DROP)
            effect = DROPEFFECT_NONE;
    });
    hand.join();
    return effect;
}

} // namespace

// With easy drag, a click-through box lets the drag through to the window;
// a box with a click listener keeps its presses, and a box that accepts
// files hears a drop.
TEST(BoxInput, ClickThroughBoxesPassDragsToTheWindowAndOtherBoxesKeepClicksAndDrops) {
    TestWindow window;
    window->setBounds(200, 200, 300, 240);
    window->setEasyDrag(true);
    auto* through = fixedBox(200, 100);
    through->setClickThrough(true);
    auto* clickable = fixedBox(200, 100);
    s::test::EventCounter clicks, drops;
    clickable->addClickListener(&clicks);
    clickable->setAcceptFiles(true);
    clickable->addDropListener(&drops);
    window->add(through);
    window->add(clickable);
    window->show(true, true);
    Sleep(300);
    RECT before = s::test::rectOf(window->handle());

    POINT p = centreOf(handleOf(through));
    EXPECT_EQ(SendMessageW(handleOf(through), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)),
              HTTRANSPARENT);
    drag(p.x, p.y, 60, 40, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    RECT moved = s::test::rectOf(window->handle());
    EXPECT_EQ(moved.left - before.left, 60) << "dragged through the box";
    EXPECT_EQ(moved.top - before.top, 40);
    EXPECT_EQ(clicks.count, 0);

    p = centreOf(handleOf(clickable));
    drag(p.x, p.y, 60, 40, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(clicks.count, 1);
    EXPECT_EQ(s::test::rectOf(window->handle()).left, moved.left) << "the box kept the press";

    HWND target = handleOf(clickable);
    EXPECT_NE(GetWindowLongW(target, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
    SendMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(twoFileDrop()), 0);
    EXPECT_EQ(drops.count, 1);
    ASSERT_EQ(clickable->getDroppedFiles()->count(), 2u);
    EXPECT_EQ(std::u16string(clickable->getDroppedFiles()->at(1)->cStr()), u"C:\\two words.mp3");

    // A link dragged across the box that takes URLs.
    s::test::EventCounter urls;
    clickable->addUrlDropListener(&urls);
    s::test::onWindowThread(*window, [&] { clickable->setAcceptUrls(true); });
    p = centreOf(target);
    EXPECT_EQ(
        dragLink(*window, L"https://example.org/a?b=1", {p.x - 40, p.y}, {p.x + 40, p.y + 10}),
        static_cast<DWORD>(DROPEFFECT_LINK));
    EXPECT_EQ(urls.count, 1);
    EXPECT_EQ(std::u16string(clickable->getDroppedUrl()->cStr()), u"https://example.org/a?b=1");
}

// Tab and Shift+Tab walk the tab stops of the window's controls, into
// nested boxes and back; focusNext does what a Tab does.
TEST(WindowFocus, TabAndShiftTabMoveBetweenTheControlsOfNestedBoxes) {
    TestWindow window;
    window->setBounds(200, 200, 300, 240);
    auto* outer = fixedBox(280, 200);
    auto* inner = fixedBox(200, 60);
    outer->add(inner);
    window->add(outer);
    window->show(true, true);
    Sleep(300);
    HWND first = nullptr, button = nullptr, nested = nullptr;
    s::test::onWindowThread(*window, [&] {
        auto control = [](const wchar_t* cls, HWND parent, int y) {
            return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, y, 80, 20,
                                   parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        };
        first = control(L"EDIT", handleOf(outer), 100);
        button = control(L"BUTTON", handleOf(outer), 130);
        nested = control(L"EDIT", handleOf(inner), 10);
        SetFocus(first);
    });
    DWORD thread = GetWindowThreadProcessId(window->handle(), nullptr);
    auto focus = [thread] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(thread, &info);
        return info.hwndFocus;
    };
    auto key = [](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        SendInput(1, &input, sizeof input);
        Sleep(60);
    };
    auto tab = [&](bool shift) {
        if (shift)
            key(VK_SHIFT, false);
        key(VK_TAB, false);
        key(VK_TAB, true);
        if (shift)
            key(VK_SHIFT, true);
        Sleep(100);
    };
    ASSERT_EQ(focus(), first);
    tab(false);
    EXPECT_EQ(focus(), button);
    tab(false);
    EXPECT_EQ(focus(), nested) << "round to the start, into the inner box";
    tab(false);
    EXPECT_EQ(focus(), first) << "out of the inner box again";
    tab(true);
    EXPECT_EQ(focus(), nested);
    window->focusNext();
    Sleep(200);
    EXPECT_EQ(focus(), first);
}
