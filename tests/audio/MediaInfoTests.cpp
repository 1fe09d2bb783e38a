#include "audio/MediaInfo.h"
#include "audio/Wave.h"

#include "audio/AudioTestSupport.h"
#include "foundation/system/Platform.h"
#include "foundation/objects/Pools.h"
#include "storage/Node.h"
#include "storage/XmlMappedData.h"

#include <gtest/gtest.h>

#include <string>

using audio_test::TempFolder;
using s::sound::mp3::win::Info;

namespace {

s::xml::MappedData* emptyStore() {
    auto* root = s::thread::take<s::xml::Node>();
    root->setName(u"savedata");
    return s::xml::MappedData::createOverElement(root);
}

std::u16string text(const s::str::StrBuffer& s) {
    return s.cStr();
}

} // namespace

TEST(MediaInfo, KeysRoundTripWithThePathRelativeToTheBase) {
    TempFolder folder;
    std::u16string base = folder.base();
    std::u16string song = base + u"Music\\alarm.mp3";
    ASSERT_TRUE(s::platform::createDirectories((base + u"Music").c_str()));
    ASSERT_TRUE(s::platform::writeFile(song.c_str(), "ID3", 3));

    Info* info = s::thread::take<Info>();
    info->filePath.set(song.c_str());
    info->playTimeMilliSec = 6750;
    info->bitRateKBps = 128;
    info->fields[Info::kTitle].present = true;
    info->fields[Info::kTitle].text.set(u"Alarm & <Chime>");
    info->fields[Info::kTitle].codePage = 65001;
    s::xml::MappedData* store = emptyStore();
    info->save(*store, u"Songs\\1", base.c_str());
    EXPECT_EQ(std::u16string(store->getString(u"Songs\\1", u"filePath", u"", nullptr, true)),
              u"Music\\alarm.mp3");
    EXPECT_FALSE(store->hasKey(u"Songs\\1", u"songNumber")) << "written only when set";
    EXPECT_FALSE(store->hasKey(u"Songs\\1", u"artist"));

    Info* back = s::thread::take<Info>();
    back->load(*store, u"Songs\\1", base.c_str(), u"C:\\Other");
    EXPECT_EQ(text(back->filePath), song);
    EXPECT_EQ(back->playTimeMilliSec, 6750);
    EXPECT_EQ(back->bitRateKBps, 128);
    EXPECT_EQ(back->songNumber, -1);
    EXPECT_EQ(back->individualVolumeBoost, -1000);
    EXPECT_TRUE(back->fields[Info::kTitle].present);
    EXPECT_EQ(text(back->fields[Info::kTitle].text), u"Alarm & <Chime>");
    EXPECT_EQ(back->fields[Info::kTitle].codePage, 65001);
    EXPECT_FALSE(back->fields[Info::kArtist].present);

    back->release();
    info->release();
    store->release();
}

TEST(MediaInfo, ARelativePathNotFoundBelowTheBaseIsTakenBelowTheOtherFolder) {
    TempFolder folder;
    std::u16string base = folder.base();
    ASSERT_TRUE(s::platform::createDirectories((base + u"Music").c_str()));
    struct Case {
        const char16_t* stored;
        const char16_t* expected;
    } cases[] = {
        {u"gone.mp3", u"D:\\Library\\gone.mp3"},
        // A folder of that name below the base is no file.
        {u"Music", u"D:\\Library\\Music"},
        {u"\\\\server\\share\\song.mp3", u"\\\\server\\share\\song.mp3"},
        {u"E:\\Songs\\song.mp3", u"E:\\Songs\\song.mp3"},
        // No path is read back as no path, not as a folder.
        {u"", u""},
    };
    s::xml::MappedData* store = emptyStore();
    Info* back = s::thread::take<Info>();
    for (const Case& c : cases) {
        store->setString(u"Songs\\2", u"filePath", c.stored);
        back->load(*store, u"Songs\\2", base.c_str(), u"D:\\Library");
        EXPECT_EQ(text(back->filePath), c.expected)
            << "stored: " << testing::PrintToString(c.stored);
    }
    back->release();
    store->release();
}

TEST(MediaInfo, TagFieldsRoundTripWithTheirBytesAndCodePage) {
    Info* info = s::thread::take<Info>();
    Info::Field& genre = info->fields[Info::kGenre];
    genre.present = true;
    genre.text.set(u"Caf\u00e9");
    genre.bytes.set(u"436166e9");
    genre.codePage = 1252;
    genre.codePageName.set(u"Windows-1252");
    s::xml::MappedData* store = emptyStore();
    info->save(*store, u"Songs\\1", u"");
    EXPECT_EQ(std::u16string(store->getString(u"Songs\\1", u"genreBytes", u"", nullptr, true)),
              u"436166e9");

    Info* back = s::thread::take<Info>();
    back->load(*store, u"Songs\\1", u"", u"");
    const Info::Field& read = back->fields[Info::kGenre];
    EXPECT_TRUE(read.present);
    EXPECT_EQ(text(read.text), u"Caf\u00e9");
    EXPECT_EQ(text(read.bytes), u"436166e9");
    EXPECT_EQ(read.codePage, 1252);
    EXPECT_EQ(text(read.codePageName), u"Windows-1252");
    for (int i = 0; i < Info::kFields; ++i)
        EXPECT_EQ(back->fields[i].present, i == Info::kGenre)
            << testing::PrintToString(Info::fieldName(i));
    back->release();
    info->release();
    store->release();
}

TEST(MediaInfo, WaveRecordsTakeTheFormatOfTheSource) {
    s::sound::wav::Wave wave;
    wave.setSampleRate(22050);
    wave.setStereo(false);
    auto* info = s::sound::wav::makeInfo(wave, u"C:\\a.wav");
    EXPECT_EQ(info->sampleRate, 22050);
    EXPECT_FALSE(info->isStereo);
    EXPECT_EQ(text(info->filePath), u"C:\\a.wav");
    info->release();
}
