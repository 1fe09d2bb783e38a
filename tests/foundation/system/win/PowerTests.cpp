#include "foundation/system/win/Power.h"

#include "win/ShutdownPrivilege.h"
#include "foundation/system/Seams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> requests;
int answer = 1;

int recordPowerState(int suspend, int force) {
    requests.push_back("power " + std::to_string(suspend) + " " + std::to_string(force));
    return answer;
}

int recordExit(unsigned flags, unsigned long reason) {
    requests.push_back("exit " + std::to_string(flags) + " " + std::to_string(reason));
    return answer;
}

} // namespace

TEST(Power, TheFirstStepEnablesTheShutdownPrivilegeAndLaterOnesDoNothing) {
    s::test::setShutdownPrivilege(false);
    ASSERT_FALSE(s::test::shutdownPrivilegeEnabled());
    EXPECT_TRUE(s::system::win::ensureShutdownPrivilege());
    EXPECT_TRUE(s::test::shutdownPrivilegeEnabled());
    s::test::setShutdownPrivilege(false);
    EXPECT_FALSE(s::system::win::ensureShutdownPrivilege());
    EXPECT_FALSE(s::test::shutdownPrivilegeEnabled());
    s::test::setShutdownPrivilege(true);
}

TEST(Power, RequestsGoThroughTheSeamWithTheirArgumentsAndAnswers) {
    s::seams::setSetSystemPowerState(&recordPowerState);
    s::seams::setExitWindows(&recordExit);
    answer = 1;
    EXPECT_TRUE(s::system::win::setSystemPowerState(true, true));
    EXPECT_TRUE(s::system::win::exitWindows(s::system::win::kPowerOffForced, 0));
    answer = 0;
    EXPECT_FALSE(s::system::win::setSystemPowerState(false, true));
    EXPECT_FALSE(s::system::win::exitWindows(s::system::win::kLogOffForced, 7));
    s::seams::setSetSystemPowerState(nullptr);
    s::seams::setExitWindows(nullptr);
    EXPECT_EQ(requests, (std::vector<std::string>{"power 1 1", "exit 13 0", "power 0 1", "exit 4 7"}));
}
