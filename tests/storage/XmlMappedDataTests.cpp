#include "storage/XmlMappedData.h"

#include "MappedDataContract.h"
#include "StorageTestSupport.h"
#include "foundation/system/Platform.h"
#include "foundation/system/Seams.h"
#include "storage/Node.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using s::xml::MappedData;
using s::xml::Node;
using namespace storage_test;

namespace {

struct StoreRelease {
    void operator()(MappedData* store) const { store->release(); }
};
using StorePtr = std::unique_ptr<MappedData, StoreRelease>;

StorePtr inMemory(const char16_t* document = nullptr) {
    NodePtr root = document != nullptr ? parsed(document) : newNode(u"savedata");
    return StorePtr(MappedData::createOverElement(root.release()));
}

std::u16string treeOf(const MappedData& store) { return serialised(*store.root()); }

// ---- the shared contract

s::map::IMappedData* makeInMemory() { return inMemory().release(); }

void dropStore(s::map::IMappedData* store) { static_cast<MappedData*>(store)->release(); }

INSTANTIATE_TEST_SUITE_P(Xml, MappedDataContract,
                         ::testing::Values(StoreKind{"InMemory", makeInMemory, dropStore, false}),
                         storeKindName);

// ---- the XML form

TEST(XmlMappedData, SetInt32OnAnEmptyStoreMakesOneElementWithOneAttribute) {
    StorePtr store = inMemory();
    store->setInt32(u"Timer", u"Hour", 7);
    EXPECT_EQ(treeOf(*store), u"<savedata><Timer Hour=\"7\"></Timer></savedata>");
}

TEST(XmlMappedData, ValuesAreStoredAsText) {
    StorePtr store = inMemory();
    const std::uint8_t raw[] = {0x0A, 0xFF};
    s::col::ArrayU08 bytes;
    bytes.append(raw, 2);
    store->setDouble(u"T", u"d", 0.25);
    store->setBool(u"T", u"b", true);
    store->setBytes(u"T", u"x", &bytes);
    store->setString(u"T", u"s", u"a \"b\"");
    store->setString(u"T", u"", u"t t");
    EXPECT_EQ(treeOf(*store), u"<savedata><T d=\"0.250000\" b=\"1\" x=\"0aff\" "
                              u"s=\"a &quot;b&quot;\">t&#160;t</T></savedata>");
}

TEST(XmlMappedData, SettingAKeyAgainMovesItToTheEnd) {
    StorePtr store = inMemory();
    store->setInt32(u"MainWindow\\View", u"Width", 640);
    store->setInt32(u"MainWindow\\View", u"Height", 480);
    store->setInt32(u"MainWindow\\View", u"width", 800);
    EXPECT_EQ(treeOf(*store),
              u"<savedata><MainWindow><View Height=\"480\" width=\"800\"></View></MainWindow></savedata>");
}

TEST(XmlMappedData, SlashAndBackslashReachTheSameElement) {
    StorePtr store = inMemory();
    store->setInt32(u"A/B", u"k", 1);
    store->setInt32(u"A\\B", u"j", 2);
    EXPECT_EQ(treeOf(*store), u"<savedata><A><B k=\"1\" j=\"2\"></B></A></savedata>");
    EXPECT_EQ(store->getInt32(u"A/B", u"j", 0), 2);
}

TEST(XmlMappedData, ReadingAMissingPathChangesNothingInTheTree) {
    StorePtr store = inMemory();
    store->getInt32(u"Timer", u"Hour", 0);
    store->getString(u"Timer\\Deep", u"", nullptr);
    store->hasKey(u"Timer", u"Hour");
    store->removeKey(u"Timer", u"Hour");
    store->removePath(u"Timer\\Deep");
    store->findPath(u"Timer");
    EXPECT_EQ(treeOf(*store), u"<savedata></savedata>");
}

TEST(XmlMappedData, SectionsAreFoundIgnoringCaseWhateverTheCacheHolds) {
    StorePtr store = inMemory();
    store->setInt32(u"Timer", u"Hour", 7);
    EXPECT_FALSE(store->findPath(u"Elsewhere")) << "moves the cache away from Timer";
    EXPECT_TRUE(store->findPath(u"TIMER"));
    store->setInt32(u"timer", u"Minute", 5);
    EXPECT_EQ(treeOf(*store), u"<savedata><Timer Hour=\"7\" Minute=\"5\"></Timer></savedata>");
    EXPECT_TRUE(store->removePath(u"tImEr"));
    EXPECT_EQ(treeOf(*store), u"<savedata></savedata>");
}

TEST(XmlMappedData, ASetterReplacesEveryCopyOfAKeyFromAHandEditedFile) {
    StorePtr store = inMemory(u"<savedata><View W=\"1\" w=\"2\">first<x/>second</View></savedata>");
    store->setInt32(u"View", u"W", 3);
    EXPECT_EQ(store->getInt32(u"View", u"w", 0), 3);
    store->setString(u"View", u"", u"new");
    EXPECT_EQ(std::u16string(store->getString(u"View", u"", u"")), u"new");
    EXPECT_TRUE(store->removeKey(u"View", u""));
    EXPECT_FALSE(store->hasKey(u"View", u""));
}

// ---- over a file

TEST(XmlMappedData, AFileInAMissingDirectoryIsCreatedByTheFirstFlush) {
    TempFolder dir;
    std::u16string path = dir.file(u"Vexa/Tarnwick/settings.xml");
    {
        StorePtr store(MappedData::createOverFile(path.c_str(), u"savedata"));
        store->setInt32(u"Timer", u"Hour", 7);
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(path))) << "nothing before flush";
        store->flush();
    }
    EXPECT_EQ(fileBytes(path), "<savedata><Timer Hour=\"7\"></Timer></savedata>");
    StorePtr again(MappedData::createOverFile(path.c_str(), u"ignored"));
    EXPECT_EQ(again->getInt32(u"Timer", u"Hour", 0), 7);
    EXPECT_TRUE(again->root()->nameEquals(u"savedata"));
}

