#include "audio/TagFields.h"

#include "audio/MediaInfo.h"
#include "foundation/collections/Arrays.h"
#include "foundation/strings/CodePage.h"
#include "foundation/system/Platform.h"
#include "foundation/strings/StrBuffer.h"

#include <id3tag.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace s::sound::mp3::win {

namespace {

namespace cp = system::codepage;

// ISO-8859-1 frames are read with the system's ANSI code page, which lets
// the many tags written in a local page by older taggers come out right.
// The host has no code-page conversions, so it decodes Windows-1252, the
// ANSI page of Western systems, itself.
constexpr std::int32_t kAnsiCodePage = 1252;

// Windows-1252 from 0x80 to 0x9F, where it differs from ISO-8859-1. The five
// bytes it leaves undefined map to the C1 controls, as MultiByteToWideChar
// maps them.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct Encoding {
    std::int32_t codePage;
    const char16_t* name;
};

Encoding encodingOf(const id3_frame* frame) {
    const id3_field* field = id3_frame_field(frame, 0);
    if (field == nullptr || id3_field_type(field) != ID3_FIELD_TYPE_TEXTENCODING)
        return {kAnsiCodePage, u"Windows-1252"};
    switch (id3_field_gettextencoding(field)) {
    case ID3_FIELD_TEXTENCODING_UTF_16:
        return {static_cast<std::int32_t>(cp::kUtf16Le), u"UTF-16"};
    case ID3_FIELD_TEXTENCODING_UTF_16BE:
        return {static_cast<std::int32_t>(cp::kUtf16Be), u"UTF-16BE"};
    case ID3_FIELD_TEXTENCODING_UTF_8:
        return {static_cast<std::int32_t>(cp::kUtf8), u"UTF-8"};
    default:
        return {kAnsiCodePage, u"Windows-1252"};
    }
}

// A field's text as the code points libid3tag decoded.
using CodePoints = std::vector<std::uint32_t>;

void appendCodePoints(CodePoints& out, const id3_ucs4_t* text) {
    for (; text != nullptr && *text != 0; ++text)
        out.push_back(static_cast<std::uint32_t>(*text));
}

// A genre of ID3v2.3: one or more references, "(17)" or "(RX)", possibly
// followed by a refinement ("(4)Eurodisco"), the more exact name, which is
// then taken. Genre numbers and "RX"/"CR" become their names through
// libid3tag; "((" stands for a "(" of the name.
void appendGenre(CodePoints& out, const id3_ucs4_t* text) {
    std::vector<std::vector<id3_ucs4_t>> references;
    const id3_ucs4_t* p = text;
    while (p[0] == '(' && p[1] != '(') {
        const id3_ucs4_t* close = p + 1;
        while (*close != 0 && *close != ')')
            ++close;
        if (*close == 0)
            break;
        references.emplace_back(p + 1, close);
        references.back().push_back(0);
        p = close + 1;
    }
    if (*p == 0) {
        bool first = true;
        for (const auto& reference : references) {
            const id3_ucs4_t* name = id3_genre_name(reference.data());
            if (name == nullptr || *name == 0)
                continue;
            if (!first)
                out.push_back('/');
            appendCodePoints(out, name);
            first = false;
        }
    } else if (p[0] == '(' && p[1] == '(') {
        appendCodePoints(out, p + 1);
    } else {
        appendCodePoints(out, p == text ? id3_genre_name(p) : p);
    }
}

// The strings of a text frame's list, joined with "/". libid3tag gives an
// ID3v2.3 genre such as "(17)Rock" as its reference and its refinement,
// which mostly name one genre twice; a genre is taken once.
CodePoints textOf(const id3_frame* frame, bool genre) {
    CodePoints text;
    const id3_field* list = id3_frame_field(frame, 1);
    if (list == nullptr || id3_field_type(list) != ID3_FIELD_TYPE_STRINGLIST)
        return text;
    std::vector<CodePoints> values;
    unsigned int count = id3_field_getnstrings(list);
    for (unsigned int i = 0; i < count; ++i) {
        const id3_ucs4_t* string = id3_field_getstrings(list, i);
        if (string == nullptr || *string == 0)
            continue;
        CodePoints value;
        if (genre)
            appendGenre(value, string);
        else
            appendCodePoints(value, string);
        if (value.empty() ||
            (genre && std::find(values.begin(), values.end(), value) != values.end()))
            continue;
        if (!values.empty())
            text.push_back('/');
        text.insert(text.end(), value.begin(), value.end());
        values.push_back(std::move(value));
    }
    return text;
}

