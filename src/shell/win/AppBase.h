#pragma once

#include "foundation/strings/StrBuffer.h"
#include "foundation/system/win/Handles.h"
#include "localization/Localizer.h"
#include "shell/CommandLine.h"
#include "storage/IMappedData.h"
#include "toolkit/Image.h"

#include <windows.h>

#include <cstdint>

namespace s::file::win {
class PathWin;
}
namespace s::gui::drawer {
class Skinner;
}

namespace s::app::win {

// The process-wide application object: where the executable lives, the
// parsed command line, the language pack with its current language and the
// settings store in the registry, into which it writes the product's identity
// at every start. It also finds and wakes another running copy.
class AppBase {
public:
    static constexpr std::int32_t kProductTextBase = 500000;
    // The message a running copy receives to bring itself forward.
    static constexpr unsigned kWakeMessage = 0x0400 + 3;
    static constexpr unsigned kSecondWakeMessage = 0x0400 + 7;

    AppBase();
    ~AppBase();
    AppBase(const AppBase&) = delete;
    AppBase& operator=(const AppBase&) = delete;

    const char16_t* getClassName() const { return u"s_app_win_AppBase"; }

    const file::win::PathWin* getExecutablePath() const { return executablePath_; }
    const file::win::PathWin* getExecutableDir() const { return executableDir_; }
    process::commandline::ICommandLine* getCommandLine();
    // Arguments after the program name.
    std::int32_t argumentCount() const { return commandLine_->count(); }
    std::int32_t getProductTextBase() const { return kProductTextBase; }
    lang::Localizer* getLocalizer() { return localizer_; }
    // The version window's pictures, "IDR_JPG" 131 (700 x 230) and 132
    // (230 x 700); empty when a resource is missing.
    // The two pictures are decoded when first asked for: only the version
    // window shows them, and most runs never open it.
    const gui::Image& getWideImage();
    const gui::Image& getTallImage();
    // The pictures as device bitmaps, made on first request and owned here.
    HBITMAP getWideImageBitmap();
    HBITMAP getTallImageBitmap();

    // Icon group 128, the application's icon, and its images of 16, 32 and
    // 64 pixels, decoded on first request.
    HICON getAppIcon();
    const gui::Image& getAppIconImage16() { return iconImage(0, 16); }
    const gui::Image& getAppIconImage32() { return iconImage(1, 32); }
    const gui::Image& getAppIconImage64() { return iconImage(2, 64); }
    // A new icon for the icon group id of the executable; the caller destroys it.
    HICON loadIcon(int id);

    // This system has no application-wide skin set: the main window owns its own.
    bool hasAppSkinSet() const { return false; }
    gui::drawer::Skinner* getAppSkinSet() const { return nullptr; }
    map::IMappedData* getStore() { return store_; }

    // Flushes the store now; tear-down then does not flush it again.
    void flush();

    // The application-wide "Language" and "Skin" settings.
    const char16_t* getLanguage();
    void setLanguage(const char16_t* engName);
    const char16_t* getSkin();
    void setSkin(const char16_t* name);

    // The first start after installation: runs when there are no arguments.
    void runFirstStart() { openPageAfterInstall(); }
    // With the installer's "Silent" marker set, clears it and opens the
    // product's web page once.
    void openPageAfterInstall();

    // Whether another process of this executable runs; with notify, sends its
    // window the wake message (and the second one with secondMessage), by
    // the product's title in every pack language when byTitle. With notify,
    // a copy that shows no window after the wake and ends within a few
    // seconds was closing, not running: the search then goes on without it.
    bool findOtherInstance(bool notify, bool secondMessage = false, bool byTitle = true);
    // Gives the other running copy's window this process's arguments (as
    // the window takes them, gui::win::Window::kArgumentsTag). False when no
    // other copy's window took them.
    bool handOverArguments();
    // The same search over the windows of this thread's desktop.
    bool findOtherInstanceWindow(bool notify, bool secondMessage = false, bool byTitle = true);

    // The settings stores the application can use: the registry one (the
    // product's key below HKEY_CURRENT_USER) and a portable XML file beside
    // the executable. The caller releases what it gets.
    map::IMappedData* createRegistryStore();
    map::IMappedData* createPortableStore();

private:
    unsigned long otherInstanceProcess();
    unsigned long otherInstanceWindowProcess();
    const gui::Image& iconImage(int slot, int size);
    void wake(unsigned long processId, bool secondMessage, bool byTitle);
    // Waits, bounded, until the process ends (true) or shows a window or
    // the time is up (false).
    static bool endsWithoutWindow(unsigned long processId);
    // Calls send(title) with the product's title in each pack language, or
    // once with null when not byTitle.
    template <class Send> void forEachTitle(bool byTitle, Send send);

    str::StrBuffer scratch_;
    process::commandline::win::CommandLine* commandLine_ = nullptr;
    file::win::PathWin* executablePath_ = nullptr;
    file::win::PathWin* executableDir_ = nullptr;
    lang::Localizer* localizer_ = nullptr;
    map::IMappedData* store_ = nullptr;
    gui::Image wideImage_;
    gui::Image tallImage_;
    system::win::Bitmap wideBitmap_;
    system::win::Bitmap tallBitmap_;
    system::win::Icon appIcon_;
    gui::Image iconImages_[3];
    str::StrBuffer defaultSkinName_;
    bool flushed_ = false;
    bool comReady_ = false;
};

} // namespace s::app::win
