#include "foundation/strings/StrBuffer.h"

#include "foundation/objects/Growth.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrIterator.h"

#include <cstdlib>
#include <cstring>

namespace s::str::strbuffer {

namespace {

const char16_t kEmpty[1] = {0};

// Trimming without a list removes these five units.
const char16_t kWhitespace[] = {u' ', u'\n', u'\u3000', u'\t', u'\r'};

char16_t lower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
}
char16_t upper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
}
char16_t fold(char16_t c, bool on) {
    return on ? lower(c) : c;
}

std::uint32_t unitsIn(const char16_t* text) {
    std::uint32_t n = 0;
    if (text != nullptr)
        while (text[n] != 0)
            ++n;
    return n;
}

bool contains(const char16_t* chars, std::uint32_t count, char16_t c, bool foldCase) {
    for (std::uint32_t i = 0; i < count; ++i)
        if (fold(chars[i], foldCase) == fold(c, foldCase))
            return true;
    return false;
}

int sign(int v) {
    return v < 0 ? -1 : v > 0 ? 1 : 0;
}

const StrBuffer* asString(const base::IComparable* other) {
    return dynamic_cast<const StrBuffer*>(other);
}

} // namespace

StrBuffer::StrBuffer(const char16_t* text) {
    set(text);
}

StrBuffer::StrBuffer(const StrBuffer& other) : IStr() {
    set(other);
}

StrBuffer& StrBuffer::operator=(const StrBuffer& other) {
    if (this != &other)
        set(other);
    return *this;
}

StrBuffer::~StrBuffer() {
    std::free(buffer_);
}

base::IObject* StrBuffer::newInstance() const {
    return thread::take<StrBuffer>();
}

void StrBuffer::release() {
    thread::giveBack(this);
}

// ---- comparison and hashing

std::int32_t StrBuffer::compareTo(const base::IComparable* other, base::IComparator*) const {
    const StrBuffer* s = asString(other);
    if (s == nullptr)
        return base::IComparable::compareTo(other, nullptr);
    std::uint32_t n = length_ < s->length_ ? length_ : s->length_;
    // Raw bytes in memory order, as memcmp sees little-endian units.
    for (std::uint32_t i = 0; i < n; ++i) {
        char16_t a = buffer_[i], b = s->buffer_[i];
        if (a == b)
            continue;
        if ((a & 0xFF) != (b & 0xFF))
            return (a & 0xFF) < (b & 0xFF) ? -1 : 1;
        return (a >> 8) < (b >> 8) ? -1 : 1;
    }
    return length_ < s->length_ ? -1 : length_ > s->length_ ? 1 : 0;
}

std::int32_t StrBuffer::compareToIgnoreCase(const base::IComparable* other,
                                            base::IComparator*) const {
    const StrBuffer* s = asString(other);
    if (s == nullptr)
        return base::IComparable::compareTo(other, nullptr);
    std::uint32_t n = length_ < s->length_ ? length_ : s->length_;
    for (std::uint32_t i = 0; i < n; ++i) {
        char16_t a = lower(buffer_[i]), b = lower(s->buffer_[i]);
        if (a != b)
            return a < b ? -1 : 1;
    }
    return length_ < s->length_ ? -1 : length_ > s->length_ ? 1 : 0;
}

bool StrBuffer::equals(const base::IComparable* other, base::IComparator* comparator) const {
    if (comparator != nullptr)
        return comparator->compare(this, other) == 0;
    const StrBuffer* s = asString(other);
    return s != nullptr && s->length_ == length_ &&
           (length_ == 0 || std::memcmp(buffer_, s->buffer_, 2 * length_) == 0);
}

bool StrBuffer::equalsIgnoreCase(const base::IComparable* other,
                                 base::IComparator* comparator) const {
    if (comparator != nullptr)
        return comparator->compareIgnoreCase(this, other) == 0;
    const StrBuffer* s = asString(other);
    return s != nullptr && s->length_ == length_ && compareToIgnoreCase(s, nullptr) == 0;
}

bool StrBuffer::equals(const char16_t* text) const {
    std::uint32_t n = unitsIn(text);
    return n == length_ && (n == 0 || std::memcmp(buffer_, text, 2 * n) == 0);
}

std::int32_t StrBuffer::hashCode() const {
    std::uint32_t h = 0;
    for (std::uint32_t i = 0; i < length_; ++i) {
        h <<= 1;
        if ((h & 0x80000000u) != 0)
            h |= 1;
        h ^= buffer_[i];
    }
    return static_cast<std::int32_t>(h);
}

