#include "audio/MediaInfo.h"

#include "audio/Mp3.h"
#include "audio/TagFields.h"
#include "audio/Wave.h"
#include "foundation/files/PathText.h"
#include "foundation/system/Platform.h"
#include "foundation/objects/Pools.h"
#include "storage/IMappedData.h"

namespace s::sound {

namespace {

str::StrBuffer directory(const char16_t* text) {
    str::StrBuffer dir(text != nullptr ? text : u"");
    if (dir.length() != 0 && !file::pathtext::isSeparator(dir.charAt(dir.length() - 1)))
        dir.append(u'\\');
    return dir;
}

// An absolute path: a drive ("C:...") or a share ("\\server\...").
bool isAbsolute(const str::StrBuffer& path) {
    if (path.length() < 4 || path.charAt(0) == u'.')
        return false;
    return path.charAt(1) == u':' || (path.charAt(0) == u'\\' && path.charAt(1) == u'\\');
}

} // namespace

void MediaInfo::clear() {
    filePath.freeMemory();
    songNumber = kNoSong;
    playTimeMilliSec = 0;
    isStereo = true;
    sampleRate = 44100;
    individualVolumeBoost = kNoBoost;
}

void MediaInfo::save(map::IMappedData& store, const char16_t* path,
                     const char16_t* baseDirectory) const {
    str::StrBuffer base = directory(baseDirectory);
    str::StrBuffer stored(filePath);
    if (base.length() != 0 && filePath.startsWithIgnoreCase(base.cStr()))
        file::pathtext::relative(base, filePath, stored);
    store.setString(path, u"filePath", stored.cStr());
    if (songNumber != kNoSong)
        store.setInt32(path, u"songNumber", songNumber);
    store.setInt64(path, u"playTimeMilliSec", playTimeMilliSec);
    store.setBool(path, u"isStereo", isStereo);
    store.setInt32(path, u"sampleRate", sampleRate);
    if (individualVolumeBoost != kNoBoost)
        store.setInt32(path, u"individualVolumeBoost", individualVolumeBoost);
}

void MediaInfo::load(map::IMappedData& store, const char16_t* path, const char16_t* baseDirectory,
                     const char16_t* otherDirectory) {
    str::StrBuffer stored(store.getString(path, u"filePath", u"", nullptr, true));
    if (stored.length() == 0) {
        // No path stays no path: resolved, it would name the base folder.
        filePath.reset();
    } else if (isAbsolute(stored)) {
        filePath.set(stored);
    } else {
        str::StrBuffer base = directory(baseDirectory);
        file::pathtext::resolve(base, stored, filePath);
        if (!platform::fileExists(filePath.cStr())) {
            str::StrBuffer other = directory(otherDirectory);
            file::pathtext::resolve(other, stored, filePath);
        }
    }
    songNumber = store.getInt32(path, u"songNumber", kNoSong);
    playTimeMilliSec = store.getInt64(path, u"playTimeMilliSec", 0);
    isStereo = store.getBool(path, u"isStereo", true);
    sampleRate = store.getInt32(path, u"sampleRate", 44100);
    individualVolumeBoost = store.getInt32(path, u"individualVolumeBoost", kNoBoost);
}

namespace wav {

base::IObject* Info::newInstance() const {
    return thread::take<Info>();
}

void Info::release() {
    thread::giveBack(this);
}

void fillInfo(const Wave& source, Info& info) {
    info.sampleRate = static_cast<std::int32_t>(source.getSampleRate());
    info.isStereo = source.isStereo();
    info.playTimeMilliSec = source.durationMilliseconds();
}

Info* makeInfo(const Wave& source, const char16_t* path) {
    Info* info = thread::take<Info>();
    if (path != nullptr)
        info->filePath.set(path);
    fillInfo(source, *info);
    return info;
}

} // namespace wav

namespace mp3::win {

const char16_t* Info::fieldName(int field) {
    static const char16_t* const kNames[kFields] = {u"title", u"artist", u"album",  u"year",
                                                    u"track", u"genre",  u"comment"};
    return field >= 0 && field < kFields ? kNames[field] : u"";
}

base::IObject* Info::newInstance() const {
    return thread::take<Info>();
}

void Info::release() {
    thread::giveBack(this);
}

void Info::clear() {
    MediaInfo::clear();
    bitRateKBps = 0;
    for (Field& field : fields)
        field = Field{};
}

namespace {
str::StrBuffer keyOf(int field, const char16_t* suffix) {
    str::StrBuffer key(Info::fieldName(field));
    key.append(suffix);
    return key;
}
} // namespace

void Info::save(map::IMappedData& store, const char16_t* path,
                const char16_t* baseDirectory) const {
    MediaInfo::save(store, path, baseDirectory);
    store.setInt32(path, u"bitRateKBps", bitRateKBps);
    for (int i = 0; i < kFields; ++i) {
        if (!fields[i].present)
            continue;
        store.setString(path, fieldName(i), fields[i].text.cStr());
        store.setString(path, keyOf(i, u"Bytes").cStr(), fields[i].bytes.cStr());
        store.setInt32(path, keyOf(i, u"CodePage").cStr(), fields[i].codePage);
        store.setString(path, keyOf(i, u"CodePageName").cStr(), fields[i].codePageName.cStr());
    }
}

void Info::load(map::IMappedData& store, const char16_t* path, const char16_t* baseDirectory,
                const char16_t* otherDirectory) {
    MediaInfo::load(store, path, baseDirectory, otherDirectory);
    bitRateKBps = store.getInt32(path, u"bitRateKBps", 0);
    for (int i = 0; i < kFields; ++i) {
        Field& field = fields[i];
        field.present = store.hasKey(path, fieldName(i));
        if (!field.present)
            continue;
        field.text.set(store.getString(path, fieldName(i), u"", nullptr, true));
        field.bytes.set(store.getString(path, keyOf(i, u"Bytes").cStr(), u"", nullptr, true));
        field.codePage = store.getInt32(path, keyOf(i, u"CodePage").cStr(), 0);
        field.codePageName.set(
            store.getString(path, keyOf(i, u"CodePageName").cStr(), u"", nullptr, true));
    }
}

void fillInfo(const Mp3& source, Info& info) {
    info.sampleRate = static_cast<std::int32_t>(source.getSampleRate());
    info.isStereo = source.isStereo();
    std::int64_t kbps = source.getBitrate();
    info.bitRateKBps = kbps > 0 ? static_cast<std::int32_t>(kbps) : 0;
    std::int64_t ms = source.durationMilliseconds();
    info.playTimeMilliSec = ms > 0 ? ms : 0;
}

Info* makeInfo(const Mp3& source, const char16_t* path) {
    Info* info = thread::take<Info>();
    if (path != nullptr) {
        info->filePath.set(path);
        readTagFields(path, *info);
    }
    fillInfo(source, *info);
    return info;
}

} // namespace mp3::win

} // namespace s::sound
