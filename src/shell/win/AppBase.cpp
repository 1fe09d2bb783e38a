#include "shell/win/AppBase.h"

#include "foundation/collections/Arrays.h"
#include "foundation/system/DiagnosticLog.h"
#include "foundation/system/Platform.h"
#include "foundation/system/StartupTrace.h"
#include "foundation/objects/Pooled.h"
#include "foundation/objects/Pools.h"
#include "foundation/files/win/PathWin.h"
#include "foundation/files/win/Shell.h"
#include "foundation/strings/win/WideText.h"
#include "localization/LangPack.h"
#include "toolkit/win/Window.h"
#include "shell/win/ProcessCommandLine.h"
#include "storage/XmlMappedData.h"
#include "storage/win/RegDir.h"
#include "storage/win/RegMappedData.h"
#include "toolkit/win/NativeImage.h"

#include <windows.h>

#include <objbase.h>
#include <tlhelp32.h>

#include <iterator>
#include <string>

namespace s::app::win {

using str::win::fromWide;

namespace {

// The product's key below HKEY_CURRENT_USER: "Software\Vexa\" and the
// product's registry identifier, text 300000.
void productKey(str::StrBuffer& out, lang::Localizer& localizer) {
    out.set(u"Software\\Vexa\\");
    out.append(localizer.getText(300000));
}

constexpr std::int32_t kWidePictureId = 131;
constexpr std::int32_t kTallPictureId = 132;

void loadPicture(std::int32_t id, gui::Image& image) {
    col::ArrayU08 bytes;
    if (!platform::readResource(nullptr, u"IDR_JPG", id, &bytes) ||
        !image.decode(bytes.data(), bytes.length()))
        log::write("application base: picture " + std::to_string(id) + " missing");
}

} // namespace

AppBase::AppBase() {
    comReady_ = SUCCEEDED(CoInitialize(nullptr));
    // Process-wide COM security: packet-level authentication, impersonation.
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT,
                         RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
    // An alarm must not be late because other programs keep the processor busy.
    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);

    commandLine_ = thread::take<process::commandline::win::CommandLine>();
    process::commandline::win::parseProcessCommandLine(*commandLine_);

    wchar_t module[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
    module[length <= MAX_PATH ? length : MAX_PATH] = 0;
    executablePath_ = file::win::PathWin::of(fromWide(module));
    executableDir_ = executablePath_->parent();
    if (executableDir_ == nullptr)
        executableDir_ = file::win::PathWin::of(u"");

    trace::mark("application base: COM, command line");
    localizer_ = lang::Localizer::create(nullptr, u"IDR_XML", 130);
    trace::mark("application base: language pack");

    store_ = createRegistryStore();
    store_->setAutoFlush(false);
    store_->setString(u"SoftwareID", u"", localizer_->getText(300000).cStr());
    store_->setString(u"Version", u"", localizer_->getText(kProductTextBase + 10).cStr());

    // The stored language, ignoring case; an unknown one falls back to
    // English and is written back, a matching one is left as it was.
    str::StrBuffer stored(getLanguage());
    localizer_->selectLanguage(stored.cStr());
    const str::StrBuffer& chosen = localizer_->currentLanguage()->engName();
    if (!chosen.equalsIgnoreCase(&stored))
        setLanguage(chosen.cStr());
    store_->setAutoFlush(true);
}

AppBase::~AppBase() {
    if (store_ != nullptr) {
        if (!flushed_)
            store_->flush();
        static_cast<reg::MappedData*>(store_)->release();
    }
    if (localizer_ != nullptr)
        localizer_->release();
    if (executableDir_ != nullptr)
        executableDir_->release();
    if (executablePath_ != nullptr)
        executablePath_->release();
    if (commandLine_ != nullptr)
        commandLine_->release();
    if (comReady_)
        CoUninitialize();
}

process::commandline::ICommandLine* AppBase::getCommandLine() {
    return commandLine_;
}

const gui::Image& AppBase::getWideImage() {
    if (wideImage_.isEmpty())
        loadPicture(kWidePictureId, wideImage_);
    return wideImage_;
}

const gui::Image& AppBase::getTallImage() {
    if (tallImage_.isEmpty())
        loadPicture(kTallPictureId, tallImage_);
    return tallImage_;
}

HBITMAP AppBase::getWideImageBitmap() {
    if (!wideBitmap_)
        wideBitmap_.reset(gui::win::bitmapOf(getWideImage()));
    return wideBitmap_.get();
}

HBITMAP AppBase::getTallImageBitmap() {
    if (!tallBitmap_)
        tallBitmap_.reset(gui::win::bitmapOf(getTallImage()));
    return tallBitmap_.get();
}

HICON AppBase::getAppIcon() {
    if (!appIcon_)
        appIcon_.reset(loadIcon(128));
    return appIcon_.get();
}

HICON AppBase::loadIcon(int id) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                         IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
}