std::int32_t StrBuffer::hashCodeIgnoreCase() const {
    std::uint32_t h = 0;
    for (std::uint32_t i = 0; i < length_; ++i) {
        h <<= 1;
        if ((h & 0x80000000u) != 0)
            h |= 1;
        h ^= lower(buffer_[i]);
    }
    return static_cast<std::int32_t>(h);
}

// ---- memory

const char16_t* StrBuffer::terminate(const char16_t*) {
    if (length_ == 0)
        return nullptr;
    buffer_[length_] = 0;
    return buffer_;
}

std::uint32_t StrBuffer::length() const {
    return length_;
}

void StrBuffer::setLength(std::uint32_t n) {
    length_ = n;
}

std::uint32_t StrBuffer::capacity() const {
    return capacity_;
}

void StrBuffer::reserveExact(std::uint32_t n) {
    if (capacity_ >= n && buffer_ != nullptr)
        return;
    auto* block = static_cast<char16_t*>(std::malloc((static_cast<std::size_t>(n) + 1) * 2));
    if (length_ != 0)
        std::memcpy(block, buffer_, 2 * static_cast<std::size_t>(length_));
    std::free(buffer_);
    buffer_ = block;
    capacity_ = n;
}

void StrBuffer::grow() {
    reserveExact(col::grownCapacity(capacity_));
}

void StrBuffer::reserve(std::uint32_t n) {
    if (capacity_ >= n && buffer_ != nullptr)
        return;
    reserveExact(col::grownCapacityFor(capacity_, n));
}

void StrBuffer::reset() {
    length_ = 0;
    cursor_.rewind();
}

void StrBuffer::freeMemory() {
    std::free(buffer_);
    buffer_ = nullptr;
    length_ = capacity_ = 0;
    cursor_.rewind();
}

char16_t* StrBuffer::buffer() {
    return buffer_;
}

const char16_t* StrBuffer::cStr() const {
    if (length_ == 0)
        return kEmpty;
    // Every block has one spare unit behind the capacity for this.
    buffer_[length_] = 0;
    return buffer_;
}

char16_t* StrBuffer::charPointer(std::uint32_t i) {
    return buffer_ + i;
}

// ---- case

void StrBuffer::reverse() {
    for (std::uint32_t i = 0, j = length_; i + 1 < j; ++i, --j) {
        char16_t c = buffer_[i];
        buffer_[i] = buffer_[j - 1];
        buffer_[j - 1] = c;
    }
}

void StrBuffer::toLowerCase() {
    for (std::uint32_t i = 0; i < length_; ++i)
        buffer_[i] = lower(buffer_[i]);
}

void StrBuffer::toUpperCase() {
    for (std::uint32_t i = 0; i < length_; ++i)
        buffer_[i] = upper(buffer_[i]);
}

void StrBuffer::capitalize() {
    toLowerCase();
    if (length_ != 0)
        buffer_[0] = upper(buffer_[0]);
}

char16_t StrBuffer::charAt(std::uint32_t i) const {
    return buffer_[i];
}
char16_t StrBuffer::charAtLower(std::uint32_t i) const {
    return lower(buffer_[i]);
}
char16_t StrBuffer::charAtUpper(std::uint32_t i) const {
    return upper(buffer_[i]);
}

// ---- searches

bool StrBuffer::findChar(char16_t ch, bool foldCase, std::uint32_t from, std::uint32_t& out) const {
    char16_t want = fold(ch, foldCase);
    for (std::uint32_t i = from; i < length_; ++i)
        if (fold(buffer_[i], foldCase) == want) {
            out = i;
            return true;
        }
    return false;
}

bool StrBuffer::findAny(const char16_t* chars, std::uint32_t count, bool foldCase,
                        std::uint32_t from, std::uint32_t& out) const {
    for (std::uint32_t i = from; i < length_; ++i)
        if (contains(chars, count, buffer_[i], foldCase)) {
            out = i;
            return true;
        }
    return false;
}

bool StrBuffer::findCharBackward(char16_t ch, bool foldCase, std::uint32_t before,
                                 std::uint32_t& out) const {
    char16_t want = fold(ch, foldCase);
    for (std::uint32_t i = before < length_ ? before : length_; i-- > 0;)
        if (fold(buffer_[i], foldCase) == want) {
            out = i;
            return true;
        }
    return false;
}

