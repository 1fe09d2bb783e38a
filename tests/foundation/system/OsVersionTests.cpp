#include "foundation/system/OsVersion.h"

#include <gtest/gtest.h>

using s::system::OsVersion;
using s::system::OsVersionRecord;

TEST(OsVersion, SupportsXpServer2003AndVistaOnwards) {
    struct Case {
        OsVersionRecord record;
        bool supported;
    };
    const Case cases[] = {
        {{true, 5, 0}, false},  {{true, 5, 1}, true},  {{true, 5, 2}, true},
        {{false, 5, 1}, false}, {{false, 5, 2}, false}, {{true, 4, 0}, false},
        {{true, 6, 0}, true},   {{true, 6, 1}, true},  {{true, 6, 2}, true},
        {{true, 10, 0}, true},  {{false, 6, 0}, true},
    };
    for (const Case& c : cases) {
        OsVersion facts = OsVersion::fromRecord(c.record);
        EXPECT_EQ(facts.isSupported(), c.supported)
            << "NT " << c.record.isNt << " version " << c.record.major << "." << c.record.minor;
    }
}

TEST(OsVersion, VistaAndSevenFlagsIgnoreThePlatform) {
    OsVersion vista = OsVersion::fromRecord({false, 6, 0});
    EXPECT_TRUE(vista.vistaOrLater);
    EXPECT_FALSE(vista.win7OrLater);
    OsVersion seven = OsVersion::fromRecord({true, 6, 1});
    EXPECT_TRUE(seven.win7OrLater);
    OsVersion xp = OsVersion::fromRecord({true, 5, 1});
    EXPECT_FALSE(xp.vistaOrLater);
    EXPECT_TRUE(xp.isVersion51());
    EXPECT_FALSE(xp.isVersion52());
}

TEST(OsVersion, ProcessRecordIsFilledOnceAndCanBeReplacedForTests) {
    const OsVersion& first = OsVersion::get();
    EXPECT_TRUE(first.isSupported()) << first.major << "." << first.minor;
    OsVersion::setForTesting({true, 5, 0});
    EXPECT_FALSE(OsVersion::get().isSupported());
    OsVersion::setForTesting(s::system::queryOsVersion());
    EXPECT_TRUE(OsVersion::get().isSupported());
}
