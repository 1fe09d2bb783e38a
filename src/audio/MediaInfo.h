#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/strings/StrBuffer.h"

#include <cstdint>

namespace s::map {
class IMappedData;
}
namespace s::sound::wav {
class Wave;
}
namespace s::sound::mp3::win {
class Mp3;
}

namespace s::sound {

// What a song list remembers of one sound file: its path, its place in the
// list, its play time and format, and a volume boost of its own. It is kept
// as keys of one section of a settings store, the path relative to a base
// folder when the file lies below it.
class MediaInfo : public base::IObject, public thread::IPoolable {
public:
    static constexpr std::int32_t kNoSong = -1;
    static constexpr std::int32_t kNoBoost = -1000;

    void clear() override;

    // Writes the keys into section path of store.
    virtual void save(map::IMappedData& store, const char16_t* path,
                      const char16_t* baseDirectory) const;
    // Reads them back; a relative file path is looked for below
    // baseDirectory first, then below otherDirectory.
    virtual void load(map::IMappedData& store, const char16_t* path, const char16_t* baseDirectory,
                      const char16_t* otherDirectory);

    str::StrBuffer filePath;
    std::int32_t songNumber = kNoSong;
    std::int64_t playTimeMilliSec = 0;
    bool isStereo = true;
    std::int32_t sampleRate = 44100;
    std::int32_t individualVolumeBoost = kNoBoost;
};

namespace wav {

// The record of one WAV file.
class Info final : public MediaInfo {
public:
    const char16_t* getClassName() const override { return u"s_sound_wav_Info"; }
    base::IObject* newInstance() const override;
    void release() override;
};

} // namespace wav

namespace mp3::win {

// The record of one MP3 file: the common keys, the bit rate and the ID3 text
// fields, each with its text, raw bytes and code page.
class Info final : public MediaInfo {
public:
    static constexpr int kFields = 7;
    // The indexes of fields, in the order of their names.
    enum FieldIndex : int { kTitle, kArtist, kAlbum, kYear, kTrack, kGenre, kComment };
    // "title", "artist", "album", "year", "track", "genre", "comment".
    static const char16_t* fieldName(int field);

    const char16_t* getClassName() const override { return u"s_sound_mp3_win_Info"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;
    void save(map::IMappedData& store, const char16_t* path,
              const char16_t* baseDirectory) const override;
    void load(map::IMappedData& store, const char16_t* path, const char16_t* baseDirectory,
              const char16_t* otherDirectory) override;

    // Decoding bytes with codePage gives text.
    struct Field {
        bool present = false;
        str::StrBuffer text;
        str::StrBuffer bytes; // the raw bytes as hexadecimal text
        std::int32_t codePage = 0;
        str::StrBuffer codePageName;
    };

    std::int32_t bitRateKBps = 0;
    Field fields[kFields];
};

// A pooled record of the file at path (none when path is null) with the
// source's format and play time and the text fields of the file's ID3 tag
// (see readTagFields). The caller releases it.
Info* makeInfo(const Mp3& source, const char16_t* path);
void fillInfo(const Mp3& source, Info& info);

} // namespace mp3::win

namespace wav {
Info* makeInfo(const Wave& source, const char16_t* path);
void fillInfo(const Wave& source, Info& info);
} // namespace wav

} // namespace s::sound
