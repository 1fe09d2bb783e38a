#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"

#include <cstdint>

namespace s::col::_array {
class ArrayP;
class ArrayU08;
} // namespace s::col::_array
namespace s::io {
class IInputStream;
class IOutputStream;
} // namespace s::io
namespace s::str {
class IStr;
}
namespace s::str::strarray {
class StrArray;
}
namespace s::file::win {
class PathArray;
}

namespace s::file {

// A file-system path split into drive, directory, file title and extension,
// with the questions about the file it names, its streams and the file
// operations on it. Operations ending in To write their text into out (a new
// pooled string when out is null, returned either way), replacing its
// content unless append is set; the one of the same name without To answers
// the same text through the path's scratch string, valid until the next such
// call on the path. Operations that answer a path or a list answer new pooled
// objects that the caller releases; paths in lists are owned by the list.
class IPath : public base::IObject, public thread::IPoolable {
public:
    // Debugging aid: hands each component to the string's label hook.
    virtual void dump() = 0;
    virtual void reset() = 0;
    virtual bool isValid() const = 0;
    // A valid drive or UNC path.
    virtual bool isAbsolute() const = 0;
    virtual bool exists() const = 0;

    virtual bool isNtfs() const = 0;
    virtual bool isFat() const = 0;
    // The platform attributes, or the "invalid" value 0xFFFFFFFF.
    virtual std::uint32_t attributes() const = 0;
    virtual bool addAttributes(std::uint32_t bits) = 0;
    virtual bool setAttributes(std::uint32_t bits) = 0;
    virtual bool isReadable() const = 0;
    virtual bool isWritable() const = 0;
    virtual bool isReadWritable() const = 0;
    virtual bool isDirectory() const = 0;
    virtual bool isEmptyDirectory() const = 0;
    virtual bool isFile() const = 0;
    virtual bool hasStreamName() const = 0;
    virtual bool isHidden() const = 0;
    virtual bool isSystem() const = 0;
    virtual bool isArchive() const = 0;
    virtual bool isExe() const = 0;
    virtual bool isShortcut() const = 0;
    virtual bool isInternetShortcut() const = 0;
    virtual bool isFolderShortcut() const = 0;

    virtual bool isUnc() const = 0;
    virtual const char16_t* serverName() const = 0;
    virtual bool isDriveOnly() const = 0;
    virtual bool hasDrive() const = 0;
    virtual char16_t driveLetter() const = 0;
    virtual bool sameVolume(const IPath& other) const = 0;
    // Through the scratch string.
    virtual const char16_t* makeRelative(const char16_t* path, bool asDirectory) const = 0;
    virtual IPath* resolve(const char16_t* relative, bool asDirectory) const = 0;

    virtual const char16_t* fullPath() const = 0;
    // The form every platform call is given: the "\\?\" form of a long path.
    virtual const char16_t* systemPath() const = 0;
    virtual std::uint32_t fullPathLength() const = 0;
    virtual const char16_t* rootPath() const = 0;
    // With its dot, as split.
    virtual const char16_t* extension() const = 0;

    // A file's size; with sumDirectory, an existing directory's file sizes
    // summed (recurse: also below it). The counts are added to the outputs
    // given; countFiles false leaves files uncounted.
    virtual std::int64_t size(bool sumDirectory = false, bool recurse = false,
                              std::uint32_t* fileCount = nullptr, std::uint32_t* dirCount = nullptr,
                              bool countFiles = true) const = 0;
    virtual std::int64_t sizeOnDisk() const = 0;
    virtual void setStreamSize(std::int64_t n) = 0;

    // Seconds since 1970.
    virtual std::int64_t creationTime(bool refresh = false) const = 0;
    virtual std::int64_t accessTime(bool refresh = false) const = 0;
    virtual std::int64_t modificationTime(bool refresh = false) const = 0;
    // Negative times stay unchanged. The switch of the entry's kind decides
    // whether it is touched: system before hidden before read-only, else plain.
    virtual bool setTimes(std::int64_t creation, std::int64_t modification, std::int64_t access,
                          bool plain, bool readOnly, bool hidden, bool system, bool recurse) = 0;
    virtual bool setReadable(bool on) = 0;
    virtual bool setWritable(bool on) = 0;
    virtual bool makeWritable() = 0;
    virtual bool hide() = 0;

    // rename and moveTo leave the path naming the old place.
    virtual bool rename(const char16_t* newPath) = 0;
    virtual bool scrambleName(std::int32_t rounds, IPath* outPath, bool restoreAttributes) = 0;
    virtual bool createDirectory(bool notify) = 0;
    virtual bool createFile(bool notify) = 0;
    virtual bool createParentDirectory() = 0;
    // "delete": a missing entry counts as deleted.
    virtual bool remove(bool notify, bool scheduleOnFailure) = 0;
    virtual bool deleteAtRestart() = 0;
    virtual bool moveToRecycleBin(bool confirm, bool notify) = 0;
    virtual bool copyTo(const char16_t* target, bool overwrite) const = 0;
    virtual bool moveTo(const char16_t* target, bool replace, bool notify) = 0;
    virtual bool createShortcut(const char16_t* linkPath, bool replace,
                                const char16_t* arguments = nullptr) const = 0;
    virtual bool createInternetShortcut(const char16_t* address, bool replace) const = 0;