TEST(XmlMappedData, TheFilesOwnRootWinsAndAFileWithoutOneGetsANewRoot) {
    TempFolder dir;
    std::u16string path = dir.file(u"s.xml");
    writeBytes(path, "<!-- by hand -->\n<SkinSetXml>\n  <SkinSet numOfSkins=\"2\"/>\n</SkinSetXml>\n");
    StorePtr store(MappedData::createOverFile(path.c_str(), u"savedata"));
    EXPECT_TRUE(store->root()->nameEquals(u"SkinSetXml"));
    EXPECT_EQ(store->getInt32(u"SkinSet", u"numOfSkins", 0), 2);

    writeBytes(path, "no markup at all");
    StorePtr fresh(MappedData::createOverFile(path.c_str(), u"savedata"));
    EXPECT_EQ(treeOf(*fresh), u"<savedata></savedata>");
}

TEST(XmlMappedData, AutoFlushRewritesTheFileAfterEveryChange) {
    TempFolder dir;
    std::u16string path = dir.file(u"auto.xml");
    StorePtr store(MappedData::createOverFile(path.c_str(), u"savedata"));
    store->setAutoFlush(true);
    store->setInt32(u"A", u"k", 1);
    EXPECT_EQ(fileBytes(path), "<savedata><A k=\"1\"></A></savedata>");
    store->removeKey(u"A", u"k");
    EXPECT_EQ(fileBytes(path), "<savedata><A></A></savedata>");
    store->removePath(u"A");
    EXPECT_EQ(fileBytes(path), "<savedata></savedata>");
}

// A crash after the new file is written and before it replaces the old one.
struct CrashBeforeReplace {
    static inline std::string written;
    static inline std::string targetAtThatMoment;
    static bool replace(const char16_t* from, const char16_t* to) {
        written = fileBytes(from);
        targetAtThatMoment = fileBytes(to);
        return false;
    }
};

