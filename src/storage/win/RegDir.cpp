#include "storage/win/RegDir.h"

#include "storage/win/NtRegistry.h"

#include "foundation/objects/Pools.h"
#include "foundation/strings/StrArray.h"

#include <windows.h>

#include <cstring>

namespace s::reg::win {

namespace {

struct Root {
    std::uint32_t value;
    const char16_t* name;
    const char16_t* path; // null: the current user's path
};

const Root kRoots[] = {
    {kClassesRoot, u"HKEY_CLASSES_ROOT", u"\\Registry\\Machine\\SOFTWARE\\Classes"},
    {kCurrentUser, u"HKEY_CURRENT_USER", nullptr},
    {kLocalMachine, u"HKEY_LOCAL_MACHINE", u"\\Registry\\Machine"},
    {kUsers, u"HKEY_USERS", u"\\Registry\\User"},
    {kCurrentConfig, u"HKEY_CURRENT_CONFIG",
     u"\\Registry\\Machine\\System\\CurrentControlSet\\Hardware Profiles\\Current"},
};

} // namespace

RegDir::RegDir() {
    setRoot(kCurrentUser);
}

RegDir::~RegDir() {
    close();
}

base::IObject* RegDir::newInstance() const {
    return thread::take<RegDir>();
}

void RegDir::release() {
    thread::giveBack(this);
}

void RegDir::clear() {
    close();
    valueData_.freeMemory();
    expandBuffer_.freeMemory();
    keyPath_.reset();
    setRoot(kCurrentUser);
}

RegDir* RegDir::opened(std::uint32_t rootValue, const char16_t* path) {
    RegDir* dir = thread::take<RegDir>();
    dir->open(rootValue, path);
    return dir;
}

bool RegDir::nativeReady() {
    return nt::ready();
}

const char16_t* RegDir::currentUserPath() {
    return nt::currentUserPath();
}

const char16_t* RegDir::getDisplayPath() const {
    return displayPath_.cStr();
}
const char16_t* RegDir::getNativePath() const {
    return nativePath_.cStr();
}
std::uint32_t RegDir::getRoot() const {
    return root_;
}
const char16_t* RegDir::getKeyPath() const {
    return keyPath_.cStr();
}

void RegDir::setRoot(std::uint32_t rootValue) {
    for (const Root& root : kRoots) {
        if (root.value != rootValue)
            continue;
        root_ = rootValue;
        rootName_.set(root.name);
        rootPath_.set(root.path != nullptr ? root.path : currentUserPath());
        rebuildPaths();
        return;
    }
}

void RegDir::rebuildPaths() {
    displayPath_.set(rootName_);
    nativePath_.set(rootPath_);
    if (keyPath_.length() != 0) {
        displayPath_.append(u'\\');
        displayPath_.append(keyPath_);
        nativePath_.append(u'\\');
        nativePath_.append(keyPath_);
    }
}

void RegDir::setKeyPath(const char16_t* path) {
    keyPath_.set(path);
    keyPath_.trimRight(u"\\", -1);
    rebuildPaths();
    close();
    openHandle();
}

void RegDir::open(std::uint32_t rootValue, const char16_t* path) {
    setRoot(rootValue);
    setKeyPath(path);
}

void RegDir::open(const char16_t* displayPath) {
    str::StrBuffer path(displayPath);
    for (const Root& root : kRoots) {
        str::StrBuffer prefix(root.name);
        prefix.append(u'\\');
        if (path.startsWithIgnoreCase(prefix.cStr())) {
            path.keepRange(prefix.length(), path.length());
            open(root.value, path.cStr());
            return;
        }
    }
    open(kCurrentUser, u"InvalidKey");
}

bool RegDir::openHandle() {
    return handle_ != nullptr || nt::openKey(nativePath_.cStr(), &handle_);
}

void RegDir::close() {
    nt::closeKey(handle_);
    handle_ = nullptr;
}

bool RegDir::exists() {
    if (handle_ == nullptr)
        return false;
    close();
    return openHandle();
}

bool RegDir::create() {
    if (handle_ != nullptr)
        return true;
    if (!nt::ready())
        return false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (nt::createKey(nativePath_.cStr(), &handle_))
            return true;
        if (attempt == 0) {
            IRegDir* parent = getParent();
            bool made = parent != nullptr && parent->create();
            if (parent != nullptr)
                parent->release();
            if (!made)
                return false;
        }
    }
    return false;
}

