#include "shell/win/AppBase.h"

#include "foundation/DiagnosticLog.h"
#include "foundation/Pools.h"
#include "storage/Node.h"

#include <windows.h>

#include <shellapi.h>

namespace s::app::win {

namespace {
xml::MappedData* newSettingsStore() {
    xml::Node* root = thread::take<xml::Node>();
    root->setName(u"savedata");
    return xml::MappedData::createOverElement(root);
}
} // namespace

AppBase::AppBase() : store_(newSettingsStore()) {
    int count = 0;
    if (LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count)) {
        LocalFree(arguments);
        argumentCount_ = count > 1 ? count - 1 : 0;
    }
}

AppBase::~AppBase() { store_->release(); }

void AppBase::runFirstStart() { log::write("application base: first-start step"); }

bool AppBase::findOtherInstance(bool) { return false; }

} // namespace s::app::win
