#include "foundation/files/win/PathWin.h"

#include "foundation/collections/Arrays.h"
#include "foundation/files/PathText.h"
#include "foundation/system/Platform.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrArray.h"
#include "foundation/files/win/PathArray.h"
#include "foundation/files/win/PathWinSupport.h"
#include "foundation/system/win/Handles.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace s::file::win {

using str::win::fromWide;
using str::win::wide;

namespace {

constexpr char16_t kExplorerKey[] =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

// What the user's Explorer hides, read once per process.
struct ExplorerSettings {
    platform::CriticalSection lock;
    bool loaded = false;
    bool hideHidden = false;
    bool hideSystem = true;
    str::StrBuffer windowsRoot;
};

ExplorerSettings& explorerStore() {
    static ExplorerSettings settings;
    return settings;
}

// A 4-byte value of the Explorer's settings key, or def. Read with the plain
// registry functions: the registry directory lives in a module above this one.
std::int32_t explorerValue(const wchar_t* name, std::int32_t def) {
    system::win::RegKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, wide(kExplorerKey), 0, KEY_QUERY_VALUE, key.put()) !=
        ERROR_SUCCESS)
        return def;
    std::int32_t value = def;
    DWORD size = sizeof value;
    DWORD type = 0;
    if (RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        size != sizeof value)
        value = def;
    return value;
}

ExplorerSettings& explorer() {
    ExplorerSettings& settings = explorerStore();
    platform::CriticalSectionGuard guard(settings.lock);
    if (settings.loaded)
        return settings;
    settings.hideHidden = explorerValue(L"Hidden", 1) == 2;
    settings.hideSystem = explorerValue(L"ShowSuperHidden", 0) == 0;
    wchar_t windows[MAX_PATH + 1] = {};
    UINT length = GetWindowsDirectoryW(windows, MAX_PATH + 1);
    if (length > 0 && length <= MAX_PATH) {
        PathWin* path = PathWin::of(fromWide(windows));
        settings.windowsRoot.set(path->rootPath());
        path->release();
    } else {
        settings.windowsRoot.set(u"C:\\");
    }
    settings.loaded = true;
    return settings;
}

bool isStartupFile(const wchar_t* name) {
    str::StrBuffer text(fromWide(name));
    return text.regionMatchesIgnoreCase(0, u"AUTOEXEC.BAT", 0, -1) ||
           text.regionMatchesIgnoreCase(0, u"CONFIG.SYS", 0, -1);
}

char16_t folded(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
}

bool lessIgnoringCase(const std::u16string& a, const std::u16string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char16_t x, char16_t y) { return folded(x) < folded(y); });
}

bool equalIgnoringCase(const std::u16string& a, const std::u16string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char16_t x, char16_t y) { return folded(x) == folded(y); });
}

col::ArrayP* ownedPaths(col::ArrayP* array) {
    if (array == nullptr)
        array = thread::take<col::ArrayP>();
    if (array->destroyer() == nullptr)
        array->setDestroyer(&thread::poolOf<PathWin>());
    return array;
}

} // namespace

namespace detail {

bool keptInListing(const PathWin& directory, const WIN32_FIND_DATAW& entry, bool includeAll) {
    if (isDotEntry(entry.cFileName) || isReparsePoint(entry))
        return false;
    if (includeAll)
        return true;
    ExplorerSettings& settings = explorer();
    platform::CriticalSectionGuard guard(settings.lock);
    if (settings.hideHidden && (entry.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN))
        return false;
    if (settings.hideSystem && (entry.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM))
        return false;
    if ((settings.hideHidden || settings.hideSystem) && isStartupFile(entry.cFileName) &&
        settings.windowsRoot.regionMatchesIgnoreCase(0, directory.rootPath(), 0, -1))
        return false;
    return true;
}

} // namespace detail

void PathWin::reloadExplorerSettings() {
    ExplorerSettings& settings = explorerStore();
    platform::CriticalSectionGuard guard(settings.lock);
    settings.loaded = false;
}

