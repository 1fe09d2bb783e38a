#include "foundation/files/win/PathWin.h"

#include "foundation/files/PathText.h"
#include "foundation/objects/Pools.h"

namespace s::file::win {

namespace {

const PathWin* asPath(const base::IComparable* other) {
    return dynamic_cast<const PathWin*>(other);
}

} // namespace

PathWin* PathWin::of(const char16_t* text) {
    PathWin* path = thread::take<PathWin>();
    path->setPath(text);
    return path;
}

PathWin* PathWin::newInstance() const {
    return thread::take<PathWin>();
}

void PathWin::release() {
    thread::giveBack(this);
}

// ---- comparison, over the normalised text

std::int32_t PathWin::compareTo(const base::IComparable* other,
                                base::IComparator* comparator) const {
    const PathWin* path = asPath(other);
    if (comparator != nullptr || path == nullptr)
        return IPath::compareTo(other, comparator);
    return fullPath_.compareTo(&path->fullPath_);
}

std::int32_t PathWin::compareToIgnoreCase(const base::IComparable* other,
                                          base::IComparator* comparator) const {
    const PathWin* path = asPath(other);
    if (comparator != nullptr || path == nullptr)
        return IPath::compareToIgnoreCase(other, comparator);
    return fullPath_.compareToIgnoreCase(&path->fullPath_);
}

bool PathWin::equals(const base::IComparable* other, base::IComparator* comparator) const {
    return compareTo(other, comparator) == 0;
}

bool PathWin::equalsIgnoreCase(const base::IComparable* other,
                               base::IComparator* comparator) const {
    return compareToIgnoreCase(other, comparator) == 0;
}

// ---- setting and splitting

void PathWin::reset() {
    sourceText_.reset();
    fullPath_.reset();
    drive_.reset();
    directory_.reset();
    fileTitle_.reset();
    extension_.reset();
    longPath_.reset();
    scratch_.reset();
    valid_ = false;
    hasStreamName_ = false;
    streamSize_ = -1;
    forgetFileState();
}

void PathWin::forgetFileState() const {
    rootPath_.reset();
    rootPathLoaded_ = false;
    statLoaded_ = false;
    attributesLoaded_ = false;
    sizeOnDiskLoaded_ = false;
    statSize_ = 0;
    creationTime_ = accessTime_ = modificationTime_ = 0;
    attributes_ = kInvalidAttributes;
    fileSystem_ = kUnknown;
    sizeOnDisk_ = 0;
}

void PathWin::setPath(const char16_t* text) {
    reset();
    sourceText_.set(text);
    if (sourceText_.length() == 0)
        return;
    valid_ = true;
    sourceText_.replaceAll(u"/", u"\\");
    fullPath_.set(sourceText_);
    pathtext::normalise(fullPath_);
    split();
    pathtext::longForm(fullPath_, longPath_);
}

void PathWin::setPath(const str::IStr& string) {
    setPath(string.cStr());
}

void PathWin::split() {
    if (!pathtext::split(fullPath_, drive_, directory_, fileTitle_, extension_)) {
        valid_ = false;
        return;
    }
    std::uint32_t at;
    hasStreamName_ = extension_.indexOf(u':', at) || fileTitle_.indexOf(u':', at);
}

void PathWin::dump() {
    sourceText_.terminate(u"Original String: ");
    drive_.terminate(u"Drive: ");
    directory_.terminate(u"Dir: ");
    fileTitle_.terminate(u"FileTitle: ");
    extension_.terminate(u"Ext: ");
    fullPath_.terminate(u"FullPath: ");
}

const char16_t* PathWin::systemPath() const {
    return longPath_.length() != 0 ? longPath_.cStr() : fullPath_.cStr();
}

bool PathWin::hasExtension(const char16_t* text) const {
    return text != nullptr && extension_.regionMatchesIgnoreCase(0, text, 0, -1);
}

// ---- drives, servers, volumes

bool PathWin::isUnc() const {
    return pathtext::isUnc(fullPath_);
}

const char16_t* PathWin::serverName() const {
    pathtext::serverName(fullPath_, scratch_);
    return scratch_.cStr();
}

bool PathWin::sameVolume(const IPath& other) const {
    if (hasDrive() && other.hasDrive()) {
        char16_t a = driveLetter(), b = other.driveLetter();
        return (a | 0x20) == (b | 0x20);
    }
    if (!isUnc() || !other.isUnc())
        return false;
    str::StrBuffer mine(serverName());
    return mine.regionMatchesIgnoreCase(0, other.serverName(), 0, -1);
}

const char16_t* PathWin::rootPath() const {
    if (rootPathLoaded_)
        return rootPath_.cStr();
    rootPathLoaded_ = true;
    if (hasDrive()) {
        rootPath_.set(drive_);
        rootPath_.append(u'\\');
        return rootPath_.cStr();
    }
    if (isDirectory()) {
        directoryFormTo(&rootPath_);
    } else {
        rootPath_.set(drive_);
        rootPath_.append(directory_);
    }
    pathtext::cutAfterShare(rootPath_);
    return rootPath_.cStr();
}

// ---- relative paths

void PathWin::baseDirectory(str::StrBuffer& out, bool asDirectory) const {
    if (asDirectory || isDirectory())
        directoryFormTo(&out);
    else
        directoryTo(&out);
}

const char16_t* PathWin::makeRelative(const char16_t* path, bool asDirectory) const {
    PathWin* other = of(path);
    if (!sameVolume(*other)) {
        scratch_.set(path);
    } else {
        str::StrBuffer base;
        baseDirectory(base, asDirectory);
        pathtext::relative(base, other->fullPath_, scratch_);
    }
    other->release();
    return scratch_.cStr();
}

PathWin* PathWin::resolve(const char16_t* relative, bool asDirectory) const {
    str::StrBuffer base, text(relative), resolved;
    text.replaceAll(u"/", u"\\");
    baseDirectory(base, asDirectory);
    pathtext::resolve(base, text, resolved);
    return of(resolved.cStr());
}

// ---- text forms

str::IStr* PathWin::textTo(const str::StrBuffer& text, str::IStr* out, bool append) const {
    if (out == nullptr)
        out = thread::take<str::StrBuffer>();
    else if (!append)
        out->reset();
    out->append(text);
    return out;
}

const char16_t* PathWin::inScratch(str::IStr* (PathWin::*form)(str::IStr*, bool) const) const {
    (this->*form)(&scratch_, false);
    return scratch_.cStr();
}

str::IStr* PathWin::fullPathTo(str::IStr* out, bool append) const {
    return textTo(fullPath_, out, append);
}

str::IStr* PathWin::directoryFormTo(str::IStr* out, bool append) const {
    out = textTo(fullPath_, out, append);
    out->append(u'\\');
    return out;
}

const char16_t* PathWin::directoryForm() const {
    return inScratch(&PathWin::directoryFormTo);
}

str::IStr* PathWin::directoryTo(str::IStr* out, bool append) const {
    out = textTo(drive_, out, append);
    out->append(directory_);
    // "C:" alone is the drive's current folder to the platform, not its root.
    if (drive_.length() != 0 && directory_.length() == 0)
        out->append(u'\\');
    return out;
}

const char16_t* PathWin::directory() const {
    return inScratch(&PathWin::directoryTo);
}

str::IStr* PathWin::directoryTrimmedTo(str::IStr* out, bool append) const {
    std::uint32_t before = out != nullptr && append ? out->length() : 0;
    out = directoryTo(out, append);
    if (out->length() > before + 1)
        out->trimRight(u"\\", before + 1, 1);
    return out;
}

const char16_t* PathWin::directoryTrimmed() const {
    return inScratch(&PathWin::directoryTrimmedTo);
}

str::IStr* PathWin::nameTo(str::IStr* out, bool append) const {
    out = textTo(fileTitle_, out, append);
    out->append(extension_);
    return out;
}

const char16_t* PathWin::name() const {
    return inScratch(&PathWin::nameTo);
}

str::IStr* PathWin::fileTitleTo(str::IStr* out, bool append) const {
    return textTo(fileTitle_, out, append);
}

const char16_t* PathWin::fileTitle() const {
    return inScratch(&PathWin::fileTitleTo);
}

str::IStr* PathWin::extensionTo(str::IStr* out, bool append) const {
    return textTo(extension_, out, append);
}

const char16_t* PathWin::extensionText() const {
    return inScratch(&PathWin::extensionTo);
}

str::IStr* PathWin::extensionWithoutDotTo(str::IStr* out, bool append) const {
    if (out == nullptr)
        out = thread::take<str::StrBuffer>();
    else if (!append)
        out->reset();
    if (extension_.length() > 1)
        out->append(extension_.cStr() + 1, extension_.length() - 1);
    return out;
}

const char16_t* PathWin::extensionWithoutDot() const {
    return inScratch(&PathWin::extensionWithoutDotTo);
}

// ---- derived paths

PathWin* PathWin::child(const char16_t* name) const {
    str::StrBuffer text(fullPath_);
    if (text.length() != 0)
        text.append(u'\\');
    text.append(name);
    return of(text.cStr());
}

PathWin* PathWin::withExtension(const char16_t* text) const {
    str::StrBuffer result(drive_);
    result.append(directory_);
    result.append(fileTitle_);
    result.append(text);
    return of(result.cStr());
}

PathWin* PathWin::withSuffix(const char16_t* text) const {
    str::StrBuffer result(drive_);
    result.append(directory_);
    if (isDirectory()) {
        result.append(fileTitle_);
        result.append(extension_);
        result.append(text);
    } else {
        result.append(fileTitle_);
        result.append(text);
        result.append(extension_);
    }
    return of(result.cStr());
}

PathWin* PathWin::nextFree(bool spaced) const {
    if (!exists())
        return of(fullPath_.cStr());
    str::StrBuffer suffix;
    for (std::uint32_t n = 1;; ++n) {
        suffix.set(spaced ? u" (" : u"");
        suffix.append(n);
        if (spaced)
            suffix.append(u')');
        PathWin* candidate = withSuffix(suffix.cStr());
        if (!candidate->exists())
            return candidate;
        candidate->release();
    }
}

PathWin* PathWin::parent() const {
    str::StrBuffer text;
    directoryTrimmedTo(&text);
    return of(text.cStr());
}

PathWin* PathWin::parentOrNone() const {
    if (isDriveOnly())
        return nullptr;
    PathWin* up = parent();
    if (!up->isValid() || up->fullPath_.length() >= fullPath_.length()) {
        up->release();
        return nullptr;
    }
    return up;
}

} // namespace s::file::win
