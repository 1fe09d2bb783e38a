// What the timer does when the time comes, and the Browse button's dialog.

#include "timer/win/Dialog.h"

#include "audio/IEncodedAudio.h"
#include "audio/Mp3.h"
#include "audio/Wave.h"
#include "audio/win/Device.h"
#include "audio/win/Player.h"
#include "foundation/system/Platform.h"
#include "foundation/objects/Pooled.h"
#include "foundation/objects/Pools.h"
#include "foundation/files/win/FileInputStream.h"
#include "foundation/files/win/PathWin.h"
#include "foundation/system/win/Power.h"
#include "foundation/files/win/Shell.h"
#include "foundation/strings/win/WideText.h"
#include "localization/Localizer.h"
#include "toolkit/win/MessageBox.h"

#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

namespace s::sound::gui::dialogs::plinkett {

using str::win::fromWide;
using str::win::wide;

namespace {

constexpr std::uint32_t kPlayPollMs = 20;

constexpr char16_t kHibernateFailure[] =
    u"Not Enough virtual Memory (Paging File)\r\n"
    u"Solution 1: Close some of applications (which is using lots of memory) and try again.\r\n"
    u"Solution 2: Increase minimum virtual memory (Paging File) size and reboot the system once.";

// A new source for the sound file at path, reading it through a stream of
// its own; null when the file is missing or is neither MP3 nor WAV.
IEncodedAudio* openSound(const str::StrBuffer& path) {
    file::win::PathWin* file = file::win::PathWin::of(path.cStr());
    IEncodedAudio* source = nullptr;
    if (file->isFile()) {
        if (path.endsWithIgnoreCase(u".mp3"))
            source = thread::take<mp3::win::Mp3>();
        else if (path.endsWithIgnoreCase(u".wav"))
            source = thread::take<wav::Wave>();
    }
    if (source != nullptr) {
        source->setInputSize(file->size());
        source->setInput(file->openInputStream(), true);
    }
    file->release();
    return source;
}

} // namespace

str::StrBuffer& Dialog::actionString(ActionKind kind) {
    switch (kind) {
    case kOpen:
        return openPath_;
    case kExecute:
        return executePath_;
    case kWebPage:
        return webPageAddress_;
    default:
        return playPath_;
    }
}

void Dialog::captureAction() {
    actionKind_ = actionOfKey(action_.actionKey);
    if (actionKind_ == kShutdown) {
        actionTarget_.reset();
    } else {
        actionString(actionKind_).set(action_.pathText);
        actionTarget_.set(action_.pathText);
    }
    playVolume_ = action_.volumeKey;
    playRepeat_ = action_.repeatChecked;
    executeParameter_.set(action_.parameterText);
    shutdownType_ = action_.shutdownKey;
}

void Dialog::runAction() {
    switch (actionKind_) {
    case kPlay:
        playSound();
        break;
    case kOpen:
        file::win::execute(actionTarget_.cStr(), nullptr);
        break;
    case kExecute:
        file::win::execute(actionTarget_.cStr(),
                           executeParameter_.length() != 0 ? executeParameter_.cStr() : nullptr);
        break;
    case kWebPage:
        file::win::openWithShell(actionTarget_.cStr());
        break;
    case kShutdown:
        shutDown();
        break;
    }
}

void Dialog::bringForward(void* dialog) {
    // Restored when iconized, then made the active window.
    s::gui::win::Window* window = static_cast<Dialog*>(dialog)->window_;
    if (window->isIconized() || window->isMinimized())
        window->restore();
    window->activate(true);
}

void Dialog::playSound() {
    if (window_ != nullptr)
        window_->invoke(&Dialog::bringForward, this);
    while (!stopRequested_) {
        thread::Pooled<IEncodedAudio> source(openSound(actionTarget_));
        if (!source)
            return;
        thread::Pooled<system::audio::win::Player> player(
            thread::take<system::audio::win::Player>());
        player->setDevice(system::audio::win::Device::firstOutput());
        std::int32_t volume = playVolume_;
        player->setVolume(static_cast<float>(volume) / 100.0f);
        player->play(source.get());
        while (!stopRequested_ && player->isPlaying()) {
            platform::sleepMillis(kPlayPollMs);
            if (playVolume_ != volume) {
                volume = playVolume_;
                player->setVolume(static_cast<float>(volume) / 100.0f);
            }
        }
        player->stopPlay();
        // A source stuck in a read still belongs to the reader the player
        // left behind: giving it back would hand it to the next alarm.
        if (player->sourceAbandoned()) {
            static_cast<void>(source.detach());
            return;
        }
        // Nothing reached the device (no output device, one that would not
        // open, a file without sound), or the device stopped taking sound:
        // repeating would only spin or hang the same way.
        if (!playRepeat_ || player->bytesQueued() == 0 || player->stalled())
            return;
    }
}

void Dialog::shutDown() {
    system::win::ensureShutdownPrivilege();
    switch (shutdownType_) {
    case kStandBy:
        system::win::setSystemPowerState(true, true);
        break;
    case kHibernate:
        if (!system::win::setSystemPowerState(false, true)) {
            auto* box = thread::take<s::gui::win::MessageBox>();
            box->showInformation(kHibernateFailure);
            box->release();
        }
        break;
    case kLogOff:
        system::win::exitWindows(system::win::kLogOffForced, 0);
        break;
    case kReboot:
        system::win::exitWindows(system::win::kRebootForced, 0);
        break;
    case kPowerOff:
        system::win::exitWindows(system::win::kPowerOffForced, 0);
        break;
    }
}

namespace {

// The user's desktop folder, looked up once.
const str::StrBuffer& desktopFolder() {
    static const str::StrBuffer folder = [] {
        wchar_t path[MAX_PATH] = {};
        str::StrBuffer text;
        if (SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, path) ==
            S_OK)
            text.set(fromWide(path));
        return text;
    }();
    return folder;
}

} // namespace

