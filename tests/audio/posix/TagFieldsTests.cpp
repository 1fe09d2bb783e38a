#include "audio/TagFields.h"

#include "audio/AudioTestSupport.h"
#include "audio/MediaInfo.h"
#include "audio/Mp3.h"
#include "foundation/collections/Arrays.h"
#include "foundation/system/Platform.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

using audio_test::TempFolder;
using s::sound::mp3::win::Info;
using s::sound::mp3::win::readTagFields;

namespace {

std::u16string text(const s::str::StrBuffer& s) {
    return std::u16string(s.cStr(), s.length());
}

// The path of a file tools/make_test_sounds.sh made for this run.
std::u16string soundPath(const char* name) {
    std::string path = std::string(std::getenv("TARNWICK_TEST_SOUNDS")) + "/" + name;
    s::str::StrBuffer wide;
    wide.fromUtf8(reinterpret_cast<const std::uint8_t*>(path.c_str()), false, -1);
    return text(wide);
}

class TagFiles : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("TARNWICK_TEST_SOUNDS") == nullptr)
            GTEST_SKIP() << "run through CTest, which makes the sound files first";
    }
};

struct Expected {
    int field;
    std::u16string text;
    std::int32_t codePage;
    std::u16string codePageName;
    std::u16string bytes;
};

void expectField(const Info& info, const Expected& e) {
    const Info::Field& field = info.fields[e.field];
    SCOPED_TRACE(testing::PrintToString(Info::fieldName(e.field)));
    ASSERT_TRUE(field.present);
    EXPECT_EQ(text(field.text), e.text);
    EXPECT_EQ(field.codePage, e.codePage);
    EXPECT_EQ(text(field.codePageName), e.codePageName);
    if (!e.bytes.empty()) {
        EXPECT_EQ(text(field.bytes), e.bytes);
    }
}

int presentFields(const Info& info) {
    int n = 0;
    for (const Info::Field& field : info.fields)
        n += field.present ? 1 : 0;
    return n;
}

// ID3v2 tags made byte by byte, for the encodings and forms lame never writes.
std::string bigEndian32(std::uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
            static_cast<char>(v)};
}
std::string syncSafe(std::uint32_t v) {
    return {static_cast<char>(v >> 21 & 0x7F), static_cast<char>(v >> 14 & 0x7F),
            static_cast<char>(v >> 7 & 0x7F), static_cast<char>(v & 0x7F)};
}
// A frame of a version 3 or 4 tag.
std::string frame(int version, const char* id, const std::string& payload) {
    auto size = static_cast<std::uint32_t>(payload.size());
    return std::string(id, 4) + (version == 4 ? syncSafe(size) : bigEndian32(size)) +
           std::string(2, '\0') + payload;
}
std::string tag(int version, const std::string& frames) {
    return std::string("ID3") + static_cast<char>(version) + std::string(2, '\0') +
           syncSafe(static_cast<std::uint32_t>(frames.size())) + frames;
}
// The payload of a text frame: its encoding byte, then the text.
std::string payload(char encoding, const std::string& bytes) {
    return std::string(1, encoding) + bytes;
}
const std::string kNul(1, '\0');

std::u16string hexOf(const std::string& bytes) {
    s::str::StrBuffer hex;
    hex.appendHex8(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                   static_cast<std::uint32_t>(bytes.size()));
    return text(hex);
}

// Writes bytes to a file of folder and reads its fields.
bool readBytes(const TempFolder& folder, const std::string& bytes, Info& info) {
    std::u16string path = folder.base() + u"tagged.mp3";
    EXPECT_TRUE(s::platform::writeFile(path.c_str(), bytes.data(), bytes.size()));
    return readTagFields(path.c_str(), info);
}

} // namespace

