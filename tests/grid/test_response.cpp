#include "grid/navigation.h"
#include "grid/response.h"
#include "grid/scoring.h"
#include "gridfixture.h"

#include <gtest/gtest.h>
#include <set>

using namespace grid;

TEST(Response, TargetWordOfFileName)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("17_07_ball.wav"), QStringLiteral("ball")},
        {QStringLiteral("17_07_Ball.WAV"), QStringLiteral("ball")},
        {QStringLiteral("3_12_ice_cream.wav"), QStringLiteral("cream")},
        {QStringLiteral("3_12_tooth.brush.wav"), QStringLiteral("tooth")},
        {QStringLiteral("3_12_.wav"), QString()},
        {QStringLiteral("3_12_sun"), QStringLiteral("sun")},
        {QStringLiteral("moon.wav"), QStringLiteral("moon")},
        {QStringLiteral("1_02_Ärmel.wav"), QStringLiteral("ärmel")},
    };
    for (const auto& [fileName, expected] : cases)
        EXPECT_EQ(targetWord(fileName), expected) << fileName.toStdString();
}

TEST(Response, Evaluation)
{
    struct Case
    {
        QString response;
        QString fileName;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral("Ball"), QStringLiteral("17_07_ball.wav"), QStringLiteral("C")},
        {QStringLiteral("Bell"), QStringLiteral("17_07_ball.wav"), QStringLiteral("I")},
        {QStringLiteral("BALL"), QStringLiteral("17_07_Ball.wav"), QStringLiteral("C")},
        {QStringLiteral("ball "), QStringLiteral("17_07_ball.wav"), QStringLiteral("I")},
        {QStringLiteral("balls"), QStringLiteral("17_07_ball.wav"), QStringLiteral("I")},
        {QString(), QStringLiteral("17_07_ball.wav"), QStringLiteral("I")},
        {QString(), QStringLiteral("17_07_.wav"), QStringLiteral("C")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(evaluate(c.response, c.fileName), c.expected)
            << c.response.toStdString() << " for " << c.fileName.toStdString();
}

namespace {

struct PickCase
{
    const char* name;
    std::set<int> ratedBefore;
    int row;
    QString picked;
    QString expectedEval;
    int expectedCount;
    bool expectedAllRated;
    int expectedNext;
};

void PrintTo(const PickCase& c, std::ostream* os)
{
    *os << c.name;
}

std::set<int> allRowsBut(int row)
{
    std::set<int> rows;
    for (int r = 1; r <= 50; ++r)
        if (r != row)
            rows.insert(r);
    return rows;
}

std::set<int> rowsUpTo(int last)
{
    std::set<int> rows;
    for (int r = 1; r <= last; ++r)
        rows.insert(r);
    return rows;
}

class Pick : public ::testing::TestWithParam<PickCase>
{
};

TEST_P(Pick, WritesTheRowRecountsAndFindsTheNextUnratedRow)
{
    const PickCase& c = GetParam();
    auto model = makeRatingGrid();
    model->setCell(17, kFileColumn, QStringLiteral("17_07_ball.wav"));
    for (int r : c.ratedBefore)
        model->setCell(r, kRatingColumn, QStringLiteral("earlier"));
    model->setRow(c.row);
    highlightCurrentRow(*model);
    auto expectedRows = gridRows(*model);
    expectedRows[c.row - 1][kRatingColumn] = c.picked;
    expectedRows[c.row - 1][kEvalColumn] = c.expectedEval;
    model->setRow(c.row);

    const PickOutcome outcome = recordPick(*model, c.picked);

    EXPECT_EQ(outcome.ratedCount, c.expectedCount);
    EXPECT_EQ(outcome.allRated, c.expectedAllRated);
    EXPECT_EQ(outcome.nextRow, c.expectedNext);
    EXPECT_EQ(model->selStartRow(), c.row) << "the highlight is the caller's to move";
    EXPECT_EQ(gridRows(*model), expectedRows) << "only the picked row's response changes";
}

const PickCase kPicks[] = {
    {"MatchingWordIsCorrect", {}, 17, QStringLiteral("Ball"), QStringLiteral("C"), 1, false, 18},
    {"OtherWordIsIncorrect", {}, 17, QStringLiteral("Bell"), QStringLiteral("I"), 1, false, 18},
    {"SkipsRatedRowsBelow",
     {1, 2, 3, 4, 6, 7},
     5,
     QStringLiteral("x"),
     QStringLiteral("I"),
     7,
     false,
     8},
    {"WrapsFromLastRow", {1, 2}, 50, QStringLiteral("word50"), QStringLiteral("C"), 3, false, 3},
    {"LastUnratedRowStays", allRowsBut(20), 20, QStringLiteral("Word20"), QStringLiteral("C"), 50,
     true, 20},
    {"RerateKeepsCount", rowsUpTo(10), 4, QStringLiteral("word4"), QStringLiteral("C"), 10, false,
     11},
    {"EmptyPickLeavesRowUnrated", {}, 5, QString(), QStringLiteral("I"), 0, false, 6},
    {"BlankPickLeavesRowUnrated", {6}, 5, QStringLiteral("  "), QStringLiteral("I"), 1, false, 7},
    {"EmptyPickOnOnlyUnratedRowStays", allRowsBut(9), 9, QString(), QStringLiteral("I"), 49, false,
     9},
};

INSTANTIATE_TEST_SUITE_P(Cases, Pick, ::testing::ValuesIn(kPicks),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

TEST(Response, RatedMeansSomethingButBlanks)
{
    EXPECT_FALSE(isRated(QString()));
    EXPECT_FALSE(isRated(QStringLiteral("   ")));
    EXPECT_TRUE(isRated(QStringLiteral(" a ")));
    EXPECT_TRUE(isRated(QStringLiteral("\t")));
}
