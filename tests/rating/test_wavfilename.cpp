#include "rating/ratingfixture.h"
#include "rating/wavfilename.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

enum class Verdict
{
    Valid,
    NotValid,
    NotInLists
};

struct NameCase
{
    const char* name;
    Verdict verdict;
};

const NameCase kNameCases[] = {
    {"17_07_ball.wav", Verdict::Valid},       {"17_07_BALL.WAV", Verdict::Valid},
    {"007_07_ball.wav", Verdict::Valid},      {"1_1_ball.wav", Verdict::Valid},
    {"200_50_ball.wav", Verdict::Valid},      {"17_07_kite.wav", Verdict::Valid},
    {"17_07_ball.x.wav", Verdict::Valid},     {"17_07_ball_2.wav", Verdict::NotValid},
    {"17_07_ball.w_av", Verdict::NotValid},   {"17-07_ball.wav", Verdict::NotValid},
    {"17_07_ball", Verdict::NotValid},        {"17.5_07_ball.wav", Verdict::NotValid},
    {"17_07.5_ball.wav", Verdict::NotValid},  {"0_07_ball.wav", Verdict::NotValid},
    {"-17_07_ball.wav", Verdict::NotValid},   {"201_07_ball.wav", Verdict::NotValid},
    {"17_0_ball.wav", Verdict::NotValid},     {"17_51_ball.wav", Verdict::NotValid},
    {"99999_07_ball.wav", Verdict::NotValid}, {"17_40000_ball.wav", Verdict::NotValid},
    {"_07_ball.wav", Verdict::NotValid},      {"17__ball.wav", Verdict::NotValid},
    {"x7_07_ball.wav", Verdict::NotValid},    {"17_07_.wav", Verdict::NotValid},
    {"201_07_ballon.wav", Verdict::NotValid}, {"17_07_ballon.wav", Verdict::NotInLists},
    {"17_07_bal.wav", Verdict::NotInLists},
};

std::optional<fakes::Message> expectedMessage(const QString& name, Verdict verdict)
{
    const auto critical = platform::Messages::Icon::Critical;
    switch (verdict) {
    case Verdict::Valid:
        break;
    case Verdict::NotValid:
        return fakes::Message{u"Filename '"_s + name + u" ' is not a valid PARL name."_s, critical};
    case Verdict::NotInLists:
        return fakes::Message{u"Filename '"_s + name + u" ' is not in the PARL word lists."_s,
                              critical};
    }
    return std::nullopt;
}

TEST(IsValidWavFilename, AcceptsOnlyWellFormedNamesOfListedWords)
{
    const wordlists::WordLists table = makeWordLists();
    for (const NameCase& c : kNameCases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromUtf8(c.name);
        fakes::RecordingMessages messages;
        EXPECT_EQ(rating::IsValidWavFilename(name, table, messages), c.verdict == Verdict::Valid);
        const std::optional<fakes::Message> expected = expectedMessage(name, c.verdict);
        ASSERT_EQ(messages.shown.size(), expected ? 1 : 0);
        if (expected) {
            EXPECT_EQ(messages.shown.first(), *expected)
                << messages.shown.first().text.toStdString();
        }
    }
}

TEST(IsValidWavFilename, FindsTheWordInAnyListWhateverTheWordNumber)
{
    wordlists::WordLists table;
    table.setItemsPerList(12);
    table.setWord(31, 4, u"Ball"_s);
    fakes::RecordingMessages messages;
    EXPECT_TRUE(rating::IsValidWavFilename(u"17_07_ball.wav"_s, table, messages));
    table.setWord(31, 4, u"Bell"_s);
    EXPECT_FALSE(rating::IsValidWavFilename(u"17_07_ball.wav"_s, table, messages));
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST(WordNumberText, KeepsTheTextBetweenTheUnderscores)
{
    EXPECT_EQ(rating::wordNumberText(u"17_07_ball.wav"_s), u"07"_s);
    EXPECT_EQ(rating::wordNumberText(u"3_5_cat.WAV"_s), u"5"_s);
}

} // namespace
