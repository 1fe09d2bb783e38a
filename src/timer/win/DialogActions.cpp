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
#include "foundation/system/DiagnosticLog.h"
#include "timer/StatusEvents.h"
#include "timer/TextIds.h"

#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

namespace s::sound::gui::dialogs::plinkett {

using str::win::fromWide;
using str::win::wide;

namespace {

constexpr std::uint32_t kPlayPollMs = 20;
// The platform's beep, the last stand-in when no sound can be played: how
// far apart, and how many for an alarm that does not repeat.
constexpr std::uint32_t kBeepSpacingMs = 1000;
constexpr int kBeepsOnce = 3;
// A play shorter than this (a file cut after its first frame, say) is no
// alarm anyone hears.
constexpr std::uint64_t kShortestAlarmMs = 100;

constexpr char16_t kHibernateFailure[] =
    u"Not Enough virtual Memory (Paging File)\r\n"
    u"Solution 1: Close some of applications (which is using lots of memory) and try again.\r\n"
    u"Solution 2: Increase minimum virtual memory (Paging File) size and reboot the system once.";

// A new source for the sound file at path, reading it through a stream of
// its own; null when the file is missing or is neither MP3 nor WAV, with
// failure set to the text that says which.
IEncodedAudio* openSound(const str::StrBuffer& path, std::int32_t& failure) {
    file::win::PathWin* file = file::win::PathWin::of(path.cStr());
    IEncodedAudio* source = nullptr;
    if (!file->isFile())
        failure = ids::kSoundNotFound;
    else if (path.endsWithIgnoreCase(u".mp3"))
        source = thread::take<mp3::win::Mp3>();
    else if (path.endsWithIgnoreCase(u".wav"))
        source = thread::take<wav::Wave>();
    else
        failure = ids::kSoundUnplayable;
    if (source != nullptr) {
        source->setInputSize(file->size());
        source->setInput(file->openInputStream(), true);
    }
    file->release();
    return source;
}

// Why a play that was not stopped gave no alarm worth the name; 0 when it
// played.
std::int32_t playFailure(const system::audio::win::Player& player, const IEncodedAudio& source) {
    switch (player.failure()) {
    case system::audio::win::Player::kNoDevice:
        return ids::kNoSoundDevice;
    case system::audio::win::Player::kStalled:
        return ids::kSoundDeviceStopped;
    case system::audio::win::Player::kUndecodable:
        return ids::kSoundUnplayable;
    case system::audio::win::Player::kNoFailure:
        break;
    }
    std::uint64_t bytesPerSecond = std::uint64_t{source.getSampleRate()} *
                                   (source.isStereo() ? 2 : 1) * source.getBitsPerSample() / 8;
    return player.bytesQueued() * 1000 < bytesPerSecond * kShortestAlarmMs ? ids::kSoundUnplayable
                                                                            : 0;
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

// The action. When the time has come and it fails, the window says why
// under "It's Time!" and the default alarm sounds instead, repeated as the
// chosen sound would have been for Play and once for the others, so that
// nobody misses the time; the window then stays so, for whoever comes back
// to it, until Stop. A failed test of the action says why in a box.
void Dialog::runAction(bool test) {
    std::int32_t failure = 0;
    bool repeat = false;
    switch (actionKind_) {
    case kPlay:
        if (window_ != nullptr)
            window_->invoke(&Dialog::bringForward, this);
        repeat = playRepeat_;
        failure = playSound(actionTarget_, repeat);
        break;
    case kOpen:
        if (!file::win::execute(actionTarget_.cStr(), nullptr))
            failure = ids::kFileNotOpened;
        break;
    case kExecute:
        if (!file::win::execute(actionTarget_.cStr(), executeParameter_.length() != 0
                                                          ? executeParameter_.cStr()
                                                          : nullptr))
            failure = ids::kProgramNotStarted;
        break;
    case kWebPage:
        if (!file::win::openWithShell(actionTarget_.cStr()))
            failure = ids::kWebPageNotOpened;
        break;
    case kShutdown:
        failure = shutDown();
        break;
    }
    if (failure == 0 || stopRequested_ || window_ == nullptr)
        return;
    bool hibernateFailed = actionKind_ == kShutdown && shutdownType_ == kHibernate;
    if (test) {
        if (hibernateFailed)
            window_->showInformation(kHibernateFailure);
        else
            window_->showError(text(failure).cStr());
        return;
    }
    log::write("timer: the action failed, the default alarm sounds instead");
    window_->sendRequest(kProcessActionFailed, failure, 0, 0);
    // The explanation shows beside the alarm; the worker does not wait for it.
    if (hibernateFailed)
        window_->postRequest(kProcessExplainHibernate, 0, 0, 0);
    if (actionKind_ != kPlay)
        window_->invoke(&Dialog::bringForward, this);
    soundDefaultAlarm(repeat);
    // Snoozed, the worker counts to the next ring; muted, it waits for Stop.
    while (soundGoesOn())
        sleepUntilWoken(kBeepSpacingMs);
}

void Dialog::explainHibernate() {
    window_->showInformation(kHibernateFailure);
}

void Dialog::bringForward(void* dialog) {
    // Restored when iconized, then made the active window. A window the user
    // works in already (it, or a menu, box, list or dialog of its own, is in
    // front) is left alone: activating it again would close an open list.
    s::gui::win::Window* window = static_cast<Dialog*>(dialog)->window_;
    if (window->isIconized() || window->isMinimized())
        window->restore();
    else if (GetWindowThreadProcessId(GetForegroundWindow(), nullptr) == GetCurrentThreadId())
        return;
    window->activate(true);
}

// A snooze or a mute silences the sound as a stop does.
std::int32_t Dialog::playSound(const str::StrBuffer& path, bool repeat) {
    std::int32_t failure = 0;
    while (soundGoesOn()) {
        thread::Pooled<IEncodedAudio> source(openSound(path, failure));
        if (!source)
            return failure;
        thread::Pooled<system::audio::win::Player> player(
            thread::take<system::audio::win::Player>());
        player->setDevice(system::audio::win::Device::firstOutput());
        std::int32_t volume = playVolume_;
        player->setVolume(static_cast<float>(volume) / 100.0f);
        player->play(source.get());
        while (soundGoesOn() && player->isPlaying()) {
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
            return soundGoesOn() ? ids::kSoundDeviceStopped : 0;
        }
        if (!soundGoesOn())
            return 0;
        // A play that gave no sound would only fail the same way again.
        failure = playFailure(*player, *source);
        if (failure != 0 || !repeat)
            return failure;
    }
    return 0;
}

// The default sound, and where that cannot be played either (it is an MP3,
// and some systems have no MP3 codec), the platform's beep.
void Dialog::soundDefaultAlarm(bool repeat) {
    str::StrBuffer path;
    defaultSoundPath(path);
    bool chosenWasDefault = actionKind_ == kPlay && path.equalsIgnoreCase(&actionTarget_);
    if (!chosenWasDefault && playSound(path, repeat) == 0)
        return;
    for (int beeps = 0; soundGoesOn() && (repeat || beeps < kBeepsOnce); ++beeps) {
        MessageBeep(MB_ICONWARNING);
        sleepUntilWoken(kBeepSpacingMs);
    }
}

std::int32_t Dialog::shutDown() {
    system::win::ensureShutdownPrivilege();
    bool done = false;
    switch (shutdownType_) {
    case kStandBy:
        done = system::win::setSystemPowerState(true, true);
        break;
    case kHibernate:
        done = system::win::setSystemPowerState(false, true);
        break;
    case kLogOff:
        done = system::win::exitWindows(system::win::kLogOffForced, 0);
        break;
    case kReboot:
        done = system::win::exitWindows(system::win::kRebootForced, 0);
        break;
    case kPowerOff:
        done = system::win::exitWindows(system::win::kPowerOffForced, 0);
        break;
    default:
        done = true;
        break;
    }
    return done ? 0 : ids::kSystemRefused;
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