bool StrBuffer::findAnyBackward(const char16_t* chars, std::uint32_t count, bool foldCase,
                                std::uint32_t before, std::uint32_t& out) const {
    for (std::uint32_t i = before < length_ ? before : length_; i-- > 0;)
        if (contains(chars, count, buffer_[i], foldCase)) {
            out = i;
            return true;
        }
    return false;
}

bool StrBuffer::indexOf(char16_t ch, std::uint32_t& out, std::uint32_t from) const {
    return findChar(ch, false, from, out);
}
bool StrBuffer::indexOfIgnoreCase(char16_t ch, std::uint32_t& out, std::uint32_t from) const {
    return findChar(ch, true, from, out);
}
bool StrBuffer::indexOfAny(const char16_t* chars, std::uint32_t count, std::uint32_t& out,
                           std::uint32_t from) const {
    return findAny(chars, count, false, from, out);
}
bool StrBuffer::indexOfAnyIgnoreCase(const char16_t* chars, std::uint32_t count, std::uint32_t& out,
                                     std::uint32_t from) const {
    return findAny(chars, count, true, from, out);
}
bool StrBuffer::lastIndexOf(char16_t ch, std::uint32_t& out, std::uint32_t before) const {
    return findCharBackward(ch, false, before, out);
}
bool StrBuffer::lastIndexOfIgnoreCase(char16_t ch, std::uint32_t& out, std::uint32_t before) const {
    return findCharBackward(ch, true, before, out);
}
bool StrBuffer::lastIndexOfAny(const char16_t* chars, std::uint32_t count, std::uint32_t& out,
                               std::uint32_t before) const {
    return findAnyBackward(chars, count, false, before, out);
}
bool StrBuffer::lastIndexOfAnyIgnoreCase(const char16_t* chars, std::uint32_t count,
                                         std::uint32_t& out, std::uint32_t before) const {
    return findAnyBackward(chars, count, true, before, out);
}

bool StrBuffer::matchesAt(std::uint32_t index, const char16_t* str, std::uint32_t strIndex,
                          std::int32_t n, bool foldCase) const {
    if (str == nullptr)
        return false;
    std::uint32_t count;
    if (n < 0) {
        std::uint32_t total = unitsIn(str);
        if (strIndex > total)
            return false;
        count = total - strIndex;
        // The whole of str: the match must end where this string ends.
        if (static_cast<std::uint64_t>(index) + count != length_)
            return false;
    } else {
        count = static_cast<std::uint32_t>(n);
        if (static_cast<std::uint64_t>(index) + count > length_)
            return false;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        char16_t b = str[strIndex + i];
        if (b == 0 || fold(buffer_[index + i], foldCase) != fold(b, foldCase))
            return false;
    }
    return true;
}

bool StrBuffer::regionMatches(std::uint32_t index, const char16_t* str, std::uint32_t strIndex,
                              std::int32_t n) const {
    return matchesAt(index, str, strIndex, n, false);
}
bool StrBuffer::regionMatchesIgnoreCase(std::uint32_t index, const char16_t* str,
                                        std::uint32_t strIndex, std::int32_t n) const {
    return matchesAt(index, str, strIndex, n, true);
}

bool StrBuffer::findString(const char16_t* str, bool foldCase, std::uint32_t from,
                           std::uint32_t& out) const {
    std::uint32_t n = unitsIn(str);
    if (from > length_)
        return false;
    if (n == 0) {
        out = from;
        return true;
    }
    for (std::uint32_t i = from; i + n <= length_; ++i) {
        if (!findChar(str[0], foldCase, i, i) || i + n > length_)
            return false;
        if (matchesAt(i, str, 0, static_cast<std::int32_t>(n), foldCase)) {
            out = i;
            return true;
        }
    }
    return false;
}

bool StrBuffer::findStringBackward(const char16_t* str, bool foldCase, std::uint32_t before,
                                   std::uint32_t& out) const {
    std::uint32_t n = unitsIn(str);
    std::uint32_t limit = before < length_ ? before : length_;
    if (n == 0 || n > limit)
        return false;
    // Candidates start at or before limit - n.
    std::uint32_t next = limit - n + 1;
    std::uint32_t at;
    while (findCharBackward(str[0], foldCase, next, at)) {
        if (matchesAt(at, str, 0, static_cast<std::int32_t>(n), foldCase)) {
            out = at;
            return true;
        }
        next = at;
    }
    return false;
}

