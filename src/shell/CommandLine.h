#pragma once

#include "foundation/objects/IPoolable.h"
#include "foundation/strings/StrArray.h"
#include "shell/ICommandLine.h"

#include <cstdint>

namespace s::process::commandline::win {

// The normalised arguments, filled once at start-up argument by argument:
// on Windows by parseProcessCommandLine (shell/win/ProcessCommandLine.h).
// Pooled: take<CommandLine>(), release().
class CommandLine final : public ICommandLine, public thread::IPoolable {
public:
    // Clearing gives the arguments to the string pool: it must outlive this one.
    static void createDependentPools();

    CommandLine() = default;
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    const char16_t* getClassName() const override {
        return u"s_process_commandline_win_CommandLine";
    }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override { arguments_.clear(); }

    std::int32_t count() const override { return static_cast<std::int32_t>(arguments_.count()); }
    const char16_t* argumentAt(std::int32_t index) const override;
    void dump() const override {}

    // Appends one argument as given to the process: one that begins with
    // "-" or "/" is an option and is stored with "-" in place of that
    // character ("/startup" and "-startup" both as "-startup", "/" as "-");
    // any other is stored as it is. Letter case is kept.
    void addArgument(const char16_t* argument);

private:
    str::StrArray arguments_;
};

} // namespace s::process::commandline::win
