#pragma once

#include "foundation/files/IPath.h"
#include "foundation/strings/StrBuffer.h"
#include "foundation/files/win/FileInputStream.h"
#include "foundation/files/win/FileOutputStream.h"

#include <cstdint>

namespace s::file::win {

// The framework's file-system path over the Win32 file functions. Taken from
// its pool and set with setPath; not synchronised. Comparison, equality and
// hashing are those of the normalised text.
class PathWin final : public IPath {
public:
    static constexpr std::uint32_t kInvalidAttributes = 0xFFFFFFFF;

    enum FileSystem : std::int32_t {
        kUnknown = -1,
        kOther = 0,
        kFat = 1,
        kFat32 = 2,
        kVfat = 3,
        kNtfs = 4,
        kHpfs = 5
    };

    PathWin() = default;
    PathWin(const PathWin&) = delete;
    PathWin& operator=(const PathWin&) = delete;

    // A pooled path set to text.
    static PathWin* of(const char16_t* text);

    // The Explorer values "Hidden" and "ShowSuperHidden" are read once per
    // process; this reads them again, for a test that has changed them.
    static void reloadExplorerSettings();

    // IObject, over fullPath
    std::int32_t compareTo(const base::IComparable* other,
                           base::IComparator* comparator = nullptr) const override;
    std::int32_t compareToIgnoreCase(const base::IComparable* other,
                                     base::IComparator* comparator = nullptr) const override;
    bool equals(const base::IComparable* other,
                base::IComparator* comparator = nullptr) const override;
    bool equalsIgnoreCase(const base::IComparable* other,
                          base::IComparator* comparator = nullptr) const override;
    std::int32_t hashCode() const override { return fullPath_.hashCode(); }
    std::int32_t hashCodeIgnoreCase() const override { return fullPath_.hashCodeIgnoreCase(); }
    const char16_t* getClassName() const override { return u"s_file_win_PathWin"; }
    PathWin* newInstance() const override;

    // IPoolable
    void release() override;
    void clear() override { reset(); }

    // IPath
    void dump() override;
    void reset() override;
    bool isValid() const override { return valid_; }
    bool isAbsolute() const override { return valid_ && (hasDrive() || isUnc()); }
    bool exists() const override;

    bool isNtfs() const override { return fileSystem() == kNtfs; }
    bool isFat() const override;
    std::uint32_t attributes() const override;
    bool addAttributes(std::uint32_t bits) override;
    bool setAttributes(std::uint32_t bits) override;
    bool isReadable() const override { return accessible(4); }
    bool isWritable() const override { return accessible(2); }
    bool isReadWritable() const override { return accessible(6); }
    bool isDirectory() const override;
    bool isEmptyDirectory() const override;
    bool isFile() const override;
    bool hasStreamName() const override { return hasStreamName_; }
    bool isHidden() const override { return hasAttribute(0x2); }
    bool isSystem() const override { return hasAttribute(0x4); }
    bool isArchive() const override { return hasAttribute(0x20); }
    bool isExe() const override { return isFile() && hasExtension(u".exe"); }
    bool isShortcut() const override { return isFile() && hasExtension(u".lnk"); }
    bool isInternetShortcut() const override { return isFile() && hasExtension(u".url"); }
    bool isFolderShortcut() const override;

    bool isUnc() const override;
    const char16_t* serverName() const override;
    bool isDriveOnly() const override {
        return fullPath_.length() == 2 && fullPath_.charAt(1) == u':';
    }
    bool hasDrive() const override {
        return fullPath_.length() >= 2 && fullPath_.charAt(1) == u':';
    }
    char16_t driveLetter() const override { return hasDrive() ? fullPath_.charAt(0) : 0; }
    bool sameVolume(const IPath& other) const override;
    const char16_t* makeRelative(const char16_t* path, bool asDirectory) const override;
    PathWin* resolve(const char16_t* relative, bool asDirectory) const override;

    const char16_t* fullPath() const override { return fullPath_.cStr(); }
    const char16_t* systemPath() const override;
    std::uint32_t fullPathLength() const override { return fullPath_.length(); }
    const char16_t* rootPath() const override;
    const char16_t* extension() const override { return extension_.cStr(); }

