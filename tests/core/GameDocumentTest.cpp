// The document's one door: an edit lands whole or not at all, and only a landed edit is heard.
#include "core/GameDocument.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Exe("\x10\x20\x30\x40\x50\x60\x70\x80", 8);
const QByteArray Items("\x01\x02\x03\x04", 4);
const QByteArray English("one\0two\0three\0", 14);

class GameDocumentApply : public testing::Test {
protected:
    void SetUp() override
    {
        GameFileSet files;
        files.Version = GameVersion::CollectorsEdition;
        files.ExeImage.Accept(Exe, u"/game/ufo.exe"_s, u"/game"_s);
        files.ItemTable.Accept(Items, u"/game/geodata/obdata.dat"_s, u"/game"_s);
        files.EnglishTable.Accept(English, u"/game/geodata/english.dat"_s, u"/game"_s);
        document.Adopt(std::move(files));
        QObject::connect(&document, &GameDocument::Changed, [this](const Edit& edit) { heard.push_back(edit); });
    }

    void ExpectUntouched() const
    {
        EXPECT_EQ(document.Working(GameFile::Executable), Exe);
        EXPECT_EQ(document.Working(GameFile::Items), Items);
        EXPECT_EQ(document.Working(GameFile::English), English);
        EXPECT_TRUE(heard.empty());
    }

    GameDocument document;
    std::vector<Edit> heard;
};

Change At(GameFile file, qsizetype offset, const QByteArray& before, const QByteArray& after)
{
    return {file, offset, before, after, {}};
}

struct Refused {
    const char* what;
    Change later;  // follows a good change of byte 1 of the executable
};

const Refused RefusedLaterChanges[] = {
    {"bytes before that the file does not hold", At(GameFile::Executable, 4, "\x51", "\x09")},
    {"bytes before past the end of the file", At(GameFile::Executable, 7, QByteArray("\x80\x00", 2), "\x09\x09")},
    {"a longer executable", At(GameFile::Executable, 4, "\x50", "\x09\x09")},
    {"a shorter item file", At(GameFile::Items, 0, "\x01\x02", "\x07")},
    {"a file that is not loaded", At(GameFile::German, 0, "", "x")},
};

TEST_F(GameDocumentApply, ARefusedLaterChangePutsBackTheEarlierOnesAndIsNotHeard)
{
    for (const Refused& refused : RefusedLaterChanges) {
        SCOPED_TRACE(refused.what);
        const Edit edit{u"step"_s, {At(GameFile::Executable, 1, "\x20", "\x21"), refused.later}};
        EXPECT_FALSE(document.Apply(edit));
        ExpectUntouched();
    }
}

TEST_F(GameDocumentApply, AnEditThatLandsIsHeardOnceWithItsChanges)
{
    const Edit edit{u"step"_s, {At(GameFile::Executable, 1, "\x20", "\x21"), At(GameFile::Items, 3, "\x04", "\xff")}};
    ASSERT_TRUE(document.Apply(edit));
    EXPECT_EQ(document.Working(GameFile::Executable), QByteArray("\x10\x21\x30\x40\x50\x60\x70\x80", 8));
    EXPECT_EQ(document.Working(GameFile::Items), QByteArray("\x01\x02\x03\xff", 4));
    EXPECT_EQ(document.Pristine(GameFile::Executable), Exe);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].text, u"step"_s);
    EXPECT_EQ(heard[0].changes.size(), 2u);
}

TEST_F(GameDocumentApply, StringEntriesOfNewLengthsAreUndoneByTheInverse)
{
    // "one" becomes "1" and "three" becomes "drei!!": the later entry goes first, so the
    // earlier one's offset still holds.
    const Edit edit = changes::InApplyOrder(u"step"_s, {At(GameFile::English, 0, "one", "1"),
                                                        At(GameFile::English, 8, "three", "drei!!")});
    ASSERT_TRUE(document.Apply(edit));
    EXPECT_EQ(document.Working(GameFile::English), QByteArray("1\0two\0drei!!\0", 13));
    ASSERT_TRUE(document.Apply(edit.Inverse()));
    EXPECT_EQ(document.Working(GameFile::English), English);
    EXPECT_EQ(heard.size(), 2u);
}

} // namespace