    virtual str::IStr* fullPathTo(str::IStr* out = nullptr, bool append = false) const = 0;
    virtual str::IStr* directoryFormTo(str::IStr* out = nullptr, bool append = false) const = 0;
    virtual const char16_t* directoryForm() const = 0;
    // Null for a drive alone or when there is no valid parent.
    virtual IPath* parentOrNone() const = 0;
    virtual str::IStr* directoryTo(str::IStr* out = nullptr, bool append = false) const = 0;
    virtual const char16_t* directory() const = 0;
    virtual str::IStr* directoryTrimmedTo(str::IStr* out = nullptr, bool append = false) const = 0;
    virtual const char16_t* directoryTrimmed() const = 0;
    virtual str::IStr* nameTo(str::IStr* out = nullptr, bool append = false) const = 0;
    virtual const char16_t* name() const = 0;
    virtual str::IStr* fileTitleTo(str::IStr* out = nullptr, bool append = false) const = 0;
    virtual const char16_t* fileTitle() const = 0;
    virtual str::IStr* extensionTo(str::IStr* out = nullptr, bool append = false) const = 0;
    virtual const char16_t* extensionText() const = 0;
    virtual str::IStr* extensionWithoutDotTo(str::IStr* out = nullptr,
                                             bool append = false) const = 0;
    virtual const char16_t* extensionWithoutDot() const = 0;
    virtual str::IStr* typeNameTo(str::IStr* out = nullptr, bool append = false) const = 0;
    virtual const char16_t* typeName() const = 0;
    virtual str::IStr* formattedSizeTo(str::IStr* out = nullptr, bool append = false) const = 0;
    virtual const char16_t* formattedSize() const = 0;
    virtual str::IStr* urlTo(str::IStr* out = nullptr, bool append = false) const = 0;
    virtual const char16_t* url() const = 0;
    virtual str::IStr* folderShortcutTargetTo(str::IStr* out = nullptr,
                                              bool append = false) const = 0;
    virtual const char16_t* folderShortcutTarget() const = 0;

    virtual IPath* child(const char16_t* name) const = 0;
    virtual IPath* withExtension(const char16_t* text) const = 0;
    virtual IPath* withSuffix(const char16_t* text) const = 0;
    virtual IPath* nextFreeName() const = 0;
    virtual IPath* nextFreeNameCompact() const = 0;
    virtual IPath* parent() const = 0;
    // Null when this is no readable shortcut.
    virtual IPath* shortcutTarget() const = 0;
    virtual IPath* folderShortcutTargetPath() const = 0;
    // Extensions with their dots; null for every entry. Null when there is
    // no other entry to go to.
    virtual IPath* neighbour(bool forward, const str::strarray::StrArray* extensions, bool sorted,
                             bool wrap) const = 0;

    virtual bool hasEntries(bool includeAll) const = 0;
    virtual str::strarray::StrArray* listNames(bool fullPaths, bool includeAll) const = 0;
    virtual str::strarray::StrArray* listDirectoryNames(bool fullPaths, bool includeAll) const = 0;
    virtual str::strarray::StrArray* listFileNames(bool fullPaths, bool includeAll) const = 0;
    // Into array, or a new one when it is null; the array owns the paths.
    virtual col::_array::ArrayP* listPaths(bool includeAll, bool recurse,
                                           col::_array::ArrayP* array = nullptr) const = 0;
    virtual col::_array::ArrayP* listDirectoryPaths(bool includeAll, bool recurse,
                                                    col::_array::ArrayP* array = nullptr) const = 0;
    virtual col::_array::ArrayP* listFilePaths(bool includeAll, bool recurse,
                                               col::_array::ArrayP* array = nullptr) const = 0;
    virtual win::PathArray* listPaths(bool includeAll, bool recurse,
                                      win::PathArray* array) const = 0;
    virtual win::PathArray* listDirectoryPaths(bool includeAll, bool recurse,
                                               win::PathArray* array) const = 0;
    virtual win::PathArray* listFilePaths(bool includeAll, bool recurse,
                                          win::PathArray* array) const = 0;
    virtual col::_array::ArrayP* listStreams() const = 0;
    virtual col::_array::ArrayP* listMatchingFiles(bool includeAll, bool recurse,
                                                   col::_array::ArrayP* array = nullptr) const = 0;
    virtual col::_array::ArrayP* listMatching(bool includeAll, bool recurse,
                                              col::_array::ArrayP* array = nullptr) const = 0;

    // Pooled streams the caller disposes of.
    virtual io::IInputStream* openInputStream() const = 0;
    virtual io::IOutputStream* openOutputStream(bool append) const = 0;
    virtual bool readAll(col::_array::ArrayU08* byteArray) const = 0;
    virtual bool writeAll(const col::_array::ArrayU08* byteArray, bool append) const = 0;
    virtual bool writeText(const str::IStr& string, bool append) const = 0;
    virtual bool checkExclusiveAccess(bool restoreAttributes) = 0;
    virtual bool hasExtension(const char16_t* text) const = 0;
    virtual void setPath(const str::IStr& string) = 0;
    virtual void setPath(const char16_t* text) = 0;
};

} // namespace s::file