TEST_F(TagFiles, Utf16FramesOfLameGiveTheirTextWithCodePage1200) {
    Info* info = s::thread::take<Info>();
    ASSERT_TRUE(readTagFields(soundPath("tags-utf16.mp3").c_str(), *info));
    const std::u16string title = u"Wecker \u2013 Gr\u00fc\u00dfe \U0001F514";
    ASSERT_EQ(title.size(), 17u) << "the bell is a surrogate pair";
    expectField(*info, {Info::kTitle, title, 1200, u"UTF-16", u""});
    expectField(*info, {Info::kArtist, u"\u00c6r\u00f8sk\u00f8bing Band", 1200, u"UTF-16", u""});
    expectField(*info, {Info::kAlbum, u"Alarms", 1200, u"UTF-16", u"41006c00610072006d007300"});
    // libid3tag turns the year frame of ID3v2.3 into an ISO-8859-1 TDRC.
    expectField(*info, {Info::kYear, u"2021", 1252, u"Windows-1252", u"32303231"});
    expectField(*info, {Info::kTrack, u"3/12", 1200, u"UTF-16", u""});
    expectField(*info, {Info::kGenre, u"Rock", 1252, u"Windows-1252", u"526f636b"});
    expectField(*info, {Info::kComment, u"Wake up gently", 1200, u"UTF-16", u""});
    // The bytes are the text in its code page: little-endian UTF-16, the
    // surrogate pair included, no byte-order mark.
    EXPECT_TRUE(text(info->fields[Info::kTitle].bytes).ends_with(u"20003dd814dd"))
        << testing::PrintToString(text(info->fields[Info::kTitle].bytes));
    info->release();
}

TEST_F(TagFiles, Latin1FramesAreReadWithTheAnsiCodePageKeepingTheirBytes) {
    Info* info = s::thread::take<Info>();
    ASSERT_TRUE(readTagFields(soundPath("tags-latin1.mp3").c_str(), *info));
    expectField(*info, {Info::kTitle, u"Caf\u00e9 au lait", 1252, u"Windows-1252",
                        u"436166e9206175206c616974"});
    expectField(*info, {Info::kArtist, u"Zo\u00eb", 1252, u"Windows-1252", u"5a6feb"});
    EXPECT_EQ(presentFields(*info), 2);
    info->release();
}

TEST_F(TagFiles, GenreReferenceBecomesTheGenreName) {
    Info* info = s::thread::take<Info>();
    ASSERT_TRUE(readTagFields(soundPath("genre-number.mp3").c_str(), *info));
    expectField(*info, {Info::kGenre, u"Rock", 1200, u"UTF-16", u"52006f0063006b00"});
    EXPECT_EQ(presentFields(*info), 1);
    info->release();
}

TEST_F(TagFiles, TagsAroundAudioAreFoundAndOtherFilesGiveNoFields) {
    Info* info = s::thread::take<Info>();
    // Behind a picture full of 0xFF bytes; and the ID3v1 tag at the end,
    // which libid3tag presents as frames too.
    EXPECT_TRUE(readTagFields(soundPath("id3v2.mp3").c_str(), *info));
    expectField(*info, {Info::kTitle, u"Alarm", 1200, u"UTF-16", u"41006c00610072006d00"});
    EXPECT_TRUE(readTagFields(soundPath("id3v1.mp3").c_str(), *info));
    expectField(*info, {Info::kTitle, u"Alarm", 1252, u"Windows-1252", u"416c61726d"});
    std::u16string sounds = soundPath("");
    for (const std::u16string& path :
         {soundPath("cbr128.mp3"), soundPath("vbr.mp3"), soundPath("missing.mp3"), sounds}) {
        SCOPED_TRACE(testing::PrintToString(path));
        info->fields[Info::kTitle].present = true;
        EXPECT_FALSE(readTagFields(path.c_str(), *info));
        EXPECT_EQ(presentFields(*info), 0) << "fields of an earlier file are not kept";
    }
    EXPECT_FALSE(readTagFields(nullptr, *info));
    info->release();
}

TEST_F(TagFiles, MakeInfoReadsTheTagOfThePathBesideTheFormat) {
    std::u16string path = soundPath("tags-latin1.mp3");
    auto* stream = s::thread::take<s::col::_array::ArrayU08>();
    ASSERT_TRUE(s::platform::readFile(path.c_str(), stream));
    stream->rewind();
    auto* mp3 = s::thread::take<s::sound::mp3::win::Mp3>();
    mp3->setInputSize(stream->length());
    mp3->setInput(stream, true);
    Info* info = s::sound::mp3::win::makeInfo(*mp3, path.c_str());
    EXPECT_EQ(text(info->filePath), path);
    EXPECT_EQ(info->bitRateKBps, 128);
    EXPECT_EQ(info->sampleRate, 44100);
    expectField(*info, {Info::kTitle, u"Caf\u00e9 au lait", 1252, u"Windows-1252", u""});
    info->release();

    info = s::sound::mp3::win::makeInfo(*mp3, nullptr);
    EXPECT_EQ(presentFields(*info), 0) << "without a path there is no tag to read";
    info->release();
    mp3->release();
}

