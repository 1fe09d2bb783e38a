#include "foundation/files/win/FileInputStream.h"
#include "foundation/files/win/FileOutputStream.h"

#include "FileTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using s::file::win::FileInputStream;
using s::file::win::FileOutputStream;
using namespace file_test;

namespace {

std::vector<std::uint8_t> pattern(std::size_t n) {
    std::vector<std::uint8_t> bytes(n);
    for (std::size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 31 + i / 251);
    return bytes;
}

std::string asText(const std::vector<std::uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

TEST(FileOutputStream, SeventyThousandBytesGoOutOneBufferAtATime) {
    TempFolder temp;
    std::u16string name = temp.file(u"big.bin");
    std::vector<std::uint8_t> bytes = pattern(70000);
    for (bool byClose : {false, true}) {
        PathPtr path = pathOf(name);
        FileOutputStream* out = path->openOutputStream(false);
        ASSERT_TRUE(out->isOpen());
        std::uint32_t count = 0;
        ASSERT_TRUE(out->write(bytes.data(), 70000, &count));
        EXPECT_EQ(count, 70000u);
        EXPECT_EQ(out->position(), 70000);
        EXPECT_EQ(sizeOnFile(name), 65536u);
        EXPECT_EQ(out->bufferedBytes(), 4464u);
        if (byClose) {
            out->close();
        } else {
            ASSERT_TRUE(out->flush());
            EXPECT_EQ(out->bufferedBytes(), 0u);
        }
        EXPECT_EQ(sizeOnFile(name), 70000u) << (byClose ? "close" : "flush");
        out->dispose();
        EXPECT_EQ(fileBytes(name), asText(bytes));
    }
}

TEST(FileOutputStream, SeeksWriteTheBufferOutFirst) {
    TempFolder temp;
    std::u16string name = temp.file(u"seek.bin");
    PathPtr path = pathOf(name);
    FileOutputStream* out = path->openOutputStream(false);
    std::uint32_t count = 0;
    ASSERT_TRUE(out->write("abcdef", 6, &count));
    out->seek(2);
    EXPECT_EQ(out->position(), 2);
    ASSERT_TRUE(out->write("XY", 2, &count));
    EXPECT_EQ(out->position(), 4);
    EXPECT_EQ(out->seekToEnd(), 6);
    out->seek(3);
    out->truncate();
    out->dispose();
    EXPECT_EQ(fileBytes(name), "abX");
}

TEST(FileOutputStream, AppendingStartsAtTheEnd) {
    TempFolder temp;
    std::u16string name = temp.file(u"log.txt");
    writeBytes(name, "one,");
    PathPtr path = pathOf(name);
    FileOutputStream* out = path->openOutputStream(true);
    EXPECT_EQ(out->position(), 4);
    std::uint32_t count = 0;
    ASSERT_TRUE(out->write("two", 3, &count));
    out->dispose();
    EXPECT_EQ(fileBytes(name), "one,two");
}

TEST(FileOutputStream, AStreamThatCouldNotOpenRefusesToWrite) {
    TempFolder temp;
    std::filesystem::create_directories(temp.path() / "folder");
    PathPtr folder = pathOf(temp.file(u"folder"));
    FileOutputStream* out = folder->openOutputStream(false);
    EXPECT_FALSE(out->isOpen());
    std::uint32_t count = 7;
    EXPECT_FALSE(out->write("x", 1, &count));
    EXPECT_EQ(count, 0u);
    EXPECT_FALSE(out->flush());
    out->dispose();
}

TEST(FileInputStream, AMissingFileFailsItsFirstRead) {
    TempFolder temp;
    PathPtr path = pathOf(temp.file(u"missing.mp3"));
    FileInputStream* in = path->openInputStream();
    char buffer[16];
    std::uint32_t count = 99;
    EXPECT_FALSE(in->read(buffer, sizeof buffer, &count));
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(in->position(), 0);
    in->dispose();
}

TEST(FileInputStream, ReadsSeeksAndEndsWithAFailedRead) {
    TempFolder temp;
    std::u16string name = temp.file(u"data.bin");
    writeBytes(name, "0123456789");
    PathPtr path = pathOf(name);
    FileInputStream* in = path->openInputStream();
    EXPECT_EQ(in->fileSize(), 10);
    char buffer[8] = {};
    std::uint32_t count = 0;
    ASSERT_TRUE(in->read(buffer, 4, &count));
    EXPECT_EQ(std::string(buffer, count), "0123");
    in->skip(2);
    ASSERT_TRUE(in->read(buffer, 2, &count));
    EXPECT_EQ(std::string(buffer, count), "67");
    in->skipBack(5);
    EXPECT_EQ(in->position(), 3);
    in->seekFromEnd(3);
    ASSERT_TRUE(in->read(buffer, 8, &count));
    EXPECT_EQ(std::string(buffer, count), "789");
    EXPECT_EQ(in->position(), 10);
    EXPECT_FALSE(in->read(buffer, 8, &count));
    EXPECT_EQ(count, 0u);
    in->rewind();
    ASSERT_TRUE(in->read(buffer, 1, &count));
    EXPECT_EQ(buffer[0], '0');
    // Others may write while the stream reads.
    FileOutputStream* out = path->openOutputStream(true);
    EXPECT_TRUE(out->isOpen());
    out->dispose();
    in->dispose();
}