void Dialog::browseFolder(const str::StrBuffer& storedPath, str::StrBuffer& folder) {
    folder.reset();
    if (storedPath.length() != 0) {
        thread::Pooled<file::win::PathWin> path(file::win::PathWin::of(storedPath.cStr()));
        if (path->isValid() && path->isAbsolute()) {
            thread::Pooled<file::win::PathWin> parent(path->parent());
            if (parent && parent->isDirectory())
                folder.set(parent->fullPath());
        }
    }
    if (folder.length() == 0)
        folder.set(desktopFolder());
}

void Dialog::firstChosenFile(const char16_t* chosen, str::StrBuffer& first) {
    // One file: its whole path. Several: the folder, then the names, each
    // ended by a zero.
    first.set(chosen);
    const char16_t* name = chosen + first.length() + 1;
    if (first.length() == 0 || *name == 0)
        return;
    if (!first.endsWith(u"\\"))
        first.append(u'\\');
    first.append(name);
}

bool Dialog::browse() {
    ActionKind kind = actionOfKey(action_.actionKey);
    std::int32_t descriptionId;
    const char16_t* pattern;
    switch (kind) {
    case kPlay:
        descriptionId = ids::kAudioFiles;
        pattern = u"*.mp3;*.wav;*.mpl;";
        break;
    case kOpen:
        descriptionId = ids::kAllFiles;
        pattern = u"*.*;";
        break;
    case kExecute:
        descriptionId = ids::kPrograms;
        pattern = u"*.exe;";
        break;
    default:
        return false; // no Browse button for web pages and shutdown
    }
    // The filter: description, pattern, each ended by a zero, then a zero.
    str::StrBuffer filter(text(descriptionId));
    filter.append(u'\0');
    filter.append(pattern);
    filter.append(u'\0');
    filter.append(u'\0');
    str::StrBuffer folder;
    browseFolder(actionString(kind), folder);

    // Room for several chosen files: a folder, then zero-separated names.
    constexpr DWORD kChosenUnits = 32768;
    std::vector<wchar_t> chosen(kChosenUnits);
    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    // Owned by the timer window, which it disables while it is open: it
    // stays above a timer that is kept on top, and Browse cannot be pressed
    // again. Browse runs on the window's thread, the owner's own.
    request.hwndOwner = window_ != nullptr ? window_->handle() : nullptr;
    request.lpstrFilter = wide(filter.cStr());
    request.nFilterIndex = 1;
    request.lpstrFile = chosen.data();
    request.nMaxFile = kChosenUnits;
    request.lpstrInitialDir = folder.length() != 0 ? wide(folder.cStr()) : nullptr;
    request.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    bool taken = false;
    if (GetOpenFileNameW(&request) && chosen[0] != 0) {
        str::StrBuffer first;
        firstChosenFile(fromWide(chosen.data()), first);
        thread::Pooled<file::win::PathWin> path(file::win::PathWin::of(first.cStr()));
        if (path->isFile()) {
            action_.pathText.set(first);
            taken = true;
        }
    }
    return taken;
}

} // namespace s::sound::gui::dialogs::plinkett
