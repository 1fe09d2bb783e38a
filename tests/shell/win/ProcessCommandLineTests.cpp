#include "shell/win/ProcessCommandLine.h"

#include "shell/CommandLine.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using s::process::commandline::win::CommandLine;
using s::process::commandline::win::parseProcessCommandLine;

namespace {

std::vector<std::u16string> arguments(const CommandLine& commandLine) {
    std::vector<std::u16string> out;
    for (std::int32_t i = 0; i < commandLine.count(); ++i)
        out.emplace_back(commandLine.argumentAt(i));
    return out;
}

struct Split {
    const char16_t* commandLine;
    std::vector<std::u16string> arguments;
};

class ProcessCommandLine : public ::testing::TestWithParam<Split> {};

TEST_P(ProcessCommandLine, SplitsAsTheRuntimeDoesAndDropsTheProgram) {
    CommandLine commandLine;
    ASSERT_TRUE(parseProcessCommandLine(commandLine, GetParam().commandLine));
    EXPECT_EQ(arguments(commandLine), GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, ProcessCommandLine,
    ::testing::Values(Split{u"Tarnwick.exe", {}}, Split{u"\"C:\\Program Files\\Tarnwick.exe\"", {}},
                      Split{u"Tarnwick.exe -startup /startup startup",
                            {u"-startup", u"-startup", u"startup"}},
                      Split{u"Tarnwick.exe \"C:\\My Music\\alarm.mp3\"  \t /",
                            {u"C:\\My Music\\alarm.mp3", u"-"}},
                      Split{u"\"C:\\Program Files\\Tarnwick.exe\" \"/start up\"", {u"-start up"}},
                      Split{u"Tarnwick.exe a\\\"b \"c\\\\\" d\\e", {u"a\"b", u"c\\", u"d\\e"}},
                      Split{u"Tarnwick.exe \"\"", {u""}}));

TEST(ProcessCommandLine, TheProcessHasTheArgumentsTheRuntimeGaveMain) {
    CommandLine commandLine;
    ASSERT_TRUE(parseProcessCommandLine(commandLine));
    ASSERT_EQ(commandLine.count(), __argc - 1);
    for (int i = 1; i < __argc; ++i) {
        std::u16string expected;
        for (const char* p = __argv[i]; *p != 0; ++p)
            expected += static_cast<char16_t>(static_cast<unsigned char>(*p));
        if (!expected.empty() && expected[0] == u'/')
            expected[0] = u'-';
        EXPECT_EQ(std::u16string(commandLine.argumentAt(i - 1)), expected);
    }
}

} // namespace
