#include "foundation/files/win/PathWin.h"

#include "foundation/objects/Pools.h"
#include "foundation/files/win/PathWinSupport.h"

#include <windows.h>

#include <shellapi.h>
#include <shlwapi.h>

#include <io.h>
#include <sys/stat.h>

namespace s::file::win {

using str::win::fromWide;
using str::win::wide;

bool PathWin::exists() const {
    return fullPath_.length() != 0 && accessible(0);
}

bool PathWin::accessible(int mode) const {
    return fullPath_.length() != 0 && _waccess(wide(systemPath()), mode) == 0;
}

std::uint32_t PathWin::attributes() const {
    if (attributesLoaded_)
        return attributes_;
    attributesLoaded_ = true;
    attributes_ = kInvalidAttributes;
    if (fullPath_.length() == 0)
        return attributes_;
    if (!hasStreamName_) {
        attributes_ = GetFileAttributesW(wide(systemPath()));
        return attributes_;
    }
    // GetFileAttributesW does not take a stream name.
    system::win::Handle stream = detail::openEntry(systemPath(), FILE_READ_ATTRIBUTES);
    BY_HANDLE_FILE_INFORMATION information;
    if (stream.valid() && GetFileInformationByHandle(stream.get(), &information))
        attributes_ = information.dwFileAttributes;
    return attributes_;
}

bool PathWin::hasAttribute(std::uint32_t bit) const {
    std::uint32_t bits = attributes();
    return bits != kInvalidAttributes && (bits & bit) != 0;
}

bool PathWin::addAttributes(std::uint32_t bits) {
    std::uint32_t current = attributes();
    if (current == kInvalidAttributes)
        return false;
    return setAttributes(current | bits);
}

bool PathWin::setAttributes(std::uint32_t bits) {
    std::uint32_t current = attributes();
    if (current == kInvalidAttributes)
        return false;
    if (bits == current)
        return true;
    if (!SetFileAttributesW(wide(systemPath()), bits))
        return false;
    // The directory and other bits the call cannot change stay as they were.
    attributesLoaded_ = false;
    attributes();
    return true;
}

bool PathWin::isDirectory() const {
    return hasAttribute(FILE_ATTRIBUTE_DIRECTORY);
}

bool PathWin::isFile() const {
    std::uint32_t bits = attributes();
    return bits != kInvalidAttributes && (bits & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool PathWin::isEmptyDirectory() const {
    return isDirectory() && !hasEntries(true);
}

std::int32_t PathWin::fileSystem() const {
    if (fileSystem_ != kUnknown)
        return fileSystem_;
    wchar_t name[MAX_PATH + 1] = {};
    fileSystem_ = kOther;
    if (!GetVolumeInformationW(wide(rootPath()), nullptr, 0, nullptr, nullptr, nullptr, name,
                               MAX_PATH + 1))
        return fileSystem_;
    static const struct {
        const char16_t* name;
        FileSystem kind;
    } kKinds[] = {
        {u"FAT", kFat}, {u"FAT32", kFat32}, {u"VFAT", kVfat}, {u"NTFS", kNtfs}, {u"HPFS", kHpfs}};
    str::StrBuffer found(fromWide(name));
    for (const auto& kind : kKinds)
        if (found.regionMatchesIgnoreCase(0, kind.name, 0, -1))
            fileSystem_ = kind.kind;
    return fileSystem_;
}

bool PathWin::isFat() const {
    std::int32_t kind = fileSystem();
    return kind >= kFat && kind <= kVfat;
}

// ---- size and times

void PathWin::loadStat() const {
    statLoaded_ = true;
    struct _stat64 status {};
    if (fullPath_.length() == 0 || _wstat64(wide(systemPath()), &status) != 0)
        status = {};
    statSize_ = status.st_size;
    creationTime_ = status.st_ctime;
    accessTime_ = status.st_atime;
    modificationTime_ = status.st_mtime;
}

std::int64_t PathWin::creationTime(bool refresh) const {
    if (hasStreamName_)
        return 0;
    if (refresh || !statLoaded_)
        loadStat();
    return creationTime_;
}

std::int64_t PathWin::accessTime(bool refresh) const {
    if (hasStreamName_)
        return 0;
    if (refresh || !statLoaded_)
        loadStat();
    return accessTime_;
}

std::int64_t PathWin::modificationTime(bool refresh) const {
    if (hasStreamName_)
        return 0;
    if (refresh || !statLoaded_)
        loadStat();
    return modificationTime_;
}

std::int64_t PathWin::size(bool sumDirectory, bool recurse, std::uint32_t* fileCount,
                           std::uint32_t* dirCount, bool countFiles) const {
    if (hasStreamName_) {
        if (streamSize_ >= 0)
            return streamSize_;
        system::win::Handle stream = detail::openEntry(systemPath(), FILE_READ_ATTRIBUTES);
        LARGE_INTEGER bytes;
        return stream.valid() && GetFileSizeEx(stream.get(), &bytes) ? bytes.QuadPart : 0;
    }
    if (!sumDirectory || !isDirectory()) {
        if (!statLoaded_)
            loadStat();
        return statSize_;
    }
    std::int64_t total = 0;
    detail::forEachEntry(*this, [&](const WIN32_FIND_DATAW& entry) {
        if (detail::isReparsePoint(entry))
            return true;
        if (!detail::isDirectoryEntry(entry)) {
            total += detail::sizeOf(entry);
            if (fileCount != nullptr && countFiles)
                ++*fileCount;
            return true;
        }
        if (dirCount != nullptr)
            ++*dirCount;
        if (recurse) {
            PathWin* below = detail::childOf(*this, entry);
            total += below->size(true, true, fileCount, dirCount, countFiles);
            below->release();
        }
        return true;
    });
    return total;
}

std::int64_t PathWin::sizeOnDisk() const {
    if (sizeOnDiskLoaded_)
        return sizeOnDisk_;
    sizeOnDiskLoaded_ = true;
    std::int64_t bytes = size();
    sizeOnDisk_ = 0;
    if (bytes <= 0)
        return sizeOnDisk_;
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    std::int64_t cluster = 0;
    if (GetDiskFreeSpaceW(wide(rootPath()), &sectorsPerCluster, &bytesPerSector, &freeClusters,
                          &clusters))
        cluster = static_cast<std::int64_t>(sectorsPerCluster) * bytesPerSector;
    if (cluster < 512)
        cluster = 512;
    sizeOnDisk_ = (bytes + cluster - 1) / cluster * cluster;
    return sizeOnDisk_;
}

// ---- the shell's descriptions

str::IStr* PathWin::typeNameTo(str::IStr* out, bool append) const {
    if (out == nullptr)
        out = thread::take<str::StrBuffer>();
    else if (!append)
        out->reset();
    detail::ComScope com;
    SHFILEINFOW information{};
    // Without the file, the shell answers for its extension.
    UINT flags = SHGFI_TYPENAME | (exists() ? 0 : SHGFI_USEFILEATTRIBUTES);
    if (SHGetFileInfoW(wide(fullPath_.cStr()), FILE_ATTRIBUTE_NORMAL, &information,
                       sizeof information, flags) != 0)
        out->append(fromWide(information.szTypeName));
    return out;
}

const char16_t* PathWin::typeName() const {
    return inScratch(&PathWin::typeNameTo);
}

str::IStr* PathWin::formattedSizeTo(str::IStr* out, bool append) const {
    if (out == nullptr)
        out = thread::take<str::StrBuffer>();
    else if (!append)
        out->reset();
    if (isDirectory())
        return out;
    wchar_t text[64] = {};
    if (StrFormatByteSizeW(size(), text, 64) != nullptr)
        out->append(fromWide(text));
    return out;
}

const char16_t* PathWin::formattedSize() const {
    return inScratch(&PathWin::formattedSizeTo);
}

} // namespace s::file::win
