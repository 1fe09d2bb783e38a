#include "foundation/files/PathText.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>

using s::test::narrow;

namespace pathtext = s::file::pathtext;
using s::str::StrBuffer;

namespace {

std::u16string repeated(char16_t c, std::size_t n) {
    return std::u16string(n, c);
}

} // namespace

TEST(PathTextSplit, SplitsAsTheCLibraryDoes) {
    struct Case {
        const char16_t* text;
        const char* drive;
        const char* directory;
        const char* title;
        const char* extension;
    } cases[] = {
        {u"C:\\Music\\alarm.mp3", "C:", "\\Music\\", "alarm", ".mp3"},
        {u"\\\\host\\share\\x.tar.gz", "", "\\\\host\\share\\", "x.tar", ".gz"},
        {u"C:", "C:", "", "", ""},
        {u"notes", "", "", "notes", ""},
        {u"C:\\dir.v2\\readme", "C:", "\\dir.v2\\", "readme", ""},
        {u"D:\\.hidden", "D:", "\\", "", ".hidden"},
        {u"C:\\d\\f.txt:stream", "C:", "\\d\\", "f", ".txt:stream"},
        {u"C:\\d\\f:stream", "C:", "\\d\\", "f:stream", ""},
    };
    for (const Case& c : cases) {
        StrBuffer text(c.text), drive, directory, title, extension;
        ASSERT_TRUE(pathtext::split(text, drive, directory, title, extension)) << narrow(c.text);
        EXPECT_EQ(narrow(drive), c.drive) << narrow(c.text);
        EXPECT_EQ(narrow(directory), c.directory) << narrow(c.text);
        EXPECT_EQ(narrow(title), c.title) << narrow(c.text);
        EXPECT_EQ(narrow(extension), c.extension) << narrow(c.text);
    }
}

TEST(PathTextSplit, AComponentTooLongForItsBufferFailsTheSplit) {
    // The directory component "\" + name + "\" has name + 2 units.
    std::u16string fits = u"C:\\" + repeated(u'd', pathtext::kSplitBuffer - 3) + u"\\f.txt";
    std::u16string tooLong = u"C:\\" + repeated(u'd', pathtext::kSplitBuffer - 2) + u"\\f.txt";
    StrBuffer drive, directory, title, extension;
    StrBuffer fitting(fits.c_str()), failing(tooLong.c_str());
    EXPECT_TRUE(pathtext::split(fitting, drive, directory, title, extension));
    EXPECT_EQ(directory.length(), pathtext::kSplitBuffer - 1);
    EXPECT_FALSE(pathtext::split(failing, drive, directory, title, extension));
    EXPECT_EQ(directory.length(), 0u);
}

TEST(PathTextForms, LongFormStartsAtTheThresholdForAbsolutePathsOnly) {
    std::u16string name = repeated(u'n', 300);
    struct Case {
        std::u16string text;
        const char* prefix; // nullptr: no long form
    } cases[] = {
        {u"C:\\" + name.substr(0, pathtext::kLongFormFrom - 4), nullptr},
        {u"C:\\" + name.substr(0, pathtext::kLongFormFrom - 3), "\\\\?\\C:\\nnn"},
        {u"\\\\host\\share\\" + name.substr(0, 247), "\\\\?\\UNC\\host\\share\\nnn"},
        {u"music\\" + name, nullptr},
        {u"\\\\?\\C:\\" + name, nullptr},
    };
    for (const Case& c : cases) {
        StrBuffer text(c.text.c_str()), form;
        pathtext::longForm(text, form);
        if (c.prefix == nullptr) {
            EXPECT_EQ(form.length(), 0u) << c.text.size();
            continue;
        }
        EXPECT_EQ(narrow(form).substr(0, std::string(c.prefix).size()), c.prefix);
        // Nothing of the path is lost: the prefix replaces at most "\\".
        EXPECT_EQ(narrow(form).substr(form.length() - 20), narrow(text).substr(text.length() - 20));
    }
}

TEST(PathTextForms, ServerNamesOfUncTexts) {
    struct Case {
        const char16_t* text;
        bool unc;
        const char* server;
    } cases[] = {
        {u"\\\\host/share\\x", true, "host"},
        {u"//host/share", true, "host"},
        {u"\\\\host", true, "host"},
        {u"\\\\", false, ""},
        {u"\\\\\\x", false, ""},
        {u"\\/host", false, ""},
        {u"C:\\host", false, ""},
    };
    for (const Case& c : cases) {
        StrBuffer text(c.text), server;
        EXPECT_EQ(pathtext::isUnc(text), c.unc) << narrow(c.text);
        pathtext::serverName(text, server);
        EXPECT_EQ(narrow(server), c.server) << narrow(c.text);
    }
}

TEST(PathTextForms, RootsKeepDriveOrShare) {
    struct Case {
        const char16_t* text;
        std::uint32_t root;
        const char* cut; // cutAfterShare
    } cases[] = {
        {u"C:\\Music\\", 3, "C:\\Music\\"},
        {u"C:", 2, "C:"},
        {u"\\\\host\\share\\dir\\", 13, "\\\\host\\share\\"},
        {u"\\\\host\\share", 12, "\\\\host\\share"},
        {u"\\top\\", 1, "\\top\\"},
        {u"music\\", 0, "music\\"},
    };
    for (const Case& c : cases) {
        StrBuffer text(c.text);
        EXPECT_EQ(pathtext::rootLength(text), c.root) << narrow(c.text);
        pathtext::cutAfterShare(text);
        EXPECT_EQ(narrow(text), c.cut) << narrow(c.text);
    }
}

