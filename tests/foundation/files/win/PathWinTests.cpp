#include "foundation/files/win/PathWin.h"

#include "FileTestSupport.h"
#include "foundation/collections/Arrays.h"
#include "foundation/system/Platform.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrArray.h"
#include "foundation/files/win/PathArray.h"
#include "foundation/system/win/Handles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using s::file::win::PathWin;
using namespace file_test;

namespace {

std::set<std::string> namesIn(s::col::ArrayP* paths, const TempFolder& root) {
    std::set<std::string> names;
    std::size_t skip = root.text().size() + 1;
    for (std::uint32_t i = 0; i < paths->length(); ++i)
        names.insert(narrow(static_cast<PathWin*>(paths->at(i))->fullPath()).substr(skip));
    paths->release();
    return names;
}

std::set<std::string> namesIn(s::str::StrArray* list) {
    std::set<std::string> names;
    for (std::uint32_t i = 0; i < list->count(); ++i)
        names.insert(narrow(list->at(i)->cStr()));
    list->release();
    return names;
}

std::set<std::string> treeOf(const fs::path& root) {
    std::set<std::string> entries;
    for (auto& entry : fs::recursive_directory_iterator(root)) {
        std::string name = fs::relative(entry.path(), root).string();
        if (entry.is_regular_file())
            name += "=" + fileBytes(entry.path().u16string());
        entries.insert(name);
    }
    return entries;
}

// A small tree: two files, a folder with a read-only file and a hidden one.
void makeTree(const TempFolder& temp, const std::u16string& top) {
    writeBytes(temp.file(top + u"\\one.txt"), "1");
    writeBytes(temp.file(top + u"\\two.bin"), "22");
    writeBytes(temp.file(top + u"\\sub\\three.txt"), "333");
    writeBytes(temp.file(top + u"\\sub\\hidden.txt"), "4444");
    setAttribute(temp.file(top + u"\\sub\\three.txt"), FILE_ATTRIBUTE_READONLY);
    setAttribute(temp.file(top + u"\\sub\\hidden.txt"), FILE_ATTRIBUTE_HIDDEN);
}

// Sets one of the Explorer values for the lifetime of the object and makes
// the listings read them again.
class ExplorerValue {
public:
    ExplorerValue(const wchar_t* name, DWORD value) : name_(name) {
        RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key_.put(),
                        nullptr);
        DWORD size = sizeof old_;
        had_ = RegQueryValueExW(key_.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(&old_),
                                &size) == ERROR_SUCCESS;
        set(value);
    }
    ~ExplorerValue() {
        if (had_)
            set(old_);
        else
            RegDeleteValueW(key_.get(), name_);
        key_.reset();
        PathWin::reloadExplorerSettings();
    }
    ExplorerValue(const ExplorerValue&) = delete;
    ExplorerValue& operator=(const ExplorerValue&) = delete;

    void set(DWORD value) {
        RegSetValueExW(key_.get(), name_, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                       sizeof value);
        PathWin::reloadExplorerSettings();
    }

private:
    static constexpr const wchar_t* kKey =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
    const wchar_t* name_;
    s::system::win::RegKey key_;
    DWORD old_ = 0;
    bool had_ = false;
};

} // namespace

// ---- splitting

TEST(PathWinSplit, SetPathNormalisesAndSplits) {
    struct Case {
        const char16_t* text;
        const char* fullPath;
        const char* directory;
        const char* title;
        const char* extension;
        bool streamName;
    } cases[] = {
        {u"C:/Music/alarm.mp3", "C:\\Music\\alarm.mp3", "C:\\Music\\", "alarm", ".mp3", false},
        {u"C:\\Music\\", "C:\\Music", "C:\\", "Music", "", false},
        {u"C:\\", "C:", "C:\\", "", "", false},
        {u"\\\\host/share\\x.wav", "\\\\host\\share\\x.wav", "\\\\host\\share\\", "x", ".wav",
         false},
        {u"C:\\dir\\file.txt:stream", "C:\\dir\\file.txt:stream", "C:\\dir\\", "file",
         ".txt:stream", true},
        {u"C:\\dir\\file:stream", "C:\\dir\\file:stream", "C:\\dir\\", "file:stream", "", true},
    };
    for (const Case& c : cases) {
        PathPtr path = pathOf(c.text);
        EXPECT_TRUE(path->isValid()) << narrow(c.text);
        EXPECT_EQ(narrow(path->fullPath()), c.fullPath) << narrow(c.text);
        EXPECT_EQ(narrow(path->directory()), c.directory) << narrow(c.text);
        EXPECT_EQ(narrow(path->fileTitle()), c.title) << narrow(c.text);
        EXPECT_EQ(narrow(path->extension()), c.extension) << narrow(c.text);
        EXPECT_EQ(path->hasStreamName(), c.streamName) << narrow(c.text);
    }
}