// The comment without a description, the one players show; otherwise the
// first. Other COMM frames carry data of other programs (iTunNORM and the
// like).
const id3_frame* commentFrame(const id3_tag* tag) {
    const id3_frame* first = nullptr;
    for (unsigned int i = 0; i < tag->nframes; ++i) {
        const id3_frame* frame = id3_tag_findframe(tag, ID3_FRAME_COMMENT, i);
        if (frame == nullptr)
            break;
        if (first == nullptr)
            first = frame;
        const id3_field* description = id3_frame_field(frame, 2);
        const id3_ucs4_t* text =
            description != nullptr ? id3_field_getstring(description) : nullptr;
        if (text == nullptr || *text == 0)
            return frame;
    }
    return first;
}

CodePoints commentOf(const id3_frame* frame) {
    CodePoints text;
    const id3_field* full = id3_frame_field(frame, 3);
    if (full != nullptr && id3_field_type(full) == ID3_FIELD_TYPE_STRINGFULL)
        appendCodePoints(text, id3_field_getfullstring(full));
    return text;
}

void appendUtf16(str::StrBuffer& out, std::uint32_t c) {
    if (c >= 0x10000 && c <= 0x10FFFF) {
        c -= 0x10000;
        out.append(static_cast<char16_t>(0xD800 + (c >> 10)));
        out.append(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        out.append(static_cast<char16_t>(0xFFFD));
    } else {
        out.append(static_cast<char16_t>(c));
    }
}

// The bytes are the text in the field's code page. libid3tag hands
// ISO-8859-1 text over byte for byte as code points 0-255, so these are the
// stored bytes (with "/" between several values). Of Unicode text it keeps
// no copy of the stored bytes: they are encoded anew, without a byte-order
// mark.
void setField(Info::Field& field, const CodePoints& text, const Encoding& encoding) {
    if (text.empty())
        return;
    field.text.reset();
    field.bytes.reset();
    if (encoding.codePage == kAnsiCodePage) {
        std::vector<std::uint8_t> bytes;
        bytes.reserve(text.size());
        for (std::uint32_t c : text) {
            // Only a genre name from libid3tag's table could go past 0xFF,
            // and those are ASCII.
            auto byte = static_cast<std::uint8_t>(c <= 0xFF ? c : '?');
            bytes.push_back(byte);
            field.text.append(byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80]
                                                           : static_cast<char16_t>(byte));
        }
        field.bytes.appendHex8(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    } else {
        for (std::uint32_t c : text)
            appendUtf16(field.text, c);
        col::_array::ArrayU08 bytes;
        field.text.toCodePageUnterminated(
            cp::CodePage(static_cast<std::uint32_t>(encoding.codePage)), &bytes, false);
        field.bytes.appendHex8(static_cast<const std::uint8_t*>(bytes.data()), bytes.length());
    }
    field.codePage = encoding.codePage;
    field.codePageName.set(encoding.name);
    field.present = true;
}

// An ID3 file opened read-only; closed when it leaves scope.
class TagFile {
public:
    explicit TagFile(const char16_t* path) {
        // The UTF-8 form the C library opens, with "/" for every backslash as
        // in the rest of the host build.
        str::StrBuffer native(path);
        native.replaceAll(u"\\", u"/");
        col::_array::ArrayU08* bytes = native.toUtf8(nullptr, false);
        file_ = id3_file_open(static_cast<const char*>(bytes->data()), ID3_FILE_MODE_READONLY);
        bytes->release();
    }
    ~TagFile() {
        if (file_ != nullptr)
            id3_file_close(file_);
    }
    TagFile(const TagFile&) = delete;
    TagFile& operator=(const TagFile&) = delete;

    // The tag libid3tag made of the file's ID3v2 and ID3v1 tags; null when
    // the file could not be opened. It belongs to the file.
    const id3_tag* tag() const { return file_ != nullptr ? id3_file_tag(file_) : nullptr; }

private:
    id3_file* file_ = nullptr;
};

constexpr const char* kTextFrames[Info::kComment] = {ID3_FRAME_TITLE, ID3_FRAME_ARTIST,
                                                     ID3_FRAME_ALBUM, ID3_FRAME_YEAR,
                                                     ID3_FRAME_TRACK, ID3_FRAME_GENRE};

} // namespace

bool readTagFields(const char16_t* path, Info& info) {
    for (Info::Field& field : info.fields)
        field = Info::Field{};
    // Only regular files: libid3tag would wait forever on a pipe.
    if (!platform::fileExists(path))
        return false;
    TagFile file(path);
    const id3_tag* tag = file.tag();
    if (tag == nullptr)
        return false;
    bool found = false;
    for (int i = 0; i < Info::kComment; ++i) {
        const id3_frame* frame = id3_tag_findframe(tag, kTextFrames[i], 0);
        if (frame == nullptr)
            continue;
        setField(info.fields[i], textOf(frame, i == Info::kGenre), encodingOf(frame));
        found = found || info.fields[i].present;
    }
    if (const id3_frame* comment = commentFrame(tag)) {
        setField(info.fields[Info::kComment], commentOf(comment), encodingOf(comment));
        found = found || info.fields[Info::kComment].present;
    }
    return found;
}

} // namespace s::sound::mp3::win