const gui::Image& AppBase::iconImage(int slot, int size) {
    if (iconImages_[slot].isEmpty())
        gui::win::iconImage(GetModuleHandleW(nullptr), 128, size, iconImages_[slot]);
    return iconImages_[slot];
}

void AppBase::flush() {
    store_->flush();
    flushed_ = true;
}

const char16_t* AppBase::getLanguage() {
    lang::LangPack* current = localizer_->currentLanguage();
    return store_->getString(u"Language", u"", current->engName().cStr(), nullptr, true);
}

void AppBase::setLanguage(const char16_t* engName) {
    store_->setString(u"Language", u"", engName);
}

const char16_t* AppBase::getSkin() {
    return store_->getString(u"Skin", u"", defaultSkinName_.cStr(), nullptr, true);
}

void AppBase::setSkin(const char16_t* name) {
    store_->setString(u"Skin", u"", name);
}

map::IMappedData* AppBase::createRegistryStore() {
    productKey(scratch_, *localizer_);
    scratch_.append(u"\\SaveData");
    return reg::MappedData::create(scratch_.cStr());
}

map::IMappedData* AppBase::createPortableStore() {
    str::StrBuffer file(executableDir_->fullPath());
    if (file.length() != 0 && !file.endsWith(u"\\"))
        file.append(u'\\');
    file.append(u"savedata\\SaveData.xml");
    return xml::MappedData::createOverFile(file.cStr(), u"savedata");
}

void AppBase::openPageAfterInstall() {
    productKey(scratch_, *localizer_);
    thread::Pooled<reg::win::RegDir> product(
        reg::win::RegDir::opened(reg::kCurrentUser, scratch_.cStr()));
    // The installer leaves "Silent" set; it is cleared before the page opens,
    // so that the page opens at most once per installation.
    if (product->getValueSize(u"Silent") == 4 && product->getBool(u"Silent", false)) {
        product->setUInt32(u"Silent", 0);
        file::win::openWithShell(localizer_->getText(kProductTextBase + 3).cStr());
    }
}

namespace {

// The executable path of a process in its Win32 form. The limited query
// right is granted on a copy that runs elevated too, where reading its
// modules is refused; the module list stays for systems that lack it.
bool processPath(DWORD processId, str::StrBuffer& out) {
    system::win::Handle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    wchar_t image[32768];
    DWORD length = static_cast<DWORD>(std::size(image));
    if (process && QueryFullProcessImageNameW(process.get(), 0, image, &length)) {
        out.set(fromWide(image));
        return true;
    }
    system::win::Handle modules(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    if (modules && Module32FirstW(modules.get(), &module)) {
        out.set(fromWide(module.szExePath));
        return true;
    }
    return false;
}

struct WindowSearch {
    DWORD processId;
    const char16_t* title; // null: any window with a title
    HWND found;
};

BOOL CALLBACK findWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId)
        return TRUE;
    wchar_t text[512] = {};
    int length = GetWindowTextW(window, text, 512);
    str::StrBuffer windowText(fromWide(text));
    bool accepted =
        search->title != nullptr
            ? length > 0 && str::StrBuffer(search->title).startsWithIgnoreCase(windowText.cStr())
            : length > 0;
    if (!accepted)
        return TRUE;
    search->found = window;
    return FALSE;
}

// Sends message to the other instance's window; data, when given, goes as
// WM_COPYDATA instead.
bool sendTo(DWORD processId, const char16_t* title, UINT message,
            const COPYDATASTRUCT* data = nullptr) {
    // The other instance may be starting up; one that never gets idle (hung,
    // or without a message loop) is not waited for beyond a few seconds.
    if (system::win::Handle process{
            OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId)})
        WaitForInputIdle(process.get(), 5000);
    WindowSearch search{processId, title, nullptr};
    EnumWindows(findWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr)
        return false;
    // Only the process the user started may give the foreground away: the
    // running copy can bring its window to the front only with this leave.
    AllowSetForegroundWindow(processId);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(search.found, data != nullptr ? WM_COPYDATA : message, 0,
                        reinterpret_cast<LPARAM>(data),
                        SMTO_ABORTIFHUNG | SMTO_BLOCK | SMTO_NOTIMEOUTIFNOTHUNG, 3000, &result);
    return true;
}

} // namespace

