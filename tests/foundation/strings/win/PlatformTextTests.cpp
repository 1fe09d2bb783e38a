#include "foundation/collections/Arrays.h"
#include "foundation/strings/CodePage.h"
#include "foundation/strings/Md5.h"
#include "foundation/strings/StrBuffer.h"

#include <gtest/gtest.h>

#include <string>

using s::str::StrBuffer;

namespace {
std::string text(s::str::IStr* s) {
    auto* buffer = static_cast<StrBuffer*>(s);
    std::string out(buffer->cStr(), buffer->cStr() + buffer->length());
    s->release();
    return out;
}
} // namespace

TEST(PlatformText, DigestIsTheMd5OfTheContentsUtf16Bytes) {
    // md5 of "abc" as UTF-16LE, and of nothing at all.
    EXPECT_EQ(text(StrBuffer(u"abc").digest(nullptr, 0, 0)), "ce1473cf80c6b3fda8e3dfc006adc315");
    EXPECT_EQ(text(StrBuffer().digest(nullptr, 0, 0)), "d41d8cd98f00b204e9800998ecf8427e");
}

TEST(PlatformText, OtherCodePagesGoThroughThePlatform) {
    s::system::codepage::CodePage western(1252);
    StrBuffer s(u"caf\u00e9 \u20ac");
    auto* bytes = s.toCodePageUnterminated(western, nullptr, false);
    ASSERT_EQ(bytes->length(), 6u);
    EXPECT_EQ(bytes->at(3), 0xE9);
    EXPECT_EQ(bytes->at(5), 0x80) << "the euro sign of Windows-1252";
    StrBuffer back;
    back.fromCodePage(western, static_cast<const std::uint8_t*>(bytes->data()), false, 6);
    EXPECT_TRUE(back.equals(&s));
    bytes->release();

    const auto& pages = s::system::codepage::CodePage::table();
    ASSERT_GE(pages.size(), 3u);
    EXPECT_EQ(pages[0].number(), 65001u);
    bool has1252 = false;
    for (const auto& page : pages)
        has1252 = has1252 || page.number() == 1252;
    EXPECT_TRUE(has1252) << "the system's installed code pages are listed";

    StrBuffer ascii(u"OEM");
    auto* oem = ascii.toOem(nullptr, false);
    EXPECT_EQ(oem->length(), 4u) << "three bytes and the counted terminator";
    oem->release();
}