TEST(PathWinSplit, EmptyTextLeavesThePathInvalid) {
    PathPtr path = pathOf(u"");
    EXPECT_FALSE(path->isValid());
    EXPECT_FALSE(path->exists());
    EXPECT_FALSE(path->isDirectory());
    EXPECT_FALSE(path->isFile());
}

TEST(PathWinSplit, LongPathsGetTheSystemFormAt260Characters) {
    std::u16string tail(300, u'x');
    PathPtr drive = pathOf(u"C:\\Music\\" + tail.substr(0, 251));
    PathPtr unc = pathOf(u"\\\\host\\share\\" + tail.substr(0, 247));
    ASSERT_EQ(drive->fullPathLength(), 260u);
    ASSERT_EQ(unc->fullPathLength(), 260u);
    EXPECT_EQ(narrow(drive->systemPath()).substr(0, 12), "\\\\?\\C:\\Music");
    EXPECT_EQ(narrow(unc->systemPath()).substr(0, 19), "\\\\?\\UNC\\host\\share\\");
    EXPECT_EQ(narrow(unc->serverName()), "host");
    PathPtr shortOne = pathOf(u"C:\\Music\\alarm.mp3");
    EXPECT_EQ(narrow(shortOne->systemPath()), "C:\\Music\\alarm.mp3");
}

TEST(PathWinSplit, DrivesServersAndVolumes) {
    PathPtr unc = pathOf(u"\\\\host/share\\x");
    EXPECT_TRUE(unc->isUnc());
    EXPECT_EQ(narrow(unc->serverName()), "host");
    EXPECT_EQ(narrow(unc->rootPath()), "\\\\host\\share\\");
    EXPECT_TRUE(unc->isAbsolute());
    PathPtr otherShare = pathOf(u"\\\\HOST\\music");
    PathPtr otherServer = pathOf(u"\\\\elsewhere\\share\\x");
    EXPECT_TRUE(unc->sameVolume(*otherShare));
    EXPECT_FALSE(unc->sameVolume(*otherServer));

    PathPtr drive = pathOf(u"c:\\Music\\alarm.mp3");
    PathPtr sameDrive = pathOf(u"C:\\other");
    PathPtr otherDrive = pathOf(u"D:\\Music\\alarm.mp3");
    EXPECT_TRUE(drive->sameVolume(*sameDrive));
    EXPECT_FALSE(drive->sameVolume(*otherDrive));
    EXPECT_FALSE(drive->sameVolume(*unc));
    EXPECT_EQ(narrow(drive->rootPath()), "c:\\");
    EXPECT_TRUE(pathOf(u"C:\\")->isDriveOnly());
    EXPECT_FALSE(pathOf(u"music\\a.mp3")->isAbsolute());
}

// ---- relative paths

