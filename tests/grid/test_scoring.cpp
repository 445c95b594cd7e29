#include "grid/rformat.h"
#include "grid/scoring.h"
#include "gridfixture.h"

#include <gtest/gtest.h>

using namespace grid;

namespace {

// Texts of the Eval column that must not count as correct.
const QString kNotCorrect[] = {QStringLiteral("I"),  QStringLiteral("c"), QStringLiteral(" C"),
                               QStringLiteral("C "), QString(),           QStringLiteral("CC")};

} // namespace

TEST(Scoring, CountsExactCAndGivesTwoPointsEach)
{
    const std::pair<int, QString> cases[] = {
        {50, QStringLiteral("100")},
        {48, QStringLiteral(" 96")},
        {3, QStringLiteral("  6")},
        {0, QStringLiteral("  0")},
    };
    for (const auto& [correct, percentText] : cases) {
        auto model = makeRatingGrid();
        // Spread the correct rows over the grid so that the first and last rows both matter.
        for (int r = 1; r <= 50; ++r) {
            const bool isCorrect = (r - 1) * correct / 50 != r * correct / 50;
            model->setCell(r, kEvalColumn,
                           isCorrect ? QStringLiteral("C")
                                     : kNotCorrect[r % std::size(kNotCorrect)]);
        }
        model->setSelection(12, 12, 0, 3);

        const int counted = correctRows(*model);

        EXPECT_EQ(counted, correct);
        EXPECT_EQ(RFormat(intelligibilityPercent(counted), QStringLiteral("##0")), percentText);
        EXPECT_EQ(model->row(), 50);
        EXPECT_EQ(model->col(), kEvalColumn);
        EXPECT_EQ(model->selStartRow(), 12);
    }
}

TEST(Scoring, GridRowsAreReadInOrderWithEveryColumn)
{
    auto model = makeRatingGrid(3);
    model->setCell(2, kRatingColumn, QStringLiteral("Cup"));
    model->setCell(2, kEvalColumn, QStringLiteral("I"));
    model->setSelection(2, 2, 0, 3);

    const auto rows = gridRows(*model);

    using Row = std::array<QString, kColumnCount>;
    const QList<Row> expected = {
        Row{QStringLiteral("1_01_word1.wav"), QStringLiteral("01"), QString(), QString()},
        Row{QStringLiteral("1_02_word2.wav"), QStringLiteral("02"), QStringLiteral("Cup"),
            QStringLiteral("I")},
        Row{QStringLiteral("1_03_word3.wav"), QStringLiteral("03"), QString(), QString()},
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(model->row(), 3);
    EXPECT_EQ(model->col(), kEvalColumn);
    EXPECT_EQ(model->selStartRow(), 2);
}

TEST(Scoring, GridWithoutDataRowsHasNothingToRead)
{
    auto model = makeRatingGrid(0);
    EXPECT_TRUE(gridRows(*model).isEmpty());
    EXPECT_EQ(correctRows(*model), 0);
}
