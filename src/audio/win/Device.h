#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/strings/StrBuffer.h"

#include <cstdint>

namespace s::col::_array {
class ArrayP;
}

namespace s::system::audio::win {

// One wave-in or wave-out device: its number and its product name.
class Device : public base::IObject, public thread::IPoolable {
public:
    const char16_t* getClassName() const override { return u"s_system_audio_win_Device"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    std::int32_t getId() const { return id_; }
    void setId(std::int32_t id) { id_ = id; }
    const str::StrBuffer& getName() const { return name_; }
    void setName(const char16_t* name) { name_.set(name); }
    // Whether the device takes PCM of this form.
    bool supportsInputFormat(bool stereo, std::uint32_t rate, std::uint32_t bits) const;
    bool supportsOutputFormat(bool stereo, std::uint32_t rate, std::uint32_t bits) const;

    // The devices of the system, listed once per process (and written to the
    // diagnostic log then); the lists own their devices.
    static const col::_array::ArrayP& inputDevices();
    static const col::_array::ArrayP& outputDevices();
    // The first output device, or null when there is none.
    static Device* firstOutput();

private:
    std::int32_t id_ = 0;
    str::StrBuffer name_;
};

} // namespace s::system::audio::win