    std::int64_t size(bool sumDirectory = false, bool recurse = false,
                      std::uint32_t* fileCount = nullptr, std::uint32_t* dirCount = nullptr,
                      bool countFiles = true) const override;
    std::int64_t sizeOnDisk() const override;
    void setStreamSize(std::int64_t n) override { streamSize_ = n; }

    std::int64_t creationTime(bool refresh = false) const override;
    std::int64_t accessTime(bool refresh = false) const override;
    std::int64_t modificationTime(bool refresh = false) const override;
    bool setTimes(std::int64_t creation, std::int64_t modification, std::int64_t access, bool plain,
                  bool readOnly, bool hidden, bool system, bool recurse) override;
    bool setReadable(bool on) override;
    bool setWritable(bool on) override;
    bool makeWritable() override;
    bool hide() override { return addAttributes(0x2); }

    bool rename(const char16_t* newPath) override;
    bool scrambleName(std::int32_t rounds, IPath* outPath, bool restoreAttributes) override;
    bool createDirectory(bool notify) override;
    bool createFile(bool notify) override;
    bool createParentDirectory() override;
    bool remove(bool notify, bool scheduleOnFailure) override;
    bool deleteAtRestart() override;
    bool moveToRecycleBin(bool confirm, bool notify) override;
    bool copyTo(const char16_t* target, bool overwrite) const override;
    bool moveTo(const char16_t* target, bool replace, bool notify) override;
    bool createShortcut(const char16_t* linkPath, bool replace,
                        const char16_t* arguments = nullptr) const override;
    bool createInternetShortcut(const char16_t* address, bool replace) const override;

    str::IStr* fullPathTo(str::IStr* out = nullptr, bool append = false) const override;
    str::IStr* directoryFormTo(str::IStr* out = nullptr, bool append = false) const override;
    const char16_t* directoryForm() const override;
    PathWin* parentOrNone() const override;
    str::IStr* directoryTo(str::IStr* out = nullptr, bool append = false) const override;
    const char16_t* directory() const override;
    str::IStr* directoryTrimmedTo(str::IStr* out = nullptr, bool append = false) const override;
    const char16_t* directoryTrimmed() const override;
    str::IStr* nameTo(str::IStr* out = nullptr, bool append = false) const override;
    const char16_t* name() const override;
    str::IStr* fileTitleTo(str::IStr* out = nullptr, bool append = false) const override;
    const char16_t* fileTitle() const override;
    str::IStr* extensionTo(str::IStr* out = nullptr, bool append = false) const override;
    const char16_t* extensionText() const override;
    str::IStr* extensionWithoutDotTo(str::IStr* out = nullptr, bool append = false) const override;
    const char16_t* extensionWithoutDot() const override;
    str::IStr* typeNameTo(str::IStr* out = nullptr, bool append = false) const override;
    const char16_t* typeName() const override;
    str::IStr* formattedSizeTo(str::IStr* out = nullptr, bool append = false) const override;
    const char16_t* formattedSize() const override;
    str::IStr* urlTo(str::IStr* out = nullptr, bool append = false) const override;
    const char16_t* url() const override;
    str::IStr* folderShortcutTargetTo(str::IStr* out = nullptr, bool append = false) const override;
    const char16_t* folderShortcutTarget() const override;

    PathWin* child(const char16_t* name) const override;
    PathWin* withExtension(const char16_t* text) const override;
    PathWin* withSuffix(const char16_t* text) const override;
    PathWin* nextFreeName() const override { return nextFree(true); }
    PathWin* nextFreeNameCompact() const override { return nextFree(false); }
    PathWin* parent() const override;
    PathWin* shortcutTarget() const override;
    PathWin* folderShortcutTargetPath() const override;
    PathWin* neighbour(bool forward, const str::strarray::StrArray* extensions, bool sorted,
                       bool wrap) const override;