bool StrBuffer::indexOf(const char16_t* str, std::uint32_t& out, std::uint32_t from) const {
    return findString(str, false, from, out);
}
bool StrBuffer::indexOfIgnoreCase(const char16_t* str, std::uint32_t& out,
                                  std::uint32_t from) const {
    return findString(str, true, from, out);
}
bool StrBuffer::lastIndexOf(const char16_t* str, std::uint32_t& out, std::uint32_t before) const {
    return findStringBackward(str, false, before, out);
}
bool StrBuffer::lastIndexOfIgnoreCase(const char16_t* str, std::uint32_t& out,
                                      std::uint32_t before) const {
    return findStringBackward(str, true, before, out);
}

bool StrBuffer::endsWith(const char16_t* str, std::int32_t n) const {
    std::uint32_t count = n < 0 ? unitsIn(str) : static_cast<std::uint32_t>(n);
    return count <= length_ &&
           matchesAt(length_ - count, str, 0, static_cast<std::int32_t>(count), false);
}
bool StrBuffer::endsWithIgnoreCase(const char16_t* str, std::int32_t n) const {
    std::uint32_t count = n < 0 ? unitsIn(str) : static_cast<std::uint32_t>(n);
    return count <= length_ &&
           matchesAt(length_ - count, str, 0, static_cast<std::int32_t>(count), true);
}
bool StrBuffer::startsWith(const char16_t* str, std::int32_t n) const {
    std::uint32_t count = n < 0 ? unitsIn(str) : static_cast<std::uint32_t>(n);
    return matchesAt(0, str, 0, static_cast<std::int32_t>(count), false);
}
bool StrBuffer::startsWithIgnoreCase(const char16_t* str, std::int32_t n) const {
    std::uint32_t count = n < 0 ? unitsIn(str) : static_cast<std::uint32_t>(n);
    return matchesAt(0, str, 0, static_cast<std::int32_t>(count), true);
}

std::int32_t StrBuffer::compareAt(std::uint32_t index, const char16_t* str, std::uint32_t strIndex,
                                  std::int32_t n) const {
    if (index > length_)
        return -1;
    const char16_t* b = str + strIndex;
    for (std::uint32_t i = 0; n < 0 || i < static_cast<std::uint32_t>(n); ++i) {
        char16_t x = index + i < length_ ? buffer_[index + i] : 0;
        char16_t y = b[i];
        if (x != y)
            return x < y ? -1 : 1;
        if (x == 0)
            break;
    }
    return 0;
}

std::int32_t StrBuffer::compareAtIgnoreCase(std::uint32_t index, const char16_t* str,
                                            std::uint32_t strIndex, std::int32_t n) const {
    if (index > length_)
        return -1;
    const char16_t* b = str + strIndex;
    for (std::uint32_t i = 0; n < 0 || i < static_cast<std::uint32_t>(n); ++i) {
        char16_t x = lower(index + i < length_ ? buffer_[index + i] : 0);
        char16_t y = lower(b[i]);
        if (x != y)
            return sign(x - y);
        if (x == 0)
            break;
    }
    return 0;
}

// ---- trimming

void StrBuffer::trimRightOf(const char16_t* chars, std::uint32_t count, std::uint32_t minLength) {
    while (length_ > minLength && contains(chars, count, buffer_[length_ - 1], false))
        --length_;
}

void StrBuffer::trimLeftOf(const char16_t* chars, std::uint32_t count) {
    std::uint32_t first = 0;
    while (first < length_ && contains(chars, count, buffer_[first], false))
        ++first;
    if (first == 0)
        return;
    std::memmove(buffer_, buffer_ + first, 2 * static_cast<std::size_t>(length_ - first));
    length_ -= first;
}

void StrBuffer::trimRight() {
    trimRightOf(kWhitespace, 5, 0);
}
void StrBuffer::trimRight(std::uint32_t minLength) {
    trimRightOf(kWhitespace, 5, minLength);
}
void StrBuffer::trimRight(const char16_t* chars, std::int32_t n) {
    trimRightOf(chars, n < 0 ? unitsIn(chars) : static_cast<std::uint32_t>(n), 0);
}
void StrBuffer::trimRight(const char16_t* chars, std::uint32_t minLength, std::int32_t n) {
    trimRightOf(chars, n < 0 ? unitsIn(chars) : static_cast<std::uint32_t>(n), minLength);
}
void StrBuffer::trimLeft() {
    trimLeftOf(kWhitespace, 5);
}
void StrBuffer::trimLeft(const char16_t* chars, std::int32_t n) {
    trimLeftOf(chars, n < 0 ? unitsIn(chars) : static_cast<std::uint32_t>(n));
}

