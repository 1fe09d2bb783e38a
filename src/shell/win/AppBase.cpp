#include "shell/win/AppBase.h"

#include "foundation/DiagnosticLog.h"
#include "foundation/Pools.h"
#include "shell/win/ProcessCommandLine.h"
#include "storage/Node.h"

namespace s::app::win {

namespace {
xml::MappedData* newSettingsStore() {
    xml::Node* root = thread::take<xml::Node>();
    root->setName(u"savedata");
    return xml::MappedData::createOverElement(root);
}
} // namespace

AppBase::AppBase()
    : commandLine_(thread::take<process::commandline::win::CommandLine>()),
      store_(newSettingsStore()), localizer_(lang::Localizer::create(nullptr, u"IDR_XML", 130)) {
    process::commandline::win::parseProcessCommandLine(*commandLine_);
}

AppBase::~AppBase() {
    localizer_->release();
    store_->release();
    commandLine_->release();
}

void AppBase::runFirstStart() { log::write("application base: first-start step"); }

bool AppBase::findOtherInstance(bool) { return false; }

} // namespace s::app::win