TEST(PathWinRelative, MakeRelativeAndResolveRoundTripOnRealFolders) {
    TempFolder temp;
    fs::create_directories(temp.path() / "a" / "b");
    writeBytes(temp.file(u"a\\b\\f.txt"), "x");
    PathPtr folder = pathOf(temp.file(u"a\\b"));
    PathPtr fileInIt = pathOf(temp.file(u"a\\b\\f.txt"));
    struct Case {
        PathWin* base;
        std::u16string target;
        const char* relative;
    } cases[] = {
        // An existing folder is the base itself, a file stands for its folder.
        {folder.get(), temp.file(u"a\\c\\x.txt"), "..\\c\\x.txt"},
        {fileInIt.get(), temp.file(u"a\\c\\x.txt"), "..\\c\\x.txt"},
        {folder.get(), temp.file(u"a\\b\\g.txt"), "g.txt"},
        {folder.get(), temp.file(u"a\\bb\\g.txt"), "..\\bb\\g.txt"},
        {folder.get(), temp.file(u"x.txt"), "..\\..\\x.txt"},
    };
    for (const Case& c : cases) {
        std::string relative = narrow(c.base->makeRelative(c.target.c_str(), false));
        EXPECT_EQ(relative, c.relative) << narrow(c.target);
        std::u16string back(c.base->makeRelative(c.target.c_str(), false));
        PathPtr resolved(c.base->resolve(back.c_str(), false));
        EXPECT_EQ(narrow(resolved->fullPath()), narrow(c.target));
    }
    // A missing path is taken as a directory only when asked.
    PathPtr missing = pathOf(temp.file(u"a\\gone"));
    EXPECT_EQ(narrow(missing->makeRelative(temp.file(u"a\\x").c_str(), false)), "x");
    EXPECT_EQ(narrow(missing->makeRelative(temp.file(u"a\\x").c_str(), true)), "..\\x");
}

TEST(PathWinRelative, APathOnAnotherVolumeStaysAsItIs) {
    PathPtr base = pathOf(u"C:\\Music");
    EXPECT_EQ(narrow(base->makeRelative(u"D:\\Sounds\\a.wav", true)), "D:\\Sounds\\a.wav");
    EXPECT_EQ(narrow(base->makeRelative(u"\\\\host\\share\\a.wav", true)),
              "\\\\host\\share\\a.wav");
}

// ---- files and attributes