TEST(PathTextRelative, CountsTheFoldersOfTheBaseBelowTheSharedOnes) {
    struct Case {
        const char16_t* base;
        const char16_t* path;
        const char* relative;
    } cases[] = {
        {u"C:\\Music\\", u"C:\\Music\\alarm.mp3", "alarm.mp3"},
        {u"C:\\Music\\Old\\", u"C:\\Music\\alarm.mp3", "..\\alarm.mp3"},
        {u"C:\\Music\\", u"c:\\MUSIC\\Jazz\\a.mp3", "Jazz\\a.mp3"},
        {u"C:\\Music\\", u"C:\\Sounds\\a.wav", "..\\Sounds\\a.wav"},
        // The names share letters, not a folder.
        {u"C:\\Music\\", u"C:\\MusicBox\\a.mp3", "..\\MusicBox\\a.mp3"},
        {u"C:\\Music\\Old\\", u"C:\\Music", "..\\..\\Music"},
        {u"\\\\host\\share\\a\\", u"\\\\host\\share\\b\\c", "..\\b\\c"},
    };
    for (const Case& c : cases) {
        StrBuffer base(c.base), path(c.path), out;
        pathtext::relative(base, path, out);
        EXPECT_EQ(narrow(out), c.relative) << narrow(c.base) << " -> " << narrow(c.path);
    }
}

TEST(PathTextRelative, ResolveGoesUpNoFurtherThanTheRoot) {
    struct Case {
        const char16_t* base;
        const char16_t* text;
        const char* resolved;
    } cases[] = {
        {u"C:\\Music\\Old\\", u"..\\alarm.mp3", "C:\\Music\\alarm.mp3"},
        {u"C:\\Music\\Old\\", u"../../x", "C:\\x"},
        {u"C:\\Music\\", u"..\\..\\..\\x", "C:\\x"},
        {u"C:\\Music\\", u"..", "C:\\"},
        {u"C:\\Music\\", u"..x\\y", "C:\\Music\\..x\\y"},
        {u"\\\\host\\share\\a\\", u"..\\..\\b", "\\\\host\\share\\b"},
        {u"C:\\Music\\", u"D:\\x", "D:\\x"},
        {u"\\\\host\\share\\a\\", u"\\x", "\\\\host\\share\\x"},
        {u"C:\\Music\\", u"\\x", "C:\\x"},
    };
    for (const Case& c : cases) {
        StrBuffer base(c.base), text(c.text), out;
        pathtext::resolve(base, text, out);
        EXPECT_EQ(narrow(out), c.resolved) << narrow(c.base) << " + " << narrow(c.text);
    }
}

TEST(PathTextRelative, ResolvingARelativeTextGivesThePathBack) {
    const char16_t* bases[] = {u"C:\\Music\\", u"C:\\Music\\Old\\Best\\", u"C:\\",
                               u"\\\\host\\share\\a\\"};
    const char16_t* paths[] = {
        u"C:\\Music\\alarm.mp3",           u"C:\\MusicBox\\a.mp3", u"C:\\Music",
        u"C:\\Music\\Old\\Best\\x\\y.wav", u"C:\\Mu\\z",           u"\\\\host\\share\\a\\b",
        u"\\\\host\\share\\ab\\c"};
    for (const char16_t* b : bases) {
        for (const char16_t* p : paths) {
            StrBuffer base(b), path(p);
            if ((base.charAt(0) == u'\\') != (path.charAt(0) == u'\\'))
                continue;
            StrBuffer relative, resolved;
            pathtext::relative(base, path, relative);
            pathtext::resolve(base, relative, resolved);
            pathtext::normalise(resolved);
            EXPECT_EQ(narrow(resolved), narrow(path))
                << narrow(base) << " via " << narrow(relative);
        }
    }
}

TEST(PathTextWildcards, StarsAndQuestionMarksIgnoringCase) {
    struct Case {
        const char16_t* pattern;
        const char16_t* name;
        bool matches;
    } cases[] = {
        {u"*.mp3", u"alarm.mp3", true},
        {u"*.mp3", u"ALARM.MP3", true},
        {u"*.mp3", u"alarm.mp3.txt", false},
        {u"*.mp3", u"alarm.mp", false},
        {u"a?arm.*", u"alarm.wav", true},
        {u"a?arm.*", u"aarm.wav", false},
        {u"*", u"anything", true},
        {u"*.*", u"no-dot", true},
        {u"*a*b*", u"xxaxxbxx", true},
        {u"*a*b*", u"xxbxxaxx", false},
        {u"song", u"song", true},
        {u"song", u"songs", false},
        {u"s*g", u"sg", true},
        {u"", u"x", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pathtext::matchesWildcard(c.pattern, c.name), c.matches)
            << narrow(c.pattern) << " ~ " << narrow(c.name);
}
