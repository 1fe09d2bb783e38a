#include "toolkit/win/UrlDropTarget.h"

#include "foundation/strings/StrBuffer.h"
#include "foundation/strings/win/WideText.h"
#include "toolkit/box/Box.h"

#include <cwchar>
#include <string>

namespace s::gui::win {

namespace {

// The first line of the text, without surrounding blanks.
std::wstring firstLine(const wchar_t* text, std::size_t length) {
    std::size_t end = 0;
    while (end < length && text[end] != L'\0' && text[end] != L'\r' && text[end] != L'\n')
        ++end;
    std::size_t start = 0;
    while (start < end && (text[start] == L' ' || text[start] == L'\t'))
        ++start;
    while (end > start && (text[end - 1] == L' ' || text[end - 1] == L'\t'))
        --end;
    return std::wstring(text + start, end - start);
}

// The text of one clipboard format of the data, as wide characters; empty
// when the data does not offer it.
std::wstring textOf(IDataObject* data, CLIPFORMAT format, bool narrow) {
    FORMATETC wanted{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (data == nullptr || FAILED(data->GetData(&wanted, &medium)))
        return {};
    std::wstring text;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal != nullptr) {
        SIZE_T bytes = GlobalSize(medium.hGlobal);
        if (const void* block = GlobalLock(medium.hGlobal)) {
            if (narrow) {
                const auto* chars = static_cast<const char*>(block);
                std::size_t length = strnlen(chars, bytes);
                int wide =
                    MultiByteToWideChar(CP_ACP, 0, chars, static_cast<int>(length), nullptr, 0);
                std::wstring converted(static_cast<std::size_t>(wide), L'\0');
                MultiByteToWideChar(CP_ACP, 0, chars, static_cast<int>(length), converted.data(),
                                    wide);
                text = firstLine(converted.c_str(), converted.size());
            } else {
                text = firstLine(static_cast<const wchar_t*>(block), bytes / sizeof(wchar_t));
            }
            GlobalUnlock(medium.hGlobal);
        }
    }
    ReleaseStgMedium(&medium);
    return text;
}

// The URL the data carries: a link first, else text that looks like one.
std::wstring urlOf(IDataObject* data) {
    static const auto wideUrl =
        static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"UniformResourceLocatorW"));
    static const auto narrowUrl =
        static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"UniformResourceLocator"));
    std::wstring url = textOf(data, wideUrl, false);
    if (url.empty())
        url = textOf(data, narrowUrl, true);
    if (url.empty()) {
        url = textOf(data, CF_UNICODETEXT, false);
        if (url.find(L"://") == std::wstring::npos)
            url.clear();
    }
    return url;
}

} // namespace

UrlDropTarget* UrlDropTarget::registerFor(HWND hwnd, Box& box) {
    auto* target = new UrlDropTarget(box);
    // Refused on a thread without OLE; a window's thread has it.
    if (FAILED(RegisterDragDrop(hwnd, target))) {
        target->Release();
        return nullptr;
    }
    return target;
}

void UrlDropTarget::revoke(HWND hwnd) {
    if (hwnd != nullptr && IsWindow(hwnd))
        RevokeDragDrop(hwnd);
    box_ = nullptr;
}

HRESULT UrlDropTarget::QueryInterface(REFIID riid, void** object) {
    if (object == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG UrlDropTarget::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG UrlDropTarget::Release() {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

// A link is offered as a link where the source allows it, else as a copy.
DWORD UrlDropTarget::effectFor(DWORD allowed) const {
    if (!acceptable_ || box_ == nullptr)
        return DROPEFFECT_NONE;
    if ((allowed & DROPEFFECT_LINK) != 0)
        return DROPEFFECT_LINK;
    return allowed & DROPEFFECT_COPY;
}

HRESULT UrlDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    acceptable_ = !urlOf(data).empty();
    if (effect != nullptr)
        *effect = effectFor(*effect);
    return S_OK;
}

HRESULT UrlDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    if (effect != nullptr)
        *effect = effectFor(*effect);
    return S_OK;
}

HRESULT UrlDropTarget::DragLeave() {
    acceptable_ = false;
    return S_OK;
}

HRESULT UrlDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    std::wstring url = urlOf(data);
    DWORD allowed = effect != nullptr ? *effect : DROPEFFECT_NONE;
    acceptable_ = !url.empty();
    if (effect != nullptr)
        *effect = effectFor(allowed);
    if (!acceptable_ || box_ == nullptr)
        return S_OK;
    acceptable_ = false;
    box_->setDroppedUrl(str::win::fromWide(url.c_str()));
    box_->raiseEvent(Box::kUrlDropped);
    return S_OK;
}

} // namespace s::gui::win