IRegDir* RegDir::getParent() const {
    std::uint32_t at = 0;
    if (!keyPath_.lastIndexOf(u'\\', at))
        return nullptr;
    auto* parent = static_cast<str::StrBuffer*>(keyPath_.substring(0, at));
    RegDir* dir = opened(root_, parent->cStr());
    parent->release();
    return dir;
}

str::IStr* RegDir::getName(str::IStr* out, bool append) const {
    if (out == nullptr)
        out = thread::take<str::StrBuffer>();
    auto* text = static_cast<str::StrBuffer*>(out);
    if (!append)
        text->reset();
    std::uint32_t at = 0;
    if (keyPath_.lastIndexOf(u'\\', at))
        text->append(keyPath_.cStr() + at + 1, keyPath_.length() - at - 1);
    else
        text->append(keyPath_);
    return out;
}

col::_array::ArrayP* RegDir::subKeys(const char16_t* prefix) {
    auto* list = thread::take<col::_array::ArrayP>();
    list->setDestroyer(&thread::poolOf<RegDir>());
    if (!openHandle())
        return list;
    str::StrBuffer name;
    for (std::uint32_t index = 0; nt::subKeyName(handle_, index, name); ++index) {
        if (prefix != nullptr && !name.startsWithIgnoreCase(prefix))
            continue;
        str::StrBuffer path(keyPath_);
        if (path.length() != 0)
            path.append(u'\\');
        path.append(name);
        list->add(opened(root_, path.cStr()));
    }
    return list;
}

col::_array::ArrayP* RegDir::listSubKeys() {
    return subKeys(nullptr);
}

col::_array::ArrayP* RegDir::listSubKeysStartingWith(const char16_t* prefix) {
    return subKeys(prefix);
}

void RegDir::remove(bool withKey) {
    if (!openHandle())
        return;
    col::_array::ArrayP* children = listSubKeys();
    for (std::uint32_t i = 0; i < children->length(); ++i)
        static_cast<RegDir*>(children->at(i))->remove(true);
    children->release();
    if (withKey) {
        nt::deleteKey(handle_);
        close();
    }
}

bool RegDir::rename(const char16_t* newName) {
    if (!openHandle())
        return false;
    bool done = nt::renameKey(handle_, newName);
    close();
    return done;
}

void RegDir::flush() {
    if (handle_ != nullptr)
        nt::flushKey(handle_);
}

bool RegDir::queryValue(const char16_t* name, std::uint32_t* outType, std::uint32_t* outSize,
                        std::int32_t requiredType) {
    auto report = [&](std::uint32_t type, std::uint32_t size) {
        if (outType != nullptr)
            *outType = type;
        if (outSize != nullptr)
            *outSize = size;
    };
    if (!openHandle()) {
        report(0, 0);
        return false;
    }
    std::uint32_t type = 0, size = 0;
    bool result = nt::queryValue(handle_, name, type, size, requiredType, valueData_);
    report(type, size);
    return result;
}

col::_array::ArrayU08* RegDir::getBytes(const char16_t* name, col::_array::ArrayU08* array) {
    if (!queryValue(name, nullptr, nullptr))
        return nullptr;
    if (array == nullptr)
        array = thread::take<col::_array::ArrayU08>();
    array->setLength(0);
    array->append(valueData_.data(), valueData_.length());
    return array;
}

std::uint32_t RegDir::getValueSize(const char16_t* name) {
    std::uint32_t size = 0;
    queryValue(name, nullptr, &size);
    return size;
}

bool RegDir::readSized(const char16_t* name, std::uint32_t size) {
    // Text is never a number, whatever its size: "0" with its terminator is
    // four bytes, and read by size it would be 0x30.
    std::uint32_t type = 0, actual = 0;
    return queryValue(name, &type, &actual) && actual == size && type != REG_SZ &&
           type != REG_EXPAND_SZ && type != REG_MULTI_SZ;
}

namespace {
template <class T> T bitsOf(const col::_array::ArrayU08& data) {
    T value;
    std::memcpy(&value, data.data(), sizeof value);
    return value;
}
} // namespace