// ---- editing

void StrBuffer::prepend(const char16_t* units, std::uint32_t n) {
    if (n == 0)
        return;
    reserveFor(n);
    std::memmove(buffer_ + n, buffer_, 2 * static_cast<std::size_t>(length_));
    std::memcpy(buffer_, units, 2 * static_cast<std::size_t>(n));
    length_ += n;
}

void StrBuffer::appendNarrow(const char* bytes, std::uint32_t n) {
    reserveFor(n);
    // One unit per byte; bytes above 0x7F are taken as Latin-1.
    for (std::uint32_t i = 0; i < n; ++i)
        buffer_[length_ + i] = static_cast<unsigned char>(bytes[i]);
    length_ += n;
}

void StrBuffer::append(const char16_t* units, std::uint32_t n) {
    if (n == 0)
        return;
    // Appending a part of this string: the block may move while growing.
    bool inside = buffer_ != nullptr && units >= buffer_ && units <= buffer_ + capacity_;
    std::size_t offset = inside ? static_cast<std::size_t>(units - buffer_) : 0;
    reserveFor(n);
    if (inside)
        units = buffer_ + offset;
    std::memmove(buffer_ + length_, units, 2 * static_cast<std::size_t>(n));
    length_ += n;
}

void StrBuffer::append(char16_t ch) {
    if (length_ >= capacity_ || buffer_ == nullptr)
        grow();
    buffer_[length_++] = ch;
}

void StrBuffer::append(const char* narrowText) {
    appendNarrow(narrowText,
                 narrowText != nullptr ? static_cast<std::uint32_t>(std::strlen(narrowText)) : 0);
}

void StrBuffer::append(const IStr& other) {
    const auto& s = static_cast<const StrBuffer&>(other);
    append(s.buffer_, s.length_);
}

void StrBuffer::append(const char16_t* wideText) {
    append(wideText, unitsIn(wideText));
}

void StrBuffer::set(const IStr& other) {
    const auto& s = static_cast<const StrBuffer&>(other);
    if (&s == this)
        return;
    length_ = 0;
    reserveExact(s.length_);
    if (s.length_ != 0)
        std::memcpy(buffer_, s.buffer_, 2 * static_cast<std::size_t>(s.length_));
    length_ = s.length_;
}

void StrBuffer::set(const char16_t* wideText) {
    std::uint32_t n = unitsIn(wideText);
    if (buffer_ != nullptr && wideText >= buffer_ && wideText < buffer_ + capacity_ + 1) {
        // The text lies inside this string: keep it in place.
        std::memmove(buffer_, wideText, 2 * static_cast<std::size_t>(n));
        length_ = n;
        return;
    }
    length_ = 0;
    reserveExact(n);
    if (n != 0)
        std::memcpy(buffer_, wideText, 2 * static_cast<std::size_t>(n));
    length_ = n;
}

void StrBuffer::keepRange(std::uint32_t begin, std::uint32_t end) {
    if (end > length_)
        end = length_;
    if (begin >= end) {
        length_ = 0;
        return;
    }
    std::memmove(buffer_, buffer_ + begin, 2 * static_cast<std::size_t>(end - begin));
    length_ = end - begin;
}

IStr* StrBuffer::clone() const {
    StrBuffer* copy = thread::take<StrBuffer>();
    copy->set(*this);
    return copy;
}

IStr* StrBuffer::substring(std::uint32_t begin, std::uint32_t end) const {
    StrBuffer* part = thread::take<StrBuffer>();
    if (end > length_)
        end = length_;
    if (begin < end) {
        part->reserveExact(end - begin);
        part->append(buffer_ + begin, end - begin);
    }
    return part;
}

IStr* StrBuffer::prefixBefore(bool found, std::uint32_t at) const {
    return found ? substring(0, at) : thread::take<StrBuffer>();
}

