#include "audio/Wave.h"
#include "audio/win/MediaInfo.h"

#include "foundation/Pools.h"
#include "storage/Node.h"
#include "storage/XmlMappedData.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

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
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    std::u16string base = reinterpret_cast<const char16_t*>(temp);
    std::u16string song = base + u"Music\\alarm.mp3";
    CreateDirectoryW(reinterpret_cast<const wchar_t*>((base + u"Music").c_str()), nullptr);
    HANDLE file = CreateFileW(reinterpret_cast<const wchar_t*>(song.c_str()), GENERIC_WRITE, 0,
                              nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);

    Info* info = s::thread::take<Info>();
    info->filePath.set(song.c_str());
    info->playTimeMilliSec = 6750;
    info->bitRateKBps = 128;
    info->fields[0].present = true;
    info->fields[0].text.set(u"Alarm & <Chime>");
    info->fields[0].codePage = 65001;
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
    EXPECT_TRUE(back->fields[0].present);
    EXPECT_EQ(text(back->fields[0].text), u"Alarm & <Chime>");
    EXPECT_EQ(back->fields[0].codePage, 65001);
    EXPECT_FALSE(back->fields[1].present);

    // A relative path that is not below the base is looked for below the other folder.
    store->setString(u"Songs\\2", u"filePath", u"gone.mp3");
    back->load(*store, u"Songs\\2", base.c_str(), u"D:\\Library");
    EXPECT_EQ(text(back->filePath), u"D:\\Library\\gone.mp3");
    store->setString(u"Songs\\3", u"filePath", u"\\\\server\\share\\song.mp3");
    back->load(*store, u"Songs\\3", base.c_str(), u"D:\\Library");
    EXPECT_EQ(text(back->filePath), u"\\\\server\\share\\song.mp3");

    back->release();
    info->release();
    store->release();
    DeleteFileW(reinterpret_cast<const wchar_t*>(song.c_str()));
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