TEST(PathWinFiles, AttributesOfRealEntries) {
    TempFolder temp;
    writeBytes(temp.file(u"f.txt"), "hello");
    PathPtr file = pathOf(temp.file(u"f.txt"));
    PathPtr folder = pathOf(temp.text());
    PathPtr missing = pathOf(temp.file(u"missing.txt"));
    EXPECT_TRUE(file->exists());
    EXPECT_TRUE(file->isFile());
    EXPECT_FALSE(file->isDirectory());
    EXPECT_TRUE(file->isReadWritable());
    EXPECT_TRUE(folder->isDirectory());
    EXPECT_FALSE(folder->isEmptyDirectory());
    EXPECT_FALSE(missing->exists());
    // A missing entry is neither, though its "attributes" have every bit set.
    EXPECT_EQ(missing->attributes(), PathWin::kInvalidAttributes);
    EXPECT_FALSE(missing->isDirectory());
    EXPECT_FALSE(missing->isFile());
    EXPECT_EQ(file->size(), 5);
    EXPECT_EQ(missing->size(), 0);

    ASSERT_TRUE(file->hide());
    EXPECT_TRUE(file->isHidden());
    EXPECT_NE(GetFileAttributesW(temp.path().c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_NE(GetFileAttributesW((temp.path() / "f.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    ASSERT_TRUE(file->setWritable(false));
    EXPECT_FALSE(file->isWritable());
    EXPECT_TRUE(file->makeWritable());
    EXPECT_TRUE(file->isWritable());
}

TEST(PathWinFiles, SetTimesHonoursTheSwitchOfTheEntrysKind) {
    TempFolder temp;
    writeBytes(temp.file(u"plain.txt"), "p");
    writeBytes(temp.file(u"locked.txt"), "r");
    setAttribute(temp.file(u"locked.txt"), FILE_ATTRIBUTE_READONLY);
    constexpr std::int64_t kWhen = 1357000000; // 2013-01-01
    PathPtr plain = pathOf(temp.file(u"plain.txt"));
    PathPtr locked = pathOf(temp.file(u"locked.txt"));
    std::int64_t lockedBefore = locked->modificationTime();
    EXPECT_TRUE(plain->setTimes(-1, kWhen, -1, true, false, false, false, false));
    EXPECT_TRUE(locked->setTimes(-1, kWhen, -1, true, false, false, false, false));
    EXPECT_EQ(plain->modificationTime(true), kWhen);
    EXPECT_EQ(locked->modificationTime(true), lockedBefore);
    // With its switch on, the read-only file changes and stays read-only.
    EXPECT_TRUE(locked->setTimes(-1, kWhen, -1, false, true, false, false, false));
    EXPECT_EQ(locked->modificationTime(true), kWhen);
    EXPECT_NE(GetFileAttributesW((temp.path() / "locked.txt").c_str()) & FILE_ATTRIBUTE_READONLY,
              0u);
}

TEST(PathWinFiles, DirectorySizesSumTheirFiles) {
    TempFolder temp;
    makeTree(temp, u"t");
    PathPtr top = pathOf(temp.file(u"t"));
    std::uint32_t files = 0, folders = 0;
    EXPECT_EQ(top->size(true, false, &files, &folders), 3);
    EXPECT_EQ(files, 2u);
    EXPECT_EQ(folders, 1u);
    files = folders = 0;
    EXPECT_EQ(top->size(true, true, &files, &folders), 10);
    EXPECT_EQ(files, 4u);
    EXPECT_EQ(folders, 1u);
    PathPtr one = pathOf(temp.file(u"t\\one.txt"));
    EXPECT_GE(one->sizeOnDisk(), 512);
    EXPECT_EQ(one->sizeOnDisk() % 512, 0);
}

TEST(PathWinFiles, RenameAndScramble) {
    TempFolder temp;
    writeBytes(temp.file(u"a.txt"), "a");
    writeBytes(temp.file(u"taken.txt"), "t");
    PathPtr file = pathOf(temp.file(u"a.txt"));
    EXPECT_FALSE(file->rename(temp.file(u"taken.txt").c_str()));
    ASSERT_TRUE(file->rename(temp.file(u"b.txt").c_str()));
    EXPECT_EQ(fileBytes(temp.file(u"b.txt")), "a");
    EXPECT_FALSE(fs::exists(temp.path() / "a.txt"));

    PathPtr renamed = pathOf(temp.file(u"b.txt"));
    PathPtr scrambled = pathOf(u"");
    ASSERT_TRUE(renamed->scrambleName(3, scrambled.get(), true));
    EXPECT_FALSE(fs::exists(temp.path() / "b.txt"));
    EXPECT_EQ(fileBytes(scrambled->fullPath()), "a");
    std::string name = narrow(scrambled->name());
    EXPECT_EQ(name.size(), 5u);
    EXPECT_EQ(name[1], '.');
}

// ---- creating, copying, moving, deleting

TEST(PathWinOperations, CreateMakesMissingParents) {
    TempFolder temp;
    PathPtr file = pathOf(temp.file(u"x\\y\\new.txt"));
    ASSERT_TRUE(file->createFile(false));
    EXPECT_TRUE(fs::is_regular_file(temp.path() / "x" / "y" / "new.txt"));
    EXPECT_FALSE(file->createFile(false));
    PathPtr folder = pathOf(temp.file(u"p\\q\\r"));
    ASSERT_TRUE(folder->createDirectory(false));
    EXPECT_TRUE(fs::is_directory(temp.path() / "p" / "q" / "r"));
    EXPECT_TRUE(folder->isEmptyDirectory());
}

TEST(PathWinOperations, CopyMoveAndDeleteASmallTree) {
    TempFolder temp;
    makeTree(temp, u"a");
    std::set<std::string> tree = treeOf(temp.path() / "a");
    ASSERT_EQ(tree.size(), 5u);

    PathPtr source = pathOf(temp.file(u"a"));
    ASSERT_TRUE(source->copyTo(temp.file(u"b").c_str(), false));
    EXPECT_EQ(treeOf(temp.path() / "b"), tree);

    PathPtr copy = pathOf(temp.file(u"b"));
    ASSERT_TRUE(copy->moveTo(temp.file(u"c").c_str(), false, false));
    EXPECT_FALSE(fs::exists(temp.path() / "b"));
    EXPECT_EQ(treeOf(temp.path() / "c"), tree);

    // The read-only and the hidden file go with the rest.
    PathPtr moved = pathOf(temp.file(u"c"));
    ASSERT_TRUE(moved->remove(false, false));
    EXPECT_FALSE(fs::exists(temp.path() / "c"));
    EXPECT_TRUE(moved->remove(false, false));
    EXPECT_EQ(treeOf(temp.path() / "a"), tree);
}

TEST(PathWinOperations, CopyingAFolderIntoItselfIsRefused) {
    TempFolder temp;
    makeTree(temp, u"a");
    PathPtr source = pathOf(temp.file(u"a"));
    EXPECT_FALSE(source->copyTo(temp.file(u"a\\sub\\again").c_str(), true));
    EXPECT_FALSE(fs::exists(temp.path() / "a" / "sub" / "again"));
    // A sibling whose name starts the same is no part of it.
    EXPECT_TRUE(source->copyTo(temp.file(u"ab").c_str(), true));
}

TEST(PathWinOperations, CopyAndMoveOfFilesKeepOrReplaceTheTarget) {
    TempFolder temp;
    writeBytes(temp.file(u"new.txt"), "new");
    writeBytes(temp.file(u"old.txt"), "old");
    PathPtr source = pathOf(temp.file(u"new.txt"));
    EXPECT_FALSE(source->copyTo(temp.file(u"old.txt").c_str(), false));
    EXPECT_EQ(fileBytes(temp.file(u"old.txt")), "old");
    EXPECT_TRUE(source->copyTo(temp.file(u"deeper\\copy.txt").c_str(), false));
    EXPECT_EQ(fileBytes(temp.file(u"deeper\\copy.txt")), "new");
    EXPECT_FALSE(source->moveTo(temp.file(u"old.txt").c_str(), false, false));
    EXPECT_TRUE(source->moveTo(temp.file(u"old.txt").c_str(), true, false));
    EXPECT_EQ(fileBytes(temp.file(u"old.txt")), "new");
    EXPECT_FALSE(fs::exists(temp.path() / "new.txt"));
}

TEST(PathWinOperations, NextFreeNameCountsUp) {
    TempFolder temp;
    PathPtr song = pathOf(temp.file(u"song.mp3"));
    PathPtr free0(song->nextFreeName());
    EXPECT_EQ(narrow(free0->fullPath()), narrow(temp.file(u"song.mp3")));
    writeBytes(temp.file(u"song.mp3"), "");
    PathPtr free1(song->nextFreeName());
    EXPECT_EQ(narrow(free1->name()), "song (1).mp3");
    writeBytes(free1->fullPath(), "");
    PathPtr free2(song->nextFreeName());
    EXPECT_EQ(narrow(free2->name()), "song (2).mp3");
    PathPtr compact(song->nextFreeNameCompact());
    EXPECT_EQ(narrow(compact->name()), "song1.mp3");
    fs::create_directories(temp.path() / "dir.v2");
    PathPtr folder = pathOf(temp.file(u"dir.v2"));
    PathPtr nextFolder(folder->nextFreeName());
    EXPECT_EQ(narrow(nextFolder->name()), "dir.v2 (1)");
}

TEST(PathWinOperations, DerivedPaths) {
    PathPtr song = pathOf(u"C:\\Music\\song.mp3");
    EXPECT_EQ(narrow(PathPtr(song->child(u"x"))->fullPath()), "C:\\Music\\song.mp3\\x");
    EXPECT_EQ(narrow(PathPtr(song->withExtension(u".wav"))->fullPath()), "C:\\Music\\song.wav");
    EXPECT_EQ(narrow(PathPtr(song->withSuffix(u"-old"))->fullPath()), "C:\\Music\\song-old.mp3");
    EXPECT_EQ(narrow(PathPtr(song->parent())->fullPath()), "C:\\Music");
    EXPECT_EQ(narrow(song->directoryTrimmed()), "C:\\Music");
    EXPECT_EQ(narrow(song->directoryForm()), "C:\\Music\\song.mp3\\");
    EXPECT_EQ(narrow(song->extensionWithoutDot()), "mp3");
    EXPECT_TRUE(song->hasExtension(u".MP3"));
    PathPtr drive(PathPtr(song->parent())->parentOrNone());
    ASSERT_NE(drive, nullptr);
    EXPECT_EQ(narrow(drive->fullPath()), "C:");
    EXPECT_EQ(drive->parentOrNone(), nullptr);
    // The To forms append when asked.
    s::str::StrBuffer out(u"at ");
    song->nameTo(&out, true);
    EXPECT_EQ(narrow(out.cStr()), "at song.mp3");
}

// ---- shortcuts

TEST(PathWinShortcuts, AShortcutLeadsBackToItsTarget) {
    TempFolder temp;
    writeBytes(temp.file(u"target.exe"), "MZ");
    PathPtr target = pathOf(temp.file(u"target.exe"));
    ASSERT_TRUE(target->createShortcut(temp.file(u"link").c_str(), false, u"-startup"));
    PathPtr link = pathOf(temp.file(u"link.lnk"));
    ASSERT_TRUE(link->isShortcut());
    PathPtr back(link->shortcutTarget());
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->equalsIgnoreCase(target.get())) << narrow(back->fullPath());
    // Not written over unless asked.
    EXPECT_FALSE(target->createShortcut(temp.file(u"link.lnk").c_str(), false));
    EXPECT_TRUE(target->createShortcut(temp.file(u"link.lnk").c_str(), true));
}

TEST(PathWinShortcuts, FolderAndInternetShortcuts) {
    TempFolder temp;
    fs::create_directories(temp.path() / "real");
    fs::create_directories(temp.path() / "pointer");
    PathPtr real = pathOf(temp.file(u"real"));
    ASSERT_TRUE(real->createShortcut(temp.file(u"pointer\\target.lnk").c_str(), false));
    PathPtr pointer = pathOf(temp.file(u"pointer"));
    EXPECT_TRUE(pointer->isFolderShortcut());
    EXPECT_FALSE(real->isFolderShortcut());
    EXPECT_EQ(narrow(pointer->folderShortcutTarget()), narrow(real->fullPath()));

    PathPtr web = pathOf(temp.file(u"site.url"));
    ASSERT_TRUE(web->createInternetShortcut(u"https://example.com/timer", false));
    EXPECT_TRUE(web->isInternetShortcut());
    EXPECT_EQ(narrow(web->url()), "https://example.com/timer");
    EXPECT_FALSE(web->createInternetShortcut(u"https://example.com/other", false));
    EXPECT_EQ(narrow(web->url()), "https://example.com/timer");
}

// ---- listings

TEST(PathWinListings, ListsNamesPathsAndTrees) {
    TempFolder temp;
    makeTree(temp, u"t");
    PathPtr top = pathOf(temp.file(u"t"));
    EXPECT_EQ(namesIn(top->listNames(false, true)),
              (std::set<std::string>{"one.txt", "two.bin", "sub"}));
    EXPECT_EQ(namesIn(top->listDirectoryNames(false, true)), (std::set<std::string>{"sub"}));
    EXPECT_EQ(namesIn(top->listFileNames(true, true)),
              (std::set<std::string>{narrow(temp.file(u"t\\one.txt")),
                                     narrow(temp.file(u"t\\two.bin"))}));
    EXPECT_EQ(namesIn(top->listPaths(true, true), temp),
              (std::set<std::string>{"t\\one.txt", "t\\two.bin", "t\\sub", "t\\sub\\three.txt",
                                     "t\\sub\\hidden.txt"}));
    EXPECT_EQ(namesIn(top->listFilePaths(true, true), temp),
              (std::set<std::string>{"t\\one.txt", "t\\two.bin", "t\\sub\\three.txt",
                                     "t\\sub\\hidden.txt"}));
    s::file::win::PathArray* array = s::thread::take<s::file::win::PathArray>();
    top->listDirectoryPaths(true, true, array);
    ASSERT_EQ(array->count(), 1u);
    EXPECT_EQ(narrow(array->at(0)->name()), "sub");
    array->release();
}

TEST(PathWinListings, HiddenEntriesFollowTheExplorerValue) {
    TempFolder temp;
    writeBytes(temp.file(u"shown.txt"), "");
    writeBytes(temp.file(u"secret.txt"), "");
    writeBytes(temp.file(u"system.txt"), "");
    ASSERT_TRUE(setAttribute(temp.file(u"secret.txt"), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(setAttribute(temp.file(u"system.txt"), FILE_ATTRIBUTE_SYSTEM));
    PathPtr folder = pathOf(temp.text());
    ExplorerValue hidden(L"Hidden", 2);
    ExplorerValue superHidden(L"ShowSuperHidden", 0);
    EXPECT_EQ(namesIn(folder->listNames(false, false)), (std::set<std::string>{"shown.txt"}));
    EXPECT_EQ(namesIn(folder->listNames(false, true)),
              (std::set<std::string>{"shown.txt", "secret.txt", "system.txt"}));
    hidden.set(1);
    EXPECT_EQ(namesIn(folder->listNames(false, false)),
              (std::set<std::string>{"shown.txt", "secret.txt"}));
    superHidden.set(1);
    EXPECT_EQ(namesIn(folder->listNames(false, false)),
              (std::set<std::string>{"shown.txt", "secret.txt", "system.txt"}));
    hidden.set(2);
    EXPECT_EQ(namesIn(folder->listNames(false, false)),
              (std::set<std::string>{"shown.txt", "system.txt"}));
}

TEST(PathWinListings, WildcardsMatchInTheFolderAndBelow) {
    TempFolder temp;
    for (const char16_t* name : {u"a.mp3", u"B.MP3", u"c.wav", u"sub\\d.mp3", u"sub\\e.txt"})
        writeBytes(temp.file(name), "");
    PathPtr pattern = pathOf(temp.file(u"*.mp3"));
    EXPECT_EQ(namesIn(pattern->listMatchingFiles(true, false), temp),
              (std::set<std::string>{"a.mp3", "B.MP3"}));
    EXPECT_EQ(namesIn(pattern->listMatchingFiles(true, true), temp),
              (std::set<std::string>{"a.mp3", "B.MP3", "sub\\d.mp3"}));
    PathPtr everything = pathOf(temp.file(u"s*"));
    EXPECT_EQ(namesIn(everything->listMatching(true, false), temp), (std::set<std::string>{"sub"}));
}

TEST(PathWinListings, NeighboursInSortedOrder) {
    TempFolder temp;
    for (const char16_t* name : {u"c.mp3", u"a.mp3", u"b.wav", u"d.MP3"})
        writeBytes(temp.file(name), "");
    s::str::StrArray* mp3 = s::thread::take<s::str::StrArray>();
    s::str::StrBuffer* extension = s::thread::take<s::str::StrBuffer>();
    extension->set(u".mp3");
    mp3->add(extension);
    struct Case {
        const char16_t* from;
        bool forward;
        bool onlyMp3;
        bool wrap;
        const char* expected; // nullptr: none
    } cases[] = {
        {u"a.mp3", true, false, false, "b.wav"}, {u"a.mp3", true, true, false, "c.mp3"},
        {u"d.MP3", true, true, false, nullptr},  {u"d.MP3", true, true, true, "a.mp3"},
        {u"a.mp3", false, true, true, "d.MP3"},  {u"a.mp3", false, true, false, nullptr},
        {u"b.wav", true, true, false, "c.mp3"},  {u"b.wav", false, true, false, "a.mp3"},
    };
    for (const Case& c : cases) {
        PathPtr from = pathOf(temp.file(c.from));
        PathPtr next(from->neighbour(c.forward, c.onlyMp3 ? mp3 : nullptr, true, c.wrap));
        if (c.expected == nullptr) {
            EXPECT_EQ(next, nullptr) << narrow(c.from);
            continue;
        }
        ASSERT_NE(next, nullptr) << narrow(c.from);
        EXPECT_EQ(narrow(next->name()), c.expected) << narrow(c.from);
    }
    mp3->release();
}

// ---- whole files

TEST(PathWinWholeFiles, WriteAllReadAllAndAppend) {
    TempFolder temp;
    PathPtr file = pathOf(temp.file(u"new\\data.bin"));
    s::col::ArrayU08 bytes;
    for (int i = 0; i < 70000; ++i)
        bytes.add(static_cast<std::uint8_t>(i * 7));
    ASSERT_TRUE(file->writeAll(&bytes, false));
    ASSERT_TRUE(file->writeAll(&bytes, true));
    EXPECT_EQ(sizeOnFile(temp.file(u"new\\data.bin")), 140000u);
    s::col::ArrayU08 back;
    ASSERT_TRUE(file->readAll(&back));
    ASSERT_EQ(back.length(), 140000u);
    EXPECT_EQ(back.compareRange(0, bytes.data(), 70000, 0, 70000), 0);
    EXPECT_EQ(back.compareRange(70000, bytes.data(), 70000, 0, 70000), 0);

    s::str::StrBuffer text(u"Zeit: 5 min \u00e4");
    ASSERT_TRUE(file->writeText(text, false));
    EXPECT_EQ(fileBytes(file->fullPath()), "Zeit: 5 min \xc3\xa4");

    PathPtr missing = pathOf(temp.file(u"missing.bin"));
    back.add(1);
    EXPECT_FALSE(missing->readAll(&back));
    EXPECT_EQ(back.length(), 0u);
}

TEST(PathWinWholeFiles, LongPathsWorkThroughTheSystemForm) {
    TempFolder temp;
    std::u16string deep = temp.text();
    while (deep.size() < 300)
        deep += u"\\folder-with-a-long-name";
    PathPtr file = pathOf(deep + u"\\alarm.txt");
    ASSERT_GT(file->fullPathLength(), 260u);
    s::str::StrBuffer text(u"deep");
    ASSERT_TRUE(file->writeText(text, false));
    EXPECT_TRUE(file->exists());
    EXPECT_EQ(file->size(), 4);
    s::col::ArrayU08 back;
    ASSERT_TRUE(file->readAll(&back));
    EXPECT_EQ(back.length(), 4u);
    PathPtr top = pathOf(temp.file(u"folder-with-a-long-name"));
    EXPECT_TRUE(top->remove(false, false));
    EXPECT_FALSE(fs::exists(temp.path() / "folder-with-a-long-name"));
}

TEST(PathWinWholeFiles, PlatformFileFunctionsGoThroughThePaths) {
    TempFolder temp;
    std::u16string name = temp.file(u"store\\settings.xml");
    ASSERT_TRUE(s::platform::createDirectories(temp.file(u"store").c_str()));
    ASSERT_TRUE(s::platform::writeFile(name.c_str(), "<a/>", 4));
    s::col::ArrayU08 bytes;
    ASSERT_TRUE(s::platform::readFile(name.c_str(), &bytes));
    EXPECT_EQ(bytes.length(), 4u);
    std::u16string moved = temp.file(u"store\\moved.xml");
    writeBytes(moved, "old");
    ASSERT_TRUE(s::platform::replaceFile(name.c_str(), moved.c_str()));
    EXPECT_EQ(fileBytes(moved), "<a/>");
    // A folder is not a file: its content survives.
    EXPECT_FALSE(s::platform::deleteFile(temp.file(u"store").c_str()));
    EXPECT_TRUE(fs::exists(moved));
    EXPECT_TRUE(s::platform::deleteFile(moved.c_str()));
    EXPECT_FALSE(s::platform::deleteFile(moved.c_str()));
}

TEST(PathWinFiles, ExclusiveAccessFailsWhileAnotherHandleIsOpen) {
    TempFolder temp;
    makeTree(temp, u"t");
    PathPtr top = pathOf(temp.file(u"t"));
    std::u16string busy = temp.file(u"t\\sub\\three.txt");
    s::system::win::Handle other(CreateFileW(reinterpret_cast<const wchar_t*>(busy.c_str()),
                                             GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                             nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(other.get(), INVALID_HANDLE_VALUE);
    EXPECT_FALSE(top->checkExclusiveAccess(true));
    other.reset();
    EXPECT_TRUE(top->checkExclusiveAccess(true));
    // The read-only and hidden files are so again afterwards.
    EXPECT_NE(GetFileAttributesW(reinterpret_cast<const wchar_t*>(busy.c_str())) &
                  FILE_ATTRIBUTE_READONLY,
              0u);
    EXPECT_NE(GetFileAttributesW((temp.path() / "t" / "sub" / "hidden.txt").c_str()) &
                  FILE_ATTRIBUTE_HIDDEN,
              0u);
}

TEST(PathWinFiles, FormattedSizeIsTheShellsTextForFilesOnly) {
    TempFolder temp;
    writeBytes(temp.file(u"f.bin"), std::string(70000, 'x'));
    PathPtr file = pathOf(temp.file(u"f.bin"));
    PathPtr folder = pathOf(temp.text());
    EXPECT_EQ(narrow(file->formattedSize()).substr(0, 2), "68") << narrow(file->formattedSize());
    EXPECT_EQ(narrow(folder->formattedSize()), "");
}
