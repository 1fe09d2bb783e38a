#include "foundation/system/StartupTrace.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

void setVariable(const char* value) {
#ifdef _WIN32
    _putenv_s(s::trace::kTraceVariable, value);
#else
    if (*value == 0)
        unsetenv(s::trace::kTraceVariable);
    else
        setenv(s::trace::kTraceVariable, value, 1);
#endif
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Line {
    double sinceStart;
    double sinceLast;
    std::string phase;
};

std::vector<Line> lines(const std::string& text) {
    std::vector<Line> result;
    std::istringstream in(text);
    std::string line;
    std::getline(in, line); // the heading
    while (std::getline(in, line)) {
        Line parsed{};
        char phase[200] = {};
        unsigned long long resident = 0;
        if (std::sscanf(line.c_str(), "%lf ms %lf ms %llu KiB %199[^\n]", &parsed.sinceStart,
                        &parsed.sinceLast, &resident, phase) == 4) {
            parsed.phase = phase;
            result.push_back(parsed);
        }
    }
    return result;
}

class StartupTrace : public ::testing::Test {
protected:
    void TearDown() override {
        setVariable("");
        s::trace::reset();
        std::filesystem::remove(path_);
    }
    std::filesystem::path path_ = std::filesystem::temp_directory_path() / "tarnwick_trace_test.txt";
};

TEST_F(StartupTrace, UnsetRecordsAndWritesNothing) {
    setVariable("");
    s::trace::reset();
    s::trace::mark("one");
    s::trace::flush();
    EXPECT_EQ(s::trace::text(), "");
    EXPECT_FALSE(std::filesystem::exists(path_));
    // Decided at the first mark: setting the variable later changes nothing.
    setVariable(path_.string().c_str());
    s::trace::mark("two");
    EXPECT_EQ(s::trace::text(), "");
}

TEST_F(StartupTrace, MarksInOrderWithTimesThatAddUpAndEachFlushReplacesTheFile) {
    setVariable(path_.string().c_str());
    s::trace::reset();
    s::trace::mark("first phase");
    s::trace::mark("second phase");
    s::trace::flush();
    EXPECT_EQ(fileText(path_), s::trace::text());
    s::trace::mark("third phase");
    s::trace::flush();
    std::string written = fileText(path_);
    std::vector<Line> marks = lines(written);
    ASSERT_EQ(marks.size(), 3u) << written;
    const char* phases[] = {"first phase", "second phase", "third phase"};
    double previous = 0;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        EXPECT_EQ(marks[i].phase, phases[i]);
        EXPECT_GE(marks[i].sinceLast, 0.0) << phases[i];
        // Rounded to a tenth each: the steps add up to the total.
        EXPECT_NEAR(previous + marks[i].sinceLast, marks[i].sinceStart, 0.15) << phases[i];
        previous = marks[i].sinceStart;
    }
}

} // namespace
