#include "shell/CommandLine.h"

#include <gtest/gtest.h>

#include <string>

using s::process::commandline::win::CommandLine;

namespace {

struct Normalised {
    const char16_t* given;
    const char16_t* stored;
};

class CommandLineArgument : public ::testing::TestWithParam<Normalised> {};

TEST_P(CommandLineArgument, OptionsAreStoredWithAMinusSign) {
    CommandLine commandLine;
    commandLine.addArgument(GetParam().given);
    ASSERT_EQ(commandLine.count(), 1);
    EXPECT_EQ(std::u16string(commandLine.argumentAt(0)), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, CommandLineArgument,
    ::testing::Values(Normalised{u"-startup", u"-startup"}, Normalised{u"/startup", u"-startup"},
                      Normalised{u"startup", u"startup"}, Normalised{u"/StartUp", u"-StartUp"},
                      Normalised{u"/", u"-"}, Normalised{u"-", u"-"}, Normalised{u"//x", u"-/x"},
                      Normalised{u"a/b", u"a/b"}, Normalised{u"C:\\x y.mp3", u"C:\\x y.mp3"},
                      Normalised{u"", u""}));

} // namespace
