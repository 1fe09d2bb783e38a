#include "storage/win/RegMappedData.h"

#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrArray.h"
#include "storage/win/RegDir.h"

namespace s::reg {

MappedData* MappedData::create(const char16_t* keyPath) {
    MappedData* store = thread::take<MappedData>();
    if (store->base_ == nullptr)
        store->base_ = win::RegDir::opened(kCurrentUser, keyPath);
    return store;
}

MappedData::MappedData() = default;

MappedData::~MappedData() {
    clear();
}

base::IObject* MappedData::newInstance() const {
    return thread::take<MappedData>();
}

void MappedData::release() {
    thread::giveBack(this);
}

void MappedData::createDependentPools() {
    thread::poolOf<win::RegDir>();
}

void MappedData::clear() {
    if (current_ != nullptr && current_ != base_)
        current_->release();
    current_ = nullptr;
    if (base_ != nullptr)
        base_->release();
    base_ = nullptr;
    keyPath_.freeMemory();
    cachedPath_.freeMemory();
    autoFlush_ = false;
}

win::RegDir* MappedData::section(const char16_t* path, bool create) {
    if (base_ == nullptr)
        return nullptr;
    str::StrBuffer wanted(path != nullptr ? path : u"");
    if (current_ == nullptr || !cachedPath_.equalsIgnoreCase(&wanted)) {
        cachedPath_.set(wanted);
        if (current_ != nullptr && current_ != base_)
            current_->release();
        if (cachedPath_.length() == 0) {
            current_ = base_;
        } else {
            keyPath_.set(base_->getKeyPath());
            keyPath_.append(u'\\');
            keyPath_.append(cachedPath_);
            current_ = win::RegDir::opened(base_->getRoot(), keyPath_.cStr());
        }
    }
    if (current_->exists())
        return current_;
    if (create && current_->create())
        return current_;
    return nullptr;
}

void MappedData::flush() {
}

bool MappedData::selectPath(const char16_t* path) {
    return section(path, true) != nullptr;
}

bool MappedData::removePath(const char16_t* path) {
    if (base_ == nullptr)
        return false;
    str::StrBuffer full(base_->getKeyPath());
    if (path != nullptr && path[0] != 0) {
        full.append(u'\\');
        full.append(path);
    }
    win::RegDir* key = win::RegDir::opened(base_->getRoot(), full.cStr());
    bool existed = key->exists();
    if (existed)
        key->remove(true);
    key->release();
    // The remembered key may be gone now.
    if (current_ != nullptr && current_ != base_)
        current_->release();
    current_ = nullptr;
    cachedPath_.reset();
    return existed;
}

bool MappedData::findPath(const char16_t* path) {
    if (path == nullptr || path[0] == 0)
        return true;
    return section(path, false) != nullptr;
}

bool MappedData::hasKey(const char16_t* path, const char16_t* key) {
    win::RegDir* dir = section(path, false);
    return dir != nullptr && dir->queryValue(key, nullptr, nullptr);
}

namespace {
// Reads through the section's directory, or answers the default when the
// section does not exist.
template <class T, class Read> T readOr(win::RegDir* dir, T def, Read read) {
    return dir != nullptr ? read(dir) : def;
}
} // namespace

std::uint8_t MappedData::getUInt8(const char16_t* path, const char16_t* key, std::uint8_t def) {
    return readOr(section(path, false), def, [&](win::RegDir* d) { return d->getUInt8(key, def); });
}
std::uint16_t MappedData::getUInt16(const char16_t* path, const char16_t* key, std::uint16_t def) {
    return readOr(section(path, false), def,
                  [&](win::RegDir* d) { return d->getUInt16(key, def); });
}
std::uint32_t MappedData::getUInt32(const char16_t* path, const char16_t* key, std::uint32_t def) {
    return readOr(section(path, false), def,
                  [&](win::RegDir* d) { return d->getUInt32(key, def); });
}
std::uint64_t MappedData::getUInt64(const char16_t* path, const char16_t* key, std::uint64_t def) {
    return readOr(section(path, false), def,
                  [&](win::RegDir* d) { return d->getUInt64(key, def); });
}
std::int8_t MappedData::getInt8(const char16_t* path, const char16_t* key, std::int8_t def) {
    return readOr(section(path, false), def, [&](win::RegDir* d) { return d->getInt8(key, def); });
}
std::int16_t MappedData::getInt16(const char16_t* path, const char16_t* key, std::int16_t def) {
    return readOr(section(path, false), def, [&](win::RegDir* d) { return d->getInt16(key, def); });
}
std::int32_t MappedData::getInt32(const char16_t* path, const char16_t* key, std::int32_t def) {
    return readOr(section(path, false), def, [&](win::RegDir* d) { return d->getInt32(key, def); });
}
std::int64_t MappedData::getInt64(const char16_t* path, const char16_t* key, std::int64_t def) {
    return readOr(section(path, false), def, [&](win::RegDir* d) { return d->getInt64(key, def); });
}
float MappedData::getFloat(const char16_t* path, const char16_t* key, float def) {
    return readOr(section(path, false), def, [&](win::RegDir* d) { return d->getFloat(key, def); });
}
double MappedData::getDouble(const char16_t* path, const char16_t* key, double def) {
    return readOr(section(path, false), def,
                  [&](win::RegDir* d) { return d->getDouble(key, def); });
}
bool MappedData::getBool(const char16_t* path, const char16_t* key, bool def) {
    return readOr(section(path, false), def, [&](win::RegDir* d) { return d->getBool(key, def); });
}

const char16_t* MappedData::getString(const char16_t* path, const char16_t* key,
                                      const char16_t* def, bool* outIsExpandable, bool expand) {
    return readOr(section(path, false), def,
                  [&](win::RegDir* d) { return d->getString(key, def, outIsExpandable, expand); });
}

str::strarray::StrArray* MappedData::getStringArray(const char16_t*, const char16_t*) {
    return nullptr;
}

col::_array::ArrayU08* MappedData::getBytes(const char16_t* path, const char16_t* key,
                                            col::_array::ArrayU08* array) {
    win::RegDir* dir = section(path, false);
    if (dir == nullptr)
        return array != nullptr ? array : thread::take<col::_array::ArrayU08>();
    return dir->getBytes(key, array);
}

bool MappedData::removeKey(const char16_t* path, const char16_t* key) {
    win::RegDir* dir = section(path, false);
    return dir != nullptr && dir->removeValue(key);
}

namespace {
template <class Write> void writeTo(win::RegDir* dir, Write write) {
    if (dir != nullptr)
        write(dir);
}
} // namespace

void MappedData::setUInt8(const char16_t* path, const char16_t* key, std::uint8_t value) {
    writeTo(section(path, true), [&](win::RegDir* d) { d->setUInt8(key, value); });
}
void MappedData::setUInt16(const char16_t* path, const char16_t* key, std::uint16_t value) {
    writeTo(section(path, true), [&](win::RegDir* d) { d->setUInt16(key, value); });
}
void MappedData::setUInt32(const char16_t* path, const char16_t* key, std::uint32_t value) {
    writeTo(section(path, true), [&](win::RegDir* d) { d->setUInt32(key, value); });
}
void MappedData::setUInt64(const char16_t* path, const char16_t* key, std::uint64_t value) {
    writeTo(section(path, true), [&](win::RegDir* d) { d->setUInt64(key, value); });
}
void MappedData::setInt8(const char16_t* path, const char16_t* key, std::int8_t value) {
    writeTo(section(path, true), [&](win::RegDir* d) { d->setInt8(key, value); });
}
void MappedData::setInt16(const char16_t* path, const char16_t* key, std::int16_t value) {
    writeTo(section(path, true), [&](win::RegDir* d) { d->setInt16(key, value); });
}
void MappedData::setInt32(const char16_t* path, const char16_t* key, std::int32_t value) {
    writeTo(section(path, true), [&](win::RegDir* d) { d->setInt32(key, value); });
}
void MappedData::setInt64(const char16_t* path, const char16_t* key, std::int64_t value) {
    writeTo(section(path, true), [&](win::RegDir* d) { d->setInt64(key, value); });
}
void MappedData::setFloat(const char16_t* path, const char16_t* key, float value) {
    writeTo(section(path, true), [&](win::RegDir* d) { d->setFloat(key, value); });
}
void MappedData::setDouble(const char16_t* path, const char16_t* key, double value) {
    writeTo(section(path, true), [&](win::RegDir* d) { d->setDouble(key, value); });
}
void MappedData::setBool(const char16_t* path, const char16_t* key, bool value) {
    writeTo(section(path, true), [&](win::RegDir* d) { d->setBool(key, value); });
}
void MappedData::setString(const char16_t* path, const char16_t* key, const char16_t* text) {
    writeTo(section(path, true), [&](win::RegDir* d) { d->setString(key, text); });
}
void MappedData::setExpandString(const char16_t* path, const char16_t* key, const char16_t* text) {
    writeTo(section(path, true), [&](win::RegDir* d) { d->setExpandString(key, text); });
}
void MappedData::setStringArray(const char16_t*, const char16_t*, const str::strarray::StrArray*) {
}
void MappedData::setBytes(const char16_t* path, const char16_t* key,
                          const col::_array::ArrayU08* bytes) {
    writeTo(section(path, true), [&](win::RegDir* d) { d->setBytes(key, bytes); });
}

bool MappedData::isAutoFlush() {
    return autoFlush_;
}

void MappedData::setAutoFlush(bool on) {
    autoFlush_ = on;
}

} // namespace s::reg
