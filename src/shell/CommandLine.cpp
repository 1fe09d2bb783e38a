#include "shell/CommandLine.h"

#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"

namespace s::process::commandline::win {

void CommandLine::createDependentPools() { thread::poolOf<str::StrBuffer>(); }

base::IObject* CommandLine::newInstance() const { return thread::take<CommandLine>(); }

void CommandLine::release() { thread::giveBack(this); }

const char16_t* CommandLine::argumentAt(std::int32_t index) const {
    return arguments_.at(static_cast<std::uint32_t>(index))->cStr();
}

void CommandLine::addArgument(const char16_t* argument) {
    str::StrBuffer* stored = thread::take<str::StrBuffer>();
    if (argument != nullptr && (argument[0] == u'-' || argument[0] == u'/')) {
        stored->set(u"-");
        stored->append(argument + 1);
    } else {
        stored->set(argument != nullptr ? argument : u"");
    }
    arguments_.add(stored);
}

} // namespace s::process::commandline::win