class PathWin::EntrySink {
public:
    virtual ~EntrySink() = default;
    virtual void add(const PathWin& directory, const WIN32_FIND_DATAW& entry) = 0;
};

namespace {

class NameSink final : public PathWin::EntrySink {
public:
    NameSink(str::StrArray* names, bool fullPaths) : names_(names), fullPaths_(fullPaths) {}
    void add(const PathWin& directory, const WIN32_FIND_DATAW& entry) override {
        auto* name = thread::take<str::StrBuffer>();
        if (fullPaths_) {
            directory.fullPathTo(name);
            name->append(u'\\');
        }
        name->append(fromWide(entry.cFileName));
        names_->add(name);
    }

private:
    str::StrArray* names_;
    bool fullPaths_;
};

class PathSink final : public PathWin::EntrySink {
public:
    explicit PathSink(col::ArrayP* paths) : paths_(paths) {}
    void add(const PathWin& directory, const WIN32_FIND_DATAW& entry) override {
        paths_->add(detail::childOf(directory, entry));
    }

private:
    col::ArrayP* paths_;
};

class PathArraySink final : public PathWin::EntrySink {
public:
    explicit PathArraySink(PathArray* paths) : paths_(paths) {}
    void add(const PathWin& directory, const WIN32_FIND_DATAW& entry) override {
        paths_->add(detail::childOf(directory, entry));
    }

private:
    PathArray* paths_;
};

// Names only, for finding a neighbour.
class PlainNameSink final : public PathWin::EntrySink {
public:
    explicit PlainNameSink(std::vector<std::u16string>& names) : names_(names) {}
    void add(const PathWin&, const WIN32_FIND_DATAW& entry) override {
        names_.emplace_back(fromWide(entry.cFileName));
    }

private:
    std::vector<std::u16string>& names_;
};

} // namespace

void PathWin::listEntries(std::uint32_t kinds, bool includeAll, bool recurse,
                          EntrySink& sink) const {
    detail::forEachEntry(*this, [&](const WIN32_FIND_DATAW& entry) {
        if (!detail::keptInListing(*this, entry, includeAll))
            return true;
        bool directory = detail::isDirectoryEntry(entry);
        if (kinds & (directory ? kDirectories : kFiles))
            sink.add(*this, entry);
        if (directory && recurse) {
            PathWin* below = detail::childOf(*this, entry);
            below->listEntries(kinds, includeAll, true, sink);
            below->release();
        }
        return true;
    });
}

bool PathWin::hasEntries(bool includeAll) const {
    bool found = false;
    detail::forEachEntry(*this, [&](const WIN32_FIND_DATAW& entry) {
        found = detail::keptInListing(*this, entry, includeAll);
        return !found;
    });
    return found;
}

// ---- names

str::StrArray* PathWin::listNames(bool fullPaths, bool includeAll) const {
    str::StrArray* names = thread::take<str::StrArray>();
    NameSink sink(names, fullPaths);
    listEntries(kAll, includeAll, false, sink);
    return names;
}

str::StrArray* PathWin::listDirectoryNames(bool fullPaths, bool includeAll) const {
    str::StrArray* names = thread::take<str::StrArray>();
    NameSink sink(names, fullPaths);
    listEntries(kDirectories, includeAll, false, sink);
    return names;
}

str::StrArray* PathWin::listFileNames(bool fullPaths, bool includeAll) const {
    str::StrArray* names = thread::take<str::StrArray>();
    NameSink sink(names, fullPaths);
    listEntries(kFiles, includeAll, false, sink);
    return names;
}

// ---- paths

col::ArrayP* PathWin::listPaths(bool includeAll, bool recurse, col::ArrayP* array) const {
    array = ownedPaths(array);
    PathSink sink(array);
    listEntries(kAll, includeAll, recurse, sink);
    return array;
}

