#include "audio/win/Device.h"

#include "audio/win/PcmFormat.h"

#include "foundation/collections/Arrays.h"
#include "foundation/objects/CleanerIObject.h"
#include "foundation/system/DiagnosticLog.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/win/WideText.h"

#include <windows.h>

#include <mmsystem.h>

#include <string>

namespace s::system::audio::win {

namespace {

std::string narrowName(const wchar_t* name) {
    std::string out;
    for (; *name != 0; ++name)
        out += *name < 0x80 ? static_cast<char>(*name) : '?';
    return out;
}

struct Lists {
    col::ArrayP inputs;
    col::ArrayP outputs;
};

void build(Lists& l) {
    l.inputs.setDestroyer(&cleaner::CleanerIObject::instance());
    l.outputs.setDestroyer(&cleaner::CleanerIObject::instance());
    log::write("[Sound Input Devices]");
    for (UINT i = 0; i < waveInGetNumDevs(); ++i) {
        WAVEINCAPSW caps{};
        if (waveInGetDevCapsW(i, &caps, sizeof caps) != MMSYSERR_NOERROR)
            continue;
        auto* device = new Device;
        device->setId(static_cast<std::int32_t>(i));
        device->setName(str::win::fromWide(caps.szPname));
        l.inputs.add(static_cast<base::IObject*>(device));
        log::write(narrowName(caps.szPname));
    }
    log::write("[Sound Output Devices]");
    for (UINT i = 0; i < waveOutGetNumDevs(); ++i) {
        WAVEOUTCAPSW caps{};
        if (waveOutGetDevCapsW(i, &caps, sizeof caps) != MMSYSERR_NOERROR)
            continue;
        auto* device = new Device;
        device->setId(static_cast<std::int32_t>(i));
        device->setName(str::win::fromWide(caps.szPname));
        l.outputs.add(static_cast<base::IObject*>(device));
        log::write(narrowName(caps.szPname));
    }
    log::write("[Sound Mixer]");
    for (UINT i = 0; i < mixerGetNumDevs(); ++i) {
        MIXERCAPSW caps{};
        if (mixerGetDevCapsW(i, &caps, sizeof caps) == MMSYSERR_NOERROR)
            log::write(narrowName(caps.szPname));
    }
}

// Built once, the first time a device is asked for.
Lists& lists() {
    static Lists built;
    static const bool listed = (build(built), true);
    (void)listed;
    return built;
}

} // namespace

base::IObject* Device::newInstance() const {
    return thread::take<Device>();
}

void Device::release() {
    thread::giveBack(this);
}

void Device::clear() {
    id_ = 0;
    name_.freeMemory();
}

bool Device::supportsInputFormat(bool stereo, std::uint32_t rate, std::uint32_t bits) const {
    WAVEFORMATEX format = pcmFormat(stereo, rate, bits);
    return waveInOpen(nullptr, static_cast<UINT>(id_), &format, 0, 0, WAVE_FORMAT_QUERY) ==
           MMSYSERR_NOERROR;
}

bool Device::supportsOutputFormat(bool stereo, std::uint32_t rate, std::uint32_t bits) const {
    WAVEFORMATEX format = pcmFormat(stereo, rate, bits);
    return waveOutOpen(nullptr, static_cast<UINT>(id_), &format, 0, 0, WAVE_FORMAT_QUERY) ==
           MMSYSERR_NOERROR;
}

const col::_array::ArrayP& Device::inputDevices() {
    return lists().inputs;
}

const col::_array::ArrayP& Device::outputDevices() {
    return lists().outputs;
}

Device* Device::firstOutput() {
    const col::ArrayP& outputs = outputDevices();
    if (outputs.length() == 0)
        return nullptr;
    return static_cast<Device*>(static_cast<base::IObject*>(outputs.at(0)));
}

} // namespace s::system::audio::win
