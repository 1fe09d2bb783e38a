#pragma once

#include <ole2.h>
#include <windows.h>

namespace s::gui::win {

class Box;

// The OLE drop target of a box that accepts dropped URLs: a browser's link
// ("UniformResourceLocatorW", or its narrow form) or text whose first line
// holds "://". On a drop the box keeps the URL and raises its URL event.
// Reference-counted as the platform wants; the box's peer registers it and
// detaches it before the box goes.
class UrlDropTarget final : public IDropTarget {
public:
    explicit UrlDropTarget(Box& box) : box_(&box) {}
    UrlDropTarget(const UrlDropTarget&) = delete;
    UrlDropTarget& operator=(const UrlDropTarget&) = delete;

    // Registers a new target for hwnd; null when the platform refuses.
    static UrlDropTarget* registerFor(HWND hwnd, Box& box);
    // Revokes the registration and forgets the box; the platform may still
    // hold a reference for a moment.
    void revoke(HWND hwnd);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                   DWORD* effect) override;

private:
    ~UrlDropTarget() = default;
    DWORD effectFor(DWORD allowed) const;

    LONG references_ = 1;
    Box* box_;
    bool acceptable_ = false;
};

} // namespace s::gui::win