col::ArrayP* PathWin::listDirectoryPaths(bool includeAll, bool recurse, col::ArrayP* array) const {
    array = ownedPaths(array);
    PathSink sink(array);
    listEntries(kDirectories, includeAll, recurse, sink);
    return array;
}

col::ArrayP* PathWin::listFilePaths(bool includeAll, bool recurse, col::ArrayP* array) const {
    array = ownedPaths(array);
    PathSink sink(array);
    listEntries(kFiles, includeAll, recurse, sink);
    return array;
}

PathArray* PathWin::listPaths(bool includeAll, bool recurse, PathArray* array) const {
    if (array == nullptr)
        array = thread::take<PathArray>();
    PathArraySink sink(array);
    listEntries(kAll, includeAll, recurse, sink);
    return array;
}

PathArray* PathWin::listDirectoryPaths(bool includeAll, bool recurse, PathArray* array) const {
    if (array == nullptr)
        array = thread::take<PathArray>();
    PathArraySink sink(array);
    listEntries(kDirectories, includeAll, recurse, sink);
    return array;
}

PathArray* PathWin::listFilePaths(bool includeAll, bool recurse, PathArray* array) const {
    if (array == nullptr)
        array = thread::take<PathArray>();
    PathArraySink sink(array);
    listEntries(kFiles, includeAll, recurse, sink);
    return array;
}

// ---- wildcard patterns

void PathWin::listMatchesIn(const str::StrBuffer& pattern, bool directoriesToo, bool includeAll,
                            bool recurse, EntrySink& sink) const {
    detail::forEachEntry(*this, [&](const WIN32_FIND_DATAW& entry) {
        if (!detail::keptInListing(*this, entry, includeAll))
            return true;
        bool directory = detail::isDirectoryEntry(entry);
        if ((directoriesToo || !directory) &&
            pathtext::matchesWildcard(pattern.cStr(), fromWide(entry.cFileName)))
            sink.add(*this, entry);
        if (directory && recurse) {
            PathWin* below = detail::childOf(*this, entry);
            below->listMatchesIn(pattern, directoriesToo, includeAll, true, sink);
            below->release();
        }
        return true;
    });
}

col::ArrayP* PathWin::listMatchingFiles(bool includeAll, bool recurse, col::ArrayP* array) const {
    array = ownedPaths(array);
    PathSink sink(array);
    str::StrBuffer pattern(name());
    PathWin* folder = parent();
    folder->listMatchesIn(pattern, false, includeAll, recurse, sink);
    folder->release();
    return array;
}

col::ArrayP* PathWin::listMatching(bool includeAll, bool recurse, col::ArrayP* array) const {
    array = ownedPaths(array);
    PathSink sink(array);
    str::StrBuffer pattern(name());
    PathWin* folder = parent();
    folder->listMatchesIn(pattern, true, includeAll, recurse, sink);
    folder->release();
    return array;
}

// ---- the next entry

PathWin* PathWin::neighbour(bool forward, const str::StrArray* extensions, bool sorted,
                            bool wrap) const {
    std::vector<std::u16string> names;
    PlainNameSink sink(names);
    PathWin* folder = parent();
    folder->listEntries(extensions != nullptr ? kFiles : kAll, false, false, sink);
    if (extensions != nullptr) {
        std::erase_if(names, [&](const std::u16string& candidate) {
            str::StrBuffer text(candidate.c_str());
            for (std::uint32_t i = 0; i < extensions->count(); ++i)
                if (text.endsWithIgnoreCase(extensions->at(i)->cStr()))
                    return false;
            return true;
        });
    }
    if (sorted)
        std::stable_sort(names.begin(), names.end(), lessIgnoringCase);
    std::u16string own(name());
    auto at = std::find_if(names.begin(), names.end(),
                           [&](const std::u16string& n) { return equalIgnoringCase(n, own); });
    std::ptrdiff_t count = static_cast<std::ptrdiff_t>(names.size());
    std::ptrdiff_t next;
    if (at != names.end()) {
        std::ptrdiff_t index = at - names.begin();
        next = forward ? index + 1 : index - 1;
    } else if (sorted) {
        // Gone or filtered out: the entries on either side of where it would be.
        std::ptrdiff_t slot =
            std::lower_bound(names.begin(), names.end(), own, lessIgnoringCase) - names.begin();
        next = forward ? slot : slot - 1;
    } else {
        next = forward ? 0 : count - 1;
    }
    if (wrap && count > 0)
        next = (next % count + count) % count;
    PathWin* found = nullptr;
    if (next >= 0 && next < count && !(at != names.end() && next == at - names.begin()))
        found = folder->child(names[static_cast<std::size_t>(next)].c_str());
    folder->release();
    return found;
}