    bool hasEntries(bool includeAll) const override;
    str::strarray::StrArray* listNames(bool fullPaths, bool includeAll) const override;
    str::strarray::StrArray* listDirectoryNames(bool fullPaths, bool includeAll) const override;
    str::strarray::StrArray* listFileNames(bool fullPaths, bool includeAll) const override;
    col::_array::ArrayP* listPaths(bool includeAll, bool recurse,
                                   col::_array::ArrayP* array = nullptr) const override;
    col::_array::ArrayP* listDirectoryPaths(bool includeAll, bool recurse,
                                            col::_array::ArrayP* array = nullptr) const override;
    col::_array::ArrayP* listFilePaths(bool includeAll, bool recurse,
                                       col::_array::ArrayP* array = nullptr) const override;
    PathArray* listPaths(bool includeAll, bool recurse, PathArray* array) const override;
    PathArray* listDirectoryPaths(bool includeAll, bool recurse, PathArray* array) const override;
    PathArray* listFilePaths(bool includeAll, bool recurse, PathArray* array) const override;
    col::_array::ArrayP* listStreams() const override;
    col::_array::ArrayP* listMatchingFiles(bool includeAll, bool recurse,
                                           col::_array::ArrayP* array = nullptr) const override;
    col::_array::ArrayP* listMatching(bool includeAll, bool recurse,
                                      col::_array::ArrayP* array = nullptr) const override;

    FileInputStream* openInputStream() const override;
    FileOutputStream* openOutputStream(bool append) const override;
    bool readAll(col::_array::ArrayU08* byteArray) const override;
    bool writeAll(const col::_array::ArrayU08* byteArray, bool append) const override;
    bool writeText(const str::IStr& string, bool append) const override;
    bool checkExclusiveAccess(bool restoreAttributes) override;
    bool hasExtension(const char16_t* text) const override;
    void setPath(const str::IStr& string) override;
    void setPath(const char16_t* text) override;

    // Receives the entries a listing keeps; defined beside the listings.
    class EntrySink;

private:
    // Which entries a listing keeps.
    enum EntryKind : std::uint32_t { kFiles = 1, kDirectories = 2, kAll = 3 };

    void split();
    bool accessible(int mode) const;
    bool hasAttribute(std::uint32_t bit) const;
    void loadStat() const;
    void forgetFileState() const;
    std::int32_t fileSystem() const;
    PathWin* nextFree(bool spaced) const;
    // Where relative paths start: the path itself as a folder when asked or
    // when it is one, else its directory.
    void baseDirectory(str::StrBuffer& out, bool asDirectory) const;
    str::IStr* textTo(const str::StrBuffer& text, str::IStr* out, bool append) const;
    const char16_t* inScratch(str::IStr* (PathWin::*form)(str::IStr*, bool) const) const;
    void listEntries(std::uint32_t kinds, bool includeAll, bool recurse, EntrySink& sink) const;
    void listMatchesIn(const str::StrBuffer& pattern, bool directoriesToo, bool includeAll,
                       bool recurse, EntrySink& sink) const;
    bool copyDirectory(const PathWin& target, bool overwrite) const;
    bool removeDirectoryTree();
    bool applyTimes(std::int64_t creation, std::int64_t modification, std::int64_t access,
                    bool plain, bool readOnly, bool hidden, bool system);
    bool openEachExclusively(std::uint32_t bits, bool restoreAttributes);

    str::StrBuffer sourceText_;
    str::StrBuffer fullPath_;
    str::StrBuffer drive_;
    str::StrBuffer directory_;
    str::StrBuffer fileTitle_;
    str::StrBuffer extension_;
    str::StrBuffer longPath_;
    mutable str::StrBuffer rootPath_;
    mutable str::StrBuffer scratch_;
    bool valid_ = false;
    bool hasStreamName_ = false;
    mutable bool rootPathLoaded_ = false;
    mutable bool statLoaded_ = false;
    mutable bool attributesLoaded_ = false;
    mutable bool sizeOnDiskLoaded_ = false;
    mutable std::int64_t statSize_ = 0;
    mutable std::int64_t creationTime_ = 0;
    mutable std::int64_t accessTime_ = 0;
    mutable std::int64_t modificationTime_ = 0;
    mutable std::uint32_t attributes_ = kInvalidAttributes;
    mutable std::int32_t fileSystem_ = kUnknown;
    mutable std::int64_t sizeOnDisk_ = 0;
    std::int64_t streamSize_ = -1;
};

} // namespace s::file::win
