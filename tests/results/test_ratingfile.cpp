#include "results/ratingfile.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

results::RatingHeader header(const QString& intelText)
{
    return {{u"Ann"_s, u"01/02/2019"_s, u"Eve"_s, u"03/04/2026"_s},
            u"Bob"_s,
            u"03/07/2026"_s,
            intelText};
}

QString onlyRowLine(const results::GridRow& row)
{
    return results::ratingFileLines(header(u"100"_s), u"/f/"_s, {row}).value(10);
}

struct IntelCase
{
    const char16_t* labelText;
    const char16_t* line7;
};

class IntelligibilityLine : public testing::TestWithParam<IntelCase>
{
};

TEST_P(IntelligibilityLine, CarriesThePercentWithoutBlanks)
{
    const QStringList lines =
        results::ratingFileLines(header(QString::fromUtf16(GetParam().labelText)), u"/f/"_s, {});
    EXPECT_EQ(lines.value(6), QString::fromUtf16(GetParam().line7));
}

INSTANTIATE_TEST_SUITE_P(Percentages, IntelligibilityLine,
                         testing::Values(IntelCase{u"100", u"* Intelligibility: 100%"},
                                         IntelCase{u" 96", u"* Intelligibility: 96%"},
                                         IntelCase{u"  6", u"* Intelligibility: 6%"},
                                         IntelCase{u"  0", u"* Intelligibility: 0%"}));

struct RowCase
{
    const char16_t* file;
    const char16_t* word;
    const char16_t* response;
    const char16_t* eval;
    const char16_t* line;
};

class RowLine : public testing::TestWithParam<RowCase>
{
};

TEST_P(RowLine, KeepsEveryCellWhole)
{
    const RowCase& c = GetParam();
    const results::GridRow row{QString::fromUtf16(c.file), QString::fromUtf16(c.word),
                               QString::fromUtf16(c.response), QString::fromUtf16(c.eval)};
    EXPECT_EQ(onlyRowLine(row), QString::fromUtf16(c.line));
}

INSTANTIATE_TEST_SUITE_P(
    Widths, RowLine,
    testing::Values(
        // Exactly as wide as their columns: padded with nothing.
        RowCase{u"12_34_abcdefghijk.wav", u"34", u"abcdefghij", u"C",
                u"12_34_abcdefghijk.wav34 abcdefghijC"},
        // One character wider: written whole, then one blank.
        RowCase{u"12_34_abcdefghijkl.wav", u"34", u"abcdefghijk", u"I",
                u"12_34_abcdefghijkl.wav 34 abcdefghijk I"},
        RowCase{u"1_02_a_much_longer_target_word.wav", u"02", u"ab", u"I",
                u"1_02_a_much_longer_target_word.wav 02 ab        I"},
        // Not rated: ends in the blanks that pad the response.
        RowCase{u"1_02_x.wav", u"02", u"", u"", u"1_02_x.wav           02           "},
        // The response moves right with the length of the word number.
        RowCase{u"1_123_x.wav", u"123", u"ball", u"C", u"1_123_x.wav          123 ball      C"}));

TEST(RatingFileLines, HeaderValuesAreTrimmedAndTheFolderIsWrittenWhole)
{
    const results::RatingHeader padded{
        {u"  Ann  "_s, u" 01/02/2019 "_s, u"\tEve "_s, u" 03/04/2026"_s},
        u"  Bob  "_s,
        u"03/07/2026"_s,
        u" 96"_s};
    const QStringList lines = results::ratingFileLines(padded, u" /home/a b/kid/ "_s, {});
    const QStringList expected = {
        u"# Child's Name:    Ann"_s,
        u"# Date of Birth:   01/02/2019"_s,
        u"# Examiner's Name: Eve"_s,
        u"# Date of Test:    03/04/2026"_s,
        u"# Rater's Name:    Bob"_s,
        u"# Date of Scoring: 03/07/2026"_s,
        u"* Intelligibility: 96%"_s,
        u"Directory: /home/a b/kid/"_s,
        u"File               Word Rating    Evaluation"_s,
        u"--------------------------------------------"_s,
    };
    EXPECT_EQ(lines, expected);
}

TEST(RatingFilePath, JoinsTheTrimmedFolderAndNameWithTheExtension)
{
    EXPECT_EQ(results::ratingFilePath(u" /data/kid/ "_s, u"  Mary Jones "_s),
              u"/data/kid/Mary Jones.prl"_s);
}

TEST(RaterCountText, SingularOnlyForOne)
{
    EXPECT_EQ(results::raterCountText(0), u"0 raters"_s);
    EXPECT_EQ(results::raterCountText(1), u"1 rater"_s);
    EXPECT_EQ(results::raterCountText(2), u"2 raters"_s);
    EXPECT_EQ(results::raterCountText(11), u"11 raters"_s);
}

} // namespace
