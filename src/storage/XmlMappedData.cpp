#include "storage/XmlMappedData.h"

#include "foundation/collections/Arrays.h"
#include "foundation/system/DiagnosticLog.h"
#include "foundation/system/Platform.h"
#include "foundation/strings/NumberFormat.h"
#include "foundation/objects/Pools.h"
#include "storage/Node.h"
#include "storage/XmlText.h"

namespace s::xml {

namespace {

bool isSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

// Section names compare ignoring case, as keys do and as the registry
// compares its key names, so that a path finds the same section whichever
// store holds it and whatever the path cache remembers.
Node* childNamed(const Node* node, const char16_t* segment, std::int32_t length) {
    for (std::int32_t i = 0; i < node->childCount(); ++i) {
        Node* child = node->childAt(i);
        if (text::equalsIgnoreCase(child->getName(), child->getNameLength(), segment, length))
            return child;
    }
    return nullptr;
}

} // namespace

MappedData* MappedData::createOverFile(const char16_t* pathText, const char16_t* rootName) {
    MappedData* store = thread::take<MappedData>();
    store->file_.set(pathText != nullptr ? pathText : u"");
    store->root_ = thread::take<Node>();
    if (!store->root_->load(pathText) && platform::fileExists(pathText))
        store->setDamagedFileAside();
    if (store->root_->getNameLength() == 0)
        store->root_->setName(rootName);
    store->current_ = store->root_;
    return store;
}

// A file that cannot be read whole would lose its unread part at the next
// flush: it goes aside as "<file>.bad" (replacing an older one), and the store
// keeps what it could read. When it cannot be moved, the store never writes.
void MappedData::setDamagedFileAside() {
    str::StrBuffer aside(file_);
    aside.append(u".bad");
    bool moved = platform::replaceFile(file_.cStr(), aside.cStr());
    log::write(moved ? "settings: an incomplete settings file was set aside as .bad"
                     : "settings: an incomplete settings file could not be set aside; "
                       "it will not be written");
    if (!moved)
        file_.reset();
}

MappedData* MappedData::createOverElement(Node* root) {
    MappedData* store = thread::take<MappedData>();
    store->root_ = root != nullptr ? root : thread::take<Node>();
    store->current_ = store->root_;
    return store;
}

MappedData::~MappedData() { clear(); }

base::IObject* MappedData::newInstance() const { return thread::take<MappedData>(); }

void MappedData::release() { thread::giveBack(this); }

void MappedData::clear() {
    file_.freeMemory();
    scratch_.freeMemory();
    cachedPath_.freeMemory();
    if (root_ != nullptr)
        root_->release();
    root_ = nullptr;
    current_ = nullptr;
    autoFlush_ = false;
}

// The one-entry cache: a path equal to the remembered one (ignoring case)
// reuses its section. A failed lookup is remembered too, so asking again for
// a missing section costs nothing; every change to the tree goes through
// here first, which keeps the remembered answer true.
Node* MappedData::resolve(const char16_t* path, std::int32_t length, bool create) {
    if (root_ == nullptr)
        return nullptr;
    if (path == nullptr)
        path = u"";
    if (length < 0)
        length = text::length(path);
    if (text::equalsIgnoreCase(cachedPath_.cStr(), static_cast<std::int32_t>(cachedPath_.length()),
                               path, length)) {
        if (current_ != nullptr || !create)
            return current_;
    }
    cachedPath_.reset();
    cachedPath_.append(path, static_cast<std::uint32_t>(length));
    current_ = nullptr;
    Node* node = root_;
    // Empty segments, from doubled or trailing separators, are names too.
    std::int32_t start = 0;
    for (std::int32_t i = 0; length > 0 && i <= length; ++i) {
        if (i < length && !isSeparator(path[i]))
            continue;
        Node* child = childNamed(node, path + start, i - start);
        if (child == nullptr) {
            if (!create)
                return nullptr;
            child = node->addChild(path + start, i - start);
        }
        node = child;
        start = i + 1;
    }
    current_ = node;
    return node;
}

Node* MappedData::existing(const char16_t* path) { return resolve(path, -1, false); }

void MappedData::flush() {
    if (file_.length() > 0 && root_ != nullptr)
        root_->save(file_.cStr());
}

void MappedData::changed() {
    if (autoFlush_)
        flush();
}

bool MappedData::selectPath(const char16_t* path) { return resolve(path, -1, true) != nullptr; }

bool MappedData::removePath(const char16_t* path) {
    if (path == nullptr)
        path = u"";
    std::int32_t length = text::length(path);
    std::int32_t last = length - 1;
    while (last >= 0 && !isSeparator(path[last]))
        --last;
    Node* parent = resolve(path, last < 0 ? 0 : last, false);
    std::int32_t index;
    if (parent == nullptr || !parent->findChild(path + last + 1, &index))
        return false;
    // The cache now holds the parent, so it cannot point into the subtree.
    parent->removeChildAt(index);
    changed();
    return true;
}

bool MappedData::findPath(const char16_t* path) { return existing(path) != nullptr; }

bool MappedData::hasKey(const char16_t* path, const char16_t* key) {
    Node* node = existing(path);
    return node != nullptr && node->getAttributes().find(key) != nullptr;
}

std::uint8_t MappedData::getUInt8(const char16_t* path, const char16_t* key, std::uint8_t def) {
    Node* node = existing(path);
    return node != nullptr ? node->getUInt8(key, def) : def;
}

std::uint16_t MappedData::getUInt16(const char16_t* path, const char16_t* key, std::uint16_t def) {
    Node* node = existing(path);
    return node != nullptr ? node->getUInt16(key, def) : def;
}

std::uint32_t MappedData::getUInt32(const char16_t* path, const char16_t* key, std::uint32_t def) {
    Node* node = existing(path);
    return node != nullptr ? node->getUInt32(key, def) : def;
}

std::uint64_t MappedData::getUInt64(const char16_t* path, const char16_t* key, std::uint64_t def) {
    Node* node = existing(path);
    return node != nullptr ? node->getUInt64(key, def) : def;
}

std::int8_t MappedData::getInt8(const char16_t* path, const char16_t* key, std::int8_t def) {
    Node* node = existing(path);
    return node != nullptr ? node->getInt8(key, def) : def;
}

std::int16_t MappedData::getInt16(const char16_t* path, const char16_t* key, std::int16_t def) {
    Node* node = existing(path);
    return node != nullptr ? node->getInt16(key, def) : def;
}

std::int32_t MappedData::getInt32(const char16_t* path, const char16_t* key, std::int32_t def) {
    Node* node = existing(path);
    return node != nullptr ? node->getInt32(key, def) : def;
}

std::int64_t MappedData::getInt64(const char16_t* path, const char16_t* key, std::int64_t def) {
    Node* node = existing(path);
    return node != nullptr ? node->getInt64(key, def) : def;
}

float MappedData::getFloat(const char16_t* path, const char16_t* key, float def) {
    return static_cast<float>(getDouble(path, key, def));
}

double MappedData::getDouble(const char16_t* path, const char16_t* key, double def) {
    Node* node = existing(path);
    const Attr* record = node != nullptr ? node->getAttributes().find(key) : nullptr;
    if (record == nullptr)
        return def;
    return str::number::parseDouble(record->value, record->value + record->valueLength);
}

bool MappedData::getBool(const char16_t* path, const char16_t* key, bool def) {
    Node* node = existing(path);
    return node != nullptr ? node->getBool(key, def) : def;
}

const char16_t* MappedData::getString(const char16_t* path, const char16_t* key,
                                      const char16_t* def, bool* outIsExpandable, bool) {
    if (outIsExpandable != nullptr)
        *outIsExpandable = false;
    Node* node = existing(path);
    if (node == nullptr || node->getAttributes().find(key) == nullptr)
        return def;
    node->getString(key, &scratch_, def, false);
    return scratch_.cStr();
}

str::strarray::StrArray* MappedData::getStringArray(const char16_t*, const char16_t*) {
    return nullptr;
}

col::_array::ArrayU08* MappedData::getBytes(const char16_t* path, const char16_t* key,
                                            col::_array::ArrayU08* array) {
    Node* node = existing(path);
    const Attr* record = node != nullptr ? node->getAttributes().find(key) : nullptr;
    if (record == nullptr)
        return array;
    str::StrBuffer hex(record->value);
    return hex.hexToBytes(array, false);
}

bool MappedData::removeKey(const char16_t* path, const char16_t* key) {
    Node* node = existing(path);
    if (node == nullptr || node->getAttributes().removeAll(key) == 0)
        return false;
    changed();
    return true;
}

// Every value of that name goes, not only the first: a hand-edited file can
// hold a key twice, or text in several stretches, and a later duplicate
// would otherwise become the value the getters find after the new one was
// appended behind it.
Node* MappedData::prepareKey(const char16_t* path, const char16_t* key) {
    Node* node = resolve(path, -1, true);
    if (node != nullptr)
        node->getAttributes().removeAll(key);
    return node;
}

template <class T> void MappedData::setNumber(const char16_t* path, const char16_t* key, T value) {
    if (Node* node = prepareKey(path, key)) {
        node->addAttribute(key, value);
        changed();
    }
}

void MappedData::setUInt8(const char16_t* path, const char16_t* key, std::uint8_t value) {
    setNumber(path, key, value);
}
void MappedData::setUInt16(const char16_t* path, const char16_t* key, std::uint16_t value) {
    setNumber(path, key, value);
}
void MappedData::setUInt32(const char16_t* path, const char16_t* key, std::uint32_t value) {
    setNumber(path, key, value);
}
void MappedData::setUInt64(const char16_t* path, const char16_t* key, std::uint64_t value) {
    setNumber(path, key, value);
}
void MappedData::setInt8(const char16_t* path, const char16_t* key, std::int8_t value) {
    setNumber(path, key, value);
}
void MappedData::setInt16(const char16_t* path, const char16_t* key, std::int16_t value) {
    setNumber(path, key, value);
}
void MappedData::setInt32(const char16_t* path, const char16_t* key, std::int32_t value) {
    setNumber(path, key, value);
}
void MappedData::setInt64(const char16_t* path, const char16_t* key, std::int64_t value) {
    setNumber(path, key, value);
}
void MappedData::setFloat(const char16_t* path, const char16_t* key, float value) {
    setNumber(path, key, value);
}
void MappedData::setDouble(const char16_t* path, const char16_t* key, double value) {
    setNumber(path, key, value);
}

void MappedData::setBool(const char16_t* path, const char16_t* key, bool value) {
    setString(path, key, value ? u"1" : u"0");
}

void MappedData::setString(const char16_t* path, const char16_t* key, const char16_t* text) {
    if (Node* node = prepareKey(path, key)) {
        node->addAttribute(key, text != nullptr ? text : u"");
        changed();
    }
}

void MappedData::setExpandString(const char16_t* path, const char16_t* key, const char16_t* text) {
    setString(path, key, text);
}

void MappedData::setStringArray(const char16_t*, const char16_t*, const str::strarray::StrArray*) {}

void MappedData::setBytes(const char16_t* path, const char16_t* key,
                          const col::_array::ArrayU08* bytes) {
    if (Node* node = prepareKey(path, key)) {
        const auto* data =
            bytes != nullptr ? static_cast<const std::uint8_t*>(bytes->data()) : nullptr;
        node->addAttribute(key, data, bytes != nullptr ? static_cast<std::int32_t>(bytes->length()) : 0);
        changed();
    }
}

} // namespace s::xml
