#pragma once

#include "localization/Localizer.h"
#include "shell/CommandLine.h"
#include "storage/XmlMappedData.h"

#include <cstdint>

namespace s::app::win {

// The application's identity, settings store and language. This first cut
// keeps the settings in memory (an XML store without a file) and finds no
// other running copy; the language pack is the embedded one, with the
// system's language.
class AppBase {
public:
    AppBase();
    ~AppBase();
    AppBase(const AppBase&) = delete;
    AppBase& operator=(const AppBase&) = delete;

    const char16_t* getClassName() const { return u"s_app_win_AppBase"; }

    // Arguments after the program name.
    std::int32_t argumentCount() const { return commandLine_->count(); }

    // The first start after installation; runs when there are no arguments.
    void runFirstStart();

    // True when another copy of this executable runs; notify wakes its window.
    bool findOtherInstance(bool notify);

    map::IMappedData* getStore() { return store_; }
    lang::Localizer* getLocalizer() { return localizer_; }

private:
    process::commandline::win::CommandLine* commandLine_;
    xml::MappedData* store_;
    lang::Localizer* localizer_;
};

} // namespace s::app::win
