#include "foundation/files/win/Shell.h"

#include "FileTestSupport.h"
#include "foundation/system/Seams.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

using namespace file_test;

namespace {

// What the shell was asked, copied while the request's texts still live.
struct Request {
    DWORD size = 0;
    ULONG mask = 0;
    HWND window = nullptr;
    bool defaultVerb = false;
    std::wstring verb, file, parameters;
    bool noDirectory = false;
    int show = -1;
};

std::vector<Request> requests;
int shellAnswer = TRUE;

int recordRequest(SHELLEXECUTEINFOW* info) {
    Request r;
    r.size = info->cbSize;
    r.mask = info->fMask;
    r.window = info->hwnd;
    r.defaultVerb = info->lpVerb == nullptr;
    r.verb = info->lpVerb != nullptr ? info->lpVerb : L"";
    r.file = info->lpFile != nullptr ? info->lpFile : L"(null)";
    r.parameters = info->lpParameters != nullptr ? info->lpParameters : L"(null)";
    r.noDirectory = info->lpDirectory == nullptr;
    r.show = info->nShow;
    requests.push_back(r);
    return shellAnswer;
}

// Takes the shell over for one test.
class ShellSeam : public ::testing::Test {
protected:
    void SetUp() override {
        requests.clear();
        shellAnswer = TRUE;
        s::seams::setShellExecute(&recordRequest);
    }
    void TearDown() override { s::seams::setShellExecute(nullptr); }

    const Request& only() {
        EXPECT_EQ(requests.size(), 1u);
        static const Request none;
        return requests.empty() ? none : requests.back();
    }
};

std::wstring wideOf(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

} // namespace

TEST_F(ShellSeam, ExecuteHidesOnlyBatchFilesThatExist) {
    TempFolder temp;
    writeBytes(temp.file(u"job.BAT"), "@echo off\r\n");
    writeBytes(temp.file(u"job.txt"), "");
    std::filesystem::create_directories(temp.path() / "folder.bat");
    struct Case {
        std::u16string path;
        int show;
    } cases[] = {
        {temp.file(u"job.BAT"), SW_HIDE},
        {temp.file(u"job.bat"), SW_HIDE}, // the file system ignores case
        {temp.file(u"missing\\job.bat"), SW_SHOWNORMAL},
        {temp.file(u"job.txt"), SW_SHOWNORMAL},
        {temp.file(u"folder.bat"), SW_SHOWNORMAL},
    };
    for (const Case& c : cases) {
        requests.clear();
        EXPECT_TRUE(s::file::win::execute(c.path.c_str(), nullptr));
        const Request& r = only();
        EXPECT_EQ(r.show, c.show) << narrow(c.path);
        EXPECT_EQ(r.file, wideOf(c.path));
        EXPECT_EQ(r.parameters, L"");
    }
}

TEST_F(ShellSeam, RequestsAreFilledAsTheShellExpectsThem) {
    s::file::win::execute(u"C:\\Tools\\run.exe", u"-a \"b c\"");
    Request run = only();
    requests.clear();
    s::file::win::openWithShell(u"https://example.com/");
    Request open = only();
    requests.clear();
    s::file::win::showProperties(u"C:\\Music\\alarm.mp3");
    Request properties = only();

    for (const Request* r : {&run, &open, &properties}) {
        EXPECT_EQ(r->size, sizeof(SHELLEXECUTEINFOW));
        EXPECT_EQ(r->window, nullptr);
        EXPECT_TRUE(r->noDirectory);
        EXPECT_NE(r->mask & SEE_MASK_FLAG_NO_UI, 0u);
    }
    EXPECT_TRUE(run.defaultVerb);
    EXPECT_EQ(run.file, L"C:\\Tools\\run.exe");
    EXPECT_EQ(run.parameters, L"-a \"b c\"");
    EXPECT_EQ(run.show, SW_SHOWNORMAL);
    EXPECT_EQ(run.mask & SEE_MASK_INVOKEIDLIST, 0u);

    EXPECT_EQ(open.verb, L"open");
    EXPECT_EQ(open.file, L"https://example.com/");
    EXPECT_EQ(open.parameters, L"");
    EXPECT_EQ(open.show, SW_SHOWNORMAL);

    EXPECT_EQ(properties.verb, L"properties");
    EXPECT_EQ(properties.mask & SEE_MASK_INVOKEIDLIST, static_cast<ULONG>(SEE_MASK_INVOKEIDLIST));
    EXPECT_EQ(properties.show, SW_SHOWNORMAL);
}

TEST_F(ShellSeam, TheShellsAnswerIsPassedOnExceptForProperties) {
    shellAnswer = FALSE;
    EXPECT_FALSE(s::file::win::execute(u"C:\\missing.exe", u""));
    EXPECT_FALSE(s::file::win::openWithShell(u"C:\\missing.txt"));
    EXPECT_TRUE(s::file::win::showProperties(u"C:\\missing.txt"));
    EXPECT_EQ(requests.size(), 3u);
    shellAnswer = TRUE;
    EXPECT_TRUE(s::file::win::openWithShell(u"C:\\there.txt"));
}

// The one real start: a program built beside this one writes what it got.
TEST(ShellExecution, StartsAProgramWithItsParameterString) {
    wchar_t self[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    ASSERT_GT(length, 0u);
    fs::path helper = fs::path(self).parent_path() / "parameter_echo.exe";
    ASSERT_TRUE(fs::exists(helper)) << helper.string();
    TempFolder temp;
    std::u16string result = temp.file(u"echo.txt");
    std::u16string parameters = u"\"" + result + u"\" alpha \"beta gamma\" \u00e9t\u00e9";
    ASSERT_TRUE(s::file::win::execute(helper.u16string().c_str(), parameters.c_str()));
    for (int waited = 0; waited < 30000 && !fs::exists(fs::path(result)); waited += 50)
        Sleep(50);
    EXPECT_EQ(fileBytes(result), "alpha|beta gamma|\xc3\xa9t\xc3\xa9");
}
