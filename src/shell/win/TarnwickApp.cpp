#include "shell/win/TarnwickApp.h"

#include "foundation/system/DiagnosticLog.h"
#include "foundation/system/OsVersion.h"
#include "foundation/system/StartupTrace.h"
#include "foundation/objects/Pools.h"
#include "shell/win/AppBase.h"
#include "shell/win/AppWindow.h"
#include "skins/SkinFactory.h"
#include "skins/Skinner.h"
#include "timer/win/Dialog.h"
#include "toolkit/win/MessageBox.h"
#include "toolkit/window/IWindow.h"

#include <windows.h>

#include <commctrl.h>

#include <vector>

using s::sound::gui::dialogs::plinkett::Dialog;
using s::sound::gui::dialogs::plinkett::StartRequest;
using s::sound::gui::dialogs::plinkett::findStartRequest;

namespace {
constexpr std::int32_t kUnreadableTimeText = 840000; // "This time cannot be read:"
constexpr std::int32_t kTimeFormsText = 840010;      // how -after and -at are written
} // namespace

CTarnwickApp::CTarnwickApp() = default;

CTarnwickApp::~CTarnwickApp() { tearDown(); }

bool CTarnwickApp::initInstance() {
    namespace log = s::log;

    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0xFF;
    InitCommonControlsEx(&controls);
    log::write("start-up 1: common controls registered");
    s::trace::mark("common controls registered");

    log::write("start-up 2: framework initialised");

    appBase_ = std::make_unique<s::app::win::AppBase>();
    log::write("start-up 3: application base created");
    s::trace::mark("application base created");

    auto* skinSet = s::thread::take<s::gui::drawer::Skinner>();
    skinSet->setName(u"ThinWindow");
    // The built-in skins replace these; they stay when that set is unreadable.
    s::gui::drawer::skin::addFallbackSkins(*skinSet);
    log::write("start-up 4: window skin set created");

    s::app::win::AppWindowDefaults defaults;
    defaults.width = 200;
    defaults.height = 100;
    defaults.keepOnTop = true;
    defaults.onMClick = s::gui::IWindow::kMiddleIconize;
    defaults.defaultSkin = u"Gray WG";
    defaults.skinResourceType = u"IDR_XML";
    defaults.skinResourceId = 150;
    appWindow_ = s::app::win::AppWindow::create(appBase_.get(), u"MainWindow", defaults, skinSet);
    log::write("start-up 5: main application window created");
    s::trace::mark("skin set read, application window created");

    if (!s::system::OsVersion::get().isSupported()) {
        log::write("start-up 6: operating system not supported");
        auto* box = s::thread::take<s::gui::win::MessageBox>();
        box->showInformation(kUnsupportedSystemText);
        box->release();
        tearDown();
        return false;
    }
    log::write("start-up 6: operating system supported");

    if (appBase_->argumentCount() == 0) {
        appBase_->runFirstStart();
        log::write("start-up 7: first-start step run");
    } else {
        log::write("start-up 7: arguments given, first-start step skipped");
    }

    StartRequest request = startRequest();
    if (appBase_->findOtherInstance(true)) {
        if (request.kind == StartRequest::kStart && appBase_->handOverArguments())
            log::write("start-up 8: another instance runs; its count-down handed over");
        else
            log::write("start-up 8: another instance runs; handed over");
        tearDown();
        return false;
    }
    log::write("start-up 8: no other instance");

    dialog_ = s::thread::take<Dialog>();
    dialog_->bind(appWindow_);
    dialog_->setStartRequest(request);
    log::write("start-up 9: timer dialog bound");
    s::trace::mark("instance check, timer dialog bound");

    log::write("start-up 10: timer main routine");
    Dialog::runMain(dialog_);

    tearDown();
    return false;
}

// The count-down asked for with -after or -at. One that cannot be read is
// explained to the user and starts nothing.
StartRequest CTarnwickApp::startRequest() {
    auto* arguments = appBase_->getCommandLine();
    std::vector<const char16_t*> texts;
    for (std::int32_t i = 0; i < arguments->count(); ++i)
        texts.push_back(arguments->argumentAt(i));
    StartRequest request = findStartRequest(texts.data(), static_cast<std::int32_t>(texts.size()));
    if (request.kind == StartRequest::kMalformed) {
        s::log::write("start-up: the count-down's time cannot be read");
        auto* localizer = appBase_->getLocalizer();
        s::str::StrBuffer message(localizer->getText(kUnreadableTimeText));
        for (std::int32_t i = 0; i < arguments->count(); ++i) {
            message.append(i == 0 ? u"\n" : u" ");
            message.append(arguments->argumentAt(i));
        }
        message.append(u"\n\n");
        message.append(localizer->getText(kTimeFormsText));
        auto* box = s::thread::take<s::gui::win::MessageBox>();
        box->showInformation(message.cStr());
        box->release();
    }
    return request;
}

void CTarnwickApp::tearDown() {
    namespace log = s::log;
    if (dialog_ != nullptr) {
        // Giving the dialog back resets it: its run is stopped and waited for.
        dialog_->release();
        dialog_ = nullptr;
        log::write("tear-down 1: timer dialog released");
    }
    if (appWindow_ != nullptr) {
        appWindow_->release();
        appWindow_ = nullptr;
        log::write("tear-down 2: main application window released");
    }
    if (appBase_) {
        appBase_.reset();
        log::write("tear-down 3: application base released");
        log::write("tear-down 4: initialisation answers false");
    }
}