TEST(TagFields, EachEncodingGivesItsCodePageAndText) {
    TempFolder folder;
    const std::string grusse = std::string("Gr\xc3\xbc\xc3\x9f") + "e \xf0\x9f\x94\x94";
    struct Case {
        const char* what;
        std::string tag;
        Expected expected;
    } cases[] = {
        {"UTF-8 of ID3v2.4",
         tag(4, frame(4, "TIT2", payload(3, grusse))),
         {Info::kTitle, u"Gr\u00fc\u00dfe \U0001F514", 65001, u"UTF-8", hexOf(grusse)}},
        {"UTF-16BE of ID3v2.4",
         tag(4, frame(4, "TPE1", payload(2, std::string("\0Z\0o\0\xeb", 6)))),
         {Info::kArtist, u"Zo\u00eb", 1201, u"UTF-16BE", u"005a006f00eb"}},
        {"big-endian UTF-16 behind its byte-order mark",
         tag(3, frame(3, "TALB", payload(1, std::string("\xfe\xff\0H\0i", 6)))),
         {Info::kAlbum, u"Hi", 1200, u"UTF-16", u"48006900"}},
        {"Windows-1252 where it differs from ISO-8859-1",
         tag(3, frame(3, "TIT2", payload(0, "\x80 \x93ok\x94 \x8d"))),
         {Info::kTitle, u"\u20ac \u201cok\u201d \u008d", 1252, u"Windows-1252",
          u"8020936f6b94208d"}},
        {"several values",
         tag(4, frame(4, "TPE1", payload(0, "Ann" + kNul + "Bob"))),
         {Info::kArtist, u"Ann/Bob", 1252, u"Windows-1252", u"416e6e2f426f62"}},
        {"the comment players show",
         tag(3, frame(3, "COMM", payload(0, "engiTunNORM" + kNul + " 0001")) +
                    frame(3, "COMM", payload(0, "eng" + kNul + "Ring\ntwice"))),
         {Info::kComment, u"Ring\ntwice", 1252, u"Windows-1252", u""}},
    };
    Info* info = s::thread::take<Info>();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(readBytes(folder, c.tag, *info));
        expectField(*info, c.expected);
        EXPECT_EQ(presentFields(*info), 1);
    }
    info->release();
}

TEST(TagFields, NumericGenresBecomeNames) {
    TempFolder folder;
    struct Case {
        int version;
        std::string genre;
        std::u16string expected;
    } cases[] = {
        {4, "17", u"Rock"},
        {4, "(17)", u"Rock"},
        {4, "(17)(6)", u"Rock/Grunge"},
        {4, "17" + kNul + "Pop", u"Rock/Pop"},
        {4, "(4)Eurodisco", u"Eurodisco"},
        {4, "(RX)", u"Remix"},
        {4, "((Live)", u"(Live)"},
        {4, "Synthwave", u"Synthwave"},
        {4, "999", u"999"},
        {3, "(17)Rock", u"Rock"},
        {3, "(17)(6)", u"Rock/Grunge"},
    };
    Info* info = s::thread::take<Info>();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.genre);
        EXPECT_TRUE(readBytes(folder, tag(c.version, frame(c.version, "TCON", payload(0, c.genre))),
                              *info));
        EXPECT_EQ(text(info->fields[Info::kGenre].text), c.expected);
    }
    info->release();
}

TEST(TagFields, BrokenTagsGiveNoFields) {
    TempFolder folder;
    const std::string title = frame(3, "TIT2", payload(0, "Hello"));
    std::string overlong = title;
    overlong.replace(4, 4, bigEndian32(500));
    std::string hugeTag = tag(3, title);
    hugeTag.replace(6, 4, syncSafe(0x0FFFFFFF));
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty file", ""},
        {"only the magic", "ID3"},
        {"cut in the header", std::string("ID3\x03\0", 5)},
        {"tag longer than the file", hugeTag},
        {"frame longer than the tag", tag(3, overlong)},
        {"unknown version", std::string("ID3\xff\0\0", 6) + syncSafe(15) + title},
        {"unknown text encoding", tag(4, frame(4, "TIT2", payload(7, "Hi")))},
        {"odd UTF-16 byte count",
         tag(4, frame(4, "TIT2", payload(1, std::string("\xff\xfe") + "A")))},
        {"tag size shorter than its frame", tag(4, "").replace(9, 1, 1, '\x02') + title},
        {"no tag, only noise", std::string(4096, '\xff')},
    };
    Info* info = s::thread::take<Info>();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(readBytes(folder, c.bytes, *info));
        EXPECT_EQ(presentFields(*info), 0);
    }
    info->release();
}