std::uint8_t RegDir::getUInt8(const char16_t* name, std::uint8_t def) {
    return readSized(name, 4) ? static_cast<std::uint8_t>(bitsOf<std::uint32_t>(valueData_)) : def;
}
std::uint16_t RegDir::getUInt16(const char16_t* name, std::uint16_t def) {
    return readSized(name, 4) ? static_cast<std::uint16_t>(bitsOf<std::uint32_t>(valueData_)) : def;
}
std::uint32_t RegDir::getUInt32(const char16_t* name, std::uint32_t def) {
    return readSized(name, 4) ? bitsOf<std::uint32_t>(valueData_) : def;
}
std::uint64_t RegDir::getUInt64(const char16_t* name, std::uint64_t def) {
    return readSized(name, 8) ? bitsOf<std::uint64_t>(valueData_) : def;
}
std::int8_t RegDir::getInt8(const char16_t* name, std::int8_t def) {
    return readSized(name, 4) ? static_cast<std::int8_t>(bitsOf<std::uint32_t>(valueData_)) : def;
}
std::int16_t RegDir::getInt16(const char16_t* name, std::int16_t def) {
    return readSized(name, 4) ? static_cast<std::int16_t>(bitsOf<std::uint32_t>(valueData_)) : def;
}
std::int32_t RegDir::getInt32(const char16_t* name, std::int32_t def) {
    return readSized(name, 4) ? bitsOf<std::int32_t>(valueData_) : def;
}
std::int64_t RegDir::getInt64(const char16_t* name, std::int64_t def) {
    return readSized(name, 8) ? bitsOf<std::int64_t>(valueData_) : def;
}
float RegDir::getFloat(const char16_t* name, float def) {
    return readSized(name, 4) ? bitsOf<float>(valueData_) : def;
}
double RegDir::getDouble(const char16_t* name, double def) {
    return readSized(name, 8) ? bitsOf<double>(valueData_) : def;
}
bool RegDir::getBool(const char16_t* name, bool def) {
    return readSized(name, 4) ? bitsOf<std::uint32_t>(valueData_) != 0 : def;
}

const char16_t* RegDir::getString(const char16_t* name, const char16_t* def, bool* outIsExpandable,
                                  bool expand) {
    std::uint32_t type = 0, size = 0;
    if (!queryValue(name, &type, &size) || (type != REG_SZ && type != REG_EXPAND_SZ))
        return def;
    expandBuffer_.reset();
    // The stored text, without the terminator it may or may not carry.
    std::uint32_t units = size / 2;
    const auto* text = static_cast<const char16_t*>(valueData_.data());
    while (units > 0 && text[units - 1] == 0)
        --units;
    expandBuffer_.append(text, units);
    if (type == REG_EXPAND_SZ) {
        if (outIsExpandable != nullptr)
            *outIsExpandable = true;
        if (expand) {
            // Sized to the expansion: a fixed buffer would cut long results.
            str::StrBuffer source(expandBuffer_);
            DWORD needed =
                ExpandEnvironmentStringsW(reinterpret_cast<LPCWSTR>(source.cStr()), nullptr, 0);
            if (needed != 0) {
                expandBuffer_.reset();
                expandBuffer_.reserveExact(needed);
                DWORD written = ExpandEnvironmentStringsW(
                    reinterpret_cast<LPCWSTR>(source.cStr()),
                    reinterpret_cast<LPWSTR>(expandBuffer_.buffer()), needed);
                expandBuffer_.setLength(written > 0 && written <= needed ? written - 1 : 0);
            }
        }
    }
    return expandBuffer_.cStr();
}

str::StrArray* RegDir::getStringArray(const char16_t* name) {
    std::uint32_t type = 0, size = 0;
    if (!queryValue(name, &type, &size) || type != REG_MULTI_SZ || size <= 3)
        return nullptr;
    auto* list = thread::take<str::StrArray>();
    const auto* text = static_cast<const char16_t*>(valueData_.data());
    std::uint32_t units = size / 2, start = 0;
    for (std::uint32_t i = 0; i <= units; ++i) {
        if (i == units || text[i] == 0) {
            // The list ends at an empty string.
            if (i == start)
                break;
            auto* item = thread::take<str::StrBuffer>();
            item->append(text + start, i - start);
            list->add(item);
            start = i + 1;
        }
    }
    return list;
}

str::StrArray* RegDir::listValueNames() {
    auto* names = thread::take<str::StrArray>();
    if (!openHandle())
        return names;
    str::StrBuffer name;
    for (std::uint32_t index = 0; nt::valueName(handle_, index, name); ++index) {
        auto* item = thread::take<str::StrBuffer>();
        item->append(name);
        names->add(item);
    }
    return names;
}