IStr* StrBuffer::beforeLast(char16_t ch, std::uint32_t before) const {
    std::uint32_t at = 0;
    bool found = lastIndexOf(ch, at, before);
    return prefixBefore(found, at);
}
IStr* StrBuffer::beforeLastIgnoreCase(char16_t ch, std::uint32_t before) const {
    std::uint32_t at = 0;
    bool found = lastIndexOfIgnoreCase(ch, at, before);
    return prefixBefore(found, at);
}
IStr* StrBuffer::beforeLastAny(const char16_t* chars, std::uint32_t n, std::uint32_t before) const {
    std::uint32_t at = 0;
    bool found = lastIndexOfAny(chars, n, at, before);
    return prefixBefore(found, at);
}
IStr* StrBuffer::beforeLastAnyIgnoreCase(const char16_t* chars, std::uint32_t n,
                                         std::uint32_t before) const {
    std::uint32_t at = 0;
    bool found = lastIndexOfAnyIgnoreCase(chars, n, at, before);
    return prefixBefore(found, at);
}
IStr* StrBuffer::beforeLast(const char16_t* str, std::uint32_t before) const {
    std::uint32_t at = 0;
    bool found = lastIndexOf(str, at, before);
    return prefixBefore(found, at);
}
IStr* StrBuffer::beforeLastIgnoreCase(const char16_t* str, std::uint32_t before) const {
    std::uint32_t at = 0;
    bool found = lastIndexOfIgnoreCase(str, at, before);
    return prefixBefore(found, at);
}

void StrBuffer::replaceAll(const char16_t* find, const char16_t* replacement) {
    replace(find, replacement, false);
}

void StrBuffer::replaceAllIgnoreCase(const char16_t* find, const char16_t* replacement) {
    replace(find, replacement, true);
}

void StrBuffer::replace(const char16_t* find, const char16_t* replacement, bool foldCase) {
    std::uint32_t f = unitsIn(find);
    std::uint32_t r = unitsIn(replacement);
    std::uint32_t match = 0;
    if (f == 0 || length_ < f || !findString(find, foldCase, 0, match))
        return;
    if (r == f) {
        for (;;) {
            std::memcpy(buffer_ + match, replacement, 2 * static_cast<std::size_t>(r));
            // No further match fits once fewer than f units remain behind this one.
            if (static_cast<std::uint64_t>(match) + 2 * f > length_ ||
                !findString(find, foldCase, match + f, match))
                return;
        }
    }
    if (r < f) {
        std::uint32_t read = 0, write = 0;
        bool found = true;
        while (found) {
            std::uint32_t stretch = match - read;
            std::memmove(buffer_ + write, buffer_ + read, 2 * static_cast<std::size_t>(stretch));
            write += stretch;
            std::memcpy(buffer_ + write, replacement, 2 * static_cast<std::size_t>(r));
            write += r;
            read = match + f;
            found = findString(find, foldCase, read, match);
        }
        std::memmove(buffer_ + write, buffer_ + read, 2 * static_cast<std::size_t>(length_ - read));
        length_ = write + (length_ - read);
        return;
    }
    StrBuffer* scratch = thread::take<StrBuffer>();
    std::uint32_t read = 0;
    bool found = true;
    while (found) {
        scratch->append(buffer_ + read, match - read);
        scratch->append(replacement, r);
        read = match + f;
        found = findString(find, foldCase, read, match);
    }
    scratch->append(buffer_ + read, length_ - read);
    std::swap(buffer_, scratch->buffer_);
    std::swap(length_, scratch->length_);
    std::swap(capacity_, scratch->capacity_);
    scratch->release();
}

// ---- streams

bool StrBuffer::read(void* out, std::uint32_t n, std::uint32_t* count) {
    return cursor_.read(buffer_, 2 * length_, out, n, count);
}

bool StrBuffer::write(const void* data, std::uint32_t n, std::uint32_t* count) {
    std::uint32_t at = cursor_.get();
    reserve((at + n) / 2 + 1);
    std::memcpy(reinterpret_cast<unsigned char*>(buffer_) + at, data, n);
    cursor_.wrote(n);
    if (cursor_.get() / 2 > length_)
        length_ = cursor_.get() / 2;
    if (count != nullptr)
        *count = n;
    return true;
}

// ---- iterators

Iterator* StrBuffer::iterator() const {
    return Iterator::over(this, -1, 0);
}
Iterator* StrBuffer::iteratorAtEnd() const {
    return Iterator::over(this, static_cast<std::int32_t>(length_), length_);
}
Iterator* StrBuffer::iteratorAt(std::uint32_t i) const {
    return Iterator::over(this, static_cast<std::int32_t>(i) - 1, i);
}
Iterator* StrBuffer::iteratorFromEnd(std::uint32_t k) const {
    std::uint32_t at = k < length_ ? length_ - k : 0;
    return Iterator::over(this, static_cast<std::int32_t>(at), at);
}

} // namespace s::str::strbuffer