// ---- alternate data streams

namespace {

struct IoStatus {
    union {
        LONG status;
        void* pointer;
    };
    ULONG_PTR information;
};

struct StreamInformation {
    ULONG nextEntryOffset;
    ULONG streamNameLength; // bytes
    LARGE_INTEGER streamSize;
    LARGE_INTEGER streamAllocationSize;
    WCHAR streamName[1];
};

using QueryInformationFile = LONG(NTAPI*)(HANDLE, IoStatus*, void*, ULONG, int);

constexpr int kFileStreamInformation = 22;
constexpr ULONG kStreamQueryStart = 1024;
constexpr ULONG kStreamQueryLimit = 10000000;

bool bufferTooSmall(LONG status) {
    return status == static_cast<LONG>(0x80000005) || status == static_cast<LONG>(0xC0000023) ||
           status == static_cast<LONG>(0xC0000004);
}

QueryInformationFile queryInformationFile() {
    static QueryInformationFile function = [] {
        HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        return ntdll == nullptr ? nullptr
                                : reinterpret_cast<QueryInformationFile>(reinterpret_cast<void*>(
                                      GetProcAddress(ntdll, "NtQueryInformationFile")));
    }();
    return function;
}

} // namespace

col::ArrayP* PathWin::listStreams() const {
    col::ArrayP* streams = ownedPaths(nullptr);
    QueryInformationFile query = queryInformationFile();
    if (query == nullptr || hasStreamName_ || !isNtfs())
        return streams;
    system::win::Handle file = detail::openEntry(systemPath(), FILE_READ_ATTRIBUTES);
    if (!file.valid())
        return streams;
    col::ArrayU08 buffer;
    IoStatus io{};
    LONG status = 0;
    for (ULONG size = kStreamQueryStart; size <= kStreamQueryLimit; size += size / 2) {
        buffer.reserveExact(size);
        buffer.setLength(size);
        io = {};
        status = query(file.get(), &io, buffer.data(), size, kFileStreamInformation);
        if (!bufferTooSmall(status))
            break;
    }
    if (status < 0)
        return streams;
    const auto* bytes = static_cast<const std::uint8_t*>(buffer.data());
    std::size_t filled = io.information < buffer.length() ? io.information : buffer.length();
    constexpr std::size_t kHeader = offsetof(StreamInformation, streamName);
    for (std::size_t offset = 0; offset + kHeader <= filled;) {
        StreamInformation record;
        std::memcpy(&record, bytes + offset, kHeader);
        if (offset + kHeader + record.streamNameLength > filled)
            break;
        // ":name:$DATA"; the main stream is "::$DATA".
        str::StrBuffer name;
        name.append(reinterpret_cast<const char16_t*>(bytes + offset + kHeader),
                    record.streamNameLength / 2);
        std::uint32_t colon = 0;
        if (name.length() > 1 && name.indexOf(u':', colon, 1) && colon > 1) {
            str::StrBuffer text(fullPath_);
            text.append(name.cStr(), colon);
            PathWin* stream = of(text.cStr());
            stream->setStreamSize(record.streamSize.QuadPart);
            streams->add(stream);
        }
        if (record.nextEntryOffset == 0)
            break;
        offset += record.nextEntryOffset;
    }
    return streams;
}

} // namespace s::file::win
