#include "audio/TagFields.h"

#include "audio/MediaInfo.h"
#include "foundation/system/DiagnosticLog.h"

namespace s::sound::mp3::win {

// libid3tag cannot be had for this target, so the fields stay unset.
bool readTagFields(const char16_t*, Info& info) {
    for (Info::Field& field : info.fields)
        field = Info::Field{};
    // Once per run, not once per song; the initialisation of a function's
    // static is safe when two threads make records at the same time.
    static const bool told = [] {
        log::write("song information: ID3v2 text fields are not read in this build");
        return true;
    }();
    static_cast<void>(told);
    return false;
}

} // namespace s::sound::mp3::win
