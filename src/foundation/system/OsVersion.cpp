#include "foundation/system/OsVersion.h"

#include "foundation/system/Platform.h"

namespace s::system {

namespace {
struct Shared {
    platform::CriticalSection lock;
    bool filled = false;
    OsVersion facts;
};

Shared& shared() {
    static Shared instance;
    return instance;
}
} // namespace

OsVersion OsVersion::fromRecord(const OsVersionRecord& record) {
    OsVersion facts;
    facts.isNt = record.isNt;
    facts.major = record.major;
    facts.minor = record.minor;
    // The platform identifier is not consulted for these two.
    facts.vistaOrLater = record.major > 6 || (record.major == 6 && record.minor >= 0);
    facts.win7OrLater = record.major > 6 || (record.major == 6 && record.minor > 0);
    return facts;
}

const OsVersion& OsVersion::get() {
    Shared& s = shared();
    platform::CriticalSectionGuard guard(s.lock);
    if (!s.filled) {
        s.facts = fromRecord(queryOsVersion());
        s.filled = true;
    }
    return s.facts;
}

void OsVersion::setForTesting(const OsVersionRecord& record) {
    Shared& s = shared();
    platform::CriticalSectionGuard guard(s.lock);
    s.facts = fromRecord(record);
    s.filled = true;
}

} // namespace s::system