TEST(XmlMappedData, ACrashBetweenWritingAndReplacingKeepsThePreviousFile) {
    TempFolder dir;
    std::u16string path = dir.file(u"settings.xml");
    const std::string previous = "<savedata><Timer Hour=\"7\"></Timer></savedata>";
    writeBytes(path, previous);
    StorePtr store(MappedData::createOverFile(path.c_str(), u"savedata"));
    store->setInt32(u"Timer", u"Hour", 8);

    s::seams::setReplaceFile(&CrashBeforeReplace::replace);
    store->flush();
    s::seams::setReplaceFile(nullptr);

    EXPECT_EQ(CrashBeforeReplace::written, "<savedata><Timer Hour=\"8\"></Timer></savedata>")
        << "the new document was complete before the replace";
    EXPECT_EQ(CrashBeforeReplace::targetAtThatMoment, previous) << "not truncated in place";
    EXPECT_EQ(fileBytes(path), previous);
    StorePtr reopened(MappedData::createOverFile(path.c_str(), u"savedata"));
    EXPECT_EQ(reopened->getInt32(u"Timer", u"Hour", 0), 7);

    store->flush();
    EXPECT_EQ(fileBytes(path), "<savedata><Timer Hour=\"8\"></Timer></savedata>");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(path + u".tmp")));
}

// A settings file cut short by a crash, at every byte, and one edited by hand
// with single quotes: the damaged file is set aside whole, never written
// over, and every key that lies before the damage is kept.
TEST(XmlMappedData, AFileThatCannotBeReadWholeIsSetAsideAndItsReadableKeysKept) {
    TempFolder dir;
    std::u16string path = dir.file(u"SaveData.xml");
    std::u16string aside = path + u".bad";
    struct Key {
        const char16_t* section;
        const char16_t* name;
        const char16_t* value;
    };
    const Key keys[] = {
        {u"MainWindow\\View", u"Skin", u"Gray WG"},
        {u"MainWindow\\View", u"Transparency", u"90"},
        {u"MainWindow\\Timer", u"AtHour", u"7"},
        {u"MainWindow\\Timer", u"Mode", u"After"},
        {u"MainWindow\\Action", u"Play", u"C:\\Alarm\\sound.mp3"},
    };
    {
        StorePtr store(MappedData::createOverFile(path.c_str(), u"SaveData"));
        for (const Key& key : keys)
            store->setString(key.section, key.name, key.value);
        store->flush();
    }
    const std::string whole = fileBytes(path);
    std::vector<std::size_t> ends; // where each key's attribute ends in the file
    for (const Key& key : keys) {
        std::string attribute = s::test::narrow(key.name) + "=\"" + s::test::narrow(key.value) + "\"";
        std::size_t at = whole.find(attribute);
        ASSERT_NE(at, std::string::npos) << attribute;
        ends.push_back(at + attribute.size());
    }
    for (std::size_t cut = 1; cut < whole.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        const std::string damaged = whole.substr(0, cut);
        writeBytes(path, damaged);
        StorePtr store(MappedData::createOverFile(path.c_str(), u"SaveData"));
        ASSERT_EQ(fileBytes(aside), damaged) << "the damaged file is set aside as it was";
        ASSERT_FALSE(std::filesystem::exists(std::filesystem::path(path)));
        store->flush();
        StorePtr reread(MappedData::createOverFile(path.c_str(), u"SaveData"));
        EXPECT_EQ(fileBytes(aside), damaged) << "the rewritten file reads whole";
        for (std::size_t i = 0; i < ends.size(); ++i) {
            if (ends[i] <= cut) {
                EXPECT_EQ(s::test::narrow(reread->getString(keys[i].section, keys[i].name, u"?")),
                          s::test::narrow(keys[i].value));
            }
        }
    }

    const std::string quoted = "<SaveData><Timer Hour='7' Min=\"5\"></Timer></SaveData>";
    writeBytes(path, quoted);
    StorePtr store(MappedData::createOverFile(path.c_str(), u"SaveData"));
    EXPECT_EQ(fileBytes(aside), quoted) << "replacing the earlier .bad file";
    store->flush();
    NodePtr rewritten = newNode();
    EXPECT_TRUE(rewritten->load(path.c_str()));
}

} // namespace
