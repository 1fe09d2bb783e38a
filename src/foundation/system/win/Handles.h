#pragma once

#include <windows.h>

#include <utility>

// Owners of native resources. Each gives back what it holds with the call its
// kind needs, exactly once: when it leaves scope or is reset. None can be
// copied; a move hands the resource over and leaves the source empty. The
// GDI owners need gdi32, which only the modules that draw link.
namespace s::system::win {

// The owner of one resource of the kind Traits describes: its Type, none()
// (the empty value), holds(value) (whether a value is a resource) and
// free(value).
template <class Traits> class Owned {
public:
    using Type = typename Traits::Type;

    Owned() = default;
    explicit Owned(Type value) : value_(value) {}
    ~Owned() { freeIfHeld(value_); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : value_(other.detach()) {}
    Owned& operator=(Owned&& other) noexcept {
        reset(other.detach());
        return *this;
    }

    Type get() const { return value_; }
    bool valid() const { return Traits::holds(value_); }
    explicit operator bool() const { return valid(); }

    // Frees what is held and holds value instead.
    void reset(Type value = Traits::none()) { freeIfHeld(std::exchange(value_, value)); }
    // Lets go of the resource without freeing it.
    [[nodiscard]] Type detach() { return std::exchange(value_, Traits::none()); }
    // For calls that answer a new resource through a pointer: frees what is
    // held and lends the empty slot.
    Type* put() {
        reset();
        return &value_;
    }

private:
    static void freeIfHeld(Type value) {
        if (Traits::holds(value))
            Traits::free(value);
    }

    Type value_ = Traits::none();
};

namespace detail {

template <class T> struct NullIsEmpty {
    using Type = T;
    static Type none() { return nullptr; }
    static bool holds(Type value) { return value != nullptr; }
};

struct KernelObject {
    using Type = HANDLE;
    static Type none() { return nullptr; }
    // Some calls fail with null, others with INVALID_HANDLE_VALUE. The latter
    // is also GetCurrentProcess()'s pseudo-handle, which must not be closed.
    static bool holds(Type value) { return value != nullptr && value != INVALID_HANDLE_VALUE; }
    static void free(Type value) { CloseHandle(value); }
};

struct FileSearch : KernelObject {
    static void free(Type value) { FindClose(value); }
};

struct RegistryKey : NullIsEmpty<HKEY> {
    static void free(Type value) { RegCloseKey(value); }
};

struct IconObject : NullIsEmpty<HICON> {
    static void free(Type value) { DestroyIcon(value); }
};

struct MemoryDc : NullIsEmpty<HDC> {
    static void free(Type value) { DeleteDC(value); }
};

template <class T> struct GdiHandle : NullIsEmpty<T> {
    static void free(T value) { DeleteObject(value); }
};

struct MenuObject : NullIsEmpty<HMENU> {
    static void free(Type value) { DestroyMenu(value); }
};

template <class T> struct LocalBlock : NullIsEmpty<T> {
    static void free(T value) { LocalFree(value); }
};

} // namespace detail

// Kernel objects: files, events, threads, processes, snapshots, tokens.
using Handle = Owned<detail::KernelObject>;
// A FindFirstFile search.
using FindHandle = Owned<detail::FileSearch>;
using RegKey = Owned<detail::RegistryKey>;
using Icon = Owned<detail::IconObject>;
// A device context made by CreateCompatibleDC (or CreateDC), deleted with DeleteDC.
using CreatedDc = Owned<detail::MemoryDc>;
// A menu made by CreatePopupMenu. Destroying it destroys the sub-menus
// still attached to it: detach those that have owners of their own first.
using Menu = Owned<detail::MenuObject>;
// A pen, brush, font, bitmap or region, deleted with DeleteObject.
template <class T> using GdiObject = Owned<detail::GdiHandle<T>>;
using Bitmap = GdiObject<HBITMAP>;
// Memory a call allocated for its caller with LocalAlloc (the argument list
// of CommandLineToArgvW), freed with LocalFree.
template <class T> using LocalMemory = Owned<detail::LocalBlock<T>>;

// A window's device context from GetDC, given back to the same window.
class WindowDc {
public:
    // window null: the screen.
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    // GetDCEx with DCX_INTERSECTRGN or DCX_EXCLUDERGN: a context that was
    // made owns the region from then on; otherwise the region is freed here.
    WindowDc(HWND window, GdiObject<HRGN> clip, DWORD flags)
        : window_(window), dc_(GetDCEx(window, clip.get(), flags)) {
        if (dc_ != nullptr)
            (void)clip.detach();
    }
    ~WindowDc() { give(); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc(WindowDc&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc& operator=(WindowDc&& other) noexcept {
        if (this != &other) {
            give();
            window_ = other.window_;
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }

    HDC get() const { return dc_; }
    HWND window() const { return window_; }
    bool valid() const { return dc_ != nullptr; }
    explicit operator bool() const { return valid(); }

private:
    void give() {
        if (dc_ != nullptr)
            ReleaseDC(window_, std::exchange(dc_, nullptr));
    }

    HWND window_;
    HDC dc_;
};

// Selects an object into a device context and, at scope end, selects back the
// object it replaced, so that the context never outlives its selection and the
// object can be deleted afterwards. Declare it after the owners of the context
// and the object, so that it ends first.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {
        if (old_ == HGDI_ERROR)
            old_ = nullptr;
    }
    ~Selection() { restore(); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    Selection(Selection&& other) noexcept
        : dc_(other.dc_), old_(std::exchange(other.old_, nullptr)) {}
    Selection& operator=(Selection&& other) noexcept {
        if (this != &other) {
            restore();
            dc_ = other.dc_;
            old_ = std::exchange(other.old_, nullptr);
        }
        return *this;
    }

    // Whether the object was selected.
    bool valid() const { return old_ != nullptr; }
    explicit operator bool() const { return valid(); }

private:
    void restore() {
        if (old_ != nullptr)
            SelectObject(dc_, std::exchange(old_, nullptr));
    }

    HDC dc_;
    HGDIOBJ old_;
};

// Releases a COM interface when it leaves scope.
template <class T> class ComRef {
public:
    ComRef() = default;
    ~ComRef() { reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    T* operator->() const { return pointer_; }
    T* get() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    // Where a creating call writes the interface; releases what was held.
    void** out() {
        reset();
        return reinterpret_cast<void**>(&pointer_);
    }
    void reset() {
        if (pointer_ != nullptr)
            pointer_->Release();
        pointer_ = nullptr;
    }

private:
    T* pointer_ = nullptr;
};

} // namespace s::system::win