std::uint64_t RegDir::totalSize(bool recursive, std::uint32_t* outValueCount,
                                std::uint32_t* outKeyCount, bool withValues) {
    std::uint64_t total = 0;
    if (!openHandle())
        return 0;
    if (withValues) {
        str::StrArray* names = listValueNames();
        for (std::uint32_t i = 0; i < names->count(); ++i)
            total += getValueSize(names->at(i)->cStr());
        if (outValueCount != nullptr)
            *outValueCount += names->count();
        names->release();
    }
    col::_array::ArrayP* children = listSubKeys();
    if (outKeyCount != nullptr)
        *outKeyCount += children->length();
    if (recursive)
        for (std::uint32_t i = 0; i < children->length(); ++i)
            total += static_cast<RegDir*>(children->at(i))
                         ->totalSize(true, outValueCount, outKeyCount, withValues);
    children->release();
    return total;
}

bool RegDir::removeValue(const char16_t* name) {
    if (!openHandle())
        return false;
    return nt::deleteValue(handle_, name);
}

bool RegDir::writeValue(const char16_t* name, std::uint32_t type, const void* data,
                        std::uint32_t size) {
    if (handle_ == nullptr && !openHandle() && !create())
        return false;
    return nt::setValue(handle_, name, type, data, size);
}

namespace {
// Narrow values go into four bytes, the signed ones sign-extended.
template <class T> std::uint32_t widened(T value) {
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(value));
}
} // namespace

bool RegDir::setUInt8(const char16_t* name, std::uint8_t value) {
    std::uint32_t v = value;
    return writeValue(name, REG_DWORD, &v, 4);
}
bool RegDir::setUInt16(const char16_t* name, std::uint16_t value) {
    std::uint32_t v = value;
    return writeValue(name, REG_DWORD, &v, 4);
}
bool RegDir::setUInt32(const char16_t* name, std::uint32_t value) {
    return writeValue(name, REG_DWORD, &value, 4);
}
bool RegDir::setUInt64(const char16_t* name, std::uint64_t value) {
    return writeValue(name, REG_BINARY, &value, 8);
}
bool RegDir::setInt8(const char16_t* name, std::int8_t value) {
    std::uint32_t v = widened(value);
    return writeValue(name, REG_DWORD, &v, 4);
}
bool RegDir::setInt16(const char16_t* name, std::int16_t value) {
    std::uint32_t v = widened(value);
    return writeValue(name, REG_DWORD, &v, 4);
}
bool RegDir::setInt32(const char16_t* name, std::int32_t value) {
    return writeValue(name, REG_DWORD, &value, 4);
}
bool RegDir::setInt64(const char16_t* name, std::int64_t value) {
    return writeValue(name, REG_BINARY, &value, 8);
}
bool RegDir::setFloat(const char16_t* name, float value) {
    return writeValue(name, REG_BINARY, &value, 4);
}
bool RegDir::setDouble(const char16_t* name, double value) {
    return writeValue(name, REG_BINARY, &value, 8);
}
bool RegDir::setBool(const char16_t* name, bool value) {
    std::uint32_t v = value ? 1 : 0;
    return writeValue(name, REG_DWORD, &v, 4);
}

namespace {
std::uint32_t terminatedBytes(const char16_t* text) {
    std::uint32_t units = 0;
    if (text != nullptr)
        while (text[units] != 0)
            ++units;
    return 2 * (units + 1);
}
} // namespace

bool RegDir::setString(const char16_t* name, const char16_t* value) {
    return writeValue(name, REG_SZ, value != nullptr ? value : u"", terminatedBytes(value));
}
bool RegDir::setExpandString(const char16_t* name, const char16_t* value) {
    return writeValue(name, REG_EXPAND_SZ, value != nullptr ? value : u"", terminatedBytes(value));
}

bool RegDir::setStringArray(const char16_t* name, const str::StrArray* value) {
    str::StrBuffer joined;
    if (value != nullptr)
        for (std::uint32_t i = 0; i < value->count(); ++i) {
            joined.append(*value->at(i));
            joined.append(u'\0');
        }
    joined.append(u'\0');
    return writeValue(name, REG_MULTI_SZ, joined.buffer(), 2 * joined.length());
}

bool RegDir::setBytes(const char16_t* name, const col::_array::ArrayU08* value) {
    static const unsigned char none = 0;
    const void* data = value != nullptr && value->length() != 0 ? value->data() : &none;
    return writeValue(name, REG_BINARY, data, value != nullptr ? value->length() : 0);
}

} // namespace s::reg::win
