#include "audio/TagFields.h"

#include "audio/MediaInfo.h"
#include "foundation/system/DiagnosticLog.h"
#include "foundation/objects/Pools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using s::sound::mp3::win::Info;

// This build has no ID3 reader: fields stay unset and the log says so, once.
// No other test of this program reads tags, so the first call is made here.
TEST(TagFields, ThisBuildReadsNoFieldsAndSaysSoOnce) {
    const std::string line = "song information: ID3v2 text fields are not read in this build";
    s::log::clear();
    Info* info = s::thread::take<Info>();
    info->fields[Info::kTitle].present = true;
    info->fields[Info::kTitle].text.set(u"from an earlier file");
    EXPECT_FALSE(s::sound::mp3::win::readTagFields(u"C:\\Music\\song.mp3", *info));
    EXPECT_FALSE(info->fields[Info::kTitle].present);
    EXPECT_EQ(info->fields[Info::kTitle].text.length(), 0u);
    EXPECT_FALSE(s::sound::mp3::win::readTagFields(u"C:\\Music\\other.mp3", *info));
    std::vector<std::string> lines = s::log::lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 1);
    info->release();
}