unsigned long AppBase::otherInstanceProcess() {
    system::win::Handle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    DWORD self = GetCurrentProcessId();
    DWORD found = 0;
    str::StrBuffer path;
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more && found == 0;
         more = Process32NextW(snapshot.get(), &entry)) {
        if (entry.th32ProcessID == 0 || entry.th32ProcessID == self)
            continue;
        str::StrBuffer own(executablePath_->fullPath());
        if (processPath(entry.th32ProcessID, path) && path.equalsIgnoreCase(&own))
            found = entry.th32ProcessID;
    }
    return found;
}

template <class Send> void AppBase::forEachTitle(bool byTitle, Send send) {
    if (!byTitle) {
        send(nullptr);
        return;
    }
    // The running copy may show any language: try its title in each.
    localizer_->loadTextOfEveryLanguage(kProductTextBase);
    for (std::int32_t i = 0; i < localizer_->languageCount(); ++i) {
        const str::StrBuffer* title = localizer_->languageAt(i)->findText(kProductTextBase);
        if (title != nullptr && title->length() != 0)
            send(title->cStr());
    }
}

void AppBase::wake(unsigned long processId, bool secondMessage, bool byTitle) {
    auto send = [&](const char16_t* title) {
        sendTo(processId, title, kWakeMessage);
        if (secondMessage)
            sendTo(processId, title, kSecondWakeMessage);
    };
    forEachTitle(byTitle, send);
}


namespace {
struct DesktopSearch {
    const str::StrBuffer* ownPath;
    DWORD found;
};

BOOL CALLBACK findOtherWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<DesktopSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == 0 || processId == GetCurrentProcessId())
        return TRUE;
    str::StrBuffer path;
    if (processPath(processId, path) && path.equalsIgnoreCase(search->ownPath)) {
        search->found = processId;
        return FALSE;
    }
    return TRUE;
}
} // namespace

unsigned long AppBase::otherInstanceWindowProcess() {
    str::StrBuffer own(executablePath_->fullPath());
    DesktopSearch search{&own, 0};
    EnumDesktopWindows(GetThreadDesktop(GetCurrentThreadId()), findOtherWindow,
                       reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool AppBase::findOtherInstanceWindow(bool notify, bool secondMessage, bool byTitle) {
    unsigned long other = otherInstanceWindowProcess();
    if (other == 0)
        return false;
    if (notify)
        wake(other, secondMessage, byTitle);
    return true;
}

namespace {

// How long a copy without a window is given to end: its window disappears
// seconds before its process does, while its windows, threads and pools are
// taken down.
constexpr DWORD kEndingWaitMs = 10000;
constexpr DWORD kEndingPollMs = 100;

BOOL CALLBACK findVisibleWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) || GetWindowTextLengthW(window) == 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

bool showsWindow(DWORD processId) {
    WindowSearch search{processId, nullptr, nullptr};
    EnumWindows(findVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
}

} // namespace

bool AppBase::endsWithoutWindow(unsigned long processId) {
    system::win::Handle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
    if (!process)
        return true; // already gone
    for (DWORD waited = 0; waited < kEndingWaitMs; waited += kEndingPollMs) {
        if (showsWindow(processId))
            return false;
        if (WaitForSingleObject(process.get(), kEndingPollMs) == WAIT_OBJECT_0)
            return true;
    }
    return false;
}

bool AppBase::handOverArguments() {
    unsigned long other = otherInstanceProcess();
    if (other == 0 || commandLine_ == nullptr || commandLine_->count() == 0)
        return false;
    // The arguments one after another, each ended by a zero.
    std::u16string block;
    for (std::int32_t i = 0; i < commandLine_->count(); ++i) {
        block += commandLine_->argumentAt(i);
        block += u'\0';
    }
    COPYDATASTRUCT data{};
    data.dwData = gui::win::Window::kArgumentsTag;
    data.cbData = static_cast<DWORD>(block.size() * sizeof(char16_t));
    data.lpData = block.data();
    // Every language may name the product alike: the first window that
    // matches takes them, once.
    bool taken = false;
    forEachTitle(true, [&](const char16_t* title) {
        taken = taken || sendTo(other, title, 0, &data);
    });
    return taken;
}

bool AppBase::findOtherInstance(bool notify, bool secondMessage, bool byTitle) {
    for (;;) {
        unsigned long other = otherInstanceProcess();
        if (other == 0)
            return false;
        if (!notify)
            return true;
        wake(other, secondMessage, byTitle);
        // A running copy shows its window when woken. One whose window has
        // closed is still listed while it ends; handing this start over to
        // it would lose the start.
        if (!endsWithoutWindow(other)) {
            log::write("other instance: a running copy was woken");
            return true;
        }
        log::write("other instance: a closing copy ended; looking again");
    }
}

} // namespace s::app::win
